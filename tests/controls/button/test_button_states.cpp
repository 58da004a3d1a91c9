// Hot and pressed states that must not outlive what made them: hiding, disabling, the mouse leaving, the focus
// going, a modal window opening over the button, and its window shown again with the mouse elsewhere or over it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QTest>

#include "LbButton.h"
#include "USysColors.h"

namespace {

class ButtonStatesTest : public ::testing::Test {
 protected:
  ButtonStatesTest() {
    Window.setGeometry(200, 200, 300, 200);
    B = Add_Button(QPoint(10, 10));
    Other = Add_Button(QPoint(10, 100));
    B->SetHotTrackColor(clYellow);
    B->OnClick = [this] { ++Clicks; };
    Mouse_To(Nowhere);
    Window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window));
    Window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
  }
  ~ButtonStatesTest() override { Mouse_To(Nowhere); }

  TLbButton* Add_Button(QPoint at) {
    auto* b = new TLbButton(&Window);
    b->move(at);
    return b;
  }
  // Moves the real mouse pointer; the platform sends the enter and leave events that go with it.
  static void Mouse_To(QPoint global) {
    QCursor::setPos(global);
    QApplication::processEvents();
  }
  void Mouse_Over(TLbButton* b) { Mouse_To(b->mapToGlobal(QPoint(5, 5))); }
  static bool Hot(const TLbButton* b) { return b->CursorOnButton() || b->HotTrackStep() > 0; }
  // The face colour in the middle of the left edge region, away from the caption and the edges.
  static QColor Face(TLbButton* b) { return b->grab().toImage().pixelColor(3, b->height() / 2); }

  static inline const QPoint Nowhere{5, 5};
  QWidget Window;
  TLbButton* B = nullptr;
  TLbButton* Other = nullptr;
  int Clicks = 0;
};

}  // namespace

TEST_F(ButtonStatesTest, TheRealMouseMakesTheButtonHotAndLeavingEndsIt) {
  Mouse_Over(B);
  EXPECT_TRUE(B->CursorOnButton());
  EXPECT_EQ(B->HotTrackStep(), 8);
  EXPECT_EQ(Face(B), QColor(Qt::yellow));
  Mouse_To(Nowhere);
  EXPECT_FALSE(Hot(B));
  EXPECT_NE(Face(B), QColor(Qt::yellow));
}

TEST_F(ButtonStatesTest, HidingOrDisablingEndsHotAndPressWithoutAClick) {
  struct Case {
    const char* what;
    std::function<void()> act;
    std::function<void()> undo;
  };
  const Case cases[] = {
      {"button hidden", [this] { B->hide(); }, [this] { B->show(); }},
      {"button disabled", [this] { B->SetEnabled(false); }, [this] { B->SetEnabled(true); }},
      {"window disabled", [this] { Window.setEnabled(false); }, [this] { Window.setEnabled(true); }},
      {"window hidden", [this] { Window.hide(); }, [this] { Window.show(); }},
  };
  for (const Case& c : cases) {
    Mouse_Over(B);
    QTest::mousePress(B, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(B->Down()) << c.what;
    ASSERT_TRUE(Hot(B)) << c.what;
    c.act();
    EXPECT_FALSE(B->Down()) << c.what;
    EXPECT_FALSE(Hot(B)) << c.what;
    // The release that ends the gesture clicks nothing.
    QTest::mouseRelease(B, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Clicks, 0) << c.what;
    Mouse_To(Nowhere);
    c.undo();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
    EXPECT_FALSE(Hot(B)) << c.what << ": shown or enabled again away from the mouse";
    EXPECT_FALSE(B->Down()) << c.what;
  }
}

TEST_F(ButtonStatesTest, AWindowShownAgainDrawsHotOnlyWhereTheMouseReallyIs) {
  // Closed while hot, as an OK button clicked with the mouse.
  Mouse_Over(B);
  ASSERT_TRUE(Hot(B));
  Window.hide();
  Mouse_To(Nowhere);
  Window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
  EXPECT_FALSE(Hot(B));
  EXPECT_NE(Face(B), QColor(Qt::yellow));

  // Shown again with the mouse over the button: hot at once, without waiting for a move.
  Window.hide();
  QCursor::setPos(Window.mapToGlobal(B->geometry().center()));
  Window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window));
  EXPECT_TRUE(B->CursorOnButton());
  EXPECT_EQ(B->HotTrackStep(), 8);
  EXPECT_FALSE(Hot(Other));
}

TEST_F(ButtonStatesTest, LosingTheFocusEndsAKeyPress) {
  B->setFocus();
  QTest::keyPress(B, Qt::Key_Space);
  ASSERT_TRUE(B->Down());
  Other->setFocus();
  EXPECT_FALSE(B->Down());
  QTest::keyRelease(B, Qt::Key_Space);
  EXPECT_EQ(Clicks, 0);
  // Losing the focus keeps the hot look only where the mouse really is.
  Mouse_Over(B);
  B->setFocus();
  Other->setFocus();
  EXPECT_TRUE(B->CursorOnButton());
}

TEST_F(ButtonStatesTest, APressWhoseReleaseWentElsewhereEndsWhenTheMouseLeaves) {
  Mouse_Over(B);
  QTest::mousePress(B, Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_TRUE(B->Down());
  // The release reaches another window (one that took the mouse meanwhile), never this button.
  QWidget elsewhere;
  elsewhere.setGeometry(600, 200, 100, 100);
  elsewhere.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&elsewhere));
  QTest::mouseRelease(&elsewhere, Qt::LeftButton, {}, QPoint(5, 5));
  Mouse_To(elsewhere.mapToGlobal(QPoint(50, 50)));
  EXPECT_FALSE(B->Down());
  EXPECT_FALSE(Hot(B));
  EXPECT_EQ(Clicks, 0);
}

TEST_F(ButtonStatesTest, AModalWindowOpeningOverTheButtonEndsItsStatesUntilItCloses) {
  for (const bool mouse_back_over_button : {false, true}) {
    Mouse_Over(B);
    QTest::mousePress(B, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(B->Down());
    QDialog message;
    message.setModal(true);
    message.setGeometry(600, 200, 200, 100);
    message.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&message));
    EXPECT_FALSE(B->Down()) << mouse_back_over_button;
    EXPECT_FALSE(Hot(B)) << mouse_back_over_button;
    // Without a window manager the pointer may stay where it was; the button still may not look hot.
    Mouse_Over(B);
    EXPECT_FALSE(Hot(B));
    QTest::mouseRelease(&message, Qt::LeftButton, {}, QPoint(5, 5));
    if (!mouse_back_over_button) Mouse_To(Nowhere);
    message.close();
    QApplication::processEvents();
    EXPECT_FALSE(B->Down());
    EXPECT_EQ(Hot(B), mouse_back_over_button);
    EXPECT_EQ(Clicks, 0);
  }
}
