#include "LbButtonGlyphs.h"

#include <vector>

#include "UCanvas.h"

namespace {

constexpr TColor Glyph_Background = clOlive;
constexpr TColor Dark_Green = 0x008000;
constexpr TColor Dark_Red = 0x0000C0;

void Thick_Line(TCanvas& c, TColor color, std::vector<TPoint> points) {
  c.Pen().Color = color;
  c.Pen().Width = 1;
  for (int32_t dy = 0; dy < 2; ++dy) {
    for (size_t i = 1; i < points.size(); ++i) {
      c.MoveTo(points[i - 1].X, points[i - 1].Y + dy);
      c.LineTo(points[i].X, points[i].Y + dy);
      c.LineTo(points[i].X + 1, points[i].Y + dy);
    }
  }
}

void Check_Mark(TCanvas& c, int32_t x, int32_t y) {
  Thick_Line(c, Dark_Green, {Point(x, y + 4), Point(x + 3, y + 7), Point(x + 10, y)});
  Thick_Line(c, clLime, {Point(x + 1, y + 4), Point(x + 3, y + 6), Point(x + 9, y)});
}

void Cross(TCanvas& c) {
  Thick_Line(c, Dark_Red, {Point(4, 4), Point(13, 13)});
  Thick_Line(c, Dark_Red, {Point(13, 4), Point(4, 13)});
  Thick_Line(c, clRed, {Point(5, 4), Point(13, 12)});
  Thick_Line(c, clRed, {Point(12, 4), Point(4, 12)});
}

void No_Sign(TCanvas& c) {
  c.Pen().Color = clRed;
  c.Pen().Width = 2;
  c.Brush().Style = bsClear;
  c.Ellipse(3, 3, 16, 16);
  c.Pen().Width = 1;
  Thick_Line(c, clRed, {Point(5, 5), Point(13, 13)});
}

void Question_Mark(TCanvas& c) {
  c.Font().Name = QStringLiteral("Arial");
  c.Font().Height = -16;
  c.Font().Style = fsBold;
  c.Font().Color = clTeal;
  c.Brush().Style = bsClear;
  TRect r = Rect(0, 0, 18, 18);
  c.DrawText(QStringLiteral("?"), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void Door(TCanvas& c) {
  c.Pen().Color = clBlack;
  c.Brush().Color = clGray;
  c.Rectangle(4, 2, 14, 17);
  c.Brush().Color = 0x0080C0;
  c.Polygon({Point(5, 3), Point(11, 5), Point(11, 16), Point(5, 16)});
  c.SetPixels(9, 10, clBlack);
}

void Curved_Arrows(TCanvas& c) {
  c.Pen().Color = Dark_Green;
  c.Brush().Style = bsClear;
  c.Pen().Width = 2;
  c.Ellipse(3, 3, 15, 15);
  c.Pen().Width = 1;
  c.Brush().Color = Dark_Green;
  c.Brush().Style = bsSolid;
  c.Polygon({Point(12, 1), Point(16, 5), Point(11, 6)});
  c.Polygon({Point(5, 16), Point(1, 12), Point(6, 11)});
}

void Figure(TCanvas& c) {
  c.Pen().Color = Dark_Green;
  c.Brush().Color = clLime;
  c.Ellipse(7, 1, 12, 6);
  c.Brush().Color = Dark_Green;
  c.Rectangle(7, 6, 12, 12);
  Thick_Line(c, Dark_Green, {Point(4, 8), Point(7, 7)});
  Thick_Line(c, Dark_Green, {Point(12, 7), Point(15, 8)});
  Thick_Line(c, Dark_Green, {Point(8, 12), Point(6, 16)});
  Thick_Line(c, Dark_Green, {Point(10, 12), Point(12, 16)});
}

void Draw_Motif(TCanvas& c, TLbButtonKind kind) {
  switch (kind) {
    case bkOK:
    case bkYes:
      Check_Mark(c, 3, 5);
      break;
    case bkAll:
      Check_Mark(c, 1, 3);
      Check_Mark(c, 6, 9);
      break;
    case bkCancel:
    case bkAbort:
      Cross(c);
      break;
    case bkNo:
      No_Sign(c);
      break;
    case bkHelp:
      Question_Mark(c);
      break;
    case bkClose:
      Door(c);
      break;
    case bkRetry:
      Curved_Arrows(c);
      break;
    case bkIgnore:
      Figure(c);
      break;
    case bkCustom:
      break;
  }
}

// The disabled cell: every drawn pixel of the picture becomes grey with a white copy one pixel down-right.
void Emboss(TBitmap& strip, int32_t cell) {
  TCanvas& c = strip.Canvas();
  const int32_t h = strip.Height();
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < cell; ++x) {
      if (strip.Pixel(x, y) != Glyph_Background && x + 1 < cell && y + 1 < h)
        c.SetPixels(cell + x + 1, y + 1, clWhite);
    }
  }
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < cell; ++x) {
      if (strip.Pixel(x, y) != Glyph_Background) c.SetPixels(cell + x, y, clGray);
    }
  }
}

}  // namespace

TBitmap Kind_Glyph(TLbButtonKind kind) {
  if (kind == bkCustom) return TBitmap();
  constexpr int32_t Cell = 18;
  TBitmap strip(2 * Cell, kind == bkAll ? 19 : 18);
  TCanvas& c = strip.Canvas();
  c.Brush().Color = Glyph_Background;
  c.FillRect(Rect(0, 0, strip.Width(), strip.Height()));
  c.PushClip(Rect(0, 0, Cell, strip.Height()));
  Draw_Motif(c, kind);
  c.PopClip();
  c.Release();
  Emboss(strip, Cell);
  c.Release();
  return strip;
}

TBitmap Popup_Arrow_Glyph() {
  TBitmap arrow(5, 3);
  TCanvas& c = arrow.Canvas();
  c.Brush().Color = clWhite;
  c.FillRect(Rect(0, 0, 5, 3));
  c.Brush().Color = clBlack;
  c.FillRect(Rect(0, 0, 5, 1));
  c.FillRect(Rect(1, 1, 4, 2));
  c.FillRect(Rect(2, 2, 3, 3));
  c.Release();
  return arrow;
}
