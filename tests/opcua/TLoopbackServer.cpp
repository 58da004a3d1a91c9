#include "TLoopbackServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QFile>

#include <chrono>
#include <stdexcept>

namespace {

constexpr int Slice_Ms = 20;
constexpr int Accept_Limit_Ms = 10000;
constexpr int Receive_Limit_Ms = 5000;

// Waits in short slices so that the server thread notices the end of the test.
bool Wait_Readable(int fd, int limit_ms, const std::atomic<bool>& stop) {
  for (int waited = 0; waited < limit_ms && !stop; waited += Slice_Ms) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, Slice_Ms) > 0) return true;
  }
  return false;
}

}  // namespace

int Bound_Loopback_Socket(uint16_t& port) {
  int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof addr;
  if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &size) != 0)
    throw std::runtime_error("cannot bind a loopback port");
  port = ntohs(addr.sin_port);
  return fd;
}

TLoopbackServer::TLoopbackServer(std::vector<TPeerStep> script) : FScript(std::move(script)) {
  FListener = Bound_Loopback_Socket(FPort);
  ::listen(FListener, 1);
  FThread = std::thread([this] { Run(); });
}

TLoopbackServer::~TLoopbackServer() {
  FStop = true;
  if (FThread.joinable()) FThread.join();
  ::close(FListener);
}

const std::vector<QByteArray>& TLoopbackServer::Received() {
  if (FThread.joinable()) FThread.join();
  return FReceived;
}

void TLoopbackServer::Run() {
  if (!Wait_Readable(FListener, Accept_Limit_Ms, FStop)) return;
  int fd = ::accept(FListener, nullptr, nullptr);
  if (fd < 0) return;
  char buffer[65536];
  for (const TPeerStep& step : FScript) {
    if (FStop) break;
    if (step.Kind == TPeerStep::Receive) {
      ssize_t n = Wait_Readable(fd, Receive_Limit_Ms, FStop) ? ::recv(fd, buffer, sizeof buffer, 0) : 0;
      if (n <= 0) break;
      FReceived.emplace_back(buffer, qsizetype(n));
    } else if (step.Kind == TPeerStep::Send) {
      if (::send(fd, step.Bytes.constData(), size_t(step.Bytes.size()), MSG_NOSIGNAL) != step.Bytes.size()) break;
    } else {
      auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(step.Ms);
      while (!FStop && std::chrono::steady_clock::now() < end) {
        if (!Wait_Readable(fd, Slice_Ms, FStop)) continue;
        ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) break;  // the client gave up and closed
        FReceived.emplace_back(buffer, qsizetype(n));
      }
    }
  }
  ::close(fd);
}

uint16_t Closed_Loopback_Port() {
  uint16_t port = 0;
  ::close(Bound_Loopback_Socket(port));
  return port;
}

QByteArray Live_Server_Url(const char* state) {
  QFile file(QString::fromLocal8Bit(state) + QStringLiteral("/port"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return "opc.tcp://127.0.0.1:" + file.readAll().trimmed();
}
