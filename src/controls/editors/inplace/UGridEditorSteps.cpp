#include "UGridEditorSteps.h"

#include <QApplication>
#include <QWidget>

#include "UDateTime.h"
#include "UEditorBeep.h"
#include "UGridModule.h"
#include "UGridView.h"
#include "UQrvStringGrid.h"

bool Validate_Editor_Text(TQrvStringGrid& grid, const QString& text) {
  grid.SetCurrentCellText(text);
  return grid.ValidateCell(text);
}

bool Editor_Tab_Step(TQrvStringGrid& grid, QWidget* view, bool backward) {
  if (grid.Options() & goTabs) {
    grid.HideInplaceEdit();
    grid.FocusGrid();
    grid.TabAdvance(backward);
    return true;
  }
  if (view)
    QApplication::postEvent(view, new QKeyEvent(QEvent::KeyPress, backward ? Qt::Key_Backtab : Qt::Key_Tab,
                                                backward ? Qt::ShiftModifier : Qt::NoModifier));
  return false;
}

uint16_t Editor_Key(const QKeyEvent* e, TShiftState& shift) {
  shift = TGridView::Shift_State(e->modifiers());
  if (e->key() == Qt::Key_Backtab) {
    shift |= ssShift;
    return VK_TAB;
  }
  return TGridView::Key_Code(e->key());
}

QChar Editor_Typed_Char(const QKeyEvent* e) {
  const QChar ch = TGridView::Key_Char(*e);
  return ch.unicode() >= 32 ? ch : QChar();
}

bool Filter_Editor_Char(TEditorType kind, QChar& ch, const QString& current, int32_t caret, const QString& selected,
                        const QString& validChars) {
  const ushort code = ch.unicode();
  if (code == 8 || code == 9 || code == 13 || code == 27) return true;
  switch (kind) {
    case edNumeric:
    case edPositiveNumeric:
      if (ch.isDigit() && code < 128) return true;
      if (kind == edNumeric && ch == QLatin1Char('-') && !current.contains(QLatin1Char('-')) && caret == 0)
        return true;
      EditorBeep();
      return false;
    case edFloat:
    case edPositiveFloat: {
      const bool sign = ch == QLatin1Char('-');
      if ((ch.isDigit() && code < 128) || ch == QLatin1Char(',') || ch == QLatin1Char('.') ||
          (sign && kind == edFloat)) {
        if (ch == GetDecimalSeparator() && current.contains(ch) && !selected.contains(ch)) return false;
        if (ch == GetThousandSeparator()) return false;
        if (sign && (caret != 0 || current.contains(ch)) && !selected.contains(ch)) {
          EditorBeep();
          return false;
        }
        return true;
      }
      return false;
    }
    case edCapital:
    case edUpperCase:
      ch = ch.toUpper();
      return true;
    case edLowerCase:
      ch = ch.toLower();
      return true;
    case edValidChars: {
      if (validChars.contains(ch)) return true;
      EditorBeep();
      return false;
    }
    default:
      return true;
  }
}

bool Stop_Fixed_Cell_Edit(TQrvStringGrid& grid, QWidget& editor, int32_t aCol, int32_t aRow, const QString& text) {
  QString value = text;
  bool valid = true;
  if (grid.OnCellValidate) grid.OnCellValidate(&grid, aCol, aRow, value, valid);
  if (!valid) {
    grid.SetCol(aCol);
    grid.SetRow(aRow);
    editor.setFocus(Qt::OtherFocusReason);
    return false;
  }
  if (grid.OnEditingDone) grid.OnEditingDone(&grid);
  grid.SetCells(aCol, aRow, value);
  editor.hide();
  return true;
}

double Now_DateTime() {
  const QDateTime now = QDateTime::currentDateTime();
  return EncodeDate(now.date().year(), now.date().month(), now.date().day()) +
         EncodeTime(now.time().hour(), now.time().minute(), now.time().second(), now.time().msec());
}

QDateTime To_QDateTime(double value) {
  int32_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
  DecodeDate(value, year, month, day);
  DecodeTime(value, hour, minute, second, msec);
  return QDateTime(QDate(year, month, day), QTime(hour, minute, second, msec));
}
