#include "UGridDatePicker.h"

#include <QApplication>
#include <QKeyEvent>

#include "UDateParse.h"
#include "UEditorTones.h"
#include "UGridEditorSteps.h"
#include "UQrvStringGrid.h"

TGridDatePicker::TGridDatePicker(TQrvStringGrid& grid, QWidget* view, QWidget* parent)
    : TGridAdapter(grid, view, parent) {
  OnChange = [this](TDateTimePicker*) {
    if (FGrid.OnEditChange) FGrid.OnEditChange(&FGrid, FGrid.Col(), FGrid.Row(), text());
  };
  OnCloseUp = [this](TDateTimePicker*) { FGrid.DatePickerCloseUp(); };
  OnDropDown = [this](TDateTimePicker*) { FGrid.DatePickerDropDown(); };
}

bool TGridDatePicker::Open(IGridEditorHost& host, TEditorType kind, const TEditorPlace& place) {
  Begin();
  FGrid.GetEditorProp(place.RealCol, place.Row, FGrid.EditLink());
  Load(kind, FGrid.GetEditText(place.Col, place.Row));
  host.Present(this, place, 0);
  if (kind != edTimeEdit && FGrid.MouseActions().DirectDateDrop()) SetDroppedDown(true);
  return true;
}

void TGridDatePicker::ApplyTones(const TColorTones& tones, TColor) {
  Apply_Editor_Tones(tones, *this);
}

void TGridDatePicker::Load(TEditorType kind, const QString& text) {
  FKind = kind;
  FDetached = false;
  TDateTime value = Now_DateTime();
  if (kind == edTimeEdit) {
    SetPickerKind(dtkTime);
    TDateTime read = 0;
    if (ParseLocaleDateTime(text, read)) value = read;
  } else {
    SetPickerKind(dtkDate);
    setCalendarPopup(kind == edDateEdit);
    if (!text.isEmpty()) {
      TDateTime read = value;
      if (FGrid.OnCustomStrToDate) {
        FGrid.OnCustomStrToDate(&FGrid, text, read);
        value = read;
      } else if (ParseLocaleDateTime(text, read)) {
        value = read;
      }
    }
    if (MaxDate != 0 && value > MaxDate) value = MaxDate - 1;
    if (MinDate != 0 && value <= MinDate) value = MinDate + 1;
  }
  SetPickerDateTime(value);
}

QString TGridDatePicker::CommitText() const {
  return Checked() ? text() : QString();
}

void TGridDatePicker::KeyDown(QKeyEvent* e) {
  TShiftState shift;
  const uint16_t key = Editor_Key(e, shift);
  if (key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE && key != VK_PRIOR && key != VK_NEXT && key != VK_END) {
    TQsgDateTimePicker::KeyDown(e);
    return;
  }
  if (key == VK_ESCAPE) {
    TDateTime read = 0;
    SetPickerDateTime(ParseLocaleDateTime(FGrid.GetCurrentCellText(), read) ? read : Now_DateTime());
  }
  if (key == VK_RETURN) {
    if (!Validate_Editor_Text(FGrid, text())) {
      update();
      return;
    }
  }
  if (key == VK_TAB && FGrid.EditorWantsTab()) {
    if (!Validate_Editor_Text(FGrid, text())) {
      update();
      return;
    }
    if (Editor_Tab_Step(FGrid, FView, shift & ssShift)) return;
  }
  if (!DroppedDown()) FGrid.DoneInplaceEdit(key, shift);
}
