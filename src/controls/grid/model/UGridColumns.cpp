#include "UGridColumns.h"

#include <algorithm>
#include <vector>

TGridColumnItem::TGridColumnItem(TGridColumnCollection* collection) : TCollectionItem(collection) {
  if (IGridColumnOwner* grid = collection ? collection->GetOwner() : nullptr) {
    FFont.Assign(grid->Font());
    FHeaderFont.Assign(grid->Font());
    FPrintFont.Assign(grid->Font());
    FColor = grid->Color();
  }
}

TGridColumnCollection* TGridColumnItem::Columns() const {
  return static_cast<TGridColumnCollection*>(Collection());
}

IGridColumnOwner* TGridColumnItem::Grid() const {
  TGridColumnCollection* columns = Columns();
  return columns && Index() >= 0 ? columns->GetOwner() : nullptr;
}

void TGridColumnItem::NotifyCollection() {
  Changed(false);
}

void TGridColumnItem::RepaintGrid() const {
  if (IGridColumnOwner* grid = Grid()) grid->Repaint();
}

QString TGridColumnItem::DisplayName() const {
  if (!FName.isEmpty()) return QStringLiteral("Col %1: %2").arg(Index()).arg(FName);
  return QStringLiteral("Column %1").arg(Index());
}

void TGridColumnItem::AssignCommon(const TGridColumnItem& source) {
  FAlignment = source.FAlignment;
  FHeaderAlignment = source.FHeaderAlignment;
  FBorderPen = source.FBorderPen;
  FBorders = source.FBorders;
  FCheckFalse = source.FCheckFalse;
  FCheckTrue = source.FCheckTrue;
  FEditLength = source.FEditLength;
  FEditLink = source.FEditLink;
  FEditMask = source.FEditMask;
  FEditorType = source.FEditorType;
  FFixed = source.FFixed;
  FPassword = source.FPassword;
  FPrintBorderPen = source.FPrintBorderPen;
  FPrintBorders = source.FPrintBorders;
  FPrintColor = source.FPrintColor;
  FPrintFont.Assign(source.FPrintFont);
  FReadOnly = source.FReadOnly;
  FSortPrefix = source.FSortPrefix;
  FSortStyle = source.FSortStyle;
  FSortSuffix = source.FSortSuffix;
  FSpinMax = source.FSpinMax;
  FSpinMin = source.FSpinMin;
  FSpinStep = source.FSpinStep;
  FColumnPopup = source.FColumnPopup;
  // The field only: the grid's width table belongs to the column, not to the definition being copied.
  FWidth = source.Width();
  FShowBands = source.FShowBands;
  FMinSize = source.FMinSize;
  FMaxSize = source.FMaxSize;
  FAutoMinSize = source.FAutoMinSize;
  FAutoMaxSize = source.FAutoMaxSize;
  FFilter = source.FFilter;
  FFilterCaseSensitive = source.FFilterCaseSensitive;
  FDefIdx = source.FDefIdx;
  FFloatFormat = source.FFloatFormat;
}

void TGridColumnItem::Assign(const TCollectionItem& source) {
  const auto* column = dynamic_cast<const TGridColumnItem*>(&source);
  if (!column || column == this) return;
  AssignCommon(*column);
  FColor = column->FColor;
  FComboItems = column->FComboItems;
  FDropDownCount = column->FDropDownCount;
  FFont.Assign(column->FFont);
  FHeaderFont.Assign(column->FHeaderFont);
  FColumnHeader = column->FColumnHeader;
  FName = column->FName;
  FTag = column->FTag;
}

void TGridColumnItem::AssignVisuals(const TGridColumnItem& source) {
  if (&source == this) return;
  AssignCommon(source);
  // The owner is asked through the collection so that a definition still being built gets the grid's looks too.
  if (IGridColumnOwner* grid = Columns() ? Columns()->GetOwner() : nullptr) {
    FColor = grid->Color();
    FFont.Assign(grid->Font());
  }
}

