// The column grid's answers from its definitions and the bookkeeping that keeps one definition per real column.
#include "UQrvColumnGrid.h"

#include <algorithm>

#include "UFormat.h"
#include "UValueText.h"

TQrvColumnGrid::TQrvColumnGrid()
    : FColumnCollection(std::make_unique<TGridColumnCollection>(this)),
      FSaveCol(std::make_unique<TGridColumnItem>()),
      FCellGraphic(std::make_unique<TCellGraphic>()) {
  FitColumns();
}

TQrvColumnGrid::~TQrvColumnGrid() {
  FDestroying = true;
  FColumnCollection.reset();
}

void TQrvColumnGrid::SetColumns(const TGridColumnCollection& value) {
  if (&value == FColumnCollection.get()) return;
  TGridColumnCollection& own = *FColumnCollection;
  own.BeginUpdate();
  while (own.Count() > 0) own.Delete(own.Count() - 1);
  for (int32_t i = 0; i < value.Count(); ++i) own.Insert(i)->Assign(*value.Items(i));
  own.EndUpdate();
}

TGridColumnItem* TQrvColumnGrid::Def(int32_t c) const {
  return c >= 0 && c < FColumnCollection->Count() ? FColumnCollection->Items(c) : nullptr;
}

void TQrvColumnGrid::FitColumns() {
  if (FColumnCollection) FColumnCollection->FitToGrid();
}

// The column takes the grid's row bands instead of its own colour.
bool TQrvColumnGrid::BandsShown(const TGridColumnItem& column) {
  return column.ShowBands() && Bands().Active();
}

bool TQrvColumnGrid::IsNormalCell(int32_t c, int32_t r) const {
  return c >= FixedCols() && r >= FixedRows() && c < ColCount() + NumHiddenColumns() - FixedRightCols() &&
         r < RowCount() - FixedFooters();
}

void TQrvColumnGrid::Loaded() {
  TQrvStringGrid::Loaded();
  FitColumns();
  FColumnCollection->SetOrganization();
  FLoading = false;
}

void TQrvColumnGrid::SetColCount(int32_t value) {
  TQrvStringGrid::SetColCount(value);
  if (!FStructureChange) FitColumns();
}

void TQrvColumnGrid::ColCountChanged() {
  TQrvStringGrid::ColCountChanged();
  FitColumns();
}

TGridColumnItem* TQrvColumnGrid::GetColumnByName(const QString& value) const {
  for (int32_t i = 0; i < FColumnCollection->Count(); ++i)
    if (FColumnCollection->Items(i)->Name() == value) return FColumnCollection->Items(i);
  return nullptr;
}

void TQrvColumnGrid::GetDefaultCellProps(int32_t c, int32_t r, TFont& font, TBrush& brush, TColor& colorTo,
                                         TColor& mirrorColor, TColor& mirrorColorTo, TAlignment& hAlign,
                                         TVAlignment& vAlign, bool& wordWrap, TCellGradientDirection& gradientDir) {
  const TGridColumnItem* column = Def(c);
  if (!column) {
    TQrvStringGrid::GetDefaultCellProps(c, r, font, brush, colorTo, mirrorColor, mirrorColorTo, hAlign, vAlign,
                                        wordWrap, gradientDir);
    return;
  }
  font = column->Font();
  brush.Color = column->Color();
  colorTo = clNone;
  hAlign = r < FixedRows() ? column->HeaderAlignment() : column->Alignment();
  vAlign = VAlignment;
  wordWrap = WordWrap();
  gradientDir = GradientVertical;
  if (IsFixed(c, r) || BandsShown(*column)) {
    brush.Color = clNone;
    colorTo = clNone;
  }
}

QString TQrvColumnGrid::GetFloatFormat(int32_t c) const {
  const TGridColumnItem* column = Def(c);
  return column && !column->FloatFormat().isEmpty() ? column->FloatFormat() : FloatFormat;
}

