// A grid view's scroll bars: a dragged thumb with and without ScrollSynch, proportional thumbs, the flat and
// owner-drawn kinds, and the mark where panning started.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include "GridMouseFixture.h"
#include "UFlatScrollBar.h"
#include "UGridPanning.h"
#include "UHTMLHintWindow.h"
#include "UScrollControl.h"
#include "USearchPanel.h"
#include "USysColors.h"

namespace {
class TScrollBarTest : public TGridMouseTest {
 protected:
  TScrollBarTest() {
    Q().SetRowCount(40);
    Q().SetColCount(20);
  }
  QScrollBar* Bar(bool vertical) { return vertical ? View.verticalScrollBar() : View.horizontalScrollBar(); }
  int32_t First(bool vertical) { return vertical ? Q().TopRow() : Q().LeftCol(); }
  TFlatScrollBar* Flat(bool vertical) { return dynamic_cast<TFlatScrollBar*>(Bar(vertical)); }
};
}  // namespace

TEST_F(TScrollBarTest, ADraggedThumbMovesTheCellsAtOnceOnlyWithScrollSynch) {
  for (const bool vertical : {true, false}) {
    for (const bool synch : {false, true}) {
      SCOPED_TRACE((vertical ? "vertical, " : "horizontal, ") + std::string(synch ? "synch" : "no synch"));
      (vertical ? Q().SetTopRow(1) : Q().SetLeftCol(1));
      Q().ScrollSynch = synch;
      Q().ScrollHints = shBoth;
      QScrollBar* bar = Bar(vertical);
      bar->setSliderDown(true);
      bar->setSliderPosition(12);
      EXPECT_EQ(First(vertical), synch ? 12 : 1);
      // The hint tells where the cells would go.
      auto* hint = View.findChild<THTMLHintWindow*>(QStringLiteral("ScrollHint"));
      ASSERT_TRUE(hint && hint->isVisible());
      EXPECT_EQ(hint->Caption(), (vertical ? QStringLiteral("Row : 12") : QStringLiteral("Col : 12")));
      bar->setSliderPosition(9);
      EXPECT_EQ(First(vertical), synch ? 9 : 1);
      bar->setSliderDown(false);
      EXPECT_EQ(First(vertical), 9);
      EXPECT_EQ(bar->value(), 9);
    }
  }
}

TEST_F(TScrollBarTest, TheMouseOnTheThumbScrollsWhenItIsLetGo) {
  View.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QScrollBar* bar = Bar(true);
  QStyleOptionSlider opt;
  opt.initFrom(bar);
  opt.orientation = Qt::Vertical;
  opt.minimum = bar->minimum();
  opt.maximum = bar->maximum();
  opt.sliderPosition = opt.sliderValue = bar->value();
  opt.pageStep = bar->pageStep();
  opt.singleStep = bar->singleStep();
  opt.subControls = QStyle::SC_All;
  const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar);
  ASSERT_FALSE(thumb.isEmpty());
  QTest::mousePress(bar, Qt::LeftButton, {}, thumb.center());
  QTest::mouseMove(bar, thumb.center() + QPoint(0, 40));
  ASSERT_GT(bar->sliderPosition(), 1);
  EXPECT_EQ(Q().TopRow(), 1);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb.center() + QPoint(0, 40));
  EXPECT_EQ(Q().TopRow(), bar->value());
  EXPECT_GT(Q().TopRow(), 1);
}

TEST_F(TScrollBarTest, ProportionalBarsTakeTheirShareAndFollowTheSizes) {
  QScrollBar* v = Bar(true);
  Q().SetScrollProportional(true);
  // 40 rows of 20 pixels with lines of 1 in 120 pixels: range 0 .. 144 with a page of 18.
  EXPECT_EQ(v->minimum(), 0);
  EXPECT_EQ(v->maximum(), 127);
  EXPECT_EQ(v->pageStep(), 18);
  EXPECT_EQ(v->value(), 0);
  // 20 rows further down: 421 of the 700 pixels that can scroll.
  Q().SetTopRow(21);
  EXPECT_EQ(v->value(), 76);
  // Arrows and page clicks still move by rows.
  v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(Q().TopRow(), 22);
  v->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(Q().TopRow(), 27);
  v->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(Q().TopRow(), 26);
  // 25 rows of 21 pixels and the first line before it: 526 of the 700 pixels.
  EXPECT_EQ(v->value(), 96);
  // The thumb at the end shows the last rows.
  v->setSliderDown(true);
  v->setSliderPosition(127);
  v->setSliderDown(false);
  EXPECT_EQ(Q().TopRow(), Q().MaxTopRow());
  // Taller rows (a zoom) make the thumb shorter: 1 + 24 fixed, 1 + 39 x 24 others.
  Q().Zoom(3);
  EXPECT_EQ(v->pageStep(), 15);
  // A column width changes the horizontal bar: 20 columns of 40, then the first scrollable one 400 wide.
  QScrollBar* h = Bar(false);
  const int before = h->pageStep();
  Q().SetColWidths(1, 400);
  EXPECT_EQ(h->maximum(), 127);
  EXPECT_LT(h->pageStep(), before);
  // Off again: one step per cell.
  Q().SetScrollProportional(false);
  EXPECT_EQ(v->maximum(), Q().MaxTopRow());
  EXPECT_EQ(v->value(), Q().TopRow());
}

