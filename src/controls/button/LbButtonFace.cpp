// The face painter of the owner-drawn button.
#include <algorithm>

#include "LbButtonGlyphs.h"
#include "LbButtons.h"
#include "USysColors.h"

namespace {

struct TFaceGeometry {
  int32_t W = 0;
  int32_t H = 0;
  int32_t Off = 0;
  int32_t GlyphW = 0;
  int32_t GlyphH = 0;
};

TColor Face_Color(const TLbFaceState& s, bool pressed) {
  TColor f = ColorToRGB(s.Color);
  if (s.Enabled && s.HotTrackColor != clNone) f = HotTrackBlendColor(s.Color, s.HotTrackColor, s.HotTrackStep);
  if (pressed && s.ColorWhenDown != clNone) f = ColorToRGB(s.ColorWhenDown);
  return f;
}

void Paint_Background(TCanvas& c, const TLbFaceState& s, const TFaceGeometry& g, TColor face) {
  c.Brush().Style = bsSolid;
  if (s.Style == bsShape) {
    c.Brush().Color = clFuchsia;
    c.Rectangle(-1, -1, g.W + 1, g.H + 1);
    return;
  }
  if (s.NoBackground) return;
  c.Brush().Color = face;
  switch (s.Style) {
    case bsNormal:
    case bsEncarta:
    case bsOld:
      c.Rectangle(-1, -1, g.W + 1, g.H + 1);
      break;
    case bsModern:
      FillBandGradient(c, s.LightColor, face, 2, g.W - 2, 2, g.H / 4 + g.Off);
      FillBandGradient(c, face, s.LightColor, 2, g.W - 2, g.H / 4 + g.Off, g.H - 1);
      break;
    default:
      break;
  }
}

void Line(TCanvas& c, TColor color, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  c.Pen().Color = color;
  c.MoveTo(x0, y0);
  c.LineTo(x1, y1);
}

void Paint_Old_Edges(TCanvas& c, const TLbFaceState& s, const TFaceGeometry& g, bool pressed) {
  const int32_t W = g.W, H = g.H;
  c.Pen().Color = s.ShadowColor;
  if (pressed) {
    c.MoveTo(1, H - 3);
    c.LineTo(1, 1);
    c.LineTo(W - 2, 1);
  } else {
    c.MoveTo(W - 2, 0);
    c.LineTo(W - 2, H - 2);
    c.LineTo(0, H - 2);
  }
  Line(c, pressed ? cl3DDkShadow : s.LightColor, 0, H - 1, 0, 0);
  c.LineTo(W - 1, 0);
  c.Pen().Color = pressed ? s.LightColor : cl3DDkShadow;
  c.LineTo(W - 1, H - 1);
  c.LineTo(-1, H - 1);
}

void Paint_Edges(TCanvas& c, const TLbFaceState& s, const TFaceGeometry& g, TColor face, bool pressed) {
  const int32_t W = g.W, H = g.H;
  c.Brush().Style = bsClear;
  c.Pen().Style = psSolid;
  switch (s.Style) {
    case bsNormal:
    case bsEncarta:
    case bsOld: {
      const bool shown = (s.Enabled && (!s.Flat || s.Hot || pressed)) || (!s.Enabled && !s.Flat);
      if (!shown) return;
      if (s.Style == bsOld) {
        Paint_Old_Edges(c, s, g, pressed);
        return;
      }
      Line(c, pressed ? s.ShadowColor : s.LightColor, 0, H - 1, 0, 0);
      c.LineTo(W - 1, 0);
      c.Pen().Color = pressed ? s.LightColor : s.ShadowColor;
      c.LineTo(W - 1, H - 1);
      c.LineTo(0, H - 1);
      return;
    }
    case bsModern:
      c.Pen().Color = pressed ? s.ShadowColor : face;
      c.Rectangle(1, 1, W - 1, H - 1);
      c.Pen().Color = s.ShadowColor;
      c.RoundRect(0, 0, W, H, 6, 6);
      return;
    case bsQuicken:
      c.Pen().Color = pressed ? s.ShadowColor : face;
      c.Pen().Style = psClear;
      c.Brush().Color = face;
      c.Brush().Style = bsSolid;
      c.RoundRect(0, 1, W, H, 4, 4);
      c.Brush().Style = bsClear;
      c.Pen().Style = psSolid;
      Line(c, s.ShadowColor, 4, 0, W - 5, 0);
      Line(c, s.ShadowColor, 4, H - 1, W - 5, H - 1);
      return;
    case bsShape:
      return;
  }
}

int32_t Cell_Offset(const TLbFaceState& s, const TFaceGeometry& g, bool pressed) {
  if (!s.Enabled) return g.GlyphW;
  if (pressed && s.NumGlyphs > 2) return 2 * g.GlyphW;
  if (s.Hot && s.NumGlyphs > 3) return 3 * g.GlyphW;
  return 0;
}

uint32_t Text_Format(TAlignment alignment) {
  switch (alignment) {
    case taLeftJustify:
      return DT_WORDBREAK | DT_LEFT;
    case taRightJustify:
      return DT_WORDBREAK | DT_RIGHT;
    case taCenter:
      break;
  }
  return DT_WORDBREAK | DT_CENTER;
}

int32_t Text_Limit(const TLbFaceState& s, const TFaceGeometry& g) {
  int32_t limit = g.W - 8;
  const bool sideways = s.Layout == blGlyphLeft || s.Layout == blGlyphRight;
  if (s.Style != bsShape && sideways && g.GlyphW > 0) limit -= g.GlyphW + 4;
  return std::max(0, limit);
}

struct TPlacement {
  int32_t TextLeft = 0;
  int32_t TextTop = 0;
  int32_t GlyphLeft = 0;
  int32_t GlyphTop = 0;
};

TPlacement Place_Sideways(const TLbFaceState& s, const TFaceGeometry& g, int32_t tw, int32_t th) {
  const int32_t W = g.W, H = g.H, off = g.Off, gw = g.GlyphW;
  TPlacement p;
  p.TextTop = (H - th) / 2 + off;
  p.TextLeft = off + 4;
  p.GlyphTop = (H - g.GlyphH) / 2 + off;
  const int32_t space = s.Caption.isEmpty() ? 0 : tw + 4;
  if (s.Layout == blGlyphLeft) {
    if (gw > 0) p.TextLeft += gw + 4;
    p.GlyphLeft = off + 4;
    if (!s.WordWrap && s.Alignment == taRightJustify) p.GlyphLeft = W - 4 - gw - space + off;
    if (!s.WordWrap && s.Alignment == taCenter) p.GlyphLeft = (W - gw) / 2 + off - space / 2;
  } else {
    p.GlyphLeft = p.TextLeft + space;
    if (!s.WordWrap && s.Alignment == taRightJustify) p.GlyphLeft = W - 4 + off - gw;
    if (!s.WordWrap && s.Alignment == taCenter) p.GlyphLeft = (W - gw) / 2 + off + space / 2;
  }
  return p;
}

TPlacement Place_Stacked(const TLbFaceState& s, const TFaceGeometry& g, int32_t th) {
  const int32_t W = g.W, H = g.H, off = g.Off, gw = g.GlyphW, gh = g.GlyphH;
  TPlacement p;
  const int32_t block = th + (gh > 0 ? gh + 4 : 0);
  p.TextLeft = off + 4;
  if (s.Layout == blGlyphTop) {
    p.GlyphTop = (H - block) / 2 + off;
    p.TextTop = (H - block) / 2 + gh + off;
  } else {
    p.TextTop = (H - block) / 2 + off;
    p.GlyphTop = (H - block) / 2 + th + off;
  }
  switch (s.Alignment) {
    case taLeftJustify:
      p.GlyphLeft = off + 4;
      break;
    case taRightJustify:
      p.GlyphLeft = W - gw - 4 + off;
      break;
    case taCenter:
      p.GlyphLeft = (W - gw) / 2 + off;
      break;
  }
  return p;
}

void Draw_Glyph(TCanvas& c, const TLbFaceState& s, const TFaceGeometry& g, int32_t x, int32_t y, int32_t cellX) {
  if (s.Glyph) DrawGlyphCell(c, *s.Glyph, x, y, cellX, 0, g.GlyphW, g.GlyphH);
}

}  // namespace

