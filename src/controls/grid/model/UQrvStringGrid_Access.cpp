// Cells by real column and real row, the current cell, and the per-cell property family.
#include "UCellProperties.h"
#include "UMarkupText.h"
#include "UQrvStringGrid.h"
#include "URichText.h"
#include "UTextUtils.h"

QString TQrvStringGrid::GetCellsEx(int32_t i, int32_t j) const {
  if (i < 0 || j < 0) return QString();
  if (const TGridItem* item = ParkedItem(j)) {
    QString value = static_cast<size_t>(i) < item->Items().size() ? item->Items()[i].Text : QString();
    GetDisplayText(i, j, value);
    return value;
  }
  return Cells(i, DisplRowIndex(j));
}

void TQrvStringGrid::SetCellsEx(int32_t i, int32_t j, const QString& value) {
  if (i < 0 || j < 0) return;
  if (TGridItem* item = ParkedItem(j)) {
    auto& cells = item->Items();
    if (static_cast<size_t>(i) >= cells.size()) cells.resize(static_cast<size_t>(i) + 1);
    cells[i].Text = value;
    return;
  }
  SetCells(i, DisplRowIndex(j), value);
  if (DisplColIndex(i) != i) RepaintCell(DisplColIndex(i), DisplRowIndex(j));
}

QString TQrvStringGrid::GetGridCellsEx(int32_t i, int32_t j) const {
  // A parked row that holds fewer cells reads as empty, never past its list.
  if (const TGridItem* item = ParkedItem(j))
    return i >= 0 && static_cast<size_t>(i) < item->Items().size() ? item->Items()[i].Text : QString();
  return GetGridCell(i, DisplRowIndex(j));
}

void TQrvStringGrid::SetGridCellsEx(int32_t i, int32_t j, const QString& value) {
  if (TGridItem* item = ParkedItem(j)) {
    if (i >= 0 && static_cast<size_t>(i) < item->Items().size()) item->Items()[i].Text = value;
    return;
  }
  SetGridCell(i, DisplRowIndex(j), value);
}

uintptr_t TQrvStringGrid::GetObjectsEx(int32_t i, int32_t j) const {
  if (const TGridItem* item = ParkedItem(j)) {
    if (i < 0 || static_cast<size_t>(i) >= item->Items().size()) return 0;
    TObject* slot = item->Items()[i].Object;
    if (auto* props = dynamic_cast<TCellProperties*>(slot)) return props->CellObject();
    return reinterpret_cast<uintptr_t>(slot);
  }
  return GetObjectEx(i, DisplRowIndex(j));
}

void TQrvStringGrid::SetObjectsEx(int32_t i, int32_t j, uintptr_t value) {
  if (TGridItem* item = ParkedItem(j)) {
    if (i < 0) return;
    auto& cells = item->Items();
    if (static_cast<size_t>(i) >= cells.size()) cells.resize(static_cast<size_t>(i) + 1);
    if (!cells[i].Object) cells[i].Object = new TCellProperties(this, i, j);
    if (auto* props = dynamic_cast<TCellProperties*>(cells[i].Object)) props->SetCellObject(value);
    return;
  }
  SetObjectEx(i, DisplRowIndex(j), value);
}

TObject* TQrvStringGrid::GetGridObjectsEx(int32_t i, int32_t j) const {
  if (const TGridItem* item = ParkedItem(j))
    return i >= 0 && static_cast<size_t>(i) < item->Items().size() ? item->Items()[i].Object : nullptr;
  return GetGridObject(i, DisplRowIndex(j));
}

QString TQrvStringGrid::GetStrippedCell(int32_t c, int32_t r) const {
  return MarkupToPlainText(Cells(c, r));
}

int32_t TQrvStringGrid::GetLinesInCell(int32_t c, int32_t r) const {
  return CountLines(Cells(c, r), true);
}

int32_t TQrvStringGrid::ColumnByHeader(const QString& value) const {
  for (int32_t i = 0; i < TotalColCount(); ++i)
    if (GetCellsEx(i, 0) == value) return i;
  return -1;
}

QString TQrvStringGrid::GetCurrentCellText() const {
  const TPoint base = BaseCell(RealCol(), Row());
  return GetGridCell(base.X, base.Y);
}

void TQrvStringGrid::SetCurrentCellText(const QString& value) {
  const TPoint base = BaseCell(RealCol(), Row());
  SetCells(base.X, base.Y, value);
}

QString TQrvStringGrid::GetCurrentBaseCellText() const {
  return Cells(RealCol(), Row());
}

