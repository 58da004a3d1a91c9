// The shared dialog frame: its parts, its modal result and the routing of Enter and Esc.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QTest>

#include "TModalDriver.h"
#include "UDialogFrame.h"
#include "UGlobals.h"

namespace {

class FrameTest : public ::testing::Test {
 protected:
  FrameTest() : Frame(331, 162) {
    Edit = new QLineEdit(&Frame);
    Edit->setGeometry(16, 94, 297, 21);
    Other = new TLbButton(&Frame);
    Other->move(16, 120);
    Other->OnClick = [this] { ++Other_Clicks; };
    Frame.Btn_OK->OnClick = [this] { ++OK_Clicks; };
    Frame.Btn_Cancel->OnClick = [this] { ++Cancel_Clicks; };
    Frame.Btn_OK->SetDefault(true);
    Frame.Btn_Cancel->SetCancel(true);
    Frame.show();
    Frame.activateWindow();
    (void)QTest::qWaitForWindowActive(&Frame);
  }
  void Focus(QWidget* w) {
    w->setFocus();
    EXPECT_TRUE(QTest::qWaitFor([w] { return w->hasFocus(); }, 2000));
  }
  TFDialogFrame Frame;
  QLineEdit* Edit = nullptr;
  TLbButton* Other = nullptr;
  int OK_Clicks = 0, Cancel_Clicks = 0, Other_Clicks = 0;
};

}  // namespace

TEST(DialogFrame, PartsAndLook) {
  SW_Code = QStringLiteral("SWTarn10");
  TFDialogFrame frame(463, 700);
  EXPECT_EQ(frame.size(), QSize(463, 700));
  EXPECT_EQ(frame.minimumSize(), frame.maximumSize());
  EXPECT_EQ(frame.P_Title->geometry(), QRect(0, 0, 463, 69));
  EXPECT_EQ(frame.P_Button->geometry(), QRect(0, 660, 463, 40));
  EXPECT_EQ(frame.L_SW_Code->text(), QStringLiteral("SWTarn10"));
  EXPECT_EQ(frame.L_SW_Code->pos(), QPoint(16, 8));
  EXPECT_EQ(frame.L_SW_Desc->pos(), QPoint(16, 42));
  EXPECT_TRUE(frame.L_SW_Desc->font().bold());
  EXPECT_EQ(frame.L_SW_Code->font().pixelSize(), 32);
  EXPECT_EQ(frame.Btn_OK->geometry(), QRect(217, 6, 110, 28));
  EXPECT_EQ(frame.Btn_Cancel->geometry(), QRect(335, 6, 110, 28));
  for (TLbButton* b : {frame.Btn_OK, frame.Btn_Cancel}) {
    EXPECT_EQ(b->Style(), bsEncarta);
    EXPECT_EQ(b->Color(), TColor(0xEDF7F8));
    EXPECT_EQ(b->ColorWhenDown(), TColor(0x0080FF));
    EXPECT_EQ(b->HotTrackColor(), clYellow);
    EXPECT_EQ(b->ModalResult(), mrNone);
  }
  EXPECT_EQ(frame.Btn_OK->Caption(), QStringLiteral("OK"));
  EXPECT_EQ(frame.Btn_Cancel->Caption(), QStringLiteral("Cancel"));
}

