// The CAN receive window: its checks and their texts, the rows it keeps and the file it writes.
#include "TDialogRecorder.h"
#include "TProtocolFixture.h"
#include "UReceiveCAN.h"

namespace {

class ReceiveCANTest : public TProtocolFixture {
 protected:
  TFReceiveCAN W;
  TQrvColumnGrid& Grid = W.Table(0);
};

const std::vector<std::pair<int32_t, const char*>> Valid = {
    {1, "Y"}, {2, "100"}, {3, "2.0A (11 bits)"}, {4, "2"}, {5, "0"}, {6, "0"}, {7, "1"}};

TEST_F(ReceiveCANTest, ChecksAndTheirMessages) {
  Expect_Checks(
      W, 0, 1, Valid,
      {{{}, ""},
       {{{2, "2048"}}, "Error row 1!! CobID must be between 0 and 2047"},
       {{{2, "2048"}, {3, "2.0B (29 bits)"}}, ""},
       {{{2, "$1FFFFFFF"}, {3, "2.0B (29 bits)"}}, ""},
       {{{2, "536870912"}, {3, ""}}, "Error row 1!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
       // Beyond 32 bits is invalid, never wrapped round to a small number.
       {{{2, "4294967396"}, {3, "2.0B (29 bits)"}}, "Error row 1!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
       {{{2, "  0x7FF"}}, ""},
       {{{2, "$7FF"}}, ""},
       {{{2, "2047 "}}, "Error row 1!! CobID must be between 0 and 2047"},
       {{{4, "9"}}, "Error row 1!! Dimension must be between 1 and 8"},
       {{{4, ""}}, "Error row 1!! Dimension must be between 1 and 8"},
       {{{5, "100000001"}}, "Error row 1!! TimeOut must be between 0 and 100000000 milliseconds"},
       {{{5, ""}}, "Error row 1!! TimeOut must be between 0 and 100000000 milliseconds"},
       {{{7, "5000"}}, "Error row 1!! Byte2 must be between 0 and 1499 or None"},
       {{{8, "5000"}}, ""},  // Byte3 lies beyond the dimension
       {{{4, "8"}, {13, "1500"}}, "Error row 1!! Byte8 must be between 0 and 1499 or None"},
       {{{6, "None"}, {7, " "}}, ""},
       {{{1, "N"}, {2, "x"}, {4, "99"}}, ""}});
  Expect_Checks(W, 0, 3, Valid, {{{{6, "-1"}}, "Error row 3!! Byte1 must be between 0 and 1499 or None"}});
}

TEST_F(ReceiveCANTest, UsedRowsEndAtTheFirstBlankCobID) {
  W.FormShow();
  Fill(Grid, 1, {{2, "1"}, {3, "2.0A (11 bits)"}, {4, "1"}, {5, "0"}});
  Fill(Grid, 2, {{2, "2"}, {3, "2.0A (11 bits)"}, {4, "1"}, {5, "0"}});
  W.Btn_OKClick();
  EXPECT_EQ(W.ModalResult(), mrOk);
  EXPECT_EQ(Read(Path_CAN_Rec_Frames).count("<row "), 2);

  // A blank CobID with a filled row below is refused, naming the blank row, and nothing is written.
  Fill(Grid, 2, {{2, "  "}});
  Fill(Grid, 4, {{14, "spare"}});
  TDialogRecorder dialogs;
  dialogs.Queue_Answer(mrOk);
  W.Btn_OKClick();
  ASSERT_EQ(dialogs.Messages.size(), 1u);
  EXPECT_EQ(dialogs.Messages[0].Text,
            QStringLiteral("Error row 2!! CobID is empty, but this row or a row below it holds data: fill it or "
                           "delete the row"));
  EXPECT_EQ(dialogs.Messages[0].Type, mtError);
  EXPECT_EQ(Read(Path_CAN_Rec_Frames).count("<row "), 2);
}

TEST_F(ReceiveCANTest, FileRoundTripKeepsCellsAsTyped) {
  // A disabled row with values no check would pass is kept as typed, blanks included.
  const QByteArray file =
      "<Receive_Frames><row Enable=\"Y\" COBID=\"0x181\" CAN_Type=\"2.0A (11 bits)\" Dim=\"2\" TimeOut=\"500\" "
      "Byte1=\"10\" Byte2=\"None\" Byte3=\"\" Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" Byte8=\"\" "
      "Mnemonic=\" speed \"/><row Enable=\"N\" COBID=\" 99999 \" CAN_Type=\"\" Dim=\"x\" TimeOut=\"-4\" "
      "Byte1=\"7000\" Byte2=\"\" Byte3=\"\" Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" Byte8=\"\" Mnemonic=\"\"/>"
      "</Receive_Frames><!--SW_VERSION = 1.000-->";
  Write(Path_CAN_Rec_Frames, file);
  W.FormShow();
  EXPECT_EQ(Grid.Cells(2, 2), QStringLiteral(" 99999 "));
  W.Btn_OKClick();
  EXPECT_EQ(W.ModalResult(), mrOk);
  EXPECT_EQ(Read(Path_CAN_Rec_Frames), file);

  // An all-default table writes the root and the version comment only.
  QFile::remove(Path_CAN_Rec_Frames);
  W.FormShow();
  W.Btn_OKClick();
  EXPECT_EQ(Read(Path_CAN_Rec_Frames), QByteArray("<Receive_Frames/><!--SW_VERSION = 1.000-->"));
}

TEST_F(ReceiveCANTest, LoadDefaultsAndPositionLists) {
  Write(Path_CAN_Rec_Frames, "<Receive_Frames><row COBID=\"5\" Dim=\"1\"/></Receive_Frames>");
  W.FormShow();
  EXPECT_EQ(Row(Grid, 1), QStringList({"Y", "5", "", "1", "0", "", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(Row(Grid, 2), QStringList({"Y", "", "", "", "", "", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(Grid.Cells(0, 512), QStringLiteral("512"));
  const QStringList items = Grid.Columns().Items(13)->ComboItems();
  ASSERT_EQ(items.size(), 1501);
  EXPECT_EQ(items.first(), QStringLiteral("None"));
  EXPECT_EQ(items.last(), QStringLiteral("1499"));
}

}  // namespace
