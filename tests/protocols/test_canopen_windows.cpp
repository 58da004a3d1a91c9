// The three CANopen windows: their checks and texts on both pages, the row buttons acting on the page shown, the
// files with their two sections, and the EDS export reading what the PDO and SDO server windows wrote.
#include "TDialogRecorder.h"
#include "TProtocolFixture.h"
#include "UEDS_Writer.h"
#include "USet_PDO_Access.h"
#include "USet_SDO_Client_Access.h"
#include "USet_SDO_Server_Access.h"

namespace {

class CANopenTest : public TProtocolFixture {};

TEST_F(CANopenTest, PDOChecksAndTheirMessages) {
  TFSet_PDO_Access w;
  Expect_Checks(w, 0, 1, {{1, "0x181"}, {2, "2"}, {3, "0"}, {4, "1"}, {11, "0"}},
                {{{}, ""},
                 {{{1, "2048"}}, "Error row 1!! [Receive PDO] COB-ID must be between 0x000 and 0x7FF"},
                 {{{1, "12 "}}, "Error row 1!! [Receive PDO] COB-ID must be between 0x000 and 0x7FF"},
                 {{{2, "9"}}, "Error row 1!! [Receive PDO] Dimension must be between 1 and 8"},
                 {{{4, "5000"}}, "Error row 1!! [Receive PDO] Address Byte2 must be between 0 and 1499"},
                 {{{5, "5000"}}, ""},
                 {{{3, ""}}, "Error row 1!! [Receive PDO] Address Byte1 must be between 0 and 1499"},
                 {{{11, "65536"}}, "Error row 1!! [Receive PDO] TimeOut must be between 0 and 65535"}});
  Expect_Checks(w, 0, 3,
                {{1, "1"},
                 {2, "8"},
                 {3, "0"},
                 {4, "0"},
                 {5, "0"},
                 {6, "0"},
                 {7, "0"},
                 {8, "0"},
                 {9, "0"},
                 {10, "0"},
                 {11, "0"}},
                {{{{10, "1500"}}, "Error row 3!! [Receive PDO] Address Byte8 must be between 0 and 1499"}});
  Expect_Checks(w, 1, 1, {{1, "385"}, {2, "1"}, {3, "7"}, {11, "100"}},
                {{{}, ""},
                 {{{1, "-1"}}, "Error row 1!! [Transmit PDO] COB-ID must be between 0x000 and 0x7FF"},
                 {{{2, "x"}}, "Error row 1!! [Transmit PDO] Dimension must be between 1 and 8"},
                 {{{3, "1500"}}, "Error row 1!! [Transmit PDO] Address Byte1 must be between 0 and 1499"},
                 {{{11, "100000001"}}, "Error row 1!! [Transmit PDO] Send Time must be between 0 and 100000000"}});
}

TEST_F(CANopenTest, SDOClientChecksAndTheirMessages) {
  TFSet_SDO_Client_Access w;
  Expect_Checks(
      w, 0, 1, {{1, "1"}, {2, "0x2000"}, {3, "0"}, {4, "2"}, {5, "1"}, {6, "0"}, {7, "1"}},
      {{{}, ""},
       {{{1, "128"}}, "Error row 1!! [SDO Read] Device ID must be between 1 and 127"},
       {{{2, "4095"}}, "Error row 1!! [SDO Read] Index must be between 0x1000 and 0xFFFF"},
       {{{3, "256"}}, "Error row 1!! [SDO Read] SubIndex must be between 0x00 and 0xFF"},
       {{{4, "3"}}, "Error row 1!! [SDO Read] N Byte must be 1 or 2 or 4"},
       {{{5, "0"}}, "Error row 1!! [SDO Read] Poll Time must be between 1 and 100000000"},
       {{{8, "9999"}}, ""},
       {{{4, "4"}, {8, "9999"}, {9, "0"}}, "Error row 1!! [SDO Read] Address Byte3 must be between 0 and 1499"},
       {{{4, "1"}, {7, "x"}}, ""}});
  Expect_Checks(w, 1, 1, {{1, "127"}, {2, "4096"}, {3, "255"}, {4, "1"}, {5, "0"}, {7, "0"}},
                {{{}, ""},
                 {{{5, "-1"}}, "Error row 1!! [SDO Write] Poll Time must be between 0 and 100000000"},
                 {{{7, "1500"}}, "Error row 1!! [SDO Write] Address Byte1 must be between 0 and 1499"},
                 {{{4, "2"}, {8, ""}}, "Error row 1!! [SDO Write] Address Byte2 must be between 0 and 1499"}});
}

TEST_F(CANopenTest, SDOServerChecksAndTheirMessages) {
  TFSet_SDO_Server_Access w;
  const std::vector<std::pair<int32_t, const char*>> valid = {{1, "0x2000"}, {2, "0"}, {3, "1"}, {4, "0"}};
  Expect_Checks(w, 0, 1, valid,
                {{{}, ""},
                 {{{1, "8191"}}, "Error row 1!! [SDO in Read] Index must be between 0x2000 and 0x5FFF"},
                 {{{1, "24575"}}, ""},
                 {{{1, "24576"}}, "Error row 1!! [SDO in Read] Index must be between 0x2000 and 0x5FFF"},
                 {{{5, "7777"}}, ""},
                 {{{3, "4"}, {5, "1"}, {6, "2"}, {7, "1500"}},
                  "Error row 1!! [SDO in Read] Address Byte4 must be between 0 and 1499"}});
  Expect_Checks(w, 1, 1, valid,
                {{{{2, "256"}}, "Error row 1!! [SDO in Write] SubIndex must be between 0x00 and 0xFF"},
                 {{{3, "0"}}, "Error row 1!! [SDO in Write] N Byte must be 1 or 2 or 4"}});
}

TEST_F(CANopenTest, RowButtonsActOnThePageShown) {
  TFSet_PDO_Access w;
  w.FormShow();
  Fill(w.Table(0), 1, {{1, "1"}});
  Fill(w.Table(1), 1, {{1, "2"}});
  Fill(w.Table(1), 2, {{1, "3"}});
  w.PageControl1->setCurrentIndex(1);
  w.Table(1).MoveToCell(1, 1);
  {
    TDialogRecorder dialogs;
    dialogs.Queue_Answer(mrYes);
    w.Btn_DelRow_Click();
    EXPECT_EQ(dialogs.Texts(), QStringList({"Are you sure to delete the Row number 1"}));
  }
  EXPECT_EQ(w.Table(1).Cells(1, 1), QStringLiteral("3"));
  EXPECT_EQ(w.Table(0).Cells(1, 1), QStringLiteral("1"));
  // Inserting writes no "Y": these tables have no enable column.
  w.Btn_InsRowClick();
  EXPECT_EQ(Row(w.Table(1), 1), QStringList(13, QString()));
  // A row copied on the receive page is not the transmit page's to paste.
  w.PageControl1->setCurrentIndex(0);
  w.Table(0).MoveToCell(1, 1);
  w.Btn_CopyRowClick();
  EXPECT_TRUE(w.Do_Copy_Receive_PDO);
  w.PageControl1->setCurrentIndex(1);
  TDialogRecorder dialogs;
  dialogs.Queue_Answer(mrOk);
  w.Btn_PasteRowClick();
  EXPECT_EQ(dialogs.Texts(), QStringList({"Error!!! Copy a valid row before Paste it"}));
}

TEST_F(CANopenTest, PDOFileRoundTripWithItsTwoSections) {
  const QByteArray file =
      "<PDO_CANopen><Receive_PDO><row COB-ID=\"0x181\" Dimension=\"2\" Address_B1=\"0\" Address_B2=\"1\" "
      "Address_B3=\"x\" Address_B4=\"\" Address_B5=\"\" Address_B6=\"\" Address_B7=\"\" Address_B8=\"\" "
      "TimeOut=\"100\" Mnemonic=\"in\"/></Receive_PDO><Transmit_PDO><row COB-ID=\"385\" Dimension=\"1\" "
      "Address_B1=\"9\" Address_B2=\"\" Address_B3=\"\" Address_B4=\"\" Address_B5=\"\" Address_B6=\"\" "
      "Address_B7=\"\" Address_B8=\"\" Send_Time=\"10\" On_Change=\"\" Mnemonic=\"\"/></Transmit_PDO>"
      "</PDO_CANopen><!--SW_VERSION = 1.000-->";
  Write(Path_PDO_CANopen, file);
  TFSet_PDO_Access w;
  w.FormShow();
  w.Btn_OK_Click();
  EXPECT_EQ(w.ModalResult(), mrOk);
  EXPECT_EQ(Read(Path_PDO_CANopen), file);

  // 35 rows in a section: the table shows 30 and the next OK writes those.
  QByteArray many = "<PDO_CANopen><Receive_PDO>";
  for (int i = 0; i < 35; ++i)
    many += "<row COB-ID=\"" + QByteArray::number(i) + "\" Dimension=\"1\" Address_B1=\"0\" TimeOut=\"0\"/>";
  Write(Path_PDO_CANopen, many + "</Receive_PDO></PDO_CANopen>");
  w.FormShow();
  w.Btn_OK_Click();
  EXPECT_EQ(Read(Path_PDO_CANopen).count("<row "), 30);
}

// The rows an engineer enters in the PDO and SDO server windows reach the device description.
TEST_F(CANopenTest, RowsEnteredReachTheEDSExport) {
  TFSet_PDO_Access pdo;
  pdo.FormShow();
  Fill(pdo.Table(0), 1, {{1, "0x181"}, {2, "2"}, {3, "0"}, {4, "1"}, {11, "0"}});
  Fill(pdo.Table(1), 1, {{1, "0x281"}, {2, "4"}, {3, "2"}, {4, "3"}, {5, "4"}, {6, "5"}, {11, "100"}, {12, "Y"}});
  pdo.Btn_OK_Click();
  ASSERT_EQ(pdo.ModalResult(), mrOk);

  TFSet_SDO_Server_Access sdo;
  sdo.FormShow();
  Fill(sdo.Table(0), 1, {{1, "0x2100"}, {2, "1"}, {3, "2"}, {4, "10"}, {5, "11"}});
  Fill(sdo.Table(1), 1, {{1, "8448"}, {2, "2"}, {3, "4"}, {4, "20"}, {5, "21"}, {6, "22"}, {7, "23"}});
  sdo.Btn_OK_Click();
  ASSERT_EQ(sdo.ModalResult(), mrOk);

  QString error;
  TPDO_Table pdos;
  ASSERT_EQ(Read_PDO_List(Path_PDO_CANopen, pdos, error), TInputLoad::Loaded) << error.toStdString();
  ASSERT_EQ(pdos.Receive.size(), 1u);
  ASSERT_EQ(pdos.Transmit.size(), 1u);
  EXPECT_EQ(pdos.Receive[0].COB_ID, 0x181);
  EXPECT_EQ(pdos.Receive[0].Dimension, 2);
  EXPECT_EQ(pdos.Transmit[0].COB_ID, 0x281);
  EXPECT_EQ(pdos.Transmit[0].Dimension, 4);
  TSDO_Index_List sdos;
  ASSERT_EQ(Read_SDO_Server_List(Path_SDO_Server_CANopen, sdos, error), TInputLoad::Loaded) << error.toStdString();
  ASSERT_EQ(sdos.size(), 1u);
  EXPECT_EQ(sdos[0].Index, 0x2100);
  ASSERT_EQ(sdos[0].Sub_Indexs.size(), 2u);
  EXPECT_EQ(sdos[0].Sub_Indexs[0].Sub, 1);
  EXPECT_EQ(sdos[0].Sub_Indexs[1].Quantity, 4);

  const QString eds = EDS_Lines(pdos, sdos, QDateTime(QDate(2026, 1, 2), QTime(10, 0))).join(u'\n');
  EXPECT_TRUE(eds.contains(QStringLiteral("0x00000181"))) << eds.toStdString();
  EXPECT_TRUE(eds.contains(QStringLiteral("0x00000281")));
  EXPECT_TRUE(eds.contains(QStringLiteral("[2100sub2]")));
}

}  // namespace
