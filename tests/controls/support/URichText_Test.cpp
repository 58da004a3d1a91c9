#include "URichText.h"

#include <gtest/gtest.h>

namespace {

TRichFormat Fmt(int32_t offset, bool bold = false, TColor color = clNone, QString font = {}, int32_t size = 0) {
  TRichFormat f;
  f.Offset = offset;
  f.Bold = bold;
  f.Color = color;
  f.FontName = std::move(font);
  f.FontSize = size;
  return f;
}

TEST(URichText, RoundTripsTheEditorsSubset) {
  TRichFormat italic;
  italic.Italic = true;
  italic.Underline = true;
  const TRichRuns cases[] = {
      {},
      {{"plain", {}}},
      {{"H", Fmt(0, false, clNone, "Tahoma", 9)},
       {"2", Fmt(-40, false, clNone, "Tahoma", 9)},
       {"O", Fmt(0, false, clNone, "Tahoma", 9)}},
      {{"x", {}}, {"2", Fmt(40)}, {" + ", {}}, {"y", Fmt(0, true, 0x0000FF)}, {"n", Fmt(40, true, 0x00FF00)}},
      {{"braces {} and \\ back\tslash\nsecond line\u2028break", italic}},
      {{QString::fromUtf8("Größe €, Ωμ, 😀"), Fmt(0, false, 0x123456, QString::fromUtf8("Frütiger"), 11)}},
  };
  for (const TRichRuns& runs : cases) {
    const QByteArray rtf = WriteRtf(runs);
    EXPECT_TRUE(IsRtfText(rtf));
    EXPECT_EQ(ReadRtf(rtf), runs) << rtf.constData();
  }
}

TEST(URichText, ReadsForeignDocuments) {
  const QByteArray rtf =
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1 Courier New;}}"
      "{\\colortbl ;\\red255\\green0\\blue0;}{\\*\\generator Writer 1.0;}{\\stylesheet{\\s0 Normal;}}\r\n"
      "\\viewkind4\\pard\\f0\\fs20 H\\dn4 2\\dn0 O \\'e9t\\'e9 \\u8364?\\b bold\\b0\\par\n"
      "{\\cf1\\f1 red}\\~x\\up4 n\\up0}trailing ignored";
  const TRichRuns runs = ReadRtf(rtf);
  EXPECT_EQ(RunsToPlainText(runs), QString::fromUtf8("H2O été €bold\nred\u00A0xn"));
  ASSERT_GE(runs.size(), 6u);
  EXPECT_EQ(runs[0].Format.FontName, "Arial");
  EXPECT_EQ(runs[0].Format.FontSize, 10);
  EXPECT_EQ(runs[1].Text, "2");
  EXPECT_EQ(runs[1].Format.Offset, -40);
  const auto red = std::find_if(runs.begin(), runs.end(), [](const TRichRun& r) { return r.Text == "red"; });
  ASSERT_NE(red, runs.end());
  EXPECT_EQ(red->Format.Color, TColor(0x0000FF));
  EXPECT_EQ(red->Format.FontName, "Courier New");
  EXPECT_EQ(runs.back().Text, "n");
  EXPECT_EQ(runs.back().Format.Offset, 40);
  EXPECT_EQ(ReadRtf(WriteRtf(runs)), runs);
}

TEST(URichText, RefusesHostileInput) {
  const QByteArray deep = "{\\rtf1" + QByteArray(RtfMaxGroupDepth, '{') + "x";
  const QByteArray longText = "{\\rtf1 " + QByteArray(RtfMaxTextLength + 1, 'a') + "}";
  const QByteArray longWord = "{\\rtf1\\" + QByteArray(100, 'a') + " x}";
  const QByteArray longNumber = "{\\rtf1\\fs" + QByteArray(40, '9') + " x}";
  QByteArray manyFonts = "{\\rtf1{\\fonttbl";
  for (int i = 0; i <= RtfMaxTableEntries; ++i) manyFonts += "\\f" + QByteArray::number(i) + " F;";
  const struct {
    QByteArray Bytes;
    const char* Message;
  } cases[] = {
      {"plain text", "Not a rich text document"}, {deep, "Rich text nested too deeply"},
      {longText, "Rich text too long"},           {longWord, "Rich text control word too long"},
      {longNumber, "Rich text number too long"},  {manyFonts, "Rich text table too long"},
  };
  for (const auto& c : cases) {
    try {
      ReadRtf(c.Bytes);
      ADD_FAILURE() << c.Message;
    } catch (const ERichTextError& e) {
      EXPECT_EQ(e.Message(), c.Message);
    }
  }
  // Truncated documents and stray bytes still read what they hold; the fuzz entry keeps its invariant on them.
  EXPECT_EQ(RunsToPlainText(ReadRtf("{\\rtf1 abc{\\b def")), "abcdef");
  for (const QByteArray& bytes : {QByteArray("{\\rtf1\\'zz\\'4"), QByteArray("{\\rtf1\\u-3?x\\uc9\\u65 \\'41BC"),
                                  QByteArray("{\\rtf\\f99 x\\cf77 y\\fs-5 z\\up999999999 w}")})
    EXPECT_EQ(Fuzz_Rtf_Reader(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())), 0);
}

}  // namespace