TEST_F(FrameTest, EnterAndEscFromAnEditReachDefaultAndCancel) {
  Focus(Edit);
  QTest::keyClick(Edit, Qt::Key_Return);
  EXPECT_EQ(OK_Clicks, 1);
  EXPECT_EQ(Frame.ModalResult(), mrNone);  // the frame's own OK handler is replaced by the counter
  QTest::keyClick(Edit, Qt::Key_Escape);
  EXPECT_EQ(Cancel_Clicks, 1);
  QTest::keyClick(Edit, Qt::Key_Escape, Qt::ShiftModifier);
  EXPECT_EQ(Cancel_Clicks, 1);
  QTest::keyClick(Edit, Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(OK_Clicks, 2);
  EXPECT_TRUE(Frame.isVisible());
}

TEST_F(FrameTest, AFocusedButtonAnswersTheKeysItself) {
  Focus(Other);
  QTest::keyClick(Other, Qt::Key_Return);
  EXPECT_EQ(Other_Clicks, 1);
  EXPECT_EQ(OK_Clicks, 0);
  QTest::keyClick(Other, Qt::Key_Escape);
  EXPECT_EQ(Cancel_Clicks, 0);
  EXPECT_TRUE(Frame.isVisible());
}

TEST_F(FrameTest, HiddenOrDisabledDefaultSwallowsEnterWithoutClicking) {
  Focus(Edit);
  for (bool hide : {true, false}) {
    Frame.Btn_OK->setVisible(!hide);
    Frame.Btn_OK->SetEnabled(hide);
    Other->SetDefault(true);  // later in the window: never reached while the OK button takes the key
    QTest::keyClick(Edit, Qt::Key_Return);
    EXPECT_EQ(OK_Clicks, 0);
    EXPECT_EQ(Other_Clicks, 0);
    EXPECT_FALSE(Frame.Btn_OK->Down());
    EXPECT_TRUE(Frame.isVisible());
  }
}

TEST_F(FrameTest, DisabledCancelLeavesEscToTheNextCancelButton) {
  Focus(Edit);
  Frame.Btn_Cancel->SetEnabled(false);
  Other->SetCancel(true);
  QTest::keyClick(Edit, Qt::Key_Escape);
  EXPECT_EQ(Cancel_Clicks, 0);
  EXPECT_EQ(Other_Clicks, 1);
}

TEST_F(FrameTest, WithoutDefaultOrCancelTheKeysDoNothing) {
  Frame.Btn_OK->SetDefault(false);
  Frame.Btn_Cancel->SetCancel(false);
  Focus(Edit);
  QTest::keyClick(Edit, Qt::Key_Escape);
  QTest::keyClick(Edit, Qt::Key_Return);
  EXPECT_TRUE(Frame.isVisible());
  EXPECT_EQ(Frame.ModalResult(), mrNone);
  EXPECT_EQ(OK_Clicks + Cancel_Clicks, 0);
}

TEST_F(FrameTest, AcceleratorTypedOnAButton) {
  Frame.Btn_Cancel->SetCaption(QStringLiteral("&Abort"));
  Focus(Other);
  QTest::keyClick(Other, Qt::Key_A);
  EXPECT_EQ(Cancel_Clicks, 1);
}

TEST_F(FrameTest, AltWithTheAcceleratorFromAnEdit) {
  Frame.Btn_Cancel->SetCaption(QStringLiteral("&Abort"));
  Focus(Edit);
  QTest::keyClick(Edit, Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(Cancel_Clicks, 1);
  EXPECT_TRUE(Edit->text().isEmpty());

  // A new caption moves the accelerator.
  Frame.Btn_Cancel->SetCaption(QStringLiteral("&Quit"));
  QTest::keyClick(Edit, Qt::Key_A, Qt::AltModifier);
  QTest::keyClick(Edit, Qt::Key_Q, Qt::AltModifier);
  EXPECT_EQ(Cancel_Clicks, 2);

  // Two buttons with one accelerator: the first able to take it clicks.
  Other->SetCaption(QStringLiteral("&Quit too"));
  QTest::keyClick(Edit, Qt::Key_Q, Qt::AltModifier);
  EXPECT_EQ(Cancel_Clicks, 3);
  EXPECT_EQ(Other_Clicks, 0);
  Frame.Btn_Cancel->SetEnabled(false);
  QTest::keyClick(Edit, Qt::Key_Q, Qt::AltModifier);
  EXPECT_EQ(Cancel_Clicks, 3);
  EXPECT_EQ(Other_Clicks, 1);
  Other->SetEnabled(false);
  QTest::keyClick(Edit, Qt::Key_Q, Qt::AltModifier);
  EXPECT_EQ(Other_Clicks, 1);
  EXPECT_TRUE(Frame.isVisible());
}

namespace {

// A window that closes itself while it loads, as a window does when its file cannot be read.
class TSelfClosing : public TFDialogFrame {
 public:
  TSelfClosing() : TFDialogFrame(200, 150) {}
  int Shows = 0;

 protected:
  void FormShow() override {
    ++Shows;
    SetModalResult(mrAbort);
  }
};

}  // namespace

TEST(DialogFrameModal, ResultsOfTheWaysToClose) {
  struct Case {
    const char* Name;
    std::function<void(TFDialogFrame&)> Close;
    TModalResult Expected;
  };
  const Case cases[] = {
      {"OK button", [](TFDialogFrame& f) { QTest::mouseClick(f.Btn_OK, Qt::LeftButton); }, mrOk},
      {"Cancel button", [](TFDialogFrame& f) { QTest::mouseClick(f.Btn_Cancel, Qt::LeftButton); }, mrCancel},
      {"close box", [](TFDialogFrame& f) { f.close(); }, mrCancel},
      {"result set", [](TFDialogFrame& f) { f.SetModalResult(mrRetry); }, mrRetry},
  };
  for (const Case& c : cases) {
    TFDialogFrame frame(200, 150);
    TModalDriver driver([&](QWidget*) { c.Close(frame); });
    EXPECT_EQ(frame.ShowModal(), c.Expected) << c.Name;
    EXPECT_EQ(driver.Shown, &frame) << c.Name;
    EXPECT_EQ(frame.ModalResult(), c.Expected) << c.Name;
    EXPECT_FALSE(frame.isVisible()) << c.Name;
  }
}

TEST(DialogFrameModal, ClosedWhileLoadingReturnsAtOnce) {
  TSelfClosing frame;
  EXPECT_EQ(frame.ShowModal(), mrAbort);
  EXPECT_EQ(frame.Shows, 1);
  EXPECT_FALSE(frame.isVisible());
}

// The OK button clicked with the mouse closes its window while hot; the next showing must not inherit that.
TEST(DialogFrameModal, AButtonHotWhenItsWindowClosedIsHotNextTimeOnlyUnderTheMouse) {
  TFDialogFrame frame(300, 200);
  frame.Btn_OK->SetModalResult(mrOk);
  QPoint ok_centre;
  QTimer::singleShot(0, &frame, [&] {
    if (!QTest::qWaitForWindowExposed(&frame)) {
      ADD_FAILURE() << "the window never showed";
      return frame.SetModalResult(mrCancel);
    }
    ok_centre = frame.Btn_OK->mapToGlobal(frame.Btn_OK->rect().center());
    QCursor::setPos(ok_centre);
    QApplication::processEvents();
    EXPECT_EQ(frame.Btn_OK->HotTrackStep(), 8);
    QTest::mouseClick(frame.Btn_OK, Qt::LeftButton, {}, frame.Btn_OK->rect().center());
  });
  ASSERT_EQ(frame.ShowModal(), mrOk);

  struct Seen {
    bool Cursor_On_Button = true;
    int32_t Step = -1;
  };
  const auto show_and_look = [&frame](QPoint mouse) {
    QCursor::setPos(mouse);
    Seen seen;
    QTimer::singleShot(0, &frame, [&] {
      seen = {frame.Btn_OK->CursorOnButton(), frame.Btn_OK->HotTrackStep()};
      frame.SetModalResult(mrCancel);
    });
    frame.ShowModal();
    return seen;
  };
  const Seen away = show_and_look(QPoint(2, 2));
  EXPECT_FALSE(away.Cursor_On_Button);
  EXPECT_EQ(away.Step, 0);
  const Seen over = show_and_look(ok_centre);
  EXPECT_TRUE(over.Cursor_On_Button);
  EXPECT_EQ(over.Step, 8);
  QCursor::setPos(QPoint(2, 2));
}
