#include "UColorMath.h"

#include <algorithm>
#include <cmath>

#include "USysColors.h"

int32_t NearestInt(double value) {
  return int32_t(std::nearbyint(value));
}

namespace {

int Clamp_Channel(int value) {
  return std::clamp(value, 0, 255);
}

}  // namespace

TColor InterpolateColor(TColor color1, TColor color2, int32_t rangeStart, int32_t rangeEnd, int32_t position) {
  if (color2 == clNone) return color1;
  const TColor c1 = ColorToRGB(color1), c2 = ColorToRGB(color2);
  // An empty range has no step to take.
  if (rangeEnd == rangeStart) return c1;
  const double span = double(rangeEnd - rangeStart);
  auto channel = [&](int a, int b) { return Clamp_Channel(a + NearestInt((b - a) / span * position)); };
  return RGB(channel(GetRValue(c1), GetRValue(c2)), channel(GetGValue(c1), GetGValue(c2)),
             channel(GetBValue(c1), GetBValue(c2)));
}

TColor HalveColor(TColor color) {
  const TColor c = ColorToRGB(color);
  return RGB(GetRValue(c) / 2, GetGValue(c) / 2, GetBValue(c) / 2);
}

TColor ScaleColorPercent(TColor color, int32_t percent) {
  const TColor c = ColorToRGB(color);
  auto channel = [&](int v) { return Clamp_Channel(NearestInt(v + v * double(percent) / 100.0)); };
  return RGB(channel(GetRValue(c)), channel(GetGValue(c)), channel(GetBValue(c)));
}

QString ColorToHexRgb(TColor color) {
  static const char Digits[] = "0123456789ABCDEF";
  QString text;
  for (int shift = 0; shift < 24; shift += 8) {
    const int byte = int((color >> shift) & 0xFF);
    text += QLatin1Char(Digits[byte >> 4]);
    text += QLatin1Char(Digits[byte & 0xF]);
  }
  return text;
}
