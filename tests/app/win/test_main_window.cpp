#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include "TDialogRecorder.h"
#include "TLocalHttpServer.h"
#include "TModalDriver.h"
#include "TTempFolder.h"
#include "UAbout.h"
#include "UBACnetSlaveSetAccess.h"
#include "UCheck_Version.h"
#include "UDMXDefVal.h"
#include "UGlobals.h"
#include "UKNXAccess.h"
#include "ULang.h"
#include "UMQTT_Set_Topic.h"
#include "UOPC_UA_Client_Access.h"
#include "UOpen_Link.h"
#include "UParGen.h"
#include "UProfinetFileName.h"
#include "UProgram_Start.h"
#include "UReceiveCAN.h"
#include "USNMP_Trap_Access.h"
#include "USet_PDO_Access.h"
#include "USet_SDO_Client_Access.h"
#include "USet_SDO_Server_Access.h"
#include "USoftOptions.h"
#include "USysColors.h"
#include "UTransmitCAN.h"
#include "UVandrelFirmWare.h"
#include "UWindows.h"

namespace {

const QByteArray First_Start_Settings =
    "<Conf_Settings><lastproj><projectname/></lastproj><lastipadd><ipaddress>192.168.2.205</ipaddress></lastipadd>"
    "<lastlang><language>English</language></lastlang><lastinternet><enable_internet>0</enable_internet>"
    "<enable_update>0</enable_update><enable_jump_field_tables>0</enable_jump_field_tables>"
    "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet></Conf_Settings>";

QByteArray Settings(const QByteArray& project, const QByteArray& internet, const QByteArray& update) {
  return "<Conf_Settings><lastproj><projectname>" + project +
         "</projectname></lastproj><lastinternet>"
         "<enable_internet>" +
         internet + "</enable_internet><enable_update>" + update + "</enable_update></lastinternet></Conf_Settings>";
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Set_Link_Opener([this](const QString& url) {
      Links << url;
      return true;
    });
  }
  void TearDown() override {
    Destroy_Windows();
    Set_Link_Opener({});
    Set_Version_Service_Origin(QString());
  }
  TFVandrelFirmWare* Main() {
    Prepare_Program_State();
    Create_Windows();
    return FVandrelFirmWare;
  }

  TTempFolder Folder;
  TDialogRecorder Dialogs;
  QStringList Links;
};

}  // namespace

TEST_F(MainWindowTest, FirstStartShowsNoConfigurationAndClosingWritesTheDefaults) {
  TFVandrelFirmWare* w = Main();
  for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"}) EXPECT_TRUE(QFileInfo(Folder.File(folder)).isDir());
  EXPECT_EQ(w->L_Name_Conf->text(), QStringLiteral("None Configuration Opened "));
  EXPECT_EQ(w->L_Name_Conf_L2->text(), QStringLiteral("Use Step1 to open or create new configuration"));
  EXPECT_TRUE(w->LL_Update->isHidden());
  EXPECT_FALSE(w->Timer_Update->isActive());
  EXPECT_TRUE(Update_Read_Back);
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Quorvane - Configurator SWTarn10 - OCP UA Client / Modbus TCP Slave "));
  EXPECT_EQ(w->L_SW_Code->text(), QStringLiteral("SWTarn10"));
  EXPECT_EQ(w->L_SW_Desc->text(), QStringLiteral("OCP UA Client / Modbus TCP Slave - Converter"));
  EXPECT_FALSE(QFileInfo::exists(Folder.File("Vandrel.xml")));
  w->Btn_Close->Click();
  EXPECT_EQ(Folder.Read("Vandrel.xml"), First_Start_Settings);
}

