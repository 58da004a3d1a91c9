// The three disjunct selections (rows, columns, cells) beside the rectangle, the per-row marks (modified,
// disabled), the selected text and the repaint helpers built on cell rectangles.
#include <QStringList>
#include <algorithm>

#include "UGridError.h"
#include "UQrvStringGrid.h"
#include "UTextUtils.h"

namespace {

bool FlagAt(const std::vector<uint8_t>& flags, int32_t i) {
  return i >= 0 && size_t(i) < flags.size() && flags[size_t(i)] != 0;
}

void GrowTo(std::vector<uint8_t>& flags, int32_t i) {
  if (size_t(i) >= flags.size()) flags.resize(size_t(i) + 1, 0);
}

// Per-row marks: entry i is 1 when the mark is set.
bool MarkAt(const TIntList& marks, int32_t i) {
  return i >= 0 && i < marks.Count() && marks.GetInteger(i) == 1;
}

void SetMark(TIntList& marks, int32_t i, bool value) {
  while (marks.Count() <= i) marks.Add(0);
  marks.SetInteger(i, value ? 1 : 0);
}

bool Between(int32_t v, int32_t a, int32_t b) {
  return v >= std::min(a, b) && v <= std::max(a, b);
}

int32_t PackCell(int32_t c, int32_t r) {
  return int32_t((uint32_t(r) << 16) | (uint32_t(c) & 0xFFFFu));
}

}  // namespace

// Selected rows are kept by real row while the selection is to survive filtering and hiding.
int32_t TQrvStringGrid::DisjunctSelectRow(int32_t r) const {
  return FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent() ? DisplayToRealRow(r) : r;
}

bool TQrvStringGrid::GetRowSelect(int32_t r) const {
  if (!FMouseActions->RowSelectPersistent() && (r < 0 || r >= RowCount() + NumHiddenRows()))
    throw EQrvGridError(QStringLiteral("Invalid row %1 accessed").arg(r));
  if (FMouseActions->DisjunctRowSelect()) return FlagAt(FRowSelect, r);
  return Between(r, Selection().Top, Selection().Bottom);
}

void TQrvStringGrid::SetRowSelect(int32_t r, bool value) {
  if (r < 0 || (r >= RowCount() + NumHiddenRows() && RowCount() > FixedRows()))
    throw EQrvGridError(QStringLiteral("Invalid row accessed"));
  const bool was = FlagAt(FRowSelect, r);
  // Asked whenever the row's state really changes, wherever the row lies in the list.
  if (was != value && OnRowDisjunctSelect) {
    bool allow = true;
    OnRowDisjunctSelect(this, r, value, allow);
    if (!allow) return;
  }
  GrowTo(FRowSelect, r);
  if (was != value) RepaintRow(r);
  FRowSelect[size_t(r)] = value ? 1 : 0;
  const bool listed = FSelectedRows->HasValue(r);
  if (value && !listed && r >= FixedRows()) FSelectedRows->Add(r);
  if (!value && listed) FSelectedRows->DeleteValue(r);
  if (OnRowDisjunctSelected) OnRowDisjunctSelected(this, r);
}

void TQrvStringGrid::ClearRowSelect() {
  if (FRowSelect.empty()) return;
  for (size_t i = 0; i < FRowSelect.size(); ++i) {
    if (!FRowSelect[i]) continue;
    RepaintRow(int32_t(i));
    FRowSelect[i] = 0;
  }
  FSelectedRows->Clear();
}

void TQrvStringGrid::SelectRows(int32_t rowIndex, int32_t rCount) {
  if (rowIndex + rCount > RowCount()) rCount = RowCount() - rowIndex;
  if (!FMouseActions->DisjunctRowSelect()) {
    // The current cell comes along to the first row, so what acts on the current row acts on the selected one; it
    // keeps its column, and nothing scrolls: the cells the user was looking at stay in view.
    if (rCount > 0 && rowIndex >= FixedRows() && Col() >= FixedCols()) MoveCurrent(Col(), rowIndex, true, false);
    SetSelection(TGridRect{FixedCols(), rowIndex, ColCount() - 1, rowIndex + rCount - 1});
  } else {
    for (int32_t r = rowIndex; r < rowIndex + rCount && r < RowCount(); ++r) SetRowSelect(DisjunctSelectRow(r), true);
  }
  if (HasRowIndicator()) RepaintCol(0);
  FSelChange = false;
}

