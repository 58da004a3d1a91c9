#include <gtest/gtest.h>

#include <QWidget>

#include "UAccelerator.h"

TEST(Accelerator, TheMarkedCharacterUpperCased) {
  struct {
    const char* caption;
    QChar want;
  } cases[] = {
      {"&Find", u'F'},
      {"Match &case", u'C'},
      {"Save && go", QChar()},  // "&&" shows an ampersand and marks nothing
      {"Save && &go", u'G'},
      {"&a&b", u'B'},  // the last mark, the one the caption's drawing underlines
      {"End &", QChar()},
      {"", QChar()},
      {"&\u00e9t\u00e9", QChar(u'\u00c9')},
  };
  for (const auto& c : cases) EXPECT_EQ(AcceleratorOf(QString::fromUtf8(c.caption)), c.want) << c.caption;
}

TEST(Accelerator, GrabReplacesThePreviousShortcut) {
  QWidget control;
  const int first = GrabAccelerator(&control, 0, QStringLiteral("&Find"));
  EXPECT_NE(first, 0);
  const int second = GrabAccelerator(&control, first, QStringLiteral("&Search"));
  EXPECT_NE(second, 0);
  EXPECT_NE(second, first);
  EXPECT_EQ(GrabAccelerator(&control, second, QStringLiteral("Plain")), 0);
}
