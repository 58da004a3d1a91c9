#pragma once
// The value a drop-down's edit field holds between its fixed prefix and suffix, read and written by edit type.
// Numbers are read and written with the user's separators (FormatSettings, read at each call); no conversion
// raises: a text that is no number reads as 0.
#include <QString>
#include <cstdint>

enum TDropDownEditType {
  etString,
  etNumeric,
  etFloat,
  etUppercase,
  etMixedCase,
  etLowerCase,
  etPassword,
  etMoney,
  etRange,
  etHex,
  etAlphaNumeric,
  etValidChars
};

// NumberType's answers.
constexpr int32_t numInteger = 0, numFloat = 1, numNone = 2, numHex = 5;

// 0 integer, 1 float, 2 not a number (also the empty text), 5 hexadecimal. Thousand separators closer than three
// characters to the one before make it no float; more than one "-" or decimal separator make it no number.
int32_t NumberType(const QString& s);
// The text without thousand separators as a number; 0 when it does not convert.
double ParseNumberText(const QString& s);
QString StripThousandSeparators(const QString& s);
int32_t HexDigitValue(QChar ch);
// Digit values summed from the last character with weights 1, 16, 256 ... as a 32-bit integer (wrapping).
int32_t HexToInt(const QString& s);
bool IsRangeSeparator(QChar ch);

// The value inside a displayed text: a leading prefix removed when the text starts with it; the suffix's length cut
// from the end (without comparing) when the rest is at least that long.
QString ValueOfDisplay(const QString& display, const QString& prefix, const QString& suffix);
// What the field shows for a value set by code: "0" for an empty number, the precision's fixed decimals (grouped
// for money; never for "Error"), hex upper-cased.
QString FormatEditValue(QString value, TDropDownEditType type, int32_t precision);
// The number a value text stands for, by edit type (0 for the text kinds).
double FloatValueOf(const QString& text, TDropDownEditType type);
// The text a number is set as, by edit type ("%g" with a negative precision); empty for the text kinds, which keep
// their text. Money comes ungrouped: MoneyText groups it.
QString FloatText(double value, TDropDownEditType type, int32_t precision);
QString IntText(int64_t value, TDropDownEditType type);
// A money value text regrouped: sign, the integer part of its number (grouped when asked), the fraction as typed.
QString MoneyText(const QString& text, bool thousandSeparators);

// The typed-input measures over a value text v whose value starts at caret position `start` (the prefix's length).
// The number of integer characters plus one (thousand separators left out; a sign too when `signedNumber`).
int32_t IntegerDigitCount(const QString& value, bool signedNumber);
// The precision's decimals are all there and the caret stands in them.
bool PrecisionReached(const QString& value, int32_t caret, int32_t start, int32_t precision);
// A thousand separator typed at the caret would stand less than three characters from another, or more than three
// after the last.
bool SeparatorMisplaced(QString value, int32_t caret, int32_t start);
