// Creation defaults, dimensions, the update lock, and row and column insertion, removal and moves.
#include <gtest/gtest.h>

#include "GridTestHost.h"
#include "UGridModule.h"
#include "UQrvStringGrid.h"

TEST(GridLifecycle, DefaultsOfANewGrid) {
  TQrvStringGrid grid;
  EXPECT_EQ(grid.ColCount(), 5);
  EXPECT_EQ(grid.RowCount(), 10);
  EXPECT_EQ(grid.FixedRows(), 1);
  EXPECT_EQ(grid.FixedCols(), 1);
  EXPECT_EQ(grid.DefaultRowHeight(), 22);
  EXPECT_EQ(grid.FixedRowHeight(), 22);
  EXPECT_EQ(grid.CheckTrue, QStringLiteral("Y"));
  EXPECT_EQ(grid.CheckFalse, QStringLiteral("N"));
  EXPECT_EQ(grid.FloatFormat, QStringLiteral("%.2f"));
  EXPECT_EQ(grid.FilterDropDownClear, QStringLiteral("(All)"));
  EXPECT_EQ(grid.XMLEncoding, QStringLiteral("ISO-8859-1"));
  EXPECT_EQ(grid.PasswordChar, QLatin1Char('*'));
  EXPECT_EQ(grid.NumHiddenColumns(), 0);
  EXPECT_EQ(grid.NumHiddenRows(), 0);
  EXPECT_EQ(grid.Width(), 400);
  EXPECT_EQ(grid.Height(), 250);
  EXPECT_EQ(grid.GridLineWidth(), 1);
  EXPECT_EQ(grid.PlatformGridLineWidth(), 0);
  EXPECT_FALSE(grid.PlatformDefaultDrawing());
  EXPECT_EQ(grid.NormalRowCount(), 10);
  EXPECT_TRUE(grid.WordWrap());
  EXPECT_FALSE(grid.IsLoaded());
  grid.Loaded();
  EXPECT_TRUE(grid.IsLoaded());
  EXPECT_EQ(grid.MinColWidth, 10);
}

TEST(GridLifecycle, AssignCopiesTheVisibleColumnsOnly) {
  TQrvStringGrid source;
  Fill(source);
  source.SetColWidths(3, 77);
  source.HideColumn(1);
  TQrvStringGrid copy;
  copy.Assign(&source);
  copy.Assign(nullptr);  // any other source: nothing
  EXPECT_EQ(copy.ColCount(), 4);
  EXPECT_EQ(copy.NumHiddenColumns(), 0);
  EXPECT_EQ(copy.ColWidths(2), 77);
  EXPECT_EQ(copy.Cells(1, 2), Cell(2, 2));
}

TEST(GridLifecycle, IntegralHeightAndInvalidateMarker) {
  TQrvStringGrid grid;
  grid.SetIntegralHeight(true);
  grid.SetBounds(0, 0, 400, 100);
  EXPECT_EQ(grid.Height(), 92);
  TRecordingHost host;
  grid.SetHost(&host);
  host.AllRepaints = 0;
  grid.MarkEditChange();
  grid.Invalidate();
  EXPECT_EQ(host.AllRepaints, 0);
  grid.Invalidate();
  EXPECT_EQ(host.AllRepaints, 1);
  grid.SetHost(nullptr);
}

TEST(GridDimensions, FixedRowAlwaysKeepsTheWantedCount) {
  TQrvStringGrid grid;
  grid.SetFixedRowAlways(true);
  grid.SetFixedRows(1);
  grid.SetRowCount(1);
  EXPECT_EQ(grid.TStringGrid::FixedRows(), 0);
  EXPECT_EQ(grid.FixedRows(), 1);
  grid.SetRowCount(5);
  EXPECT_EQ(grid.TStringGrid::FixedRows(), 1);
  bool fixed = false;
  grid.IsFixedCell(3, 0, fixed);
  EXPECT_TRUE(fixed);
}