QString TQrvColumnGrid::GetFormattedCell(int32_t c, int32_t r) {
  const QString text = Cells(c, r);
  const TGridColumnItem* column = Def(c);
  if (!column) return text;
  QString format = column->FloatFormat();
  const int32_t kind = ClassifyNumberText(text);
  bool isFloat = kind == ntInteger || kind == ntDecimal;
  if (OnGetFloatFormat) OnGetFloatFormat(this, c, r, isFloat, format);
  if (format.isEmpty() || !isFloat) return text;
  bool ok = false;
  const double value = ExtractNumberText(text).toDouble(&ok);
  return ok ? Format(format, {value}) : text;
}

static void ClampSize(int32_t minSize, int32_t maxSize, int32_t& size) {
  if (minSize > 0) size = std::max(size, minSize);
  if (maxSize > 0) size = std::min(size, maxSize);
}

void TQrvColumnGrid::UpdateColumnSize(int32_t c, int32_t& size) {
  if (const TGridColumnItem* column = Def(c)) ClampSize(column->MinSize(), column->MaxSize(), size);
  TQrvStringGrid::UpdateColumnSize(c, size);
}

void TQrvColumnGrid::UpdateAutoColumnSize(int32_t c, int32_t& size) {
  if (const TGridColumnItem* column = Def(c)) ClampSize(column->AutoMinSize(), column->AutoMaxSize(), size);
  TQrvStringGrid::UpdateAutoColumnSize(c, size);
}

void TQrvColumnGrid::GetCellColor(int32_t aCol, int32_t aRow, TGridDrawState aState, TBrush& aBrush, TFont& aFont) {
  if (const TGridColumnItem* column = Def(aCol); column && IsNormalCell(aCol, std::max(aRow, FixedRows()))) {
    if (aCol >= FixedCols()) {
      if (column->Fixed())
        aBrush.Color = FixedColor;
      else if (aRow >= FixedRows() && !BandsShown(*column))
        aBrush.Color = column->Color();
      aFont = aRow < FixedRows() ? column->HeaderFont() : column->Font();
    }
  }
  TQrvStringGrid::GetCellColor(aCol, aRow, aState, aBrush, aFont);
}

void TQrvColumnGrid::GetCellPrintColor(int32_t aCol, int32_t aRow, TGridDrawState aState, TBrush& aBrush,
                                       TFont& aFont) {
  // Fixed, fixed-right and footer cells keep the fixed print font the caller set.
  if (const TGridColumnItem* column = Def(aCol); column && IsNormalCell(aCol, aRow)) {
    if (column->Fixed())
      aBrush.Color = FixedColor;
    else if (!(BandsShown(*column) && Bands().Print()))
      aBrush.Color = column->PrintColor();
    const TCellProperties* p = PropsOf(aCol, aRow);
    if (p && p->BrushColor() != clNone) aBrush.Color = p->BrushColor();
    if (column->PrintFontCustom()) {
      aFont.Assign(column->PrintFont());
      if (p) {
        if (p->FontColor() != clNone) aFont.Color = p->FontColor();
        if (p->FontStyle() != TFontStyles()) aFont.Style = p->FontStyle();
        if (p->FontSize() > 0) aFont.SetSize(p->FontSize());
        if (!p->FontName().isEmpty()) aFont.Name = p->FontName();
      }
    }
  }
  TQrvStringGrid::GetCellPrintColor(aCol, aRow, aState, aBrush, aFont);
}

void TQrvColumnGrid::GetCellBorder(int32_t aCol, int32_t aRow, TPen& aPen, TCellBorders& borders) {
  if (const TGridColumnItem* column = Def(aCol); column && IsNormalCell(aCol, aRow)) {
    borders = column->Borders();
    aPen = column->BorderPen();
  }
  TQrvStringGrid::GetCellBorder(aCol, aRow, aPen, borders);
}

