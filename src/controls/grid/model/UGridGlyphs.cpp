// The pictures are made once per name and kept; each is small enough to describe in a few shapes.
#include "UGridGlyphs.h"

#include <QHash>

#include "UCanvas.h"

namespace {
constexpr TColor Key = 0xFF00FF;

TBitmap Blank(int32_t size) {
  TBitmap b(size, size);
  TCanvas& c = b.Canvas();
  c.Brush().Color = Key;
  c.FillRect(TRect{0, 0, size, size});
  return b;
}

void CheckMark(TCanvas& c, int32_t left, int32_t top, int32_t size, TColor color) {
  // A tick of three pixels' weight: down-stroke to the lower third, up-stroke to the upper right.
  c.Pen().Color = color;
  c.Pen().Width = 1;
  const int32_t x0 = left + size / 5, y0 = top + size / 2;
  const int32_t x1 = left + size * 2 / 5, y1 = top + size * 3 / 4;
  const int32_t x2 = left + size * 4 / 5, y2 = top + size / 4;
  for (int32_t d = 0; d < 3; ++d) {
    c.MoveTo(x0, y0 + d);
    c.LineTo(x1, y1 + d);
    c.LineTo(x2 + 1, y2 + d - 1);
  }
}

// A check box of `size` with a frame, a face and, when checked, the tick.
TBitmap CheckBoxGlyph(int32_t size, bool checked, bool enabled, TColor frame, TColor face, TColor tick) {
  TBitmap b = Blank(size);
  TCanvas& c = b.Canvas();
  const int32_t inset = size >= 20 ? 3 : 2;
  const TRect box{inset, inset, size - inset + 1, size - inset + 1};
  c.Brush().Color = enabled ? face : 0xE0E0E0;
  c.Pen().Color = enabled ? frame : 0xA0A0A0;
  c.Rectangle(box);
  if (checked) CheckMark(c, box.Left, box.Top, box.Right - box.Left, enabled ? tick : 0xA0A0A0);
  return b;
}

TBitmap RadioGlyph(int32_t size, bool on, bool enabled, TColor frame, TColor face, TColor dot) {
  TBitmap b = Blank(size);
  TCanvas& c = b.Canvas();
  c.Brush().Color = enabled ? face : 0xE0E0E0;
  c.Pen().Color = enabled ? frame : 0xA0A0A0;
  c.Ellipse(2, 2, size - 2, size - 2);
  if (on) {
    c.Brush().Color = enabled ? dot : 0xA0A0A0;
    c.Pen().Color = c.Brush().Color;
    c.Ellipse(size / 2 - 3, size / 2 - 3, size / 2 + 3, size / 2 + 3);
  }
  return b;
}

TBitmap FilterGlyph() {
  TBitmap b = Blank(16);
  TCanvas& c = b.Canvas();
  c.Brush().Color = clBlack;
  c.Pen().Color = clBlack;
  c.Polygon({{3, 4}, {12, 4}, {9, 8}, {9, 12}, {7, 13}, {7, 8}});
  return b;
}

TBitmap MakeGlyph(const QString& name) {
  // Check boxes: 01..04 and 05..08 are checked/unchecked, enabled then disabled.
  if (name.startsWith(QLatin1String("ASGCHK"))) {
    const int32_t n = name.mid(6).toInt();
    if (n < 1 || n > 8) return {};
    const bool vyx = n <= 4;
    const int32_t i = (n - 1) % 4;
    return vyx ? CheckBoxGlyph(20, i % 2 == 0, i < 2, 0x7B5A3C, 0xFFF8F0, 0x2E8B22)
               : CheckBoxGlyph(16, i % 2 == 0, i < 2, 0x80511C, 0xF4F4F4, 0x21A121);
  }
  if (name.startsWith(QLatin1String("ASGRAD"))) {
    const int32_t n = name.mid(6).toInt();
    if (n < 1 || n > 8) return {};
    const int32_t i = (n - 1) % 4;
    return n <= 4 ? RadioGlyph(16, i % 2 == 0, i < 2, 0x7B5A3C, 0xFFF8F0, 0x2E8B22)
                  : RadioGlyph(16, i % 2 == 0, i < 2, 0x80511C, 0xF4F4F4, 0x21A121);
  }
  if (name == QLatin1String("ASGFILT")) return FilterGlyph();
  if (name == QLatin1String("metrocheckon")) return CheckBoxGlyph(16, true, true, 0x6E6E6E, clWhite, 0x404040);
  if (name == QLatin1String("metrocheckoff")) return CheckBoxGlyph(16, false, true, 0x6E6E6E, clWhite, 0x404040);
  if (name == QLatin1String("metroradioon")) return RadioGlyph(16, true, true, 0x6E6E6E, clWhite, 0x404040);
  if (name == QLatin1String("metroradiooff")) return RadioGlyph(16, false, true, 0x6E6E6E, clWhite, 0x404040);
  return {};
}
}  // namespace

TBitmap GridGlyph(const QString& name) {
  static QHash<QString, TBitmap> cache;
  auto it = cache.find(name);
  if (it == cache.end()) it = cache.insert(name, MakeGlyph(name));
  return *it;
}
