#include "UGradients.h"

#include <algorithm>
#include <cmath>

#include "UColorMath.h"
#include "USysColors.h"

namespace {

void Solid_Tools(TCanvas& canvas, TColor color) {
  canvas.Pen().Color = color;
  canvas.Pen().Style = psSolid;
  canvas.Pen().Width = 1;
  canvas.Pen().Mode = pmCopy;
  canvas.Brush().Color = color;
  canvas.Brush().Style = bsSolid;
}

void Line(TCanvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

}  // namespace

void FillGradientBands(TCanvas& canvas, TColor from, TColor to, int32_t steps, TRect rect, bool horizontal) {
  if (rect.Top == rect.Bottom) return;
  if (rect.Top > rect.Bottom) std::swap(rect.Top, rect.Bottom);
  if (from == clNone || to == clNone) {
    // Two missing colours leave nothing to paint.
    if (from == clNone && to == clNone) return;
    Solid_Tools(canvas, ColorToRGB(from == clNone ? to : from));
    canvas.Rectangle(rect);
    return;
  }
  const TColor c1 = ColorToRGB(from), c2 = ColorToRGB(to);
  const int32_t extent = horizontal ? rect.Right - rect.Left - 1 : rect.Bottom - rect.Top - 1;
  steps = std::min(steps, extent);
  if (steps < 1) steps = 1;
  const double band = double(extent) / steps;
  const double dr = double(GetRValue(c2) - GetRValue(c1)) / steps;
  const double dg = double(GetGValue(c2) - GetGValue(c1)) / steps;
  const double db = double(GetBValue(c2) - GetBValue(c1)) / steps;
  const int32_t size = int32_t(std::trunc(band + 1));
  for (int32_t i = 0; i <= steps; ++i) {
    Solid_Tools(canvas, RGB(GetRValue(c1) + NearestInt(i * dr), GetGValue(c1) + NearestInt(i * dg),
                            GetBValue(c1) + NearestInt(i * db)));
    const int32_t offset = int32_t(std::trunc(i * band));
    if (horizontal) {
      canvas.Rectangle(rect.Left + offset, rect.Top, std::min(rect.Right, rect.Left + offset + size), rect.Bottom);
    } else {
      canvas.Rectangle(rect.Left, rect.Top + offset, rect.Right, std::min(rect.Bottom, rect.Top + offset + size));
    }
  }
}

void FillMirrorGradient(TCanvas& canvas, const TRect& rect, TColor color, TColor colorTo, TColor mirrorColor,
                        TColor mirrorColorTo, bool vertical, TColor borderColor, bool borderSidesOnly, bool fill) {
  if (fill && color != clNone) {
    if (mirrorColor == clNone && colorTo == clNone) {
      Solid_Tools(canvas, color);
      canvas.Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom + 1);
    } else if (mirrorColor == clNone) {
      FillGradientBands(canvas, color, colorTo, 128, rect, !vertical);
    } else {
      TRect first = rect, second = rect;
      if (vertical) {
        first.Bottom = second.Top = rect.Top + (rect.Bottom - rect.Top) / 2;
      } else {
        first.Right = second.Left = rect.Left + (rect.Right - rect.Left) / 2;
      }
      FillGradientBands(canvas, color, colorTo, 128, first, !vertical);
      FillGradientBands(canvas, mirrorColor, mirrorColorTo, 128, second, !vertical);
    }
  }
  if (borderColor == clNone) return;
  if (borderSidesOnly) {
    canvas.Pen().Color = borderColor;
    canvas.Pen().Style = psSolid;
    Line(canvas, rect.Left, rect.Top, rect.Left, rect.Bottom);
    Line(canvas, rect.Right - 1, rect.Top, rect.Right - 1, rect.Bottom);
  } else {
    canvas.Brush().Color = borderColor;
    canvas.Brush().Style = bsSolid;
    canvas.FrameRect(rect);
  }
}

void DrawButtonGradient(TCanvas& canvas, TColor from, TColor to, TColor borderColor, int32_t steps, const TRect& rect,
                        bool horizontal) {
  if (steps == 0) steps = 1;
  const TColor c1 = ColorToRGB(from), c2 = ColorToRGB(to);
  const double band = double(horizontal ? rect.Right - rect.Left : rect.Bottom - rect.Top) / steps;
  for (int32_t i = 0; i < steps; ++i) {
    auto channel = [&](int a, int b) { return a + NearestInt(double(i) * (b - a) / steps); };
    Solid_Tools(canvas, RGB(channel(GetRValue(c1), GetRValue(c2)), channel(GetGValue(c1), GetGValue(c2)),
                            channel(GetBValue(c1), GetBValue(c2))));
    const int32_t at = NearestInt(i * band), size = NearestInt(band) + 1;
    if (horizontal) {
      canvas.Rectangle(rect.Left + at, rect.Top, rect.Left + at + size, rect.Bottom);
    } else {
      canvas.Rectangle(rect.Left, rect.Top + at, rect.Right, rect.Top + at + size);
    }
  }
  if (borderColor == clNone) return;
  canvas.Pen().Color = borderColor;
  canvas.Brush().Style = bsClear;
  canvas.Rectangle(rect);
}

