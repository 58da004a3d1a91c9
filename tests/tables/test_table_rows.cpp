// The row operations of the table windows: delete, insert, copy and paste with their questions and refusals, the
// column sizing on a header double click and Enter walking from cell to cell.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "TDialogRecorder.h"
#include "UComon.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UTable_Columns.h"
#include "UTable_View.h"

namespace {

// Four data columns (the third an enable-style check box, the fourth hidden) over five data rows.
class TableRowsTest : public ::testing::Test {
 protected:
  TableRowsTest() {
    Load_Default_Strings();
    Row_Clipboard.clear();
    enable_jump_field_tables = false;
    Double_Click_Auto_Size = false;
    TTable_Columns columns(5);
    columns[3].Editor = edDataCheckBox;
    Apply_Table_Columns(Grid, columns, 5);
    Erase_Table_Rows(Grid, false);
    Grid.HideColumn(4);
  }
  ~TableRowsTest() override {
    enable_jump_field_tables = false;
    Double_Click_Auto_Size = false;
  }

  // Row r holds "a<r>", "b<r>", "Y", "h<r>".
  void Fill() {
    for (int32_t r = 1; r <= 5; ++r)
      Set_Row(r, {QStringLiteral("a%1").arg(r), QStringLiteral("b%1").arg(r), "Y", QStringLiteral("h%1").arg(r)});
  }
  void Set_Row(int32_t r, const QStringList& cells) {
    for (int32_t c = 1; c <= 4; ++c) Grid.SetCells(c, r, cells[c - 1]);
  }
  QStringList Row(int32_t r) const {
    QStringList cells;
    for (int32_t c = 0; c <= 4; ++c) cells << Grid.Cells(c, r);
    return cells;
  }

  TQrvColumnGrid Grid;
};

TEST_F(TableRowsTest, DeleteMovesTheRowsBelowUpAndBlanksTheLast) {
  Fill();
  Grid_Delete_Row(1, Grid);
  EXPECT_EQ(Row(1), QStringList({"1", "a2", "b2", "Y", "h2"}));
  EXPECT_EQ(Row(4), QStringList({"4", "a5", "b5", "Y", "h5"}));
  EXPECT_EQ(Row(5), QStringList({"5", "", "", "", ""}));
  // The last data row: blanked, nothing moves.
  Fill();
  Grid_Delete_Row(5, Grid);
  EXPECT_EQ(Row(4), QStringList({"4", "a4", "b4", "Y", "h4"}));
  EXPECT_EQ(Row(5), QStringList({"5", "", "", "", ""}));
}

TEST_F(TableRowsTest, InsertMovesTheRowsDownAndLosesTheLast) {
  Fill();
  Grid_Insert_Row(2, Grid, true);
  EXPECT_EQ(Row(1), QStringList({"1", "a1", "b1", "Y", "h1"}));
  EXPECT_EQ(Row(2), QStringList({"2", "Y", "", "", ""}));
  EXPECT_EQ(Row(3), QStringList({"3", "a2", "b2", "Y", "h2"}));
  EXPECT_EQ(Row(5), QStringList({"5", "a4", "b4", "Y", "h4"}));
  // At the last data row, without the enable flag: that row's content is lost.
  Fill();
  Grid_Insert_Row(5, Grid, false);
  EXPECT_EQ(Row(4), QStringList({"4", "a4", "b4", "Y", "h4"}));
  EXPECT_EQ(Row(5), QStringList({"5", "", "", "", ""}));
}

TEST_F(TableRowsTest, CopyAndPasteCarryEveryDataColumnHiddenOnesIncluded) {
  Fill();
  Grid_Copy_Row(Grid, 3);
  EXPECT_EQ(Row_Clipboard, QStringList({"a3", "b3", "Y", "h3"}));
  Set_Row(1, {"", "", "N", ""});
  EXPECT_TRUE(Grid_Paste_Row(Grid, 1, true));
  EXPECT_EQ(Row(1), QStringList({"1", "a3", "b3", "Y", "h3"}));
}

TEST_F(TableRowsTest, PasteRefusalsAndTheOverwriteQuestion) {
  Fill();
  Grid_Copy_Row(Grid, 1);
  {
    // Not copied in this window since it was shown: refused, though the clipboard holds a fitting row.
    TDialogRecorder dialogs;
    dialogs.Queue_Answer(mrOk);
    EXPECT_FALSE(Grid_Paste_Row(Grid, 2, false));
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, QStringLiteral("Error!!! Copy a valid row before Paste it"));
    EXPECT_EQ(dialogs.Messages[0].Type, mtError);
    EXPECT_EQ(dialogs.Messages[0].Buttons, TMsgDlgButtons(mbOK));
  }
  {
    // A row of another table with another number of columns.
    Row_Clipboard = QStringList({"x", "y"});
    TDialogRecorder dialogs;
    dialogs.Queue_Answer(mrOk);
    EXPECT_FALSE(Grid_Paste_Row(Grid, 2, true));
    EXPECT_EQ(dialogs.Texts(), QStringList({"Error in the Copy values!!! Copy a valid row before Paste it"}));
    EXPECT_EQ(Row(2), QStringList({"2", "a2", "b2", "Y", "h2"}));
  }
  Row_Clipboard = QStringList({"p", "q", "N", "r"});
  {
    // A used row: No keeps it, Yes overwrites it.
    TDialogRecorder dialogs;
    dialogs.Queue_Answer(mrNo);
    dialogs.Queue_Answer(mrYes);
    EXPECT_FALSE(Grid_Paste_Row(Grid, 2, true));
    EXPECT_EQ(Row(2), QStringList({"2", "a2", "b2", "Y", "h2"}));
    EXPECT_TRUE(Grid_Paste_Row(Grid, 2, true));
    EXPECT_EQ(Row(2), QStringList({"2", "p", "q", "N", "r"}));
    ASSERT_EQ(dialogs.Messages.size(), 2u);
    EXPECT_EQ(dialogs.Messages[0].Type, mtConfirmation);
    EXPECT_EQ(dialogs.Messages[0].Buttons, mbYes | mbNo);
  }
  {
    // Only check-box cells filled, or blanks in a text column: not in use, written without a question.
    TDialogRecorder dialogs;
    Set_Row(3, {"", "", "Y", ""});
    EXPECT_TRUE(Grid_Paste_Row(Grid, 3, true));
    EXPECT_EQ(Row(3), QStringList({"3", "p", "q", "N", "r"}));
    Set_Row(4, {"   ", "", "N", ""});
    EXPECT_TRUE(Grid_Paste_Row(Grid, 4, true));
    EXPECT_EQ(Row(4), QStringList({"4", "p", "q", "N", "r"}));
    EXPECT_TRUE(dialogs.Messages.empty());
  }
}

