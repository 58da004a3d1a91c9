#include "UDateTime.h"

#include <QDate>
#include <cmath>

#include "Exception.h"

namespace {
const int64_t Origin_Julian_Day = QDate(1899, 12, 30).toJulianDay();
}

bool TryEncodeDate(int32_t year, int32_t month, int32_t day, TDateTime& value) {
  if (year < 1 || year > 9999 || !QDate::isValid(year, month, day)) return false;
  value = double(QDate(year, month, day).toJulianDay() - Origin_Julian_Day);
  return true;
}

bool TryEncodeTime(int32_t hour, int32_t minute, int32_t second, int32_t msec, TDateTime& value) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 || msec > 999)
    return false;
  value = (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec) / 86400000.0;
  return true;
}

TDateTime EncodeDate(int32_t year, int32_t month, int32_t day) {
  TDateTime value = 0;
  if (!TryEncodeDate(year, month, day, value)) throw EConvertError(QStringLiteral("Invalid argument to date encode"));
  return value;
}

TDateTime EncodeTime(int32_t hour, int32_t minute, int32_t second, int32_t msec) {
  TDateTime value = 0;
  if (!TryEncodeTime(hour, minute, second, msec, value))
    throw EConvertError(QStringLiteral("Invalid argument to time encode"));
  return value;
}

void DecodeDate(TDateTime value, int32_t& year, int32_t& month, int32_t& day) {
  const double days = std::isfinite(value) ? std::trunc(value) : 0.0;
  const QDate date = QDate::fromJulianDay(Origin_Julian_Day + int64_t(std::clamp(days, -1e9, 1e9)));
  year = date.year();
  month = date.month();
  day = date.day();
}

void DecodeTime(TDateTime value, int32_t& hour, int32_t& minute, int32_t& second, int32_t& msec) {
  const double fraction = std::isfinite(value) ? std::fabs(value - std::trunc(value)) : 0.0;
  int64_t ms = std::llround(fraction * 86400000.0);
  if (ms >= 86400000) ms = 86399999;
  hour = int32_t(ms / 3600000);
  minute = int32_t(ms / 60000 % 60);
  second = int32_t(ms / 1000 % 60);
  msec = int32_t(ms % 1000);
}
