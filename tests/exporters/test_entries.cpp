#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "TDialogRecorder.h"
#include "TTempFolder.h"
#include "TTestData.h"
#include "UExport_Entries.h"
#include "UGlobals.h"
#include "ULang.h"

namespace {

QByteArray Expected(const char* name) {
  QFile file(Test_Data(QStringLiteral("exporters/") + QLatin1String(name)));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return file.readAll();
}

class ExportEntries : public ::testing::Test {
 protected:
  void SetUp() override {
    Load_Default_Strings();
    Name_Project = QStringLiteral("Plant");
    Path_Project = Folder.File("PROJECTS/Plant");
    QDir().mkpath(Path_Project);
    Build_Topic_Paths();
  }
  void TearDown() override {
    Path_Project.clear();
    Name_Project.clear();
    Build_Topic_Paths();
  }
  QString In_Project(const QString& name) const { return Path_Project + u'/' + name; }
  void Write_Input(const QString& path, const QByteArray& bytes) const {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray Read(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  TTempFolder Folder;
  TDialogRecorder Dialogs;
};

const QByteArray Example_ParGen =
    "<Par_Gen><PROFINET_NB_IN>10</PROFINET_NB_IN><PROFINET_NB_OUT>130</PROFINET_NB_OUT></Par_Gen>";

}  // namespace

TEST_F(ExportEntries, GsdNeedsTheCommunicationParameters) {
  Dialogs.Queue_Answer(mrOk);
  Create_GSD_File();
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, Lang_Table[1104]);
  EXPECT_EQ(Dialogs.Messages[0].Type, mtError);
  EXPECT_EQ(Dialogs.Messages[0].Buttons, mbOK);
  EXPECT_TRUE(Dialogs.File_Requests.empty());
}

// ".gsd" in any case is kept, anything else gets it appended; an existing file is replaced only after Yes.
TEST_F(ExportEntries, GsdNamesItsFileAndAsksBeforeReplacing) {
  Write_Input(Path_ParGen, Example_ParGen);
  Write_Input(In_Project("old.gsd"), "old");
  struct Case {
    QString chosen, written;
    TModalResult answer;  // mrNone: no question
  };
  const Case cases[] = {
      {"unit", "unit.gsd", mrNone},
      {"UNIT2.GSD", "UNIT2.GSD", mrNone},
      {"unit.gsd.txt", "unit.gsd.txt.gsd", mrNone},
      {"old", "", mrNo},
      {"old.gsd", "old.gsd", mrYes},
  };
  for (const Case& c : cases) {
    Dialogs.File_Requests.clear();
    Dialogs.Messages.clear();
    Dialogs.Queue_File(In_Project(c.chosen));
    if (c.answer != mrNone) Dialogs.Queue_Answer(c.answer);
    Create_GSD_File();
    ASSERT_EQ(Dialogs.File_Requests.size(), 1u);
    EXPECT_TRUE(Dialogs.File_Requests[0].Save);
    EXPECT_EQ(Dialogs.File_Requests[0].InitialDir, Path_Project);
    EXPECT_EQ(Dialogs.File_Requests[0].Filter, QStringLiteral("Generic Station Description (*.gsd)|*.gsd"));
    EXPECT_TRUE(Dialogs.File_Requests[0].DefaultExt.isEmpty());
    if (c.answer != mrNone) {
      ASSERT_EQ(Dialogs.Messages.size(), 1u);
      EXPECT_EQ(Dialogs.Messages[0].Text, Lang_Table[1103]);
      EXPECT_EQ(Dialogs.Messages[0].Buttons, mbYes | mbNo);
    }
    if (!c.written.isEmpty()) {
      EXPECT_EQ(Read(In_Project(c.written)), Expected("gsd_130_10.gsd")) << c.written.toStdString();
    }
  }
  EXPECT_EQ(Read(In_Project("old.gsd")), Expected("gsd_130_10.gsd"));
  EXPECT_FALSE(QFileInfo::exists(In_Project("old.gsd.gsd")));
}

// A ParGen.xml that is no XML is named, and nothing is written.
TEST_F(ExportEntries, AnUnreadableInputIsNamedAndNothingIsWritten) {
  Write_Input(Path_ParGen, "<Par_Gen><PROFINET_NB_IN>");
  Dialogs.Queue_Answer(mrOk);
  Create_GSD_File();
  EXPECT_TRUE(Dialogs.File_Requests.empty());
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_TRUE(Dialogs.Messages[0].Text.contains(QDir::toNativeSeparators(Path_ParGen)));
  EXPECT_FALSE(QFileInfo::exists(In_Project("unit.gsd")));

  // Sizes no GSD file can describe are refused before the dialog.
  Write_Input(Path_ParGen, "<Par_Gen><PROFINET_NB_IN>2000000000</PROFINET_NB_IN></Par_Gen>");
  Dialogs.Messages.clear();
  Dialogs.Queue_Answer(mrOk);
  Create_GSD_File();
  EXPECT_TRUE(Dialogs.File_Requests.empty());
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_TRUE(Dialogs.Messages[0].Text.contains(QStringLiteral("2000000000 bytes from it")));

  Write_Input(Path_SDO_Server_CANopen, "<SDO><SDO_Read><R Index=\"0x2000\" NByte=\"1\"/></SDO_Read></SDO>");
  Write_Input(In_Project("old.eds"), "old");
  Dialogs.Messages.clear();
  Dialogs.Queue_Answer(mrOk);
  Create_EDS_File(In_Project("old.eds"));
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_TRUE(Dialogs.Messages[0].Text.contains(QDir::toNativeSeparators(Path_SDO_Server_CANopen)));
  EXPECT_EQ(Read(In_Project("old.eds")), QByteArray("old"));

  Write_Input(Path_ParGen, Example_ParGen);
  Write_Input(Path_BACnet_Slave_SetAccess, "not xml");
  Dialogs.Messages.clear();
  Dialogs.Queue_Answer(mrOk);
  Create_EDE_File(In_Project("list.csv"));
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_TRUE(Dialogs.Messages[0].Text.contains(QStringLiteral("BACnet_Slave_SetAccess.xml")));
  EXPECT_FALSE(QFileInfo::exists(In_Project("list.csv")));
}

// The dialog only picks the folder: the file always gets the composed name, in UTF-8 with its byte-order mark.
TEST_F(ExportEntries, GsdmlWritesTheComposedNameIntoThePickedFolder) {
  const QString name = QStringLiteral("GSDML-V2.31-Quorvane-HDTarn22-20230216.xml");
  QDir().mkpath(Folder.File("elsewhere"));
  Dialogs.Queue_File(Folder.File("elsewhere/picked.xml"));
  Create_GSDML_File(name);
  ASSERT_EQ(Dialogs.File_Requests.size(), 1u);
  EXPECT_EQ(Dialogs.File_Requests[0].FileName, name);
  EXPECT_EQ(Dialogs.File_Requests[0].Filter, QStringLiteral("PROFINET XML (*.xml)|") + name);
  EXPECT_EQ(Dialogs.File_Requests[0].InitialDir, Path_Project);
  EXPECT_FALSE(QFileInfo::exists(Folder.File("elsewhere/picked.xml")));
  EXPECT_EQ(Read(Folder.File("elsewhere/") + name), Expected("gsdml_defaults.xml"));

  Write_Input(Folder.File("elsewhere/") + name, "old");
  Dialogs.Queue_File(Folder.File("elsewhere/x.xml"));
  Dialogs.Queue_Answer(mrNo);
  Create_GSDML_File(name);
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, Lang_Table[1811]);
  EXPECT_EQ(Read(Folder.File("elsewhere/") + name), QByteArray("old"));