void TQrvStringGrid::UnSelectRows(int32_t rowIndex, int32_t rCount) {
  if (!FMouseActions->DisjunctRowSelect()) return;
  for (int32_t r = rowIndex; r < rowIndex + rCount && r < RowCount(); ++r) SetRowSelect(DisjunctSelectRow(r), false);
  FSelChange = false;
}

void TQrvStringGrid::SelectionToRowSelect(bool all) {
  const TGridRect s = Selection();
  const int32_t bottom = std::min(s.Bottom, RowCount() - FixedFooters() - 1);
  for (int32_t r = FixedRows(); r < RowCount(); ++r) {
    const bool inside = Between(r, s.Top, bottom);
    if (inside || all) SetRowSelect(DisjunctSelectRow(r), inside);
  }
  if (NumHiddenRows() > 0) Invalidate();
}

int32_t TQrvStringGrid::RowSelectCount() const {
  if (!FMouseActions->DisjunctRowSelect()) return std::abs(Selection().Bottom - Selection().Top) + 1;
  const size_t n = std::min(FRowSelect.size(), size_t(std::max(0, RowCount() + NumHiddenRows())));
  return int32_t(
      std::count_if(FRowSelect.begin(), FRowSelect.begin() + std::ptrdiff_t(n), [](uint8_t f) { return f; }));
}

int32_t TQrvStringGrid::SelectedRowCount() const {
  if (FMouseActions->DisjunctRowSelect()) return FSelectedRows->Count();
  const TGridRect s = Selection();
  const int32_t bottom = std::min(s.Bottom, RowCount() - FixedFooters() - 1);
  if (IsMergedCell(s.Left, s.Top)) {
    const int32_t span = CellSpan(s.Left, s.Top).Y;
    return s.Top + span > bottom ? span + 1 : std::abs(s.Top - bottom) + 1;
  }
  if (IsMergedCell(s.Left, bottom)) return std::abs(s.Top - bottom) + CellSpan(s.Left, bottom).Y + 1;
  return std::abs(s.Top - bottom) + 1;
}

int32_t TQrvStringGrid::GetSelectedRow(int32_t i) const {
  if (i < 0) return -1;
  if (FMouseActions->DisjunctRowSelect()) return i < FSelectedRows->Count() ? FSelectedRows->GetInteger(i) : -1;
  const TGridRect s = Selection();
  const int32_t row = std::min(s.Top, s.Bottom) + i;
  return row <= std::max(s.Top, s.Bottom) ? row : -1;
}

bool TQrvStringGrid::GetColSelect(int32_t c) const {
  if (c < 0 || c >= ColCount()) throw EQrvGridError(QStringLiteral("Invalid column accessed"));
  return FlagAt(FColSelect, c);
}

void TQrvStringGrid::SetColSelect(int32_t c, bool value) {
  if (c < 0 || c >= ColCount()) throw EQrvGridError(QStringLiteral("Invalid column accessed"));
  GrowTo(FColSelect, c);
  if ((FColSelect[size_t(c)] != 0) != value) RepaintCol(c);
  FColSelect[size_t(c)] = value ? 1 : 0;
}

void TQrvStringGrid::ClearColSelect() {
  for (size_t i = 0; i < FColSelect.size(); ++i) {
    if (!FColSelect[i]) continue;
    RepaintCol(int32_t(i));
    FColSelect[i] = 0;
  }
}

void TQrvStringGrid::SelectCols(int32_t colIndex, int32_t cCount) {
  if (!FMouseActions->DisjunctColSelect()) {
    SetSelection(TGridRect{colIndex, FixedRows(), colIndex + cCount - 1, RowCount() - 1});
    return;
  }
  for (int32_t c = colIndex; c < colIndex + cCount && c < ColCount(); ++c) SetColSelect(c, true);
}

