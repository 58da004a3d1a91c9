#include "UaTransport.h"

#include "UaBinary.h"

namespace {

constexpr uint32_t Header_Size = 8;
constexpr uint32_t Min_Buffer_Size = 8192;
constexpr int Max_Endpoint_Url = 4096;

bool Is_Known_Type(const QByteArray& type) {
  for (const char* known : {"HEL", "ACK", "ERR", "RHE", "MSG", "OPN", "CLO"})
    if (type == known) return true;
  return false;
}

}  // namespace

TUaTcpLimits Ua_Client_Limits() {
  TUaTcpLimits limits;
  limits.ReceiveBufferSize = 65536;
  limits.SendBufferSize = 65536;
  limits.MaxMessageSize = 16 * 1024 * 1024;
  limits.MaxChunkCount = 4096;
  return limits;
}

QByteArray Ua_Chunk_Header(const char* type, char chunk_type, uint32_t total_size) {
  TUaWriter w;
  w.Raw(QByteArray(type, 3));
  w.Byte(uint8_t(chunk_type));
  w.UInt32(total_size);
  return w.Data();
}

QByteArray Ua_Encode_Hello(const TUaTcpLimits& limits, const QByteArray& endpoint_url) {
  TUaWriter body;
  body.UInt32(0);  // protocol version
  body.UInt32(limits.ReceiveBufferSize);
  body.UInt32(limits.SendBufferSize);
  body.UInt32(limits.MaxMessageSize);
  body.UInt32(limits.MaxChunkCount);
  body.String(endpoint_url.left(Max_Endpoint_Url));
  return Ua_Chunk_Header("HEL", 'F', uint32_t(Header_Size + body.Size())) + body.Data();
}

TUaTcpLimits Ua_Decode_Acknowledge(const QByteArray& body) {
  TUaReader r(body);
  r.UInt32();  // protocol version
  TUaTcpLimits peer;
  peer.ReceiveBufferSize = r.UInt32();
  peer.SendBufferSize = r.UInt32();
  peer.MaxMessageSize = r.UInt32();
  peer.MaxChunkCount = r.UInt32();
  if (peer.ReceiveBufferSize < Min_Buffer_Size || peer.SendBufferSize < Min_Buffer_Size)
    throw EUaError(QStringLiteral("OPC UA server announced buffers below the minimum"));
  return peer;
}

QString Ua_Describe_Error(const QByteArray& body) {
  try {
    TUaReader r(body);
    uint32_t status = r.UInt32();
    QByteArray reason = r.String();
    return QStringLiteral("OPC UA server error 0x%1 %2")
        .arg(status, 8, 16, QLatin1Char('0'))
        .arg(QString::fromUtf8(reason))
        .trimmed();
  } catch (const EUaError&) {
    return QStringLiteral("OPC UA server error");
  }
}

void TUaTransport::Open(const TUaEndpointUrl& address, const QByteArray& endpoint_url, TUaDeadline deadline) {
  FSocket.Connect(address.Host, address.Port, deadline);
  FSocket.Send_All(Ua_Encode_Hello(Ua_Client_Limits(), endpoint_url), deadline);
  TUaChunk reply = Receive_Chunk(deadline);
  if (reply.Type != "ACK") throw EUaError(QStringLiteral("OPC UA server did not acknowledge the connection"));
  FPeer = Ua_Decode_Acknowledge(reply.Body);
}

void TUaTransport::Send_Chunk(const char* type, char chunk_type, const QByteArray& payload, TUaDeadline deadline) {
  FSocket.Send_All(Ua_Chunk_Header(type, chunk_type, uint32_t(Header_Size + payload.size())) + payload, deadline);
}

void TUaTransport::Send_Sealed(const QByteArray& chunk, TUaDeadline deadline) {
  FSocket.Send_All(chunk, deadline);
}

TUaChunk TUaTransport::Receive_Chunk(TUaDeadline deadline) {
  TUaReader header(FSocket.Receive_Exactly(Header_Size, deadline));
  TUaChunk chunk;
  chunk.Type = header.Bytes(3);
  chunk.Chunk_Type = char(header.Byte());
  uint32_t size = header.UInt32();
  if (!Is_Known_Type(chunk.Type) || (chunk.Chunk_Type != 'F' && chunk.Chunk_Type != 'C' && chunk.Chunk_Type != 'A'))
    throw EUaError(QStringLiteral("OPC UA server sent an unknown message"));
  // Checked before reading, so a lying size never makes us allocate or wait for more than one buffer.
  if (size < Header_Size || size > Ua_Client_Limits().ReceiveBufferSize)
    throw EUaError(QStringLiteral("OPC UA server sent a message of bad size"));
  chunk.Body = FSocket.Receive_Exactly(size - Header_Size, deadline);
  if (chunk.Type == "ERR") throw EUaError(Ua_Describe_Error(chunk.Body));
  return chunk;
}
