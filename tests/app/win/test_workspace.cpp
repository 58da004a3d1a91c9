#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include "TDialogRecorder.h"
#include "TModalDriver.h"
#include "TTempFolder.h"
#include "UGlobals.h"
#include "UNew_Project.h"
#include "UOpenConf.h"
#include "UProgram_Start.h"
#include "UVandrelFirmWare.h"
#include "UWindows.h"

namespace {

class WorkspaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Prepare_Program_State();
    Create_Windows();
  }
  void TearDown() override { Destroy_Windows(); }

  // Runs the new configuration step from the main window, typing `name` and pressing OK (then Cancel, should the
  // window stay open after an error).
  void Create_From_Main_Window(const QString& name) {
    TModalDriver driver([name](QWidget*) {
      FNew_Project->E_New_Proj->setText(name);
      FNew_Project->Btn_OK->Click();
      if (FNew_Project->isVisible()) FNew_Project->Btn_Cancel->Click();
    });
    FVandrelFirmWare->Btn_Click(FVandrelFirmWare->Btn_New);
  }

  // Shows the open window and returns what it listed and preselected; then closes it with `result`.
  struct TOpenView {
    QStringList Listed;
    QString Selected;
    QString Name_Conf;
  };
  TOpenView Open_From_Main_Window(TModalResult result) {
    TOpenView view;
    TModalDriver driver([&view, result](QWidget*) {
      for (int i = 0; i < FOpenConf->ListBox1->count(); ++i) view.Listed << FOpenConf->ListBox1->item(i)->text();
      if (QListWidgetItem* item = FOpenConf->ListBox1->currentItem()) view.Selected = item->text();
      view.Name_Conf = FOpenConf->Name_Conf;
      FOpenConf->SetModalResult(result);
    });
    FVandrelFirmWare->Btn_Click(FVandrelFirmWare->Btn_Open);
    return view;
  }

  TTempFolder Folder;
  TDialogRecorder Dialogs;
};

}  // namespace

TEST_F(WorkspaceTest, NewCreatesTheFolderWithBinAndMakesItActive) {
  Create_From_Main_Window(QStringLiteral("Line 1"));
  EXPECT_TRUE(Dialogs.Messages.empty());
  EXPECT_TRUE(QFileInfo(Folder.File("PROJECTS/Line 1/bin")).isDir());
  EXPECT_EQ(Name_Project, QStringLiteral("Line 1"));
  EXPECT_EQ(Path_Project, Folder.File("PROJECTS/Line 1"));
  EXPECT_EQ(Path_OPC_UA_Client, Folder.File("PROJECTS/Line 1/OPC_UA_Client.xml"));
  EXPECT_EQ(FVandrelFirmWare->L_Name_Conf->text(), QStringLiteral("Opened Configuration of the Converter : "));
  EXPECT_EQ(FVandrelFirmWare->L_Name_Conf_L2->text(), QStringLiteral("Line 1"));
  // The workflow steps no longer refuse.
  Dialogs.Messages.clear();
  TModalDriver close_update_window([](QWidget* modal) { modal->close(); });
  FVandrelFirmWare->Btn_Click(FVandrelFirmWare->Btn_CreateBin);
  EXPECT_FALSE(Dialogs.Texts().contains(QStringLiteral("Error! Project not Valid")));
}

TEST_F(WorkspaceTest, BlanksAroundANewNameAreKept) {
  Create_From_Main_Window(QStringLiteral("  padded "));
  EXPECT_TRUE(QFileInfo(Folder.File("PROJECTS/  padded /bin")).isDir());
  EXPECT_EQ(Name_Project, QStringLiteral("  padded "));
}

