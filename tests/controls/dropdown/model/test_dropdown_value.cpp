// The value between prefix and suffix, and the numbers the edit types read and write, with the full stop as the
// decimal and the comma as the thousand separator unless a case says otherwise.
#include <gtest/gtest.h>

#include "TPinnedFormat.h"
#include "UDropDownValue.h"

namespace {

TEST(DropDownValue, NumberType) {
  TPinnedFormat format;
  const struct {
    const char* text;
    int32_t type;
  } cases[] = {
      {"", numNone},      {"12", numInteger}, {"-12", numInteger},     {"1,234.5", numFloat},
      {"1A", numHex},     {"ff", numHex},     {"1,2,345", numNone},    {"--1", numNone},
      {"1.2.3", numNone}, {"12a.5", numNone}, {"1,234,567", numFloat},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberType(c.text), c.type) << c.text;
}

TEST(DropDownValue, ValueBetweenPrefixAndSuffix) {
  const struct {
    const char *display, *prefix, *suffix, *value;
  } cases[] = {
      {"12 kg", "", " kg", "12"},
      // The suffix's length is cut without comparing; a text shorter than the suffix keeps everything.
      {"1234", "", " kg", "1"},
      {"12", "", " kg", "12"},
      {"$ 5", "$ ", "", "5"},
      // A text that does not start with the prefix keeps its start.
      {"5", "$ ", "", "5"},
      {"$ 5 kg", "$ ", " kg", "5"},
  };
  for (const auto& c : cases) EXPECT_EQ(ValueOfDisplay(c.display, c.prefix, c.suffix), c.value) << c.display;
}

TEST(DropDownValue, SetValueFormatsByTypeAndPrecision) {
  TPinnedFormat format;
  const struct {
    const char* value;
    TDropDownEditType type;
    int32_t precision;
    const char* shown;
  } cases[] = {
      {"", etFloat, 0, "0"},
      {"", etFloat, 2, "0.00"},
      {"3", etFloat, 2, "3.00"},
      {"Error", etFloat, 2, "Error"},
      {"", etNumeric, 0, "0"},
      {"", etString, 2, ""},
      {"1234567.5", etMoney, 2, "1,234,567.50"},
      {"1,234.5", etFloat, 1, "1234.5"},
      {"ff", etHex, 0, "FF"},
      {"", etHex, 0, "0"},
      {"abc", etString, 2, "abc"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatEditValue(c.value, c.type, c.precision), c.shown) << c.value << " type " << c.type;
}

TEST(DropDownValue, NumbersReadAndWrittenByType) {
  TPinnedFormat format(u',', u'.');
  EXPECT_EQ(FloatValueOf("1.234,5", etFloat), 1234.5);
  EXPECT_EQ(FloatValueOf("Error", etFloat), 0);
  EXPECT_EQ(FloatValueOf("-", etNumeric), 0);
  EXPECT_EQ(FloatValueOf("12,", etMoney), 12);
  EXPECT_EQ(FloatValueOf("1F", etHex), 31);
  EXPECT_EQ(FloatValueOf("x", etHex), 0);
  EXPECT_EQ(FloatValueOf("2.5x", etString), 2.5);
  EXPECT_EQ(FloatValueOf("12", etPassword), 0);
  EXPECT_EQ(FloatText(2.5, etFloat, 2), "2,50");
  EXPECT_EQ(FloatText(1234, etNumeric, 0), "1.234");
  EXPECT_EQ(FloatText(255.9, etHex, 0), "FF");
  EXPECT_EQ(FloatText(2.5, etUppercase, 2), "");
  EXPECT_EQ(IntText(255, etHex), "FF");
  EXPECT_EQ(MoneyText("-1234567,5", true), "-1.234.567,5");
  EXPECT_EQ(MoneyText("1234567", false), "1234567");
  EXPECT_EQ(MoneyText("", true), "");
}

TEST(DropDownValue, HexDigitsWrapAsThirtyTwoBits) {
  EXPECT_EQ(HexToInt("FFFFFFFF"), -1);
  EXPECT_EQ(HexToInt("1G"), 16);
  EXPECT_EQ(HexDigitValue(u'a'), 10);
  EXPECT_TRUE(IsRangeSeparator(u';'));
  EXPECT_FALSE(IsRangeSeparator(u'.'));
}

}  // namespace