  // A user part holding a folder separator would write outside the picked folder.
  Dialogs.Messages.clear();
  Dialogs.File_Requests.clear();
  Dialogs.Queue_Answer(mrOk);
  Create_GSDML_File(QStringLiteral("GSDML_../../x-20230216.xml"));
  EXPECT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_TRUE(Dialogs.File_Requests.empty());
}

TEST_F(ExportEntries, EdsAndEdeWriteTheTablesOfTheConfiguration) {
  Write_Input(Path_PDO_CANopen, "<PDO><Receive_PDO><R COB-ID=\"0x201\" Dimension=\"2\"/></Receive_PDO></PDO>");
  Create_EDS_File(In_Project("device.eds"));
  const QString eds = QString::fromLatin1(Read(In_Project("device.eds")));
  EXPECT_TRUE(eds.startsWith(QStringLiteral("[FileInfo]\r\nFileName=OPC_UA_Client_CANopen.eds\r\n")));
  EXPECT_TRUE(
      eds.contains(QStringLiteral("[1400sub1]\r\nParameterName=COB-ID\r\nObjectType=0x07\r\nDataType=0x0007\r\n"
                                  "AccessType=rw\r\nDefaultValue=0x00000201\r\n")));
  EXPECT_TRUE(eds.contains(QStringLiteral("[7000sub2]\r\nParameterName=b2\r\n")));
  EXPECT_TRUE(eds.endsWith(QStringLiteral("PDOMapping=1\r\n\r\n\r\n")));

  Write_Input(Path_ParGen, "<Par_Gen><BACnet_DEV_IDE>1234</BACnet_DEV_IDE></Par_Gen>");
  Write_Input(Path_BACnet_Slave_SetAccess,
              "<B><BACnet_in_Read><R Data_Type=\"Analog Input\" Eng_Unit=\"62\" Mnemonic=\"T1\"/></BACnet_in_Read>"
              "<BACnet_in_Write/></B>");
  Create_EDE_File(In_Project("list.csv"));
  const QList<QByteArray> ede = Read(In_Project("list.csv")).split('\n');
  ASSERT_EQ(ede.size(), 9);
  EXPECT_EQ(ede[0], QByteArray("PROJECT_NAME; Quorvane-HDTarn20-Plant;;;;;;\r"));
  EXPECT_EQ(ede[7], QByteArray("1234_T1_0;1234;T1;0;0;T1;62;\r"));
  EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST_F(ExportEntries, MibAsksBeforeReplacingAndWritesTheEnabledRows) {
  Write_Input(Path_SNMP_Trap,
              "<S><SNMP_Trap_Read><R Enable=\"Y\" Type=\"INT\" Description=\"Temp\"/></SNMP_Trap_Read>"
              "<SNMP_Trap_Write/></S>");
  Write_Input(In_Project("gw.mib"), "old");
  Dialogs.Queue_File(In_Project("gw.mib"));
  Dialogs.Queue_Answer(mrNo);
  Create_MIB_File();
  ASSERT_EQ(Dialogs.File_Requests.size(), 1u);
  EXPECT_EQ(Dialogs.File_Requests[0].Filter, QStringLiteral("Management Information Base (*.mib)|*.mib"));
  EXPECT_EQ(Dialogs.File_Requests[0].DefaultExt, QStringLiteral("*.mib"));
  EXPECT_EQ(Dialogs.File_Requests[0].InitialDir, Path_Project);
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, Lang_Table[1105]);
  EXPECT_EQ(Read(In_Project("gw.mib")), QByteArray("old"));

  Dialogs.Queue_File(In_Project("gw.mib"));
  Dialogs.Queue_Answer(mrYes);
  Create_MIB_File();
  const QByteArray mib = Read(In_Project("gw.mib"));
  EXPECT_TRUE(mib.startsWith("GATEWAY DEFINITIONS ::= BEGIN\r\n"));
  EXPECT_TRUE(
      mib.contains("\r\ntemp OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION "
                   "\"Temp\" ::= { bufferinval 1 }\r\n"));
  EXPECT_TRUE(mib.endsWith("\r\nEND\r\n"));

  // Cancel reads and writes nothing: an input that is no longer readable would be reported if it were read.
  Write_Input(Path_SNMP_Trap, "<S><SNMP_Trap_Read>");
  const size_t messages = Dialogs.Messages.size();
  Dialogs.Queue_File(QString());
  Create_MIB_File();
  EXPECT_EQ(Dialogs.File_Requests.size(), 3u);
  EXPECT_EQ(Dialogs.Messages.size(), messages);
  EXPECT_EQ(Read(In_Project("gw.mib")), mib);
}

// A file that cannot be written is reported; nothing else happens.
TEST_F(ExportEntries, AFileThatCannotBeWrittenIsReported) {
  Dialogs.Queue_Answer(mrOk);
  Create_EDS_File(Folder.File("missing-folder/device.eds"));
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Type, mtError);
  EXPECT_TRUE(Dialogs.Messages[0].Text.contains(QStringLiteral("device.eds")));
  EXPECT_FALSE(QFileInfo::exists(Folder.File("missing-folder")));
}
