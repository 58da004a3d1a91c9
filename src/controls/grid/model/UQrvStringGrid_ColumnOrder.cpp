// The column order list (where each column started), moves that keep it, and the sort cross-reference lookups.
#include <algorithm>

#include "UQrvStringGrid.h"

void TQrvStringGrid::SetColumnOrder() {
  FColumnOrder->Clear();
  for (int32_t c = 0; c < ColCount(); ++c) FColumnOrder->Add(c);
}

int32_t TQrvStringGrid::ColumnPosition(int32_t aCol) const {
  if (FColumnOrder->Count() == 0) return aCol;
  int32_t result = aCol;
  const int32_t last = std::min(FColumnOrder->Count(), AllColCount());
  for (int32_t p = 0; p < last; ++p) {
    if (FColumnOrder->GetInteger(p) == aCol) {
      result = p;
      break;
    }
  }
  if (GroupColumn != -1 && aCol >= GroupColumn) --result;
  return result;
}

int32_t TQrvStringGrid::ColumnAtPosition(int32_t aPos) {
  if (FColumnOrder->Count() == 0) SetColumnOrder();
  // Positions outside the list have no recorded column: they stand for themselves.
  if (aPos < 0 || aPos >= FColumnOrder->Count()) return aPos;
  int32_t a = FColumnOrder->GetInteger(aPos);
  if (GroupColumn != -1 && a >= GroupColumn) ++a;
  return a;
}

bool TQrvStringGrid::IsColumnOrderPermutation(const std::vector<int32_t>& order) const {
  std::vector<bool> seen(order.size(), false);
  for (int32_t value : order) {
    if (value < 0 || value >= static_cast<int32_t>(order.size()) || seen[static_cast<size_t>(value)]) return false;
    seen[static_cast<size_t>(value)] = true;
  }
  return true;
}

void TQrvStringGrid::ResetColumnOrder() {
  const int32_t count = AllColCount();
  if (FColumnOrder->Count() > 0) {
    if (FColumnOrder->Count() < count) return;
    std::vector<int32_t> order;
    for (int32_t p = 0; p < count; ++p) order.push_back(FColumnOrder->GetInteger(p));
    if (!IsColumnOrderPermutation(order)) return;
  }
  UnHideColumnsAll();
  if (FColumnOrder->Count() == 0) {
    SetColumnOrder();
    return;
  }
  // Each move puts one column at its first position for good, so the passes end.
  bool moved = true;
  while (moved) {
    moved = false;
    for (int32_t p = 0; p < ColCount(); ++p) {
      const int32_t entry = FColumnOrder->GetInteger(p);
      if (entry < p) {
        MoveColumn(p, entry);
        moved = true;
      }
    }
  }
}

void TQrvStringGrid::MoveColumnOrderEntry(int32_t from, int32_t to) {
  const int32_t count = FColumnOrder->Count();
  if (from < 0 || to < 0 || from >= count || to >= count || from == to) return;
  const int32_t value = FColumnOrder->GetInteger(from);
  FColumnOrder->Delete(from);
  FColumnOrder->Insert(to, value);
}

bool TQrvStringGrid::ApplyColumnPositions(const std::vector<int32_t>& positions) {
  const int32_t count = AllColCount();
  if (static_cast<int32_t>(positions.size()) != count || !IsColumnOrderPermutation(positions)) return false;
  // The reset moves the column at position q to the list's entry q: give it, per first index, the position the
  // stored order shows that column at.
  std::vector<int32_t> inverse(positions.size());
  for (size_t p = 0; p < positions.size(); ++p) inverse[static_cast<size_t>(positions[p])] = static_cast<int32_t>(p);
  std::vector<int32_t> hidden;
  for (int32_t c = 0; c < count; ++c)
    if (IsHiddenColumn(c)) hidden.push_back(c);
  FColumnOrder->Clear();
  for (int32_t value : inverse) FColumnOrder->Add(value);
  ResetColumnOrder();
  for (int32_t c : hidden) HideColumn(c);
  FColumnOrder->Clear();
  for (int32_t value : positions) FColumnOrder->Add(value);
  return true;
}

QString TQrvStringGrid::GetOriginalCells(int32_t c, int32_t r) const {
  const int32_t p = ColumnPosition(c);
  return Cells(p == -1 ? c : p, r);
}

void TQrvStringGrid::SetOriginalCells(int32_t c, int32_t r, const QString& value) {
  const int32_t p = ColumnPosition(c);
  SetCells(p == -1 ? c : p, r, value);
}

int32_t TQrvStringGrid::UnSortedPosition(int32_t r) const {
  if (FSortRowXRef->Count() < r) return r;
  for (int32_t i = 0; i < FSortRowXRef->Count(); ++i)
    if (FSortRowXRef->GetInteger(i) == r) return i;
  return FSortRowXRef->Count();
}

QString TQrvStringGrid::GetUnSortedCell(int32_t c, int32_t r) const {
  return Cells(c, UnSortedPosition(r));
}

void TQrvStringGrid::SetUnSortedCell(int32_t c, int32_t r, const QString& value) {
  SetCells(c, UnSortedPosition(r), value);
}

int32_t TQrvStringGrid::SortedRowIndex(int32_t aRow) const {
  const int32_t a = aRow >= 0 && aRow < FSortRowXRef->Count() ? FSortRowXRef->GetInteger(aRow) : aRow;
  return RealRowIndex(a);
}

int32_t TQrvStringGrid::UnSortedRowIndex(int32_t aRow) const {
  if (FSortRowXRef->Count() == 0) return aRow;
  for (int32_t i = 0; i < FSortRowXRef->Count(); ++i)
    if (FSortRowXRef->GetInteger(i) == aRow) return i;
  return FSortRowXRef->Count();
}