void TQrvStringGrid::UnSelectCols(int32_t colIndex, int32_t cCount) {
  if (!FMouseActions->DisjunctColSelect()) return;
  for (int32_t c = colIndex; c < colIndex + cCount && c < ColCount(); ++c) SetColSelect(c, false);
}

void TQrvStringGrid::SelectionToColSelect(bool all) {
  const TGridRect s = Selection();
  for (int32_t c = FixedCols(); c < ColCount(); ++c) {
    const bool inside = c >= s.Left && c <= s.Right;
    if (inside || all) SetColSelect(c, inside);
  }
}

int32_t TQrvStringGrid::ColSelectCount() const {
  if (!FMouseActions->DisjunctColSelect()) return Selection().Right - Selection().Left + 1;
  return int32_t(std::count_if(FColSelect.begin(), FColSelect.end(), [](uint8_t f) { return f; }));
}

int32_t TQrvStringGrid::SelectedColCount() const {
  if (FMouseActions->DisjunctColSelect()) return ColSelectCount();
  const TGridRect s = Selection();
  if (IsMergedCell(s.Left, s.Top)) {
    const int32_t span = CellSpan(s.Left, s.Top).X;
    return s.Left + span > s.Right ? span + 1 : std::abs(s.Left - s.Right) + 1;
  }
  if (IsMergedCell(s.Right, s.Top)) return std::abs(s.Left - s.Right) + CellSpan(s.Right, s.Top).X + 1;
  return std::abs(s.Left - s.Right) + 1;
}

int32_t TQrvStringGrid::SelectedCellsCount() {
  if (!FMouseActions->DisjunctCellSelect()) {
    FSelectedCells->Clear();
    const TGridRect s = Selection();
    if (s.Left == s.Right && s.Top == s.Bottom) {
      FSelectedCells->Add(PackCell(Col(), Row()));
    } else {
      for (int32_t c = std::min(s.Left, s.Right); c <= std::max(s.Left, s.Right); ++c)
        for (int32_t r = std::min(s.Top, s.Bottom); r <= std::max(s.Top, s.Bottom); ++r)
          FSelectedCells->Add(PackCell(c, r));
    }
  }
  return FSelectedCells->Count();
}

TPoint TQrvStringGrid::GetSelectedCell(int32_t i) const {
  if (i < 0 || i >= FSelectedCells->Count()) return TPoint{-1, -1};
  const auto v = uint32_t(FSelectedCells->GetInteger(i));
  return TPoint{int32_t(v & 0xFFFFu), int32_t(v >> 16)};
}

bool TQrvStringGrid::GetSelectedCells(int32_t c, int32_t r) const {
  if (FMouseActions->DisjunctCellSelect()) return FSelectedCells->HasValue(PackCell(c, r));
  const TGridRect s = Selection();
  return Between(c, s.Left, s.Right) && Between(r, s.Top, s.Bottom);
}

void TQrvStringGrid::SetSelectedCells(int32_t c, int32_t r, bool value) {
  // Packed into 16 bits each: anything else could never be read back.
  if (c < 0 || r < 0 || c > 0xFFFF || r > 0xFFFF) return;
  if (value == FSelectedCells->HasValue(PackCell(c, r))) return;
  if (value)
    FSelectedCells->Add(PackCell(c, r));
  else
    FSelectedCells->DeleteValue(PackCell(c, r));
  RepaintCell(c, r);
}

void TQrvStringGrid::ClearSelectedCells() {
  SetSelection(TGridRect{FixedCols(), FixedRows(), FixedCols(), FixedRows()});
  FSelectedCells->Clear();
  Invalidate();
}

bool TQrvStringGrid::IsSelected(int32_t c, int32_t r) const {
  if (c < FixedCols() || r < FixedRows()) return false;
  if (FMouseActions->DisjunctCellSelect()) return FSelectedCells->HasValue(PackCell(c, r));
  if (FMouseActions->DisjunctRowSelect()) return RowFlagSet(r);
  if (FMouseActions->DisjunctColSelect()) return FlagAt(FColSelect, c);
  const TGridRect s = Selection();
  return s.Left <= c && c <= s.Right && s.Top <= r && r <= s.Bottom;
}

