// Links in a cell that scrolls its content with its own bar: a press finds the link drawn under it, wherever the
// cell's bar has moved the content.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "GridTestHost.h"

namespace {

struct ScrolledLinks : ::testing::Test {
  ScrolledLinks() : hosted(4, 6, 600, 400) {
    grid.SetColWidths(1, 200);
    grid.SetCells(1, 2,
                  QStringLiteral("<a href=\"A\">first link</a><br><a href=\"B\">second link</a><br>"
                                 "<a href=\"C\">third link</a><br>plain<br><a href=\"D\">fourth link</a>"));
    grid.AddScrollBar(1, 2, false);
    grid.SetScrollProp(1, 2, TScrollProp{40, 120});
    grid.OnAnchorClick = [this](TQrvStringGrid*, int32_t, int32_t, const QString& a, bool& autoHandle) {
      clicked = a;
      autoHandle = false;
    };
  }
  // The link a press at (x, y) follows; empty for none.
  QString PressAt(int32_t x, int32_t y) {
    clicked.clear();
    grid.GridMouseDown(TQrvStringGrid::gmbLeft, {}, x, y);
    grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, x, y);
    return clicked;
  }
  THostedGrid<> hosted;
  TQrvStringGrid& grid = hosted.grid;
  QString clicked;
};

TEST_F(ScrolledLinks, APressFollowsTheLinkTheScrolledContentShowsThere) {
  const int32_t x = grid.CellRect(1, 2).Left + 12;
  const int32_t top = grid.CellRect(1, 2).Top;
  QStringList seen;
  for (int32_t position : {0, 7, 15, 30, 80}) {
    // A 40-pixel cell scrolled by the position lays its content out as a cell that many pixels taller, unscrolled,
    // shows it: the same links lie under the same content points.
    grid.SetScrollPosition(1, 2, 0);
    grid.SetRowHeights(2, 40 + position);
    std::map<int32_t, QString> unscrolled;
    for (int32_t dy = 1; dy < 39 + position; ++dy) unscrolled[dy] = PressAt(x, top + dy);
    ASSERT_EQ(unscrolled[8], QStringLiteral("A"));
    grid.SetRowHeights(2, 40);
    grid.SetScrollPosition(1, 2, position);
    for (int32_t dy = 1; dy < 39; ++dy) {
      const QString link = PressAt(x, top + dy);
      EXPECT_EQ(link, unscrolled[dy + position]) << "position " << position << ", dy " << dy;
      if (!link.isEmpty() && !seen.contains(link)) seen << link;
    }
  }
  // Scrolling brought the lower links under the mouse, the last one among them.
  EXPECT_TRUE(seen.contains(QStringLiteral("D"))) << seen.join(',').toStdString();
}

TEST_F(ScrolledLinks, ThePositionCountsOnlyWhileTheBarIsShown) {
  const TRect cell = grid.CellRect(1, 2);
  grid.SetRowHeights(2, 40);
  grid.SetScrollPosition(1, 2, 80);
  const QString scrolled = PressAt(cell.Left + 12, cell.Top + 8);
  // A page that shows the whole range has no bar: the content stands at its top, whatever position is kept.
  grid.SetScrollProp(1, 2, TScrollProp{120, 120});
  EXPECT_EQ(PressAt(cell.Left + 12, cell.Top + 8), QStringLiteral("A"));
  EXPECT_NE(scrolled, QStringLiteral("A"));
}

}  // namespace
