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
    return;
  }
  if (existing >= 0) FControlList->RemoveControl(existing);
  FControlList->AddControl(c, realRow, control);
  GetCellProperties(c, r)->SetControl(control);
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
}
