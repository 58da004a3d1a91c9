#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>

#include "TPinnedFormat.h"
#include "UCellGraphics.h"
#include "USysColors.h"

namespace {

struct TPaper {
  explicit TPaper(int w = 130, int h = 50) : Image(w, h, QImage::Format_RGB32), Canvas(&Image) {
    Image.fill(Qt::white);
  }
  TColor At(int x, int y) { return Canvas.Pixels(x, y); }
  int Count(TColor colour, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) n += At(x, y) == colour;
    }
    return n;
  }
  QImage Image;
  TCanvas Canvas;
};

constexpr TColor Complete = 0x00C000, CompleteFont = 0xFFFFFF, Incomplete = 0xE0E0E0, IncompleteFont = 0x800000;

TEST(ProgressCell, PositionRoundsToThePercentageAndTheTextIsSplitAtTheBoundary) {
  TPaper p;
  p.Canvas.Brush().Color = 0x0000AA;  // the cell's brush, which rings the bar
  DrawProgressCell(p.Canvas, Rect(10, 10, 110, 30), Complete, CompleteFont, Incomplete, IncompleteFont, 42.6, 0, 0, 0,
                   100, QString(), clBlack, false);
  // 43 % of 100 pixels.
  EXPECT_EQ(p.At(52, 11), Complete);
  EXPECT_EQ(p.At(53, 11), Incomplete);
  EXPECT_EQ(p.At(109, 29), Incomplete);
  EXPECT_GT(p.Count(CompleteFont, 10, 10, 53, 30), 0);
  EXPECT_GT(p.Count(IncompleteFont, 53, 10, 110, 30), 0);
  EXPECT_EQ(p.Count(IncompleteFont, 10, 10, 53, 30), 0);
  EXPECT_EQ(p.At(9, 20), clBlack);
  EXPECT_EQ(p.At(110, 20), clBlack);
  EXPECT_EQ(p.At(8, 20), TColor(0x0000AA));
}

TEST(ProgressCell, PercentageIsClampedAndAnEmptyRangeShowsNoProgress) {
  TPaper p;
  DrawProgressCell(p.Canvas, Rect(10, 10, 110, 30), Complete, CompleteFont, Incomplete, IncompleteFont, 250, 2, 2, 0,
                   100, QString(), clNone, false);
  EXPECT_EQ(p.At(12, 13), Complete);
  EXPECT_EQ(p.At(107, 13), Complete);
  EXPECT_GT(p.Count(CompleteFont, 0, 0, 130, 50), 0);
  EXPECT_EQ(p.Count(IncompleteFont, 0, 0, 130, 50), 0);
  TPaper q;
  DrawProgressCell(q.Canvas, Rect(10, 10, 110, 30), Complete, CompleteFont, Incomplete, IncompleteFont, 5, 0, 0, 3, 3,
                   QStringLiteral("%d items"), clNone, false);
  EXPECT_EQ(q.At(10, 11), Incomplete);
  EXPECT_EQ(q.Count(Complete, 0, 0, 130, 50), 0);
}

TEST(ProgressCell, TextFollowsTheFormatInTheUsersNumberConventions) {
  TPinnedFormat pin(u',', u'.');
  struct Case {
    const char* format;
    double position;
    const char* want;
  } cases[] = {
      {"", 42.6, "43%"},
      {"%.1f done", 42.6, "43,0 done"},  // contains "d": the rounded position, shown as that number
      {"%.2f", 42.567, "42,57"},
      {"%n of 2000", 1234.5, "1.234,50 of 2000"},
      {"%d%%", 42.4, "42%"},
      {"%5d|%-4u|", 7, "    7|%-4u|"},  // one value: a second directive has nothing to show
      {"%q %", 1, "%q %"},
      {"%x", 255, "%x"},  // no "d" or "u": a floating value, which a hexadecimal directive cannot show
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProgressCellText(QString::fromUtf8(c.format), c.position), QString::fromUtf8(c.want)) << c.format;
  }
}

TLevelBarSettings Plain_Levels() {
  TLevelBarSettings s;
  s.Level0Color = 0x00AA00;
  s.Level1Color = 0x00AAAA;
  s.Level2Color = 0x0055FF;
  s.Level3Color = 0x0000CC;
  s.Level1Perc = 70;
  s.Level2Perc = 90;
  s.ShowGradient = false;
  s.ShowPercentage = false;
  s.BackgroundColor = 0xF5F5F5;
  s.BorderColor = 0x404040;
  return s;
}

