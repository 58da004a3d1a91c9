// The fixed-cell editors: Enter keeps them open, leaving them validates; a refusal keeps the edit open and
// focused, an acceptance writes the fixed cell and reports the end of the edit.
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

}  // namespace
