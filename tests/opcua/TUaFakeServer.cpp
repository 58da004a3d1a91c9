#include "TUaFakeServer.h"

#include "TLoopbackServer.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

#include "UaBrowseMessages.h"
#include "UaCrypto.h"
#include "UaMessages.h"
#include "UaTransport.h"

namespace {

constexpr int Slice_Ms = 20;
constexpr int Silence_Limit_Ms = 10000;
constexpr qsizetype Chunk_Payload = 65536 - 8 - 8 - 8;  // the client's buffer less the headers
constexpr uint32_t Channel_Id = 7;
constexpr uint32_t Bad_Node_Id_Unknown = 0x80340000;

enum class TRead { Done, Closed, Given_Up };

// Reads exactly n bytes, giving up on a closed connection, a long silence or the end of the test.
TRead Read_Exactly(int fd, char* into, qsizetype n, const std::atomic<bool>& stop) {
  int silent = 0;
  while (n > 0) {
    if (stop || silent >= Silence_Limit_Ms) return TRead::Given_Up;
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, Slice_Ms) <= 0) {
      silent += Slice_Ms;
      continue;
    }
    const ssize_t got = ::recv(fd, into, size_t(n), 0);
    if (got <= 0) return TRead::Closed;
    into += got;
    n -= got;
    silent = 0;
  }
  return TRead::Done;
}

bool Send_All(int fd, const QByteArray& bytes) {
  qsizetype at = 0;
  while (at < bytes.size()) {
    const ssize_t sent = ::send(fd, bytes.constData() + at, size_t(bytes.size() - at), MSG_NOSIGNAL);
    if (sent <= 0) return false;
    at += sent;
  }
  return true;
}

QByteArray Chunk(const char* type, char kind, const QByteArray& body) {
  return Ua_Chunk_Header(type, kind, uint32_t(8 + body.size())) + body;
}

QByteArray Acknowledge() {
  TUaWriter w;
  for (uint32_t v : {0u, 65536u, 65536u, 0u, 0u}) w.UInt32(v);
  return Chunk("ACK", 'F', w.Data());
}

// What the fake holds of a channel: without a policy it runs unsecured.
struct TFakeChannel {
  TUaChannelSecurity Security;  // the fake's own certificate and key, the client's certificate
  TUaSymmetricKeys Send_Keys;
  TUaSymmetricKeys Receive_Keys;
};

// One byte near the end of a sealed chunk, inside its signature (or the last encrypted block, which holds it).
void Spoil(QByteArray& chunk) {
  chunk[chunk.size() - 5] = char(chunk.at(chunk.size() - 5) ^ 0x01);
}

QByteArray Open_Answer(const TFakeChannel& channel, uint32_t sequence, uint32_t request_id,
                       const QByteArray& server_nonce) {
  const TUaChannelSecurity& security = channel.Security;
  TUaWriter head;
  head.UInt32(Channel_Id);
  head.String(security.Secured() ? QByteArray(security.Policy->Uri) : Ua_Policy_None_Uri);
  head.ByteString(security.Secured() ? security.Client_Certificate : QByteArray());
  head.ByteString(security.Secured() ? Ua_Sha1(security.Server_Certificate) : QByteArray());
  TUaWriter w;
  w.UInt32(sequence);
  w.UInt32(request_id);
  UaFake::Response_Start(w, UaId::OpenSecureChannelResponse);
  w.UInt32(0);  // protocol version
  w.UInt32(Channel_Id);
  w.UInt32(1);  // token
  w.DateTime(0);
  w.UInt32(3600000);
  w.ByteString(server_nonce);
  if (!security.Secured()) return Chunk("OPN", 'F', head.Data() + w.Data());
  return Ua_Seal_Asymmetric(security, "OPN", 'F', head.Data(), w.Data());
}

// The answer as MSG chunks, each within the client's buffer.
QByteArray Message_Chunks(const QByteArray& body, uint32_t& sequence, uint32_t request_id,
                          const TFakeChannel& channel, bool spoil) {
  TUaWriter head;
  head.UInt32(Channel_Id);
  head.UInt32(1);  // token
  const bool secured = channel.Security.Secured();
  const qsizetype payload =
      secured ? Ua_Symmetric_Room(channel.Security, 65536, head.Data().size()) - 8 : Chunk_Payload;
  QByteArray out;
  qsizetype at = 0;
  do {
    const QByteArray part = body.mid(at, payload);
    at += part.size();
    const char kind = at < body.size() ? 'C' : 'F';
    TUaWriter w;
    if (!secured) w.Raw(head.Data());
    w.UInt32(++sequence);
    w.UInt32(request_id);
    w.Raw(part);
    QByteArray chunk =
        secured ? Ua_Seal_Symmetric(channel.Security, channel.Send_Keys, "MSG", kind, head.Data(), w.Data())
                : Chunk("MSG", kind, w.Data());
    if (spoil && kind == 'F') Spoil(chunk);
    out += chunk;
  } while (at < body.size());
  return out;
}

