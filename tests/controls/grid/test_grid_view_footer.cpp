// The floating footer's strip under a grid view's cells: made with the view (the grid's owner is told), shown with
// the footer, painted by the grid column by column and again when a figure changes, clicks reported on the footer
// row.
#include <gtest/gtest.h>

#include <QTest>
#include <vector>

#include "GridMouseFixture.h"
#include "UCanvas.h"
#include "UFooterPanel.h"

namespace {
QRgb Panel_Pixel(TFooterPanel& panel, int x, int y) {
  return panel.grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(x, y);
}

// Counts the paint events a widget gets.
class TPaintCounter : public QObject {
 public:
  explicit TPaintCounter(QWidget& widget) { widget.installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++Paints;
    return false;
  }
  int Paints = 0;
};
}  // namespace

TEST(FooterPanel, TheStripsWindowTakesTheFooterHeightThenTellsTheGridsOwner) {
  for (const bool visible : {true, false}) {
    auto grid = std::make_unique<TQrvStringGrid>();
    TQrvStringGrid* q = grid.get();
    std::vector<TQrvStringGrid*> told;
    grid->OnCreatedFloatingFooter = [&](TQrvStringGrid* sender) { told.push_back(sender); };
    grid->FloatingFooter().SetHeight(24);
    grid->FloatingFooter().SetVisible(visible);
    TFooterPanel panel(*q, nullptr);
    panel.resize(200, 5);
    panel.CreateWnd();
    EXPECT_EQ(panel.height(), visible ? 24 : 0);
    EXPECT_EQ(told, std::vector<TQrvStringGrid*>{q});
    // A view made for the grid makes its strip and tells once.
    told.clear();
    TGridView view(std::move(grid));
    EXPECT_EQ(told, std::vector<TQrvStringGrid*>{q});
  }
}

TEST_F(TGridMouseTest, ANewTotalRepaintsTheFooterStrip) {
  Q().SetRowCount(5);
  Q().FloatingFooter().SetVisible(true);
  Q().FloatingFooter().SetColumnCalc(1, acSUM);
  QApplication::processEvents();
  TPaintCounter counter(*View.FooterPanel());
  Q().SetCells(1, 2, QStringLiteral("4"));
  Q().CalcFooter(-1);
  ASSERT_EQ(Q().Cells(1, 4), QStringLiteral("4.00"));
  QApplication::processEvents();
  EXPECT_GT(counter.Paints, 0);
}

TEST_F(TGridMouseTest, TheFooterStripShowsTheLastRowAndReportsClicksOnIt) {
  Q().SetRowCount(5);
  for (int32_t r = 1; r < 4; ++r) Q().SetCells(1, r, QString::number(r));
  TFooterPanel* panel = View.FooterPanel();
  ASSERT_NE(panel, nullptr);
  EXPECT_FALSE(panel->isVisible());
  Q().FloatingFooter().SetVisible(true);
  Q().FloatingFooter().SetColumnCalc(1, acSUM);
  EXPECT_EQ(Q().Cells(1, 4), QStringLiteral("6.00"));
  EXPECT_TRUE(panel->isVisible());
  EXPECT_EQ(panel->height(), Q().FloatingFooter().Height() - 1);
  EXPECT_EQ(View.viewport()->height() + panel->height(), 120);

  std::vector<std::pair<int32_t, TRect>> painted;
  Q().OnFooterPaint = [&](TQrvStringGrid*, int32_t c, TCanvas& canvas, const TRect& rect) {
    painted.emplace_back(c, rect);
    canvas.Brush().Color = c == 2 ? 0x0000FF : 0x00FF00;
    canvas.FillRect(rect);
  };
  Q().SetColors(3, 4, 0xFF0000);
  const QRgb red = Panel_Pixel(*panel, 100, 8);
  ASSERT_GE(painted.size(), 4u);
  // The fixed column is the grid's own cell; the others are handed to the event, each one pixel narrower, and in
  // the raised default look one pixel in from the lit left edge.
  EXPECT_EQ(painted[0].first, 1);
  EXPECT_EQ(painted[0].second.Left, 41);
  EXPECT_EQ(painted[0].second.Right, 79);
  EXPECT_EQ(red, qRgb(255, 0, 0));
  EXPECT_EQ(Panel_Pixel(*panel, 60, 8), qRgb(0, 255, 0));

  std::vector<std::pair<int32_t, int32_t>> clicks;
  Q().OnClickCell = [&](TQrvStringGrid*, int32_t r, int32_t c) { clicks.emplace_back(r, c); };
  QTest::mouseClick(panel, Qt::LeftButton, Qt::NoModifier, QPoint(100, 5));
  EXPECT_EQ(clicks, (std::vector<std::pair<int32_t, int32_t>>{{4, 2}}));

  Q().FloatingFooter().SetVisible(false);
  EXPECT_FALSE(panel->isVisible());
  EXPECT_EQ(View.viewport()->height(), 120);
}

TEST_F(TGridMouseTest, AFooterBorderLineIsDrawnOnlyInAColour) {
  Q().FloatingFooter().SetVisible(true);
  TFooterPanel& panel = *View.FooterPanel();
  const QRgb plain = Panel_Pixel(panel, 60, 0);
  Q().FloatingFooter().SetBorderColor(0x0000FF);
  EXPECT_EQ(Panel_Pixel(panel, 60, 0), qRgb(255, 0, 0));
  Q().FloatingFooter().SetBorderColor(clNone);
  EXPECT_EQ(Panel_Pixel(panel, 60, 0), plain);
}

TEST_F(TGridMouseTest, TheFooterStripShowsTheHintOfTheColumnUnderTheMouseOnlyWithShowHint) {
  Q().FloatingFooter().SetVisible(true);
  TFooterPanel& panel = *View.FooterPanel();
  std::vector<std::pair<int32_t, int32_t>> asked;
  Q().OnGridHint = [&](TQrvStringGrid*, int32_t r, int32_t c, QString& hint) {
    asked.emplace_back(r, c);
    hint = QStringLiteral("total of %1").arg(c);
  };
  const auto ask = [&](int x) {
    QHelpEvent help(QEvent::ToolTip, QPoint(x, 5), panel.mapToGlobal(QPoint(x, 5)));
    QApplication::sendEvent(&panel, &help);
  };
  ask(100);
  EXPECT_EQ(panel.ShownHint(), QString());  // off by default; the event is asked all the same
  EXPECT_EQ(panel.LastHintX(), -1);
  Q().FloatingFooter().SetShowHint(true);
  ask(100);
  EXPECT_EQ(panel.ShownHint(), QStringLiteral("total of 2"));
  EXPECT_EQ(panel.LastHintX(), 2);
  EXPECT_EQ(asked, (std::vector<std::pair<int32_t, int32_t>>{{7, 2}, {7, 2}}));
  // Moving on to another column ends the hint.
  QMouseEvent move(QEvent::MouseMove, QPointF(130, 5), panel.mapToGlobal(QPointF(130, 5)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&panel, &move);
  EXPECT_EQ(panel.ShownHint(), QString());
  EXPECT_EQ(panel.LastHintX(), 3);
  ask(500);  // past the last column: no hint, nothing asked
  EXPECT_EQ(panel.LastHintX(), -1);
  EXPECT_EQ(asked.size(), 2u);
}
