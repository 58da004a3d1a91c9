#include "UTextUtils.h"

#include "UCodePage.h"
#include "UFormatSettings.h"

namespace {
constexpr QChar CR = u'\r';
constexpr QChar LF = u'\n';
}  // namespace

QChar LocaleDecimalSeparator() {
  return FormatSettings().DecimalSeparator;
}
QChar LocaleThousandSeparator() {
  return FormatSettings().ThousandSeparator;
}
QChar LocaleDateSeparator() {
  return FormatSettings().DateSeparator;
}
QChar LocaleTimeSeparator() {
  return FormatSettings().TimeSeparator;
}
QString LocaleShortDateFormat() {
  return FormatSettings().ShortDateFormat;
}

bool IsDigitChar(QChar c) {
  return c.category() == QChar::Number_DecimalDigit;
}
bool IsDigitOrMinus(QChar c) {
  return IsDigitChar(c) || c == u'-';
}

bool IsNumberChar(QChar c) {
  return IsDigitChar(c) || c == LocaleThousandSeparator() || c == LocaleDecimalSeparator() || c == u'e' || c == u'E';
}

bool IsSignedNumberChar(QChar c) {
  return IsNumberChar(c) || c == u'+' || c == u'-';
}

bool IsNumberTextChar(QChar c) {
  return IsDigitChar(c) || c == u'-' || c == u'.' || c == u'e' || c == u'E' || c == u'+';
}

bool IsWordSeparator(QChar c) {
  return c == u' ' || c == u'\'' || c == u',' || c == u'-' || c == u'.';
}

bool ReadWholeNumber(const QString& text, int32_t& value) {
  const QString t = text.trimmed();
  int i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) negative = t[i++] == u'-';
  if (i >= t.size()) return false;
  int64_t v = 0;
  for (; i < t.size(); ++i) {
    if (t[i] < u'0' || t[i] > u'9') return false;
    v = v * 10 + (t[i].unicode() - u'0');
    if (v > int64_t(INT32_MAX) + 1) return false;
  }
  if (negative) v = -v;
  if (v > INT32_MAX || v < INT32_MIN) return false;
  value = int32_t(v);
  return true;
}

int32_t PosInUpper(const QString& sub, const QString& text) {
  return int32_t(text.toUpper().indexOf(sub)) + 1;
}
int32_t CharPos(QChar ch, const QString& text) {
  return int32_t(text.indexOf(ch)) + 1;
}
int32_t CharPosOut(QChar ch, const QString& text, int32_t& pos) {
  return pos = CharPos(ch, text);
}
int32_t PosOut(const QString& sub, const QString& text, int32_t& pos) {
  return pos = WidePos(sub, text);
}
int32_t WidePos(const QString& sub, const QString& text) {
  return int32_t(text.indexOf(sub)) + 1;
}

bool CutToken(QString& source, const QString& delimiter, QString& token) {
  const qsizetype p = delimiter.isEmpty() ? -1 : source.indexOf(delimiter);
  if (p < 0) {
    token.clear();
    return false;
  }
  token = source.left(p);
  source.remove(0, p + 1);
  return true;
}

QString JoinStrings(const QStringList& list) {
  return list.join(QString());
}

QString DoubleQuotes(const QString& text) {
  QString r = text;
  return r.replace(u'"', QStringLiteral("\"\""));
}

void FillWithChar(QString& text, QChar ch) {
  text.fill(ch);
}

int32_t CountChar(QChar ch, const QString& text) {
  return int32_t(text.count(ch));
}

QString CollapseDoubledChar(QChar ch, const QString& text) {
  if (!text.contains(ch)) return text;
  QString r;
  r.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    r += text[i];
    if (text[i] == ch && i + 1 < text.size() && text[i + 1] == ch) ++i;
  }
  return r;
}

int32_t FindSingleChar(QChar ch, const QString& text, int32_t& pos) {
  pos = 0;
  int32_t run = 0;
  const int32_t n = int32_t(text.size());
  for (int32_t i = 1; i <= n; ++i) {
    if (text[i - 1] == ch) {
      if (i == n) return pos = i;
      ++run;
    } else {
      if (run % 2 == 1) return pos = i - 1;
      run = 0;
    }
  }
  return pos;
}

