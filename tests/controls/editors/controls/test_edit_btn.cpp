// The edit with a button and the value-and-unit edit: the button's action from the mouse and F4, typing switched
// off, the unit list, and splitting a value from its unit.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QWidget>

#include "UQsgUnitEditBtn.h"

namespace {

class EditBtnTest : public ::testing::Test {
 protected:
  EditBtnTest() {
    Window.resize(300, 120);
    Edit = new TQsgEditBtn(&Window);
    Edit->setGeometry(10, 10, 140, 24);
    Units = new TQsgUnitEditBtn(&Window);
    Units->setGeometry(10, 50, 140, 24);
    Units->SetUnits({"m", "mm"});
    Window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window));
    Window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
  }
  void Focus(QWidget* w) {
    w->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }
  void Click_Button(TQsgEditBtn* edit) {
    QWidget* button = edit->Button()->Button();
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
  }

  QWidget Window;
  TQsgEditBtn* Edit = nullptr;
  TQsgUnitEditBtn* Units = nullptr;
};

TEST_F(EditBtnTest, ButtonAndF4RunTheActionButNotWithCtrlOrAlt) {
  QList<QObject*> senders;
  Edit->OnClickBtn = [&](QObject* sender) { senders << sender; };
  Click_Button(Edit);
  ASSERT_EQ(senders.size(), 1);
  EXPECT_EQ(senders[0], Edit->Button());
  EXPECT_TRUE(Edit->hasFocus());  // the button hands the focus to the edit
  QTest::keyClick(Edit, Qt::Key_F4);
  QTest::keyClick(Edit, Qt::Key_F4, Qt::AltModifier);
  QTest::keyClick(Edit, Qt::Key_F4, Qt::ControlModifier);
  ASSERT_EQ(senders.size(), 2);
  EXPECT_EQ(senders[1], Edit);
  // Only the left button acts.
  QWidget* button = Edit->Button()->Button();
  QTest::mouseClick(button, Qt::RightButton, {}, button->rect().center());
  EXPECT_EQ(senders.size(), 2);
}

TEST_F(EditBtnTest, EditorDisabledKeepsTheTextButTheButtonWorks) {
  int clicks = 0;
  Edit->OnClickBtn = [&](QObject*) { ++clicks; };
  Edit->SetText("abc");
  Edit->SetEditorEnabled(false);
  Focus(Edit);
  QApplication::clipboard()->setText("pasted");
  Edit->setCursorPosition(3);
  QTest::keyClicks(Edit, "xy");
  QTest::keyClick(Edit, Qt::Key_Backspace);
  QTest::keyClick(Edit, Qt::Key_Home);
  QTest::keyClick(Edit, Qt::Key_Delete);
  QTest::keyClick(Edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Edit->Text(), "abc");
  Click_Button(Edit);
  EXPECT_EQ(clicks, 1);

  // Typing on again: a read-only edit still refuses paste.
  Edit->SetEditorEnabled(true);
  Edit->SetReadOnly(true);
  QTest::keyClick(Edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Edit->Text(), "abc");
  Edit->SetReadOnly(false);
  Edit->setCursorPosition(3);
  QTest::keyClicks(Edit, "d");
  EXPECT_EQ(Edit->Text(), "abcd");
}

TEST_F(EditBtnTest, TextAndUnitSplitsAtTheFirstUnitThatEndsTheValue) {
  struct TCase {
    QStringList UnitList;
    const char* Value;
    const char* Text;
    const char* Unit;
  } cases[] = {
      {{"m", "mm"}, "12.5mm", "12.5", "mm"},  // m first occurs inside "mm", not at the end
      {{"m", "mm"}, "7m", "7", "m"},
      {{"mm"}, "5mm2mm", "7", "m"},    // the first mm is not at the end: nothing changes
      {{"V", "kV"}, "100", "7", "m"},  // no unit: nothing changes
      {{"kV", "V"}, "3kV", "3", "kV"},
      {{"V", "kV"}, "3kV", "3k", "V"},  // the list's order decides
  };
  for (const TCase& c : cases) {
    Units->SetText("7");
    Units->SetUnitID("m");
    Units->SetUnits(c.UnitList);
    Units->SetTextAndUnit(c.Value);
    EXPECT_EQ(Units->Text(), c.Text) << c.Value;
    EXPECT_EQ(Units->UnitID(), c.Unit) << c.Value;
    EXPECT_EQ(Units->TextAndUnit(), QString(c.Text) + c.Unit);
  }
}

TEST_F(EditBtnTest, UnitListOffersTheUnitsAndReportsAChange) {
  QStringList changes;
  int clicks = 0;
  Units->SetUnits({"mV", "V", "kV"});
  Units->SetUnitID("V");
  Units->OnClickBtn = [&](QObject* sender) {
    EXPECT_EQ(sender, Units);
    ++clicks;
  };
  Units->OnUnitChanged = [&](TQsgUnitEditBtn*, const QString& unit) { changes << unit; };
  Click_Button(Units);
  EXPECT_EQ(clicks, 1);
  QMenu* menu = Units->UnitMenu();
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->actions().size(), 3);
  EXPECT_EQ(menu->actions()[2]->text(), "kV");
  menu->actions()[1]->trigger();  // the unit already shown
  EXPECT_TRUE(changes.isEmpty());
  menu->actions()[2]->trigger();
  EXPECT_EQ(changes, QStringList({"kV"}));
  EXPECT_EQ(Units->UnitID(), "kV");
  menu->close();
  // Numbers outside the list are not picks.
  Units->Unit_Command(0);
  Units->Unit_Command(4);
  EXPECT_EQ(Units->UnitID(), "kV");
}

TEST_F(EditBtnTest, UnitEditStartsRightAlignedWithRoomForTheUnit) {
  EXPECT_TRUE(Units->RightAlign());
  EXPECT_EQ(Units->UnitSpace(), 20);
  EXPECT_EQ(Units->Text(), "0");
  EXPECT_EQ(Units->textMargins().right(), 18 + 20 + 5 + 3);
  EXPECT_EQ(Edit->textMargins().right(), 18 + 5);
  Units->SetUnitSpace(30);
  EXPECT_EQ(Units->textMargins().right(), 18 + 30 + 5 + 3);
}

}  // namespace
