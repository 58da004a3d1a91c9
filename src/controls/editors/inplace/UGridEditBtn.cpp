#include "UGridEditBtn.h"

#include <QApplication>
#include <QKeyEvent>

#include "UGridEditorSteps.h"
#include "UMaskedInput.h"
#include "UQrvStringGrid.h"

TGridEditBtn::TGridEditBtn(TQrvStringGrid& grid, QWidget* view, QWidget* parent)
    : TQsgEditBtn(parent), FGrid(grid), FView(view) {
  FMask = new TMaskedInput(*this, true);
  SetButtonCaption(QStringLiteral("..."));
  SetBorderStyle(bsNone);
  hide();
  setEnabled(false);
  OnChange = [this](TQsgEditBtn*) {
    if (!FDetached) FGrid.EditorChanged(Value());
    if (FGrid.OnEditChange) FGrid.OnEditChange(&FGrid, FGrid.Col(), FGrid.Row(), Value());
  };
}

void TGridEditBtn::Load(TEditorType kind, const QString& text) {
  FKind = kind;
  FDetached = false;
  WorkMode = true;
  FMaskError.clear();
  try {
    FMask->SetMask(kind == edMaskEditBtn ? FGrid.GetEditMask(FGrid.Col(), FGrid.Row()) : QString());
  } catch (const EEditMaskError& error) {
    FMaskError = error.Message();
    FMask->SetMask(QString());
  }
  if (!FMask->Active()) {
    const int32_t limit = FGrid.GetEditLimit();
    setMaxLength(limit > 0 ? limit : std::numeric_limits<int>::max());
  }
  FMask->SetValue(text);
}

QString TGridEditBtn::Value() const {
  return FMask->Value();
}

void TGridEditBtn::ClickBtn(QObject*) {
  QString s;
  FGrid.EllipsClick(Value(), s);
  FMask->SetValue(s);
  selectAll();
  update();
  if (StopEditAfterClick) {
    FGrid.HideInplaceEdit();
    FGrid.FocusGrid();
  }
}

bool TGridEditBtn::Guarded_Event(QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) && FGrid.EditorWantsTab()) {
      keyPressEvent(k);
      return true;
    }
  }
  return TQsgEditBtn::Guarded_Event(e);
}

void TGridEditBtn::keyPressEvent(QKeyEvent* e) {
  TShiftState shift;
  const uint16_t key = Editor_Key(e, shift);
  WorkMode = key != VK_BACK && key != VK_DELETE;
  FSelKeyDown = cursorPosition();
  const bool editorKey = key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_PRIOR || key == VK_NEXT ||
                         key == VK_UP || key == VK_DOWN;
  if ((shift & ssCtrl) || !editorKey) {
    const QString typed = e->text();
    if (typed.size() == 1 && typed[0].unicode() >= 32 && !(shift & ssCtrl) &&
        (FKind == edNumericEditBtn || FKind == edFloatEditBtn)) {
      QChar ch = typed[0];
      if (!Filter_Editor_Char(FKind == edNumericEditBtn ? edNumeric : edFloat, ch, text(), cursorPosition(),
                              selectedText(), QString()))
        return;
    }
    TQsgEditBtn::keyPressEvent(e);
    return;
  }
  const TEditorType kind = FGrid.EditControl();
  // The text validation left comes back into the editor as part of the validation: a refused one is shown for
  // mending over the cell validation restored.
  const auto showValidated = [this] {
    FGrid.SetValidating(true);
    FMask->SetValue(FGrid.NewCellText());
    FGrid.SetValidating(false);
  };
  if (key == VK_TAB || key == VK_RETURN || key == VK_UP || key == VK_DOWN) {
    const bool valid = Validate_Editor_Text(FGrid, Value());
    showValidated();
    if (!valid) {
      selectAll();
      update();
      FGrid.SetEditControl(kind);
      return;
    }
  }
  if (key == VK_TAB && FGrid.EditorWantsTab()) {
    if (!Validate_Editor_Text(FGrid, Value())) {
      showValidated();
      end(false);
      update();
      return;
    }
    if (Editor_Tab_Step(FGrid, FView, shift & ssShift)) return;
  }
  if (key == VK_ESCAPE) FMask->SetValue(FGrid.OriginalCellValue());
  FGrid.DoneInplaceEdit(key, shift);
}

void TGridEditBtn::focusOutEvent(QFocusEvent* e) {
  if (!FDetached && e->reason() != Qt::PopupFocusReason && isVisible() && !FGrid.BlockKill() &&
      !isAncestorOf(QApplication::focusWidget()))
    FGrid.HideInplaceEdit();
  TQsgEditBtn::focusOutEvent(e);
}
