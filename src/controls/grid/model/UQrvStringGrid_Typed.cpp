// Cells read and written as integers, numbers, dates and times; texts derived from the grid (version, headers,
// print metrics) and the values of controls embedded in cell markup.
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>
#include <cmath>

#include "Exception.h"
#include "UDateParse.h"
#include "UDateTime.h"
#include "UFormat.h"
#include "UFormatSettings.h"
#include "UGridError.h"
#include "UMarkupControls.h"
#include "UMarkupText.h"
#include "UQrvStringGrid.h"
#include "UStrUtils.h"
#include "UTextUtils.h"
#include "UValueText.h"

namespace {

[[noreturn]] void RaiseNoInteger() {
  throw EQrvGridError(QStringLiteral("Cell does not contain integer value"));
}

// An optional sign, then decimal digits, or hexadecimal digits after "$", "x" or "0x". Hexadecimal texts take
// the 32-bit pattern (so "$FFFFFFFF" is -1); the digits are checked against the range before each is added, so a
// long text is refused instead of wrapping round.
int32_t ReadInteger(const QString& source) {
  const QString text = Trim(source);
  if (text.isEmpty() || text == QLatin1String("-")) return 0;
  qsizetype i = 0;
  bool negative = false;
  if (text[i] == u'+' || text[i] == u'-') negative = text[i++] == u'-';
  int base = 10;
  if (i < text.size() && text[i] == u'$') {
    base = 16;
    ++i;
  } else if (i < text.size() && (text[i] == u'x' || text[i] == u'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) RaiseNoInteger();
  const uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const char16_t ch = text[i].unicode();
    int digit = -1;
    if (ch >= u'0' && ch <= u'9')
      digit = ch - u'0';
    else if (ch >= u'a' && ch <= u'f')
      digit = ch - u'a' + 10;
    else if (ch >= u'A' && ch <= u'F')
      digit = ch - u'A' + 10;
    if (digit < 0 || digit >= base) RaiseNoInteger();
    if (value > (limit - uint64_t(digit)) / uint64_t(base)) RaiseNoInteger();
    value = value * uint64_t(base) + uint64_t(digit);
  }
  const auto bits = static_cast<uint32_t>(value);
  return negative ? static_cast<int32_t>(0u - bits) : static_cast<int32_t>(bits);
}

bool IsAsciiDigit(QChar c) {
  return c >= u'0' && c <= u'9';
}

// Everything before the first digit goes (a "-" there or enclosing parentheses make the number negative) before
// the number part is taken: a leading currency or unit such as "EUR" must not be read as an exponent.
double ReadFloat(const QString& source) {
  const QString text = Trim(source);
  const QChar decimal = FormatSettings().DecimalSeparator;
  bool negative = text.startsWith(u'(') && text.endsWith(u')');
  qsizetype i = 0;
  while (i < text.size() && !IsAsciiDigit(text[i]) &&
         !(text[i] == decimal && i + 1 < text.size() && IsAsciiDigit(text[i + 1]))) {
    if (text[i] == u'-') negative = true;
    ++i;
  }
  QString number = ExtractNumberText(text.mid(i));
  if (number.isEmpty() || number == QLatin1String("-")) return 0;
  if (negative && !number.startsWith(u'-')) number.prepend(u'-');
  bool ok = false;
  const double value = QLocale::c().toDouble(number, &ok);
  if (!ok || !std::isfinite(value)) throw EQrvGridError(QStringLiteral("Cell does not contain a float value"));
  return value;
}

QDateTime ToQDateTime(TDateTime value) {
  int32_t y = 0, m = 0, d = 0, hh = 0, mm = 0, ss = 0, ms = 0;
  DecodeDate(value, y, m, d);
  DecodeTime(value, hh, mm, ss, ms);
  return QDateTime(QDate(y, m, d), QTime(hh, mm, ss, ms));
}

// Hours, minutes and optional seconds split by the locale's time separator, with an optional AM/PM after a blank.
bool ParseLocaleTime(const QString& source, TDateTime& value) {
  QString text = Trim(source).toUpper();
  int32_t shift = -1;
  if (text.endsWith(QLatin1String("AM")) || text.endsWith(QLatin1String("PM"))) {
    shift = text.endsWith(QLatin1String("PM")) ? 12 : 0;
    text = text.left(text.size() - 2).trimmed();
  }
  const QStringList parts = text.split(FormatSettings().TimeSeparator);
  if (parts.size() < 2 || parts.size() > 3) return false;
  int32_t fields[3] = {0, 0, 0};
  for (qsizetype i = 0; i < parts.size(); ++i) {
    bool ok = false;
    fields[i] = parts[i].trimmed().toInt(&ok);
    if (!ok || parts[i].trimmed().isEmpty()) return false;
  }
  if (shift >= 0) {
    if (fields[0] < 1 || fields[0] > 12) return false;
    fields[0] = fields[0] % 12 + shift;
  }
  return TryEncodeTime(fields[0], fields[1], fields[2], 0, value);
}

}  // namespace

int32_t TQrvStringGrid::GetInts(int32_t c, int32_t r) const {
  return ReadInteger(MarkupToPlainText(Cells(c, r)));
}

void TQrvStringGrid::SetInts(int32_t c, int32_t r, int32_t value) {
  SetCells(c, r, QString::number(value));
  if (NumHiddenColumns() > 0) RepaintCell(DisplColIndex(c), r);
}

int32_t TQrvStringGrid::GetAllInts(int32_t c, int32_t r) const {
  return ReadInteger(GetCellsEx(c, r));
}

void TQrvStringGrid::SetAllInts(int32_t c, int32_t r, int32_t value) {
  SetCellsEx(c, r, QString::number(value));
}

double TQrvStringGrid::GetFloats(int32_t c, int32_t r) const {
  return ReadFloat(MarkupToPlainText(Cells(c, r)));
}

void TQrvStringGrid::SetFloats(int32_t c, int32_t r, double value) {
  QString format = FloatFormat;
  GetFloatFormat(c, r, format);
  SetCells(c, r, Format(format, {value}));
}

double TQrvStringGrid::GetAllFloats(int32_t c, int32_t r) const {
  return ReadFloat(GetCellsEx(c, r));
}

void TQrvStringGrid::SetAllFloats(int32_t c, int32_t r, double value) {
  SetCellsEx(c, r, Format(FloatFormat, {value}));
}

double TQrvStringGrid::GetDates(int32_t c, int32_t r) const {
  const QString text = Cells(c, r);
  TDateTime value = 0;
  if (!ParseLocaleDateTime(Trim(text), value))
    throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(text));
  return value;
}

