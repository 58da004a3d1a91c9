// Rows and columns as a whole: insertion, removal, moves, and the geometry queries over them.
#include <algorithm>

#include "UCellProperties.h"
#include "UQrvStringGrid.h"

void TQrvStringGrid::FreeStoredProps(int32_t c1, int32_t c2, int32_t r1, int32_t r2) {
  r2 = std::min(r2, Store().StoredRowCount() - 1);
  for (int32_t r = std::max(r1, 0); r <= r2; ++r) {
    const int32_t last = std::min(c2, Store().ObjectSlotCount(r) - 1);
    for (int32_t c = std::max(c1, 0); c <= last; ++c)
      if (Store().Object(c, r)) ClearProp(c, r);
  }
}

void TQrvStringGrid::ShiftParkedAbove(int32_t realIndex, int32_t by) {
  for (auto& item : FGridItems)
    if (item->Idx() > realIndex) item->SetIdx(item->Idx() - by);
}

void TQrvStringGrid::InsertRowBlock(int32_t aRow, int32_t count) {
  if (aRow < 0 || count <= 0 || aRow > RowCount()) return;
  if (FSelHidden) UnHideSelection();
  const int32_t oldCount = RowCount();
  SetRowCount(oldCount + count);
  Store().InsertRows(aRow, count);
  auto& heights = RowHeightList();
  heights.resize(static_cast<size_t>(oldCount));
  heights.insert(heights.begin() + aRow, static_cast<size_t>(count), DefaultRowHeight());
  InsertRowListEntries(aRow, count);
  NotifyGeometry();
  if (!FDestroying) CellsChanged(TRect{0, aRow, ColCount() - 1, aRow + count});
}

void TQrvStringGrid::DeleteRowBlock(int32_t aRow, int32_t count) {
  if (aRow < 0 || aRow >= RowCount() || count <= 0) return;
  count = std::min(count, RowCount() - aRow);
  const int32_t oldRow = Row();
  const int32_t oldTop = TopRow();
  if (!FMouseActions->RowSelectPersistent()) RemoveRowListEntries(aRow, count, false);
  DeleteRows(aRow, count);
  if (oldRow < RowCount() - FFixedFooters) {
    if (Row() != oldRow) MoveCurrent(Col(), oldRow, true, false);
    TStringGrid::SetTopRow(oldTop);
  } else if (FixedRows() < RowCount() - FFixedFooters) {
    MoveCurrent(std::min(Col(), ColCount() - 1), RowCount() - FFixedFooters - 1, true, false);
    FSelHidden = false;
  } else {
    HideSelection();
  }
  CellsChanged(TRect{0, aRow, ColCount() - 1, aRow + count});
}

void TQrvStringGrid::RemoveRowBlock(int32_t aRow, int32_t count) {
  if (aRow < 0 || aRow >= RowCount() || count <= 0) return;
  count = std::min(count, RowCount() - aRow);
  FreeStoredProps(0, INT32_MAX, aRow, aRow + count - 1);
  // The rows are gone for good: parked rows below them move up in real index.
  if (!FGridItems.empty()) ShiftParkedAbove(RealRowIndex(aRow), count);
  // The rows' controls go with them; those below move up with their rows.
  DropControlRows(RealRowIndex(aRow), RealRowIndex(aRow + count - 1));
  ShiftControlRows(RealRowIndex(aRow + count - 1) + 1, -count);
  DeleteRowBlock(aRow, count);
  CellControlsUpdate(false);
}

void TQrvStringGrid::InsertRows(int32_t rowIndex, int32_t rCount, bool updateCellControls) {
  const int32_t oldCount = RowCount();
  // Rows hidden just above the place stay above the new rows; those from the row shown there on move down with it.
  const int32_t realAt = RealRowIndex(rowIndex);
  InsertRowBlock(rowIndex, rCount);
  if (RowCount() != oldCount) {
    if (!FGridItems.empty()) ShiftParkedAbove(realAt - 1, -rCount);
    if (updateCellControls) ShiftControlRows(realAt, rCount);
  }
  CellControlsUpdate(false);
}

void TQrvStringGrid::AddRow() {
  InsertRows(RowCount(), 1, true);
  ClearRows(RowCount() - 1, 1);
}

