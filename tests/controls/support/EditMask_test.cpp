// Edit masks: a value laid into the mask's places and read back, the locale's separators, case and escapes, and
// the masks that are refused with the fault named.
#include <gtest/gtest.h>

#include "TPinnedFormat.h"
#include "UEditMask.h"

namespace {

struct TMaskCase {
  QString Mask;
  QString Value;
  QString Display;
  QString ReadBack;
};

TEST(EditMask, ValuesGoIntoThePlacesAndComeBackThroughTheMask) {
  TPinnedFormat format(u'.', u',', u'-', QStringLiteral("d-M-yyyy"), u'.');
  const std::vector<TMaskCase> cases = {
      // Literals kept (the default) and left out; the locale's separators stand for ":" and "/".
      {"00:00", "12.30", "12.30", "12.30"},
      {"00:00;0", "1230", "12.30", "1230"},
      {"99/99/0000;1;*", "1-2-2026", "1*-2*-2026", "1 -2 -2026"},
      // "!" keeps the empty optional start: the value is laid in from the end and its leading blanks trimmed.
      {"!90:00:00;1; ", "9.05.00", " 9.05.00", "9.05.00"},
      {"!90:00:00;1; ", "", "  .  .  ", ""},
      // Case conversion and its end, escaped literals, the blank literal, letters and signs.
      {">LL<ll<>cc", "abCDeF", "ABcdeF", "ABcdeF"},
      {"\\A\\9-00", "A9-42", "A9-42", "A9-42"},
      {"LL_000", "AB 123", "AB 123", "AB 123"},
      {"#000", "-123", "-123", "-123"},
      // What a place refuses stays blank; trailing blanks are not part of the value.
      {"000", "1a3", "1_3", "1 3"},
      {"0000", "12", "12__", "12"},
      {"00:00", "1", "1_.__", "1"},
      {"00 kg", "12 kg", "12 kg", "12 kg"},
      {"!00:00", "1", "__._1", "1"},
      {"aaa", "", "___", ""},
  };
  for (const TMaskCase& c : cases) {
    const TEditMask mask(c.Mask);
    EXPECT_EQ(mask.ToDisplay(c.Value), c.Display) << c.Mask.toStdString() << " <- " << c.Value.toStdString();
    EXPECT_EQ(mask.ToValue(c.Display), c.ReadBack) << c.Mask.toStdString() << " -> " << c.Display.toStdString();
  }
}

TEST(EditMask, PlacesTakeTheirKindOfCharacter) {
  const TEditMask mask(QStringLiteral(">L0a#c"));
  EXPECT_EQ(mask.Accept(0, u'q'), QChar(u'Q'));
  EXPECT_TRUE(mask.Accept(0, u'1').isNull());
  EXPECT_EQ(mask.Accept(1, u'7'), QChar(u'7'));
  EXPECT_TRUE(mask.Accept(1, u'x').isNull());
  EXPECT_TRUE(mask.Accept(2, u'-').isNull());
  EXPECT_EQ(mask.Accept(3, u'+'), QChar(u'+'));
  EXPECT_EQ(mask.Accept(4, u'%'), QChar(u'%'));
  EXPECT_TRUE(mask.Accept(5, u'1').isNull()) << "past the last place";
  EXPECT_TRUE(mask.Full(QStringLiteral("A1B+%")));
  EXPECT_FALSE(mask.Full(QStringLiteral("A1B+_")));
}

TEST(EditMask, MasksThatCannotBeUsedAreRefusedWithTheirFault) {
  const std::vector<std::pair<QString, QString>> refused = {
      {"00\\", "ends the mask"},
      {"00;2", "must be 0 or 1"},
      {"00;1;ab", "one character"},
      {"00;1;", "one character"},
      {"00;1;_;x", "more than three fields"},
      {"--", "no place to type into"},
      {"!<>", "no place to type into"},
  };
  for (const auto& [mask, fault] : refused) {
    try {
      TEditMask parsed(mask);
      ADD_FAILURE() << "taken: " << mask.toStdString();
    } catch (const EEditMaskError& error) {
      EXPECT_TRUE(error.Message().contains(mask)) << error.Message().toStdString();
      EXPECT_TRUE(error.Message().contains(fault)) << error.Message().toStdString();
    }
  }
  EXPECT_TRUE(TEditMask(QString()).IsEmpty());
  EXPECT_NO_THROW(TEditMask(QStringLiteral("0\\;0")));
}

}  // namespace