// Past the request header of an encoded request (type id first).
void Skip_Request_Header(TUaReader& r) {
  r.NodeId();
  r.NodeId();  // request header: token, time, handle, diagnostics, audit entry, timeout, additional header
  r.DateTime();
  r.UInt32();
  r.UInt32();
  r.String();
  r.UInt32();
  r.Skip_ExtensionObject();
}

QByteArray Open_Request_Nonce(const QByteArray& request) {
  TUaReader r(request);
  Skip_Request_Header(r);
  r.UInt32();  // protocol version
  r.UInt32();  // issue or renew
  r.UInt32();  // mode
  return r.ByteString();
}

}  // namespace

int32_t TUaFakeRequest::Count() const {
  try {
    TUaReader r(Body);
    Skip_Request_Header(r);
    switch (Type) {
      case UaId::BrowseRequest:
        r.NodeId();  // view
        r.DateTime();
        r.UInt32();
        r.UInt32();  // max references
        return r.Int32();
      case UaId::BrowseNextRequest:
        r.Boolean();
        return r.Int32();
      case UaId::ReadRequest:
        r.Double();
        r.Int32();
        return r.Int32();
      default:
        return 0;
    }
  } catch (const EUaError&) {
    return 0;
  }
}

TUaFakeServer::TUaFakeServer(TAnswerer answerer, std::optional<TUaFakeSecurity> security)
    : FAnswerer(std::move(answerer)), FSecurity(std::move(security)) {
  FListener = Bound_Loopback_Socket(FPort);
  if (::listen(FListener, 1) != 0) throw std::runtime_error("cannot listen on a loopback port");
  FThread = std::thread([this] { Run(); });
}

TUaFakeServer::~TUaFakeServer() {
  FStop = true;
  if (FThread.joinable()) FThread.join();
  ::close(FListener);
}

QByteArray TUaFakeServer::Url() const {
  return "opc.tcp://127.0.0.1:" + QByteArray::number(FPort);
}

const std::vector<uint32_t>& TUaFakeServer::Requests() {
  if (FThread.joinable()) FThread.join();
  return FRequests;
}

void TUaFakeServer::Run() {
  // A secured browse asks for the endpoints on a first connection and opens its secured channel on a second.
  const int connections = FSecurity ? 2 : 1;
  for (int served = 0; served < connections && !FSpoilt; ++served) {
    int fd = -1;
    for (int waited = 0; fd < 0 && waited < Silence_Limit_Ms && !FStop; waited += Slice_Ms) {
      pollfd p{FListener, POLLIN, 0};
      if (::poll(&p, 1, Slice_Ms) <= 0) continue;
      fd = ::accept(FListener, nullptr, nullptr);
      if (fd < 0) return;
    }
    if (fd < 0) return;
    Serve(fd);
    ::close(fd);
  }
}

QByteArray TUaFakeServer::Secured_Session(const TUaFakeRequest& request, const TUaChannelSecurity& channel) const {
  TUaReader r(request.Body);
  Skip_Request_Header(r);
  r.String();  // client description: application URI, product URI, name, type, gateway, profile, discovery URLs
  r.String();
  r.LocalizedText();
  r.Int32();
  r.String();
  r.String();
  for (int32_t i = 0, n = r.Array_Length(4); i < n; ++i) r.String();
  r.String();  // server URI, endpoint URL, session name
  r.String();
  r.String();
  const QByteArray client_nonce = r.ByteString();
  const QByteArray client_certificate = r.ByteString();
  const TUaSecurityPolicy& policy = *channel.Policy;
  return UaFake::Create_Session(
      Ua_Random_Bytes(32), channel.Client_Certificate,
      {policy.Asym_Signature_Uri,
       Ua_Rsa_Sign(channel.Client_Key, client_certificate + client_nonce, policy.Asym_Signature)});
}

