#include <gtest/gtest.h>

#include "TPinnedFormat.h"
#include "UFormat.h"
#include "UTextUtils.h"
#include "UValueText.h"

namespace {
const QString CR = QStringLiteral("\r");
const QString LF = QStringLiteral("\n");

TEST(TextUtils, ClampToLimits) {
  struct {
    int32_t value, minimum, maximum, expected;
  } cases[] = {{5, 10, 10, 5},   {5, 10, 0, 10},   {50, 0, 20, 20},
               {25, 30, 20, 20}, {15, 10, 20, 15}, {-5, -10, -1, -5}};
  for (const auto& c : cases)
    EXPECT_EQ(ClampToLimits(c.value, c.minimum, c.maximum), c.expected)
        << c.value << " " << c.minimum << " " << c.maximum;
}

TEST(TextUtils, SmallHelpersCountFromOne) {
  EXPECT_EQ(PosInUpper(QStringLiteral("BC"), QStringLiteral("abc")), 2);
  EXPECT_EQ(CharPos(u'x', QStringLiteral("abc")), 0);
  int32_t pos = -1;
  EXPECT_EQ(CharPosOut(u'c', QStringLiteral("abc"), pos), 3);
  EXPECT_EQ(pos, 3);
  EXPECT_EQ(PosOut(QStringLiteral("b"), QStringLiteral("abc"), pos), 2);
  EXPECT_EQ(pos, 2);

  QString source = QStringLiteral("key=value=x");
  QString token;
  EXPECT_TRUE(CutToken(source, QStringLiteral("="), token));
  EXPECT_EQ(token, QStringLiteral("key"));
  EXPECT_EQ(source, QStringLiteral("value=x"));
  source = QStringLiteral("abc");
  token = QStringLiteral("old");
  EXPECT_FALSE(CutToken(source, QStringLiteral(";"), token));
  EXPECT_TRUE(token.isEmpty());
  EXPECT_EQ(source, QStringLiteral("abc"));

  EXPECT_EQ(JoinStrings({QStringLiteral("a"), QStringLiteral("b")}), QStringLiteral("ab"));
  EXPECT_EQ(DoubleQuotes(QStringLiteral("a\"b")), QStringLiteral("a\"\"b"));
  QString filled = QStringLiteral("abc");
  FillWithChar(filled, u'*');
  EXPECT_EQ(filled, QStringLiteral("***"));
  EXPECT_EQ(CountChar(u'a', QStringLiteral("banana")), 3);
  EXPECT_EQ(CollapseDoubledChar(u'"', QStringLiteral("a\"\"\"b\"\"")), QStringLiteral("a\"\"b\""));
  EXPECT_EQ(Larger(-3, 2), 2);
  EXPECT_EQ(Smaller(-3, 2), -3);
  EXPECT_TRUE(CellInGridRect(Rect(1, 1, 3, 3), 3, 1));
  EXPECT_FALSE(CellInGridRect(Rect(1, 1, 3, 3), 4, 1));
}

TEST(TextUtils, FindSingleCharSkipsDoubledQuotes) {
  struct {
    const char* text;
    int32_t expected;
  } cases[] = {{"a\"b", 2}, {"a\"\"b", 0}, {"ab\"\"", 4}, {"\"", 1}, {"", 0}, {"a\"\"\"b", 4}};
  for (const auto& c : cases) {
    int32_t pos = -1;
    EXPECT_EQ(FindSingleChar(u'"', QString::fromUtf8(c.text), pos), c.expected) << c.text;
    EXPECT_EQ(pos, c.expected);
  }
  EXPECT_EQ(CountSingleChars(u'"', QStringLiteral("\"a\"\"b\",\"c\"")), 4);
  EXPECT_EQ(CountSingleChars(u'"', QStringLiteral("a\"\"b")), 0);
}

TEST(TextUtils, LineBreakCodecs) {
  const QString crlf = QStringLiteral("a\r\nb");
  EXPECT_EQ(CrToBr(crlf), QStringLiteral("a<br>\nb"));
  EXPECT_EQ(EscapedNewlineToCr(QStringLiteral("a\\nb")), QStringLiteral("a\rb"));
  EXPECT_EQ(CrToEscapedNewline(crlf), QStringLiteral("a\\nb"));
  EXPECT_EQ(CsvQuoteMultiline(QStringLiteral("x\"y\r\nz")), QStringLiteral("\"x\"y\vz\""));
  EXPECT_EQ(VtToCrLf(QStringLiteral("x\vz")), QStringLiteral("x\r\nz"));
  EXPECT_EQ(CrLfToLf(crlf), QStringLiteral("a\nb"));
  EXPECT_EQ(CrToTilde(crlf), QStringLiteral("a~b"));
  EXPECT_EQ(TildeToCrLf(CrToTilde(crlf)), crlf);
  EXPECT_EQ(TildeToCrLf(QStringLiteral("^")), QString());
  EXPECT_EQ(RemoveCr(crlf), QStringLiteral("a\nb"));
  EXPECT_EQ(CrToLf(QStringLiteral("a\rb")), QStringLiteral("a\nb"));
  EXPECT_EQ(CountLines(QStringLiteral("a\rb\rc"), true), 3);
  EXPECT_EQ(CountLines(QStringLiteral("a\rb\rc"), false), 1);
}

TEST(TextUtils, EncodeAndDecodeLineBreaks) {
  const QString withNul = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
  EXPECT_EQ(EncodeLineBreaks(withNul), withNul);  // no CR: unchanged
  const QString multi = QStringLiteral("one\r\ntwo") + QChar(0);
  const QString encoded = EncodeLineBreaks(multi);
  EXPECT_EQ(encoded, QStringLiteral("one\t\btwo") + QChar(1));
  EXPECT_EQ(DecodeLineBreaks(encoded, true), multi);
  EXPECT_EQ(DecodeLineBreaks(encoded, false), QStringLiteral("one"));
  // A CR without LF is encoded, but the decoder looks for character 8 and leaves it alone.
  EXPECT_EQ(DecodeLineBreaks(EncodeLineBreaks(QStringLiteral("a\rb")), true), QStringLiteral("a\tb"));
}

TEST(TextUtils, SplitFirstLine) {
  QString text = QStringLiteral("one\r\ntwo\rthree");
  QString first;
  SplitFirstLine(text, true, first);
  EXPECT_EQ(first, QStringLiteral("one"));
  EXPECT_EQ(text, QStringLiteral("two\rthree"));
  SplitFirstLine(text, false, first);
  EXPECT_EQ(first, QStringLiteral("two"));
  EXPECT_TRUE(text.isEmpty());
  text = QStringLiteral("single");
  SplitFirstLine(text, true, first);
  EXPECT_EQ(first, QStringLiteral("single"));
  EXPECT_TRUE(text.isEmpty());
}

TEST(TextUtils, OemRoundTrip) {
  QString text = QStringLiteral("Gr\u00FC\u00DFe \u00E9");
  AnsiToOemText(text);
  EXPECT_EQ(text.at(2).unicode(), 0x81);  // u-umlaut in the OEM code page
  OemToAnsiText(text);
  EXPECT_EQ(text, QStringLiteral("Gr\u00FC\u00DFe \u00E9"));
}

TEST(ValueText, ExtractNumberText) {
  TPinnedFormat pin;
  EXPECT_EQ(ExtractNumberText(QStringLiteral("(1,234.50)")), QStringLiteral("-1234.50"));
  EXPECT_EQ(ExtractNumberText(QStringLiteral("$ -3")), QStringLiteral("-3"));
  EXPECT_EQ(ExtractNumberText(QStringLiteral("12abc")), QStringLiteral("12"));
  EXPECT_EQ(ExtractNumberText(QString()), QString());
  TPinnedFormat german(u',', u'.');
  EXPECT_EQ(ExtractNumberText(QStringLiteral("1.234,5 EUR")), QStringLiteral("1234.5"));
}

TEST(ValueText, ClassifyNumberText) {
  TPinnedFormat pin;
  struct {
    const char* text;
    int32_t expected;
  } cases[] = {{"123", ntInteger},      {"-123", ntInteger},     {"-", ntInteger},        {"1,234.5", ntDecimal},
               {"1,23,4", ntNotNumber}, {"1.5e3", ntExponent},   {"1e", ntNotNumber},     {"1.2.3", ntNotNumber},
               {"--5", ntNotNumber},    {"", ntNotNumber},       {"-1.5e-3", ntExponent}, {"e5", ntNotNumber},
               {"12a", ntNotNumber},    {"1,234,567", ntDecimal}};
  for (const auto& c : cases) EXPECT_EQ(ClassifyNumberText(QString::fromUtf8(c.text)), c.expected) << c.text;
}

TEST(ValueText, DetectCellTextKind) {
  EXPECT_EQ(DetectCellTextKind(QString(), true), ckPlain);
  EXPECT_EQ(DetectCellTextKind(QStringLiteral("=A1"), true), ckFormula);
  EXPECT_EQ(DetectCellTextKind(QStringLiteral("{\\rtf1"), true), ckRichText);
  EXPECT_EQ(DetectCellTextKind(QStringLiteral("<B>x</B>"), true), ckMarkup);
  EXPECT_EQ(DetectCellTextKind(QStringLiteral("<B>x</B>"), false), ckPlain);
  EXPECT_EQ(DetectCellTextKind(QStringLiteral("<b>x"), true), ckPlain);  // upper case as written only
  EXPECT_EQ(DetectCellTextKind(EncodeWidePairs(QStringLiteral("x")), true), ckWidePairs);
  // "=" as the first character of the wide-pair form: a formula.
  EXPECT_EQ(DetectCellTextKind(EncodeWidePairs(QStringLiteral("=1")), true), ckFormula);
}

TEST(ValueText, ParseRowColRef) {
  int32_t column = -1, row = -1;
  EXPECT_TRUE(ParseRowColRef(QStringLiteral("r2c5"), column, row));
  EXPECT_EQ(column, 5);
  EXPECT_EQ(row, 2);
  for (const char* bad : {"R2", "RxC1", "X2C3", "R2C", "R2D3"}) {
    column = row = -1;
    EXPECT_FALSE(ParseRowColRef(QString::fromUtf8(bad), column, row)) << bad;
    EXPECT_EQ(column, -1);
  }
}

TEST(ValueText, Urls) {
  EXPECT_TRUE(LooksLikeUrl(QStringLiteral("see http://x")));
  EXPECT_TRUE(LooksLikeUrl(QStringLiteral("mailto:a@b")));
  EXPECT_FALSE(LooksLikeUrl(QStringLiteral("MAILTO:a@b")));
  QString url = QStringLiteral("https://host/p");
  StripUrlScheme(url);
  EXPECT_EQ(url, QStringLiteral("host/p"));
  url = QStringLiteral("mailto:a@b");
  StripUrlScheme(url);
  EXPECT_EQ(url, QStringLiteral("a@b"));

  QString result;
  EXPECT_FALSE(LinkifyUrl(QStringLiteral("no link"), QStringLiteral("HTTP://"), result));
  ASSERT_TRUE(LinkifyUrl(QStringLiteral("go <to> Http://x.org/a_b?q=1 now"), QStringLiteral("HTTP://"), result));
  EXPECT_EQ(result, QStringLiteral("go &lt;to&gt; <a href=\"Http://x.org/a_b\">Http://x.org/a_b</a>?q=1 now"));
  ASSERT_TRUE(LinkifyUrl(QStringLiteral("www.x.org"), QStringLiteral("WWW."), result));
  EXPECT_EQ(result, QStringLiteral("<a href=\"www.x.org\">www.x.org</a>"));
}

TEST(ValueText, ProperCase) {
  struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"mcdonald's farm", "McDonald'S Farm"}, {"old mcdonald", "Old McDonald"}, {"HELLO wORLD", "Hello World"},
      {"king henry iii", "King Henry III"},   {"louis ii", "Louis II"},         {"3rd street", "3rd Street"},
      {"jean-luc o'neil", "Jean-Luc O'Neil"}};
  for (const auto& c : cases) EXPECT_EQ(ProperCase(QString::fromUtf8(c.text)), QString::fromUtf8(c.expected));
}

