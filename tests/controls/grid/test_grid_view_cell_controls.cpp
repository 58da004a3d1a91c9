// Controls the application placed in cells, kept over their cells by the view as the grid scrolls, sizes, hides,
// inserts, removes and moves rows and columns; and the live scroll bar of a scroll-bar cell.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <functional>
#include <vector>

#include "GridMouseFixture.h"

namespace {
// The grid of the mouse fixture (6 columns of 40 pixels, 8 rows of 20, one fixed row and column, 200 x 120), made
// afresh for each case of a table.
struct TControlGrid {
  TControlGrid() : View(std::make_unique<TQrvStringGrid>()) { Show_Small_Grid(View); }
  TQrvStringGrid& Q() { return *View.AdvancedGrid(); }
  TGridView View;
};
}  // namespace

TEST(GridViewCellControls, AControlFollowsItsCellAndHidesOutsideTheVisibleCells) {
  struct TCase {
    const char* Name;
    std::function<void(TControlGrid&)> Change;
    QRect Bounds;  // null: hidden
  };
  // The control sits in real column 2, real row 3: the cell (80, 60) - (120, 80) as first shown, one pixel more to
  // the left and top.
  const std::vector<TCase> cases = {
      {"as placed", [](TControlGrid&) {}, QRect(79, 59, 41, 21)},
      {"a column before it wider", [](TControlGrid& g) { g.Q().SetColWidths(1, 60); }, QRect(99, 59, 41, 21)},
      {"its own column wider", [](TControlGrid& g) { g.Q().SetColWidths(2, 70); }, QRect(79, 59, 71, 21)},
      {"a row above it taller", [](TControlGrid& g) { g.Q().SetRowHeights(1, 35); }, QRect(79, 74, 41, 21)},
      {"its own row taller", [](TControlGrid& g) { g.Q().SetRowHeights(3, 32); }, QRect(79, 59, 41, 33)},
      {"scrolled down a row", [](TControlGrid& g) { g.Q().SetTopRow(2); }, QRect(79, 39, 41, 21)},
      {"scrolled down past it", [](TControlGrid& g) { g.Q().SetTopRow(4); }, QRect()},
      {"scrolled right a column", [](TControlGrid& g) { g.Q().SetLeftCol(2); }, QRect(39, 59, 41, 21)},
      {"scrolled right past it", [](TControlGrid& g) { g.Q().SetLeftCol(3); }, QRect()},
      {"its row hidden", [](TControlGrid& g) { g.Q().HideRow(3); }, QRect()},
      {"a row above it hidden", [](TControlGrid& g) { g.Q().HideRow(1); }, QRect(79, 39, 41, 21)},
      {"its column hidden", [](TControlGrid& g) { g.Q().HideColumn(2); }, QRect()},
      {"a column before it hidden", [](TControlGrid& g) { g.Q().HideColumn(1); }, QRect(39, 59, 41, 21)},
      {"a row inserted above it", [](TControlGrid& g) { g.Q().InsertRows(1, 1); }, QRect(79, 79, 41, 21)},
      {"a row removed above it", [](TControlGrid& g) { g.Q().RemoveRows(1, 1); }, QRect(79, 39, 41, 21)},
      {"a row inserted below it", [](TControlGrid& g) { g.Q().InsertRows(4, 2); }, QRect(79, 59, 41, 21)},
      {"its row moved down", [](TControlGrid& g) { g.Q().MoveRow(3, 5); }, QRect(79, 99, 41, 21)},
      {"its row moved up", [](TControlGrid& g) { g.Q().MoveRow(3, 1); }, QRect(79, 19, 41, 21)},
      {"another row moved across it", [](TControlGrid& g) { g.Q().MoveRow(1, 4); }, QRect(79, 39, 41, 21)},
      {"its column moved", [](TControlGrid& g) { g.Q().MoveColumn(2, 4); }, QRect(159, 59, 41, 21)},
      {"rows swapped", [](TControlGrid& g) { g.Q().SwapRows(3, 5); }, QRect(79, 99, 41, 21)},
      // The row just past the last whole one is still drawn, cut at the window's edge; the one after is not.
      {"moved to the row cut by the edge", [](TControlGrid& g) { g.Q().MoveRow(3, 6); }, QRect(79, 119, 41, 21)},
      {"moved past the edge", [](TControlGrid& g) { g.Q().MoveRow(3, 7); }, QRect()},
      {"the view made smaller", [](TControlGrid& g) { g.View.resize(200, 50); }, QRect()},
      {"the view made smaller and scrolled to it",
       [](TControlGrid& g) {
         g.View.resize(200, 50);
         g.Q().SetTopRow(3);
       },
       QRect(79, 19, 41, 21)},
  };
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.Name);
    TControlGrid g;
    QLineEdit control;
    g.Q().SetCellControls(2, 3, &control);
    ASSERT_EQ(control.parentWidget(), g.View.viewport());
    ASSERT_TRUE(control.isVisible());
    k.Change(g);
    EXPECT_EQ(control.isVisible(), !k.Bounds.isNull());
    if (!k.Bounds.isNull()) {
      EXPECT_EQ(control.geometry(), k.Bounds);
    }
    // Coming back into view, it takes its cell's place again.
    if (k.Bounds.isNull() && g.Q().TopRow() != 1) {
      g.Q().SetTopRow(1);
      g.Q().SetLeftCol(1);
      EXPECT_EQ(control.isVisible(), !g.Q().IsHiddenRow(3) && !g.Q().IsHiddenColumn(2) && g.View.height() > 50);
    }
    control.setParent(nullptr);
  }
}