TEST(LevelProgressBar, LevelChosenByPercentage) {
  const TLevelBarSettings s = Plain_Levels();
  struct Case {
    int percent;
    TColor want;
  } cases[] = {{50, s.Level0Color}, {80, s.Level1Color}, {95, s.Level2Color}, {100, s.Level3Color}};
  for (const Case& c : cases) {
    TPaper p;
    DrawLevelProgressBar(p.Canvas, Rect(0, 0, 102, 12), c.percent, s);
    EXPECT_EQ(p.At(1, 5), c.want) << c.percent;
    EXPECT_EQ(p.At(c.percent, 5), c.want) << c.percent;
    EXPECT_EQ(p.At(0, 5), s.BorderColor);
    if (c.percent < 100) {
      EXPECT_EQ(p.At(c.percent + 1, 5), s.BackgroundColor) << c.percent;
    }
  }
}

TEST(LevelProgressBar, StackedNinetyFivePercentHasThreeSegments) {
  TLevelBarSettings s = Plain_Levels();
  s.Stacked = true;
  TPaper p;
  DrawLevelProgressBar(p.Canvas, Rect(0, 0, 102, 12), 95, s);
  EXPECT_EQ(p.At(70, 5), s.Level0Color);
  EXPECT_EQ(p.At(71, 5), s.Level1Color);
  EXPECT_EQ(p.At(90, 5), s.Level1Color);
  EXPECT_EQ(p.At(91, 5), s.Level3Color);
  EXPECT_EQ(p.At(95, 5), s.Level3Color);
  EXPECT_EQ(p.At(96, 5), s.BackgroundColor);
  EXPECT_EQ(p.Count(s.Level2Color, 0, 0, 102, 12), 0);
}

TEST(LevelProgressBar, BlocksOfSevenWithAShortLastBlock) {
  TLevelBarSettings s = Plain_Levels();
  s.CompletionSmooth = false;
  TPaper p;
  // Extent 48 and 50 %: t = 24, blocks [2, 9), [11, 18) and a last one of 5 pixels, [20, 25).
  DrawLevelProgressBar(p.Canvas, Rect(0, 0, 50, 12), 50, s);
  for (int x : {2, 8, 11, 17, 20, 24}) EXPECT_EQ(p.At(x, 5), s.Level0Color) << x;
  for (int x : {1, 9, 10, 18, 19, 25}) EXPECT_EQ(p.At(x, 5), s.BackgroundColor) << x;
  EXPECT_EQ(p.At(5, 1), s.BackgroundColor);
  EXPECT_EQ(p.At(5, 2), s.Level0Color);
  EXPECT_EQ(p.At(5, 9), s.Level0Color);
  EXPECT_EQ(p.At(5, 10), s.BackgroundColor);
}

TEST(LevelProgressBar, GradientHalvesAndPercentageText) {
  TLevelBarSettings s = Plain_Levels();
  s.ShowGradient = true;
  s.Level0ColorTo = 0xFFFFFF;
  s.ShowPercentage = true;
  s.FontColor = 0x0000FF;
  TPaper p;
  DrawLevelProgressBar(p.Canvas, Rect(0, 0, 102, 22), 50, s);
  EXPECT_EQ(p.At(10, 1), TColor(0xFFFFFF));
  EXPECT_EQ(p.At(10, 10), s.Level0Color);
  EXPECT_EQ(p.At(10, 11), s.Level0Color);
  EXPECT_EQ(p.At(10, 20), TColor(0xFFFFFF));
  EXPECT_GT(p.Count(s.FontColor, 30, 0, 70, 22), 0);
  EXPECT_EQ(p.Count(s.FontColor, 0, 0, 30, 22), 0);
}

TEST(PieCell, FillsTheSectorClockwiseFromTwelve) {
  TPaper p(60, 60);
  DrawPieCell(p.Canvas, Rect(0, 0, 41, 41), clRed, 25, false);
  EXPECT_EQ(p.At(28, 12), clRed);
  EXPECT_EQ(p.At(12, 12), clWhite);
  EXPECT_EQ(p.At(28, 28), clWhite);
  EXPECT_EQ(p.At(20, 10), clGray);  // the twelve o'clock radius
  EXPECT_EQ(p.At(30, 20), clGray);  // the three o'clock radius
  EXPECT_EQ(p.At(50, 50), clWhite);
  // With the print flag on this downward canvas the fill stays inside the pie.
  TPaper printed(60, 60);
  DrawPieCell(printed.Canvas, Rect(5, 5, 46, 46), clRed, 25, true);
  EXPECT_EQ(printed.At(33, 17), clRed);
  EXPECT_EQ(printed.At(2, 2), clWhite);
  EXPECT_EQ(printed.At(55, 55), clWhite);
  TPaper q(60, 60);
  DrawPieCell(q.Canvas, Rect(0, 0, 41, 41), clRed, 0, false);
  EXPECT_EQ(q.Count(clRed, 0, 0, 60, 60), 0);
  EXPECT_EQ(q.At(20, 10), clGray);
}

