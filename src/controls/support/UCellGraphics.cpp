#include "UCellGraphics.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "UColorMath.h"
#include "UFormat.h"
#include "UGradients.h"
#include "USysColors.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

void Tools(TCanvas& c, TColor color) {
  c.Pen().Color = color;
  c.Pen().Style = psSolid;
  c.Pen().Width = 1;
  c.Brush().Color = color;
  c.Brush().Style = bsSolid;
}

}  // namespace

QString ProgressCellText(const QString& format, double position) {
  if (format.isEmpty()) return QString::number(NearestInt(position)) + QLatin1Char('%');
  // A "d" or "u" anywhere, even in plain text such as "done", makes it the rounded position as an integer.
  if (format.contains(QLatin1Char('d')) || format.contains(QLatin1Char('u')))
    return Format(format, {NearestInt(position)});
  return Format(format, {position});
}

void DrawProgressCell(TCanvas& canvas, TRect rect, TColor completeColor, TColor completeFontColor,
                      TColor incompleteColor, TColor incompleteFontColor, double position, int32_t marginX,
                      int32_t marginY, double minimum, double maximum, const QString& format, TColor borderColor,
                      bool print) {
  const TColor savedBrush = canvas.Brush().Color;
  Tools(canvas, completeColor);
  canvas.Font().Color = completeFontColor;
  const QString text = ProgressCellText(format, position);
  int32_t percentage = NearestInt(position);
  // An empty range shows no progress rather than dividing by zero.
  if (!format.isEmpty())
    percentage = maximum == minimum ? 0 : NearestInt((position - minimum) * 100 / (maximum - minimum));
  percentage = std::clamp(percentage, 0, 100);
  rect = Rect(rect.Left + marginX, rect.Top + marginY, rect.Right - marginX, rect.Bottom - marginY);
  const TRect complete =
      Rect(rect.Left, rect.Top, rect.Left + NearestInt((rect.Right - rect.Left) * percentage / 100.0), rect.Bottom);
  const int32_t sign = print ? -1 : 1;
  const int32_t x = rect.Left + (rect.Width() - canvas.TextWidth(text)) / 2;
  const int32_t y = rect.Top + (rect.Height() - canvas.TextHeight(text) * sign) / 2;
  canvas.TextRect(complete, x, y, text);
  Tools(canvas, incompleteColor);
  canvas.Font().Color = incompleteFontColor;
  canvas.TextRect(Rect(complete.Right, rect.Top, rect.Right, rect.Bottom), x, y, text);
  canvas.Brush().Color = borderColor;
  canvas.Pen().Color = savedBrush;
  rect = Rect(rect.Left - 1, rect.Top - 1, rect.Right + 1, rect.Bottom + 1);
  if (borderColor != clNone) canvas.FrameRect(rect);
  canvas.Brush().Color = savedBrush;
  canvas.FrameRect(Rect(rect.Left - 1, rect.Top - 1, rect.Right + 1, rect.Bottom + 1));
}

namespace {

// A part of a level bar: two gradient halves across its thickness, or flat.
void Level_Piece(TCanvas& c, const TRect& r, TColor color, TColor colorTo, const TLevelBarSettings& s) {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  if (!s.ShowGradient) {
    c.Brush().Color = color;
    c.Brush().Style = bsSolid;
    c.FillRect(r);
    return;
  }
  if (s.Vertical) {
    const int32_t mid = r.Left + r.Width() / 2;
    FillGradientBands(c, colorTo, color, s.Steps, Rect(r.Left, r.Top, mid, r.Bottom), true);
    FillGradientBands(c, color, colorTo, s.Steps, Rect(mid, r.Top, r.Right, r.Bottom), true);
  } else {
    const int32_t mid = r.Top + r.Height() / 2;
    FillGradientBands(c, colorTo, color, s.Steps, Rect(r.Left, r.Top, r.Right, mid), false);
    FillGradientBands(c, color, colorTo, s.Steps, Rect(r.Left, mid, r.Right, r.Bottom), false);
  }
}

}  // namespace

