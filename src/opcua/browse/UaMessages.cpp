#include "UaMessages.h"

#include <QDateTime>

namespace {

// Milliseconds from 1601-01-01 (the OPC UA epoch) to 1970-01-01.
constexpr int64_t Epoch_Offset_Ms = 11644473600000LL;

const QByteArray Client_Product_Uri("urn:Quorvane:SWTarn10");
const QByteArray Client_Name("SWTarn10 Configurator");
constexpr int32_t Application_Type_Client = 1;
constexpr double Session_Timeout_Ms = 60000;

// The fewest bytes of the structures the responses list, for the bound on their counts.
constexpr qsizetype Smallest_String = 4;
constexpr qsizetype Smallest_Status = 4;
constexpr qsizetype Smallest_Token_Policy = 5 * Smallest_String;
constexpr qsizetype Smallest_Software_Certificate = 2 * Smallest_String;
// URL, application description (25), certificate, mode, policy, token policies, transport profile, level.
constexpr qsizetype Smallest_Endpoint = 4 + 25 + 4 + 4 + 4 + 4 + 4 + 1;
// Far more than any server has, and few enough that a list of them stays small.
constexpr int32_t Max_Endpoints = 256;
constexpr int32_t Max_Token_Policies = 64;

// The protocol's nonces have 32 bytes; a larger one would only make the password's encryption longer.
QByteArray Nonce(TUaReader& r) {
  QByteArray nonce = r.ByteString();
  if (nonce.size() > Ua_Max_Nonce_Bytes) throw EUaError(QStringLiteral("OPC UA server nonce too long"));
  return nonce;
}

void Skip_Response_Header_Rest(TUaReader& r) {
  r.Skip_DiagnosticInfo();
  for (int32_t i = 0, n = r.Array_Length(Smallest_String); i < n; ++i) r.String();  // string table
  r.Skip_ExtensionObject();                                                         // additional header
}

QString Status_Text(uint32_t status) {
  return QStringLiteral("0x%1").arg(status, 8, 16, QLatin1Char('0'));
}

// What a bad status of a service tells the user: the statuses by which a server turns the identity down, its own
// timeout, or else a fault of the exchange.
TUaFailure Failure_Of(uint32_t status) {
  switch (status) {
    case 0x801F0000:  // BadUserAccessDenied
    case 0x80200000:  // BadIdentityTokenInvalid
    case 0x80210000:  // BadIdentityTokenRejected
    case 0x80570000:  // BadUserSignatureInvalid
      return TUaFailure::Login_Refused;
    case 0x800A0000:  // BadTimeout
      return TUaFailure::No_Answer;
    default:
      return TUaFailure::Protocol;
  }
}

void Write_Application_Description(TUaWriter& w, const QByteArray& application_uri) {
  w.String(application_uri.isEmpty() ? Ua_Client_Application_Uri : application_uri);
  w.String(Client_Product_Uri);
  w.LocalizedText({QByteArray(), Client_Name});
  w.Int32(Application_Type_Client);
  w.String(QByteArray());  // gateway server
  w.String(QByteArray());  // discovery profile
  w.Array_Length(-1);      // discovery addresses
}

// Returns the application URI.
QByteArray Read_Application_Description(TUaReader& r) {
  QByteArray uri = r.String();
  r.String();
  r.LocalizedText();
  r.Int32();
  r.String();
  r.String();
  for (int32_t i = 0, n = r.Array_Length(Smallest_String); i < n; ++i) r.String();
  return uri;
}

void Write_Signature(TUaWriter& w, const TUaSignature& signature) {
  w.String(signature.Algorithm);
  w.ByteString(signature.Signature);
}

TUaEndpoint Read_Endpoint(TUaReader& r) {
  TUaEndpoint e;
  e.EndpointUrl = r.String();
  e.ServerApplicationUri = Read_Application_Description(r);
  e.ServerCertificate = r.ByteString();
  e.SecurityMode = r.Int32();
  e.SecurityPolicyUri = r.String();
  for (int32_t i = 0, n = r.Array_Length(Smallest_Token_Policy, Max_Token_Policies); i < n; ++i) {
    TUaUserTokenPolicy p;
    p.PolicyId = r.String();
    p.TokenType = r.Int32();
    r.String();  // issued token type
    r.String();  // issuer endpoint
    p.SecurityPolicyUri = r.String();
    e.UserTokens.push_back(p);
  }
  e.TransportProfileUri = r.String();
  r.Byte();  // security level
  return e;
}

}  // namespace

