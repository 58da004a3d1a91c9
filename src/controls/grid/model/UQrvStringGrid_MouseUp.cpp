// The release of the mouse button: sizing and moving end, a pending drag press becomes a plain click, the
// selection change is reported, and a click on the sort row sorts.
#include "UQrvStringGrid.h"

void TQrvStringGrid::GridMouseUp(TGridMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  // The platform grid's release reports itself to OnMouseUp; a release the grid's own parts took (a cell button, a
  // sizing let go beyond the border, a drag) does not.
  const auto mouseUp = [&] {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
  };
  if (button == gmbRight) mouseUp();
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
  const bool pressSelects = FPressSelects;
  FPressSelects = false;
  if (!pressed) return;
  if (ReleaseCellButton(x, y)) return;
  switch (FInteraction) {
    case TGridInteraction::Sizing: {
      const bool beyond = FSizingCol ? x > Width() : y > Height();
      EndSizing(x, y);
      FDblClk = false;
      if (!beyond) mouseUp();
      return;
    }
    case TGridInteraction::Moving:
      EndMoving(x, y);
      mouseUp();
      return;
    case TGridInteraction::Dragging:
      // The widget's drag ends it through EndOleDrag.
      return;
    default:
      break;
  }
  FMoveCell = -1;
  const bool selecting = pressSelects || FInteraction == TGridInteraction::Selecting;
  FInteraction = TGridInteraction::None;
  if (ReleaseOnFilterButton(x, y)) {
    mouseUp();
    return;
  }
  int32_t c = -1, r = -1;
  MouseToCell(x, y, c, r);
  if (FDoOnClick && c >= 0 && r >= 0 && (r < FixedRows() || c < FixedCols())) Click();
  FDoOnClick = false;
  // A press that moved the cursor (or dragged a selection) is a click once let go.
  if (selecting) Click();
  if (FSelectionClick) {
    FSelectionClick = false;
    const TMouseActions& actions = MouseActions();
    if (c >= FixedCols() && r >= FixedRows() && actions.DisjunctRowSelect() && DragDropSettings.OleDropSource) {
      // The press kept the flagged rows for a drag that did not come: Ctrl flips the row alone, a plain click
      // starts the flags afresh from this row.
      if ((shift & ssCtrl) || actions.DisjunctRowSelectNoCtrl()) {
        const int32_t row = actions.RowSelectPersistent() ? RealRowIndex(r) : r;
        SetRowSelect(row, !GetRowSelect(row));
        Invalidate();
        mouseUp();
        return;
      }
      ClearRowSelect();
      Invalidate();
    }
    if (c >= FixedCols() && r >= FixedRows()) MoveCurrent(c, r, true, true);
  }
  ReleaseDisjunct(c, r, shift);
  ReleaseSelectsGroup(c, r);
  mouseUp();
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
