// Pixel tests of the drawing layer: the classic desktop's edge rules, text flags, focus rectangles,
// transparency and clipping.
#include <gtest/gtest.h>

#include <QFontMetrics>

#include "UBitmap.h"
#include "UCanvas.h"
#include "USysColors.h"

void PrintTo(const TRect& r, std::ostream* os) {
  *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}

namespace {

// Rows and columns of the bitmap holding any pixel other than white, as a rectangle with exclusive right and bottom.
TRect Ink_Of(const TBitmap& bmp, int left = 0, int right = -1) {
  TRect r{1000, 1000, -1, -1};
  for (int y = 0; y < bmp.Height(); ++y) {
    for (int x = left; x < (right < 0 ? bmp.Width() : right); ++x) {
      if (bmp.Pixel(x, y) == clWhite) continue;
      r = Rect(std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1));
    }
  }
  return r;
}

// The runs of columns with ink between left and right, each separated from the next by a blank column.
int Ink_Runs(const TBitmap& bmp, int left, int right) {
  int runs = 0;
  bool in_run = false;
  for (int x = left; x < right; ++x) {
    bool ink = false;
    for (int y = 0; y < bmp.Height() && !ink; ++y) ink = bmp.Pixel(x, y) != clWhite;
    if (ink && !in_run) ++runs;
    in_run = ink;
  }
  return runs;
}

// A white bitmap with `text` painted at (10, 5) into a rectangle `width` wide, in a 14-point black font.
TBitmap Painted(const QString& text, int width, uint32_t flags) {
  TBitmap bmp(400, 40);
  TCanvas& c = bmp.Canvas();
  c.Brush().Color = clWhite;
  c.FillRect(Rect(0, 0, 400, 40));
  c.Brush().Style = bsClear;
  c.Font().SetSize(14);
  c.Font().Color = clBlack;
  TRect r = Rect(10, 5, 10 + width, 40);
  c.DrawText(text, r, flags);
  return bmp;
}

class CanvasTest : public ::testing::Test {
 protected:
  CanvasTest() : Bmp(40, 30) {
    Canvas().Brush().Color = clWhite;
    Canvas().FillRect(Rect(0, 0, 40, 30));
  }
  TCanvas& Canvas() { return Bmp.Canvas(); }
  TColor At(int x, int y) { return Canvas().Pixels(x, y); }
  TRect Ink() { return Ink_Of(Bmp); }
  TBitmap Bmp;
};

}  // namespace

TEST(SystemColors, ResolveThroughTheFixedTable) {
  struct Case {
    TColor Color;
    TColor Rgb;
  };
  const Case cases[] = {
      {clBtnFace, 0xF0F0F0},           {clWindow, 0xFFFFFF},    {clWindowText, 0x000000},
      {clHighlight, 0xFF9933},         {clBtnShadow, 0xA0A0A0}, {cl3DDkShadow, 0x696969},
      {clGrayText, 0x6D6D6D},          {clInfoBk, 0xE1FFFF},    {0x123456, 0x123456},
      {clSystemColor | 200, 0x000000},
  };
  for (const Case& c : cases) EXPECT_EQ(ColorToRGB(c.Color), c.Rgb) << std::hex << c.Color;
  // Highlight is RGB(51, 153, 255).
  EXPECT_EQ(TColorToQColor(clHighlight), QColor(51, 153, 255));
  EXPECT_EQ(QColorToTColor(QColor(51, 153, 255)), TColor(0xFF9933));
}

TEST_F(CanvasTest, RectangleKeepsRightAndBottomExclusive) {
  Canvas().Pen().Color = clRed;
  Canvas().Brush().Color = clBlue;
  Canvas().Rectangle(2, 3, 10, 8);
  EXPECT_EQ(At(2, 3), clRed);
  EXPECT_EQ(At(9, 7), clRed);
  EXPECT_EQ(At(9, 3), clRed);
  EXPECT_EQ(At(2, 7), clRed);
  EXPECT_EQ(At(3, 4), clBlue);
  EXPECT_EQ(At(8, 6), clBlue);
  EXPECT_EQ(At(10, 7), clWhite);
  EXPECT_EQ(At(9, 8), clWhite);
  EXPECT_EQ(At(1, 3), clWhite);
}

