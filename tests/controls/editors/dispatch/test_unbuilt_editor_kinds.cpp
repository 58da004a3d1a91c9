// The drop-down editor kinds have no control in this build: starting an edit on such a cell, by typing, F2 or
// code, opens nothing, keeps the cell's text, fires no end-of-edit events and leaves the grid ready for the next
// edit.
#include "GridEditorFixture.h"

namespace {

TEST(UnbuiltEditorKinds, ADropDownKindOpensNothingAndKeepsTheCell) {
  for (int kind = edTrackbarDropDown; kind <= edQrvGridDropDown; ++kind) {
    TEditedGrid g;
    int done = 0, cellDone = 0;
    g.Grid->OnEditingDone = [&](TQrvStringGrid*) { ++done; };
    g.Grid->OnEditCellDone = [&](TQrvStringGrid*, int32_t, int32_t) { ++cellDone; };
    g.Grid->DefaultEditor = static_cast<TEditorType>(kind);
    g.Grid->SetCells(1, 1, "keep");
    g.Grid->MoveToCell(1, 1);
    g.Type("x");
    g.Key(Qt::Key_F2);
    g.Key(Qt::Key_Return);
    g.Grid->ShowInplaceEdit();
    QApplication::processEvents();
    EXPECT_EQ(g.Grid->Cells(1, 1), "keep") << kind;
    EXPECT_FALSE(g.Grid->EditMode()) << kind;
    EXPECT_EQ(g.Factory->EditCtrl(), nullptr) << kind;
    EXPECT_EQ(g.Focused(), g.View) << kind;
    EXPECT_EQ(done + cellDone, 0) << kind << ": no edit ended, none began";
    // The grid is not stuck: the next cell of another kind edits as ever.
    g.Grid->DefaultEditor = edNormal;
    g.Type("y");
    QApplication::processEvents();
    ASSERT_TRUE(g.Edit()->isVisible()) << kind;
    g.Key(Qt::Key_Return);
    EXPECT_EQ(g.Grid->Cells(1, 1), "y") << kind;
  }
}

}  // namespace
