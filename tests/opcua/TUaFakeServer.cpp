#include "TUaFakeServer.h"

#include "TLoopbackServer.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

#include "UaBrowseMessages.h"
#include "UaMessages.h"
#include "UaTransport.h"

namespace {

constexpr int Slice_Ms = 20;
constexpr int Silence_Limit_Ms = 10000;
constexpr qsizetype Chunk_Payload = 65536 - 8 - 8 - 8;  // the client's buffer less the headers
constexpr uint32_t Channel_Id = 7;
constexpr uint32_t Bad_Node_Id_Unknown = 0x80340000;

// Reads exactly n bytes, giving up on a closed connection, a long silence or the end of the test.
bool Read_Exactly(int fd, char* into, qsizetype n, const std::atomic<bool>& stop) {
  int silent = 0;
  while (n > 0) {
    if (stop || silent >= Silence_Limit_Ms) return false;
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, Slice_Ms) <= 0) {
      silent += Slice_Ms;
      continue;
    }
    const ssize_t got = ::recv(fd, into, size_t(n), 0);
    if (got <= 0) return false;
    into += got;
    n -= got;
    silent = 0;
  }
  return true;
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

QByteArray Open_Answer(uint32_t sequence, uint32_t request_id) {
  TUaWriter w;
  w.UInt32(Channel_Id);
  w.String(Ua_Policy_None_Uri);
  w.ByteString(QByteArray());
  w.ByteString(QByteArray());
  w.UInt32(sequence);
  w.UInt32(request_id);
  UaFake::Response_Start(w, UaId::OpenSecureChannelResponse);
  w.UInt32(0);  // protocol version
  w.UInt32(Channel_Id);
  w.UInt32(1);  // token
  w.DateTime(0);
  w.UInt32(3600000);
  w.ByteString(QByteArray());
  return Chunk("OPN", 'F', w.Data());
}

// The answer as MSG chunks, each within the client's buffer.
QByteArray Message_Chunks(const QByteArray& body, uint32_t& sequence, uint32_t request_id) {
  QByteArray out;
  qsizetype at = 0;
  do {
    const QByteArray part = body.mid(at, Chunk_Payload);
    at += part.size();
    TUaWriter w;
    w.UInt32(Channel_Id);
    w.UInt32(1);  // token
    w.UInt32(++sequence);
    w.UInt32(request_id);
    w.Raw(part);
    out += Chunk("MSG", at < body.size() ? 'C' : 'F', w.Data());
  } while (at < body.size());
  return out;
}

}  // namespace

int32_t TUaFakeRequest::Count() const {
  try {
    TUaReader r(Body);
    r.NodeId();
    r.NodeId();  // request header: token, time, handle, diagnostics, audit entry, timeout, additional header
    r.DateTime();
    r.UInt32();
    r.UInt32();
    r.String();
    r.UInt32();
    r.Skip_ExtensionObject();
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

TUaFakeServer::TUaFakeServer(TAnswerer answerer) : FAnswerer(std::move(answerer)) {
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
  for (int waited = 0; waited < Silence_Limit_Ms && !FStop; waited += Slice_Ms) {
    pollfd p{FListener, POLLIN, 0};
    if (::poll(&p, 1, Slice_Ms) <= 0) continue;
    const int fd = ::accept(FListener, nullptr, nullptr);
    if (fd < 0) return;
    Serve(fd);
    ::close(fd);
    return;
  }
}

void TUaFakeServer::Serve(int fd) {
  uint32_t sequence = 0;
  QByteArray pending;  // a request arriving in several chunks
  for (;;) {
    char header[8];
    if (!Read_Exactly(fd, header, 8, FStop)) return;
    TUaReader h(QByteArray(header, 8));
    const QByteArray type = h.Bytes(3);
    const char kind = char(h.Byte());
    const uint32_t size = h.UInt32();
    if (size < 8 || size > 65536) return;
    QByteArray body(qsizetype(size - 8), Qt::Uninitialized);
    if (!Read_Exactly(fd, body.data(), body.size(), FStop)) return;
    try {
      TUaReader r(body);
      if (type == "HEL") {
        if (!Send_All(fd, Acknowledge())) return;
        continue;
      }
      if (type == "CLO") return;
      r.UInt32();  // channel
      if (type == "OPN") {
        r.String();
        r.ByteString();
        r.ByteString();
      } else {
        r.UInt32();  // token
      }
      r.UInt32();  // sequence number
      const uint32_t request_id = r.UInt32();
      if (type == "OPN") {
        if (!Send_All(fd, Open_Answer(++sequence, request_id))) return;
        continue;
      }
      pending += r.Bytes(r.Remaining());
      if (kind != 'F') continue;
      TUaFakeRequest request;
      request.Body = pending;
      pending.clear();
      TUaReader t(request.Body);
      request.Type = t.NodeId().Numeric;
      FRequests.push_back(request.Type);
      std::optional<QByteArray> answer = FAnswerer ? FAnswerer(request) : std::nullopt;
      if (!answer) answer = UaFake::Ordinary_Answer(request);
      if (answer->isEmpty() || !Send_All(fd, Message_Chunks(*answer, sequence, request_id))) return;
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

QByteArray Create_Session(const QByteArray& nonce, const QByteArray& certificate) {
  TUaWriter w;
  Response_Start(w, UaId::CreateSessionResponse);
  w.NodeId(TUaNodeId::Num(1, 1000));  // session id
  w.NodeId(TUaNodeId::Num(1, 1001));  // authentication token
  w.Double(60000);
  w.ByteString(nonce);
  w.ByteString(certificate);
  w.Array_Length(-1);  // endpoints
  w.Array_Length(-1);  // software certificates
  w.String(QByteArray());
  w.ByteString(QByteArray());
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
