#include "UDateParse.h"

#include "UTextUtils.h"

namespace {
// Cuts the number before the first separator; false when there is no separator or no number.
bool Cut_Number(QString& text, QChar separator, int32_t& value) {
  const qsizetype p = text.indexOf(separator);
  if (p < 0 || !ReadWholeNumber(text.left(p), value)) return false;
  text.remove(0, p + 1);
  return true;
}

enum TDateField { dfDay, dfMonth, dfYear };

// Which field the first, second and third number of a date holds, from the letters' order in the short format.
void Field_Order(int32_t order[3]) {
  const QString format = LocaleShortDateFormat().toUpper();
  const int32_t pos[3] = {int32_t(format.indexOf(u'D')) + 1, int32_t(format.indexOf(u'M')) + 1,
                          int32_t(format.indexOf(u'Y')) + 1};
  order[0] = order[1] = order[2] = -1;
  for (int32_t f = 0; f < 3; ++f) {
    const int32_t a = pos[(f + 1) % 3], b = pos[(f + 2) % 3];
    if (pos[f] < a && pos[f] < b)
      order[0] = f;
    else if (pos[f] > a && pos[f] > b)
      order[2] = f;
    else if ((pos[f] > a && pos[f] < b) || (pos[f] < a && pos[f] > b))
      order[1] = f;
  }
}

TDateTime Parse_Fixed_Date(const QString& text, bool monthFirst) {
  QChar separator;
  for (QChar s : {u'/', u'.', u'-'}) {
    if (text.contains(s)) {
      separator = s;
      break;
    }
  }
  if (separator.isNull()) return 0;
  QString rest = text;
  int32_t first = 0, second = 0, third = 0;
  if (!Cut_Number(rest, separator, first) || !Cut_Number(rest, separator, second) || !ReadWholeNumber(rest, third))
    return 0;
  const uint16_t y = uint16_t(third);
  const int32_t year = y <= 25 ? y + 2000 : y + 1900;
  return monthFirst ? EncodeDate(year, first, second) : EncodeDate(year, second, first);
}
}  // namespace

bool ParseLocaleDateTime(const QString& source, TDateTime& value) {
  int32_t order[3];
  Field_Order(order);
  int32_t fields[3] = {0, 0, 0};
  const QChar dateSeparator = LocaleDateSeparator();
  QString text = source;
  int32_t number = 0;
  if (!Cut_Number(text, dateSeparator, number)) return false;
  if (order[0] >= 0) fields[order[0]] = number;
  if (!Cut_Number(text, dateSeparator, number)) return false;
  if (order[1] >= 0) fields[order[1]] = number;
  text = text.trimmed();
  QString timeText;
  const qsizetype blank = text.indexOf(u' ');
  if (blank >= 0) {
    timeText = text.mid(blank);
    text = text.left(blank);
  }
  if (!ReadWholeNumber(text, number)) return false;
  if (order[2] >= 0) fields[order[2]] = number;
  if (fields[dfDay] > 31 || fields[dfMonth] > 12) return false;
  TDateTime date = 0;
  if (!TryEncodeDate(fields[dfYear], fields[dfMonth], fields[dfDay], date)) return false;
  int32_t hour = 0, minute = 0, second = 0;
  if (!timeText.isEmpty()) {
    const QChar timeSeparator = LocaleTimeSeparator();
    if (!timeText.contains(timeSeparator)) {
      value = date;  // the date stands, but the text was not a date and time
      return false;
    }
    if (!Cut_Number(timeText, timeSeparator, hour) || hour > 23) return false;
    if (timeText.contains(timeSeparator)) {
      if (!Cut_Number(timeText, timeSeparator, minute) || !ReadWholeNumber(timeText, second) || second > 60)
        return false;
    } else if (!ReadWholeNumber(timeText, minute)) {
      return false;
    }
    if (minute > 59) return false;
  }
  TDateTime time = 0;
  if (!TryEncodeTime(hour, minute, second, 0, time)) return false;
  value = date + time;
  return true;
}

TDateTime ParseMdyDate(const QString& text) {
  return Parse_Fixed_Date(text, true);
}
TDateTime ParseDmyDate(const QString& text) {
  return Parse_Fixed_Date(text, false);
}

bool HasTwoDateSeparators(const QString& text) {
  const QChar separator = LocaleDateSeparator();
  const qsizetype p = text.indexOf(separator) + 1;
  if (p < 2) return false;
  return text.indexOf(separator, p + 1) >= 0;
}

TDateTime ShiftDate(int16_t years, int16_t months, int16_t days, TDateTime date, TDateTime increment) {
  int32_t y = 0, m = 0, d = 0;
  DecodeDate(date, y, m, d);
  if (days != 0 && years == 0 && months == 0) return date + days;
  if (years != 0 && months == 0 && days == 0) return EncodeDate(y + years, m, d);
  if (months != 0 && years == 0 && days == 0) {
    uint16_t month = uint16_t(m + months);
    if (month == 0) {
      month = 12;
      --y;
    } else if (month >= 13 && month <= 24) {
      month -= 12;
      ++y;
    }
    return EncodeDate(y, month, d);
  }
  return date + increment;
}
