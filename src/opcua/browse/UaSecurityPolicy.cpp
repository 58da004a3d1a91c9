#include "UaSecurityPolicy.h"

#include "UaCrypto.h"

namespace {

const TUaSecurityPolicy Policies[] = {
    {1, "http://opcfoundation.org/UA/SecurityPolicy#Basic128Rsa15", TUaHash::Sha1, TUaHash::Sha1, 16, 16, 16,
     TUaRsaPadding::Pkcs1, TUaRsaSignature::Pkcs1_Sha1, "http://www.w3.org/2000/09/xmldsig#rsa-sha1", 1024, 2048},
    {2, "http://opcfoundation.org/UA/SecurityPolicy#Basic256", TUaHash::Sha1, TUaHash::Sha1, 24, 32, 32,
     TUaRsaPadding::Oaep_Sha1, TUaRsaSignature::Pkcs1_Sha1, "http://www.w3.org/2000/09/xmldsig#rsa-sha1", 1024, 2048},
    {3, "http://opcfoundation.org/UA/SecurityPolicy#Basic256Sha256", TUaHash::Sha256, TUaHash::Sha256, 32, 32, 32,
     TUaRsaPadding::Oaep_Sha1, TUaRsaSignature::Pkcs1_Sha256, "http://www.w3.org/2001/04/xmldsig-more#rsa-sha256",
     2048, 4096},
    {4, "http://opcfoundation.org/UA/SecurityPolicy#Aes128_Sha256_RsaOaep", TUaHash::Sha256, TUaHash::Sha256, 32, 16,
     32, TUaRsaPadding::Oaep_Sha1, TUaRsaSignature::Pkcs1_Sha256, "http://www.w3.org/2001/04/xmldsig-more#rsa-sha256",
     2048, 4096},
    {5, "http://opcfoundation.org/UA/SecurityPolicy#Aes256_Sha256_RsaPss", TUaHash::Sha256, TUaHash::Sha256, 32, 32,
     32, TUaRsaPadding::Oaep_Sha256, TUaRsaSignature::Pss_Sha256,
     "http://opcfoundation.org/UA/security/rsa-pss-sha2-256", 2048, 4096},
};

}  // namespace

const TUaSecurityPolicy* Ua_Policy_Of_Code(int code) {
  for (const TUaSecurityPolicy& p : Policies)
    if (p.Code == code) return &p;
  return nullptr;
}

const TUaSecurityPolicy* Ua_Policy_Of_Uri(const QByteArray& uri) {
  for (const TUaSecurityPolicy& p : Policies)
    if (uri == p.Uri) return &p;
  return nullptr;
}

QByteArray Ua_P_Hash(TUaHash hash, const QByteArray& secret, const QByteArray& seed, int length) {
  QByteArray out;
  QByteArray a = seed;
  while (out.size() < length) {
    a = Ua_Hmac(hash, secret, a);
    out.append(Ua_Hmac(hash, secret, a + seed));
  }
  return out.left(length);
}

TUaSymmetricKeys Ua_Derive_Keys(const TUaSecurityPolicy& policy, const QByteArray& secret, const QByteArray& seed) {
  const int sign = policy.Signing_Key_Size;
  const int encrypt = policy.Encrypting_Key_Size;
  QByteArray bytes = Ua_P_Hash(policy.Key_Hash, secret, seed, sign + encrypt + Ua_Aes_Block);
  return {bytes.left(sign), bytes.mid(sign, encrypt), bytes.mid(sign + encrypt, Ua_Aes_Block)};
}