TEST(GridViewCellControls, AScrolledOutControlComesBackOverItsCell) {
  TControlGrid g;
  QLineEdit control;
  g.Q().SetCellControls(2, 3, &control);
  g.Q().SetTopRow(4);
  EXPECT_FALSE(control.isVisible());
  g.Q().SetTopRow(3);
  EXPECT_TRUE(control.isVisible());
  EXPECT_EQ(control.geometry(), QRect(79, 19, 41, 21));
  // Scrolled through the view's own bar, as a user drags it.
  g.View.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  g.View.verticalScrollBar()->setValue(1);
  EXPECT_EQ(g.Q().TopRow(), 1);
  EXPECT_EQ(control.geometry(), QRect(79, 59, 41, 21));
  control.setParent(nullptr);
}

TEST(GridViewCellControls, ControlsOfFixedCellsAreLeftWhereTheyAre) {
  TControlGrid g;
  QLineEdit fixedCol(g.View.viewport()), fixedRow(g.View.viewport());
  fixedCol.setGeometry(3, 4, 10, 11);
  fixedCol.show();
  fixedRow.setGeometry(5, 6, 12, 13);
  fixedRow.hide();
  g.Q().SetCellControls(0, 3, &fixedCol);
  g.Q().SetCellControls(2, 0, &fixedRow);
  g.Q().SetTopRow(4);
  g.Q().SetLeftCol(3);
  g.Q().SetColWidths(0, 70);
  EXPECT_EQ(fixedCol.geometry(), QRect(3, 4, 10, 11));
  EXPECT_TRUE(fixedCol.isVisible());
  EXPECT_EQ(fixedRow.geometry(), QRect(5, 6, 12, 13));
  EXPECT_FALSE(fixedRow.isVisible());
}

TEST(GridViewCellControls, AControlTakenOutOfItsCellOrDeletedIsLeftAlone) {
  TControlGrid g;
  QLineEdit kept;
  g.Q().SetCellControls(2, 3, &kept);
  g.Q().SetCellControls(2, 3, nullptr);
  EXPECT_FALSE(kept.isVisible());
  kept.setGeometry(1, 2, 30, 20);
  g.Q().SetTopRow(2);
  EXPECT_EQ(kept.geometry(), QRect(1, 2, 30, 20));
  kept.setParent(nullptr);

  // The owner may delete its control while it is placed: the grid forgets it and goes on placing the others.
  auto* deleted = new QLineEdit;
  QLineEdit other;
  g.Q().SetCellControls(3, 4, deleted);
  g.Q().SetCellControls(1, 5, &other);
  delete deleted;
  ASSERT_EQ(g.Q().ControlList().Count(), 2);
  EXPECT_EQ(g.Q().ControlList().GetControl(0)->Control, nullptr);
  g.Q().SetTopRow(1);
  g.Q().InsertRows(1, 1);
  EXPECT_EQ(other.geometry(), QRect(39, 119, 41, 21));
  other.setParent(nullptr);
}

