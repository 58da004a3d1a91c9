// Configuration files as an engineer may leave them after editing by hand, through the whole update step: what
// is refused must name the file, write nothing and leave the bank files of the last update as they were.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "TBankFixture.h"
#include "UBanks.h"
#include "UGlobals.h"
#include "UOPC_UA_Image.h"
#include "UParBlock.h"

namespace {
constexpr uint32_t W = 0x80000;

enum TTarget { ParGen, Client };

class HandEditedTest : public BankTest {
 protected:
  HandEditedTest() {
    Write_Sound_Files();
    Old_Bank2 = Compile_And_Write();
    Old_Bank1 = Read_Bank("bank1.bin");
  }

  void Write_Sound_Files() const {
    Write_ParGen(Path_ParGen, {{"Modbus_TCP_Slave_Port", "1502"}, {"NTP_Server_URL", "pool.ntp.org"}});
    TOpcUaFile file;
    const int s = file.Add_Server();
    file.Add_Read(s);
    file.Add_Write(s);
    file.Save(Path_OPC_UA_Client);
  }

  static const QString& Path_Of(TTarget target) { return target == ParGen ? Path_ParGen : Path_OPC_UA_Client; }

  static void Write_Raw(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }

  // The update step on the present files must stop with a message naming `path` and holding `expected`, and leave
  // the bank files of the last successful update byte for byte.
  void Expect_Refused(const QString& path, const QString& expected, const std::string& what) {
    const TBank_Result r = Compile_Banks();
    EXPECT_FALSE(r.Success) << what;
    EXPECT_TRUE(r.Error_Text.contains(path)) << what << ": " << r.Error_Text.toStdString();
    EXPECT_TRUE(r.Error_Text.contains(expected)) << what << ": " << r.Error_Text.toStdString();
    EXPECT_FALSE(Write_Banks().Success) << what;
    EXPECT_EQ(Read_Bank("bank1.bin"), Old_Bank1) << what;
    EXPECT_EQ(Read_Bank("bank2.bin"), Old_Bank2) << what;
  }

  QByteArray Old_Bank1, Old_Bank2;
};

// 0 when xmllint accepts the file, its exit code otherwise; -1 when xmllint is not installed.
int Xmllint(const QString& path) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
  if (tool.isEmpty()) return -1;
  QProcess p;
  p.start(tool, {QStringLiteral("--noout"), QStringLiteral("--nonet"), path});
  if (!p.waitForFinished(20000)) return -1;
  return p.exitCode();
}

const QByteArray Sound_ParGen = "<Par_Gen><Modbus_TCP_Slave_Port>1502</Modbus_TCP_Slave_Port></Par_Gen>";

