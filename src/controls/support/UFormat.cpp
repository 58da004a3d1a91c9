#include "UFormat.h"

#include <cmath>

#include "UTextUtils.h"

namespace {
struct TDirective {
  bool LeftAlign = false;
  int Width = -1;
  int Precision = -1;
  QChar Type;
};

QString Pad(const QString& s, const TDirective& d) {
  if (d.Width <= s.size()) return s;
  const QString fill(d.Width - s.size(), u' ');
  return d.LeftAlign ? s + fill : fill + s;
}

QString Localise(QString s) {
  const qsizetype dot = s.indexOf(u'.');
  if (dot >= 0) s[dot] = LocaleDecimalSeparator();
  return s;
}

QString Group_Thousands(const QString& digits) {
  QString r;
  const qsizetype n = digits.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) r += LocaleThousandSeparator();
    r += digits[i];
  }
  return r;
}

QString Float_Text(double v, const TDirective& d) {
  if (!std::isfinite(v))
    return std::isnan(v) ? QStringLiteral("NAN") : (v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF"));
  const QChar t = d.Type.toLower();
  if (t == u'f') return Localise(QString::number(v, 'f', d.Precision < 0 ? 2 : std::min(d.Precision, 18)));
  if (t == u'e') {
    QString s = QString::number(v, 'E', (d.Precision < 0 ? 15 : std::clamp(d.Precision, 1, 18)) - 1);
    // Three exponent digits, always signed, as the classic routine writes them.
    const qsizetype e = s.indexOf(u'E');
    QString exp = s.mid(e + 2);
    while (exp.size() < 3) exp.prepend(u'0');
    return Localise(s.left(e + 2) + exp);
  }
  if (t == u'g') return Localise(QString::number(v, 'G', d.Precision < 0 ? 15 : std::clamp(d.Precision, 1, 18)));
  // n and m: grouped thousands
  const QString fixed = QString::number(std::fabs(v), 'f', d.Precision < 0 ? 2 : std::min(d.Precision, 18));
  const qsizetype dot = fixed.indexOf(u'.');
  QString r = Group_Thousands(dot < 0 ? fixed : fixed.left(dot));
  if (dot >= 0) r += LocaleDecimalSeparator() + fixed.mid(dot + 1);
  return v < 0 ? u'-' + r : r;
}

// The text of one directive, or false when it cannot be served.
bool Format_One(const TDirective& d, const TFormatArg& arg, QString& out) {
  const QChar t = d.Type.toLower();
  if (t == u'd' || t == u'u' || t == u'x') {
    const auto* iv = std::get_if<int64_t>(&arg.Value);
    if (!iv) return false;
    int64_t v = *iv;
    if (t == u'u') v = int64_t(uint32_t(v));
    const uint64_t magnitude = v < 0 ? uint64_t(0) - uint64_t(v) : uint64_t(v);
    QString digits = t == u'x' ? QString::number(v < 0 ? uint64_t(uint32_t(v)) : magnitude, 16).toUpper()
                               : QString::number(magnitude);
    if (d.Precision > 0 && digits.size() < d.Precision)
      digits.prepend(QString(std::min(d.Precision, 64) - digits.size(), u'0'));
    out = Pad(t != u'x' && v < 0 ? u'-' + digits : digits, d);
    return true;
  }
  if (t == u'e' || t == u'f' || t == u'g' || t == u'n' || t == u'm') {
    double v = 0;
    if (const auto* dv = std::get_if<double>(&arg.Value))
      v = *dv;
    else if (const auto* iv = std::get_if<int64_t>(&arg.Value))
      v = double(*iv);
    else
      return false;
    out = Pad(Float_Text(v, d), d);
    return true;
  }
  if (t == u's') {
    const auto* sv = std::get_if<QString>(&arg.Value);
    if (!sv) return false;
    out = Pad(d.Precision >= 0 ? sv->left(d.Precision) : *sv, d);
    return true;
  }
  return false;
}

// Reads digits (or "*" from the arguments); false when "*" has no integer argument.
bool Read_Number(const QString& f, qsizetype& i, const std::vector<TFormatArg>& args, size_t& next, int& value) {
  if (i < f.size() && f[i] == u'*') {
    ++i;
    if (next >= args.size() || !std::holds_alternative<int64_t>(args[next].Value)) return false;
    value = int(std::clamp<int64_t>(std::get<int64_t>(args[next++].Value), -1, 4096));
    return true;
  }
  if (i >= f.size() || !f[i].isDigit()) return true;
  int64_t v = 0;
  while (i < f.size() && f[i] >= u'0' && f[i] <= u'9')
    v = std::min<int64_t>(v * 10 + (f[i++].unicode() - u'0'), 4096);
  value = int(v);
  return true;
}
}  // namespace

QString Format(const QString& format, const std::vector<TFormatArg>& args) {
  QString r;
  size_t next = 0;
  qsizetype i = 0;
  while (i < format.size()) {
    if (format[i] != u'%') {
      r += format[i++];
      continue;
    }
    const qsizetype start = i++;
    if (i < format.size() && format[i] == u'%') {
      r += u'%';
      ++i;
      continue;
    }
    TDirective d;
    bool ok = true;
    int number = -1;
    ok = Read_Number(format, i, args, next, number);
    if (ok && i < format.size() && format[i] == u':') {  // argument index
      ++i;
      if (number >= 0) next = size_t(number);
      number = -1;
    }
    if (ok && i < format.size() && format[i] == u'-') {
      d.LeftAlign = true;
      ++i;
    }
    if (ok && number < 0) ok = Read_Number(format, i, args, next, number);
    d.Width = number;
    if (ok && i < format.size() && format[i] == u'.') {
      ++i;
      int precision = 0;
      ok = Read_Number(format, i, args, next, precision);
      d.Precision = precision;
    }
    if (ok && i < format.size()) d.Type = format[i++];
    QString piece;
    if (ok && !d.Type.isNull() && next < args.size() && Format_One(d, args[next], piece)) {
      ++next;
      r += piece;
    } else {
      r += format.mid(start, i - start);
    }
  }
  return r;
}
