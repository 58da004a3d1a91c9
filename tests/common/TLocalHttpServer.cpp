#include "TLocalHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// Upper bound of each wait of the server. Generous, so that a slow client on a loaded machine is still served;
// the destructor ends the waits at once, so a test that is done never pays for it.
constexpr int Wait_Limit_Ms = 30000;
constexpr int Slice_Ms = 20;
constexpr qsizetype Max_Request_Bytes = 64 * 1024;
}  // namespace

TLocalHttpServer::TLocalHttpServer(QByteArray response, TMode mode) : FResponse(std::move(response)), FMode(mode) {
  FListen = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  socklen_t len = sizeof addr;
  if (FListen < 0 || bind(FListen, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || listen(FListen, 1) != 0 ||
      getsockname(FListen, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
    return;  // Port() stays 0 and the test's request fails
  FPort = ntohs(addr.sin_port);
  FThread = std::thread([this] { Serve(); });
}

TLocalHttpServer::~TLocalHttpServer() {
  FStop = true;
  Wait();
  if (FListen >= 0) close(FListen);
}

QString TLocalHttpServer::Origin() const {
  return QStringLiteral("http://127.0.0.1:%1").arg(FPort);
}

void TLocalHttpServer::Wait() {
  if (FThread.joinable()) FThread.join();
}

QByteArray TLocalHttpServer::Reply(int status, const QByteArray& body) {
  return "HTTP/1.0 " + QByteArray::number(status) +
         " Status\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" +
         body;
}

// Waits in short slices so that the end of the test is noticed.
bool TLocalHttpServer::Wait_Readable(int fd) const {
  for (int waited = 0; waited < Wait_Limit_Ms && !FStop; waited += Slice_Ms) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, Slice_Ms) > 0) return true;
  }
  return false;
}

void TLocalHttpServer::Serve() {
  if (!Wait_Readable(FListen)) return;
  const int conn = accept(FListen, nullptr, nullptr);
  if (conn < 0) return;
  char chunk[4096];
  while (!FRequest.contains("\r\n\r\n") && FRequest.size() < Max_Request_Bytes && Wait_Readable(conn)) {
    const ssize_t n = recv(conn, chunk, sizeof chunk, 0);
    if (n <= 0) break;
    FRequest.append(chunk, n);
  }
  if (FMode == TMode::Answer) {
    qsizetype sent = 0;
    while (sent < FResponse.size()) {
      const ssize_t n = send(conn, FResponse.constData() + sent, FResponse.size() - sent, MSG_NOSIGNAL);
      if (n <= 0) break;
      sent += n;
    }
  } else {
    // Hold the connection until the client closes it (recv gives 0), the wait runs out or the test ends.
    while (Wait_Readable(conn) && recv(conn, chunk, sizeof chunk, 0) > 0) {
    }
  }
  close(conn);
}
