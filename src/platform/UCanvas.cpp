#include "UCanvas.h"

#include <QPaintDevice>
#include <QPolygon>
#include <algorithm>
#include <cstdlib>

#include "UBitmap.h"
#include "USysColors.h"

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

// Screen devices count as the classic 96 pixels per inch whatever the desktop reports, so sizes in points give the
// same pixels on every machine; printers, PDF writers and images carry their own resolution.
int32_t Device_Pixels_Per_Inch(const QPaintDevice* device) {
  if (!device || device->devType() == QInternal::Widget || device->devType() == QInternal::Pixmap) return 96;
  return device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
}

}  // namespace

TCanvas::TCanvas(QPaintDevice* device) : FDevice(device), FPixelsPerInch(Device_Pixels_Per_Inch(device)) {
  FFont.PixelsPerInch = FPixelsPerInch;
}

TCanvas::TCanvas(QImage* image) : TCanvas(static_cast<QPaintDevice*>(image)) {
  FImage = image;
}

TCanvas::~TCanvas() {
  Release();
}

void TCanvas::Release() {
  if (FPainter) FPainter->end();
  FPainter.reset();
  FPainterFont = 0;
}

QPainter& TCanvas::Painter() {
  if (!FPainter) {
    FPainter = std::make_unique<QPainter>(FDevice);
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setRenderHint(QPainter::TextAntialiasing, false);
    if (FOrigin.X != 0 || FOrigin.Y != 0) FPainter->setTransform(QTransform::fromTranslate(FOrigin.X, FOrigin.Y));
    Apply_Clip();
  }
  // The painter keeps its state between calls; these setters return at once when nothing changes.
  FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
  FPainter->setPen(Qt::NoPen);
  FPainter->setBrush(Qt::NoBrush);
  return *FPainter;
}

QRect TCanvas::Device_To_Logical(const TRect& r) const {
  return QRect(r.Left - FOrigin.X, r.Top - FOrigin.Y, r.Width(), r.Height());
}

