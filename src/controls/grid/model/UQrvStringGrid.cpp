#include "UQrvStringGrid.h"

#include <algorithm>

void TGridChangeNotifier::GridChanged(const TRect&) {}

TQrvStringGrid::TQrvStringGrid() {
  CreateOwnedObjects();
  FVisibleCol.fill(true);
  FAllColWidths.fill(0);
  FixedFont.Name = QStringLiteral("Tahoma");
  FixedFont.Style = fsBold;
  ActiveCellFont.Style = fsBold;
  SetRowCount(10);
  TStringGrid::SetBounds(0, 0, 400, 250);
  SetDefaultRowHeight(22);
  FFixedRowHeight = DefaultRowHeight();
  FMaxColCount = ColCount();
}

TQrvStringGrid::~TQrvStringGrid() {
  FDestroying = true;
  if (ColumnSize().Save()) SaveColSizes();
  ClearTextOnly = false;
  SaveHiddenCells = false;
  FNotifierList.clear();
  FreeOwnedObjects();
  // Parked rows free their properties with their items; the base grid frees every property left in the store.
  FGridItems.clear();
}

void TQrvStringGrid::Loaded() {
  FOldCursor = FCursor;
  ShowColumnHeaders();
  ShowRowHeaders();
  // The look's colours are applied again over the stored ones.
  if (FLook == glVyx) {
    FLook = glCustom;
    SetLook(glVyx);
  }
  if (AutoSize) AutoSizeColumns(false, 4);
  if (ColumnSize().Save()) LoadColSizes();
  FFixedRowsMin = FixedRows();
  FFixedColsMin = FixedCols();
  MinRowHeight = DefaultRowHeight();
  MinColWidth = 10;
  FMaxRowCount = RowCount();
  FLoaded = true;
  LoadedOptionObjects();
  UpdateScrollBarVisibility();
  if (FAutoThemeAdapt && !IsDesigning()) {
    ThemeAdapt();
    if (Host()) Host()->WatchThemeChanges(true);
  }
  InitOrigColSizes();
  SetColumnOrder();
  ApplyStyleColors();
}

void TQrvStringGrid::InitOrigColSizes() {
  FOrigColSizes->Clear();
  for (int32_t c = 0; c < ColCount(); ++c) FOrigColSizes->Add(ColWidths(c));
  FOrigGridWidth = Width();
}

void TQrvStringGrid::Resize() {
  if (OnResize) OnResize(this);
  if ((BackGround.Display == bdGradientHorz || BackGround.Display == bdGradientVert) && BackGround.ColorTo != clNone)
    Invalidate();
  UpdateScrollBarVisibility();
  UpdateVertProportionalScroll();
  UpdateHorzProportionalScroll();
}

void TQrvStringGrid::UpdateScrollBarVisibility() {
  if (!Host()) return;
  const bool allRowsFit = VisibleRowCount() + FixedRows() >= RowCount();
  const bool allColsFit = VisibleColCount() + FixedCols() >= ColCount();
  const TScrollBarAlways kept = FScrollBarAlways;
  const bool always = kept != saNone;
  Host()->SetScrollBarShown(true, kept == saVert || kept == saBoth, !always || !allRowsFit);
  Host()->SetScrollBarShown(false, kept == saHorz || kept == saBoth, !always || !allColsFit);
}

// Applied at once: the bars must not wait for the next size change to follow the option.
void TQrvStringGrid::SetScrollBarAlways(TScrollBarAlways value) {
  FScrollBarAlways = value;
  UpdateScrollBarVisibility();
}

void TQrvStringGrid::CMColorChanged() {
  if (FloatingFooterShown()) InvalidateFloatingFooter();
}

void TQrvStringGrid::Assign(const TQrvStringGrid* source) {
  if (!source || source == this) return;
  SetFont(source->Font());
  ActiveCellColor = source->ActiveCellColor;
  ActiveCellColorTo = source->ActiveCellColorTo;
  ActiveCellFont = source->ActiveCellFont;
  ActiveCellShow = source->ActiveCellShow;
  SetActiveRowShow(source->ActiveRowShow());
  AutoNumAlign = source->AutoNumAlign;
  AutoSize = source->AutoSize;
  SetAutoThemeAdapt(source->FAutoThemeAdapt);
  AutoFilterUpdate = source->AutoFilterUpdate;
  AssignOptionObjects(source);
  FFixedRowAlways = source->FFixedRowAlways;
  SetColCount(source->ColCount());
  SetRowCount(source->RowCount());
  SetFixedRows(std::min(source->FixedRows(), RowCount() - 1));
  SetFixedCols(std::min(source->FixedCols(), ColCount() - 1));
  SetDefaultColWidth(source->DefaultColWidth());
  SetDefaultRowHeight(source->DefaultRowHeight());
  SetFixedRowHeight(source->FixedRowHeight());
  SetFixedColWidth(source->FixedColWidth());
  InvalidEntryTitle = source->InvalidEntryTitle;
  InvalidEntryIcon = source->InvalidEntryIcon;
  InvalidEntryText = source->InvalidEntryText;
  SetOptions(source->Options());
  for (int32_t c = 0; c < ColCount(); ++c) SetColWidths(c, source->ColWidths(c));
  SetColumnHeaders(source->ColumnHeaders());
  for (int32_t r = 0; r < RowCount(); ++r) SetRowHeights(r, source->RowHeights(r));
  SetScrollBarAlways(source->ScrollBarAlways());
  ScrollBars = source->ScrollBars;
  SetScrollType(source->ScrollType());
  AssignCells(source);
}

