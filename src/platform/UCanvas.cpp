#include "UCanvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPolygon>
#include <algorithm>
#include <cstdlib>

#include "UBitmap.h"
#include "USysColors.h"
#include "UTextLayout.h"

namespace {

QRect To_QRect(const TRect& r) {
  return QRect(r.Left, r.Top, r.Width(), r.Height());
}

TRect Intersect(const TRect& a, const TRect& b) {
  TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  return r;
}

// On-off run lengths of the dashed pen styles, in pixels.
const std::vector<int32_t>& Dash_Pattern(TPenStyle style) {
  static const std::vector<int32_t> solid;
  static const std::vector<int32_t> dash{18, 6};
  static const std::vector<int32_t> dot{3, 3};
  static const std::vector<int32_t> dashDot{9, 6, 3, 6};
  static const std::vector<int32_t> dashDotDot{9, 3, 3, 3, 3, 3};
  switch (style) {
    case psDash:
      return dash;
    case psDot:
      return dot;
    case psDashDot:
      return dashDot;
    case psDashDotDot:
      return dashDotDot;
    default:
      return solid;
  }
}

}  // namespace

TCanvas::TCanvas(QPaintDevice* device) : FDevice(device) {}

TCanvas::TCanvas(QImage* image) : FDevice(image), FImage(image) {}

TCanvas::~TCanvas() {
  Release();
}

void TCanvas::Release() {
  if (FPainter) FPainter->end();
  FPainter.reset();
}

QPainter& TCanvas::Painter() {
  if (!FPainter) {
    FPainter = std::make_unique<QPainter>(FDevice);
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setRenderHint(QPainter::TextAntialiasing, false);
    if (!FClips.empty()) FPainter->setClipRect(To_QRect(FClips.back()));
  }
  FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
  FPainter->setPen(Qt::NoPen);
  FPainter->setBrush(Qt::NoBrush);
  return *FPainter;
}

void TCanvas::Apply_Pen_Mode(QPainter& p) const {
  if (FPen.Mode == pmXor) p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  if (FPen.Mode == pmNot) p.setCompositionMode(QPainter::RasterOp_NotDestination);
}

bool TCanvas::Pen_Dash_On(int32_t index) const {
  const std::vector<int32_t>& pattern = Dash_Pattern(FPen.Style);
  if (pattern.empty()) return true;
  int32_t period = 0;
  for (int32_t run : pattern) period += run;
  int32_t at = index % period;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (at < pattern[i]) return i % 2 == 0;
    at -= pattern[i];
  }
  return true;
}

void TCanvas::Plot(int32_t x, int32_t y) {
  const int32_t w = std::max(1, FPen.Width);
  const int32_t half = (w - 1) / 2;
  QPainter& p = Painter();
  Apply_Pen_Mode(p);
  // An XOR pen flips the bits of its own colour; the NOT pen ignores its colour.
  p.fillRect(QRect(x - half, y - half, w, w), TColorToQColor(FPen.Color));
}

// Bresenham from one end to the other; the classic rule leaves the end point unpainted.
void TCanvas::Plot_Line(TPoint from, TPoint to, bool lastPixel) {
  if (FPen.Style == psClear) return;
  int32_t x = from.X, y = from.Y;
  const int32_t dx = std::abs(to.X - x), dy = -std::abs(to.Y - y);
  const int32_t sx = x < to.X ? 1 : -1, sy = y < to.Y ? 1 : -1;
  int32_t err = dx + dy;
  while (x != to.X || y != to.Y) {
    if (Pen_Dash_On(FDashIndex++)) Plot(x, y);
    const int32_t e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
  if (lastPixel && Pen_Dash_On(FDashIndex++)) Plot(x, y);
}

void TCanvas::LineTo(int32_t x, int32_t y) {
  FDashIndex = 0;
  Plot_Line(FPenPos, Point(x, y), false);
  FPenPos = Point(x, y);
}

void TCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  if (FPen.Style == psClear) {
    // Without a pen the classic desktop fills one pixel less to the right and bottom.
    FillRect(Rect(left, top, right - 1, bottom - 1));
    return;
  }
  if (FBrush.Style == bsSolid) FillRect(Rect(left + 1, top + 1, right - 1, bottom - 1));
  if (right - left < 1 || bottom - top < 1) return;
  FDashIndex = 0;
  Plot_Line(Point(left, top), Point(right - 1, top), false);
  Plot_Line(Point(right - 1, top), Point(right - 1, bottom - 1), false);
  Plot_Line(Point(right - 1, bottom - 1), Point(left, bottom - 1), false);
  Plot_Line(Point(left, bottom - 1), Point(left, top), right - left == 1 || bottom - top == 1);
}

