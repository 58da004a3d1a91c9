// Sorting by a click on the sort row, and the row sort it runs: the normal rows by one column, and the way back
// to the order from before the first sort.
#include <QElapsedTimer>
#include <algorithm>
#include <numeric>

#include "UQrvStringGrid.h"

void TQrvStringGrid::RunClickSort(int32_t c, int32_t x, int32_t y, TShiftState /*shift*/) {
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
  QElapsedTimer timer;
  timer.start();
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
  if (sortNow) QSort();
  FSortTime = static_cast<int32_t>(timer.elapsed());
  ClickSort(SortSettings.Column);
}

void TQrvStringGrid::InitSortXRef() {
  SortRowXRef().Clear();
  for (int32_t r = 0; r < RowCount(); ++r) SortRowXRef().Add(r);
}

void TQrvStringGrid::ApplyRowOrder(const std::vector<int32_t>& order, int32_t first) {
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
  const int32_t col = SortSettings.Column;
  const int32_t first = FixedRows();
  const int32_t last = RowCount() - 1 - FixedFooters();
  if (col < 0 || col >= ColCount() || last <= first) return;
  if (SortRowXRef().Count() != RowCount()) InitSortXRef();
  const int32_t real = RealColIndex(col);
  std::vector<int32_t> order(static_cast<size_t>(last - first + 1));
  std::iota(order.begin(), order.end(), first);
  const bool descending = SortSettings.Direction == sdDescending;
  // Numbers sort by value and before texts; texts ignore case.
  auto less = [&](int32_t a, int32_t b) {
    const QString ta = Cells(real, a).trimmed(), tb = Cells(real, b).trimmed();
    bool na = false, nb = false;
    const double va = ta.toDouble(&na), vb = tb.toDouble(&nb);
    if (na && nb) return va < vb;
    if (na != nb) return na;
    return QString::compare(ta, tb, Qt::CaseInsensitive) < 0;
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](int32_t a, int32_t b) { return descending ? less(b, a) : less(a, b); });
  ApplyRowOrder(order, first);
}

void TQrvStringGrid::QUnSort() {
  if (SortRowXRef().Count() != RowCount()) return;
  std::vector<int32_t> order(static_cast<size_t>(RowCount()));
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int32_t a, int32_t b) { return SortRowXRef().GetInteger(a) < SortRowXRef().GetInteger(b); });
  ApplyRowOrder(order, 0);
  InitSortXRef();
}