void TUaFakeServer::Serve(int fd) {
  uint32_t sequence = 0;
  QByteArray pending;  // a request arriving in several chunks
  TFakeChannel channel;
  for (;;) {
    char header[8];
    TRead read = Read_Exactly(fd, header, 8, FStop);
    QByteArray type;
    char kind = 0;
    QByteArray body;
    if (read == TRead::Done) {
      TUaReader h(QByteArray(header, 8));
      type = h.Bytes(3);
      kind = char(h.Byte());
      const uint32_t size = h.UInt32();
      if (size < 8 || size > 65536) return;
      body.resize(qsizetype(size - 8));
      read = Read_Exactly(fd, body.data(), body.size(), FStop);
    }
    if (FSpoilt) {
      if (read == TRead::Done) ++FChunks_After_Spoilt;
      FClosed_After_Spoilt = read == TRead::Closed;
    }
    if (read != TRead::Done) return;
    try {
      TUaReader r(body);
      if (type == "HEL") {
        if (!Send_All(fd, Acknowledge())) return;
        continue;
      }
      if (type == "CLO") return;
      r.UInt32();  // channel
      QByteArray policy;
      QByteArray sender;
      QByteArray thumbprint;
      if (type == "OPN") {
        policy = r.String();
        sender = r.ByteString();
        thumbprint = r.ByteString();
      } else {
        r.UInt32();  // token
      }
      const QByteArray head = body.left(r.Position());
      QByteArray plain = r.Bytes(r.Remaining());
      const QByteArray chunk_header(header, 8);
      if (type == "OPN" && FSecurity && policy != Ua_Policy_None_Uri) {
        // A server refuses a channel opened for another certificate than its own.
        if (thumbprint != Ua_Sha1(FSecurity->Certificate)) return;
        channel.Security = {Ua_Policy_Of_Code(FSecurity->Policy_Code), FSecurity->Mode,
                            FSecurity->Certificate + FSecurity->Issuers, FSecurity->Key, sender};
        if (policy != channel.Security.Policy->Uri) return;
        plain = Ua_Open_Asymmetric(channel.Security, chunk_header, head, plain);
      } else if (type != "OPN" && channel.Security.Secured()) {
        plain = Ua_Open_Symmetric(channel.Security, channel.Receive_Keys, chunk_header, head, plain);
      }
      TUaReader p(plain);
      p.UInt32();  // sequence number
      const uint32_t request_id = p.UInt32();
      if (type == "OPN") {
        QByteArray server_nonce;
        if (channel.Security.Secured()) {
          const TUaSecurityPolicy& secured = *channel.Security.Policy;
          const QByteArray client_nonce = Open_Request_Nonce(p.Bytes(p.Remaining()));
          server_nonce = Ua_Random_Bytes(secured.Nonce_Size);
          channel.Send_Keys = Ua_Derive_Keys(secured, client_nonce, server_nonce);
          channel.Receive_Keys = Ua_Derive_Keys(secured, server_nonce, client_nonce);
        }
        QByteArray answer = Open_Answer(channel, ++sequence, request_id, server_nonce);
        if (channel.Security.Secured() && FSecurity->Spoil_Answer_To == UaId::OpenSecureChannelRequest) {
          Spoil(answer);
          FSpoilt = true;
        }
        if (!Send_All(fd, answer)) return;
        continue;
      }
      pending += p.Bytes(p.Remaining());
      if (kind != 'F') continue;
      TUaFakeRequest request;
      request.Body = pending;
      pending.clear();
      TUaReader t(request.Body);
      request.Type = t.NodeId().Numeric;
      FRequests.push_back(request.Type);
      std::optional<QByteArray> answer = FAnswerer ? FAnswerer(request) : std::nullopt;
      if (!answer && FSecurity && request.Type == UaId::GetEndpointsRequest)
        answer = UaFake::Endpoints(FSecurity->Certificate + FSecurity->Issuers,
                                   Ua_Policy_Of_Code(FSecurity->Policy_Code)->Uri, FSecurity->Mode);
      if (!answer && channel.Security.Secured() && request.Type == UaId::CreateSessionRequest)
        answer = Secured_Session(request, channel.Security);
      if (!answer) answer = UaFake::Ordinary_Answer(request);
      const bool spoil = channel.Security.Secured() && FSecurity->Spoil_Answer_To == request.Type;
      if (answer->isEmpty() || !Send_All(fd, Message_Chunks(*answer, sequence, request_id, channel, spoil))) return;
      FSpoilt = FSpoilt || spoil;
    } catch (const EUaError&) {
      return;
    }
  }
}

