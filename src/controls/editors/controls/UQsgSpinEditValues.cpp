// The spin edit's values as its text shows them, their bounds and their steps.
#include <QDate>
#include <QTime>
#include <cmath>

#include "UDateParse.h"
#include "UEditorBeep.h"
#include "UFormatSettings.h"
#include "UQsgSpinEdit.h"
#include "UStrUtils.h"

namespace {

TDateTime Now() {
  const QDateTime now = QDateTime::currentDateTime();
  const TDateTime date = EncodeDate(now.date().year(), now.date().month(), now.date().day());
  return date + now.time().msecsSinceStartOfDay() / 86400000.0;
}

// The time of day of a value, whatever its day.
QTime Time_Of_Day(TDateTime value) {
  double fraction = std::fabs(value - std::trunc(value));
  const int msecs = int(std::lround(fraction * 86400000.0)) % 86400000;
  return QTime::fromMSecsSinceStartOfDay(msecs);
}

// "h:mm" or "h:mm:ss" with the locale's separator; a trailing AM/PM marker is read as well.
bool Read_Time(const QString& source, QChar separator, TDateTime& value) {
  QString text = source.trimmed();
  int hourShift = -1;
  if (text.endsWith(QStringLiteral("AM"), Qt::CaseInsensitive)) hourShift = 0;
  if (text.endsWith(QStringLiteral("PM"), Qt::CaseInsensitive)) hourShift = 12;
  if (hourShift >= 0) text = text.left(text.length() - 2).trimmed();
  const QStringList parts = text.split(separator);
  if (parts.size() < 2 || parts.size() > 3) return false;
  int32_t fields[3] = {0, 0, 0};
  for (qsizetype i = 0; i < parts.size(); ++i) {
    bool ok = false;
    fields[i] = parts[i].trimmed().toInt(&ok);
    if (!ok || fields[i] < 0) return false;
  }
  if (hourShift >= 0) {
    if (fields[0] > 12) return false;
    fields[0] = fields[0] % 12 + hourShift;
  }
  return TryEncodeTime(fields[0], fields[1], fields[2], 0, value);
}

// The locale's long time format may name the time zone; a time of day has none.
QString Without_Time_Zone(QString format) {
  format.remove(u't');
  return format.trimmed();
}

int32_t Days_In_Month(int32_t year, int32_t month) {
  return QDate(year, month, 1).daysInMonth();
}

}  // namespace

int32_t TQsgSpinEdit::Check_Value(int32_t value) const {
  if (FMinValue == FMaxValue) return value;
  return std::clamp(value, std::min(FMinValue, FMaxValue), std::max(FMinValue, FMaxValue));
}

double TQsgSpinEdit::Check_Float_Value(double value) const {
  if (FMinFloatValue == FMaxFloatValue) return value;
  if (value < FMinFloatValue) return FMinFloatValue;
  if (value > FMaxFloatValue) return FMaxFloatValue;
  return value;
}

TDateTime TQsgSpinEdit::Check_Date_Value(TDateTime value) const {
  if (FMinDateValue == FMaxDateValue) return value;
  if (value < FMinDateValue) return FMinDateValue;
  if (value > FMaxDateValue) return FMaxDateValue;
  return value;
}

int32_t TQsgSpinEdit::Value() const {
  const QString trimmed = Trim(text());
  if (trimmed.isEmpty()) return 0;
  int32_t value = 0;
  return TryStrToInt(trimmed, value) ? value : FMinValue;
}

void TQsgSpinEdit::SetValue(int32_t value) {
  setText(QString::number(Check_Value(value)));
  if (!FEditorEnabled) selectAll();
}

double TQsgSpinEdit::FloatValue() const {
  QString source = Trim(text());
  source.replace(FormatSettings().DecimalSeparator, u'.');
  bool ok = false;
  const double value = source.toDouble(&ok);
  // An unreadable text counts as the lower bound of the integer kind, as the grid's editors expect.
  return ok ? value : double(FMinValue);
}

void TQsgSpinEdit::SetFloatValue(double value) {
  const double clamped = Check_Float_Value(value);
  QString shown = FPrecision != 0 ? QString::number(clamped, 'f', std::clamp(FPrecision, 0, 15))
                                  : QString::number(clamped, 'g', 15);
  shown.replace(u'.', FormatSettings().DecimalSeparator);
  setText(shown);
}

TDateTime TQsgSpinEdit::DateValue() const {
  const QString shown = text();
  if (shown == QStringLiteral("0") || shown.isEmpty()) return Now();
  TDateTime value = 0;
  return ParseLocaleDateTime(shown, value) ? value : FMinDateValue;
}

void TQsgSpinEdit::SetDateValue(TDateTime value) {
  FDateValue = value;
  const TDateTime clamped = Check_Date_Value(value);
  const int caret = cursorPosition();
  int32_t year = 0, month = 0, day = 0;
  DecodeDate(clamped, year, month, day);
  setText(QDate(year, month, day).toString(FormatSettings().ShortDateFormat));
  setCursorPosition(caret);
}