TEST_F(MainWindowTest, WithoutAConfigurationTheWorkflowButtonsRefuse) {
  TFVandrelFirmWare* w = Main();
  const std::vector<TLbButton*> refused = {w->Btn_Prm_Gen,       w->Btn_OPC_UA_Client_Access, w->Btn_CreateBin,
                                           w->Btn_CAN_Rec_Frame, w->Btn_BACnet_EDE_File,      w->Btn_SNMP_MIB,
                                           w->Btn_PROFINET_XML,  w->Btn_PROFIBUS_GSD,         w->Btn_CANopen_EDS};
  for (TLbButton* b : refused) {
    Dialogs.Messages.clear();
    TModalDriver driver([](QWidget* modal) { modal->close(); });
    Dialogs.Queue_Answer(mrOk);
    w->Btn_Click(b);
    ASSERT_EQ(Dialogs.Messages.size(), 1u) << b->Caption().toStdString();
    EXPECT_EQ(Dialogs.Messages[0].Text, QStringLiteral("Error! Project not Valid"));
    EXPECT_EQ(Dialogs.Messages[0].Type, mtError);
    EXPECT_EQ(Dialogs.Messages[0].Buttons, TMsgDlgButtons(mbOK));
    EXPECT_EQ(driver.Shown, nullptr) << "no window may open: " << b->Caption().toStdString();
    EXPECT_TRUE(Dialogs.File_Requests.empty());
  }
  // About and the options need no configuration.
  for (const auto& [button, window] :
       {std::pair<TLbButton*, QWidget*>{w->Btn_Info, FAbout}, {w->Btn_Opz, FSoftOptions}}) {
    Dialogs.Messages.clear();
    TModalDriver driver([](QWidget* modal) { static_cast<TFDialogFrame*>(modal)->SetModalResult(mrCancel); });
    w->Btn_Click(button);
    EXPECT_EQ(driver.Shown, window);
    EXPECT_TRUE(Dialogs.Messages.empty());
  }
}

TEST_F(MainWindowTest, OnceAConfigurationIsOpenEachButtonOpensItsWindow) {
  Folder.Write("PROJECTS/Plant/bin/.keep", "");
  Folder.Write("Vandrel.xml", Settings("Plant", "0", "0"));
  TFVandrelFirmWare* w = Main();
  ASSERT_EQ(Path_Project, Folder.File("PROJECTS/Plant"));
  const std::pair<TLbButton*, QWidget*> cases[] = {
      {w->Btn_OPC_UA_Client_Access, FOPC_UA_Client_Access},
      {w->Btn_BACnet_SetAccess, FBACnetSlaveSetAccess},
      {w->Btn_CAN_Rec_Frame, FReceiveCAN},
      {w->Btn_CAN_Send_Frame, FTransmitCAN},
      {w->Btn_PDO_CANopen, FSet_PDO_Access},
      {w->Btn_SDO_Client_CANopen, FSet_SDO_Client_Access},
      {w->Btn_SDO_Server_CANopen, FSet_SDO_Server_Access},
      {w->Btn_DMX_Default, FDMXDefVal},
      {w->Btn_SNMP_Trap, FSNMP_Trap_Access},
      {w->Btn_KNX_Access, FKNXAccess},
      {w->Btn_MQTT_Set_Topic, FMQTT_Set_Topic},
      {w->Btn_PROFINET_XML, FProfinetFileName},
      {w->Btn_Opz, FSoftOptions},
      {w->Btn_Info, FAbout},
      {w->Btn_Prm_Gen, FParGen},
  };
  for (const auto& [button, window] : cases) {
    TModalDriver driver([](QWidget* modal) { static_cast<TFDialogFrame*>(modal)->SetModalResult(mrCancel); });
    w->Btn_Click(button);
    EXPECT_EQ(driver.Shown, window) << button->Caption().toStdString();
  }
  EXPECT_TRUE(Dialogs.Messages.empty());
}

// The hidden exporter buttons still reach their exports: GSD asks for its parameters first, MIB and PROFINET open
// their save dialogs (cancelled here), and nothing is written.
TEST_F(MainWindowTest, ExporterButtonsReachTheirExports) {
  Folder.Write("PROJECTS/Plant/bin/.keep", "");
  Folder.Write("Vandrel.xml", Settings("Plant", "0", "0"));
  TFVandrelFirmWare* w = Main();
  Dialogs.Queue_Answer(mrOk);
  w->Btn_Click(w->Btn_PROFIBUS_GSD);
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, Lang_Table[1104]);
  Dialogs.Queue_File(QString());
  w->Btn_Click(w->Btn_SNMP_MIB);
  ASSERT_EQ(Dialogs.File_Requests.size(), 1u);
  EXPECT_EQ(Dialogs.File_Requests[0].Filter, QStringLiteral("Management Information Base (*.mib)|*.mib"));
  TModalDriver driver([](QWidget* modal) { static_cast<TFDialogFrame*>(modal)->SetModalResult(mrOk); });
  Dialogs.Queue_File(QString());
  w->Btn_Click(w->Btn_PROFINET_XML);
  EXPECT_EQ(driver.Shown, FProfinetFileName);
  ASSERT_EQ(Dialogs.File_Requests.size(), 2u);
  EXPECT_EQ(Dialogs.File_Requests[1].FileName, FProfinetFileName->Name_File_XML);
  EXPECT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(QDir(Path_Project).entryList(QDir::Files).size(), 0);
}

