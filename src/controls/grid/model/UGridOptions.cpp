#include "UGridOptions.h"

#include <algorithm>
#include <limits>

#include "UStringGrid.h"

// ---- TSearchFooter ----

TSearchFooter::TSearchFooter(TStringGrid* AOwner, bool InitDesign) : FOwner(AOwner) {
  if (!InitDesign) return;
  FValues.FindPrevCaption = QStringLiteral("Find &previous");
  FValues.FindNextCaption = QStringLiteral("Find &next");
  FValues.MatchCaseCaption = QStringLiteral("Match case");
  FValues.HighLightCaption = QStringLiteral("Highlight");
  FValues.HintClose = QStringLiteral("Close");
  FValues.HintFindNext = QStringLiteral("Find next occurrence");
  FValues.HintFindPrev = QStringLiteral("Find previous occurrence");
  FValues.HintHighlight = QStringLiteral("Highlight occurrences");
}

void TSearchFooter::Assign(const TGridPersistent* Source) {
  const auto* source = dynamic_cast<const TSearchFooter*>(Source);
  if (!source) return;
  // The searching state and the theme link belong to this grid, not to the looks being copied.
  TValues kept = FValues;
  FValues = source->FValues;
  FValues.AutoSearch = kept.AutoSearch;
  FValues.AutoThemeAdapt = kept.AutoThemeAdapt;
  FValues.SearchFixedCells = kept.SearchFixedCells;
  FValues.LastSearch = kept.LastSearch;
  FFont.Assign(source->FFont);
}

void TSearchFooter::Changed() {
  if (OnChange) OnChange(this);
}

void TSearchFooter::Store(QString& Field, const QString& Value) {
  Field = Value;
  Changed();
}