TEST_F(HandEditedTest, OnlyWellFormedFilesAreReadAndTheVerdictAgreesWithXmllint) {
  struct Case {
    const char* what;
    TTarget target;
    QByteArray bytes;
    const char* refusal;  // part of the message; nullptr when the file compiles
  };
  const QByteArray var =
      "<Variable Enable=\"1\" DisplayName=\"v\" NodeType=\"Numeric\" NodeID=\"7\" VarType=\"Int16\" "
      "NameSpaceIndex=\"2\" VarArray=\"Variable\" Start=\"0\" Length=\"0\" Time=\"100\" "
      "Position=\"10\" StartBit=\"0\"";
  const QByteArray client_head =
      "<OPC_UA_Client><OPC_UA_Server_List><S Enable=\"1\" ServerAddress=\"a\" Authorization=\"Anonymous\" "
      "UserName=\"\" Password=\"\" Certificate=\"\" PrivateKey=\"\" SecurityType=\"None\" SecurityPolicy=\"None\">"
      "<OPC_UA_Variables><OPC_UA_Read_Var>";
  const QByteArray client_tail =
      "</OPC_UA_Read_Var><OPC_UA_Write_Var/></OPC_UA_Variables></S>"
      "</OPC_UA_Server_List></OPC_UA_Client>";
  const Case cases[] = {
      {"undefined entity", ParGen, "<Par_Gen><NTP_Server_URL>&h;</NTP_Server_URL></Par_Gen>",
       "the entity \"&h;\" is not defined"},
      {"entity reference without ';'", ParGen, "<Par_Gen><NTP_Server_URL>a &amp b</NTP_Server_URL></Par_Gen>",
       "has no ';'"},
      {"duplicate attribute", ParGen, "<Par_Gen a=\"1\" a=\"2\"/>", "the attribute \"a\" appears twice"},
      {"duplicate attribute of a variable", Client, client_head + var + " Enable=\"0\"/>" + client_tail,
       "the attribute \"Enable\" appears twice in <Variable>"},
      {"second top-level element", ParGen, "<Par_Gen/><Par_Gen/>", "a second top-level element"},
      {"two files run together", ParGen, Sound_ParGen + "\n<!--SW_VERSION = 1.009-->\n" + Sound_ParGen,
       "line 3: a second top-level element"},
      {"garbage in front", ParGen, "PK\x03\x04" + Sound_ParGen, "text before the root element"},
      {"text after the root", ParGen, Sound_ParGen + "x", "text after the root element"},
      {"declaration after a blank", ParGen, " <?xml version=\"1.0\"?>" + Sound_ParGen,
       "an XML declaration that is not at the very start"},
      {"'--' inside a comment", ParGen, Sound_ParGen + "<!-- a -- b -->", "\"--\" inside a comment"},
      {"'<' in an attribute value", Client, client_head + var + " Mnemonic=\"a<b\"/>" + client_tail,
       "a '<' inside an attribute value"},
      {"bytes that are not UTF-8", ParGen, "<Par_Gen><NTP_Server_URL>caf\xE9</NTP_Server_URL></Par_Gen>",
       "bytes that are not UTF-8"},
      {"a control character", ParGen, "<Par_Gen><NTP_Server_URL>a\x01</NTP_Server_URL></Par_Gen>", "U+0001"},
      {"character reference to U+0000", ParGen, "<Par_Gen><NTP_Server_URL>&#0;</NTP_Server_URL></Par_Gen>",
       "a character reference to a character XML does not allow"},
      {"']]>' in text", ParGen, "<Par_Gen><NTP_Server_URL>]]></NTP_Server_URL></Par_Gen>", "\"]]>\" in text"},
      {"crossed tags", ParGen, "<Par_Gen><A><B></A></B></Par_Gen>", "the end tag </A> does not match <B>"},
      {"unclosed root", ParGen, "<Par_Gen><A>1</A>", "the element <Par_Gen> is not closed"},
      {"name starting with a digit", ParGen, "<Par_Gen><1A/></Par_Gen>", "a name is missing"},
      {"attributes without a blank between", ParGen, "<Par_Gen a=\"1\"b=\"2\"/>", "not separated by blanks"},
      {"empty file", ParGen, "", "no root element"},
      {"declared encoding that is not read", ParGen, "<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + Sound_ParGen,
       "\"UTF-16\" is not one this program reads"},
      // Sound files in the forms an editor may leave.
      {"declaration, comments, processing instruction, CRLF", ParGen,
       "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>\r\n<!-- edited -->\r\n<?editor x?>\r\n" +
           Sound_ParGen + "\r\n<!--SW_VERSION = 1.009-->\r\n",
       nullptr},
      {"byte-order mark", ParGen, "\xEF\xBB\xBF" + Sound_ParGen, nullptr},
      {"ISO-8859-1 declared", ParGen,
       "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><Par_Gen><Eth_Conn_Device_Name>caf\xE9</Eth_Conn_Device_Name>"
       "</Par_Gen>",
       nullptr},
      {"UTF-16 with its mark", ParGen,
       QByteArray("\xFF\xFE", 2) +
           QByteArray(reinterpret_cast<const char*>(QStringLiteral("<Par_Gen/>").utf16()), 20),
       nullptr},
      {"references and CDATA", ParGen,
       "<Par_Gen><NTP_Server_URL>&#x74;ime&#46;<![CDATA[<x>]]>&lt;&amp;&gt;&apos;&quot;</NTP_Server_URL></Par_Gen>",
       nullptr},
      {"names beyond ASCII", ParGen, "<Par_Gen><\xC3\xA9l\xC3\xA9ment/></Par_Gen>", nullptr},
      {"a sound client file", Client, client_head + var + "/>" + client_tail, nullptr},
  };
  int agreed = 0;
  for (const Case& c : cases) {
    const QString& path = Path_Of(c.target);
    Write_Raw(path, c.bytes);
    if (c.refusal) {
      Expect_Refused(path, QString::fromUtf8(c.refusal), c.what);
    } else {
      const TBank_Result r = Compile_Banks();
      EXPECT_TRUE(r.Success) << c.what << ": " << r.Error_Text.toStdString();
    }
    const int lint = Xmllint(path);
    if (lint >= 0) {
      EXPECT_EQ(lint == 0, c.refusal == nullptr) << c.what << ": xmllint exit " << lint;
      ++agreed;
    }
    Write_Sound_Files();
  }
  if (agreed == 0) GTEST_LOG_(INFO) << "xmllint not found: verdicts not compared";
}