void TQrvColumnGrid::GetCellPrintBorder(int32_t aCol, int32_t aRow, TPen& aPen, TCellBorders& borders) {
  if (const TGridColumnItem* column = Def(aCol); column && column->PrintBorderCustom() && IsNormalCell(aCol, aRow)) {
    borders = column->PrintBorders();
    aPen = column->PrintBorderPen();
  }
  TQrvStringGrid::GetCellPrintBorder(aCol, aRow, aPen, borders);
}

void TQrvColumnGrid::GetAlignment(int32_t aCol, int32_t aRow, TAlignment& hAlign, TVAlignment& vAlign) {
  if (const TGridColumnItem* column = Def(aCol)) {
    hAlign = aRow < FixedRows() ? column->HeaderAlignment() : column->Alignment();
    if (const TCellProperties* p = PropsOf(aCol, aRow)) hAlign = p->Alignment();
  }
  TQrvStringGrid::GetAlignment(aCol, aRow, hAlign, vAlign);
}

void TQrvColumnGrid::GetColumnFormat(int32_t c, TSortStyle& style, QString& prefix, QString& suffix) {
  if (const TGridColumnItem* column = Def(c)) {
    style = column->SortStyle();
    prefix = column->SortPrefix();
    suffix = column->SortSuffix();
  }
  TQrvStringGrid::GetColumnFormat(c, style, prefix, suffix);
}

void TQrvColumnGrid::GetCellEditor(int32_t aCol, int32_t aRow, TEditorType& aEditor) {
  if (const TGridColumnItem* column = Def(aCol)) {
    if (IsNormalCell(aCol, aRow)) {
      aEditor = column->Editor();
      EditorComboItems = column->ComboItems();
      ClearComboString();
      for (const QString& item : EditorComboItems) AddComboString(item);
      ControlLook.DropDownCount = column->DropDownCount();
      SetEditLink(column->EditLink());
      EditorDropDownCount = column->DropDownCount();
      EditorSpinMin = column->SpinMin();
      EditorSpinMax = column->SpinMax();
      EditorSpinStep = column->SpinStep();
      SpinMin = EditorSpinMin;
      SpinMax = EditorSpinMax;
      SpinStep = EditorSpinStep;
      EditorLink = column->EditLink();
    }
    if (!column->FloatFormat().isEmpty()) FloatFormat = column->FloatFormat();
  }
  TQrvStringGrid::GetCellEditor(aCol, aRow, aEditor);
}

void TQrvColumnGrid::IsFixedCell(int32_t aCol, int32_t aRow, bool& isFixed) {
  if (const TGridColumnItem* column = Def(RealColIndex(aCol)); column && aCol >= FixedCols() && aRow >= FixedRows())
    isFixed = column->Fixed();
  TQrvStringGrid::IsFixedCell(aCol, aRow, isFixed);
}

// Editability comes from the definitions alone: the grid's editing option plays no part, so a table window edits
// every column that is neither read-only nor fixed without switching editing on itself.
void TQrvColumnGrid::CanEditCell(int32_t aCol, int32_t aRow, bool& canEdit) {
  canEdit = false;
  if (const TGridColumnItem* column = Def(aCol); !FLoading && column && aCol >= FixedCols() && aRow >= FixedRows())
    canEdit = !(column->ReadOnly() || column->Fixed());
  const TPoint base = BaseCell(aCol, aRow);
  if (const TCellProperties* p = PropsOf(aCol, aRow); p && canEdit) canEdit = !p->ReadOnly();
  if (OnCanEditCell) OnCanEditCell(this, base.Y, base.X, canEdit);
}

void TQrvColumnGrid::IsPasswordCell(int32_t aCol, int32_t aRow, bool& isPassword) {
  if (const TGridColumnItem* column = Def(aCol)) isPassword = column->Password();
  TQrvStringGrid::IsPasswordCell(aCol, aRow, isPassword);
}

bool TQrvColumnGrid::HasComboBox(int32_t aCol, int32_t aRow) {
  bool result = false;
  if (const TGridColumnItem* column = Def(aCol); column && IsNormalCell(aCol, aRow))
    result = column->Editor() == edComboEdit || column->Editor() == edComboList;
  if (OnHasComboBox) OnHasComboBox(this, aCol, aRow, result);
  return result;
}

