// Moving a column (row) by its fixed cell, as it runs: the target under the mouse with OnColumnMoving
// (OnRowMoving) asked once per target, the view scrolled at its edges, and with EnhRowColMove what the window shows
// of it: the moved header following the mouse and the edge where the column (row) would land.
#include "UQrvStringGrid.h"

namespace {
constexpr int32_t ScrollZone = 10;  // this close to the fixed columns (rows) a move scrolls back by one
}

void TQrvStringGrid::MoveTo(int32_t x, int32_t y) {
  FMovePos = {x, y};
  if (EnhRowColMove && RowCount() > 1) {
    // The floating header and arrows must not take the focus from the form while the move runs.
    if (!FMoveBlocksFocus) {
      FMoveBlocksFocus = true;
      StartBlockFocus();
    }
    // Near the fixed part the view scrolls back, beyond the far edge it scrolls on, one column (row) per move.
    const int32_t pos = FMoveCol ? x : y;
    const int32_t fixed = FMoveCol ? FixedColsWidth() : FixedRowsHeight();
    const int32_t extent = FMoveCol ? Width() : Height();
    if (FMoveCol && pos < fixed + ScrollZone && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
    if (!FMoveCol && pos < fixed + ScrollZone && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
    if (FMoveCol && pos > extent && LeftCol() < MaxLeftCol()) SetLeftCol(LeftCol() + 1);
    if (!FMoveCol && pos > extent && TopRow() < MaxTopRow()) SetTopRow(TopRow() + 1);
  }
  int32_t c = -1, r = -1;
  MouseToCell(x, y, c, r);
  const int32_t target = FMoveCol ? c : r;
  if (target != FMoveTarget) {
    FMoveTarget = target;
    bool allow = true;
    if (target >= 0 && FMoveCol && OnColumnMoving) OnColumnMoving(this, target, allow);
    if (target >= 0 && !FMoveCol && OnRowMoving) OnRowMoving(this, target, allow);
    FMoveRefused = !allow;
    Invalidate();
  }
}

TGridMovePreview TQrvStringGrid::MovePreview() const {
  TGridMovePreview p;
  if (FInteraction != TGridInteraction::Moving || !EnhRowColMove || RowCount() <= 1 || FMoveCell < 0) return p;
  p.Shown = true;
  p.Columns = FMoveCol;
  p.Refused = FMoveRefused;
  const int32_t moved = FMoveCell;
  // The header cell pressed: row 0 of the column, column 0 of the row.
  const int32_t width = FMoveCol ? ColWidths(moved) : ColWidths(0);
  const int32_t height = FMoveCol ? RowHeights(0) : RowHeights(moved);
  p.Caption = FMoveCol ? Cells(RealColIndex(moved), 0) : Cells(RealColIndex(0), moved);
  const TPoint at{FMovePos.X - FMoveOfs.X, FMovePos.Y - FMoveOfs.Y};
  p.Bounds = {at.X, at.Y, at.X + width, at.Y + height};
  p.Cells = FMoveCol ? TGridRect{moved, 0, moved, RowCount() - 1} : TGridRect{0, moved, ColCount() - 1, moved};
  const int32_t target = FMoveTarget;
  const int32_t first = FMoveCol ? FixedCols() : FixedRows();
  const int32_t count = FMoveCol ? ColCount() : RowCount();
  // The last row under a fixed floating footer takes no row.
  const bool footer = !FMoveCol && FloatingFooterShown() && FloatingFooterFixedLastRow() && target == RowCount() - 1;
  if (target < first || target >= count || footer) return p;
  const TRect cell = FMoveCol ? CellRect(target, 0) : CellRect(0, target);
  if (cell.Right <= cell.Left || cell.Bottom <= cell.Top) return p;
  // Moved further on it lands after the target, moved back before it.
  const bool after = target > moved;
  p.EdgeShown = true;
  if (FMoveCol) {
    const int32_t edge = after ? cell.Right : cell.Left;
    p.EdgeFrom = {edge, 0};
    p.EdgeTo = {edge, FixedRowsHeight()};
  } else {
    const int32_t edge = after ? cell.Bottom : cell.Top;
    p.EdgeFrom = {0, edge};
    p.EdgeTo = {FixedColsWidth(), edge};
  }
  return p;
}
