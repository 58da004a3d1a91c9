#pragma once
// Whether a cell text satisfies a user-written filter condition such as "Smith", "A*", ">=100", "<12.05.2023",
// "!*test*" or "(>5&<10)|0". Conditions are joined by "&" (and) and "|", ";", "^" (or) strictly from left to right,
// grouped by parentheses; numbers and dates are compared in the user's locale.
#include <QChar>
#include <QString>
#include <cstdint>

bool MatchFilterExpression(const QString& expression, const QString& cellText, bool caseSensitive);
// Compares the texts as they are (callers upper-case both for a case-insensitive match).
bool MatchFilterCondition(const QString& condition, const QString& cellText);
bool MatchFilterToken(const QString& condition, const QString& cellText, bool caseSensitive);

QString RemoveBlanksOutsideQuotes(const QString& text);
// The first character of the set outside double quotes and its 1-based position; -1 and character 0 for none.
QChar FindFilterOperator(const QString& operators, const QString& text, int32_t& position);
// 1-based position of the ")" that closes the first "(", or 0.
int32_t MatchingParenPos(const QString& text);
QString NormaliseLocaleNumber(const QString& text);
