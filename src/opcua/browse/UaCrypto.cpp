#include "UaCrypto.h"

#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/rsa.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include "UaBinary.h"

namespace {

struct TX509Free {
  void operator()(X509* x) const { X509_free(x); }
};
struct TKeyCtxFree {
  void operator()(EVP_PKEY_CTX* c) const { EVP_PKEY_CTX_free(c); }
};
struct TMdCtxFree {
  void operator()(EVP_MD_CTX* c) const { EVP_MD_CTX_free(c); }
};
struct TCipherCtxFree {
  void operator()(EVP_CIPHER_CTX* c) const { EVP_CIPHER_CTX_free(c); }
};
struct TBioFree {
  void operator()(BIO* b) const { BIO_free(b); }
};
struct TNamesFree {
  void operator()(GENERAL_NAMES* n) const { GENERAL_NAMES_free(n); }
};
using TX509 = std::unique_ptr<X509, TX509Free>;
using TKeyCtx = std::unique_ptr<EVP_PKEY_CTX, TKeyCtxFree>;

const unsigned char* Bytes(const QByteArray& data) {
  return reinterpret_cast<const unsigned char*>(data.constData());
}
unsigned char* Bytes(QByteArray& data) {
  return reinterpret_cast<unsigned char*>(data.data());
}

EUaError Crypto_Error(const char* what) {
  return EUaError(QStringLiteral("OPC UA %1 failed").arg(QLatin1String(what)));
}

TX509 Parse_Der(const QByteArray& der) {
  const unsigned char* p = Bytes(der);
  return TX509(d2i_X509(nullptr, &p, long(der.size())));
}

// The RSA public key of a certificate, or null.
EVP_PKEY* Rsa_Public_Key(X509* cert) {
  EVP_PKEY* key = cert ? X509_get0_pubkey(cert) : nullptr;
  return key && EVP_PKEY_get_base_id(key) == EVP_PKEY_RSA ? key : nullptr;
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
  if (!ok) throw Crypto_Error("RSA padding");
}

const EVP_MD* Signature_Digest(TUaRsaSignature kind) {
  return kind == TUaRsaSignature::Pkcs1_Sha1 ? EVP_sha1() : EVP_sha256();
}

bool Set_Signature_Padding(EVP_PKEY_CTX* ctx, TUaRsaSignature kind) {
  if (kind != TUaRsaSignature::Pss_Sha256) return EVP_PKEY_CTX_set_rsa_padding(ctx, RSA_PKCS1_PADDING) > 0;
  // The salt is as long as the digest.
  return EVP_PKEY_CTX_set_rsa_padding(ctx, RSA_PKCS1_PSS_PADDING) > 0 &&
         EVP_PKEY_CTX_set_rsa_pss_saltlen(ctx, RSA_PSS_SALTLEN_DIGEST) > 0 &&
         EVP_PKEY_CTX_set_rsa_mgf1_md(ctx, EVP_sha256()) > 0;
}

}  // namespace

QByteArray Ua_Rsa_Encrypt(const QByteArray& certificate_der, const QByteArray& plain, TUaRsaPadding padding,
                          TUaDeadline deadline) {
  TX509 cert = Parse_Der(certificate_der);
  EVP_PKEY* key = Rsa_Public_Key(cert.get());
  if (!key || EVP_PKEY_get_bits(key) < Ua_Min_Rsa_Key_Bits)
    throw EUaError(QStringLiteral("OPC UA server certificate cannot be used to encrypt"),
                   TUaFailure::Server_Certificate);
  const int key_size = EVP_PKEY_get_size(key);
  const int block = key_size - Padding_Overhead(padding);
  if (block <= 0) throw Crypto_Error("RSA encryption");

  QByteArray out;
  for (qsizetype at = 0; at < plain.size(); at += block) {
    if (TUaClock::now() >= deadline)
      throw EUaError(QStringLiteral("OPC UA encryption ran out of time"), TUaFailure::No_Answer);
    TKeyCtx ctx(EVP_PKEY_CTX_new(key, nullptr));
    if (!ctx || EVP_PKEY_encrypt_init(ctx.get()) <= 0) throw Crypto_Error("RSA encryption");
    Set_Padding(ctx.get(), padding);
    QByteArray part = plain.mid(at, block);
    QByteArray cipher(key_size, Qt::Uninitialized);
    size_t length = size_t(cipher.size());
    if (EVP_PKEY_encrypt(ctx.get(), Bytes(cipher), &length, Bytes(part), size_t(part.size())) <= 0)
      throw Crypto_Error("RSA encryption");
    out.append(cipher.left(qsizetype(length)));
  }
  return out;
}

