// What a press and the drag after it scroll: a press on a partly shown edge cell with NoAutoRangeScroll and
// NoScrollOnPartialRow, the columns kept in place with KeepHorizScroll; and what a release selects or sorts with
// AutoSelectGroup and AutoColumnMerge.
#include <gtest/gtest.h>

#include "GridRowFlags.h"
#include "GridTestHost.h"

namespace {

// 8 columns of 60 pixels and 20 rows of 20 in a 250 x 110 window, one fixed row and column: rows 1-4 and columns
// 1-3 are whole, row 5 and column 4 show their first 10 pixels.
struct PressScroll : ::testing::Test {
  PressScroll() : hosted(8, 20, 250, 110) {
    for (int32_t c = 0; c < 8; ++c) grid.SetColWidths(c, 60);
    for (int32_t r = 0; r < 20; ++r) grid.SetRowHeights(r, 20);
    Fill(grid);
    grid.SetOptions(grid.Options() | goRangeSelect);
  }
  TPoint Mid(int32_t c, int32_t r) {
    const TRect rect = grid.CellRect(c, r);
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
  }
  void PressCell(int32_t c, int32_t r) {
    const TPoint p = Mid(c, r);
    grid.GridMouseDown(TQrvStringGrid::gmbLeft, {}, p.X, p.Y);
  }
  void DragTo(int32_t c, int32_t r) {
    const TPoint p = Mid(c, r);
    grid.GridMouseMove(ssLeft, p.X, p.Y);
  }
  void ReleaseAt(int32_t c, int32_t r) {
    const TPoint p = Mid(c, r);
    grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, p.X, p.Y);
  }
  THostedGrid<> hosted;
  TQrvStringGrid& grid = hosted.grid;
};

TEST_F(PressScroll, APressOnAPartlyShownEdgeCellScrollsAndSelectsAsItsOptionsSay) {
  ASSERT_EQ(grid.VisibleRowCount(), 4);
  ASSERT_EQ(grid.VisibleColCount(), 3);
  struct Case {
    const char* name;
    TPoint press;
    bool noAutoRangeScroll, noScrollOnPartialRow;
    int32_t topRow, leftCol;  // after the press
    bool dragSelects;         // a drag from the pressed cell to (2, 3) stretches the selection
  };
  const Case cases[] = {
      {"whole cell, both options", {2, 2}, true, true, 1, 1, true},
      {"partial row, no option", {2, 5}, false, false, 2, 1, true},
      {"partial row, NoAutoRangeScroll", {2, 5}, true, false, 2, 1, false},
      {"partial row, NoScrollOnPartialRow", {2, 5}, false, true, 1, 1, false},
      {"partial row, both options", {2, 5}, true, true, 1, 1, false},
      {"partial column, NoAutoRangeScroll", {4, 2}, true, false, 1, 2, false},
      // Only the top row is put back: the press on a partly shown column scrolls and goes on selecting.
      {"partial column, NoScrollOnPartialRow", {4, 2}, false, true, 1, 2, true},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    grid.SetTopRow(1);
    grid.SetLeftCol(1);
    grid.MoveCurrent(1, 1, true, false);
    grid.MouseActions().SetNoAutoRangeScroll(k.noAutoRangeScroll);
    grid.MouseActions().SetNoScrollOnPartialRow(k.noScrollOnPartialRow);
    PressCell(k.press.X, k.press.Y);
    EXPECT_EQ(grid.TopRow(), k.topRow);
    EXPECT_EQ(grid.LeftCol(), k.leftCol);
    // The pressed cell is current whether or not the view followed it.
    EXPECT_EQ(grid.Col(), k.press.X);
    EXPECT_EQ(grid.Row(), k.press.Y);
    DragTo(2, 3);
    const TGridRect sel = grid.Selection();
    const TGridRect single{k.press.X, k.press.Y, k.press.X, k.press.Y};
    const TGridRect stretched{std::min(2, k.press.X), std::min(3, k.press.Y), std::max(2, k.press.X),
                              std::max(3, k.press.Y)};
    EXPECT_TRUE(sel == (k.dragSelects ? stretched : single))
        << sel.Left << "," << sel.Top << " - " << sel.Right << "," << sel.Bottom;
    ReleaseAt(2, 3);
  }
}

