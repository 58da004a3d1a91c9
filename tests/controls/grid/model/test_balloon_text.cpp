// The texts of a cell's balloon tooltip: plain text of every cell kind, the tooltip's lengths, the cell's own
// balloon and the grid's event.
#include <gtest/gtest.h>

#include "GridTestHost.h"
#include "UBalloonText.h"
#include "UQrvStringGrid.h"
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
  EXPECT_EQ(BalloonPlainText(QStringLiteral("<B>bold</B><BR>next"), {}), QStringLiteral("bold\r\nnext"));
  EXPECT_EQ(BalloonPlainText(QStringLiteral("<5"), {}), QStringLiteral("<5"));
  EXPECT_EQ(BalloonPlainText(EncodeWidePairs(QStringLiteral("wide \u00e9")), {}), QStringLiteral("wide \u00e9"));
  const QString rich = QStringLiteral("{\\rtf1 rich}");
  EXPECT_EQ(BalloonPlainText(rich, [](const QString&) { return QStringLiteral("rich"); }), QStringLiteral("rich"));
  EXPECT_EQ(BalloonPlainText(rich, {}), rich);
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
