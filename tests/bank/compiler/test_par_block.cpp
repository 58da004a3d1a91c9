#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "TBankFixture.h"
#include "UBanks.h"
#include "UGlobals.h"
#include "UOPC_UA_Image.h"
#include "UParBlock.h"

namespace {
struct TField {
  uint32_t offset;
  std::vector<uint8_t> bytes;
};

using TBlock = std::array<uint8_t, Par_Block_Size>;

// The values no reading changes, with the load address every compile writes.
const std::vector<TField> Fixed_Fields = {{0, {0x90, 0xD0, 0x03, 0}},      {4, {0x90, 0xD0, 0x03, 0}},
                                          {12, {0x80, 0x25, 0, 0}},        {52, {0x10, 0x27}},
                                          {436, {8, 8, 8, 8, 8, 8, 8, 8}}, {1572, {0, 0, 8, 0}}};

TBlock Block_Of(std::vector<TField> fields) {
  TBlock block{};
  fields.insert(fields.end(), Fixed_Fields.begin(), Fixed_Fields.end());
  for (const TField& f : fields)
    for (size_t i = 0; i < f.bytes.size(); ++i) block[f.offset + i] = f.bytes[i];
  return block;
}

void Expect_Block(const QByteArray& actual, const TBlock& expected) {
  ASSERT_EQ(actual.size(), static_cast<qsizetype>(Par_Block_Size));
  for (uint32_t i = 0; i < Par_Block_Size; ++i)
    EXPECT_EQ(static_cast<uint8_t>(actual[i]), expected[i]) << "offset " << i;
}

class ParBlockTest : public BankTest {};
}  // namespace

TEST_F(ParBlockTest, WithoutParGenTheBlockHoldsItsDefaultsAndChecksum3466) {
  Compile_And_Write();
  const TBlock expected = Block_Of({{40, {192, 168, 2, 205}},
                                    {44, {255, 255, 255, 0}},
                                    {48, {255, 255, 255, 255}},
                                    {54, {0x11, 0x27}},
                                    {56, {0x11, 0x27}},
                                    {2044, {0x8A, 0x0D, 0, 0}}});
  Expect_Block(Read_Bank("bank1.bin"), expected);
}

TEST_F(ParBlockTest, ParGenAsTheWindowWritesItSetsOnlyItsFields) {
  Copy_Data("ParGen_Window_Defaults.xml", Path_ParGen);
  Compile_And_Write();
  const TBlock expected = Block_Of({{40, {192, 168, 0, 5}},
                                    {44, {255, 255, 255, 0}},
                                    {48, {255, 255, 255, 255}},
                                    {54, {0xF6, 0x01}},
                                    {56, {0xF6, 0x01}},
                                    {388, {192, 168, 0, 5}},
                                    {392, {255, 255, 255, 0}},
                                    {396, {255, 255, 255, 255}},
                                    {2044, {0xA4, 0x16, 0, 0}}});
  Expect_Block(Read_Bank("bank1.bin"), expected);
  EXPECT_EQ(OPC_UA_Main.ntp_address, "pool.ntp.org");
  EXPECT_EQ(OPC_UA_Main.ntp_poll, 1000u);
}