QByteArray Ua_Rsa_Decrypt(const TUaKey& key, const QByteArray& cipher, TUaRsaPadding padding, TUaDeadline deadline) {
  const int block = Ua_Key_Bytes(key);
  if (block <= 0 || cipher.size() % block != 0) throw Crypto_Error("RSA decryption");
  QByteArray out;
  for (qsizetype at = 0; at < cipher.size(); at += block) {
    if (TUaClock::now() >= deadline)
      throw EUaError(QStringLiteral("OPC UA decryption ran out of time"), TUaFailure::No_Answer);
    TKeyCtx ctx(EVP_PKEY_CTX_new(key.get(), nullptr));
    if (!ctx || EVP_PKEY_decrypt_init(ctx.get()) <= 0) throw Crypto_Error("RSA decryption");
    Set_Padding(ctx.get(), padding);
    QByteArray part = cipher.mid(at, block);
    QByteArray plain(block, Qt::Uninitialized);
    size_t length = size_t(plain.size());
    if (EVP_PKEY_decrypt(ctx.get(), Bytes(plain), &length, Bytes(part), size_t(part.size())) <= 0)
      throw Crypto_Error("RSA decryption");
    out.append(plain.left(qsizetype(length)));
  }
  return out;
}

QByteArray Ua_Rsa_Sign(const TUaKey& key, const QByteArray& data, TUaRsaSignature kind) {
  std::unique_ptr<EVP_MD_CTX, TMdCtxFree> md(EVP_MD_CTX_new());
  EVP_PKEY_CTX* ctx = nullptr;
  if (!md || !key || EVP_DigestSignInit(md.get(), &ctx, Signature_Digest(kind), nullptr, key.get()) <= 0 ||
      !Set_Signature_Padding(ctx, kind))
    throw Crypto_Error("RSA signature");
  size_t length = 0;
  if (EVP_DigestSign(md.get(), nullptr, &length, Bytes(data), size_t(data.size())) <= 0)
    throw Crypto_Error("RSA signature");
  QByteArray out(qsizetype(length), Qt::Uninitialized);
  if (EVP_DigestSign(md.get(), Bytes(out), &length, Bytes(data), size_t(data.size())) <= 0)
    throw Crypto_Error("RSA signature");
  return out.left(qsizetype(length));
}

bool Ua_Rsa_Verify(const QByteArray& certificate_der, const QByteArray& data, const QByteArray& signature,
                   TUaRsaSignature kind) {
  TX509 cert = Parse_Der(certificate_der);
  EVP_PKEY* key = Rsa_Public_Key(cert.get());
  std::unique_ptr<EVP_MD_CTX, TMdCtxFree> md(EVP_MD_CTX_new());
  EVP_PKEY_CTX* ctx = nullptr;
  if (!key || !md || EVP_DigestVerifyInit(md.get(), &ctx, Signature_Digest(kind), nullptr, key) <= 0 ||
      !Set_Signature_Padding(ctx, kind))
    return false;
  return EVP_DigestVerify(md.get(), Bytes(signature), size_t(signature.size()), Bytes(data), size_t(data.size())) ==
         1;
}

int Ua_Key_Bytes(const TUaKey& key) {
  return key && EVP_PKEY_get_base_id(key.get()) == EVP_PKEY_RSA ? EVP_PKEY_get_size(key.get()) : 0;
}

int Ua_Certificate_Key_Bytes(const QByteArray& certificate_der) {
  TX509 cert = Parse_Der(certificate_der);
  EVP_PKEY* key = Rsa_Public_Key(cert.get());
  return key ? EVP_PKEY_get_size(key) : 0;
}

