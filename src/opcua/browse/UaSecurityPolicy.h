#pragma once
// The security policies the client speaks: their URIs, algorithms and key sizes, and the derivation of the
// symmetric keys of a channel from the two nonces.
#include <QByteArray>
#include <cstdint>

enum class TUaHash { Sha1, Sha256 };
enum class TUaRsaPadding { Pkcs1, Oaep_Sha1, Oaep_Sha256 };
enum class TUaRsaSignature { Pkcs1_Sha1, Pkcs1_Sha256, Pss_Sha256 };

struct TUaSecurityPolicy {
  int Code = 0;  // the record's security policy code 1..5
  const char* Uri = "";
  TUaHash Key_Hash = TUaHash::Sha1;  // P_SHA1 or P_SHA256 of the key derivation
  TUaHash Hmac_Hash = TUaHash::Sha1;
  int Signing_Key_Size = 0;     // bytes of the symmetric signing key
  int Encrypting_Key_Size = 0;  // bytes of the AES key
  int Nonce_Size = 0;
  TUaRsaPadding Asym_Padding = TUaRsaPadding::Oaep_Sha1;
  TUaRsaSignature Asym_Signature = TUaRsaSignature::Pkcs1_Sha256;
  const char* Asym_Signature_Uri = "";
  int Min_Key_Bits = 0;
  int Max_Key_Bits = 0;

  int Signature_Size() const { return Hmac_Hash == TUaHash::Sha1 ? 20 : 32; }
};

constexpr int Ua_Aes_Block = 16;

// The policy of a record's code 1..5, or nullptr.
const TUaSecurityPolicy* Ua_Policy_Of_Code(int code);
// The policy of this URI, or nullptr (also for the None policy).
const TUaSecurityPolicy* Ua_Policy_Of_Uri(const QByteArray& uri);

// P_SHA1 / P_SHA256: `length` bytes of the pseudo-random function over secret and seed.
QByteArray Ua_P_Hash(TUaHash hash, const QByteArray& secret, const QByteArray& seed, int length);

struct TUaSymmetricKeys {
  QByteArray Signing;
  QByteArray Encrypting;
  QByteArray Iv;
};
// The keys one side secures its messages with: derived with the other side's nonce as the secret and its own as
// the seed (the client's keys: secret the server nonce, seed the client nonce).
TUaSymmetricKeys Ua_Derive_Keys(const TUaSecurityPolicy& policy, const QByteArray& secret, const QByteArray& seed);