namespace UaFake {

void Response_Start(TUaWriter& w, uint32_t type) {
  w.NodeId(TUaNodeId::Num(0, type));
  w.DateTime(0);
  w.UInt32(1);  // request handle: the client does not look at it
  w.UInt32(0);  // good
  w.Byte(0);
  w.Array_Length(-1);
  w.ExtensionObject(TUaNodeId(), QByteArray());
}

QByteArray Endpoints(const QByteArray& certificate, const QByteArray& policy, int32_t mode) {
  TUaWriter w;
  Response_Start(w, UaId::GetEndpointsResponse);
  w.Array_Length(1);
  w.String("opc.tcp://127.0.0.1");
  w.String("urn:fake");  // application description
  w.String("urn:fake");
  w.LocalizedText({QByteArray(), "fake"});
  w.Int32(0);
  w.String(QByteArray());
  w.String(QByteArray());
  w.Array_Length(-1);
  w.ByteString(certificate);
  w.Int32(mode);
  w.String(mode == uaModeNone ? Ua_Policy_None_Uri : policy);
  w.Array_Length(2);
  w.String("anon");
  w.Int32(uaTokenAnonymous);
  w.String(QByteArray());
  w.String(QByteArray());
  w.String(QByteArray());
  w.String("user");
  w.Int32(uaTokenUserName);
  w.String(QByteArray());
  w.String(QByteArray());
  w.String(certificate.isEmpty() ? Ua_Policy_None_Uri : policy);
  w.String(Ua_Binary_Transport_Uri);
  w.Byte(0);
  return w.Data();
}

QByteArray Create_Session(const QByteArray& nonce, const QByteArray& certificate, const TUaSignature& signature) {
  TUaWriter w;
  Response_Start(w, UaId::CreateSessionResponse);
  w.NodeId(TUaNodeId::Num(1, 1000));  // session id
  w.NodeId(TUaNodeId::Num(1, 1001));  // authentication token
  w.Double(60000);
  w.ByteString(nonce);
  w.ByteString(certificate);
  w.Array_Length(-1);  // endpoints
  w.Array_Length(-1);  // software certificates
  w.String(signature.Algorithm);
  w.ByteString(signature.Signature);
  w.UInt32(0);
  return w.Data();
}

QByteArray Browse_Answer(uint32_t type, const std::vector<std::vector<TRef>>& results) {
  TUaWriter w;
  Response_Start(w, type);
  w.Array_Length(qsizetype(results.size()));
  for (const std::vector<TRef>& refs : results) {
    w.UInt32(0);
    w.ByteString(QByteArray());
    w.Array_Length(qsizetype(refs.size()));
    for (const TRef& ref : refs) {
      w.NodeId(TUaNodeId::Num(0, 47));  // HasComponent
      w.Boolean(true);
      w.NodeId(ref.Target);
      w.UInt16(ref.Target.Namespace);
      w.String(ref.Name);
      w.LocalizedText({QByteArray(), ref.Name});
      w.UInt32(ref.Node_Class);
      w.NodeId(TUaNodeId::Num(0, 63));  // BaseDataVariableType
    }
  }
  w.Array_Length(-1);
  return w.Data();
}

QByteArray Read_Answer(int32_t count, const QByteArray& values) {
  TUaWriter w;
  Response_Start(w, UaId::ReadResponse);
  w.Int32(count);
  w.Raw(values);
  w.Array_Length(-1);
  return w.Data();
}

QByteArray Activate_Session() {
  TUaWriter w;
  Response_Start(w, UaId::ActivateSessionResponse);
  w.ByteString(QByteArray(32, 'm'));
  w.Array_Length(-1);
  w.Array_Length(-1);
  return w.Data();
}

QByteArray Unknown_Nodes(int32_t count) {
  TUaWriter values;
  for (int32_t i = 0; i < count; ++i) {
    values.Byte(0x02);
    values.UInt32(Bad_Node_Id_Unknown);
  }
  return values.Data();
}

QByteArray Variable_Attributes(int32_t count, const QByteArray& name) {
  TUaWriter w;
  for (int32_t i = 0; i < count; ++i) {
    w.Byte(0x01);
    switch (i % 4) {
      case 0:
        w.Byte(uaNodeId);
        w.NodeId(TUaNodeId::Num(0, uaInt32));
        break;
      case 1:
      case 2:
        w.Byte(uaByte);
        w.Byte(3);  // read and write
        break;
      default:
        w.Byte(uaLocalizedText);
        w.LocalizedText({QByteArray(), name});
    }
  }
  return w.Data();
}

QByteArray Ordinary_Answer(const TUaFakeRequest& request) {
  TUaWriter w;
  switch (request.Type) {
    case UaId::GetEndpointsRequest:
      return Endpoints();
    case UaId::CreateSessionRequest:
      return Create_Session(QByteArray(32, 'n'));
    case UaId::ActivateSessionRequest:
      return Activate_Session();
    case UaId::CloseSessionRequest:
      Response_Start(w, UaId::CloseSessionResponse);
      return w.Data();
    case UaId::BrowseRequest:
    case UaId::BrowseNextRequest:
      return Browse_Answer(request.Type == UaId::BrowseRequest ? UaId::BrowseResponse : UaId::BrowseNextResponse,
                           std::vector<std::vector<TRef>>(size_t(std::max(0, request.Count()))));
    case UaId::ReadRequest:
      return Read_Answer(request.Count(), Unknown_Nodes(request.Count()));
    default:
      return QByteArray();
  }
}

}  // namespace UaFake
