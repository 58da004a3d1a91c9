#include "UGridDateTimePicker.h"

#include <QApplication>
#include <QKeyEvent>

#include "UDateParse.h"
#include "UFormatSettings.h"
#include "UGridEditorSteps.h"
#include "UQrvStringGrid.h"

TGridDateTimePicker::TGridDateTimePicker(TQrvStringGrid& grid, QWidget* view, QWidget* parent)
    : TGridAdapter(grid, view, parent) {
  SetKind(dkDateTime);
  OnChange = [this](TDateTimePicker*) { FGrid.DateTimeChange(DateTime()); };
}

bool TGridDateTimePicker::Open(IGridEditorHost& host, TEditorType, const TEditorPlace& place) {
  Begin();
  Load(FGrid.GetEditText(place.Col, place.Row));
  FGrid.GetEditorProp(place.RealCol, place.Row, FGrid.EditLink());
  host.Present(this, place, 0);
  return true;
}

void TGridDateTimePicker::Load(const QString& text) {
  FDetached = false;
  TDateTime value = 0;
  if (!ParseLocaleDateTime(text, value)) value = Now_DateTime();
  FOriginalDateTime = value;
  SetDateTime(value);
}

QString TGridDateTimePicker::CommitText() const {
  if (!Checked()) return QString();
  const TFormatSettings fs = FormatSettings();
  const QDateTime shown = To_QDateTime(DateTime());
  return shown.date().toString(fs.ShortDateFormat) + QLatin1Char(' ') + shown.time().toString(fs.ShortTimeFormat);
}

void TGridDateTimePicker::KeyDown(QKeyEvent* e) {
  TShiftState shift;
  const uint16_t key = Editor_Key(e, shift);
  if (key == VK_ESCAPE) {
    SetDateTime(FOriginalDateTime);
    FGrid.HideInplaceEdit();
    FGrid.FocusGrid();
    return;
  }
  if (key == VK_RETURN) {
    FGrid.HideInplaceEdit();
    FGrid.FocusGrid();
    if (FGrid.Navigation().AdvanceOnEnter())
      FGrid.AdvanceCell(FGrid.Col(), FGrid.Row(), true, false, true, true, false);
    return;
  }
  if (key == VK_TAB && FGrid.EditorWantsTab()) {
    const QString shown = CommitText();
    FGrid.HideInplaceEdit();
    FGrid.FocusGrid();
    FGrid.SetCurrentCellText(shown);
    FGrid.TabAdvance(shift & ssShift);
    return;
  }
  TQrvDateTimePicker::KeyDown(e);
}
