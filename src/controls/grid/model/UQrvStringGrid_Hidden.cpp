// Hidden columns stay in the store and leave the display; hidden rows leave the store and are parked.
#include <algorithm>

#include "UQrvStringGrid.h"

bool TQrvStringGrid::IsHiddenColumn(int32_t colIndex) const {
  if (colIndex < 0 || colIndex >= MaxHiddenMapCols) return false;
  return !FVisibleCol[colIndex];
}

int32_t TQrvStringGrid::RealToDisplayCol(int32_t c) const {
  if (c < 0 || c >= MaxHiddenMapCols || FNumHidden == 0) return c;
  int32_t hidden = 0;
  for (int32_t i = 0; i < c; ++i)
    if (!FVisibleCol[i]) ++hidden;
  return c - hidden;
}

int32_t TQrvStringGrid::DisplayToRealCol(int32_t d) const {
  if (d < 0 || d >= MaxHiddenMapCols || FNumHidden == 0) return d;
  int32_t shown = 0;
  for (int32_t j = 0; j < MaxHiddenMapCols; ++j) {
    if (!FVisibleCol[j]) continue;
    if (shown == d) return j;
    ++shown;
  }
  return 0;
}

void TQrvStringGrid::HideColumns(int32_t fromCol, int32_t toCol) {
  fromCol = std::max(fromCol, 0);
  // The visibility table ends at 512; a column past it cannot be hidden.
  toCol = std::min(toCol, MaxHiddenMapCols - 1);
  for (int32_t c = fromCol; c <= toCol; ++c) {
    if (!FVisibleCol[c] || c >= ColCount() + FNumHidden || ColCount() <= 1) continue;
    const int32_t d = RealToDisplayCol(c);
    FAllColWidths[c] = static_cast<int16_t>(ColWidths(d));
    auto& widths = ColWidthList();
    widths.erase(widths.begin() + d);
    widths.push_back(DefaultColWidth());
    ++FNumHidden;
    FVisibleCol[c] = false;
    if (Col() == ColCount() - 1 && Col() > 0) MoveCurrent(Col() - 1, Row(), true, false);
    SetColCount(ColCount() - 1);
  }
  Invalidate();
  CellControlsUpdate(false);
}

void TQrvStringGrid::UnHideColumns(int32_t fromCol, int32_t toCol) {
  fromCol = std::max(fromCol, 0);
  toCol = std::min(toCol, MaxHiddenMapCols - 1);
  for (int32_t c = fromCol; c <= toCol; ++c) {
    if (FVisibleCol[c]) continue;
    --FNumHidden;
    FVisibleCol[c] = true;
    SetColCount(ColCount() + 1);
    const int32_t d = RealToDisplayCol(c);
    auto& widths = ColWidthList();
    widths.pop_back();
    widths.insert(widths.begin() + d, FAllColWidths[c]);
  }
  NotifyGeometry();
  Invalidate();
  CellControlsUpdate(false);
}

void TQrvStringGrid::UnHideColumnsAll() {
  UnHideColumns(0, ColCount() + FNumHidden - 1);
}

int32_t TQrvStringGrid::AllColWidths(int32_t i) const {
  if (i < 0 || i > MaxHiddenMapCols) return 0;
  return IsHiddenColumn(i) ? FAllColWidths[i] : ColWidths(DisplColIndex(i));
}

void TQrvStringGrid::SetAllColWidths(int32_t i, int32_t value) {
  if (i < 0 || i > MaxHiddenMapCols) return;
  FAllColWidths[i] = static_cast<int16_t>(value);
  if (!IsHiddenColumn(i)) SetColWidths(DisplColIndex(i), value);
}

int32_t TQrvStringGrid::ParkedBelow(int32_t realIndex) const {
  int32_t n = 0;
  for (const auto& item : FGridItems)
    if (item->Idx() < realIndex) ++n;
  return n;
}

TGridItem* TQrvStringGrid::ParkedItem(int32_t realIndex) const {
  for (const auto& item : FGridItems)
    if (item->Idx() == realIndex) return item.get();
  return nullptr;
}

bool TQrvStringGrid::IsHiddenRow(int32_t rowIndex) const {
  return ParkedItem(rowIndex) != nullptr;
}

std::vector<TParkedCell>* TQrvStringGrid::HiddenRowStrings(int32_t idx) {
  TGridItem* item = ParkedItem(idx);
  return item ? &item->Items() : nullptr;
}

int32_t TQrvStringGrid::DisplayToRealRow(int32_t r) const {
  if (FGridItems.empty()) return r;
  std::vector<int32_t> parked;
  parked.reserve(FGridItems.size());
  for (const auto& item : FGridItems) parked.push_back(item->Idx());
  std::sort(parked.begin(), parked.end());
  int32_t real = r;
  for (int32_t idx : parked)
    if (idx <= real) ++real;
  return real;
}

int32_t TQrvStringGrid::RealToDisplayRow(int32_t r) const {
  return r - ParkedBelow(r);
}

std::unique_ptr<TGridItem> TQrvStringGrid::ParkRow(int32_t storeRow, int32_t realIndex) {
  auto item = std::make_unique<TGridItem>();
  item->SetIdx(realIndex);
  item->SetHeight(RowHeights(storeRow));
  const int32_t columns = std::max(TotalColCount(), Store().ObjectSlotCount(storeRow));
  item->Items().resize(static_cast<size_t>(columns));
  for (int32_t c = 0; c < columns; ++c) {
    item->Items()[c].Text = Store().Text(c, storeRow);
    item->Items()[c].Object = Store().Object(c, storeRow);
  }
  return item;
}