void TQrvStringGrid::SelectCells(int32_t fromCol, int32_t fromRow, int32_t toCol, int32_t toRow) {
  SetSelection(TGridRect{fromCol, fromRow, toCol, toRow});
}

void TQrvStringGrid::SelectRange(int32_t fromCol, int32_t toCol, int32_t fromRow, int32_t toRow) {
  SetRow(toRow);
  SetCol(toCol);
  SetSelection(TGridRect{fromCol, fromRow, toCol, toRow});
}

QString TQrvStringGrid::SelectedText() const {
  TGridRect s = Selection();
  if ((Options() & goRowSelect) && OleEntireRows) {
    s.Left = 0;
    s.Right = ColCount() - 1;
  }
  std::vector<int32_t> rows;
  if (FMouseActions->DisjunctRowSelect()) {
    for (int32_t r = FixedRows(); r < RowCount(); ++r)
      if (RowFlagSet(r)) rows.push_back(r);
  } else {
    for (int32_t r = std::min(s.Top, s.Bottom); r <= std::max(s.Top, s.Bottom); ++r) rows.push_back(r);
  }
  QStringList lines;
  for (int32_t r : rows) {
    QStringList cells;
    for (int32_t c = s.Left; c <= s.Right; ++c) {
      QString text = Cells(RealColIndex(c), r);
      if (ExcelClipboardFormat && CountLines(text, Multilinecells) > 1) text = CsvQuoteMultiline(text);
      cells.append(text);
    }
    lines.append(cells.join(u'\t'));
  }
  return lines.join(QStringLiteral("\r\n"));
}

bool TQrvStringGrid::GetRowModified(int32_t r) const {
  return MarkAt(*FModifiedRows, r);
}

void TQrvStringGrid::SetRowModified(int32_t r, bool value) {
  if (r < 0) return;
  SetMark(*FModifiedRows, r, value);
  RepaintCell(0, r);
}

int32_t TQrvStringGrid::ModifiedRowCount() const {
  int32_t n = 0;
  for (int32_t i = 0; i < FModifiedRows->Count(); ++i) n += MarkAt(*FModifiedRows, i) ? 1 : 0;
  return n;
}

void TQrvStringGrid::ClearModifiedRows() {
  FModifiedRows->Clear();
  Invalidate();
}

bool TQrvStringGrid::GetRowEnabled(int32_t r) const {
  return !MarkAt(*FEnabledRows, r);
}

void TQrvStringGrid::SetRowEnabled(int32_t r, bool value) {
  if (r < 0) return;
  // Only disabling the current row sends the current cell elsewhere; enabling it leaves it in place.
  if (!value && r == Row()) {
    for (int32_t i = FixedRows(); i < RowCount(); ++i) {
      if (i == r || !GetRowEnabled(i)) continue;
      SetRow(i);
      break;
    }
  }
  FUseEnabledRows = true;
  SetMark(*FEnabledRows, r, !value);
  RepaintRow(r);
}

void TQrvStringGrid::GotoCell(int32_t c, int32_t r) {
  SetRow(r);
  SetCol(c);
}

void TQrvStringGrid::EditCell(int32_t c, int32_t r) {
  FocusGrid();
  GotoCell(c, r);
  ShowInplaceEditor();
}

void TQrvStringGrid::RepaintRect(const TGridRect& r) {
  if (r.Left < 0 || r.Top < 0 || r.Right < 0 || r.Bottom < 0) return;
  if (!HandleAllocated()) return;
  const TRect first = CellRect(r.Left, r.Top);
  const TRect last = CellRect(std::min(VisibleColCount() + FixedCols(), r.Right), r.Bottom);
  const auto empty = [](const TRect& rc) { return rc.Width() <= 0 || rc.Height() <= 0; };
  if (empty(first) || empty(last)) {
    Invalidate();
    return;
  }
  InvalidatePlatformRect(TRect{std::min(first.Left, last.Left), std::min(first.Top, last.Top),
                               std::max(first.Right, last.Right), std::max(first.Bottom, last.Bottom)},
                         true);
}