TEST_F(PressScroll, APressEndedOnAPartlyShownRowStillReportsTheClickOnce) {
  grid.MouseActions().SetNoScrollOnPartialRow(true);
  std::vector<TPoint> clicked;
  grid.OnClickCell = [&](TQrvStringGrid*, int32_t r, int32_t c) { clicked.push_back({c, r}); };
  int32_t changes = 0;
  grid.OnSelectionChanged = [&](TQrvStringGrid*, int32_t, int32_t, int32_t, int32_t) { ++changes; };
  PressCell(3, 5);
  // The user's own release comes after the one the press sent itself: it changes nothing more.
  ReleaseAt(3, 5);
  ASSERT_EQ(clicked.size(), 1u);
  EXPECT_EQ(clicked[0].X, 3);
  EXPECT_EQ(clicked[0].Y, 5);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(grid.TopRow(), 1);
}

TEST_F(PressScroll, KeepHorizScrollHoldsTheColumnsAtThePressAndThroughTheDrag) {
  struct Case {
    const char* name;
    bool rowSelect, keep;
    TPoint press, drag;
    int32_t leftAfterPress, leftAfterDrag;
  };
  const Case cases[] = {
      {"cell select, no keep", false, false, {2, 2}, {4, 3}, 1, 2},
      // The press keeps the columns only in row-select mode; the drag keeps them in either mode.
      {"cell select, keep", false, true, {4, 2}, {2, 3}, 2, 1},
      {"cell select, keep, drag right", false, true, {2, 2}, {4, 3}, 1, 1},
      {"row select, no keep", true, false, {4, 2}, {2, 3}, 2, 2},
      {"row select, keep", true, true, {4, 2}, {4, 3}, 1, 1},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    grid.SetOptions(k.rowSelect ? grid.Options() | goRowSelect : grid.Options() & ~TGridOptions(goRowSelect));
    grid.Navigation().SetKeepHorizScroll(k.keep);
    grid.SetTopRow(1);
    grid.SetLeftCol(1);
    grid.MoveCurrent(1, 1, true, false);
    // Measured before anything scrolls: the drag aims at the cell where the window shows it now.
    const TPoint press = Mid(k.press.X, k.press.Y), drag = Mid(k.drag.X, k.drag.Y);
    grid.GridMouseDown(TQrvStringGrid::gmbLeft, {}, press.X, press.Y);
    EXPECT_EQ(grid.LeftCol(), k.leftAfterPress);
    EXPECT_EQ(grid.Row(), k.press.Y);
    int32_t c = -1, r = -1;
    grid.MouseToCell(drag.X, drag.Y, c, r);
    grid.GridMouseMove(ssLeft, drag.X, drag.Y);
    EXPECT_EQ(grid.LeftCol(), k.leftAfterDrag);
    // The drag still reaches the row under the mouse.
    EXPECT_EQ(grid.Row(), r);
    grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, drag.X, drag.Y);
  }
}

TEST_F(PressScroll, KeepHorizScrollLetsAColumnBeingMovedScrollTheView) {
  grid.SetOptions(grid.Options() | goColMoving);
  grid.Navigation().SetKeepHorizScroll(true);
  const TPoint header = Mid(2, 0);
  grid.GridMouseDown(TQrvStringGrid::gmbLeft, {}, header.X, header.Y);
  // Past the right edge the move scrolls one column a step.
  for (int32_t x : {header.X + 20, 255, 258}) grid.GridMouseMove(ssLeft, x, header.Y);
  EXPECT_GT(grid.LeftCol(), 1);
  grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, 258, header.Y);
}

// 5 columns of 60, 10 rows of 20, a node on row 2 over rows 2-5 (its node row and three children).
struct GroupRelease : ::testing::Test {
  GroupRelease() : hosted(5, 10, 400, 300) {
    for (int32_t c = 0; c < 5; ++c) grid.SetColWidths(c, 60);
    for (int32_t r = 0; r < 10; ++r) grid.SetRowHeights(r, 20);
    Fill(grid);
    grid.AddNode(2, 4);
  }
  void ClickCell(int32_t c, int32_t r, TShiftState shift = {}) {
    const TRect rect = grid.CellRect(c, r);
    const int32_t x = (rect.Left + rect.Right) / 2, y = (rect.Top + rect.Bottom) / 2;
    grid.GridMouseDown(TQrvStringGrid::gmbLeft, shift, x, y);
    grid.GridMouseUp(TQrvStringGrid::gmbLeft, shift, x, y);
  }
  THostedGrid<> hosted;
  TQrvStringGrid& grid = hosted.grid;
};

