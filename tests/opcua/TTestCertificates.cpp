#include "TTestCertificates.h"

#include <ctime>

#include <openssl/bio.h>
#include <openssl/core_names.h>
#include <openssl/param_build.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

TTestKey Generated_Rsa_Key(int bits) {
  return TTestKey(EVP_RSA_gen(unsigned(bits)));
}

TTestKey Public_Rsa_Key(const char* modulus_hex) {
  BIGNUM* n = nullptr;
  BIGNUM* e = nullptr;
  BN_hex2bn(&n, modulus_hex);
  BN_dec2bn(&e, "65537");
  OSSL_PARAM_BLD* build = OSSL_PARAM_BLD_new();
  OSSL_PARAM_BLD_push_BN(build, OSSL_PKEY_PARAM_RSA_N, n);
  OSSL_PARAM_BLD_push_BN(build, OSSL_PKEY_PARAM_RSA_E, e);
  OSSL_PARAM* params = OSSL_PARAM_BLD_to_param(build);
  EVP_PKEY_CTX* ctx = EVP_PKEY_CTX_new_from_name(nullptr, "RSA", nullptr);
  EVP_PKEY* key = nullptr;
  EVP_PKEY_fromdata_init(ctx);
  EVP_PKEY_fromdata(ctx, &key, EVP_PKEY_PUBLIC_KEY, params);
  EVP_PKEY_CTX_free(ctx);
  OSSL_PARAM_free(params);
  OSSL_PARAM_BLD_free(build);
  BN_free(n);
  BN_free(e);
  return TTestKey(key);
}

namespace {

QByteArray Pem_Of(BIO* bio) {
  char* data = nullptr;
  const long size = BIO_get_mem_data(bio, &data);
  return QByteArray(data, qsizetype(size));
}

void Add_Extension(X509* cert, X509* issuer, int nid, const char* value) {
  X509V3_CTX ctx;
  X509V3_set_ctx_nodb(&ctx);
  X509V3_set_ctx(&ctx, issuer, cert, nullptr, nullptr, 0);
  X509_EXTENSION* ext = X509V3_EXT_conf_nid(nullptr, &ctx, nid, value);
  X509_add_ext(cert, ext, -1);
  X509_EXTENSION_free(ext);
}

}  // namespace

QByteArray Certificate_For(EVP_PKEY* key, const char* application_uri) {
  static const TTestKey signer = Generated_Rsa_Key(2048);
  std::unique_ptr<X509, decltype(&X509_free)> cert(X509_new(), X509_free);
  X509_set_version(cert.get(), 2);
  ASN1_INTEGER_set(X509_get_serialNumber(cert.get()), 1);
  X509_gmtime_adj(X509_getm_notBefore(cert.get()), 0);
  X509_gmtime_adj(X509_getm_notAfter(cert.get()), 3600);
  X509_set_pubkey(cert.get(), key);
  X509_NAME* name = X509_get_subject_name(cert.get());
  X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>("fake"), -1, -1, 0);
  X509_set_issuer_name(cert.get(), name);
  Add_Extension(cert.get(), cert.get(), NID_subject_alt_name, (QByteArray("URI:") + application_uri).constData());
  X509_sign(cert.get(), signer.get(), EVP_sha256());
  unsigned char* der = nullptr;
  const int size = i2d_X509(cert.get(), &der);
  QByteArray out(reinterpret_cast<const char*>(der), size);
  OPENSSL_free(der);
  return out;
}

TTestIdentity Issued_Identity(const QByteArray& application_uri, const QByteArray& ca_certificate_pem,
                              const QByteArray& ca_key_pem) {
  TTestKey key = Generated_Rsa_Key(2048);
  std::unique_ptr<X509, decltype(&X509_free)> ca(nullptr, X509_free);
  TTestKey ca_key;
  if (!ca_certificate_pem.isEmpty()) {
    std::unique_ptr<BIO, decltype(&BIO_free)> cert_bio(
        BIO_new_mem_buf(ca_certificate_pem.constData(), int(ca_certificate_pem.size())), BIO_free);
    std::unique_ptr<BIO, decltype(&BIO_free)> key_bio(BIO_new_mem_buf(ca_key_pem.constData(), int(ca_key_pem.size())),
                                                      BIO_free);
    ca.reset(PEM_read_bio_X509(cert_bio.get(), nullptr, nullptr, nullptr));
    ca_key.reset(PEM_read_bio_PrivateKey(key_bio.get(), nullptr, nullptr, nullptr));
  }
  std::unique_ptr<X509, decltype(&X509_free)> cert(X509_new(), X509_free);
  X509_set_version(cert.get(), 2);
  static long serial = long(std::time(nullptr));
  ASN1_INTEGER_set(X509_get_serialNumber(cert.get()), ++serial);
  X509_gmtime_adj(X509_getm_notBefore(cert.get()), -3600);
  X509_gmtime_adj(X509_getm_notAfter(cert.get()), 24 * 3600);
  X509_set_pubkey(cert.get(), key.get());
  X509_NAME* name = X509_get_subject_name(cert.get());
  X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>("Tarn test user"), -1,
                             -1, 0);
  X509* issuer = ca ? ca.get() : cert.get();
  X509_set_issuer_name(cert.get(), X509_get_subject_name(issuer));
  Add_Extension(cert.get(), issuer, NID_basic_constraints, "critical,CA:FALSE");
  Add_Extension(cert.get(), issuer, NID_key_usage,
                "critical,digitalSignature,nonRepudiation,keyEncipherment,dataEncipherment");
  Add_Extension(cert.get(), issuer, NID_ext_key_usage, "clientAuth");
  Add_Extension(cert.get(), issuer, NID_subject_key_identifier, "hash");
  Add_Extension(cert.get(), issuer, NID_authority_key_identifier, "keyid:always");
  Add_Extension(cert.get(), issuer, NID_subject_alt_name, ("URI:" + application_uri).constData());
  X509_sign(cert.get(), ca_key ? ca_key.get() : key.get(), EVP_sha256());

  std::unique_ptr<BIO, decltype(&BIO_free)> cert_out(BIO_new(BIO_s_mem()), BIO_free);
  std::unique_ptr<BIO, decltype(&BIO_free)> key_out(BIO_new(BIO_s_mem()), BIO_free);
  PEM_write_bio_X509(cert_out.get(), cert.get());
  PEM_write_bio_PrivateKey(key_out.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr);
  return {Pem_Of(cert_out.get()), Pem_Of(key_out.get())};
}