int32_t TGridColumnItem::Width() const {
  if (!Collection()) return 0;
  if (IGridColumnOwner* grid = Grid())
    if (std::optional<int32_t> width = grid->AllColWidth(Index())) return *width;
  return FWidth;
}

void TGridColumnItem::SetWidth(int32_t value) {
  FWidth = value;
  if (IGridColumnOwner* grid = Grid()) grid->SetAllColWidth(Index(), value);
}

void TGridColumnItem::SetAlignment(TAlignment value) {
  FAlignment = value;
  RepaintGrid();
}

void TGridColumnItem::SetHeader(const QString& value) {
  FColumnHeader = value;
  IGridColumnOwner* grid = Grid();
  if (!grid) return;
  if (grid->FixedRows() > 0 && !grid->ColMoving()) {
    grid->SetCells(Index(), 0, value);
    NotifyCollection();
  }
  QStringList headers;
  const TGridColumnCollection* columns = Columns();
  for (int32_t i = 0; i < columns->Count(); ++i) headers.append(columns->Items(i)->Header());
  grid->DefinitionHeadersChanged(headers);
}

void TGridColumnItem::SetFont(const TFont& value) {
  FFont.Assign(value);
  NotifyCollection();
}

void TGridColumnItem::SetColor(TColor value) {
  FColor = value;
  NotifyCollection();
}

void TGridColumnItem::SetEditor(TEditorType value) {
  if (value == FEditorType) return;
  const bool checkBoxChanged = value == edDataCheckBox || FEditorType == edDataCheckBox;
  FEditorType = value;
  // Only the data check box changes how the column's cells look; the other kinds show only while editing.
  if (checkBoxChanged) RepaintGrid();
}

void TGridColumnItem::SetFixed(bool value) {
  FFixed = value;
  NotifyCollection();
}

void TGridColumnItem::SetPassword(bool value) {
  FPassword = value;
  NotifyCollection();
}

void TGridColumnItem::SetBorders(TCellBorders value) {
  FBorders = value;
  NotifyCollection();
}

void TGridColumnItem::SetBorderPen(const TPen& value) {
  FBorderPen = value;
  NotifyCollection();
}

void TGridColumnItem::SetShowBands(bool value) {
  FShowBands = value;
  NotifyCollection();
}

void TGridColumnItem::SetFilter(const QStringList& value) {
  FFilter = value;
  RepaintGrid();
}

void TGridColumnItem::SetFloatFormat(const QString& value) {
  FFloatFormat = value;
  RepaintGrid();
}

void TGridColumnItem::SetHeaderAlignment(TAlignment value) {
  FHeaderAlignment = value;
  RepaintGrid();
}

void TGridColumnItem::SetHeaderFont(const TFont& value) {
  FHeaderFont.Assign(value);
  NotifyCollection();
  RepaintGrid();
}

QString TGridColumnItem::Rows(int32_t row) const {
  IGridColumnOwner* grid = Grid();
  return grid ? grid->Cells(Index(), row) : QString();
}

void TGridColumnItem::SetRows(int32_t row, const QString& value) {
  if (IGridColumnOwner* grid = Grid()) grid->SetCells(Index(), row, value);
}

int32_t TGridColumnItem::Ints(int32_t row) const {
  IGridColumnOwner* grid = Grid();
  return grid ? grid->Ints(Index(), row) : 0;
}

void TGridColumnItem::SetInts(int32_t row, int32_t value) {
  if (IGridColumnOwner* grid = Grid()) grid->SetInts(Index(), row, value);
}

double TGridColumnItem::Floats(int32_t row) const {
  IGridColumnOwner* grid = Grid();
  return grid ? grid->Floats(Index(), row) : 0.0;
}

void TGridColumnItem::SetFloats(int32_t row, double value) {
  if (IGridColumnOwner* grid = Grid()) grid->SetFloats(Index(), row, value);
}

TDateTime TGridColumnItem::Dates(int32_t row) const {
  IGridColumnOwner* grid = Grid();
  return grid ? grid->Dates(Index(), row) : 0.0;
}