void TQrvStringGrid::AssignCells(const TQrvStringGrid* source) {
  if (!source || source == this) return;
  // The cells as the source shows them: its visible columns, in display order.
  for (int32_t r = 0; r < source->RowCount(); ++r)
    for (int32_t d = 0; d < source->ColCount(); ++d) SetCells(d, r, source->Cells(source->RealColIndex(d), r));
}

void TQrvStringGrid::Invalidate() {
  if (FEditChange) {
    FEditChange = false;
    return;
  }
  TBaseGrid::Invalidate();
}

void TQrvStringGrid::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  const int32_t rowHeight = DefaultRowHeight();
  if (FIntegralHeight && FUpdateCount == 0 && rowHeight > 0) {
    const bool allColsFit = FixedCols() + VisibleColCount() >= ColCount();
    const int32_t s = allColsFit ? 0 : FHScrollHeight;
    const int32_t b = FSingleBorder ? 2 : 0;
    const int32_t inner = height - s - b;
    height = s + 2 * b + (inner - inner % rowHeight);
  }
  const int32_t oldWidth = Width();
  const bool resized = width != oldWidth || height != Height();
  TBaseGrid::SetBounds(left, top, width, height);
  if (resized && ColumnSize().SynchWithGrid()) SynchColWidths(oldWidth);
  // A bar kept shown for the columns leaves them as they are when the grid's size changes.
  if (!resized || FScrollBarAlways == saNone || FScrollBarAlways == saVert) RestretchColumn();
}

void TQrvStringGrid::SetFrameMetrics(int32_t hScrollHeight, bool singleBorder) {
  FHScrollHeight = hScrollHeight;
  FSingleBorder = singleBorder;
}

void TQrvStringGrid::SetIntegralHeight(bool value) {
  FIntegralHeight = value;
  SetBounds(Left(), Top(), Width(), Height());
}

void TQrvStringGrid::SetRowCount(int32_t value) {
  if (RowCount() == FixedRows() && FFixedRowAlways && FSelHidden) UnHideSelection();
  TBaseGrid::SetRowCount(value);
  if (FFixedRowAlways && FFixedRowsMin < RowCount() && TStringGrid::FixedRows() != FFixedRowsMin)
    SetFixedRows(FFixedRowsMin);
  FMaxRowCount = std::max(FMaxRowCount, RowCount());
  SetNormalRowCount(RowCount());
  UpdateScrollBarVisibility();
}

void TQrvStringGrid::SetColCount(int32_t value) {
  TBaseGrid::SetColCount(value);
  if (FFixedColAlways && FFixedColsMin < ColCount() && TStringGrid::FixedCols() != FFixedColsMin)
    SetFixedCols(FFixedColsMin);
  FMaxColCount = std::max(FMaxColCount, ColCount());
  SetBounds(Left(), Top(), Width(), Height());
  UpdateScrollBarVisibility();
}

int32_t TQrvStringGrid::FixedRows() const {
  const int32_t value = TStringGrid::FixedRows();
  return value == 0 && FFixedRowAlways ? 1 : value;
}

int32_t TQrvStringGrid::FixedCols() const {
  const int32_t value = TStringGrid::FixedCols();
  return value == 0 && FFixedColAlways ? 1 : value;
}

void TQrvStringGrid::SetFixedRows(int32_t value) {
  TBaseGrid::SetFixedRows(value >= RowCount() && FFixedRowAlways ? RowCount() - 1 : value);
  FFixedRowsMin = value;
}

void TQrvStringGrid::SetFixedCols(int32_t value) {
  TBaseGrid::SetFixedCols(value >= ColCount() && FFixedColAlways ? ColCount() - 1 : value);
  FFixedColsMin = value;
}

void TQrvStringGrid::SetFixedFooters(int32_t value) {
  FFixedFooters = std::max(0, value);
  Invalidate();
}

void TQrvStringGrid::SetFixedRightCols(int32_t value) {
  FFixedRightCols = std::max(0, value);
  Invalidate();
}