void TQrvColumnGrid::GetCheckTrue(int32_t aCol, int32_t aRow, QString& value) {
  TQrvStringGrid::GetCheckTrue(aCol, aRow, value);
  if (const TGridColumnItem* column = Def(aCol); column && IsNormalCell(aCol, aRow)) value = column->CheckTrue();
}

void TQrvColumnGrid::GetCheckFalse(int32_t aCol, int32_t aRow, QString& value) {
  TQrvStringGrid::GetCheckFalse(aCol, aRow, value);
  if (const TGridColumnItem* column = Def(aCol); column && IsNormalCell(aCol, aRow)) value = column->CheckFalse();
}

bool TQrvColumnGrid::GetColumnFilter(int32_t column) {
  TQrvStringGrid::GetColumnFilter(column);
  const TGridColumnItem* definition = Def(column);
  if (!definition || definition->Filter().isEmpty()) return false;
  FilterList.clear();
  for (const QString& entry : definition->Filter()) FilterList << entry.section(QLatin1Char('='), 0, 0);
  return true;
}

bool TQrvColumnGrid::IsDataCheckBoxCell(int32_t c, int32_t r) const {
  const TGridColumnItem* column = Def(c);
  return !FDestroying && column && column->Editor() == edDataCheckBox && IsNormalCell(c, r);
}

TCellType TQrvColumnGrid::GetCellType(int32_t c, int32_t r) {
  const TCellType type = TQrvStringGrid::GetCellType(c, r);
  return type == ctEmpty && c >= 0 && r >= 0 && IsDataCheckBoxCell(c, r) ? ctDataCheckBox : type;
}

TCellGraphic* TQrvColumnGrid::GetCellGraphic(int32_t c, int32_t r) {
  if (TCellGraphic* own = TQrvStringGrid::GetCellGraphic(c, r)) return own;
  if (c < 0 || r < 0 || !IsDataCheckBoxCell(c, r)) return nullptr;
  // One graphic serves every cell of such a column: the box sits at the top left and follows the column's
  // alignment when painted.
  FCellGraphic->SetCellType(ctVirtCheckBox);
  FCellGraphic->SetCellTransparent(ControlLook.ControlStyle == csFlat);
  FCellGraphic->SetCellHAlign(haLeft);
  FCellGraphic->SetCellVAlign(vaTop);
  return FCellGraphic.get();
}

QString TQrvColumnGrid::GetVersionString() const {
  return Version() + QStringLiteral(" Aug, 2012");
}

void TQrvColumnGrid::RemoveCols(int32_t colIndex, int32_t cCount) {
  const int32_t total = TotalColCount();
  if (colIndex < 0 || colIndex >= total || cCount <= 0) return;
  cCount = std::min(cCount, total - colIndex);
  FStructureChange = true;
  TQrvStringGrid::RemoveCols(colIndex, cCount);
  FStructureChange = false;
  TGridColumnCollection& columns = *FColumnCollection;
  const bool saved = columns.NoRecursiveUpdate();
  columns.SetNoRecursiveUpdate(true);
  for (int32_t i = 0; i < cCount && colIndex < columns.Count(); ++i) columns.Delete(colIndex);
  columns.SetNoRecursiveUpdate(saved);
}

void TQrvColumnGrid::InsertCols(int32_t colIndex, int32_t cCount) {
  const int32_t before = TotalColCount();
  FStructureChange = true;
  TQrvStringGrid::InsertCols(colIndex, cCount);
  FStructureChange = false;
  // The advanced grid refuses some insertions; the definitions follow only what it did.
  const int32_t added = TotalColCount() - before;
  TGridColumnCollection& columns = *FColumnCollection;
  const bool saved = columns.NoRecursiveUpdate();
  columns.SetNoRecursiveUpdate(true);
  for (int32_t i = 0; i < added; ++i) columns.Insert(std::min(colIndex, columns.Count()));
  columns.SetNoRecursiveUpdate(saved);
  FitColumns();
}

