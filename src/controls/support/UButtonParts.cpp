#include "UButtonParts.h"

#include "UFrameControl.h"
#include "UThemeBinding.h"

namespace {

// The themed look only while a visual style can be drawn; otherwise every themed painter takes the classic path.
uint8_t Effective_Look(uint8_t look) {
  if (look == lkThemed && !(QrvXPVS().Loaded() && QrvXPVS().IsThemeActive())) return lkClassic;
  return look;
}

TColorTone Tone_For(const TColorTones& tones, uint8_t state) {
  switch (state) {
    case partHot:
      return tones.Hover;
    case partDown:
      return tones.Selected;
    case partDisabled:
      return tones.Disabled;
    default:
      return tones.Background;
  }
}

void Tools(TCanvas& c, TColor brush, TColor pen) {
  c.Brush().Color = brush;
  c.Brush().Style = bsSolid;
  c.Pen().Color = pen;
  c.Pen().Style = psSolid;
  c.Pen().Width = 1;
}

}  // namespace

void DrawDropDownPart(TCanvas& canvas, TWindowHandle window, const TRect& cellRect, uint8_t look, uint8_t state,
                      TColorTones tones) {
  TRect r = Rect(cellRect.Right - 19, cellRect.Top + 1, cellRect.Right - 2, cellRect.Bottom - 1);
  const bool disabled = state == partDisabled;
  switch (Effective_Look(look)) {
    case lkThemed:
      if (QrvXPVS().DrawPart(window, QStringLiteral("combobox"), canvas, 1, disabled ? 4 : 1, r)) break;
      [[fallthrough]];
    case lkClassic:
      DrawFrameControl(canvas, r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (disabled ? DFCS_INACTIVE : 0));
      break;
    case lkFlat:
      DrawFrameControl(canvas, r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_FLAT | (disabled ? DFCS_INACTIVE : 0));
      break;
    case lkTones: {
      r.Left += 3;
      const TColor brush = Tone_For(tones, state).BrushColor;
      Tools(canvas, brush, brush);
      canvas.Rectangle(r);
      canvas.Pen().Color = tones.Background.BorderColor;
      canvas.MoveTo(r.Left + 1, r.Top);
      canvas.LineTo(r.Left + 1, r.Bottom);
      Tools(canvas, tones.Background.TextColor, tones.Background.TextColor);
      canvas.Polygon({Point(r.Left + 5, r.Top + 8), Point(r.Left + 11, r.Top + 8), Point(r.Left + 8, r.Top + 11)});
      break;
    }
    default:
      break;
  }
}

void DrawButtonPart(TCanvas& canvas, TWindowHandle window, const TRect& buttonRect, uint8_t look, uint8_t state,
                    TColorTones tones) {
  static const int32_t Theme_States[] = {1, 2, 3, 4};
  static const uint32_t Frame_States[] = {0, DFCS_HOT, DFCS_PUSHED, DFCS_INACTIVE};
  const uint32_t frame = DFCS_BUTTONPUSH | (state <= partDisabled ? Frame_States[state] : 0);
  switch (Effective_Look(look)) {
    case lkThemed:
      if (QrvXPVS().DrawPart(window, QStringLiteral("button"), canvas, 1,
                             state <= partDisabled ? Theme_States[state] : 1, buttonRect)) {
        break;
      }
      [[fallthrough]];
    case lkClassic:
      DrawFrameControl(canvas, buttonRect, DFC_BUTTON, frame);
      break;
    case lkFlat:
      DrawFrameControl(canvas, buttonRect, DFC_BUTTON, frame | DFCS_FLAT);
      break;
    case lkTones: {
      const TColorTone tone = Tone_For(tones, state);
      Tools(canvas, tone.BrushColor, tone.BorderColor);
      canvas.Rectangle(buttonRect);
      break;
    }
    default:
      break;
  }
}

void DrawSpinPart(TCanvas& canvas, TWindowHandle window, const TRect& cellRect, uint8_t look, uint8_t state,
                  TColorTones tones) {
  const TRect r = Rect(cellRect.Right - 16, cellRect.Top - 1, cellRect.Right - 1, cellRect.Bottom - 1);
  const int32_t mid = r.Top + (r.Bottom - r.Top) / 2;
  const TRect up = Rect(r.Left, r.Top, r.Right, mid), down = Rect(r.Left, mid + 1, r.Right, r.Bottom);
  const bool disabled = state == partDisabled;
  const uint32_t inactive = disabled ? DFCS_INACTIVE : 0;
  switch (Effective_Look(look)) {
    case lkThemed: {
      HTHEME theme = QrvXPVS().OpenThemeData(window, QStringLiteral("spin"));
      if (theme) {
        QrvXPVS().DrawThemeBackground(theme, canvas, 1, disabled ? 4 : 1, up);
        QrvXPVS().DrawThemeBackground(theme, canvas, 2, disabled ? 4 : 1, Rect(r.Left, mid, r.Right, r.Bottom));
        QrvXPVS().CloseThemeData(theme);
        break;
      }
      [[fallthrough]];
    }
    case lkClassic:
      DrawFrameControl(canvas, up, DFC_SCROLL, DFCS_SCROLLUP | inactive);
      DrawFrameControl(canvas, down, DFC_SCROLL, DFCS_SCROLLDOWN | inactive);
      break;
    case lkFlat:
      DrawFrameControl(canvas, up, DFC_SCROLL, DFCS_SCROLLUP | DFCS_FLAT | inactive);
      DrawFrameControl(canvas, down, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_FLAT | inactive);
      break;
    case lkTones: {
      const TColor brush = Tone_For(tones, state).BrushColor;
      Tools(canvas, brush, brush);
      canvas.Rectangle(up);
      canvas.Rectangle(down);
      Tools(canvas, clBlack, clBlack);
      canvas.Polygon(
          {Point(up.Left + 5, up.Top + 5), Point(up.Left + 9, up.Top + 5), Point(up.Left + 7, up.Top + 3)});
      canvas.Polygon({Point(down.Left + 5, down.Top + 1), Point(down.Left + 9, down.Top + 1),
                      Point(down.Left + 7, down.Top + 3)});
      break;
    }
    default:
      break;
  }
}
