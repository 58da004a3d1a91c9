// The spin edit: typing filtered by kind, the value clamped on leaving, the steps of each kind from the keys and
// the caret, and the repeat of a held button driven beat by beat.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "Exception.h"
#include "TDialogRecorder.h"
#include "UDateTime.h"
#include "UEditorBeep.h"
#include "UFormatSettings.h"
#include "UQsgSpinEdit.h"

namespace {

class SpinEditTest : public ::testing::Test {
 protected:
  SpinEditTest() {
    Pin('.', ',', '/', QStringLiteral("dd/MM/yyyy"));
    Set_Editor_Beep_Hook([this] { ++Beeps; });
    Window.resize(300, 120);
    Spin = new TQsgSpinEdit(&Window);
    Spin->setGeometry(10, 10, 120, 24);
    Other = new QLineEdit(&Window);
    Other->setGeometry(10, 60, 120, 24);
    Window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window));
    Window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
  }
  ~SpinEditTest() override {
    Set_Editor_Beep_Hook({});
    Set_Format_Settings_Provider({});
  }

  static void Pin(QChar decimal, QChar thousand, QChar dateSeparator, const QString& shortDate) {
    TFormatSettings fs;
    fs.DecimalSeparator = decimal;
    fs.ThousandSeparator = thousand;
    fs.DateSeparator = dateSeparator;
    fs.ShortDateFormat = shortDate;
    fs.TimeSeparator = u':';
    fs.LongTimeFormat = QStringLiteral("H:mm:ss");
    Set_Format_Settings_Provider([fs] { return fs; });
  }
  void Focus_Spin() {
    Spin->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
  }
  void Leave() {
    Other->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }
  // Puts the text in and the caret at the position, nothing selected.
  void Text_Caret(const QString& text, int caret) {
    Spin->setText(text);
    Spin->setCursorPosition(caret);
  }

  QWidget Window;
  TQsgSpinEdit* Spin = nullptr;
  QLineEdit* Other = nullptr;
  int Beeps = 0;
};

TEST_F(SpinEditTest, StartsAsAnIntegerFromZeroToAHundred) {
  EXPECT_EQ(Spin->Text(), "0");
  EXPECT_EQ(Spin->SpinType(), sptNormal);
  EXPECT_EQ(Spin->MinValue(), 0);
  EXPECT_EQ(Spin->MaxValue(), 100);
  EXPECT_DOUBLE_EQ(Spin->IncrementFloat(), 0.1);
  EXPECT_DOUBLE_EQ(Spin->IncrementFloatPage(), 1.0);
}

TEST_F(SpinEditTest, TypedIntegerIsClampedWhenTheControlIsLeft) {
  Focus_Spin();
  Spin->selectAll();
  QTest::keyClicks(Spin, "150");
  EXPECT_EQ(Spin->Text(), "150");  // typing alone does not clamp
  Leave();
  EXPECT_EQ(Spin->Text(), "100");

  // Equal bounds let any integer through.
  Spin->SetMinValue(0);
  Spin->SetMaxValue(0);
  Focus_Spin();
  Spin->selectAll();
  QTest::keyClicks(Spin, "-777");
  Leave();
  EXPECT_EQ(Spin->Text(), "-777");
}

TEST_F(SpinEditTest, FloatAndDateAreClampedOnLeavingToo) {
  Spin->SetSpinType(sptFloat);
  Spin->SetPrecision(1);
  Spin->SetMaxFloatValue(2.5);
  Spin->SetText("7.25");
  Focus_Spin();
  Leave();
  EXPECT_EQ(Spin->Text(), "2.5");

  Spin->SetSpinType(sptDate);
  Spin->SetMinDateValue(EncodeDate(2024, 1, 1));
  Spin->SetMaxDateValue(EncodeDate(2024, 12, 31));
  Spin->SetText("15/06/2030");
  Focus_Spin();
  Leave();
  EXPECT_EQ(Spin->Text(), "31/12/2024");
}