TEST(ValueText, WidePairsRoundTrip) {
  const QString text = QStringLiteral("A\u20AC\u00FF");
  const QString encoded = EncodeWidePairs(text);
  ASSERT_EQ(encoded.size(), 2 + 6);
  EXPECT_EQ(encoded.mid(2, 4), QString(QChar(0)) + QChar(0x41) + QChar(0x20) + QChar(0xAC));
  EXPECT_EQ(DecodeWidePairs(encoded), text);
  EXPECT_EQ(DecodeWidePairs(encoded + QChar(0x41)), text);  // odd last character ignored
  EXPECT_EQ(DecodeWidePairs(QStringLiteral("plain")), QStringLiteral("plain"));
}

TEST(ValueText, WrapClipboardHtmlOffsetsPointAtTheirPlaces) {
  for (const QString& fragment : {QString(), QStringLiteral("<table><tr><td>1</td></tr></table>")}) {
    const QString html = WrapClipboardHtml(fragment);
    const int32_t length = int32_t(fragment.size());
    EXPECT_TRUE(html.contains(QStringLiteral("EndHTML:%1\r\n").arg(length + 306, 8, 10, QChar(u'0'))));
    EXPECT_TRUE(html.contains(QStringLiteral("EndFragment:%1\r\n").arg(length + 274, 8, 10, QChar(u'0'))));
    EXPECT_EQ(html.indexOf(QStringLiteral("<!DOCTYPE")), 97);
    EXPECT_EQ(html.indexOf(QStringLiteral("<!--StartFragment-->")) + 20, 274);
    EXPECT_EQ(html.mid(274, length), fragment);
    EXPECT_EQ(html.size(), length + 306);
  }
}

TEST(Format, DirectivesAndTheirFailures) {
  TPinnedFormat pin(u',', u'.');
  struct {
    const char* format;
    std::vector<TFormatArg> args;
    const char* expected;
  } cases[] = {
      {"%s%.8d", {"StartHTML:", 97}, "StartHTML:00000097"},
      {"%d|%5d|%-5d|", {-42, 7, 7}, "-42|    7|7    |"},
      {"%x %u", {255, -1}, "FF 4294967295"},
      {"%.2f", {3.14159}, "3,14"},
      {"%n", {1234567.891}, "1.234.567,89"},
      {"%.3e", {12345.0}, "1,23E+004"},
      {"%s and %1:s %0:s", {"a", "b"}, "a and b a"},
      {"%*d", {4, 3}, "   3"},
      {"100%%", {}, "100%"},
      {"%d", {"text"}, "%d"},        // wrong kind: copied as written
      {"%s %s", {"one"}, "one %s"},  // missing argument
      {"%q", {1}, "%q"},
      {"end %", {}, "end %"},
      {"%.2s", {"abc"}, "ab"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Format(QString::fromUtf8(c.format), c.args), QString::fromUtf8(c.expected)) << c.format;
}
}  // namespace
