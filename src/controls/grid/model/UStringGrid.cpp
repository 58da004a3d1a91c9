#include "UStringGrid.h"

#include <algorithm>

#include "Exception.h"

namespace {
void RaiseGridError(const char* text) {
  throw Exception(QString::fromLatin1(text));
}
}  // namespace

TStringGrid::TStringGrid() {
  FStore.SetWidthHint(FColCount);
  FColWidths.assign(static_cast<size_t>(FColCount), FDefaultColWidth);
  FRowHeights.assign(static_cast<size_t>(FRowCount), FDefaultRowHeight);
}

TStringGrid::~TStringGrid() = default;

void TStringGrid::SetHost(IGridHost* host) {
  FHost = host;
  NotifyGeometry();
}

void TStringGrid::Invalidate() {
  if (FHost) FHost->InvalidateAll();
}

void TStringGrid::InvalidatePlatformRect(const TRect& rect, bool erase) {
  if (FHost && rect.Right > rect.Left && rect.Bottom > rect.Top) FHost->InvalidateRect(rect, erase);
}

void TStringGrid::NotifyGeometry() {
  if (FHost) FHost->GeometryChanged();
}

void TStringGrid::ClampCurrent() {
  auto clampTo = [](int32_t v, int32_t lo, int32_t hi) { return std::max(lo, std::min(v, hi)); };
  FCol = clampTo(FCol, 0, FColCount - 1);
  FRow = clampTo(FRow, 0, FRowCount - 1);
  FLeftCol = clampTo(FLeftCol, std::min(FFixedCols, FColCount - 1), FColCount - 1);
  FTopRow = clampTo(FTopRow, std::min(FFixedRows, FRowCount - 1), FRowCount - 1);
  FSelection.Left = clampTo(FSelection.Left, 0, FColCount - 1);
  FSelection.Right = clampTo(FSelection.Right, 0, FColCount - 1);
  FSelection.Top = clampTo(FSelection.Top, 0, FRowCount - 1);
  FSelection.Bottom = clampTo(FSelection.Bottom, 0, FRowCount - 1);
}

void TStringGrid::SetColCount(int32_t value) {
  if (value < 1) value = 1;
  if (value == FColCount) return;
  if (value <= FFixedCols) FFixedCols = value - 1;
  FColCount = value;
  FStore.SetWidthHint(value);
  FColWidths.resize(static_cast<size_t>(value), FDefaultColWidth);
  ClampCurrent();
  NotifyGeometry();
  Invalidate();
}

void TStringGrid::SetRowCount(int32_t value) {
  if (value < 1) value = 1;
  if (value == FRowCount) return;
  if (value <= FFixedRows) FFixedRows = value - 1;
  FRowCount = value;
  FRowHeights.resize(static_cast<size_t>(value), FDefaultRowHeight);
  ClampCurrent();
  NotifyGeometry();
  Invalidate();
}

void TStringGrid::SetFixedCols(int32_t value) {
  if (value < 0) RaiseGridError("Grid index out of range");
  if (value >= FColCount) RaiseGridError("Fixed column count must be less than column count");
  // A view that was not scrolled stays unscrolled: it shows the first scrollable column, also when fewer are fixed.
  if (FLeftCol == FFixedCols || FLeftCol < value) FLeftCol = value;
  FFixedCols = value;
  if (FCol < value) FCol = value;
  ClampCurrent();
  NotifyGeometry();
  Invalidate();
}

void TStringGrid::SetFixedRows(int32_t value) {
  if (value < 0) RaiseGridError("Grid index out of range");
  if (value >= FRowCount) RaiseGridError("Fixed row count must be less than row count");
  // A view that was not scrolled stays unscrolled: it shows the first scrollable row, also when fewer are fixed.
  if (FTopRow == FFixedRows || FTopRow < value) FTopRow = value;
  FFixedRows = value;
  if (FRow < value) FRow = value;
  ClampCurrent();
  NotifyGeometry();
  Invalidate();
}

void TStringGrid::SetDefaultColWidth(int32_t value) {
  FDefaultColWidth = value;
  std::fill(FColWidths.begin(), FColWidths.end(), value);
  NotifyGeometry();
  Invalidate();
}

