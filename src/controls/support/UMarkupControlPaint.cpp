// Embedded controls in markup: layout, drawing (themed through the installed theme painter, classic otherwise) and
// the hit test of the CONTROL tag.
#include "UMarkupControls.h"
#include "UMarkupRun.h"

namespace {
// The classic frame controls the markup draws when no theme is active.
enum TClassicControl { ccComboButton, ccCheck, ccRadio, ccPush };

void Edge(TCanvas& c, const TRect& r, TColor topLeft, TColor bottomRight) {
  const TPen saved = c.Pen();
  c.Pen().Color = topLeft;
  c.MoveTo(r.Left, r.Bottom - 1);
  c.LineTo(r.Left, r.Top);
  c.LineTo(r.Right, r.Top);
  c.Pen().Color = bottomRight;
  c.MoveTo(r.Left, r.Bottom - 1);
  c.LineTo(r.Right - 1, r.Bottom - 1);
  c.LineTo(r.Right - 1, r.Top - 1);
  c.SetPen(saved);
}

void Fill(TCanvas& c, const TRect& r, TColor color) {
  const TBrush saved = c.Brush();
  c.Brush().Color = color;
  c.Brush().Style = bsSolid;
  c.FillRect(r);
  c.SetBrush(saved);
}

void Draw_Classic(TCanvas& c, const TRect& r, TClassicControl kind, bool checked, bool pushed) {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  const TPen savedPen = c.Pen();
  const TBrush savedBrush = c.Brush();
  switch (kind) {
    case ccComboButton:
    case ccPush: {
      Fill(c, r, clBtnFace);
      if (pushed) {
        Edge(c, r, clBtnShadow, clBtnHighlight);
      } else {
        Edge(c, r, clBtnHighlight, cl3DDkShadow);
        Edge(c, Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), cl3DLight, clBtnShadow);
      }
      if (kind == ccComboButton) {
        const int32_t cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
        c.Pen().Color = clBtnText;
        c.Brush().Color = clBtnText;
        c.Brush().Style = bsSolid;
        c.Polygon({Point(cx - 3, cy - 1), Point(cx + 3, cy - 1), Point(cx, cy + 2)});
      }
      break;
    }
    case ccCheck:
      Fill(c, r, clWindow);
      c.Brush().Color = clBtnShadow;
      c.FrameRect(r);
      if (checked) {
        c.Pen().Color = clWindowText;
        const int32_t x = r.Left + 3, y = r.Top + r.Height() / 2;
        for (int32_t i = 0; i < 2; ++i) {
          c.MoveTo(x, y - 1 + i);
          c.LineTo(x + 2, y + 1 + i);
          c.LineTo(x + 7, y - 4 + i);
        }
      }
      break;
    case ccRadio:
      c.Pen().Color = clBtnShadow;
      c.Brush().Color = clWindow;
      c.Brush().Style = bsSolid;
      c.Ellipse(r.Left, r.Top, r.Right, r.Bottom);
      if (checked) {
        c.Pen().Color = clWindowText;
        c.Brush().Color = clWindowText;
        const int32_t cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
        c.Ellipse(cx - 2, cy - 2, cx + 2, cy + 2);
      }
      break;
  }
  c.SetPen(savedPen);
  c.SetBrush(savedBrush);
}

void Draw_Part(TMarkupRun& r, const TRect& box, const char* themeClass, int32_t part, int32_t state,
               TClassicControl kind, bool checked, bool pushed) {
  if (r.Themed &&
      MarkupThemePainter()->DrawThemePart(r.C, r.P.OwnerWindow, QLatin1String(themeClass), part, state, box)) {
    return;
  }
  Draw_Classic(r.C, box, kind, checked, pushed);
}

void Draw_Value(TMarkupRun& r, const QString& value, TRect box, uint32_t flags) {
  r.SetBrushColor(clNone);
  r.C.DrawText(value, box, flags | DT_SINGLELINE | DT_NOPREFIX);
}

void Draw_Box(TMarkupRun& r, const TRect& box, TColor frame) {
  TCanvas& c = r.C;
  const TPen saved = c.Pen();
  c.Pen().Color = frame;
  c.Pen().Style = psSolid;
  r.SetBrushColor(clWhite);
  c.Rectangle(box);
  c.SetPen(saved);
}

