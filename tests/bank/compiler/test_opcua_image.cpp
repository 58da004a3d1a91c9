#include <gtest/gtest.h>

#include <QFile>

#include <functional>

#include "TBankFixture.h"
#include "TTestData.h"
#include "UBanks.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UOPC_UA_Image.h"

namespace {
constexpr uint32_t W = 0x80000;

class OpcUaImageTest : public BankTest {
 protected:
  // The only variable of a one-server file with one read (or write) variable changed by `changes`.
  Bank::TOPC_UA_Var Compile_Variable(bool read, const TChanges& changes) {
    TOpcUaFile file;
    const int s = file.Add_Server();
    if (read)
      file.Add_Read(s, changes);
    else
      file.Add_Write(s, changes);
    file.Save(Path_OPC_UA_Client);
    Compile();
    if (OPC_UA_Main.opcua_server.size() != 1 || OPC_UA_Main.opcua_server[0].requests.size() != 1) {
      ADD_FAILURE() << "expected one server with one variable";
      return {};
    }
    return OPC_UA_Main.opcua_server[0].requests[0];
  }
};

std::string Describe(const TChanges& changes) {
  std::string s;
  for (const auto& [name, value] : changes) s += name + "=" + (value ? value->toStdString() : "<none>") + " ";
  return s;
}
}  // namespace

TEST_F(OpcUaImageTest, EmptyConfigurationIsHeaderAndOneZeroByte) {
  const QByteArray expected = TBytes().U32(0).U32(1000).U32(W + 16).U32(W + 16).U8(0).Bytes();
  EXPECT_EQ(Compile_And_Write(), expected);
}

TEST_F(OpcUaImageTest, OneServerWithOneNumericReadVariable) {
  Copy_Data("ParGen_Window_Defaults.xml", Path_ParGen);  // NTP server "pool.ntp.org", 12 characters
  Copy_Data("OPC_UA_Client_One_Server.xml", Path_OPC_UA_Client);
  const QByteArray expected =
      TBytes()
          // header
          .U32(1)
          .U32(1000)
          .U32(W + 93)
          .U32(W + 16)
          // server: address, auth, user, password, certificate, key, mode, policy, count, vars
          .U32(W + 106)
          .U32(0)
          .U32(W + 92)
          .U32(W + 92)
          .U32(W + 92)
          .U32(W + 92)
          .U32(1)
          .U32(0)
          .U32(1)
          .U32(W + 56)
          // variable at W + 56
          .U16(2)
          .U16(0)
          .U32(1234)
          .Zeros(12)
          .U32(10)
          .U32(100)
          .U8(3)
          .U8(1)
          .U8(0x04)
          .U8(0)
          .U16(0)
          .U16(2)
          // pool at W + 92
          .U8(0)
          .Text("pool.ntp.org", true)
          .Text("opc.tcp://plc01:4840", true)
          .Bytes();
  ASSERT_EQ(expected.size(), 127);
  EXPECT_EQ(Compile_And_Write(), expected);
}

