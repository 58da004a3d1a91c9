// The face painter and its helpers, painted into bitmaps and read back pixel by pixel.
#include <gtest/gtest.h>

#include "LbButtons.h"
#include "USysColors.h"

namespace {

constexpr int W = 60, H = 24;
constexpr TColor Face = 0xEDF7F8;
constexpr TColor Light = 0xFFFFFF;
constexpr TColor Shadow = 0x808080;

TLbFaceState Plain_State(TLbButtonStyle style) {
  TLbFaceState s;
  s.Style = style;
  s.Color = Face;
  s.LightColor = Light;
  s.ShadowColor = Shadow;
  s.Font.Color = clBlack;
  return s;
}

TBitmap Paint(const TLbFaceState& state, int w = W, int h = H) {
  TBitmap face(w, h);
  face.Canvas().Brush().Color = clFuchsia;
  face.Canvas().FillRect(Rect(0, 0, w, h));
  PaintLbButtonFace(face.Canvas(), w, h, state);
  face.Canvas().Release();
  return face;
}

// Bounding box of the pixels of one colour inside the face (edges excluded).
TRect Ink_Of(const TBitmap& face, TColor color) {
  TRect r{1000, 1000, -1, -1};
  for (int y = 2; y < face.Height() - 2; ++y) {
    for (int x = 2; x < face.Width() - 2; ++x) {
      if (face.Pixel(x, y) != color) continue;
      r = Rect(std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1));
    }
  }
  return r;
}

int Count_Of(const TBitmap& face, TColor color) {
  int n = 0;
  for (int y = 0; y < face.Height(); ++y) {
    for (int x = 0; x < face.Width(); ++x) n += face.Pixel(x, y) == color;
  }
  return n;
}

// A strip of solid cells, each with an olive bottom-left pixel that the cell drawing makes transparent.
TBitmap Cell_Strip(const std::vector<TColor>& colours, int cell = 8) {
  TBitmap strip(cell * int(colours.size()), cell);
  for (size_t i = 0; i < colours.size(); ++i) {
    strip.Canvas().Brush().Color = colours[i];
    strip.Canvas().FillRect(Rect(int(i) * cell, 0, int(i + 1) * cell, cell));
    strip.Canvas().SetPixels(int(i) * cell, cell - 1, clOlive);
  }
  strip.Canvas().Release();
  return strip;
}

}  // namespace

void PrintTo(const TRect& r, std::ostream* os) {
  *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}

TEST(HotTrackBlend, MixesChannelsAndTruncates) {
  struct Case {
    TColor Face, Hot;
    int Step;
    TColor Expected;
  };
  const Case cases[] = {
      {Face, clYellow, 0, Face},
      {Face, clYellow, 8, clYellow},
      // R 248 -> 255, G 247 -> 255, B 237 -> 0: halfway 251.5, 251, 118.5, truncated.
      {Face, clYellow, 4, RGB(251, 251, 118)},
      {Face, clYellow, 2, RGB(249, 249, 177)},
      {clBtnFace, clBlack, 8, clBlack},
      {clBtnFace, clWhite, 0, 0xF0F0F0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HotTrackBlendColor(c.Face, c.Hot, c.Step), c.Expected) << "step " << c.Step;
  }
}

TEST(BandGradient, ThirtyOneRowsShowEveryBandButTheEndColour) {
  TBitmap bmp(10, 40);
  bmp.Canvas().Brush().Color = clWhite;
  bmp.Canvas().FillRect(Rect(0, 0, 10, 40));
  // Red grows by 8 per band; the bands are 2 rows high and overlap by one.
  FillBandGradient(bmp.Canvas(), RGB(0, 0, 0), RGB(248, 0, 0), 2, 8, 3, 34);
  for (int row = 0; row < 31; ++row) EXPECT_EQ(bmp.Pixel(4, 3 + row), RGB(8 * row, 0, 0)) << "row " << row;
  EXPECT_EQ(bmp.Pixel(4, 34), clWhite);
  EXPECT_EQ(bmp.Pixel(4, 2), clWhite);
  EXPECT_EQ(bmp.Pixel(1, 10), clWhite);
  EXPECT_EQ(bmp.Pixel(8, 10), clWhite);
  EXPECT_EQ(bmp.Pixel(7, 10), RGB(56, 0, 0));
  EXPECT_EQ(Count_Of(bmp, RGB(248, 0, 0)), 0);
  EXPECT_EQ(bmp.Canvas().Brush().Color, clWhite);  // the brush is given back
}