int64_t Ua_Now() {
  return (QDateTime::currentMSecsSinceEpoch() + Epoch_Offset_Ms) * 10000;
}

void Ua_Write_Request_Start(TUaWriter& w, uint32_t type, const TUaRequestHeader& header) {
  w.NodeId(TUaNodeId::Num(0, type));
  w.NodeId(header.AuthenticationToken);
  w.DateTime(Ua_Now());
  w.UInt32(header.RequestHandle);
  w.UInt32(0);  // no diagnostics wanted
  w.String(QByteArray());
  w.UInt32(header.TimeoutHint);
  w.ExtensionObject(TUaNodeId(), QByteArray());
}

void Ua_Read_Response_Start(TUaReader& r, uint32_t expected_type) {
  TUaNodeId type = r.NodeId();
  r.DateTime();
  r.UInt32();  // request handle
  uint32_t result = r.UInt32();
  Skip_Response_Header_Rest(r);
  if (type.Is_Ns0(UaId::ServiceFault))
    throw EUaError(QStringLiteral("OPC UA service fault %1").arg(Status_Text(result)), Failure_Of(result));
  if (!type.Is_Ns0(expected_type)) throw EUaError(QStringLiteral("OPC UA server sent an unexpected response"));
  if (Ua_Is_Bad(result))
    throw EUaError(QStringLiteral("OPC UA service failed with %1").arg(Status_Text(result)), Failure_Of(result));
}

// ---- secure channel ----

QByteArray Ua_Encode_Open_Channel_Request(const TUaRequestHeader& header, TUaTokenRequest kind, uint32_t lifetime_ms,
                                          int32_t mode, const QByteArray& client_nonce) {
  TUaWriter w;
  Ua_Write_Request_Start(w, UaId::OpenSecureChannelRequest, header);
  w.UInt32(0);  // client protocol version
  w.Int32(kind);
  w.Int32(mode);
  w.ByteString(client_nonce.isNull() ? QByteArray("") : client_nonce);
  w.UInt32(lifetime_ms);
  return w.Data();
}

TUaChannelToken Ua_Decode_Open_Channel_Response(const QByteArray& body) {
  TUaReader r(body);
  Ua_Read_Response_Start(r, UaId::OpenSecureChannelResponse);
  r.UInt32();  // server protocol version
  TUaChannelToken token;
  token.ChannelId = r.UInt32();
  token.TokenId = r.UInt32();
  r.DateTime();
  token.Revised_Lifetime = r.UInt32();
  token.ServerNonce = Nonce(r);
  return token;
}

QByteArray Ua_Encode_Close_Channel_Request(const TUaRequestHeader& header) {
  TUaWriter w;
  Ua_Write_Request_Start(w, UaId::CloseSecureChannelRequest, header);
  return w.Data();
}

// ---- endpoints ----

QByteArray Ua_Encode_Get_Endpoints_Request(const TUaRequestHeader& header, const QByteArray& endpoint_url) {
  TUaWriter w;
  Ua_Write_Request_Start(w, UaId::GetEndpointsRequest, header);
  w.String(endpoint_url);
  w.Array_Length(-1);  // locales
  w.Array_Length(-1);  // transport profiles
  return w.Data();
}

std::vector<TUaEndpoint> Ua_Decode_Get_Endpoints_Response(const QByteArray& body) {
  TUaReader r(body);
  Ua_Read_Response_Start(r, UaId::GetEndpointsResponse);
  std::vector<TUaEndpoint> endpoints;
  for (int32_t i = 0, n = r.Array_Length(Smallest_Endpoint, Max_Endpoints); i < n; ++i)
    endpoints.push_back(Read_Endpoint(r));
  return endpoints;
}

// ---- session ----

