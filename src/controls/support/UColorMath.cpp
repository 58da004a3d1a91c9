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

TColor BlendColor(TColor color1, TColor color2, int32_t percent) {
  if (percent >= 100) return color1;
  if (percent <= 0) return color2;
  const TColor c1 = ColorToRGB(color1), c2 = ColorToRGB(color2);
  const double p = percent / 100.0;
  const auto mix = [p](int32_t a, int32_t b) { return NearestInt(p * a + (1 - p) * b); };
  return RGB(mix(GetRValue(c1), GetRValue(c2)), mix(GetGValue(c1), GetGValue(c2)), mix(GetBValue(c1), GetBValue(c2)));
}

TColor AdjustColor(TColor color, int32_t percentRed, int32_t percentGreen, int32_t percentBlue) {
  const TColor c = ColorToRGB(color);
  const auto adjust = [](int32_t channel, int32_t percent) {
    if (channel == 0) return std::max(0, percent) & 0xFF;
    return NearestInt(std::min(100, 100 + percent) / 100.0 * channel);
  };
  return RGB(adjust(GetRValue(c), percentRed), adjust(GetGValue(c), percentGreen), adjust(GetBValue(c), percentBlue));
}