TEST_F(OpcUaImageTest, ServersVariablesAndPoolInFileOrder) {
  // Server 2 is disabled (its enabled variable is dropped), a comment stands between servers, server 3 has a
  // disabled variable before its enabled one.
  Copy_Data("OPC_UA_Client_Mixed.xml", Path_OPC_UA_Client);
  const uint32_t E = W + 204;  // the pool's shared empty text
  const QByteArray expected = TBytes()
                                  .U32(2)
                                  .U32(1000)
                                  .U32(E)
                                  .U32(W + 16)
                                  // server "a": user name and password, sign, Basic 256
                                  .U32(W + 205)
                                  .U32(1)
                                  .U32(W + 207)
                                  .U32(E)
                                  .U32(E)
                                  .U32(W + 209)
                                  .U32(2)
                                  .U32(2)
                                  .U32(2)
                                  .U32(W + 96)
                                  // server "c": certificate, sign and encrypt, AES 256
                                  .U32(W + 211)
                                  .U32(2)
                                  .U32(E)
                                  .U32(E)
                                  .U32(E)
                                  .U32(E)
                                  .U32(3)
                                  .U32(5)
                                  .U32(1)
                                  .U32(W + 168)
                                  // read String "ab": swap; a string not marked "Array" keeps Start and Length
                                  .U16(3)
                                  .U16(3)
                                  .U32(2)
                                  .U32(W + 213)
                                  .Zeros(8)
                                  .U32(20)
                                  .U32(250)
                                  .U8(11)
                                  .U8(1)
                                  .U8(0x14)
                                  .U8(0)
                                  .U16(1)
                                  .U16(8)
                                  // write GUID: on change, on timer, swap words
                                  .U16(1)
                                  .U16(4)
                                  .U32(0x0123ABCD)
                                  .U16(1)
                                  .U16(2)
                                  .U8(3)
                                  .U8(4)
                                  .U8(5)
                                  .U8(6)
                                  .U8(7)
                                  .U8(8)
                                  .U8(9)
                                  .U8(10)
                                  .U32(30)
                                  .U32(500)
                                  .U8(6)
                                  .U8(0)
                                  .U8(0x25)
                                  .U8(3)
                                  .U16(0)
                                  .U16(0)
                                  // read ByteString "xyz": swap all
                                  .U16(4)
                                  .U16(5)
                                  .U32(3)
                                  .U32(W + 215)
                                  .Zeros(8)
                                  .U32(40)
                                  .U32(1000)
                                  .U8(14)
                                  .U8(1)
                                  .U8(0x44)
                                  .U8(0)
                                  .U16(0)
                                  .U16(3)
                                  // pool: empty text, server texts, then identifiers without terminator
                                  .U8(0)
                                  .Text("a", true)
                                  .Text("u", true)
                                  .Text("k", true)
                                  .Text("c", true)
                                  .Text("ab", false)
                                  .Text("xyz", false)
                                  .Bytes();
  ASSERT_EQ(expected.size(), 218);
  EXPECT_EQ(Compile_And_Write(), expected);
}

TEST_F(OpcUaImageTest, ReadVariableStartAndTotal) {
  struct Case {
    TChanges changes;
    uint16_t start, tot;
    uint8_t type;
  };
  const Case cases[] = {
      {{{"VarType", "Int16"}, {"VarArray", "Array"}, {"Start", "3"}, {"Length", "10"}}, 6, 20, 3},
      {{{"VarType", "Int16"}, {"VarArray", "array"}, {"Start", "3"}, {"Length", "10"}}, 0, 2, 3},
      {{{"VarType", "Int16"}, {"VarArray", std::nullopt}, {"Start", "3"}, {"Length", "10"}}, 0, 2, 3},
      {{{"VarType", "String"}, {"VarArray", "Variable"}, {"Start", "3"}, {"Length", "10"}}, 3, 10, 11},
      {{{"VarType", "String"}, {"VarArray", "Array"}, {"Start", "3"}, {"Length", "10"}}, 0, 0, 11},
      {{{"VarType", "String"}, {"Start", std::nullopt}, {"Length", "10"}}, 0, 0, 11},
      {{{"VarType", "Int16"}, {"VarArray", "Array"}, {"Start", "3"}, {"Length", "x"}}, 0, 2, 3},
      {{{"VarType", "Guid"}, {"VarArray", "Array"}, {"Start", "1"}, {"Length", "2"}}, 16, 32, 13},
      // The largest bounds the 16-bit fields hold.
      {{{"VarType", "Int32"}, {"VarArray", "Array"}, {"Start", "16383"}, {"Length", "16383"}}, 65532, 65532, 5},
      {{{"VarType", "ByteString"}, {"Start", "65535"}, {"Length", "65535"}}, 65535, 65535, 14},
      {{{"VarType", "DateTime"}}, 0, 8, 12},
      // The type code and the length come from one reading of the word.
      {{{"VarType", " Float "}}, 0, 4, 9},
      {{{"VarType", "\u017Ftring"}, {"Start", "3"}, {"Length", "10"}}, 0, 1, 1},
      {{{"VarType", "u\u0131nt16"}}, 0, 1, 1},
      {{{"VarType", "Real"}}, 0, 1, 1},
  };
  for (const Case& c : cases) {
    const Bank::TOPC_UA_Var v = Compile_Variable(true, c.changes);
    EXPECT_EQ(v.Start, c.start) << Describe(c.changes);
    EXPECT_EQ(v.Tot, c.tot) << Describe(c.changes);
    EXPECT_EQ(v.Atype, c.type) << Describe(c.changes);
  }
}

