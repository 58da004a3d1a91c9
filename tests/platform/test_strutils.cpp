#include <gtest/gtest.h>

#include "Exception.h"
#include "UFormatSettings.h"
#include "UStrUtils.h"

TEST(StrUtils, TrimRemovesEveryCharacterUpToBlank) {
  EXPECT_EQ(Trim(QStringLiteral("\t\r\n \x01"
                                "abc \x1f")),
            QStringLiteral("abc"));
  EXPECT_EQ(TrimLeft(QStringLiteral("  a b ")), QStringLiteral("a b "));
  EXPECT_EQ(TrimRight(QStringLiteral("  a b ")), QStringLiteral("  a b"));
  // U+00A0 is above U+0020 and stays.
  EXPECT_EQ(Trim(QStringLiteral("\u00A0x")), QStringLiteral("\u00A0x"));
}

TEST(StrUtils, IntegerParsingTable) {
  struct Case {
    const char* text;
    bool ok;
    int32_t value;
  };
  const Case cases[] = {
      {"0", true, 0},
      {"  42", true, 42},
      {"-17", true, -17},
      {"+8", true, 8},
      {"$FF", true, 255},
      {"x1a", true, 26},
      {"0x10", true, 16},
      {"-$10", true, -16},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, INT32_MIN},
      {"2147483648", false, 0},
      {"$FFFFFFFF", true, -1},
      {"$100000000", false, 0},
      {"", false, 0},
      {"  ", false, 0},
      {"-", false, 0},
      {"0x", false, 0},
      {"12a", false, 0},
      {"1 2", false, 0},
      {"1.5", false, 0},
      {"12 ", false, 0},
      {"\t12", false, 0},
      {"\n12", false, 0},
      {"12\t", false, 0},
      {"- 5", false, 0},
      {"0X1f", true, 31},
      {"X1f", true, 31},
      {"4294967295", false, 0},
      {"\xC2\xA0"
       "12",
       false, 0},
  };
  for (const Case& c : cases) {
    int32_t v = 12345;
    EXPECT_EQ(TryStrToInt(QString::fromLatin1(c.text), v), c.ok) << c.text;
    EXPECT_EQ(v, c.ok ? c.value : 12345) << c.text;
    int32_t u = 12345;
    EXPECT_EQ(Try_Utf8_To_Int(c.text, u), c.ok) << c.text;
    EXPECT_EQ(u, v) << c.text;
  }
  EXPECT_EQ(StrToIntDef(QStringLiteral("zz"), 7), 7);
  try {
    StrToInt(QStringLiteral("zz"));
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("'zz' is not a valid integer value"));
  }
}

TEST(FormatSettings, ProviderIsPinnedAndRestored) {
  Set_Format_Settings_Provider([] {
    TFormatSettings fs;
    fs.DecimalSeparator = u',';
    return fs;
  });
  EXPECT_EQ(FormatSettings().DecimalSeparator, QChar(u','));
  Set_Format_Settings_Provider({});
  EXPECT_EQ(FormatSettings().DecimalSeparator, System_Format_Settings().DecimalSeparator);
}
