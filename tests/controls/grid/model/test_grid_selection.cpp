// The rectangle and the three disjunct selections, row marks, the selected text and the repaint helpers.
#include <gtest/gtest.h>

#include "GridTestHost.h"
#include "UGridError.h"
#include "UQrvStringGrid.h"

namespace {

struct ShownGrid : THostedGrid<> {
  ShownGrid(int32_t cols, int32_t rows) : THostedGrid(cols, rows, 2000, 2000) {}
};

}  // namespace

TEST(RowSelection, RangeWithoutDisjunctSelectionIsCutToTheGrid) {
  ShownGrid g(5, 10);
  g.grid.SelectRows(3, 100);
  EXPECT_EQ(g.grid.Selection(), (TGridRect{1, 3, 4, 9}));
  EXPECT_EQ(g.grid.RowSelectCount(), 7);
  EXPECT_EQ(g.grid.SelectedRowCount(), 7);
  EXPECT_EQ(g.grid.GetSelectedRow(0), 3);
  EXPECT_EQ(g.grid.GetSelectedRow(6), 9);
  EXPECT_EQ(g.grid.GetSelectedRow(7), -1);
  EXPECT_TRUE(g.grid.GetRowSelect(5));
  EXPECT_FALSE(g.grid.GetRowSelect(2));
  EXPECT_FALSE(g.grid.SelChange());
  // Dragged upwards: Top below Bottom counts the same.
  g.grid.SetSelection(TGridRect{1, 6, 2, 4});
  EXPECT_EQ(g.grid.RowSelectCount(), 3);
  EXPECT_EQ(g.grid.GetSelectedRow(0), 4);
  EXPECT_TRUE(g.grid.GetRowSelect(5));
}

TEST(RowSelection, DisjunctRowsAreListedOnceAndOnlyBelowTheFixedRows) {
  ShownGrid g(5, 10);
  g.grid.MouseActions().SetDisjunctRowSelect(true);
  g.host.Rects.clear();
  g.grid.SetRowSelect(5, true);
  const size_t afterFirst = g.host.Rects.size();
  EXPECT_GT(afterFirst, 0u);
  g.grid.SetRowSelect(5, true);
  EXPECT_EQ(g.host.Rects.size(), afterFirst);  // unchanged: no repaint
  g.grid.SetRowSelect(0, true);
  EXPECT_TRUE(g.grid.GetRowSelect(0));
  EXPECT_EQ(g.grid.SelectedRowCount(), 1);
  EXPECT_EQ(g.grid.GetSelectedRow(0), 5);
  EXPECT_EQ(g.grid.GetSelectedRow(1), -1);
  EXPECT_EQ(g.grid.RowSelectCount(), 2);
  g.grid.SelectRows(7, 2);
  EXPECT_EQ(g.grid.GetSelectedRow(2), 8);
  EXPECT_EQ(g.grid.Selection(), (TGridRect{1, 1, 1, 1}));  // the rectangle is left alone
  g.grid.UnSelectRows(5, 3);
  EXPECT_FALSE(g.grid.GetRowSelect(5));
  EXPECT_EQ(g.grid.SelectedRowCount(), 1);
  EXPECT_EQ(g.grid.GetSelectedRow(0), 8);
  g.grid.ClearRowSelect();
  EXPECT_EQ(g.grid.RowSelectCount(), 0);
  EXPECT_EQ(g.grid.SelectedRowCount(), 0);
}

TEST(RowSelection, InvalidRowsRaiseTheirTexts) {
  TQrvStringGrid grid;
  grid.SetRowCount(5);
  EXPECT_EQ(GridErrorText([&] { grid.GetRowSelect(-1); }), QStringLiteral("Invalid row -1 accessed"));
  EXPECT_EQ(GridErrorText([&] { grid.GetRowSelect(5); }), QStringLiteral("Invalid row 5 accessed"));
  EXPECT_EQ(GridErrorText([&] { grid.SetRowSelect(-1, true); }), QStringLiteral("Invalid row accessed"));
  EXPECT_EQ(GridErrorText([&] { grid.SetRowSelect(5, true); }), QStringLiteral("Invalid row accessed"));
  grid.HideRow(4);  // a hidden row still counts
  EXPECT_NO_THROW(grid.SetRowSelect(4, true));
  grid.MouseActions().SetRowSelectPersistent(true);
  EXPECT_FALSE(grid.GetRowSelect(-1));
  EXPECT_EQ(GridErrorText([&] { grid.GetColSelect(-1); }), QStringLiteral("Invalid column accessed"));
  EXPECT_EQ(GridErrorText([&] { grid.SetColSelect(5, true); }), QStringLiteral("Invalid column accessed"));
}