TEST_F(OpcUaImageTest, VariableOptionsStartBitTimeAndIdentifier) {
  struct Case {
    bool read;
    TChanges changes;
    uint8_t options, start_bit;
    uint32_t time, numeric;
  };
  const Case cases[] = {
      {false, {{"OnChange", "1"}, {"OnTimer", "1"}, {"Swap_Word", "1"}}, 0x25, 0, 100, 1234},
      {false, {{"OnCMD", "1"}, {"OnChange", "Y"}}, 0x02, 0, 100, 1234},
      {false, {{"OnTimer", std::nullopt}, {"Time", "abc"}}, 0x00, 0, 0, 1234},
      {false, {{"Time", "-5"}, {"StartBit", "7"}}, 0x00, 7, 0xFFFFFFFB, 1234},
      {true, {{"OnChange", "1"}, {"OnCMD", "1"}}, 0x04, 0, 100, 1234},
      {true, {{"Swap", "1"}, {"Swap_All", "1"}, {"StartBit", std::nullopt}}, 0x54, 0, 100, 1234},
      {true, {{"StartBit", "x"}}, 0x04, 0, 100, 1234},
      {true, {{"StartBit", "7 "}}, 0x04, 0, 100, 1234},
      {true, {{"Time", " 1"}}, 0x04, 0, 1, 1234},
      {true, {{"NodeID", "4294967295"}}, 0x04, 0, 100, 0xFFFFFFFF},
      {true, {{"NodeID", "2147483648"}}, 0x04, 0, 100, 0x80000000},
      {true, {{"NodeID", "4294967296"}}, 0x04, 0, 100, 0},
      {true, {{"NodeID", "node"}}, 0x04, 0, 100, 0},
  };
  for (const Case& c : cases) {
    const Bank::TOPC_UA_Var v = Compile_Variable(c.read, c.changes);
    EXPECT_EQ(v.is_read, c.read ? 1 : 0) << Describe(c.changes);
    EXPECT_EQ(v.options, c.options) << Describe(c.changes);
    EXPECT_EQ(v.StartBit, c.start_bit) << Describe(c.changes);
    EXPECT_EQ(v.time, c.time) << Describe(c.changes);
    EXPECT_EQ(v.numeric, c.numeric) << Describe(c.changes);
  }
}

TEST_F(OpcUaImageTest, ServerWordsBecomeCodes) {
  struct Case {
    TChanges changes;
    uint32_t auth, security_type, policy;
  };
  const Case cases[] = {
      {{{"SecurityType", "None"}}, 0, 1, 0},
      {{{"SecurityType", "Sign"}, {"SecurityPolicy", "Basic 128 RSA 15"}}, 0, 2, 1},
      {{{"SecurityType", "Sign and Encrypt"}, {"Authorization", "Username and Password"}}, 1, 3, 0},
      {{{"SecurityType", "sign"}, {"Authorization", "nobody"}, {"SecurityPolicy", "none"}}, 2, 3, 5},
  };
  for (const Case& c : cases) {
    TOpcUaFile file;
    file.Add_Server(c.changes);
    file.Save(Path_OPC_UA_Client);
    Compile();
    ASSERT_EQ(OPC_UA_Main.opcua_server.size(), 1u);
    const Bank::TOPC_UA_Server& s = OPC_UA_Main.opcua_server[0];
    EXPECT_EQ(s.user_pass_auth_flag, c.auth) << Describe(c.changes);
    EXPECT_EQ(s.security_type, c.security_type) << Describe(c.changes);
    EXPECT_EQ(s.security_policy, c.policy) << Describe(c.changes);
    EXPECT_EQ(s.num_requests, 0u);
  }
}

