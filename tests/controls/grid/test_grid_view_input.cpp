// The grid view's input: keys move the current cell, the wheel steps rows, a click selects a cell.
#include <QTest>
#include <algorithm>

#include "GridViewFixture.h"

namespace {
struct TKeyCase {
  const char* Name;
  Qt::Key Key;
  Qt::KeyboardModifiers Modifiers;
  int32_t StartCol, StartRow, Col, Row;
};
}  // namespace

TEST_F(TGridViewTest, KeysMoveTheCurrentCell) {
  const TKeyCase cases[] = {
      {"down", Qt::Key_Down, Qt::NoModifier, 1, 1, 1, 2},
      {"up at the first data row stays", Qt::Key_Up, Qt::NoModifier, 1, 1, 1, 1},
      {"right", Qt::Key_Right, Qt::NoModifier, 2, 3, 3, 3},
      {"left at the first data column stays", Qt::Key_Left, Qt::NoModifier, 1, 3, 1, 3},
      {"right at the last column stays", Qt::Key_Right, Qt::NoModifier, 5, 3, 5, 3},
      {"down at the last row stays", Qt::Key_Down, Qt::NoModifier, 2, 7, 2, 7},
      {"home", Qt::Key_Home, Qt::NoModifier, 4, 3, 1, 3},
      {"end", Qt::Key_End, Qt::NoModifier, 2, 3, 5, 3},
      {"ctrl home", Qt::Key_Home, Qt::ControlModifier, 4, 6, 1, 1},
      {"ctrl end", Qt::Key_End, Qt::ControlModifier, 2, 2, 5, 7},
      {"page down", Qt::Key_PageDown, Qt::NoModifier, 2, 1, 2, 6},
      {"page down near the end", Qt::Key_PageDown, Qt::NoModifier, 2, 6, 2, 7},
      {"page up", Qt::Key_PageUp, Qt::NoModifier, 2, 6, 2, 1},
      {"page up near the top", Qt::Key_PageUp, Qt::NoModifier, 2, 3, 2, 1},
  };
  TBaseGrid& g = View.Grid();
  ASSERT_EQ(g.VisibleRowCount(), 5);
  for (const TKeyCase& k : cases) {
    g.SetTopRow(1);
    g.FocusCell(k.StartCol, k.StartRow, false);
    QTest::keyClick(&View, k.Key, k.Modifiers);
    EXPECT_EQ(g.Col(), k.Col) << k.Name;
    EXPECT_EQ(g.Row(), k.Row) << k.Name;
    // The current cell is scrolled into view.
    EXPECT_GE(g.Row(), g.TopRow()) << k.Name;
    EXPECT_LT(g.Row(), g.TopRow() + g.VisibleRowCount()) << k.Name;
  }
}

