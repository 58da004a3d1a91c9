#include "ULabelPosition.h"

TPoint LabelOrigin(TLabelPosition position, const TRect& control, int32_t lw, int32_t lh, int32_t tw,
                   int32_t margin) {
  const int32_t l = control.Left;
  const int32_t t = control.Top;
  const int32_t w = control.Width();
  const int32_t h = control.Height();
  const int32_t centerTop = t + (h - lh) / 2;
  switch (position) {
    case lpLeftTop:
      return Point(l - tw - margin, t);
    case lpLeftCenter:
      return Point(l - tw - margin, centerTop);
    case lpLeftBottom:
      return Point(l - tw - margin, t + h - lh);
    case lpTopLeft:
      return Point(l, t - lh - margin);
    case lpBottomLeft:
      return Point(l, t + h + margin);
    case lpLeftTopLeft:
      return Point(l - margin, t);
    case lpLeftCenterLeft:
      return Point(l - margin, centerTop);
    case lpLeftBottomLeft:
      return Point(l - margin, t + h - lh);
    case lpTopCenter:
      return Point(l + (w - lw) / 2, t - lh - margin);
    case lpBottomCenter:
      return Point(l + (w - lw) / 2, t + h + margin);
    case lpRightTop:
      return Point(l + w + margin, t);
    case lpRightCenter:
      return Point(l + w + margin, centerTop);
    case lpRighBottom:
      return Point(l + w + margin, t + h - lh);
    case lpTopRight:
      return Point(l + w - lw, t - lh - margin);
    case lpBottomRight:
      return Point(l + w - lw, t + h + margin);
  }
  return Point(l, t);
}
