// The search strip over the bottom of a grid view's cells, and the incremental search of keys typed into the grid.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "GridMouseFixture.h"
#include "USearchPanel.h"

namespace {
class TGridSearchTest : public TGridMouseTest {
 protected:
  TGridSearchTest() {
    View.resize(600, 160);
    const char* keys[] = {"apple", "banana", "abacus", "cherry", "abba", "date", "fig"};
    for (int32_t r = 1; r < 8; ++r) Q().SetCells(1, r, QString::fromUtf8(keys[r - 1]));
    TSearchFooter& f = Q().SearchFooter();
    f.SetFindNextCaption(QStringLiteral("Find &next"));
    f.SetFindPrevCaption(QStringLiteral("Find &previous"));
    f.SetHighLightCaption(QStringLiteral("Highlight"));
    f.SetMatchCaseCaption(QStringLiteral("Match case"));
    f.SetHintFindNext(QStringLiteral("Find next occurrence"));
  }
  TSearchPanel& Panel() { return *View.SearchPanel(); }
  QPoint Current() { return {Q().Col(), Q().Row()}; }
};
}  // namespace

TEST_F(TGridSearchTest, TheStripShowsWithTheFooterAndSearchesAsTheUserTypes) {
  ASSERT_NE(View.SearchPanel(), nullptr);
  EXPECT_FALSE(Panel().isVisible());
  Q().SearchFooter().SetVisible(true);
  ASSERT_TRUE(Panel().isVisible());
  EXPECT_EQ(Panel().geometry(), QRect(0, View.viewport()->height() - 32, View.viewport()->width(), 32));
  EXPECT_EQ(Panel().ForwardButton()->text(), QStringLiteral("Find &next"));
  EXPECT_EQ(Panel().ForwardButton()->toolTip(), QStringLiteral("Find next occurrence"));
  EXPECT_EQ(Panel().MatchCase()->x(), 425);
  EXPECT_FALSE(Panel().ForwardButton()->isEnabled());

  QTest::keyClicks(Panel().EditControl(), QStringLiteral("ab"));
  EXPECT_EQ(Current(), QPoint(1, 3));  // abacus; apple holds no "ab"
  EXPECT_TRUE(Panel().ForwardButton()->isEnabled());
  QTest::keyClick(Panel().EditControl(), Qt::Key_Return);
  EXPECT_EQ(Current(), QPoint(1, 5));
  QTest::keyClick(Panel().EditControl(), Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(Current(), QPoint(1, 3));
  EXPECT_EQ(Panel().EditControl()->text(), QStringLiteral("ab"));  // Enter never enters the text

  QTest::keyClick(Panel().EditControl(), Qt::Key_X);
  EXPECT_EQ(Panel().EditControl()->palette().color(QPalette::Base), QColor(255, 0, 0));
  EXPECT_EQ(Current(), QPoint(1, 3));

  // A press on the strip stays there; the cell under it is not clicked.
  QTest::mouseClick(&Panel(), Qt::LeftButton, Qt::NoModifier, QPoint(580, 20));
  EXPECT_EQ(Current(), QPoint(1, 3));

  QTest::keyClick(Panel().EditControl(), Qt::Key_Backspace);
  Panel().HiliteButton()->click();
  EXPECT_EQ(Q().Cells(1, 5), QStringLiteral("<hi>ab</hi>ba"));
  Panel().ExitButton()->click();
  EXPECT_FALSE(Panel().isVisible());
  EXPECT_EQ(Q().Cells(1, 5), QStringLiteral("abba"));
}

TEST_F(TGridSearchTest, CtrlFGivesTheStripsEditTheKeyboard) {
  View.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&View));
  View.setFocus();
  QTest::keyClick(&View, Qt::Key_F, Qt::ControlModifier);
  EXPECT_TRUE(View.hasFocus());
  EXPECT_FALSE(Panel().EditControl()->hasFocus());
  Q().SearchFooter().SetVisible(true);
  View.setFocus();
  QTest::keyClick(&View, Qt::Key_F, Qt::ControlModifier);
  EXPECT_TRUE(Panel().EditControl()->hasFocus());
}

TEST_F(TGridSearchTest, KeysTypedIntoTheGridFindARowAndTheGridTimerEndsTheSearch) {
  Q().SetOptions(Q().Options() & ~TGridOptions(goEditing));
  Q().Navigation().SetAutoGotoWhenSorted(true);
  Q().Navigation().SetAutoGotoIncremental(true);
  QTest::keyClicks(&View, QStringLiteral("ab"));
  EXPECT_EQ(Q().Row(), 3);
  QTest::keyClick(&View, Qt::Key_B);
  EXPECT_EQ(Q().Row(), 5);
  EXPECT_EQ(Q().IncrSearchText, QStringLiteral("abb"));
  // Four ticks of the view's 500 ms timer later the keys typed are forgotten.
  QTRY_COMPARE_WITH_TIMEOUT(Q().IncrSearchText, QString(), 3000);
  QTest::keyClick(&View, Qt::Key_C);
  EXPECT_EQ(Q().Row(), 4);
}