void TCanvas::FillRect(const TRect& r) {
  if (FBrush.Style == bsClear || r.Width() <= 0 || r.Height() <= 0) return;
  Painter().fillRect(To_QRect(r), TColorToQColor(FBrush.Color));
}

void TCanvas::FrameRect(const TRect& r) {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  QPainter& p = Painter();
  const QColor c = TColorToQColor(FBrush.Color);
  p.fillRect(QRect(r.Left, r.Top, r.Width(), 1), c);
  p.fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), c);
  p.fillRect(QRect(r.Left, r.Top, 1, r.Height()), c);
  p.fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), c);
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  QPolygon polygon;
  for (const TPoint& pt : points) polygon << QPoint(pt.X, pt.Y);
  if (FBrush.Style == bsSolid) {
    QPainter& p = Painter();
    p.setBrush(TColorToQColor(FBrush.Color));
    p.drawPolygon(polygon, Qt::OddEvenFill);
  }
  FDashIndex = 0;
  for (size_t i = 0; i < points.size(); ++i) Plot_Line(points[i], points[(i + 1) % points.size()], false);
  if (points.size() == 1) Plot_Line(points[0], points[0], true);
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
  FDashIndex = 0;
  for (size_t i = 1; i < points.size(); ++i) Plot_Line(points[i - 1], points[i], false);
  if (!points.empty()) FPenPos = points.back();
}

void TCanvas::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  QPainter& p = Painter();
  if (FPen.Style != psClear) p.setPen(QPen(TColorToQColor(FPen.Color), std::max(1, FPen.Width)));
  if (FBrush.Style == bsSolid) p.setBrush(TColorToQColor(FBrush.Color));
  Apply_Pen_Mode(p);
  p.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void TCanvas::RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t cornerWidth,
                        int32_t cornerHeight) {
  QPainter& p = Painter();
  if (FPen.Style != psClear) p.setPen(QPen(TColorToQColor(FPen.Color), std::max(1, FPen.Width)));
  if (FBrush.Style == bsSolid) p.setBrush(TColorToQColor(FBrush.Color));
  Apply_Pen_Mode(p);
  p.drawRoundedRect(QRect(left, top, right - left - 1, bottom - top - 1), cornerWidth / 2.0, cornerHeight / 2.0,
                    Qt::AbsoluteSize);
}

