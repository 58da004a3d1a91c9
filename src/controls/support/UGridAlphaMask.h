#pragma once
// Pictures with per-pixel opacity for the glow around the edited cell: a 32-bit premultiplied picture built from
// a colour picture and a grey mask, and the blurred rounded-rectangle mask it is built with. Pictures of 24 bits
// per pixel are QImage::Format_RGB888.
#include <QImage>
#include <array>
#include <cstdint>

#include "Exception.h"
#include "UTypes.h"

class TGridAlphaMask {
 public:
  TGridAlphaMask();
  // From another mask: its opacity and pixels (the sizes must agree; this mask's own size is kept).
  void Assign(const TGridAlphaMask& source);
  // From any other picture: its pixels, turned into 32 bits.
  void Assign(const QImage& source);
  // Alpha from the mask's red byte, colour bytes premultiplied; nothing happens unless `bitmap` has 24 bits per
  // pixel. A mask of another size is scaled to the picture first. `color` takes no part.
  void MergeMask(const QImage& mask, const QImage& bitmap, TColor color);

  uint8_t Opacity() const { return FOpacity; }
  void SetOpacity(uint8_t value) { FOpacity = value; }
  const QImage& Image() const { return FImage; }
  int32_t Width() const { return FImage.width(); }
  int32_t Height() const { return FImage.height(); }

 private:
  QImage FImage;
  uint8_t FOpacity = 255;
};

struct TGaussianKernel {
  int32_t Size = 10;
  // Weights for the offsets -10..10.
  std::array<float, 21> Weights{};
  float Weight(int32_t offset) const { return Weights[size_t(offset + 10)]; }
};

// The kernel of the radius: weights trimmed to the offsets -Size..Size that matter at 8 bits.
TGaussianKernel MakeGaussianKernel(double radius);
// Blurs a 24-bit picture; raises "Blur only works for 24-bit bitmaps" for any other. A radius of 0 or less leaves
// the picture as it is. Rows and columns strictly between 20 and size - 20 copy row or column 15, which serves
// masks whose middle is uniform.
void GaussianBlur24(QImage& bitmap, double radius);
// A black 24-bit picture with a white rounded rectangle (outlined with the given width, or filled when it is
// below 1), blurred with the radius when it is above 0.
void BlurredRoundRectMask(QImage& bitmap, int32_t width, int32_t height, int32_t outlineWidth, int32_t cornerSize,
                          double blurRadius);