TEST_F(ParBlockTest, FieldConversions) {
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, QString>> elements;
    TField expected;
  };
  const QString name40 = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd");
  const QByteArray first31 = name40.left(31).toLatin1();
  std::vector<uint8_t> name31(first31.begin(), first31.end());
  name31.push_back(0);  // byte 1331 ends the field
  const Case cases[] = {
      {"hex octet", {{"OPC_UA_Client_IP3", "0x10"}}, {388, {192, 168, 16, 10}}},
      {"spaces before an octet", {{"OPC_UA_Client_IP4", "  7"}}, {388, {192, 168, 0, 7}}},
      {"a blank after the digits: reader default", {{"OPC_UA_Client_IP4", "7 "}}, {388, {192, 168, 0, 10}}},
      {"a tab or line break before the digits: reader default",
       {{"OPC_UA_Client_IP1", "\t7"}, {"OPC_UA_Client_IP2", "\n7"}},
       {388, {192, 168, 0, 10}}},
      {"no integer: reader default",
       {{"OPC_UA_Client_SM1", "abc"}, {"OPC_UA_Client_SM4", ""}},
       {392, {255, 255, 255, 255}}},
      {"missing client address", {}, {388, {192, 168, 0, 10}}},
      {"port 65535", {{"Modbus_TCP_Slave_Port", "65535"}}, {54, {0xFF, 0xFF, 0xFF, 0xFF}}},
      {"port missing", {}, {54, {0xF6, 0x01, 0xF6, 0x01}}},
      {"modbus address default", {}, {40, {192, 168, 2, 5, 255, 255, 255, 0}}},
      {"client gateway off",
       {{"OPC_UA_Client_GAT1", "10"}, {"OPC_UA_Client_EN_GAT", "0"}},
       {396, {255, 255, 255, 255}}},
      {"client gateway on, elements missing", {{"OPC_UA_Client_EN_GAT", "1"}}, {396, {192, 168, 0, 1}}},
      {"client gateway on",
       {{"OPC_UA_Client_GAT1", "10"},
        {"OPC_UA_Client_GAT2", "1"},
        {"OPC_UA_Client_GAT3", "2"},
        {"OPC_UA_Client_GAT4", "3"},
        {"OPC_UA_Client_EN_GAT", "1"}},
       {396, {10, 1, 2, 3}}},
      {"client gateway flag 'true'", {{"OPC_UA_Client_EN_GAT", "true"}}, {396, {255, 255, 255, 255}}},
      {"modbus gateway on, elements missing", {{"Modbus_TCP_Slave_EN_GAT", "1"}}, {48, {192, 192, 192, 192}}},
      {"modbus gateway missing flag", {{"Modbus_TCP_Slave_GAT1", "1"}}, {48, {255, 255, 255, 255}}},
      {"DNS on, elements missing", {{"Eth_Conn_Enable_DNS", "1"}}, {1340, {8, 8, 4, 4}}},
      {"DNS on, primary missing", {{"Eth_Conn_Enable_DNS", "1"}}, {1420, {8, 8, 8, 8}}},
      {"DNS on",
       {{"Eth_Conn_Enable_DNS", "1"},
        {"Eth_Conn_Primary_DNS1", "1"},
        {"Eth_Conn_Primary_DNS2", "2"},
        {"Eth_Conn_Primary_DNS3", "3"},
        {"Eth_Conn_Primary_DNS4", "4"}},
       {1420, {1, 2, 3, 4}}},
      {"DNS off ignores its elements",
       {{"Eth_Conn_Enable_DNS", "0"}, {"Eth_Conn_Primary_DNS1", "1"}, {"Eth_Conn_Secondary_DNS1", "1"}},
       {1420, {0, 0, 0, 0}}},
      {"DNS off, secondary", {{"Eth_Conn_Secondary_DNS1", "1"}}, {1340, {0, 0, 0, 0}}},
      {"both DHCP", {{"Eth_Conn_DHCP_Cable", "1"}, {"Eth_Conn_DHCP_WiFi", "1"}}, {1256, {3, 0}}},
      {"DHCP Wi-Fi", {{"Eth_Conn_DHCP_WiFi", "1"}}, {1256, {2, 0}}},
      {"DHCP '01' is off", {{"Eth_Conn_DHCP_Cable", "01"}}, {1256, {0, 0}}},
      {"device name of 40 characters keeps 31", {{"Eth_Conn_Device_Name", name40}}, {1300, name31}},
      {"device name: one byte per character up to U+00FF",
       {{"Eth_Conn_Device_Name", QStringLiteral("\u00E9\u00FF")}},
       {1300, {0xE9, 0xFF, 0}}},
      {"a character past the 31 kept ones is no concern of the device",
       {{"Eth_Conn_Device_Name", name40.left(31) + QStringLiteral("\u20AC")}},
       {1300, name31}},
  };
  for (const Case& c : cases) {
    Write_ParGen(Path_ParGen, c.elements);
    Compile();
    for (size_t i = 0; i < c.expected.bytes.size(); ++i)
      EXPECT_EQ(Par_Block[c.expected.offset + i], c.expected.bytes[i]) << c.what << ", byte " << i;
  }
}

TEST_F(ParBlockTest, NtpValuesGoToTheOpcUaHeader) {
  struct Case {
    std::vector<std::pair<std::string, QString>> elements;
    QString address;
    uint32_t poll;
  };
  const Case cases[] = {
      {{{"NTP_Server_URL", " time.local "}, {"NTP_Poll_Time", "60"}}, " time.local ", 60},
      {{{"NTP_Poll_Time", "10000000"}}, "", 10000000},
      {{{"NTP_Poll_Time", "soon"}}, "", 1000},
      {{{"NTP_Poll_Time", "60 "}}, "", 1000},
  };
  for (const Case& c : cases) {
    Write_ParGen(Path_ParGen, c.elements);
    Compile();
    EXPECT_EQ(OPC_UA_Main.ntp_address, c.address);
    EXPECT_EQ(OPC_UA_Main.ntp_poll, c.poll);
  }
}

TEST_F(ParBlockTest, RootIsTheFirstElementWhateverItsName) {
  TXmlDocument xml;
  ASSERT_TRUE(xml.Load_Bytes("<Other><OPC_UA_Client_IP1>10</OPC_UA_Client_IP1></Other>"));
  ASSERT_TRUE(xml.Save_File(Path_ParGen));
  Compile();
  EXPECT_EQ(Par_Block[388], 10);

  // A leading declaration or comment must not hide the settings the parameter window shows.
  ASSERT_TRUE(
      xml.Load_Bytes("<?xml version=\"1.0\"?><!-- note --><Par_Gen><OPC_UA_Client_IP1>11"
                     "</OPC_UA_Client_IP1></Par_Gen>"));
  ASSERT_TRUE(xml.Save_File(Path_ParGen));
  Compile();
  EXPECT_EQ(Par_Block[388], 11);
}

TEST_F(ParBlockTest, StoreBank1ReturnsThePositionAfterTheBlock) {
  Init_Par_Block();
  std::vector<uint8_t> image(Par_Block_Size + 10, 0xEE);
  EXPECT_EQ(Store_Bank1(5, image), 5 + Par_Block_Size);
  EXPECT_EQ(image[4], 0xEE);
  EXPECT_EQ(image[5], 0x90);
  EXPECT_EQ(image[5 + Par_Block_Size], 0xEE);
}
