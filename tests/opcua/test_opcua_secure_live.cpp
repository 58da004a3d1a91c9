// Browsing the node-opcua server that offers only secured endpoints (tests/opcua/server in its secure set-up,
// started by the ctest fixture): every mode and policy it has, the user-name and certificate logins, and the
// client's own certificate kept in the program folder.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "OPC_UA_Search.h"
#include "TTestCertificates.h"
#include "UGlobals.h"
#include "UaClientCertificate.h"
#include "UaCrypto.h"

namespace {

constexpr int All_Variables = 267;

class OpcUaSecureLive : public ::testing::Test {
 protected:
  void SetUp() override {
    QFile file(QStringLiteral(TARN_OPCUA_SECURE_SERVER_STATE "/port"));
    if (!file.open(QIODevice::ReadOnly))
      GTEST_SKIP() << "no secure OPC UA test server: ctest starts it, or tests/opcua/server/start-server.sh "
                   << TARN_OPCUA_SECURE_SERVER_STATE << " 1800 secure";
    ASSERT_TRUE(Folder.isValid());
    Saved_Path_Exe = Path_Exe;
    Path_Exe = Folder.path();
    Address = "opc.tcp://127.0.0.1:" + file.readAll().trimmed();
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

}  // namespace
