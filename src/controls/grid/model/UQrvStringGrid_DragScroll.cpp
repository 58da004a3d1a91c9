// A drag resting near an edge of the grid scrolls it: first after a longer delay, then step by step.
#include "UQrvStringGrid.h"

int32_t TQrvStringGrid::DragScrollOver(int32_t x, int32_t y, bool leave) {
  const TDragScrollDirection previous = FDragScrollDirection;
  FDragScrollDirection = 0;
  if (leave || !DragScrollOptions.Active) {
    FDragTimerRunning = false;
    return 0;
  }
  const auto& m = DragScrollOptions.Margins;
  if (y < m.TopMargin)
    FDragScrollDirection |= dsdUp;
  else if (y > Height() - m.BottomMargin)
    FDragScrollDirection |= dsdDown;
  if (x < m.LeftMargin)
    FDragScrollDirection |= dsdLeft;
  else if (x > Width() - m.RightMargin)
    FDragScrollDirection |= dsdRight;
  if (!FDragScrollDirection) {
    FDragTimerRunning = false;
    return 0;
  }
  // Each move inside a margin makes the first step wait again.
  if (!FDragTimerRunning || previous) {
    FDragTimerRunning = true;
    return DragScrollOptions.Delays.InitialDelay;
  }
  return -1;
}

int32_t TQrvStringGrid::DragScrollTimer() {
  if (!DragScrollOptions.Active || !FDragTimerRunning) {
    FDragTimerRunning = false;
    return 0;
  }
  TDragScrollDirection direction = FDragScrollDirection;
  bool canScroll = true;
  if (OnDragScroll) OnDragScroll(this, TopRow(), LeftCol(), direction, canScroll);
  if (canScroll) {
    if ((direction & dsdUp) && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
    if ((direction & dsdDown) && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    if ((direction & dsdLeft) && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
    if ((direction & dsdRight) && VisibleColCount() + LeftCol() < ColCount()) SetLeftCol(LeftCol() + 1);
  }
  return DragScrollOptions.Delays.RepeatDelay;
}
