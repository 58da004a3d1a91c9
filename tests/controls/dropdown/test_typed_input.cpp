// What typing lets into the value by edit type, and the caret kept out of the prefix and suffix. The full stop is
// the decimal separator and the comma the thousand separator.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "TPinnedFormat.h"
#include "UQrvCustomDropDown.h"

namespace {

struct TTyping {
  TDropDownEditType type;
  int32_t precision;
  bool isSigned;
  const char* start;
  // Caret in the value (-1: at its end).
  int32_t caret;
  const char* keys;
  const char* value;
};

TEST(TypedInput, AcceptAndRefuse) {
  TPinnedFormat format;
  const TTyping cases[] = {
      {etNumeric, 0, false, "12", -1, "-", "12"},         {etNumeric, 0, true, "12", -1, "-", "-12"},
      {etNumeric, 0, true, "12", -1, "--", "12"},         {etNumeric, 0, false, "", -1, "1a2", "12"},
      {etFloat, 2, false, "1.25", -1, "3", "1.25"},       {etFloat, 2, false, "1.25", 3, "7", "1.27"},
      {etFloat, 0, false, "12", -1, ".", "12"},           {etFloat, 2, false, "", -1, ".", "0."},
      {etFloat, 2, false, "12.5", 1, ".6", "12.65"},      {etRange, 0, false, "1-5", -1, ";", "1-5;"},
      {etRange, 0, false, "1-", -1, "-", "1-"},           {etRange, 0, false, "15", 0, ";", "15"},
      {etHex, 0, false, "A", -1, "Gf1", "Af1"},           {etUppercase, 0, false, "", -1, "abC", "ABC"},
      {etLowerCase, 0, false, "", -1, "AbC", "abc"},      {etMixedCase, 0, false, "", -1, "john smith", "John Smith"},
      {etAlphaNumeric, 0, false, "", -1, "a1-b_", "a1b"}, {etMoney, 2, false, "", -1, "1234", "1,234"},
  };
  for (const TTyping& c : cases) {
    QWidget window;
    TQrvCustomDropDown d(&window);
    d.Signed = c.isSigned;
    d.SetEditType(c.type);
    d.SetPrecision(c.precision);
    d.SetTextDirect(c.start);
    d.setCursorPosition(c.caret < 0 ? int(d.text().size()) : c.caret);
    QTest::keyClicks(&d, c.keys);
    EXPECT_EQ(d.Text(), c.value) << c.start << " + " << c.keys << " type " << c.type;
  }
}

TEST(TypedInput, LengthLimitHoldsTheIntegerPart) {
  TPinnedFormat format;
  QWidget window;
  TQrvCustomDropDown d(&window);
  d.SetEditType(etFloat);
  d.SetPrecision(2);
  d.LengthLimit = 3;
  d.SetTextDirect("");
  QTest::keyClicks(&d, "1234.56");
  EXPECT_EQ(d.Text(), "123.56");
}

TEST(TypedInput, TheCaretStaysBetweenPrefixAndSuffix) {
  QWidget window;
  TQrvCustomDropDown d(&window);
  d.Prefix = "$ ";
  d.Suffix = " kg";
  d.SetEditValue("12");
  d.setCursorPosition(3);
  QTest::keyClick(&d, Qt::Key_End);
  EXPECT_EQ(d.cursorPosition(), 4);
  QTest::keyClick(&d, Qt::Key_Right);
  EXPECT_EQ(d.cursorPosition(), 4);
  QTest::keyClick(&d, Qt::Key_Home);
  EXPECT_EQ(d.cursorPosition(), 2);
  QTest::keyClick(&d, Qt::Key_Left);
  QTest::keyClick(&d, Qt::Key_Backspace);
  EXPECT_EQ(d.text(), "$ 12 kg");
  QTest::keyClick(&d, Qt::Key_End);
  QTest::keyClick(&d, Qt::Key_Delete);
  EXPECT_EQ(d.text(), "$ 12 kg");
}

TEST(TypedInput, BackspaceOverAFullSelectionChangesOnceAndTypingOverItNever) {
  QWidget window;
  TQrvCustomDropDown d(&window);
  d.SetEditValue("123");
  int changes = 0;
  d.OnChange = [&](TQrvCustomDropDown*) { ++changes; };
  d.selectAll();
  QTest::keyClick(&d, Qt::Key_Backspace);
  EXPECT_EQ(d.Text(), "");
  EXPECT_EQ(changes, 1);
  // Typing a digit over the whole value swallows the edit's own change notice.
  d.SetEditType(etMoney);
  d.SetEditValue("1234");
  changes = 0;
  d.selectAll();
  QTest::keyClicks(&d, "5");
  EXPECT_EQ(d.Text(), "5");
  EXPECT_EQ(changes, 0);
}

TEST(TypedInput, PasteByEditType) {
  TPinnedFormat format;
  const struct {
    TDropDownEditType type;
    const char *start, *clip, *value;
  } cases[] = {
      {etString, "ab", "cd", "abcd"}, {etNumeric, "1", "2x", "1"},     {etNumeric, "1", "23", "123"},
      {etHex, "A", "B", "A"},         {etUppercase, "a", "bc", "ABC"}, {etAlphaNumeric, "a", "b-c", "a"},
  };
  for (const auto& c : cases) {
    QWidget window;
    TQrvCustomDropDown d(&window);
    d.SetEditType(c.type);
    d.SetTextDirect(c.start);
    d.setCursorPosition(int(d.text().size()));
    QApplication::clipboard()->setText(c.clip);
    QTest::keyClick(&d, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(d.Text(), c.value) << c.start << " + " << c.clip;
  }
}

}  // namespace
