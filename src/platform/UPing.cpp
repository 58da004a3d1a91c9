#include "UPing.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QStringList>
#include <QtGlobal>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>

#include "UWorker.h"

namespace {
constexpr uint8_t Icmp_Echo_Reply = 0;
constexpr uint8_t Icmp_Echo_Request = 8;
constexpr int32_t Icmp_Header_Size = 8;
// The largest data area an IPv4 datagram can carry after the IP and ICMP headers.
constexpr int32_t Max_Packet_Size = 65535 - 20 - Icmp_Header_Size;

uint16_t Read_U16(const QByteArray& b, qsizetype at) {
  return static_cast<uint16_t>((static_cast<uint8_t>(b[at]) << 8) | static_cast<uint8_t>(b[at + 1]));
}

void Write_U16(QByteArray& b, qsizetype at, uint16_t v) {
  b[at] = static_cast<char>(v >> 8);
  b[at + 1] = static_cast<char>(v & 0xFF);
}

QString Errno_Text(int err) {
  return QString::fromLocal8Bit(std::strerror(err));
}

// Closes the socket on every way out, exceptions included.
class TSocket {
 public:
  explicit TSocket(int fd) : FFd(fd) {}
  ~TSocket() {
    if (FFd >= 0) ::close(FFd);
  }
  TSocket(const TSocket&) = delete;
  TSocket& operator=(const TSocket&) = delete;
  int Fd() const { return FFd; }

 private:
  int FFd;
};

TEchoMeans Means;

int Open_Socket(int socket_type) {
  if (Means.Open_Socket) return Means.Open_Socket(socket_type);
  return ::socket(AF_INET, socket_type | SOCK_CLOEXEC, IPPROTO_ICMP);
}

TPing_Program_Run Run_Ping_Program(const QStringList& arguments, int32_t limit_ms) {
  if (Means.Run_Ping_Program) return Means.Run_Ping_Program(arguments, limit_ms);
  return Run_System_Ping_Program(arguments, limit_ms);
}

// The program needs a moment to start and end besides the reply timeout; past that it is stopped.
constexpr int32_t Ping_Program_Margin_Ms = 1000;

bool Is_Dotted_Decimal(const QString& host, uint32_t& address) {
  const QStringList parts = host.split(u'.');
  if (parts.size() != 4) return false;
  uint32_t value = 0;
  for (const QString& part : parts) {
    if (part.isEmpty() || part.size() > 3) return false;
    uint32_t octet = 0;
    for (QChar c : part) {
      if (c < u'0' || c > u'9') return false;
      octet = octet * 10 + static_cast<uint32_t>(c.unicode() - u'0');
    }
    if (octet > 255) return false;
    value = (value << 8) | octet;
  }
  address = value;
  return true;
}

// Host names never consist of digits and dots alone, so such a text needs no resolver to be refused.
bool Only_Digits_And_Dots(const QString& host) {
  for (QChar c : host)
    if (c != u'.' && (c < u'0' || c > u'9')) return false;
  return true;
}

bool Has_Blank_Or_Control(const QString& host) {
  for (QChar c : host)
    if (c.unicode() <= 0x20 || c.unicode() == 0x7F) return true;
  return false;
}

uint16_t Next_Sequence() {
  static std::atomic<uint16_t> sequence{0};
  return static_cast<uint16_t>(sequence.fetch_add(1) + 1);
}

TPingNameResolver& Name_Resolver() {
  static TPingNameResolver resolver = nullptr;
  return resolver;
}

int32_t& Name_Lookup_Limit_Ms() {
  static int32_t limit = Default_Name_Lookup_Limit_Ms;
  return limit;
}

int32_t Remaining_Ms(std::chrono::steady_clock::time_point deadline) {
  using std::chrono::milliseconds;
  const auto left = std::chrono::duration_cast<milliseconds>(deadline - std::chrono::steady_clock::now());
  return left.count() > 0 ? static_cast<int32_t>(left.count()) : 0;
}
}  // namespace

