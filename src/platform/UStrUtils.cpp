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

QString Trim(const QString& s) {
  return TrimLeft(TrimRight(s));
}

namespace {
template <class TChar>
bool Read_Integer(const TChar* s, size_t n, TIntegerText& parts) {
  size_t i = 0;
  while (i < n && s[i] == ' ') ++i;
  parts = TIntegerText{};
  if (i < n && (s[i] == '-' || s[i] == '+')) {
    parts.Negative = s[i] == '-';
    ++i;
  }
  if (i < n && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
    parts.Hex = true;
    ++i;
  } else if (i + 1 < n && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    parts.Hex = true;
    i += 2;
  }
  if (i >= n) return false;
  const uint64_t base = parts.Hex ? 16 : 10;
  for (; i < n; ++i) {
    const auto c = static_cast<uint32_t>(s[i]);
    uint32_t digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (parts.Hex && c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (parts.Hex && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      return false;
    parts.Magnitude = parts.Magnitude * base + digit;
    if (parts.Magnitude > 0xFFFFFFFFull) return false;
  }
  return true;
}
}  // namespace

bool Read_Integer_Text(QStringView s, TIntegerText& parts) {
  return Read_Integer(s.utf16(), static_cast<size_t>(s.size()), parts);
}

bool Read_Integer_Text(std::string_view utf8, TIntegerText& parts) {
  return Read_Integer(reinterpret_cast<const unsigned char*>(utf8.data()), utf8.size(), parts);
}

bool Integer_Value(const TIntegerText& parts, int32_t& value) {
  if (parts.Hex) {
    // Hexadecimal text names the bit pattern, so $FFFFFFFF is -1.
    const auto bits = static_cast<uint32_t>(parts.Magnitude);
    value = static_cast<int32_t>(parts.Negative ? 0u - bits : bits);
    return true;
  }
  if (parts.Negative) {
    if (parts.Magnitude > 0x80000000ull) return false;
    value = static_cast<int32_t>(-static_cast<int64_t>(parts.Magnitude));
  } else {
    if (parts.Magnitude > 0x7FFFFFFFull) return false;
    value = static_cast<int32_t>(parts.Magnitude);
  }
  return true;
}

bool TryStrToInt(QStringView s, int32_t& value) {
  TIntegerText parts;
  return Read_Integer_Text(s, parts) && Integer_Value(parts, value);
}

bool TryStrToInt(const QString& s, int32_t& value) {
  return TryStrToInt(QStringView(s), value);
}

bool Try_Utf8_To_Int(std::string_view utf8, int32_t& value) {
  TIntegerText parts;
  return Read_Integer_Text(utf8, parts) && Integer_Value(parts, value);
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