void DrawLevelProgressBar(TCanvas& canvas, const TRect& rect, int32_t percent, const TLevelBarSettings& s) {
  const TColor outline = s.ShowBorder ? s.BorderColor : s.BackgroundColor;
  canvas.Brush().Color = s.BackgroundColor;
  canvas.Brush().Style = bsSolid;
  canvas.Pen().Color = outline;
  canvas.Pen().Style = psSolid;
  canvas.Pen().Width = 1;
  canvas.Rectangle(rect);
  const int32_t W = s.Vertical ? rect.Bottom - rect.Top : rect.Right - rect.Left;
  const int32_t extent = W - 2;
  const int32_t L = rect.Left, T = rect.Top, R = rect.Right, B = rect.Bottom;
  if (percent > 0) {
    if (s.Stacked) {
      const int32_t len1 = NearestInt(std::min(percent, s.Level1Perc) / 100.0 * extent);
      const TRect seg1 = s.Vertical ? Rect(L + 1, B - len1, R - 1, B - 1) : Rect(L + 1, T + 1, L + 1 + len1, B - 1);
      Level_Piece(canvas, seg1, s.Level0Color, s.Level0ColorTo, s);
      if (percent >= s.Level1Perc) {
        const int32_t len2 = NearestInt(extent * (std::min(percent, s.Level2Perc) - s.Level1Perc) / 100.0);
        const TRect seg2 = s.Vertical ? Rect(L + 1, seg1.Top - len2, R - 1, seg1.Top)
                                      : Rect(seg1.Right, T + 1, seg1.Right + len2, B - 1);
        Level_Piece(canvas, seg2, s.Level1Color, s.Level1ColorTo, s);
        if (percent >= s.Level2Perc) {
          const int32_t len3 =
              percent == 100 ? extent - (len1 + len2) : NearestInt(extent * (percent - s.Level2Perc) / 100.0);
          const TRect seg3 = s.Vertical ? Rect(L + 1, seg2.Top - 1 - len3, R - 1, seg2.Top - 1)
                                        : Rect(seg2.Right, T + 1, seg2.Right + len3, B - 1);
          Level_Piece(canvas, seg3, s.Level3Color, s.Level3ColorTo, s);
        }
      }
    } else {
      TColor color = s.Level2Color, colorTo = s.Level2ColorTo;
      if (percent < s.Level1Perc) {
        color = s.Level0Color, colorTo = s.Level0ColorTo;
      } else if (percent < s.Level2Perc) {
        color = s.Level1Color, colorTo = s.Level1ColorTo;
      } else if (percent > 99) {
        color = s.Level3Color, colorTo = s.Level3ColorTo;
      }
      if (s.CompletionSmooth) {
        const int32_t len = NearestInt(percent / 100.0 * extent);
        Level_Piece(canvas,
                    s.Vertical ? Rect(L + 1, B - 1 - len, R - 1, B - 1) : Rect(L + 1, T + 1, L + 1 + len, B - 1),
                    color, colorTo, s);
      } else {
        // Blocks of 7 pixels with 2-pixel gaps, and a shorter last block for the remainder.
        const int32_t t = NearestInt(percent * extent / 100.0);
        auto block = [&](int32_t from, int32_t to) {
          Level_Piece(canvas,
                      s.Vertical ? Rect(L + 2, B - to, R - 2, B - from) : Rect(L + from, T + 2, L + to, B - 2), color,
                      colorTo, s);
        };
        if (t > 9) {
          int32_t at = 2;
          for (int32_t i = 0; i < t / 9; ++i, at += 9) block(at, at + 7);
          if (t % 9 > 2) block(at, at + t % 9 - 1);
        } else if (t > 1) {
          block(2, t + 1);
        }
        canvas.Brush().Style = bsClear;
      }
    }
  }
  if (s.ShowPercentage) {
    canvas.Brush().Style = bsClear;
    canvas.Font().Name = s.Font.Name;
    canvas.Font().Height = s.Font.Height;
    canvas.Font().Style = s.Font.Style;
    canvas.Font().Color = s.FontColor;
    const QString text = QString::number(percent) + QLatin1Char('%');
    const TBkMode mode = canvas.BkMode();
    canvas.SetBkMode(bkTransparent);
    const int32_t tw = canvas.TextWidth(text), th = canvas.TextHeight(text);
    if (s.Vertical) {
      const int32_t orientation = canvas.Font().Orientation;
      canvas.Font().Orientation = 900;
      canvas.TextOut(L + (R - L) / 2 - th / 2, T + (B - T) / 2 + tw / 2, text);
      canvas.Font().Orientation = orientation;
    } else {
      canvas.TextOut(L + (R - L) / 2 - tw / 2, T + (B - T) / 2 - th / 2, text);
    }
    canvas.SetBkMode(mode);
  }
  canvas.Pen().Color = outline;
  canvas.Brush().Style = bsClear;
  canvas.Rectangle(rect);
}