void TQrvColumnGrid::ColumnMoved(int32_t fromIndex, int32_t toIndex) {
  TGridColumnCollection& columns = *FColumnCollection;
  const bool saved = columns.NoRecursiveUpdate();
  columns.SetNoRecursiveUpdate(true);
  const int32_t top = TopRow();
  const int32_t realFrom = RealColIndex(fromIndex);
  const int32_t realTo = RealColIndex(toIndex);
  TQrvStringGrid::ColumnMoved(fromIndex, toIndex);
  if (realFrom != realTo && realFrom < columns.Count() && realTo < columns.Count()) {
    BeginUpdate();
    FColMoving = true;
    TGridColumnItem* moved = columns.Items(realFrom);
    TGridColumnItem* spare = columns.Add();
    spare->Assign(*moved);
    columns.Delete(realFrom);
    columns.Insert(realTo)->Assign(*spare);
    columns.Delete(columns.Count() - 1);
    SetTopRow(top);
    FColMoving = false;
    EndUpdate();
  }
  columns.SetNoRecursiveUpdate(saved);
  if (OnAfterColumnMoved) OnAfterColumnMoved(this, realFrom, realTo);
}

int32_t TQrvColumnGrid::GetEditLimit() {
  const TGridColumnItem* column = Col() < FColumnCollection->Count() ? Def(RealColIndex(Col())) : nullptr;
  return column && !column->Fixed() ? column->EditLength() : MaxEditLength();
}

int32_t TQrvColumnGrid::EditLimit() const {
  if (Col() < FColumnCollection->Count() && !Def(RealColIndex(Col()))->Fixed())
    return Def(RealColIndex(Col()))->EditLength();
  return 0;
}

QString TQrvColumnGrid::EditMaskOf(int32_t c) const {
  const TGridColumnItem* column = c >= FixedCols() ? Def(RealColIndex(c)) : nullptr;
  return column ? column->EditMask() : QString();
}

void TQrvColumnGrid::ColWidthsChanged() {
  TQrvStringGrid::ColWidthsChanged();
  if (FLoading || FDestroying) return;
  for (int32_t c = 0; c < ColCount(); ++c)
    if (TGridColumnItem* column = Def(RealColIndex(c))) column->FWidth = ColWidths(c);
}

TPopupMenu* TQrvColumnGrid::ColumnPopupForClick(int32_t c, int32_t r, bool leftButton) {
  const TGridColumnItem* column = c >= 0 && c < ColCount() ? Def(RealColIndex(c)) : nullptr;
  if (!column || !column->ColumnPopup() || r < 0 || r >= RowCount()) return nullptr;
  const TColumnPopupType kind = column->ColumnPopupType();
  const bool leftKind = kind == cpFixedCellsLClick || kind == cpNormalCellsLClick || kind == cpAllCellsLClick;
  const bool rightKind = kind == cpFixedCellsRClick || kind == cpNormalCellsRClick || kind == cpAllCellsRClick;
  if (leftButton ? !leftKind : !rightKind) return nullptr;
  TPopupMenu* menu = column->ColumnPopup();
  if (OnColumnPopup) OnColumnPopup(this, c, r, menu);
  const bool inFixedRow = r < FixedRows();
  const bool forFixed = kind == cpFixedCellsLClick || kind == cpFixedCellsRClick;
  const bool forNormal = kind == cpNormalCellsLClick || kind == cpNormalCellsRClick;
  const bool forAll = !forFixed && !forNormal;
  return (inFixedRow && (forFixed || forAll)) || (!inFixedRow && (forNormal || forAll)) ? menu : nullptr;
}

void TQrvColumnGrid::Notification(const TEditLink* removed) {
  for (int32_t i = 0; i < FColumnCollection->Count(); ++i)
    if (FColumnCollection->Items(i)->EditLink() == removed) FColumnCollection->Items(i)->SetEditLink(nullptr);
}

