// Finding text in the cells: the scan from a start cell in either direction, row by row or column by column, the
// first row whose key text starts with a typed prefix, and wrapping found text in highlight tags.
#include "UFilterMatch.h"
#include "UMarkupText.h"
#include "UQrvStringGrid.h"

namespace {
const QString Quotes = QStringLiteral("\"\"");
const QString HighlightTag = QStringLiteral("hi");
}  // namespace

bool TQrvStringGrid::MatchFindCell(int32_t aCol, int32_t aRow) const {
  const int32_t realCol = (FindParams & fnIncludeHiddenColumns) ? aCol : DisplayToRealCol(aCol);
  QString text = (FindParams & fnIncludeHiddenRows) ? GetCellsEx(realCol, aRow) : Cells(realCol, aRow);
  if (FindParams & fnIgnoreHTMLTags) text = MarkupToPlainText(text);
  if (!(FindParams & fnMatchCase)) text = text.toUpper();
  if (FSearchCache == Quotes) return text.isEmpty();
  if (FindParams & fnMatchRegular) return MatchFilterExpression(FSearchCache, text, FindParams & fnMatchCase);
  // An empty search text is found nowhere, not at the start of every cell.
  if (FSearchCache.isEmpty()) return false;
  const qsizetype at = text.indexOf(FSearchCache);
  bool found = (FindParams & fnMatchStart) ? at == 0 : at >= 0;
  if (FindParams & fnMatchFull) found = found && text == FSearchCache;
  return found;
}

TPoint TQrvStringGrid::Find(TPoint startCell, const QString& s, TFindParams params) {
  FindParams = params;
  FFindBusy = true;
  FSearchCache = (params & fnMatchCase) ? s : s.toUpper();
  const TPoint none{-1, -1};
  if (ColCount() <= FixedCols() || RowCount() <= 0) {
    FFindBusy = false;
    return none;
  }
  int32_t c0 = FixedCols(), c1 = ColCount() - FixedRightCols() - 1;
  int32_t r0 = FixedRows(), r1 = RowCount() - FixedFooters() - 1;
  if (params & fnIncludeFixed) {
    c0 = 0;
    c1 = ColCount() - 1;
    r0 = 0;
    r1 = RowCount() - 1;
  }
  if (params & fnSelectedCells) {
    const TGridRect sel = Selection();
    c0 = std::min(sel.Left, sel.Right);
    c1 = std::max(sel.Left, sel.Right);
    r0 = std::min(sel.Top, sel.Bottom);
    r1 = std::max(sel.Top, sel.Bottom);
  }
  if (params & fnIncludeHiddenColumns) c1 += NumHiddenColumns();
  if (params & fnIncludeHiddenRows) r1 += NumHiddenRows();

  const bool back = params & fnBackward;
  const bool leftRight = params & fnDirectionLeftRight;
  const int32_t step = back ? -1 : 1;
  const auto first = [back](int32_t lo, int32_t hi) { return back ? hi : lo; };
  const auto beyond = [back](int32_t v, int32_t lo, int32_t hi) { return back ? v < lo : v > hi; };
  int32_t c = first(c0, c1), r = first(r0, r1);
  if (startCell.X != -1 || startCell.Y != -1) {
    c = startCell.X;
    r = startCell.Y;
    int32_t& inner = leftRight ? c : r;
    int32_t& outer = leftRight ? r : c;
    const int32_t innerLo = leftRight ? c0 : r0, innerHi = leftRight ? c1 : r1;
    const int32_t outerLo = leftRight ? r0 : c0, outerHi = leftRight ? r1 : c1;
    if (!beyond(inner, innerLo, innerHi)) {
      inner += step;
    } else if (!beyond(outer, outerLo, outerHi)) {
      outer += step;
      inner = first(innerLo, innerHi);
    } else {
      c = first(c0, c1);
      r = first(r0, r1);
    }
  }
  if (params & (fnFindInCurrentRow | fnFindInPresetRow))
    r = r0 = r1 = (params & fnFindInCurrentRow) ? Row() : FindRow;
  if (params & (fnFindInCurrentCol | fnFindInPresetCol))
    c = c0 = c1 = (params & fnFindInCurrentCol) ? Col() : FindCol;

  TPoint hit = none;
  if (leftRight) {
    for (; !beyond(r, r0, r1) && hit.X < 0; r += step, c = first(c0, c1))
      for (; !beyond(c, c0, c1); c += step)
        if (!IsIgnoredColumn(c) && MatchFindCell(c, r)) {
          hit = TPoint{c, r};
          break;
        }
  } else {
    for (; !beyond(c, c0, c1) && hit.X < 0; c += step, r = first(r0, r1))
      for (; !beyond(r, r0, r1); r += step)
        if (MatchFindCell(c, r)) {
          hit = TPoint{c, r};
          break;
        }
  }
  SearchCell = hit;
  if (hit.X < 0) {
    FFindBusy = false;
    return hit;
  }
  if (params & fnAutoGoto) {
    int32_t row = hit.Y;
    if ((params & fnIncludeHiddenRows) && NumHiddenRows() > 0) row = IsHiddenRow(row) ? -1 : RealToDisplayRow(row);
    const int32_t col = (params & fnIncludeHiddenColumns) ? RealToDisplayCol(hit.X) : hit.X;
    if (row >= 0 && col >= 0) {
      if (MouseActions().DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(row, true);
        SetRow(row);
      } else {
        MoveToCell(col, row);
      }
    }
  }
  const bool footer = FloatingFooterShown();
  if (Row() > TopRow() + VisibleRowCount() - (footer ? 4 : 2) &&
      RowCount() > VisibleRowCount() + FixedRows() + (footer ? 2 : 0))
    SetTopRow(TopRow() + (footer ? 3 : 1));
  return hit;
}