TEST_F(OpcUaImageTest, FileFaultsStopTheCompileWithTheirPlace) {
  struct Case {
    const char* what;
    std::function<void(const QString& path)> write;
    QString expected;  // a part of the message; empty when the file must compile
  };
  const auto raw = [](const char* xml) {
    return [xml](const QString& path) {
      TXmlDocument doc;
      ASSERT_TRUE(doc.Load_Bytes(xml));
      ASSERT_TRUE(doc.Save_File(path));
    };
  };
  const auto server = [](const TChanges& changes) {
    return [changes](const QString& path) {
      TOpcUaFile f;
      f.Add_Server();
      f.Add_Server(changes);
      f.Save(path);
    };
  };
  const auto variable = [](bool read, const TChanges& changes) {
    return [read, changes](const QString& path) {
      TOpcUaFile f;
      const int s = f.Add_Server();
      f.Add_Read(s);
      if (read)
        f.Add_Read(s, changes);
      else
        f.Add_Write(s, changes);
      f.Save(path);
    };
  };
  const Case cases[] = {
      {"not well-formed",
       [](const QString& path) { QFile::copy(Test_Data("bank/OPC_UA_Client_Not_Well_Formed.xml"), path); },
       "not well-formed"},
      {"other root", raw("<Other><OPC_UA_Server_List/></Other>"), "\"OPC_UA_Client\" is missing"},
      {"no server list", raw("<OPC_UA_Client/>"), "\"OPC_UA_Server_List\" is missing"},
      {"empty server list", raw("<OPC_UA_Client><OPC_UA_Server_List/></OPC_UA_Client>"), ""},
      {"enabled server without variables",
       raw("<OPC_UA_Client><OPC_UA_Server_List><S Enable=\"1\" "
           "ServerAddress=\"\" UserName=\"\" Password=\"\" Certificate=\"\" "
           "PrivateKey=\"\" Authorization=\"\" SecurityType=\"\" "
           "SecurityPolicy=\"\"/></OPC_UA_Server_List></OPC_UA_Client>"),
       "\"OPC_UA_Variables\" is missing in server 1"},
      {"enabled server without write section",
       raw("<OPC_UA_Client><OPC_UA_Server_List><S Enable=\"1\" ServerAddress=\"\" UserName=\"\" Password=\"\" "
           "Certificate=\"\" PrivateKey=\"\" Authorization=\"\" SecurityType=\"\" SecurityPolicy=\"\">"
           "<OPC_UA_Variables><OPC_UA_Read_Var/></OPC_UA_Variables></S></OPC_UA_Server_List></OPC_UA_Client>"),
       "\"OPC_UA_Write_Var\" is missing in server 1"},
      {"disabled server without anything",
       raw("<OPC_UA_Client><OPC_UA_Server_List><S Enable=\"0\"/>"
           "</OPC_UA_Server_List></OPC_UA_Client>"),
       ""},
      {"server without private key", server({{"PrivateKey", std::nullopt}}),
       "server 2 has no attribute \"PrivateKey\""},
      {"server without policy", server({{"SecurityPolicy", std::nullopt}}), "\"SecurityPolicy\""},
      {"disabled server without private key", server({{"Enable", "0"}, {"PrivateKey", std::nullopt}}), ""},
      {"read variable without type", variable(true, {{"VarType", std::nullopt}}),
       "read variable 2 of server 1 has no attribute \"VarType\""},
      {"read variable namespace", variable(true, {{"NameSpaceIndex", "x"}}),
       "\"NameSpaceIndex\" of read variable 2 of server 1 is not an integer (\"x\")"},
      {"read variable position", variable(true, {{"Position", std::nullopt}}), "\"Position\""},
      {"read variable time", variable(true, {{"Time", "abc"}}), "\"Time\" of read variable 2"},
      {"write variable without time", variable(false, {{"Time", std::nullopt}}),
       "write variable 1 of server 1 has no attribute \"Time\""},
      {"write variable without node id", variable(false, {{"NodeID", std::nullopt}}), "\"NodeID\""},
      {"write variable position", variable(false, {{"Position", "1.5"}}), "\"Position\""},
      {"array longer than its record field",
       variable(true, {{"VarType", "Int32"}, {"VarArray", "Array"}, {"Length", "16384"}}),
       "\"Length\" of read variable 2 of server 1 (\"16384\") comes to 65536 bytes"},
      {"array start past its record field",
       variable(true, {{"VarType", "Double"}, {"VarArray", "Array"}, {"Start", "8192"}}),
       "\"Start\" of read variable 2 of server 1 (\"8192\") comes to 65536 bytes"},
      {"negative array start", variable(true, {{"VarArray", "Array"}, {"Start", "-1"}}),
       "Error in Server Number 1 in Read Variable 2!! Start byte is Wrong"},
      {"string length past its record field", variable(true, {{"VarType", "String"}, {"Length", "65536"}}),
       "\"Length\" of read variable 2 of server 1 (\"65536\") comes to 65536 bytes"},
      {"negative string length", variable(true, {{"VarType", "String"}, {"Length", "-1"}}),
       "Error in Server Number 1 in Read Variable 2!! Length is Wrong"},
      {"negative array length", variable(true, {{"VarArray", "Array"}, {"Length", "-2"}}),
       "Error in Server Number 1 in Read Variable 2!! Length is Wrong"},
      {"position past the exchange area", variable(true, {{"Position", "1500"}}),
       "Error in Server Number 1 in Read Variable 2!! Position must be between 0 and 1499"},
      {"negative position", variable(false, {{"Position", "-1"}}),
       "Error in Server Number 1 in Write Variable 1!! Position must be between 0 and 1499"},
      {"position with a trailing blank", variable(true, {{"Position", "12 "}}),
       "\"Position\" of read variable 2 of server 1 is not an integer (\"12 \")"},
      {"start bit 8", variable(true, {{"StartBit", "8"}}),
       "Error in Server Number 1 in Read Variable 2!! StartBit must be between 0 and 7"},
      {"start bit -1", variable(false, {{"StartBit", "-1"}}),
       "Error in Server Number 1 in Write Variable 1!! StartBit must be between 0 and 7"},
      {"start bit 260 would wrap to 4", variable(true, {{"StartBit", "260"}}), "StartBit must be between 0 and 7"},
      {"read time 0", variable(true, {{"Time", "0"}}),
       "Error in Server Number 1 in Read Variable 2!! Time must be major to 0"},
      {"write time on a timer, empty", variable(false, {{"OnTimer", "1"}, {"Time", " "}}),
       "Error in Server Number 1 in Write Variable 1!! Time cannot be empty"},
      {"write time on a timer, negative", variable(false, {{"OnTimer", "1"}, {"Time", "-5"}}),
       "Error in Server Number 1 in Write Variable 1!! Time must be major to 0"},
      {"write time without a timer is not checked", variable(false, {{"OnTimer", "0"}, {"Time", "-5"}}), ""},
      {"namespace index 65536", variable(true, {{"NameSpaceIndex", "65536"}}),
       "\"NameSpaceIndex\" of read variable 2 of server 1 is 65536; a namespace index lies between 0 and 65535"},
      {"namespace index -1", variable(false, {{"NameSpaceIndex", "-1"}}), "a namespace index lies between 0 and"},
      {"namespace index 65535", variable(false, {{"NameSpaceIndex", "65535"}}), ""},
      {"password the device cannot hold", server({{"Password", QStringLiteral("p\u0100ss")}}),
       "the attribute \"Password\" of server 2 holds the character U+0100, which the device cannot store"},
      {"server address with a euro sign", server({{"ServerAddress", QStringLiteral("opc.tcp://\u20AC")}}),
       "\"ServerAddress\" of server 2 holds the character U+20AC"},
      {"user name with U+00FF", server({{"UserName", QStringLiteral("\u00FF")}}), ""},
      {"string identifier the device cannot hold",
       variable(true, {{"NodeType", "String"}, {"NodeID", QStringLiteral("a\U0001F600")}}),
       "\"NodeID\" of read variable 2 of server 1 holds the character U+1F600"},
      {"numeric identifier is no text of the device",
       variable(true, {{"NodeType", "Numeric"}, {"NodeID", QStringLiteral("\u20AC")}}), ""},
      {"bounds of a single value are not read", variable(true, {{"Start", "-1"}, {"Length", "99999"}}), ""},
      {"disabled variable without attributes",
       variable(true, {{"Enable", std::nullopt}, {"Time", std::nullopt}, {"VarType", std::nullopt}}), ""},
  };
  // The bank files of an earlier update, which no refusal may touch.
  variable(true, {})(Path_OPC_UA_Client);
  const QByteArray old_bank2 = Compile_And_Write();
  const QByteArray old_bank1 = Read_Bank("bank1.bin");
  for (const Case& c : cases) {
    QFile::remove(Path_OPC_UA_Client);
    c.write(Path_OPC_UA_Client);
    const TBank_Result r = Compile_Banks();
    if (c.expected.isEmpty()) {
      EXPECT_TRUE(r.Success) << c.what << ": " << r.Error_Text.toStdString();
      continue;
    }
    EXPECT_FALSE(r.Success) << c.what;
    EXPECT_TRUE(r.Error_Text.contains(Path_OPC_UA_Client)) << c.what << ": " << r.Error_Text.toStdString();
    EXPECT_TRUE(r.Error_Text.contains(c.expected)) << c.what << ": " << r.Error_Text.toStdString();
    EXPECT_EQ(Bank1_Len, 0u) << c.what;
    EXPECT_EQ(Bank2_Len, 0u) << c.what;
    EXPECT_FALSE(Write_Banks().Success) << c.what;
    EXPECT_EQ(Read_Bank("bank1.bin"), old_bank1) << c.what;
    EXPECT_EQ(Read_Bank("bank2.bin"), old_bank2) << c.what;
  }
}

