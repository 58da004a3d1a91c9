#include "UaIdentity.h"

#include "UaCrypto.h"

namespace {

struct TSecretPolicy {
  const char* Uri;
  TUaRsaPadding Padding;
  const char* Algorithm;
};

const char Rsa15[] = "http://www.w3.org/2001/04/xmlenc#rsa-1_5";
const char RsaOaep[] = "http://www.w3.org/2001/04/xmlenc#rsa-oaep";
const char RsaOaepSha256[] = "http://opcfoundation.org/UA/security/rsa-oaep-sha2-256";

const TSecretPolicy Secret_Policies[] = {
    {"http://opcfoundation.org/UA/SecurityPolicy#Basic128Rsa15", TUaRsaPadding::Pkcs1, Rsa15},
    {"http://opcfoundation.org/UA/SecurityPolicy#Basic256", TUaRsaPadding::Oaep_Sha1, RsaOaep},
    {"http://opcfoundation.org/UA/SecurityPolicy#Basic256Sha256", TUaRsaPadding::Oaep_Sha1, RsaOaep},
    {"http://opcfoundation.org/UA/SecurityPolicy#Aes128_Sha256_RsaOaep", TUaRsaPadding::Oaep_Sha1, RsaOaep},
    {"http://opcfoundation.org/UA/SecurityPolicy#Aes256_Sha256_RsaPss", TUaRsaPadding::Oaep_Sha256, RsaOaepSha256},
};

const TSecretPolicy* Find_Secret_Policy(const QByteArray& uri) {
  for (const TSecretPolicy& p : Secret_Policies)
    if (uri == p.Uri) return &p;
  return nullptr;
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
  const TSecretPolicy* secret = nullptr;
  for (const TUaUserTokenPolicy& token : endpoint.UserTokens) {
    if (token.TokenType != uaTokenUserName) continue;
    QByteArray policy = Effective_Policy(token, endpoint);
    if (policy == Ua_Policy_None_Uri) {
      if (!plain) plain = &token;
    } else if (!secured && Find_Secret_Policy(policy)) {
      secured = &token;
      secret = Find_Secret_Policy(policy);
    }
  }
  // A protected password is preferred whenever the server offers one.
  if (secured) {
    if (server_nonce.size() > Ua_Max_Nonce_Bytes) throw EUaError(QStringLiteral("OPC UA server nonce too long"));
    TUaWriter data;
    data.UInt32(uint32_t(login.Password.size() + server_nonce.size()));
    data.Raw(login.Password);
    data.Raw(server_nonce);
    QByteArray cipher = Ua_Rsa_Encrypt(server_certificate, data.Data(), secret->Padding, deadline);
    return Ua_User_Name_Token(secured->PolicyId, login.User, cipher, secret->Algorithm);
  }
  if (plain) return Ua_User_Name_Token(plain->PolicyId, login.User, login.Password, QByteArray());
  throw EUaError(QStringLiteral("OPC UA server offers no usable user name login"));
}

}  // namespace

TUaIdentityToken Ua_Build_Identity(const TUaEndpoint& endpoint, const TUaLogin& login,
                                   const QByteArray& server_certificate, const QByteArray& server_nonce,
                                   TUaDeadline deadline) {
  if (!login.Anonymous) return User_Name_Token(endpoint, login, server_certificate, server_nonce, deadline);
  for (const TUaUserTokenPolicy& token : endpoint.UserTokens)
    if (token.TokenType == uaTokenAnonymous) return Ua_Anonymous_Token(token.PolicyId);
  throw EUaError(QStringLiteral("OPC UA server offers no anonymous login"));
}