TEST_F(CanvasTest, RectangleWithoutPenFillsOnePixelLess) {
  Canvas().Pen().Style = psClear;
  Canvas().Brush().Color = clBlue;
  Canvas().Rectangle(2, 2, 10, 10);
  EXPECT_EQ(At(2, 2), clBlue);
  EXPECT_EQ(At(8, 8), clBlue);
  EXPECT_EQ(At(9, 8), clWhite);
  EXPECT_EQ(At(8, 9), clWhite);
}

TEST_F(CanvasTest, ClearBrushLeavesTheInside) {
  Canvas().Pen().Color = clRed;
  Canvas().Brush().Style = bsClear;
  Canvas().Rectangle(0, 0, 10, 10);
  EXPECT_EQ(At(0, 5), clRed);
  EXPECT_EQ(At(5, 5), clWhite);
}

TEST_F(CanvasTest, LineToLeavesOutItsLastPixel) {
  struct Case {
    TPoint From, To, Inside;
  };
  const Case cases[] = {
      {Point(2, 5), Point(12, 5), Point(11, 5)},
      {Point(5, 2), Point(5, 12), Point(5, 11)},
      {Point(12, 5), Point(2, 5), Point(3, 5)},
      {Point(2, 2), Point(12, 12), Point(11, 11)},
  };
  for (const Case& c : cases) {
    Canvas().Brush().Color = clWhite;
    Canvas().FillRect(Rect(0, 0, 40, 30));
    Canvas().Pen().Color = clBlack;
    Canvas().MoveTo(c.From.X, c.From.Y);
    Canvas().LineTo(c.To.X, c.To.Y);
    EXPECT_EQ(At(c.From.X, c.From.Y), clBlack);
    EXPECT_EQ(At(c.Inside.X, c.Inside.Y), clBlack);
    EXPECT_EQ(At(c.To.X, c.To.Y), clWhite) << c.To.X << "," << c.To.Y;
    EXPECT_EQ(Canvas().PenPos(), c.To);
  }
}

TEST_F(CanvasTest, JoinedLinesCloseACornerWithoutGaps) {
  Canvas().Pen().Color = clBlack;
  Canvas().MoveTo(0, 9);
  Canvas().LineTo(0, 0);
  Canvas().LineTo(9, 0);
  EXPECT_EQ(At(0, 9), clBlack);
  EXPECT_EQ(At(0, 0), clBlack);
  EXPECT_EQ(At(8, 0), clBlack);
  EXPECT_EQ(At(9, 0), clWhite);
}

TEST_F(CanvasTest, DottedPenAlternates) {
  Canvas().Pen().Color = clBlack;
  Canvas().Pen().Style = psDot;
  Canvas().MoveTo(0, 0);
  Canvas().LineTo(12, 0);
  EXPECT_EQ(At(0, 0), clBlack);
  EXPECT_EQ(At(2, 0), clBlack);
  EXPECT_EQ(At(3, 0), clWhite);
  EXPECT_EQ(At(6, 0), clBlack);
}

TEST_F(CanvasTest, PenModesCombineWithThePicture) {
  struct Case {
    TPenMode Mode;
    TColor Pen, Under, Expected;
  };
  const Case cases[] = {
      {pmCopy, clRed, clWhite, clRed},  {pmXor, clRed, clWhite, 0xFFFF00},  {pmXor, 0x00FF00, 0x0000FF, 0x00FFFF},
      {pmNot, clRed, clWhite, clBlack}, {pmNot, clRed, 0x123456, 0xEDCBA9},
  };
  for (const Case& c : cases) {
    Canvas().Brush().Color = c.Under;
    Canvas().FillRect(Rect(0, 0, 40, 30));
    Canvas().Pen().Color = c.Pen;
    Canvas().Pen().Mode = c.Mode;
    Canvas().MoveTo(2, 2);
    Canvas().LineTo(10, 2);
    EXPECT_EQ(At(5, 2), c.Expected) << c.Mode << " " << std::hex << c.Pen;
    EXPECT_EQ(At(5, 3), c.Under);
  }
  // Drawn twice, an XOR line leaves the picture as it was.
  Canvas().Brush().Color = 0x123456;
  Canvas().FillRect(Rect(0, 0, 40, 30));
  Canvas().Pen().Color = 0x00C0FF;
  Canvas().Pen().Mode = pmXor;
  for (int i = 0; i < 2; ++i) {
    Canvas().MoveTo(2, 2);
    Canvas().LineTo(10, 2);
    EXPECT_EQ(At(5, 2), i == 0 ? TColor(0x12F4A9) : TColor(0x123456));
  }
}

