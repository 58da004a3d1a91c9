// Pixel tests of what the grid's painting needs of the canvas: line spans, saved states, the viewport origin,
// text rectangles and flags, elision, flood fill, rectangle copies and the resolution of printer canvases.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontMetrics>
#include <QPdfWriter>
#include <QPixmap>
#include <functional>

#include "UBitmap.h"
#include "UCanvas.h"
#include "USysColors.h"

namespace {

constexpr int Width = 40;
constexpr int Height = 30;

class CanvasMoreTest : public ::testing::Test {
 protected:
  CanvasMoreTest() : Bmp(Width, Height) { Clear(); }
  TCanvas& Canvas() { return Bmp.Canvas(); }
  TColor At(int x, int y) { return Bmp.Pixel(x, y); }
  // Whitens the whole picture, whatever the origin.
  void Clear() {
    const TPoint origin = Canvas().ViewportOrg();
    Canvas().SetViewportOrg(Point(0, 0));
    Canvas().Brush().Color = clWhite;
    Canvas().Brush().Style = bsSolid;
    Canvas().FillRect(Rect(0, 0, Width, Height));
    Canvas().SetViewportOrg(origin);
  }
  // The rectangle of pixels other than white (exclusive right and bottom); Right -1 when there is none.
  TRect Ink() {
    TRect r{1000, 1000, -1, -1};
    for (int y = 0; y < Height; ++y) {
      for (int x = 0; x < Width; ++x) {
        if (Bmp.Pixel(x, y) == clWhite) continue;
        r = Rect(std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1));
      }
    }
    return r;
  }
  // Every pixel is `inside` where the predicate holds and `outside` elsewhere.
  void Expect_Pixels(const std::function<bool(int, int)>& in, TColor inside, TColor outside, const char* what) {
    for (int y = 0; y < Height; ++y) {
      for (int x = 0; x < Width; ++x) {
        ASSERT_EQ(At(x, y), in(x, y) ? inside : outside) << what << " at " << x << "," << y;
      }
    }
  }
  TBitmap Bmp;
};

}  // namespace

// Solid horizontal and vertical lines are filled as spans; they must cover exactly the pixels the point-by-point
// rule gives: from the start up to, not including, the end, each pixel a square of the pen's width.
TEST_F(CanvasMoreTest, SolidLinesCoverThePixelsOfThePointRule) {
  struct Case {
    TPoint From, To;
    int PenWidth;
    TPenMode Mode;
  };
  const Case cases[] = {
      {Point(3, 5), Point(20, 5), 1, pmCopy},   {Point(20, 5), Point(3, 5), 1, pmCopy},
      {Point(7, 2), Point(7, 25), 1, pmCopy},   {Point(7, 25), Point(7, 2), 1, pmCopy},
      {Point(3, 10), Point(20, 10), 3, pmCopy}, {Point(9, 25), Point(9, 4), 4, pmCopy},
      {Point(3, 5), Point(20, 5), 1, pmXor},    {Point(6, 6), Point(6, 6), 1, pmCopy},
  };
  for (const Case& c : cases) {
    Clear();
    // Red XOR white is aqua.
    const TColor expected = c.Mode == pmXor ? TColor(0xFFFF00) : clBlack;
    Canvas().Pen().Color = c.Mode == pmXor ? clRed : clBlack;
    Canvas().Pen().Width = c.PenWidth;
    Canvas().Pen().Mode = c.Mode;
    Canvas().MoveTo(c.From.X, c.From.Y);
    Canvas().LineTo(c.To.X, c.To.Y);
    const int half = (c.PenWidth - 1) / 2;
    const int x0 = std::min(c.From.X, c.To.X + (c.To.X < c.From.X ? 1 : 0));
    const int x1 = std::max(c.From.X, c.To.X - (c.To.X > c.From.X ? 1 : 0));
    const int y0 = std::min(c.From.Y, c.To.Y + (c.To.Y < c.From.Y ? 1 : 0));
    const int y1 = std::max(c.From.Y, c.To.Y - (c.To.Y > c.From.Y ? 1 : 0));
    const bool empty = c.From == c.To;
    auto in = [&](int x, int y) {
      return !empty && x >= x0 - half && x <= x1 - half + c.PenWidth - 1 && y >= y0 - half &&
             y <= y1 - half + c.PenWidth - 1;
    };
    Expect_Pixels(in, expected, clWhite, "line");
  }
}

