#include <gtest/gtest.h>

#include "Exception.h"
#include "TPinnedFormat.h"
#include "UDateParse.h"

namespace {
TDateTime Date_Time(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return EncodeDate(y, mo, d) + EncodeTime(h, mi, s, 0);
}

TEST(DateTime, EncodeDecodeAndErrors) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
  EXPECT_DOUBLE_EQ(EncodeTime(18, 0, 0, 0), 0.75);
  int32_t y = 0, m = 0, d = 0;
  DecodeDate(EncodeDate(2024, 2, 29) + 0.5, y, m, d);
  EXPECT_EQ(y * 10000 + m * 100 + d, 20240229);
  EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
  EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);
  EXPECT_THROW(EncodeTime(0, 0, 60, 0), EConvertError);
}

TEST(DateParse, LocaleDayMonthYear) {
  TPinnedFormat pin(u',', u'.', u'.', QStringLiteral("dd.MM.yyyy"));
  struct {
    const char* text;
    bool ok;
    TDateTime expected;
  } cases[] = {
      {"24.12.2023 18:30", true, Date_Time(2023, 12, 24, 18, 30)},
      {"24.12.2023 18:30:15", true, Date_Time(2023, 12, 24, 18, 30, 15)},
      {"24.12.2023", true, Date_Time(2023, 12, 24)},
      {" 1.2.2023 ", true, Date_Time(2023, 2, 1)},
      {"1.2.23", true, Date_Time(23, 2, 1)},  // years as written
      {"32.01.2023", false, 0},
      {"01.13.2023", false, 0},
      {"31.02.2023", false, 0},
      {"24.12.2023 24:00", false, 0},
      {"24.12.2023 18:60", false, 0},
      {"24.12.2023 18:30:60", false, 0},  // the platform rejects second 60
      {"24.12.2023 18:30:61", false, 0},
      {"24.12", false, 0},
      {"24-12-2023", false, 0},
      {"a.12.2023", false, 0},
      {"", false, 0},
  };
  for (const auto& c : cases) {
    TDateTime value = -1;
    EXPECT_EQ(ParseLocaleDateTime(QString::fromUtf8(c.text), value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_DOUBLE_EQ(value, c.expected) << c.text;
    }
  }
  // A time without a separator: the date is stored at midnight, but the text is refused.
  TDateTime value = -1;
  EXPECT_FALSE(ParseLocaleDateTime(QStringLiteral("24.12.2023 1830"), value));
  EXPECT_DOUBLE_EQ(value, Date_Time(2023, 12, 24));
}

TEST(DateParse, LocaleMonthDayYear) {
  TPinnedFormat pin(u'.', u',', u'/', QStringLiteral("M/d/yyyy"));
  TDateTime value = 0;
  ASSERT_TRUE(ParseLocaleDateTime(QStringLiteral("12/24/2023"), value));
  EXPECT_DOUBLE_EQ(value, Date_Time(2023, 12, 24));
  EXPECT_FALSE(ParseLocaleDateTime(QStringLiteral("24/12/2023"), value));
  TPinnedFormat iso(u'.', u',', u'-', QStringLiteral("yyyy-MM-dd"));
  ASSERT_TRUE(ParseLocaleDateTime(QStringLiteral("2023-12-24"), value));
  EXPECT_DOUBLE_EQ(value, Date_Time(2023, 12, 24));
}

TEST(DateParse, FixedOrderReaders) {
  EXPECT_DOUBLE_EQ(ParseMdyDate(QStringLiteral("12/24/23")), EncodeDate(2023, 12, 24));
  EXPECT_DOUBLE_EQ(ParseMdyDate(QStringLiteral("1-2-99")), EncodeDate(1999, 1, 2));
  EXPECT_EQ(ParseMdyDate(QStringLiteral("12/24")), 0.0);
  EXPECT_EQ(ParseMdyDate(QStringLiteral("12 24 23")), 0.0);
  EXPECT_EQ(ParseMdyDate(QStringLiteral("a/b/c")), 0.0);
  EXPECT_DOUBLE_EQ(ParseDmyDate(QStringLiteral("24.12.25")), EncodeDate(2025, 12, 24));
  EXPECT_DOUBLE_EQ(ParseDmyDate(QStringLiteral("24.12.26")), EncodeDate(1926, 12, 24));
  // Four-digit years shift by 1900 too; the order between them is kept.
  EXPECT_DOUBLE_EQ(ParseDmyDate(QStringLiteral("1.1.2000")), EncodeDate(3900, 1, 1));
  EXPECT_THROW(ParseDmyDate(QStringLiteral("31.2.20")), EConvertError);
}

TEST(DateParse, HasTwoDateSeparators) {
  TPinnedFormat pin;
  EXPECT_TRUE(HasTwoDateSeparators(QStringLiteral("1/2/3")));
  EXPECT_FALSE(HasTwoDateSeparators(QStringLiteral("/1/2")));
  EXPECT_FALSE(HasTwoDateSeparators(QStringLiteral("1//2")));
  EXPECT_FALSE(HasTwoDateSeparators(QStringLiteral("1/2")));
  EXPECT_TRUE(HasTwoDateSeparators(QStringLiteral("1//2/3")));
}

TEST(DateParse, ShiftDate) {
  const TDateTime jan15 = EncodeDate(2023, 1, 15);
  EXPECT_DOUBLE_EQ(ShiftDate(0, -1, 0, jan15, 7), EncodeDate(2022, 12, 15));
  EXPECT_DOUBLE_EQ(ShiftDate(0, 1, 0, EncodeDate(2023, 12, 15), 7), EncodeDate(2024, 1, 15));
  EXPECT_DOUBLE_EQ(ShiftDate(0, 0, 3, jan15, 7), jan15 + 3);
  EXPECT_DOUBLE_EQ(ShiftDate(2, 0, 0, jan15, 7), EncodeDate(2025, 1, 15));
  EXPECT_DOUBLE_EQ(ShiftDate(0, 0, 0, jan15, 7), jan15 + 7);
  EXPECT_DOUBLE_EQ(ShiftDate(1, 1, 0, jan15, 7), jan15 + 7);
  EXPECT_THROW(ShiftDate(0, 1, 0, EncodeDate(2023, 1, 31), 0), EConvertError);
  EXPECT_THROW(ShiftDate(0, -2, 0, jan15, 0), EConvertError);  // beyond one year back
  EXPECT_THROW(ShiftDate(1, 0, 0, EncodeDate(2024, 2, 29), 0), EConvertError);
}
}  // namespace