TEST(RowSelection, TheSelectEventCanRefuseAndFiresOnlyOnChanges) {
  TQrvStringGrid grid;
  grid.SetRowCount(10);
  grid.MouseActions().SetDisjunctRowSelect(true);
  std::vector<std::pair<int32_t, bool>> asked;
  int32_t told = 0;
  grid.OnRowDisjunctSelect = [&](TQrvStringGrid*, int32_t r, bool state, bool& allow) {
    asked.emplace_back(r, state);
    allow = r != 4;
  };
  grid.OnRowDisjunctSelected = [&](TQrvStringGrid*, int32_t) { ++told; };
  grid.SelectRows(3, 3);
  EXPECT_TRUE(grid.GetRowSelect(3));
  EXPECT_FALSE(grid.GetRowSelect(4));
  EXPECT_TRUE(grid.GetRowSelect(5));
  EXPECT_EQ(told, 2);
  grid.SetRowSelect(3, true);   // no change: not asked
  grid.SetRowSelect(9, false);  // beyond the list and not selected: not asked
  const std::vector<std::pair<int32_t, bool>> expected{{3, true}, {4, true}, {5, true}};
  EXPECT_EQ(asked, expected);
}

TEST(RowSelection, PersistentSelectionKeepsRealRows) {
  TQrvStringGrid grid;
  grid.SetRowCount(8);
  grid.MouseActions().SetDisjunctRowSelect(true);
  grid.MouseActions().SetRowSelectPersistent(true);
  grid.HideRow(2);
  grid.SelectRows(2, 1);  // display row 2 is real row 3
  EXPECT_TRUE(grid.GetRowSelect(3));
  EXPECT_FALSE(grid.GetRowSelect(2));
  EXPECT_TRUE(grid.IsSelected(1, 2));
}

TEST(RowSelection, RectangleCopiedIntoRowAndColumnFlags) {
  TQrvStringGrid grid;
  grid.SetColCount(6);
  grid.SetRowCount(10);
  grid.SetFixedFooters(1);
  grid.MouseActions().SetDisjunctRowSelect(true);
  grid.SetRowSelect(2, true);
  grid.SetSelection(TGridRect{2, 6, 3, 9});  // the bottom on the footer row is cut off
  grid.SelectionToRowSelect(false);
  EXPECT_TRUE(grid.GetRowSelect(2));  // outside and not All: untouched
  for (int32_t r = 6; r <= 8; ++r) EXPECT_TRUE(grid.GetRowSelect(r)) << r;
  grid.SelectionToRowSelect(true);
  EXPECT_FALSE(grid.GetRowSelect(2));
  EXPECT_EQ(grid.SelectedRowCount(), 3);

  grid.MouseActions().SetDisjunctColSelect(true);
  grid.SetColSelect(5, true);
  grid.SelectionToColSelect(false);
  EXPECT_TRUE(grid.GetColSelect(2) && grid.GetColSelect(3) && grid.GetColSelect(5));
  grid.SelectionToColSelect(true);
  EXPECT_FALSE(grid.GetColSelect(5));
  EXPECT_EQ(grid.ColSelectCount(), 2);
  grid.ClearColSelect();
  EXPECT_EQ(grid.SelectedColCount(), 0);
}

