// The cell under a client point: a walk over the visible lines gives the answer a test of every cell's rectangle
// gives, whatever is hidden, merged, scrolled or sized to nothing.
#include <gtest/gtest.h>

#include "GridTestHost.h"

namespace {
// Every cell tested against its rectangle, row by row: slow, and plainly right.
TPoint CellByRectangles(const TQrvStringGrid& grid, int32_t x, int32_t y) {
  for (int32_t r = 0; r < grid.RowCount(); ++r)
    for (int32_t c = 0; c < grid.ColCount(); ++c) {
      const TRect rect = grid.PlatformCellRect(c, r);
      if (x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom) return TPoint{c, r};
    }
  return TPoint{-1, -1};
}
}  // namespace

TEST(GridMouseToCell, AnswersAsEveryCellsRectangleDoes) {
  struct Case {
    const char* name;
    std::function<void(TQrvStringGrid&)> setUp;
  };
  const Case cases[] = {
      {"plain", [](TQrvStringGrid&) {}},
      {"scrolled",
       [](TQrvStringGrid& g) {
         g.SetTopRow(7);
         g.SetLeftCol(3);
       }},
      {"hidden rows and columns",
       [](TQrvStringGrid& g) {
         g.HideRows(3, 5);
         g.HideColumn(2);
         g.SetTopRow(4);
       }},
      {"merged cells",
       [](TQrvStringGrid& g) {
         g.MergeCells(1, 1, 2, 3);
         g.MergeCells(3, 6, 3, 1);
       }},
      {"sized to nothing",
       [](TQrvStringGrid& g) {
         g.SetColWidths(2, 0);
         g.SetRowHeights(3, 0);
         g.SetColWidths(0, 0);
       }},
      {"two fixed, a partly shown last line",
       [](TQrvStringGrid& g) {
         g.SetFixedRows(2);
         g.SetFixedCols(2);
         g.SetColWidths(5, 90);
         g.SetRowHeights(9, 45);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    THostedGrid<> hosted(10, 30, 230, 190);
    TQrvStringGrid& grid = hosted.grid;
    for (int32_t i = 0; i < 10; ++i) grid.SetColWidths(i, 30 + i * 3);
    c.setUp(grid);
    int mismatches = 0, inside = 0;
    for (int32_t y = -3; y < 230; y += 2)
      for (int32_t x = -3; x < 270; x += 3) {
        int32_t col = -7, row = -7;
        grid.MouseToCell(x, y, col, row);
        const TPoint expected = CellByRectangles(grid, x, y);
        if (col != expected.X || row != expected.Y) {
          if (++mismatches <= 5) ADD_FAILURE() << "at " << x << "," << y << ": " << col << "," << row;
        }
        if (col >= 0) ++inside;
      }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(inside, 1000);  // the table really crosses the cells
  }
}

TEST(GridMouseToCell, AGridOfManyRowsAnswersTheVisibleCell) {
  THostedGrid<> hosted(4, 200000, 300, 200);
  TQrvStringGrid& grid = hosted.grid;
  grid.SetDefaultRowHeight(20);
  grid.SetDefaultColWidth(50);
  grid.SetTopRow(150000);
  int32_t col = -1, row = -1;
  // The fixed row, then the rows from the top one.
  grid.MouseToCell(60, 5, col, row);
  EXPECT_EQ(TPoint(col, row), (TPoint{1, 0}));
  grid.MouseToCell(120, 45, col, row);
  EXPECT_EQ(TPoint(col, row), (TPoint{2, 150001}));
  grid.MouseToCell(120, 205, col, row);
  EXPECT_EQ(TPoint(col, row), (TPoint{-1, -1}));
}
