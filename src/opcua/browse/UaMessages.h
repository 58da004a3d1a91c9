#pragma once
// Service messages of the connection and the session: request and response headers, OpenSecureChannel,
// CloseSecureChannel, GetEndpoints, CreateSession, ActivateSession and CloseSession.
#include <QByteArray>
#include <cstdint>
#include <vector>

#include "UaBinary.h"

// Numeric node ids of namespace 0 that the client uses.
namespace UaId {
constexpr uint32_t ServiceFault = 397;
constexpr uint32_t AnonymousIdentityToken = 321;
constexpr uint32_t UserNameIdentityToken = 324;
constexpr uint32_t X509IdentityToken = 327;
constexpr uint32_t GetEndpointsRequest = 428;
constexpr uint32_t GetEndpointsResponse = 431;
constexpr uint32_t OpenSecureChannelRequest = 446;
constexpr uint32_t OpenSecureChannelResponse = 449;
constexpr uint32_t CloseSecureChannelRequest = 452;
constexpr uint32_t CreateSessionRequest = 461;
constexpr uint32_t CreateSessionResponse = 464;
constexpr uint32_t ActivateSessionRequest = 467;
constexpr uint32_t ActivateSessionResponse = 470;
constexpr uint32_t CloseSessionRequest = 473;
constexpr uint32_t CloseSessionResponse = 476;
constexpr uint32_t BrowseRequest = 527;
constexpr uint32_t BrowseResponse = 530;
constexpr uint32_t BrowseNextRequest = 533;
constexpr uint32_t BrowseNextResponse = 536;
constexpr uint32_t ReadRequest = 631;
constexpr uint32_t ReadResponse = 634;
}  // namespace UaId

inline const QByteArray Ua_Policy_None_Uri("http://opcfoundation.org/UA/SecurityPolicy#None");
// The application URI the client announces when its certificate names none of its own.
inline const QByteArray Ua_Client_Application_Uri("urn:Quorvane:SWTarn10:Configurator");
inline const QByteArray Ua_Binary_Transport_Uri("http://opcfoundation.org/UA-Profile/Transport/uatcp-uasc-uabinary");

// The longest server nonce accepted: the protocol's nonces have 16 to 32 bytes.
constexpr qsizetype Ua_Max_Nonce_Bytes = 64;

enum TUaSecurityMode : int32_t { uaModeInvalid = 0, uaModeNone = 1, uaModeSign = 2, uaModeSignAndEncrypt = 3 };
enum TUaTokenType : int32_t { uaTokenAnonymous = 0, uaTokenUserName = 1, uaTokenCertificate = 2, uaTokenIssued = 3 };

struct TUaRequestHeader {
  TUaNodeId AuthenticationToken;
  uint32_t RequestHandle = 0;
  uint32_t TimeoutHint = 0;  // milliseconds
};

// Now as an OPC UA DateTime (100 ns ticks since 1601-01-01 UTC).
int64_t Ua_Now();
// Writes the request's type id and header.
void Ua_Write_Request_Start(TUaWriter& w, uint32_t type, const TUaRequestHeader& header);
// Reads the response's type id and header. A ServiceFault, a bad service result or another response type than the
// one expected raises EUaError.
void Ua_Read_Response_Start(TUaReader& r, uint32_t expected_type);

// ---- secure channel ----
struct TUaChannelToken {
  uint32_t ChannelId = 0;
  uint32_t TokenId = 0;
  uint32_t Revised_Lifetime = 0;
  QByteArray ServerNonce;
};
enum TUaTokenRequest : int32_t { uaTokenIssue = 0, uaTokenRenew = 1 };
QByteArray Ua_Encode_Open_Channel_Request(const TUaRequestHeader& header, TUaTokenRequest kind, uint32_t lifetime_ms,
                                          int32_t mode = uaModeNone, const QByteArray& client_nonce = QByteArray());
TUaChannelToken Ua_Decode_Open_Channel_Response(const QByteArray& body);
QByteArray Ua_Encode_Close_Channel_Request(const TUaRequestHeader& header);

// ---- endpoints ----
struct TUaUserTokenPolicy {
  QByteArray PolicyId;
  int32_t TokenType = uaTokenAnonymous;
  QByteArray SecurityPolicyUri;  // null or empty: the endpoint's policy applies
};

struct TUaEndpoint {
  QByteArray EndpointUrl;
  QByteArray ServerApplicationUri;
  QByteArray ServerCertificate;
  int32_t SecurityMode = uaModeInvalid;
  QByteArray SecurityPolicyUri;
  std::vector<TUaUserTokenPolicy> UserTokens;
  QByteArray TransportProfileUri;
};

QByteArray Ua_Encode_Get_Endpoints_Request(const TUaRequestHeader& header, const QByteArray& endpoint_url);
std::vector<TUaEndpoint> Ua_Decode_Get_Endpoints_Response(const QByteArray& body);

// ---- session ----
struct TUaSignature {
  QByteArray Algorithm;  // null with no signature
  QByteArray Signature;
};

struct TUaSessionInfo {
  TUaNodeId SessionId;
  TUaNodeId AuthenticationToken;
  QByteArray ServerNonce;
  QByteArray ServerCertificate;
  TUaSignature ServerSignature;
};

// Without an application URI the client announces its own; the certificate is the client's (none under policy
// None).
QByteArray Ua_Encode_Create_Session_Request(const TUaRequestHeader& header, const QByteArray& endpoint_url,
                                            const QByteArray& client_nonce, uint32_t max_response_size,
                                            const QByteArray& application_uri = QByteArray(),
                                            const QByteArray& client_certificate = QByteArray());
TUaSessionInfo Ua_Decode_Create_Session_Response(const QByteArray& body);

// The identity token of ActivateSession: its type id, encoded body and the user token signature (certificate
// identity only).
struct TUaIdentityToken {
  TUaNodeId Type;
  QByteArray Body;
  TUaSignature Signature;
};
// The client signature proves the client's key under security; it stays empty under policy None.
QByteArray Ua_Encode_Activate_Session_Request(const TUaRequestHeader& header, const TUaIdentityToken& identity,
                                              const TUaSignature& client_signature = TUaSignature());
// Returns the new server nonce.
QByteArray Ua_Decode_Activate_Session_Response(const QByteArray& body);
QByteArray Ua_Encode_Close_Session_Request(const TUaRequestHeader& header);
void Ua_Decode_Close_Session_Response(const QByteArray& body);

TUaIdentityToken Ua_Anonymous_Token(const QByteArray& policy_id);
// The password is the plain UTF-8 password, or the encrypted secret with the algorithm that encrypted it.
TUaIdentityToken Ua_User_Name_Token(const QByteArray& policy_id, const QByteArray& user, const QByteArray& password,
                                    const QByteArray& encryption_algorithm);
TUaIdentityToken Ua_X509_Token(const QByteArray& policy_id, const QByteArray& certificate_der,
                               const TUaSignature& signature);