QByteArray Ua_Encode_Create_Session_Request(const TUaRequestHeader& header, const QByteArray& endpoint_url,
                                            const QByteArray& client_nonce, uint32_t max_response_size,
                                            const QByteArray& application_uri, const QByteArray& client_certificate) {
  TUaWriter w;
  Ua_Write_Request_Start(w, UaId::CreateSessionRequest, header);
  Write_Application_Description(w, application_uri);
  w.String(QByteArray());  // server uri
  w.String(endpoint_url);
  w.String(Client_Name);
  w.ByteString(client_nonce);
  w.ByteString(client_certificate);
  w.Double(Session_Timeout_Ms);
  w.UInt32(max_response_size);
  return w.Data();
}

TUaSessionInfo Ua_Decode_Create_Session_Response(const QByteArray& body) {
  TUaReader r(body);
  Ua_Read_Response_Start(r, UaId::CreateSessionResponse);
  TUaSessionInfo info;
  info.SessionId = r.NodeId();
  info.AuthenticationToken = r.NodeId();
  r.Double();  // revised session timeout
  info.ServerNonce = Nonce(r);
  info.ServerCertificate = r.ByteString();
  for (int32_t i = 0, n = r.Array_Length(Smallest_Endpoint, Max_Endpoints); i < n; ++i) Read_Endpoint(r);
  for (int32_t i = 0, n = r.Array_Length(Smallest_Software_Certificate); i < n; ++i) {  // software certificates
    r.ByteString();
    r.ByteString();
  }
  info.ServerSignature.Algorithm = r.String();
  info.ServerSignature.Signature = r.ByteString();
  r.UInt32();  // max request message size
  return info;
}

QByteArray Ua_Encode_Activate_Session_Request(const TUaRequestHeader& header, const TUaIdentityToken& identity,
                                              const TUaSignature& client_signature) {
  TUaWriter w;
  Ua_Write_Request_Start(w, UaId::ActivateSessionRequest, header);
  Write_Signature(w, client_signature);
  w.Array_Length(0);  // software certificates
  w.Array_Length(1);  // locales
  w.String("en");
  w.ExtensionObject(identity.Type, identity.Body);
  Write_Signature(w, identity.Signature);
  return w.Data();
}

QByteArray Ua_Decode_Activate_Session_Response(const QByteArray& body) {
  TUaReader r(body);
  Ua_Read_Response_Start(r, UaId::ActivateSessionResponse);
  QByteArray nonce = Nonce(r);
  for (int32_t i = 0, n = r.Array_Length(Smallest_Status); i < n; ++i) {
    uint32_t status = r.UInt32();
    if (Ua_Is_Bad(status))
      throw EUaError(QStringLiteral("OPC UA session refused with %1").arg(Status_Text(status)), Failure_Of(status));
  }
  return nonce;
}

QByteArray Ua_Encode_Close_Session_Request(const TUaRequestHeader& header) {
  TUaWriter w;
  Ua_Write_Request_Start(w, UaId::CloseSessionRequest, header);
  w.Boolean(true);  // delete subscriptions
  return w.Data();
}

void Ua_Decode_Close_Session_Response(const QByteArray& body) {
  TUaReader r(body);
  Ua_Read_Response_Start(r, UaId::CloseSessionResponse);
}

TUaIdentityToken Ua_Anonymous_Token(const QByteArray& policy_id) {
  TUaWriter w;
  w.String(policy_id);
  return {TUaNodeId::Num(0, UaId::AnonymousIdentityToken), w.Data(), TUaSignature()};
}

TUaIdentityToken Ua_User_Name_Token(const QByteArray& policy_id, const QByteArray& user, const QByteArray& password,
                                    const QByteArray& encryption_algorithm) {
  TUaWriter w;
  w.String(policy_id);
  w.String(user);
  w.ByteString(password);
  w.String(encryption_algorithm);
  return {TUaNodeId::Num(0, UaId::UserNameIdentityToken), w.Data(), TUaSignature()};
}

TUaIdentityToken Ua_X509_Token(const QByteArray& policy_id, const QByteArray& certificate_der,
                               const TUaSignature& signature) {
  TUaWriter w;
  w.String(policy_id);
  w.ByteString(certificate_der);
  return {TUaNodeId::Num(0, UaId::X509IdentityToken), w.Data(), signature};
}
