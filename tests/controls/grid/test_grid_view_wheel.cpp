// The wheel of an advanced grid's view, and the hint beside a dragged scroll thumb.
#include <gtest/gtest.h>

#include <QScrollBar>

#include "GridMouseFixture.h"
#include "UHTMLHintWindow.h"

TEST_F(TGridMouseTest, AWheelNotchMovesTheRowByTheLinesPerNotchAndCtrlZooms) {
  Q().WheelScrollLines = 3;
  Wheel(-120);
  EXPECT_EQ(Q().Row(), 4);
  Wheel(-60);  // half a notch waits for the other half
  EXPECT_EQ(Q().Row(), 4);
  Wheel(-60);
  EXPECT_EQ(Q().Row(), 7);  // the last row, not past it
  Wheel(120);
  EXPECT_EQ(Q().Row(), 4);
  QWheelEvent zoom(QPointF(50, 50), View.viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                   Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(View.viewport(), &zoom);
  EXPECT_EQ(Q().ZoomFactor, 3);
  EXPECT_EQ(Q().Row(), 4);
}

TEST_F(TGridMouseTest, DraggingTheThumbShowsTheRowThatWouldComeToTheTop) {
  Q().SetRowCount(40);
  View.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QScrollBar* bar = View.verticalScrollBar();
  auto* hint = View.findChild<THTMLHintWindow*>(QStringLiteral("ScrollHint"));
  ASSERT_NE(hint, nullptr);
  bar->setSliderDown(true);
  bar->setSliderPosition(5);
  EXPECT_FALSE(hint->isVisible());  // hints are off by default
  Q().ScrollHints = shVertical;
  bar->setSliderPosition(12);
  ASSERT_TRUE(hint->isVisible());
  EXPECT_EQ(hint->Caption(), QStringLiteral("Row : 12"));
  bar->setSliderDown(false);
  EXPECT_FALSE(hint->isVisible());
  // The horizontal bar has hints of its own.
  View.horizontalScrollBar()->setSliderDown(true);
  View.horizontalScrollBar()->setSliderPosition(2);
  EXPECT_FALSE(hint->isVisible());
  View.horizontalScrollBar()->setSliderDown(false);
}

TEST_F(TGridMouseTest, AMiddlePressPansUntilTheNextPress) {
  Send(View, QEvent::MouseButtonPress, QPoint(100, 50), Qt::MiddleButton, Qt::MiddleButton);
  ASSERT_TRUE(Q().Panning());
  EXPECT_EQ(Q().PanOrigin(), (TPoint{100, 50}));
  const int32_t row = Q().Row();
  // The press that ends panning does nothing else.
  Click(Middle_Of(3, 5));
  EXPECT_FALSE(Q().Panning());
  EXPECT_EQ(Q().Row(), row);
  Q().IntelliPan = ipNone;
  Send(View, QEvent::MouseButtonPress, QPoint(100, 50), Qt::MiddleButton, Qt::MiddleButton);
  EXPECT_FALSE(Q().Panning());
}