TDateTime TQsgSpinEdit::TimeValue() const {
  TDateTime value = 0;
  return Read_Time(text(), FormatSettings().TimeSeparator, value) ? value : 0;
}

void TQsgSpinEdit::SetTimeValue(TDateTime value) {
  FTimeValue = value;
  const TDateTime clamped = Check_Date_Value(value);
  const int caret = cursorPosition();
  const TFormatSettings fs = FormatSettings();
  const QTime time = Time_Of_Day(clamped);
  if (FShowSeconds) {
    setText(time.toString(Without_Time_Zone(fs.LongTimeFormat)));
  } else {
    setText(QString::number(time.hour()) + fs.TimeSeparator + QString::number(time.minute()).rightJustified(2, u'0'));
  }
  setCursorPosition(caret);
}

void TQsgSpinEdit::Clamp_On_Exit() {
  switch (FSpinType) {
    case sptNormal:
      if (Check_Value(Value()) != Value()) SetValue(Value());
      break;
    case sptFloat:
      if (Check_Float_Value(FloatValue()) != FloatValue()) SetFloatValue(FloatValue());
      break;
    case sptDate:
      if (Check_Date_Value(DateValue()) != DateValue()) SetDateValue(DateValue());
      break;
    case sptTime:
      if (Check_Date_Value(TimeValue()) != TimeValue()) SetTimeValue(TimeValue());
      break;
  }
}

void TQsgSpinEdit::IncrementValue(bool page) {
  Step(+1, page);
}

void TQsgSpinEdit::DecrementValue(bool page) {
  Step(-1, page);
}

void TQsgSpinEdit::Step(int32_t sign, bool page) {
  if (isReadOnly()) {
    EditorBeep();
    return;
  }
  switch (FSpinType) {
    case sptNormal:
      SetValue(Value() + sign * FIncrement);
      break;
    case sptFloat:
      SetFloatValue(FloatValue() + sign * (page ? FIncrementFloatPage : FIncrementFloat));
      break;
    case sptDate:
      Step_Date(sign);
      break;
    case sptTime:
      Step_Time(sign);
      break;
  }
}

void TQsgSpinEdit::Step_Date(int32_t sign) {
  const TFormatSettings fs = FormatSettings();
  const QString format = fs.ShortDateFormat.toUpper();
  FUsDates = format.indexOf(u'M') < format.indexOf(u'D');
  const QString shown = text();
  // 1-based positions of the two separators, 0 when missing; the caret counts from 0.
  const int32_t p1 = int32_t(shown.indexOf(fs.DateSeparator)) + 1;
  const int32_t p2 = p1 > 0 ? int32_t(shown.indexOf(fs.DateSeparator, p1)) + 1 : 0;
  const int32_t c = Caret();
  enum { Day, Month, Year } part = Year;
  if (c < p1) {
    part = FUsDates ? Month : Day;
  } else if (c < p2) {
    part = FUsDates ? Day : Month;
  }
  const TDateTime current = DateValue();
  int32_t year = 0, month = 0, day = 0;
  DecodeDate(current, year, month, day);
  TDateTime next = current;
  switch (part) {
    case Day:
      next = current + sign;
      break;
    case Month: {
      int32_t m = month + sign, y = year;
      if (m > 12) m = 1, ++y;
      if (m < 1) m = 12, --y;
      next = EncodeDate(y, m, std::min(day, Days_In_Month(y, m)));
      break;
    }
    case Year:
      // Raises for 29 February into a year without it; the shown date stays.
      next = EncodeDate(year + sign, month, day);
      break;
  }
  SetDateValue(next);
}

void TQsgSpinEdit::Step_Time(int32_t sign) {
  const TFormatSettings fs = FormatSettings();
  const QString shown = text();
  const int32_t p1 = int32_t(shown.indexOf(fs.TimeSeparator)) + 1;
  const int32_t p2 = p1 > 0 ? int32_t(shown.indexOf(fs.TimeSeparator, p1)) + 1 : 0;
  const int32_t c = Caret();
  TDateTime step = 0;
  if (c < p1) {
    step = EncodeTime(FIncrementHours, 0, 0, 0);
  } else if (FShowSeconds && c >= p2) {
    step = EncodeTime(0, 0, FIncrementSeconds, 0);
  } else {
    step = EncodeTime(0, FIncrementMinutes, 0, 0);
  }
  const TDateTime time = TimeValue();
  if (sign > 0) {
    SetTimeValue(time + step);
  } else {
    // Below midnight the text shows the evening of the same day.
    TDateTime t = time + 1 - step;
    if (t > 1) t -= 1;
    SetTimeValue(t);
  }
}
