// The caption label a control carries beside itself: where it stands, and how it follows the control.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <memory>

#include "UAttachedLabel.h"

namespace {

TEST(AttachedLabel, TheRightAlignedPositionsEndWithTheControl) {
  // Control at (100, 50), 80 x 20; label 40 x 30; margin 4.
  const TRect c = Rect(100, 50, 180, 70);
  EXPECT_EQ(LabelOrigin(lpTopRight, c, 40, 30, 30, 4), Point(140, 16));
  EXPECT_EQ(LabelOrigin(lpBottomRight, c, 40, 30, 30, 4), Point(140, 74));
}

TEST(AttachedLabel, StandsOnTheParentAndFollowsTheControl) {
  QWidget parent;
  auto* edit = new QLineEdit(&parent);
  edit->setGeometry(100, 50, 80, 20);
  TAttachedLabel label(*edit);
  EXPECT_EQ(label.Label(), nullptr);
  label.SetPosition(lpBottomLeft);
  label.SetMargin(3);
  label.SetCaption("Name");
  ASSERT_NE(label.Label(), nullptr);
  EXPECT_EQ(label.Label()->parentWidget(), &parent);
  EXPECT_EQ(label.Label()->buddy(), edit);
  EXPECT_EQ(label.Label()->pos(), QPoint(100, 73));

  edit->move(10, 20);
  label.Follow(QEvent(QEvent::Move));
  EXPECT_EQ(label.Label()->pos(), QPoint(10, 43));

  edit->setEnabled(false);
  label.Follow(QEvent(QEvent::EnabledChange));
  EXPECT_FALSE(label.Label()->isEnabled());
  label.SetAlwaysEnabled(true);
  EXPECT_TRUE(label.Label()->isEnabled());
  label.Follow(QEvent(QEvent::EnabledChange));
  EXPECT_TRUE(label.Label()->isEnabled());

  edit->hide();
  label.Follow(QEvent(QEvent::HideToParent));
  EXPECT_TRUE(label.Label()->isHidden());

  QWidget other;
  edit->setParent(&other);
  label.Follow(QEvent(QEvent::ParentChange));
  EXPECT_EQ(label.Label()->parentWidget(), &other);
}

TEST(AttachedLabel, TheControlFontOrItsOwnAndBoldWhileFocused) {
  QWidget parent;
  auto* edit = new QLineEdit(&parent);
  QFont controlFont("DejaVu Sans", 13);
  edit->setFont(controlFont);
  TAttachedLabel label(*edit);
  QFont own("DejaVu Serif", 7);
  label.SetFont(own);
  label.SetCaption("x");
  EXPECT_EQ(label.Label()->font().pointSize(), 7);
  label.SetUseControlFont(true);
  EXPECT_EQ(label.Label()->font().pointSize(), 13);
  label.SetBold(true);
  EXPECT_TRUE(label.Label()->font().bold());
  // Bold survives a later placing (a move or a new caption).
  label.SetCaption("y");
  EXPECT_TRUE(label.Label()->font().bold());
}

TEST(AttachedLabel, GoesWithTheControlOrBeforeItWithTheParent) {
  // The parent deletes the label first: the control must not free it again (the sanitizer build checks).
  auto parent = std::make_unique<QWidget>();
  TAttachedLabel label(*new QLineEdit(parent.get()));
  label.SetCaption("a");
  parent.reset();
  EXPECT_EQ(label.Label(), nullptr);

  QWidget keeper;
  {
    auto* control = new QLineEdit(&keeper);
    TAttachedLabel own(*control);
    own.SetCaption("b");
  }
  EXPECT_TRUE(keeper.findChildren<QLabel*>().isEmpty());
}

}  // namespace
