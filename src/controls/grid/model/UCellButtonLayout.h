#pragma once
// Where a cell's push button or expand button stands. The painter records the drawn button's offset from the
// cell's top-left corner in the graphic's value; the press, release and hover tests read it back here, so a press
// lands on the button wherever the painter put it and on every pixel it drew.
#include <cstdint>

#include "UTypes.h"

// The expand button is a fixed square at the top-right of the area the graphic layer draws in.
constexpr int32_t ExpandButtonSize = 13;

inline TRect ExpandButtonIn(const TRect& area) {
  return {area.Right - 1 - ExpandButtonSize, area.Top + 1, area.Right - 1, area.Top + 1 + ExpandButtonSize};
}

// x in the low 16 bits, y in the high 16 bits, each as a signed 16-bit number: a button wider than a narrow cell
// starts left of it.
inline double PackButtonOffset(const TRect& button, const TRect& cell) {
  const auto x = static_cast<uint16_t>(button.Left - cell.Left);
  const auto y = static_cast<uint16_t>(button.Top - cell.Top);
  return static_cast<double>((static_cast<uint32_t>(y) << 16) | x);
}

// A value the painter never wrote (out of the 32-bit range) reads as no offset.
inline TPoint UnpackButtonOffset(double value) {
  if (!(value >= 0 && value <= 4294967295.0)) return {};
  const auto packed = static_cast<uint32_t>(value);
  return {static_cast<int16_t>(packed & 0xFFFFu), static_cast<int16_t>(packed >> 16)};
}
