// The selection's resize corner: with SelectionResizer and SelectionRectangle the bottom-right corner of the
// selection's last cell is a handle. The mouse resting there chooses msResize for the next press (and its cursor); a
// press there copies the selection to the clipboard and drags the selection's bottom-right; the release pastes the
// copied block into the new selection between OnSelectionResize and OnSelectionResized.
#include "UQrvStringGrid.h"

namespace {
constexpr int32_t ResizeCorner = 6;  // the handle's side in pixels, at the cell's bottom-right corner

bool OnResizeCorner(const TQrvStringGrid& grid, int32_t x, int32_t y) {
  if (!grid.SelectionResizer || !grid.SelectionRectangle || grid.RowCount() <= grid.FixedRows() ||
      grid.ColCount() <= grid.FixedCols())
    return false;
  const TGridRect s = grid.Selection();
  const TRect last = grid.CellRect(s.Right, s.Bottom);
  // A last cell out of view has no handle to take.
  if (last.Right <= last.Left || last.Bottom <= last.Top) return false;
  return x >= last.Right - ResizeCorner && x < last.Right && y >= last.Bottom - ResizeCorner && y < last.Bottom;
}
}  // namespace

void TQrvStringGrid::ArmSelectMode(int32_t x, int32_t y) {
  // The resize corner is chosen for the next press, and the cursor the window sets for it is the grid's own.
  FMouseSelectMode = OnResizeCorner(*this, x, y) ? msResize : msNormal;
  if (FMouseSelectMode != msNormal) Invokedchange = true;
}

bool TQrvStringGrid::PressOnResizeCorner(int32_t x, int32_t y) {
  // The mode chosen by the last move takes the press even when it landed beside the corner.
  if (FMouseSelectMode != msResize && !OnResizeCorner(*this, x, y)) return false;
  HideInplaceEditor();
  FDropSelection = Selection();
  CopySelectionToClipboard();
  FMouseResize = true;
  FInteraction = TGridInteraction::Selecting;
  FocusGrid();
  return true;
}

void TQrvStringGrid::EndSelectionResize() {
  FMouseResize = false;
  const TGridRect from = FDropSelection, to = Selection();
  if (OnSelectionResize) OnSelectionResize(this, from, to);
  // The paste writes cells, never opens an editor on one.
  const TGridOptions options = Options();
  const bool editDisable = FEditDisable;
  SetOptions(options & ~TGridOptions(goEditing));
  FEditDisable = false;
  PasteSelectionFromClipboard();
  FEditDisable = editDisable;
  SetOptions(options);
  if (OnSelectionResized) OnSelectionResized(this, from, to);
}

void TQrvStringGrid::CMCursorChanged() {
  if (!Invokedchange) FMouseSelectMode = msNormal;
  Invokedchange = false;
}
