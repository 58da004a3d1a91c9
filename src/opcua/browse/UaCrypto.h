#pragma once
// The cryptography of the client over OpenSSL's libcrypto: RSA encryption, decryption, signatures and
// certificates, HMAC, AES-CBC and the random nonces.
#include <QByteArray>
#include <memory>

#include "UaSecurityPolicy.h"
#include "UaSocket.h"

typedef struct evp_pkey_st EVP_PKEY;

// The smallest RSA key a password is encrypted with: a smaller one protects nothing, and its tiny blocks would
// make the encryption take one operation per byte.
constexpr int Ua_Min_Rsa_Key_Bits = 1024;

using TUaKey = std::shared_ptr<EVP_PKEY>;

// Encrypts block by block with the public key of the first certificate of a DER chain; raises EUaError when the
// certificate or its key cannot be used (not RSA, or below Ua_Min_Rsa_Key_Bits), or when the deadline passes
// between blocks.
QByteArray Ua_Rsa_Encrypt(const QByteArray& certificate_der, const QByteArray& plain, TUaRsaPadding padding,
                          TUaDeadline deadline = TUaDeadline::max());
// Decrypts whole blocks of the key's size with the private key; raises EUaError on any block that fails, or when
// the deadline passes between blocks.
QByteArray Ua_Rsa_Decrypt(const TUaKey& key, const QByteArray& cipher, TUaRsaPadding padding,
                          TUaDeadline deadline = TUaDeadline::max());
QByteArray Ua_Rsa_Sign(const TUaKey& key, const QByteArray& data, TUaRsaSignature kind);
bool Ua_Rsa_Verify(const QByteArray& certificate_der, const QByteArray& data, const QByteArray& signature,
                   TUaRsaSignature kind);
// Bytes of a block: the modulus size of the key, or of the certificate's public key (0 when not RSA).
int Ua_Key_Bytes(const TUaKey& key);
int Ua_Certificate_Key_Bytes(const QByteArray& certificate_der);

QByteArray Ua_Hmac(TUaHash hash, const QByteArray& key, const QByteArray& data);
QByteArray Ua_Sha1(const QByteArray& data);
// AES-CBC without padding of its own: the data is a whole number of blocks.
QByteArray Ua_Aes_Cbc(bool encrypt, const QByteArray& key, const QByteArray& iv, const QByteArray& data);

// Bytes from the system's cryptographic random source.
QByteArray Ua_Random_Bytes(int count);

// ---- certificates and keys ----
// A certificate as pasted (PEM) or as bytes (DER) in DER; empty when it is neither.
QByteArray Ua_Certificate_Der(const QByteArray& text);
// A server may send its own certificate followed by its issuers' in one DER blob. Only the first one is the
// server's: it is what a thumbprint names and what two blobs are compared by. A blob that does not begin with a
// certificate is given back as it is.
QByteArray Ua_Leaf_Certificate(const QByteArray& certificate_der);
// The SHA-1 of the first certificate's DER, as a security header names a certificate.
QByteArray Ua_Certificate_Thumbprint(const QByteArray& certificate_der);
bool Ua_Same_Certificate(const QByteArray& a_der, const QByteArray& b_der);
// A private key as pasted (PEM, also encrypted-less PKCS#8) or DER; null when it is neither.
TUaKey Ua_Private_Key(const QByteArray& text);
QByteArray Ua_Private_Key_Pem(const TUaKey& key);
bool Ua_Key_Matches_Certificate(const TUaKey& key, const QByteArray& certificate_der);
// The first URI of the certificate's subject alternative names; empty when it has none.
QByteArray Ua_Certificate_Application_Uri(const QByteArray& certificate_der);
// True while now lies within the certificate's validity period.
bool Ua_Certificate_In_Time(const QByteArray& certificate_der);

struct TUaOwnCertificate {
  QByteArray Der;
  TUaKey Key;
};
// A self-signed application instance certificate of a new RSA key for this application URI and host name.
TUaOwnCertificate Ua_Create_Self_Signed(const QByteArray& application_uri, const QByteArray& common_name, int bits,
                                        int valid_days);