TEST(BandGradient, BandValuesAreTruncatedRunningSums) {
  TBitmap bmp(4, 70);
  // Blue from 0 to 100 over 62 rows: bands 3 rows high starting every 2 rows; blue grows by 100/31.
  FillBandGradient(bmp.Canvas(), RGB(0, 0, 0), RGB(0, 0, 100), 0, 4, 0, 62);
  struct Case {
    int Row;
    int Blue;
  };
  const Case cases[] = {{0, 0}, {1, 0}, {2, 3}, {4, 6}, {6, 9}, {20, 32}, {60, 96}, {61, 96}};
  for (const Case& c : cases) EXPECT_EQ(bmp.Pixel(1, c.Row), RGB(0, 0, c.Blue)) << "row " << c.Row;
  EXPECT_EQ(bmp.Pixel(1, 62), clWhite);
}

TEST(FaceCorners, EachStyleEdgesAndCorners) {
  constexpr TColor M = clFuchsia;
  constexpr TColor DkShadow = 0x696969;
  struct Case {
    const char* Name;
    TLbButtonStyle Style;
    bool Pressed;
    TColor TopLeft, TopRight, BottomLeft, BottomRight, TopMiddle, Inner;
  };
  const Case cases[] = {
      {"normal", bsNormal, false, Light, Shadow, Light, Shadow, Light, Face},
      {"normal pressed", bsNormal, true, Shadow, Light, Shadow, Light, Shadow, Face},
      {"encarta", bsEncarta, false, Light, Shadow, Light, Shadow, Light, Face},
      {"encarta pressed", bsEncarta, true, Shadow, Light, Shadow, Light, Shadow, Face},
      {"old", bsOld, false, Light, DkShadow, DkShadow, DkShadow, Light, Face},
      {"old pressed", bsOld, true, DkShadow, Light, Light, Light, DkShadow, Face},
      {"modern", bsModern, false, M, M, M, M, Shadow, Face},
      {"modern pressed", bsModern, true, M, M, M, M, Shadow, Shadow},
      {"quicken", bsQuicken, false, M, M, M, M, Shadow, Face},
      {"shape", bsShape, false, M, M, M, M, M, M},
  };
  for (const Case& c : cases) {
    TLbFaceState s = Plain_State(c.Style);
    s.Pressed = c.Pressed;
    const TBitmap face = Paint(s);
    EXPECT_EQ(face.Pixel(0, 0), c.TopLeft) << c.Name;
    EXPECT_EQ(face.Pixel(W - 1, 0), c.TopRight) << c.Name;
    EXPECT_EQ(face.Pixel(0, H - 1), c.BottomLeft) << c.Name;
    EXPECT_EQ(face.Pixel(W - 1, H - 1), c.BottomRight) << c.Name;
    EXPECT_EQ(face.Pixel(W / 2, 0), c.TopMiddle) << c.Name;
    // One pixel in: the modern style's inner outline (face colour, shadow when pressed).
    EXPECT_EQ(face.Pixel(W / 2, 1), c.Style == bsOld && c.Pressed ? Shadow : c.Inner) << c.Name;
  }
}

TEST(FaceCorners, OldStyleInnerShadow) {
  const TBitmap up = Paint(Plain_State(bsOld));
  EXPECT_EQ(up.Pixel(W - 2, 1), Shadow);
  EXPECT_EQ(up.Pixel(W - 2, H - 2), Shadow);
  EXPECT_EQ(up.Pixel(1, H - 2), Shadow);
  EXPECT_EQ(up.Pixel(1, 1), Face);
  TLbFaceState s = Plain_State(bsOld);
  s.Pressed = true;
  const TBitmap down = Paint(s);
  EXPECT_EQ(down.Pixel(1, 1), Shadow);
  EXPECT_EQ(down.Pixel(1, H - 3), Shadow);
  EXPECT_EQ(down.Pixel(W - 3, 1), Shadow);
  EXPECT_EQ(down.Pixel(W - 2, H - 2), Face);
}

TEST(FaceCorners, QuickenLinesAndRoundedBody) {
  const TBitmap face = Paint(Plain_State(bsQuicken));
  EXPECT_EQ(face.Pixel(4, 0), Shadow);
  EXPECT_EQ(face.Pixel(W - 6, 0), Shadow);
  EXPECT_EQ(face.Pixel(W - 5, 0), clFuchsia);
  EXPECT_EQ(face.Pixel(3, 0), clFuchsia);
  EXPECT_EQ(face.Pixel(4, H - 1), Shadow);
  EXPECT_EQ(face.Pixel(0, H / 2), Face);
  // Without a pen the rounded body stops one pixel short on the right, as the classic desktop fills it.
  EXPECT_EQ(face.Pixel(W - 2, H / 2), Face);
  EXPECT_EQ(face.Pixel(W - 1, H / 2), clFuchsia);
}