void TQrvStringGrid::RestoreRow(TGridItem& item, int32_t storeRow) {
  auto& cells = item.Items();
  for (size_t c = 0; c < cells.size(); ++c) {
    Store().SetText(static_cast<int32_t>(c), storeRow, cells[c].Text);
    Store().SetObject(static_cast<int32_t>(c), storeRow, cells[c].Object);
    // The slot is the store's again: the item must not free it.
    cells[c].Object = nullptr;
  }
  SetRowHeights(storeRow, item.Height());
}

void TQrvStringGrid::HideRows(int32_t fromRow, int32_t toRow) {
  if (fromRow < 0 || toRow < fromRow) return;
  int32_t already = 0;
  for (const auto& item : FGridItems)
    if (item->Idx() >= fromRow && item->Idx() <= toRow) ++already;
  if (already == toRow - fromRow + 1) return;
  int32_t p = ParkedBelow(fromRow);
  const int32_t d = fromRow - p;
  int32_t parkedNow = 0;
  for (int32_t r = fromRow; r <= toRow; ++r) {
    if (IsHiddenRow(r)) continue;
    const int32_t storeRow = d + parkedNow;
    // Rows past the end of the grid do not exist: nothing to park.
    if (storeRow >= RowCount()) break;
    FGridItems.insert(FGridItems.begin() + p, ParkRow(storeRow, r));
    ++p;
    ++parkedNow;
  }
  if (parkedNow > 0) DeleteRowBlock(d, parkedNow);
  CellControlsUpdate(false);
}

void TQrvStringGrid::HideRowsEx(int32_t fromRow, int32_t toRow) {
  if (fromRow < 0 || toRow < fromRow || IsHiddenRow(fromRow)) return;
  const int32_t d = fromRow - ParkedBelow(fromRow);
  const int32_t count = std::min(toRow - fromRow + 1, RowCount() - d);
  if (count <= 0) return;
  for (int32_t k = 0; k < count; ++k) FGridItems.push_back(ParkRow(d + k, fromRow + k));
  RemoveRowsExImpl(d, count, false);
  CellControlsUpdate(false);
}

void TQrvStringGrid::HideRowList(const std::vector<int32_t>& rowList) {
  // Only rows that exist, each once, in ascending order.
  std::vector<int32_t> rows;
  for (int32_t r : rowList)
    if (r >= 0 && r < RowCount()) rows.push_back(r);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  for (int32_t r : rows) {
    auto item = ParkRow(r, r);
    item->SetLevel(FFilterLevel);
    FGridItems.push_back(std::move(item));
  }
  ++FFilterLevel;
  if (rows.empty()) return;
  Store().RemoveRowList(rows);
  auto& heights = RowHeightList();
  std::vector<int32_t> kept;
  kept.reserve(heights.size());
  size_t next = 0;
  for (size_t r = 0; r < heights.size(); ++r) {
    if (next < rows.size() && static_cast<size_t>(rows[next]) == r) {
      ++next;
      continue;
    }
    kept.push_back(heights[r]);
  }
  kept.resize(heights.size(), DefaultRowHeight());
  heights = std::move(kept);
  SetRowCount(RowCount() - static_cast<int32_t>(rows.size()));
  CellsChanged(TRect{0, 0, ColCount() - 1, RowCount() - 1});
  CellControlsUpdate(false);
}

void TQrvStringGrid::UnHideRow(int32_t rowIndex) {
  auto it =
      std::find_if(FGridItems.begin(), FGridItems.end(), [&](const auto& item) { return item->Idx() == rowIndex; });
  if (it == FGridItems.end()) return;
  const int32_t d = rowIndex - ParkedBelow(rowIndex);
  std::unique_ptr<TGridItem> item = std::move(*it);
  FGridItems.erase(it);
  InsertRowBlock(d, 1);
  RestoreRow(*item, d);
  CellControlsUpdate(false);
}

void TQrvStringGrid::UnHideRows(int32_t fromRow, int32_t toRow) {
  if (!IsHiddenRow(fromRow) || toRow < fromRow) return;
  std::vector<int32_t> parked;
  for (const auto& item : FGridItems)
    if (item->Idx() >= fromRow && item->Idx() <= toRow) parked.push_back(item->Idx());
  // Ascending: every row comes back after the rows below it, so each lands at its place among its neighbours.
  std::sort(parked.begin(), parked.end());
  for (int32_t idx : parked) UnHideRow(idx);
}

void TQrvStringGrid::UnHideRowsAll() {
  // Filter levels first, newest first, each restoring its rows at its own indexes; then the rows hidden otherwise.
  while (FFilterLevel > 0) {
    UnHideRowList();
    --FFilterLevel;
  }
  std::vector<int32_t> parked;
  for (const auto& item : FGridItems) parked.push_back(item->Idx());
  std::sort(parked.begin(), parked.end());
  for (int32_t idx : parked) UnHideRow(idx);
}

void TQrvStringGrid::UnHideRowList() {
  std::vector<TGridItem*> level;
  for (const auto& item : FGridItems)
    if (item->Level() + 1 == FFilterLevel) level.push_back(item.get());
  if (level.empty()) return;
  std::stable_sort(level.begin(), level.end(), [](TGridItem* a, TGridItem* b) { return a->Idx() < b->Idx(); });
  if (Row() >= RowCount()) MoveCurrent(FixedCols(), FixedRows(), true, false);
  for (TGridItem* item : level) {
    const int32_t at = std::min(item->Idx(), RowCount());
    InsertRowBlock(at, 1);
    RestoreRow(*item, at);
  }
  FGridItems.erase(std::remove_if(FGridItems.begin(), FGridItems.end(),
                                  [&](const auto& item) { return item->Level() + 1 == FFilterLevel; }),
                   FGridItems.end());
  CellControlsUpdate(false);
}