TEST_F(TGridViewTest, ShiftArrowsGrowTheSelection) {
  TBaseGrid& g = View.Grid();
  QTest::keyClick(&View, Qt::Key_Down, Qt::ShiftModifier);
  QTest::keyClick(&View, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(g.Selection(), (TGridRect{1, 1, 2, 2}));
  QTest::keyClick(&View, Qt::Key_Down);
  EXPECT_EQ(g.Selection(), (TGridRect{2, 3, 2, 3}));
}

TEST_F(TGridViewTest, KeysStepOverMergedBlocks) {
  TBaseGrid& g = View.Grid();
  g.SetColCount(8);
  g.MergeCells(2, 2, 3, 2);  // columns 2..4, rows 2..3
  g.FocusCell(2, 2, false);
  QTest::keyClick(&View, Qt::Key_Right);
  EXPECT_EQ(g.Col(), 5);
  g.FocusCell(2, 2, false);
  QTest::keyClick(&View, Qt::Key_Down);
  EXPECT_EQ(g.Row(), 4);
  // Stepping into a block lands on its base cell; stepping back out leaves it.
  g.FocusCell(5, 3, false);
  QTest::keyClick(&View, Qt::Key_Left);
  EXPECT_EQ(g.Col(), 2);
  EXPECT_EQ(g.Row(), 2);
  QTest::keyClick(&View, Qt::Key_Left);
  EXPECT_EQ(g.Col(), 1);
  EXPECT_EQ(g.Row(), 2);
}

TEST_F(TGridViewTest, PageDownStopsBeforeAHiddenLastRow) {
  TBaseGrid& g = View.Grid();
  g.SetHideLastRow(true);
  g.FocusCell(1, 3, false);
  g.SetTopRow(4);  // rows 4..7 shown: the last page
  QTest::keyClick(&View, Qt::Key_PageDown);
  EXPECT_EQ(g.Row(), 6);
  // Without the hidden row the same step goes to the last row.
  g.SetHideLastRow(false);
  g.FocusCell(1, 3, false);
  g.SetTopRow(4);
  QTest::keyClick(&View, Qt::Key_PageDown);
  EXPECT_EQ(g.Row(), 7);
}

TEST_F(TGridViewTest, WheelStepsOneRowPerNotch) {
  TBaseGrid& g = View.Grid();
  Wheel(-120);
  EXPECT_EQ(g.Row(), 2);
  Wheel(-240);
  EXPECT_EQ(g.Row(), 4);
  Wheel(120);
  EXPECT_EQ(g.Row(), 3);
  // Half notches add up; a turn back drops what was left over.
  Wheel(-60);
  EXPECT_EQ(g.Row(), 3);
  Wheel(-60);
  EXPECT_EQ(g.Row(), 4);
  Wheel(-60);
  Wheel(60);
  EXPECT_EQ(g.Row(), 4);
  // The current row is kept in view, and the wheel stops at the ends.
  for (int i = 0; i < 10; ++i) Wheel(-120);
  EXPECT_EQ(g.Row(), 7);
  EXPECT_EQ(g.TopRow(), 3);
  for (int i = 0; i < 10; ++i) Wheel(120);
  EXPECT_EQ(g.Row(), 1);
  EXPECT_EQ(g.TopRow(), 1);
}

TEST_F(TGridViewTest, ClickSelectsTheCellUnderTheMouse) {
  TBaseGrid& g = View.Grid();
  QTest::mouseClick(View.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(130, 70));
  EXPECT_EQ(g.Col(), 3);
  EXPECT_EQ(g.Row(), 3);
  // Fixed cells and the empty area right of the columns select nothing.
  QTest::mouseClick(View.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 70));
  QTest::mouseClick(View.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(130, 5));
  EXPECT_EQ(g.Col(), 3);
  EXPECT_EQ(g.Row(), 3);
  QTest::mouseClick(View.viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(50, 30));
  EXPECT_EQ(g.Selection(), (TGridRect{1, 1, 3, 3}));
}

TEST_F(TGridViewTest, EditorSlotFollowsTheCurrentCell) {
  QWidget editor;
  View.SetEditor(&editor);
  EXPECT_EQ(editor.parentWidget(), View.viewport());
  EXPECT_EQ(editor.geometry(), QRect(40, 20, 40, 20));
  QTest::keyClick(&View, Qt::Key_Down);
  EXPECT_EQ(editor.geometry(), QRect(40, 40, 40, 20));
  View.SetEditor(nullptr);
  editor.setParent(nullptr);
}

namespace {
// Records the rectangles the grid asks its window to repaint.
class TRepaintHost : public IGridHost {
 public:
  void InvalidateAll() override { ++All; }
  void InvalidateRect(const TRect& rect, bool) override { Rects.push_back(rect); }
  void SetRedraw(bool) override {}
  bool IsShowing() const override { return true; }
  void GeometryChanged() override {}
  bool Asked(const TRect& rect) const { return std::find(Rects.begin(), Rects.end(), rect) != Rects.end(); }
  int All = 0;
  std::vector<TRect> Rects;
};
}  // namespace

TEST(TGridViewSteps, CellSelectionRepaintsTheOldAndTheNewCell) {
  TBaseGrid g;
  TRepaintHost host;
  g.SetHost(&host);
  const TRect oldCell = g.CellRect(1, 1), newCell = g.CellRect(2, 3);
  host.Rects.clear();
  g.FocusCell(2, 3, false);
  EXPECT_TRUE(host.Asked(oldCell));
  EXPECT_TRUE(host.Asked(newCell));
  g.SetHost(nullptr);
}

TEST(TGridViewSteps, ScrollingRepaintsBlocksInTheFixedArea) {
  TBaseGrid g;
  g.SetRowCount(20);
  g.SetColCount(20);
  TRepaintHost host;
  g.SetHost(&host);
  g.MergeCells(0, 4, 1, 3);  // a block in the fixed column, rows 4..6
  g.MergeCells(5, 0, 3, 1);  // a block in the fixed row, columns 5..7
  host.Rects.clear();
  g.SetTopRow(3);
  EXPECT_TRUE(host.Asked(g.CellRect(0, 4)));
  host.Rects.clear();
  g.SetLeftCol(4);
  EXPECT_TRUE(host.Asked(g.CellRect(5, 0)));
  g.SetHost(nullptr);
}
