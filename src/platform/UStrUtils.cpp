#include "UStrUtils.h"

#include "Exception.h"

QString TrimLeft(const QString& s) {
  qsizetype i = 0;
  while (i < s.size() && s[i].unicode() <= 0x20) ++i;
  return s.mid(i);
}

QString TrimRight(const QString& s) {
  qsizetype n = s.size();
  while (n > 0 && s[n - 1].unicode() <= 0x20) --n;
  return s.left(n);
}

QString Trim(const QString& s) { return TrimLeft(TrimRight(s)); }

bool TryStrToInt(const QString& text, int32_t& value) {
  const QString s = Trim(text);
  qsizetype i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) {
    negative = s[i] == u'-';
    ++i;
  }
  int base = 10;
  if (i < s.size() && s[i] == u'$') {
    base = 16;
    ++i;
  } else if (i < s.size() && (s[i] == u'x' || s[i] == u'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < s.size() && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X')) {
    base = 16;
    i += 2;
  }
  if (i >= s.size()) return false;
  uint64_t magnitude = 0;
  for (; i < s.size(); ++i) {
    const char16_t c = s[i].unicode();
    int digit;
    if (c >= u'0' && c <= u'9')
      digit = c - u'0';
    else if (base == 16 && c >= u'a' && c <= u'f')
      digit = c - u'a' + 10;
    else if (base == 16 && c >= u'A' && c <= u'F')
      digit = c - u'A' + 10;
    else
      return false;
    magnitude = magnitude * base + digit;
    if (magnitude > 0xFFFFFFFFull) return false;
  }
  if (base == 16) {
    // Hexadecimal text names the bit pattern, so $FFFFFFFF is -1.
    const auto bits = static_cast<uint32_t>(magnitude);
    const auto v = static_cast<int32_t>(bits);
    value = negative ? static_cast<int32_t>(0u - bits) : v;
    return true;
  }
  if (negative) {
    if (magnitude > 0x80000000ull) return false;
    value = static_cast<int32_t>(-static_cast<int64_t>(magnitude));
  } else {
    if (magnitude > 0x7FFFFFFFull) return false;
    value = static_cast<int32_t>(magnitude);
  }
  return true;
}

int32_t StrToIntDef(const QString& s, int32_t def) {
  int32_t v;
  return TryStrToInt(s, v) ? v : def;
}

int32_t StrToInt(const QString& s) {
  int32_t v;
  if (!TryStrToInt(s, v)) throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(s));
  return v;
}
