#include "UaSecureChannel.h"

#include "UaBinary.h"
#include "UaMessages.h"

namespace {

constexpr uint32_t Chunk_Header_Size = 8;
constexpr uint32_t Sequence_Header_Size = 8;
// A sequence number may wrap to a small number once it comes near the end of its range.
constexpr uint32_t Wrap_Margin = 1024;

bool Is_Open_Message(const char* type) {
  return QByteArray(type) == "OPN";
}

}  // namespace

QByteArray TUaSecureChannel::Security_Header(const char* type) const {
  TUaWriter w;
  w.UInt32(FChannelId);
  if (Is_Open_Message(type)) {
    if (FSecurity.Secured()) {
      w.String(FSecurity.Policy->Uri);
      w.ByteString(FSecurity.Client_Certificate);
      w.ByteString(Ua_Certificate_Thumbprint(FSecurity.Server_Certificate));
    } else {
      w.String(Ua_Policy_None_Uri);
      w.ByteString(QByteArray());  // sender certificate
      w.ByteString(QByteArray());  // receiver certificate thumbprint
    }
  } else {
    w.UInt32(FTokenId);
  }
  return w.Data();
}

void TUaSecureChannel::Open(const TUaEndpointUrl& address, const QByteArray& endpoint_url, TUaDeadline deadline,
                            const TUaChannelSecurity& security) {
  FSecurity = security;
  FTransport.Open(address, endpoint_url, deadline);
  FChannelId = 0;
  FTokenId = 0;
  FPrevious_TokenId = 0;
  FHave_Received = false;
  FRenewals = 0;
  Request_Token(uaTokenIssue, deadline);
}

void TUaSecureChannel::Request_Token(TUaTokenRequest kind, TUaDeadline deadline) {
  uint32_t request_id = ++FRequestId;
  const QByteArray client_nonce =
      FSecurity.Secured() ? Ua_Random_Bytes(FSecurity.Policy->Nonce_Size) : QByteArray("");
  QByteArray request =
      Ua_Encode_Open_Channel_Request({TUaNodeId(), request_id, 0}, kind, FLifetime_Ms,
                                     FSecurity.Secured() ? FSecurity.Mode : uaModeNone, client_nonce);
  Send_Message("OPN", request, request_id, deadline);
  TUaChannelToken token = Ua_Decode_Open_Channel_Response(Receive_Message("OPN", request_id, deadline));
  if (kind == uaTokenRenew && token.ChannelId != FChannelId)
    throw EUaError(QStringLiteral("OPC UA server renewed another channel"));
  if (FSecurity.Secured()) {
    if (token.ServerNonce.size() != FSecurity.Policy->Nonce_Size)
      throw EUaError(QStringLiteral("OPC UA server nonce has the wrong size"));
    FPrevious_Keys = FKeys;
    FPrevious_TokenId = FTokenId;
    FKeys.Client = Ua_Derive_Keys(*FSecurity.Policy, token.ServerNonce, client_nonce);
    FKeys.Server = Ua_Derive_Keys(*FSecurity.Policy, client_nonce, token.ServerNonce);
  }
  FChannelId = token.ChannelId;
  FTokenId = token.TokenId;
  if (kind == uaTokenRenew) ++FRenewals;
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
  const QByteArray security = Security_Header(type);
  const bool asymmetric = FSecurity.Secured() && Is_Open_Message(type);
  const bool symmetric = FSecurity.Secured() && !asymmetric;
  const qsizetype chunk_size = qMin(peer.ReceiveBufferSize, Ua_Client_Limits().SendBufferSize);
  // An OpenSecureChannel request is small and always travels as one chunk.
  const qsizetype per_chunk = asymmetric ? body.size()
                                         : (symmetric ? Ua_Symmetric_Room(FSecurity, chunk_size, security.size())
                                                      : chunk_size - Chunk_Header_Size - security.size()) -
                                               Sequence_Header_Size;
  if (per_chunk <= 0) throw EUaError(QStringLiteral("OPC UA server buffer too small"));
  if (peer.MaxMessageSize != 0 && uint64_t(body.size()) > peer.MaxMessageSize)
    throw EUaError(QStringLiteral("OPC UA request larger than the server accepts"));
  const qsizetype chunks = qMax<qsizetype>(1, (body.size() + per_chunk - 1) / per_chunk);
  if (peer.MaxChunkCount != 0 && uint64_t(chunks) > peer.MaxChunkCount)
    throw EUaError(QStringLiteral("OPC UA request needs more chunks than the server accepts"));

  for (qsizetype i = 0; i < chunks; ++i) {
    const char chunk_type = i + 1 == chunks ? 'F' : 'C';
    TUaWriter plain;
    plain.UInt32(++FSequence);
    plain.UInt32(request_id);
    plain.Raw(body.mid(i * per_chunk, per_chunk));
    if (asymmetric) {
      FTransport.Send_Sealed(Ua_Seal_Asymmetric(FSecurity, type, chunk_type, security, plain.Data()), deadline);
    } else if (symmetric) {
      FTransport.Send_Sealed(Ua_Seal_Symmetric(FSecurity, FKeys.Client, type, chunk_type, security, plain.Data()),
                             deadline);
    } else {
      FTransport.Send_Chunk(type, chunk_type, security + plain.Data(), deadline);
    }
  }
}

