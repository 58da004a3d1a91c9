#pragma once
// ICMP echo: one blocking request per call to an IPv4 host given as text. The unprivileged ICMP datagram socket is
// used where the system allows it, a raw socket otherwise, and the system's ping program where this user may open
// neither.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "Exception.h"
#include "UPing_Program.h"

// No way to send an echo is open to this user (neither kind of ICMP socket, nor the ping program): a matter of the
// machine's settings, not of the host asked for. The message names the cause of each way.
class EPingUnavailable : public Exception {
 public:
  using Exception::Exception;
};

struct TEchoRequest {
  QString Host;
  // Copied to the start of the echo's data area, cut at Packet_Size; the rest of the area is zero.
  QByteArray Data;
  int32_t Packet_Size = 1024;
  int32_t Receive_Timeout_Ms = 400;
};

// Sends one echo and waits for its reply. Returns the length of the ICMP reply (header and data), 0 when no reply
// to this echo came within the timeout. Raises Exception when the host cannot be resolved or the echo cannot be
// sent, EPingUnavailable when no way of sending it is open to this user.
int32_t Icmp_Echo(const TEchoRequest& request);

// The means by which an echo goes out, in the order they are tried. Tests replace them to close ways and to see
// which one was taken; an empty member is the real one.
struct TEchoMeans {
  // Opens an ICMP socket of the type SOCK_DGRAM or SOCK_RAW: its descriptor, or -1 with errno set.
  std::function<int(int socket_type)> Open_Socket;
  // Runs the system's ping program with these arguments, stopping it after limit_ms.
  std::function<TPing_Program_Run(const QStringList& arguments, int32_t limit_ms)> Run_Ping_Program;
};
// Installs means for the echoes that follow (not thread-safe: set before echoes run); {} restores the real ones.
void Set_Echo_Means(TEchoMeans means);

// The host's IPv4 address in host byte order. Dotted decimal is read without the resolver (leading zeros are
// decimal, never octal); digits and dots that form no address, blanks and control characters are refused without
// asking the resolver; any other text is looked up as a host name, off the UI thread and within the lookup limit.
// Raises Exception when nothing is found in time.
uint32_t Resolve_IPv4(const QString& host);

constexpr int32_t Default_Name_Lookup_Limit_Ms = 3000;
struct addrinfo;
using TPingNameResolver = int (*)(const char* name, const char* service, const addrinfo* hints, addrinfo** found);
// Tests put a slow or scripted resolver here (nullptr: the system's) and shorten the limit.
void Set_Ping_Name_Resolver(TPingNameResolver resolver);
void Set_Ping_Name_Lookup_Limit_Ms(int32_t limit_ms);

// The packet pieces, public so that the checks of a reply can be tested without a network.
uint16_t Icmp_Checksum(const QByteArray& bytes);
QByteArray Build_Echo_Request(uint16_t id, uint16_t seq, const QByteArray& data, int32_t packet_size);
// Length of the ICMP message when `packet` is the echo reply with this identifier and sequence number, else 0:
// error reports (unreachable, time exceeded), echo requests and other echoes' replies never count. A raw socket
// hands the IP header too (with_ip_header); a datagram socket's identifier is the kernel's, so check_id is off.
int32_t Echo_Reply_Length(const QByteArray& packet, bool with_ip_header, bool check_id, uint16_t id, uint16_t seq);

// The echo client of a window: its settings, one blocking echo per Ping and the reply event.
class TIcmpClient {
 public:
  using TEchoer = std::function<int32_t(const TEchoRequest&)>;

  QString Host() const { return FHost; }
  void SetHost(const QString& host) { FHost = host; }
  int32_t ReceiveTimeout() const { return FReceiveTimeout; }
  void SetReceiveTimeout(int32_t ms) { FReceiveTimeout = ms; }
  int32_t PacketSize() const { return FPacketSize; }
  void SetPacketSize(int32_t size) { FPacketSize = size; }
  // Tests put a pinger of their own here; an empty one means the real socket.
  void SetEchoer(TEchoer echoer) { FEchoer = std::move(echoer); }

  // One echo to Host with `data`, then OnReply with the bytes received (0 when nothing came). An error of the
  // echo propagates and no reply is reported.
  void Ping(const QString& data);

  std::function<void(int32_t bytes_received)> OnReply;

 private:
  QString FHost;
  int32_t FReceiveTimeout = 400;
  int32_t FPacketSize = 1024;
  TEchoer FEchoer;
};
