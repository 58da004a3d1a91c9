// ParGen.xml: the exact bytes written, what a reader takes from files written by hand or damaged, and that a failed
// write keeps the earlier file.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TFailingDevice.h"
#include "UParGenFile.h"

namespace {
const QByteArray Default_File =
    "<Par_Gen>"
    "<OPC_UA_Client_IP1>192</OPC_UA_Client_IP1><OPC_UA_Client_IP2>168</OPC_UA_Client_IP2>"
    "<OPC_UA_Client_IP3>0</OPC_UA_Client_IP3><OPC_UA_Client_IP4>5</OPC_UA_Client_IP4>"
    "<OPC_UA_Client_SM1>255</OPC_UA_Client_SM1><OPC_UA_Client_SM2>255</OPC_UA_Client_SM2>"
    "<OPC_UA_Client_SM3>255</OPC_UA_Client_SM3><OPC_UA_Client_SM4>0</OPC_UA_Client_SM4>"
    "<OPC_UA_Client_GAT1>192</OPC_UA_Client_GAT1><OPC_UA_Client_GAT2>168</OPC_UA_Client_GAT2>"
    "<OPC_UA_Client_GAT3>0</OPC_UA_Client_GAT3><OPC_UA_Client_GAT4>1</OPC_UA_Client_GAT4>"
    "<OPC_UA_Client_EN_GAT>0</OPC_UA_Client_EN_GAT>"
    "<Eth_Conn_Device_Name/>"
    "<Eth_Conn_DHCP_Cable>0</Eth_Conn_DHCP_Cable><Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi>"
    "<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS>"
    "<Eth_Conn_Primary_DNS1>8</Eth_Conn_Primary_DNS1><Eth_Conn_Primary_DNS2>8</Eth_Conn_Primary_DNS2>"
    "<Eth_Conn_Primary_DNS3>8</Eth_Conn_Primary_DNS3><Eth_Conn_Primary_DNS4>8</Eth_Conn_Primary_DNS4>"
    "<Eth_Conn_Secondary_DNS1>8</Eth_Conn_Secondary_DNS1><Eth_Conn_Secondary_DNS2>8</Eth_Conn_Secondary_DNS2>"
    "<Eth_Conn_Secondary_DNS3>4</Eth_Conn_Secondary_DNS3><Eth_Conn_Secondary_DNS4>4</Eth_Conn_Secondary_DNS4>"
    "<Modbus_TCP_Slave_IP1>192</Modbus_TCP_Slave_IP1><Modbus_TCP_Slave_IP2>168</Modbus_TCP_Slave_IP2>"
    "<Modbus_TCP_Slave_IP3>0</Modbus_TCP_Slave_IP3><Modbus_TCP_Slave_IP4>5</Modbus_TCP_Slave_IP4>"
    "<Modbus_TCP_Slave_SM1>255</Modbus_TCP_Slave_SM1><Modbus_TCP_Slave_SM2>255</Modbus_TCP_Slave_SM2>"
    "<Modbus_TCP_Slave_SM3>255</Modbus_TCP_Slave_SM3><Modbus_TCP_Slave_SM4>0</Modbus_TCP_Slave_SM4>"
    "<Modbus_TCP_Slave_GAT1>192</Modbus_TCP_Slave_GAT1><Modbus_TCP_Slave_GAT2>168</Modbus_TCP_Slave_GAT2>"
    "<Modbus_TCP_Slave_GAT3>0</Modbus_TCP_Slave_GAT3><Modbus_TCP_Slave_GAT4>1</Modbus_TCP_Slave_GAT4>"
    "<Modbus_TCP_Slave_EN_GAT>0</Modbus_TCP_Slave_EN_GAT>"
    "<Modbus_TCP_Slave_Port>502</Modbus_TCP_Slave_Port>"
    "<NTP_Server_URL>pool.ntp.org</NTP_Server_URL>"
    "<NTP_Poll_Time>1000</NTP_Poll_Time>"
    "</Par_Gen><!--SW_VERSION = 1.009-->";

QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST(ParGenFile, DefaultsAreWrittenExactlyAndReadBack) {
  EXPECT_EQ(ParGen_Bytes(ParGen_Defaults()), Default_File);
  TParGenValues values;
  ASSERT_EQ(Load_ParGen_Bytes(Default_File, values), TParGenLoadResult::Loaded);
  EXPECT_EQ(values, ParGen_Defaults());
}

TEST(ParGenFile, TextsAreEscapedAndKeptAsTyped) {
  TParGenValues v = ParGen_Defaults();
  v[pfEth_Conn_Device_Name] = QStringLiteral("Gate <1> & \u00e8");
  v[pfOPC_UA_Client_IP1] = QStringLiteral("0x10");
  v[pfOPC_UA_Client_GAT1] = QStringLiteral("ab");
  const QByteArray bytes = ParGen_Bytes(v);
  EXPECT_TRUE(bytes.contains("<Eth_Conn_Device_Name>Gate &lt;1&gt; &amp; \xc3\xa8</Eth_Conn_Device_Name>"));
  EXPECT_TRUE(bytes.contains("<OPC_UA_Client_IP1>0x10</OPC_UA_Client_IP1>"));
  TParGenValues back;
  ASSERT_EQ(Load_ParGen_Bytes(bytes, back), TParGenLoadResult::Loaded);
  EXPECT_EQ(back, v);
}

TEST(ParGenFile, ReadingTakesEachElementOnItsOwn) {
  struct TCase {
    const char* What;
    QByteArray File;
    TParGenField Field;
    QString Expected;
  };
  const TCase cases[] = {
      {"root of another name", "<Other><NTP_Poll_Time>7</NTP_Poll_Time></Other>", pfNTP_Poll_Time, "7"},
      {"declaration first", "<?xml version=\"1.0\"?><Par_Gen><NTP_Poll_Time>7</NTP_Poll_Time></Par_Gen>",
       pfNTP_Poll_Time, "7"},
      {"comment first", "<!--c--><Par_Gen><NTP_Poll_Time>7</NTP_Poll_Time></Par_Gen>", pfNTP_Poll_Time, "7"},
      {"other order", "<Par_Gen><NTP_Poll_Time>7</NTP_Poll_Time><OPC_UA_Client_IP1>10</OPC_UA_Client_IP1></Par_Gen>",
       pfOPC_UA_Client_IP1, "10"},
      {"missing element", "<Par_Gen><Unknown>1</Unknown></Par_Gen>", pfOPC_UA_Client_SM1, "255"},
      {"name differs in case", "<Par_Gen><ntp_poll_time>7</ntp_poll_time></Par_Gen>", pfNTP_Poll_Time, "1000"},
      {"empty element", "<Par_Gen><NTP_Server_URL/></Par_Gen>", pfNTP_Server_URL, ""},
      {"element with children", "<Par_Gen><NTP_Poll_Time><x>1</x></NTP_Poll_Time></Par_Gen>", pfNTP_Poll_Time,
       "1000"},
      {"no trimming", "<Par_Gen><OPC_UA_Client_IP1> 12 </OPC_UA_Client_IP1></Par_Gen>", pfOPC_UA_Client_IP1, " 12 "},
      {"flag 1", "<Par_Gen><Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS></Par_Gen>", pfEth_Conn_Enable_DNS, "1"},
      {"flag true", "<Par_Gen><Eth_Conn_Enable_DNS>true</Eth_Conn_Enable_DNS></Par_Gen>", pfEth_Conn_Enable_DNS, "0"},
      {"flag 01", "<Par_Gen><Eth_Conn_Enable_DNS>01</Eth_Conn_Enable_DNS></Par_Gen>", pfEth_Conn_Enable_DNS, "0"},
      {"first of two", "<Par_Gen><NTP_Poll_Time>1</NTP_Poll_Time><NTP_Poll_Time>2</NTP_Poll_Time></Par_Gen>",
       pfNTP_Poll_Time, "1"},
  };
  for (const TCase& c : cases) {
    TParGenValues values;
    EXPECT_EQ(Load_ParGen_Bytes(c.File, values), TParGenLoadResult::Loaded) << c.What;
    EXPECT_EQ(values[c.Field], c.Expected) << c.What;
    // Whatever one element holds, the others keep their defaults or their own values.
    if (c.Field != pfModbus_TCP_Slave_Port) {
      EXPECT_EQ(values[pfModbus_TCP_Slave_Port], u"502") << c.What;
    }
  }
}

TEST(ParGenFile, DamagedOrMissingFileGivesDefaults) {
  QTemporaryDir dir;
  TParGenValues values;
  values.fill(QStringLiteral("stale"));
  EXPECT_EQ(Load_ParGen(dir.filePath(QStringLiteral("ParGen.xml")), values), TParGenLoadResult::Missing);
  EXPECT_EQ(values, ParGen_Defaults());

  for (const QByteArray& bad :
       {QByteArray("<Par_Gen><NTP_Poll_Time>7</Par_Gen>"), QByteArray(), QByteArray("<!-- only a comment -->")}) {
    values.fill(QStringLiteral("stale"));
    EXPECT_EQ(Load_ParGen_Bytes(bad, values), TParGenLoadResult::Unreadable) << bad.constData();
    EXPECT_EQ(values, ParGen_Defaults()) << bad.constData();
  }
}

TEST(ParGenFile, FailedWriteKeepsTheEarlierFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("ParGen.xml"));
  ASSERT_TRUE(Save_ParGen(path, ParGen_Defaults()));
  TParGenValues changed = ParGen_Defaults();
  changed[pfNTP_Poll_Time] = QStringLiteral("5");
  {
    TFailing_Writes failing(QString(), 100);
    EXPECT_FALSE(Save_ParGen(path, changed));
  }
  EXPECT_EQ(Read(path), Default_File);
  EXPECT_FALSE(Save_ParGen(dir.filePath(QStringLiteral("missing/ParGen.xml")), changed));
}