QByteArray TUaSecureChannel::Open_Chunk(const TUaChunk& chunk, TUaDeadline deadline) {
  TUaReader r(chunk.Body);
  const uint32_t channel = r.UInt32();
  const QByteArray header =
      Ua_Chunk_Header(chunk.Type.constData(), chunk.Chunk_Type, uint32_t(Chunk_Header_Size + chunk.Body.size()));
  if (chunk.Type == "OPN") {
    const QByteArray policy = r.String();
    const QByteArray sender = r.ByteString();
    const QByteArray thumbprint = r.ByteString();
    const QByteArray head = chunk.Body.left(r.Position());
    const QByteArray rest = r.Bytes(r.Remaining());
    if (!FSecurity.Secured()) {
      if (policy != Ua_Policy_None_Uri) throw EUaError(QStringLiteral("OPC UA server answered with security"));
      return rest;
    }
    // The server must answer with the certificate that was checked, with or without its issuers, to ours.
    if (policy != FSecurity.Policy->Uri || !Ua_Same_Certificate(sender, FSecurity.Server_Certificate) ||
        thumbprint != Ua_Certificate_Thumbprint(FSecurity.Client_Certificate))
      throw EUaError(QStringLiteral("OPC UA server answered with other security than asked"));
    return Ua_Open_Asymmetric(FSecurity, header, head, rest, deadline);
  }
  const uint32_t token = r.UInt32();
  if (channel != FChannelId) throw EUaError(QStringLiteral("OPC UA message for another channel"));
  const QByteArray head = chunk.Body.left(r.Position());
  const QByteArray rest = r.Bytes(r.Remaining());
  if (!FSecurity.Secured()) return rest;
  if (token == FTokenId) return Ua_Open_Symmetric(FSecurity, FKeys.Server, header, head, rest);
  if (FPrevious_TokenId != 0 && token == FPrevious_TokenId)
    return Ua_Open_Symmetric(FSecurity, FPrevious_Keys.Server, header, head, rest);
  throw EUaError(QStringLiteral("OPC UA message under an unknown security token"));
}

void TUaSecureChannel::Check_Sequence(uint32_t number) {
  if (FHave_Received) {
    const bool next = number == FReceived_Sequence + 1 && number != 0;
    const bool wrapped = FReceived_Sequence >= UINT32_MAX - Wrap_Margin && number < Wrap_Margin;
    if (!next && !wrapped) throw EUaError(QStringLiteral("OPC UA message out of sequence"));
  }
  FHave_Received = true;
  FReceived_Sequence = number;
}

QByteArray TUaSecureChannel::Receive_Message(const char* type, uint32_t request_id, TUaDeadline deadline) {
  const TUaTcpLimits ours = Ua_Client_Limits();
  QByteArray message;
  for (uint32_t count = 1;; ++count) {
    if (count > ours.MaxChunkCount) throw EUaError(QStringLiteral("OPC UA response has too many chunks"));
    // A server that keeps chunks coming never lets the socket wait, where the deadline is otherwise seen.
    if (TUaClock::now() >= deadline)
      throw EUaError(QStringLiteral("OPC UA server did not answer in time"), TUaFailure::No_Answer);
    TUaChunk chunk = FTransport.Receive_Chunk(deadline);
    if (chunk.Type != type) throw EUaError(QStringLiteral("OPC UA server sent an unexpected message"));
    QByteArray plain;
    try {
      plain = Open_Chunk(chunk, deadline);
      Check_Sequence(TUaReader(plain).UInt32());
    } catch (const EUaError&) {
      // A chunk that fails its security or comes out of sequence may be forged: nothing more is said on this
      // connection, not even goodbye.
      FTransport.Close();
      throw;
    }
    TUaReader r(plain);
    r.UInt32();  // the sequence number, checked above
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