void TStringGrid::SetDefaultRowHeight(int32_t value) {
  FDefaultRowHeight = value;
  std::fill(FRowHeights.begin(), FRowHeights.end(), value);
  NotifyGeometry();
  Invalidate();
}

int32_t TStringGrid::ColWidths(int32_t c) const {
  return c >= 0 && c < FColCount ? FColWidths[c] : FDefaultColWidth;
}

void TStringGrid::SetColWidths(int32_t c, int32_t value) {
  if (c < 0 || c >= FColCount || FColWidths[c] == value) return;
  FColWidths[c] = value;
  NotifyGeometry();
  Invalidate();
  ColWidthsChanged();
}

int32_t TStringGrid::RowHeights(int32_t r) const {
  return r >= 0 && r < FRowCount ? FRowHeights[r] : FDefaultRowHeight;
}

void TStringGrid::SetRowHeights(int32_t r, int32_t value) {
  if (r < 0 || r >= FRowCount || FRowHeights[r] == value) return;
  FRowHeights[r] = value;
  NotifyGeometry();
  Invalidate();
}

bool TStringGrid::SelectCell(int32_t, int32_t) {
  return true;
}

void TStringGrid::MoveCurrent(int32_t c, int32_t r, bool moveAnchor, bool show) {
  if (c < 0 || c >= FColCount || r < 0 || r >= FRowCount) RaiseGridError("Grid index out of range");
  if (!SelectCell(c, r)) return;
  const TGridRect old = FSelection;
  const bool moved = c != FCol || r != FRow;
  FCol = c;
  FRow = r;
  if (moveAnchor || !(FOptions & goRangeSelect)) {
    FSelection = TGridRect{c, r, c, r};
  } else {
    // The anchor is the corner of the old selection opposite the old current cell.
    FSelection =
        TGridRect{std::min(old.Left, c), std::min(old.Top, r), std::max(old.Right, c), std::max(old.Bottom, r)};
  }
  if (FOptions & goRowSelect) {
    FSelection.Left = FFixedCols;
    FSelection.Right = FColCount - 1;
  }
  const int32_t oldLeft = FLeftCol, oldTop = FTopRow;
  if (show) {
    if (c >= FFixedCols && c < FLeftCol) FLeftCol = c;
    if (r >= FFixedRows && r < FTopRow) FTopRow = r;
    while (c >= FFixedCols && c >= FLeftCol + VisibleColCount() && FLeftCol < c) ++FLeftCol;
    while (r >= FFixedRows && r >= FTopRow + VisibleRowCount() && FTopRow < r) ++FTopRow;
  }
  NotifyGeometry();
  Invalidate();
  if (FLeftCol != oldLeft || FTopRow != oldTop) TopLeftChanged();
  if (moved) CurrentCellMoved();
}

void TStringGrid::SetCol(int32_t value) {
  MoveCurrent(value, FRow, true, true);
}

void TStringGrid::SetRow(int32_t value) {
  MoveCurrent(FCol, value, true, true);
}

void TStringGrid::SetLeftCol(int32_t value) {
  value = std::max(std::min(FFixedCols, FColCount - 1), std::min(value, FColCount - 1));
  if (value == FLeftCol) return;
  FLeftCol = value;
  NotifyGeometry();
  Invalidate();
  TopLeftChanged();
}

void TStringGrid::SetTopRow(int32_t value) {
  value = std::max(std::min(FFixedRows, FRowCount - 1), std::min(value, FRowCount - 1));
  if (value == FTopRow) return;
  FTopRow = value;
  NotifyGeometry();
  Invalidate();
  TopLeftChanged();
}

void TStringGrid::SetSelection(const TGridRect& value) {
  FSelection = value;
  Invalidate();
}

int32_t TStringGrid::VisibleColCount() const {
  int32_t room = FWidth;
  for (int32_t c = 0; c < FFixedCols && c < FColCount; ++c) room -= FColWidths[c];
  int32_t n = 0;
  for (int32_t c = FLeftCol; c < FColCount && room >= FColWidths[c]; ++c, ++n) room -= FColWidths[c];
  return std::max(n, 1);
}