TEST_F(HandEditedTest, DocumentTypeDeclarationsAreRefusedWhateverTheyDeclare) {
  const QByteArray files[] = {
      "<!DOCTYPE Par_Gen>" + Sound_ParGen,
      "<!DOCTYPE Par_Gen [<!ENTITY h \"time.example.net\">]>"
      "<Par_Gen><NTP_Server_URL>&h;</NTP_Server_URL></Par_Gen>",
      "<!-- c --><!DOCTYPE Par_Gen SYSTEM \"other.dtd\">" + Sound_ParGen,
  };
  for (const QByteArray& bytes : files) {
    Write_Raw(Path_ParGen, bytes);
    Expect_Refused(Path_ParGen, QStringLiteral("document type declaration"), bytes.toStdString());
  }
  Write_Sound_Files();
  Write_Raw(Path_OPC_UA_Client, "<!DOCTYPE OPC_UA_Client><OPC_UA_Client><OPC_UA_Server_List/></OPC_UA_Client>");
  Expect_Refused(Path_OPC_UA_Client, QStringLiteral("document type declaration"), "client file");
}

TEST_F(HandEditedTest, ParameterValuesOutOfTheirRangeAreRefusedWithTheWindowsMessage) {
  struct Case {
    std::vector<std::pair<std::string, QString>> elements;
    const char* refusal;  // nullptr: compiles
  };
  const Case cases[] = {
      {{{"OPC_UA_Client_IP1", "300"}}, "Error OPC UA Client!! IP Address 1 must be between 0 and 255"},
      {{{"OPC_UA_Client_SM2", "-1"}}, "Error OPC UA Client!! SubNet Mask 2 must be between 0 and 255"},
      {{{"OPC_UA_Client_GAT1", "256"}, {"OPC_UA_Client_EN_GAT", "1"}},
       "Error OPC UA Client!! GATEWAY IP 1 must be between 0 and 255"},
      {{{"OPC_UA_Client_GAT1", "256"}, {"OPC_UA_Client_EN_GAT", "0"}}, nullptr},
      {{{"Modbus_TCP_Slave_IP4", "$100"}}, "Error Modbus TCP Slave!! IP Address 4 must be between 0 and 255"},
      {{{"Modbus_TCP_Slave_GAT3", "1000"}, {"Modbus_TCP_Slave_EN_GAT", "1"}},
       "Error Modbus TCP Slave!! GATEWAY IP 3 must be between 0 and 255"},
      {{{"Eth_Conn_Primary_DNS1", "300"}, {"Eth_Conn_Enable_DNS", "1"}},
       "Error Primary DNS!! DNS 1 must be between 0 and 255"},
      {{{"Eth_Conn_Secondary_DNS4", "-8"}, {"Eth_Conn_Enable_DNS", "1"}},
       "Error Secondary DNS!! DNS 4 must be between 0 and 255"},
      {{{"Eth_Conn_Primary_DNS1", "300"}, {"Eth_Conn_Enable_DNS", "0"}}, nullptr},
      {{{"Modbus_TCP_Slave_Port", "70000"}}, "Port must be between 0 and 65535, and different from 10000"},
      {{{"Modbus_TCP_Slave_Port", "75536"}}, "Port must be between 0 and 65535, and different from 10000"},
      {{{"Modbus_TCP_Slave_Port", "10000"}}, "Port must be between 0 and 65535, and different from 10000"},
      {{{"Modbus_TCP_Slave_Port", "-1"}}, "Port must be between 0 and 65535, and different from 10000"},
      {{{"NTP_Poll_Time", "10000001"}}, "Error NTP!! Poll Time must be between 0 and 10000000 seconds"},
      {{{"NTP_Poll_Time", "-1"}}, "Error NTP!! Poll Time must be between 0 and 10000000 seconds"},
      // Texts that are no integers keep the reader's default, as before.
      {{{"Modbus_TCP_Slave_Port", "70000 "}, {"OPC_UA_Client_IP1", "3OO"}}, nullptr},
      {{{"Eth_Conn_Device_Name", QStringLiteral("p\u0100ss")}},
       "the element \"Eth_Conn_Device_Name\" holds the character U+0100, which the device cannot store"},
      {{{"Eth_Conn_Device_Name", QStringLiteral("5 \u20AC")}}, "holds the character U+20AC"},
      {{{"NTP_Server_URL", QStringLiteral("time.\u0101.net")}},
       "the element \"NTP_Server_URL\" holds the character U+0101"},
      {{{"Eth_Conn_Device_Name", QStringLiteral("\u00FF\u00E9")}, {"NTP_Server_URL", QStringLiteral("\u00FF")}},
       nullptr},
  };
  for (const Case& c : cases) {
    Write_ParGen(Path_ParGen, c.elements);
    const std::string what = c.elements.front().first + "=" + c.elements.front().second.toStdString();
    if (c.refusal) {
      Expect_Refused(Path_ParGen, QString::fromUtf8(c.refusal), what);
    } else {
      const TBank_Result r = Compile_Banks();
      EXPECT_TRUE(r.Success) << what << ": " << r.Error_Text.toStdString();
    }
  }
}