TEST(FaceCorners, ModernGradientRunsFromLightToFaceAndBack) {
  TLbFaceState s = Plain_State(bsModern);
  s.LightColor = clWhite;
  s.Color = clBlack;
  const TBitmap face = Paint(s, W, 40);
  // Upper gradient rows 2..9 (8 rows for 32 bands): the last band that starts on a row wins, so row 2 shows
  // band 3 (255 - 3 * 255 / 31) and row 9 band 30. The lower one, rows 10..38, shows band 29 on row 37 (row 38 lies
  // under the inner outline).
  struct Case {
    int Row;
    int Grey;
  };
  const Case cases[] = {{2, 230}, {9, 8}, {10, 8}, {37, 238}};
  for (const Case& c : cases) EXPECT_EQ(face.Pixel(W / 2, c.Row), RGB(c.Grey, c.Grey, c.Grey)) << c.Row;
  // Left of the gradient (x = 1) is the inner outline in the face colour, the outer one the shadow.
  EXPECT_EQ(face.Pixel(1, 20), TColor(0x000000));
  EXPECT_EQ(face.Pixel(0, 20), Shadow);
  EXPECT_EQ(face.Pixel(W / 2, 39), Shadow);
}

TEST(FaceEdges, FlatShowsEdgesOnlyWhenHotOrPressed) {
  struct Case {
    bool Enabled, Flat, Hot, Pressed, Edges;
  };
  const Case cases[] = {
      {true, false, false, false, true},  {true, true, false, false, false},  {true, true, true, false, true},
      {true, true, false, true, true},    {false, true, false, false, false}, {false, true, true, true, false},
      {false, false, false, false, true},
  };
  for (const Case& c : cases) {
    TLbFaceState s = Plain_State(bsNormal);
    s.Enabled = c.Enabled;
    s.Flat = c.Flat;
    s.Hot = c.Hot;
    s.Pressed = c.Pressed;
    const TBitmap face = Paint(s);
    const bool edges = face.Pixel(W - 1, H / 2) != Face;
    EXPECT_EQ(edges, c.Edges) << c.Enabled << c.Flat << c.Hot << c.Pressed;
  }
}

TEST(FaceColour, HotTrackAndPressedColours) {
  TLbFaceState s = Plain_State(bsEncarta);
  s.HotTrackColor = clYellow;
  s.HotTrackStep = 4;
  EXPECT_EQ(Paint(s).Pixel(W / 2, H / 2), HotTrackBlendColor(Face, clYellow, 4));
  s.ColorWhenDown = 0x0080FF;
  s.Pressed = true;
  EXPECT_EQ(Paint(s).Pixel(W / 2, H / 2), TColor(0x0080FF));
  // A disabled face is never pressed and never hot-tracked.
  s.Enabled = false;
  EXPECT_EQ(Paint(s).Pixel(W / 2, H / 2), Face);
}

TEST(FaceCaption, EncartaTurnsBoldWhileNormalMovesOnePixel) {
  for (TLbButtonStyle style : {bsNormal, bsEncarta}) {
    TLbFaceState s = Plain_State(style);
    s.Caption = QStringLiteral("Hi");
    s.Alignment = taLeftJustify;
    const TBitmap up = Paint(s);
    s.Pressed = true;
    const TBitmap down = Paint(s);
    const TRect inkUp = Ink_Of(up, clBlack), inkDown = Ink_Of(down, clBlack);
    ASSERT_GT(inkUp.Right, 0);
    if (style == bsNormal) {
      EXPECT_EQ(inkDown.Left, inkUp.Left + 1);
      EXPECT_EQ(inkDown.Top, inkUp.Top + 1);
      EXPECT_EQ(Count_Of(down, clBlack), Count_Of(up, clBlack));
    } else {
      EXPECT_EQ(inkDown.Left, inkUp.Left);
      EXPECT_GT(Count_Of(down, clBlack), Count_Of(up, clBlack));
    }
  }
}

