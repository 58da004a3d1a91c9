// The in-place editor's lifecycle: whether a cell may be edited, which editor opens on it, how it is placed and
// loaded, how its value is written back, and how the edit ends. The editor controls are widgets; the grid reaches
// them through IGridEditors and decides everything else here.
#include "UMarkupText.h"
#include "UQrvStringGrid.h"

bool TQrvStringGrid::IsTextEditorKind(TEditorType kind) {
  switch (kind) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
    case edValidChars:
    case edPositiveFloat:
      return true;
    default:
      return false;
  }
}

namespace {

// The kinds whose editor the cell follows while it is edited: the text editor's kinds (not the valid-characters
// one), the spin editor's and the edit-with-button editor's.
bool Cell_Follows_Editor(TEditorType kind) {
  if (kind == edValidChars) return false;
  if (TQrvStringGrid::IsTextEditorKind(kind)) return true;
  switch (kind) {
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit:
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn:
      return true;
    default:
      return false;
  }
}

// Marks an editor as being opened for as long as the scope lasts; an opening inside another keeps the mark.
class TEditStartScope {
 public:
  explicit TEditStartScope(bool& flag) : FFlag(flag), FBefore(flag) { FFlag = true; }
  ~TEditStartScope() { FFlag = FBefore; }
  TEditStartScope(const TEditStartScope&) = delete;
  TEditStartScope& operator=(const TEditStartScope&) = delete;

 private:
  bool& FFlag;
  bool FBefore;
};

}  // namespace

bool TQrvStringGrid::NormalEditFocused() const {
  return FEditors && FEditors->TextEditorShowing();
}

void TQrvStringGrid::ShowInplaceEditor() {
  if (FEditors)
    ShowInplaceEdit();
  else
    FEditMode = true;
}

void TQrvStringGrid::HideInplaceEditor() {
  if (FEditors) HideInplaceEdit();
}

void TQrvStringGrid::FocusGrid() {
  if (FEditors) FEditors->FocusGrid();
}

bool TQrvStringGrid::IsEditable(int32_t realCol, int32_t aRow) {
  if (!(Options() & goEditing) && !MouseActions().RangeSelectAndEdit() && !FEditDisable) return false;
  return CellEditAllowed(realCol, aRow);
}

bool TQrvStringGrid::CellEditAllowed(int32_t realCol, int32_t aRow) {
  const TPoint base = BaseCell(realCol, aRow);
  bool canEdit = true;
  bool fixed = false;
  CanEditCell(base.X, base.Y, canEdit);
  IsFixedCell(RealColIndex(base.X), base.Y, fixed);
  return canEdit && !fixed;
}

bool TQrvStringGrid::CanEditShow() {
  if (FValidating) return false;
  bool result = (Options() & goEditing) && !(Options() & goRowSelect) && HandleAllocated() &&
                (Focused() || (Options() & goAlwaysShowEditor));
  if (IsDesigning()) return result;
  const TPoint base = BaseCell(DisplayToRealCol(Col()), Row());
  if (result && !FEditMode && IsControlCell(base.X, base.Y)) return false;
  if (result && !FEditMode) {
    FNoEditChange = true;
    FCellCache = GetCurrentCellText();
    RememberOldCellText(Col(), Row());
    FEditControl = DefaultEditor;
    GetCellEditor(base.X, base.Y, FEditControl);
    if (FEditControl == edNone) return false;
    FEditMode = true;
    if (IsTextEditorKind(FEditControl)) {
      FShowEditProcess = true;
    } else {
      ShowSpecialEditor(RealToDisplayCol(base.X), base.Y);
      FEntered = true;
      if (FocusHelper().Enabled()) ShowFocusFrame(CellRect(Col(), Row()));
      return false;
    }
  }
  if (result) {
    FEntered = true;
    FEditing = true;
    if (FocusHelper().Enabled()) ShowFocusFrame(CellRect(Col(), Row()));
  }
  return result;
}

