#pragma once
// A one-shot HTTP server on 127.0.0.1 for the version check: it accepts one connection, records the request,
// answers with the bytes it was given (or keeps silent) and stops by itself after a bounded wait, or at once when
// it is destroyed.
#include <QByteArray>
#include <QString>
#include <atomic>
#include <cstdint>
#include <thread>

class TLocalHttpServer {
 public:
  // Silent: read the request and never answer, holding the connection until the client gives up.
  enum class TMode { Answer, Silent };

  explicit TLocalHttpServer(QByteArray response, TMode mode = TMode::Answer);
  ~TLocalHttpServer();
  TLocalHttpServer(const TLocalHttpServer&) = delete;
  TLocalHttpServer& operator=(const TLocalHttpServer&) = delete;

  uint16_t Port() const { return FPort; }
  QString Origin() const;
  // The request head as received; valid once Wait() has returned.
  QByteArray Request() const { return FRequest; }
  // Waits for the server thread to end: after its one answer, or when a wait of its own runs out.
  void Wait();

  // "HTTP/1.0 <status> Status\r\n<headers>\r\n\r\n<body>"
  static QByteArray Reply(int status, const QByteArray& body);

 private:
  void Serve();
  bool Wait_Readable(int fd) const;

  QByteArray FResponse;
  TMode FMode;
  int FListen = -1;
  uint16_t FPort = 0;
  QByteArray FRequest;
  std::atomic<bool> FStop{false};
  std::thread FThread;
};