TEST_F(HandEditedTest, TextAndIntegersAsTheFileHoldsThem) {
  struct Case {
    const char* what;
    QByteArray elements;  // inside Par_Gen
    QString ntp;
    uint16_t port;
  };
  const Case cases[] = {
      {"text split by a comment", "<NTP_Server_URL>time.<!--x-->example.net</NTP_Server_URL>", "time.example.net",
       502},
      {"text split by CDATA", "<NTP_Server_URL><![CDATA[time.]]>example<?pi?>.net</NTP_Server_URL>",
       "time.example.net", 502},
      {"port split by a comment", "<Modbus_TCP_Slave_Port>15<!--x-->02</Modbus_TCP_Slave_Port>", "", 1502},
      {"an element holding an element has no value",
       "<Modbus_TCP_Slave_Port>1502<x/></Modbus_TCP_Slave_Port><NTP_Server_URL>a<b>c</b></NTP_Server_URL>", "", 502},
      {"spaces before the digits", "<Modbus_TCP_Slave_Port>  1502</Modbus_TCP_Slave_Port>", "", 1502},
      {"a blank after the digits", "<Modbus_TCP_Slave_Port>1502 </Modbus_TCP_Slave_Port>", "", 502},
      {"characters after the digits", "<Modbus_TCP_Slave_Port>1502a</Modbus_TCP_Slave_Port>", "", 502},
      {"a tab before the digits", "<Modbus_TCP_Slave_Port>&#9;1502</Modbus_TCP_Slave_Port>", "", 502},
      {"a line break before the digits", "<Modbus_TCP_Slave_Port>\n1502</Modbus_TCP_Slave_Port>", "", 502},
      {"a blank-only text is a blank", "<NTP_Server_URL> </NTP_Server_URL>", " ", 502},
      {"a blank after a comment follows the digits", "<Modbus_TCP_Slave_Port>12<!--x--> </Modbus_TCP_Slave_Port>", "",
       502},
      {"a blank between comments is kept", "<NTP_Server_URL>a<!--x--> <!--y-->b</NTP_Server_URL>", "a b", 502},
  };
  for (const Case& c : cases) {
    Write_Raw(Path_ParGen, "<Par_Gen>" + c.elements + "</Par_Gen>");
    Compile();
    EXPECT_EQ(OPC_UA_Main.ntp_address, c.ntp) << c.what;
    EXPECT_EQ(Par_Block[54] | Par_Block[55] << 8, c.port) << c.what;
  }
}

