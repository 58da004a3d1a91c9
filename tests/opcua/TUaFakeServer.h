#pragma once
// A small OPC UA server on 127.0.0.1 for the tests and the browse fuzz target. It takes one connection, answers
// Hello and OpenSecureChannel itself, and every service request with what its answerer returns, sent as MSG chunks
// that fit the client's 64 KiB buffer. Without an answer of the test's own, the session services get ordinary
// replies (one endpoint without security), a Browse finds nothing and a Read gives "node unknown" for each node.
// With a security it takes a second connection: the endpoint it announces is secured, and a channel opened under
// that policy is secured as a real server secures it, the session signed with its key.
#include <QByteArray>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "UaBinary.h"
#include "UaChunkSecurity.h"
#include "UaMessages.h"

// A service request as the server received it: its type id and its whole encoded body (type id first).
struct TUaFakeRequest {
  uint32_t Type = 0;
  QByteArray Body;
  // The number of nodes of a Browse or Read, of continuation points of a BrowseNext; 0 for other requests.
  int32_t Count() const;
};

// The one secured endpoint of a fake server, and an answer it spoils.
struct TUaFakeSecurity {
  QByteArray Certificate;  // DER, of application "urn:fake"
  QByteArray Issuers;      // DER, sent after the certificate wherever the server names it
  TUaKey Key;
  int Policy_Code = 3;
  int32_t Mode = uaModeSignAndEncrypt;
  // The answer to this request (OpenSecureChannelRequest for the channel's own) has one byte of its sealed chunk
  // flipped near its end, where the signature lies; 0 spoils nothing.
  uint32_t Spoil_Answer_To = 0;
};

class TUaFakeServer {
 public:
  // The encoded response (type id, header, fields), std::nullopt for the ordinary answer, or an empty array to
  // close the connection instead of answering.
  using TAnswerer = std::function<std::optional<QByteArray>(const TUaFakeRequest&)>;

  explicit TUaFakeServer(TAnswerer answerer, std::optional<TUaFakeSecurity> security = std::nullopt);
  ~TUaFakeServer();
  TUaFakeServer(const TUaFakeServer&) = delete;
  TUaFakeServer& operator=(const TUaFakeServer&) = delete;

  QByteArray Url() const;
  // Waits until the connection has ended; then gives the type ids of the service requests, in order.
  const std::vector<uint32_t>& Requests();
  // After Requests(): the chunks the client sent after the spoilt answer, and whether it then closed the connection
  // (rather than falling silent).
  int Chunks_After_Spoilt() const { return FChunks_After_Spoilt; }
  bool Closed_After_Spoilt() const { return FClosed_After_Spoilt; }

 private:
  void Run();
  void Serve(int fd);
  // The answer to a CreateSession under security: the certificate and its signature over the client's
  // certificate and nonce.
  QByteArray Secured_Session(const TUaFakeRequest& request, const TUaChannelSecurity& channel) const;

  TAnswerer FAnswerer;
  std::optional<TUaFakeSecurity> FSecurity;
  bool FSpoilt = false;
  int FChunks_After_Spoilt = 0;
  bool FClosed_After_Spoilt = false;
  int FListener = -1;
  uint16_t FPort = 0;
  std::vector<uint32_t> FRequests;
  std::atomic<bool> FStop{false};
  std::thread FThread;
};

// Replies for answerers to build on.
namespace UaFake {
// The type id and a good response header.
void Response_Start(TUaWriter& w, uint32_t type);
QByteArray Ordinary_Answer(const TUaFakeRequest& request);
// One endpoint of application "urn:fake", without security unless a mode is given (then under the policy): an
// anonymous token policy, and a user-name policy that asks for the password to be encrypted with the certificate
// under the security policy when a certificate is given, in plain text otherwise.
QByteArray Endpoints(const QByteArray& certificate = {},
                     const QByteArray& policy = "http://opcfoundation.org/UA/SecurityPolicy#Basic256Sha256",
                     int32_t mode = uaModeNone);
QByteArray Create_Session(const QByteArray& nonce, const QByteArray& certificate = {},
                          const TUaSignature& signature = {});
// A Browse (or BrowseNext) answer: each result lists its references, with no continuation point.
struct TRef {
  TUaNodeId Target;
  QByteArray Name;
  uint32_t Node_Class = 2;  // variable
};
QByteArray Browse_Answer(uint32_t type, const std::vector<std::vector<TRef>>& results);
QByteArray Activate_Session();
// A Read answer of encoded data values, one after the other.
QByteArray Read_Answer(int32_t count, const QByteArray& values);
// The data values of a Read of unknown nodes.
QByteArray Unknown_Nodes(int32_t count);
// The data values of a Read of the four attributes per variable the browse asks for (data type, access level, user
// access level, display name): Int32, read and write, the name.
QByteArray Variable_Attributes(int32_t count, const QByteArray& name);
}  // namespace UaFake
