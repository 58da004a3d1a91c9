#pragma once
// The face colours a small button takes from the control that owns it; clNone everywhere draws the usual face.
#include "UTypes.h"

struct TButtonFaceColors {
  TColor ButtonColor = clNone;
  TColor ButtonColorHot = clNone;
  TColor ButtonColorDown = clNone;
};
