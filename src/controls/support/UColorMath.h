#pragma once
// Colour arithmetic of the painters. System colours are turned into their red-green-blue value first; every
// channel result stays within 0..255.
#include <QString>
#include <cstdint>

#include "UTypes.h"

// The colour at position between the two, channel by channel (position counts from 0, not from rangeStart).
// Colour 1 when colour 2 is clNone or the range is empty.
TColor InterpolateColor(TColor color1, TColor color2, int32_t rangeStart, int32_t rangeEnd, int32_t position);
TColor HalveColor(TColor color);
// Each channel lightened (positive) or darkened (negative) by the percentage, clamped to 0..255.
TColor ScaleColorPercent(TColor color, int32_t percent);
// Six upper-case hex digits: red, green, blue; no system-colour conversion.
QString ColorToHexRgb(TColor color);
// percent of color1 and the rest of color2, channel by channel; 100 or more gives color1, 0 or less color2.
TColor BlendColor(TColor color1, TColor color2, int32_t percent);
// Darkens each non-zero channel by its (negative) percentage; positive percentages leave it. A zero channel takes
// max(0, percentage).
TColor AdjustColor(TColor color, int32_t percentRed, int32_t percentGreen, int32_t percentBlue);
// The nearest integer, halves to the even neighbour.
int32_t NearestInt(double value);
