// The texts of a cell's balloon tooltip: plain text of every cell kind, the tooltip's lengths, the cell's own
// balloon and the grid's event.
#include <gtest/gtest.h>

#include <tuple>

#include "GridTestHost.h"
#include "UBalloonText.h"
#include "UQrvStringGrid.h"
#include "URichText.h"
#include "UValueText.h"

TEST(BalloonText, TabsLeadingBreaksAndLength) {
  struct Case {
    QString In;
    QString Out;
  };
  const QString exact(2048, u'x');
  const Case cases[] = {
      {QStringLiteral("a\tb\tc"), QStringLiteral("a b c")},
      {QStringLiteral("\r\n\t\r\nline one\r\nline two"), QStringLiteral("line one\r\nline two")},
      {QStringLiteral("\r\n"), QString()},
      {QStringLiteral("keeps trailing\r\n"), QStringLiteral("keeps trailing\r\n")},
      {exact, exact},
  };
  for (const Case& c : cases) EXPECT_EQ(PrepareBalloonText(c.In), c.Out) << c.In.left(40).toStdString();
}

TEST(BalloonText, LongTextIsCutAfterTheSkippedBreaks) {
  QString text = QStringLiteral("\n\n");
  for (int i = 0; i < 3000; ++i) text += QChar(u'a' + i % 26);
  const QString out = PrepareBalloonText(text);
  ASSERT_EQ(out.size(), 2048);
  EXPECT_EQ(out.left(2045), text.mid(2, 2045));
  EXPECT_TRUE(out.endsWith(QStringLiteral("...")));
}

TEST(BalloonText, TitleIsCutAtOneHundred) {
  EXPECT_EQ(PrepareBalloonTitle(QString(100, u't')), QString(100, u't'));
  const QString cut = PrepareBalloonTitle(QString(101, u't'));
  EXPECT_EQ(cut, QString(97, u't') + QStringLiteral("..."));
}

TEST(BalloonText, PlainTextOfEveryKind) {
  // A document nested beyond what the reader takes is shown as stored rather than lost.
  const QString tooDeep = QStringLiteral("{\\rtf1") + QString(RtfMaxGroupDepth, u'{') + QStringLiteral("x");
  const std::pair<QString, QString> cases[] = {
      {QStringLiteral("<B>bold</B><BR>next"), QStringLiteral("bold\r\nnext")},
      {QStringLiteral("<5"), QStringLiteral("<5")},
      {EncodeWidePairs(QStringLiteral("wide \u00e9")), QStringLiteral("wide \u00e9")},
      {QStringLiteral("{\\rtf1 rich}"), QStringLiteral("rich")},
      {QStringLiteral("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\b bold\\b0  and \\cf1 red\\par next}"),
       QStringLiteral("bold and red\nnext")},
      {tooDeep, tooDeep},
  };
  for (const auto& [text, plain] : cases) EXPECT_EQ(BalloonPlainText(text), plain) << text.toStdString();
}

TEST(BalloonText, CellDefaultsAndMergedBaseCell) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.SetCells(1, 1, QStringLiteral("\t<I>base</I>"));
  grid.MergeCells(1, 1, 2, 2);
  const TCellBalloon balloon = BuildCellBalloon(grid, 2, 2, {}, {});
  EXPECT_EQ(balloon.Col, 1);
  EXPECT_EQ(balloon.Row, 1);
  EXPECT_EQ(balloon.Text, QStringLiteral("base"));
  EXPECT_EQ(balloon.Title, QStringLiteral(" "));
  EXPECT_EQ(balloon.Icon, biInfo);
}

TEST(BalloonText, OwnBalloonThenEventGetTheRealColumnAndAreCut) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.HideColumn(1);
  std::vector<int32_t> ownAsked;
  const TCellOwnBalloon own = [&](int32_t realCol, int32_t row, QString& title, QString& text, TBalloonIcon& icon) {
    ownAsked = {realCol, row};
    if (realCol != 3) return false;
    title = QStringLiteral("Own");
    text = QStringLiteral("own text");
    icon = biWarning;
    return true;
  };
  // Display column 2 is real column 3 with column 1 hidden.
  TCellBalloon balloon = BuildCellBalloon(grid, 2, 4, own, {});
  EXPECT_EQ(ownAsked, (std::vector<int32_t>{3, 4}));
  EXPECT_EQ(balloon.RealCol, 3);
  EXPECT_EQ(balloon.Title, QStringLiteral("Own"));
  EXPECT_EQ(balloon.Text, QStringLiteral("own text"));
  EXPECT_EQ(balloon.Icon, biWarning);

  std::vector<int32_t> eventAsked;
  const TCellBalloonEvent event = [&](TQrvStringGrid* sender, int32_t c, int32_t r, QString& title, QString& text,
                                      TBalloonIcon& icon) {
    EXPECT_EQ(sender, &grid);
    eventAsked = {c, r};
    EXPECT_EQ(text, Cell(2, 3));  // display column 1 shows real column 2
    title = QString(300, u'T');
    text = QString(5000, u'x');
    icon = biError;
  };
  balloon = BuildCellBalloon(grid, 1, 3, own, event);
  EXPECT_EQ(eventAsked, (std::vector<int32_t>{2, 3}));
  EXPECT_EQ(balloon.Icon, biError);
  EXPECT_EQ(balloon.Title, QString(97, u'T') + QStringLiteral("..."));
  EXPECT_EQ(balloon.Text, QString(2045, u'x') + QStringLiteral("..."));
}

