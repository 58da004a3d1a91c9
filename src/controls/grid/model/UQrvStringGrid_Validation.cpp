// Validation of an edited text before the edit may end: the owner accepts, changes or refuses it, an optional
// checker corrects it or marks errors, the undo history and the changed-cell notice learn the change, and a
// refusal puts the old text back and reopens the editor on the cell where editing started.
#include <functional>
#include <utility>

#include "UQrvGridUndoRedo.h"
#include "UQrvStringGrid.h"

namespace {

// Clears a flag when the scope ends, also when an event handler raises.
class TFlagReset {
 public:
  TFlagReset(bool& flag, bool value) : FFlag(flag), FValue(value) {}
  ~TFlagReset() { FFlag = FValue; }
  TFlagReset(const TFlagReset&) = delete;
  TFlagReset& operator=(const TFlagReset&) = delete;

 private:
  bool& FFlag;
  bool FValue;
};

// Runs a step when the scope ends, also when an event handler raises.
class TAtExit {
 public:
  explicit TAtExit(std::function<void()> step) : FStep(std::move(step)) {}
  ~TAtExit() { FStep(); }
  TAtExit(const TAtExit&) = delete;
  TAtExit& operator=(const TAtExit&) = delete;

 private:
  std::function<void()> FStep;
};

}  // namespace

void TQrvStringGrid::ShowBalloonOnRefusal() {
  if ((InvalidEntryTitle.isEmpty() && InvalidEntryText.isEmpty()) || !FEditors) return;
  FEditors->ShowBalloon(InvalidEntryTitle, InvalidEntryText, InvalidEntryIcon);
}

bool TQrvStringGrid::ValidateCell(const QString& value) {
  if (!FEditing || FValidating) return true;
  FEditing = false;
  FValidating = true;
  bool valid = true;
  const int32_t aCol = DisplayToRealCol(FOldCol);
  FNewCellText = value;
  {
    // The old-text bookkeeping and the guard's release run however the step below ends.
    TFlagReset release(FValidating, false);
    TAtExit remember([this] { RememberOldCellText(Col(), Row()); });
    if (value != FOldCellText || AlwaysValidate) {
      const bool changed = value != FOldCellText;
      const bool advanceOnEnter = Navigation().AdvanceOnEnter();
      Navigation().SetAdvanceOnEnter(false);
      TAtExit restore([this, advanceOnEnter] { Navigation().SetAdvanceOnEnter(advanceOnEnter); });
      QString text = value;
      if (CellChecker && CellChecker->AutoCorrect()) text = CellChecker->Correct(aCol, FOldRow, text);
      if (OnCellValidate) OnCellValidate(this, aCol, FOldRow, text, valid);
      if (text != FOldCellText) {
        FGridModified = true;
        if (FixedCols() > 0) {
          SetRowModified(FOldRow, true);
          if (ShowModifiedEnabled()) RepaintCell(0, FOldRow);
        }
      }
      if (valid) RecalcFooterColumn(aCol, FOldRow);
      if (CellChecker && CellChecker->AutoMarkError()) text = CellChecker->MarkError(aCol, FOldRow, text);
      if (valid && UndoRedo()) UndoRedo()->RegisterChange(aCol, FOldRow, FOldCellText, text);
      if (valid && changed) CellsChanged(TRect{aCol, FOldRow, aCol, FOldRow});
      FNewCellText = text;
      if (valid) {
        SetCells(aCol, FOldRow, text);
        const TPoint base = BaseCell(aCol, FOldRow);
        if (base.X != aCol || base.Y != FOldRow) SetCells(base.X, base.Y, text);
      } else {
        FLastValidation = false;
        const QString restored = text != value ? text : FOldCellText;
        if (text == value && FEditMode) FValidating = false;
        HideEditor();
        SetCells(aCol, FOldRow, restored);
        if (Col() != FOldCol || Row() != FOldRow) MoveCurrent(FOldCol, FOldRow, true, true);
        FValidating = false;
        FEditing = true;
        ShowInplaceEdit();
        FModified = FOldModifiedValue;
        ShowBalloonOnRefusal();
      }
      FOldCellText = GetGridCell(aCol, FOldRow);
    }
  }
  if (valid) HideFocusFrame();
  return valid;
}

bool TQrvStringGrid::ValidateCellWide(const QString& value) {
  if (!FEditing || FValidating) return true;
  FEditing = false;
  FValidating = true;
  bool valid = true;
  const int32_t aCol = DisplayToRealCol(FOldCol);
  FNewCellText = value;
  {
    TFlagReset release(FValidating, false);
    TAtExit remember([this] { RememberOldCellText(Col(), Row()); });
    if (value != FOldCellTextWide || AlwaysValidate) {
      const bool changed = value != FOldCellTextWide;
      QString text = value;
      RecalcFooterColumn(aCol, FOldRow);
      if (OnCellValidateWide) OnCellValidateWide(this, aCol, FOldRow, text, valid);
      if (changed) {
        FGridModified = true;
        if (ShowModifiedEnabled() && FixedCols() > 0) SetRowModified(FOldRow, true);
      }
      if (valid && changed) CellsChanged(TRect{aCol, FOldRow, aCol, FOldRow});
      FNewCellText = text;
      if (valid) {
        SetWideCells(aCol, FOldRow, text);
      } else {
        FLastValidation = false;
        HideEditor();
        SetWideCells(aCol, FOldRow, text != value ? text : FOldCellTextWide);
        if (Col() != FOldCol || Row() != FOldRow) MoveCurrent(FOldCol, FOldRow, true, true);
        FValidating = false;
        FEditing = true;
        ShowInplaceEdit();
      }
      FOldCellTextWide = GetWideCells(aCol, FOldRow);
    }
  }
  if (valid) HideFocusFrame();
  return valid;
}
