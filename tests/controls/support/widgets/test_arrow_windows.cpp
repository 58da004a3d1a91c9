#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <set>

#include "UArrowWindow.h"
#include "UGridFocusWindow.h"

namespace {

std::set<std::pair<int, int>> Points(const std::array<TPoint, 7>& outline, bool mirrorX) {
  std::set<std::pair<int, int>> points;
  int right = 0;
  for (const TPoint& p : outline) right = std::max(right, p.X);
  for (const TPoint& p : outline) points.insert({mirrorX ? right - p.X : p.X, p.Y});
  return points;
}

TEST(ArrowWindow, OutlinesFromTheTableAndLeftRightMirrored) {
  const auto up = TArrowWindow::Outline(arrUp);
  EXPECT_EQ(up[0], Point(5, 0));
  EXPECT_EQ(up[6], Point(0, 5));
  EXPECT_EQ(TArrowWindow::Outline(arrDown)[4], Point(5, 8));
  EXPECT_EQ(TArrowWindow::Outline(arrLeft)[4], Point(8, 5));
  EXPECT_EQ(TArrowWindow::Outline(arrRight)[0], Point(0, 5));
  EXPECT_EQ(Points(TArrowWindow::Outline(arrLeft), true), Points(TArrowWindow::Outline(arrRight), false));
}

TEST(ArrowWindow, HiddenLimeWindowShapedByItsOutline) {
  QWidget grid;
  TArrowWindow arrow(&grid, arrLeft);
  EXPECT_FALSE(arrow.isVisible());
  EXPECT_EQ(arrow.Dir(), arrLeft);
  EXPECT_EQ(arrow.Color(), clLime);
  EXPECT_TRUE(arrow.isWindow());
  EXPECT_EQ(arrow.parentWidget(), &grid);
  EXPECT_TRUE(arrow.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(arrow.size(), QSize(9, 11));
  const QRegion mask = arrow.mask();
  EXPECT_TRUE(mask.contains(QPoint(2, 5)));  // the shaft
  EXPECT_TRUE(mask.contains(QPoint(6, 5)));  // the head
  EXPECT_FALSE(mask.contains(QPoint(1, 1)));
  EXPECT_FALSE(mask.contains(QPoint(7, 9)));
  QImage image(arrow.size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  arrow.render(&image);
  EXPECT_EQ(image.pixel(2, 5), qRgb(0, 255, 0));
}

TEST(GridFocusWindow, DisabledTopmostToolWindowOfNoSize) {
  QWidget grid;
  TGridFocusWindow focus(&grid);
  EXPECT_EQ(focus.size(), QSize(0, 0));
  EXPECT_FALSE(focus.isEnabled());
  EXPECT_EQ(focus.Color(), clRed);
  EXPECT_TRUE(focus.isWindow());
  EXPECT_TRUE(focus.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(focus.windowFlags() & Qt::WindowDoesNotAcceptFocus);
  EXPECT_EQ(focus.focusPolicy(), Qt::NoFocus);
  focus.resize(6, 4);
  QImage image(6, 4, QImage::Format_RGB32);
  image.fill(Qt::black);
  focus.render(&image);
  EXPECT_EQ(image.pixel(3, 2), qRgb(255, 0, 0));
}

}  // namespace
