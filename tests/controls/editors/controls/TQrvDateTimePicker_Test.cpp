#include "TQrvDateTimePicker.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCalendarWidget>
#include <QStyle>
#include <QTest>

#include "Exception.h"
#include "TDialogRecorder.h"
#include "TQsgDateTimePicker.h"
#include "UDialogs.h"
#include "UFormatSettings.h"
#include "UGridModule.h"
#include "UQStyleThemeModule.h"

namespace {

class PickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Set_Format_Settings_Provider([] { return TFormatSettings{}; });
    Host.resize(420, 160);
    Host.show();
    Host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Host, 2000));
  }
  void TearDown() override { Set_Format_Settings_Provider({}); }

  TQrvDateTimePicker* Add_Picker() {
    auto* p = new TQrvDateTimePicker(&Host);
    p->setGeometry(120, 20, 240, 24);
    p->show();
    return p;
  }
  static void Type(QWidget* w, const char* keys) {
    QTest::keyClicks(w, keys);
    // The posted field advance, and the key it posts in turn.
    for (int i = 0; i < 3; ++i) QCoreApplication::sendPostedEvents();
  }

  QWidget Host;
};

TEST_F(PickerTest, DateTimeValuesAndTheirErrors) {
  TQrvDateTimePicker* p = Add_Picker();
  ASSERT_NE(p->TimePicker(), nullptr);  // the date-and-time kind from the start
  p->SetDateTime(EncodeDate(2024, 2, 29) + EncodeTime(13, 45, 30, 789));
  EXPECT_DOUBLE_EQ(p->DateTime(), EncodeDate(2024, 2, 29) + EncodeTime(13, 45, 30, 0));
  EXPECT_DOUBLE_EQ(p->Time(), EncodeTime(13, 45, 30, 0));
  EXPECT_DOUBLE_EQ(p->TimePicker()->PickerDateTime(), p->DateTime());

  p->SetDate(EncodeDate(2025, 7, 4));
  EXPECT_DOUBLE_EQ(p->DateTime(), EncodeDate(2025, 7, 4) + EncodeTime(13, 45, 30, 0));
  p->SetTime(EncodeTime(8, 5, 0, 0));
  EXPECT_DOUBLE_EQ(p->DateTime(), EncodeDate(2025, 7, 4) + EncodeTime(8, 5, 0, 0));

  const TDateTime before = p->DateTime();
  for (TDateTime bad : {3e6, -7e5, std::nan("")}) {
    try {
      p->SetDateTime(bad);
      ADD_FAILURE() << bad;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "Invalid argument to date encode");
    }
    EXPECT_DOUBLE_EQ(p->DateTime(), before);
  }
}

TEST_F(PickerTest, SteppingAFieldWrapsWithinIt) {
  TQrvDateTimePicker* p = Add_Picker();
  p->SetKind(dkDate);
  p->SetFormat("dd/MM/yyyy");
  p->SetDateTime(EncodeDate(2023, 1, 31));
  p->setFocus();
  p->setCurrentSectionIndex(0);
  QTest::keyClick(p, Qt::Key_Up);
  EXPECT_DOUBLE_EQ(p->Date(), EncodeDate(2023, 1, 1));
  QTest::keyClick(p, Qt::Key_Down);
  EXPECT_DOUBLE_EQ(p->Date(), EncodeDate(2023, 1, 31));
  QTest::keyClick(p, Qt::Key_Right);  // the month field
  QTest::keyClick(p, Qt::Key_Up);
  EXPECT_DOUBLE_EQ(p->Date(), EncodeDate(2023, 2, 28));
}

TEST_F(PickerTest, AnErrorRaisedByTheChangeEventIsShownNotPassedOn) {
  TDialogRecorder recorder;
  recorder.Queue_Answer(mrOk);
  TQrvDateTimePicker* p = Add_Picker();
  p->SetKind(dkDate);
  p->SetFormat("dd/MM/yyyy");
  p->SetDateTime(EncodeDate(2023, 5, 15));
  p->OnChange = [](TDateTimePicker*) { throw EConvertError("Invalid argument to date encode"); };
  p->setFocus();
  p->setCurrentSectionIndex(0);
  QTest::keyClick(p, Qt::Key_Up);
  EXPECT_DOUBLE_EQ(p->Date(), EncodeDate(2023, 5, 16));
  EXPECT_EQ(recorder.Texts(), QStringList{"Invalid argument to date encode."});
}

