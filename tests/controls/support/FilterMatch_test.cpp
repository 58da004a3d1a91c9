#include <gtest/gtest.h>

#include "TPinnedFormat.h"
#include "UFilterMatch.h"

namespace {
struct TCase {
  const char* expression;
  const char* text;
  bool expected;
};

void Check(const std::vector<TCase>& cases, bool caseSensitive) {
  for (const auto& c : cases)
    EXPECT_EQ(MatchFilterExpression(QString::fromUtf8(c.expression), QString::fromUtf8(c.text), caseSensitive),
              c.expected)
        << "'" << c.expression << "' on '" << c.text << "'";
}

TEST(FilterMatch, TextAndWildcards) {
  TPinnedFormat pin;
  Check(
      {{"smith", "Smith", true},
       {"smith", "Smithers", false},
       {"smith*", "Smithers", true},
       {"smith*", "Smith", true},
       {"A*", "apple", true},
       {"*ple", "apple", true},
       {"a?ple", "apple", true},
       {"a?ple", "aple", false},
       {"*a*a*a*b",
        "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaac", false},
       {"!*test*", "a test here", false},
       {"!*test*", "nothing", true},
       {"New York", "NewYork", true},
       {"New York", "New York", false},
       {"\"New York\"", "New York", true},
       {"", "", true},
       {"", "x", false},
       {"=x", "x", true},
       {"&x", "x", false},
       {"&x", "", false}},
      false);
  Check({{"smith", "Smith", false}, {"Smith", "Smith", true}}, true);
}

TEST(FilterMatch, ComparisonsByNumberDateAndText) {
  TPinnedFormat pin;
  Check({{">=100", "1,000", true},
         {">=100", "99", false},
         {">=100", "100", true},
         {">100", "100", false},
         {"<=1.5", "1.5", true},
         {">abc", "abd", true},
         {">abc", "abb", false},
         {"<10", "9", true},
         {"<10", "a", false},
         {"> 5", "7", true}},
        false);
  TPinnedFormat german(u',', u'.', u'.', QStringLiteral("dd.MM.yyyy"));
  Check({{"<01.06.2023", "15.05.2023", true},
         {"<01.06.2023", "15.07.2023", false},
         {">2,5", "10", true},
         {">2,5", "2,4", false}},
        false);
}

TEST(FilterMatch, OperatorsLeftToRightAndGroups) {
  TPinnedFormat pin;
  Check({{"a|b&c", "a", false},  // (a or b) and c
         {"a|b", "b", true},
         {"a;b", "b", true},
         {"a^b", "b", true},
         {"a&b", "a", false},
         {"(>5&<10)|0", "7", true},
         {"(>5&<10)|0", "0", true},
         {"(>5&<10)|0", "12", false},
         {"(>5&<10)|=0", "0", false},
         {"(>5&<10)|=0", "=0", true},
         {"(a)b", "a", true},
         {"x|(a|b)", "b", true},
         {"\"a|b\"", "a|b", true}},
        false);
}

TEST(FilterMatch, UnmatchedParenthesisTakesTheRestAsItsGroup) {
  TPinnedFormat pin;
  Check({{"(a|b", "b", true}, {"(a|b", "c", false}, {"x|(a", "a", true}, {"((((", "", true}}, false);
  // Deep nesting is evaluated without exhausting the stack.
  const QString deep = QString(5000, u'(') + QStringLiteral("a") + QString(5000, u')');
  EXPECT_FALSE(MatchFilterExpression(deep, QStringLiteral("b"), false));
}

TEST(FilterMatch, LongComparisonValuesAreCut) {
  TPinnedFormat pin;
  const QString value(300, u'b');
  // Only the first 255 characters take part in the comparison.
  EXPECT_FALSE(MatchFilterCondition(QStringLiteral(">") + value, value.left(255) + QStringLiteral("c")));
  EXPECT_TRUE(MatchFilterCondition(QStringLiteral(">=") + value, value.left(255) + QStringLiteral("a")));
}

TEST(FilterMatch, Helpers) {
  TPinnedFormat pin(u',', u'.');
  EXPECT_EQ(RemoveBlanksOutsideQuotes(QStringLiteral(" a b \" c d \" e")), QStringLiteral("ab\" c d \"e"));
  int32_t position = 0;
  EXPECT_EQ(FindFilterOperator(QStringLiteral("&|"), QStringLiteral("\"a&b\"|c"), position), QChar(u'|'));
  EXPECT_EQ(position, 6);
  EXPECT_TRUE(FindFilterOperator(QStringLiteral("&|"), QStringLiteral("abc"), position).isNull());
  EXPECT_EQ(position, -1);
  EXPECT_EQ(MatchingParenPos(QStringLiteral("(a(b)c)d")), 7);
  EXPECT_EQ(MatchingParenPos(QStringLiteral("(a")), 0);
  EXPECT_EQ(NormaliseLocaleNumber(QStringLiteral("1.234,5")), QStringLiteral("1234.5"));
  EXPECT_TRUE(MatchFilterToken(QStringLiteral("\u00E4bc"), QStringLiteral("\u00C4BC"), false));
  EXPECT_FALSE(MatchFilterToken(QStringLiteral("\u00E4bc"), QStringLiteral("\u00C4BC"), true));
}
}  // namespace
