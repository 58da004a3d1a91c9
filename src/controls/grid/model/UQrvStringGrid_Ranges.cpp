// Operations over a rectangle, a row, a column or the whole grid: clearing, trimming, colouring, merging runs of
// equal neighbours, joining columns, removing duplicate rows and small searches.
#include <QSet>
#include <algorithm>

#include "UCellProperties.h"
#include "UQrvStringGrid.h"
#include "UStrUtils.h"

void TQrvStringGrid::ClearRect(int32_t aCol1, int32_t aRow1, int32_t aCol2, int32_t aRow2) {
  for (int32_t r = aRow1; r <= aRow2; ++r) {
    for (int32_t i = aCol1; i <= aCol2; ++i) {
      const int32_t a = SaveHiddenCells ? RealColIndex(i) : i;
      if (!ClearTextOnly && GetGridObject(a, r)) {
        if (FNilObjects) {
          ClearCell(a, r);
        } else if (dynamic_cast<TCellProperties*>(GetGridObject(a, r))) {
          SetCellProperties(a, r, nullptr);
        }
      }
      if (!FDestroying && !GetGridCell(a, r).isEmpty()) {
        SetGridCell(a, r, QString());
        if (i != a)
          RepaintCell(i, r);
        else
          RepaintCell(a, r);
      }
    }
  }
  if (aCol1 <= 0 && aRow1 <= 0 && aCol2 >= ColCount() - 1 && aRow2 >= RowCount() - 1) FHasCellProps = false;
  if (!FDestroying && !FBlockCellChange) CellsChanged(TRect{RealColIndex(aCol1), aRow1, RealColIndex(aCol2), aRow2});
}

void TQrvStringGrid::ClearRows(int32_t rowIndex, int32_t rCount) {
  if (RowCount() > 0 && ColCount() > 0 && rCount > 0)
    ClearRect(0, rowIndex, TotalColCount() - 1, rowIndex + rCount - 1);
}

void TQrvStringGrid::ClearCols(int32_t colIndex, int32_t cCount) {
  if (RowCount() > 0 && ColCount() > 0 && cCount > 0) ClearRect(colIndex, 0, colIndex + cCount - 1, RowCount() - 1);
}

void TQrvStringGrid::ClearNormalRows(int32_t rowIndex, int32_t rCount) {
  if (RowCount() > 0 && ColCount() > 0 && rCount > 0)
    ClearRect(FixedCols(), rowIndex, TotalColCount() - FFixedRightCols - 1, rowIndex + rCount - 1);
}

void TQrvStringGrid::ClearNormalCols(int32_t colIndex, int32_t cCount) {
  if (RowCount() > 0 && ColCount() > 0 && cCount > 0)
    ClearRect(colIndex, FixedRows(), colIndex + cCount - 1, RowCount() - FFixedFooters - 1);
}

void TQrvStringGrid::ClearNormalCells() {
  if (RowCount() > 0 && ColCount() > 0)
    ClearRect(FixedCols(), FixedRows(), TotalColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1);
}

void TQrvStringGrid::Clear() {
  if (RowCount() > 0 && ColCount() > 0) ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
  IncrSearchText.clear();
  if (FNumHidden > 0) Invalidate();
}

void TQrvStringGrid::ClearAll() {
  Clear();
  // Parked rows lose their cells too, and the properties they carried are freed with them.
  for (auto& item : FGridItems) item->ClearItems();
}

void TQrvStringGrid::ClearSelection() {
  if (FMouseActions->DisjunctRowSelect()) {
    for (int32_t r = FixedRows(); r < RowCount(); ++r)
      if (RowFlagSet(r)) ClearRows(r, 1);
  } else if (FMouseActions->DisjunctColSelect()) {
    for (int32_t c = FixedCols(); c < ColCount(); ++c)
      if (ColFlagSet(c)) ClearCols(c, 1);
  } else {
    const TGridRect s = Selection();
    ClearRect(s.Left, s.Top, s.Right, s.Bottom);
  }
}

void TQrvStringGrid::TrimRect(int32_t aCol1, int32_t aRow1, int32_t aCol2, int32_t aRow2) {
  if (aRow2 < aRow1) return;
  for (int32_t r = aRow1; r <= aRow2; ++r) {
    for (int32_t c = aCol1; c <= aCol2; ++c) {
      const int32_t a = SaveHiddenCells ? RealColIndex(c) : c;
      const QString text = Cells(a, r);
      const QString result = Trim(text);
      if (result != text) SetCells(a, r, result);
    }
  }
}

