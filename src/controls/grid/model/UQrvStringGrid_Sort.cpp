// Sorting by a click on the sort row, and the row sorts it runs: the normal rows by one column or by the sort
// indexes (several columns in order of precedence), inside the groups of a node tree, and the way back to the
// order from before the first sort.
#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <numeric>

#include "UGridError.h"
#include "UQrvStringGrid.h"

namespace {
// How two cell texts sort in ascending order: numbers by value and before texts; texts ignore case.
int32_t CompareSortTexts(const QString& a, const QString& b) {
  const QString ta = a.trimmed(), tb = b.trimmed();
  bool na = false, nb = false;
  const double va = ta.toDouble(&na), vb = tb.toDouble(&nb);
  if (na && nb) return va < vb ? -1 : vb < va ? 1 : 0;
  if (na != nb) return na ? -1 : 1;
  const int32_t c = QString::compare(ta, tb, Qt::CaseInsensitive);
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

// Rows a and b compared on display column col in the direction given; an ignored column holds equal rows.
int32_t CompareRowsOn(TQrvStringGrid& g, int32_t col, bool ascending, int32_t a, int32_t b) {
  if (col < 0 || col >= g.ColCount() || g.IsIgnoredColumn(col)) return 0;
  const int32_t real = g.RealColIndex(col);
  const int32_t result = CompareSortTexts(g.Cells(real, a), g.Cells(real, b));
  return ascending ? result : -result;
}

// The sort indexes decide in their order; a tie passes to the next entry.
int32_t CompareRowsIndexed(TQrvStringGrid& g, int32_t a, int32_t b) {
  const TSortIndexList& indexes = g.SortIndexes();
  for (int32_t i = 0; i < indexes.Count(); ++i)
    if (const int32_t r = CompareRowsOn(g, indexes.GetSortColumns(i), indexes.GetSortDirections(i), a, b); r != 0)
      return r;
  return 0;
}

// The comparison of a sort by SortSettings.Column, none without a sort column. Such a sort ends an indexed sort.
std::function<int32_t(int32_t, int32_t)> ColumnSort(TQrvStringGrid& g) {
  const int32_t col = g.SortSettings.Column;
  if (col < 0 || col >= g.ColCount()) return {};
  if (g.SortRowXRef().Count() != g.RowCount()) g.InitSortXRef();
  g.SortIndexes().Clear();
  const bool ascending = g.SortSettings.Direction == sdAscending;
  return [&g, col, ascending](int32_t a, int32_t b) { return CompareRowsOn(g, col, ascending, a, b); };
}

// The child rows (first, last) of every expanded node of the deepest node level among the normal rows.
std::vector<std::pair<int32_t, int32_t>> DeepestNodeGroups(TQrvStringGrid& g) {
  const int32_t first = g.FixedRows(), last = g.RowCount() - 1 - g.FixedFooters();
  int32_t deepest = -1;
  for (int32_t r = first; r <= last; ++r)
    if (g.IsNode(r)) deepest = std::max(deepest, g.GetNodeLevel(r));
  std::vector<std::pair<int32_t, int32_t>> groups;
  for (int32_t r = first; r <= last; ++r)
    if (g.IsNode(r) && g.GetNodeLevel(r) == deepest && !g.GetNodeState(r) && g.GetNodeSpan(r) > 2)
      groups.emplace_back(r + 1, std::min(r + g.GetNodeSpan(r) - 1, last));
  return groups;
}
}  // namespace

void TQrvStringGrid::RunClickSort(int32_t c, int32_t x, int32_t y, TShiftState shift) {
  int32_t pc = -1, pr = -1, rc = -1, rr = -1;
  MouseToCell(FClickX, FClickY, pc, pr);
  MouseToCell(x, y, rc, rr);
  const TRect rect = CellRect(c, rr);
  // A release on a header edge ends a sizing press, not a sort.
  if (rr == 0 && (Options() & goColSizing) && (x - rect.Left < 4 || rect.Right - x < 4)) return;
  // Nor does a release on a header's drop-down button.
  if (rect.Right - x <= 16 && ShowsFixedDropDown(c, rr)) return;
  const int32_t real = RealColIndex(c);
  bool doSort = SortSettings.Show && pr == SortSettings.Row && rr == SortSettings.Row && FixedRows() > 0 &&
                RowCount() > 2 && !IsIgnoredColumn(c) && !(HasCheckBox(real, rr) && IsInCheckBox(real, rr, x, y));
  if (doSort && OnCanSort) OnCanSort(this, c, doSort);
  if (!doSort) {
    RepaintCell(c, rr);
    return;
  }
  HideInplaceEditor();
  if (SortRowXRef().Count() != RowCount()) InitSortXRef();
  // Merged cells cannot travel with the rows: they are split for the sort and the merged columns merged again.
  const bool remerge = SortSettings.AutoColumnMerge;
  if (remerge) SplitAllColumnCells();
  QElapsedTimer timer;
  timer.start();
  if (SortSettings.IndexShow) {
    // The index key adds a column to the sort (or turns its direction); a plain click sorts by that column alone.
    TSortIndexList& indexes = SortIndexes();
    const bool ascending = SortSettings.InitSortDirection == sdAscending;
    const bool indexKey = shift.testFlag(SortSettings.IndexSortKey == ikCtrl ? ssCtrl : ssShift);
    const int32_t at = indexes.FindIndex(c);
    if (at >= 0 && (indexKey || indexes.Count() == 1)) {
      indexes.ToggleIndex(c);
    } else {
      if (!indexKey) indexes.Clear();
      indexes.AddIndex(c, ascending);
    }
    HasNodes() ? QSortGroupIndexed() : QSortIndexed();
    SortSettings.Column = indexes.Count() > 0 ? indexes.GetSortColumns(0) : -1;
  } else {
    bool sortNow = true;
    if (c == SortSettings.Column) {
      if (SortSettings.Direction != SortSettings.InitSortDirection && SortSettings.UndoSort) {
        QUnSort();
        SortSettings.Column = -1;
        sortNow = false;
      } else {
        SortSettings.Direction = SortSettings.Direction == sdAscending ? sdDescending : sdAscending;
      }
    } else {
      SortSettings.Direction = SortSettings.InitSortDirection;
      SortSettings.Column = c;
    }
    if (sortNow) HasNodes() ? QSortGroup() : QSort();
  }
  FSortTime = static_cast<int32_t>(timer.elapsed());
  if (remerge) MergeAllColumnCells();
  ClickSort(SortSettings.Column);
}

void TQrvStringGrid::InitSortXRef() {
  SortRowXRef().Clear();
  for (int32_t r = 0; r < RowCount(); ++r) SortRowXRef().Add(r);
}

void TQrvStringGrid::SortRows(int32_t first, int32_t last, const std::function<int32_t(int32_t, int32_t)>& compare) {
  if (last <= first) return;
  std::vector<int32_t> order(static_cast<size_t>(last - first + 1));
  std::iota(order.begin(), order.end(), first);
  // Stable: rows that compare equal keep their order.
  std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) { return compare(a, b) < 0; });
  // cur[i]: which of the rows of the block stands at first + i now.
  std::vector<int32_t> cur(order.size());
  std::iota(cur.begin(), cur.end(), first);
  const bool xref = SortRowXRef().Count() == RowCount();
  BeginUpdate();
  for (size_t k = 0; k < order.size(); ++k) {
    const auto at = std::find(cur.begin() + static_cast<std::ptrdiff_t>(k), cur.end(), order[k]);
    const auto j = static_cast<size_t>(at - cur.begin());
    if (j == k) continue;
    const int32_t from = first + static_cast<int32_t>(j), to = first + static_cast<int32_t>(k);
    MoveRow(from, to);
    std::rotate(cur.begin() + static_cast<std::ptrdiff_t>(k), at, at + 1);
    if (xref) {
      const int32_t value = SortRowXRef().GetInteger(from);
      SortRowXRef().Delete(from);
      SortRowXRef().Insert(to, value);
    }
  }
  EndUpdate();
}

