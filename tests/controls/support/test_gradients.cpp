#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "UColorMath.h"
#include "UGradients.h"
#include "ULayeredWindows.h"
#include "USysColors.h"
#include "UTransparentBitmaps.h"

namespace {

// A white image with a canvas over it.
struct TPaper {
  explicit TPaper(int w = 60, int h = 40) : Image(w, h, QImage::Format_RGB32), Canvas(&Image) {
    Image.fill(Qt::white);
  }
  TColor At(int x, int y) { return Canvas.Pixels(x, y); }
  QImage Image;
  TCanvas Canvas;
};

TEST(ColorMath, BlendAndAdjust) {
  struct Case {
    TColor got, want;
  } cases[] = {
      {BlendColor(0xFFFFFF, 0x000000, 50), 0x808080},
      {BlendColor(0xFFFFFF, 0x000000, 100), 0xFFFFFF},
      {BlendColor(0xFFFFFF, 0x000000, 0), 0x000000},
      // 20 % of a border colour on white, as the bars' light outline.
      {BlendColor(0x000000, 0xFFFFFF, 20), 0xCCCCCC},
      {BlendColor(clBtnFace, 0x000000, 150), clBtnFace},
      // Red and green 10 % darker: the bar buttons' checked colours from their hot ones.
      {AdjustColor(0xF5F0E1, -10, -10, 0), 0xF5D8CA},
      {AdjustColor(0xF9D2B2, -10, -10, 0), 0xF9BDA0},
      // Positive percentages never lighten; a zero channel takes the positive percentage.
      {AdjustColor(0x102030, 20, 20, 20), 0x102030},
      {AdjustColor(0x100000, 0, 5, -5), 0x0F0500},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
}

TEST(DrawGradientBands, CountStepAndOverlap) {
  // Two bands from black to white over 20 pixels, stepped over 19: band 0 black from 0, band 1 at 0x808080 from
  // nearest(9.5) = 10, each nearest(9.5) + 1 = 11 wide, so the last band still reaches the last column.
  TPaper p(24, 4);
  DrawGradient(p.Canvas, 0x000000, 0xFFFFFF, 2, Rect(0, 0, 20, 4), true);
  EXPECT_EQ(p.At(0, 1), 0x000000u);
  EXPECT_EQ(p.At(9, 1), 0x000000u);
  EXPECT_EQ(p.At(10, 1), 0x808080u);
  EXPECT_EQ(p.At(18, 1), 0x808080u);
  EXPECT_EQ(p.At(19, 1), 0x808080u);
  EXPECT_EQ(p.At(21, 1), 0xFFFFFFu);
  // 0 steps paint one band in the start colour, vertically too.
  TPaper q(10, 12);
  DrawGradient(q.Canvas, 0x0000FF, 0x00FF00, 0, Rect(0, 0, 10, 10), false);
  EXPECT_EQ(q.At(5, 0), 0x0000FFu);
  EXPECT_EQ(q.At(5, 8), 0x0000FFu);
  EXPECT_EQ(q.At(5, 9), 0x0000FFu);
  EXPECT_EQ(q.At(5, 10), 0xFFFFFFu);
}

TEST(ColorMath, InterpolateHalveScaleAndHex) {
  struct Case {
    TColor got, want;
  } cases[] = {
      // 127.5 goes to the even neighbour.
      {InterpolateColor(0x000000, 0xFFFFFF, 0, 10, 5), 0x808080},
      {InterpolateColor(0x102030, clNone, 0, 10, 5), 0x102030},
      // An empty range takes no step instead of dividing by zero.
      {InterpolateColor(0x102030, 0xFFFFFF, 4, 4, 2), 0x102030},
      {InterpolateColor(clBtnFace, clBlack, 0, 2, 1), 0x787878},
      {HalveColor(0xFFFFFF), 0x7F7F7F},
      {HalveColor(clBtnFace), 0x787878},
      {ScaleColorPercent(0x646464, -20), 0x505050},
      {ScaleColorPercent(0x0A0A0A, 5), 0x0A0A0A},
      // Lightening white clamps instead of wrapping round to nearly black.
      {ScaleColorPercent(0xFFFFFF, 7), 0xFFFFFF},
      {ScaleColorPercent(0xF0F0F0, 7), 0xFFFFFF},
      {ScaleColorPercent(0x000010, -200), 0x000000},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << std::hex << c.want;
  EXPECT_EQ(ColorToHexRgb(0x00336699), QStringLiteral("996633"));
  EXPECT_EQ(ColorToHexRgb(0xFF00000F), QStringLiteral("0F0000"));
  EXPECT_EQ(ColorToHexRgb(0xABCDEF), QStringLiteral("EFCDAB"));
}

TEST(GradientBands, TenPixelsWithSixtyFourStepsGiveTenBandsEndingInTheToColour) {
  TPaper p;
  FillGradientBands(p.Canvas, clRed, clBlue, 64, Rect(5, 2, 15, 12), true);
  std::set<TColor> colours;
  for (int x = 5; x < 15; ++x) colours.insert(p.At(x, 6));
  EXPECT_EQ(colours.size(), 10u);
  EXPECT_EQ(p.At(5, 2), clRed);
  EXPECT_EQ(p.At(14, 11), clBlue);
  // Red falls by 255 / 9 per band: nearest(28.33) = 28.
  EXPECT_EQ(p.At(6, 6), RGB(227, 0, 28));
  EXPECT_EQ(p.At(15, 6), clWhite);
  EXPECT_EQ(p.At(4, 6), clWhite);
  EXPECT_EQ(p.At(5, 12), clWhite);
}

TEST(GradientBands, HalvesRoundToTheEvenNeighbour) {
  TPaper p;
  // Red 0 to 5 in two steps: the middle band is nearest(2.5) = 2, not 3.
  FillGradientBands(p.Canvas, RGB(0, 0, 0), RGB(5, 0, 0), 2, Rect(0, 0, 3, 4), true);
  EXPECT_EQ(p.At(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(p.At(1, 0), RGB(2, 0, 0));
  EXPECT_EQ(p.At(2, 0), RGB(5, 0, 0));
}

TEST(GradientBands, SwappedTopAndBottomPaintTheSameAndAnEmptyRectangleNothing) {
  TPaper a, b, c;
  FillGradientBands(a.Canvas, clYellow, clNavy, 16, Rect(2, 4, 30, 24), false);
  FillGradientBands(b.Canvas, clYellow, clNavy, 16, Rect(2, 24, 30, 4), false);
  a.Canvas.Release();
  b.Canvas.Release();
  EXPECT_EQ(a.Image, b.Image);
  EXPECT_EQ(a.At(10, 4), clYellow);
  EXPECT_EQ(a.At(10, 23), clNavy);
  FillGradientBands(c.Canvas, clYellow, clNavy, 16, Rect(2, 4, 30, 4), false);
  c.Canvas.Release();
  QImage white(c.Image.size(), c.Image.format());
  white.fill(Qt::white);
  EXPECT_EQ(c.Image, white);
}

TEST(GradientBands, AMissingEndColourFillsFlatWithTheOther) {
  TPaper p;
  FillGradientBands(p.Canvas, clNone, clGreen, 16, Rect(0, 0, 10, 10), true);
  EXPECT_EQ(p.At(0, 0), clGreen);
  EXPECT_EQ(p.At(9, 9), clGreen);
  FillGradientBands(p.Canvas, clMaroon, clNone, 16, Rect(20, 0, 30, 10), true);
  EXPECT_EQ(p.At(25, 5), clMaroon);
  FillGradientBands(p.Canvas, clNone, clNone, 16, Rect(40, 0, 50, 10), true);
  EXPECT_EQ(p.At(45, 5), clWhite);
}

TEST(MirrorGradient, HalvesBorderAndSolidFill) {
  TPaper p;
  FillMirrorGradient(p.Canvas, Rect(0, 0, 20, 20), clRed, clYellow, clBlue, clAqua, true, clBlack, true, true);
  EXPECT_EQ(p.At(10, 0), clRed);
  EXPECT_EQ(p.At(10, 9), clYellow);
  EXPECT_EQ(p.At(10, 10), clBlue);
  EXPECT_EQ(p.At(10, 19), clAqua);
  // Side lines only: the edges are black, the top row keeps its gradient.
  EXPECT_EQ(p.At(0, 5), clBlack);
  EXPECT_EQ(p.At(19, 15), clBlack);
  // Solid colour reaches one pixel below the rectangle; a full border frames it.
  FillMirrorGradient(p.Canvas, Rect(30, 0, 40, 10), clGreen, clNone, clNone, clNone, false, clNavy, false, true);
  EXPECT_EQ(p.At(35, 10), clGreen);
  EXPECT_EQ(p.At(35, 0), clNavy);
  EXPECT_EQ(p.At(39, 5), clNavy);
  EXPECT_EQ(p.At(35, 5), clGreen);
}

TEST(ButtonGradient, BandsAtRoundedOffsetsAndAnOutline) {
  TPaper p;
  DrawButtonGradient(p.Canvas, clBlack, clWhite, clNone, 4, Rect(0, 0, 10, 20), false);
  EXPECT_EQ(p.At(5, 4), clBlack);
  // Band 1 starts at y 5 with nearest(255 / 4) = 64.
  EXPECT_EQ(p.At(5, 5), RGB(64, 64, 64));
  EXPECT_EQ(p.At(5, 19), RGB(191, 191, 191));
  // Bands are not clipped: the last one reaches one pixel past the rectangle.
  EXPECT_EQ(p.At(5, 20), RGB(191, 191, 191));
  DrawButtonGradient(p.Canvas, clBlack, clWhite, clRed, 0, Rect(20, 0, 30, 20), false);
  EXPECT_EQ(p.At(20, 0), clRed);
  EXPECT_EQ(p.At(25, 19), clRed);
  EXPECT_EQ(p.At(25, 10), clBlack);
}

TEST(TabFrame, KindZeroDrawsBothEndsWithCornersAndBody) {
  TPaper p(50, 30);
  const TColor top = 0x111111, bottom = 0x222222, border = 0x333333, corner = 0x444444, back = 0x555555;
  DrawTabFrame(p.Canvas, clRed, clNone, clNone, clNone, top, bottom, border, corner, back, Rect(0, 0, 40, 20), 0);
  // R = 39, B = 18.
  EXPECT_EQ(p.At(0, 0), back);
  EXPECT_EQ(p.At(0, 18), back);
  EXPECT_EQ(p.At(1, 0), corner);
  EXPECT_EQ(p.At(1, 1), corner);
  EXPECT_EQ(p.At(0, 1), corner);
  EXPECT_EQ(p.At(38, 0), back);
  EXPECT_EQ(p.At(37, 1), corner);
  EXPECT_EQ(p.At(2, 0), border);
  EXPECT_EQ(p.At(36, 0), border);
  EXPECT_EQ(p.At(37, 0), corner);
  EXPECT_EQ(p.At(0, 10), border);
  EXPECT_EQ(p.At(38, 10), border);
  EXPECT_EQ(p.At(10, 1), top);
  EXPECT_EQ(p.At(10, 17), bottom);
  EXPECT_EQ(p.At(1, 5), top);
  EXPECT_EQ(p.At(1, 12), bottom);
  EXPECT_EQ(p.At(10, 10), clRed);
  EXPECT_EQ(p.At(39, 10), clWhite);
}

TEST(TabFrame, KindThreeHasNoEndsAndABodyFromLeftToRight) {
  TPaper p(50, 30);
  const TColor top = 0x111111, bottom = 0x222222, border = 0x333333, corner = 0x444444, back = 0x555555;
  DrawTabFrame(p.Canvas, clRed, clBlue, clNone, clNone, top, bottom, border, corner, back, Rect(0, 0, 40, 20), 3);
  EXPECT_EQ(p.At(0, 0), border);
  EXPECT_EQ(p.At(38, 18), border);
  EXPECT_EQ(p.At(0, 1), top);
  EXPECT_EQ(p.At(0, 2), clRed);
  EXPECT_EQ(p.At(38, 2), clRed);
  EXPECT_EQ(p.At(0, 16), clBlue);
  EXPECT_EQ(p.At(39, 10), clWhite);
  for (int y = 2; y < 17; ++y) {
    EXPECT_NE(p.At(0, y), border);
    EXPECT_NE(p.At(0, y), corner);
  }
}

TEST(TransparentBitmap, KeyColourBecomesTheFillColourAndTheRestStays) {
  TPaper p;
  TBitmap glyph(3, 3);
  glyph.Canvas().Brush().Color = clRed;
  glyph.Canvas().FillRect(Rect(0, 0, 3, 3));
  glyph.Canvas().SetPixels(1, 1, clBlue);
  DrawBitmapTransparent(p.Canvas, glyph, clGreen, Rect(5, 5, 100, 100));
  EXPECT_EQ(p.At(5, 5), clGreen);
  EXPECT_EQ(p.At(7, 7), clGreen);
  EXPECT_EQ(p.At(6, 6), clBlue);
  EXPECT_EQ(p.At(8, 8), clWhite);
  DrawResourceBitmapTransparent(p.Canvas, clYellow, Rect(20, 0, 0, 0), QStringLiteral("XPNODEC"));
  EXPECT_EQ(p.At(20, 0), clYellow);
  EXPECT_NE(p.At(25, 5), clYellow);
  DrawResourceBitmapTransparent(p.Canvas, clYellow, Rect(40, 0, 0, 0), QStringLiteral("NOSUCH"));
  EXPECT_EQ(p.At(40, 0), clWhite);
}

TEST(LayeredWindows, SucceedWithoutThePlatformFunctionsAndPassResultsThrough) {
  EXPECT_TRUE(CallSetLayeredWindowAttributes(nullptr, clNone, 128, LWA_ALPHA));
  EXPECT_TRUE(CallUpdateLayeredWindow(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, ULW_ALPHA));
  int alpha = -1;
  SetLayeredWindowFunctions(
      [&](TWindowHandle, TColor, uint8_t a, uint32_t) {
        alpha = a;
        return false;
      },
      nullptr);
  EXPECT_FALSE(CallSetLayeredWindowAttributes(nullptr, clNone, 77, LWA_ALPHA));
  EXPECT_EQ(alpha, 77);
  SetLayeredWindowFunctions(nullptr, nullptr);
}

}  // namespace