void TQrvStringGrid::RemoveRows(int32_t rowIndex, int32_t rCount) {
  // Rows at or past the end do not exist: nothing to remove there, and a count is cut to the rows that exist.
  if (rowIndex < 0 || rowIndex >= RowCount() || rCount <= 0) return;
  rCount = std::min(rCount, RowCount() - rowIndex);
  FreeStoredProps(0, INT32_MAX, rowIndex, rowIndex + rCount - 1);
  const int32_t oldRow = Row();
  const int32_t oldTop = TopRow();
  // Controls of the removed rows stay registered; those below move up with their rows.
  ShiftControlRows(RealRowIndex(rowIndex + rCount - 1) + 1, -rCount);
  if (!FGridItems.empty()) ShiftParkedAbove(RealRowIndex(rowIndex), rCount);
  RemoveRowListEntries(rowIndex, rCount, true);
  DeleteRows(rowIndex, rCount);
  SetNormalRowCount(RowCount());
  FMaxRowCount = std::max(RowCount(), FMaxRowCount - rCount);
  if (oldRow < RowCount() - FFixedFooters) {
    if (Row() != oldRow) MoveCurrent(std::min(Col(), ColCount() - 1), oldRow, true, false);
    TStringGrid::SetTopRow(oldTop);
  } else if (FixedRows() < RowCount() - FFixedFooters) {
    MoveCurrent(std::min(Col(), ColCount() - 1), RowCount() - FFixedFooters - 1, true, false);
  } else {
    HideSelection();
  }
  FSelHidden = FSelHidden && FixedRows() >= RowCount() - FFixedFooters;
  CellsChanged(TRect{0, rowIndex, ColCount() - 1, rowIndex + rCount});
  const int32_t lastTop = RowCount() + FixedRows() - VisibleRowCount() - 2;
  if (TopRow() >= lastTop && RowCount() - VisibleRowCount() - 1 > 0) TStringGrid::SetTopRow(lastTop);
  CellControlsUpdate(false);
}

void TQrvStringGrid::RemoveRowsEx(int32_t rowIndex, int32_t rCount) {
  RemoveRowsExImpl(rowIndex, rCount, true);
}

void TQrvStringGrid::RemoveRowsExImpl(int32_t rowIndex, int32_t rCount, bool shiftParked) {
  if (rowIndex < 0 || rowIndex >= RowCount() || rCount <= 0) return;
  rCount = std::min(rCount, RowCount() - rowIndex);
  const int32_t oldRow = Row();
  const int32_t oldTop = TopRow();
  // Rows below move up with their cells; the heights stay where they are, as a fast removal leaves them.
  if (shiftParked && !FGridItems.empty()) ShiftParkedAbove(RealRowIndex(rowIndex + rCount - 1), rCount);
  RemoveRowListEntries(rowIndex, rCount, false);
  Store().RemoveRows(rowIndex, rCount);
  SetRowCount(RowCount() - rCount);
  FMaxRowCount = std::max(RowCount(), FMaxRowCount - rCount);
  if (oldRow < RowCount()) {
    MoveCurrent(std::min(Col(), ColCount() - 1), oldRow, true, false);
    TStringGrid::SetTopRow(oldTop);
  } else if (FixedRows() < RowCount()) {
    MoveCurrent(std::min(Col(), ColCount() - 1), FixedRows(), true, false);
    TStringGrid::SetTopRow(FixedRows());
  }
  CellsChanged(TRect{0, rowIndex, ColCount() - 1, rowIndex + rCount});
}

void TQrvStringGrid::MoveRows(int32_t fromIndex, int32_t toIndex, int32_t count) {
  if (fromIndex == toIndex || count <= 0 || fromIndex < 0 || fromIndex >= RowCount()) return;
  count = std::min(count, RowCount() - fromIndex);
  if (fromIndex + count < toIndex) toIndex -= count;
  // The rows travel whole, objects and heights with them.
  auto rows = Store().TakeRows(fromIndex, count);
  auto& heights = RowHeightList();
  std::vector<int32_t> moved(heights.begin() + fromIndex, heights.begin() + fromIndex + count);
  heights.erase(heights.begin() + fromIndex, heights.begin() + fromIndex + count);
  toIndex = std::clamp(toIndex, 0, static_cast<int32_t>(heights.size()));
  heights.insert(heights.begin() + toIndex, moved.begin(), moved.end());
  Store().PutRows(toIndex, std::move(rows));
  MoveRowListEntries(fromIndex, toIndex, count);
  Invalidate();
  CellsChanged(TRect{0, std::min(fromIndex, toIndex), ColCount() - 1, std::max(fromIndex, toIndex) + count});
}