TEST_F(TableRowsTest, HeaderDoubleClickSizesOnlyWithTheOption) {
  Grid.SetCells(1, 0, QStringLiteral("A rather long header text"));
  const int32_t width = Grid.ColWidths(1);
  Grid_Auto_Size_Col(Grid, 0, 1);
  EXPECT_EQ(Grid.ColWidths(1), width);
  Double_Click_Auto_Size = true;
  Grid_Auto_Size_Col(Grid, 2, 1);  // a data cell never sizes
  EXPECT_EQ(Grid.ColWidths(1), width);
  Grid_Auto_Size_Col(Grid, 0, 1);
  EXPECT_GT(Grid.ColWidths(1), width);
}

TEST_F(TableRowsTest, EnterWalksToTheNextCell) {
  struct TCase {
    bool Option;
    QChar Key;
    int32_t Col, Row;
    int32_t To_Col, To_Row;
    bool Swallowed;
  };
  // The visible columns are 0..3 (column 4 is hidden), rows 0..5.
  const TCase cases[] = {
      {false, QChar(13), 1, 1, 1, 1, false},  // option off: the grid's own handling
      {true, QChar('a'), 1, 1, 1, 1, false},  // not Enter
      {true, QChar(13), 1, 2, 2, 2, true},    // next column
      {true, QChar(13), 3, 2, 1, 3, true},    // last column: first column of the next row
      {true, QChar(13), 3, 5, 1, 1, true},    // last cell: back to the first
  };
  for (const TCase& c : cases) {
    enable_jump_field_tables = c.Option;
    Grid.MoveToCell(c.Col, c.Row);
    QChar key = c.Key;
    Grid_Enter_Next_Cell(Grid, key);
    EXPECT_EQ(key.isNull(), c.Swallowed) << c.Col << "," << c.Row;
    EXPECT_EQ(Grid.Col(), c.To_Col) << c.Col << "," << c.Row;
    EXPECT_EQ(Grid.Row(), c.To_Row) << c.Col << "," << c.Row;
  }
}

// Through a shown table: Enter in the open text editor writes the text and moves on; with the option off the
// grid's own Enter ends the edit where it is.
TEST(TableViewKeys, EnterFromTheEditorWritesAndMovesOn) {
  Load_Default_Strings();
  for (const bool option : {true, false}) {
    enable_jump_field_tables = option;
    QWidget window;
    auto* view = new TTable_View(&window);
    view->setGeometry(0, 0, 400, 200);
    QStringList hints;
    TTable_Columns columns(4);
    Apply_Table_Columns(view->Table(), columns, 5);
    Bind_Table_Events(view->Table(), &hints);
    window.resize(400, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window);
    view->setFocus();
    TQrvColumnGrid& grid = view->Table();
    grid.MoveToCell(1, 1);
    grid.ShowInplaceEdit();
    QApplication::processEvents();
    ASSERT_TRUE(grid.EditMode());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("abc"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("abc")) << option;
    EXPECT_FALSE(grid.EditMode()) << option;
    EXPECT_EQ(grid.Col(), option ? 2 : 1);
  }
  enable_jump_field_tables = false;
}

}  // namespace