void TQrvStringGrid::SetCurrentBaseCellText(const QString& value) {
  const TPoint base = BaseCell(RealCol(), Row());
  SetCells(base.X, base.Y, value);
}

// r is a real row: hidden rows at and after it move down with the rows shown there. With nodes a row inside a
// node's range widens the node.
void TQrvStringGrid::RowInserted(int32_t r) {
  if (!HasNodes() || GetParentRow(DisplRowIndex(r)) == -1)
    InsertNormalRow(r);
  else
    InsertChildRow(r, 0);
}

// realRow is a real row, as RowInserted's. The last normal row is emptied rather than removed, so the grid keeps a
// row to type into. With nodes a row inside a node's range narrows the node. A row the grid does not show is left
// alone: it may lie under a contracted node, whose range only a shown row may narrow.
void TQrvStringGrid::RowDeleted(int32_t realRow) {
  const int32_t r = DisplRowIndex(realRow);
  if (IsHiddenRow(realRow) || r < 0 || r >= RowCount()) return;
  if (HasNodes()) {
    if (GetParentRow(r) == -1)
      RemoveNormalRow(r);
    else
      RemoveChildRow(realRow);
  } else if (RowCount() - FixedRows() - FFixedFooters == 1 && !FFixedRowAlways)
    ClearRows(r, 1);
  else
    RemoveRowBlock(r, 1);
  if (OnAutoDeleteRow) OnAutoDeleteRow(this, realRow);
}

TColor TQrvStringGrid::Colors(int32_t c, int32_t r) const {
  const TCellProperties* p = PropsOf(c, r);
  return p ? p->BrushColor() : clNone;
}

void TQrvStringGrid::SetColors(int32_t c, int32_t r, TColor value) {
  if (TCellProperties* p = GetCellProperties(c, r)) p->SetBrushColor(value);
  if (FUpdateCount == 0) RepaintCell(DisplColIndex(c), r);
}

TColor TQrvStringGrid::ColorsTo(int32_t c, int32_t r) const {
  const TCellProperties* p = PropsOf(c, r);
  return p ? p->BrushColorTo() : clNone;
}

void TQrvStringGrid::SetColorsTo(int32_t c, int32_t r, TColor value) {
  if (TCellProperties* p = GetCellProperties(c, r)) p->SetBrushColorTo(value);
  RepaintCell(DisplColIndex(c), r);
}

TCellGradientDirection TQrvStringGrid::GradientDir(int32_t c, int32_t r) const {
  const TCellProperties* p = PropsOf(c, r);
  return p ? p->GradientDirection() : GradientVertical;
}

void TQrvStringGrid::SetGradientDir(int32_t c, int32_t r, TCellGradientDirection value) {
  if (TCellProperties* p = GetCellProperties(c, r)) p->SetGradientDirection(value);
  RepaintCell(DisplColIndex(c), r);
}

bool TQrvStringGrid::ReadOnly(int32_t c, int32_t r) const {
  const TCellProperties* p = PropsOf(c, r);
  return p && p->ReadOnly();
}

void TQrvStringGrid::SetReadOnly(int32_t c, int32_t r, bool value) {
  if (TCellProperties* p = GetCellProperties(c, r)) p->SetReadOnly(value);
  RepaintCell(DisplColIndex(c), r);
}

bool TQrvStringGrid::WordWraps(int32_t c, int32_t r) {
  const TCellProperties* p = GetCellProperties(c, r);
  return p ? p->WordWrap() : WordWrap();
}

void TQrvStringGrid::SetWordWraps(int32_t c, int32_t r, bool value) {
  if (TCellProperties* p = GetCellProperties(c, r)) p->SetWordWrap(value);
  RepaintCell(DisplColIndex(c), r);
}

TColor TQrvStringGrid::FontColors(int32_t c, int32_t r) const {
  const TCellProperties* p = PropsOf(c, r);
  return p ? p->FontColor() : clNone;
}

void TQrvStringGrid::SetFontColors(int32_t c, int32_t r, TColor value) {
  if (TCellProperties* p = GetCellProperties(c, r)) p->SetFontColor(value);
  RepaintCell(DisplColIndex(c), r);
}

TFontStyles TQrvStringGrid::FontStyles(int32_t c, int32_t r) const {
  const TCellProperties* p = PropsOf(c, r);
  return p ? p->FontStyle() : TFontStyles();
}