TEST_F(GroupRelease, AutoSelectGroupTakesTheRowsOfAnExpandedNode) {
  struct Case {
    const char* name;
    bool autoSelect, disjunct, contracted;
    TPoint click;
    TGridRect selection;
    std::set<int32_t> flagged;  // with disjunct rows (without them the flags follow the selection)
  };
  const Case cases[] = {
      {"off", false, false, false, {2, 2}, {2, 2, 2, 2}, {}},
      {"node row", true, false, false, {2, 2}, {1, 2, 4, 5}, {}},
      {"child row", true, false, false, {2, 3}, {2, 3, 2, 3}, {}},
      {"row outside the node", true, false, false, {2, 7}, {2, 7, 2, 7}, {}},
      {"contracted node", true, false, true, {2, 2}, {2, 2, 2, 2}, {}},
      {"disjunct rows", true, true, false, {3, 2}, {3, 2, 3, 2}, {2, 3, 4, 5}},
      {"disjunct rows, off", false, true, false, {3, 2}, {3, 2, 3, 2}, {2}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    grid.ExpandAll();
    if (k.contracted) grid.ContractNode(2);
    grid.ClearRowSelect();
    grid.Grouping.AutoSelectGroup = k.autoSelect;
    grid.MouseActions().SetDisjunctRowSelect(k.disjunct);
    ClickCell(k.click.X, k.click.Y);
    const TGridRect sel = grid.Selection();
    EXPECT_TRUE(sel == k.selection) << sel.Left << "," << sel.Top << " - " << sel.Right << "," << sel.Bottom;
    if (k.disjunct) EXPECT_EQ(FlaggedRows(grid), k.flagged);
  }
}

TEST_F(GroupRelease, AGroupSelectionIsReportedAsTheReleasesSelectionChange) {
  grid.Grouping.AutoSelectGroup = true;
  std::vector<TGridRect> reported;
  grid.OnSelectionChanged = [&](TQrvStringGrid*, int32_t l, int32_t t, int32_t r, int32_t b) {
    reported.push_back({l, t, r, b});
  };
  ClickCell(3, 2);
  ASSERT_FALSE(reported.empty());
  EXPECT_TRUE(reported.back() == (TGridRect{1, 2, 4, 5}));
}

// 3 columns, a header and four rows; column 1 is listed as merged and the header click sorts.
struct MergedSort : ::testing::Test {
  MergedSort() : hosted(3, 5, 400, 300) {
    grid.SortSettings.Show = true;
    for (int32_t c = 0; c < 3; ++c) grid.SetColWidths(c, 60);
    for (int32_t r = 0; r < 5; ++r) grid.SetRowHeights(r, 20);
  }
  void ClickHeader(int32_t c) {
    const TRect rect = grid.CellRect(c, 0);
    const int32_t x = (rect.Left + rect.Right) / 2, y = (rect.Top + rect.Bottom) / 2;
    grid.GridMouseDown(TQrvStringGrid::gmbLeft, {}, x, y);
    grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, x, y);
  }
  QStringList Column(int32_t c) {
    QStringList out;
    for (int32_t r = 1; r < grid.RowCount(); ++r) out << grid.Cells(c, r);
    return out;
  }
  // The row of each row's base cell in column 1.
  std::vector<int32_t> Bases() {
    std::vector<int32_t> out;
    for (int32_t r = 1; r < grid.RowCount(); ++r) out.push_back(grid.BaseCell(1, r).Y);
    return out;
  }
  THostedGrid<> hosted;
  TQrvStringGrid& grid = hosted.grid;
};

TEST_F(MergedSort, AutoColumnMergeSplitsForTheSortAndMergesTheSortedColumnAgain) {
  struct Case {
    const char* name;
    bool autoMerge;
    QStringList texts;
    int32_t clicks;  // on the header of column 1: ascending, then descending
    QStringList sorted;
    std::vector<int32_t> bases;
  };
  const Case cases[] = {
      {"off: sorted, nothing merged", false, {"B", "A", "B", "A"}, 1, {"A", "A", "B", "B"}, {1, 2, 3, 4}},
      {"on: equal neighbours merged", true, {"B", "A", "B", "A"}, 1, {"A", "A", "B", "B"}, {1, 1, 3, 3}},
      // The block merged before the sort ends at the bottom, not where it started.
      {"on: a merged block moves", true, {"A", "A", "B", "C"}, 2, {"C", "B", "A", "A"}, {1, 2, 3, 3}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    grid.SplitAllColumnCells();
    grid.MergedColumns().Clear();
    grid.SortSettings.Column = -1;
    grid.SortSettings.AutoColumnMerge = k.autoMerge;
    for (int32_t r = 1; r <= 4; ++r) {
      grid.SetCells(1, r, k.texts[r - 1]);
      grid.SetCells(2, r, QStringLiteral("row %1").arg(r));
    }
    grid.MergedColumns().Add(1);
    for (int32_t i = 0; i < k.clicks; ++i) ClickHeader(1);
    EXPECT_EQ(Column(1), k.sorted);
    EXPECT_EQ(Bases(), k.bases);
  }
}

}  // namespace