TEST_F(CanvasTest, FillAndFrameRect) {
  Canvas().Brush().Color = clGreen;
  Canvas().FillRect(Rect(1, 1, 5, 5));
  EXPECT_EQ(At(4, 4), clGreen);
  EXPECT_EQ(At(5, 4), clWhite);
  Canvas().Brush().Color = clRed;
  Canvas().FrameRect(Rect(10, 10, 20, 15));
  EXPECT_EQ(At(10, 10), clRed);
  EXPECT_EQ(At(19, 14), clRed);
  EXPECT_EQ(At(15, 12), clWhite);
  EXPECT_EQ(At(20, 14), clWhite);
}

TEST_F(CanvasTest, EllipseAndRoundRectStayInsideTheirBox) {
  Canvas().Pen().Color = clBlack;
  Canvas().Brush().Color = clBlue;
  Canvas().Ellipse(0, 0, 21, 21);
  EXPECT_EQ(At(0, 0), clWhite);
  EXPECT_EQ(At(10, 0), clBlack);
  EXPECT_EQ(At(20, 10), clBlack);
  EXPECT_EQ(At(21, 10), clWhite);
  EXPECT_EQ(At(10, 10), clBlue);
  Canvas().Brush().Style = bsClear;
  Canvas().RoundRect(22, 0, 40, 20, 6, 6);
  EXPECT_EQ(At(22, 0), clWhite);
  EXPECT_EQ(At(30, 0), clBlack);
  EXPECT_EQ(At(39, 10), clBlack);
  EXPECT_EQ(At(30, 19), clBlack);
  EXPECT_EQ(At(39, 19), clWhite);
}

TEST_F(CanvasTest, PolygonFillsAndOutlines) {
  Canvas().Pen().Color = clBlack;
  Canvas().Brush().Color = clRed;
  Canvas().Polygon({Point(0, 0), Point(20, 0), Point(0, 20)});
  EXPECT_EQ(At(0, 0), clBlack);
  EXPECT_EQ(At(4, 4), clRed);
  EXPECT_EQ(At(18, 18), clWhite);
}

TEST_F(CanvasTest, FocusRectInvertsEveryOtherPixelAndUndoesItself) {
  Canvas().Brush().Color = clNavy;
  Canvas().FillRect(Rect(0, 0, 40, 30));
  const TRect r = Rect(4, 4, 20, 12);
  Canvas().DrawFocusRect(r);
  EXPECT_EQ(At(4, 4), TColor(0x7FFFFF));
  EXPECT_EQ(At(5, 4), clNavy);
  EXPECT_EQ(At(6, 4), TColor(0x7FFFFF));
  EXPECT_EQ(At(4, 6), TColor(0x7FFFFF));
  EXPECT_EQ(At(10, 8), clNavy);
  EXPECT_EQ(At(20, 4), clNavy);
  Canvas().DrawFocusRect(r);
  for (int x = 0; x < 40; ++x) {
    for (int y = 0; y < 30; ++y) ASSERT_EQ(At(x, y), clNavy) << x << "," << y;
  }
}

TEST_F(CanvasTest, PixelsOutsideReadNone) {
  Canvas().SetPixels(3, 3, clRed);
  EXPECT_EQ(At(3, 3), clRed);
  EXPECT_EQ(At(-1, 0), clNone);
  EXPECT_EQ(At(40, 0), clNone);
  Canvas().SetPixels(40, 0, clRed);  // ignored, not a crash
}

