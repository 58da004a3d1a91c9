#include "UaCrypto.h"

#include <openssl/evp.h>
#include <openssl/rand.h>
#include <openssl/rsa.h>
#include <openssl/x509.h>

#include <memory>

#include "UaBinary.h"

namespace {

struct TX509Free {
  void operator()(X509* x) const { X509_free(x); }
};
struct TKeyCtxFree {
  void operator()(EVP_PKEY_CTX* c) const { EVP_PKEY_CTX_free(c); }
};

EUaError Crypto_Error() {
  return EUaError(QStringLiteral("OPC UA server certificate cannot encrypt the password"));
}

int Padding_Overhead(TUaRsaPadding padding) {
  switch (padding) {
    case TUaRsaPadding::Pkcs1:
      return 11;
    case TUaRsaPadding::Oaep_Sha1:
      return 2 * 20 + 2;
    case TUaRsaPadding::Oaep_Sha256:
      return 2 * 32 + 2;
  }
  return 0;
}

void Set_Padding(EVP_PKEY_CTX* ctx, TUaRsaPadding padding) {
  bool ok = EVP_PKEY_CTX_set_rsa_padding(
                ctx, padding == TUaRsaPadding::Pkcs1 ? RSA_PKCS1_PADDING : RSA_PKCS1_OAEP_PADDING) > 0;
  if (ok && padding == TUaRsaPadding::Oaep_Sha256)
    ok = EVP_PKEY_CTX_set_rsa_oaep_md(ctx, EVP_sha256()) > 0 && EVP_PKEY_CTX_set_rsa_mgf1_md(ctx, EVP_sha256()) > 0;
  if (!ok) throw Crypto_Error();
}

}  // namespace

QByteArray Ua_Rsa_Encrypt(const QByteArray& certificate_der, const QByteArray& plain, TUaRsaPadding padding,
                          TUaDeadline deadline) {
  const auto* p = reinterpret_cast<const unsigned char*>(certificate_der.constData());
  std::unique_ptr<X509, TX509Free> cert(d2i_X509(nullptr, &p, long(certificate_der.size())));
  if (!cert) throw Crypto_Error();
  EVP_PKEY* key = X509_get0_pubkey(cert.get());
  if (!key || EVP_PKEY_get_base_id(key) != EVP_PKEY_RSA || EVP_PKEY_get_bits(key) < Ua_Min_Rsa_Key_Bits)
    throw Crypto_Error();
  const int key_size = EVP_PKEY_get_size(key);
  const int block = key_size - Padding_Overhead(padding);
  if (block <= 0) throw Crypto_Error();

  QByteArray out;
  for (qsizetype at = 0; at < plain.size(); at += block) {
    if (TUaClock::now() >= deadline) throw EUaError(QStringLiteral("OPC UA password encryption ran out of time"));
    std::unique_ptr<EVP_PKEY_CTX, TKeyCtxFree> ctx(EVP_PKEY_CTX_new(key, nullptr));
    if (!ctx || EVP_PKEY_encrypt_init(ctx.get()) <= 0) throw Crypto_Error();
    Set_Padding(ctx.get(), padding);
    QByteArray part = plain.mid(at, block);
    QByteArray cipher(key_size, Qt::Uninitialized);
    size_t length = size_t(cipher.size());
    if (EVP_PKEY_encrypt(ctx.get(), reinterpret_cast<unsigned char*>(cipher.data()), &length,
                         reinterpret_cast<const unsigned char*>(part.constData()), size_t(part.size())) <= 0)
      throw Crypto_Error();
    out.append(cipher.left(qsizetype(length)));
  }
  return out;
}

QByteArray Ua_Random_Bytes(int count) {
  QByteArray out(count, Qt::Uninitialized);
  if (RAND_bytes(reinterpret_cast<unsigned char*>(out.data()), count) != 1)
    throw EUaError(QStringLiteral("no random source for the OPC UA session"));
  return out;
}
