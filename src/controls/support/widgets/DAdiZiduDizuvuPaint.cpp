// Painting of the search panel's button: the face in its colour look, then glyph, shadow and caption.
#include <QPainter>

#include "DAdiZiduDizuvu.h"
#include "QrvStyleIF.h"
#include "UFrameControl.h"
#include "UGradients.h"
#include "UThemeBinding.h"

namespace {

TRect Grow(const TRect& r, int32_t by) {
  return Rect(r.Left - by, r.Top - by, r.Right + by, r.Bottom + by);
}

// Flat fill outlined in the border colour (the fill colour when there is none), or a vertical gradient.
void Fill_Face(TCanvas& c, const TRect& r, TColor color, TColor colorTo, TColor border) {
  if (colorTo == clNone) {
    c.Brush().Color = color;
    c.Brush().Style = bsSolid;
    c.Pen().Color = border == clNone ? color : border;
    c.Pen().Style = psSolid;
    c.Pen().Width = 1;
    c.Rectangle(r);
  } else {
    DrawButtonGradient(c, color, colorTo, border, 16, r, false);
  }
}

void Rounded_Outline(TCanvas& c, const TRect& r, TColor border) {
  if (border == clNone) return;
  c.Brush().Style = bsClear;
  c.Pen().Color = border;
  c.Pen().Width = 1;
  c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 8, 8);
}

}  // namespace

void DAdiZiduDizuvu::paintEvent(QPaintEvent*) {
  TCanvas canvas(static_cast<QPaintDevice*>(this));
  PaintButton(canvas);
}