TEST_F(CanvasTest, ClipLimitsDrawingUntilPopped) {
  Canvas().PushClip(Rect(5, 5, 10, 10));
  Canvas().PushClip(Rect(0, 0, 8, 8));
  EXPECT_EQ(Canvas().ClipRect(), Rect(5, 5, 8, 8));
  Canvas().Brush().Color = clRed;
  Canvas().FillRect(Rect(0, 0, 40, 30));
  EXPECT_EQ(At(5, 5), clRed);
  EXPECT_EQ(At(8, 8), clWhite);
  Canvas().PopClip();
  Canvas().PopClip();
  EXPECT_EQ(Canvas().ClipRect(), Rect(0, 0, 40, 30));
  Canvas().FillRect(Rect(20, 20, 22, 22));
  EXPECT_EQ(At(21, 21), clRed);
}

TEST_F(CanvasTest, TransparentDrawLeavesOutTheBottomLeftColour) {
  TBitmap glyph(4, 4);
  glyph.Canvas().Brush().Color = clOlive;
  glyph.Canvas().FillRect(Rect(0, 0, 4, 4));
  glyph.Canvas().SetPixels(1, 1, clRed);
  glyph.SetTransparent(true);
  EXPECT_EQ(glyph.TransparentColor(), clOlive);
  Canvas().Draw(10, 10, glyph);
  EXPECT_EQ(At(11, 11), clRed);
  EXPECT_EQ(At(10, 10), clWhite);
  glyph.SetTransparent(false);
  Canvas().Draw(20, 10, glyph);
  EXPECT_EQ(At(20, 10), clOlive);
}

TEST_F(CanvasTest, StretchDrawScalesWithoutBlending) {
  TBitmap two(2, 1);
  two.Canvas().SetPixels(0, 0, clRed);
  two.Canvas().SetPixels(1, 0, clBlue);
  Canvas().StretchDraw(Rect(0, 0, 8, 4), two);
  EXPECT_EQ(At(0, 0), clRed);
  EXPECT_EQ(At(3, 3), clRed);
  EXPECT_EQ(At(4, 0), clBlue);
  EXPECT_EQ(At(7, 3), clBlue);
  EXPECT_EQ(At(8, 0), clWhite);
}

TEST_F(CanvasTest, DrawingABitmapOntoItselfReadsTheOldPixels) {
  Canvas().SetPixels(0, 0, clRed);
  Canvas().Draw(1, 1, Bmp);
  EXPECT_EQ(At(1, 1), clRed);
  EXPECT_EQ(At(2, 2), clWhite);
}

TEST(Bitmap, ResizingKeepsThePixelsThatFit) {
  TBitmap strip(6, 2);
  strip.Canvas().SetPixels(1, 1, clRed);
  strip.Canvas().SetPixels(4, 0, clBlue);
  strip.SetSize(3, 2);
  EXPECT_EQ(strip.Width(), 3);
  EXPECT_EQ(strip.Pixel(1, 1), clRed);
  EXPECT_EQ(strip.Pixel(4, 0), clNone);
  strip.SetSize(0, 2);
  EXPECT_TRUE(strip.Empty());
}

TEST_F(CanvasTest, TextOutTopLeftAndTransparentBackground) {
  Canvas().Font().Color = clBlack;
  Canvas().Brush().Color = clYellow;
  Canvas().TextOut(3, 4, QStringLiteral("H"));
  const TRect ink = Ink();
  EXPECT_EQ(ink.Left, 3);
  EXPECT_EQ(ink.Top, 4);
  EXPECT_EQ(At(3, 4), clYellow);  // opaque: the cell takes the brush colour
  Canvas().Brush().Color = clWhite;
  Canvas().FillRect(Rect(0, 0, 40, 30));
  Canvas().Brush().Style = bsClear;
  Canvas().TextOut(3, 4, QStringLiteral("H"));
  EXPECT_EQ(At(3, 4), clWhite);
  const TRect glyph = Ink();
  EXPECT_GE(glyph.Top, 4);
  EXPECT_LE(glyph.Bottom, 4 + Canvas().TextHeight(QStringLiteral("H")));
}

