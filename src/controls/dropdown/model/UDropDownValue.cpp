#include "UDropDownValue.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "UFormat.h"
#include "UFormatSettings.h"

int32_t NumberType(const QString& s) {
  const TFormatSettings fs = FormatSettings();
  bool isInt = !s.isEmpty(), isFloat = isInt, isHex = isInt;
  int32_t lastThousand = -1, decimals = 0, minus = 0;
  for (int32_t i = 1; i <= s.size(); ++i) {
    const QChar ch = s[i - 1];
    const bool digit = ch >= u'0' && ch <= u'9';
    if (ch != u'-' && !digit) isInt = false;
    if (ch != u',' && ch != u'-' && ch != u'.' && !digit) isFloat = false;
    if (ch != u'-' && !digit && !((ch >= u'A' && ch <= u'F') || (ch >= u'a' && ch <= u'f'))) isHex = false;
    if (ch == fs.ThousandSeparator) {
      if (i - lastThousand < 3) isFloat = false;
      lastThousand = i;
    }
    if (ch == fs.DecimalSeparator) ++decimals;
    if (ch == u'-') ++minus;
  }
  int32_t result = isHex && !isInt ? numHex : isInt ? numInteger : isFloat ? numFloat : numNone;
  if (minus > 1 || decimals > 1) result = numNone;
  return result;
}

QString StripThousandSeparators(const QString& s) {
  QString result = s;
  return result.remove(FormatSettings().ThousandSeparator);
}

double ParseNumberText(const QString& s) {
  QString text = StripThousandSeparators(s).trimmed();
  text.replace(FormatSettings().DecimalSeparator, u'.');
  bool ok = false;
  const double value = QLocale::c().toDouble(text, &ok);
  return ok ? value : 0;
}

int32_t HexDigitValue(QChar ch) {
  if (ch >= u'0' && ch <= u'9') return ch.unicode() - '0';
  if (ch >= u'A' && ch <= u'F') return ch.unicode() - 'A' + 10;
  if (ch >= u'a' && ch <= u'f') return ch.unicode() - 'a' + 10;
  return 0;
}

int32_t HexToInt(const QString& s) {
  uint32_t result = 0, weight = 1;
  for (int32_t i = s.size() - 1; i >= 0; --i, weight *= 16) result += uint32_t(HexDigitValue(s[i])) * weight;
  return int32_t(result);
}

bool IsRangeSeparator(QChar ch) {
  return ch == u',' || ch == u'-' || ch == u';';
}

QString ValueOfDisplay(const QString& display, const QString& prefix, const QString& suffix) {
  QString value = !prefix.isEmpty() && display.startsWith(prefix) ? display.mid(prefix.size()) : display;
  if (!suffix.isEmpty() && value.size() >= suffix.size()) value.chop(suffix.size());
  return value;
}

QString FormatEditValue(QString value, TDropDownEditType type, int32_t precision) {
  const bool number = type == etNumeric || type == etFloat || type == etMoney || type == etHex;
  if (value.isEmpty() && number) value = QStringLiteral("0");
  if (precision > 0 && !value.isEmpty() && value != QLatin1String("Error")) {
    if (type == etMoney)
      value = Format(QStringLiteral("%.%1n").arg(precision), {ParseNumberText(value)});
    else if (type == etFloat)
      value = Format(QStringLiteral("%.%1f").arg(precision), {ParseNumberText(value)});
  }
  if (type == etHex) value = value.toUpper();
  return value;
}

double FloatValueOf(const QString& text, TDropDownEditType type) {
  switch (type) {
    case etString: {
      // The locale-free scan: what stands before the first character that does not belong counts.
      const QString t = text.trimmed();
      for (int32_t end = t.size(); end > 0; --end) {
        bool ok = false;
        const double value = QLocale::c().toDouble(t.left(end), &ok);
        if (ok) return value;
      }
      return 0;
    }
    case etNumeric:
    case etFloat:
      return text.isEmpty() || text == QLatin1String("Error") || text == QLatin1String("-") ? 0
                                                                                            : ParseNumberText(text);
    case etMoney: {
      QString t = StripThousandSeparators(text);
      if (t.endsWith(FormatSettings().DecimalSeparator)) t.chop(1);
      return t.isEmpty() || t == QLatin1String("-") ? 0 : ParseNumberText(t);
    }
    case etHex:
      return HexToInt(text);
    default:
      return 0;
  }
}

QString FloatText(double value, TDropDownEditType type, int32_t precision) {
  switch (type) {
    case etString:
    case etFloat:
    case etMoney:
      return precision < 0 ? Format(QStringLiteral("%g"), {value})
                           : Format(QStringLiteral("%.%1f").arg(precision), {value});
    case etNumeric:
      return precision < 0 ? Format(QStringLiteral("%g"), {value})
                           : Format(QStringLiteral("%.%1n").arg(precision), {value});
    case etHex:
      return QString::number(int64_t(std::trunc(value)), 16).toUpper();
    default:
      return QString();
  }
}

QString IntText(int64_t value, TDropDownEditType type) {
  return type == etHex ? QString::number(value, 16).toUpper() : QString::number(value);
}

QString MoneyText(const QString& text, bool thousandSeparators) {
  if (text.isEmpty()) return text;
  QString t = text;
  QString sign;
  if (t.startsWith(u'-')) {
    sign = QStringLiteral("-");
    t.remove(0, 1);
  }
  const int32_t ds = int32_t(t.indexOf(FormatSettings().DecimalSeparator));
  const QString frac = ds >= 0 ? t.mid(ds, 255) : QString();
  const double whole = std::trunc(std::fabs(FloatValueOf(text, etMoney)));
  QString integer = Format(thousandSeparators ? QStringLiteral("%n") : QStringLiteral("%f"), {whole});
  const int32_t cut = int32_t(integer.indexOf(FormatSettings().DecimalSeparator));
  if (cut >= 0) integer.truncate(cut);
  return sign + integer + frac;
}

int32_t IntegerDigitCount(const QString& value, bool signedNumber) {
  const QString s = StripThousandSeparators(value);
  const int32_t ds = int32_t(s.indexOf(FormatSettings().DecimalSeparator));
  int32_t p = ds >= 0 ? ds + 1 : int32_t(s.size()) + 1;
  if (signedNumber && s.contains(u'-')) --p;
  return p;
}

bool PrecisionReached(const QString& value, int32_t caret, int32_t start, int32_t precision) {
  if (precision <= 0) return false;
  if (value.size() - (caret - start) > precision) return false;
  const int32_t ds = int32_t(value.indexOf(FormatSettings().DecimalSeparator)) + 1;
  if (ds < 1) return false;
  return caret - start >= ds && value.size() - ds >= precision;
}

bool SeparatorMisplaced(QString value, int32_t caret, int32_t start) {
  const QChar ts = FormatSettings().ThousandSeparator;
  if (!value.contains(ts)) return false;
  int32_t b = caret - start;
  int32_t nearest = int32_t(value.size());
  while (value.contains(ts)) {
    const int32_t c = int32_t(value.indexOf(ts)) + 1;
    const int32_t d = std::abs(c - b);
    nearest = std::min(nearest, d);
    if (d < 3) return true;
    if (c < b) b -= c;
    value.remove(0, c);
  }
  return nearest > 3;
}