TEST_F(SpinEditTest, IntegerKindRefusesWhatIsNoDigitWithABeep) {
  Focus_Spin();
  Spin->selectAll();
  QTest::keyClicks(Spin, "1a2.3");
  EXPECT_EQ(Spin->Text(), "123");
  EXPECT_EQ(Beeps, 2);
  // Paste and copy by their control characters are refused too, and the clipboard text never arrives.
  QApplication::clipboard()->setText("99");
  QTest::keyClick(Spin, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(Spin, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Spin->Text(), "123");
  EXPECT_EQ(Beeps, 4);
}

TEST_F(SpinEditTest, MinusOnlyFirstAndOnlyOnce) {
  Focus_Spin();
  Text_Caret("5", 1);
  QTest::keyClick(Spin, Qt::Key_Minus);
  EXPECT_EQ(Spin->Text(), "5");
  Text_Caret("5", 0);
  QTest::keyClick(Spin, Qt::Key_Minus);
  EXPECT_EQ(Spin->Text(), "-5");
  Spin->setCursorPosition(0);
  QTest::keyClick(Spin, Qt::Key_Minus);
  EXPECT_EQ(Spin->Text(), "-5");
  // A selection that holds the minus may replace it.
  Spin->setSelection(0, 2);
  QTest::keyClick(Spin, Qt::Key_Minus);
  EXPECT_EQ(Spin->Text(), "-");
  EXPECT_EQ(Beeps, 2);
}

TEST_F(SpinEditTest, FloatPrecisionLimitsTheDigitsAfterTheSeparator) {
  Spin->SetSpinType(sptFloat);
  Spin->SetPrecision(2);
  Focus_Spin();
  Text_Caret("1.25", 4);
  QTest::keyClick(Spin, Qt::Key_7);
  EXPECT_EQ(Spin->Text(), "1.25");
  QTest::keyClick(Spin, Qt::Key_Period);  // a second separator
  QTest::keyClick(Spin, Qt::Key_Comma);   // the thousand separator
  EXPECT_EQ(Spin->Text(), "1.25");
  EXPECT_EQ(Beeps, 3);
  Spin->setCursorPosition(1);
  QTest::keyClick(Spin, Qt::Key_3);
  EXPECT_EQ(Spin->Text(), "13.25");
}

TEST_F(SpinEditTest, KeypadDecimalKeyTypesTheLocaleSeparator) {
  Pin(',', '.', '/', QStringLiteral("dd/MM/yyyy"));
  Spin->SetSpinType(sptFloat);
  Spin->SetExcelStyleDecimalSeparator(true);
  Focus_Spin();
  Text_Caret("3", 1);
  QTest::keyClick(Spin, Qt::Key_Period, Qt::KeypadModifier);
  QTest::keyClick(Spin, Qt::Key_5);
  EXPECT_EQ(Spin->Text(), "3,5");
  EXPECT_DOUBLE_EQ(Spin->FloatValue(), 3.5);
}

TEST_F(SpinEditTest, EditorDisabledRefusesTypingButStillSteps) {
  Spin->SetEditorEnabled(false);
  Spin->SetValue(5);
  Focus_Spin();
  QTest::keyClick(Spin, Qt::Key_End);
  QTest::keyClick(Spin, Qt::Key_7);
  QTest::keyClick(Spin, Qt::Key_Backspace);
  QTest::keyClick(Spin, Qt::Key_Home);
  QTest::keyClick(Spin, Qt::Key_Delete);
  EXPECT_EQ(Spin->Text(), "5");
  QTest::keyClick(Spin, Qt::Key_Up);
  EXPECT_EQ(Spin->Text(), "6");
}

TEST_F(SpinEditTest, EnterActsAsTabOnlyWhenAsked) {
  Spin->SetValue(7);
  Leave();
  Focus_Spin();
  EXPECT_EQ(Spin->selectedText(), "7");  // entering selects the text
  QTest::keyClick(Spin, Qt::Key_Return);
  EXPECT_TRUE(Spin->hasFocus());
  Spin->SetReturnIsTab(true);
  QTest::keyClick(Spin, Qt::Key_Return);
  EXPECT_TRUE(Other->hasFocus());
  EXPECT_EQ(Beeps, 0);
}

TEST_F(SpinEditTest, KeysStepEveryKind) {
  Focus_Spin();
  Spin->SetValue(10);
  QTest::keyClick(Spin, Qt::Key_Up);
  QTest::keyClick(Spin, Qt::Key_PageUp);
  EXPECT_EQ(Spin->Value(), 12);  // the page flag makes no difference to integers
  QTest::keyClick(Spin, Qt::Key_Down);
  EXPECT_EQ(Spin->Value(), 11);

  Spin->SetSpinType(sptFloat);
  Spin->SetPrecision(1);
  Spin->SetFloatValue(1.0);
  QTest::keyClick(Spin, Qt::Key_Up);
  EXPECT_EQ(Spin->Text(), "1.1");
  QTest::keyClick(Spin, Qt::Key_PageUp);
  EXPECT_EQ(Spin->Text(), "2.1");
  QTest::keyClick(Spin, Qt::Key_PageDown);
  QTest::keyClick(Spin, Qt::Key_PageDown);
  QTest::keyClick(Spin, Qt::Key_PageDown);
  EXPECT_EQ(Spin->Text(), "0.0");  // clamped at the lower bound

  Spin->SetReadOnly(true);
  QTest::keyClick(Spin, Qt::Key_Up);
  EXPECT_EQ(Spin->Text(), "0.0");
  EXPECT_EQ(Beeps, 1);
}

struct TDateStepCase {
  const char* Format;
  QChar Separator;
  const char* Text;
  int Caret;
  bool Up;
  const char* Expected;
};

TEST_F(SpinEditTest, DateStepFollowsThePartUnderTheCaret) {
  const TDateStepCase cases[] = {
      {"dd/MM/yyyy", '/', "10/03/2024", 0, true, "11/03/2024"},   // day first: first part is the day
      {"dd/MM/yyyy", '/', "10/03/2024", 4, true, "10/04/2024"},   // the middle part the month
      {"dd/MM/yyyy", '/', "10/03/2024", 8, true, "10/03/2025"},   // the last part the year
      {"dd/MM/yyyy", '/', "31/03/2024", 4, false, "29/02/2024"},  // a month back clips the day
      {"dd/MM/yyyy", '/', "01/01/2024", 1, false, "31/12/2023"},
      {"MM/dd/yyyy", '/', "03/10/2024", 0, true, "04/10/2024"},  // month first
      {"MM/dd/yyyy", '/', "03/10/2024", 3, true, "03/11/2024"},
      {"dd.MM.yyyy", '.', "31.12.2024", 4, true, "31.01.2025"},
  };
  Spin->SetSpinType(sptDate);
  for (const TDateStepCase& c : cases) {
    Pin('.', ',', c.Separator, QString::fromLatin1(c.Format));
    Text_Caret(QString::fromLatin1(c.Text), c.Caret);
    c.Up ? Spin->IncrementValue(false) : Spin->DecrementValue(false);
    EXPECT_EQ(Spin->Text(), c.Expected) << c.Text << " caret " << c.Caret;
    EXPECT_EQ(Spin->cursorPosition(), c.Caret) << c.Text;
  }
}

TEST_F(SpinEditTest, YearStepFromLeapDayFailsAndKeepsTheDate) {
  Spin->SetSpinType(sptDate);
  Text_Caret("29/02/2024", 9);
  try {
    Spin->IncrementValue(false);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Invalid argument to date encode");
  }
  EXPECT_EQ(Spin->Text(), "29/02/2024");

  // Through the keyboard the guard shows the message and the control carries on.
  TDialogRecorder recorder;
  recorder.Queue_Answer(mrOk);
  Focus_Spin();
  Spin->setCursorPosition(9);
  QTest::keyClick(Spin, Qt::Key_Up);
  ASSERT_EQ(recorder.Texts().size(), 1);
  EXPECT_TRUE(recorder.Texts()[0].startsWith("Invalid argument to date encode"));
  EXPECT_EQ(Spin->Text(), "29/02/2024");
}

TEST_F(SpinEditTest, TimeStepsWrapAroundMidnight) {
  Spin->SetSpinType(sptTime);
  Text_Caret("23:30:00", 1);
  Spin->DecrementValue(false);
  EXPECT_EQ(Spin->Text(), "22:30:00");
  Text_Caret("0:30:00", 0);
  Spin->DecrementValue(false);
  EXPECT_EQ(Spin->Text(), "23:30:00");
  Text_Caret("23:30:00", 0);
  Spin->IncrementValue(false);
  EXPECT_EQ(Spin->Text(), "0:30:00");
  Text_Caret("10:59:59", 7);  // seconds
  Spin->IncrementValue(false);
  EXPECT_EQ(Spin->Text(), "11:00:00");
  Text_Caret("10:15:00", 4);  // minutes
  Spin->SetIncrementMinutes(15);
  Spin->DecrementValue(false);
  EXPECT_EQ(Spin->Text(), "10:00:00");
  Spin->SetShowSeconds(false);
  Spin->SetTimeValue(Spin->TimeValue());
  EXPECT_EQ(Spin->Text(), "10:00");
}

TEST_F(SpinEditTest, TooLargeTimeStepFailsAndKeepsTheTime) {
  Spin->SetSpinType(sptTime);
  Spin->SetIncrementHours(24);
  Text_Caret("10:00:00", 0);
  try {
    Spin->IncrementValue(false);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Invalid argument to time encode");
  }
  EXPECT_EQ(Spin->Text(), "10:00:00");
}

TEST_F(SpinEditTest, UnreadableTextsFallBackWithoutRaising) {
  Spin->SetMinValue(3);
  Spin->SetText("abc");
  EXPECT_EQ(Spin->Value(), 3);
  Spin->SetText("  ");
  EXPECT_EQ(Spin->Value(), 0);
  EXPECT_DOUBLE_EQ(Spin->FloatValue(), 0.0 + 3);  // the integer bound, as the editors expect
  Spin->SetText("noon");
  EXPECT_DOUBLE_EQ(Spin->TimeValue(), 0.0);
  Spin->SetMinDateValue(EncodeDate(2000, 1, 1));
  EXPECT_DOUBLE_EQ(Spin->DateValue(), EncodeDate(2000, 1, 1));
}

TEST_F(SpinEditTest, HeldUpButtonRepeatsAfter400MsThenEvery100) {
  TQrvTimerSpeedButton* up = Spin->Button()->UpButton();
  Spin->SetMaxValue(1000);
  Spin->SetValue(0);
  const QPoint middle = up->rect().center();
  QTest::mousePress(up, Qt::LeftButton, {}, middle);
  EXPECT_TRUE(Spin->hasFocus());  // the button hands the focus to the edit
  EXPECT_TRUE(up->RepeatActive());
  EXPECT_EQ(up->RepeatInterval(), 400);
  EXPECT_EQ(Spin->Value(), 0);
  // Held one second: beats at 400, 500, ..., 1000 ms.
  for (int beat = 0; beat < 7; ++beat) up->Timer_Tick();
  EXPECT_EQ(up->RepeatInterval(), 100);
  EXPECT_EQ(Spin->Value(), 7);
  QTest::mouseRelease(up, Qt::LeftButton, {}, middle);
  EXPECT_EQ(Spin->Value(), 8);  // and the click of the release
  EXPECT_FALSE(up->RepeatActive());

  // Released away from the button: no click at release, and beats while outside do nothing.
  TQrvTimerSpeedButton* down = Spin->Button()->DownButton();
  QTest::mousePress(down, Qt::LeftButton, {}, down->rect().center());
  QTest::mouseMove(down, QPoint(-30, -30));
  down->Timer_Tick();
  QTest::mouseRelease(down, Qt::LeftButton, {}, QPoint(-30, -30));
  EXPECT_EQ(Spin->Value(), 8);
}

TEST_F(SpinEditTest, AFailingRepeatedClickStopsTheRepeat) {
  TQrvTimerSpeedButton* up = Spin->Button()->UpButton();
  Spin->SetSpinType(sptDate);
  Spin->SetText("29/02/2024");
  Spin->setCursorPosition(9);
  QTest::mousePress(up, Qt::LeftButton, {}, up->rect().center());
  Spin->setCursorPosition(9);
  EXPECT_THROW(up->Timer_Tick(), Exception);
  EXPECT_FALSE(up->RepeatActive());
  Spin->SetText("01/03/2024");  // the release's click then succeeds
  Spin->setCursorPosition(0);
  QTest::mouseRelease(up, Qt::LeftButton, {}, up->rect().center());
  EXPECT_EQ(Spin->Text(), "02/03/2024");
}

TEST_F(SpinEditTest, ButtonPairLayoutAndKeys) {
  TQsgSpinButton pair;
  int ups = 0, downs = 0;
  pair.OnUpClick = [&](TQsgSpinButton*) { ++ups; };
  pair.OnDownClick = [&](TQsgSpinButton*) { ++downs; };
  pair.SetBounds(0, 0, 10, 21);
  EXPECT_EQ(pair.width(), 15);  // at least 15 wide
  EXPECT_EQ(pair.UpButton()->geometry(), QRect(0, 0, 15, 10));
  EXPECT_EQ(pair.DownButton()->geometry(), QRect(0, 9, 15, 12));  // one shared row
  pair.SetDirection(spHorizontal);
  EXPECT_EQ(pair.width(), 20);
  EXPECT_EQ(pair.DownButton()->geometry(), QRect(0, 0, 10, 21));
  EXPECT_EQ(pair.UpButton()->geometry(), QRect(11, 0, 10, 21));
  EXPECT_EQ(pair.UpButton()->ButtonDirection(), bdRight);

  pair.SetTabStop(true);
  pair.show();
  pair.activateWindow();
  pair.setFocus();
  QApplication::processEvents();
  QTest::keyClick(&pair, Qt::Key_Down);
  QTest::keyClick(&pair, Qt::Key_Space);
  QTest::keyClick(&pair, Qt::Key_Up);
  EXPECT_EQ(downs, 2);
  EXPECT_EQ(ups, 1);
}

}  // namespace
