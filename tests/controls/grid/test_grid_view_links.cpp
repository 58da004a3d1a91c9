// Links of markup cells in the grid view: the hint over a link in the grid's own hint window, and the underline
// that follows the mouse from link to link.
#include <gtest/gtest.h>

#include <QHelpEvent>

#include "GridMouseFixture.h"

namespace {

class TGridLinkTest : public TGridMouseTest {
 protected:
  TGridLinkTest() {
    Q().SetColWidths(1, 150);
    Q().SetCells(1, 2,
                 QStringLiteral("<a href=\"http://a.example\" title=\"Page A\">aaaa</a> - "
                                "<a href=\"http://b.example\">bbbb</a>"));
    Q().AnchorHint = true;
    Q().URLUnderlineOnHover = true;
  }
  // A point on the first (0) or second (1) link: the links' blue ink, left to right.
  QPoint On(int link) {
    const QImage shot = Shot();
    const TRect cell = Q().CellRect(1, 2);
    std::vector<int> columns;
    for (int x = cell.Left; x < cell.Right; ++x)
      for (int y = cell.Top; y < cell.Bottom; ++y)
        if (qBlue(shot.pixel(x, y)) > 180 && qRed(shot.pixel(x, y)) < 80) {
          columns.push_back(x);
          break;
        }
    if (columns.empty()) return {};
    // The gap after the first link's ink is the widest between the columns.
    size_t split = 1;
    for (size_t i = 1; i < columns.size(); ++i)
      if (columns[i] - columns[i - 1] > columns[split] - columns[split - 1]) split = i;
    const int x = link == 0 ? (columns.front() + columns[split - 1]) / 2 : (columns[split] + columns.back()) / 2;
    return {x, (cell.Top + cell.Bottom) / 2};
  }
  QString Ask_Hint(QPoint at) {
    QHelpEvent help(QEvent::ToolTip, at, View.viewport()->mapToGlobal(at));
    QApplication::sendEvent(View.viewport(), &help);
    return View.ShownHint();
  }
  // Blue pixels in the cell's bottom half: the underline adds a full row of them under the hovered link.
  int Blue_Row_Length(int link) {
    const QImage shot = Shot();
    const TRect cell = Q().CellRect(1, 2);
    const QPoint at = On(link);
    int longest = 0;
    for (int y = cell.Top; y < cell.Bottom; ++y) {
      int run = 0;
      for (int x = at.x() - 8; x <= at.x() + 8; ++x)
        run += qBlue(shot.pixel(x, y)) > 180 && qRed(shot.pixel(x, y)) < 80;
      longest = std::max(longest, run);
    }
    return longest;
  }
};

TEST_F(TGridLinkTest, TheHintOverALinkIsItsTitleAndAnotherLinkEndsIt) {
  const QPoint first = On(0), second = On(1);
  ASSERT_GT(second.x(), first.x());
  EXPECT_EQ(Ask_Hint(first), "Page A");
  Move_Mouse(first.x() + 1, first.y());
  EXPECT_EQ(View.ShownHint(), "Page A") << "the same link keeps its hint";
  Move_Mouse(second.x(), second.y());
  EXPECT_EQ(View.ShownHint(), "") << "another link ends it";
  EXPECT_EQ(Ask_Hint(second), "http://b.example");
}

TEST_F(TGridLinkTest, TheUnderlineFollowsTheMouseFromLinkToLink) {
  const QPoint first = On(0), second = On(1);
  ASSERT_GT(second.x(), first.x());
  // 17 pixels around the middle of each link: a full row of link colour only when underlined.
  EXPECT_LT(Blue_Row_Length(0), 17);
  EXPECT_LT(Blue_Row_Length(1), 17);
  Move_Mouse(first.x(), first.y());
  EXPECT_EQ(Blue_Row_Length(0), 17);
  EXPECT_LT(Blue_Row_Length(1), 17);
  Move_Mouse(second.x(), second.y());
  EXPECT_LT(Blue_Row_Length(0), 17);
  EXPECT_EQ(Blue_Row_Length(1), 17);
  Move_Mouse(Middle_Of(4, 5).x(), Middle_Of(4, 5).y());
  EXPECT_LT(Blue_Row_Length(1), 17);
}

}  // namespace
