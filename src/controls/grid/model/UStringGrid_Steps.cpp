// The platform grid's own painting loop and input steps: what the widget calls and the descendants override.
#include <algorithm>

#include "UCanvas.h"
#include "UStringGrid.h"

namespace {
bool Meets(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}
}  // namespace

TGridDrawState TStringGrid::PlatformDrawState(int32_t c, int32_t r) const {
  TGridDrawState state;
  if (c < FFixedCols || r < FFixedRows) return state | gdFixed;
  if (c >= FSelection.Left && c <= FSelection.Right && r >= FSelection.Top && r <= FSelection.Bottom)
    state |= gdSelected;
  if (c == FCol && r == FRow && Focused()) state |= gdFocused;
  if ((FOptions & goRowSelect) && r == FRow) state |= gdRowSelected;
  return state;
}

void TStringGrid::Paint(TCanvas& canvas, const TRect& area) {
  // Only the fixed lines and the lines from the scroll position to the client edge are visited.
  std::vector<std::pair<int32_t, int32_t>> cols;  // (column, left)
  int32_t x = 0;
  for (int32_t c = 0; c < FColCount && x < FWidth; ++c) {
    if (c >= FFixedCols && c < FLeftCol) c = FLeftCol;
    if (c >= FColCount) break;
    cols.emplace_back(c, x);
    x += FColWidths[c];
  }
  int32_t y = 0;
  for (int32_t r = 0; r < FRowCount && y < FHeight; ++r) {
    if (r >= FFixedRows && r < FTopRow) r = FTopRow;
    if (r >= FRowCount) break;
    const int32_t h = FRowHeights[r];
    for (const auto& [c, left] : cols) {
      const TRect rect{left, y, left + FColWidths[c], y + h};
      if (Meets(rect, area)) DrawCell(canvas, c, r, rect, PlatformDrawState(c, r));
    }
    y += h;
  }
}

void TStringGrid::DrawCell(TCanvas&, int32_t, int32_t, const TRect&, TGridDrawState) {}

bool TStringGrid::MouseToCell(int32_t x, int32_t y, int32_t& c, int32_t& r) const {
  auto find = [](const std::vector<int32_t>& sizes, int32_t count, int32_t fixed, int32_t first, int32_t pos,
                 int32_t limit) {
    if (pos < 0 || pos >= limit) return -1;
    int32_t edge = 0;
    for (int32_t i = 0; i < count; ++i) {
      if (i == fixed && first > i) i = first;
      if (i >= count) break;
      edge += sizes[i];
      if (pos < edge) return i;
      if (edge >= limit) break;
    }
    return -1;
  };
  c = find(FColWidths, FColCount, FFixedCols, FLeftCol, x, FWidth);
  r = find(FRowHeights, FRowCount, FFixedRows, FTopRow, y, FHeight);
  return c >= 0 && r >= 0;
}

namespace {
// The first index from which the lines up to the end fill `room`: walked back from the end.
int32_t LastStart(const std::vector<int32_t>& sizes, int32_t count, int32_t fixed, int32_t room) {
  for (int32_t i = 0; i < fixed && i < count; ++i) room -= sizes[i];
  int32_t start = count;
  while (start > fixed && room >= sizes[start - 1]) room -= sizes[--start];
  return std::max(std::min(start, count - 1), std::min(fixed, count - 1));
}
}  // namespace

int32_t TStringGrid::MaxTopRow() const {
  return LastStart(FRowHeights, FRowCount, FFixedRows, FHeight);
}

int32_t TStringGrid::MaxLeftCol() const {
  return LastStart(FColWidths, FColCount, FFixedCols, FWidth);
}

void TStringGrid::FocusCell(int32_t c, int32_t r, bool extend) {
  if (extend) {
    MoveCurrent(c, r, false, true);
    return;
  }
  if (r != Row()) SetRow(r);
  if (c != Col()) SetCol(c);
}

void TStringGrid::KeyDown(uint16_t& key, TShiftState shift) {
  if (key == VK_F2) {
    ShowEditor();
    key = 0;
    return;
  }
  if (FRowCount <= FFixedRows || FColCount <= FFixedCols) return;
  const bool extend = (shift & ssShift) && (FOptions & goRangeSelect) && !(FOptions & goRowSelect);
  const bool ctrl = shift & ssCtrl;
  const int32_t lastCol = FColCount - 1, lastRow = FRowCount - 1;
  int32_t c = FCol, r = FRow;
  switch (key) {
    case VK_UP:
      r = std::max(FFixedRows, r - 1);
      break;
    case VK_DOWN:
      r = std::min(lastRow, r + 1);
      break;
    case VK_LEFT:
    case VK_RIGHT: {
      const int32_t step = key == VK_LEFT ? -1 : 1;
      if (FOptions & goRowSelect) {
        // A whole row is current: the arrows scroll sideways.
        SetLeftCol(std::max(FFixedCols, std::min(MaxLeftCol(), FLeftCol + step)));
        key = 0;
        return;
      }
      c = std::max(FFixedCols, std::min(lastCol, c + step));
      break;
    }
    case VK_HOME:
      c = FFixedCols;
      if (ctrl) r = FFixedRows;
      break;
    case VK_END:
      c = lastCol;
      if (ctrl) {
        r = lastRow;
        SetTopRow(MaxTopRow());
      }
      break;
    case VK_NEXT:
    case VK_PRIOR: {
      const int32_t page = VisibleRowCount();
      const int32_t step = key == VK_NEXT ? page : -page;
      r = std::max(FFixedRows, std::min(lastRow, r + step));
      SetTopRow(std::max(FFixedRows, std::min(MaxTopRow(), FTopRow + step)));
      break;
    }
    default:
      return;
  }
  key = 0;
  FocusCell(c, r, extend);
}

bool TStringGrid::DoMouseWheelDown(TShiftState) {
  if (FRow < FRowCount - 1) SetRow(FRow + 1);
  return true;
}

bool TStringGrid::DoMouseWheelUp(TShiftState) {
  if (FRow > FFixedRows) SetRow(FRow - 1);
  return true;
}

void TStringGrid::TopLeftChanged() {}

void TStringGrid::KeyPress(QChar& key) {
  if (key != QChar(VK_RETURN) || (FOptions & goAlwaysShowEditor)) return;
  if (EditorShowing())
    HideEditor();
  else
    ShowEditor();
  key = QChar(0);
}
