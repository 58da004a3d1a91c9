// Middle-button panning in a grid view: the cursor of each direction, the cursor and cell hints while panning runs,
// and what comes back when it ends.
#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QTest>

#include "GridMouseFixture.h"
#include "UGridPanCursors.h"

namespace {
// Where the cursor's ink lies, on average, from its hot spot.
QPointF Ink_Offset(const QCursor& cursor) {
  const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  double x = 0, y = 0, n = 0;
  for (int j = 0; j < image.height(); ++j)
    for (int i = 0; i < image.width(); ++i)
      if (qAlpha(image.pixel(i, j)) > 0 && qGray(image.pixel(i, j)) < 128) {
        x += i;
        y += j;
        ++n;
      }
  EXPECT_GT(n, 0);
  return n > 0 ? QPointF(x / n, y / n) - QPointF(cursor.hotSpot()) : QPointF();
}

int Sign(double v) {
  return v > 1 ? 1 : v < -1 ? -1 : 0;
}

class TPanningView : public TGridMouseTest {
 protected:
  TPanningView() { Q().SetRowCount(40); }
  ~TPanningView() override { QCursor::setPos(QPoint(0, 0)); }
  QString Ask_Hint(QPoint at) {
    QHelpEvent help(QEvent::ToolTip, at, View.viewport()->mapToGlobal(at));
    QApplication::sendEvent(View.viewport(), &help);
    return View.ShownHint();
  }
  QImage Shown_Cursor() { return View.viewport()->cursor().pixmap().toImage(); }
  // The panning timer runs every 10 ms: the cursor follows within a few ticks.
  bool Wait_For_Cursor(int32_t id) {
    const QImage wanted = Grid_Pan_Cursor(id).pixmap().toImage();
    for (int i = 0; i < 200 && Shown_Cursor() != wanted; ++i) QTest::qWait(10);
    return Shown_Cursor() == wanted;
  }
};
}  // namespace

TEST(GridPanCursors, EachArrowPointsWhereTheViewMovesFromTheMarkInTheMiddle) {
  struct {
    int32_t id;
    int right, down;
  } const cases[] = {{8000, 0, 0},  {8001, 0, 1},   {8002, -1, 0}, {8003, 1, 0}, {8004, 0, -1},
                     {8005, 1, -1}, {8006, -1, -1}, {8007, 1, 1},  {8008, -1, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    const QCursor cursor = Grid_Pan_Cursor(c.id);
    ASSERT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(cursor.pixmap().width() / 2, cursor.pixmap().height() / 2));
    const QPointF ink = Ink_Offset(cursor);
    EXPECT_EQ(Sign(ink.x()), c.right);
    EXPECT_EQ(Sign(ink.y()), c.down);
  }
}

TEST_F(TPanningView, PanningShowsTheDirectionKeepsHintsOffAndGivesBackTheCursorFromBefore) {
  Q().HintShowCells = true;
  for (int32_t r = 1; r < Q().RowCount(); ++r) Q().SetCells(2, r, QStringLiteral("x"));
  const QPoint cellX(100, 50), origin(140, 50);
  View.viewport()->setCursor(Qt::PointingHandCursor);
  ASSERT_EQ(Ask_Hint(cellX), "x");
  QCursor::setPos(View.viewport()->mapToGlobal(origin));
  Send(View, QEvent::MouseButtonPress, origin, Qt::MiddleButton, Qt::MiddleButton);
  ASSERT_TRUE(Q().Panning());
  EXPECT_TRUE(View.ShownHint().isEmpty());
  EXPECT_EQ(Shown_Cursor(), Grid_Pan_Cursor(crPanOrigin).pixmap().toImage());
  EXPECT_TRUE(Ask_Hint(cellX).isEmpty());

  // Below the origin the rows go down and the cursor says so; moving over the cells does not take it away.
  const int32_t row = Q().Row();
  QCursor::setPos(View.viewport()->mapToGlobal(origin + QPoint(0, 30)));
  EXPECT_TRUE(Wait_For_Cursor(8001));
  EXPECT_GT(Q().Row(), row);
  Move_Mouse(origin.x(), origin.y() + 30);
  EXPECT_EQ(Shown_Cursor(), Grid_Pan_Cursor(8001).pixmap().toImage());

  Send(View, QEvent::MouseButtonPress, origin, Qt::LeftButton, Qt::LeftButton);
  ASSERT_FALSE(Q().Panning());
  EXPECT_EQ(View.viewport()->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(Ask_Hint(cellX), "x");
}
