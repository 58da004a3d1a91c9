// Browsing a real OPC UA server on 127.0.0.1 (tests/opcua/server, started by the ctest fixture): the records the
// two calls give, BrowseNext over a large folder, a reference cycle, user-name logins and refused settings.
#include <gtest/gtest.h>
#include <QFile>

#include <string>
#include <vector>

#include "OPC_UA_Search.h"
#include "TLoopbackServer.h"
#include "TTestCertificates.h"

namespace {

constexpr const char* User = "operator";
constexpr const char* Password = "s3cret-pw";
constexpr int Plant_Variables = 16;
constexpr int Bulk_Variables = 250;
constexpr int All_Variables = Plant_Variables + Bulk_Variables + 1;  // + the variable inside the cycle

// One record as text fields, so that a mismatch prints readably.
struct TRecordText {
  int Ns;
  int IdType;
  std::string Id;  // numeric in decimal, string and byte string as their 8-bit text, GUID as data1..data4 in hex
  int DataType;
  int Access;
  std::string Display;
  bool operator==(const TRecordText&) const = default;
};

std::ostream& operator<<(std::ostream& os, const TRecordText& r) {
  return os << "{ns " << r.Ns << ", type " << r.IdType << ", id '" << r.Id << "', data " << r.DataType << ", access "
            << r.Access << ", '" << r.Display << "'}";
}

std::string Guid_Text(const opcua_structure& r) {
  char text[64];
  snprintf(text, sizeof text, "%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X", unsigned(r.guide1),
           unsigned(r.guide2), unsigned(r.guide3), r.guide4[0], r.guide4[1], r.guide4[2], r.guide4[3], r.guide4[4],
           r.guide4[5], r.guide4[6], r.guide4[7]);
  return text;
}

TRecordText Text_Of(const opcua_structure& r) {
  std::string id;
  switch (r.identifierType) {
    case 0:
      id = std::to_string(r.numeric);
      break;
    case 3:
      id = r.stringname;
      break;
    case 4:
      id = Guid_Text(r);
      break;
    case 5:
      id = r.byteString;
      break;
  }
  return {r.nameSpaceIndex, r.identifierType, id, r.dataType, r.accessLevel, r.displayName};
}

std::vector<TRecordText> Fetch_All(int32_t count) {
  std::vector<TRecordText> out;
  for (int32_t i = 0; i < count; ++i) {
    opcua_structure r;
    EXPECT_EQ(opcua_return_variable(&r, i), 1);
    EXPECT_EQ(r.stringLength, strlen(r.stringname));
    EXPECT_EQ(r.byteStringLength, strlen(r.byteString));
    EXPECT_EQ(r.displayNameLength, strlen(r.displayName));
    out.push_back(Text_Of(r));
  }
  return out;
}

class OpcUaLive : public ::testing::Test {
 protected:
  void SetUp() override {
    Address = Live_Server_Url(TARN_OPCUA_SERVER_STATE);
    if (Address.isEmpty())
      GTEST_SKIP() << "no OPC UA test server: ctest starts it, or tests/opcua/server/start-server.sh "
                   << TARN_OPCUA_SERVER_STATE;
    Server.server_address = Address.constData();
    Server.username = "";
    Server.password = "";
    Server.cert = "";
    Server.priv_key = "";
  }