void TQrvStringGrid::QSort() {
  if (const auto compare = ColumnSort(*this)) SortRows(FixedRows(), RowCount() - 1 - FixedFooters(), compare);
}

void TQrvStringGrid::QSortIndexed() {
  if (SortRowXRef().Count() != RowCount()) InitSortXRef();
  if (SortIndexes().Count() == 0) throw EQrvGridError(QStringLiteral("No indexes specified for indexed sort"));
  SortRows(FixedRows(), RowCount() - 1 - FixedFooters(),
           [&](int32_t a, int32_t b) { return CompareRowsIndexed(*this, a, b); });
}

void TQrvStringGrid::QSortGroup() {
  if (const auto compare = ColumnSort(*this))
    for (const auto& [first, last] : DeepestNodeGroups(*this)) SortRows(first, last, compare);
}

void TQrvStringGrid::QSortGroupIndexed() {
  if (SortRowXRef().Count() != RowCount()) InitSortXRef();
  for (const auto& [first, last] : DeepestNodeGroups(*this))
    SortRows(first, last, [&](int32_t a, int32_t b) { return CompareRowsIndexed(*this, a, b); });
}

void TQrvStringGrid::QUnSort() {
  if (SortRowXRef().Count() != RowCount()) return;
  const TIntList& xref = SortRowXRef();
  SortRows(0, RowCount() - 1, [&](int32_t a, int32_t b) { return xref.GetInteger(a) - xref.GetInteger(b); });
  InitSortXRef();
}
