// Servers that misbehave: silence, early close, error replies, lying sizes, garbage, aborted or foreign answers.
// Each browse must end with no variables, within its time limits, without touching memory it does not own, and
// without going past the step where the server failed.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "OPC_UA_Search.h"
#include "QByteArrayPrint.h"
#include "TLoopbackServer.h"
#include "UaClient.h"
#include "UaCrypto.h"
#include "UaMessages.h"
#include "UaSecureChannel.h"
#include "UaTransport.h"

namespace {

QByteArray Chunk(const char* type, char chunk_type, const QByteArray& body) {
  return Ua_Chunk_Header(type, chunk_type, uint32_t(8 + body.size())) + body;
}

QByteArray Acknowledge(uint32_t buffers = 65536) {
  TUaWriter w;
  for (uint32_t v : {0u, buffers, buffers, 0u, 0u}) w.UInt32(v);
  return Chunk("ACK", 'F', w.Data());
}

// The start of an OpenSecureChannel answer: channel, security header, sequence header (by default the sequence
// number is the request id, as when each request has one chunk).
TUaWriter Open_Answer_Start(uint32_t request_id = 1, uint32_t sequence = 0) {
  TUaWriter w;
  w.UInt32(0);
  w.String(Ua_Policy_None_Uri);
  w.ByteString(QByteArray());
  w.ByteString(QByteArray());
  w.UInt32(sequence != 0 ? sequence : request_id);
  w.UInt32(request_id);
  return w;
}

QByteArray Error_Body() {
  TUaWriter w;
  w.UInt32(0x80AB0000);
  w.String("go away");
  return w.Data();
}

TPeerStep Receive() {
  return {TPeerStep::Receive, {}, 0};
}
TPeerStep Send(const QByteArray& bytes) {
  return {TPeerStep::Send, bytes, 0};
}
TPeerStep Hold() {
  return {TPeerStep::Hold, {}, 5000};
}

// The kinds of the messages the client sent ("HEL", "OPN", ...), in order, read from their headers; a message cut
// short counts with a "~" after its kind.
QList<QByteArray> Sent_Kinds(const std::vector<QByteArray>& received) {
  QByteArray all;
  for (const QByteArray& r : received) all += r;
  QList<QByteArray> kinds;
  while (all.size() >= 8) {
    TUaReader header(all.left(8));
    const QByteArray kind = header.Bytes(3);
    header.Skip(1);
    const uint32_t size = header.UInt32();
    if (size < 8 || size > uint32_t(all.size())) {
      kinds << kind + "~";
      return kinds;
    }
    kinds << kind;
    all.remove(0, size);
  }
  if (!all.isEmpty()) kinds << "~";
  return kinds;
}

TEST(UaFailures, MisbehavingServersGiveNoVariables) {
  TUaWriter aborted = Open_Answer_Start();
  aborted.Raw(Error_Body());
  TUaWriter cut = Open_Answer_Start();
  cut.NodeId(TUaNodeId::Num(0, UaId::OpenSecureChannelResponse));
  cut.DateTime(0);  // the response header stops here
  TUaWriter foreign = Open_Answer_Start(99);
  foreign.Raw(QByteArray::fromHex("00"));

  // Each peer ends by holding the line, so that whatever the client sends after the fault is seen: the client
  // must stop at the fault, never go on to the next step of the exchange.
  struct TCase {
    const char* Name;
    std::vector<TPeerStep> Script;
    QList<QByteArray> Sent;
    // Silence is told apart from a server that answers what the client cannot use.
    TUaFailure Reason = TUaFailure::Protocol;
  };
  const QList<QByteArray> hello = {"HEL"};
  const QList<QByteArray> hello_open = {"HEL", "OPN"};
  const TCase cases[] = {
      {"silent after connecting", {Hold()}, hello, TUaFailure::No_Answer},
      {"closes at once", {}, {}},
      {"half a header, then silence", {Receive(), Send("ACK"), Hold()}, hello, TUaFailure::No_Answer},
      {"error reply to the hello", {Receive(), Send(Chunk("ERR", 'F', Error_Body())), Hold()}, hello},
      {"not OPC UA at all", {Receive(), Send("HTTP/1.1 400 Bad Request\r\n\r\n"), Hold()}, hello},
      {"chunk size beyond every buffer",
       {Receive(), Send(QByteArray("ACKF") + QByteArray::fromHex("f0ffffff")), Hold()},
       hello},
      {"chunk size below its own header",
       {Receive(), Send(QByteArray("ACKF") + QByteArray::fromHex("04000000")), Hold()},
       hello},
      {"buffers below the minimum", {Receive(), Send(Acknowledge(1024)), Hold()}, hello},
      {"acknowledges, then silence", {Receive(), Send(Acknowledge()), Hold()}, hello_open, TUaFailure::No_Answer},
      {"aborts the channel",
       {Receive(), Send(Acknowledge()), Receive(), Send(Chunk("OPN", 'A', aborted.Data())), Hold()},
       hello_open},
      {"answer cut short",
       {Receive(), Send(Acknowledge()), Receive(), Send(Chunk("OPN", 'F', cut.Data())), Hold()},
       hello_open},
      {"answer to another request",
       {Receive(), Send(Acknowledge()), Receive(), Send(Chunk("OPN", 'F', foreign.Data())), Hold()},
       hello_open},
      {"message of the wrong kind",
       {Receive(), Send(Acknowledge()), Receive(), Send(Chunk("MSG", 'F', foreign.Data())), Hold()},
       hello_open},
  };

  // Long enough for every answer the peer does give to arrive on a loaded machine; only the silent peers cost it.
  TUaBrowseLimits limits;
  limits.Step_Timeout_Ms = 2000;
  limits.Total_Timeout_Ms = 20000;
  for (const TCase& c : cases) {
    TLoopbackServer peer(c.Script);
    QByteArray address = "opc.tcp://127.0.0.1:" + QByteArray::number(peer.Port());
    opcua_server_to_discover server;
    server.server_address = address.constData();
    EXPECT_EQ(Ua_Client_Begin(server, limits), 0) << c.Name;
    EXPECT_EQ(Ua_Last_Browse_Failure(), c.Reason) << c.Name;
    EXPECT_EQ(Sent_Kinds(peer.Received()), c.Sent) << c.Name;
  }
}

void Write_Good_Response_Header(TUaWriter& w, uint32_t type, uint32_t request_handle) {
  w.NodeId(TUaNodeId::Num(0, type));
  w.DateTime(0);
  w.UInt32(request_handle);
  w.UInt32(0);  // good
  w.Byte(0);
  w.Array_Length(-1);
  w.ExtensionObject(TUaNodeId(), QByteArray());
}

QByteArray Open_Answer_Body(uint32_t request_id, uint32_t token_id, uint32_t lifetime_ms) {
  TUaWriter w;
  Write_Good_Response_Header(w, UaId::OpenSecureChannelResponse, request_id);
  w.UInt32(0);  // protocol version
  w.UInt32(7);  // channel
  w.UInt32(token_id);
  w.DateTime(0);
  w.UInt32(lifetime_ms);
  w.ByteString(QByteArray());
  return w.Data();
}

QByteArray Open_Answer(uint32_t request_id, uint32_t token_id, uint32_t lifetime_ms) {
  TUaWriter w = Open_Answer_Start(request_id);
  w.Raw(Open_Answer_Body(request_id, token_id, lifetime_ms));
  return Chunk("OPN", 'F', w.Data());
}

struct TSentChunk {
  QByteArray Type;  // type and chunk kind, "MSGC"
  qsizetype Size = 0;
  QByteArray Body;  // after the sequence header
};

// Splits what the client sent into symmetric chunks (MSG, CLO).
std::vector<TSentChunk> Sent_Chunks(const QByteArray& bytes) {
  std::vector<TSentChunk> chunks;
  TUaReader r(bytes);
  while (r.Remaining() > 0) {
    TSentChunk c;
    c.Type = r.Bytes(4);
    c.Size = r.UInt32();
    r.Skip(4 + 4 + 8);  // channel, token, sequence header
    c.Body = r.Bytes(c.Size - 24);
    chunks.push_back(c);
  }
  return chunks;
}

// A token whose life is over is renewed on the same channel before the next request, which then uses the new one.
TEST(UaFailures, ExpiredTokenIsRenewedFirst) {
  TLoopbackServer peer({Receive(), Send(Acknowledge()), Receive(), Send(Open_Answer(1, 1, 0)), Receive(),
                        Send(Open_Answer(2, 2, 600000)), Receive()});
  QByteArray address = "opc.tcp://127.0.0.1:" + QByteArray::number(peer.Port());
  opcua_server_to_discover server;
  server.server_address = address.constData();
  TUaBrowseLimits limits;
  limits.Step_Timeout_Ms = 5000;                  // the peer answers at once, or closes
  EXPECT_EQ(Ua_Client_Begin(server, limits), 0);  // the peer ends before any endpoint comes

  const std::vector<QByteArray>& got = peer.Received();
  ASSERT_EQ(got.size(), 4u);
  TUaReader renew(got[2]);
  EXPECT_EQ(renew.Bytes(4), "OPNF");
  renew.Skip(4);
  EXPECT_EQ(renew.UInt32(), 7u);  // the same channel
  renew.String();
  renew.ByteString();
  renew.ByteString();
  renew.Skip(8);  // sequence header
  EXPECT_EQ(renew.NodeId(), TUaNodeId::Num(0, UaId::OpenSecureChannelRequest));
  renew.Skip(2 + 8 + 4 + 4 + 4 + 4 + 3 + 4);  // request header, protocol version
  EXPECT_EQ(renew.Int32(), int32_t(uaTokenRenew));

  TUaReader next(got[3]);
  EXPECT_EQ(next.Bytes(4), "MSGF");
  next.Skip(4);
  EXPECT_EQ(next.UInt32(), 7u);
  EXPECT_EQ(next.UInt32(), 2u);  // the renewed token
}

// Both ways a message may be larger than one buffer: the answer comes in two chunks and is put together; a request
// above the server's buffer leaves in chunks that each fit it.
TEST(UaFailures, LongMessagesTravelInChunks) {
  const QByteArray answer = Open_Answer_Body(1, 5, 600000);
  auto part = [](char kind, const QByteArray& body) {
    TUaWriter w = Open_Answer_Start(1, kind == 'C' ? 1 : 2);
    w.Raw(body);
    return Chunk("OPN", kind, w.Data());
  };
  TLoopbackServer peer({Receive(),
                        Send(Acknowledge(8192)),
                        Receive(),
                        Send(part('C', answer.left(20)) + part('F', answer.mid(20))),
                        {TPeerStep::Hold, {}, 2000}});
  const QByteArray path(12000, 'p');
  QByteArray address = "opc.tcp://127.0.0.1:" + QByteArray::number(peer.Port()) + "/" + path;
  opcua_server_to_discover server;
  server.server_address = address.constData();
  TUaBrowseLimits limits;
  limits.Step_Timeout_Ms = 5000;                  // the peer closes 2 s after the channel opened
  EXPECT_EQ(Ua_Client_Begin(server, limits), 0);  // the peer never answers the request

  const std::vector<QByteArray>& got = peer.Received();
  ASSERT_GE(got.size(), 3u);
  QByteArray after_open;
  for (size_t i = 2; i < got.size(); ++i) after_open += got[i];
  std::vector<TSentChunk> chunks = Sent_Chunks(after_open);
  ASSERT_GE(chunks.size(), 2u);
  QByteArray request;
  size_t i = 0;
  for (; i < chunks.size(); ++i) {
    EXPECT_LE(chunks[i].Size, 8192) << i;
    request += chunks[i].Body;
    if (chunks[i].Type == "MSGF") break;
    EXPECT_EQ(chunks[i].Type, "MSGC") << i;
  }
  ASSERT_LT(i, chunks.size());
  EXPECT_GE(i, 1u);  // more than one chunk
  TUaReader r(request);
  EXPECT_EQ(r.NodeId(), TUaNodeId::Num(0, UaId::GetEndpointsRequest));
  EXPECT_TRUE(request.contains(path));
}

// The answer to the next request arrives before the request leaves, so no wait inside the call could notice that
// the browse's time is up: the call itself must refuse to start.
TEST(UaFailures, NoRequestLeavesAfterTheBrowseDeadline) {
  TUaWriter endpoints;
  endpoints.UInt32(7);  // channel
  endpoints.UInt32(1);  // token
  endpoints.UInt32(2);  // sequence number
  endpoints.UInt32(2);  // request id: the one after the channel's
  Write_Good_Response_Header(endpoints, UaId::GetEndpointsResponse, 1);
  endpoints.Array_Length(0);
  TLoopbackServer peer({Receive(), Send(Acknowledge()), Receive(),
                        Send(Open_Answer(1, 1, 600000) + Chunk("MSG", 'F', endpoints.Data())), Hold()});
  const QByteArray url = "opc.tcp://127.0.0.1:" + QByteArray::number(peer.Port());
  TUaEndpointUrl address;
  ASSERT_TRUE(Parse_Endpoint_Url(url, address));

  // The deadline leaves the connection time to open on a loaded machine; the test then waits until it has passed.
  const TUaDeadline deadline = Ua_Deadline_In(3000);
  TUaClient client(5000, deadline);
  client.Connect(address, url);
  std::this_thread::sleep_until(deadline + std::chrono::milliseconds(100));
  EXPECT_THROW(client.Get_Endpoints(url), EUaError);
}

// Every chunk from the server must carry the next sequence number: a replayed, skipped or reset one ends the
// exchange.
TEST(UaFailures, SequenceNumbersAreChecked) {
  struct TCase {
    const char* Name;
    uint32_t Sequence;
    bool Accepted;
  };
  const TCase cases[] = {
      {"the next", 2, true},
      {"replayed", 1, false},
      {"skipped", 3, false},
      {"zero", 0, false},
  };
  for (const TCase& c : cases) {
    TUaWriter endpoints;
    endpoints.UInt32(7);  // channel
    endpoints.UInt32(1);  // token
    endpoints.UInt32(c.Sequence);
    endpoints.UInt32(2);  // request id
    Write_Good_Response_Header(endpoints, UaId::GetEndpointsResponse, 1);
    endpoints.Array_Length(0);
    TLoopbackServer peer({Receive(), Send(Acknowledge()), Receive(), Send(Open_Answer(1, 1, 600000)), Receive(),
                          Send(Chunk("MSG", 'F', endpoints.Data())), Hold()});
    const QByteArray url = "opc.tcp://127.0.0.1:" + QByteArray::number(peer.Port());
    TUaEndpointUrl address;
    ASSERT_TRUE(Parse_Endpoint_Url(url, address));
    {
      TUaClient client(5000, Ua_Deadline_In(10000));
      client.Connect(address, url);
      if (c.Accepted)
        EXPECT_NO_THROW(client.Get_Endpoints(url)) << c.Name;
      else
        EXPECT_THROW(client.Get_Endpoints(url), EUaError) << c.Name;
    }
    // After a chunk out of sequence the client closes without another word; otherwise it closes the channel.
    const std::vector<QByteArray>& got = peer.Received();
    ASSERT_GE(got.size(), 3u) << c.Name;
    EXPECT_EQ(got.back().left(3), c.Accepted ? "CLO" : "MSG") << c.Name;
  }
}

// A server that keeps sending chunks of its OpenSecureChannel answer, each to be decrypted with the client's private
// key, never lets the socket wait, where the deadline was once the only one looked at: the client stops at its
// deadline, not after decrypting all the server cares to send.
TEST(UaFailures, AStreamOfChunksToDecryptEndsAtTheDeadline) {
  const TUaOwnCertificate client = Ua_Create_Self_Signed("urn:tarn:client", "client", 2048, 30);
  const TUaOwnCertificate server = Ua_Create_Self_Signed("urn:fake", "server", 2048, 30);
  const TUaSecurityPolicy* policy = Ua_Policy_Of_Code(3);
  const TUaChannelSecurity ours{policy, uaModeSignAndEncrypt, client.Der, client.Key, server.Der};
  const TUaChannelSecurity theirs{policy, uaModeSignAndEncrypt, server.Der, server.Key, client.Der};
  TUaWriter head;
  head.UInt32(0);  // channel
  head.String(policy->Uri);
  head.ByteString(server.Der);
  head.ByteString(Ua_Sha1(client.Der));
  // 100 chunks that each fit the client's buffer, of about 190 blocks each: many seconds of work, all of it sent
  // at once.
  QByteArray stream;
  for (uint32_t sequence = 1; sequence <= 100; ++sequence) {
    TUaWriter plain;
    plain.UInt32(sequence);
    plain.UInt32(1);  // the request id of the channel's opening
    plain.Raw(QByteArray(40000, 'x'));
    stream += Ua_Seal_Asymmetric(theirs, "OPN", 'C', head.Data(), plain.Data());
  }
  TLoopbackServer peer({Receive(), Send(Acknowledge()), Receive(), Send(stream), Hold()});
  const QByteArray url = "opc.tcp://127.0.0.1:" + QByteArray::number(peer.Port());
  TUaEndpointUrl address;
  ASSERT_TRUE(Parse_Endpoint_Url(url, address));

  constexpr int Limit_Ms = 1500;
  const auto start = std::chrono::steady_clock::now();
  QString error;
  try {
    TUaSecureChannel channel;
    channel.Open(address, url, Ua_Deadline_In(Limit_Ms), ours);
  } catch (const EUaError& e) {
    error = e.Message();
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(Limit_Ms + 1000));
  // Ended by the time limit, not by the server running out of chunks or a chunk that did not open.
  EXPECT_TRUE(error.endsWith(" in time") || error.endsWith(" out of time")) << error.toStdString();
}

// A name that resolves to several addresses: each is tried in turn, and one that never answers leaves the others
// their share of the step.
struct TTwoAddresses {
  static inline uint16_t First = 0;
  static inline uint16_t Second = 0;
  static int Resolve(const char*, const char*, const addrinfo* hints, addrinfo** result) {
    addrinfo* first = nullptr;
    addrinfo* second = nullptr;
    if (getaddrinfo("127.0.0.1", std::to_string(First).c_str(), hints, &first) != 0) return EAI_FAIL;
    if (getaddrinfo("127.0.0.1", std::to_string(Second).c_str(), hints, &second) != 0) {
      freeaddrinfo(first);
      return EAI_FAIL;
    }
    addrinfo* last = first;
    while (last->ai_next) last = last->ai_next;
    last->ai_next = second;
    *result = first;
    return 0;
  }
};

// A listener whose queue is full: the connection attempts it gets are left unanswered, as a host that is down.
struct TBlackHole {
  int Listener = -1;
  std::vector<int> Queued;
  uint16_t Port = 0;
  TBlackHole() {
    Listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(Listener, reinterpret_cast<sockaddr*>(&a), sizeof a);
    listen(Listener, 0);
    socklen_t size = sizeof a;
    getsockname(Listener, reinterpret_cast<sockaddr*>(&a), &size);
    Port = ntohs(a.sin_port);
    // Fill the queue: these connect at once, the next attempt does not.
    for (int i = 0; i < 3; ++i) {
      int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
      connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
      Queued.push_back(fd);
    }
  }
  ~TBlackHole() {
    for (int fd : Queued) close(fd);
    close(Listener);
  }
};

TEST(UaFailures, EveryAddressOfTheNameIsTried) {
  TLoopbackServer live({Receive(), Hold()});
  TBlackHole hole;
  TTwoAddresses::Second = live.Port();
  Set_Ua_Name_Resolver(&TTwoAddresses::Resolve);
  for (uint16_t first : {uint16_t(Closed_Loopback_Port()), hole.Port}) {
    TTwoAddresses::First = first;
    TUaSocket socket;
    EXPECT_NO_THROW(socket.Connect("plc.example", 4840, Ua_Deadline_In(4000))) << first;
    EXPECT_TRUE(socket.Is_Open());
    if (socket.Is_Open()) socket.Send_All("x", Ua_Deadline_In(1000));
  }
  Set_Ua_Name_Resolver(nullptr);
}

// A name lookup that hangs until the test lets it go, as one does when the name server does not answer.
struct THangingLookup {
  static inline std::mutex Lock;
  static inline std::condition_variable Changed;
  static inline bool Released = false;
  static inline int Returned = 0;

