// Loading ParGen.xml at every show and writing it on OK, through the window's fields.
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include "TOctetBox.h"

#include "TFailingDevice.h"
#include "TModalDriver.h"
#include "TParGenFixture.h"
#include "UParGenFile.h"

using ParGenLoadSave = TParGenFixture;

TEST_F(ParGenLoadSave, SavingTheDefaultsWritesTheDefaultFile) {
  Window->FormShow();
  EXPECT_EQ(Window->Field_Values(), ParGen_Defaults());
  Window->Btn_OKClick();
  EXPECT_EQ(Window->ModalResult(), mrOk);
  EXPECT_EQ(Folder.Read(QStringLiteral("ParGen.xml")), ParGen_Bytes(ParGen_Defaults()));
  EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST_F(ParGenLoadSave, EachShowLoadsTheFileIntoTheFields) {
  TParGenValues stored = ParGen_Defaults();
  stored[pfOPC_UA_Client_IP4] = QStringLiteral("77");
  stored[pfEth_Conn_Device_Name] = QStringLiteral("gateway-1");
  stored[pfOPC_UA_Client_EN_GAT] = QStringLiteral("1");
  stored[pfEth_Conn_DHCP_WiFi] = QStringLiteral("1");
  stored[pfNTP_Server_URL] = QStringLiteral("time.example");
  ASSERT_TRUE(Save_ParGen(Path_ParGen, stored));
  Window->FormShow();
  EXPECT_EQ(Window->E_OPC_UA_Client_IP4->text(), u"77");
  EXPECT_EQ(Window->E_EthConn_Device_Name->text(), u"gateway-1");
  EXPECT_TRUE(Window->CB_OPC_UA_Client_En_GAT->isChecked());
  // The Wi-Fi DHCP switch keeps its stored tick although this model never lets the user change it.
  EXPECT_TRUE(Window->CB_EthConn_En_DHCP_WiFi->isChecked());
  EXPECT_FALSE(Window->CB_EthConn_En_DHCP_WiFi->isEnabled());
  EXPECT_EQ(Window->Field_Values(), stored);
  EXPECT_FALSE(Window->Is_Change);

  // Typed but cancelled: the next show brings the file back.
  Window->E_OPC_UA_Client_IP4->setText(QStringLiteral("9"));
  EXPECT_TRUE(Window->Is_Change);
  Window->FormShow();
  EXPECT_EQ(Window->E_OPC_UA_Client_IP4->text(), u"77");
}

TEST_F(ParGenLoadSave, DamagedFileIsReportedAndShowsTheDefaults) {
  TParGenValues stored = ParGen_Defaults();
  stored[pfModbus_TCP_Slave_Port] = QStringLiteral("1502");
  ASSERT_TRUE(Save_ParGen(Path_ParGen, stored));
  Window->FormShow();
  ASSERT_EQ(Window->E_ModbusTCPSlave_Port->text(), u"1502");

  // Another configuration whose file is damaged must not show the values of the one before.
  Folder.Write(QStringLiteral("other/ParGen.xml"), "<Par_Gen><NTP_Poll_Time>5</Par_Gen>");
  Path_Project = Folder.File(QStringLiteral("other"));
  Build_Topic_Paths();
  // Language files fill the IDs up to 3468 with texts of their own; none of them may stand in for this message.
  for (int32_t id = 3466; id <= 3468; ++id) Lang_Table[id] = QStringLiteral("text of a language file");
  Dialogs.Queue_Answer(mrOk);
  Window->FormShow();
  EXPECT_EQ(Window->Field_Values(), ParGen_Defaults());
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Type, mtError);
  EXPECT_EQ(Dialogs.Messages[0].Text,
            QStringLiteral("Error! The parameter file cannot be read; the fields show the default values. File:\n") +
                Path_ParGen);
}