TEST(FaceCaption, LongCaptionIsShortenedUnlessWordWrap) {
  TLbFaceState s = Plain_State(bsNormal);
  s.Caption = QStringLiteral("Send all the things now");
  s.Alignment = taLeftJustify;
  const TBitmap cut = Paint(s, 60, 60);
  const TRect inkCut = Ink_Of(cut, clBlack);
  EXPECT_LE(inkCut.Right, 60 - 4);
  const int lineHeight = [&] {
    TBitmap b(1, 1);
    b.Canvas().SetFont(s.Font);
    return b.Canvas().TextHeight(QStringLiteral("S"));
  }();
  EXPECT_LE(inkCut.Height(), lineHeight);
  s.WordWrap = true;
  const TRect inkWrapped = Ink_Of(Paint(s, 60, 60), clBlack);
  EXPECT_GT(inkWrapped.Height(), 2 * lineHeight);
}

TEST(FaceCaption, DisabledCaptionIsGrey) {
  TLbFaceState s = Plain_State(bsNormal);
  s.Caption = QStringLiteral("Hi");
  s.Enabled = false;
  const TBitmap face = Paint(s);
  EXPECT_GT(Ink_Of(face, clGray).Right, 0);
  EXPECT_EQ(Ink_Of(face, clBlack).Right, -1);
}

TEST(FaceGlyph, CellChoiceByState) {
  const std::vector<TColor> cells{clRed, clLime, clBlue, clAqua};
  const TBitmap four = Cell_Strip(cells);
  const TBitmap one = Cell_Strip({clRed});
  struct Case {
    const char* Name;
    const TBitmap* Glyph;
    int NumGlyphs;
    bool Enabled, Hot, Pressed;
    TColor Shown;
  };
  const Case cases[] = {
      {"normal", &four, 4, true, false, false, clRed},
      {"disabled", &four, 4, false, false, false, clLime},
      {"pressed", &four, 4, true, false, true, clBlue},
      {"hot", &four, 4, true, true, false, clAqua},
      {"hot and pressed", &four, 4, true, true, true, clBlue},
      {"hot with three cells", &four, 3, true, true, false, clRed},
      {"disabled, one cell", &one, 1, false, false, false, clRed},
  };
  for (const Case& c : cases) {
    TLbFaceState s = Plain_State(bsNormal);
    s.Glyph = c.Glyph;
    s.NumGlyphs = c.NumGlyphs;
    s.Enabled = c.Enabled;
    s.Hot = c.Hot;
    s.Pressed = c.Pressed;
    const TBitmap face = Paint(s);
    const int gw = c.Glyph->Width() / c.NumGlyphs;
    const int off = c.Pressed && c.Enabled ? 1 : 0;
    const int left = (W - gw) / 2 + off, top = (H - 8) / 2 + off;
    EXPECT_EQ(face.Pixel(left + 3, top + 3), c.Shown) << c.Name;
    // The cell's bottom-left colour is left out: the face shows through.
    EXPECT_EQ(face.Pixel(left, top + 7), Face) << c.Name;
  }
}

TEST(FaceGlyph, GlyphLeftOfCentredCaptionMovesWithIt) {
  const TBitmap glyph = Cell_Strip({clRed});
  TLbFaceState s = Plain_State(bsNormal);
  s.Glyph = &glyph;
  s.NumGlyphs = 1;
  s.Caption = QStringLiteral("OK");
  const TBitmap face = Paint(s, 100, 28);
  TBitmap measure(1, 1);
  measure.Canvas().SetFont(s.Font);
  const int tw = measure.Canvas().TextWidth(QStringLiteral("OK"));
  const int glyphLeft = (100 - 8) / 2 - (tw + 4) / 2;
  EXPECT_EQ(face.Pixel(glyphLeft + 1, 12), clRed);
  EXPECT_NE(face.Pixel(glyphLeft - 1, 12), clRed);
  const TRect text = Ink_Of(face, clBlack);
  EXPECT_GT(text.Left, glyphLeft + 8);
}

TEST(FacePopup, ArrowBesideTheRightEdge) {
  TLbFaceState s = Plain_State(bsNormal);
  s.HasPopupMenu = true;
  const TBitmap face = Paint(s);
  const int x = W - 11, y = H / 2 - 1;
  EXPECT_EQ(face.Pixel(x, y), clBlack);
  EXPECT_EQ(face.Pixel(x + 4, y), clBlack);
  EXPECT_EQ(face.Pixel(x + 2, y + 2), clBlack);
  EXPECT_EQ(face.Pixel(x, y + 2), Face);
  EXPECT_EQ(face.Pixel(x + 5, y), Face);
}