void TQrvStringGrid::ColorRect(int32_t c1, int32_t r1, int32_t c2, int32_t r2, TColor color) {
  if (r2 < r1) return;
  for (int32_t r = r1; r <= r2; ++r)
    for (int32_t c = c1; c <= c2; ++c) SetColors(c, r, color);
}

void TQrvStringGrid::MergeColumnCells(int32_t colIndex, bool mainMerge) {
  int32_t start = FixedRows();
  int32_t length = 1;
  const int32_t last = RowCount() - FFixedFooters - 1;
  for (int32_t r = FixedRows() + 1; r <= last; ++r) {
    if (Cells(colIndex, r) == Cells(colIndex, r - 1) && (mainMerge || RowSpanIdentical(r, r - 1))) {
      ++length;
      continue;
    }
    if (length > 1) MergeCells(colIndex, start, 1, length);
    start = r;
    length = 1;
  }
  if (length > 1) MergeCells(colIndex, start, 1, length);
}

void TQrvStringGrid::MergeRowCells(int32_t rowIndex, bool mainMerge) {
  int32_t start = FixedCols();
  int32_t length = 1;
  const int32_t last = ColCount() - FFixedRightCols - 1;
  for (int32_t c = FixedCols() + 1; c <= last; ++c) {
    if (Cells(c, rowIndex) == Cells(c - 1, rowIndex) && (mainMerge || ColSpanIdentical(c, c - 1))) {
      ++length;
      continue;
    }
    if (length > 1) MergeCells(start, rowIndex, length, 1);
    start = c;
    length = 1;
  }
  if (length > 1) MergeCells(start, rowIndex, length, 1);
}

void TQrvStringGrid::SplitColumnCells(int32_t colIndex) {
  int32_t r = 0;
  while (r < RowCount() - FFixedFooters - 1) {
    if (IsYMergedCell(colIndex, r)) {
      const int32_t span = CellSpan(colIndex, r).Y;
      SplitCells(colIndex, r);
      r += span + 1;
    } else {
      ++r;
    }
  }
}

void TQrvStringGrid::SplitRowCells(int32_t rowIndex) {
  int32_t c = 0;
  while (c < ColCount() - FFixedRightCols - 1) {
    const int32_t span = CellSpan(c, rowIndex).X;
    if (IsMergedCell(c, rowIndex) && span >= 0) {
      SplitCells(c, rowIndex);
      c += span + 1;
    } else {
      ++c;
    }
  }
}

void TQrvStringGrid::SplitAllCells() {
  for (int32_t c = 0; c < ColCount(); ++c)
    for (int32_t r = 0; r < RowCount(); ++r)
      if (IsMergedCell(c, r)) SplitCells(c, r);
}

void TQrvStringGrid::MergeCols(int32_t colIndex1, int32_t colIndex2, const QString& separator) {
  for (int32_t r = FixedRows(); r < RowCount(); ++r)
    SetCells(colIndex1, r, (Cells(colIndex1, r) + separator + Cells(colIndex2, r)).trimmed());
  RemoveCols(colIndex2, 1);
}

void TQrvStringGrid::RemoveDuplicates(int32_t aCol, bool doCase) {
  const int32_t c = RealColIndex(aCol);
  QSet<QString> seen;
  int32_t r = FixedRows();
  while (r < RowCount() - FFixedFooters) {
    const QString key = doCase ? Cells(c, r) : Cells(c, r).toUpper();
    if (seen.contains(key)) {
      RemoveRowBlock(r, 1);
    } else {
      seen.insert(key);
      ++r;
    }
  }
}

bool TQrvStringGrid::IsCell(const QString& subStr, int32_t& aCol, int32_t& aRow) const {
  for (int32_t r = 0; r < RowCount(); ++r) {
    for (int32_t c = 0; c < ColCount(); ++c) {
      if (Cells(c, r) == subStr) {
        aCol = c;
        aRow = r;
        return true;
      }
    }
  }
  return false;
}

bool TQrvStringGrid::IsWideCell(int32_t aCol, int32_t aRow) const {
  return Cells(aCol, aRow).startsWith(QStringLiteral("|\\"));
}
