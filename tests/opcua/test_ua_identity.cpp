// The identity of ActivateSession: which token policy serves a login, and the user-name secret encrypted with the
// server's certificate (decrypted here with the matching private key).
#include <gtest/gtest.h>

#include <openssl/evp.h>
#include <openssl/rsa.h>
#include <openssl/x509.h>
#include "QByteArrayPrint.h"

#include <memory>

#include "TTestCertificates.h"
#include "UaCrypto.h"
#include "UaIdentity.h"

namespace {

const QByteArray Basic256Sha256("http://opcfoundation.org/UA/SecurityPolicy#Basic256Sha256");
const QByteArray Basic128Rsa15("http://opcfoundation.org/UA/SecurityPolicy#Basic128Rsa15");
const QByteArray Aes256RsaPss("http://opcfoundation.org/UA/SecurityPolicy#Aes256_Sha256_RsaPss");

// A throw-away RSA key and a certificate for it, made once for all tests.
struct TServerKey {
  std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> Key{EVP_RSA_gen(2048), EVP_PKEY_free};
  QByteArray Certificate;

  TServerKey() : Certificate(Certificate_For(Key.get(), "urn:test:server")) {}

  QByteArray Decrypt(const QByteArray& cipher, TUaRsaPadding padding) const {
    const int block = EVP_PKEY_get_size(Key.get());
    QByteArray plain;
    for (qsizetype at = 0; at < cipher.size(); at += block) {
      std::unique_ptr<EVP_PKEY_CTX, decltype(&EVP_PKEY_CTX_free)> ctx(EVP_PKEY_CTX_new(Key.get(), nullptr),
                                                                      EVP_PKEY_CTX_free);
      EVP_PKEY_decrypt_init(ctx.get());
      EVP_PKEY_CTX_set_rsa_padding(ctx.get(),
                                   padding == TUaRsaPadding::Pkcs1 ? RSA_PKCS1_PADDING : RSA_PKCS1_OAEP_PADDING);
      if (padding == TUaRsaPadding::Oaep_Sha256) {
        EVP_PKEY_CTX_set_rsa_oaep_md(ctx.get(), EVP_sha256());
        EVP_PKEY_CTX_set_rsa_mgf1_md(ctx.get(), EVP_sha256());
      }
      QByteArray out(block, Qt::Uninitialized);
      size_t length = size_t(block);
      QByteArray part = cipher.mid(at, block);
      if (EVP_PKEY_decrypt(ctx.get(), reinterpret_cast<unsigned char*>(out.data()), &length,
                           reinterpret_cast<const unsigned char*>(part.constData()), size_t(part.size())) <= 0)
        return QByteArray("decryption failed");
      plain += out.left(qsizetype(length));
    }
    return plain;
  }
};

const TServerKey& Server_Key() {
  static const TServerKey key;
  return key;
}

TUaEndpoint Endpoint(std::vector<TUaUserTokenPolicy> tokens) {
  TUaEndpoint e;
  e.ServerApplicationUri = "urn:test:server";
  e.SecurityMode = uaModeNone;
  e.SecurityPolicyUri = Ua_Policy_None_Uri;
  e.UserTokens = std::move(tokens);
  return e;
}

TUaLogin User_Login(const QByteArray& password) {
  TUaLogin login;
  login.Anonymous = false;
  login.User = "operator";
  login.Password = password;
  return login;
}

struct TUserToken {
  QByteArray PolicyId, User, Password, Algorithm;
};

TUserToken Read_User_Token(const TUaIdentityToken& token) {
  EXPECT_EQ(token.Type, TUaNodeId::Num(0, UaId::UserNameIdentityToken));
  TUaReader r(token.Body);
  TUserToken t;
  t.PolicyId = r.String();
  t.User = r.String();
  t.Password = r.ByteString();
  t.Algorithm = r.String();
  EXPECT_EQ(r.Remaining(), 0);
  return t;
}

TEST(UaIdentity, AnonymousUsesTheEndpointsPolicyId) {
  TUaEndpoint e = Endpoint({{"user", uaTokenUserName, {}}, {"anon-1", uaTokenAnonymous, {}}});
  TUaIdentityToken token = Ua_Build_Identity(e, TUaLogin(), {}, {});
  EXPECT_EQ(token.Type, TUaNodeId::Num(0, UaId::AnonymousIdentityToken));
  TUaReader r(token.Body);
  EXPECT_EQ(r.String(), "anon-1");

  EXPECT_THROW(Ua_Build_Identity(Endpoint({{"user", uaTokenUserName, {}}}), TUaLogin(), {}, {}), EUaError);
}

TEST(UaIdentity, PlainPasswordOnlyWhereNoSecurityApplies) {
  for (const QByteArray& policy : {Ua_Policy_None_Uri, QByteArray()}) {
    TUserToken t = Read_User_Token(
        Ua_Build_Identity(Endpoint({{"plain", uaTokenUserName, policy}}), User_Login("pw"), {}, "nonce"));
    EXPECT_EQ(t.PolicyId, "plain");
    EXPECT_EQ(t.User, "operator");
    EXPECT_EQ(t.Password, "pw");
    EXPECT_TRUE(t.Algorithm.isNull());
  }
}

TEST(UaIdentity, EncryptedSecretCarriesLengthPasswordAndNonce) {
  struct TCase {
    const char* Name;
    QByteArray Policy;
    TUaRsaPadding Padding;
    const char* Algorithm;
    QByteArray Password;
  };
  const TCase cases[] = {
      {"Basic256Sha256", Basic256Sha256, TUaRsaPadding::Oaep_Sha1, "http://www.w3.org/2001/04/xmlenc#rsa-oaep", "pw"},
      {"Basic128Rsa15", Basic128Rsa15, TUaRsaPadding::Pkcs1, "http://www.w3.org/2001/04/xmlenc#rsa-1_5", "pw"},
      {"Aes256_Sha256_RsaPss", Aes256RsaPss, TUaRsaPadding::Oaep_Sha256,
       "http://opcfoundation.org/UA/security/rsa-oaep-sha2-256", "pw"},
      {"a password longer than one RSA block", Basic256Sha256, TUaRsaPadding::Oaep_Sha1,
       "http://www.w3.org/2001/04/xmlenc#rsa-oaep", QByteArray(300, 'x')},
  };
  const QByteArray nonce = Ua_Random_Bytes(32);
  for (const TCase& c : cases) {
    // The plain policy is offered too: the protected one is taken.
    TUaEndpoint e = Endpoint({{"plain", uaTokenUserName, Ua_Policy_None_Uri}, {"secret", uaTokenUserName, c.Policy}});
    TUserToken t = Read_User_Token(Ua_Build_Identity(e, User_Login(c.Password), Server_Key().Certificate, nonce));
    EXPECT_EQ(t.PolicyId, "secret") << c.Name;
    EXPECT_EQ(t.Algorithm, c.Algorithm) << c.Name;
    TUaWriter expected;
    expected.UInt32(uint32_t(c.Password.size() + nonce.size()));
    expected.Raw(c.Password + nonce);
    EXPECT_EQ(Server_Key().Decrypt(t.Password, c.Padding).toHex(), expected.Data().toHex()) << c.Name;
  }
}

// A password is encrypted only with a certificate of the application the endpoint names, fit for the policy.
TEST(UaIdentity, PasswordOnlyForTheEndpointsApplication) {
  TUaEndpoint e = Endpoint({{"secret", uaTokenUserName, Basic256Sha256}});
  e.ServerApplicationUri = "urn:somebody:else";
  EXPECT_THROW(Ua_Build_Identity(e, User_Login("pw"), Server_Key().Certificate, "nonce"), EUaError);
  const TUaOwnCertificate small = Ua_Create_Self_Signed("urn:test:server", "small", 1024, 1);
  EXPECT_THROW(Ua_Build_Identity(Endpoint({{"secret", uaTokenUserName, Basic256Sha256}}), User_Login("pw"), small.Der,
                                 "nonce"),
               EUaError);
}

// The certificate login: the token carries the certificate, and its key signs the server's certificate and nonce
// as the token's policy (or else the endpoint's) signs.
TEST(UaIdentity, CertificateTokenIsSignedWithItsKey) {
  const TTestIdentity identity = Issued_Identity("urn:tarn:user");
  TUaLogin login;
  login.Anonymous = false;
  login.Certificate_Der = Ua_Certificate_Der(identity.Certificate_Pem);
  login.Key = Ua_Private_Key(identity.Key_Pem);
  const QByteArray nonce = Ua_Random_Bytes(32);
  struct TCase {
    QByteArray Token_Policy;
    QByteArray Endpoint_Policy;
    const char* Algorithm;
  };
  const TCase cases[] = {
      {Aes256RsaPss, Ua_Policy_None_Uri, "http://opcfoundation.org/UA/security/rsa-pss-sha2-256"},
      {{}, Basic256Sha256, "http://www.w3.org/2001/04/xmldsig-more#rsa-sha256"},
      {Basic128Rsa15, Basic256Sha256, "http://www.w3.org/2000/09/xmldsig#rsa-sha1"},
  };
  for (const TCase& c : cases) {
    TUaEndpoint e = Endpoint({{"anon", uaTokenAnonymous, {}}, {"x509", uaTokenCertificate, c.Token_Policy}});
    e.SecurityPolicyUri = c.Endpoint_Policy;
    const TUaIdentityToken token = Ua_Build_Identity(e, login, Server_Key().Certificate, nonce);
    EXPECT_EQ(token.Type, TUaNodeId::Num(0, UaId::X509IdentityToken));
    TUaReader r(token.Body);
    EXPECT_EQ(r.String(), "x509");
    EXPECT_EQ(r.ByteString(), login.Certificate_Der);
    EXPECT_EQ(token.Signature.Algorithm, c.Algorithm);
    const TUaSecurityPolicy* policy = Ua_Policy_Of_Uri(c.Token_Policy.isEmpty() ? c.Endpoint_Policy : c.Token_Policy);
    EXPECT_TRUE(Ua_Rsa_Verify(login.Certificate_Der, Server_Key().Certificate + nonce, token.Signature.Signature,
                              policy->Asym_Signature))
        << c.Algorithm;
  }
  // No certificate login offered, or only under no policy that signs.
  EXPECT_THROW(Ua_Build_Identity(Endpoint({{"anon", uaTokenAnonymous, {}}}), login, Server_Key().Certificate, nonce),
               EUaError);
  EXPECT_THROW(
      Ua_Build_Identity(Endpoint({{"x509", uaTokenCertificate, {}}}), login, Server_Key().Certificate, nonce),
      EUaError);
}

TEST(UaIdentity, UnusableUserNamePoliciesAreRefused) {
  const QByteArray unknown("http://opcfoundation.org/UA/SecurityPolicy#Unknown");
  EXPECT_THROW(Ua_Build_Identity(Endpoint({{"anon", uaTokenAnonymous, {}}}), User_Login("pw"), {}, {}), EUaError);
  EXPECT_THROW(Ua_Build_Identity(Endpoint({{"u", uaTokenUserName, unknown}}), User_Login("pw"), {}, {}), EUaError);
  // A secured policy with a certificate that holds no usable key.
  EXPECT_THROW(Ua_Build_Identity(Endpoint({{"u", uaTokenUserName, Basic256Sha256}}), User_Login("pw"),
                                 QByteArray("not a certificate"), "nonce"),
               EUaError);
}

}  // namespace