TEST(ColumnSelection, CountsAndRanges) {
  TQrvStringGrid grid;
  grid.SetColCount(8);
  grid.SelectCols(2, 3);
  EXPECT_EQ(grid.Selection(), (TGridRect{2, 1, 4, grid.RowCount() - 1}));
  EXPECT_EQ(grid.ColSelectCount(), 3);
  EXPECT_EQ(grid.SelectedColCount(), 3);
  grid.MouseActions().SetDisjunctColSelect(true);
  grid.SetColSelect(5, true);
  EXPECT_EQ(grid.SelectedColCount(), 1);  // the flag list has 6 entries
  grid.SelectCols(6, 5);                  // cut at the last column
  EXPECT_EQ(grid.SelectedColCount(), 3);
  grid.UnSelectCols(5, 1);
  EXPECT_FALSE(grid.GetColSelect(5));
  EXPECT_TRUE(grid.IsSelected(7, 2));
  EXPECT_FALSE(grid.IsSelected(0, 2));  // fixed column
}

TEST(Selection, MergedCellsCountTheirSpan) {
  TQrvStringGrid grid;
  grid.SetColCount(8);
  grid.SetRowCount(10);
  grid.MergeCells(2, 2, 3, 4);  // columns 2..4, rows 2..5
  grid.SetSelection(TGridRect{2, 2, 2, 2});
  EXPECT_EQ(grid.SelectedRowCount(), 4);
  EXPECT_EQ(grid.SelectedColCount(), 3);
  grid.SetSelection(TGridRect{2, 2, 6, 7});
  EXPECT_EQ(grid.SelectedRowCount(), 6);
  EXPECT_EQ(grid.SelectedColCount(), 5);
  grid.SetSelection(TGridRect{1, 2, 2, 2});  // ends on the block's base cell
  EXPECT_EQ(grid.SelectedColCount(), 2 + 2);
}

