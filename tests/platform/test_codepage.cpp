#include <gtest/gtest.h>

#include <string>

#include "UCodePage.h"

TEST(CodePage, AnsiAndOemRoundTripsAndUnmappable) {
  EXPECT_EQ(Ansi_To_Unicode(QByteArray("\x80\xe8"
                                       "a",
                                       3)),
            QStringLiteral("\u20ac\u00e8a"));
  EXPECT_EQ(Unicode_To_Ansi(QStringLiteral("\u20ac\u00e8a")), QByteArray("\x80\xe8"
                                                                         "a",
                                                                         3));
  EXPECT_EQ(Unicode_To_Ansi(QStringLiteral("a\u4e2db")), QByteArray("a?b"));
  // 0x81 has no character in Windows-1252.
  EXPECT_EQ(Ansi_To_Unicode(QByteArray("a\x81"
                                       "b",
                                       3)),
            QStringLiteral("a?b"));
  EXPECT_EQ(Oem_To_Unicode(QByteArray("\x8a", 1)), QStringLiteral("\u00e8"));
  EXPECT_EQ(Unicode_To_Oem(QStringLiteral("\u00e8\u20ac")), QByteArray("\x8a?", 2));
  // A character outside the basic plane is one "?", not two.
  EXPECT_EQ(Unicode_To_Ansi(QString::fromUcs4(U"x\U0001F600y")), QByteArray("x?y"));
  // A lone surrogate is one "?" and keeps the character after it, whichever half it is and wherever it stands.
  struct TCase {
    std::u16string Units;
    QByteArray Ansi;
  };
  const TCase lone[] = {
      {{0xD800, 'A', 'B'}, "?AB"},    {{'A', 0xDC00, 'B'}, "A?B"}, {{'A', 'B', 0xD800}, "AB?"},
      {{0xD800, 0xD800, 'A'}, "??A"}, {{0xDBFF, 0x00E8}, "?\xe8"},
  };
  for (const TCase& c : lone) {
    const QString text = QString::fromUtf16(c.Units.data(), qsizetype(c.Units.size()));
    EXPECT_EQ(Unicode_To_Ansi(text), c.Ansi) << c.Ansi.constData();
    EXPECT_EQ(Unicode_To_Oem(text).size(), c.Ansi.size()) << c.Ansi.constData();
  }
}