void TQrvStringGrid::ShowSpecialEditor(int32_t aCol, int32_t aRow) {
  const TEditStartScope starting(FEditStart);
  FEditing = true;
  FSpecialEditor = true;
  FEditActive = true;
  TEditorPlace place;
  place.Col = aCol;
  place.RealCol = DisplayToRealCol(aCol);
  place.Row = aRow;
  place.Rect = CellRect(aCol, aRow);
  place.Width = place.Rect.Right - place.Rect.Left - 1;
  place.Height = place.Rect.Bottom - place.Rect.Top - 1;
  TGridDrawState state;
  TBrush brush;
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment hAlign = taLeftJustify;
  TVAlignment vAlign = vtaTop;
  bool wordWrap = false;
  TCellGradientDirection gradient{};
  GetVisualProperties(place.RealCol, aRow, state, false, false, true, brush, colorTo, mirror, mirrorTo, place.Font,
                      hAlign, vAlign, wordWrap, gradient);
  place.Color = brush.Color;
  if (FEditControl != edCustom) FLastValidation = true;
  const bool opened = FEditors && FEditors->ShowSpecialEditor(FEditControl, place);
  if (opened && !FStartEditChar.isNull()) FEditors->PostStartChar(FStartEditChar);
  FStartEditChar = QChar();
  // A kind with no control here (or a custom kind without its link) opened nothing: an edit left open would keep
  // every later cell from opening its editor and end with events for an edit that never showed.
  if (FEditors && !opened) {
    FEditMode = false;
    FEditing = false;
    FSpecialEditor = false;
    FEditActive = false;
  }
}

void TQrvStringGrid::CommitSpecialEditor(int32_t aCol, int32_t aRow) {
  if (FDestroying) return;
  FSpecialEditor = false;
  FBlockKill = true;
  const int32_t realCol = DisplayToRealCol(aCol);
  FStartEditChar = QChar();
  const TEditorValue value = FEditors ? FEditors->CommitSpecialEditor(FEditControl) : TEditorValue{};
  // Kinds whose value counts only while the edit is still open.
  bool needsEditMode = false;
  switch (FEditControl) {
    case edComboEdit:
    case edComboList:
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn:
      needsEditMode = true;
      break;
    default:
      needsEditMode = FEditControl >= edTrackbarDropDown && FEditControl <= edQrvGridDropDown;
      break;
  }
  if (!needsEditMode || FEditMode) {
    switch (value.Kind) {
      case TEditorValue::Text:
        WriteCell(realCol, aRow, value.Str);
        break;
      case TEditorValue::Int:
        SetInts(realCol, aRow, value.Integer);
        break;
      case TEditorValue::Float:
        SetFloats(realCol, aRow, value.Number);
        break;
      case TEditorValue::Date:
        SetDates(realCol, aRow, value.Number);
        break;
      case TEditorValue::None:
        break;
    }
  }
  FEditMode = false;
  if (FEditControl != edNormal && FEditActive) PostEditDone(realCol, aRow);
  FBlockKill = false;
  FEditActive = false;
}

void TQrvStringGrid::WriteCell(int32_t realCol, int32_t aRow, const QString& value) {
  SetEditText(RealToDisplayCol(realCol), aRow, value);
  SetCells(realCol, aRow, value);
}

void TQrvStringGrid::CancelCellEdit() {
  SetCells(DisplayToRealCol(Col()), Row(), FCellCache);
}

void TQrvStringGrid::ShowInplaceEdit() {
  if (IsControlCell(DisplayToRealCol(Col()), Row())) return;
  if (Row() < TopRow()) SetTopRow(Row());
  if (Col() < LeftCol()) SetLeftCol(Col());
  FEditText = Cells(DisplayToRealCol(Col()), Row());
  // An editor opened by a press with caret positioning takes its caret where the press landed.
  FCaretPress = FLButFlg && FButtonDown ? TPoint{FClickX, FClickY} : TPoint{-1, -1};
  ShowEditor();
}