TEST(GridDimensions, NestedUpdateLockRepaintsOnceAtTheEnd) {
  TQrvStringGrid grid;
  TRecordingHost host;
  grid.SetHost(&host);
  grid.BeginUpdate();
  grid.BeginUpdate();
  host.AllRepaints = 0;
  grid.EndUpdate();
  EXPECT_FALSE(host.RedrawOn);
  EXPECT_EQ(host.AllRepaints, 0);
  grid.EndUpdate();
  EXPECT_TRUE(host.RedrawOn);
  EXPECT_EQ(host.AllRepaints, 1);
  host.Showing = false;
  grid.BeginUpdate();  // ignored while hidden
  EXPECT_FALSE(grid.LockUpdate());
  grid.SetHost(nullptr);
}

TEST(GridStructure, RemovingPastTheEndRemovesNothingAndCountsAreCut) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.RemoveRows(10, 1);
  EXPECT_EQ(grid.RowCount(), 10);
  EXPECT_EQ(grid.Cells(1, 9), Cell(1, 9));
  grid.RemoveRows(-1, 1);
  grid.RemoveRows(3, 0);
  EXPECT_EQ(grid.RowCount(), 10);
  grid.RemoveRows(8, 5);
  EXPECT_EQ(grid.RowCount(), 8);
  EXPECT_EQ(grid.Cells(1, 7), Cell(1, 7));
  grid.RemoveCols(3, 10);
  EXPECT_EQ(grid.ColCount(), 3);
  EXPECT_EQ(grid.Cells(2, 1), Cell(2, 1));
  grid.RemoveCols(7, 1);
  EXPECT_EQ(grid.ColCount(), 3);
}

TEST(GridStructure, RemoveRowsKeepsHeightsAndShiftsParkedRows) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.SetRowHeights(6, 33);
  grid.GetCellProperties(1, 3)->SetReadOnly(true);  // freed with its row
  grid.HideRow(8);
  grid.RemoveRows(2, 3);
  EXPECT_EQ(grid.RowCount(), 6);
  EXPECT_EQ(grid.Cells(1, 2), Cell(1, 5));
  EXPECT_EQ(grid.RowHeights(3), 33);
  EXPECT_TRUE(grid.IsHiddenRow(5));
  EXPECT_FALSE(grid.ReadOnly(1, 3));
  grid.UnHideRow(5);
  EXPECT_EQ(grid.Cells(1, 5), Cell(1, 8));
}

TEST(GridStructure, RemovingTheCurrentLastRowsMovesTheCurrentRow) {
  TQrvStringGrid grid;
  grid.SetFixedRowAlways(true);
  grid.SetFixedRows(1);
  grid.SetRow(9);
  grid.RemoveRows(7, 3);
  EXPECT_EQ(grid.RowCount(), 7);
  EXPECT_EQ(grid.Row(), 6);
  grid.RemoveRows(1, 6);
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_TRUE(grid.SelectionHidden());
}

TEST(GridStructure, InsertAndMoveRows) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.InsertRows(2, 2);
  EXPECT_EQ(grid.RowCount(), 12);
  EXPECT_TRUE(grid.Cells(1, 2).isEmpty());
  EXPECT_EQ(grid.Cells(1, 4), Cell(1, 2));
  EXPECT_EQ(grid.RowHeights(2), 22);
  grid.InsertRows(20, 1);  // past the end: refused
  EXPECT_EQ(grid.RowCount(), 12);
  grid.AddRow();
  EXPECT_EQ(grid.RowCount(), 13);
  grid.RemoveRows(2, 2);
  grid.RemoveRows(10, 1);
  grid.MoveRows(1, 5, 2);  // rows 1 and 2 go before old row 5
  EXPECT_EQ(grid.Cells(1, 1), Cell(1, 3));
  EXPECT_EQ(grid.Cells(1, 2), Cell(1, 4));
  EXPECT_EQ(grid.Cells(1, 3), Cell(1, 1));
  EXPECT_EQ(grid.Cells(1, 4), Cell(1, 2));
  EXPECT_EQ(grid.Cells(1, 5), Cell(1, 5));
  grid.MoveRows(5, 1, 1);
  EXPECT_EQ(grid.Cells(1, 1), Cell(1, 5));
}

