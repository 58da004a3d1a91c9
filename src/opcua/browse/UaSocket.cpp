#include "UaSocket.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

#include "UaBinary.h"

namespace {

int Milliseconds_Left(TUaDeadline deadline) {
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - TUaClock::now()).count();
  return left <= 0 ? 0 : int(std::min<long long>(left, 60 * 60 * 1000));
}

struct TAddrInfoFree {
  void operator()(addrinfo* list) const { freeaddrinfo(list); }
};
using TAddrList = std::unique_ptr<addrinfo, TAddrInfoFree>;

TUaNameResolver Name_Resolver = nullptr;

// One lookup, shared by the caller that waits for it and the thread that runs it; the last one to let go frees it.
struct TLookup {
  std::mutex Lock;
  std::condition_variable Finished;
  bool Done = false;
  int Result = EAI_FAIL;
  TAddrList List;
};

// The system's lookup has no time limit of our choosing, so it runs on a thread of its own; when the step's time
// runs out the caller gives up and that thread ends by itself later.
TAddrList Resolve(const QByteArray& host, uint16_t port, TUaDeadline deadline) {
  auto lookup = std::make_shared<TLookup>();
  const TUaNameResolver resolve = Name_Resolver ? Name_Resolver : &::getaddrinfo;
  std::thread([lookup, resolve, name = host.toStdString(), service = std::to_string(port)] {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int result = resolve(name.c_str(), service.c_str(), &hints, &found);
    std::lock_guard<std::mutex> guard(lookup->Lock);
    lookup->Result = result;
    lookup->List.reset(found);
    lookup->Done = true;
    lookup->Finished.notify_all();
  }).detach();

  std::unique_lock<std::mutex> guard(lookup->Lock);
  if (!lookup->Finished.wait_until(guard, deadline, [&] { return lookup->Done; }))
    throw EUaError(QStringLiteral("OPC UA server address was not resolved in time"), TUaFailure::No_Answer);
  if (lookup->Result != 0 || !lookup->List)
    throw EUaError(QStringLiteral("OPC UA server address cannot be resolved"), TUaFailure::Unknown_Host);
  return std::move(lookup->List);
}

}  // namespace

void Set_Ua_Name_Resolver(TUaNameResolver resolver) {
  Name_Resolver = resolver;
}

TUaSocket::~TUaSocket() {
  Close();
}

void TUaSocket::Close() {
  if (FFd >= 0) ::close(FFd);
  FFd = -1;
}

void TUaSocket::Wait_For(short events, TUaDeadline deadline) {
  for (;;) {
    pollfd p{FFd, events, 0};
    int left = Milliseconds_Left(deadline);
    if (left == 0) throw EUaError(QStringLiteral("OPC UA server did not answer in time"), TUaFailure::No_Answer);
    int n = ::poll(&p, 1, left);
    if (n > 0) return;
    if (n < 0 && errno != EINTR) throw EUaError(QStringLiteral("OPC UA connection failed"));
  }
}

void TUaSocket::Connect(const QByteArray& host, uint16_t port, TUaDeadline deadline) {
  Close();
  TAddrList list = Resolve(host, port, deadline);
  int left = 0;
  for (addrinfo* a = list.get(); a; a = a->ai_next) ++left;
  for (addrinfo* a = list.get(); a; a = a->ai_next, --left) {
    FFd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
    if (FFd < 0) continue;
    if (::connect(FFd, a->ai_addr, a->ai_addrlen) == 0) return;
    if (errno == EINPROGRESS) {
      // An address that does not answer gets its share of the time left, so the next ones are still tried.
      const TUaClock::time_point now = TUaClock::now();
      const TUaDeadline share = now >= deadline ? deadline : now + (deadline - now) / left;
      try {
        Wait_For(POLLOUT, share);
      } catch (const EUaError&) {
        Close();
        if (left > 1 && TUaClock::now() < deadline) continue;
        throw;
      }
      int error = 0;
      socklen_t size = sizeof error;
      if (::getsockopt(FFd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0) return;
    }
    Close();
  }
  throw EUaError(QStringLiteral("OPC UA server refused the connection"), TUaFailure::No_Server);
}

void TUaSocket::Send_All(const QByteArray& bytes, TUaDeadline deadline) {
  qsizetype done = 0;
  while (done < bytes.size()) {
    if (FFd < 0) throw EUaError(QStringLiteral("OPC UA connection is closed"));
    ssize_t n = ::send(FFd, bytes.constData() + done, size_t(bytes.size() - done), MSG_NOSIGNAL);
    if (n > 0) {
      done += n;
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
      Wait_For(POLLOUT, deadline);
    } else {
      throw EUaError(QStringLiteral("OPC UA connection was lost while sending"));
    }
  }
}

QByteArray TUaSocket::Receive_Exactly(qsizetype count, TUaDeadline deadline) {
  QByteArray out(count, Qt::Uninitialized);
  qsizetype done = 0;
  while (done < count) {
    if (FFd < 0) throw EUaError(QStringLiteral("OPC UA connection is closed"));
    ssize_t n = ::recv(FFd, out.data() + done, size_t(count - done), 0);
    if (n > 0) {
      done += n;
    } else if (n == 0) {
      throw EUaError(QStringLiteral("OPC UA server closed the connection"));
    } else if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
      Wait_For(POLLIN, deadline);
    } else {
      throw EUaError(QStringLiteral("OPC UA connection was lost while receiving"));
    }
  }
  return out;
}
