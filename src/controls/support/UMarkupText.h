#pragma once
// Markup as text, never drawn: named entities, the visible text without tags, and marking occurrences of a search
// text with a tag (and removing those marks again).
#include <QString>
#include <cstdint>

QString DecodeMarkupEntities(const QString& text, bool withAccents);
QString EncodeMarkupEntities(const QString& text, bool withAccents);
QString SpacesToNbsp(const QString& text);
// "<BR>" and "<HR>" become line breaks; other tags are dropped; an unclosed "<" and the rest stay.
QString MarkupToPlainText(const QString& text);
QString StripTags(const QString& text);
// 1-based raw position at which text inserted lands right after the (n - 1)-th visible character; 0 beyond the end.
int32_t VisibleToRawIndex(const QString& text, int32_t visibleIndex);
int32_t FindTextFrom(const QString& search, const QString& text, int32_t skip, bool caseSensitive, int32_t& pos);
int32_t FindTextFrom(const QString& search, const QString& text, int32_t skip, bool caseSensitive);
QString HighlightMatches(const QString& text, const QString& search, const QString& tagName, bool caseSensitive);
QString RemoveHighlightTags(const QString& text, const QString& tagName);
