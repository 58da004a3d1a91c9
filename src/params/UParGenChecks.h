#pragma once
// The checks a parameter record must pass before ParGen.xml is written.
#include <QString>
#include <cstdint>

#include "UParGenFile.h"

// The number a field holds, or -1 when its text is not a whole integer (leading blanks, a sign, decimal digits or
// hexadecimal after "$", "x" or "0x"; nothing may follow the digits).
int32_t ParGen_Field_Number(const QString& text);

// The string ID of the first failing check's message, or 0 when every check passes. The GSM texts come from a
// panel that the file does not hold but whose device buffer the check guards.
int32_t ParGen_First_Error(const TParGenValues& values, const QString& gsm_pin, const QString& gsm_apn);