TEST(BipolarBar, GrowsFromTheCentreAndClampsToHalfTheWidth) {
  TPaper p;
  DrawBipolarBar(p.Canvas, Rect(0, 0, 44, 10), 5, 10, false, clRed, clGreen);
  EXPECT_EQ(p.At(22, 5), clGreen);
  EXPECT_EQ(p.At(31, 5), clGreen);
  EXPECT_EQ(p.At(32, 5), clWhite);
  EXPECT_EQ(p.At(21, 5), clWhite);
  DrawBipolarBar(p.Canvas, Rect(0, 20, 44, 30), -50, 10, false, clRed, clGreen);
  EXPECT_EQ(p.At(2, 25), clRed);
  EXPECT_EQ(p.At(21, 25), clRed);
  EXPECT_EQ(p.At(22, 25), clWhite);
  EXPECT_EQ(p.At(1, 25), clWhite);
  DrawBipolarBar(p.Canvas, Rect(60, 0, 104, 10), 5, 0, false, clRed, clGreen);
  EXPECT_EQ(p.Count(clGreen, 60, 0, 104, 10), 0);
}

TEST(CellShape, CircleTakesTheSmallerSideAndShapesLandWhereTheTableSays) {
  const TColor fill = 0x00AA00, pen = 0x0000AA;
  TPaper p;
  DrawCellShape(p.Canvas, 5, 5, 20, 12, csCircle, fill, pen);
  EXPECT_EQ(p.At(11, 11), fill);
  EXPECT_EQ(p.At(20, 11), clWhite);
  EXPECT_EQ(p.Count(pen, 17, 0, 40, 40), 0);
  EXPECT_GT(p.Count(pen, 5, 5, 17, 17), 0);
  DrawCellShape(p.Canvas, 40, 0, 10, 10, csRectangle, fill, pen);
  EXPECT_EQ(p.At(40, 0), clWhite);
  EXPECT_EQ(p.At(41, 1), pen);
  EXPECT_EQ(p.At(45, 5), fill);
  EXPECT_EQ(p.At(48, 8), pen);
  EXPECT_EQ(p.At(49, 9), clWhite);
  DrawCellShape(p.Canvas, 60, 0, 20, 20, csTriangleDown, fill, pen);
  EXPECT_EQ(p.At(70, 5), fill);
  EXPECT_EQ(p.At(62, 15), clWhite);
  DrawCellShape(p.Canvas, 90, 0, 20, 20, csStar, fill, pen);
  EXPECT_EQ(p.At(100, 10), fill);
  EXPECT_EQ(p.At(100, 0), pen);
  EXPECT_EQ(p.At(91, 1), clWhite);
  DrawCellShape(p.Canvas, 0, 25, 20, 20, csArrowUp, fill, pen);
  EXPECT_EQ(p.At(10, 40), fill);
  EXPECT_EQ(p.At(2, 40), clWhite);
  TPaper q;
  DrawCellShape(q.Canvas, 0, 0, 20, 20, TCellShape(19), fill, pen);
  EXPECT_EQ(q.Count(fill, 0, 0, 30, 30) + q.Count(pen, 0, 0, 30, 30), 0);
}

TEST(DownTriangle, SevenPixelsWideThreeHigh) {
  TPaper p;
  DrawDownTriangle(p.Canvas, 10, 10, clBlue);
  EXPECT_EQ(p.At(7, 10), clBlue);
  EXPECT_EQ(p.At(13, 10), clBlue);
  EXPECT_EQ(p.At(10, 12), clBlue);
  EXPECT_EQ(p.At(10, 14), clWhite);
  EXPECT_EQ(p.At(6, 10), clWhite);
}

TEST(SpellErrorUnderline, ZigZagStartsUnderTheFirstMarkedCharacter) {
  TPaper p(200, 40);
  TFont font;
  const QString text = QStringLiteral("Hello world");
  DrawSpellErrorUnderline(font, p.Canvas, text, Rect(10, 5, 190, 25), 10, 6, 5);
  const int start = 10 + QFontMetrics(ToQFont(font)).horizontalAdvance(text.left(6));
  EXPECT_EQ(p.Count(clRed, 0, 0, start, 40), 0);
  EXPECT_GT(p.Count(clRed, start, 15, start + 8, 20), 0);
  EXPECT_EQ(p.Count(clRed, 0, 0, 200, 15), 0);
  EXPECT_EQ(p.Count(clRed, 0, 20, 200, 40), 0);
}

}  // namespace