TEST(GridViewCellControls, RebuildingTheListTakesTheControlsTheCellsHold) {
  TControlGrid g;
  QLineEdit a, b;
  g.Q().GetCellProperties(2, 2)->SetControl(&a);
  g.Q().GetCellProperties(4, 5)->SetControl(&b);
  EXPECT_EQ(g.Q().ControlList().Count(), 0);
  g.Q().CellControlsUpdate(true);
  ASSERT_EQ(g.Q().ControlList().Count(), 2);
  EXPECT_EQ(a.geometry(), QRect(79, 39, 41, 21));
  EXPECT_EQ(b.geometry(), QRect(159, 99, 41, 21));
  a.setParent(nullptr);
  b.setParent(nullptr);
}

namespace {
// A cell with its own bar: column 2, row 1 of 90 pixels, a page of 40 in 200 (positions 0 to 160).
class TCellBarTest : public TGridMouseTest {
 protected:
  TCellBarTest() {
    Q().SetRowHeights(1, 90);
    Q().AddScrollBar(2, 1, false);
    Q().SetScrollProp(2, 1, TScrollProp{40, 200});
    Q().OnScrollCell = [this](TQrvStringGrid*, int32_t c, int32_t r, int32_t pos, int32_t lo, int32_t hi) {
      Scrolled.push_back(QStringLiteral("%1,%2 %3 %4..%5").arg(c).arg(r).arg(pos).arg(lo).arg(hi));
    };
  }
  QScrollBar* Bar() { return View.CellScrollBar(); }
  // The middle of a part of the bar (arrows, track above or below the thumb, thumb) as the style lays it out.
  QPoint Part(QStyle::SubControl part) {
    QStyleOptionSlider opt;
    opt.initFrom(Bar());
    opt.subControls = QStyle::SC_All;
    opt.orientation = Qt::Vertical;
    opt.minimum = Bar()->minimum();
    opt.maximum = Bar()->maximum();
    opt.sliderPosition = Bar()->sliderPosition();
    opt.sliderValue = Bar()->value();
    opt.singleStep = Bar()->singleStep();
    opt.pageStep = Bar()->pageStep();
    return Bar()->style()->subControlRect(QStyle::CC_ScrollBar, &opt, part, Bar()).center();
  }
  void Bar_Mouse(QEvent::Type type, QPoint p, Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(p), Bar()->mapToGlobal(QPointF(p)), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(Bar(), &e);
  }
  void Bar_Click(QStyle::SubControl part) {
    const QPoint p = Part(part);
    Bar_Mouse(QEvent::MouseButtonPress, p, Qt::LeftButton);
    Bar_Mouse(QEvent::MouseButtonRelease, p, Qt::NoButton);
  }
  std::vector<QString> Scrolled;
};
}  // namespace

TEST_F(TCellBarTest, TheBarShowsOverTheCellUnderTheMouseOnly) {
  Move_Mouse(60, 40);
  EXPECT_TRUE(!Bar() || !Bar()->isVisible()) << "a cell without a bar";
  Move_Mouse(100, 40);
  ASSERT_NE(Bar(), nullptr);
  EXPECT_TRUE(Bar()->isVisible());
  // Over the bar the cell paints, inside the grid lines at the cell's right edge.
  EXPECT_EQ(Bar()->geometry(), QRect(103, 21, 16, 88));
  EXPECT_EQ(Bar()->minimum(), 0);
  EXPECT_EQ(Bar()->maximum(), 160);
  EXPECT_EQ(Bar()->pageStep(), 40);
  EXPECT_EQ(Bar()->focusPolicy(), Qt::NoFocus);
  Move_Mouse(140, 40);
  EXPECT_FALSE(Bar()->isVisible());
  // A cell whose page shows all of it has no bar to show.
  Q().SetScrollProp(2, 1, TScrollProp{200, 200});
  Move_Mouse(100, 40);
  EXPECT_FALSE(Bar()->isVisible());
}

