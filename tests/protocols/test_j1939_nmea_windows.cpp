// The J1939 and NMEA 2000 windows: their checks, the byte budget, the PGN key, the files of the earlier layout.
#include "TProtocolFixture.h"
#include "UReceiveJ1939.h"
#include "UReceiveNMEA.h"
#include "UTransmitJ1939.h"
#include "UTransmitNMEA.h"

namespace {

class J1939NMEATest : public TProtocolFixture {};

TEST_F(J1939NMEATest, ReceiveJ1939Checks) {
  TFReceiveJ1939 w;
  Expect_Checks(w, 0, 1, {{1, "0"}, {2, "61444"}, {3, "0"}, {4, "N"}, {7, "N"}, {8, "N"}, {9, "1000"}},
                {{{}, ""},
                 {{{1, ""}}, "Error in row 1!! Data Page must be 0 or 1"},
                 {{{2, "65536"}}, "Error in row 1!! PGN must be between 0x0000 and 0xFFFF"},
                 {{{2, " "}}, "Error in row 1!! PGN must be between 0x0000 and 0xFFFF"},
                 {{{3, "240"}}, "Error in row 1!! Source Address must be between 0 and 239"},
                 {{{5, "3"}, {6, "4"}}, ""},
                 {{{5, "5"}, {6, "4"}}, "Error in row 1!! The Number Bytes plus Start Byte must be minor of 9"},
                 {{{5, "0"}, {6, "4"}}, "Error in row 1!! The Start Byte must be between 1 and 8"},
                 {{{5, "1"}, {6, "9"}}, "Error in row 1!! The Number Bytes must be between 1 and 8"},
                 {{{5, "3"}}, "Error in row 1!! Start Byte and Number Bytes must be both compiled"},
                 {{{4, "Y"}, {5, "1786"}, {6, "0"}}, "Error in row 1!! Start Byte must be between 0 and 1785"},
                 {{{4, "Y"}, {5, "1000"}, {6, "786"}},
                  "Error in row 1!! Start Byte plus Number Bytes must be between 0 and 1785"},
                 {{{4, "Y"}, {5, "1000"}, {6, "785"}}, ""},
                 {{{8, "Y"}, {9, "10000001"}}, "Error in row 1!! Time(ms) must be between 0 and 10000000"},
                 {{{8, "Y"}, {9, "10000000"}}, ""},
                 {{{8, "y"}, {9, "x"}}, ""}});
}

TEST_F(J1939NMEATest, ReceiveBudgets) {
  TFReceiveJ1939 j1939;
  // 187 whole single frames take 1496 bytes; the 188th passes the budget of 1500.
  for (int32_t rows : {187, 188}) {
    j1939.FormShow();
    for (int32_t r = 1; r <= rows; ++r) Fill(j1939.Table(0), r, {{1, "0"}, {2, "1"}, {3, "0"}, {4, "N"}, {8, "N"}});
    EXPECT_EQ(j1939.First_Failure().value_or(QString()),
              rows == 187 ? QString() : QStringLiteral("Error!! Too many bytes of data, the max number is 1500"));
  }
  TFReceiveNMEA nmea;
  nmea.FormShow();
  Fill(nmea.Table(0), 1, {{1, "1"}, {2, "0"}, {3, "Y"}, {5, "0"}, {6, "300"}});
  Fill(nmea.Table(0), 2, {{1, "2"}, {2, "0"}, {3, "Y"}, {5, "0"}, {6, "212"}});
  EXPECT_FALSE(nmea.First_Failure());
  Fill(nmea.Table(0), 2, {{6, "213"}});
  EXPECT_EQ(nmea.First_Failure().value_or(QString()),
            QStringLiteral("Error!! Too many bytes of data, the max number is 512"));
}

TEST_F(J1939NMEATest, ReceiveNMEAChecks) {
  TFReceiveNMEA w;
  Expect_Checks(
      w, 0, 1, {{1, "127250"}, {2, "0"}, {3, "N"}, {4, "N"}, {7, "N"}},
      {{{}, ""},
       {{{1, "131072"}}, "Error in row 1!! PGN must be between 0x00000 and 0x1FFFF"},
       {{{2, "240"}}, "Error in row 1!! Source Address must be between 0 and 239"},
       {{{4, "Y"}, {5, "224"}, {6, "0"}}, "Error in row 1!! Start Byte must be between 0 and 223"},
       {{{4, "Y"}, {5, "200"}, {6, "24"}}, "Error in row 1!! Start Byte plus Number Bytes must be between 0 and 223"},
       {{{3, "Y"}, {4, "Y"}, {5, "200"}, {6, "24"}}, ""},
       {{{6, "2"}}, "Error in row 1!! Start Byte and Number Bytes must be both compiled"}});
}

TEST_F(J1939NMEATest, TransmitChecks) {
  TFTransmitJ1939 j1939;
  Expect_Checks(j1939, 0, 1, {{1, "3"}, {2, "0"}, {3, "61444"}, {4, "0"}, {5, "8"}, {8, "N"}},
                {{{}, ""},
                 {{{1, "8"}}, "Error in row 1!! Priority must be between 0 and 7"},
                 {{{2, ""}}, "Error in row 1!! Data Page must be 0 or 1"},
                 {{{3, "131072"}}, "Error in row 1!! PGN must be between 0x00000 and 0x1FFFF"},
                 {{{4, "255"}}, ""},
                 {{{4, "256"}}, "Error in row 1!! Source Address must be between 0 and 255"},
                 {{{5, "0"}}, ""},
                 {{{5, "513"}}, "Error in row 1!! Num Byte must be between 0 and 512"},
                 {{{8, "Y"}, {9, "0"}}, "Error in row 1!! Send Timer must be between 1 and 65535 ms"},
                 {{{8, "Y"}, {9, "65535"}}, ""},
                 {{{8, "N"}, {9, "0"}}, ""}});
  TFTransmitNMEA nmea;
  Expect_Checks(nmea, 0, 1, {{1, "3"}, {2, "126992"}, {3, "0"}, {5, "8"}},
                {{{}, ""},
                 {{{3, "240"}}, "Error in row 1!! Source Address must be between 0 and 239"},
                 {{{5, ""}}, "Error in row 1!! Num Byte must be between 0 and 512"}});
  // Two rows of 256 bytes fill the budget; one byte more does not fit.
  nmea.FormShow();
  for (int32_t r = 1; r <= 3; ++r) Fill(nmea.Table(0), r, {{1, "0"}, {2, "1"}, {3, "0"}, {5, r == 3 ? "1" : "256"}});
  EXPECT_EQ(nmea.First_Failure().value_or(QString()),
            QStringLiteral("Error!! Too many bytes of data, the max number is 512"));
  nmea.Table(0).SetCells(5, 3, QStringLiteral("0"));
  EXPECT_FALSE(nmea.First_Failure());
}

TEST_F(J1939NMEATest, TransmitJ1939ReadsTheEarlierLayout) {
  Write(Path_J1939_Send_Frames,
        "<Transmit_J1939><row PGN=\"1\" T_Type=\"on Timer\" On_Request=\"Y\"/>"
        "<row PGN=\"2\" T_Type=\"On Data Change\"/><row PGN=\"3\" T_Type=\"cyclic\" On_Timer=\"Y\"/>"
        "<row PGN=\"4\" TP_NByte=\"\" On_Data_Change=\"Y\"/></Transmit_J1939>");
  TFTransmitJ1939 w;
  w.FormShow();
  const auto modes = [&](int32_t r) { return Row(w.Table(0), r).mid(4, 4); };
  EXPECT_EQ(modes(1), QStringList({"8", "N", "N", "Y"}));
  EXPECT_EQ(modes(2), QStringList({"8", "N", "Y", "N"}));
  EXPECT_EQ(modes(3), QStringList({"8", "N", "N", "N"}));
  EXPECT_EQ(modes(4), QStringList({"8", "N", "Y", "N"}));
}

TEST_F(J1939NMEATest, RoundTripsAndTheKeyOfPGN) {
  const QByteArray receive =
      "<Receive_J1939><row DP=\"1\" PGN=\"0xFEF1\" SA=\"0\" TP=\"N\" TP_Start=\"\" TP_NByte=\"\" Delete=\"Y\" "
      "OnRequest=\"N\" OnReq_Time=\"abc\" Mnemonic=\" speed \"/></Receive_J1939><!--SW_VERSION = 1.001-->";
  Write(Path_J1939_Rec_Frames, receive);
  TFReceiveJ1939 j1939;
  j1939.FormShow();
  j1939.Btn_OKClick();
  EXPECT_EQ(j1939.ModalResult(), mrOk);
  EXPECT_EQ(Read(Path_J1939_Rec_Frames), receive);

  // The NMEA 2000 transmit file carries the receive root; any root name loads.
  const QByteArray transmit =
      "<Receive_NMEA_2000><row Priority=\"2\" PGN=\"126992\" SA=\"1\" FP=\"Y\" TP_NByte=\"8\" On_Request=\"N\" "
      "On_Data_Change=\"N\" On_Timer=\"Y\" SendTimer=\"1000\" Mnemonic=\"\"/></Receive_NMEA_2000>"
      "<!--SW_VERSION = 1.000-->";
  Write(Path_NMEA_Send_Frames, QByteArray(transmit).replace("Receive_NMEA_2000", "Other"));
  TFTransmitNMEA nmea;
  nmea.FormShow();
  nmea.Btn_OKClick();
  EXPECT_EQ(Read(Path_NMEA_Send_Frames), transmit);

  // A row with a priority and no PGN would end the table and be dropped without a word: the check names it.
  nmea.FormShow();
  Fill(nmea.Table(0), 2, {{1, "3"}});
  EXPECT_EQ(nmea.First_Failure().value_or(QString()),
            QStringLiteral("Error in row 2!! PGN is empty, but this row or a row below it holds data: fill it or "
                           "delete the row"));
}

}  // namespace