  static int Resolve(const char*, const char*, const addrinfo*, addrinfo**) {
    std::unique_lock<std::mutex> guard(Lock);
    Changed.wait(guard, [] { return Released; });
    ++Returned;
    Changed.notify_all();
    return EAI_AGAIN;
  }
};

TEST(UaFailures, NameLookupEndsAtTheStepLimit) {
  Set_Ua_Name_Resolver(&THangingLookup::Resolve);
  TUaSocket socket;
  EXPECT_THROW(socket.Connect("plc.example", 4840, Ua_Deadline_In(200)), EUaError);
  EXPECT_FALSE(socket.Is_Open());

  opcua_server_to_discover server;
  server.server_address = "opc.tcp://plc.example:4840";
  TUaBrowseLimits limits;
  limits.Step_Timeout_Ms = 200;
  EXPECT_EQ(Ua_Client_Begin(server, limits), 0);
  EXPECT_EQ(Ua_Last_Browse_Failure(), TUaFailure::No_Answer);
  Set_Ua_Name_Resolver(nullptr);

  // The abandoned lookups end once the name server "answers"; the test waits for them so that none outlives it.
  std::unique_lock<std::mutex> guard(THangingLookup::Lock);
  THangingLookup::Released = true;
  THangingLookup::Changed.notify_all();
  EXPECT_TRUE(
      THangingLookup::Changed.wait_for(guard, std::chrono::seconds(20), [] { return THangingLookup::Returned == 2; }))
      << THangingLookup::Returned << " of 2 lookups ended";
}

}  // namespace

namespace {

int Unknown_Name(const char*, const char*, const addrinfo*, addrinfo**) {
  return EAI_NONAME;
}

TEST(UaFailures, AHostNameThatDoesNotResolveIsToldApart) {
  Set_Ua_Name_Resolver(&Unknown_Name);
  opcua_server_to_discover server;
  server.server_address = "opc.tcp://no-such-plc.example:4840";
  EXPECT_EQ(opcua_client_begin(server), 0);
  EXPECT_EQ(Ua_Last_Browse_Failure(), TUaFailure::Unknown_Host);
  Set_Ua_Name_Resolver(nullptr);
}

}  // namespace