void DrawPieCell(TCanvas& canvas, const TRect& rect, TColor fillColor, int32_t percent, bool print) {
  canvas.Pen().Color = clGray;
  canvas.Pen().Width = 1;
  canvas.Pen().Style = psSolid;
  canvas.Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom);
  const int32_t cx = rect.Left + (rect.Right - rect.Left) / 2, cy = rect.Top + (rect.Bottom - rect.Top) / 2;
  canvas.MoveTo(cx, rect.Top);
  canvas.LineTo(cx, cy);
  const double angle = percent / 100.0 * 2 * Pi;
  canvas.MoveTo(cx, cy);
  canvas.LineTo(cx + NearestInt((rect.Right - rect.Left + 1) * 0.5 * std::sin(angle)),
                cy - NearestInt((rect.Bottom - rect.Top + 1) * 0.5 * std::cos(angle)));
  canvas.Brush().Color = fillColor;
  canvas.Brush().Style = bsSolid;
  // Printing places the seed as a canvas whose y grows upwards needs it; on one whose y grows downwards that point
  // lies above the pie, and a fill from there would flood the whole page, so the seed stays inside.
  int32_t seedY = print ? rect.Top - 2 : rect.Top + 2;
  if (seedY < rect.Top) seedY = rect.Top + 2;
  if (percent != 0) canvas.FloodFill(cx + 1, seedY, clGray, fsBorder);
}

void DrawBipolarBar(TCanvas& canvas, const TRect& rect, int32_t value, int32_t maximum, bool showValue,
                    TColor negativeColor, TColor positiveColor) {
  const TRect inner = Rect(rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2);
  const int32_t half = inner.Width() / 2;
  maximum = std::abs(maximum);
  value = std::clamp(value, -maximum, maximum);
  // A zero maximum leaves nothing to scale: no bar.
  const int32_t w = maximum == 0 ? 0 : NearestInt(double(value) * half / maximum);
  if (value < 0) {
    Tools(canvas, negativeColor);
    canvas.Rectangle(inner.Left + half + w, inner.Top, inner.Left + half, inner.Bottom);
  } else {
    Tools(canvas, positiveColor);
    canvas.Rectangle(inner.Left + half, inner.Top, inner.Left + half + w, inner.Bottom);
  }
  if (!showValue) return;
  // The value is centred over the whole bar, in the font's colour.
  canvas.SetBkMode(bkTransparent);
  const QString text = QString::number(value);
  canvas.TextOut(inner.Left + (inner.Width() - canvas.TextWidth(text)) / 2,
                 inner.Top + (inner.Height() - canvas.TextHeight(text)) / 2, text);
}

