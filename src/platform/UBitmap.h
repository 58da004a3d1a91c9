#pragma once
// An off-screen picture with its own canvas, over a QImage in 32-bit RGB. Resizing keeps the pixels that still
// fit (new pixels are white), which is what cutting a cell out of a glyph strip relies on.
#include <QImage>
#include <cstdint>
#include <memory>

#include "UTypes.h"

class TCanvas;

enum TTransparentMode { tmAuto, tmFixed };

class TBitmap {
 public:
  TBitmap();
  TBitmap(int32_t width, int32_t height);
  explicit TBitmap(const QImage& image);
  TBitmap(const TBitmap& other);
  TBitmap& operator=(const TBitmap& other);
  ~TBitmap();

  int32_t Width() const { return FImage.width(); }
  int32_t Height() const { return FImage.height(); }
  void SetWidth(int32_t width) { SetSize(width, Height()); }
  void SetHeight(int32_t height) { SetSize(Width(), height); }
  void SetSize(int32_t width, int32_t height);
  bool Empty() const { return FImage.isNull(); }
  // Empties the picture (width and height 0).
  void Clear();
  void Assign(const TBitmap& other) { *this = other; }
  void Assign(const QImage& image);

  TCanvas& Canvas();

  // Drawn with transparency, the pixels of TransparentColor are left out.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value) { FTransparent = value; }
  // In tmAuto the bottom-left pixel's colour; in tmFixed the colour set.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color);
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode mode) { FTransparentMode = mode; }

  // Plain colour of one pixel; clNone outside the picture.
  TColor Pixel(int32_t x, int32_t y) const;
  // The pixels, with any drawing still under way finished first.
  const QImage& Image() const;
  // A copy where the transparent colour has alpha 0 (the plain picture when not transparent).
  QImage MaskedImage() const;

 private:
  void Finish_Drawing() const;

  QImage FImage;
  std::unique_ptr<TCanvas> FCanvas;
  bool FTransparent = false;
  TTransparentMode FTransparentMode = tmAuto;
  TColor FTransparentColor = clNone;
};
