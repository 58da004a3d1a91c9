#pragma once
// Conversions the windows share: the classic trimming and integer rules.
#include <QString>
#include <QStringView>
#include <cstdint>
#include <string_view>

// Removes every character up to U+0020 (controls included) at both ends.
QString Trim(const QString& s);
QString TrimLeft(const QString& s);
QString TrimRight(const QString& s);

// The integer rule of every field and configuration file: optional leading spaces (U+0020 only), an optional sign,
// then decimal digits, or hexadecimal digits after "$", "x", "X" or "0x"; nothing may follow the digits.
// The parts of such a text; Magnitude is at most 0xFFFFFFFF.
struct TIntegerText {
  bool Negative = false;
  bool Hex = false;
  uint64_t Magnitude = 0;
};
bool Read_Integer_Text(QStringView s, TIntegerText& parts);
// The same rule over UTF-8 bytes (no character beyond ASCII can belong to an integer).
bool Read_Integer_Text(std::string_view utf8, TIntegerText& parts);
// The value of an integer text as a 32-bit integer: decimal within -2147483648..2147483647, hexadecimal as the bit
// pattern ($FFFFFFFF is -1). False otherwise.
bool Integer_Value(const TIntegerText& parts, int32_t& value);

// The rule above with a 32-bit value. Returns false (and leaves value alone) otherwise.
bool TryStrToInt(QStringView s, int32_t& value);
bool TryStrToInt(const QString& s, int32_t& value);
bool Try_Utf8_To_Int(std::string_view utf8, int32_t& value);
int32_t StrToIntDef(const QString& s, int32_t def);
// Raises EConvertError "'<s>' is not a valid integer value".
int32_t StrToInt(const QString& s);
