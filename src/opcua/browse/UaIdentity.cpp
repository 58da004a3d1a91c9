#include "UaIdentity.h"

#include "UaCrypto.h"

namespace {

const char Rsa15[] = "http://www.w3.org/2001/04/xmlenc#rsa-1_5";
const char RsaOaep[] = "http://www.w3.org/2001/04/xmlenc#rsa-oaep";
const char RsaOaepSha256[] = "http://opcfoundation.org/UA/security/rsa-oaep-sha2-256";

const char* Encryption_Algorithm(TUaRsaPadding padding) {
  switch (padding) {
    case TUaRsaPadding::Pkcs1:
      return Rsa15;
    case TUaRsaPadding::Oaep_Sha1:
      return RsaOaep;
    case TUaRsaPadding::Oaep_Sha256:
      return RsaOaepSha256;
  }
  return "";
}

// The token policy's own security policy wins; an empty one means the endpoint's.
QByteArray Effective_Policy(const TUaUserTokenPolicy& token, const TUaEndpoint& endpoint) {
  return token.SecurityPolicyUri.isEmpty() ? endpoint.SecurityPolicyUri : token.SecurityPolicyUri;
}

TUaIdentityToken User_Name_Token(const TUaEndpoint& endpoint, const TUaLogin& login,
                                 const QByteArray& server_certificate, const QByteArray& server_nonce,
                                 TUaDeadline deadline) {
  const TUaUserTokenPolicy* plain = nullptr;
  const TUaUserTokenPolicy* secured = nullptr;
  const TUaSecurityPolicy* secret = nullptr;
  for (const TUaUserTokenPolicy& token : endpoint.UserTokens) {
    if (token.TokenType != uaTokenUserName) continue;
    QByteArray policy = Effective_Policy(token, endpoint);
    if (policy == Ua_Policy_None_Uri) {
      if (!plain) plain = &token;
    } else if (!secured && Ua_Policy_Of_Uri(policy)) {
      secured = &token;
      secret = Ua_Policy_Of_Uri(policy);
    }
  }
  // A protected password is preferred whenever the server offers one.
  if (secured) {
    if (server_nonce.size() > Ua_Max_Nonce_Bytes) throw EUaError(QStringLiteral("OPC UA server nonce too long"));
    // The password goes only to the application the endpoint names, under a certificate fit for the policy.
    TUaEndpoint checked = endpoint;
    checked.ServerCertificate = server_certificate;
    Ua_Check_Server_Certificate(checked, *secret);
    TUaWriter data;
    data.UInt32(uint32_t(login.Password.size() + server_nonce.size()));
    data.Raw(login.Password);
    data.Raw(server_nonce);
    QByteArray cipher = Ua_Rsa_Encrypt(server_certificate, data.Data(), secret->Asym_Padding, deadline);
    return Ua_User_Name_Token(secured->PolicyId, login.User, cipher, Encryption_Algorithm(secret->Asym_Padding));
  }
  if (plain) return Ua_User_Name_Token(plain->PolicyId, login.User, login.Password, QByteArray());
  throw EUaError(QStringLiteral("OPC UA server offers no usable user name login"), TUaFailure::Login_Not_Offered);
}

// The certificate proves its key by signing the server's certificate and nonce, as the token's policy signs.
TUaIdentityToken Certificate_Token(const TUaEndpoint& endpoint, const TUaLogin& login,
                                   const QByteArray& server_certificate, const QByteArray& server_nonce) {
  for (const TUaUserTokenPolicy& token : endpoint.UserTokens) {
    if (token.TokenType != uaTokenCertificate) continue;
    const TUaSecurityPolicy* policy = Ua_Policy_Of_Uri(Effective_Policy(token, endpoint));
    if (!policy) continue;
    TUaSignature signature{policy->Asym_Signature_Uri,
                           Ua_Rsa_Sign(login.Key, server_certificate + server_nonce, policy->Asym_Signature)};
    return Ua_X509_Token(token.PolicyId, login.Certificate_Der, signature);
  }
  throw EUaError(QStringLiteral("OPC UA server offers no usable certificate login"), TUaFailure::Login_Not_Offered);
}

}  // namespace

void Ua_Check_Server_Certificate(const TUaEndpoint& endpoint, const TUaSecurityPolicy& policy) {
  const int bits = Ua_Certificate_Key_Bytes(endpoint.ServerCertificate) * 8;
  if (bits < policy.Min_Key_Bits || bits > policy.Max_Key_Bits)
    throw EUaError(QStringLiteral("OPC UA server certificate has no key for this security policy"),
                   TUaFailure::Server_Certificate);
  if (!Ua_Certificate_In_Time(endpoint.ServerCertificate))
    throw EUaError(QStringLiteral("OPC UA server certificate is not valid now"), TUaFailure::Server_Certificate);
  const QByteArray uri = Ua_Certificate_Application_Uri(endpoint.ServerCertificate);
  if (uri.isEmpty() || uri != endpoint.ServerApplicationUri)
    throw EUaError(QStringLiteral("OPC UA server certificate belongs to another application"),
                   TUaFailure::Server_Certificate);
}

TUaIdentityToken Ua_Build_Identity(const TUaEndpoint& endpoint, const TUaLogin& login,
                                   const QByteArray& server_certificate, const QByteArray& server_nonce,
                                   TUaDeadline deadline) {
  if (login.Kind() == TUaLoginKind::Certificate)
    return Certificate_Token(endpoint, login, server_certificate, server_nonce);
  if (!login.Anonymous) return User_Name_Token(endpoint, login, server_certificate, server_nonce, deadline);
  for (const TUaUserTokenPolicy& token : endpoint.UserTokens)
    if (token.TokenType == uaTokenAnonymous) return Ua_Anonymous_Token(token.PolicyId);
  throw EUaError(QStringLiteral("OPC UA server offers no anonymous login"), TUaFailure::Login_Not_Offered);
}
