#pragma once
// Conversions the windows share: the classic trimming and integer rules.
#include <QString>
#include <cstdint>

// Removes every character up to U+0020 (controls included) at both ends.
QString Trim(const QString& s);
QString TrimLeft(const QString& s);
QString TrimRight(const QString& s);

// Integer text: blanks around it, an optional sign, decimal or hexadecimal with "$", "x" or "0x";
// the value must fit in 32 bits. Returns false (and leaves value alone) otherwise.
bool TryStrToInt(const QString& s, int32_t& value);
int32_t StrToIntDef(const QString& s, int32_t def);
// Raises EConvertError "'<s>' is not a valid integer value".
int32_t StrToInt(const QString& s);
