#pragma once
// Reading values out of display text: numbers in the user's locale, cell references, links, capitalisation, the
// two-byte wide-pair form of cell text and the clipboard's HTML envelope.
#include <QString>
#include <cstdint>

// The numeric part of a display text in plain form ("." decimals, no grouping); "(1,234.50)" gives "-1234.50".
QString ExtractNumberText(const QString& text);

// Results of ClassifyNumberText.
constexpr int32_t ntInteger = 0;
constexpr int32_t ntDecimal = 1;
constexpr int32_t ntNotNumber = 2;
constexpr int32_t ntExponent = 5;
int32_t ClassifyNumberText(const QString& text);

// Results of DetectCellTextKind.
constexpr int32_t ckPlain = 0;
constexpr int32_t ckMarkup = 1;
constexpr int32_t ckRichText = 2;
constexpr int32_t ckFormula = 3;
constexpr int32_t ckWidePairs = 5;
int32_t DetectCellTextKind(const QString& text, bool checkMarkup);

// "R12C3" gives column 3, row 12; nothing is stored when the text is not such a reference.
bool ParseRowColRef(const QString& text, int32_t& column, int32_t& row);

bool LooksLikeUrl(const QString& text);
void StripUrlScheme(QString& text);
// Turns the first URL starting with the scheme (upper case, e.g. "HTTP://") into an anchor.
bool LinkifyUrl(const QString& text, const QString& scheme, QString& result);

QString ProperCase(const QString& text);

QString EncodeWidePairs(const QString& text);
QString DecodeWidePairs(const QString& text);

// The clipboard's HTML format around a fragment; offsets count characters (bytes in ISO-8859-1).
QString WrapClipboardHtml(const QString& fragment);
