// The checks before ParGen.xml is written: their order, their boundaries and the number reading they share.
#include <gtest/gtest.h>

#include <vector>

#include "UParGenChecks.h"

namespace {
struct TChange {
  TParGenField Field;
  const char* Text;
};

int32_t First_Error(const std::vector<TChange>& changes, const QString& pin = QStringLiteral("0"),
                    const QString& apn = QStringLiteral("internet")) {
  TParGenValues v = ParGen_Defaults();
  for (const TChange& c : changes) v[c.Field] = QString::fromUtf8(c.Text);
  return ParGen_First_Error(v, pin, apn);
}
}  // namespace

TEST(ParGenChecks, NumbersAreReadLikeTheDeviceReadsThem) {
  const std::pair<const char*, int32_t> cases[] = {
      {"255", 255},
      {"  7", 7},
      {"+3", 3},
      {"-1", -1},
      {"0x10", 16},
      {"$ff", 255},
      {"x1F", 31},
      {"", -1},
      {"7 ", -1},
      {"1.5", -1},
      {"abc", -1},
      {"12a", -1},
      {"99999999999", -1},
      // Only spaces may stand before the digits.
      {"\t7", -1},
      {"\n7", -1},
      {"\r7", -1},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(ParGen_Field_Number(QString::fromUtf8(text)), expected) << text;
}

TEST(ParGenChecks, EachCheckReportsItsOwnMessage) {
  struct TCase {
    const char* What;
    std::vector<TChange> Changes;
    int32_t Expected;
  };
  const TCase cases[] = {
      {"defaults pass", {}, 0},
      {"octet 0 and 255 pass", {{pfOPC_UA_Client_IP1, "0"}, {pfOPC_UA_Client_IP2, "255"}}, 0},
      {"hexadecimal octet passes", {{pfOPC_UA_Client_IP1, "0x10"}}, 0},
      {"OPC UA address octet 1", {{pfOPC_UA_Client_IP1, "256"}}, 806},
      {"OPC UA address octet 4", {{pfOPC_UA_Client_IP4, "-1"}}, 809},
      {"OPC UA mask octet 2", {{pfOPC_UA_Client_SM2, "256"}}, 811},
      {"first bad octet wins", {{pfOPC_UA_Client_SM1, "300"}, {pfOPC_UA_Client_SM2, "256"}}, 810},
      {"empty octet", {{pfOPC_UA_Client_SM3, ""}}, 812},
      {"gateway off: letters pass", {{pfOPC_UA_Client_GAT1, "ab"}, {pfModbus_TCP_Slave_GAT3, "cd"}}, 0},
      {"OPC UA gateway on", {{pfOPC_UA_Client_EN_GAT, "1"}, {pfOPC_UA_Client_GAT3, "ab"}}, 816},
      {"Modbus address octet 3", {{pfModbus_TCP_Slave_IP3, "999"}}, 823},
      {"Modbus mask octet 4", {{pfModbus_TCP_Slave_SM4, "x"}}, 828},
      {"Modbus gateway on", {{pfModbus_TCP_Slave_EN_GAT, "1"}, {pfModbus_TCP_Slave_GAT1, "256"}}, 829},
      {"DNS off: bad DNS passes", {{pfEth_Conn_Primary_DNS1, "300"}, {pfEth_Conn_Secondary_DNS4, "300"}}, 0},
      {"primary DNS on", {{pfEth_Conn_Enable_DNS, "1"}, {pfEth_Conn_Primary_DNS2, "300"}}, 3413},
      {"secondary DNS on", {{pfEth_Conn_Enable_DNS, "1"}, {pfEth_Conn_Secondary_DNS4, "300"}}, 3419},
      {"DNS runs before the addresses",
       {{pfEth_Conn_Enable_DNS, "1"}, {pfEth_Conn_Secondary_DNS1, "-5"}, {pfOPC_UA_Client_IP1, "256"}},
       3416},
      {"addresses run before the port", {{pfModbus_TCP_Slave_IP1, "256"}, {pfModbus_TCP_Slave_Port, "-1"}}, 821},
      {"port 0", {{pfModbus_TCP_Slave_Port, "0"}}, 0},
      {"port 65535", {{pfModbus_TCP_Slave_Port, "65535"}}, 0},
      {"port 65536", {{pfModbus_TCP_Slave_Port, "65536"}}, 833},
      {"port -1", {{pfModbus_TCP_Slave_Port, "-1"}}, 833},
      {"port 10000", {{pfModbus_TCP_Slave_Port, "10000"}}, 833},
      {"port 10000 in hexadecimal", {{pfModbus_TCP_Slave_Port, "0x2710"}}, 833},
      {"port empty", {{pfModbus_TCP_Slave_Port, ""}}, 833},
      {"poll time 10000000", {{pfNTP_Poll_Time, "10000000"}}, 0},
      {"poll time 10000001", {{pfNTP_Poll_Time, "10000001"}}, 925},
      {"poll time empty", {{pfNTP_Poll_Time, ""}}, 925},
      {"port runs before the poll time", {{pfModbus_TCP_Slave_Port, "10000"}, {pfNTP_Poll_Time, ""}}, 833},
      {"unchecked texts",
       {{pfEth_Conn_Device_Name, "a b!"}, {pfNTP_Server_URL, ""}, {pfEth_Conn_DHCP_Cable, "1"}},
       0},
  };
  for (const TCase& c : cases) EXPECT_EQ(First_Error(c.Changes), c.Expected) << c.What;
}

TEST(ParGenChecks, PinAndApnMustFitTheDeviceBuffer) {
  // "PIN=" + pin + CRLF + "APN=" + apn + CRLF: 12 characters besides the two texts.
  const QString pin = QStringLiteral("1234");
  EXPECT_EQ(First_Error({}, pin, QString(512 - 12 - 4, u'a')), 0);
  EXPECT_EQ(First_Error({}, pin, QString(512 - 12 - 4 + 1, u'a')), 3465);
  // A failing field check comes first.
  EXPECT_EQ(First_Error({{pfNTP_Poll_Time, "x"}}, pin, QString(600, u'a')), 925);
}