TEST_F(TScrollBarTest, AProportionalHorizontalBarIsHiddenWhenTheColumnsFitUnlessKeptAlways) {
  View.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Q().SetColCount(6);
  for (int32_t c = 0; c < 6; ++c) Q().SetColWidths(c, c == 0 ? 40 : 30);
  // 190 pixels of columns, but with lines of 3 some 14 pixels too wide for the 200 of the view.
  Q().SetGridLineWidth(3);
  Q().SetScrollProportional(true);
  EXPECT_EQ(View.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  Q().SetScrollBarAlways(saHorz);
  Q().SetRowCount(41);
  EXPECT_EQ(View.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(TScrollBarTest, FlatBarsTakeTheStyleColourAndWidthOfTheGrid) {
  View.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  View.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  ASSERT_NE(Flat(true), nullptr);
  EXPECT_EQ(Flat(true)->FlatStyle(), fssRegular);
  const int regular = Bar(true)->width();
  Q().SetScrollColor(0x00FF00);
  Q().SetScrollType(ssFlat);
  Q().SetScrollWidth(11);
  QApplication::processEvents();
  for (const bool vertical : {true, false}) {
    SCOPED_TRACE(vertical ? "vertical" : "horizontal");
    EXPECT_EQ(Flat(vertical)->FlatStyle(), fssFlat);
    EXPECT_EQ(vertical ? Bar(true)->width() : Bar(false)->height(), 11);
    // The track between the arrows and the thumb shows the colour; the thumb has a thin dark edge.
    const QImage shot = Bar(vertical)->grab().toImage();
    const QPoint track = vertical ? QPoint(5, shot.height() - 20) : QPoint(shot.width() - 20, 5);
    EXPECT_EQ(shot.pixel(track), qRgb(0, 0xFF, 0)) << track.x() << "," << track.y();
  }
  // Taking the colour away gives the bars the desktop's colour back.
  Q().SetScrollColor(clNone);
  QApplication::processEvents();
  for (const bool vertical : {true, false}) {
    SCOPED_TRACE(vertical ? "vertical" : "horizontal");
    const QImage shot = Bar(vertical)->grab().toImage();
    const QPoint track = vertical ? QPoint(5, shot.height() - 20) : QPoint(shot.width() - 20, 5);
    EXPECT_EQ(shot.pixel(track), TColorToQColor(clScrollBar).rgb()) << track.x() << "," << track.y();
  }
  Q().SetScrollType(ssEncarta);
  EXPECT_EQ(Flat(true)->FlatStyle(), fssEncarta);
  Q().SetScrollType(ssNormal);
  QApplication::processEvents();
  EXPECT_EQ(Flat(true)->FlatStyle(), fssRegular);
  EXPECT_EQ(Bar(true)->width(), regular);
}

TEST_F(TScrollBarTest, FlatBarsHideWhereEverythingFitsUnlessKeptAlways) {
  View.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Q().SetScrollType(ssFlat);
  Q().SetRowCount(3);
  EXPECT_EQ(View.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  Q().SetScrollBarAlways(saVert);
  Q().SetRowCount(4);
  EXPECT_EQ(View.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_FALSE(Bar(true)->isEnabled());
  Q().SetScrollBarAlways(saNone);
  Q().SetRowCount(40);
  EXPECT_EQ(View.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
}

TEST_F(TScrollBarTest, MetroBarsAreThinThumbsOverTheCells) {
  View.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Q().SetColor(0xFFFFFF);
  Q().SetScrollType(ssMetro);
  EXPECT_EQ(View.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(View.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  TScrollControl* bar = View.ScrollControl(true);
  ASSERT_NE(bar, nullptr);
  ASSERT_NE(View.ScrollControl(false), nullptr);
  EXPECT_EQ(bar->geometry(), QRect(194, 0, 6, 120));
  // The thumb: 4 of the 6 pixels in its colour, starting below the fixed row; the cells show beside it.
  const QImage shot = View.viewport()->grab().toImage();
  bar->hide();
  const QImage cells = View.viewport()->grab().toImage();
  bar->show();
  EXPECT_EQ(shot.pixel(195, 25), qRgb(0xC0, 0xC0, 0xC0));
  EXPECT_NE(cells.pixel(195, 25), qRgb(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(shot.pixel(195, 15), cells.pixel(195, 15));
  for (const int x : {198, 199}) EXPECT_EQ(shot.pixel(x, 25), cells.pixel(x, 25)) << x;
  // A press below the thumb pages down; a drag on it follows the mouse.
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(2, 110));
  EXPECT_EQ(Q().TopRow(), 1 + Q().VisibleRowCount());
  Q().SetTopRow(1);
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(2, 25));
  QTest::mouseMove(bar, QPoint(2, 75));
  EXPECT_GT(Q().TopRow(), 1);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(2, 75));
  Q().SetScrollType(ssNormal);
  EXPECT_EQ(View.ScrollControl(true), nullptr);
  EXPECT_EQ(Q().ScrollBars, ssBoth);
  EXPECT_EQ(View.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
}

TEST_F(TGridMouseTest, TheMarkWherePanningStartedShowsUntilPanningEnds) {
  Q().SetColor(0x00FFFF);  // yellow cells, so the mark's white shows
  struct {
    TIntelliPan pan;
    bool upDown, leftRight;
  } const cases[] = {{ipVertical, true, false}, {ipHorizontal, false, true}, {ipBoth, true, true}};
  const QPoint origin(82, 42);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pan);
    Q().IntelliPan = c.pan;
    Send(View, QEvent::MouseButtonPress, origin, Qt::MiddleButton, Qt::MiddleButton);
    ASSERT_TRUE(Q().Panning());
    const QImage shot = Shot();
    const QRgb ink = qRgb(0x40, 0x40, 0x40), white = qRgb(0xFF, 0xFF, 0xFF);
    EXPECT_EQ(shot.pixel(origin + QPoint(1, 1)), white);
    EXPECT_EQ(shot.pixel(origin + QPoint(16, 16)), ink);
    EXPECT_EQ(shot.pixel(origin + QPoint(16, 8)) == ink, c.upDown);
    EXPECT_EQ(shot.pixel(origin + QPoint(8, 16)) == ink, c.leftRight);
    Click(Middle_Of(3, 5));
    ASSERT_FALSE(Q().Panning());
    EXPECT_EQ(Pixel(origin.x() + 1, origin.y() + 1), Rgb(0x00FFFF));
  }
}

// 40 rows of 20 pixels under a fixed row of 20 in 120 pixels: the bar ends at top row 35, and the search strip (32
// pixels) leaves the last row clear only from top row 37 on.
TEST_F(TScrollBarTest, WithTheSearchStripShownTheBarsStepsAtTheEndBringTheLastRowAboveIt) {
  Q().SearchFooter().SetVisible(true);
  ASSERT_EQ(Q().MaxTopRow(), 35);
  QScrollBar* v = Bar(true);
  struct {
    const char* name;
    int32_t from;
    QAbstractSlider::SliderAction action;
    int32_t top;
  } const cases[] = {
      {"a row down onto the end", 34, QAbstractSlider::SliderSingleStepAdd, 37},
      {"a row down with the last row clear", 37, QAbstractSlider::SliderSingleStepAdd, 37},
      {"a page down onto the end", 30, QAbstractSlider::SliderPageStepAdd, 37},
      {"a page down short of the end", 20, QAbstractSlider::SliderPageStepAdd, 25},
      {"to the bar's end", 1, QAbstractSlider::SliderToMaximum, 37},
      {"a row up from past the bar's end goes a row further", 37, QAbstractSlider::SliderSingleStepSub, 35},
      {"a row up from the bar's end stays up", 35, QAbstractSlider::SliderSingleStepSub, 34},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Q().SetTopRow(c.from);
    ASSERT_EQ(Q().TopRow(), c.from);
    v->triggerAction(c.action);
    EXPECT_EQ(Q().TopRow(), c.top);
    EXPECT_EQ(v->value(), std::min(c.top, 35));
  }
  const int stripTop = View.SearchPanel()->geometry().top();
  EXPECT_EQ(stripTop, 120 - 32);

  // The thumb let go at the end clears the strip too.
  Q().SetTopRow(10);
  v->setSliderDown(true);
  v->setSliderPosition(v->maximum());
  v->setSliderDown(false);
  EXPECT_EQ(Q().TopRow(), 37);
  EXPECT_LE(Q().CellRect(1, 39).Bottom, stripTop + 2);

  // Scrolling sideways leaves the rows where the strip put them.
  Bar(false)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(Q().LeftCol(), 2);
  EXPECT_EQ(Q().TopRow(), 37);

  // The wheel over the bar moves its thumb at once: a step like the others.
  Q().SetTopRow(34);
  QWheelEvent wheel(QPointF(5, 5), v->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(v, &wheel);
  EXPECT_EQ(Q().TopRow(), 37);
}
