#include "UaSecureChannel.h"

#include "UaBinary.h"
#include "UaMessages.h"

namespace {

constexpr uint32_t Chunk_Header_Size = 8;
constexpr uint32_t Channel_Lifetime_Ms = 3600000;

bool Is_Open_Message(const char* type) {
  return QByteArray(type) == "OPN";
}

}  // namespace

QByteArray TUaSecureChannel::Security_Header(const char* type) const {
  TUaWriter w;
  w.UInt32(FChannelId);
  if (Is_Open_Message(type)) {
    w.String(Ua_Policy_None_Uri);
    w.ByteString(QByteArray());  // sender certificate
    w.ByteString(QByteArray());  // receiver certificate thumbprint
  } else {
    w.UInt32(FTokenId);
  }
  return w.Data();
}

void TUaSecureChannel::Open(const TUaEndpointUrl& address, const QByteArray& endpoint_url, TUaDeadline deadline) {
  FTransport.Open(address, endpoint_url, deadline);
  FChannelId = 0;
  FTokenId = 0;
  Request_Token(uaTokenIssue, deadline);
}

void TUaSecureChannel::Request_Token(TUaTokenRequest kind, TUaDeadline deadline) {
  uint32_t request_id = ++FRequestId;
  QByteArray request = Ua_Encode_Open_Channel_Request({TUaNodeId(), request_id, 0}, kind, Channel_Lifetime_Ms);
  Send_Message("OPN", request, request_id, deadline);
  TUaChannelToken token = Ua_Decode_Open_Channel_Response(Receive_Message("OPN", request_id, deadline));
  if (kind == uaTokenRenew && token.ChannelId != FChannelId)
    throw EUaError(QStringLiteral("OPC UA server renewed another channel"));
  FChannelId = token.ChannelId;
  FTokenId = token.TokenId;
  // Renewed at three quarters of its life, as the protocol advises, so that a long browse never uses a dead token.
  FRenew_At = TUaClock::now() + std::chrono::milliseconds(uint64_t(token.Revised_Lifetime) * 3 / 4);
}

QByteArray TUaSecureChannel::Exchange(const QByteArray& request, TUaDeadline deadline) {
  if (TUaClock::now() >= FRenew_At) Request_Token(uaTokenRenew, deadline);
  uint32_t request_id = ++FRequestId;
  Send_Message("MSG", request, request_id, deadline);
  return Receive_Message("MSG", request_id, deadline);
}

void TUaSecureChannel::Close(const QByteArray& close_request, TUaDeadline deadline) {
  if (FTransport.Is_Open() && FChannelId != 0) {
    try {
      Send_Message("CLO", close_request, ++FRequestId, deadline);
    } catch (const std::exception&) {
      // The connection closes below all the same.
    }
  }
  FTransport.Close();
  FChannelId = 0;
}

void TUaSecureChannel::Send_Message(const char* type, const QByteArray& body, uint32_t request_id,
                                    TUaDeadline deadline) {
  const TUaTcpLimits& peer = FTransport.Peer();
  QByteArray security = Security_Header(type);
  const qsizetype overhead = Chunk_Header_Size + security.size() + 8;  // + sequence header
  const qsizetype chunk_size = qMin(peer.ReceiveBufferSize, Ua_Client_Limits().SendBufferSize);
  const qsizetype per_chunk = chunk_size - overhead;
  if (per_chunk <= 0) throw EUaError(QStringLiteral("OPC UA server buffer too small"));
  if (peer.MaxMessageSize != 0 && uint64_t(body.size()) > peer.MaxMessageSize)
    throw EUaError(QStringLiteral("OPC UA request larger than the server accepts"));
  const qsizetype chunks = qMax<qsizetype>(1, (body.size() + per_chunk - 1) / per_chunk);
  if (peer.MaxChunkCount != 0 && uint64_t(chunks) > peer.MaxChunkCount)
    throw EUaError(QStringLiteral("OPC UA request needs more chunks than the server accepts"));

  for (qsizetype i = 0; i < chunks; ++i) {
    TUaWriter payload;
    payload.Raw(security);
    payload.UInt32(++FSequence);
    payload.UInt32(request_id);
    payload.Raw(body.mid(i * per_chunk, per_chunk));
    FTransport.Send_Chunk(type, i + 1 == chunks ? 'F' : 'C', payload.Data(), deadline);
  }
}

QByteArray TUaSecureChannel::Receive_Message(const char* type, uint32_t request_id, TUaDeadline deadline) {
  const TUaTcpLimits ours = Ua_Client_Limits();
  QByteArray message;
  for (uint32_t count = 1;; ++count) {
    if (count > ours.MaxChunkCount) throw EUaError(QStringLiteral("OPC UA response has too many chunks"));
    TUaChunk chunk = FTransport.Receive_Chunk(deadline);
    if (chunk.Type != type) throw EUaError(QStringLiteral("OPC UA server sent an unexpected message"));
    TUaReader r(chunk.Body);
    uint32_t channel = r.UInt32();
    if (Is_Open_Message(type)) {
      QByteArray policy = r.String();
      r.ByteString();
      r.ByteString();
      if (policy != Ua_Policy_None_Uri) throw EUaError(QStringLiteral("OPC UA server answered with security"));
    } else {
      r.UInt32();  // token id
      if (channel != FChannelId) throw EUaError(QStringLiteral("OPC UA message for another channel"));
    }
    r.UInt32();  // sequence number
    if (r.UInt32() != request_id) throw EUaError(QStringLiteral("OPC UA response to another request"));
    if (chunk.Chunk_Type == 'A') {
      throw EUaError(Ua_Describe_Error(r.Bytes(r.Remaining())));
    }
    if (uint64_t(message.size()) + uint64_t(r.Remaining()) > ours.MaxMessageSize)
      throw EUaError(QStringLiteral("OPC UA response too large"));
    message.append(r.Bytes(r.Remaining()));
    if (chunk.Chunk_Type == 'F') return message;
  }
}
