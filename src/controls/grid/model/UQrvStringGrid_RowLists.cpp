// The per-row lists (modified rows, enabled rows, disjunct row selection) kept in step with the rows, and the
// removal of selected or unselected rows.
#include <algorithm>

#include "UQrvStringGrid.h"

void TQrvStringGrid::InsertRowListEntries(int32_t aRow, int32_t count) {
  // A new row is neither modified nor disabled; lists that end above it stay as they are.
  for (int32_t i = 0; i < count; ++i) {
    if (FShowModifiedEnabled && aRow < FModifiedRows->Count()) FModifiedRows->Insert(aRow, 0);
    if (FUseEnabledRows && aRow < FEnabledRows->Count()) FEnabledRows->Insert(aRow, 0);
  }
}

void TQrvStringGrid::RemoveRowListEntries(int32_t rowIndex, int32_t count, bool modifiedAndEnabled) {
  for (int32_t i = 0; i < count; ++i) {
    if (modifiedAndEnabled && FShowModifiedEnabled && rowIndex < FModifiedRows->Count())
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

void TQrvStringGrid::RemoveSelectedRows() {
  BeginUpdate();
  if (FMouseActions->DisjunctRowSelect()) {
    std::vector<int32_t> selected;
    for (int32_t r = RowCount() - FFixedFooters - 1; r >= FixedRows(); --r)
      if (RowFlagSet(r)) selected.push_back(r);
    // Descending: each removal leaves the rows still to remove where they were.
    for (int32_t r : selected) RemoveRowBlock(r, 1);
    std::fill(FRowSelect.begin(), FRowSelect.end(), uint8_t{0});
    FSelectedRows->Clear();
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
  if (FMouseActions->RowSelectPersistent()) {
    for (int32_t r = FixedRows(); r < RowCount(); ++r) {
      const auto idx = static_cast<size_t>(RealRowIndex(r));
      if (FRowSelect.size() <= idx) FRowSelect.resize(idx + 1, 0);
      FRowSelect[idx] = 1;
    }
  } else {
    std::fill(FRowSelect.begin(), FRowSelect.end(), uint8_t{0});
    FSelectedRows->Clear();
  }
  Invalidate();
  EndUpdate();
}