TEST(CellSelection, RectangleOrSingleCells) {
  ShownGrid g(6, 6);
  g.grid.GotoCell(3, 2);
  g.grid.SetSelection(TGridRect{1, 1, 1, 1});  // one cell: the current cell is reported
  EXPECT_EQ(g.grid.SelectedCellsCount(), 1);
  EXPECT_EQ(g.grid.GetSelectedCell(0), (TPoint{3, 2}));
  g.grid.SelectCells(2, 3, 1, 1);  // corners in either order
  EXPECT_EQ(g.grid.SelectedCellsCount(), 6);
  EXPECT_EQ(g.grid.GetSelectedCell(0), (TPoint{1, 1}));
  EXPECT_EQ(g.grid.GetSelectedCell(1), (TPoint{1, 2}));
  EXPECT_EQ(g.grid.GetSelectedCell(3), (TPoint{2, 1}));
  EXPECT_EQ(g.grid.GetSelectedCell(6), (TPoint{-1, -1}));
  EXPECT_TRUE(g.grid.GetSelectedCells(2, 3));

  g.grid.MouseActions().SetDisjunctCellSelect(true);
  g.grid.ClearSelectedCells();
  EXPECT_EQ(g.grid.SelectedCellsCount(), 0);
  g.grid.SetSelectedCells(4, 5, true);
  g.grid.SetSelectedCells(4, 5, true);
  g.grid.SetSelectedCells(2, 1, true);
  EXPECT_EQ(g.grid.SelectedCellsCount(), 2);
  EXPECT_TRUE(g.grid.IsSelected(4, 5));
  EXPECT_FALSE(g.grid.IsSelected(4, 4));
  g.grid.SetSelectedCells(4, 5, false);
  EXPECT_EQ(g.grid.GetSelectedCell(0), (TPoint{2, 1}));
  g.grid.ClearSelectedCells();
  EXPECT_EQ(g.grid.Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST(Selection, SelectedTextJoinsCellsAndRows) {
  ShownGrid g(5, 5);
  g.grid.SetCells(1, 1, QStringLiteral("a"));
  g.grid.SetCells(2, 1, QStringLiteral("b"));
  g.grid.SetCells(1, 2, QStringLiteral("c"));
  g.grid.SetCells(2, 2, QStringLiteral("d"));
  g.grid.SelectCells(1, 1, 2, 2);
  EXPECT_EQ(g.grid.SelectedText(), QStringLiteral("a\tb\r\nc\td"));

  g.grid.SetCells(2, 2, QStringLiteral("d1\rd2"));
  g.grid.ExcelClipboardFormat = true;
  g.grid.Multilinecells = true;
  EXPECT_EQ(g.grid.SelectedText(), QStringLiteral("a\tb\r\nc\t\"d1\rd2\""));

  g.grid.MouseActions().SetDisjunctRowSelect(true);
  g.grid.SetRowSelect(3, true);
  g.grid.SetRowSelect(1, true);
  g.grid.SetCells(1, 3, QStringLiteral("e"));
  EXPECT_EQ(g.grid.SelectedText(), QStringLiteral("a\tb\r\ne\t"));  // rows in grid order

  g.grid.HideColumn(1);  // display column 1 shows real column 2
  EXPECT_EQ(g.grid.SelectedText(), QStringLiteral("b\t\r\n\t"));
}

TEST(RowMarks, ModifiedAndDisabledRows) {
  ShownGrid g(5, 8);
  g.grid.SetRowModified(6, true);
  g.grid.SetRowModified(2, true);
  g.grid.SetRowModified(6, false);
  EXPECT_TRUE(g.grid.GetRowModified(2));
  EXPECT_FALSE(g.grid.GetRowModified(6));
  EXPECT_FALSE(g.grid.GetRowModified(100));
  EXPECT_EQ(g.grid.ModifiedRowCount(), 1);
  g.grid.ClearModifiedRows();
  EXPECT_EQ(g.grid.ModifiedRowCount(), 0);

  EXPECT_FALSE(g.grid.UseEnabledRows());
  EXPECT_TRUE(g.grid.GetRowEnabled(100));
  g.grid.SetRowEnabled(1, false);
  g.grid.GotoCell(2, 3);
  g.grid.SetRowEnabled(3, false);  // the current row moves to the first other enabled normal row
  EXPECT_EQ(g.grid.Row(), 2);
  EXPECT_FALSE(g.grid.GetRowEnabled(3));
  EXPECT_TRUE(g.grid.UseEnabledRows());
  g.grid.SetRowEnabled(2, true);  // enabling the current row keeps it
  EXPECT_EQ(g.grid.Row(), 2);
}

TEST(Repaint, RectangleHelpers) {
  ShownGrid g(5, 5);
  g.host.Rects.clear();
  g.host.AllRepaints = 0;
  g.grid.RepaintRect(TGridRect{-1, 1, 2, 2});
  EXPECT_TRUE(g.host.Rects.empty());
  EXPECT_EQ(g.host.AllRepaints, 0);
  g.grid.RepaintRect(TGridRect{1, 1, 2, 2});
  ASSERT_EQ(g.host.Rects.size(), 1u);
  const TRect first = g.grid.CellRect(1, 1), last = g.grid.CellRect(2, 2);
  EXPECT_EQ(g.host.Rects[0], (TRect{first.Left, first.Top, last.Right, last.Bottom}));
  g.grid.SetBounds(0, 0, 100, 60);  // row 4 is out of view
  g.host.AllRepaints = 0;
  g.grid.RepaintRect(TGridRect{1, 1, 2, 4});
  EXPECT_EQ(g.host.AllRepaints, 1);
}

TEST(CellNavigation, GotoAndRange) {
  ShownGrid g(6, 6);
  g.grid.SelectRange(1, 3, 2, 4);
  EXPECT_EQ(g.grid.Col(), 3);
  EXPECT_EQ(g.grid.Row(), 4);
  EXPECT_EQ(g.grid.Selection(), (TGridRect{1, 2, 3, 4}));
  g.grid.FocusCell(2, 2);
  EXPECT_EQ(g.grid.Selection(), (TGridRect{2, 2, 2, 2}));
  g.grid.EditCell(4, 5);
  EXPECT_EQ(g.grid.Col(), 4);
  EXPECT_EQ(g.grid.Row(), 5);
  EXPECT_TRUE(g.grid.EditMode());
}