void TCanvas::Apply_Clip() {
  if (!FPainter) return;
  if (FClips.empty()) {
    FPainter->setClipping(false);
  } else {
    FPainter->setClipRect(Device_To_Logical(FClips.back()));
  }
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

// A solid horizontal or vertical line is one rectangle: the same pixels as plotting it point by point, at a
// fraction of the cost. Pens that combine with the picture take this way only when their squares cannot overlap.
bool TCanvas::Plot_Span(TPoint from, TPoint to, bool lastPixel) {
  if (from.X != to.X && from.Y != to.Y) return false;
  if (!Dash_Pattern(FPen.Style).empty()) return false;
  const int32_t w = std::max(1, FPen.Width);
  if (FPen.Mode != pmCopy && w > 1) return false;
  const int32_t half = (w - 1) / 2;
  int32_t x0 = from.X, y0 = from.Y, x1 = to.X, y1 = to.Y;
  const int32_t length = std::abs(x1 - x0) + std::abs(y1 - y0) + (lastPixel ? 1 : 0);
  if (length == 0) return true;
  // The pixels run from `from` towards `to`, `length` of them.
  if (x0 == x1 && y0 == y1) {
    x1 = x0 + 1;
    y1 = y0 + 1;
  } else if (y0 == y1) {
    const int32_t first = x0 < x1 ? x0 : x0 - length + 1;
    x0 = first;
    x1 = first + length;
    y1 = y0 + 1;
  } else {
    const int32_t first = y0 < y1 ? y0 : y0 - length + 1;
    y0 = first;
    y1 = first + length;
    x1 = x0 + 1;
  }
  QPainter& p = Painter();
  Apply_Pen_Mode(p);
  p.fillRect(QRect(x0 - half, y0 - half, x1 - x0 + w - 1, y1 - y0 + w - 1), TColorToQColor(FPen.Color));
  FDashIndex += length;
  return true;
}

// Bresenham from one end to the other; the classic rule leaves the end point unpainted.
void TCanvas::Plot_Line(TPoint from, TPoint to, bool lastPixel) {
  if (FPen.Style == psClear) return;
  if (Plot_Span(from, to, lastPixel)) return;
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
  x += FOrigin.X;
  y += FOrigin.Y;
  if (!FImage || !FImage->valid(x, y)) return clNone;
  Release();
  return QColorToTColor(QColor::fromRgb(FImage->pixel(x, y)));
}

void TCanvas::SetPixels(int32_t x, int32_t y, TColor color) {
  if (FImage) {
    if (!FImage->valid(x + FOrigin.X, y + FOrigin.Y)) return;
    Release();
    FImage->setPixel(x + FOrigin.X, y + FOrigin.Y, TColorToQColor(color).rgb());
    return;
  }
  Painter().fillRect(QRect(x, y, 1, 1), TColorToQColor(color));
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

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
  if (!source.FImage || dest.Width() == 0 || dest.Height() == 0) return;
  source.Release();
  const QRect from(sourceRect.Left + source.FOrigin.X, sourceRect.Top + source.FOrigin.Y, sourceRect.Width(),
                   sourceRect.Height());
  // A copy first, so copying within one picture reads the pixels as they were.
  const QImage pixels = source.FImage->copy(from.normalized());
  QPainter& p = Painter();
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.drawImage(To_QRect(dest), pixels);
}

void TCanvas::PushClip(const TRect& r) {
  const TRect device{r.Left + FOrigin.X, r.Top + FOrigin.Y, r.Right + FOrigin.X, r.Bottom + FOrigin.Y};
  FClips.push_back(FClips.empty() ? device : Intersect(FClips.back(), device));
  Apply_Clip();
}

void TCanvas::PopClip() {
  if (FClips.empty()) return;
  FClips.pop_back();
  Apply_Clip();
}

TRect TCanvas::ClipRect() const {
  const TRect device = FClips.empty() ? Rect(0, 0, FDevice->width(), FDevice->height()) : FClips.back();
  return Rect(device.Left - FOrigin.X, device.Top - FOrigin.Y, device.Right - FOrigin.X, device.Bottom - FOrigin.Y);
}

void TCanvas::SetViewportOrg(TPoint origin) {
  FOrigin = origin;
  if (!FPainter) return;
  FPainter->setTransform(QTransform::fromTranslate(origin.X, origin.Y));
  Apply_Clip();
}

int32_t TCanvas::SaveDC() {
  FSaved.push_back(TState{FPen, FBrush, FFont, FBkMode, FPenPos, FClips, FOrigin});
  return int32_t(FSaved.size());
}

bool TCanvas::RestoreDC(int32_t saved) {
  const int32_t count = int32_t(FSaved.size());
  const int32_t index = saved < 0 ? count + saved : saved - 1;
  if (saved == 0 || index < 0 || index >= count) return false;
  TState state = std::move(FSaved[size_t(index)]);
  FSaved.resize(size_t(index));
  FPen = state.Pen;
  FBrush = state.Brush;
  FFont = state.Font;
  FBkMode = state.BkMode;
  FPenPos = state.PenPos;
  FClips = std::move(state.Clips);
  SetViewportOrg(state.Origin);
  Apply_Clip();
  return true;
}

void TCanvas::FloodFill(int32_t x, int32_t y, TColor color, TFillStyle style) {
  if (!FImage || FBrush.Style == bsClear) return;
  const TRect clip = Intersect(FClips.empty() ? Rect(0, 0, FImage->width(), FImage->height()) : FClips.back(),
                               Rect(0, 0, FImage->width(), FImage->height()));
  x += FOrigin.X;
  y += FOrigin.Y;
  if (x < clip.Left || x >= clip.Right || y < clip.Top || y >= clip.Bottom) return;
  Release();
  const QRgb key = TColorToQColor(color).rgb() & 0xFFFFFF;
  const QRgb fill = TColorToQColor(FBrush.Color).rgb();
  auto inside = [&](int32_t px, int32_t py) {
    const bool same = (FImage->pixel(px, py) & 0xFFFFFF) == key;
    return style == fsSurface ? same : !same;
  };
  if (!inside(x, y)) return;
  // Pixels already filled must not count as inside again: a second picture of what was visited.
  std::vector<bool> visited(size_t(FImage->width()) * size_t(FImage->height()), false);
  auto seen = [&](int32_t px, int32_t py) { return visited[size_t(py) * size_t(FImage->width()) + size_t(px)]; };
  std::vector<TPoint> todo{Point(x, y)};
  while (!todo.empty()) {
    const TPoint seed = todo.back();
    todo.pop_back();
    if (seen(seed.X, seed.Y) || !inside(seed.X, seed.Y)) continue;
    int32_t left = seed.X, right = seed.X;
    while (left - 1 >= clip.Left && !seen(left - 1, seed.Y) && inside(left - 1, seed.Y)) --left;
    while (right + 1 < clip.Right && !seen(right + 1, seed.Y) && inside(right + 1, seed.Y)) ++right;
    for (int32_t px = left; px <= right; ++px) {
      visited[size_t(seed.Y) * size_t(FImage->width()) + size_t(px)] = true;
      for (const int32_t py : {seed.Y - 1, seed.Y + 1}) {
        if (py >= clip.Top && py < clip.Bottom && !seen(px, py) && inside(px, py)) todo.push_back(Point(px, py));
      }
    }
  }
  for (int32_t py = clip.Top; py < clip.Bottom; ++py) {
    for (int32_t px = clip.Left; px < clip.Right; ++px) {
      if (seen(px, py)) FImage->setPixel(px, py, fill);
    }
  }
}
