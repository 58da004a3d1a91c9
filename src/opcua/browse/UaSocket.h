#pragma once
// A blocking TCP connection in which every operation has a deadline. The browse runs on the UI thread, so no call
// may wait longer than its step allows, whatever the peer does.
#include <QByteArray>
#include <chrono>
#include <cstdint>

using TUaClock = std::chrono::steady_clock;
using TUaDeadline = TUaClock::time_point;

inline TUaDeadline Ua_Deadline_In(int milliseconds) {
  return TUaClock::now() + std::chrono::milliseconds(milliseconds);
}

struct addrinfo;
// The host name lookup, getaddrinfo by default; tests put a lookup of their own in its place (nullptr restores it).
using TUaNameResolver = int (*)(const char* host, const char* service, const addrinfo* hints, addrinfo** result);
void Set_Ua_Name_Resolver(TUaNameResolver resolver);

class TUaSocket {
 public:
  TUaSocket() = default;
  ~TUaSocket();
  TUaSocket(const TUaSocket&) = delete;
  TUaSocket& operator=(const TUaSocket&) = delete;

  // Tries every address the host name resolves to; raises EUaError when the name is not resolved or no address
  // answers before the deadline.
  void Connect(const QByteArray& host, uint16_t port, TUaDeadline deadline);
  void Send_All(const QByteArray& bytes, TUaDeadline deadline);
  QByteArray Receive_Exactly(qsizetype count, TUaDeadline deadline);
  void Close();
  bool Is_Open() const { return FFd >= 0; }

 private:
  void Wait_For(short events, TUaDeadline deadline);

  int FFd = -1;
};
