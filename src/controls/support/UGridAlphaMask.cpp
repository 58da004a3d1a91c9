#include "UGridAlphaMask.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

TGridAlphaMask::TGridAlphaMask() : FImage(0, 0, QImage::Format_ARGB32_Premultiplied) {}

void TGridAlphaMask::Assign(const TGridAlphaMask& source) {
  FOpacity = source.FOpacity;
  // Row by row over this mask's own size; pixels the source lacks are left alone.
  const int h = std::min(FImage.height(), source.FImage.height());
  const int w = std::min(FImage.width(), source.FImage.width());
  for (int y = 0; y < h; ++y) {
    std::copy_n(source.FImage.constScanLine(y), size_t(w) * 4, FImage.scanLine(y));
  }
}

void TGridAlphaMask::Assign(const QImage& source) {
  FImage = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void TGridAlphaMask::MergeMask(const QImage& mask, const QImage& bitmap, TColor) {
  if (bitmap.format() != QImage::Format_RGB888) return;
  QImage grey = mask.convertToFormat(QImage::Format_RGB888);
  if (grey.size() != bitmap.size()) grey = grey.scaled(bitmap.size());
  FImage = QImage(bitmap.size(), QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < bitmap.height(); ++y) {
    const uchar* colour = bitmap.constScanLine(y);
    const uchar* alphaLine = grey.constScanLine(y);
    auto* out = reinterpret_cast<QRgb*>(FImage.scanLine(y));
    for (int x = 0; x < bitmap.width(); ++x) {
      const int alpha = alphaLine[x * 3];  // red byte
      auto scale = [alpha](int byte) { return int(std::lround(byte * alpha / 255.0)); };
      out[x] = qRgba(scale(colour[x * 3]), scale(colour[x * 3 + 1]), scale(colour[x * 3 + 2]), alpha);
    }
  }
}

TGaussianKernel MakeGaussianKernel(double radius) {
  TGaussianKernel k;
  double sum = 0;
  for (int j = -10; j <= 10; ++j) {
    k.Weights[size_t(j + 10)] = float(std::exp(-(j / radius) * (j / radius) / 2));
    sum += k.Weights[size_t(j + 10)];
  }
  for (float& w : k.Weights) w = float(w / sum);
  const double threshold = 1.0 / (2 * 255);
  double amount = 0;
  k.Size = 10;
  while (amount < threshold && k.Size > 1) {
    amount += 2 * k.Weight(k.Size);
    --k.Size;
  }
  sum = 0;
  for (int j = -k.Size; j <= k.Size; ++j) sum += k.Weight(j);
  for (int j = -k.Size; j <= k.Size; ++j) k.Weights[size_t(j + 10)] = float(k.Weight(j) / sum);
  return k;
}

namespace {

// One pass over n pixels of 3 bytes, `stride` bytes apart.
void Blur_Line(uchar* first, int n, int stride, const TGaussianKernel& k, std::vector<uchar>& work) {
  work.assign(size_t(n) * 3, 0);
  for (int a = 0; a < n; ++a) {
    for (int ch = 0; ch < 3; ++ch) {
      double sum = 0;
      for (int j = -k.Size; j <= k.Size; ++j) {
        const int at = std::clamp(a - j, 0, n - 1);
        sum += double(k.Weight(j)) * first[at * stride + ch];
      }
      // The weights sum to one only within float precision: a uniform 255 must stay 255 when cut to an integer.
      work[size_t(a) * 3 + size_t(ch)] = uchar(std::clamp(int(sum + 1e-3), 0, 255));
    }
  }
  for (int a = 0; a < n; ++a) std::copy_n(&work[size_t(a) * 3], 3, first + a * stride);
}

}  // namespace

void GaussianBlur24(QImage& bitmap, double radius) {
  if (bitmap.format() != QImage::Format_RGB888) throw Exception(QStringLiteral("Blur only works for 24-bit bitmaps"));
  // No radius, no blur (and no division by it).
  if (!(radius > 0) || bitmap.isNull()) return;
  const TGaussianKernel k = MakeGaussianKernel(radius);
  const int w = bitmap.width(), h = bitmap.height();
  std::vector<uchar> work;
  for (int y = 0; y < h; ++y) {
    if (y > 20 && y < h - 20 && h > 15) {
      std::copy_n(bitmap.constScanLine(15), size_t(w) * 3, bitmap.scanLine(y));
    } else {
      Blur_Line(bitmap.scanLine(y), w, 3, k, work);
    }
  }
  const int stride = int(bitmap.bytesPerLine());
  for (int x = 0; x < w; ++x) {
    if (x > 20 && x < w - 20 && w > 15) {
      for (int y = 0; y < h; ++y) std::copy_n(bitmap.constScanLine(y) + 15 * 3, 3, bitmap.scanLine(y) + x * 3);
    } else {
      Blur_Line(bitmap.scanLine(0) + x * 3, h, stride, k, work);
    }
  }
}

void BlurredRoundRectMask(QImage& bitmap, int32_t width, int32_t height, int32_t outlineWidth, int32_t cornerSize,
                          double blurRadius) {
  bitmap = QImage(std::max(0, width), std::max(0, height), QImage::Format_RGB888);
  if (bitmap.isNull()) return;
  bitmap.fill(Qt::black);
  {
    QPainter p(&bitmap);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (outlineWidth >= 1) {
      p.setPen(QPen(Qt::white, outlineWidth));
      p.setBrush(Qt::black);
    } else {
      p.setPen(Qt::white);
      p.setBrush(Qt::white);
    }
    const int c = outlineWidth / 2;
    p.drawRoundedRect(QRect(QPoint(c + 2, c + 2), QPoint(width - c - 2 - 1, height - c - 2 - 1)), cornerSize / 2.0,
                      cornerSize / 2.0, Qt::AbsoluteSize);
  }
  if (blurRadius > 0) GaussianBlur24(bitmap, blurRadius);
}
