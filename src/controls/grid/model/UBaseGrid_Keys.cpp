// The base grid's keys, wheel, cell selection and scrolling: merged blocks are stepped over as one cell, the
// current cell always ends on a block's base cell, and a hidden last row is never scrolled onto.
#include <algorithm>

#include "UBaseGrid.h"

bool TBaseGrid::SelectCell(int32_t c, int32_t r) {
  RepaintCell(Col(), Row());
  const bool allowed = TObjStringGrid::SelectCell(c, r);
  RepaintCell(c, r);
  return allowed;
}

void TBaseGrid::MoveToBaseCell() {
  if (!HasCellProperties(Col(), Row())) return;
  const TPoint base = BaseCell(Col(), Row());
  if (base.Y != Row()) SetRow(base.Y);
  if (base.X != Col()) SetCol(base.X);
}

void TBaseGrid::KeyDown(uint16_t& key, TShiftState shift) {
  TPoint base{Col(), Row()};
  const TCellProperties* baseProps = nullptr;
  if (HasCellProperties(Col(), Row())) {
    base = BaseCell(Col(), Row());
    baseProps = PropsOf(base.X, base.Y);
  }
  switch (key) {
    case VK_NEXT:
      // On the last page the hidden last row is never reached: the step ends on the row before it.
      if (VisibleRowCount() + TopRow() - FixedRows() == RowCount() - 1 && FHideLastRow && RowCount() > 1) {
        SetRow(RowCount() - 2);
        key = 0;
      }
      break;
    case VK_RIGHT:
      if (baseProps) {
        const int32_t last = base.X + baseProps->CellSpanX();
        if (last >= Col() && Col() < ColCount() - 1 && base.X < ColCount() - 1 && last < ColCount()) SetCol(last);
      }
      break;
    case VK_DOWN:
      if (baseProps) {
        const int32_t last = base.Y + baseProps->CellSpanY();
        if (last >= Row() && Row() < RowCount() - 1 && base.Y < RowCount() - 1) SetRow(last);
      }
      break;
    case VK_LEFT:
      // From inside a block: start the one-column step from the column just before the block.
      if (baseProps && Col() > FixedCols() && Col() > base.X && base.X > 0) SetCol(base.X);
      break;
    case VK_UP:
      if (baseProps && Row() > FixedRows() && Row() > base.Y && base.Y > 0) SetRow(base.Y);
      break;
    default:
      break;
  }
  TObjStringGrid::KeyDown(key, shift);
  MoveToBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState shift) {
  const bool used = TObjStringGrid::DoMouseWheelDown(shift);
  if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1 && FHideLastRow) SetTopRow(TopRow() + 1);
  MoveToBaseCell();
  return used;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState shift) {
  const bool used = TObjStringGrid::DoMouseWheelUp(shift);
  MoveToBaseCell();
  return used;
}

void TBaseGrid::TopLeftChanged() {
  TObjStringGrid::TopLeftChanged();
  RepaintMergedFixedColCells();
  RepaintMergedFixedRowCells();
}

void TBaseGrid::RepaintMergedFixedColCells() {
  if (!FHasCellProps || !HandleAllocated()) return;
  const int32_t last = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
  for (int32_t c = 0; c < FixedCols(); ++c)
    for (int32_t r = TopRow(); r <= last; ++r)
      if (IsMergedCell(c, r)) RepaintCell(c, r);
}

void TBaseGrid::RepaintMergedFixedRowCells() {
  if (!FHasCellProps || !HandleAllocated()) return;
  const int32_t last = std::min(ColCount() - 1, LeftCol() + VisibleColCount());
  for (int32_t r = 0; r < FixedRows(); ++r)
    for (int32_t c = LeftCol(); c <= last; ++c)
      if (IsMergedCell(c, r)) RepaintCell(c, r);
}
