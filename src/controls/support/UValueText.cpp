#include "UValueText.h"

#include "UFormat.h"
#include "UTextUtils.h"

QString ExtractNumberText(const QString& source) {
  if (source.isEmpty()) return QString();
  QString text = source;
  bool negative = text.startsWith(u'(') && text.endsWith(u')');
  while (text.size() >= 2 && !IsNumberChar(text[0])) {
    if (text[0] == u'-') negative = true;
    text.remove(0, 1);
  }
  const QChar thousand = LocaleThousandSeparator();
  const QChar decimal = LocaleDecimalSeparator();
  QString r;
  for (QChar c : text) {
    if (c == thousand) continue;
    if (c == decimal)
      r += u'.';
    else if (IsNumberTextChar(c))
      r += c;
    else
      break;
  }
  return negative ? u'-' + r : r;
}

int32_t ClassifyNumberText(const QString& text) {
  if (text.isEmpty()) return ntNotNumber;
  const QChar thousand = LocaleThousandSeparator();
  const QChar decimal = LocaleDecimalSeparator();
  bool allInteger = true, plainDecimal = true, exponentForm = true, hasExponent = false;
  int32_t minusSigns = 0, decimals = 0, lastThousand = 0;
  const int32_t n = int32_t(text.size());
  for (int32_t i = 1; i <= n; ++i) {
    const QChar c = text[i - 1];
    const bool digit = IsDigitChar(c);
    if (!digit && c != u'-') allInteger = false;
    if (c == u'-' && i > 1) allInteger = plainDecimal = false;
    if (c == u'e' || c == u'E') {
      if (hasExponent) exponentForm = false;
      hasExponent = true;
      if (i == 1) exponentForm = false;
    }
    if (i == n && (c == u'e' || c == u'E' || c == u'+' || c == u'-')) exponentForm = false;
    if (!digit && c != u'-' && c != thousand && c != decimal) plainDecimal = false;
    if (!IsSignedNumberChar(c) || c == thousand) exponentForm = false;
    if (c == thousand) {
      if (lastThousand > 0 && i - lastThousand < 4) plainDecimal = false;
      lastThousand = i;
    }
    if (c == u'-') ++minusSigns;
    if (c == decimal) ++decimals;
  }
  int32_t result = allInteger ? ntInteger : (plainDecimal && !hasExponent ? ntDecimal : ntNotNumber);
  if (exponentForm && hasExponent) {
    result = ntExponent;
    if (minusSigns == 2) minusSigns = 1;
  }
  if (minusSigns > 1 || decimals > 1) result = ntNotNumber;
  return result;
}

int32_t DetectCellTextKind(const QString& source, bool checkMarkup) {
  const QString text = source + u' ';
  if (text.size() < 2) return ckPlain;
  if (text[0] == u'=') return ckFormula;
  if (text.startsWith(QStringLiteral("|\\"))) {
    return text.size() > 4 && text[3] == u'=' && text[4] == QChar(0) ? ckFormula : ckWidePairs;
  }
  if (text.startsWith(QStringLiteral("{\\"))) return ckRichText;
  if (!checkMarkup) return ckPlain;
  for (const char* mark : {"</", "<B", "<I", "<C"})
    if (text.contains(QLatin1String(mark))) return ckMarkup;
  return ckPlain;
}

bool ParseRowColRef(const QString& source, int32_t& column, int32_t& row) {
  const QString text = source.toUpper();
  if (text.size() < 4 || text[0] != u'R') return false;
  const QString rest = text.mid(1);
  const qsizetype c = rest.indexOf(u'C');
  if (c < 0) return false;
  int32_t r = 0, col = 0;
  if (!ReadWholeNumber(rest.left(c), r) || !ReadWholeNumber(rest.mid(c + 1), col)) return false;
  column = col;
  row = r;
  return true;
}

bool LooksLikeUrl(const QString& text) {
  return text.contains(QStringLiteral("://")) || text.contains(QStringLiteral("mailto:"));
}

