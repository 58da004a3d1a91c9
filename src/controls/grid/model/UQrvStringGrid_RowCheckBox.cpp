// The row check boxes of column 0: while the mouse actions ask for them, every cell of column 0 shows its row's
// selection flag as a check box, and the header shows whether all, some or none of the normal rows are selected.
#include "UQrvStringGrid.h"

bool TQrvStringGrid::HasRowCheckBox(int32_t c, int32_t r) {
  if (c != 0 || r < 0 || !FMouseActions->HotmailRowSelect()) return false;
  // An object of the caller's own in the cell's slot keeps the cell to itself.
  TObject* object = r < RowCount() ? GetGraphicObjectEx(0, r) : nullptr;
  return !object || dynamic_cast<TCellGraphic*>(object);
}

// The shared graphic is refreshed on every look-up, so it always shows the selection as it is now.
TCellGraphic* TQrvStringGrid::RowCheckBox(int32_t r) {
  TCellGraphic& g = *FRowCheckBox;
  g.SetCellType(ctRowCheckBox);
  if (r == 0) {
    const int32_t normal = RowCount() - FixedRows();
    const int32_t n = FSelectedRows->Count();
    g.SetCellAngle(n > 0 && n < normal ? 1 : 0);
    g.SetCellBoolean(n >= normal);
  } else {
    const int32_t real = RealRowIndex(r);
    g.SetCellAngle(0);
    g.SetCellBoolean(real < RowCount() + NumHiddenRows() && GetRowSelect(real));
  }
  g.SetCellTransparent(ControlLook.ControlStyle == csFlat);
  return &g;
}

// Toggling a row's box flips the row's flag, its text stays: the box shows the selection, not the data. The
// header's box selects every normal row, or none when all of them were selected. Answers the new state.
bool TQrvStringGrid::ToggleRowCheckBox(int32_t r) {
  if (r < FixedRows()) {
    const bool state = !RowCheckBox(0)->CellBoolean();
    for (int32_t row = FixedRows(); row < RowCount(); ++row) SetRowSelect(RealRowIndex(row), state);
    Invalidate();
    return state;
  }
  const int32_t real = RealRowIndex(r);
  SetRowSelect(real, !GetRowSelect(real));
  RepaintCell(0, 0);
  return GetRowSelect(real);
}

// After a click toggled a row's box: a row just checked becomes the selection, the current row just unchecked
// hides it. Answers the state the box shows.
bool TQrvStringGrid::PressOnRowCheckBox(int32_t r) {
  if (r < FixedRows()) return RowCheckBox(0)->CellBoolean();
  const bool state = GetRowSelect(RealRowIndex(r));
  if (state) {
    UnHideSelection();
    if (FixedCols() < ColCount()) MoveCurrent(FixedCols(), r, true, true);
  } else if (r == Row()) {
    HideSelection();
  }
  return state;
}
