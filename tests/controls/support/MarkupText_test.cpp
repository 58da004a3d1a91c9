#include <gtest/gtest.h>

#include "UMarkupControls.h"
#include "UMarkupText.h"

namespace {
TEST(MarkupText, Entities) {
  EXPECT_EQ(DecodeMarkupEntities(QStringLiteral("&Eacute;t&eacute;"), true), QStringLiteral("\u00C9t\u00E9"));
  EXPECT_EQ(DecodeMarkupEntities(QStringLiteral("&Eacute;t&eacute;"), false), QStringLiteral("&Eacute;t&eacute;"));
  EXPECT_EQ(EncodeMarkupEntities(QStringLiteral("a&b"), false), QStringLiteral("a&amp;b"));
  EXPECT_EQ(DecodeMarkupEntities(QStringLiteral("a&amp;b"), false), QStringLiteral("a&b"));
  EXPECT_EQ(EncodeMarkupEntities(QStringLiteral("\u00C3\u00F5"), true), QStringLiteral("&Atilde;&otilde;"));
  EXPECT_EQ(EncodeMarkupEntities(QStringLiteral("<\"x\">"), false), QStringLiteral("&lt;&quot;x&quot;&gt;"));
  const QString all = QStringLiteral("\u00E9\u00C5\u00A9\u00AE\u20AC\u00AB\u00BB<&>\"");
  EXPECT_EQ(DecodeMarkupEntities(EncodeMarkupEntities(all, true), true), all);
  // Entity names typed as text come back as typed, never as the character they name.
  const QString typed = QStringLiteral("&quot; &euro; &lt; &amp; &Eacute;");
  EXPECT_EQ(DecodeMarkupEntities(EncodeMarkupEntities(typed, true), true), typed);
  EXPECT_EQ(DecodeMarkupEntities(QStringLiteral("&amp;quot;&amp;euro;"), true), QStringLiteral("&quot;&euro;"));
  QString cell = QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"\" WIDTH=\"40\">");
  ASSERT_TRUE(SetControlValue(cell, QStringLiteral("e"), QStringLiteral("5 &euro;")));
  QString value;
  ASSERT_TRUE(GetControlValue(cell, QStringLiteral("e"), value));
  EXPECT_EQ(value, QStringLiteral("5 &euro;"));
  EXPECT_EQ(SpacesToNbsp(QStringLiteral("a b")), QStringLiteral("a&nbsp;b"));
}

TEST(MarkupText, PlainTextAndStripping) {
  EXPECT_EQ(MarkupToPlainText(QStringLiteral("a<B>b</B><BR>c")), QStringLiteral("ab\r\nc"));
  EXPECT_EQ(MarkupToPlainText(QStringLiteral("a<br>b<hr>c")), QStringLiteral("a\r\nb\r\nc"));
  EXPECT_EQ(MarkupToPlainText(QStringLiteral("ab<cd")), QStringLiteral("ab<cd"));
  EXPECT_EQ(MarkupToPlainText(QStringLiteral("a<i>b<cd")), QStringLiteral("ab<cd"));
  EXPECT_EQ(StripTags(QStringLiteral("a<b>c")), QStringLiteral("ac"));
  EXPECT_EQ(StripTags(QStringLiteral("a>b<c>d")), QStringLiteral("a>b<c>d"));
  EXPECT_EQ(StripTags(QStringLiteral("<x>a<y>b<z")), QStringLiteral("ab<z"));
}

TEST(MarkupText, VisibleToRawIndex) {
  const QString text = QStringLiteral("<B>he</B>llo");
  EXPECT_EQ(VisibleToRawIndex(text, 1), 1);
  EXPECT_EQ(VisibleToRawIndex(text, 2), 5);   // after "h"
  EXPECT_EQ(VisibleToRawIndex(text, 3), 6);   // after "e", before "</B>"
  EXPECT_EQ(VisibleToRawIndex(text, 6), 13);  // one past the last visible character: the end
  EXPECT_EQ(VisibleToRawIndex(text, 7), 0);
  EXPECT_EQ(VisibleToRawIndex(text, 0), 0);
}

TEST(MarkupText, FindTextFrom) {
  int32_t pos = -1;
  EXPECT_EQ(FindTextFrom(QStringLiteral("ab"), QStringLiteral("abxAB"), 1, false, pos), 4);
  EXPECT_EQ(pos, 4);
  EXPECT_EQ(FindTextFrom(QStringLiteral("ab"), QStringLiteral("abxAB"), 1, true), 0);
  EXPECT_EQ(FindTextFrom(QStringLiteral("ab"), QStringLiteral("ab"), 5, true), 0);
}