TEST_F(CanvasMoreTest, RestoreBringsBackTheWholeState) {
  TCanvas& c = Canvas();
  c.Pen().Color = clRed;
  c.Brush().Color = clBlue;
  c.Font().Height = -13;
  c.SetBkMode(bkTransparent);
  c.MoveTo(3, 4);
  c.PushClip(Rect(0, 0, 20, 20));
  c.SetViewportOrg(Point(2, 1));
  const int first = c.SaveDC();
  EXPECT_EQ(first, 1);

  c.Pen().Color = clGreen;
  c.Brush().Style = bsClear;
  c.Font().Style = fsBold;
  c.SetBkMode(bkOpaque);
  c.MoveTo(9, 9);
  c.PushClip(Rect(5, 5, 8, 8));
  c.SetViewportOrg(Point(0, 0));
  EXPECT_EQ(c.SaveDC(), 2);
  c.Pen().Color = clYellow;

  // Restoring the first state drops the second as well.
  EXPECT_TRUE(c.RestoreDC(first));
  EXPECT_EQ(c.Pen().Color, clRed);
  EXPECT_EQ(c.Brush(), (TBrush{clBlue, bsSolid}));
  EXPECT_EQ(c.Font().Height, -13);
  EXPECT_FALSE(c.Font().Style.testFlag(fsBold));
  EXPECT_EQ(c.BkMode(), bkTransparent);
  EXPECT_EQ(c.PenPos(), Point(3, 4));
  EXPECT_EQ(c.ViewportOrg(), Point(2, 1));
  EXPECT_EQ(c.ClipRect(), Rect(-2, -1, 18, 19));
  EXPECT_FALSE(c.RestoreDC(-1));
  EXPECT_FALSE(c.RestoreDC(2));
  EXPECT_FALSE(c.RestoreDC(0));

  // The restored clip and origin are in force for drawing: device (2..21, 1..20) only.
  c.Brush().Color = clBlack;
  c.FillRect(Rect(-10, -10, 60, 60));
  EXPECT_EQ(Ink(), Rect(0, 0, 20, 20));

  // -1 is the state saved last.
  c.Pen().Color = clLime;
  c.SaveDC();
  c.Pen().Color = clNavy;
  c.SaveDC();
  c.Pen().Color = clPurple;
  EXPECT_TRUE(c.RestoreDC(-1));
  EXPECT_EQ(c.Pen().Color, clNavy);
  EXPECT_TRUE(c.RestoreDC(-1));
  EXPECT_EQ(c.Pen().Color, clLime);
}

TEST_F(CanvasMoreTest, ViewportOriginMovesDrawingButNotAnEarlierClip) {
  TCanvas& c = Canvas();
  c.SetViewportOrg(Point(10, 5));
  c.Brush().Color = clRed;
  c.FillRect(Rect(0, 0, 2, 2));
  EXPECT_EQ(Ink(), Rect(10, 5, 12, 7));
  EXPECT_EQ(c.Pixels(0, 0), clRed);
  EXPECT_EQ(c.Pixels(-10, -5), clWhite);
  c.SetPixels(1, 3, clBlue);
  EXPECT_EQ(At(11, 8), clBlue);

  Clear();
  c.SetViewportOrg(Point(0, 0));
  c.PushClip(Rect(0, 0, 5, 5));
  c.SetViewportOrg(Point(3, 3));
  EXPECT_EQ(c.ClipRect(), Rect(-3, -3, 2, 2));
  c.Brush().Color = clBlack;
  c.FillRect(Rect(-20, -20, 50, 50));
  EXPECT_EQ(Ink(), Rect(0, 0, 5, 5));
  c.PopClip();

  // Lines and text follow the origin too.
  Clear();
  c.Pen().Color = clBlack;
  c.MoveTo(0, 0);
  c.LineTo(4, 0);
  EXPECT_EQ(Ink(), Rect(3, 3, 7, 4));
  Clear();
  c.Brush().Style = bsClear;
  c.TextOut(0, 0, QStringLiteral("H"));
  EXPECT_GE(Ink().Left, 3);
  EXPECT_GE(Ink().Top, 3);
}

TEST_F(CanvasMoreTest, TextRectFillsTheRectangleAndCutsTheText) {
  TCanvas& c = Canvas();
  c.Brush().Color = clYellow;
  c.Font().Color = clBlack;
  const TRect r = Rect(5, 5, 15, 20);
  c.TextRect(r, 8, 6, QStringLiteral("WWWWWWWW"));
  EXPECT_EQ(Ink(), r);
  EXPECT_EQ(At(5, 19), clYellow);
  bool black = false;
  for (int x = 8; x < 15; ++x) black = black || At(x, 10) == clBlack || At(x, 12) == clBlack;
  EXPECT_TRUE(black);

  // A clear brush leaves the background.
  Clear();
  c.Brush().Style = bsClear;
  c.TextRect(r, 8, 6, QStringLiteral("WWWWWWWW"));
  const TRect ink = Ink();
  EXPECT_GE(ink.Left, 8);
  EXPECT_LE(ink.Right, 15);
  EXPECT_EQ(c.TextExtent(QStringLiteral("Wa")), (TSize{c.TextWidth(QStringLiteral("Wa")), c.TextHeight("Wa")}));
}