  QByteArray Address;
  opcua_server_to_discover Server;
};

TEST_F(OpcUaLive, AnonymousBrowseGivesTheVariablesInTreeOrder) {
  ASSERT_EQ(opcua_client_begin(Server), All_Variables);
  std::vector<TRecordText> got = Fetch_All(All_Variables);

  // The folder "Plant": every identifier kind, the data types, access levels, a subtype (Duration), 8-bit texts;
  // its variables of a text type, without access, and with identifiers that would not keep their bytes are left out.
  const std::vector<TRecordText> plant = {
      {1, 0, "1001", 10, 3, "Speed"},
      {1, 3, "Line1.Counter", 6, 1, "Counter"},
      {1, 4, "72962B91-FA75-4AE6-8D28-B404DC7DAF63", 3, 2, "Setpoint"},
      {1, 5, "RCP-01", 11, 3, "Recipe"},
      {1, 0, "1002", 0, 1, "Enabled"},
      {1, 3, "Stamp", 12, 3, "Stamp"},
      {1, 3, "CycleTime", 10, 3, "CycleTime"},
      {1, 3, "Small", 1, 3, "Small"},
      {1, 3, "Big", 7, 3, "Big"},
      {1, 3, "Ratio", 9, 3, "Ratio"},
      {1, 3, "Id", 13, 1, "Id"},
      {1, 3, "Blob", 14, 3, "Blob"},
      {1, 3, "Temp\xE9rature", 10, 1, "Temp\xE9rature"},
      {1, 5, "Z\xE9", 2, 3, "Code"},
      {1, 3, "Guarded", 5, 1, "Guarded"},
      {2, 0, "5", 4, 3, "Level"},
  };
  ASSERT_EQ(plant.size(), size_t(Plant_Variables));
  for (size_t i = 0; i < plant.size(); ++i) EXPECT_EQ(got[i], plant[i]) << "record " << i;

  // The folder "Bulk" needs BrowseNext: all of it, in order, once.
  for (int i = 0; i < Bulk_Variables; ++i) {
    char name[16];
    snprintf(name, sizeof name, "Item%03d", i);
    EXPECT_EQ(got[size_t(Plant_Variables + i)], (TRecordText{1, 3, std::string("Bulk.") + name, 5, 3, name}));
  }
  // LoopA -> LoopB -> LoopA: the variable inside the cycle comes once and the walk ends.
  EXPECT_EQ(got.back(), (TRecordText{1, 3, "Deep", 8, 3, "Deep"}));
}

TEST_F(OpcUaLive, UserNameLogin) {
  struct TCase {
    const char* Name;
    const char* User;
    const char* Password;
    int32_t Expected;
    TUaFailure Reason;
  };
  const TCase cases[] = {
      {"right password", User, Password, All_Variables, TUaFailure::None},
      {"wrong password", User, "not-the-password", 0, TUaFailure::Login_Refused},
      {"unknown user", "intruder", Password, 0, TUaFailure::Login_Refused},
      {"empty password", User, "", 0, TUaFailure::Login_Refused},
  };
  for (const TCase& c : cases) {
    Server.user_pass_auth_flag = 1;
    Server.username = c.User;
    Server.password = c.Password;
    EXPECT_EQ(opcua_client_begin(Server), c.Expected) << c.Name;
    EXPECT_EQ(Ua_Last_Browse_Failure(), c.Reason) << c.Name << ": " << Ua_Last_Browse_Error().toStdString();
  }
}

// The certificate login on the unsecured endpoint: the token is signed under the token policy's own security.
TEST_F(OpcUaLive, CertificateLoginWithoutChannelSecurity) {
  QFile ca(QStringLiteral(TARN_OPCUA_SERVER_STATE "/user-ca/ca.pem"));
  QFile ca_key(QStringLiteral(TARN_OPCUA_SERVER_STATE "/user-ca/ca-key.pem"));
  ASSERT_TRUE(ca.open(QIODevice::ReadOnly) && ca_key.open(QIODevice::ReadOnly));
  const TTestIdentity identity = Issued_Identity("urn:tarn:test:user", ca.readAll(), ca_key.readAll());
  Server.user_pass_auth_flag = 2;
  Server.cert = identity.Certificate_Pem.constData();
  Server.priv_key = identity.Key_Pem.constData();
  EXPECT_EQ(opcua_client_begin(Server), All_Variables) << Ua_Last_Browse_Error().toStdString();
  const TTestIdentity stranger = Issued_Identity("urn:tarn:test:user");
  Server.cert = stranger.Certificate_Pem.constData();
  Server.priv_key = stranger.Key_Pem.constData();
  EXPECT_EQ(opcua_client_begin(Server), 0);
  EXPECT_EQ(Ua_Last_Browse_Failure(), TUaFailure::Login_Refused) << Ua_Last_Browse_Error().toStdString();
}

TEST_F(OpcUaLive, LimitsShapeTheWalk) {
  struct TCase {
    const char* Name;
    int Max_Depth;
    int Max_Variables;
    uint32_t Max_References;
    int32_t Expected;
  };
  const TCase cases[] = {
      {"only the folders below Objects", 1, 10000, 100, 0},
      {"not down into the cycle's second folder", 2, 10000, 100, Plant_Variables + Bulk_Variables},
      {"at most five variables", 32, 5, 100, 5},
      // Every folder answers in pieces and the server's two continuation points run out within one batch.
      {"one reference per answer", 32, 10000, 1, All_Variables},
  };
  for (const TCase& c : cases) {
    TUaBrowseLimits limits;
    limits.Max_Depth = c.Max_Depth;
    limits.Max_Variables = c.Max_Variables;
    limits.Max_References_Per_Node = c.Max_References;
    EXPECT_EQ(Ua_Client_Begin(Server, limits), c.Expected) << c.Name;
  }
  opcua_structure first;
  ASSERT_EQ(opcua_return_variable(&first, 0), 1);
  EXPECT_EQ(Text_Of(first), (TRecordText{1, 0, "1001", 10, 3, "Speed"}));
}

TEST_F(OpcUaLive, RefusedSettingsAndDeadAddressesGiveNothing) {
  const QByteArray dead = "opc.tcp://127.0.0.1:" + QByteArray::number(Closed_Loopback_Port());

  struct TCase {
    const char* Name;
    QByteArray Address;
    int32_t Auth;
    int32_t Mode;
    TUaFailure Reason;
  };
  const TCase cases[] = {
      {"closed port", dead, 0, 0, TUaFailure::No_Server},
      {"sign without a policy", Address, 0, 1, TUaFailure::No_Policy},
      {"sign and encrypt without a policy", Address, 0, 2, TUaFailure::No_Policy},
      {"certificate identity without a certificate", Address, 2, 0, TUaFailure::Bad_Identity},
      {"not an opc.tcp address", "http://127.0.0.1/", 0, 0, TUaFailure::Bad_Address},
      {"no address", "", 0, 0, TUaFailure::Bad_Address},
  };
  ASSERT_EQ(opcua_client_begin(Server), All_Variables);
  for (const TCase& c : cases) {
    opcua_server_to_discover s = Server;
    s.server_address = c.Address.constData();
    s.user_pass_auth_flag = c.Auth;
    s.security_type = c.Mode;
    EXPECT_EQ(opcua_client_begin(s), 0) << c.Name;
    EXPECT_EQ(Ua_Last_Browse_Failure(), c.Reason) << c.Name << ": " << Ua_Last_Browse_Error().toStdString();
    // The failed browse replaced the earlier list: nothing is left to fetch.
    opcua_structure r;
    EXPECT_EQ(opcua_return_variable(&r, 0), 0) << c.Name;
    EXPECT_STREQ(r.displayName, "") << c.Name;
  }
}

}  // namespace