void TQrvStringGrid::HideInplaceEdit() {
  if (!FEditMode) return;
  HideEditor();
  CommitSpecialEditor(Col(), Row());
  FEditMode = false;
  SelectCell(Col(), Row());
  // An edit that ends without a validation (nothing typed, or cancelled) must not leave its glow behind.
  HideFocusFrame();
}

void TQrvStringGrid::ShowCellEdit() {
  uint16_t key = VK_F2;
  KeyDown(key, {});
}

void TQrvStringGrid::PostEditDone(int32_t realCol, int32_t aRow) {
  if (OnEditingDone) OnEditingDone(this);
  FEditMode = false;
  if (FEditors) FEditors->PostEditDone(realCol, aRow);
}

void TQrvStringGrid::GridEditDone(int32_t realCol, int32_t aRow) {
  if (OnEditCellDone) OnEditCellDone(this, realCol, aRow);
  if (MouseActions().EditOnDblClickOnly()) {
    HideEditor();
    FEditMode = false;
    SetOptions(Options() & ~TGridOptions(goEditing));
  }
}

void TQrvStringGrid::DoneInplaceEdit(uint16_t key, TShiftState shift) {
  FBlockFocus = true;
  FEditing = false;
  // The cell may have followed what was typed, and the editor's own value (a spin's number) may differ from the
  // text the cell had: an edit left with Escape leaves the cell as it was when the editor opened.
  const bool abandoned = key == VK_ESCAPE && FEditMode && Cell_Follows_Editor(FEditControl);
  const QString original = FCellCache;
  HideInplaceEdit();
  if (abandoned) {
    WriteCell(DisplayToRealCol(Col()), Row(), original);
    FCellCache = original;
  }
  if (Navigation().AppendOnArrowDown() && key == VK_DOWN && IsLastNormalRow()) AutoAppendRow();
  if (key == VK_TAB || key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN) KeyDown(key, shift);
  const bool alwaysEdit = Navigation().AlwaysEdit();
  Navigation().SetAlwaysEdit(false);
  FocusGrid();
  if (key == VK_RETURN) AdvanceCell(Col(), Row(), false, false, true, true, false);
  Navigation().SetAlwaysEdit(alwaysEdit);
  FBlockFocus = false;
}

bool TQrvStringGrid::EditorWantsTab() const {
  return (Options() & goTabs) || OnCellValidate || OnCellValidateWide;
}

int32_t TQrvStringGrid::GetEditLimit() {
  return FMaxEditLength;
}

bool TQrvStringGrid::QueryPasswordCell(int32_t realCol, int32_t aRow) {
  bool password = false;
  IsPasswordCell(realCol, aRow, password);
  return password;
}

void TQrvStringGrid::GetEditorProp(int32_t realCol, int32_t aRow, TEditLink* link) {
  if (OnGetEditorProp) OnGetEditorProp(this, realCol, aRow, link);
  if (OnGetEditorPropInt) OnGetEditorPropInt(this, aRow, realCol);
}

void TQrvStringGrid::CheckBoxClick(int32_t aCol, int32_t aRow, bool state) {
  if (OnCheckBoxClick) OnCheckBoxClick(this, aCol, aRow, state);
}

void TQrvStringGrid::ShowEditor() {
  const TEditStartScope starting(FEditStart);
  if (!CanEditShow()) return;
  if (FEditors && IsTextEditorKind(FEditControl)) FEditors->ShowTextEditor(FEditControl);
}

// Only a change made in the editor counts: not its loading while it opens, and not what validation puts back into
// it (a refused text shown again for mending stays over the cell validation restored until it is edited).
void TQrvStringGrid::EditorChanged(const QString& text) {
  if (!FShowEditProcess || !FEditMode || FEditStart || FValidating || !Cell_Follows_Editor(FEditControl)) return;
  SetEditText(Col(), Row(), text);
}

void TQrvStringGrid::HideEditor() {
  if (!FEditors || !FEditors->TextEditorShowing()) return;
  SetEditText(Col(), Row(), FEditors->TextEditorText());
  FEditors->HideTextEditor();
}

