// Sizing columns by their header edges and rows by their fixed-column edges, and moving columns and rows by
// their fixed cells: armed by the press, shown while the mouse moves, applied on release.
#include "UQrvStringGrid.h"

namespace {
constexpr int32_t SizingZone = 4;     // a press closer than this to a header edge grabs it
constexpr int32_t MoveThreshold = 3;  // the mouse must leave the press point by more than this to start a move
constexpr int32_t FixedEdgeZone = 3;  // a fixed column's (row's) edge is grabbed closer than this

// Where the first count columns (rows) end: cells lie edge to edge, their lines drawn inside them.
int32_t FixedExtent(const TQrvStringGrid& grid, bool columns, int32_t count) {
  int32_t pos = 0;
  for (int32_t i = 0; i < count; ++i) pos += columns ? grid.ColWidths(i) : grid.RowHeights(i);
  return pos;
}
}  // namespace

int32_t TQrvStringGrid::FixedEdgeAt(bool columns, int32_t x, int32_t y) const {
  if (!(columns ? MouseActions().SizeFixedCol() : MouseActions().SizeFixedRow())) return -1;
  int32_t c = -1, r = -1;
  MouseToCell(x, y, c, r);
  if (c < 0 || r < 0) return -1;
  const int32_t pos = columns ? x : y;
  const int32_t fixed = columns ? FixedCols() : FixedRows();
  for (int32_t i = 0; i < fixed; ++i)
    if (std::abs(FixedExtent(*this, columns, i + 1) - pos) < FixedEdgeZone) return i;
  return -1;
}

bool TQrvStringGrid::SizingAllowed(bool columns, int32_t x, int32_t y) {
  bool allow = true;
  int32_t c = -1, r = -1;
  if (columns) {
    MouseToCell(x - 6, y, c, r);
    if (c >= 0 && r >= 0 && r < FixedRows() && OnColumnSize) OnColumnSize(this, c, allow);
  } else {
    MouseToCell(x, y - 6, c, r);
    if (c >= 0 && r >= 0 && c < FixedCols() && OnRowSize) OnRowSize(this, r, allow);
  }
  return allow;
}

bool TQrvStringGrid::PressOnSizingEdge(int32_t x, int32_t y, int32_t c, int32_t r) {
  // A fixed column's (row's) edge is taken before the header edges it may run through.
  for (const bool columns : {true, false}) {
    const int32_t index = FixedEdgeAt(columns, x, y);
    if (index < 0) continue;
    FSizingCol = columns;
    FSizingFixed = true;
    FSizingIndex = index;
    FSizingStart = columns ? x : y;
    FSizingStartSize = columns ? ColWidths(index) : RowHeights(index);
    FSizingPos = FSizingStart;
    FInteraction = TGridInteraction::Sizing;
    FColSizeFlg = columns;
    HideInplaceEditor();
    Invalidate();
    return true;
  }
  // The edge under the mouse: the right edge of the cell, or the left edge, which is the previous one's right.
  auto grab = [&](bool columns, int32_t index, int32_t pos, int32_t start, int32_t end, int32_t fixed) {
    int32_t sized = -1;
    if (end - pos < SizingZone)
      sized = index;
    else if (pos - start < SizingZone)
      sized = index - 1;
    // The left edge of the first column, or of the first scrolled one, has no column shown to size.
    if (sized < 0) return false;
    if (sized == index - 1 && sized >= fixed && index == (columns ? LeftCol() : TopRow())) return false;
    if (!SizingAllowed(columns, x, y)) return false;
    FSizingCol = columns;
    FSizingIndex = sized;
    FSizingStart = pos;
    FSizingStartSize = columns ? ColWidths(sized) : RowHeights(sized);
    FSizingPos = pos;
    FInteraction = TGridInteraction::Sizing;
    FColSizeFlg = columns;
    HideInplaceEditor();
    return true;
  };
  if (c < 0 || r < 0) return false;
  const TRect rect = CellRect(c, r);
  if (r < FixedRows() && (Options() & goColSizing) && grab(true, c, x, rect.Left, rect.Right, FixedCols()))
    return true;
  if (c < FixedCols() && (Options() & goRowSizing) && grab(false, r, y, rect.Top, rect.Bottom, FixedRows()))
    return true;
  return false;
}

namespace {
int32_t ClampSize(int32_t size, int32_t minSize, int32_t maxSize) {
  size = std::max(size, std::max(minSize, 0));
  if (maxSize > 0) size = std::min(size, maxSize);
  return size;
}
}  // namespace

int32_t TQrvStringGrid::SizingSize() const {
  // The size follows the mouse from the press, so a click on an edge that does not move leaves the size alone.
  const int32_t size = FSizingStartSize + FSizingPos - FSizingStart;
  return FSizingCol ? ClampSize(size, MinColWidth, MaxColWidth) : ClampSize(size, MinRowHeight, MaxRowHeight);
}

void TQrvStringGrid::MoveSizing(int32_t x, int32_t y) {
  FSizingPos = FSizingCol ? x : y;
  // A fixed edge reports column (row) 0 and where its line is.
  const int32_t index = FSizingFixed ? 0 : FSizingIndex;
  const int32_t size = FSizingFixed ? FSizingPos : SizingSize();
  if (FSizingCol && OnColumnSizing) OnColumnSizing(this, index, size);
  if (!FSizingCol && OnRowSizing) OnRowSizing(this, index, size);
  Invalidate();
}