void Paint_Control(TLinePass& pass, const TControlTag& tag, int32_t c, int32_t t, int32_t& w, int32_t& h) {
  TMarkupRun& r = pass.R;
  const TColor savedBrush = r.BrushColor();
  const TColor frame = r.Themed ? 0xB99D7F : 0x808080;
  const int32_t b = pass.W.Bottom, l = pass.W.Left, lh = pass.L.Height;
  const bool hot = l - 2 < r.P.PointX && r.P.PointX < l + w - 2 && b - h - 2 < r.P.PointY && r.P.PointY < b - 2;
  const bool ticked = tag.Value.toUpper() == QLatin1String("TRUE");
  const QString& type = tag.Type;
  if (type == QLatin1String("EDIT") || type == QLatin1String("PASSWORD") || type == QLatin1String("MASK")) {
    Draw_Box(r, Rect(l, b - lh + 4, l + c, b + 2), frame);
    const QString shown = type == QLatin1String("PASSWORD") ? QString(tag.Value.size(), u'*') : tag.Value;
    Draw_Value(r, shown, Rect(l + 2, b - lh + 4, l + c, b), DT_VCENTER);
  } else if (type == QLatin1String("COMBO")) {
    Draw_Box(r, Rect(l, b - lh + 4, l + c, b + 2), frame);
    Draw_Value(r, tag.Value, Rect(l + 4, b - lh + 4, l + c - 18, b), DT_VCENTER);
    Draw_Part(r, Rect(l + c - 18, b - lh + 5, l + c - 1, b + 1), "combobox", 1, hot ? 2 : 1, ccComboButton, false,
              false);
  } else if (type == QLatin1String("CHECK")) {
    w = h = 16;
    r.SetBrushColor(clNone);
    Draw_Part(r, Rect(l + 2, b - 15, l + 15, b), "button", 3, ticked ? 5 : 1, ccCheck, ticked, false);
  } else if (type == QLatin1String("RADIO")) {
    w = h = 16;
    r.SetBrushColor(clNone);
    Draw_Part(r, Rect(l + 2, b - 14, l + 14, b), "button", 2, ticked ? 5 : 1, ccRadio, ticked, false);
  } else if (type == QLatin1String("BUTTON")) {
    h = 24;
    TRect box = Rect(l + 2, b - t, l + c - 2, b);
    const bool buttonHot =
        l - 2 < r.P.PointX && r.P.PointX < l + w - 2 && b - h - 2 < r.P.PointY && r.P.PointY < b - 2;
    Draw_Part(r, box, "button", 1, r.P.MouseDown ? 3 : (buttonHot ? 2 : 1), ccPush, false,
              buttonHot && r.P.MouseDown);
    box = Rect(box.Left + 2, box.Top + 2, box.Right - 2, box.Bottom - 2);
    Draw_Value(r, tag.Value, box, DT_CENTER | DT_VCENTER);
  }
  r.SetBrushColor(savedBrush);
}
}  // namespace

void Markup_Control(TLinePass& pass, const QString& text) {
  TMarkupRun& r = pass.R;
  const qsizetype close = text.indexOf(u'>');
  const qsizetype end = close < 0 ? text.size() : close;
  const qsizetype from = std::min<qsizetype>(8, end);
  TControlTag tag;
  ParseControlTag(text.mid(from, end - from), tag);
  bool heightOk = false;
  int32_t t = Markup_Number(tag.Height, &heightOk);
  if (tag.Height.isEmpty() || !heightOk) t = 25;
  // A control without a readable WIDTH takes no space and is not drawn.
  bool widthOk = false;
  const int32_t c = Markup_Number(tag.Width, &widthOk);
  if (tag.Width.isEmpty() || !widthOk) return;
  int32_t w = c;
  int32_t h = r.GhHeight() + 10;
  const bool small = tag.Type == QLatin1String("CHECK") || tag.Type == QLatin1String("RADIO");
  pass.L.Height = small ? 16 : 23;
  if (t > 25) pass.L.Height = t - 2;
  if (pass.Painting) Paint_Control(pass, tag, c, t, w, h);
  if (tag.Type == QLatin1String("BUTTON") || tag.Type == QLatin1String("COMBO")) h = 25;
  if (small) w = h = 16;
  const bool selected = r.P.HitTestOnly && !r.O.HitControlID.isEmpty() && tag.ID == r.O.HitControlID;
  if (pass.PointIn(w, h) || selected) {
    pass.PointOnPictureOrControl = true;
    r.O.HitHref = QStringLiteral("ctrl");
    r.HitPicture = r.PictureCounter;
    const int32_t left = pass.LineLeft() + pass.X;
    r.O.HitControlRect = Rect(left, pass.LineRect.Top, left + w, pass.LineRect.Top + h);
    r.O.HitControlValue = tag.Value;
    r.O.HitControlID = tag.ID;
    r.O.HitControlType = tag.Type;
  }
  pass.Place(w, h);
}