// The EDE export appends ".csv" unless the name already ends in it (any case), starts in the configuration's
// folder and asks before it replaces a file; only Yes goes on.
TEST_F(MainWindowTest, TheEdeExportNamesItsFileAndAsksBeforeReplacing) {
  Folder.Write("PROJECTS/Plant/bin/.keep", "");
  Folder.Write("PROJECTS/Plant/old.csv", "x");
  Folder.Write("Vandrel.xml", Settings("Plant", "0", "0"));
  TFVandrelFirmWare* w = Main();
  struct Case {
    QString chosen;
    TModalResult answer;  // to the replace question, when one comes
    QString exported;     // empty when nothing is exported
    bool asked;
  };
  const QString dir = Folder.File("PROJECTS/Plant/");
  const Case cases[] = {
      {dir + "objects", mrNone, dir + "objects.csv", false},
      {dir + "objects.CsV", mrNone, dir + "objects.CsV", false},
      {dir + "objects.csv.txt", mrNone, dir + "objects.csv.txt.csv", false},
      {dir + "old.csv", mrNo, "", true},
      {dir + "old.csv", mrCancel, "", true},
      {dir + "old", mrYes, dir + "old.csv", true},
      {"", mrNone, "", false},
  };
  for (const Case& c : cases) {
    Dialogs.Messages.clear();
    Dialogs.File_Requests.clear();
    Dialogs.Queue_File(c.chosen);
    if (c.asked) Dialogs.Queue_Answer(c.answer);
    w->Btn_Click(w->Btn_BACnet_EDE_File);
    ASSERT_EQ(Dialogs.File_Requests.size(), 1u);
    EXPECT_EQ(Dialogs.File_Requests[0].InitialDir, Path_Project);
    EXPECT_EQ(Dialogs.File_Requests[0].Filter, QStringLiteral("CSV (MS-DOS) (*.csv)|*.csv"));
    size_t next = 0;
    if (c.asked) {
      ASSERT_GE(Dialogs.Messages.size(), 1u) << c.chosen.toStdString();
      EXPECT_EQ(Dialogs.Messages[0].Buttons, mbYes | mbNo | mbCancel);
      next = 1;
    }
    EXPECT_EQ(Dialogs.Messages.size(), next) << c.chosen.toStdString();
    if (c.asked && c.exported.isEmpty()) {
      EXPECT_EQ(Folder.Read("PROJECTS/Plant/old.csv"), QByteArray("x"));
    } else if (!c.exported.isEmpty()) {
      EXPECT_TRUE(QFile(c.exported).exists()) << c.exported.toStdString();
    }
  }
  EXPECT_TRUE(Folder.Read("PROJECTS/Plant/old.csv").startsWith("PROJECT_NAME; "));
}

// The EDS export starts in the configuration's folder and replaces an existing file without asking.
TEST_F(MainWindowTest, TheEdsExportAsksNothingBeforeReplacing) {
  Folder.Write("PROJECTS/Plant/device.eds", "old");
  Folder.Write("Vandrel.xml", Settings("Plant", "0", "0"));
  TFVandrelFirmWare* w = Main();
  const QString chosen = Folder.File("PROJECTS/Plant/device.eds");
  Dialogs.Queue_File(chosen);
  w->Btn_Click(w->Btn_CANopen_EDS);
  ASSERT_EQ(Dialogs.File_Requests.size(), 1u);
  const TFileDialogRequest& request = Dialogs.File_Requests[0];
  EXPECT_TRUE(request.Save);
  EXPECT_EQ(request.InitialDir, Path_Project);
  EXPECT_EQ(request.Filter, QStringLiteral("Electronic Data Sheet (*.eds)|*.eds"));
  EXPECT_TRUE(Dialogs.Messages.empty());
  EXPECT_TRUE(Folder.Read("PROJECTS/Plant/device.eds").startsWith("[FileInfo]\r\n"));
}

