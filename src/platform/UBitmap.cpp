#include "UBitmap.h"

#include <QPainter>

#include "UCanvas.h"
#include "USysColors.h"

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int32_t width, int32_t height) {
  SetSize(width, height);
}

TBitmap::TBitmap(const QImage& image) {
  Assign(image);
}

TBitmap::TBitmap(const TBitmap& other)
    : FImage(other.Image().copy()),
      FTransparent(other.FTransparent),
      FTransparentMode(other.FTransparentMode),
      FTransparentColor(other.FTransparentColor) {}

TBitmap& TBitmap::operator=(const TBitmap& other) {
  if (this == &other) return *this;
  Finish_Drawing();
  FImage = other.Image().copy();
  FTransparent = other.FTransparent;
  FTransparentMode = other.FTransparentMode;
  FTransparentColor = other.FTransparentColor;
  return *this;
}

TBitmap::~TBitmap() = default;

void TBitmap::Finish_Drawing() const {
  if (FCanvas) FCanvas->Release();
}

void TBitmap::SetSize(int32_t width, int32_t height) {
  Finish_Drawing();
  if (width <= 0 || height <= 0) {
    FImage = QImage();
    return;
  }
  if (width == Width() && height == Height()) return;
  QImage resized(width, height, QImage::Format_RGB32);
  resized.fill(Qt::white);
  if (!FImage.isNull()) {
    QPainter p(&resized);
    p.drawImage(0, 0, FImage);
  }
  FImage = resized;
}

void TBitmap::Clear() {
  SetSize(0, 0);
}

void TBitmap::Assign(const QImage& image) {
  Finish_Drawing();
  FImage = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
}

TCanvas& TBitmap::Canvas() {
  if (!FCanvas) FCanvas = std::make_unique<TCanvas>(&FImage);
  return *FCanvas;
}

TColor TBitmap::TransparentColor() const {
  if (FTransparentMode == tmFixed) return FTransparentColor;
  return Pixel(0, Height() - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
  FTransparentColor = color;
  FTransparentMode = tmFixed;
}

TColor TBitmap::Pixel(int32_t x, int32_t y) const {
  const QImage& image = Image();
  if (!image.valid(x, y)) return clNone;
  return QColorToTColor(QColor::fromRgb(image.pixel(x, y)));
}

const QImage& TBitmap::Image() const {
  Finish_Drawing();
  return FImage;
}

QImage TBitmap::MaskedImage() const {
  const QImage& image = Image();
  if (!FTransparent || image.isNull()) return image.copy();
  const QRgb key = TColorToQColor(TransparentColor()).rgb() & 0xFFFFFF;
  QImage masked = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < masked.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
    for (int x = 0; x < masked.width(); ++x) {
      if ((line[x] & 0xFFFFFF) == key) line[x] = 0;
    }
  }
  return masked;
}