TEST_F(PickerTest, TheCalendarDropsDownAndSetsTheDate) {
  TQrvDateTimePicker* p = Add_Picker();
  p->SetDateTime(EncodeDate(2023, 5, 15) + EncodeTime(9, 30, 0, 0));
  std::vector<QString> events;
  p->OnDropDown = [&](TDateTimePicker*) { events.push_back("drop"); };
  p->OnCloseUp = [&](TDateTimePicker*) { events.push_back("close"); };
  p->OnChange = [&](TDateTimePicker*) { events.push_back("change"); };
  p->SetDroppedDown(true);
  ASSERT_TRUE(p->DroppedDown());
  QCalendarWidget* calendar = p->Calendar();
  ASSERT_NE(calendar, nullptr);
  EXPECT_EQ(calendar->selectedDate(), QDate(2023, 5, 15));
  calendar->setSelectedDate(QDate(2023, 5, 20));
  emit calendar->clicked(QDate(2023, 5, 20));  // what a click on a day sends
  EXPECT_FALSE(p->DroppedDown());
  EXPECT_DOUBLE_EQ(p->DateTime(), EncodeDate(2023, 5, 20) + EncodeTime(9, 30, 0, 0));
  EXPECT_EQ(events, (std::vector<QString>{"drop", "change", "close"}));
  p->SetKind(dkTime);
  EXPECT_EQ(p->Calendar(), nullptr);
  p->SetDroppedDown(true);
  EXPECT_FALSE(p->DroppedDown());
}