uint16_t Icmp_Checksum(const QByteArray& bytes) {
  uint32_t sum = 0;
  qsizetype i = 0;
  for (; i + 1 < bytes.size(); i += 2) sum += Read_U16(bytes, i);
  if (i < bytes.size()) sum += static_cast<uint32_t>(static_cast<uint8_t>(bytes[i])) << 8;
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<uint16_t>(~sum & 0xFFFF);
}

QByteArray Build_Echo_Request(uint16_t id, uint16_t seq, const QByteArray& data, int32_t packet_size) {
  const int32_t size = qBound(0, packet_size, Max_Packet_Size);
  QByteArray packet(Icmp_Header_Size + size, '\0');
  packet[0] = static_cast<char>(Icmp_Echo_Request);
  Write_U16(packet, 4, id);
  Write_U16(packet, 6, seq);
  const qsizetype copied = qMin<qsizetype>(data.size(), size);
  std::memcpy(packet.data() + Icmp_Header_Size, data.constData(), static_cast<size_t>(copied));
  Write_U16(packet, 2, Icmp_Checksum(packet));
  return packet;
}

int32_t Echo_Reply_Length(const QByteArray& packet, bool with_ip_header, bool check_id, uint16_t id, uint16_t seq) {
  qsizetype start = 0;
  if (with_ip_header) {
    if (packet.isEmpty()) return 0;
    start = (static_cast<uint8_t>(packet[0]) & 0x0F) * 4;
  }
  if (start < 0 || packet.size() - start < Icmp_Header_Size) return 0;
  if (static_cast<uint8_t>(packet[start]) != Icmp_Echo_Reply || packet[start + 1] != 0) return 0;
  if (check_id && Read_U16(packet, start + 4) != id) return 0;
  if (Read_U16(packet, start + 6) != seq) return 0;
  return static_cast<int32_t>(packet.size() - start);
}

uint32_t Resolve_IPv4(const QString& host) {
  uint32_t address = 0;
  if (Is_Dotted_Decimal(host, address)) return address;
  const QString refused = QStringLiteral("\"%1\" is not an IPv4 address or a known host name").arg(host);
  if (host.isEmpty() || Only_Digits_And_Dots(host) || Has_Blank_Or_Control(host)) throw Exception(refused);
  // The system's lookup sets no time limit of ours, so it runs off the UI thread within one; a lookup that is
  // given up on ends later by itself. The window goes on processing its messages meanwhile, as between attempts.
  const TPingNameResolver resolve = Name_Resolver() ? Name_Resolver() : &::getaddrinfo;
  TWorkerOptions options;
  options.Input = TUserInput::Accepted;
  options.Limit_Ms = Name_Lookup_Limit_Ms();
  std::optional<uint32_t> found;
  try {
    found = Run_Off_UI_Thread(
        [resolve, name = host.toUtf8()]() -> std::optional<uint32_t> {
          addrinfo hints{};
          hints.ai_family = AF_INET;
          hints.ai_socktype = SOCK_DGRAM;
          addrinfo* list = nullptr;
          if (resolve(name.constData(), nullptr, &hints, &list) != 0 || list == nullptr) return std::nullopt;
          const uint32_t first = ntohl(reinterpret_cast<const sockaddr_in*>(list->ai_addr)->sin_addr.s_addr);
          ::freeaddrinfo(list);
          return first;
        },
        options);
  } catch (const EWorkerTimeout&) {
    throw Exception(QStringLiteral("\"%1\" was not resolved within %2 ms").arg(host).arg(options.Limit_Ms));
  }
  if (!found) throw Exception(refused);
  return *found;
}

void Set_Ping_Name_Resolver(TPingNameResolver resolver) {
  Name_Resolver() = resolver;
}

void Set_Ping_Name_Lookup_Limit_Ms(int32_t limit_ms) {
  Name_Lookup_Limit_Ms() = limit_ms;
}

