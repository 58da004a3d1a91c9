#pragma once
// Colours as the classic desktop paints them. System colours resolve through one fixed table of its default
// scheme, so a face paints the same on every machine whatever the desktop theme.
#include <QColor>

#include "UTypes.h"

// The plain blue-green-red value of a colour; a system colour (0xFF0000nn) is looked up in the table.
TColor ColorToRGB(TColor color);
// The toolkit colour of a TColor (system colours resolved, the top byte ignored).
QColor TColorToQColor(TColor color);
// The TColor of a toolkit colour (alpha dropped).
TColor QColorToTColor(const QColor& color);
// Blue-green-red channel helpers of a plain colour.
constexpr int GetRValue(TColor c) {
  return int(c & 0xFF);
}
constexpr int GetGValue(TColor c) {
  return int((c >> 8) & 0xFF);
}
constexpr int GetBValue(TColor c) {
  return int((c >> 16) & 0xFF);
}
constexpr TColor RGB(int r, int g, int b) {
  return TColor(r & 0xFF) | TColor(g & 0xFF) << 8 | TColor(b & 0xFF) << 16;
}
