#include "UFrameControl.h"

#include <algorithm>

#include "USysColors.h"

namespace {

void Line(TCanvas& c, TColor color, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  c.Pen().Color = color;
  c.Pen().Style = psSolid;
  c.Pen().Width = 1;
  c.Pen().Mode = pmCopy;
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}

TRect Shrink(const TRect& r, int32_t by) {
  return Rect(r.Left + by, r.Top + by, r.Right - by, r.Bottom - by);
}

void Fill(TCanvas& c, const TRect& r, TColor color) {
  c.Brush().Color = color;
  c.Brush().Style = bsSolid;
  c.FillRect(r);
}

// Raised button body (or pressed, or flat), filled with the face colour; returns the content rectangle.
TRect Button_Body(TCanvas& c, const TRect& r, bool pushed, bool flat) {
  Fill(c, r, clBtnFace);
  if (flat) {
    c.Brush().Color = clBtnShadow;
    c.FrameRect(r);
  } else if (pushed) {
    DrawEdgeRing(c, r, clBtnShadow, clBtnShadow);
  } else {
    DrawEdgeRing(c, r, cl3DLight, cl3DDkShadow);
    DrawEdgeRing(c, Shrink(r, 1), clBtnHighlight, clBtnShadow);
  }
  return Shrink(r, 2);
}

// A filled triangle of the given direction centred in r; disabled arrows are grey with a white relief.
void Arrow(TCanvas& c, const TRect& r, int direction, bool inactive, int32_t shift) {
  const int32_t size = std::max(2, std::min(r.Width(), r.Height()) / 3);
  const int32_t cx = r.Left + r.Width() / 2 + shift, cy = r.Top + r.Height() / 2 + shift;
  auto draw = [&](int32_t dx, TColor color) {
    c.Brush().Color = color;
    c.Brush().Style = bsSolid;
    c.Pen().Color = color;
    const int32_t h = size / 2 + 1;
    if (direction == 0) {  // up
      c.Polygon({Point(cx - size + dx, cy + h / 2 + dx), Point(cx + size + dx, cy + h / 2 + dx),
                 Point(cx + dx, cy - h + h / 2 + dx)});
    } else {  // down
      c.Polygon({Point(cx - size + dx, cy - h / 2 + dx), Point(cx + size + dx, cy - h / 2 + dx),
                 Point(cx + dx, cy + h - h / 2 + dx)});
    }
  };
  if (inactive) {
    draw(1, clBtnHighlight);
    draw(0, clBtnShadow);
  } else {
    draw(0, clBtnText);
  }
}

// The half-set face of a three-state box: button face and highlight in a checkerboard.
void Dotted_Fill(TCanvas& c, const TRect& r) {
  Fill(c, r, clBtnFace);
  const TColor dot = ColorToRGB(clBtnHighlight);
  for (int32_t y = r.Top; y < r.Bottom; ++y)
    for (int32_t x = r.Left + ((y - r.Top) & 1); x < r.Right; x += 2) c.SetPixels(x, y, dot);
}

void Check_Box(TCanvas& c, const TRect& r, uint32_t state) {
  const bool inactive = state & DFCS_INACTIVE, pushed = state & DFCS_PUSHED, flat = state & DFCS_FLAT;
  const bool mixed = (state & 0xFF) == DFCS_BUTTON3STATE && (state & DFCS_CHECKED);
  const TRect face = Shrink(r, flat ? 1 : 2);
  if (flat) {
    c.Brush().Color = clBtnShadow;
    c.FrameRect(r);
  } else {
    DrawEdgeRing(c, r, clBtnShadow, clBtnHighlight);
    DrawEdgeRing(c, Shrink(r, 1), cl3DDkShadow, cl3DLight);
  }
  if (mixed && !inactive && !pushed)
    Dotted_Fill(c, face);
  else
    Fill(c, face, inactive || pushed ? clBtnFace : clWindow);
  if (!(state & DFCS_CHECKED)) return;
  // The tick: seven columns, three pixels high, starting one third down the box; grey when only half set.
  const TColor tick = inactive ? clGrayText : mixed ? clBtnShadow : clWindowText;
  const int32_t x0 = r.Left + (r.Width() - 7) / 2, y0 = r.Top + (r.Height() - 7) / 2 + 2;
  static const int32_t Drop[7] = {2, 3, 4, 3, 2, 1, 0};
  for (int32_t i = 0; i < 7; ++i) Line(c, tick, x0 + i, y0 + Drop[i], x0 + i, y0 + Drop[i] + 3);
}

}  // namespace

void DrawEdgeRing(TCanvas& c, const TRect& r, TColor topLeft, TColor bottomRight) {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  Line(c, topLeft, r.Left, r.Bottom - 1, r.Left, r.Top);
  Line(c, topLeft, r.Left, r.Top, r.Right - 1, r.Top);
  Line(c, bottomRight, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
  Line(c, bottomRight, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
}

bool DrawFrameControl(TCanvas& canvas, const TRect& rect, uint32_t type, uint32_t state) {
  const bool inactive = state & DFCS_INACTIVE, pushed = state & DFCS_PUSHED, flat = state & DFCS_FLAT;
  const uint32_t kind = state & 0xFF;
  if (type == DFC_BUTTON && kind == DFCS_BUTTONPUSH) {
    Button_Body(canvas, rect, pushed, flat);
    return true;
  }
  if (type == DFC_BUTTON && (kind == DFCS_BUTTONCHECK || kind == DFCS_BUTTON3STATE)) {
    Check_Box(canvas, rect, state);
    return true;
  }
  if (type == DFC_SCROLL && (kind == DFCS_SCROLLUP || kind == DFCS_SCROLLDOWN || kind == DFCS_SCROLLCOMBOBOX)) {
    const TRect inner = Button_Body(canvas, rect, pushed, flat);
    Arrow(canvas, inner, kind == DFCS_SCROLLUP ? 0 : 1, inactive, pushed ? 1 : 0);
    return true;
  }
  return false;
}
