// The fixed-cell editors: Enter keeps them open, leaving them validates; a refusal keeps the edit open and
// focused, an acceptance writes the fixed cell and reports the end of the edit.
#include <QMouseEvent>

#include "GridEditorFixture.h"
#include "UGridTransCombo.h"
#include "UGridTransEdit.h"

namespace {

TEST(FixedCellEditors, LeavingValidatesAndWritesTheFixedCell) {
  for (const bool combo : {false, true}) {
    TEditedGrid g;
    bool accept = false;
    int done = 0;
    QStringList seen;
    g.Grid->OnCellValidate = [&](TQrvStringGrid*, int32_t c, int32_t r, QString& value, bool& valid) {
      seen << QString("%1,%2 %3").arg(c).arg(r).arg(value);
      value = value.toUpper();
      valid = accept;
    };
    g.Grid->OnEditingDone = [&](TQrvStringGrid*) { ++done; };
    g.Grid->SetCells(2, 0, "Head");
    QWidget* editor = nullptr;
    if (combo) {
      g.Factory->ComboTrans()->Start(2, 0, {"Head", "Name"}, false);
      editor = g.Factory->ComboTrans();
    } else {
      g.Factory->EditTrans()->Start(2, 0);
      editor = g.Factory->EditTrans();
    }
    g.Key(Qt::Key_End);
    g.Type("er");
    g.Key(Qt::Key_Return);
    EXPECT_TRUE(editor->isVisible()) << "Enter does not end a fixed-cell edit";
    g.Other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(seen, QStringList{"2,0 Header"}) << combo;
    EXPECT_EQ(g.Grid->Cells(2, 0), "Head") << combo;
    EXPECT_TRUE(editor->isVisible()) << combo;
    EXPECT_EQ(g.Focused(), editor) << "a refused edit keeps the focus";
    EXPECT_EQ(done, 0);
    accept = true;
    g.Other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(g.Grid->Cells(2, 0), "HEADER") << combo;
    EXPECT_FALSE(editor->isVisible()) << combo;
    EXPECT_EQ(done, 1);
  }
}

TEST(FixedCellEditors, TheSettingsPressOpensTheEditorOverTheHeaderCell) {
  TEditedGrid g;
  g.Grid->SetCells(2, 0, "Head");
  g.Grid->MouseActions().SetFixedRowsEdit(fceRightClick);
  g.Grid->MouseActions().SetFixedRowsEditor(fceComboList);
  g.Grid->MouseActions().SetFixedComboValues({"Name", "Head", "Size"});
  const TRect rect = g.Grid->CellRect(2, 0);
  const QPoint mid((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
  QTest::mouseClick(g.View->viewport(), Qt::LeftButton, {}, mid);
  EXPECT_FALSE(g.Factory->ComboTrans()->isVisible()) << "a left press opens nothing here";
  QTest::mouseClick(g.View->viewport(), Qt::RightButton, {}, mid);
  QApplication::processEvents();
  TGridTransCombo* combo = g.Factory->ComboTrans();
  ASSERT_TRUE(combo->isVisible());
  EXPECT_FALSE(combo->isEditable());
  EXPECT_EQ(combo->currentText(), "Head");
  EXPECT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->geometry(), QRect(rect.Left, rect.Top, rect.Right - rect.Left - 1, rect.Bottom - rect.Top - 1));
  combo->setCurrentIndex(2);
  g.Other->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(g.Grid->Cells(2, 0), "Size");
  EXPECT_FALSE(combo->isVisible());
}

TEST(FixedCellEditors, AlwaysEditOpensTheEditorWhenTheFocusComesBack) {
  TEditedGrid g;
  g.Grid->Navigation().SetAlwaysEdit(true);
  g.Grid->MoveToCell(2, 2);
  g.Other->setFocus();
  QApplication::processEvents();
  ASSERT_FALSE(g.Grid->EditMode());
  g.View->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_TRUE(g.Grid->EditMode());
  EXPECT_TRUE(g.Edit() && g.Edit()->isVisible());
}

}  // namespace