QByteArray Ua_Hmac(TUaHash hash, const QByteArray& key, const QByteArray& data) {
  unsigned char out[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  if (!HMAC(hash == TUaHash::Sha1 ? EVP_sha1() : EVP_sha256(), key.constData(), int(key.size()), Bytes(data),
            size_t(data.size()), out, &length))
    throw Crypto_Error("HMAC");
  return QByteArray(reinterpret_cast<const char*>(out), int(length));
}

QByteArray Ua_Sha1(const QByteArray& data) {
  unsigned char out[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  if (EVP_Digest(data.constData(), size_t(data.size()), out, &length, EVP_sha1(), nullptr) != 1)
    throw Crypto_Error("SHA-1");
  return QByteArray(reinterpret_cast<const char*>(out), int(length));
}

QByteArray Ua_Aes_Cbc(bool encrypt, const QByteArray& key, const QByteArray& iv, const QByteArray& data) {
  const EVP_CIPHER* cipher = key.size() == 16 ? EVP_aes_128_cbc() : key.size() == 32 ? EVP_aes_256_cbc() : nullptr;
  if (!cipher || iv.size() != Ua_Aes_Block || data.size() % Ua_Aes_Block != 0) throw Crypto_Error("AES");
  std::unique_ptr<EVP_CIPHER_CTX, TCipherCtxFree> ctx(EVP_CIPHER_CTX_new());
  QByteArray out(data.size() + Ua_Aes_Block, Qt::Uninitialized);
  int length = 0;
  int last = 0;
  if (!ctx || EVP_CipherInit_ex(ctx.get(), cipher, nullptr, Bytes(key), Bytes(iv), encrypt ? 1 : 0) != 1 ||
      EVP_CIPHER_CTX_set_padding(ctx.get(), 0) != 1 ||
      EVP_CipherUpdate(ctx.get(), Bytes(out), &length, Bytes(data), int(data.size())) != 1 ||
      EVP_CipherFinal_ex(ctx.get(), Bytes(out) + length, &last) != 1)
    throw Crypto_Error("AES");
  return out.left(length + last);
}

QByteArray Ua_Random_Bytes(int count) {
  QByteArray out(count, Qt::Uninitialized);
  if (RAND_bytes(Bytes(out), count) != 1) throw EUaError(QStringLiteral("no random source for the OPC UA session"));
  return out;
}

// ---- certificates and keys ----

QByteArray Ua_Certificate_Der(const QByteArray& text) {
  const QByteArray trimmed = text.trimmed();
  if (trimmed.startsWith("-----BEGIN")) {
    std::unique_ptr<BIO, TBioFree> bio(BIO_new_mem_buf(trimmed.constData(), int(trimmed.size())));
    TX509 cert(bio ? PEM_read_bio_X509(bio.get(), nullptr, nullptr, nullptr) : nullptr);
    if (!cert) return QByteArray();
    unsigned char* der = nullptr;
    int length = i2d_X509(cert.get(), &der);
    if (length <= 0) return QByteArray();
    QByteArray out(reinterpret_cast<const char*>(der), length);
    OPENSSL_free(der);
    return out;
  }
  return Parse_Der(text) ? text : QByteArray();
}

QByteArray Ua_Leaf_Certificate(const QByteArray& certificate_der) {
  const unsigned char* start = Bytes(certificate_der);
  const unsigned char* end = start;
  TX509 cert(d2i_X509(nullptr, &end, long(certificate_der.size())));
  return cert ? certificate_der.left(qsizetype(end - start)) : certificate_der;
}

QByteArray Ua_Certificate_Thumbprint(const QByteArray& certificate_der) {
  return Ua_Sha1(Ua_Leaf_Certificate(certificate_der));
}

bool Ua_Same_Certificate(const QByteArray& a_der, const QByteArray& b_der) {
  return Ua_Leaf_Certificate(a_der) == Ua_Leaf_Certificate(b_der);
}

TUaKey Ua_Private_Key(const QByteArray& text) {
  const QByteArray trimmed = text.trimmed();
  EVP_PKEY* key = nullptr;
  if (trimmed.startsWith("-----BEGIN")) {
    std::unique_ptr<BIO, TBioFree> bio(BIO_new_mem_buf(trimmed.constData(), int(trimmed.size())));
    // No pass phrase can be asked for: an encrypted key is refused rather than prompted for on a terminal.
    if (bio)
      key = PEM_read_bio_PrivateKey(
          bio.get(), nullptr, [](char*, int, int, void*) { return 0; }, nullptr);
  } else {
    const unsigned char* p = Bytes(text);
    key = d2i_AutoPrivateKey(nullptr, &p, long(text.size()));
  }
  if (key && EVP_PKEY_get_base_id(key) != EVP_PKEY_RSA) {
    EVP_PKEY_free(key);
    key = nullptr;
  }
  return TUaKey(key, EVP_PKEY_free);
}

QByteArray Ua_Private_Key_Pem(const TUaKey& key) {
  std::unique_ptr<BIO, TBioFree> bio(BIO_new(BIO_s_mem()));
  if (!bio || !key || PEM_write_bio_PrivateKey(bio.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr) != 1)
    throw Crypto_Error("key export");
  char* data = nullptr;
  long length = BIO_get_mem_data(bio.get(), &data);
  return QByteArray(data, qsizetype(length));
}

bool Ua_Key_Matches_Certificate(const TUaKey& key, const QByteArray& certificate_der) {
  TX509 cert = Parse_Der(certificate_der);
  EVP_PKEY* public_key = Rsa_Public_Key(cert.get());
  return key && public_key && EVP_PKEY_eq(key.get(), public_key) == 1;
}

QByteArray Ua_Certificate_Application_Uri(const QByteArray& certificate_der) {
  TX509 cert = Parse_Der(certificate_der);
  if (!cert) return QByteArray();
  std::unique_ptr<GENERAL_NAMES, TNamesFree> names(
      static_cast<GENERAL_NAMES*>(X509_get_ext_d2i(cert.get(), NID_subject_alt_name, nullptr, nullptr)));
  if (!names) return QByteArray();
  for (int i = 0; i < sk_GENERAL_NAME_num(names.get()); ++i) {
    const GENERAL_NAME* name = sk_GENERAL_NAME_value(names.get(), i);
    if (name->type != GEN_URI) continue;
    const ASN1_IA5STRING* uri = name->d.uniformResourceIdentifier;
    return QByteArray(reinterpret_cast<const char*>(ASN1_STRING_get0_data(uri)), ASN1_STRING_length(uri));
  }
  return QByteArray();
}

bool Ua_Certificate_In_Time(const QByteArray& certificate_der) {
  TX509 cert = Parse_Der(certificate_der);
  return cert && X509_cmp_current_time(X509_get0_notBefore(cert.get())) < 0 &&
         X509_cmp_current_time(X509_get0_notAfter(cert.get())) > 0;
}

namespace {

bool Add_Extension(X509* cert, int nid, const char* value) {
  X509V3_CTX ctx;
  X509V3_set_ctx_nodb(&ctx);
  X509V3_set_ctx(&ctx, cert, cert, nullptr, nullptr, 0);
  X509_EXTENSION* ext = X509V3_EXT_conf_nid(nullptr, &ctx, nid, value);
  if (!ext) return false;
  bool ok = X509_add_ext(cert, ext, -1) == 1;
  X509_EXTENSION_free(ext);
  return ok;
}

}  // namespace

TUaOwnCertificate Ua_Create_Self_Signed(const QByteArray& application_uri, const QByteArray& common_name, int bits,
                                        int valid_days) {
  TUaKey key(EVP_RSA_gen(unsigned(bits)), EVP_PKEY_free);
  TX509 cert(X509_new());
  if (!key || !cert) throw Crypto_Error("certificate creation");
  QByteArray serial = Ua_Random_Bytes(16);
  serial[0] = char(serial[0] & 0x7F);
  BIGNUM* number = BN_bin2bn(Bytes(serial), int(serial.size()), nullptr);
  X509_NAME* name = X509_get_subject_name(cert.get());
  const QByteArray alt_name = "URI:" + application_uri;
  bool ok = number && X509_set_version(cert.get(), 2) == 1 &&
            BN_to_ASN1_INTEGER(number, X509_get_serialNumber(cert.get())) &&
            X509_gmtime_adj(X509_getm_notBefore(cert.get()), -24 * 3600) &&
            X509_gmtime_adj(X509_getm_notAfter(cert.get()), long(valid_days) * 24 * 3600) &&
            X509_set_pubkey(cert.get(), key.get()) == 1 &&
            X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_UTF8, Bytes(common_name), int(common_name.size()), -1,
                                       0) == 1 &&
            X509_set_issuer_name(cert.get(), name) == 1 &&
            Add_Extension(cert.get(), NID_basic_constraints, "critical,CA:FALSE") &&
            Add_Extension(cert.get(), NID_key_usage,
                          "critical,digitalSignature,nonRepudiation,keyEncipherment,dataEncipherment") &&
            Add_Extension(cert.get(), NID_ext_key_usage, "clientAuth,serverAuth") &&
            Add_Extension(cert.get(), NID_subject_key_identifier, "hash") &&
            Add_Extension(cert.get(), NID_subject_alt_name, alt_name.constData()) &&
            X509_sign(cert.get(), key.get(), EVP_sha256()) > 0;
  BN_free(number);
  if (!ok) throw Crypto_Error("certificate creation");
  unsigned char* der = nullptr;
  int length = i2d_X509(cert.get(), &der);
  if (length <= 0) throw Crypto_Error("certificate creation");
  TUaOwnCertificate out{QByteArray(reinterpret_cast<const char*>(der), length), key};
  OPENSSL_free(der);
  return out;
}
