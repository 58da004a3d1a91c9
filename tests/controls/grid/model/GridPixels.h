#pragma once
// Pixel checks shared by the painting tests: how many pixels of an area pass a test, and where such ink lies.
#include <QImage>
#include <algorithm>
#include <functional>

#include "UCanvas.h"
#include "USysColors.h"
#include "UTypes.h"

// A colour (system colours resolved) as the pixel value a painted picture holds.
inline QRgb Rgb(TColor color) {
  const TColor c = ColorToRGB(color);
  return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// The colour a painting test's picture starts in, so that pixels nothing painted stand out.
constexpr QRgb Untouched = qRgb(0xFF, 0x00, 0xFF);

// The grid painted whole into a width x height picture.
template <typename TGrid>
QImage PaintedShot(TGrid& grid, int32_t width, int32_t height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Untouched);
  TCanvas canvas(&image);
  grid.Paint(canvas, TRect{0, 0, width, height});
  canvas.Release();
  return image;
}

// The small grid most painting tests draw: five columns of 40 pixels and five rows of 20 (one fixed row and column
// by default) in a 200 x 100 client area.
template <typename TGrid>
void SetUpSmallGrid(TGrid& grid) {
  grid.SetColCount(5);
  grid.SetRowCount(5);
  grid.SetDefaultColWidth(40);
  grid.SetDefaultRowHeight(20);
  grid.SetBounds(0, 0, 200, 100);
}

inline int CountPixels(const QImage& image, const TRect& rect, const std::function<bool(QRgb)>& test) {
  int n = 0;
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x)
      if (test(image.pixel(x, y))) ++n;
  return n;
}

// The smallest rectangle holding every pixel of the area that passes the test; the area turned inside out (right
// before left) when none does.
inline TRect InkBounds(const QImage& image, const TRect& area, const std::function<bool(QRgb)>& ink) {
  TRect b{area.Right, area.Bottom, area.Left, area.Top};
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      if (ink(image.pixel(x, y))) {
        b.Left = std::min(b.Left, x);
        b.Top = std::min(b.Top, y);
        b.Right = std::max(b.Right, x + 1);
        b.Bottom = std::max(b.Bottom, y + 1);
      }
  return b;
}
