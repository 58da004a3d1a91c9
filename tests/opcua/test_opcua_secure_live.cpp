// Browsing the node-opcua server that offers only secured endpoints (tests/opcua/server in its secure set-up,
// started by the ctest fixture): every mode and policy it has, the user-name and certificate logins, and the
// client's own certificate kept in the program folder.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <thread>

#include "OPC_UA_Search.h"
#include "TLoopbackServer.h"
#include "TTestCertificates.h"
#include "UGlobals.h"
#include "UaBrowseServer.h"
#include "UaClient.h"
#include "UaClientCertificate.h"
#include "UaCrypto.h"

namespace {

constexpr int All_Variables = 267;
const QByteArray User_Uri("urn:tarn:test:user");

QByteArray Read_State(const char* name) {
  QFile file(QStringLiteral(TARN_OPCUA_SECURE_SERVER_STATE "/") + QLatin1String(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class OpcUaSecureLive : public ::testing::Test {
 protected:
  void SetUp() override {
    Address = Live_Server_Url(TARN_OPCUA_SECURE_SERVER_STATE);
    if (Address.isEmpty())
      GTEST_SKIP() << "no secure OPC UA test server: ctest starts it, or tests/opcua/server/start-server.sh "
                   << TARN_OPCUA_SECURE_SERVER_STATE << " 1800 secure";
    ASSERT_TRUE(Folder.isValid());
    Saved_Path_Exe = Path_Exe;
    Path_Exe = Folder.path();
    Server.server_address = Address.constData();
    Server.username = "";
    Server.password = "";
    Server.cert = "";
    Server.priv_key = "";
  }
  void TearDown() override { Path_Exe = Saved_Path_Exe; }

  int32_t Browse(int32_t mode, int32_t policy) {
    Server.security_type = mode;
    Server.security_policy = policy;
    const int32_t n = opcua_client_begin(Server);
    if (n == 0) std::cerr << "browse failed: " << Ua_Last_Browse_Error().toStdString() << "\n";
    return n;
  }

  QTemporaryDir Folder;
  QString Saved_Path_Exe;
  QByteArray Address;
  opcua_server_to_discover Server;
};

// One browse per mode and policy: the channel opens, every message is signed (and encrypted), and the whole
// address space comes back as over an unsecured channel.
TEST_F(OpcUaSecureLive, EveryModeAndPolicyBrowsesEverything) {
  for (int32_t mode : {1, 2})
    for (int32_t policy = 1; policy <= 5; ++policy)
      EXPECT_EQ(Browse(mode, policy), All_Variables) << "mode " << mode << ", policy " << policy;
}

TEST_F(OpcUaSecureLive, UserNameLoginUnderSecurity) {
  Server.user_pass_auth_flag = 1;
  Server.username = "operator";
  Server.password = "s3cret-pw";
  EXPECT_EQ(Browse(2, 3), All_Variables);
  EXPECT_EQ(Browse(1, 5), All_Variables);
  Server.password = "not-the-password";
  EXPECT_EQ(opcua_client_begin(Server), 0);
}

// The certificate login: the pasted certificate is both the user token (signed with its key) and the client's
// certificate. The server trusts the certificates of its test CA only.
TEST_F(OpcUaSecureLive, CertificateLogin) {
  const QByteArray ca = Read_State("user-ca/ca.pem");
  const QByteArray ca_key = Read_State("user-ca/ca-key.pem");
  ASSERT_FALSE(ca.isEmpty());
  const TTestIdentity trusted = Issued_Identity(User_Uri, ca, ca_key);
  const TTestIdentity stranger = Issued_Identity(User_Uri);
  const TTestIdentity other = Issued_Identity(User_Uri, ca, ca_key);

  struct TCase {
    const char* Name;
    const QByteArray& Certificate;
    const QByteArray& Key;
    int32_t Mode;
    int32_t Policy;
    int32_t Expected;
  };
  const TCase cases[] = {
      {"trusted, sign and encrypt, Basic256Sha256", trusted.Certificate_Pem, trusted.Key_Pem, 2, 3, All_Variables},
      {"trusted, sign, RSA-PSS", trusted.Certificate_Pem, trusted.Key_Pem, 1, 5, All_Variables},
      {"trusted, sign and encrypt, Basic128Rsa15", trusted.Certificate_Pem, trusted.Key_Pem, 2, 1, All_Variables},
      {"self-signed: the server refuses it", stranger.Certificate_Pem, stranger.Key_Pem, 2, 3, 0},
      {"the key of another certificate", trusted.Certificate_Pem, other.Key_Pem, 2, 3, 0},
      {"not a certificate", "-----BEGIN CERTIFICATE-----\nAAAA\n-----END CERTIFICATE-----\n", trusted.Key_Pem, 2, 3,
       0},
  };
  for (const TCase& c : cases) {
    Server.user_pass_auth_flag = 2;
    Server.cert = c.Certificate.constData();
    Server.priv_key = c.Key.constData();
    EXPECT_EQ(Browse(c.Mode, c.Policy), c.Expected) << c.Name;
  }
  // The pasted certificate served as the client's certificate: the program wrote none of its own.
  EXPECT_FALSE(QFile::exists(QDir(Path_Exe).filePath(Ua_Client_Certificate_File)));
}

// Without a certificate login the client's certificate is made once in the program folder and kept.
TEST_F(OpcUaSecureLive, ProgramCertificateIsMadeOnceAndKept) {
  const QString certificate_path = QDir(Path_Exe).filePath(Ua_Client_Certificate_File);
  ASSERT_EQ(Browse(2, 3), All_Variables);
  QFile file(certificate_path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray first = file.readAll();
  file.close();
  EXPECT_EQ(Ua_Certificate_Application_Uri(first), Ua_Client_Application_Uri);
  EXPECT_EQ(QFile::permissions(QDir(Path_Exe).filePath(Ua_Client_Key_File)) & (QFile::ReadOther | QFile::ReadGroup),
            0);
  ASSERT_EQ(Browse(1, 4), All_Variables);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), first);
}

// A token with a short life is renewed on the secured channel (new nonces, new keys) and the requests go on; the
// answers still under the old token are accepted meanwhile.
TEST_F(OpcUaSecureLive, TokensAreRenewedUnderSecurity) {
  TUaEndpointUrl address;
  ASSERT_TRUE(Parse_Endpoint_Url(Address, address));
  TUaEndpoint endpoint;
  {
    TUaClient discovery(5000, Ua_Deadline_In(10000));
    discovery.Connect(address, Address);
    for (const TUaEndpoint& e : discovery.Get_Endpoints(Address))
      if (e.SecurityMode == uaModeSignAndEncrypt && e.SecurityPolicyUri == Ua_Policy_Of_Code(5)->Uri) endpoint = e;
  }
  ASSERT_FALSE(endpoint.ServerCertificate.isEmpty());
  const TUaOwnCertificate own = Ua_Program_Certificate(Path_Exe);
  TUaClient client(5000, Ua_Deadline_In(30000), 1000);
  client.Connect(address, Address,
                 {Ua_Policy_Of_Code(5), uaModeSignAndEncrypt, own.Der, own.Key, endpoint.ServerCertificate});
  const TUaDeadline end = Ua_Deadline_In(15000);
  while (client.Channel_Renewals() < 2 && TUaClock::now() < end) {
    ASSERT_FALSE(client.Get_Endpoints(Address).empty());
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  EXPECT_GE(client.Channel_Renewals(), 2);
  EXPECT_FALSE(client.Get_Endpoints(Address).empty());
}

TEST_F(OpcUaSecureLive, UnwritableProgramFolderGivesAClearMessage) {
  Path_Exe = Folder.filePath(QStringLiteral("missing/folder"));
  Server.security_type = 2;
  Server.security_policy = 3;
  EXPECT_EQ(opcua_client_begin(Server), 0);
  EXPECT_TRUE(
      Ua_Last_Browse_Error().startsWith(QStringLiteral("The OPC UA client certificate cannot be written to ")))
      << Ua_Last_Browse_Error().toStdString();
}

}  // namespace