// A grid of 5 x 5 cells of 50 x 20 pixels that counts the balloon windows it makes and drops.
struct TBalloonGrid {
  TQrvStringGrid Grid;
  int Created = 0;
  int Destroyed = 0;
  TBalloonGrid() {
    Fill(Grid);
    Grid.SetDefaultColWidth(50);
    Grid.SetDefaultRowHeight(20);
    Grid.SetBounds(0, 0, 250, 100);
    Grid.CreateBalloonWindow = [this] { ++Created; };
    Grid.DestroyBalloonWindow = [this] { ++Destroyed; };
  }
  int Alive() const { return Created - Destroyed; }
};

TEST(BalloonSettings, TogglingEnableKeepsExactlyOneWindow) {
  TBalloonGrid b;
  EXPECT_EQ(b.Alive(), 0);
  b.Grid.Balloon.SetEnable(true);
  b.Grid.Balloon.SetEnable(true);
  EXPECT_EQ(b.Created, 1);
  EXPECT_TRUE(b.Grid.BalloonWindowCreated());
  b.Grid.Balloon.SetEnable(false);
  b.Grid.Balloon.SetEnable(false);
  EXPECT_EQ(b.Destroyed, 1);
  EXPECT_FALSE(b.Grid.BalloonWindowCreated());
  b.Grid.Balloon.SetEnable(true);
  b.Grid.BalloonInit();  // the window's creation asking again
  EXPECT_EQ(b.Alive(), 1);
  EXPECT_EQ(b.Created, 2);
}

TEST(BalloonSettings, DefaultsAndAssignCopiesAllButTransparencyWithoutCreatingAWindow) {
  TBalloonGrid b;
  const TBalloonSettings& d = b.Grid.Balloon;
  EXPECT_FALSE(d.Enable());
  EXPECT_EQ(std::make_tuple(d.InitialDelay, d.ReshowDelay, d.AutoHideDelay), std::make_tuple(-1, -1, -1));
  EXPECT_EQ(std::make_tuple(d.TextColor, d.BackgroundColor, int(d.Transparency)), std::make_tuple(clNone, clNone, 0));

  TBalloonSettings source;
  source.SetEnable(true);
  source.InitialDelay = 10;
  source.ReshowDelay = 20;
  source.AutoHideDelay = 30;
  source.TextColor = clRed;
  source.BackgroundColor = clYellow;
  source.Transparency = 100;
  b.Grid.SetBalloon(source);
  EXPECT_TRUE(d.Enable());
  EXPECT_EQ(std::make_tuple(d.InitialDelay, d.ReshowDelay, d.AutoHideDelay), std::make_tuple(10, 20, 30));
  EXPECT_EQ(std::make_tuple(d.TextColor, d.BackgroundColor, int(d.Transparency)),
            std::make_tuple(clRed, clYellow, 0));
  EXPECT_EQ(b.Created, 0);
  // The grid's own handler stays bound: switching off afterwards still reaches the grid.
  b.Grid.BalloonInit();
  b.Grid.Balloon.SetEnable(false);
  EXPECT_EQ(b.Alive(), 0);
}

TEST(BalloonSettings, TheGridAnswersOnlyWithBalloonsOnAndPopsOnLeavingTheCell) {
  TBalloonGrid b;
  TQrvStringGrid& g = b.Grid;
  g.SetCells(2, 1, QStringLiteral("\r\nsecond"));
  g.AddBalloon(3, 2, QStringLiteral("Title"), QStringLiteral("own"), biError);
  TCellBalloon balloon;
  EXPECT_FALSE(g.BalloonAt(110, 30, balloon));
  EXPECT_EQ(g.LastBalloonPos().X, -1);

  g.Balloon.SetEnable(true);
  ASSERT_TRUE(g.BalloonAt(110, 30, balloon));  // cell (2, 1)
  EXPECT_EQ(balloon.Text, QStringLiteral("second"));
  EXPECT_EQ(balloon.Title, QStringLiteral(" "));
  EXPECT_EQ(balloon.Icon, biInfo);
  EXPECT_EQ(g.LastBalloonPos().X, 2);
  EXPECT_EQ(g.LastBalloonPos().Y, 1);
  EXPECT_FALSE(g.BalloonAt(300, 30, balloon)) << "no cell right of the last column";

  // Moving inside the cell keeps the balloon; the next cell pops it.
  g.GridMouseMove(TShiftState(), 140, 35);
  EXPECT_EQ(g.LastBalloonPos().X, 2);
  g.GridMouseMove(TShiftState(), 160, 35);
  EXPECT_EQ(g.LastBalloonPos().X, -1);

  ASSERT_TRUE(g.BalloonAt(160, 50, balloon));  // cell (3, 2) has its own balloon
  EXPECT_EQ(std::make_tuple(balloon.Title, balloon.Text, balloon.Icon),
            std::make_tuple(QStringLiteral("Title"), QStringLiteral("own"), biError));
  g.OnCellBalloon = [](TQrvStringGrid*, int32_t, int32_t, QString& title, QString&, TBalloonIcon& icon) {
    title = QStringLiteral("Event");
    icon = biWarning;
  };
  ASSERT_TRUE(g.BalloonAt(160, 50, balloon));
  EXPECT_EQ(std::make_tuple(balloon.Title, balloon.Icon), std::make_tuple(QStringLiteral("Event"), biWarning));
  g.Balloon.SetEnable(false);
  EXPECT_EQ(g.LastBalloonPos().X, -1);
}