bool TQrvStringGrid::EditorShowing() const {
  return FEditors && FEditors->TextEditorShowing();
}

QString TQrvStringGrid::GetEditText(int32_t aCol, int32_t aRow) const {
  const TPoint base = BaseCell(DisplayToRealCol(aCol), aRow);
  const QString text = Cells(base.X, base.Y);
  return EditWithTags ? text : StripTags(text);
}

void TQrvStringGrid::SetEditText(int32_t aCol, int32_t aRow, const QString& value) {
  const TPoint base = BaseCell(DisplayToRealCol(aCol), aRow);
  SetCells(base.X, base.Y, value);
}

QString TQrvStringGrid::GetEditMask(int32_t aCol, int32_t aRow) {
  QString mask = EditMask;
  if (OnGetEditMask) OnGetEditMask(this, aCol, aRow, mask);
  return mask;
}

void TQrvStringGrid::ClearComboString() {
  FComboItems.clear();
  FComboObjects.clear();
}

void TQrvStringGrid::AddComboString(const QString& s) {
  AddComboStringObject(s, nullptr);
}

void TQrvStringGrid::AddComboStringObject(const QString& s, TObject* object) {
  FComboItems.append(s);
  FComboObjects.append(object);
}

bool TQrvStringGrid::RemoveComboString(const QString& s) {
  const int32_t i = static_cast<int32_t>(FComboItems.indexOf(s));
  if (i < 0) return false;
  FComboItems.removeAt(i);
  FComboObjects.removeAt(i);
  return true;
}

bool TQrvStringGrid::SetComboSelectionString(const QString& s) {
  const int32_t i = static_cast<int32_t>(FComboItems.indexOf(s));
  if (i < 0) return false;
  FComboIdx = i;
  return true;
}

int32_t TQrvStringGrid::GetComboIndex(int32_t realCol, int32_t aRow) {
  GetEditorProp(realCol, aRow, nullptr);
  return static_cast<int32_t>(FComboItems.indexOf(Cells(realCol, aRow)));
}

void TQrvStringGrid::SetComboIndex(int32_t realCol, int32_t aRow, int32_t value) {
  GetEditorProp(realCol, aRow, nullptr);
  // An index outside the list would read past it: such a call leaves the cell as it is.
  if (value >= 0 && value < FComboItems.size()) SetCells(realCol, aRow, FComboItems[value]);
}

void TQrvStringGrid::EllipsClick(const QString& text, QString& result) {
  result = text;
  if (OnEllipsClick) OnEllipsClick(this, DisplayToRealCol(Col()), Row(), result);
}

void TQrvStringGrid::ClickSort(int32_t aCol) {
  if (OnClickSort) OnClickSort(this, aCol);
}

bool TQrvStringGrid::CanShowFixedDropDown(int32_t aCol) {
  bool canShow = true;
  if (OnCanShowFixedDropDown) OnCanShowFixedDropDown(this, aCol, canShow);
  return canShow;
}

void TQrvStringGrid::StartBlockFocus() {
  if (OnStartBlockFocus) OnStartBlockFocus(this);
}

void TQrvStringGrid::EndBlockFocus() {
  if (OnEndBlockFocus) OnEndBlockFocus(this);
}

void TQrvStringGrid::DisableEditing() {
  SetOptions(Options() & ~TGridOptions(goEditing));
}

void TQrvStringGrid::DateTimeChange(double value) {
  if (OnDateTimeChange) OnDateTimeChange(this, Col(), Row(), value);
}

void TQrvStringGrid::DatePickerCloseUp() {
  if (OnDatePickerCloseUp) OnDatePickerCloseUp(this, Row(), Col());
  if (FMouseActions->DirectDateClose()) HideInplaceEdit();
}

void TQrvStringGrid::DatePickerDropDown() {
  if (OnDatePickerDropDown) OnDatePickerDropDown(this, Row(), Col());
}
