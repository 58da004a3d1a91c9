#pragma once
// ICMP echo: one blocking request per call to an IPv4 host given as text. The unprivileged ICMP datagram socket is
// used where the system allows it, a raw socket otherwise.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

#include "Exception.h"

// Neither kind of ICMP socket may be opened here: a matter of the machine's settings, not of the host asked for.
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
// sent, EPingUnavailable when no ICMP socket can be opened.
int32_t Icmp_Echo(const TEchoRequest& request);

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
