#include "UQrvSpeedButton.h"

#include <QMouseEvent>
#include <algorithm>

#include "UCanvas.h"
#include "UEditorButtonHelpers.h"
#include "UFrameControl.h"
#include "UThemeBinding.h"

TQrvSpeedButton::TQrvSpeedButton(QWidget* parent) : TGuarded<QWidget>(parent) {
  setFocusPolicy(Qt::NoFocus);
}

void TQrvSpeedButton::SetIsWinXP(bool value) {
  FIsWinXP = value;
  update();
}

void TQrvSpeedButton::SetFlat(bool value) {
  FFlat = value;
  update();
}

void TQrvSpeedButton::SetGlyph(const QImage& value) {
  FGlyph = value;
  update();
}

void TQrvSpeedButton::SetNumGlyphs(int32_t value) {
  FNumGlyphs = std::max(1, value);
  update();
}

void TQrvSpeedButton::SetCaption(const QString& value) {
  FCaption = value;
  update();
}

bool TQrvSpeedButton::Guarded_Event(QEvent* e) {
  if (e->type() == QEvent::Enter || e->type() == QEvent::Leave) {
    FHot = e->type() == QEvent::Enter;
    update();
  }
  return QWidget::event(e);
}

void TQrvSpeedButton::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && isEnabled()) {
    FDown = true;
    update();
  }
  QWidget::mousePressEvent(e);
}

void TQrvSpeedButton::mouseReleaseEvent(QMouseEvent* e) {
  FDown = false;
  update();
  if (isEnabled() && OnMouseUp) OnMouseUp(this, e->button());
}

void TQrvSpeedButton::paintEvent(QPaintEvent*) {
  TCanvas canvas(this);
  TRect r = Rect(0, 0, width(), height());
  const TButtonFaceColors colors = Colors ? Colors() : TButtonFaceColors{};
  if (colors.ButtonColor != clNone) {
    FFlat = true;
    const TColor face = Or_Else(FDown  ? colors.ButtonColorDown
                                : FHot ? colors.ButtonColorHot
                                       : clNone,
                                colors.ButtonColor);
    canvas.Brush().Style = bsSolid;
    canvas.Brush().Color = face;
    canvas.FillRect(r);
  } else if (FIsWinXP && QrvXPVS().Loaded() && QrvXPVS().IsThemeActive() &&
             QrvXPVS().DrawPart(parentWidget(), QStringLiteral("button"), canvas, 1,
                                FDown  ? 3
                                : FHot ? 2
                                       : 1,
                                r)) {
  } else if (FFlat) {
    canvas.Brush().Color = clBtnFace;
    canvas.FillRect(r);
    // A soft edge: raised while up, sunken while pressed.
    canvas.Pen().Style = psSolid;
    canvas.Pen().Color = FDown ? clBtnShadow : clBtnHighlight;
    canvas.Polyline({Point(r.Left, r.Bottom - 1), Point(r.Left, r.Top), Point(r.Right, r.Top)});
    canvas.Pen().Color = FDown ? clBtnHighlight : clBtnShadow;
    canvas.Polyline({Point(r.Left, r.Bottom - 1), Point(r.Right - 1, r.Bottom - 1), Point(r.Right - 1, r.Top - 1)});
    r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  } else {
    DrawFrameControl(canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | (FDown ? DFCS_PUSHED : 0));
  }
  const int32_t shift = FDown ? 1 : 0;
  if (!FGlyph.isNull()) Draw_Glyph_Centred(canvas, FGlyph, FNumGlyphs, Rect(0, 0, width(), height()), FDown);
  if (!FCaption.isEmpty()) {
    canvas.Font().Color = clBlack;
    canvas.SetBkMode(bkTransparent);
    TRect text = Rect(r.Left + shift, r.Top + shift, r.Right + shift, r.Bottom + shift);
    canvas.DrawText(FCaption, text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
}
