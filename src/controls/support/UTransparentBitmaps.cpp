#include "UTransparentBitmaps.h"

#include "USysColors.h"

void DrawBitmapTransparent(TCanvas& canvas, const TBitmap& bitmap, TColor fillColor, const TRect& rect) {
  if (bitmap.Empty()) return;
  QImage work = bitmap.Image().convertToFormat(QImage::Format_RGB32);
  const QRgb key = work.pixel(0, 0);
  const QRgb fill = TColorToQColor(fillColor).rgb();
  for (int y = 0; y < work.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(work.scanLine(y));
    for (int x = 0; x < work.width(); ++x) {
      if (line[x] == key) line[x] = fill;
    }
  }
  canvas.DrawImage(rect.Left, rect.Top, work);
}

namespace {

// A 9 x 9 box with a minus (open) or plus (closed) on a fuchsia key; the classic look has a plain grey frame, the
// newer one a soft blue frame with a light face.
TBitmap Node_Picture(bool open, bool newerLook) {
  TBitmap bitmap(11, 11);
  TCanvas& c = bitmap.Canvas();
  c.Brush().Color = clFuchsia;
  c.FillRect(Rect(0, 0, 11, 11));
  c.Pen().Color = newerLook ? TColor(0xB99D7F) : clGray;
  c.Brush().Color = newerLook ? TColor(0xF7F4F0) : clWhite;
  c.Rectangle(1, 1, 10, 10);
  c.Pen().Color = newerLook ? TColor(0x404040) : clBlack;
  c.MoveTo(3, 5);
  c.LineTo(8, 5);
  if (!open) {
    c.MoveTo(5, 3);
    c.LineTo(5, 8);
  }
  c.Release();
  return bitmap;
}

}  // namespace

TBitmap LoadResourceBitmap(const QString& resourceName) {
  if (resourceName == QLatin1String("ASGLEAFOPEN")) return Node_Picture(true, false);
  if (resourceName == QLatin1String("ASGLEAFCLOSE")) return Node_Picture(false, false);
  if (resourceName == QLatin1String("XPNODEO")) return Node_Picture(true, true);
  if (resourceName == QLatin1String("XPNODEC")) return Node_Picture(false, true);
  return TBitmap();
}

void DrawResourceBitmapTransparent(TCanvas& canvas, TColor fillColor, const TRect& rect,
                                   const QString& resourceName) {
  const TBitmap bitmap = LoadResourceBitmap(resourceName);
  DrawBitmapTransparent(canvas, bitmap, fillColor, rect);
}
