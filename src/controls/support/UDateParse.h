#pragma once
// Cell text to date values, and stepping dates for filled series. The locale reader never raises; the fixed-order
// readers and ShiftDate let EConvertError through for impossible dates (their callers treat it as no date).
#include <QString>
#include <cstdint>

#include "UDateTime.h"

// Three numbers in the order of the user's short date format, an optional time after a blank.
bool ParseLocaleDateTime(const QString& text, TDateTime& value);
// Month-day-year and day-month-year with "/", "." or "-"; years up to 25 are 20xx, others 19xx (0 = no date).
TDateTime ParseMdyDate(const QString& text);
TDateTime ParseDmyDate(const QString& text);
bool HasTwoDateSeparators(const QString& text);
TDateTime ShiftDate(int16_t years, int16_t months, int16_t days, TDateTime date, TDateTime increment);