void TQrvStringGrid::RemoveCols(int32_t colIndex, int32_t cCount) {
  const int32_t total = TotalColCount();
  if (colIndex < 0 || colIndex >= total || cCount <= 0) return;
  cCount = std::min(cCount, total - colIndex);
  ClearCols(colIndex, cCount);
  FreeStoredProps(colIndex, colIndex + cCount - 1, 0, INT32_MAX);
  // The display loses the widths of the shown columns among the removed ones; the hidden ones leave the count of
  // hidden columns; the tables of the columns to the right move left with them.
  auto& widths = ColWidthList();
  int32_t shownRemoved = 0;
  for (int32_t c = colIndex + cCount - 1; c >= colIndex; --c) {
    if (IsHiddenColumn(c)) {
      --FNumHidden;
    } else {
      widths.erase(widths.begin() + RealToDisplayCol(c));
      widths.push_back(DefaultColWidth());
      ++shownRemoved;
    }
  }
  for (int32_t c = colIndex; c <= MaxHiddenMapCols; ++c) {
    const int32_t from = c + cCount;
    FVisibleCol[c] = from <= MaxHiddenMapCols ? FVisibleCol[from] : true;
    FAllColWidths[c] = from <= MaxHiddenMapCols ? FAllColWidths[from] : 0;
  }
  Store().RemoveCols(colIndex, cCount);
  for (auto& item : FGridItems) {
    auto& cells = item->Items();
    if (static_cast<size_t>(colIndex) >= cells.size()) continue;
    const size_t end = std::min(cells.size(), static_cast<size_t>(colIndex + cCount));
    for (size_t c = static_cast<size_t>(colIndex); c < end; ++c)
      delete dynamic_cast<TCellProperties*>(cells[c].Object);
    cells.erase(cells.begin() + colIndex, cells.begin() + static_cast<std::ptrdiff_t>(end));
  }
  if (shownRemoved > 0) SetColCount(ColCount() - shownRemoved);
  NotifyGeometry();
  Invalidate();
  CellsChanged(TRect{colIndex, 0, colIndex + cCount, RowCount() - 1});
}

void TQrvStringGrid::InsertCols(int32_t colIndex, int32_t cCount) {
  const int32_t total = TotalColCount();
  if (colIndex < 0 || colIndex > total || cCount <= 0) return;
  // A hidden column pushed past the end of the visibility table would lose its hidden state: refused.
  for (int32_t c = std::max(colIndex, MaxHiddenMapCols - cCount); c < MaxHiddenMapCols; ++c)
    if (!FVisibleCol[c]) return;
  const int32_t d = RealToDisplayCol(colIndex);
  for (int32_t c = MaxHiddenMapCols; c >= colIndex + cCount; --c) {
    FVisibleCol[c] = FVisibleCol[c - cCount];
    FAllColWidths[c] = FAllColWidths[c - cCount];
  }
  for (int32_t c = colIndex; c < colIndex + cCount && c <= MaxHiddenMapCols; ++c) {
    FVisibleCol[c] = true;
    FAllColWidths[c] = 0;
  }
  Store().InsertCols(colIndex, cCount);
  for (auto& item : FGridItems) {
    auto& cells = item->Items();
    if (static_cast<size_t>(colIndex) < cells.size())
      cells.insert(cells.begin() + colIndex, static_cast<size_t>(cCount), TParkedCell{});
  }
  const int32_t oldCount = ColCount();
  SetColCount(oldCount + cCount);
  auto& widths = ColWidthList();
  widths.resize(static_cast<size_t>(oldCount));
  widths.insert(widths.begin() + d, static_cast<size_t>(cCount), DefaultColWidth());
  NotifyGeometry();
  Invalidate();
  CellsChanged(TRect{colIndex, 0, colIndex + cCount, RowCount() - 1});
}

TGridRect TQrvStringGrid::GetUsedCells() const {
  TGridRect used{-1, -1, -1, -1};
  for (int32_t r = 0; r < RowCount(); ++r) {
    for (int32_t c = 0; c < ColCount(); ++c) {
      if (Cells(c, r).isEmpty()) continue;
      if (used.Left < 0) {
        used = TGridRect{c, r, c, r};
        continue;
      }
      used.Left = std::min(used.Left, c);
      used.Right = std::max(used.Right, c);
      used.Top = std::min(used.Top, r);
      used.Bottom = std::max(used.Bottom, r);
    }
  }
  return used.Left < 0 ? TGridRect{} : used;
}