void TQrvStringGrid::SetFontStyles(int32_t c, int32_t r, TFontStyles value) {
  if (TCellProperties* p = GetCellProperties(c, r)) p->SetFontStyle(value);
  RepaintCell(DisplColIndex(c), r);
}

int32_t TQrvStringGrid::FontSizes(int32_t c, int32_t r) const {
  const TCellProperties* p = PropsOf(c, r);
  return p ? p->FontSize() : 0;
}

void TQrvStringGrid::SetFontSizes(int32_t c, int32_t r, int32_t value) {
  if (TCellProperties* p = GetCellProperties(c, r)) p->SetFontSize(value);
  RepaintCell(DisplColIndex(c), r);
}

QString TQrvStringGrid::FontNames(int32_t c, int32_t r) const {
  const TCellProperties* p = PropsOf(c, r);
  return p ? p->FontName() : QString();
}

void TQrvStringGrid::SetFontNames(int32_t c, int32_t r, const QString& value) {
  if (TCellProperties* p = GetCellProperties(c, r)) p->SetFontName(value);
  RepaintCell(DisplColIndex(c), r);
}

TAlignment TQrvStringGrid::Alignments(int32_t c, int32_t r) const {
  const TCellProperties* p = PropsOf(c, r);
  return p ? p->Alignment() : taLeftJustify;
}

void TQrvStringGrid::SetAlignments(int32_t c, int32_t r, TAlignment value) {
  if (TCellProperties* p = GetCellProperties(c, r)) p->SetAlignment(value);
  RepaintCell(DisplColIndex(c), r);
}

TFont TQrvStringGrid::GetCellFont(int32_t c, int32_t r) const {
  const TCellProperties* p = PropsOf(c, r);
  if (!p) return Font();
  TFont font = Font();
  font.Name = p->FontName();
  font.SetSize(p->FontSize());
  font.Style = p->FontStyle();
  font.Color = p->FontColor();
  return font;
}

void TQrvStringGrid::SetCellFont(int32_t c, int32_t r, const TFont& value) {
  if (TCellProperties* p = GetCellProperties(c, r)) {
    p->SetFontName(value.Name);
    p->SetFontSize(value.Size());
    p->SetFontStyle(value.Style);
    p->SetFontColor(value.Color);
  }
  if (FUpdateCount == 0) RepaintCell(DisplColIndex(c), r);
}

// Clearing a row colour touches only the colour field it names: the cells keep every other setting (read-only,
// fonts, merges, objects), which dropping their properties would have thrown away. Clearing creates nothing.
void TQrvStringGrid::SetRowColorField(int32_t i, TColor color, void (TCellProperties::*setter)(TColor)) {
  for (int32_t c = FixedCols(); c < AllColCount(); ++c) {
    TCellProperties* p = color == clNone ? PropsOf(c, i) : GetCellProperties(c, i);
    if (p) (p->*setter)(color);
  }
  RepaintRow(i);
}

void TQrvStringGrid::SetRowColor(int32_t i, TColor color) {
  SetRowColorField(i, color, &TCellProperties::SetBrushColor);
}

void TQrvStringGrid::SetRowColorTo(int32_t i, TColor color) {
  SetRowColorField(i, color, &TCellProperties::SetBrushColorTo);
}

void TQrvStringGrid::SetRowFontColor(int32_t i, TColor color) {
  SetRowColorField(i, color, &TCellProperties::SetFontColor);
}

void TQrvStringGrid::RepaintRow(int32_t r) {
  if (!HandleAllocated()) return;
  for (int32_t c = 0; c < ColCount(); ++c) InvalidatePlatformRect(PlatformCellRect(c, r), true);
}

void TQrvStringGrid::RepaintCol(int32_t c) {
  if (!HandleAllocated()) return;
  for (int32_t r = 0; r < RowCount(); ++r) InvalidatePlatformRect(PlatformCellRect(c, r), true);
}

void TQrvStringGrid::CellToRich(int32_t c, int32_t r, IGridRichEdit& richEdit) const {
  const QString text = Cells(c, r);
  // A document is 7-bit text kept one byte per character. Other texts would lose every character beyond Latin-1
  // that way, so they go in as they stand.
  if (!text.startsWith(QLatin1String("{\\rtf"))) return richEdit.LoadPlain(text);
  richEdit.LoadRich(StoredRichBytes(text));
}

QString TQrvStringGrid::RichToString(const IGridRichEdit& richEdit) const {
  if (FDestroying) return QString();
  return QString::fromLatin1(richEdit.SaveRich());
}
