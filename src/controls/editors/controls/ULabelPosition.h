#pragma once
// Where an attached label stands beside its control, and the layout that puts it there.
#include <cstdint>

#include "UTypes.h"

// lpRighBottom keeps its historic spelling.
enum TLabelPosition {
  lpLeftTop,
  lpLeftCenter,
  lpLeftBottom,
  lpTopLeft,
  lpBottomLeft,
  lpLeftTopLeft,
  lpLeftCenterLeft,
  lpLeftBottomLeft,
  lpTopCenter,
  lpBottomCenter,
  lpRightTop,
  lpRightCenter,
  lpRighBottom,
  lpTopRight,
  lpBottomRight
};

// The label's top-left corner for a control at `control`, a label of lw x lh pixels whose caption is tw pixels wide,
// and margin M. Left of the control the margin runs from the caption's end, except in the three "...Left"
// positions, where it runs from the label's left edge so that labels of different lengths line up. Centring
// truncates toward zero.
TPoint LabelOrigin(TLabelPosition position, const TRect& control, int32_t lw, int32_t lh, int32_t tw, int32_t margin);