// Elision keeps the most characters that fit with the dots: the same answer as chopping one character at a time.
TEST_F(CanvasMoreTest, EllipsisKeepsTheMostCharactersThatFit) {
  TCanvas& c = Canvas();
  const QStringList texts{QStringLiteral("A rather long caption"), QStringLiteral("iiiiiiiiiiiiWWWWWWWW"),
                          QStringLiteral("WWWWWWiiiiiiiiiiiiii"), QStringLiteral("x")};
  for (const QString& text : texts) {
    for (int width = 0; width <= c.TextWidth(text) + 2; ++width) {
      QString kept = text;
      if (c.TextWidth(text) > width) {
        while (!kept.isEmpty() && c.TextWidth(kept + "...") > width) kept.chop(1);
        kept += QStringLiteral("...");
      }
      TRect r = Rect(0, 0, width, 0);
      c.DrawText(text, r, DT_CALCRECT | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
      ASSERT_EQ(r.Width(), c.TextWidth(kept)) << text.toStdString() << " in " << width;
    }
  }
}

TEST_F(CanvasMoreTest, EditControlBreaksLongWordsAndDropsACutLastLine) {
  TCanvas& c = Canvas();
  const int lineHeight = c.TextHeight(QStringLiteral("W"));
  const int width = c.TextWidth(QStringLiteral("WWW"));
  TRect r = Rect(0, 0, width, 0);
  EXPECT_EQ(c.DrawText(QStringLiteral("WWWWWWWW"), r, DT_CALCRECT | DT_WORDBREAK), lineHeight);
  r = Rect(0, 0, width, 0);
  EXPECT_EQ(c.DrawText(QStringLiteral("WWWWWWWW"), r, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL), 3 * lineHeight);
  EXPECT_EQ(r.Width(), width);

  // Two lines in a rectangle one and a half lines high: the second is left out, unless it may show cut.
  for (const uint32_t extra : {0u, DT_EDITCONTROL}) {
    Clear();
    c.Brush().Style = bsClear;
    TRect box = Rect(0, 0, Width, lineHeight + lineHeight / 2);
    c.DrawText(QStringLiteral("H\nH"), box, DT_WORDBREAK | extra);
    EXPECT_EQ(Ink().Bottom > lineHeight, extra == 0) << extra;
  }
}

TEST_F(CanvasMoreTest, HiddenPrefixAndExternalLeading) {
  TCanvas& c = Canvas();
  c.Brush().Style = bsClear;
  TRect r = Rect(0, 0, Width, Height);
  c.DrawText(QStringLiteral("&i"), r, DT_SINGLELINE | DT_HIDEPREFIX);
  const TRect hidden = Ink();
  Clear();
  c.Brush().Style = bsClear;
  r = Rect(0, 0, Width, Height);
  c.DrawText(QStringLiteral("i"), r, DT_SINGLELINE);
  EXPECT_EQ(hidden, Ink());

  c.Font().Name = QStringLiteral("Arial");
  c.Font().Height = -40;
  const QFontMetrics metrics(ToQFont(c.Font()));
  // The font is chosen for its external leading; without one the two heights could not differ.
  ASSERT_GT(metrics.leading(), 0);
  r = Rect(0, 0, 100, 0);
  EXPECT_EQ(c.DrawText(QStringLiteral("a\nb"), r, DT_CALCRECT | DT_EXTERNALLEADING),
            2 * (metrics.height() + metrics.leading()));
  r = Rect(0, 0, 100, 0);
  EXPECT_EQ(c.DrawText(QStringLiteral("a\nb"), r, DT_CALCRECT), 2 * metrics.height());
}

// In right-to-left reading a trailing full stop goes to the left of the letter.
TEST_F(CanvasMoreTest, RightToLeftReadingOrdersNeutralsFromTheRight) {
  TCanvas& c = Canvas();
  auto first_column_top = [&](uint32_t flags) {
    Clear();
    c.Brush().Style = bsClear;
    TRect r = Rect(0, 0, Width, Height);
    c.DrawText(QStringLiteral("H."), r, DT_SINGLELINE | flags);
    const TRect ink = Ink();
    for (int y = 0; y < Height; ++y) {
      if (At(ink.Left, y) != clWhite) return y;
    }
    return -1;
  };
  const int leftToRight = first_column_top(0);
  const int rightToLeft = first_column_top(DT_RTLREADING);
  // The H's stem reaches higher than the full stop.
  EXPECT_LT(leftToRight, rightToLeft - 3);
}

TEST_F(CanvasMoreTest, FloodFillBySurfaceAndByBorder) {
  TCanvas& c = Canvas();
  c.Pen().Color = clBlack;
  c.Brush().Style = bsClear;
  c.Rectangle(5, 5, 20, 15);
  c.Rectangle(25, 5, 35, 15);
  c.Brush().Style = bsSolid;
  c.Brush().Color = clRed;
  c.FloodFill(10, 10, clBlack, fsBorder);
  auto in_first = [](int x, int y) { return x > 5 && x < 19 && y > 5 && y < 14; };
  auto frame = [](int x, int y, int l, int t, int r, int b) {
    return x >= l && x < r && y >= t && y < b && (x == l || x == r - 1 || y == t || y == b - 1);
  };
  for (int y = 0; y < Height; ++y) {
    for (int x = 0; x < Width; ++x) {
      const bool black = frame(x, y, 5, 5, 20, 15) || frame(x, y, 25, 5, 35, 15);
      ASSERT_EQ(At(x, y), black ? clBlack : in_first(x, y) ? clRed : clWhite) << x << "," << y;
    }
  }
  // By surface: the white around both frames, not the inside of the second one.
  c.Brush().Color = clBlue;
  c.FloodFill(0, 0, clWhite, fsSurface);
  EXPECT_EQ(At(0, 0), clBlue);
  EXPECT_EQ(At(39, 29), clBlue);
  EXPECT_EQ(At(22, 10), clBlue);
  EXPECT_EQ(At(30, 10), clWhite);
  EXPECT_EQ(At(10, 10), clRed);
  // A seed outside the area, or a clip around it, limits the fill.
  c.Brush().Color = clGreen;
  c.FloodFill(10, 10, clWhite, fsSurface);
  EXPECT_EQ(At(10, 10), clRed);
  c.PushClip(Rect(26, 6, 30, 14));
  c.FloodFill(27, 10, clWhite, fsSurface);
  c.PopClip();
  EXPECT_EQ(At(27, 10), clGreen);
  EXPECT_EQ(At(31, 10), clWhite);
}

TEST_F(CanvasMoreTest, CopyRectStretchesAndCopiesWithinOnePicture) {
  TBitmap source(4, 2);
  source.Canvas().Brush().Color = clRed;
  source.Canvas().FillRect(Rect(0, 0, 2, 2));
  source.Canvas().Brush().Color = clBlue;
  source.Canvas().FillRect(Rect(2, 0, 4, 2));
  Canvas().CopyRect(Rect(10, 10, 18, 14), source.Canvas(), Rect(0, 0, 4, 2));
  EXPECT_EQ(Ink(), Rect(10, 10, 18, 14));
  EXPECT_EQ(At(13, 13), clRed);
  EXPECT_EQ(At(14, 10), clBlue);

  // Overlapping source and destination read the pixels as they were.
  Canvas().CopyRect(Rect(12, 10, 20, 14), Canvas(), Rect(10, 10, 18, 14));
  EXPECT_EQ(At(12, 10), clRed);
  EXPECT_EQ(At(15, 10), clRed);
  EXPECT_EQ(At(16, 10), clBlue);
  EXPECT_EQ(At(19, 13), clBlue);
}

// A printer-like canvas of 600 pixels per inch gives fonts of the same size in points many more pixels.
TEST(CanvasResolution, PrinterCanvasScalesFontSizes) {
  QImage paper(200, 200, QImage::Format_RGB32);
  paper.setDotsPerMeterX(23622);
  paper.setDotsPerMeterY(23622);
  TCanvas printer(&paper);
  EXPECT_EQ(printer.PixelsPerInch(), 600);
  EXPECT_EQ(printer.Font().PixelsPerInch, 600);
  printer.Font().SetSize(8);
  EXPECT_EQ(printer.Font().Height, -67);
  EXPECT_EQ(printer.Font().Size(), 8);

  TFont screen;
  screen.SetSize(10);
  EXPECT_EQ(screen.Height, -13);
  printer.SetFont(screen);
  EXPECT_EQ(printer.Font().Size(), 10);
  EXPECT_EQ(printer.Font().Height, -83);

  QImage display(20, 20, QImage::Format_RGB32);
  TCanvas normal(&display);
  normal.SetFont(screen);
  EXPECT_EQ(normal.Font().Height, -13);
  EXPECT_GT(printer.TextHeight(QStringLiteral("H")), 5 * normal.TextHeight(QStringLiteral("H")));

  // A PDF writer has its own resolution; the screen is always the classic 96, whatever the desktop reports.
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  QPdfWriter writer(&pdf);
  writer.setResolution(300);
  EXPECT_EQ(TCanvas(&writer).PixelsPerInch(), 300);
  QPixmap pixmap(10, 10);
  EXPECT_EQ(TCanvas(&pixmap).PixelsPerInch(), 96);
}
