// Hidden columns and rows and the real/display index mapping.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "GridTestHost.h"
#include "UQrvStringGrid.h"

TEST(HiddenColumns, HidingKeepsDataAndWidths) {
  TQrvStringGrid grid;
  Fill(grid);
  for (int32_t c = 0; c < 5; ++c) grid.SetColWidths(c, 10 + c);
  grid.HideColumn(1);
  EXPECT_EQ(grid.ColCount(), 4);
  EXPECT_EQ(grid.NumHiddenColumns(), 1);
  EXPECT_EQ(grid.TotalColCount(), 5);
  EXPECT_EQ(grid.RealColIndex(1), 2);
  EXPECT_EQ(grid.DisplColIndex(2), 1);
  EXPECT_EQ(grid.Cells(1, 3), Cell(1, 3));
  EXPECT_EQ(grid.AllColWidths(1), 11);
  EXPECT_EQ(grid.ColWidths(1), 12);
  grid.HideColumn(1);  // already hidden: nothing
  EXPECT_EQ(grid.NumHiddenColumns(), 1);
  grid.UnHideColumn(1);
  EXPECT_EQ(grid.ColCount(), 5);
  for (int32_t c = 0; c < 5; ++c) EXPECT_EQ(grid.ColWidths(c), 10 + c);
}

TEST(HiddenColumns, LastShownColumnStaysAndIndexesPastTheTablePassThrough) {
  TQrvStringGrid grid;
  for (int32_t c = 0; c < 5; ++c) grid.HideColumn(c);
  EXPECT_EQ(grid.ColCount(), 1);
  EXPECT_EQ(grid.NumHiddenColumns(), 4);
  grid.UnHideColumnsAll();
  EXPECT_EQ(grid.ColCount(), 5);
  grid.HideColumn(2);
  EXPECT_FALSE(grid.IsHiddenColumn(600));
  EXPECT_EQ(grid.RealColIndex(700), 700);
  EXPECT_EQ(grid.DisplColIndex(700), 700);
  grid.HideColumns(600, 700);  // past the table: refused, nothing written out of bounds
  grid.SetAllColWidths(900, 5);
  EXPECT_EQ(grid.AllColWidths(900), 0);
  EXPECT_EQ(grid.NumHiddenColumns(), 1);
}

TEST(HiddenRows, HideAndShowARangeInPlace) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.SetRowHeights(4, 40);
  grid.GetCellProperties(2, 4)->SetReadOnly(true);
  grid.HideRows(3, 5);
  EXPECT_EQ(grid.RowCount(), 7);
  EXPECT_EQ(grid.NumHiddenRows(), 3);
  EXPECT_EQ(grid.RealRowIndex(3), 6);
  EXPECT_EQ(grid.DisplRowIndex(6), 3);
  EXPECT_TRUE(grid.IsHiddenRow(4));
  EXPECT_EQ(grid.Cells(1, 3), Cell(1, 6));
  EXPECT_EQ(grid.GetCellsEx(1, 4), Cell(1, 4));
  grid.UnHideRows(3, 5);
  EXPECT_EQ(grid.RowCount(), 10);
  for (int32_t r = 0; r < 10; ++r) EXPECT_EQ(grid.Cells(1, r), Cell(1, r));
  EXPECT_EQ(grid.RowHeights(4), 40);
  EXPECT_TRUE(grid.ReadOnly(2, 4));
}

TEST(HiddenRows, PartialShowAndRefusedShow) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.HideRows(3, 5);
  grid.UnHideRows(2, 5);  // row 2 is not hidden: nothing
  EXPECT_EQ(grid.NumHiddenRows(), 3);
  grid.UnHideRows(4, 5);
  EXPECT_EQ(grid.NumHiddenRows(), 1);
  EXPECT_EQ(grid.Cells(1, 3), Cell(1, 4));
  EXPECT_EQ(grid.Cells(1, 4), Cell(1, 5));
  EXPECT_TRUE(grid.IsHiddenRow(3));
}

TEST(HiddenRows, HiddenColumnsCellsTravelWithTheRow) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.HideColumn(3);
  grid.HideRow(2);
  EXPECT_EQ(grid.GetCellsEx(3, 2), Cell(3, 2));
  grid.UnHideRow(2);
  grid.UnHideColumn(3);
  EXPECT_EQ(grid.Cells(3, 2), Cell(3, 2));
}

TEST(HiddenRows, FilterLevelsComeBackNewestFirst) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.HideRowList({2, 5});  // level 0
  EXPECT_EQ(grid.RowCount(), 8);
  EXPECT_EQ(grid.FilterLevel(), 1);
  grid.HideRowList({1, 6});  // level 1: display rows of what level 0 left (real rows 1 and 8)
  EXPECT_EQ(grid.RowCount(), 6);
  grid.UnHideRowList();
  grid.SetFilterLevel(grid.FilterLevel() - 1);
  EXPECT_EQ(grid.RowCount(), 8);
  EXPECT_EQ(grid.Cells(1, 1), Cell(1, 1));
  EXPECT_EQ(grid.Cells(1, 6), Cell(1, 8));
  EXPECT_EQ(grid.NumHiddenRows(), 2);
  grid.UnHideRowList();
  grid.SetFilterLevel(0);
  for (int32_t r = 0; r < 10; ++r) EXPECT_EQ(grid.Cells(1, r), Cell(1, r));
}

