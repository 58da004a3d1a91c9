#pragma once
// The face colours a small button takes from the control that owns it; clNone everywhere draws the usual face.
#include "UTypes.h"

struct TButtonFaceColors {
  TColor ButtonColor = clNone;
  TColor ButtonColorHot = clNone;
  TColor ButtonColorDown = clNone;
};

// The colour, or the fallback where the colour is left unset.
constexpr TColor Or_Else(TColor color, TColor fallback) {
  return color == clNone ? fallback : color;
}
