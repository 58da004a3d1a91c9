// The DMX window: one row per channel of ParGen.xml, every row checked and saved.
#include "TProtocolFixture.h"
#include "UDMXDefVal.h"

namespace {

class DMXTest : public TProtocolFixture {
 protected:
  void Channels(const QByteArray& count) {
    Write(Path_ParGen, "<Par_Gen><DMX_Num_Channels>" + count + "</DMX_Num_Channels></Par_Gen>");
  }
  TFDMXDefVal W;
  TQrvColumnGrid& Grid = W.Table(0);
};

TEST_F(DMXTest, ChannelCountFromTheParameters) {
  EXPECT_EQ(TFDMXDefVal::Channel_Count(), 512);  // no ParGen.xml
  const std::pair<const char*, int32_t> cases[] = {{"24", 24},   {"0x30", 48}, {"512", 512}, {"23", 512},
                                                   {"0", 512},   {"-5", 512},  {"513", 512}, {"100000", 512},
                                                   {"abc", 512}, {"24 ", 512}};
  for (const auto& [text, count] : cases) {
    Channels(text);
    EXPECT_EQ(TFDMXDefVal::Channel_Count(), count) << text;
  }
  Write(Path_ParGen, "<Par_Gen><BACnet_Type>1</BACnet_Type></Par_Gen>");
  EXPECT_EQ(TFDMXDefVal::Channel_Count(), 512);
}

TEST_F(DMXTest, EveryChannelIsShownCheckedAndSaved) {
  W.FormShow();
  ASSERT_EQ(Grid.RowCount(), 513);
  EXPECT_EQ(Row(Grid, 512), QStringList({"0", ""}));
  W.Btn_OKClick();
  EXPECT_EQ(Read(Path_DMX_Default_Values).count("<Row Default_Value=\"0\" Mnemonic=\"\"/>"), 512);

  Channels("24");
  W.FormShow();
  EXPECT_EQ(Grid.RowCount(), 25);
  Grid.SetCells(1, 3, QStringLiteral("255"));
  Grid.SetCells(2, 3, QStringLiteral(" dimmer "));
  W.Btn_OKClick();
  const QByteArray file = Read(Path_DMX_Default_Values);
  EXPECT_TRUE(
      file.startsWith("<DMX_Default_Values><Row Default_Value=\"0\" Mnemonic=\"\"/><Row Default_Value=\"0\" "
                      "Mnemonic=\"\"/><Row Default_Value=\"255\" Mnemonic=\" dimmer \"/>"));
  EXPECT_TRUE(file.endsWith("</DMX_Default_Values><!--SW_VERSION = 1.000-->"));
  EXPECT_EQ(file.count("<Row "), 24);

  // A file shorter than the channels: the rest show "0"; a missing attribute its default.
  Channels("30");
  Write(Path_DMX_Default_Values,
        "<DMX_Default_Values><Row Default_Value=\"7\"/><Row Mnemonic=\"m\"/></DMX_Default_Values>");
  W.FormShow();
  EXPECT_EQ(Row(Grid, 1), QStringList({"7", ""}));
  EXPECT_EQ(Row(Grid, 2), QStringList({"0", "m"}));
  EXPECT_EQ(Row(Grid, 30), QStringList({"0", ""}));
}

TEST_F(DMXTest, ChecksAndTheirMessage) {
  W.FormShow();
  for (const auto& [text, message] : std::vector<std::pair<const char*, const char*>>{
           {"255", ""},
           {"0x0", ""},
           {"256", "Error row 300!! Default Value must be between 0 and 255"},
           {"5 ", "Error row 300!! Default Value must be between 0 and 255"},
           {"", "Error row 300!! Default Value must be between 0 and 255"}}) {
    Grid.SetCells(1, 300, QString::fromUtf8(text));
    const std::optional<QString> failure = W.First_Failure();
    EXPECT_EQ(failure.value_or(QString()), QString::fromUtf8(message)) << text;
  }
}

}  // namespace