TEST_F(ParGenLoadSave, FailedCheckShowsItsMessageAndWritesNothing) {
  Window->FormShow();
  Window->E_OPC_UA_Client_SM2->setText(QStringLiteral("256"));
  Dialogs.Queue_Answer(mrOk);
  Window->Btn_OKClick();
  EXPECT_EQ(Window->ModalResult(), mrNone);
  EXPECT_FALSE(QFile::exists(Path_ParGen));
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, u"Error OPC UA Client!! SubNet Mask 2 must be between 0 and 255");
  EXPECT_EQ(Dialogs.Messages[0].Type, mtError);
  EXPECT_EQ(Dialogs.Messages[0].Buttons, TMsgDlgButtons(mbOK));
  // The user's input stays for correction.
  EXPECT_EQ(Window->E_OPC_UA_Client_SM2->text(), u"256");
}

TEST_F(ParGenLoadSave, DisabledFieldsAreStillChecked) {
  Window->FormShow();
  Window->CB_EthConn_En_DHCP_Cable->setChecked(true);
  Window->E_ModbusTCPSlave_IP1->setText(QStringLiteral("300"));
  Dialogs.Queue_Answer(mrOk);
  EXPECT_FALSE(Window->Controllo_Dati());
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, u"Error Modbus TCP Slave!! IP Address 1 must be between 0 and 255");
}

TEST_F(ParGenLoadSave, FailedWriteIsReportedAndKeepsTheWindowAndTheFile) {
  ASSERT_TRUE(Save_ParGen(Path_ParGen, ParGen_Defaults()));
  const QByteArray before = Folder.Read(QStringLiteral("ParGen.xml"));
  Window->FormShow();
  Window->E_NTP_Poll_Time->setText(QStringLiteral("60"));
  {
    TFailing_Writes failing(QStringLiteral("ParGen.xml"), 100);
    Dialogs.Queue_Answer(mrOk);
    Window->Btn_OKClick();
  }
  EXPECT_EQ(Window->ModalResult(), mrNone);
  EXPECT_EQ(Folder.Read(QStringLiteral("ParGen.xml")), before);
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_TRUE(Dialogs.Messages[0].Text.startsWith(u"Error! The parameter file cannot be written"));
  EXPECT_TRUE(Dialogs.Messages[0].Text.endsWith(Path_ParGen));
}

TEST_F(ParGenLoadSave, DeviceNameCharacterTest) {
  const std::pair<const char*, bool> cases[] = {
      {"", false}, {"Gateway01", false}, {"gate-1", true}, {"a b", true}, {"caf\xc3\xa9", true}};
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(TFParGen::Check_Device_Name(QString::fromUtf8(text)), expected) << text;
  // The name is limited by its input length only.
  EXPECT_EQ(Window->E_EthConn_Device_Name->maxLength(), 31);
}

TEST_F(ParGenLoadSave, ShowModalLoadsTheFileAndOkWritesIt) {
  TParGenValues stored = ParGen_Defaults();
  stored[pfNTP_Poll_Time] = QStringLiteral("42");
  ASSERT_TRUE(Save_ParGen(Path_ParGen, stored));
  QString seen;
  bool open_after_keys = false;
  TModalDriver driver([&](QWidget*) {
    seen = Window->E_NTP_Poll_Time->text();
    Window->E_NTP_Poll_Time->setText(QStringLiteral("43"));
    // Neither button answers Enter or Esc.
    QTest::keyClick(Window.get(), Qt::Key_Return);
    QTest::keyClick(Window.get(), Qt::Key_Escape);
    open_after_keys = Window->isVisible();
    Window->Btn_OK->Click();
  });
  EXPECT_EQ(Window->ShowModal(), mrOk);
  EXPECT_EQ(driver.Shown, Window.get());
  EXPECT_EQ(seen, u"42");
  EXPECT_TRUE(open_after_keys);
  stored[pfNTP_Poll_Time] = QStringLiteral("43");
  EXPECT_EQ(Folder.Read(QStringLiteral("ParGen.xml")), ParGen_Bytes(stored));

  TModalDriver cancel([&](QWidget*) {
    Window->E_NTP_Poll_Time->setText(QStringLiteral("44"));
    Window->Btn_Cancel->Click();
  });
  EXPECT_EQ(Window->ShowModal(), mrCancel);
  EXPECT_EQ(cancel.Shown, Window.get());
  EXPECT_EQ(Folder.Read(QStringLiteral("ParGen.xml")), ParGen_Bytes(stored));
}