void DrawTabFrame(TCanvas& canvas, TColor from, TColor to, TColor mirrorFrom, TColor mirrorTo, TColor innerTopLine,
                  TColor innerBottomLine, TColor borderColor, TColor cornerColor, TColor backgroundColor,
                  const TRect& rect, int32_t kind) {
  static const struct {
    bool Left, Right;
    int32_t InsetLeft, InsetRight;
  } Kinds[] = {
      {true, true, 2, 2}, {true, false, 2, 0}, {false, true, 0, 2}, {false, false, 0, 0}, {false, false, 2, 2}};
  if (kind < 0 || kind > 4) return;
  const auto& k = Kinds[kind];
  const int32_t L = rect.Left, T = rect.Top, R = rect.Right - 1, B = rect.Bottom - 2;
  const int32_t mid = T + (B - T) / 2;
  canvas.Pen().Style = psSolid;
  canvas.Pen().Width = 1;

  canvas.Pen().Color = innerTopLine;
  Line(canvas, L, T + 1, R, T + 1);
  if (k.Left) Line(canvas, L + 1, T + 1, L + 1, mid);
  if (k.Right) Line(canvas, R - 2, T + 1, R - 2, mid);

  canvas.Pen().Color = innerBottomLine;
  Line(canvas, L, B - 1, R, B - 1);
  if (k.Left) Line(canvas, L + 1, mid, L + 1, B - 1);
  if (k.Right) Line(canvas, R - 2, mid, R - 2, B - 1);

  canvas.Pen().Color = borderColor;
  Line(canvas, L + k.InsetLeft, T, R - k.InsetRight, T);
  Line(canvas, L + k.InsetLeft, B, R - k.InsetRight, B);
  if (k.Right) Line(canvas, R - 1, T + 2, R - 1, B - 1);
  if (k.Left) Line(canvas, L, T + 2, L, B - 1);

  auto corners = [&](int32_t inner, int32_t outer) {
    for (const TPoint p : {Point(inner, T), Point(inner, T + 1), Point(outer, T + 1), Point(inner, B),
                           Point(inner, B - 1), Point(outer, B - 1)}) {
      canvas.SetPixels(p.X, p.Y, cornerColor);
    }
    canvas.SetPixels(outer, T, backgroundColor);
    canvas.SetPixels(outer, B, backgroundColor);
  };
  if (k.Left) corners(L + 1, L);
  if (k.Right) corners(R - 2, R - 1);

  const TRect body = Rect(L + k.InsetLeft, T + 2, R - k.InsetRight, B - 1);
  if (to == clNone) {
    Solid_Tools(canvas, from);
    canvas.Rectangle(body);
  } else if (mirrorFrom == clNone) {
    FillGradientBands(canvas, from, to, 16, body, false);
  } else {
    const int32_t half = body.Top + (body.Bottom - body.Top) / 2;
    FillGradientBands(canvas, from, to, 16, Rect(body.Left, body.Top, body.Right, half), false);
    FillGradientBands(canvas, mirrorFrom, mirrorTo, 16, Rect(body.Left, half, body.Right, body.Bottom), false);
  }
}

void FillRectColor(TCanvas& canvas, const TRect& rect, TColor color) {
  canvas.Brush().Color = color;
  canvas.Brush().Style = bsSolid;
  canvas.FillRect(rect);
}

void DrawGradient(TCanvas& canvas, TColor from, TColor to, int32_t steps, TRect rect, bool horizontal) {
  if (steps <= 0) steps = 1;
  if (horizontal)
    --rect.Right;
  else
    --rect.Bottom;
  const TColor c1 = ColorToRGB(from), c2 = ColorToRGB(to);
  const double dr = double(GetRValue(c2) - GetRValue(c1)) / steps;
  const double dg = double(GetGValue(c2) - GetGValue(c1)) / steps;
  const double db = double(GetBValue(c2) - GetBValue(c1)) / steps;
  const double step = double(horizontal ? rect.Right - rect.Left : rect.Bottom - rect.Top) / steps;
  const int32_t band = NearestInt(step) + 1;
  for (int32_t i = 0; i < steps; ++i) {
    Solid_Tools(canvas, RGB(GetRValue(c1) + NearestInt(i * dr), GetGValue(c1) + NearestInt(i * dg),
                            GetBValue(c1) + NearestInt(i * db)));
    const int32_t o = NearestInt(i * step);
    if (horizontal)
      canvas.FillRect(Rect(rect.Left + o, rect.Top, rect.Left + o + band, rect.Bottom));
    else
      canvas.FillRect(Rect(rect.Left, rect.Top + o, rect.Right, rect.Top + o + band));
  }
}