// The save dialogs name their default extension as "*.eds" and "*.mib"; a name typed without one must get
// ".eds" or ".mib", never ".*.eds".
TEST_F(MainWindowTest, SaveDialogsAppendAPlainDefaultSuffix) {
  TFVandrelFirmWare* w = Main();
  EXPECT_EQ(Default_Suffix(w->SaveEDS.DefaultExt), QStringLiteral("eds"));
  EXPECT_EQ(Default_Suffix(w->SaveMIB.DefaultExt), QStringLiteral("mib"));
  const std::pair<QString, QString> cases[] = {{"*.eds", "eds"}, {".csv", "csv"}, {"txt", "txt"}, {"", ""}};
  for (const auto& [ext, suffix] : cases) EXPECT_EQ(Default_Suffix(ext), suffix) << ext.toStdString();
}

TEST_F(MainWindowTest, AStoredConfigurationIsReopenedWhenItsFolderExists) {
  Folder.Write("PROJECTS/Plant/bin/.keep", "");
  Folder.Write("Vandrel.xml", Settings("Plant", "0", "0"));
  TFVandrelFirmWare* w = Main();
  EXPECT_EQ(Name_Project, QStringLiteral("Plant"));
  EXPECT_EQ(w->L_Name_Conf->text(), QStringLiteral("Opened Configuration of the Converter : "));
  EXPECT_EQ(w->L_Name_Conf_L2->text(), QStringLiteral("Plant"));
  EXPECT_EQ(Path_ParGen, Folder.File("PROJECTS/Plant/ParGen.xml"));
  EXPECT_EQ(Path_MQTT_Set_Topic, Folder.File("PROJECTS/Plant/MQTT_Set_Topic.xml"));
}

// A stored name whose folder is gone (or that is no single folder name) opens nothing, also after a language
// change, and is written back on close.
TEST_F(MainWindowTest, AStoredConfigurationWithoutItsFolderOpensNothingButIsKept) {
  Folder.Write("PROJECTS/x/.keep", "");
  for (const QByteArray& name : {QByteArray("Gone"), QByteArray(".."), QByteArray("x/..")}) {
    Folder.Write("Vandrel.xml", Settings(name, "0", "0"));
    TFVandrelFirmWare* w = Main();
    EXPECT_EQ(Path_Project, QString()) << name.constData();
    w->Change_Language();
    EXPECT_EQ(w->L_Name_Conf->text(), QStringLiteral("None Configuration Opened "));
    EXPECT_EQ(w->L_Name_Conf_L2->text(), QStringLiteral("Use Step1 to open or create new configuration"));
    w->close();
    EXPECT_TRUE(Folder.Read("Vandrel.xml").contains("<projectname>" + name + "</projectname>")) << name.constData();
    Destroy_Windows();
  }
}

TEST_F(MainWindowTest, TopicPathsBeforeAnyConfigurationAreBareFileNames) {
  Main();
  const std::pair<const QString*, const char*> paths[] = {
      {&Path_ParGen, "/ParGen.xml"},
      {&Path_OPC_UA_Client, "/OPC_UA_Client.xml"},
      {&Path_BACnet_Slave_SetAccess, "/BACnet_Slave_SetAccess.xml"},
      {&Path_CAN_Rec_Frames, "/CAN_Rec_Frames.xml"},
      {&Path_CAN_Send_Frames, "/CAN_Send_Frames.xml"},
      {&Path_PDO_CANopen, "/PDO_CANopen.xml"},
      {&Path_SDO_Client_CANopen, "/SDO_Client_CANopen.xml"},
      {&Path_SDO_Server_CANopen, "/SDO_Server_CANopen.xml"},
      {&Path_DMX_Default_Values, "/DMX_Default_Values.xml"},
      {&Path_J1939_Rec_Frames, "/J1939_Rec_Frames.xml"},
      {&Path_J1939_Send_Frames, "/J1939_Send_Frames.xml"},
      {&Path_NMEA_Rec_Frames, "/NMEA_Rec_Frames.xml"},
      {&Path_NMEA_Send_Frames, "/NMEA_Send_Frames.xml"},
      {&Path_SNMP_Trap, "/SNMP_Trap.xml"},
      {&Path_KNX_SetAccess, "/KNX_SetAccess.xml"},
      {&Path_MQTT_Set_Topic, "/MQTT_Set_Topic.xml"},
  };
  for (const auto& [path, expected] : paths) EXPECT_EQ(*path, QString::fromLatin1(expected));
}

TEST_F(MainWindowTest, TheVersionTimerRunsOnlyWhenBothInternetOptionsAreOn) {
  const std::tuple<QByteArray, QByteArray, bool> cases[] = {
      {"1", "1", true}, {"1", "0", false}, {"0", "1", false}, {"1", "true", false}};
  for (const auto& [internet, update, active] : cases) {
    Folder.Write("Vandrel.xml", Settings("", internet, update));
    TFVandrelFirmWare* w = Main();
    EXPECT_EQ(w->Timer_Update->isActive(), active) << internet.constData() << update.constData();
    EXPECT_EQ(w->Timer_Update->interval(), 60000);
    Destroy_Windows();
  }
}

