// The cryptography of a secured channel on fixed inputs: key derivation, padding, chunks that are sealed and opened
// again, chunks that were tampered with, and the checks of a server's certificate; then a scripted secured server
// through the whole client.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "OPC_UA_Search.h"
#include "QByteArrayPrint.h"
#include "TTestCertificates.h"
#include "TUaFakeServer.h"
#include "UGlobals.h"
#include "UaBrowseServer.h"
#include "UaChunkSecurity.h"
#include "UaCrypto.h"

namespace {

QByteArray Bytes_From(int first, int count) {
  QByteArray out;
  for (int i = 0; i < count; ++i) out.append(char(first + i));
  return out;
}

TEST(UaSecurity, PseudoRandomFunctionVectors) {
  // The published P_SHA256 vector of the TLS 1.2 PRF (label and seed together form the seed).
  EXPECT_EQ(Ua_P_Hash(TUaHash::Sha256, QByteArray::fromHex("9bbe436ba940f017b17652849a71db35"),
                      "test label" + QByteArray::fromHex("a0ba9f936cda311827a6f796ffd5198c"), 100)
                .toHex(),
            "e3f229ba727be17b8d122620557cd453c2aab21d07c3d495329b52d4e61edb5a6b301791e90d35c9c9a46b4e14baf9af0fa022f7"
            "077def17abfd3797c0564bab4fbc91666e9def9b97fce34f796789baa48082d122ee42c5a72e5a5110fff70187347b66");
  // P_SHA1 of small inputs, as an independent HMAC implementation computes it.
  EXPECT_EQ(Ua_P_Hash(TUaHash::Sha1, "secret", "seed", 48).toHex(),
            "5d55432bdfe9b93a813acc932adf0f297815d1c83166a983ea042d410665dfa19268d99774fd6f3fc5433f0465e765c4");
}

TEST(UaSecurity, KeysAreCutFromTheDerivedBytesInOrder) {
  struct TCase {
    int Code;
    QByteArray Secret, Seed;
    const char *Signing, *Encrypting, *Iv;
  };
  const TCase cases[] = {
      // Basic256Sha256: P_SHA256, 32 + 32 + 16 bytes.
      {3, Bytes_From(0, 32), Bytes_From(32, 32), "b72593c43fee5fafa0256cd6bb904ff40c066a225db95f66dd744e20858a2220",
       "ddf75067e3d76ac714c08e24eabd85ff425d7f5fb25e6e083b94b174e29db89b", "c513e9172274d5ed54e52a3552901ae0"},
      // Aes128_Sha256_RsaOaep: the same bytes, a 16-byte AES key.
      {4, Bytes_From(0, 32), Bytes_From(32, 32), "b72593c43fee5fafa0256cd6bb904ff40c066a225db95f66dd744e20858a2220",
       "ddf75067e3d76ac714c08e24eabd85ff", "425d7f5fb25e6e083b94b174e29db89b"},
      // Basic128Rsa15: P_SHA1, 16 + 16 + 16 bytes.
      {1, Bytes_From(0, 16), Bytes_From(16, 16), "ea6187cb6224f557e219bb5b60fede25",
       "a93b5ca5559066f062d68626d281f726", "8c243ef4fa19bd5e4f3027dd40c45148"},
  };
  for (const TCase& c : cases) {
    const TUaSymmetricKeys keys = Ua_Derive_Keys(*Ua_Policy_Of_Code(c.Code), c.Secret, c.Seed);
    EXPECT_EQ(keys.Signing.toHex(), c.Signing) << c.Code;
    EXPECT_EQ(keys.Encrypting.toHex(), c.Encrypting) << c.Code;
    EXPECT_EQ(keys.Iv.toHex(), c.Iv) << c.Code;
  }
}

TEST(UaSecurity, PaddingFillsTheLastBlock) {
  struct TCase {
    qsizetype Content;
    int Signature, Block;
    bool Extra;
    QByteArray Expected;  // hexadecimal
  };
  const TCase cases[] = {
      {10, 20, 16, false, "0101"},                              // 10 + 2 + 20 = 32
      {11, 20, 16, false, "00"},                                // 11 + 1 + 20 = 32
      {12, 20, 16, false, "0f0f0f0f0f0f0f0f0f0f0f0f0f0f0f0f"},  // one byte too many for the block: a whole block more
      {0, 32, 16, false, "0f0f0f0f0f0f0f0f0f0f0f0f0f0f0f0f"},
      // 100 + 2 + 256 = 358, 70 short of two blocks: 70 bytes after the size byte, then the high size byte.
      {100, 256, 214, true, QByteArray(71, char(70)).toHex() + "00"},
  };
  for (const TCase& c : cases) {
    QByteArray padding = Ua_Chunk_Padding(c.Content, c.Signature, c.Block, c.Extra);
    EXPECT_EQ(padding.toHex(), c.Expected) << c.Content;
    EXPECT_EQ((c.Content + padding.size() + c.Signature) % c.Block, 0) << c.Content;
    QByteArray plain = QByteArray(c.Content, 'x') + padding;
    ASSERT_TRUE(Ua_Strip_Padding(plain, c.Extra)) << c.Content;
    EXPECT_EQ(plain, QByteArray(c.Content, 'x'));
  }
  // Above 255 bytes of padding the second size byte carries the high part.
  const QByteArray large = Ua_Chunk_Padding(0, 0, 400, true);
  EXPECT_EQ(large.size(), 400);
  EXPECT_EQ(uint8_t(large.front()), 398 & 0xFF);
  EXPECT_EQ(uint8_t(large.back()), 398 >> 8);

  struct TBad {
    const char* Name;
    QByteArray Plain;
    bool Extra;
  };
  const TBad bad[] = {
      {"empty", "", false},
      {"size beyond the data", QByteArray::fromHex("aa0505"), false},
      {"a padding byte differs", QByteArray::fromHex("aa02010202"), false},
      {"extra size byte beyond the data", QByteArray::fromHex("000001"), true},
  };
  for (const TBad& b : bad) {
    QByteArray plain = b.Plain;
    EXPECT_FALSE(Ua_Strip_Padding(plain, b.Extra)) << b.Name;
  }
}

TUaChannelSecurity Symmetric_Security(int code, int32_t mode) {
  TUaChannelSecurity s;
  s.Policy = Ua_Policy_Of_Code(code);
  s.Mode = mode;
  return s;
}

// What one side seals the other opens with the same keys; any changed byte, in the header, the body or the
// signature, makes the chunk fail its check.
TEST(UaSecurity, SymmetricChunksOpenAndRefuseTampering) {
  const QByteArray head = QByteArray::fromHex("0700000001000000");  // channel 7, token 1
  const QByteArray plain = QByteArray::fromHex("0100000002000000") + QByteArray(300, 'b');
  for (int code = 1; code <= 5; ++code) {
    for (int32_t mode : {uaModeSign, uaModeSignAndEncrypt}) {
      const TUaChannelSecurity security = Symmetric_Security(code, mode);
      const TUaSymmetricKeys keys = Ua_Derive_Keys(*security.Policy, Bytes_From(1, 32), Bytes_From(50, 32));
      const QByteArray chunk = Ua_Seal_Symmetric(security, keys, "MSG", 'F', head, plain);
      const QByteArray header = chunk.left(8);
      const QByteArray rest = chunk.mid(8 + head.size());
      EXPECT_EQ(Ua_Open_Symmetric(security, keys, header, head, rest), plain) << code << " " << mode;
      if (mode == uaModeSignAndEncrypt) {
        EXPECT_FALSE(rest.contains(QByteArray(64, 'b'))) << code;
      }
      for (qsizetype at : {qsizetype(0), qsizetype(100), rest.size() - 1}) {
        QByteArray changed = rest;
        changed[at] = char(changed[at] ^ 0x01);
        EXPECT_THROW(Ua_Open_Symmetric(security, keys, header, head, changed), EUaError) << code << " at " << at;
      }
      QByteArray other_header = header;
      other_header[3] = 'C';
      EXPECT_THROW(Ua_Open_Symmetric(security, keys, other_header, head, rest), EUaError) << code;
      EXPECT_THROW(Ua_Open_Symmetric(security, keys, header, head, rest.left(rest.size() - 1)), EUaError) << code;
      const TUaSymmetricKeys wrong = Ua_Derive_Keys(*security.Policy, Bytes_From(2, 32), Bytes_From(50, 32));
      EXPECT_THROW(Ua_Open_Symmetric(security, wrong, header, head, rest), EUaError) << code;
    }
  }
}

// The OpenSecureChannel chunk: signed with the sender's key and encrypted for the receiver's certificate, also
// with a receiver key above 2048 bits (two padding size bytes).
TEST(UaSecurity, AsymmetricChunksOpenAndRefuseTampering) {
  TTestKey client_key = Generated_Rsa_Key(2048);
  TTestKey server_key = Generated_Rsa_Key(3072);
  const QByteArray client_certificate = Certificate_For(client_key.get());
  const QByteArray server_certificate = Certificate_For(server_key.get());
  auto shared = [](TTestKey& key) {
    EVP_PKEY_up_ref(key.get());
    return TUaKey(key.get(), EVP_PKEY_free);
  };
  const QByteArray head = "head";
  const QByteArray plain = QByteArray::fromHex("0100000001000000") + QByteArray(700, 'o');
  for (int code : {1, 2, 3, 5}) {
    TUaChannelSecurity sender{Ua_Policy_Of_Code(code), uaModeSign, client_certificate, shared(client_key),
                              server_certificate};
    TUaChannelSecurity receiver{Ua_Policy_Of_Code(code), uaModeSign, server_certificate, shared(server_key),
                                client_certificate};
    const QByteArray chunk = Ua_Seal_Asymmetric(sender, "OPN", 'F', head, plain);
    const QByteArray header = chunk.left(8);
    const QByteArray rest = chunk.mid(8 + head.size());
    EXPECT_EQ(rest.size() % 384, 0) << code;
    EXPECT_EQ(Ua_Open_Asymmetric(receiver, header, head, rest), plain) << code;
    QByteArray changed = rest;
    changed[10] = char(changed[10] ^ 0x40);
    EXPECT_THROW(Ua_Open_Asymmetric(receiver, header, head, changed), EUaError) << code;
    EXPECT_THROW(Ua_Open_Asymmetric(receiver, header, "HEAD", rest), EUaError) << code;
    // Signed by another key than the certificate the receiver checked.
    TUaChannelSecurity impostor = sender;
    impostor.Client_Key = shared(server_key);
    EXPECT_THROW(Ua_Open_Asymmetric(receiver, header, head,
                                    Ua_Seal_Asymmetric(impostor, "OPN", 'F', head, plain).mid(8 + head.size())),
                 EUaError)
        << code;
  }
}

// A CA-signed server may announce its certificate followed by its issuer's in one blob. The thumbprint, the keys
// and the checks are of its own certificate, the first; the issuer's key and application would fail every one.
TEST(UaSecurity, CertificateChainIsTakenByItsFirstCertificate) {
  const TTestIdentity ca = Issued_Identity("urn:plant:ca");
  const TTestIdentity server = Issued_Identity("urn:plant:server", ca.Certificate_Pem, ca.Key_Pem);
  const QByteArray leaf = Ua_Certificate_Der(server.Certificate_Pem);
  const QByteArray issuer = Ua_Certificate_Der(ca.Certificate_Pem);
  const TUaKey server_key = Ua_Private_Key(server.Key_Pem);
  ASSERT_FALSE(leaf.isEmpty());
  ASSERT_FALSE(issuer.isEmpty());
  const QByteArray chain = leaf + issuer;

  EXPECT_EQ(Ua_Leaf_Certificate(chain), leaf);
  EXPECT_EQ(Ua_Leaf_Certificate(leaf), leaf);
  EXPECT_EQ(Ua_Leaf_Certificate("garbage"), "garbage");
  EXPECT_EQ(Ua_Certificate_Thumbprint(chain), Ua_Sha1(leaf));
  EXPECT_EQ(Ua_Certificate_Thumbprint(chain).size(), 20);
  EXPECT_TRUE(Ua_Same_Certificate(chain, leaf));
  EXPECT_TRUE(Ua_Same_Certificate(leaf, chain));
  EXPECT_FALSE(Ua_Same_Certificate(chain, issuer + leaf));
  EXPECT_FALSE(Ua_Same_Certificate(chain, issuer));

  TUaEndpoint endpoint;
  endpoint.ServerCertificate = chain;
  endpoint.ServerApplicationUri = "urn:plant:server";
  EXPECT_NO_THROW(Ua_Check_Server_Certificate(endpoint, *Ua_Policy_Of_Code(3)));
  const QByteArray secret = "password and nonce";
  EXPECT_EQ(
      Ua_Rsa_Decrypt(server_key, Ua_Rsa_Encrypt(chain, secret, TUaRsaPadding::Oaep_Sha1), TUaRsaPadding::Oaep_Sha1),
      secret);

  // Both ways of an OpenSecureChannel: sealed for the chain's key, and signed by it.
  TTestKey client_key = Generated_Rsa_Key(2048);
  const QByteArray client_certificate = Certificate_For(client_key.get());
  EVP_PKEY_up_ref(client_key.get());
  const TUaKey client(client_key.get(), EVP_PKEY_free);
  const QByteArray head = "head";
  const QByteArray plain = QByteArray::fromHex("0100000001000000") + QByteArray(100, 'o');
  for (int code : {1, 3, 5}) {
    const TUaChannelSecurity at_client{Ua_Policy_Of_Code(code), uaModeSignAndEncrypt, client_certificate, client,
                                       chain};
    const TUaChannelSecurity at_server{Ua_Policy_Of_Code(code), uaModeSignAndEncrypt, chain, server_key,
                                       client_certificate};
    const QByteArray request = Ua_Seal_Asymmetric(at_client, "OPN", 'F', head, plain);
    EXPECT_EQ(Ua_Open_Asymmetric(at_server, request.left(8), head, request.mid(8 + head.size())), plain) << code;
    const QByteArray answer = Ua_Seal_Asymmetric(at_server, "OPN", 'F', head, plain);
    EXPECT_EQ(Ua_Open_Asymmetric(at_client, answer.left(8), head, answer.mid(8 + head.size())), plain) << code;
  }
}

TEST(UaSecurity, ServerCertificateMustFitThePolicyAndTheEndpoint) {
  const TUaOwnCertificate good = Ua_Create_Self_Signed("urn:plant:server", "server", 2048, 30);
  const TUaOwnCertificate small = Ua_Create_Self_Signed("urn:plant:server", "server", 1024, 30);
  const TUaOwnCertificate expired = Ua_Create_Self_Signed("urn:plant:server", "server", 2048, -2);
  const TUaSecurityPolicy& sha256 = *Ua_Policy_Of_Code(3);
  const TUaSecurityPolicy& basic128 = *Ua_Policy_Of_Code(1);
  struct TCase {
    const char* Name;
    QByteArray Certificate;
    QByteArray Uri;
    const TUaSecurityPolicy& Policy;
    bool Accepted;
  };
  const TCase cases[] = {
      {"matching", good.Der, "urn:plant:server", sha256, true},
      {"another application", good.Der, "urn:plant:other", sha256, false},
      {"no application URI announced", good.Der, "", sha256, false},
      {"1024 bits under Basic256Sha256", small.Der, "urn:plant:server", sha256, false},
      {"1024 bits under Basic128Rsa15", small.Der, "urn:plant:server", basic128, true},
      {"expired", expired.Der, "urn:plant:server", sha256, false},
      {"no certificate", "", "urn:plant:server", sha256, false},
      {"not DER", "garbage", "urn:plant:server", sha256, false},
  };
  for (const TCase& c : cases) {
    TUaEndpoint endpoint;
    endpoint.ServerCertificate = c.Certificate;
    endpoint.ServerApplicationUri = c.Uri;
    if (c.Accepted)
      EXPECT_NO_THROW(Ua_Check_Server_Certificate(endpoint, c.Policy)) << c.Name;
    else
      EXPECT_THROW(Ua_Check_Server_Certificate(endpoint, c.Policy), EUaError) << c.Name;
  }
}

// A server whose endpoint offers a certificate of another application is left before anything is sent under
// that certificate: no secured channel, no session, no password.
TEST(UaSecurity, ServerWithAForeignCertificateIsRefused) {
  const QByteArray foreign = Ua_Create_Self_Signed("urn:somebody:else", "else", 2048, 30).Der;
  TUaFakeServer fake([&](const TUaFakeRequest& request) -> std::optional<QByteArray> {
    if (request.Type == UaId::GetEndpointsRequest)
      return UaFake::Endpoints(foreign, Ua_Policy_Of_Code(3)->Uri, uaModeSignAndEncrypt);
    return std::nullopt;
  });
  const QByteArray url = fake.Url();
  opcua_server_to_discover server;
  server.server_address = url.constData();
  server.user_pass_auth_flag = 1;
  server.username = "operator";
  server.password = "secret";
  server.security_type = 2;
  server.security_policy = 3;
  EXPECT_EQ(opcua_client_begin(server), 0);
  EXPECT_EQ(Ua_Last_Browse_Error(), "OPC UA server certificate belongs to another application");
  EXPECT_EQ(fake.Requests(), std::vector<uint32_t>{UaId::GetEndpointsRequest});
}

// A server with one variable: the objects folder holds it, and its attributes are read.
std::optional<QByteArray> One_Variable(const TUaFakeRequest& request, bool& browsed) {
  if (request.Type == UaId::BrowseRequest && !browsed) {
    browsed = true;
    std::vector<std::vector<UaFake::TRef>> results(size_t(std::max(request.Count(), 1)));
    results[0].push_back({TUaNodeId::Num(2, 1), "Speed"});
    results.resize(size_t(request.Count()));
    return UaFake::Browse_Answer(UaId::BrowseResponse, results);
  }
  if (request.Type == UaId::ReadRequest && request.Count() >= 4)
    return UaFake::Read_Answer(request.Count(), UaFake::Variable_Attributes(request.Count(), "Speed"));
  return std::nullopt;
}

// A secured server through the whole client, its certificate sent with its issuer's: the channel it opens names
// the server's own certificate, and the browse finds the variable. An answer whose sealed chunk fails its check,
// from the channel's opening to the browse, ends the browse with nothing, and the client closes the connection
// without another word.
TEST(UaSecurity, SecuredAnswerThatFailsItsCheckEndsTheBrowse) {
  QTemporaryDir folder;  // for the program's own certificate
  ASSERT_TRUE(folder.isValid());
  const QString saved_path_exe = Path_Exe;
  Path_Exe = folder.path();
  const TTestIdentity ca = Issued_Identity("urn:fake:ca");
  const TTestIdentity identity = Issued_Identity("urn:fake", ca.Certificate_Pem, ca.Key_Pem);
  const TUaKey key = Ua_Private_Key(identity.Key_Pem);
  const char* const bad_chunk = "OPC UA message failed its security check";
  const char* const bad_rsa = "OPC UA RSA decryption failed";
  struct TCase {
    const char* Name;
    int Policy;
    int32_t Mode;
    uint32_t Spoil;
    uint32_t Last_Request;  // the last service request the server saw
    const char* Error;
  };
  const TCase cases[] = {
      {"nothing spoilt", 3, uaModeSignAndEncrypt, 0, UaId::CloseSessionRequest, ""},
      {"nothing spoilt, Sign", 1, uaModeSign, 0, UaId::CloseSessionRequest, ""},
      // The opening is encrypted in either mode: its last RSA block no longer decrypts.
      {"channel opening", 3, uaModeSignAndEncrypt, UaId::OpenSecureChannelRequest, UaId::GetEndpointsRequest,
       bad_rsa},
      {"channel opening, Sign", 5, uaModeSign, UaId::OpenSecureChannelRequest, UaId::GetEndpointsRequest, bad_rsa},
      {"session", 5, uaModeSignAndEncrypt, UaId::CreateSessionRequest, UaId::CreateSessionRequest, bad_chunk},
      {"browse, Sign", 4, uaModeSign, UaId::BrowseRequest, UaId::BrowseRequest, bad_chunk},
      {"browse", 2, uaModeSignAndEncrypt, UaId::BrowseRequest, UaId::BrowseRequest, bad_chunk},
  };
  for (const TCase& c : cases) {
    bool browsed = false;
    TUaFakeServer fake([&](const TUaFakeRequest& request) { return One_Variable(request, browsed); },
                       TUaFakeSecurity{Ua_Certificate_Der(identity.Certificate_Pem),
                                       Ua_Certificate_Der(ca.Certificate_Pem), key, c.Policy, c.Mode, c.Spoil});
    const QByteArray url = fake.Url();
    opcua_server_to_discover server;
    server.server_address = url.constData();
    server.security_type = c.Mode == uaModeSign ? 1 : 2;
    server.security_policy = c.Policy;
    TUaBrowseLimits limits;
    limits.Step_Timeout_Ms = 5000;
    limits.Total_Timeout_Ms = 10000;
    const int32_t found = Ua_Client_Begin(server, limits);
    const std::vector<uint32_t>& requests = fake.Requests();
    ASSERT_FALSE(requests.empty()) << c.Name;
    EXPECT_EQ(requests.back(), c.Last_Request) << c.Name;
    if (c.Spoil == 0) {
      EXPECT_EQ(found, 1) << c.Name << ": " << Ua_Last_Browse_Error().toStdString();
      continue;
    }
    EXPECT_EQ(found, 0) << c.Name;
    EXPECT_EQ(Ua_Last_Browse_Error().toStdString(), c.Error) << c.Name;
    EXPECT_EQ(fake.Chunks_After_Spoilt(), 0) << c.Name;
    EXPECT_TRUE(fake.Closed_After_Spoilt()) << c.Name;
  }
  Path_Exe = saved_path_exe;
}

// The texts pasted into the add-server window: PEM with blanks around, or anything else.
TEST(UaSecurity, PastedCertificateAndKeyTexts) {
  const TTestIdentity identity = Issued_Identity("urn:tarn:user");
  const QByteArray der = Ua_Certificate_Der("\r\n  " + identity.Certificate_Pem + "\n ");
  ASSERT_FALSE(der.isEmpty());
  EXPECT_EQ(Ua_Certificate_Application_Uri(der), "urn:tarn:user");
  const TUaKey key = Ua_Private_Key(" " + identity.Key_Pem);
  ASSERT_TRUE(key);
  EXPECT_TRUE(Ua_Key_Matches_Certificate(key, der));
  EXPECT_FALSE(Ua_Key_Matches_Certificate(Ua_Private_Key(Issued_Identity("urn:x").Key_Pem), der));
  EXPECT_TRUE(Ua_Certificate_Der("C:\\certs\\client.der").isEmpty());
  EXPECT_TRUE(Ua_Certificate_Der(identity.Key_Pem).isEmpty());
  EXPECT_FALSE(Ua_Private_Key(identity.Certificate_Pem));
  EXPECT_FALSE(Ua_Private_Key(""));
}

}  // namespace
