#include "UaChunkSecurity.h"

#include <openssl/crypto.h>

#include "UaBinary.h"
#include "UaTransport.h"

namespace {

constexpr qsizetype Header_Size = 8;
constexpr qsizetype Sequence_Header_Size = 8;
// An RSA key above 2048 bits has blocks whose padding may not fit one size byte.
constexpr int Largest_Single_Byte_Padding_Key = 256;

int Asym_Overhead(TUaRsaPadding padding) {
  switch (padding) {
    case TUaRsaPadding::Pkcs1:
      return 11;
    case TUaRsaPadding::Oaep_Sha1:
      return 42;
    case TUaRsaPadding::Oaep_Sha256:
      return 66;
  }
  return 0;
}

EUaError Bad_Chunk() {
  return EUaError(QStringLiteral("OPC UA message failed its security check"));
}

bool Encrypts(const TUaChannelSecurity& security) {
  return security.Mode == uaModeSignAndEncrypt;
}

}  // namespace

QByteArray Ua_Chunk_Padding(qsizetype content, int signature_size, int block, bool extra_size_byte) {
  const int fixed = 1 + (extra_size_byte ? 1 : 0);
  const int count = int((block - (content + fixed + signature_size) % block) % block);
  QByteArray padding(count + 1, char(count & 0xFF));
  if (extra_size_byte) padding.append(char(count >> 8));
  return padding;
}

bool Ua_Strip_Padding(QByteArray& plain, bool extra_size_byte) {
  const qsizetype fixed = extra_size_byte ? 2 : 1;
  if (plain.size() < fixed) return false;
  const uint8_t low = uint8_t(plain.at(plain.size() - fixed));
  const qsizetype count = low + (extra_size_byte ? qsizetype(uint8_t(plain.back())) << 8 : 0);
  const qsizetype start = plain.size() - fixed - count;
  if (start < 0) return false;
  for (qsizetype i = start; i < plain.size() - fixed + 1; ++i)
    if (uint8_t(plain.at(i)) != low) return false;
  plain.truncate(start);
  return true;
}

QByteArray Ua_Seal_Asymmetric(const TUaChannelSecurity& security, const char* type, char chunk_type,
                              const QByteArray& head, const QByteArray& plain) {
  const TUaSecurityPolicy& policy = *security.Policy;
  const int cipher_block = Ua_Certificate_Key_Bytes(security.Server_Certificate);
  const int plain_block = cipher_block - Asym_Overhead(policy.Asym_Padding);
  const int signature_size = Ua_Key_Bytes(security.Client_Key);
  if (plain_block <= 0 || signature_size <= 0) throw EUaError(QStringLiteral("OPC UA certificates cannot secure"));
  QByteArray padded = plain + Ua_Chunk_Padding(plain.size(), signature_size, plain_block,
                                               cipher_block > Largest_Single_Byte_Padding_Key);
  const qsizetype cipher_size = (padded.size() + signature_size) / plain_block * cipher_block;
  const QByteArray header = Ua_Chunk_Header(type, chunk_type, uint32_t(Header_Size + head.size() + cipher_size));
  const QByteArray signature = Ua_Rsa_Sign(security.Client_Key, header + head + padded, policy.Asym_Signature);
  return header + head + Ua_Rsa_Encrypt(security.Server_Certificate, padded + signature, policy.Asym_Padding);
}

QByteArray Ua_Open_Asymmetric(const TUaChannelSecurity& security, const QByteArray& header, const QByteArray& head,
                              const QByteArray& rest, TUaDeadline deadline) {
  const TUaSecurityPolicy& policy = *security.Policy;
  const int own_block = Ua_Key_Bytes(security.Client_Key);
  const int signature_size = Ua_Certificate_Key_Bytes(security.Server_Certificate);
  if (own_block <= 0 || rest.isEmpty() || rest.size() % own_block != 0) throw Bad_Chunk();
  QByteArray plain = Ua_Rsa_Decrypt(security.Client_Key, rest, policy.Asym_Padding, deadline);
  if (plain.size() < signature_size + Sequence_Header_Size) throw Bad_Chunk();
  const QByteArray signature = plain.right(signature_size);
  plain.chop(signature_size);
  if (!Ua_Rsa_Verify(security.Server_Certificate, header + head + plain, signature, policy.Asym_Signature))
    throw Bad_Chunk();
  if (!Ua_Strip_Padding(plain, own_block > Largest_Single_Byte_Padding_Key) || plain.size() < Sequence_Header_Size)
    throw Bad_Chunk();
  return plain;
}

qsizetype Ua_Symmetric_Room(const TUaChannelSecurity& security, qsizetype chunk_size, qsizetype head_size) {
  const qsizetype signature = security.Policy->Signature_Size();
  if (!Encrypts(security)) return chunk_size - Header_Size - head_size - signature;
  return (chunk_size - Header_Size - head_size) / Ua_Aes_Block * Ua_Aes_Block - signature - 1;
}

QByteArray Ua_Seal_Symmetric(const TUaChannelSecurity& security, const TUaSymmetricKeys& keys, const char* type,
                             char chunk_type, const QByteArray& head, const QByteArray& plain) {
  const TUaSecurityPolicy& policy = *security.Policy;
  const int signature_size = policy.Signature_Size();
  const QByteArray padded =
      Encrypts(security) ? plain + Ua_Chunk_Padding(plain.size(), signature_size, Ua_Aes_Block, false) : plain;
  const QByteArray header =
      Ua_Chunk_Header(type, chunk_type, uint32_t(Header_Size + head.size() + padded.size() + signature_size));
  const QByteArray signed_part = padded + Ua_Hmac(policy.Hmac_Hash, keys.Signing, header + head + padded);
  if (!Encrypts(security)) return header + head + signed_part;
  return header + head + Ua_Aes_Cbc(true, keys.Encrypting, keys.Iv, signed_part);
}

QByteArray Ua_Open_Symmetric(const TUaChannelSecurity& security, const TUaSymmetricKeys& keys,
                             const QByteArray& header, const QByteArray& head, const QByteArray& rest) {
  const TUaSecurityPolicy& policy = *security.Policy;
  const int signature_size = policy.Signature_Size();
  if (Encrypts(security) && rest.size() % Ua_Aes_Block != 0) throw Bad_Chunk();
  QByteArray plain = Encrypts(security) ? Ua_Aes_Cbc(false, keys.Encrypting, keys.Iv, rest) : rest;
  if (plain.size() < signature_size + Sequence_Header_Size) throw Bad_Chunk();
  const QByteArray signature = plain.right(signature_size);
  plain.chop(signature_size);
  const QByteArray expected = Ua_Hmac(policy.Hmac_Hash, keys.Signing, header + head + plain);
  if (CRYPTO_memcmp(expected.constData(), signature.constData(), size_t(signature_size)) != 0) throw Bad_Chunk();
  if (Encrypts(security) && !Ua_Strip_Padding(plain, false)) throw Bad_Chunk();
  if (plain.size() < Sequence_Header_Size) throw Bad_Chunk();
  return plain;
}
