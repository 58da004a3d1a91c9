// The release of the mouse button: sizing and moving end, a pending drag press becomes a plain click, the
// selection change is reported, and a click on the sort row sorts.
#include "UQrvStringGrid.h"

void TQrvStringGrid::GridMouseUp(TGridMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  if (button != gmbLeft) return;
  MouseDown = false;
  FSizeSelection = TGridRect{-1, -1, -1, -1};
  // The next move decides afresh what a press selects.
  FMouseSelectMode = msNormal;
  FMouseSelectStart = -1;
  if (FDropDownDown) {
    FDropDownDown = false;
    if (HoverFixedCell.X >= 0 && HoverFixedCell.Y >= 0) RepaintCell(HoverFixedCell.X, HoverFixedCell.Y);
  }
  ReleaseFixedAsButton();
  if (FHotFixedCell.X >= 0) RepaintCell(FHotFixedCell.X, FHotFixedCell.Y);
  // A release without a press of this grid (the press went elsewhere) completes nothing.
  const bool pressed = FButtonDown;
  if (FCtrlDown) {
    FCtrlDown = false;
    RepaintCell(RealToDisplayCol(FCtrlXY.X), FCtrlXY.Y);
  }
  FButtonDown = false;
  FLButFlg = false;
  FCaretPress = {-1, -1};
  if (!pressed) return;
  if (ReleaseCellButton(x, y)) return;
  switch (FInteraction) {
    case TGridInteraction::Sizing:
      EndSizing(x, y);
      FDblClk = false;
      return;
    case TGridInteraction::Moving:
      EndMoving(x, y);
      return;
    case TGridInteraction::Dragging:
      // The widget's drag ends it through EndOleDrag.
      return;
    default:
      break;
  }
  FMoveCell = -1;
  FInteraction = TGridInteraction::None;
  if (ReleaseOnFilterButton(x, y)) return;
  int32_t c = -1, r = -1;
  MouseToCell(x, y, c, r);
  if (FDoOnClick && c >= 0 && r >= 0 && (r < FixedRows() || c < FixedCols())) Click();
  FDoOnClick = false;
  if (FSelectionClick) {
    FSelectionClick = false;
    if (c >= FixedCols() && r >= FixedRows()) MoveCurrent(c, r, true, true);
  }
  ReleaseDisjunct(c, r, shift);
  ReleaseSelectsGroup(c, r);
  const TGridRect now = Selection();
  if (!(now == FPressSelection)) SelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
  if (FMouseResize) {
    EndSelectionResize();
    return;
  }
  if (FColMoveFlg || FColSizeFlg || c < 0 || r < 0) return;
  const int32_t rc = RealColIndex(c);
  bool state = false;
  if (c >= FixedCols() && OnCheckBoxMouseUp && HasCheckBox(rc, r) && GetCheckBoxState(rc, r, state))
    OnCheckBoxMouseUp(this, rc, r, state);
  int32_t radioIdx = -1;
  if (c >= FixedCols() && OnRadioMouseUp && GetRadioIdx(rc, r, radioIdx)) OnRadioMouseUp(this, rc, r, radioIdx);
  if (FDblClk) {
    FDblClk = false;
    return;
  }
  RunClickSort(c, x, y, shift);
}
