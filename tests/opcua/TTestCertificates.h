#pragma once
// Certificates of RSA keys for the servers of the tests and the fuzz inputs, also of keys no generator would make.
#include <openssl/evp.h>

#include <QByteArray>
#include <memory>

struct TKeyFree {
  void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
using TTestKey = std::unique_ptr<EVP_PKEY, TKeyFree>;

TTestKey Generated_Rsa_Key(int bits);
// The public key of this modulus (hexadecimal) and exponent 65537, of any size.
TTestKey Public_Rsa_Key(const char* modulus_hex);
// A certificate (DER) for the key of this application (by default the fake server's), signed by a key of sound
// size: the client never checks the signature.
QByteArray Certificate_For(EVP_PKEY* key, const char* application_uri = "urn:fake");

// A certificate (PEM) and its new RSA key (PEM) for this application URI, signed by the CA of these PEM texts and
// naming it as its authority, or self-signed when no CA is given.
struct TTestIdentity {
  QByteArray Certificate_Pem;
  QByteArray Key_Pem;
};
TTestIdentity Issued_Identity(const QByteArray& application_uri, const QByteArray& ca_certificate_pem = {},
                              const QByteArray& ca_key_pem = {});