void TCanvas::DrawFocusRect(const TRect& r) {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  QPainter& p = Painter();
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  const QColor white(Qt::white);
  auto invert = [&](int32_t x, int32_t y) {
    if ((x - r.Left + y - r.Top) % 2 == 0) p.fillRect(QRect(x, y, 1, 1), white);
  };
  for (int32_t x = r.Left; x < r.Right; ++x) {
    invert(x, r.Top);
    if (r.Bottom - 1 > r.Top) invert(x, r.Bottom - 1);
  }
  for (int32_t y = r.Top + 1; y < r.Bottom - 1; ++y) {
    invert(r.Left, y);
    if (r.Right - 1 > r.Left) invert(r.Right - 1, y);
  }
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

TColor TCanvas::Pixels(int32_t x, int32_t y) {
  if (!FImage || !FImage->valid(x, y)) return clNone;
  Release();
  return QColorToTColor(QColor::fromRgb(FImage->pixel(x, y)));
}

void TCanvas::SetPixels(int32_t x, int32_t y, TColor color) {
  if (FImage) {
    if (!FImage->valid(x, y)) return;
    Release();
    FImage->setPixel(x, y, TColorToQColor(color).rgb());
    return;
  }
  Painter().fillRect(QRect(x, y, 1, 1), TColorToQColor(color));
}

int32_t TCanvas::TextWidth(const QString& text) const {
  return QFontMetrics(ToQFont(FFont), FDevice).horizontalAdvance(text);
}

int32_t TCanvas::TextHeight(const QString&) const {
  return QFontMetrics(ToQFont(FFont), FDevice).height();
}

void TCanvas::Draw_Text_Line(int32_t x, int32_t y, const QString& text, int32_t prefixIndex) {
  const QFont font = ToQFont(FFont);
  const QFontMetrics metrics(font, FDevice);
  QPainter& p = Painter();
  p.save();
  p.translate(x, y);
  if (FFont.Orientation != 0) p.rotate(-FFont.Orientation / 10.0);
  if (FBkMode == bkOpaque && FBrush.Style == bsSolid) {
    p.fillRect(QRect(0, 0, metrics.horizontalAdvance(text), metrics.height()), TColorToQColor(FBrush.Color));
  }
  p.setFont(font);
  p.setPen(TColorToQColor(FFont.Color));
  p.drawText(QPoint(0, metrics.ascent()), text);
  if (prefixIndex >= 0 && prefixIndex < text.size()) {
    const int32_t from = metrics.horizontalAdvance(text.left(prefixIndex));
    const int32_t width = metrics.horizontalAdvance(text.at(prefixIndex));
    p.fillRect(QRect(from, metrics.ascent() + 1, width, 1), TColorToQColor(FFont.Color));
  }
  p.restore();
}

void TCanvas::TextOut(int32_t x, int32_t y, const QString& text) {
  Draw_Text_Line(x, y, text, -1);
  FPenPos = Point(x + TextWidth(text), y);
}

int32_t TCanvas::DrawText(const QString& text, TRect& r, uint32_t flags) {
  const QFontMetrics metrics(ToQFont(FFont), FDevice);
  const std::vector<TTextLine> lines = Layout_Text(text, metrics, r.Width(), flags);
  const int32_t lineHeight = metrics.height();
  const int32_t total = lineHeight * int32_t(lines.size());
  if (flags & DT_CALCRECT) {
    int32_t widest = 0;
    for (const TTextLine& line : lines) widest = std::max(widest, line.Width);
    // The rectangle shrinks or grows to the widest line, and its bottom moves to the last line.
    r.Right = r.Left + widest;
    r.Bottom = r.Top + total;
    return total;
  }
  int32_t y = r.Top;
  if (flags & DT_SINGLELINE) {
    if (flags & DT_VCENTER) y = r.Top + (r.Height() - lineHeight) / 2;
    if (flags & DT_BOTTOM) y = r.Bottom - lineHeight;
  }
  const bool clip = !(flags & DT_NOCLIP);
  if (clip) PushClip(r);
  for (const TTextLine& line : lines) {
    int32_t x = r.Left;
    if (flags & DT_CENTER) x = r.Left + (r.Width() - line.Width) / 2;
    if (flags & DT_RIGHT) x = r.Right - line.Width;
    Draw_Text_Line(x, y, line.Text, line.Underline);
    y += lineHeight;
  }
  if (clip) PopClip();
  return total;
}

void TCanvas::DrawImage(int32_t x, int32_t y, const QImage& image) {
  Painter().drawImage(QPoint(x, y), image);
}

void TCanvas::Draw(int32_t x, int32_t y, const TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  if (&bitmap.Image() == FImage) {
    // Drawing a picture onto itself must read the pixels as they were before.
    const QImage copy = bitmap.Transparent() ? bitmap.MaskedImage() : bitmap.Image().copy();
    DrawImage(x, y, copy);
    return;
  }
  DrawImage(x, y, bitmap.Transparent() ? bitmap.MaskedImage() : bitmap.Image());
}

void TCanvas::StretchDraw(const TRect& r, const TBitmap& bitmap) {
  if (bitmap.Empty() || r.Width() == 0 || r.Height() == 0) return;
  QPainter& p = Painter();
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.drawImage(To_QRect(r), bitmap.Transparent() ? bitmap.MaskedImage() : bitmap.Image().copy());
}

void TCanvas::PushClip(const TRect& r) {
  FClips.push_back(FClips.empty() ? r : Intersect(FClips.back(), r));
  if (FPainter) FPainter->setClipRect(To_QRect(FClips.back()));
}

void TCanvas::PopClip() {
  if (FClips.empty()) return;
  FClips.pop_back();
  if (!FPainter) return;
  if (FClips.empty()) {
    FPainter->setClipping(false);
  } else {
    FPainter->setClipRect(To_QRect(FClips.back()));
  }
}

TRect TCanvas::ClipRect() const {
  if (!FClips.empty()) return FClips.back();
  return Rect(0, 0, FDevice->width(), FDevice->height());
}