void DrawCellShape(TCanvas& canvas, int32_t x, int32_t y, int32_t w, int32_t h, TCellShape shape, TColor brushColor,
                   TColor penColor) {
  if (shape == csCircle || shape == csSquare || shape == csRoundSquare) w = h = std::min(w, h);
  canvas.Brush().Color = brushColor;
  canvas.Brush().Style = bsSolid;
  canvas.Pen().Color = penColor;
  canvas.Pen().Style = psSolid;
  auto star_point = [&](double angle, double rx, double ry) {
    const int32_t cx = x + w / 2, cy = y + h / 2;
    return Point(cx + NearestInt(std::sin(angle) * rx), cy - NearestInt(std::cos(angle) * ry));
  };
  const double outerX = w / 2, outerY = h / 2, innerX = (w / 2) / 3.0, innerY = (h / 2) / 3.0;
  const int32_t W2 = w & ~1, q = W2 / 4, hm = h / 2, H2 = h & ~1, p = H2 / 4, wm = w / 2;
  switch (shape) {
    case csRectangle:
    case csSquare:
      canvas.Rectangle(x + 1, y + 1, x + w - 1, y + h - 1);
      break;
    case csCircle:
    case csEllips:
      canvas.Ellipse(x, y, x + w, y + h);
      break;
    case csRoundRect:
    case csRoundSquare:
      canvas.RoundRect(x, y, x + w, y + h, 10, 10);
      break;
    case csTriangleLeft:
      canvas.Polygon({Point(x + w, y), Point(x + w, y + h), Point(x, y + h / 2)});
      break;
    case csTriangleRight:
      canvas.Polygon({Point(x, y), Point(x, y + h), Point(x + w, y + h / 2)});
      break;
    case csTriangleUp:
      canvas.Polygon({Point(x, y + h), Point(x + w, y + h), Point(x + w / 2, y)});
      break;
    case csTriangleDown:
      canvas.Polygon({Point(x, y), Point(x + w, y), Point(x + w / 2, y + h)});
      break;
    case csDiamond: {
      const int32_t a = w / 2, b = h / 2;
      canvas.Polygon({Point(x, y + b), Point(x + a, y), Point(x + 2 * a, y + b), Point(x + a, y + 2 * b)});
      break;
    }
    case csLineVert:
      canvas.Rectangle(x + w / 2, y, x + w / 2 + 1, y + h);
      break;
    case csLineHorz:
      canvas.Rectangle(x, y + h / 2, x + w, y + h / 2 + 1);
      break;
    case csStar: {
      std::vector<TPoint> points;
      for (int k = 0; k < 10; ++k) {
        const bool outer = k % 2 == 0;
        points.push_back(star_point(k * Pi / 5, outer ? outerX : innerX, outer ? outerY : innerY));
      }
      canvas.Polygon(points);
      break;
    }
    case csHalfStar:
      canvas.Polygon({star_point(0, outerX, outerY), star_point(Pi, innerX, innerY),
                      star_point(1.2 * Pi, outerX, outerY), star_point(1.4 * Pi, innerX, innerY),
                      star_point(1.6 * Pi, outerX, outerY), star_point(1.8 * Pi, innerX, innerY)});
      break;
    case csArrowUp:
      canvas.Polygon({Point(x, y + hm), Point(x + W2 / 2, y), Point(x + W2, y + hm), Point(x + 3 * q, y + hm),
                      Point(x + 3 * q, y + h), Point(x + q, y + h), Point(x + q, y + hm)});
      break;
    case csArrowDown:
      canvas.Polygon({Point(x, y + hm), Point(x + W2 / 2, y + h), Point(x + W2, y + hm), Point(x + 3 * q, y + hm),
                      Point(x + 3 * q, y), Point(x + q, y), Point(x + q, y + hm)});
      break;
    case csArrowLeft:
      canvas.Polygon({Point(x, y + H2 / 2), Point(x + wm, y), Point(x + wm, y + p), Point(x + w, y + p),
                      Point(x + w, y + 3 * p), Point(x + wm, y + 3 * p), Point(x + wm, y + H2)});
      break;
    case csArrowRight:
      canvas.Polygon({Point(x + w, y + H2 / 2), Point(x + wm, y), Point(x + wm, y + p), Point(x, y + p),
                      Point(x, y + 3 * p), Point(x + wm, y + 3 * p), Point(x + wm, y + H2)});
      break;
  }
}

void DrawDownTriangle(TCanvas& canvas, int32_t x, int32_t y, TColor color) {
  Tools(canvas, color);
  canvas.Polygon({Point(x - 3, y), Point(x + 3, y), Point(x, y + 3)});
}

void DrawSpellErrorUnderline(const TFont& font, TCanvas& canvas, const QString& text, const TRect& rect,
                             int32_t yOffset, int32_t errPos, int32_t errLen) {
  if (text.isEmpty()) return;
  // Where a single-line edit in that font puts each character: its left edge, on the first line.
  const QFontMetrics metrics(ToQFont(font));
  auto position_of = [&](int32_t index) { return Point(metrics.horizontalAdvance(text.left(index)), 0); };
  const TPoint last = position_of(int32_t(text.size()) - 1);
  const TPoint start = text.size() > errPos ? position_of(std::max(0, errPos)) : Point(last.X + 4, last.Y);
  const TPoint end =
      text.size() > errPos + errLen ? position_of(std::max(0, errPos + errLen - 1)) : Point(last.X + 4, start.Y);
  canvas.Pen().Color = clRed;
  canvas.Pen().Width = 2;
  canvas.Pen().Style = psSolid;
  canvas.MoveTo(rect.Left + start.X, rect.Top + start.Y + yOffset + 3);
  int32_t g = 3, x = start.X;
  for (; x <= end.X; x += 3) {
    g = g == 3 ? 0 : 3;
    canvas.LineTo(rect.Left + x + 3, rect.Top + end.Y + yOffset + g);
  }
  g = g == 3 ? 0 : 3;
  canvas.LineTo(rect.Left + x + 3, rect.Top + end.Y + yOffset + g);
}
