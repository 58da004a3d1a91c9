#include "UValidators.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

#include "UFormatSettings.h"
#include "UStrUtils.h"

namespace {

bool In_Range(const QString& text, int32_t low, int32_t high) {
  int32_t value = 0;
  return TryStrToInt(text, value) && value >= low && value <= high;
}

// Splits at the first `sep`: the part before it (trimmed) goes to `head`, the rest (trimmed) to `tail`.
bool Split_First(const QString& text, QChar sep, QString& head, QString& tail) {
  const qsizetype p = text.indexOf(sep);
  if (p < 0) return false;
  head = Trim(text.left(p));
  tail = Trim(text.mid(p + 1));
  return true;
}

bool Valid_Group_Address(const QString& text) {
  if (text.contains(u'.')) return false;
  QString a, rest;
  if (!Split_First(text, u'/', a, rest)) return In_Range(text, 1, 65535);
  QString b, c;
  if (!Split_First(rest, u'/', b, c)) {
    return In_Range(a, 0, 31) && In_Range(rest, 0, 2047) && (StrToInt(a) != 0 || StrToInt(rest) != 0);
  }
  if (c.contains(u'/')) return false;
  if (!In_Range(a, 0, 31) || !In_Range(b, 0, 7) || !In_Range(c, 0, 255)) return false;
  return StrToInt(a) != 0 || StrToInt(b) != 0 || StrToInt(c) != 0;
}

bool Valid_Individual_Address(const QString& text, bool AllowZero) {
  if (text.contains(u'/')) return false;
  QString area, rest;
  if (!Split_First(text, u'.', area, rest)) return In_Range(text, 1, 65535);
  QString line, device;
  if (!Split_First(rest, u'.', line, device)) return false;
  if (device.contains(u'.')) return false;
  if (!In_Range(area, 0, 15) || !In_Range(line, 0, 15) || !In_Range(device, 0, 255)) return false;
  return AllowZero || StrToInt(area) != 0 || StrToInt(line) != 0 || StrToInt(device) != 0;
}

// Reads a decimal number whose decimal separator is `decimal`: blanks around it, an optional sign, digits with at
// most one separator, an optional exponent. No thousand separators.
bool Try_Text_To_Double(const QString& text, QChar decimal, double& value) {
  QString s = Trim(text);
  if (decimal != u'.') {
    if (s.contains(u'.')) return false;
    s.replace(decimal, u'.');
  }
  static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
  if (!number.match(s).hasMatch()) return false;
  bool ok = false;
  value = s.toDouble(&ok);
  return ok && std::isfinite(value);
}

}  // namespace

bool Check_IP_Address(const QString& text, QString& P1, QString& P2, QString& P3, QString& P4) {
  QString s = Trim(text);
  QString* parts[3] = {&P1, &P2, &P3};
  for (QString* part : parts) {
    QString rest;
    if (!Split_First(s, u'.', *part, rest)) return false;
    s = rest;
  }
  P4 = s;
  for (const QString* part : {&P1, &P2, &P3, &P4}) {
    if (!In_Range(*part, 0, 255)) return false;
  }
  return true;
}

int32_t Check_KNX_Address(const QString& text, bool Group, bool AllowZero) {
  const bool valid = Group ? Valid_Group_Address(text) : Valid_Individual_Address(text, AllowZero);
  return valid ? 0 : 1;
}

bool No_Dot_In_Text(const QString& text) {
  return !text.contains(u'.');
}

QChar Get_Decimal_Separator() {
  const QChar c = FormatSettings().DecimalSeparator;
  return (c == u',' || c == u'.') ? c : QChar(u',');
}

bool Str_To_Float_Local(const QString& text, QChar separator, float& value) {
  QString s = text;
  if (separator == u'.')
    s.replace(u',', u'.');
  else
    s.replace(u'.', u',');
  double number = 0;
  if (!Try_Text_To_Double(s, FormatSettings().DecimalSeparator, number) ||
      std::fabs(number) > static_cast<double>(std::numeric_limits<float>::max())) {
    value = 1.0f;
    return false;
  }
  value = static_cast<float>(number);
  return true;
}

bool Clear_Two_Strings(QString& a, QString& b) {
  a.clear();
  b.clear();
  return true;
}
