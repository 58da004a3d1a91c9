// The mouse wheel (moving the current row or scrolling, by the wheel increment or the desktop's lines per notch),
// Ctrl+wheel zoom, middle-button panning, and the hint text beside a dragged scroll thumb.
#include <QScopeGuard>
#include <cmath>

#include "UQrvStringGrid.h"

void TQrvStringGrid::Zoom(int32_t x) {
  const int32_t factor = ZoomFactor + x;
  if (factor < -10 || factor > 10) return;
  // Every cell changes size: the proportional bars are worked out once, at the end.
  FScrollLock = true;
  ZoomFactor = factor;
  BeginUpdate();
  for (int32_t c = 0; c < ColCount(); ++c)
    if (ColWidths(c) > 0 && ColWidths(c) + x > 0) SetColWidths(c, ColWidths(c) + x);
  for (int32_t r = 0; r < RowCount(); ++r)
    if (RowHeights(r) > 0 && RowHeights(r) + x > 0) SetRowHeights(r, RowHeights(r) + x);
  EndUpdate();
  FScrollLock = false;
  UpdateVertProportionalScroll();
  UpdateHorzProportionalScroll();
}

void TQrvStringGrid::MouseWheel(int32_t delta, TShiftState shift, TPoint mouse) {
  if (delta == 0) return;
  // The cells move under a mouse that stays put: the hot button is the one under it now, not the one it was over.
  const auto rehover = qScopeGuard([&] {
    int32_t c = -1, r = -1;
    MouseToCell(mouse.X, mouse.Y, c, r);
    HoverCellButton(c, r, mouse.X, mouse.Y);
  });
  const bool toward = delta < 0;
  const int32_t lines = WheelScrollLines < 0 ? VisibleRowCount() : WheelScrollLines;
  if ((shift & ssCtrl) && IntelliZoom) {
    Zoom(toward ? lines : -lines);
    AutoSizeCells(true, 4, 4);
    return;
  }
  if (!EnableWheel || (FixedRowAlways() && RowCount() == 1)) return;
  const TGridRect before = Selection();
  const TMouseActions& actions = MouseActions();
  const bool scroll = actions.WheelAction() == waScroll;
  int32_t f = actions.WheelIncrement() < 1 ? lines : actions.WheelIncrement();
  int32_t target = Row();
  if (scroll) {
    if (toward) {
      if (TopRow() < RowCount() - VisibleRowCount() && TopRow() + f >= FixedRows())
        SetTopRow(std::min(TopRow() + f, MaxTopRow()));
    } else {
      if (TopRow() - f < FixedRows()) f = TopRow() - FixedRows();
      if (TopRow() > FixedRows() && TopRow() - f >= FixedRows()) SetTopRow(TopRow() - f);
    }
  } else {
    target = toward ? Row() + f : Row() - f;
  }
  // Never past the normal rows; a current cell outside the grid comes back to its last cell first.
  target = std::max(FixedRows(), std::min(target, RowCount() - FixedFooters() - 1));
  if (Row() >= RowCount() || Col() >= ColCount()) MoveToCell(ColCount() - 1, RowCount() - 1);
  if (Col() < FixedCols() || Col() > ColCount() - 1) SetCol(std::max(FixedCols(), std::min(Col(), ColCount() - 1)));
  int32_t moved = 0;
  if (target >= 0 && target < RowCount()) {
    const int32_t leftCol = LeftCol();
    BeginUpdate();
    if (actions.DisjunctRowSelect() && !scroll) ClearRowSelect();
    moved = target - Row();
    if (!scroll) {
      SetRow(target);
      // A row the grid refuses: halfway there, and the view one row up.
      if (Row() != target) {
        SetRow(Row() + static_cast<int32_t>(std::lround((target - Row()) / 2.0)));
        if (TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
      }
      MoveToBaseCell();
    }
    if ((Options() & goRowSelect) && Navigation().KeepHorizScroll()) SetLeftCol(leftCol);
    EndUpdate();
  }
  bool handled = true;
  WheelPanStep(moved, handled);
  if ((actions.WheelIncrement() != 0 || actions.DisjunctRowSelect()) && handled) {
    bool eventHandled = false;
    const bool disjunct = actions.DisjunctRowSelect();
    const auto& event = toward ? OnMouseWheelDown : OnMouseWheelUp;
    if (event) event(this, disjunct ? shift : TShiftState{}, disjunct ? mouse : TPoint{0, 0}, eventHandled);
  }
  const TGridRect now = Selection();
  if (!(now == before)) SelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
  if (SearchFooterShown() && TopRow() >= RowCount() - VisibleRowCount()) ScrollAboveSearchFooter();
}

QString TQrvStringGrid::ScrollHintText(bool vertical, int32_t index) {
  QString hint = (vertical ? QStringLiteral("Row : ") : QStringLiteral("Col : ")) + QString::number(index);
  if (OnScrollHint) OnScrollHint(this, index, hint);
  return hint;
}

bool TQrvStringGrid::StartPanning(TPoint origin) {
  if (FPanning || IntelliPan == ipNone || RowCount() <= FixedRows()) return false;
  FPanning = true;
  FPanOrigin = origin;
  return true;
}

int32_t TQrvStringGrid::PanTick(TPoint mouse) {
  constexpr int32_t Dead = 5;
  const int32_t dv = IntelliPan == ipHorizontal      ? 0
                     : mouse.Y < FPanOrigin.Y - Dead ? -1
                     : mouse.Y > FPanOrigin.Y + Dead ? 1
                                                     : 0;
  const int32_t dh = IntelliPan == ipVertical        ? 0
                     : mouse.X > FPanOrigin.X + Dead ? 1
                     : mouse.X < FPanOrigin.X - Dead ? -1
                                                     : 0;
  // By (dv, dh), each from -1 to 1.
  static constexpr int32_t Cursors[3][3] = {{8006, 8004, 8005}, {8002, 8000, 8003}, {8008, 8001, 8007}};
  const int32_t cursor = Cursors[dv + 1][dh + 1];
  if (!FPanning || IntelliPan == ipNone) return cursor;
  const TGridRect before = Selection();
  const int32_t lastRow = RowCount() - FixedFooters() - 1, lastCol = ColCount() - FixedRightCols() - 1;
  if (Row() < FixedRows() || Row() > lastRow) SetRow(std::max(FixedRows(), std::min(Row(), lastRow)));
  if (Col() < FixedCols() || Col() > lastCol) SetCol(std::max(FixedCols(), std::min(Col(), lastCol)));
  if (MouseActions().WheelAction() == waScroll) {
    if (dh != 0) SetLeftCol(std::max(FixedCols(), std::min(LeftCol() + dh, MaxLeftCol())));
    if (dv != 0) SetTopRow(std::max(FixedRows(), std::min(TopRow() + dv, MaxTopRow())));
  } else {
    if ((dh < 0 && Col() > FixedCols()) || (dh > 0 && Col() < lastCol)) SetCol(Col() + dh);
    if ((dv < 0 && Row() > FixedRows()) || (dv > 0 && Row() < lastRow)) SetRow(Row() + dv);
  }
  const TGridRect now = Selection();
  if (!(now == before)) SelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
  return cursor;
}
