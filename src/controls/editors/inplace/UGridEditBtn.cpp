#include "UGridEditBtn.h"

#include <QApplication>
#include <QKeyEvent>

#include "UEditorTones.h"
#include "UGridEditorSteps.h"
#include "UMaskedInput.h"
#include "UQrvStringGrid.h"

TGridEditBtn::TGridEditBtn(TQrvStringGrid& grid, QWidget* view, QWidget* parent) : TGridAdapter(grid, view, parent) {
  FMask = new TMaskedInput(*this, true);
  SetButtonCaption(QStringLiteral("..."));
  SetBorderStyle(bsNone);
  OnChange = [this](TQsgEditBtn*) {
    if (!FDetached) FGrid.EditorChanged(Value());
    if (FGrid.OnEditChange) FGrid.OnEditChange(&FGrid, FGrid.Col(), FGrid.Row(), Value());
  };
}

bool TGridEditBtn::Open(IGridEditorHost& host, TEditorType kind, const TEditorPlace& place) {
  Begin();
  Load(kind, FGrid.GetEditText(place.Col, place.Row));
  host.Present(this, place, 0);
  if (!FMaskError.isEmpty()) host.ShowBalloon(QString(), FMaskError, 3);
  return true;
}

void TGridEditBtn::ApplyTones(const TColorTones& tones, TColor) {
  Apply_Editor_Tones(tones, *this);
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

void TGridEditBtn::keyPressEvent(QKeyEvent* e) {
  TShiftState shift;
  const uint16_t key = Editor_Key(e, shift);
  WorkMode = key != VK_BACK && key != VK_DELETE;
  FSelKeyDown = cursorPosition();
  const bool editorKey = key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_PRIOR || key == VK_NEXT ||
                         key == VK_UP || key == VK_DOWN;
  if ((shift & ssCtrl) || !editorKey) {
    QChar ch = Editor_Typed_Char(e);
    if (!ch.isNull() && (FKind == edNumericEditBtn || FKind == edFloatEditBtn)) {
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
