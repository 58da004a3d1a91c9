#pragma once
// The cryptography of the session: RSA encryption with a server's certificate for the user-name secret of
// ActivateSession, and the random client nonce.
#include <QByteArray>

enum class TUaRsaPadding { Pkcs1, Oaep_Sha1, Oaep_Sha256 };

// Encrypts block by block with the public key of the first certificate of a DER chain; raises EUaError when the
// certificate or its key cannot be used.
QByteArray Ua_Rsa_Encrypt(const QByteArray& certificate_der, const QByteArray& plain, TUaRsaPadding padding);
// Bytes from the system's cryptographic random source.
QByteArray Ua_Random_Bytes(int count);
