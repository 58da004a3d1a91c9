#include "UEditorFrame.h"

#include "UCanvas.h"
#include "USysColors.h"

void Frame_Solid(TCanvas& canvas, const TRect& r, TColor color) {
  canvas.Brush().Color = color;
  canvas.Brush().Style = bsSolid;
  canvas.FrameRect(r);
}

void Fill_Solid(TCanvas& canvas, const TRect& r, TColor color) {
  if (r.Right <= r.Left || r.Bottom <= r.Top) return;
  canvas.Brush().Color = color;
  canvas.Brush().Style = bsSolid;
  canvas.FillRect(r);
}

namespace {
void Shrink(TRect& r) {
  r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
}
}  // namespace

void Edge_Ring(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight) {
  canvas.Pen().Style = psSolid;
  canvas.Pen().Color = topLeft;
  canvas.Polyline({Point(r.Left, r.Bottom - 1), Point(r.Left, r.Top), Point(r.Right, r.Top)});
  canvas.Pen().Color = bottomRight;
  canvas.Polyline({Point(r.Left, r.Bottom - 1), Point(r.Right - 1, r.Bottom - 1), Point(r.Right - 1, r.Top - 1)});
  Shrink(r);
}

bool Draw_Editor_Border(TCanvas& canvas, int32_t width, int32_t height, const TEditorBorderLook& look) {
  TRect r = Rect(0, 0, width, height);
  if (!look.Enabled && look.Themed && !look.DisabledBorder) {
    Frame_Solid(canvas, r, Themed_Disabled_Border);
    return false;
  }
  const bool focusColored = look.HasFocus && look.FocusBorderColor != clNone;
  if (look.BorderColor != clNone && !focusColored) {
    Frame_Solid(canvas, r, look.BorderColor);
    return false;
  }
  if (look.FocusBorderColor != clNone) {
    if (look.HasFocus) Frame_Solid(canvas, r, look.FocusBorderColor);
    return false;
  }
  const TColor outer = look.FocusBorderShown ? clBtnFace : look.ParentColor;
  if (look.FocusBorderShown) {
    Edge_Ring(canvas, r, clBtnShadow, clBtnHighlight);
    Frame_Solid(canvas, r, outer);
  } else {
    // Without the focus border the inner rings stop short of the drop button.
    Frame_Solid(canvas, r, outer);
    Shrink(r);
    r.Right -= look.ButtonWidth;
    Frame_Solid(canvas, r, outer);
  }
  Shrink(r);
  Frame_Solid(canvas, r, look.InnerColor);
  return true;
}

void Fill_Around_Arrow(TCanvas& canvas, const TRect& face, const TRect& arrow) {
  Fill_Solid(canvas, Rect(face.Left, face.Top, face.Right, arrow.Top), clBtnFace);
  Fill_Solid(canvas, Rect(face.Left, arrow.Bottom, face.Right, face.Bottom), clBtnFace);
  Fill_Solid(canvas, Rect(face.Left, arrow.Top, arrow.Left, arrow.Bottom), clBtnFace);
  Fill_Solid(canvas, Rect(arrow.Right, arrow.Top, face.Right, arrow.Bottom), clBtnFace);
}

int32_t Themed_Drop_Button_State(bool enabled, bool mouseDown, bool hover, bool dropped) {
  if (!enabled) return 4;
  if (mouseDown && dropped) return 3;
  if (mouseDown || !hover || dropped) return 1;
  return 2;
}

TColor Drop_Button_Face(const TButtonFaceColors& colors, bool hover, bool mouseDown) {
  if (!hover) return colors.ButtonColor;
  return Or_Else(mouseDown ? colors.ButtonColorDown : colors.ButtonColorHot, colors.ButtonColor);
}
