#include "USysColors.h"

#include <array>

namespace {

// The classic desktop's default scheme, index by index (blue-green-red).
constexpr std::array<TColor, 31> System_Colors = {
    0xC8C8C8,  // scroll bar
    0x000000,  // desktop background
    0xD1B499,  // active caption
    0xDBCDBF,  // inactive caption
    0xF0F0F0,  // menu
    0xFFFFFF,  // window
    0x646464,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0x000000,  // caption text
    0xB4B4B4,  // active border
    0xFCF7F4,  // inactive border
    0xABABAB,  // application work space
    0xFF9933,  // highlight
    0xFFFFFF,  // highlight text
    0xF0F0F0,  // button face
    0xA0A0A0,  // button shadow
    0x6D6D6D,  // grey text
    0x000000,  // button text
    0x544E43,  // inactive caption text
    0xFFFFFF,  // button highlight
    0x696969,  // 3-D dark shadow
    0xE3E3E3,  // 3-D light
    0x000000,  // info text
    0xE1FFFF,  // info background
    0x000000,  // unused index
    0xCC6600,  // hot light
    0xEAD1B9,  // gradient active caption
    0xF2E4D7,  // gradient inactive caption
    0xFF9933,  // menu highlight
    0xF0F0F0,  // menu bar
};

}  // namespace

TColor ColorToRGB(TColor color) {
  if ((color & 0xFF000000) != clSystemColor) return color;
  const TColor index = color & 0xFF;
  return index < System_Colors.size() ? System_Colors[index] : 0x000000;
}

QColor TColorToQColor(TColor color) {
  const TColor c = ColorToRGB(color);
  return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

TColor QColorToTColor(const QColor& color) {
  return RGB(color.red(), color.green(), color.blue());
}
