#pragma once
// The classic desktop's frame controls (push buttons, check boxes, scroll and combo arrows) drawn on a canvas
// with the fixed system colours: the "classic" and "flat" looks of the themed painters, and what every themed
// painter falls back to when no visual style is available.
#include <cstdint>

#include "UCanvas.h"

constexpr uint32_t DFC_SCROLL = 3;
constexpr uint32_t DFC_BUTTON = 4;

constexpr uint32_t DFCS_BUTTONCHECK = 0x0000;
constexpr uint32_t DFCS_BUTTON3STATE = 0x0008;
constexpr uint32_t DFCS_BUTTONPUSH = 0x0010;
constexpr uint32_t DFCS_SCROLLUP = 0x0000;
constexpr uint32_t DFCS_SCROLLDOWN = 0x0001;
constexpr uint32_t DFCS_SCROLLCOMBOBOX = 0x0005;
constexpr uint32_t DFCS_INACTIVE = 0x0100;
constexpr uint32_t DFCS_PUSHED = 0x0200;
constexpr uint32_t DFCS_CHECKED = 0x0400;
constexpr uint32_t DFCS_HOT = 0x1000;
constexpr uint32_t DFCS_FLAT = 0x4000;

// False for a kind or type it does not know (nothing drawn).
bool DrawFrameControl(TCanvas& canvas, const TRect& rect, uint32_t type, uint32_t state);

// One ring of a 3-D edge: top and left in one colour, bottom and right in the other. Raised: highlight over
// shadow; sunken: shadow over highlight.
void DrawEdgeRing(TCanvas& canvas, const TRect& rect, TColor topLeft, TColor bottomRight);