TEST_F(CanvasTest, RotatedTextRunsUpwards) {
  Canvas().Brush().Style = bsClear;
  Canvas().Font().Orientation = 900;
  Canvas().TextOut(5, 28, QStringLiteral("HHH"));
  const TRect ink = Ink();
  EXPECT_GE(ink.Left, 5);
  EXPECT_LE(ink.Right, 5 + Canvas().TextHeight(QStringLiteral("H")));
  EXPECT_LT(ink.Top, 28 - Canvas().TextWidth(QStringLiteral("HH")));
  EXPECT_LE(ink.Bottom, 28);
}

TEST_F(CanvasTest, VerticalAlignmentOnlyForSingleLines) {
  Canvas().Brush().Style = bsClear;
  const int lineHeight = Canvas().TextHeight(QStringLiteral("H"));
  struct Case {
    uint32_t Flags;
    int TopMin, TopMax;
  };
  const int centred = (30 - lineHeight) / 2;
  const Case cases[] = {
      {DT_SINGLELINE | DT_VCENTER, centred, centred + lineHeight / 2},
      {DT_SINGLELINE | DT_BOTTOM, 30 - lineHeight, 29},
      {DT_VCENTER, 0, lineHeight / 2},
      {DT_BOTTOM | DT_WORDBREAK, 0, lineHeight / 2},
  };
  for (const Case& c : cases) {
    Canvas().Brush().Style = bsSolid;
    Canvas().FillRect(Rect(0, 0, 40, 30));
    Canvas().Brush().Style = bsClear;
    TRect r = Rect(0, 0, 40, 30);
    EXPECT_EQ(Canvas().DrawText(QStringLiteral("H"), r, c.Flags), lineHeight);
    const TRect ink = Ink();
    EXPECT_GE(ink.Top, c.TopMin) << c.Flags;
    EXPECT_LE(ink.Top, c.TopMax) << c.Flags;
  }
}

TEST_F(CanvasTest, HorizontalAlignment) {
  Canvas().Brush().Style = bsClear;
  const int w = Canvas().TextWidth(QStringLiteral("II"));
  struct Case {
    uint32_t Flags;
    int Left;
  };
  const Case cases[] = {{DT_LEFT, 0}, {DT_CENTER, (40 - w) / 2}, {DT_RIGHT, 40 - w}};
  for (const Case& c : cases) {
    Canvas().Brush().Style = bsSolid;
    Canvas().FillRect(Rect(0, 0, 40, 30));
    Canvas().Brush().Style = bsClear;
    TRect r = Rect(0, 0, 40, 30);
    Canvas().DrawText(QStringLiteral("II"), r, c.Flags | DT_SINGLELINE);
    const TRect ink = Ink();
    EXPECT_GE(ink.Left, c.Left) << c.Flags;
    EXPECT_LE(ink.Right, c.Left + w) << c.Flags;
  }
}

TEST_F(CanvasTest, CalcRectMeasuresWithoutDrawing) {
  const int lineHeight = Canvas().TextHeight(QStringLiteral("x"));
  TRect one = Rect(5, 5, 200, 5);
  EXPECT_EQ(Canvas().DrawText(QStringLiteral("Hello"), one, DT_CALCRECT | DT_SINGLELINE), lineHeight);
  EXPECT_EQ(one, Rect(5, 5, 5 + Canvas().TextWidth(QStringLiteral("Hello")), 5 + lineHeight));
  EXPECT_EQ(Ink().Right, -1);

  // Word break: each word on its own line when the rectangle is narrower than two words.
  const int word = Canvas().TextWidth(QStringLiteral("Hello"));
  TRect wrapped = Rect(0, 0, word + 2, 0);
  EXPECT_EQ(Canvas().DrawText(QStringLiteral("Hello Hello Hello"), wrapped, DT_CALCRECT | DT_WORDBREAK),
            3 * lineHeight);
  EXPECT_EQ(wrapped.Width(), word);

  // A word wider than the rectangle stays whole and widens it.
  TRect narrow = Rect(0, 0, 3, 0);
  Canvas().DrawText(QStringLiteral("Hello"), narrow, DT_CALCRECT | DT_WORDBREAK);
  EXPECT_EQ(narrow.Width(), word);

  // Line breaks count without word break; a single line ignores them.
  TRect lines = Rect(0, 0, 100, 0);
  EXPECT_EQ(Canvas().DrawText(QStringLiteral("a\r\nb\nc"), lines, DT_CALCRECT), 3 * lineHeight);
  TRect single = Rect(0, 0, 100, 0);
  EXPECT_EQ(Canvas().DrawText(QStringLiteral("a\r\nb\nc"), single, DT_CALCRECT | DT_SINGLELINE), lineHeight);
}