// Each refusal of a field the OPC UA window checks names the attribute, the row, the value as the file holds it and
// the window's reason, also when the compile runs before any language is loaded.
TEST_F(OpcUaImageTest, WindowCheckedFieldsAreRefusedWithPlaceValueAndReason) {
  struct Case {
    bool read;
    TChanges changes;
    const char* message;  // after "Error in the file <path>: "
  };
  const Case cases[] = {
      {true,
       {{"Position", "1500"}},
       "the attribute \"Position\" of read variable 1 of server 1 is \"1500\": Error in Server Number 1 in Read "
       "Variable 1!! Position must be between 0 and 1499."},
      {false,
       {{"Position", "-1"}},
       "the attribute \"Position\" of write variable 1 of server 1 is \"-1\": Error in Server Number 1 in Write "
       "Variable 1!! Position must be between 0 and 1499."},
      {true,
       {{"StartBit", "8"}},
       "the attribute \"StartBit\" of read variable 1 of server 1 is \"8\": Error in Server Number 1 in Read "
       "Variable 1!! StartBit must be between 0 and 7."},
      {false,
       {{"StartBit", "-1"}},
       "the attribute \"StartBit\" of write variable 1 of server 1 is \"-1\": Error in Server Number 1 in Write "
       "Variable 1!! StartBit must be between 0 and 7."},
      {true,
       {{"Time", "0"}},
       "the attribute \"Time\" of read variable 1 of server 1 is \"0\": Error in Server Number 1 in Read Variable "
       "1!! Time must be major to 0."},
      {false,
       {{"OnTimer", "1"}, {"Time", " "}},
       "the attribute \"Time\" of write variable 1 of server 1 is \" \": Error in Server Number 1 in Write "
       "Variable 1!! Time cannot be empty."},
      {false,
       {{"OnTimer", "1"}, {"Time", "-5"}},
       "the attribute \"Time\" of write variable 1 of server 1 is \"-5\": Error in Server Number 1 in Write "
       "Variable 1!! Time must be major to 0."},
      {true,
       {{"VarType", "String"}, {"Start", "-3"}},
       "the attribute \"Start\" of read variable 1 of server 1 is \"-3\": Error in Server Number 1 in Read "
       "Variable 1!! Start byte is Wrong."},
      {true,
       {{"VarArray", "Array"}, {"Length", "-2"}},
       "the attribute \"Length\" of read variable 1 of server 1 is \"-2\": Error in Server Number 1 in Read "
       "Variable 1!! Length is Wrong."},
  };
  for (const bool table_loaded : {true, false}) {
    if (!table_loaded) {
      Lang_Table.clear();
      Lang_Count = 0;
    }
    for (const Case& c : cases) {
      TOpcUaFile file;
      const int s = file.Add_Server();
      c.read ? file.Add_Read(s, c.changes) : file.Add_Write(s, c.changes);
      file.Save(Path_OPC_UA_Client);
      const QString expected = QStringLiteral("Error in the file %1: %2").arg(Path_OPC_UA_Client, c.message);
      EXPECT_EQ(Compile_Banks().Error_Text.toStdString(), expected.toStdString())
          << Describe(c.changes) << (table_loaded ? "" : "(no table)");
    }
  }
}

TEST_F(OpcUaImageTest, TypeLengths) {
  const std::pair<QString, uint8_t> cases[] = {
      {"Boolean", 1}, {"int8", 1},   {"UINT8", 1},        {"Int16", 2},  {"UInt16", 2}, {"Int32", 4},
      {"UInt32", 4},  {"Float", 4},  {"Int64", 8},        {"UInt64", 8}, {"Double", 8}, {"DateTime", 8},
      {"Guid", 16},   {"String", 0}, {" ByteString ", 0}, {"Real", 1},   {"", 1}};
  for (const auto& [name, len] : cases) EXPECT_EQ(Var_Type_Len(name), len) << name.toStdString();
  EXPECT_TRUE(Is_String_Type(" string"));
  EXPECT_TRUE(Is_String_Type("BYTESTRING"));
  EXPECT_FALSE(Is_String_Type("Guid"));
}