TEST_F(HandEditedTest, WordsMatchIgnoringOnlyTheCaseOfAsciiLetters) {
  struct Case {
    const char* node_type;
    const char* var_type;
    uint16_t identifier_type;
    uint8_t type, tot;
  };
  const Case cases[] = {
      {"string", "INT16", 3, 3, 2},
      {"\u017Ftring", "uint16", 0, 4, 2},   // long s is no s
      {"Numeric", "u\u0131nt16", 0, 1, 1},  // dotless i is no i: Int8, and the length of Int8
      {"GUID", "\u0130nt8", 4, 1, 1},
  };
  for (const Case& c : cases) {
    TOpcUaFile file;
    const int s = file.Add_Server();
    file.Add_Read(s, {{"NodeType", QString::fromUtf8(c.node_type)},
                      {"NodeID", "0123ABCD-0001-0002-0304-05060708090A"},
                      {"VarType", QString::fromUtf8(c.var_type)}});
    file.Save(Path_OPC_UA_Client);
    Compile();
    const Bank::TOPC_UA_Var& v = OPC_UA_Main.opcua_server.at(0).requests.at(0);
    EXPECT_EQ(v.identifierType, c.identifier_type) << c.node_type;
    EXPECT_EQ(v.Atype, c.type) << c.var_type;
    EXPECT_EQ(v.Tot, c.tot) << c.var_type;
  }
}

TEST_F(HandEditedTest, AnEmptyIdentifierPlacedLastPointsInsideTheImage) {
  TOpcUaFile file;
  const int s = file.Add_Server();
  file.Add_Read(s, {{"NodeType", "String"}, {"NodeID", "ab"}});
  file.Add_Read(s, {{"NodeType", "ByteString"}, {"NodeID", ""}});
  file.Save(Path_OPC_UA_Client);
  QFile::remove(Path_ParGen);
  const QByteArray bank2 = Compile_And_Write();
  const uint32_t pool = 16 + 40 + 2 * 36;  // the shared empty text
  const uint32_t address = OPC_UA_Main.opcua_server.at(0).server_address.size() + 1;
  const Bank::TOPC_UA_Var& empty = OPC_UA_Main.opcua_server.at(0).requests.at(1);
  EXPECT_EQ(empty.byteString_add, W + pool);
  EXPECT_EQ(static_cast<uint8_t>(bank2[pool]), 0);
  EXPECT_LT(empty.byteString_add, W + static_cast<uint32_t>(bank2.size()));
  // The identifier before it keeps its place; the image grows by nothing.
  EXPECT_EQ(OPC_UA_Main.opcua_server.at(0).requests.at(0).Astring_add, W + pool + 1 + address);
  EXPECT_EQ(bank2.size(), static_cast<int>(pool + 1 + address + 2));
}
}  // namespace
