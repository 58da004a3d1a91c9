#pragma once
// A one-shot HTTP server on the loopback address: answers every request with a fixed body, on its own thread.
#include <QByteArray>
#include <QString>
#include <atomic>
#include <cstdint>
#include <thread>

class TLocalHttpServer {
 public:
  explicit TLocalHttpServer(const QByteArray& body);
  ~TLocalHttpServer();
  TLocalHttpServer(const TLocalHttpServer&) = delete;
  TLocalHttpServer& operator=(const TLocalHttpServer&) = delete;

  QString Origin() const { return QStringLiteral("http://127.0.0.1:%1").arg(FPort); }

 private:
  void Serve();
  QByteArray FBody;
  int FSocket = -1;
  uint16_t FPort = 0;
  std::atomic<bool> FStop{false};
  std::thread FThread;
};
