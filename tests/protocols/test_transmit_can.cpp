// The CAN transmit window: its checks and their texts, the defaults of files of the earlier layout, the bytes it
// writes.
#include "TProtocolFixture.h"
#include "UTransmitCAN.h"

namespace {

class TransmitCANTest : public TProtocolFixture {
 protected:
  TFTransmitCAN W;
  TQrvColumnGrid& Grid = W.Table(0);
};

TEST_F(TransmitCANTest, ChecksAndTheirMessages) {
  const std::vector<std::pair<int32_t, const char*>> valid = {
      {1, "Y"}, {2, "100"}, {3, "2.0A (11 bits)"}, {4, "2"}, {5, "Y"}, {6, "N"}, {7, "N"}, {9, "0"}, {10, "1"}};
  Expect_Checks(
      W, 0, 1, valid,
      {{{}, ""},
       {{{2, "2048"}}, "Error row 1!! CobID must be between 0 and 2047"},
       {{{2, "0x20000000"}, {3, "2.0B (29 bits)"}}, "Error row 1!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
       {{{4, "0"}}, "Error row 1!! Dimension must be between 1 and 8"},
       {{{8, "-5"}}, ""},
       {{{7, "Y"}, {8, "-5"}}, "Error row 1!! Time must be between 0 and 100000000 milliseconds"},
       {{{7, " y"}, {8, ""}}, "Error row 1!! Time must be between 0 and 100000000 milliseconds"},
       {{{7, "Y"}, {8, "100000000"}}, ""},
       {{{10, "2000"}}, "Error row 1!! Byte2 must be between 0 and 1499 or None"},
       {{{4, "1"}, {10, "2000"}}, ""},
       {{{1, "N"}, {2, "-1"}}, ""}});
}

TEST_F(TransmitCANTest, FilesOfTheEarlierLayoutAndMissingAttributes) {
  Write(Path_CAN_Send_Frames,
        "<Transmit_Frames><row COBID=\"1\" Dim=\"1\"/><row COBID=\"2\" OnTimer=\"Y\"/>"
        "<row COBID=\"3\" OnTimer=\"Y\" Time=\"\"/></Transmit_Frames>");
  W.FormShow();
  EXPECT_EQ(Row(Grid, 1).mid(0, 8), QStringList({"Y", "1", "2.0A (11 bits)", "1", "Y", "N", "N", ""}));
  EXPECT_EQ(Grid.Cells(8, 2), QStringLiteral("0"));
  EXPECT_EQ(Grid.Cells(8, 3), QString());
}

TEST_F(TransmitCANTest, FileRoundTripKeepsCellsAsTyped) {
  const QByteArray file =
      "<Transmit_Frames><row Enable=\"Y\" COBID=\"$1FF\" CAN_Type=\"2.0B (29 bits)\" Dim=\"1\" OnChange=\"N\" "
      "OnCMD=\"Y\" OnTimer=\"N\" Time=\"junk\" Byte1=\"1499\" Byte2=\"\" Byte3=\"\" Byte4=\"\" Byte5=\"\" "
      "Byte6=\"\" Byte7=\"\" Byte8=\"\" Mnemonic=\"&lt;motor> &amp; pump\"/></Transmit_Frames>"
      "<!--SW_VERSION = 1.000-->";
  Write(Path_CAN_Send_Frames, file);
  W.FormShow();
  EXPECT_EQ(Grid.Cells(17, 1), QStringLiteral("<motor> & pump"));
  W.Btn_OKClick();
  EXPECT_EQ(W.ModalResult(), mrOk);
  EXPECT_EQ(Read(Path_CAN_Send_Frames), file) << Read(Path_CAN_Send_Frames).toStdString();
}

}  // namespace