TEST_F(TCellBarTest, ArrowsTrackAndThumbScrollTheCellsContent) {
  Move_Mouse(100, 40);
  ASSERT_NE(Bar(), nullptr);
  struct TStep {
    QStyle::SubControl Part;
    int32_t Position;
  };
  // Arrows move by 10, the track by 100, never past 0 or the last page.
  const std::vector<TStep> steps = {
      {QStyle::SC_ScrollBarAddLine, 10},  {QStyle::SC_ScrollBarAddLine, 20},  {QStyle::SC_ScrollBarSubLine, 10},
      {QStyle::SC_ScrollBarSubLine, 0},   {QStyle::SC_ScrollBarSubLine, 0},   {QStyle::SC_ScrollBarAddPage, 100},
      {QStyle::SC_ScrollBarAddPage, 160}, {QStyle::SC_ScrollBarAddLine, 160}, {QStyle::SC_ScrollBarSubPage, 60}};
  for (const TStep& s : steps) {
    Bar_Click(s.Part);
    EXPECT_EQ(Q().GetScrollPosition(2, 1), s.Position) << s.Part;
    EXPECT_EQ(Bar()->value(), s.Position) << s.Part;
  }
  // Only a step that moved the content is told.
  EXPECT_EQ(Scrolled, (std::vector<QString>{"2,1 10 0..200", "2,1 20 0..200", "2,1 10 0..200", "2,1 0 0..200",
                                            "2,1 100 0..200", "2,1 160 0..200", "2,1 60 0..200"}));

  // The thumb dragged to the bottom takes the content to its last page on the way.
  Scrolled.clear();
  const QPoint thumb = Part(QStyle::SC_ScrollBarSlider);
  Bar_Mouse(QEvent::MouseButtonPress, thumb, Qt::LeftButton);
  Bar_Mouse(QEvent::MouseMove, thumb + QPoint(0, 200), Qt::LeftButton);
  EXPECT_EQ(Q().GetScrollPosition(2, 1), 160);
  Bar_Mouse(QEvent::MouseButtonRelease, thumb + QPoint(0, 200), Qt::NoButton);
  EXPECT_EQ(Scrolled, (std::vector<QString>{"2,1 160 0..200"}));
}

TEST_F(TCellBarTest, TheBarFollowsItsCellAndTheCellsValues) {
  Move_Mouse(100, 40);
  ASSERT_NE(Bar(), nullptr);
  Q().SetColWidths(1, 50);
  EXPECT_EQ(Bar()->geometry(), QRect(113, 21, 16, 88));
  // The application moving the content moves the thumb.
  Q().SetScrollPosition(2, 1, 70);
  EXPECT_EQ(Bar()->value(), 70);
  // Scrolled out of view the bar stays, no pixel high, and comes back with its cell.
  Q().SetLeftCol(3);
  EXPECT_EQ(Bar()->height(), 0);
  Q().SetLeftCol(1);
  EXPECT_EQ(Bar()->geometry(), QRect(113, 21, 16, 88));
  EXPECT_TRUE(Bar()->isVisible());
}

TEST_F(TCellBarTest, TheWheelOverTheBarScrollsTheGridNotTheCell) {
  Q().SetRowCount(30);
  Move_Mouse(100, 40);
  ASSERT_NE(Bar(), nullptr);
  const int32_t row = Q().Row(), top = Q().TopRow();
  const QPoint at = Bar()->rect().center();
  QWheelEvent wheel(QPointF(at), Bar()->mapToGlobal(QPointF(at)), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(Bar(), &wheel);
  EXPECT_TRUE(Q().Row() != row || Q().TopRow() != top);
  EXPECT_EQ(Q().GetScrollPosition(2, 1), 0);
  EXPECT_TRUE(Scrolled.empty());
}