TEST(GridStructure, ColumnsWhileColumnsAreHidden) {
  TQrvStringGrid grid;
  Fill(grid);
  for (int32_t c = 0; c < 5; ++c) grid.SetColWidths(c, 10 + c);
  grid.HideColumn(3);     // shown: 0 1 2 4 with widths 10 11 12 14
  grid.InsertCols(1, 1);  // real 0 new 1 2 3 [hidden 4] 5
  EXPECT_EQ(grid.NumHiddenColumns(), 1);
  EXPECT_TRUE(grid.IsHiddenColumn(4));
  EXPECT_EQ(grid.ColCount(), 5);
  EXPECT_EQ(grid.Cells(4, 1), Cell(3, 1));
  EXPECT_EQ(grid.ColWidths(1), grid.DefaultColWidth());
  EXPECT_EQ(grid.ColWidths(4), 14);
  EXPECT_EQ(grid.RealColIndex(4), 5);
  grid.RemoveCols(4, 1);  // the hidden column itself
  EXPECT_EQ(grid.NumHiddenColumns(), 0);
  EXPECT_EQ(grid.ColCount(), 5);
  EXPECT_EQ(grid.Cells(4, 1), Cell(4, 1));
  EXPECT_EQ(grid.ColWidths(4), 14);
  grid.HideColumn(2);
  grid.RemoveCols(0, 2);  // two shown columns left of a hidden one
  EXPECT_EQ(grid.NumHiddenColumns(), 1);
  EXPECT_TRUE(grid.IsHiddenColumn(0));
  EXPECT_EQ(grid.ColCount(), 2);
  grid.UnHideColumnsAll();
  EXPECT_EQ(grid.Cells(0, 1), Cell(1, 1));
  EXPECT_EQ(grid.ColWidths(0), 11);
  EXPECT_EQ(grid.ColWidths(1), 12);
  EXPECT_EQ(grid.ColWidths(2), 14);
}

TEST(GridStructure, SaveRangeAndSizingEdge) {
  TQrvStringGrid grid;
  EXPECT_EQ(grid.SaveStartRow(), 0);
  grid.SaveFixedCells = false;
  grid.SetFixedFooters(1);
  EXPECT_EQ(grid.SaveStartRow(), 1);
  EXPECT_EQ(grid.SaveEndRow(), 8);
  EXPECT_EQ(grid.SaveRowCount(), 8);
  grid.SetOptions(grid.Options() | goColSizing);
  const int32_t edge = grid.ColWidths(0) + grid.ColWidths(1);
  EXPECT_TRUE(grid.IsOnSizingEdge(edge - 3, 5));
  EXPECT_FALSE(grid.IsOnSizingEdge(edge - 5, 5));
  EXPECT_EQ(grid.GetUsedCells(), (TGridRect{}));
  grid.SetCells(2, 3, QStringLiteral("a"));
  grid.SetCells(4, 1, QStringLiteral("b"));
  EXPECT_EQ(grid.GetUsedCells(), (TGridRect{2, 1, 4, 3}));
}

