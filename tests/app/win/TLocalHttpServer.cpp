#include "TLocalHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

TLocalHttpServer::TLocalHttpServer(const QByteArray& body) : FBody(body) {
  FSocket = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof addr;
  ::bind(FSocket, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  ::listen(FSocket, 4);
  ::getsockname(FSocket, reinterpret_cast<sockaddr*>(&addr), &len);
  FPort = ntohs(addr.sin_port);
  FThread = std::thread([this] { Serve(); });
}

TLocalHttpServer::~TLocalHttpServer() {
  FStop = true;
  FThread.join();
  ::close(FSocket);
}

void TLocalHttpServer::Serve() {
  while (!FStop) {
    pollfd p{FSocket, POLLIN, 0};
    if (::poll(&p, 1, 20) <= 0) continue;
    const int client = ::accept(FSocket, nullptr, nullptr);
    if (client < 0) continue;
    char buffer[4096];
    // The request ends with an empty line; the answer does not depend on it.
    QByteArray request;
    while (!request.contains("\r\n\r\n")) {
      const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
      if (n <= 0) break;
      request.append(buffer, n);
    }
    const QByteArray reply =
        "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(FBody.size()) +
        "\r\n\r\n" + FBody;
    ::send(client, reply.constData(), static_cast<size_t>(reply.size()), MSG_NOSIGNAL);
    ::close(client);
  }
}
