#pragma once
// The protection of one chunk: asymmetric (OpenSecureChannel: RSA with the two certificates) or symmetric (every
// other message: HMAC and AES with the keys derived from the nonces), and the padding both use.
#include <QByteArray>
#include <cstdint>

#include "UaCrypto.h"
#include "UaMessages.h"

// What protects the channel. Without a policy the channel runs with security None.
struct TUaChannelSecurity {
  const TUaSecurityPolicy* Policy = nullptr;
  int32_t Mode = uaModeNone;
  QByteArray Client_Certificate;  // DER
  TUaKey Client_Key;
  QByteArray Server_Certificate;  // DER, the one checked against the endpoint

  bool Secured() const { return Policy != nullptr && Mode != uaModeNone; }
};

struct TUaChannelKeys {
  TUaSymmetricKeys Client;  // what the client sends with
  TUaSymmetricKeys Server;  // what the server's messages are checked and decrypted with
};

// The padding that makes content + padding + signature a whole number of blocks: a size byte, that many bytes of
// the same value, and (for an encryption key above 2048 bits) a second size byte.
QByteArray Ua_Chunk_Padding(qsizetype content, int signature_size, int block, bool extra_size_byte);
// Removes the padding from the end of plain (signature already cut off); false when it is malformed.
bool Ua_Strip_Padding(QByteArray& plain, bool extra_size_byte);

// The whole chunk (header included) of an asymmetric message. `head` is the channel id and the security header;
// `plain` the sequence header and body.
QByteArray Ua_Seal_Asymmetric(const TUaChannelSecurity& security, const char* type, char chunk_type,
                              const QByteArray& head, const QByteArray& plain);
// Checks and opens what follows `head` in an asymmetric chunk; returns the sequence header and body. Raises EUaError
// when it does not decrypt, its signature is bad, its padding is malformed or the deadline passes while it decrypts.
QByteArray Ua_Open_Asymmetric(const TUaChannelSecurity& security, const QByteArray& header, const QByteArray& head,
                              const QByteArray& rest, TUaDeadline deadline = TUaDeadline::max());
// Room for the sequence header and body in one symmetric chunk of chunk_size bytes after `head_size` bytes.
qsizetype Ua_Symmetric_Room(const TUaChannelSecurity& security, qsizetype chunk_size, qsizetype head_size);
QByteArray Ua_Seal_Symmetric(const TUaChannelSecurity& security, const TUaSymmetricKeys& keys, const char* type,
                             char chunk_type, const QByteArray& head, const QByteArray& plain);
QByteArray Ua_Open_Symmetric(const TUaChannelSecurity& security, const TUaSymmetricKeys& keys,
                             const QByteArray& header, const QByteArray& head, const QByteArray& rest);