int32_t TStringGrid::VisibleRowCount() const {
  int32_t room = FHeight;
  for (int32_t r = 0; r < FFixedRows && r < FRowCount; ++r) room -= FRowHeights[r];
  int32_t n = 0;
  for (int32_t r = FTopRow; r < FRowCount && room >= FRowHeights[r]; ++r, ++n) room -= FRowHeights[r];
  return std::max(n, 1);
}

void TStringGrid::SetOptions(TGridOptions value) {
  if (value == FOptions) return;
  FOptions = value;
  Invalidate();
}

void TStringGrid::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  FLeft = left;
  FTop = top;
  FWidth = std::max(0, width);
  FHeight = std::max(0, height);
  NotifyGeometry();
}

TRect TStringGrid::PlatformCellRect(int32_t c, int32_t r) const {
  if (c < 0 || c >= FColCount || r < 0 || r >= FRowCount) return TRect{};
  if ((c >= FFixedCols && c < FLeftCol) || (r >= FFixedRows && r < FTopRow)) return TRect{};
  // The sums stop at the client edge: every cell write asks for its rectangle, and one far below the view must
  // not cost a walk over all the rows above it.
  auto start = [](const std::vector<int32_t>& sizes, int32_t fixed, int32_t first, int32_t index, int32_t extent) {
    int32_t pos = 0;
    for (int32_t i = 0; i < fixed && i < index; ++i) pos += sizes[i];
    if (index >= fixed)
      for (int32_t i = first; i < index && pos < extent; ++i) pos += sizes[i];
    return pos;
  };
  const int32_t left = start(FColWidths, FFixedCols, FLeftCol, c, FWidth);
  const int32_t top = start(FRowHeights, FFixedRows, FTopRow, r, FHeight);
  if (left >= FWidth || top >= FHeight) return TRect{};
  return TRect{left, top, left + FColWidths[c], top + FRowHeights[r]};
}

void TStringGrid::MoveRow(int32_t fromIndex, int32_t toIndex) {
  if (fromIndex < 0 || fromIndex >= FRowCount || toIndex < 0 || toIndex >= FRowCount)
    RaiseGridError("Grid index out of range");
  if (fromIndex == toIndex) return;
  const int32_t h = FRowHeights[fromIndex];
  FRowHeights.erase(FRowHeights.begin() + fromIndex);
  FRowHeights.insert(FRowHeights.begin() + toIndex, h);
  RowMoved(fromIndex, toIndex);
  Invalidate();
}

void TStringGrid::MoveColumn(int32_t fromIndex, int32_t toIndex) {
  if (fromIndex < 0 || fromIndex >= FColCount || toIndex < 0 || toIndex >= FColCount)
    RaiseGridError("Grid index out of range");
  if (fromIndex == toIndex) return;
  const int32_t w = FColWidths[fromIndex];
  FColWidths.erase(FColWidths.begin() + fromIndex);
  FColWidths.insert(FColWidths.begin() + toIndex, w);
  ColumnMoved(fromIndex, toIndex);
  Invalidate();
}

void TStringGrid::RowMoved(int32_t fromIndex, int32_t toIndex) {
  FStore.MoveRow(fromIndex, toIndex);
}

void TStringGrid::ColumnMoved(int32_t fromIndex, int32_t toIndex) {
  FStore.MoveCol(fromIndex, toIndex);
}

void TStringGrid::DeleteRows(int32_t r, int32_t count) {
  if (r < 0 || r >= FRowCount || count <= 0) return;
  count = std::min(count, FRowCount - r);
  // The rows leave the store: their slots were freed or handed elsewhere by the caller, and rows kept beyond the
  // count would come back with stale cells the next time the count grows.
  FStore.RemoveRows(r, count);
  FRowHeights.erase(FRowHeights.begin() + r, FRowHeights.begin() + r + count);
  FRowHeights.resize(static_cast<size_t>(FRowCount), FDefaultRowHeight);
  TStringGrid::SetRowCount(FRowCount - count);
}
