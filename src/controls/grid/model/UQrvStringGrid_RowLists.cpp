// The per-row lists (modified rows, enabled rows, disjunct row selection) kept in step with the rows, and the
// removal of selected or unselected rows.
#include <algorithm>

#include "UQrvStringGrid.h"

void TQrvStringGrid::InsertRowListEntries(int32_t aRow, int32_t count) {
  // A new row is neither modified nor disabled; lists that end above it stay as they are.
  for (int32_t i = 0; i < count; ++i) {
    if (ShowModified.Enabled && aRow < FModifiedRows->Count()) FModifiedRows->Insert(aRow, 0);
    if (FUseEnabledRows && aRow < FEnabledRows->Count()) FEnabledRows->Insert(aRow, 0);
  }
}

void TQrvStringGrid::RemoveRowListEntries(int32_t rowIndex, int32_t count, bool modifiedAndEnabled) {
  for (int32_t i = 0; i < count; ++i) {
    if (modifiedAndEnabled && ShowModified.Enabled && rowIndex < FModifiedRows->Count())
      FModifiedRows->Delete(rowIndex);
    if (modifiedAndEnabled && FUseEnabledRows && rowIndex < FEnabledRows->Count()) FEnabledRows->Delete(rowIndex);
    if (FMouseActions->DisjunctRowSelect() && rowIndex >= 0 && rowIndex < static_cast<int32_t>(FRowSelect.size()))
      FRowSelect.erase(FRowSelect.begin() + rowIndex);
  }
}

bool TQrvStringGrid::RowFlagSet(int32_t displayRow) const {
  if (FMouseActions->DisjunctRowSelect()) {
    const int32_t idx = FMouseActions->RowSelectPersistent() ? RealRowIndex(displayRow) : displayRow;
    return idx >= 0 && idx < static_cast<int32_t>(FRowSelect.size()) && FRowSelect[static_cast<size_t>(idx)] != 0;
  }
  const TGridRect sel = Selection();
  return displayRow >= std::min(sel.Top, sel.Bottom) && displayRow <= std::max(sel.Top, sel.Bottom);
}

void TQrvStringGrid::RemoveCheckedRows(int32_t checkBoxColumn, bool removeChecked) {
  BeginUpdate();
  // From the bottom up: a removal leaves the rows still to test where they were.
  for (int32_t r = RowCount() - 1; r >= FixedRows(); --r)
    if (IsChecked(checkBoxColumn, r) == removeChecked) RemoveRows(r, 1);
  EndUpdate();
}

void TQrvStringGrid::RemoveSelectedRows() {
  BeginUpdate();
  if (FMouseActions->DisjunctRowSelect()) {
    std::vector<int32_t> selected;
    for (int32_t r = RowCount() - FFixedFooters - 1; r >= FixedRows(); --r)
      if (RowFlagSet(r)) selected.push_back(r);
    // Descending: each removal leaves the rows still to remove where they were.
    for (int32_t r : selected) RemoveRowBlock(r, 1);
    ClearRowSelect();
    Invalidate();
  } else {
    const TGridRect sel = Selection();
    const int32_t top = std::min(sel.Top, sel.Bottom);
    for (int32_t r = std::max(sel.Top, sel.Bottom); r >= top; --r) RemoveRowBlock(r, 1);
  }
  EndUpdate();
}

void TQrvStringGrid::RemoveUnSelectedRows() {
  BeginUpdate();
  for (int32_t r = RowCount() - FFixedFooters - 1; r >= FixedRows(); --r)
    if (!RowFlagSet(r)) RemoveRowBlock(r, 1);
  if (FMouseActions->RowSelectPersistent())
    SelectRows(FixedRows(), RowCount() - FixedRows());
  else
    ClearRowSelect();
  Invalidate();
  EndUpdate();
}

namespace {

// Moves count entries from fromIndex so that the first lands at toIndex (its place after the move). A list that
// ends above both places is left alone; one that reaches into them is first padded with 0 (not set).
template <typename TGet, typename TSet>
void MoveEntries(int32_t size, int32_t fromIndex, int32_t toIndex, int32_t count, TGet get, TSet set,
                 const std::function<void(int32_t)>& resize) {
  if (size <= std::min(fromIndex, toIndex)) return;
  const int32_t needed = std::max(fromIndex, toIndex) + count;
  if (size < needed) resize(needed);
  std::vector<int32_t> values;
  for (int32_t i = 0; i < needed; ++i) values.push_back(get(i));
  std::vector<int32_t> moved(values.begin() + fromIndex, values.begin() + fromIndex + count);
  values.erase(values.begin() + fromIndex, values.begin() + fromIndex + count);
  values.insert(values.begin() + toIndex, moved.begin(), moved.end());
  for (int32_t i = 0; i < needed; ++i) set(i, values[static_cast<size_t>(i)]);
}

void MoveListEntries(TIntList& list, int32_t fromIndex, int32_t toIndex, int32_t count) {
  MoveEntries(
      list.Count(), fromIndex, toIndex, count, [&list](int32_t i) { return list.GetInteger(i); },
      [&list](int32_t i, int32_t v) {
        if (list.GetInteger(i) != v) list.SetInteger(i, v);
      },
      [&list](int32_t n) {
        while (list.Count() < n) list.Insert(list.Count(), 0);
      });
}

void MoveFlagEntries(std::vector<uint8_t>& flags, int32_t fromIndex, int32_t toIndex, int32_t count) {
  MoveEntries(
      static_cast<int32_t>(flags.size()), fromIndex, toIndex, count,
      [&flags](int32_t i) { return int32_t(flags[static_cast<size_t>(i)]); },
      [&flags](int32_t i, int32_t v) { flags[static_cast<size_t>(i)] = static_cast<uint8_t>(v); },
      [&flags](int32_t n) { flags.resize(static_cast<size_t>(n), 0); });
}

}  // namespace