void TQrvStringGrid::SetDates(int32_t c, int32_t r, double value) {
  if (value > 0 || ShowNullDates)
    SetCells(c, r, ToQDateTime(value).date().toString(FormatSettings().ShortDateFormat));
  else
    SetCells(c, r, QString());
}

double TQrvStringGrid::GetTimes(int32_t c, int32_t r) const {
  const QString text = Cells(c, r);
  TDateTime value = 0;
  if (!ParseLocaleTime(text, value)) throw EConvertError(QStringLiteral("'%1' is not a valid time").arg(text));
  return value;
}

void TQrvStringGrid::SetTimes(int32_t c, int32_t r, double value) {
  const TFormatSettings settings = FormatSettings();
  QString format = settings.LongTimeFormat;
  format.replace(u':', settings.TimeSeparator);
  SetCells(c, r, ToQDateTime(value).time().toString(format));
}

QString TQrvStringGrid::GetCtrlVal(int32_t c, int32_t r, const QString& id) const {
  QString value;
  if (!GetControlValue(Cells(c, r), id, value)) return QString();
  return value;
}

void TQrvStringGrid::SetCtrlVal(int32_t c, int32_t r, const QString& id, const QString& value) {
  QString text = Cells(c, r);
  if (SetControlValue(text, id, value)) SetCells(c, r, text);
}

void TQrvStringGrid::GetFloatFormat(int32_t, int32_t, QString& format) {
  format = FloatFormat;
}

uint32_t TQrvStringGrid::GetVersionNr() const {
  return 0x06020103u;
}

QString TQrvStringGrid::Version() const {
  const uint32_t v = GetVersionNr();
  return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

QString TQrvStringGrid::GetVersionString() const {
  return Version() + QStringLiteral(" Sep, 2012");
}

int32_t TQrvStringGrid::GetPrintColWidth(int32_t c) const {
  if (c < 0 || c >= PrintColumnSlots) throw EQrvGridError(QStringLiteral("Columns is not in valid range"));
  return MaxWidths[size_t(c)];
}

int32_t TQrvStringGrid::GetPrintColOffset(int32_t c) const {
  if (c < 0 || c >= PrintColumnSlots) throw EQrvGridError(QStringLiteral("Columns is not in valid range"));
  return Indents[size_t(c)];
}

void TQrvStringGrid::SetLookupItems(const QStringList* value) {
  if (value) LookupItems = *value;
}

void TQrvStringGrid::SetFixedFont(const TFont& value) {
  FixedFont = value;
  Invalidate();
}

void TQrvStringGrid::SetColumnHeaders(const QStringList& value) {
  FColumnHeaders = value;
  ColumnHeadersChanged();
  if (FixedRows() > 0) ClearColumnHeaders();
  ShowColumnHeaders();
}

void TQrvStringGrid::ClearColumnHeaders() {
  for (int32_t i = 0; i < ColCount(); ++i) SetCells(i, 0, QString());
}

void TQrvStringGrid::ShowColumnHeaders() {
  if (FixedRows() <= 0) return;
  for (qsizetype i = 0; i < FColumnHeaders.size() && i < TotalColCount(); ++i)
    SetCells(int32_t(i), 0, EscapedNewlineToCr(FColumnHeaders[i]));
}

// The grid is never designed here, so the old row headers are overwritten but never cleared first.
void TQrvStringGrid::SetRowHeaders(const QStringList& value) {
  FRowHeaders = value;
  ShowRowHeaders();
}

void TQrvStringGrid::ClearRowHeaders() {
  for (int32_t i = 0; i < RowCount(); ++i) SetCells(0, i, QString());
}

void TQrvStringGrid::ShowRowHeaders() {
  if (FixedCols() <= 0) return;
  for (qsizetype i = 0; i < FRowHeaders.size() && i < RowCount(); ++i)
    SetCells(0, int32_t(i), EscapedNewlineToCr(FRowHeaders[i]));
}