TEST(MarkupText, HighlightMatches) {
  EXPECT_EQ(HighlightMatches(QStringLiteral("<B>hello</B>"), QStringLiteral("ll"), QStringLiteral("hi"), true),
            QStringLiteral("<B>he<hi>ll</hi>o</B>"));
  EXPECT_EQ(HighlightMatches(QStringLiteral("aaaa"), QStringLiteral("a"), QStringLiteral("hi"), true),
            QStringLiteral("<hi>a</hi>a<hi>a</hi>a"));
  EXPECT_EQ(HighlightMatches(QStringLiteral("Hello"), QStringLiteral("hELLO"), QStringLiteral("hi"), false),
            QStringLiteral("<hi>Hello</hi>"));
  // Visible "<" or ">" in a text that contains the search text: the tags go, the brackets are escaped.
  EXPECT_EQ(HighlightMatches(QStringLiteral("a>b"), QStringLiteral("b"), QStringLiteral("hi"), true),
            QStringLiteral("a&gt;<hi>b</hi>"));
  EXPECT_EQ(HighlightMatches(QStringLiteral("abc"), QString(), QStringLiteral("hi"), true), QStringLiteral("abc"));
  for (const char* text : {"<B>hello</B> world", "aaaa", "no match"}) {
    const QString t = QString::fromUtf8(text);
    EXPECT_EQ(RemoveHighlightTags(HighlightMatches(t, QStringLiteral("o"), QStringLiteral("hi"), false),
                                  QStringLiteral("HI")),
              t);
  }
}

const QString Form = QStringLiteral(
    "Name <CONTROL TYPE=\"edit\" ID=\"e1\" HEIGHT=\"30\" WIDTH=\"80\" VALUE=\"a\" MAXLEN=\"12x\"> "
    "<control type=\"CHECK\" id=\"c1\" value=\"TRUE\" width=\"20\"> "
    "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"true\" WIDTH=\"20\"> "
    "<CONTROL TYPE=\"EDIT\" ID=\"e2\" VALUE=\"&Eacute;&lt;\" PROP=\"99&amp;\" WIDTH=\"40\"> end");

TEST(MarkupControls, ReadingControls) {
  EXPECT_TRUE(HasControlTag(Form));
  EXPECT_FALSE(HasControlTag(QStringLiteral("<B>x</B>")));
  EXPECT_EQ(NextControlId(Form, QString()), QStringLiteral("e1"));
  EXPECT_EQ(NextControlId(Form, QStringLiteral("e1")), QStringLiteral("e2"));
  EXPECT_EQ(NextControlId(Form, QStringLiteral("e2")), QString());
  QString value = QStringLiteral("untouched");
  EXPECT_TRUE(GetControlValue(Form, QStringLiteral("e2"), value));
  EXPECT_EQ(value, QStringLiteral("\u00C9<"));
  value = QStringLiteral("untouched");
  EXPECT_FALSE(GetControlValue(Form, QStringLiteral("E2"), value));  // IDs compare exactly
  EXPECT_EQ(value, QStringLiteral("untouched"));
  EXPECT_EQ(GetControlProp(Form, QStringLiteral("e2")), QStringLiteral("99&"));
  EXPECT_EQ(GetControlProp(Form, QStringLiteral("none")), QString());
  EXPECT_EQ(GetControlMaxLen(Form, QStringLiteral("e1")), 12);
  EXPECT_EQ(GetControlMaxLen(Form, QStringLiteral("none")), 0);
  TControlTag tag;
  ParseControlTag(QStringLiteral(" type=\"combo\" ID=\"x\""), tag);
  EXPECT_EQ(tag.Type, QStringLiteral("COMBO"));
  EXPECT_TRUE(tag.Width.isEmpty());
}

TEST(MarkupControls, SetControlValueRewritesTheTag) {
  QString text = QStringLiteral("x <CONTROL TYPE=\"edit\" ID=\"e1\" HEIGHT=\"30\" WIDTH=\"80\" VALUE=\"a\"> y");
  ASSERT_TRUE(SetControlValue(text, QStringLiteral("e1"), QStringLiteral("x<y")));
  EXPECT_EQ(text, QStringLiteral("x <CONTROL ID=\"e1\" VALUE=\"x&lt;y\" WIDTH=\"80\" TYPE=\"EDIT\"> y"));

  QString form = Form;
  ASSERT_TRUE(SetControlValue(form, QStringLiteral("e2"), QStringLiteral("\u00E9\"")));
  EXPECT_TRUE(form.contains(
      QStringLiteral("<CONTROL ID=\"e2\" VALUE=\"&eacute;&quot;\" WIDTH=\"40\" TYPE=\"EDIT\" PROP=\"99&amp;\">")));
  QString value;
  ASSERT_TRUE(GetControlValue(form, QStringLiteral("e2"), value));
  EXPECT_EQ(value, QStringLiteral("\u00E9\""));

  form = Form;
  ASSERT_TRUE(SetControlValue(form, QStringLiteral("e1"), QStringLiteral("b")));
  EXPECT_TRUE(
      form.contains(QStringLiteral("<CONTROL ID=\"e1\" VALUE=\"b\" WIDTH=\"80\" TYPE=\"EDIT\" MAXLEN=\"12x\">")));

  QString unchanged = Form;
  EXPECT_FALSE(SetControlValue(unchanged, QStringLiteral("missing"), QStringLiteral("v")));
  EXPECT_EQ(unchanged, Form);
}

TEST(MarkupControls, ClearRadioControlsLeavesCheckBoxes) {
  const QString cleared = ClearRadioControls(Form);
  QString value;
  ASSERT_TRUE(GetControlValue(cleared, QStringLiteral("r1"), value));
  EXPECT_EQ(value, QStringLiteral("FALSE"));
  ASSERT_TRUE(GetControlValue(cleared, QStringLiteral("c1"), value));
  EXPECT_EQ(value, QStringLiteral("TRUE"));
  EXPECT_TRUE(cleared.contains(QStringLiteral("<control type=\"CHECK\" id=\"c1\" value=\"TRUE\" width=\"20\">")));
}
}  // namespace