TEST(HiddenRows, UnHideAllRestoresEveryRowAlsoFilteredOnes) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.HideRow(7);
  grid.HideRows(2, 3);
  EXPECT_EQ(grid.NumHiddenRows(), 3);
  grid.UnHideRowsAll();
  EXPECT_EQ(grid.NumHiddenRows(), 0);
  for (int32_t r = 0; r < 10; ++r) EXPECT_EQ(grid.Cells(1, r), Cell(1, r));
  grid.HideRowList({4});
  grid.HideRowList({6});  // real row 7
  grid.UnHideRowsAll();
  EXPECT_EQ(grid.FilterLevel(), 0);
  EXPECT_EQ(grid.RowCount(), 10);
  for (int32_t r = 0; r < 10; ++r) EXPECT_EQ(grid.Cells(1, r), Cell(1, r));
}

TEST(HiddenRows, AccessorsByRealIndexReachParkedRows) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.HideRows(3, 3);
  grid.SetCellsEx(1, 3, QStringLiteral("x"));
  EXPECT_EQ(grid.Cells(1, 3), Cell(1, 4));
  grid.SetCellsEx(7, 3, QStringLiteral("far"));  // pads the parked row's cells
  EXPECT_EQ(grid.HiddenRowStrings(3)->size(), 8u);
  EXPECT_TRUE((*grid.HiddenRowStrings(3))[6].Text.isEmpty());
  grid.SetObjectsEx(2, 3, 99);
  EXPECT_EQ(grid.GetObjectsEx(2, 3), 99u);
  EXPECT_EQ(grid.HiddenRowStrings(4), nullptr);
  grid.UnHideRow(3);
  EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("x"));
  EXPECT_EQ(grid.GetObjectEx(2, 3), 99u);
  grid.ClearAll();
  grid.SetColors(2, 5, clRed);
  grid.HideRow(5);
  grid.ClearAll();  // the parked row's list is emptied and its properties freed; reads past it stay empty
  EXPECT_TRUE(grid.HiddenRowStrings(5)->empty());
  EXPECT_TRUE(grid.GetGridCellsEx(4, 5).isEmpty());
  EXPECT_TRUE(grid.GetCellsEx(4, 5).isEmpty());
}

TEST(HiddenColumns, MovingADisplayColumnCarriesTheHiddenOnesAlong) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.HideRow(4);
  grid.HideColumn(2);     // display 0 1 3 4
  grid.MoveColumn(1, 3);  // real 1 goes behind real 4: 0 [2] 3 4 1
  EXPECT_EQ(grid.Cells(grid.RealColIndex(3), 1), Cell(1, 1));
  EXPECT_EQ(grid.Cells(grid.RealColIndex(1), 1), Cell(3, 1));
  EXPECT_TRUE(grid.IsHiddenColumn(1));
  EXPECT_EQ(grid.NumHiddenColumns(), 1);
  EXPECT_EQ(grid.GetCellsEx(4, 4), Cell(1, 4));  // the parked row's cells moved too
  grid.UnHideColumnsAll();
  EXPECT_EQ(grid.Cells(1, 1), Cell(2, 1));
}

TEST(HiddenRows, AnInsertedRowLeavesTheHiddenRowsBesideTheirNeighbours) {
  struct TCase {
    const char* name;
    std::vector<int32_t> hidden;
    bool byRealIndex;  // RowInserted, else InsertRows by display row
    int32_t at;
    int32_t realAt;  // where the empty row lands among all rows
  };
  const TCase cases[] = {
      {"a hidden row above", {2}, true, 5, 5},
      {"a hidden row below", {7}, true, 5, 5},
      {"hidden rows on both sides", {2, 7}, true, 5, 5},
      {"the place itself hidden", {5}, true, 5, 5},
      {"inside a hidden run", {4, 5, 6}, true, 5, 5},
      {"before a hidden last row", {9}, true, 9, 9},
      {"a display row between hidden ones", {2, 7}, false, 5, 6},
      {"a display row right after a hidden run", {4, 5}, false, 4, 6},
  };
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.name);
    TQrvStringGrid grid;
    Fill(grid);
    for (int32_t r : k.hidden) grid.HideRow(r);
    if (k.byRealIndex)
      grid.RowInserted(k.at);
    else
      grid.InsertRows(k.at, 1);

    QStringList expected;
    for (int32_t r = 0; r < 10; ++r) expected << Cell(1, r);
    expected.insert(k.realAt, QString());
    ASSERT_EQ(grid.TotalRowCount(), 11);
    EXPECT_EQ(grid.RowCount(), 11 - static_cast<int32_t>(k.hidden.size()));
    for (int32_t r = 0; r < 11; ++r) {
      const bool wasHidden = std::count(k.hidden.begin(), k.hidden.end(), r < k.realAt ? r : r - 1) > 0;
      EXPECT_EQ(grid.IsHiddenRow(r), r != k.realAt && wasHidden) << r;
      EXPECT_EQ(grid.GetCellsEx(1, r), expected[r]) << r;
    }
    grid.UnHideRowsAll();
    for (int32_t r = 0; r < 11; ++r) EXPECT_EQ(grid.Cells(1, r), expected[r]) << r;
  }
}

TEST(HiddenRows, ARowDeletedByRealIndexIsThatRowAndAHiddenOneStays) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.HideRow(2);
  grid.HideRow(6);
  std::vector<int32_t> deleted;
  grid.OnAutoDeleteRow = [&](TQrvStringGrid*, int32_t r) { deleted.push_back(r); };
  grid.RowDeleted(4);  // display row 3
  grid.RowDeleted(5);  // real row 6 before the deletion, still hidden
  EXPECT_EQ(deleted, std::vector<int32_t>{4});
  const int32_t left[] = {0, 1, 2, 3, 5, 6, 7, 8, 9};
  ASSERT_EQ(grid.TotalRowCount(), 9);
  for (int32_t r = 0; r < 9; ++r) {
    EXPECT_EQ(grid.IsHiddenRow(r), left[r] == 2 || left[r] == 6) << r;
    EXPECT_EQ(grid.GetCellsEx(1, r), Cell(1, left[r])) << r;
  }
}