void TGridColumnItem::SetDates(int32_t row, TDateTime value) {
  if (IGridColumnOwner* grid = Grid()) grid->SetDates(Index(), row, value);
}

TDateTime TGridColumnItem::Times(int32_t row) const {
  IGridColumnOwner* grid = Grid();
  return grid ? grid->Times(Index(), row) : 0.0;
}

void TGridColumnItem::SetTimes(int32_t row, TDateTime value) {
  if (IGridColumnOwner* grid = Grid()) grid->SetTimes(Index(), row, value);
}

TGridColumnCollection::TGridColumnCollection(IGridColumnOwner* owner) : FOwner(owner) {}

std::unique_ptr<TCollectionItem> TGridColumnCollection::NewItem() {
  return std::make_unique<TGridColumnItem>(this);
}

TGridColumnItem* TGridColumnCollection::Items(int32_t index) const {
  return static_cast<TGridColumnItem*>(Item(index));
}

void TGridColumnCollection::SetItems(int32_t index, const TGridColumnItem& value) {
  Items(index)->Assign(value);
}

TGridColumnItem* TGridColumnCollection::Add() {
  auto item = std::make_unique<TGridColumnItem>(this);
  if (Count() > 0) item->AssignVisuals(*Items(Count() - 1));
  return static_cast<TGridColumnItem*>(PlaceItem(std::move(item), Count()));
}

TGridColumnItem* TGridColumnCollection::Insert(int32_t index) {
  return static_cast<TGridColumnItem*>(InsertItem(index));
}

void TGridColumnCollection::Update(TCollectionItem* item) {
  TCollection::Update(item);
  if (UpdateCount() > 0 || FNoRecursiveUpdate || !FOwner || FOwner->IsLoading()) return;
  const int32_t visible = Count() - FOwner->NumHiddenColumns();
  if (visible != FOwner->ColCount() && visible > FOwner->FixedCols()) FOwner->SetColCount(visible);
  if (FOwner->FixedRows() > 0) {
    // A definition without a header takes the text its column already shows in the header row.
    QStringList headers;
    for (int32_t i = 0; i < Count(); ++i) {
      TGridColumnItem* column = Items(i);
      if (column->Header().isEmpty()) {
        const QString shown = FOwner->Cells(i, 0);
        if (!shown.isEmpty()) column->FColumnHeader = shown;
      }
      headers.append(column->Header());
    }
    FOwner->DefinitionHeadersChanged(headers);
  }
  FOwner->Repaint();
}

void TGridColumnCollection::FitToGrid() {
  if (!FOwner) return;
  const bool saved = FNoRecursiveUpdate;
  FNoRecursiveUpdate = true;
  const int32_t wanted = std::max(0, FOwner->ColCount() + FOwner->NumHiddenColumns());
  while (Count() < wanted) Add();
  while (Count() > wanted) Delete(Count() - 1);
  FNoRecursiveUpdate = saved;
}

void TGridColumnCollection::SetOrganization() {
  FitToGrid();
  for (int32_t i = 0; i < Count(); ++i) Items(i)->SetDefIdx(i);
}

void TGridColumnCollection::ResetOrganization() {
  if (!FOwner) return;
  const int32_t count = Count();
  // Two columns claiming one position would make the passes below move them back and forth for ever.
  std::vector<bool> seen(static_cast<size_t>(count), false);
  for (int32_t i = 0; i < count; ++i) {
    const int32_t target = Items(i)->DefIdx();
    if (target < 0 || target >= count || seen[static_cast<size_t>(target)]) return;
    seen[static_cast<size_t>(target)] = true;
  }
  // A permutation settles within count passes; the bound also ends the loop for a grid whose move leaves the
  // definitions where they are.
  for (int32_t pass = 0; pass <= count; ++pass) {
    bool moved = false;
    for (int32_t i = 0; i < Count(); ++i) {
      const int32_t target = Items(i)->DefIdx();
      if (target < i) {
        FOwner->MoveColumn(i, target);
        moved = true;
      }
    }
    if (!moved) return;
  }
}
