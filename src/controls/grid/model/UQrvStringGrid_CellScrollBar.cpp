// The live scroll bar that a scroll-bar cell gets while the mouse is over it: which cell has it, where the window
// puts it, and the steps its arrows, track and thumb take through the cell's content.
#include <algorithm>

#include "UQrvStringGrid.h"

namespace {
constexpr int32_t LineStep = 10;
constexpr int32_t PageStep = 100;
}  // namespace

bool TQrvStringGrid::CellScrolls(int32_t c, int32_t r) {
  if (!HasScrollBar(c, r)) return false;
  const TScrollProp prop = GetScrollProp(c, r);
  return prop.PageSize < prop.Range;
}

TRect TQrvStringGrid::CellScrollBarRect(int32_t c, int32_t r) const {
  // Where the cell paints its bar: the right edge of the cell's inside, between the grid lines.
  const TRect cell = CellRect(c, r);
  const int32_t line = GridLineWidth();
  return TRect{cell.Right - line - CellScrollBarWidth, cell.Top + line, cell.Right - line, cell.Bottom - line};
}

void TQrvStringGrid::HoverCellScrollBar(int32_t c, int32_t r) {
  const int32_t rc = c >= 0 && r >= 0 ? RealColIndex(c) : -1;
  if (rc < 0 || !CellScrolls(rc, r)) {
    DropCellScrollBar();
    return;
  }
  if (FScrollCell.X == rc && FScrollCell.Y == r) return;
  FScrollCell = {rc, r};
  PlaceCellScrollBar();
}

void TQrvStringGrid::DropCellScrollBar() {
  if (FScrollCell.X < 0) return;
  FScrollCell = {-1, -1};
  if (Host()) Host()->HideCellScrollBar();
}

void TQrvStringGrid::PlaceCellScrollBar() {
  if (FScrollCell.X < 0 || !Host()) return;
  const int32_t rc = FScrollCell.X, r = FScrollCell.Y;
  if (IsHiddenColumn(rc) || r >= RowCount() || !CellScrolls(rc, r)) {
    DropCellScrollBar();
    return;
  }
  const int32_t c = RealToDisplayCol(rc);
  TRect bar = CellScrollBarRect(c, r);
  const bool colShown = c < FixedCols() || (c >= LeftCol() && c < LeftCol() + VisibleColCount());
  const bool rowShown = r < FixedRows() || (r >= TopRow() && r < TopRow() + VisibleRowCount());
  // Out of view the bar stays, no pixel high, until its cell comes back.
  if (!colShown || !rowShown) bar.Bottom = bar.Top;
  const TScrollProp prop = GetScrollProp(rc, r);
  const int32_t last = prop.Range - prop.PageSize;
  Host()->ShowCellScrollBar(bar, std::clamp(GetScrollPosition(rc, r), 0, last), last, prop.PageSize);
}

int32_t TQrvStringGrid::CellScrollBarStep(TCellScrollStep step, int32_t trackPos) {
  if (FScrollCell.X < 0) return 0;
  const int32_t rc = FScrollCell.X, r = FScrollCell.Y;
  const TScrollProp prop = GetScrollProp(rc, r);
  // The content ends with its last page in the cell; the thumb goes no further.
  const int32_t last = std::max(0, prop.Range - prop.PageSize);
  const int32_t old = std::clamp(GetScrollPosition(rc, r), 0, last);
  int32_t now = old;
  switch (step) {
    case csLineUp:
      now = old - LineStep;
      break;
    case csLineDown:
      now = old + LineStep;
      break;
    case csPageUp:
      now = old - PageStep;
      break;
    case csPageDown:
      now = old + PageStep;
      break;
    case csTrack:
      now = trackPos;
      break;
  }
  now = std::clamp(now, 0, last);
  if (now == old) return old;
  SetScrollPosition(rc, r, now);
  ScrollCell(rc, r, now, 0, prop.Range);
  return now;
}

void TQrvStringGrid::ScrollCell(int32_t aCol, int32_t aRow, int32_t position, int32_t minimum, int32_t maximum) {
  if (OnScrollCell) OnScrollCell(this, aCol, aRow, position, minimum, maximum);
}
