// Selecting by the fixed cells: where the mouse rests decides what the next press selects (and with it the cursor);
// a press on the top-left cell selects every normal cell, one in a fixed column whole rows, one in a fixed row whole
// columns, and a drag with the button still down stretches those rows or columns from where the press started.
#include "UQrvStringGrid.h"

namespace {
constexpr int32_t ScrollDownZone = 4;  // a row drag this close to the grid's bottom brings the next row into view

// A row drag over the top row brings back the rows scrolled away above.
bool RowDragScrollsUp(const TQrvStringGrid& grid, int32_t dragStart, int32_t y) {
  return dragStart >= 0 && y < grid.RowHeights(0) && grid.TopRow() > grid.FixedRows();
}
}  // namespace

TGridRect TQrvStringGrid::NormalCellsRect() const {
  return TGridRect{FirstNavCol(), FixedRows(), ColCount() - FixedRightCols() - 1, LastNormalRow()};
}

void TQrvStringGrid::DecideMouseSelectMode(int32_t x, int32_t y) {
  // The selection's resize corner comes first.
  ArmSelectMode(x, y);
  if (FMouseSelectMode == msResize) return;
  int32_t c = -1, r = -1;
  MouseToCell(x, y, c, r);
  if (c < 0 || r < 0) return;
  const TMouseActions& actions = MouseActions();
  // A press there sizes a column or row instead.
  const bool onEdge = IsOnSizingEdge(x, y) || FixedEdgeAt(true, x, y) >= 0 || FixedEdgeAt(false, x, y) >= 0;
  const bool footerRow = FloatingFooterShown() && FloatingFooterFixedLastRow();
  const int32_t lastRow = RowCount() - (footerRow ? 2 : 1);
  if (c < FixedCols() && actions.RowSelect() && !onEdge && r <= lastRow && !OnNodeGlyph(c, r, x, y) &&
      (r >= FixedRows() || RowDragScrollsUp(*this, FMouseSelectStart, y))) {
    FMouseSelectMode = msRow;
  } else if (c == 0 && r == 0 && FixedCols() > 0 && FixedRows() > 0 && actions.AllSelect()) {
    FMouseSelectMode = msAll;
  } else if (r < FixedRows() && c >= FixedCols() && c < ColCount() - FixedRightCols() && actions.ColSelect() &&
             !onEdge) {
    FMouseSelectMode = msColumn;
  }
  // The cursor the window sets for a mode is the grid's own change, which must not reset the mode again.
  if (FMouseSelectMode != msNormal) Invokedchange = true;
}

void TQrvStringGrid::SelectByMouse(const TGridRect& rect, int32_t c, int32_t r) {
  MouseSelectionChanging(rect);
  if (FSelHidden) UnHideSelection();
  // The cursor goes along, so the keyboard carries on from the pressed row or column.
  if (c >= FixedCols() && c < ColCount() && r >= FixedRows() && r < RowCount()) MoveCurrent(c, r, true, false);
  SetSelection(rect);
}

bool TQrvStringGrid::PressSelectsByFixedCell(int32_t c, int32_t r, TShiftState shift) {
  const TMouseActions& actions = MouseActions();
  const bool range = (Options() & goRangeSelect) != 0;
  const bool shifted = (shift & ssShift) != 0;
  const TGridRect old = Selection();
  const int32_t lastCol = ColCount() - 1, lastRow = RowCount() - 1;
  if (FMouseSelectMode == msAll && c < FixedCols() && r < FixedRows() && actions.AllSelect() && range) {
    FocusGrid();
    // A derived grid may follow a large selection as it does an export.
    ExportNotification(esExportStart, -1);
    SelectByMouse(NormalCellsRect(), -1, -1);
    ExportNotification(esExportDone, -1);
    return true;
  }
  if (FMouseSelectMode == msRow && c < FixedCols() && r >= FixedRows() && actions.RowSelect()) {
    const int32_t from = shifted ? old.Top : r;
    SelectByMouse(TGridRect{FixedCols(), std::min(from, r), lastCol, std::max(from, r)}, Col(), r);
    FMouseSelectStart = r;
    if (HasRowIndicator()) RepaintCol(0);
    return true;
  }
  if (FMouseSelectMode == msColumn && r < FixedRows() && c >= FixedCols() && actions.ColSelect() && range) {
    const int32_t from = shifted ? old.Left : c;
    SelectByMouse(TGridRect{std::min(from, c), FixedRows(), std::max(from, c), lastRow}, c, Row());
    FMouseSelectStart = c;
    return true;
  }
  return false;
}

void TQrvStringGrid::DragMouseSelection(int32_t x, int32_t y) {
  if (FMouseSelectStart < 0) return;
  const TMouseActions& actions = MouseActions();
  int32_t c = -1, r = -1;
  if (FMouseSelectMode == msRow && actions.RowSelect()) {
    if (y > Height() - ScrollDownZone && TopRow() < MaxTopRow())
      SetTopRow(TopRow() + 1);
    else if (RowDragScrollsUp(*this, FMouseSelectStart, y))
      SetTopRow(TopRow() - 1);
    MouseToCell(x, y, c, r);
    // Over the fixed rows the drag reaches the first row in view.
    if (r >= 0 && r < FixedRows()) r = TopRow();
    if (r < FixedRows() || r > LastNormalRow()) return;
    const int32_t from = FMouseSelectStart;
    const TGridRect rect{FixedCols(), std::min(from, r), ColCount() - 1, std::max(from, r)};
    if (!(rect == Selection())) SelectByMouse(rect, Col(), r);
    if (HasRowIndicator()) RepaintCol(0);
  } else if (FMouseSelectMode == msColumn && actions.ColSelect()) {
    MouseToCell(x, y, c, r);
    if (c < 0) return;
    c = std::max(c, FixedCols());
    const int32_t from = FMouseSelectStart;
    const TGridRect rect{std::min(from, c), FixedRows(), std::max(from, c), RowCount() - 1};
    if (!(rect == Selection())) SelectByMouse(rect, c, Row());
  }
}
