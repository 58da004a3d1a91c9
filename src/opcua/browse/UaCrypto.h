#pragma once
// The cryptography of the session: RSA encryption with a server's certificate for the user-name secret of
// ActivateSession, and the random client nonce.
#include <QByteArray>

#include "UaSocket.h"

enum class TUaRsaPadding { Pkcs1, Oaep_Sha1, Oaep_Sha256 };

// The smallest RSA key a password is encrypted with: a smaller one protects nothing, and its tiny blocks would
// make the encryption take one operation per byte.
constexpr int Ua_Min_Rsa_Key_Bits = 1024;

// Encrypts block by block with the public key of the first certificate of a DER chain; raises EUaError when the
// certificate or its key cannot be used (not RSA, or below Ua_Min_Rsa_Key_Bits), or when the deadline passes
// between blocks.
QByteArray Ua_Rsa_Encrypt(const QByteArray& certificate_der, const QByteArray& plain, TUaRsaPadding padding,
                          TUaDeadline deadline = TUaDeadline::max());
// Bytes from the system's cryptographic random source.
QByteArray Ua_Random_Bytes(int count);