namespace {
int32_t Socket_Echo(int fd, bool raw, const sockaddr_in& target, const TEchoRequest& request) {
  const TSocket socket(fd);
  // A datagram socket gets its identifier from the kernel, which also hands it only the replies to that identifier.
  const uint16_t id = static_cast<uint16_t>(::getpid() & 0xFFFF);
  const uint16_t seq = Next_Sequence();
  const QByteArray packet = Build_Echo_Request(id, seq, request.Data, request.Packet_Size);

  const auto timeout = std::chrono::milliseconds(qMax(0, request.Receive_Timeout_Ms));
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  if (::sendto(socket.Fd(), packet.constData(), static_cast<size_t>(packet.size()), 0,
               reinterpret_cast<const sockaddr*>(&target), sizeof target) < 0)
    throw Exception(QStringLiteral("The echo to %1 could not be sent: %2").arg(request.Host, Errno_Text(errno)));

  QByteArray reply(65536, '\0');
  for (;;) {
    pollfd waiting{socket.Fd(), POLLIN, 0};
    const int ready = ::poll(&waiting, 1, Remaining_Ms(deadline));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return 0;
    sockaddr_in from{};
    socklen_t from_size = sizeof from;
    const ssize_t got = ::recvfrom(socket.Fd(), reply.data(), static_cast<size_t>(reply.size()), 0,
                                   reinterpret_cast<sockaddr*>(&from), &from_size);
    // An error queued on the socket (an unreachable report) is no answer; keep listening until the timeout.
    if (got >= 0 && from.sin_addr.s_addr == target.sin_addr.s_addr) {
      const int32_t length = Echo_Reply_Length(reply.left(got), raw, raw, id, seq);
      if (length > 0) return length;
    }
    if (Remaining_Ms(deadline) == 0) return 0;
  }
}

// `socket_causes` says why neither socket could be opened; it goes into the message when the program fails too.
int32_t Ping_Program_Echo(uint32_t address, const TEchoRequest& request, const QString& socket_causes) {
  const QString dotted = QStringLiteral("%1.%2.%3.%4")
                             .arg(address >> 24)
                             .arg((address >> 16) & 0xFF)
                             .arg((address >> 8) & 0xFF)
                             .arg(address & 0xFF);
  const TPing_Program_Run run = Run_Ping_Program(Ping_Program_Arguments(dotted, request),
                                                 qMax(0, request.Receive_Timeout_Ms) + Ping_Program_Margin_Ms);
  const auto unavailable = [&socket_causes](const QString& program_cause) {
    return EPingUnavailable(QStringLiteral("This user may not send ICMP echoes (%1; ping program: %2)")
                                .arg(socket_causes, program_cause));
  };
  if (!run.Started) throw unavailable(QStringLiteral("not installed or not startable"));
  const int32_t size = Ping_Program_Reply_Size(run.Output);
  if (size > 0) return size;
  // Exit code 1: sent, but no reply came; stopped at the limit: no reply either.
  if (run.Exit_Code == 1 || run.Exit_Code == -1) return 0;
  const QString said = QString::fromLocal8Bit(run.Output).simplified();
  if (Ping_Program_Refused(run.Output)) throw unavailable(said);
  throw Exception(QStringLiteral("The echo to %1 could not be sent: %2").arg(request.Host, said));
}
}  // namespace

void Set_Echo_Means(TEchoMeans means) {
  Means = std::move(means);
}

int32_t Icmp_Echo(const TEchoRequest& request) {
  sockaddr_in target{};
  target.sin_family = AF_INET;
  const uint32_t address = Resolve_IPv4(request.Host);
  target.sin_addr.s_addr = htonl(address);

  const int dgram = Open_Socket(SOCK_DGRAM);
  if (dgram >= 0) return Socket_Echo(dgram, false, target, request);
  const int dgram_err = errno;
  const int raw = Open_Socket(SOCK_RAW);
  if (raw >= 0) return Socket_Echo(raw, true, target, request);
  const int raw_err = errno;
  return Ping_Program_Echo(
      address, request,
      QStringLiteral("datagram socket: %1; raw socket: %2").arg(Errno_Text(dgram_err), Errno_Text(raw_err)));
}

void TIcmpClient::Ping(const QString& data) {
  TEchoRequest request;
  request.Host = FHost;
  request.Data = data.toLatin1();
  request.Packet_Size = FPacketSize;
  request.Receive_Timeout_Ms = FReceiveTimeout;
  const int32_t received = FEchoer ? FEchoer(request) : Icmp_Echo(request);
  if (OnReply) OnReply(received);
}