// A refused name changes nothing: no folder, the previous configuration stays active, the window stays open.
TEST_F(WorkspaceTest, RefusedNamesShowTheirErrorAndChangeNothing) {
  Folder.Write("PROJECTS/Existing/.keep", "");
  Folder.Write("PROJECTS/Existing/Sub/.keep", "");
  Folder.Write("PROJECTS/file.txt", "");
  const std::pair<QString, QString> cases[] = {
      {"", "Error! Name Project is not valid"},
      {"Existing", "Error! Name project is not valid because directory already exists"},
      {"file.txt", "Error! Name project is not valid"},
      {"..", "Error! Name project is not valid"},
      {".", "Error! Name project is not valid"},
      {"Existing/Sub", "Error! Name project is not valid"},
      {"../Outside", "Error! Name project is not valid"},
      {"a\\b", "Error! Name project is not valid"},
  };
  for (const auto& [name, error] : cases) {
    Dialogs.Messages.clear();
    FNew_Project->E_New_Proj->setText(name);
    Dialogs.Queue_Answer(mrOk);
    FNew_Project->Btn_OK->Click();
    ASSERT_EQ(Dialogs.Messages.size(), 1u) << name.toStdString();
    EXPECT_EQ(Dialogs.Messages[0].Text, error) << name.toStdString();
    EXPECT_EQ(Dialogs.Messages[0].Type, mtError);
    EXPECT_EQ(FNew_Project->ModalResult(), mrNone);
    EXPECT_EQ(FNew_Project->E_New_Proj->text(), name);
    EXPECT_EQ(Path_Project, QString());
  }
  EXPECT_FALSE(QFileInfo::exists(Folder.File("Outside")));
  EXPECT_EQ(QDir(Folder.File("PROJECTS")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);
}

TEST_F(WorkspaceTest, EveryShowOfNewStartsWithAnEmptyName) {
  TModalDriver driver([](QWidget*) {
    EXPECT_TRUE(FNew_Project->E_New_Proj->text().isEmpty());
    FNew_Project->Btn_Cancel->Click();
  });
  FNew_Project->E_New_Proj->setText(QStringLiteral("left over"));
  FVandrelFirmWare->Btn_Click(FVandrelFirmWare->Btn_New);
  EXPECT_EQ(driver.Shown, FNew_Project);
  EXPECT_EQ(Path_Project, QString());
}

// The name box has the focus at every show, and Enter in it confirms exactly once: one folder or one error, never
// a second attempt that would report the folder just made as already existing.
TEST_F(WorkspaceTest, EnterInTheNameBoxConfirmsOnce) {
  struct Case {
    QString typed;
    QStringList messages;
  };
  const Case cases[] = {{"Typed", {}}, {"", {"Error! Name Project is not valid"}}};
  for (const Case& c : cases) {
    Dialogs.Messages.clear();
    for (qsizetype i = 0; i < c.messages.size(); ++i) Dialogs.Queue_Answer(mrOk);
    TModalDriver driver([&c](QWidget*) {
      EXPECT_EQ(FNew_Project->focusWidget(), FNew_Project->E_New_Proj);
      QTest::keyClicks(FNew_Project->E_New_Proj, c.typed);
      QTest::keyClick(FNew_Project->E_New_Proj, Qt::Key_Return);
      if (FNew_Project->isVisible()) FNew_Project->Btn_Cancel->Click();
    });
    FVandrelFirmWare->Btn_Click(FVandrelFirmWare->Btn_New);
    EXPECT_EQ(driver.Shown, FNew_Project);
    EXPECT_EQ(Dialogs.Texts().join(u'|').toStdString(), c.messages.join(u'|').toStdString());
  }
  EXPECT_EQ(Name_Project, QStringLiteral("Typed"));
  EXPECT_TRUE(QFileInfo(Folder.File("PROJECTS/Typed/bin")).isDir());
}

TEST_F(WorkspaceTest, OpenPreselectsTheActiveConfigurationIgnoringCase) {
  Create_From_Main_Window(QStringLiteral("A"));
  Folder.Write("PROJECTS/B/.keep", "");
  Folder.Write("PROJECTS/.hidden/.keep", "");
  TOpenView view = Open_From_Main_Window(mrCancel);
  EXPECT_EQ(QSet<QString>(view.Listed.begin(), view.Listed.end()), QSet<QString>({"A", "B"}));
  EXPECT_EQ(view.Selected, QStringLiteral("A"));
  EXPECT_EQ(view.Name_Conf, QStringLiteral("A"));

  // The active configuration is named "b" while the folder is "B".
  Path_Project = Folder.File("PROJECTS/b");
  view = Open_From_Main_Window(mrCancel);
  EXPECT_EQ(view.Selected, QStringLiteral("B"));
  EXPECT_EQ(view.Name_Conf, QStringLiteral("B"));
  EXPECT_EQ(Path_Project, Folder.File("PROJECTS/b")) << "Cancel changes nothing";
}

TEST_F(WorkspaceTest, OpenWithoutTheActiveFolderPreselectsTheFirstEntry) {
  Folder.Write("PROJECTS/Only/.keep", "");
  Path_Project = Folder.File("PROJECTS/Removed");
  const TOpenView view = Open_From_Main_Window(mrOk);
  EXPECT_EQ(view.Listed, QStringList{"Only"});
  EXPECT_EQ(view.Selected, QStringLiteral("Only"));
  EXPECT_EQ(Name_Project, QStringLiteral("Only"));
  EXPECT_EQ(Path_Project, Folder.File("PROJECTS/Only"));
  EXPECT_EQ(Path_ParGen, Folder.File("PROJECTS/Only/ParGen.xml"));
  EXPECT_EQ(FVandrelFirmWare->L_Name_Conf_L2->text(), QStringLiteral("Only"));
}

TEST_F(WorkspaceTest, OpenWithAnEmptyListClosesTheConfiguration) {
  Create_From_Main_Window(QStringLiteral("Gone"));
  QDir(Folder.File("PROJECTS/Gone")).removeRecursively();
  const TOpenView view = Open_From_Main_Window(mrOk);
  EXPECT_TRUE(view.Listed.isEmpty());
  EXPECT_TRUE(view.Name_Conf.isEmpty());
  EXPECT_EQ(Name_Project, QString());
  EXPECT_EQ(Path_Project, QString());
  EXPECT_EQ(Path_ParGen, QStringLiteral("/ParGen.xml"));
  EXPECT_EQ(FVandrelFirmWare->L_Name_Conf->text(), QStringLiteral("None Configuration Opened "));
}

TEST_F(WorkspaceTest, ChoosingAnotherEntryOpensIt) {
  for (const char* name : {"One", "Two", "Three"}) Folder.Write(QString("PROJECTS/%1/.keep").arg(name), "");
  TModalDriver driver([](QWidget*) {
    const QList<QListWidgetItem*> items = FOpenConf->ListBox1->findItems("Two", Qt::MatchExactly);
    FOpenConf->ListBox1->setCurrentItem(items.front());
    FOpenConf->Btn_OK->Click();
  });
  FVandrelFirmWare->Btn_Click(FVandrelFirmWare->Btn_Open);
  EXPECT_EQ(Name_Project, QStringLiteral("Two"));
  EXPECT_EQ(Path_Project, Folder.File("PROJECTS/Two"));
}

TEST_F(WorkspaceTest, TheOpenWindowGrowsItsListWithTheWindow) {
  FOpenConf->show();
  FOpenConf->resize(577, 451);
  EXPECT_EQ(FOpenConf->ListBox1->geometry(), QRect(16, 94, 577 - 32, 451 - 94 - 46));
  EXPECT_EQ(FOpenConf->Btn_Cancel->x() + FOpenConf->Btn_Cancel->width(), 577 - 18);
  EXPECT_LT(FOpenConf->Btn_OK->x(), FOpenConf->Btn_Cancel->x());
  FOpenConf->hide();
}