void StripUrlScheme(QString& text) {
  qsizetype p = text.indexOf(QStringLiteral("://"));
  if (p >= 0) {
    text.remove(0, p + 3);
    return;
  }
  p = text.indexOf(QStringLiteral("mailto:"));
  if (p >= 0) text.remove(0, p + 7);
}

namespace {
bool Is_Url_Char(QChar c) {
  const char16_t u = c.unicode();
  if (u > 255) return false;
  if ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')) return true;
  return QStringView(u"%()-./:@\\_{}").contains(c);
}
}  // namespace

bool LinkifyUrl(const QString& text, const QString& scheme, QString& result) {
  if (scheme.isEmpty() || !text.toUpper().contains(scheme)) return false;
  result = text;
  result.replace(u'<', QStringLiteral("&lt;")).replace(u'>', QStringLiteral("&gt;"));
  const qsizetype start = result.toUpper().indexOf(scheme);
  qsizetype end = start;
  while (end < result.size() && Is_Url_Char(result[end])) ++end;
  const QString url = result.mid(start, end - start);
  result.insert(end, QStringLiteral("</a>"));
  result.insert(start, QStringLiteral("<a href=\"") + url + QStringLiteral("\">"));
  return true;
}

QString ProperCase(const QString& source) {
  QString text = source;
  const qsizetype n = text.size();
  bool capitalise = true;
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text[i];
    if (IsWordSeparator(c)) {
      capitalise = true;
    } else if (capitalise) {
      if (!IsDigitChar(c)) text[i] = c.toUpper();
      capitalise = false;
    } else {
      text[i] = c.toLower();
    }
    const qsizetype end = i + 1;  // length of the text so far
    if (text.left(end) == QStringLiteral("Mc")) capitalise = true;
    const qsizetype mc = text.indexOf(QStringLiteral(" Mc"));
    if (mc >= 0 && mc + 3 == end) capitalise = true;
    if (end >= n - 2) {
      if (end >= 2 && text.mid(end - 2, 2) == QStringLiteral(" I")) capitalise = true;
      if (end >= 3 && text.mid(end - 3, 3) == QStringLiteral(" II")) capitalise = true;
    }
  }
  return text;
}

QString EncodeWidePairs(const QString& text) {
  QString r = QStringLiteral("|\\");
  r.reserve(2 + text.size() * 2);
  for (QChar c : text) {
    r += QChar(c.unicode() >> 8);
    r += QChar(c.unicode() & 0xFF);
  }
  return r;
}

QString DecodeWidePairs(const QString& text) {
  if (!text.startsWith(QStringLiteral("|\\"))) return text;
  QString r;
  for (qsizetype i = 2; i + 1 < text.size(); i += 2)
    r += QChar(char16_t(((text[i].unicode() & 0xFF) << 8) | (text[i + 1].unicode() & 0xFF)));
  return r;
}

QString WrapClipboardHtml(const QString& fragment) {
  const int32_t length = int32_t(fragment.size());
  QString r = QStringLiteral("Version:1.0\r\n");
  r += Format(QStringLiteral("%s%.8d"), {QStringLiteral("StartHTML:"), 97}) + QStringLiteral("\r\n");
  r += Format(QStringLiteral("%s%.8d"), {QStringLiteral("EndHTML:"), length + 306}) + QStringLiteral("\r\n");
  r += Format(QStringLiteral("%s%.8d"), {QStringLiteral("StartFragment:"), 274}) + QStringLiteral("\r\n");
  r += Format(QStringLiteral("%s%.8d"), {QStringLiteral("EndFragment:"), length + 274}) + QStringLiteral("\r\n");
  r += QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
  r += QStringLiteral(
      "<html><head><META http-equiv=Content-Type content=\"text/html; charset=iso-8859-1\"></head><body>"
      "<!--StartFragment-->");
  r += fragment;
  r += QStringLiteral("<!--EndFragment--></body></html>");
  return r;
}
