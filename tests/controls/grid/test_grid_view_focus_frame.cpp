// The glow around the edited cell as the grid view shows it: its own window over the cell, following the grid's
// window, gone when the edit ends.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "GridMouseFixture.h"
#include "UGridFocusWindow.h"
#include "model/GridTestHost.h"

TEST_F(TGridMouseTest, TheEditedCellGetsAGlowWindowThatFollowsTheGridAndGoesWithTheEdit) {
  View.SetEditors(std::make_unique<TRecordingEditors>());
  View.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&View));
  View.setFocus(Qt::MouseFocusReason);
  Q().SetOptions(Q().Options() | goEditing);
  Q().FocusHelper().SetEnabled(true);
  Q().SetCol(2);
  Q().SetRow(3);
  Q().ShowInplaceEdit();

  TGridFocusWindow* glow = View.FocusFrameWindow();
  ASSERT_NE(glow, nullptr);
  ASSERT_TRUE(glow->isVisible());
  const TRect cell = Q().CellRect(2, 3);
  auto expected_place = [&] { return View.viewport()->mapToGlobal(QPoint(cell.Left - 4, cell.Top - 4)); };
  EXPECT_EQ(glow->pos(), expected_place());
  EXPECT_EQ(glow->size(), QSize(cell.Right - cell.Left + 9, cell.Bottom - cell.Top + 9));
  EXPECT_FALSE(glow->isActiveWindow()) << "the glow never takes the activation from the grid";
  // The window is a ring: the cell under it stays the grid's.
  const QRegion ring = glow->mask();
  EXPECT_TRUE(ring.contains(QPoint(1, 1)));
  EXPECT_FALSE(ring.contains(QPoint(4 + 10, 4 + 10)));

  const QPoint before = glow->pos();
  View.move(View.pos() + QPoint(30, 20));
  QApplication::processEvents();
  ASSERT_NE(expected_place(), before) << "the window moved";
  EXPECT_EQ(glow->pos(), expected_place()) << "the glow follows its window";

  Q().HideInplaceEdit();
  EXPECT_FALSE(glow->isVisible());
}