void TQrvStringGrid::SetDefaultRowHeight(int32_t value) {
  TBaseGrid::SetDefaultRowHeight(value);
  // The footer strip is one row high.
  if (FFloatingFooter) FFloatingFooter->SetHeight(value);
}

void TQrvStringGrid::SetFixedRowHeight(int32_t value) {
  FFixedRowHeight = value;
  if (value == DefaultRowHeight()) {
    TBaseGrid::SetDefaultRowHeight(value);
    return;
  }
  for (int32_t r = 0; r < FixedRows() && r < RowCount(); ++r) SetRowHeights(r, value);
}

void TQrvStringGrid::SetFixedColWidth(int32_t value) {
  if (value == DefaultColWidth()) return;
  for (int32_t c = 0; c < FixedCols() && c < ColCount(); ++c) SetColWidths(c, value);
}

void TQrvStringGrid::SetDefaultAlignment(TAlignment value) {
  if (value == FDefaultAlignment) return;
  FDefaultAlignment = value;
  Invalidate();
}

void TQrvStringGrid::SetRow(int32_t value) {
  if (Col() < 0 || Col() >= ColCount())
    MoveCurrent(FixedCols(), value, true, true);
  else
    TBaseGrid::SetRow(value);
  if (Row() != FOldRowSel && OnRowUpdate) {
    OnRowUpdate(this, FOldRowSel, Row());
    FOldRowSel = Row();
  }
}

void TQrvStringGrid::SetTopRow(int32_t value) {
  if (value >= FixedRows() && value <= RowCount() - 1) TBaseGrid::SetTopRow(value);
}

void TQrvStringGrid::SetWordWrap(bool value) {
  FWordWrapEx = value;
  SetBaseWordWrap(value);
  if (FUpdateCount == 0) Invalidate();
}

void TQrvStringGrid::BeginUpdate() {
  if (!Host() || !Host()->IsShowing()) return;
  ++FUpdateCount;
  Host()->SetRedraw(false);
}

void TQrvStringGrid::EndUpdate() {
  if (!Host() || !Host()->IsShowing()) return;
  if (FUpdateCount > 0) --FUpdateCount;
  if (FDestroying || FUpdateCount > 0) return;
  Host()->SetRedraw(true);
  Host()->InvalidateAll();
}

void TQrvStringGrid::HideSelection() {
  FOldSelection = Selection();
  TBaseGrid::SetSelection(TGridRect{ColCount(), RowCount(), ColCount(), RowCount()});
  FSelHidden = true;
}

void TQrvStringGrid::UnHideSelection() {
  FSelHidden = false;
  if (FOldSelection.Top < RowCount() && FOldSelection.Left < ColCount()) {
    TBaseGrid::SetSelection(FOldSelection);
    return;
  }
  const int32_t top = FFixedRowAlways && RowCount() <= FixedRows() ? 0 : FixedRows();
  const int32_t left = FFixedColAlways && ColCount() <= FixedCols() ? 0 : FixedCols();
  TBaseGrid::SetSelection(TGridRect{left, top, left, top});
}

void TQrvStringGrid::ScrollInView(int32_t colIndex, int32_t rowIndex) {
  if (colIndex >= ColCount() || rowIndex >= RowCount()) return;
  int32_t newLeft = LeftCol();
  if (colIndex < LeftCol() || colIndex >= LeftCol() + VisibleColCount()) {
    SetCol(colIndex);
    newLeft = std::max(FixedCols(), colIndex - VisibleColCount() / 2);
  }
  int32_t newTop = TopRow();
  if (rowIndex < TopRow() || rowIndex >= TopRow() + VisibleRowCount()) {
    SetRow(rowIndex);
    newTop = std::max(FixedRows(), rowIndex - VisibleRowCount() / 2);
  }
  newLeft = std::min(newLeft, ColCount() - VisibleColCount() + 1);
  if (FixedCols() + VisibleColCount() < ColCount()) SetLeftCol(newLeft);
  newTop = std::min(newTop, RowCount() - VisibleRowCount() + 1);
  if (FixedRows() + VisibleRowCount() < RowCount()) SetTopRow(newTop);
}

void TQrvStringGrid::RegisterNotifier(TGridChangeNotifier* notifier) {
  if (notifier && std::find(FNotifierList.begin(), FNotifierList.end(), notifier) == FNotifierList.end())
    FNotifierList.push_back(notifier);
}

void TQrvStringGrid::UnRegisterNotifier(TGridChangeNotifier* notifier) {
  FNotifierList.erase(std::remove(FNotifierList.begin(), FNotifierList.end(), notifier), FNotifierList.end());
}

void TQrvStringGrid::CellsChanged(const TRect& r) {
  if (OnCellsChanged) OnCellsChanged(this, r);
  for (TGridChangeNotifier* notifier : FNotifierList) notifier->GridChanged(r);
  CalcFooter(-1);
}

void TQrvStringGrid::ColCountChanged() {
  CalcFooter(-1);
}