TEST(GridStructure, ScreenToCellGoesThroughTheWindowsClientOrigin) {
  // A window whose client area starts at screen point (100, 200).
  struct TOffsetHost : TRecordingHost {
    TPoint ScreenToClient(const TPoint& p) const override { return TPoint{p.X - 100, p.Y - 200}; }
  } host;
  TQrvStringGrid grid;
  int32_t c = 7, r = 7;
  grid.ScreenToCell(TPoint{105, 205}, c, r);
  EXPECT_EQ((TPoint{c, r}), (TPoint{-1, -1}));  // no window shows the grid
  grid.SetHost(&host);
  const int32_t x1 = 100 + grid.ColWidths(0) + 1, y2 = 200 + 2 * grid.DefaultRowHeight() + 1;
  struct Case {
    TPoint screen;
    TPoint cell;
  };
  const std::vector<Case> cases = {
      {{105, 205}, {0, 0}}, {{x1, 205}, {1, 0}}, {{x1, y2}, {1, 2}}, {{5, 5}, {-1, -1}}, {{99, 205}, {-1, -1}}};
  for (const Case& k : cases) {
    grid.ScreenToCell(k.screen, c, r);
    EXPECT_EQ((TPoint{c, r}), k.cell) << k.screen.X << "," << k.screen.Y;
  }
  grid.SetHost(nullptr);
}

TEST(GridModule, StartsOnceAndNamesItsRegistrations) {
  Grid_Module_Start();
  const int32_t message = GridModule().GridEditDoneMessage;
  Grid_Module_Start();
  EXPECT_EQ(GridModule().GridEditDoneMessage, message);
  EXPECT_NE(GridModule().GridEditDoneMessage, GridModule().DTPShiftFocusMessage);
  EXPECT_TRUE(GridModule().ComCtrlOk);
  EXPECT_EQ(GridCellsFormatName, QStringLiteral("TQrvStringGrid Cells"));
  EXPECT_EQ(GetFileVersionMS(QStringLiteral("/bin/sh")), -1);
  Grid_Module_Shutdown();
  Grid_Module_Shutdown();
  EXPECT_EQ(GridModule().StartCount, 0);
}

TEST(GridStructure, RemovingARowBlockKeepsParkedRowsInStep) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.HideRow(7);
  grid.SetColors(1, 2, clRed);
  grid.RemoveRowBlock(2, 2);
  EXPECT_TRUE(grid.IsHiddenRow(5));
  EXPECT_EQ(grid.Cells(1, 2), Cell(1, 4));
  EXPECT_EQ(grid.Colors(1, 2), clNone);
  grid.HideRows(1, 1);
  grid.RemoveRowBlock(1, 1);  // display row 1 is real row 2
  EXPECT_TRUE(grid.IsHiddenRow(1));
  EXPECT_TRUE(grid.IsHiddenRow(4));
  grid.UnHideRowsAll();
  EXPECT_EQ(grid.Cells(1, 1), Cell(1, 1));
  EXPECT_EQ(grid.Cells(1, 4), Cell(1, 7));
  EXPECT_EQ(grid.RowCount(), 7);
}

TEST(GridDimensions, SelectionParkingAndScrollingIntoView) {
  TQrvStringGrid grid;
  grid.SetRowCount(100);
  grid.SetSelection(TGridRect{2, 3, 3, 4});
  grid.HideSelection();
  EXPECT_EQ(grid.Selection(), (TGridRect{5, 100, 5, 100}));
  grid.UnHideSelection();
  EXPECT_EQ(grid.Selection(), (TGridRect{2, 3, 3, 4}));
  grid.HideSelection();
  grid.SetRowCount(3);  // the parked rectangle no longer starts inside the grid
  grid.UnHideSelection();
  EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 1, 1}));
  grid.SetRowCount(100);
  const int32_t top = grid.TopRow();
  grid.ScrollInView(2, 3);  // already visible: nothing moves
  EXPECT_EQ(grid.TopRow(), top);
  grid.ScrollInView(2, 80);
  EXPECT_EQ(grid.Row(), 80);
  EXPECT_LE(grid.TopRow(), 80);
  EXPECT_GT(grid.TopRow() + grid.VisibleRowCount(), 80);
  grid.SetTopRow(0);  // above the fixed rows: refused
  EXPECT_GE(grid.TopRow(), 1);
}