void TSearchFooter::StoreIfChanged(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TSearchFooter::SetVisible(bool Value) {
  StoreIfChanged(FValues.Visible, Value);
}
void TSearchFooter::SetColor(TColor Value) {
  FValues.Color = Value;
  Changed();
}
void TSearchFooter::SetColorTo(TColor Value) {
  FValues.ColorTo = Value;
  Changed();
}
void TSearchFooter::SetFont(const TFont& Value) {
  FFont.Assign(Value);
  Changed();
}
void TSearchFooter::SetAutoThemeAdapt(bool Value) {
  FValues.AutoThemeAdapt = Value;
  Changed();
}
void TSearchFooter::SetFindPrevCaption(const QString& Value) {
  Store(FValues.FindPrevCaption, Value);
}
void TSearchFooter::SetFindNextCaption(const QString& Value) {
  Store(FValues.FindNextCaption, Value);
}
void TSearchFooter::SetMatchCaseCaption(const QString& Value) {
  Store(FValues.MatchCaseCaption, Value);
}
void TSearchFooter::SetHighLightCaption(const QString& Value) {
  Store(FValues.HighLightCaption, Value);
}
void TSearchFooter::SetHintClose(const QString& Value) {
  Store(FValues.HintClose, Value);
}
void TSearchFooter::SetHintFindNext(const QString& Value) {
  Store(FValues.HintFindNext, Value);
}
void TSearchFooter::SetHintFindPrev(const QString& Value) {
  Store(FValues.HintFindPrev, Value);
}
void TSearchFooter::SetHintHighlight(const QString& Value) {
  Store(FValues.HintHighlight, Value);
}
void TSearchFooter::SetShowClose(bool Value) {
  FValues.ShowClose = Value;
  Changed();
}
void TSearchFooter::SetShowFindNext(bool Value) {
  StoreIfChanged(FValues.ShowFindNext, Value);
}
void TSearchFooter::SetShowFindPrev(bool Value) {
  StoreIfChanged(FValues.ShowFindPrev, Value);
}
void TSearchFooter::SetShowHighLight(bool Value) {
  StoreIfChanged(FValues.ShowHighLight, Value);
}
void TSearchFooter::SetShowMatchCase(bool Value) {
  StoreIfChanged(FValues.ShowMatchCase, Value);
}

// ---- TNavigation ----

void TNavigation::Assign(const TGridPersistent* Source) {
  const auto* source = dynamic_cast<const TNavigation*>(Source);
  if (!source) return;
  const bool keepScrollOnSort = FValues.KeepScrollOnSort;
  FValues = source->FValues;
  FValues.KeepScrollOnSort = keepScrollOnSort;
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection Value) {
  if (FValues.AdvanceDirection == Value) return;
  FValues.AdvanceDirection = Value;
  if (OnChange) OnChange(this);
}

void TNavigation::SetAdvanceInsert(bool Value) {
  if (FValues.AdvanceInsert == Value) return;
  FValues.AdvanceInsert = Value;
  if (OnChange) OnChange(this);
}

void TNavigation::SetAdvanceAuto(bool Value) {
  if (FValues.AdvanceAuto == Value) return;
  FValues.AdvanceAuto = Value;
  if (Value) FValues.AdvanceOnEnter = true;
}

// ---- TMouseActions ----

TMouseActions::TMouseActions(TStringGrid* AOwner) : FOwner(AOwner) {}

void TMouseActions::Assign(const TGridPersistent* Source) {
  const auto* source = dynamic_cast<const TMouseActions*>(Source);
  if (!source) return;
  const TValues kept = FValues;
  FValues = source->FValues;
  FValues.SizeFixedRow = kept.SizeFixedRow;
  FValues.HotmailRowSelect = kept.HotmailRowSelect;
  FValues.EditOnDblClickOnly = kept.EditOnDblClickOnly;
}

bool TMouseActions::IsDesigning() {
  bool designing = false;
  if (OnIsDesigning) OnIsDesigning(this, designing);
  return designing;
}

void TMouseActions::SetHotmailRowSelect(bool Value) {
  FValues.HotmailRowSelect = Value;
  if (Value) {
    FValues.DisjunctRowSelect = true;
    FValues.CheckAllCheck = true;
  }
  if (OnInvalidate) OnInvalidate(this);
}

void TMouseActions::SetEditOnDblClickOnly(bool Value) {
  FValues.EditOnDblClickOnly = Value;
  if (Value && OnDisableEdit) OnDisableEdit(this);
}

void TMouseActions::SetWheelAction(TWheelAction Value) {
  if (FValues.WheelAction == Value) return;
  FValues.WheelAction = Value;
  if (OnChange) OnChange(this);
}

void TMouseActions::SetDisjunct(bool& Field, bool Value) {
  Field = Value;
  if (!Value || !IsDesigning()) return;
  for (bool* flag : {&FValues.DisjunctRowSelect, &FValues.DisjunctColSelect, &FValues.DisjunctCellSelect})
    if (flag != &Field) *flag = false;
}

void TMouseActions::SetDisjunctRowSelect(bool Value) {
  SetDisjunct(FValues.DisjunctRowSelect, Value);
}
void TMouseActions::SetDisjunctColSelect(bool Value) {
  SetDisjunct(FValues.DisjunctColSelect, Value);
}
void TMouseActions::SetDisjunctCellSelect(bool Value) {
  SetDisjunct(FValues.DisjunctCellSelect, Value);
}

// ---- TSyncGrid ----

void TSyncGrid::Assign(const TGridPersistent* Source) {
  const auto* source = dynamic_cast<const TSyncGrid*>(Source);
  if (!source) return;
  SetGrid(source->Grid());
  FValues = source->FValues;
}

TStringGrid* TSyncGrid::Grid() const {
  const auto grid = FGrid.lock();
  return grid ? *grid : nullptr;
}

void TSyncGrid::SetGrid(TStringGrid* Value) {
  if (Value != nullptr && Value == FOwner) return;
  FGrid = Value ? Value->Lifetime() : std::weak_ptr<TStringGrid* const>{};
}

// ---- TBands ----

void TBands::Assign(const TGridPersistent* Source) {
  const auto* source = dynamic_cast<const TBands*>(Source);
  if (!source) return;
  FActive = source->FActive;
  FPrimaryColor = source->FPrimaryColor;
  FPrimaryLength = source->FPrimaryLength;
  FSecondaryColor = source->FSecondaryColor;
  FSecondaryLength = source->FSecondaryLength;
  FPrint = source->FPrint;
  UpdateTotalLength();
}

void TBands::ChangedWhileActive() {
  if (FActive && OnChange) OnChange(this);
}

void TBands::UpdateTotalLength() {
  // Two large lengths would overflow the sum; the bands then simply never repeat.
  const int64_t total = int64_t(FPrimaryLength) + FSecondaryLength;
  FTotalLength =
      int32_t(std::clamp<int64_t>(total, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

void TBands::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  if (OnChange) OnChange(this);
}

void TBands::SetPrimaryColor(TColor Value) {
  if (FPrimaryColor == Value) return;
  FPrimaryColor = Value;
  ChangedWhileActive();
}

void TBands::SetSecondaryColor(TColor Value) {
  if (FSecondaryColor == Value) return;
  FSecondaryColor = Value;
  ChangedWhileActive();
}

void TBands::SetPrimaryLength(int32_t Value) {
  if (FPrimaryLength == Value) return;
  FPrimaryLength = Value;
  UpdateTotalLength();
  ChangedWhileActive();
}

void TBands::SetSecondaryLength(int32_t Value) {
  if (FSecondaryLength == Value) return;
  FSecondaryLength = Value;
  UpdateTotalLength();
  ChangedWhileActive();
}

// ---- TFocusHelper ----

void TFocusHelper::Assign(const TGridPersistent* Source) {
  if (const auto* source = dynamic_cast<const TFocusHelper*>(Source)) FEnabled = source->FEnabled;
}
