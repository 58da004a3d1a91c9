// The focus entering and leaving the grid, and the cursor the mouse shows over it.
#include "UQrvStringGrid.h"
#include "UValueText.h"

TQrvStringGrid::TGridCursor TQrvStringGrid::CursorAt(int32_t x, int32_t y) const {
  if (FInteraction == TGridInteraction::Sizing) return FSizingCol ? gcColumnSizing : gcRowSizing;
  if (FInteraction == TGridInteraction::None && IsOnSizingEdge(x, y)) {
    int32_t c = -1, r = -1;
    MouseToCell(x, y, c, r);
    return r < FixedRows() && (Options() & goColSizing) ? gcColumnSizing : gcRowSizing;
  }
  int32_t c = -1, r = -1;
  MouseToCell(x, y, c, r);
  if (URLShow && c >= 0 && r >= 0) {
    if (LooksLikeUrl(Cells(RealColIndex(c), r))) return gcLink;
  }
  return gcDefault;
}

void TQrvStringGrid::GridEnter() {
  if (FBlockFocus) return;
  if (OnEnter) OnEnter(this);
  if (Col() >= 0 && Row() >= 0) RememberOldCellText(Col(), Row());
}

void TQrvStringGrid::GridExit() {
  if (FBlockFocus) return;
  if (OnExit) OnExit(this);
}