void DAdiZiduDizuvu::Paint_Face(TCanvas& canvas, TRect& r, bool hovered) {
  const bool checkedDown = FStyle == tasCheck && FDown;
  if (FFlat) {
    if (FBorderDownColor == clNone || FRounded) r = Grow(r, -1);
    canvas.Pen().Width = 1;
    if (!hovered) {
      if (checkedDown) {
        Fill_Face(canvas, r, FColorChecked, FColorCheckedTo, FBorderDownColor);
      } else {
        const TColor outline = FRounded ? clNone : (FState == bsDown ? FBorderDownColor : FBorderColor);
        if (FColorTo == clNone) {
          Fill_Face(canvas, r, FColor, clNone, clNone);
        } else {
          DrawButtonGradient(canvas, FColor, FColorTo, outline, 16, r, false);
        }
        if (FBorderColor != clNone) {
          if (FRounded) {
            Rounded_Outline(canvas, Grow(r, 1), FBorderColor);
          } else {
            canvas.Brush().Style = bsClear;
            canvas.Pen().Color = FBorderColor;
            canvas.Rectangle(r);
          }
        }
      }
    } else {
      TColor color = FColorHot, colorTo = FColorHotTo, border = FBorderHotColor;
      if (FState == bsDown) {
        color = FColorDown, colorTo = FColorDownTo, border = FBorderDownColor;
      } else if (checkedDown) {
        color = FColorChecked, colorTo = FColorCheckedTo, border = FBorderDownColor;
      }
      Fill_Face(canvas, r, color, colorTo, border);
      if (FRounded) Rounded_Outline(canvas, Grow(r, 1), border);
      if (FDropDownButton && border != clNone) {
        canvas.Pen().Color = border;
        canvas.MoveTo(r.Right - 12, r.Top);
        canvas.LineTo(r.Right - 12, r.Bottom);
      }
    }
    r = Grow(r, -1);
    return;
  }
  const bool pushed = FState == bsDown || FState == bsExclusive;
  if (FAutoXPStyle && IsWinXpOrLater() && FIsComCtl6 && QrvXPVS().IsThemeActive() &&
      QrvXPVS().DrawPart(parentWidget(), QStringLiteral("button"), canvas, 1,
                         pushed    ? 3
                         : hovered ? 2
                                   : 1,
                         r)) {
    r = Grow(r, -2);
    return;
  }
  DrawFrameControl(canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  r = Grow(r, -2);
}

void DAdiZiduDizuvu::PaintButton(TCanvas& canvas) {
  if (!isEnabled()) {
    FState = bsDisabled;
    FDragging = false;
  } else if (FState == bsDisabled) {
    FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
  }
  if (FStyle == tasCheck && FDown) FState = bsDown;
  canvas.SetFont(FFont);
  const bool hovered = FMouseInControl && isEnabled();
  TRect r = Rect(0, 0, width(), height());
  Paint_Face(canvas, r, hovered);

  TPoint offset;
  if (FState == bsDown || FState == bsExclusive) {
    if (FState == bsExclusive && (!FFlat || !hovered)) {
      const TRect full = Grow(r, 1);
      Fill_Face(canvas, full, FColorChecked, FColorCheckedTo, FDown ? FBorderDownColor : FBorderColor);
    }
    if (!FFlat) offset = Point(1, 1);
  } else if (FFlat && hovered && FShaded) {
    offset = Point(-1, -1);
  }
  TRect content = r;
  if (FDropDownButton) {
    const int32_t mid = r.Top + (r.Bottom - r.Top) / 2;
    canvas.Brush().Color = canvas.Font().Color;
    canvas.Brush().Style = bsSolid;
    canvas.Pen().Color = canvas.Font().Color;
    canvas.Polygon({Point(r.Right - 8, mid - 1), Point(r.Right - 4, mid - 1), Point(r.Right - 6, mid + 1)});
    content.Right = r.Right - 12;
  }
  Paint_Content(canvas, content, offset, FGroupIndex != 0 && FDown ? bsDown : FState, hovered);
}

void DAdiZiduDizuvu::Paint_Content(TCanvas& canvas, const TRect& c, TPoint offset, TButtonState state, bool hovered) {
  const bool pressed = state == bsDown || state == bsExclusive;
  const TBitmap* glyph = &FGlyph;
  if (state == bsDisabled) {
    if (!FGlyphDisabled.Empty()) glyph = &FGlyphDisabled;
  } else if (pressed) {
    if (!FGlyphDown.Empty()) glyph = &FGlyphDown;
  } else if (hovered && !FGlyphHot.Empty()) {
    glyph = &FGlyphHot;
  }
  const int32_t gw = glyph->Empty() ? 0 : glyph->Width(), gh = glyph->Empty() ? 0 : glyph->Height();
  const QString caption = FShowCaption ? FCaption : QString();
  TRect textRect = Rect(0, 0, c.Width(), 0);
  if (!caption.isEmpty()) canvas.DrawText(caption, textRect, DT_CALCRECT | DT_SINGLELINE);
  const int32_t tw = caption.isEmpty() ? 0 : std::min(textRect.Width(), c.Width());
  const int32_t th = caption.isEmpty() ? 0 : textRect.Height();

  TButtonLayout layout = FLayout;
  if (layoutDirection() == Qt::RightToLeft) {
    if (layout == blGlyphLeft) {
      layout = blGlyphRight;
    } else if (layout == blGlyphRight) {
      layout = blGlyphLeft;
    }
  }
  const bool across = layout == blGlyphLeft || layout == blGlyphRight;
  const int32_t size = across ? c.Width() : c.Height();
  const int32_t glyphAlong = across ? gw : gh, textAlong = across ? tw : th;
  int32_t spacing = caption.isEmpty() || gw == 0 ? 0 : FSpacing;
  int32_t margin = FMargin;
  if (margin == -1 && spacing == -1) {
    margin = (size - glyphAlong - textAlong) / 3;
    spacing = margin;
  } else if (margin == -1) {
    margin = (size - (glyphAlong + spacing + textAlong) + 1) / 2;
  } else if (spacing == -1) {
    spacing = (size - margin - glyphAlong - textAlong) / 2;
  }
  TPoint glyphAt, textAt;
  if (across) {
    glyphAt.Y = (c.Height() - gh + 1) / 2;
    textAt.Y = (c.Height() - th + 1) / 2;
    glyphAt.X = layout == blGlyphLeft ? margin : size - margin - gw;
    textAt.X = layout == blGlyphLeft ? margin + gw + spacing : glyphAt.X - spacing - tw;
  } else {
    glyphAt.X = (c.Width() - gw + 1) / 2;
    textAt.X = (c.Width() - tw + 1) / 2;
    glyphAt.Y = layout == blGlyphTop ? margin : size - margin - gh;
    textAt.Y = layout == blGlyphTop ? margin + gh + spacing : glyphAt.Y - spacing - th;
  }
  glyphAt = Point(glyphAt.X + c.Left + offset.X, glyphAt.Y + c.Top + offset.Y);
  textAt = Point(textAt.X + c.Left + offset.X, textAt.Y + c.Top + offset.Y);
  if (caption.isEmpty()) glyphAt = Point(0, 0);

  if (!glyph->Empty()) {
    const bool shade = hovered && FShaded && isEnabled() && !pressed && !FGlyphShade.Empty();
    if (shade) {
      const TPoint at = caption.isEmpty() ? glyphAt : Point(glyphAt.X + 2, glyphAt.Y + 2);
      canvas.Draw(at.X, at.Y, FGlyphShade);
    }
    TBitmap drawn = *glyph;
    drawn.SetTransparent(true);
    drawn.SetTransparentMode(tmAuto);
    canvas.Draw(glyphAt.X, glyphAt.Y, drawn);
  }
  if (caption.isEmpty()) return;
  if (hovered && FShaded && FFlat && isEnabled() && !pressed) textAt = Point(textAt.X + 1, textAt.Y + 1);
  TRect text = Rect(textAt.X, textAt.Y, textAt.X + tw, textAt.Y + th);
  canvas.Brush().Style = bsClear;
  const TBkMode mode = canvas.BkMode();
  canvas.SetBkMode(bkTransparent);
  const uint32_t flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (state == bsDisabled) {
    TRect shifted = Rect(text.Left + 1, text.Top + 1, text.Right + 1, text.Bottom + 1);
    canvas.Font().Color = clBtnHighlight;
    canvas.DrawText(caption, shifted, flags);
    canvas.Font().Color = clBtnShadow;
    canvas.DrawText(caption, text, flags);
  } else {
    canvas.DrawText(caption, text, flags);
  }
  canvas.SetBkMode(mode);
}