int32_t CountSingleChars(QChar ch, const QString& text) {
  QString rest = text;
  int32_t count = 0;
  int32_t pos = 0;
  while (FindSingleChar(ch, rest, pos) > 0) {
    ++count;
    rest.remove(0, pos);
  }
  return count;
}

int32_t Larger(int32_t a, int32_t b) {
  return a > b ? a : b;
}
int32_t Smaller(int32_t a, int32_t b) {
  return a < b ? a : b;
}

int32_t ClampToLimits(int32_t value, int32_t minimum, int32_t maximum) {
  if (minimum == maximum) return value;
  int32_t result = value;
  if (minimum > 0 && value < minimum) result = minimum;
  if (maximum > 0 && value > maximum) result = maximum;
  return result;
}

bool CellInGridRect(const TRect& g, int32_t column, int32_t row) {
  return g.Left <= column && column <= g.Right && g.Top <= row && row <= g.Bottom;
}

QString CrToBr(const QString& text) {
  if (!text.contains(CR)) return text;
  QString r = text;
  return r.replace(CR, QStringLiteral("<br>"));
}

QString EscapedNewlineToCr(const QString& text) {
  QString r = text;
  return r.replace(QStringLiteral("\\n"), QString(CR));
}

QString CrToEscapedNewline(const QString& text) {
  QString r = text;
  r.remove(LF);
  return r.replace(CR, QStringLiteral("\\n"));
}

QString CsvQuoteMultiline(const QString& text) {
  QString r = text;
  r.replace(QStringLiteral("\r\n"), QString(QChar(11)));
  return u'"' + r + u'"';
}

QString CrLfToLf(const QString& text) {
  QString r = text;
  return r.replace(QStringLiteral("\r\n"), QString(LF));
}

QString VtToCrLf(const QString& text) {
  if (!text.contains(QChar(11))) return text;
  QString r = text;
  return r.replace(QChar(11), QStringLiteral("\r\n"));
}

QString CrToTilde(const QString& text) {
  QString r = text;
  r.remove(LF);
  return r.replace(CR, u'~');
}

QString TildeToCrLf(const QString& text) {
  QString r = text;
  r.replace(u'~', QStringLiteral("\r\n"));
  return r == QStringLiteral("^") ? QString() : r;
}

QString RemoveCr(const QString& text) {
  QString r = text;
  return r.remove(CR);
}

QString CrToLf(const QString& text) {
  QString r = text;
  return r.replace(CR, LF);
}

QString EncodeLineBreaks(const QString& text) {
  if (!text.contains(CR)) return text;
  QString r = text;
  for (QChar& c : r) {
    if (c == CR)
      c = QChar(9);
    else if (c == LF)
      c = QChar(8);
    else if (c == QChar(0))
      c = QChar(1);
  }
  return r;
}

QString DecodeLineBreaks(const QString& text, bool multiLine) {
  QString r = text;
  if (r.contains(QChar(8))) {
    for (QChar& c : r) {
      if (c == QChar(9))
        c = CR;
      else if (c == QChar(8))
        c = LF;
      else if (c == QChar(1))
        c = QChar(0);
    }
  }
  if (multiLine) return r;
  QString first;
  SplitFirstLine(r, false, first);
  return first;
}

void SplitFirstLine(QString& text, bool keepRest, QString& first) {
  const qsizetype p = text.indexOf(CR);
  if (p < 0) {
    first = text;
    text.clear();
    return;
  }
  first = text.left(p);
  qsizetype cut = p + 1;
  if (cut < text.size() && text[cut] == LF) ++cut;
  if (keepRest)
    text.remove(0, cut);
  else
    text.clear();
}

int32_t CountLines(const QString& text, bool multiLine) {
  return multiLine ? 1 + int32_t(text.count(CR)) : 1;
}

void AnsiToOemText(QString& text) {
  text = QString::fromLatin1(Unicode_To_Oem(text));
}

void OemToAnsiText(QString& text) {
  text = Oem_To_Unicode(text.toLatin1());
}
