// The controls placed in cells as the model records them (real rows), kept in step with row and column moves.
#include <algorithm>

#include "UQrvStringGrid.h"

void TQrvStringGrid::ShiftControlRows(int32_t fromRealRow, int32_t by) {
  for (int32_t i = 0; i < FControlList->Count(); ++i) {
    TControlItem* item = FControlList->GetControl(i);
    if (item->Y >= fromRealRow) item->Y += by;
  }
}

void TQrvStringGrid::DropControlRows(int32_t first, int32_t last) {
  for (int32_t i = FControlList->Count() - 1; i >= 0; --i) {
    const TControlItem* item = FControlList->GetControl(i);
    if (item->Y >= first && item->Y <= last) FControlList->RemoveControl(i);
  }
}

QObject* TQrvStringGrid::GetCellControls(int32_t c, int32_t r) const {
  const TCellProperties* props = PropsOf(c, r);
  return props ? static_cast<QObject*>(props->Control()) : nullptr;
}

void TQrvStringGrid::SetCellControls(int32_t c, int32_t r, QObject* control) {
  const int32_t realRow = RealRowIndex(r);
  const int32_t existing = FControlList->ControlIndex(c, realRow);
  if (!control) {
    TCellProperties* props = PropsOf(c, r);
    if (!props || !props->Control()) return;
    if (existing >= 0) FControlList->RemoveControl(existing);
    props->SetControl(nullptr);
    CellControlsUpdate(false);
    return;
  }
  if (existing >= 0) FControlList->RemoveControl(existing);
  FControlList->AddControl(c, realRow, control);
  GetCellProperties(c, r)->SetControl(control);
  CellControlsUpdate(false);
}

void TQrvStringGrid::CellControlsUpdate(bool rebuildList) {
  if (rebuildList) {
    // Hidden rows keep their cells away from the store; their entries stay as they are.
    for (int32_t i = FControlList->Count() - 1; i >= 0; --i)
      if (!IsHiddenRow(FControlList->GetControl(i)->Y)) FControlList->RemoveControl(i);
    Store().ForEachObject([this](int32_t c, int32_t r, TObject* object) {
      const auto* props = dynamic_cast<const TCellProperties*>(object);
      if (props && props->Control() && r < RowCount())
        FControlList->AddControl(c, RealRowIndex(r), static_cast<QObject*>(props->Control()));
    });
    // The live bar of a scroll-bar cell names its cell by position, which the change may have given another.
    DropCellScrollBar();
  }
  PlaceCellScrollBar();
  if (Host()) Host()->PlaceCellControls();
}

TCellControlPlace TQrvStringGrid::CellControlPlace(const TControlItem& item) const {
  using P = TCellControlPlace;
  if (IsHiddenRow(item.Y) || IsHiddenColumn(item.X)) return {P::Hide, {}};
  const int32_t a = RealToDisplayCol(item.X), b = RealToDisplayRow(item.Y);
  if (a < 0 || b < 0 || a >= ColCount() || b >= RowCount()) return {P::Hide, {}};
  if (b < FixedRows() || a < FixedCols()) return {P::Leave, {}};
  // The column or row just past the last whole one shows its control, cut by the window's edge.
  if (a < LeftCol() || a > LeftCol() + VisibleColCount() || b < TopRow() || b > TopRow() + VisibleRowCount())
    return {P::Hide, {}};
  const TRect cell = CellRect(a, b);
  return {P::Show, TRect{cell.Left - 1, cell.Top - 1, cell.Right, cell.Bottom}};
}

void TQrvStringGrid::MoveRow(int32_t fromIndex, int32_t toIndex) {
  TBaseGrid::MoveRow(fromIndex, toIndex);
  for (int32_t i = 0; i < FControlList->Count(); ++i) {
    TControlItem* item = FControlList->GetControl(i);
    if (item->Y == fromIndex)
      item->Y = toIndex;
    else if (toIndex < fromIndex && item->Y >= toIndex && item->Y < fromIndex)
      ++item->Y;
    else if (toIndex > fromIndex && item->Y > fromIndex && item->Y <= toIndex)
      --item->Y;
  }
  MoveRowListEntries(fromIndex, toIndex, 1);
  CellControlsUpdate(false);
}

void TQrvStringGrid::MoveColumn(int32_t fromIndex, int32_t toIndex) {
  if (FColumnOrder->Count() == 0) SetColumnOrder();
  TBaseGrid::MoveColumn(fromIndex, toIndex);
  for (int32_t i = 0; i < FControlList->Count(); ++i) {
    TControlItem* item = FControlList->GetControl(i);
    if (item->X == fromIndex)
      item->X = toIndex;
    else if (toIndex < fromIndex && item->X >= toIndex && item->X < fromIndex)
      ++item->X;
    else if (toIndex > fromIndex && item->X > fromIndex && item->X <= toIndex)
      --item->X;
  }
  CellControlsUpdate(false);
}