void TQrvStringGrid::EndSizing(int32_t x, int32_t y) {
  FInteraction = TGridInteraction::None;
  const int32_t index = FSizingIndex;
  const bool fixedEdge = FSizingFixed;
  FSizingIndex = -1;
  // An edge let go beyond the grid's right (bottom) border leaves the size as it was.
  if (index < 0 || (FSizingCol ? x > Width() : y > Height())) {
    FSizingFixed = false;
    Invalidate();
    return;
  }
  FSizingPos = FSizingCol ? x : y;
  const int32_t size = SizingSize();
  FSizingFixed = false;
  // Sizing one column (row) may scale all the others by the same factor.
  auto scaleOthers = [this, index, fixedEdge](bool columns, int32_t size) {
    const int32_t start = FSizingStartSize;
    if (fixedEdge || start <= 0 || !(columns ? MouseActions().AllColumnSize() : MouseActions().AllRowSize())) return;
    const double factor = static_cast<double>(size) / start;
    const int32_t count = columns ? ColCount() : RowCount();
    for (int32_t i = columns ? FixedCols() : FixedRows(); i < count; ++i) {
      if (i == index) continue;
      if (columns)
        SetColWidths(i, static_cast<int32_t>(std::lround(ColWidths(i) * factor)));
      else
        SetRowHeights(i, static_cast<int32_t>(std::lround(RowHeights(i) * factor)));
    }
  };
  if (FSizingCol) {
    int32_t width = size;
    SetColWidths(index, width);
    scaleOthers(true, width);
    if (OnEndColumnSize) OnEndColumnSize(this, index);
    // The column grid's own limits have their say through the virtual step.
    const int32_t asked = width;
    UpdateColumnSize(index, width);
    if (width != asked) SetColWidths(index, std::max(width, 0));
  } else {
    SetRowHeights(index, size);
    scaleOthers(false, RowHeights(index));
    if (OnEndRowSize) OnEndRowSize(this, index);
  }
  Invalidate();
}

void TQrvStringGrid::StartMoving(int32_t x, int32_t y) {
  if (std::abs(x - FClickX) <= MoveThreshold && std::abs(y - FClickY) <= MoveThreshold) return;
  bool allow = true;
  if (FMoveCol && OnColumnMove) OnColumnMove(this, FMoveCell, allow);
  if (!FMoveCol && OnRowMove) OnRowMove(this, FMoveCell, allow);
  if (!allow) {
    FMoveCell = -1;
    return;
  }
  FInteraction = TGridInteraction::Moving;
  MoveTo(x, y);
}

void TQrvStringGrid::EndMoving(int32_t x, int32_t y) {
  FInteraction = TGridInteraction::None;
  if (FMoveBlocksFocus) {
    FMoveBlocksFocus = false;
    EndBlockFocus();
  }
  int32_t c = -1, r = -1;
  MouseToCell(x, y, c, r);
  const int32_t from = FMoveCell;
  const bool refused = FMoveRefused;
  FMoveCell = -1;
  FMoveTarget = -1;
  FMoveRefused = false;
  // Let go where OnColumnMoving (OnRowMoving) refused, nothing moves.
  if (from < 0 || refused) {
    Invalidate();
    return;
  }
  if (FMoveCol && c >= FixedCols() && c != from) {
    MoveColumn(from, c);
    FColMoveFlg = true;
  } else if (!FMoveCol && r >= FixedRows() && r != from) {
    MoveRow(from, r);
    FColMoveFlg = true;
  }
  Invalidate();
}

void TQrvStringGrid::FollowColumnMove(int32_t fromIndex, int32_t toIndex) {
  auto follow = [fromIndex, toIndex](int32_t index) {
    if (index == fromIndex) return toIndex;
    if (fromIndex < toIndex && index > fromIndex && index <= toIndex) return index - 1;
    if (toIndex < fromIndex && index >= toIndex && index < fromIndex) return index + 1;
    return index;
  };
  if (SortSettings.Column >= 0) SortSettings.Column = follow(SortSettings.Column);
  // The sort indexes name columns too, and keep their directions.
  if (SortSettings.IndexShow)
    for (int32_t i = 0; i < SortIndexes().Count(); ++i)
      SortIndexes().SetSortColumns(i, follow(SortIndexes().GetSortColumns(i)));
  const int32_t col = follow(Col());
  if (col != Col()) MoveCurrent(col, Row(), true, false);
  if (FloatingFooterShown()) InvalidateFloatingFooter();
}

void TQrvStringGrid::RowMoved(int32_t fromIndex, int32_t toIndex) {
  // The last row stays under a fixed floating footer: the height the move took along goes back.
  if (FloatingFooterShown() && FloatingFooterFixedLastRow() && toIndex == RowCount() - 1) {
    std::vector<int32_t>& heights = RowHeightList();
    const int32_t height = heights[toIndex];
    heights.erase(heights.begin() + toIndex);
    heights.insert(heights.begin() + fromIndex, height);
    return;
  }
  TBaseGrid::RowMoved(fromIndex, toIndex);
  if (OnRowMoved) OnRowMoved(this, fromIndex, toIndex);
  FollowSyncGrid(TSyncFollow::Row, RealRowIndex(fromIndex), RealRowIndex(toIndex));
}