TEST_F(CanvasTest, PrefixAndEllipsisAndTabs) {
  const int amp = Canvas().TextWidth(QStringLiteral("&"));
  TRect r = Rect(0, 0, 100, 0);
  Canvas().DrawText(QStringLiteral("a&&b"), r, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(r.Width(), Canvas().TextWidth(QStringLiteral("a&b")));
  r = Rect(0, 0, 100, 0);
  Canvas().DrawText(QStringLiteral("&ab"), r, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(r.Width(), Canvas().TextWidth(QStringLiteral("ab")));
  r = Rect(0, 0, 100, 0);
  Canvas().DrawText(QStringLiteral("&ab"), r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(r.Width(), Canvas().TextWidth(QStringLiteral("ab")) + amp);

  r = Rect(0, 0, 400, 0);
  Canvas().DrawText(QStringLiteral("a\tb"), r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  EXPECT_GE(r.Width(), 8 * QFontMetrics(ToQFont(Canvas().Font())).averageCharWidth());
}

// The ellipsis is looked for where it is painted: the line ends in the three dots of "..." painted alone (three
// runs of ink, none above the dots' own top row), after some of the text, and all of it inside the rectangle.
TEST_F(CanvasTest, EndEllipsisPaintsThreeDotsInsideTheRectangle) {
  const QString text = QStringLiteral("Sphinx of black quartz, judge my vow");
  const TRect dots = Ink_Of(Painted(QStringLiteral("..."), 400, DT_SINGLELINE));
  ASSERT_GT(dots.Right, dots.Left);
  const TRect whole = Ink_Of(Painted(text, 400, DT_SINGLELINE));
  const int width = (whole.Right - whole.Left) / 2;

  const TBitmap cut = Painted(text, width, DT_SINGLELINE | DT_END_ELLIPSIS);
  const TRect ink = Ink_Of(cut);
  EXPECT_GE(ink.Left, 10);
  EXPECT_LE(ink.Right, 10 + width);
  const int tail_left = ink.Right - (dots.Right - dots.Left);
  EXPECT_GT(tail_left - ink.Left, dots.Right - dots.Left) << "more than the dots are painted";
  EXPECT_EQ(Ink_Runs(cut, tail_left, ink.Right), 3);
  const TRect tail = Ink_Of(cut, tail_left, ink.Right);
  EXPECT_GE(tail.Top, dots.Top);
  EXPECT_EQ(tail.Bottom, dots.Bottom);

  // Measuring gives the width of what is painted.
  TRect measured = Rect(0, 0, width, 0);
  Canvas().Font().SetSize(14);
  Canvas().DrawText(text, measured, DT_CALCRECT | DT_SINGLELINE | DT_END_ELLIPSIS);
  EXPECT_LE(measured.Width(), width);
  EXPECT_GE(measured.Width(), ink.Right - 10);
}

TEST_F(CanvasTest, PrefixUnderlinesItsCharacter) {
  Canvas().Brush().Style = bsClear;
  TRect r = Rect(0, 0, 40, 30);
  Canvas().DrawText(QStringLiteral("&i"), r, DT_SINGLELINE);
  const TRect underlined = Ink();
  // The "&" itself is not drawn: the ink is no wider than the "i" it underlines.
  EXPECT_LE(underlined.Width(), Canvas().TextWidth(QStringLiteral("i")));
  Canvas().Brush().Style = bsSolid;
  Canvas().FillRect(Rect(0, 0, 40, 30));
  Canvas().Brush().Style = bsClear;
  r = Rect(0, 0, 40, 30);
  Canvas().DrawText(QStringLiteral("i"), r, DT_SINGLELINE);
  EXPECT_GT(underlined.Bottom, Ink().Bottom);
}