void TQrvStringGrid::MoveRowListEntries(int32_t fromIndex, int32_t toIndex, int32_t count) {
  if (fromIndex < 0 || toIndex < 0 || count <= 0 || fromIndex == toIndex) return;
  if (ShowModified.Enabled) MoveListEntries(*FModifiedRows, fromIndex, toIndex, count);
  if (FUseEnabledRows) MoveListEntries(*FEnabledRows, fromIndex, toIndex, count);
  // Persistent flags belong to real rows, which a move does not renumber.
  if (FMouseActions->DisjunctRowSelect() && !FMouseActions->RowSelectPersistent())
    MoveFlagEntries(FRowSelect, fromIndex, toIndex, count);
}

bool TQrvStringGrid::ColFlagSet(int32_t col) const {
  if (FMouseActions->DisjunctColSelect())
    return col >= 0 && col < static_cast<int32_t>(FColSelect.size()) && FColSelect[static_cast<size_t>(col)] != 0;
  const TGridRect sel = Selection();
  return col >= std::min(sel.Left, sel.Right) && col <= std::max(sel.Left, sel.Right);
}

void TQrvStringGrid::RemoveSelectedCols() {
  if (FMouseActions->DisjunctColSelect()) {
    for (int32_t c = ColCount() - 1; c >= FixedCols(); --c) {
      if (!ColFlagSet(c)) continue;
      RemoveCols(c, 1);
      FColSelect.erase(FColSelect.begin() + c);
    }
    return;
  }
  const TGridRect sel = Selection();
  const int32_t left = std::min(sel.Left, sel.Right);
  RemoveCols(left, std::max(sel.Left, sel.Right) - left + 1);
}

void TQrvStringGrid::RemoveUnSelectedCols() {
  if (FMouseActions->DisjunctColSelect()) {
    for (int32_t c = ColCount() - 1; c >= FixedCols(); --c) {
      if (ColFlagSet(c)) continue;
      RemoveCols(c, 1);
      if (c < static_cast<int32_t>(FColSelect.size())) FColSelect.erase(FColSelect.begin() + c);
    }
  } else {
    const TGridRect sel = Selection();
    const int32_t left = std::min(sel.Left, sel.Right);
    const int32_t right = std::max(sel.Left, sel.Right);
    RemoveCols(right + 1, ColCount() - right);
    RemoveCols(FixedCols(), left - FixedCols());
  }
  std::fill(FColSelect.begin(), FColSelect.end(), uint8_t{0});
  Invalidate();
}

void TQrvStringGrid::HideSelectedRows() {
  for (int32_t r = RowCount() - 1; r >= FixedRows(); --r)
    if (RowFlagSet(r)) HideRows(RealRowIndex(r), RealRowIndex(r));
}

void TQrvStringGrid::HideUnSelectedRows() {
  int32_t r = FixedRows();
  while (r < RowCount()) {
    if (RowFlagSet(r)) {
      ++r;
      continue;
    }
    // The next row moves into this place.
    HideRows(RealRowIndex(r), RealRowIndex(r));
  }
}

bool TQrvStringGrid::IsHiddenRow(int32_t rowIndex, std::unique_ptr<TIntList>& listHidden) const {
  if (!listHidden) {
    listHidden = std::make_unique<TIntList>(0, 0);
    for (const auto& item : FGridItems) listHidden->Insert(listHidden->Count(), item->Idx());
  }
  return listHidden->HasValue(rowIndex);
}

void TQrvStringGrid::SearchFooterAction(const QString& value, int32_t aCol, int32_t aRow, TSearchAction action) {
  if (OnSearchFooterAction) OnSearchFooterAction(this, value, aCol, aRow, action);
}

void TQrvStringGrid::GetColumnFormat(int32_t aCol, TSortStyle& aStyle, QString& aPrefix, QString& aSuffix) {
  if (OnGetFormat) OnGetFormat(this, aCol, aStyle, aPrefix, aSuffix);
}
