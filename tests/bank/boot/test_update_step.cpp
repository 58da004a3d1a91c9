// Step 4 of the main window: compile, write both banks, then open the update window for Ethernet.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "TDialogRecorder.h"
#include "TModalDriver.h"
#include "TTempFolder.h"
#include "UBoot.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UProgram_Start.h"
#include "UVandrelFirmWare.h"
#include "UWindows.h"

namespace {
class UpdateStepTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Prepare_Program_State();
    Create_Windows();
    Path_Project = Folder.File(QStringLiteral("PROJECTS/Plant"));
    QDir().mkpath(Join_Path(Path_Project, QStringLiteral("bin")));
    FVandrelFirmWare->Set_Files();
  }
  void TearDown() override {
    Destroy_Windows();
    Path_Project.clear();
  }

  // Runs step 4; whatever modal window opens is recorded and closed, so a wrongly opened one cannot hang the test.
  QWidget* Run_Update_Step() {
    TModalDriver driver([this](QWidget* modal) {
      if (modal == FBoot) {
        Form_Type_Shown = FBoot->Form_Type;
        Title_Shown = FBoot->windowTitle();
      }
      modal->close();
    });
    FVandrelFirmWare->Btn_Click(FVandrelFirmWare->Btn_CreateBin);
    return driver.Shown;
  }

  TTempFolder Folder;
  TDialogRecorder Dialogs;
  int32_t Form_Type_Shown = -1;
  QString Title_Shown;
};
}  // namespace

TEST_F(UpdateStepTest, WrittenBanksOpenTheUpdateWindowForEthernet) {
  Folder.Write(QStringLiteral("PROJECTS/Plant/OPC_UA_Client.xml"),
               "<OPC_UA_Client><OPC_UA_Server_List/></OPC_UA_Client>");
  EXPECT_EQ(Run_Update_Step(), FBoot);
  EXPECT_TRUE(Dialogs.Messages.empty()) << Dialogs.Texts().join(u'|').toStdString();
  EXPECT_EQ(Form_Type_Shown, ftEthernet);
  EXPECT_EQ(Title_Shown, QStringLiteral("Update Device by Ethernet (UDP)"));
  EXPECT_EQ(QFileInfo(Folder.File(QStringLiteral("PROJECTS/Plant/bin/bank1.bin"))).size(), 2048);
  EXPECT_TRUE(QFileInfo::exists(Folder.File(QStringLiteral("PROJECTS/Plant/bin/bank2.bin"))));
}

TEST_F(UpdateStepTest, AFailedCompileShowsItsErrorWritesNothingAndOpensNoWindow) {
  Folder.Write(QStringLiteral("PROJECTS/Plant/OPC_UA_Client.xml"), "<OPC_UA_Client>");
  Dialogs.Queue_Answer(mrOk);
  EXPECT_EQ(Run_Update_Step(), nullptr);
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Type, mtError);
  EXPECT_TRUE(Dialogs.Messages[0].Text.contains(QStringLiteral("OPC_UA_Client.xml")))
      << Dialogs.Messages[0].Text.toStdString();
  EXPECT_FALSE(QFileInfo::exists(Folder.File(QStringLiteral("PROJECTS/Plant/bin/bank1.bin"))));
  EXPECT_FALSE(QFileInfo::exists(Folder.File(QStringLiteral("PROJECTS/Plant/bin/bank2.bin"))));
}

TEST_F(UpdateStepTest, AConfigurationFolderThatHasGoneIsReportedAndNothingIsWrittenOrOpened) {
  ASSERT_TRUE(QDir(Path_Project).removeRecursively());
  Dialogs.Queue_Answer(mrOk);
  EXPECT_EQ(Run_Update_Step(), nullptr);
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Type, mtError);
  EXPECT_TRUE(Dialogs.Messages[0].Text.startsWith(Lang_Table[TFVandrelFirmWare::Msg_Configuration_Folder_Missing]));
  EXPECT_TRUE(Dialogs.Messages[0].Text.contains(QStringLiteral("PROJECTS/Plant")))
      << Dialogs.Messages[0].Text.toStdString();
  // The folder does not come back holding nothing but the banks.
  EXPECT_FALSE(QFileInfo::exists(Path_Project));
}
