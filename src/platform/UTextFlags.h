#pragma once
// Text-drawing flags, with the classic values so stored flag sets keep their meaning.
#include <cstdint>

constexpr uint32_t DT_TOP = 0x0;
constexpr uint32_t DT_LEFT = 0x0;
constexpr uint32_t DT_CENTER = 0x1;
constexpr uint32_t DT_RIGHT = 0x2;
constexpr uint32_t DT_VCENTER = 0x4;
constexpr uint32_t DT_BOTTOM = 0x8;
constexpr uint32_t DT_WORDBREAK = 0x10;
constexpr uint32_t DT_SINGLELINE = 0x20;
constexpr uint32_t DT_EXPANDTABS = 0x40;
constexpr uint32_t DT_NOCLIP = 0x100;
// Lines are the font's height plus its external leading apart.
constexpr uint32_t DT_EXTERNALLEADING = 0x200;
constexpr uint32_t DT_CALCRECT = 0x400;
constexpr uint32_t DT_NOPREFIX = 0x800;
// As a multi-line edit field: a word wider than the rectangle breaks between characters, and a last line that
// would show only in part is left out.
constexpr uint32_t DT_EDITCONTROL = 0x2000;
constexpr uint32_t DT_END_ELLIPSIS = 0x8000;
// Right-to-left reading order: neutral characters and runs are ordered from the right.
constexpr uint32_t DT_RTLREADING = 0x20000;
// Prefix characters are removed but nothing is underlined.
constexpr uint32_t DT_HIDEPREFIX = 0x100000;
