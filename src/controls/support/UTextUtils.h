#pragma once
// Small text helpers of the grid and its data services: the user's separators, character classes, positions
// (1-based, 0 = not found, as in the grid's string operations) and the line-break codecs that carry multi-line
// cell text through one-line file formats and CSV. All pure; the locale is read at every call.
#include <QChar>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "UTypes.h"

QChar LocaleDecimalSeparator();
QChar LocaleThousandSeparator();
QChar LocaleDateSeparator();
QChar LocaleTimeSeparator();
QString LocaleShortDateFormat();

bool IsDigitChar(QChar c);
bool IsDigitOrMinus(QChar c);
bool IsNumberChar(QChar c);
bool IsSignedNumberChar(QChar c);
bool IsNumberTextChar(QChar c);
bool IsWordSeparator(QChar c);

// A whole decimal number: blanks around it, an optional sign, digits; it must fit in 32 bits.
bool ReadWholeNumber(const QString& text, int32_t& value);

int32_t PosInUpper(const QString& sub, const QString& text);
int32_t CharPos(QChar ch, const QString& text);
int32_t CharPosOut(QChar ch, const QString& text, int32_t& pos);
int32_t PosOut(const QString& sub, const QString& text, int32_t& pos);
int32_t WidePos(const QString& sub, const QString& text);
// token := text before the first delimiter; the token and the delimiter's first character leave the source.
// Without a delimiter the token is empty, the source unchanged and the result false.
bool CutToken(QString& source, const QString& delimiter, QString& token);
QString JoinStrings(const QStringList& list);
QString DoubleQuotes(const QString& text);
void FillWithChar(QString& text, QChar ch);
int32_t CountChar(QChar ch, const QString& text);
QString CollapseDoubledChar(QChar ch, const QString& text);
// First ch not escaped by doubling (CSV quotes); 0 when there is none.
int32_t FindSingleChar(QChar ch, const QString& text, int32_t& pos);
int32_t CountSingleChars(QChar ch, const QString& text);
int32_t Larger(int32_t a, int32_t b);
int32_t Smaller(int32_t a, int32_t b);
// A limit of 0 or less is no limit; equal limits disable clamping; the maximum wins over the minimum.
int32_t ClampToLimits(int32_t value, int32_t minimum, int32_t maximum);
// The grid rectangle's edges are inclusive cell indexes.
bool CellInGridRect(const TRect& gridRect, int32_t column, int32_t row);

QString CrToBr(const QString& text);
QString EscapedNewlineToCr(const QString& text);
QString CrToEscapedNewline(const QString& text);
QString CsvQuoteMultiline(const QString& text);
QString CrLfToLf(const QString& text);
QString VtToCrLf(const QString& text);
QString CrToTilde(const QString& text);
QString TildeToCrLf(const QString& text);
QString RemoveCr(const QString& text);
QString CrToLf(const QString& text);
QString EncodeLineBreaks(const QString& text);
QString DecodeLineBreaks(const QString& text, bool multiLine);
void SplitFirstLine(QString& text, bool keepRest, QString& first);
int32_t CountLines(const QString& text, bool multiLine);
// The OEM form holds one character per OEM byte, as the 8-bit file formats store it.
void AnsiToOemText(QString& text);
void OemToAnsiText(QString& text);