TPoint TQrvStringGrid::FindFirst(const QString& s, TFindParams params) {
  SearchCell = Find(TPoint{-1, -1}, s, params);
  return SearchCell;
}

TPoint TQrvStringGrid::FindNext() {
  // The kept text is already in the case the last search compared in.
  SearchCell = Find(SearchCell, FSearchCache, FindParams);
  return SearchCell;
}

int32_t TQrvStringGrid::Search(const QString& s) const {
  if (RowCount() < 2) return -1;
  const TSortSettings& sort = SortSettings;
  int32_t key = sort.Show ? sort.Column : FixedCols();
  // Shown sort indexes key on the first of them.
  if (sort.Show && sort.IndexShow) key = sort.Indexes.Count() > 0 ? sort.Indexes.GetSortColumns(0) : FixedCols();
  if (key < 0 || key >= ColCount()) return -1;
  const int32_t realCol = DisplayToRealCol(key);
  for (int32_t r = FixedRows(); r < RowCount(); ++r)
    if (MarkupToPlainText(Cells(realCol, r)).left(s.size()).toUpper() == s) return r;
  return -1;
}

void TQrvStringGrid::HilightRange(int32_t c0, int32_t r0, int32_t c1, int32_t r1, bool doCase, const QString& hiText,
                                  bool on) {
  // Columns are real here: the grid-wide forms reach the hidden columns too.
  const QString encoded = on ? EncodeMarkupEntities(hiText, false) : QString();
  for (int32_t r = r0; r <= r1; ++r)
    for (int32_t c = c0; c <= c1; ++c) {
      if (IsMergedNonBaseCell(c, r)) continue;
      const QString text = Cells(c, r);
      const QString changed = on ? HighlightMatches(EncodeMarkupEntities(text, false), encoded, HighlightTag, doCase)
                                 : RemoveHighlightTags(DecodeMarkupEntities(text, false), HighlightTag);
      if (changed != text) SetCells(c, r, changed);
    }
}

void TQrvStringGrid::HilightInCell(bool doCase, int32_t aCol, int32_t aRow, const QString& hiText) {
  const int32_t c = DisplayToRealCol(aCol);
  HilightRange(c, aRow, c, aRow, doCase, hiText, true);
}

void TQrvStringGrid::UnHilightInCell(int32_t aCol, int32_t aRow) {
  const int32_t c = DisplayToRealCol(aCol);
  HilightRange(c, aRow, c, aRow, false, {}, false);
}

void TQrvStringGrid::HilightInCol(bool doFixed, bool doCase, int32_t aCol, const QString& hiText) {
  const int32_t c = DisplayToRealCol(aCol);
  HilightRange(c, doFixed ? 0 : FixedRows(), c, doFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1, doCase,
               hiText, true);
}

void TQrvStringGrid::UnHilightInCol(bool doFixed, int32_t aCol) {
  const int32_t c = DisplayToRealCol(aCol);
  HilightRange(c, doFixed ? 0 : FixedRows(), c, doFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1, false, {},
               false);
}

void TQrvStringGrid::HilightInGrid(bool doFixed, bool doCase, const QString& hiText) {
  if (doFixed)
    HilightRange(0, 0, ColCount() - 1, RowCount() - 1, doCase, hiText, true);
  else
    HilightRange(FixedCols(), FixedRows(), ColCount() - FixedRightCols() - 1 + NumHiddenColumns(),
                 RowCount() - FixedFooters() - 1, doCase, hiText, true);
}

void TQrvStringGrid::UnHilightInGrid(bool doFixed) {
  const int32_t h = NumHiddenColumns();
  if (doFixed)
    HilightRange(0, 0, ColCount() - 1 + h, RowCount() - 1, false, {}, false);
  else
    HilightRange(FixedCols(), FixedRows(), ColCount() - FixedRightCols() - 1 + h, RowCount() - FixedFooters() - 1,
                 false, {}, false);
}