void PaintLbButtonFace(TCanvas& canvas, int32_t width, int32_t height, const TLbFaceState& state) {
  const bool pressed = state.Pressed && state.Enabled;
  TFaceGeometry g;
  g.W = width;
  g.H = height;
  g.Off = pressed && state.Style != bsEncarta ? 1 : 0;
  const bool hasGlyph = state.Glyph && !state.Glyph->Empty();
  g.GlyphH = hasGlyph ? state.Glyph->Height() : 0;
  g.GlyphW = hasGlyph && state.NumGlyphs > 0 ? state.Glyph->Width() / state.NumGlyphs : 0;

  const TColor face = Face_Color(state, pressed);
  canvas.Pen() = TPen();
  Paint_Background(canvas, state, g, face);
  Paint_Edges(canvas, state, g, face, pressed);

  TFont font = state.Font;
  if (state.Style == bsEncarta && pressed) font.Style |= fsBold;
  canvas.SetFont(font);
  canvas.Brush().Style = bsClear;

  const int32_t cellX = Cell_Offset(state, g, pressed);
  const uint32_t format = Text_Format(state.Alignment);
  const int32_t limit = Text_Limit(state, g);
  QString caption = state.Caption;
  if (!state.WordWrap) {
    while (!caption.isEmpty() && canvas.TextWidth(caption) > limit) caption.chop(1);
  }
  TRect measured = Rect(0, 0, limit, 0);
  const int32_t th = canvas.DrawText(caption, measured, DT_CALCRECT | DT_WORDBREAK);
  const int32_t tw = measured.Width();

  if (state.Style == bsShape) {
    Draw_Glyph(canvas, state, g, (g.W - g.GlyphW) / 2, (g.H - g.GlyphH) / 2, cellX);
    TRect r = Rect(g.Off, (g.H - th) / 2 + g.Off, g.W, g.H);
    canvas.DrawText(caption, r, DT_CENTER | DT_WORDBREAK);
  } else {
    const bool sideways = state.Layout == blGlyphLeft || state.Layout == blGlyphRight;
    const TPlacement p = sideways ? Place_Sideways(state, g, tw, th) : Place_Stacked(state, g, th);
    if (!state.Enabled) canvas.Font().Color = clGray;
    TRect r = Rect(p.TextLeft, p.TextTop, p.TextLeft + limit, p.TextTop + th);
    canvas.DrawText(caption, r, format);
    Draw_Glyph(canvas, state, g, p.GlyphLeft, p.GlyphTop, cellX);
  }

  if (state.HasPopupMenu) {
    TBitmap arrow = Popup_Arrow_Glyph();
    arrow.SetTransparent(true);
    canvas.Draw(g.W - 11, g.H / 2 - 1, arrow);
  }
}