int32_t TQrvStringGrid::SaveStartCol() const {
  return SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
}

int32_t TQrvStringGrid::SaveStartRow() const {
  return SaveFixedCells || SaveFixedRows ? 0 : FixedRows();
}

int32_t TQrvStringGrid::SaveEndCol() const {
  return SaveFixedCells || SaveFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
}

int32_t TQrvStringGrid::SaveEndRow() const {
  return SaveFixedCells || SaveFixedRows ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
}

int32_t TQrvStringGrid::SaveColCount() const {
  return SaveFixedCells || SaveFixedCols ? ColCount() : ColCount() - FixedCols() - FFixedRightCols;
}

int32_t TQrvStringGrid::SaveRowCount() const {
  return SaveFixedCells || SaveFixedRows ? RowCount() : RowCount() - FixedRows() - FFixedFooters;
}

void TQrvStringGrid::ScreenToCell(const TPoint& pt, int32_t& aCol, int32_t& aRow) const {
  aCol = aRow = -1;
  if (!Host()) return;
  const TPoint p = Host()->ScreenToClient(pt);
  MouseToCell(p.X, p.Y, aCol, aRow);
}

namespace {
// The line (column or row) under `pos` along one axis: the fixed lines, then the lines from the first scrolled-in
// one, each spanning [start, start + size) as the platform places it; lines that start past the client edge are
// not placed. The walk stops there, so its cost follows what is visible, not the count of lines.
template <typename Size>
int32_t LineAt(int32_t pos, int32_t count, int32_t fixed, int32_t first, int32_t limit, Size size) {
  if (pos < 0) return -1;
  int32_t start = 0;
  for (int32_t i = 0; i < fixed && i < count; ++i) {
    if (start >= limit) return -1;
    if (pos >= start && pos < start + size(i)) return i;
    start += size(i);
  }
  // A first line left of the fixed ones is placed after the lines between it and them.
  for (int32_t i = first; i < fixed && i < count; ++i) start += size(i);
  for (int32_t i = std::max(fixed, first); i < count && start < limit; ++i) {
    if (pos >= start && pos < start + size(i)) return i;
    start += size(i);
  }
  return -1;
}
}  // namespace

void TQrvStringGrid::MouseToCell(int32_t x, int32_t y, int32_t& aCol, int32_t& aRow) const {
  aCol = LineAt(x, ColCount(), FixedCols(), LeftCol(), Width(), [this](int32_t i) { return ColWidths(i); });
  aRow = LineAt(y, RowCount(), FixedRows(), TopRow(), Height(), [this](int32_t i) { return RowHeights(i); });
  if (aCol < 0 || aRow < 0) aCol = aRow = -1;
}

bool TQrvStringGrid::IsOnSizingEdge(int32_t x, int32_t y) const {
  int32_t c = -1, r = -1;
  MouseToCell(x, y, c, r);
  if (c < 0 || r < 0) return false;
  const TRect rect = PlatformCellRect(c, r);
  bool result = false;
  if (r <= FixedRows() && (Options() & goColSizing)) result = x - rect.Left < 4 || rect.Right - x < 4;
  if (c <= FixedCols() && (Options() & goRowSizing)) result = y - rect.Top < 4 || rect.Bottom - y < 4;
  return result;
}

void TQrvStringGrid::ColumnMoved(int32_t fromIndex, int32_t toIndex) {
  const int32_t from = RealColIndex(fromIndex);
  const int32_t to = RealColIndex(toIndex);
  if (from == to) return;
  MoveColumnOrderEntry(from, to);
  Store().MoveCol(from, to);
  auto rotate = [from, to](auto& list) {
    if (from < to)
      std::rotate(list.begin() + from, list.begin() + from + 1, list.begin() + to + 1);
    else
      std::rotate(list.begin() + to, list.begin() + from, list.begin() + from + 1);
  };
  if (std::max(from, to) <= MaxHiddenMapCols) {
    rotate(FVisibleCol);
    rotate(FAllColWidths);
  }
  for (auto& item : FGridItems) {
    auto& cells = item->Items();
    if (cells.size() <= static_cast<size_t>(std::max(from, to)))
      cells.resize(static_cast<size_t>(std::max(from, to)) + 1);
    rotate(cells);
  }
  FollowColumnMove(fromIndex, toIndex);
  // By real index: the move has shifted the hidden columns, so the display indexes no longer name these columns.
  FollowSyncGrid(TSyncFollow::Column, from, to);
}