void TQrvColumnGrid::Notification(const TPopupMenu* removed) {
  for (int32_t i = 0; i < FColumnCollection->Count(); ++i)
    if (FColumnCollection->Items(i)->ColumnPopup() == removed) FColumnCollection->Items(i)->SetColumnPopup(nullptr);
}

void TQrvColumnGrid::ChangeScale(int32_t m, int32_t d) {
  if (m == d || d == 0) return;
  auto scaled = [m, d](const TFont& font) {
    TFont result = font;
    const int64_t product = int64_t(font.Size()) * m;
    // Rounded half away from zero, as the platform's MulDiv.
    result.SetSize(static_cast<int32_t>((product + (product >= 0 ? d / 2 : -d / 2)) / d));
    return result;
  };
  for (int32_t i = 0; i < std::min(ColCount(), FColumnCollection->Count()); ++i) {
    TGridColumnItem* column = FColumnCollection->Items(i);
    column->SetFont(scaled(column->Font()));
    column->SetHeaderFont(scaled(column->HeaderFont()));
  }
}

std::optional<int32_t> TQrvColumnGrid::AllColWidth(int32_t col) const {
  if (col < 0 || col > MaxHiddenMapCols) return std::nullopt;
  if (!IsHiddenColumn(col)) return ColWidths(RealToDisplayCol(col));
  const int32_t width = AllColWidths(col);
  return width > 0 ? std::optional<int32_t>(width) : std::nullopt;
}

void TQrvColumnGrid::SetAllColWidth(int32_t col, int32_t width) {
  if (col < 0) return;
  if (!IsHiddenColumn(col) && RealToDisplayCol(col) < ColCount())
    SetColWidths(RealToDisplayCol(col), width);
  else
    SetAllColWidths(col, width);
}

void TQrvColumnGrid::ColumnHeadersChanged() {
  const QStringList& headers = ColumnHeaders();
  for (int32_t i = 0; i < headers.size() && i < FColumnCollection->Count(); ++i)
    FColumnCollection->Items(i)->FColumnHeader = headers[i];
}

void TQrvColumnGrid::DefinitionHeadersChanged(const QStringList& headers) {
  KeepColumnHeaders(headers);
  if (FixedRows() == 0) return;
  // A definition without a header leaves what its header cell shows: a header written straight into the cell
  // survives a change of another column's header.
  for (int32_t i = 0; i < headers.size() && i < TotalColCount(); ++i)
    if (!headers[i].isEmpty()) SetCells(i, 0, headers[i]);
}

// The definitions' Rows-style accessors read and write through the string grid's own typed access.
int32_t TQrvColumnGrid::Ints(int32_t col, int32_t row) const {
  return GetInts(col, row);
}

void TQrvColumnGrid::SetInts(int32_t col, int32_t row, int32_t value) {
  TQrvStringGrid::SetInts(col, row, value);
}

double TQrvColumnGrid::Floats(int32_t col, int32_t row) const {
  return GetFloats(col, row);
}

void TQrvColumnGrid::SetFloats(int32_t col, int32_t row, double value) {
  TQrvStringGrid::SetFloats(col, row, value);
}

TDateTime TQrvColumnGrid::Dates(int32_t col, int32_t row) const {
  return GetDates(col, row);
}

void TQrvColumnGrid::SetDates(int32_t col, int32_t row, TDateTime value) {
  TQrvStringGrid::SetDates(col, row, value);
}

TDateTime TQrvColumnGrid::Times(int32_t col, int32_t row) const {
  return GetTimes(col, row);
}

void TQrvColumnGrid::SetTimes(int32_t col, int32_t row, TDateTime value) {
  TQrvStringGrid::SetTimes(col, row, value);
}

// Written floats take the column's own format when it has one.
void TQrvColumnGrid::GetFloatFormat(int32_t c, int32_t, QString& format) {
  format = GetFloatFormat(c);
}
