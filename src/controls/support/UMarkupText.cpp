#include "UMarkupText.h"

#include <array>
#include <utility>

namespace {
struct TEntity {
  char16_t Char;
  const char* Name;
};

// The accented letters and signs the grid stores as named entities, in the order they are replaced.
constexpr std::array<TEntity, 55> EntityCharTable{{
    {u'\u00E9', "&eacute;"}, {u'\u00E8', "&egrave;"}, {u'\u00EB', "&euml;"},   {u'\u00EA', "&ecirc;"},
    {u'\u00F3', "&oacute;"}, {u'\u00F2', "&ograve;"}, {u'\u00F6', "&ouml;"},   {u'\u00F4', "&ocirc;"},
    {u'\u00ED', "&iacute;"}, {u'\u00EC', "&igrave;"}, {u'\u00EF', "&iuml;"},   {u'\u00EE', "&icirc;"},
    {u'\u00FA', "&uacute;"}, {u'\u00F9', "&ugrave;"}, {u'\u00FC', "&uuml;"},   {u'\u00FB', "&ucirc;"},
    {u'\u00E1', "&aacute;"}, {u'\u00E0', "&agrave;"}, {u'\u00E4', "&auml;"},   {u'\u00E2', "&acirc;"},
    {u'\u00C9', "&Eacute;"}, {u'\u00C8', "&Egrave;"}, {u'\u00CB', "&Euml;"},   {u'\u00CA', "&Ecirc;"},
    {u'\u00D3', "&Oacute;"}, {u'\u00D2', "&Ograve;"}, {u'\u00D6', "&Ouml;"},   {u'\u00D4', "&Ocirc;"},
    {u'\u00CD', "&Iacute;"}, {u'\u00CC', "&Igrave;"}, {u'\u00CF', "&Iuml;"},   {u'\u00CE', "&Icirc;"},
    {u'\u00DA', "&Uacute;"}, {u'\u00D9', "&Ugrave;"}, {u'\u00DC', "&Uuml;"},   {u'\u00DB', "&Ucirc;"},
    {u'\u00C1', "&Aacute;"}, {u'\u00C0', "&Agrave;"}, {u'\u00C4', "&Auml;"},   {u'\u00C2', "&Acirc;"},
    {u'\u00E7', "&ccedil;"}, {u'\u00C7', "&Ccedil;"}, {u'\u00F8', "&oslash;"}, {u'\u00D8', "&Oslash;"},
    {u'\u00E5', "&aring;"},  {u'\u00C5', "&Aring;"},  {u'\u00A9', "&copy;"},   {u'\u00AE', "&reg;"},
    {u'\u20AC', "&euro;"},   {u'\u00AB', "&laquo;"},  {u'\u00BB', "&raquo;"},  {u'\u00E3', "&atilde;"},
    {u'\u00C3', "&Atilde;"}, {u'\u00F5', "&otilde;"}, {u'\u00D5', "&Otilde;"},
}};

// Position of the ">" closing the tag that opens at raw index open, or -1.
qsizetype Tag_End(const QString& text, qsizetype open) {
  return text.indexOf(u'>', open + 1);
}
}  // namespace

QString DecodeMarkupEntities(const QString& text, bool withAccents) {
  QString r = text;
  r.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
  r.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
  r.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
  if (withAccents)
    for (const TEntity& e : EntityCharTable) r.replace(QLatin1String(e.Name), QString(QChar(e.Char)));
  // Ampersands last: an entity name written as text ("&amp;euro;") must come back as that text, not as the sign.
  r.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
  return r;
}

QString EncodeMarkupEntities(const QString& text, bool withAccents) {
  QString r = text;
  r.replace(u'&', QStringLiteral("&amp;"));
  r.replace(u'"', QStringLiteral("&quot;"));
  r.replace(u'<', QStringLiteral("&lt;"));
  r.replace(u'>', QStringLiteral("&gt;"));
  if (withAccents)
    for (const TEntity& e : EntityCharTable) r.replace(QChar(e.Char), QLatin1String(e.Name));
  return r;
}

