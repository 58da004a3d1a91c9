#pragma once
// The checks a parameter record must pass before ParGen.xml is written.
#include <QString>
#include <cstdint>

#include "UParGenFile.h"

// The number a field holds, or -1 when its text is not an integer by the rule of TryStrToInt.
int32_t ParGen_Field_Number(const QString& text);

// The string ID of the first failing check's message, or 0 when every check passes. The GSM texts come from a
// panel that the file does not hold but whose device buffer the check guards.
int32_t ParGen_First_Error(const TParGenValues& values, const QString& gsm_pin, const QString& gsm_apn);

// For a file read without the window (the bank compiler): the string ID of the message the window gives for the
// first field whose text is an integer outside the range the window accepts, in the window's order, or 0. Fields
// the window checks only when a flag is on (DNS, gateways) count only when that flag is "1".
int32_t ParGen_First_Range_Error(const TParGenTexts& texts);