TEST_F(PickerTest, KindSwitchingDestroysAndRecreatesTheTimePart) {
  TQrvDateTimePicker* p = Add_Picker();
  QPointer<TCustomDateTimePicker> first = p->TimePicker();
  ASSERT_TRUE(first);
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(first->PickerKind(), dtkTime);
  EXPECT_LE(first->geometry().right(), p->width());
  p->SetKind(dkDate);
  EXPECT_EQ(p->TimePicker(), nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(first);
  p->SetKind(dkTime);
  EXPECT_EQ(p->PickerKind(), dtkTime);
  EXPECT_EQ(p->TimePicker(), nullptr);
  p->SetKind(dkDateTime);
  ASSERT_NE(p->TimePicker(), nullptr);
  EXPECT_EQ(p->PickerKind(), dtkDate);
}

TEST_F(PickerTest, TheTimePartStandsWhereTheLookPutsTheButton) {
  TQrvDateTimePicker* p = Add_Picker();
  const auto rightGap = [p] {
    TCustomDateTimePicker* part = p->TimePicker();
    const int a = p->fontMetrics().horizontalAdvance(part->text()) + 31;
    EXPECT_EQ(part->width(), a);
    return p->width() - (part->x() + part->width());
  };
  EXPECT_EQ(rightGap(), 23);  // no visual-style library
  StartThemeSupport();
  p->resize(250, 24);
  EXPECT_EQ(rightGap(), 34);
  EXPECT_EQ(p->TimePicker()->y(), 1);
  EXPECT_EQ(p->TimePicker()->height(), p->height() - 2);
  p->SetMetroStyle(true);
  p->resize(240, 24);
  EXPECT_EQ(rightGap(), 21);
  StopThemeSupport();
}

TEST_F(PickerTest, TheCheckBoxSwitchesTheTimePart) {
  TQrvDateTimePicker* p = Add_Picker();
  p->SetShowCheckbox(true);
  int changes = 0;
  p->OnChange = [&](TDateTimePicker*) { ++changes; };
  TCustomDateTimePicker* part = p->TimePicker();
  ASSERT_NE(part, nullptr);
  EXPECT_TRUE(part->isEnabled());

  QWidget* box = p->childAt(6, p->height() / 2);
  ASSERT_NE(box, nullptr);
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  EXPECT_FALSE(p->Checked());
  EXPECT_FALSE(part->isEnabled());
  EXPECT_EQ(changes, 1);
  p->setFocus();
  QTest::keyClick(p, Qt::Key_Space);
  EXPECT_TRUE(p->Checked());
  EXPECT_TRUE(part->isEnabled());
  EXPECT_EQ(changes, 2);

  p->SetChecked(false);  // from outside
  EXPECT_FALSE(part->isEnabled());
  p->SetChecked(true);
  EXPECT_TRUE(part->isEnabled());
  p->setEnabled(false);
  EXPECT_FALSE(part->isEnabled());
}

TEST_F(PickerTest, UserChangeOfTheDayStartsTheFocusTimer) {
  TQrvDateTimePicker* p = Add_Picker();
  p->SetShowCheckbox(true);
  p->SetFormat("dd/MM/yyyy");
  p->SetDateTime(EncodeDate(2023, 5, 15));
  EXPECT_FALSE(p->FocusTimer().isActive());
  p->setFocus();
  p->setCurrentSectionIndex(0);
  QTest::keyClick(p, Qt::Key_Up);
  EXPECT_TRUE(p->FocusTimer().isActive());
  QTest::qWait(60);
  EXPECT_FALSE(p->FocusTimer().isActive());
}

TEST_F(PickerTest, AutoTabMovesThroughTheDateIntoTheTimePart) {
  TQrvDateTimePicker* p = Add_Picker();
  p->SetFormat("dd/MM/yyyy");
  p->SetAutoTab(true);
  p->SetDateTime(EncodeDate(2023, 5, 15) + EncodeTime(10, 20, 30, 0));
  p->setFocus();
  p->setCurrentSectionIndex(0);
  Type(p, "2");  // day 15 -> 2: the day changed, the caret goes to the month
  EXPECT_EQ(p->currentSectionIndex(), 1);
  Type(p, "5");  // month 5 stays 5: no move
  EXPECT_EQ(p->currentSectionIndex(), 1);
  p->setCurrentSectionIndex(2);
  Type(p, "202");  // an incomplete year changes nothing
  EXPECT_EQ(p->currentSectionIndex(), 2);
  EXPECT_TRUE(p->hasFocus());
  Type(p, "4");
  EXPECT_DOUBLE_EQ(p->Date(), EncodeDate(2024, 5, 2));
  EXPECT_TRUE(p->TimePicker()->hasFocus());

  // In the time part a digit that changed the hour moves on; one that left it as it was does not.
  TCustomDateTimePicker* part = p->TimePicker();
  part->setCurrentSectionIndex(0);
  Type(part, "1");
  EXPECT_EQ(part->currentSectionIndex(), 1);
  EXPECT_DOUBLE_EQ(p->Time(), EncodeTime(1, 20, 30, 0));
  part->setCurrentSectionIndex(0);
  Type(part, "1");
  EXPECT_EQ(part->currentSectionIndex(), 0);

  // A format ending in the day: a changed day is the last field.
  p->SetFormat("yyyy-MM-dd");
  p->setFocus();
  p->setCurrentSectionIndex(2);
  Type(p, "9");
  EXPECT_TRUE(part->hasFocus());
}

TEST_F(PickerTest, WithoutAutoTabDigitsStayInTheirField) {
  TQrvDateTimePicker* p = Add_Picker();
  p->SetKind(dkDate);
  p->SetFormat("dd/MM/yyyy");
  p->SetDateTime(EncodeDate(2023, 5, 15));
  p->setFocus();
  p->setCurrentSectionIndex(0);
  Type(p, "28");
  EXPECT_EQ(p->currentSectionIndex(), 0);
  EXPECT_DOUBLE_EQ(p->Date(), EncodeDate(2023, 5, 28));
}

TEST_F(PickerTest, LabelStandsBesideThePicker) {
  TQrvDateTimePicker* p = Add_Picker();
  EXPECT_EQ(p->PickerLabel(), nullptr);
  int clicks = 0;
  p->OnLabelClick = [&](TQrvDateTimePicker* sender) { clicks += sender == p; };
  p->SetLabelCaption("Start");
  QLabel* label = p->PickerLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->parentWidget(), &Host);
  const int tw = label->fontMetrics().horizontalAdvance("Start");
  EXPECT_EQ(label->pos(), QPoint(120 - tw - 4, 20));
  p->SetLabelPosition(lpTopLeft);
  EXPECT_EQ(label->pos(), QPoint(120, 20 - label->height() - 4));
  p->move(130, 60);
  EXPECT_EQ(label->pos(), QPoint(130, 60 - label->height() - 4));
  QTest::mouseClick(label, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  p->SetFocusLabel(true);
  p->setFocus();
  EXPECT_TRUE(label->font().bold());
  Host.setFocus();
  EXPECT_FALSE(label->font().bold());
  p->setEnabled(false);
  EXPECT_FALSE(label->isEnabled());
  p->SetLabelAlwaysEnabled(true);
  EXPECT_TRUE(label->isEnabled());
  p->hide();
  EXPECT_FALSE(label->isVisible());

  // The label font is taken only from a picker with a font of its own.
  QFont big = label->font();
  big.setPointSize(big.pointSize() + 6);
  p->SetLabelFont(big);
  EXPECT_NE(label->font().pointSize(), big.pointSize());
  p->setFont(QFont(big.family(), 9));
  p->SetLabelFont(big);
  EXPECT_EQ(label->font().pointSize(), big.pointSize());
}

TEST(LabelOrigin, EveryPosition) {
  const TRect c = Rect(100, 50, 180, 70);  // 80 x 20
  const struct {
    TLabelPosition Position;
    TPoint Expected;
  } cases[] = {
      {lpLeftTop, {100 - 30 - 4, 50}}, {lpLeftCenter, {66, 50 + (20 - 30) / 2}},
      {lpLeftBottom, {66, 40}},        {lpTopLeft, {100, 50 - 30 - 4}},
      {lpBottomLeft, {100, 74}},       {lpLeftTopLeft, {96, 50}},
      {lpLeftCenterLeft, {96, 45}},    {lpLeftBottomLeft, {96, 40}},
      {lpTopCenter, {120, 16}},        {lpBottomCenter, {120, 74}},
      {lpRightTop, {184, 50}},         {lpRightCenter, {184, 45}},
      {lpRighBottom, {184, 40}},
  };
  for (const auto& k : cases) EXPECT_EQ(LabelOrigin(k.Position, c, 40, 30, 30, 4), k.Expected) << k.Position;
}

TEST_F(PickerTest, OwnLookAndFrames) {
  auto* custom = new TCustomDateTimePicker(&Host);
  custom->setGeometry(10, 60, 120, 24);
  custom->show();
  // Flat by default; the frame takes the parent's colour for no border style, the themed frame colour otherwise.
  EXPECT_FALSE(custom->Ctl3D());
  EXPECT_EQ(custom->BorderColor(), TColor(0));
  custom->SetBorderStyle(bsSingle);
  QImage shot = custom->grab().toImage();
  EXPECT_EQ(shot.pixelColor(0, 5), QColor(0x7F, 0x9D, 0xB9));
  EXPECT_EQ(shot.pixelColor(60, 0), QColor(0x7F, 0x9D, 0xB9));

  TQrvDateTimePicker* p = Add_Picker();
  p->SetKind(dkDate);
  p->SetMetroStyle(true);
  p->SetButtonColor(0x0000FF);
  p->SetButtonTextColor(0xFFFFFF);
  // Left of the arrow; the band around the arrow is the flat button face, drawn over it without a visual style.
  const QPoint inButton(p->width() - 6, p->height() / 2);
  EXPECT_EQ(p->grab().toImage().pixelColor(inButton), QColor(Qt::red));
  p->SetKind(dkTime);  // the up-down buttons stay the desktop's
  EXPECT_NE(p->grab().toImage().pixelColor(inButton), QColor(Qt::red));
  p->SetKind(dkDate);
  p->SetBorderColor(0x00FF00);
  EXPECT_EQ(p->grab().toImage().pixelColor(0, 10), QColor(Qt::green));
  p->SetMetroStyle(false);  // the own border belongs to the own look
  EXPECT_NE(p->grab().toImage().pixelColor(0, 10), QColor(Qt::green));
}

TEST(DateTimePickers, RegisteredMessageAndVersions) {
  EXPECT_GE(int(DTPShiftFocus), int(QEvent::User));
  // One registration serves the pickers and the grid module, started or not.
  EXPECT_EQ(int(DTPShiftFocus), Grid_DTPShiftFocusMessage());
  Grid_Module_Start();
  EXPECT_EQ(int(DTPShiftFocus), GridModule().DTPShiftFocusMessage);
  Grid_Module_Shutdown();
  EXPECT_EQ(TQsgDateTimePicker().Version(), "1.0.0.0");
  EXPECT_EQ(TQrvDateTimePicker().Version(), "1.2.0.0");
  TQsgDateTimePicker qsg;
  EXPECT_TRUE(qsg.Ctl3D());
  EXPECT_EQ(qsg.BorderColor(), clNone);
  EXPECT_FALSE(qsg.MetroStyle());
  EXPECT_EQ(qsg.ButtonWidth(), DefaultButtonWidth(qsg.style()));
  EXPECT_GE(qsg.ButtonWidth(), qsg.style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2);
}

}  // namespace