QString SpacesToNbsp(const QString& text) {
  QString r = text;
  return r.replace(u' ', QStringLiteral("&nbsp;"));
}

QString MarkupToPlainText(const QString& text) {
  QString s = text;
  s.replace(QStringLiteral("<BR>"), QStringLiteral("\r\n"), Qt::CaseInsensitive);
  s.replace(QStringLiteral("<HR>"), QStringLiteral("\r\n"), Qt::CaseInsensitive);
  QString r;
  qsizetype from = 0;
  while (from < s.size()) {
    const qsizetype open = s.indexOf(u'<', from);
    if (open < 0) break;
    const qsizetype close = Tag_End(s, open);
    if (close < 0) break;
    r += QStringView(s).mid(from, open - from);
    from = close + 1;
  }
  return r + s.mid(from);
}

QString StripTags(const QString& text) {
  QString r;
  qsizetype from = 0;
  while (from < text.size()) {
    const qsizetype open = text.indexOf(u'<', from);
    const qsizetype close = text.indexOf(u'>', from);
    if (open < 0 || close < 0 || close < open) break;
    r += QStringView(text).mid(from, open - from);
    from = close + 1;
  }
  return r + text.mid(from);
}

int32_t VisibleToRawIndex(const QString& text, int32_t visibleIndex) {
  if (visibleIndex < 1) return 0;
  if (visibleIndex == 1) return 1;
  int32_t seen = 0;
  int32_t result = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'<') {
      const qsizetype close = Tag_End(text, i);
      if (close >= 0) {
        i = close;
        continue;
      }
    }
    if (++seen == visibleIndex - 1) result = int32_t(i) + 2;
  }
  if (visibleIndex == seen + 1) return int32_t(text.size()) + 1;
  return visibleIndex > seen + 1 ? 0 : result;
}

int32_t FindTextFrom(const QString& search, const QString& text, int32_t skip, bool caseSensitive, int32_t& pos) {
  pos = 0;
  if (skip < 0) skip = 0;
  if (skip > text.size()) return pos;
  const QString s = caseSensitive ? search : search.toUpper();
  const QString t = caseSensitive ? text : text.toUpper();
  const qsizetype found = t.indexOf(s, skip);
  if (found >= 0) pos = int32_t(found) + 1;
  return pos;
}

int32_t FindTextFrom(const QString& search, const QString& text, int32_t skip, bool caseSensitive) {
  int32_t pos = 0;
  return FindTextFrom(search, text, skip, caseSensitive, pos);
}

QString HighlightMatches(const QString& source, const QString& source_search, const QString& tagName,
                         bool caseSensitive) {
  // An empty search text would match everywhere and never advance.
  if (source_search.isEmpty()) return source;
  QString text = source;
  QString search = source_search;
  QString visible = StripTags(text);
  if (text.contains(search) && (visible.contains(u'<') || visible.contains(u'>'))) {
    auto escape = [](QString s) {
      return s.replace(u'<', QStringLiteral("&lt;")).replace(u'>', QStringLiteral("&gt;"));
    };
    visible = escape(visible);
    text = visible;
    search = escape(search);
  }
  const QString open = u'<' + tagName + u'>';
  const QString close = QStringLiteral("</") + tagName + u'>';
  const int32_t length = int32_t(search.size());
  int32_t skip = 0;
  for (int32_t p = FindTextFrom(search, visible, skip, caseSensitive); p > 0;
       p = FindTextFrom(search, visible, skip, caseSensitive)) {
    const int32_t at = VisibleToRawIndex(text, p);
    if (at > 0) text.insert(at - 1, open);
    const int32_t end = VisibleToRawIndex(text, p + length);
    if (end > 0) text.insert(end - 1, close);
    skip = p + length;
  }
  return text;
}

QString RemoveHighlightTags(const QString& text, const QString& tagName) {
  QString r = text;
  r.remove(u'<' + tagName + u'>', Qt::CaseInsensitive);
  r.remove(QStringLiteral("</") + tagName + u'>', Qt::CaseInsensitive);
  r.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
  r.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
  return r;
}