TEST_F(MainWindowTest, EachCheckShowsOrHidesTheLinkAndWaitsTwoHoursForTheNext) {
  Folder.Write("Vandrel.xml", Settings("", "1", "1"));
  TFVandrelFirmWare* w = Main();
  {
    TLocalHttpServer server(TLocalHttpServer::Reply(200, "VER. 1.010"));
    Set_Version_Service_Origin(server.Origin());
    w->Timer_UpdateTimer();
  }
  EXPECT_FALSE(w->LL_Update->isHidden());
  EXPECT_TRUE(w->LL_Update->text().contains(QStringLiteral("New Version Available. Click Here for more Details")));
  EXPECT_TRUE(w->LL_Update->text().contains(Download_Page_Url().toHtmlEscaped()));
  EXPECT_TRUE(w->Timer_Update->isActive());
  EXPECT_EQ(w->Timer_Update->interval(), 7200000);
  emit w->LL_Update->linkActivated(Download_Page_Url());
  EXPECT_EQ(Links, QStringList{Download_Page_Url()});
  {
    TLocalHttpServer server(TLocalHttpServer::Reply(200, "VER. 1.009"));
    Set_Version_Service_Origin(server.Origin());
    w->Timer_UpdateTimer();
  }
  EXPECT_TRUE(w->LL_Update->isHidden());
  EXPECT_EQ(w->Timer_Update->interval(), 7200000);
}

TEST_F(MainWindowTest, OptionsClosedWithOkSaveTheSettingsAndSwitchTheTimer) {
  TFVandrelFirmWare* w = Main();
  ASSERT_FALSE(w->Timer_Update->isActive());
  TModalDriver driver([](QWidget*) {
    FSoftOptions->CB_En_Con->click();
    FSoftOptions->CB_Update->click();
    FSoftOptions->Btn_OK->Click();
  });
  w->Btn_Click(w->Btn_Opz);
  ASSERT_EQ(driver.Shown, FSoftOptions);
  EXPECT_TRUE(enable_internet);
  EXPECT_TRUE(enable_update);
  EXPECT_TRUE(w->Timer_Update->isActive());
  EXPECT_TRUE(Folder.Read("Vandrel.xml").contains("<enable_internet>1</enable_internet><enable_update>1"));
}

TEST_F(MainWindowTest, OptionsClosedWithCancelWriteNothing) {
  TFVandrelFirmWare* w = Main();
  TModalDriver driver([](QWidget*) {
    FSoftOptions->CB_En_Con->click();
    FSoftOptions->Btn_Cancel->Click();
  });
  w->Btn_Click(w->Btn_Opz);
  EXPECT_FALSE(QFileInfo::exists(Folder.File("Vandrel.xml")));
  EXPECT_FALSE(enable_internet);
}

TEST_F(MainWindowTest, TheMakerLabelOpensTheHomePage) {
  TFVandrelFirmWare* w = Main();
  EXPECT_EQ(w->L_Quorvane->pos(), QPoint(565, w->L_Step_4->y()));
  w->L_QuorvaneClick();
  EXPECT_EQ(Links, QStringList{Home_Page_Url()});
}

TEST_F(MainWindowTest, GetTypeBacnetReadsTheParameterFile) {
  Folder.Write("PROJECTS/Plant/bin/.keep", "");
  Folder.Write("Vandrel.xml", Settings("Plant", "0", "0"));
  TFVandrelFirmWare* w = Main();
  const std::pair<QByteArray, int32_t> cases[] = {
      {"<ParGen><BACnet_Type>3</BACnet_Type></ParGen><!--SW_VERSION = 1.009-->", 3},
      {"<ParGen><BACnet_Type>x</BACnet_Type></ParGen>", 0},
      {"<ParGen/>", 0},
      {"not xml", 0},
  };
  EXPECT_EQ(w->Get_Type_BACnet(), 0) << "no parameter file";
  for (const auto& [bytes, type] : cases) {
    Folder.Write("PROJECTS/Plant/ParGen.xml", bytes);
    EXPECT_EQ(w->Get_Type_BACnet(), type) << bytes.constData();
  }
}
