#include "UQrvTimerSpeedButton.h"

#include <QMouseEvent>
#include <QTimerEvent>

#include "UCanvas.h"
#include "UEditorButtonHelpers.h"
#include "UFrameControl.h"
#include "UThemeBinding.h"

namespace {

constexpr int32_t First_Repeat_Ms = 400;
constexpr int32_t Next_Repeat_Ms = 100;

void Arrow(TCanvas& canvas, TButtonDirection direction, const TRect& r, TColor color) {
  const int32_t l = r.Left, t = r.Top;
  canvas.Pen().Style = psSolid;
  canvas.Pen().Color = color;
  canvas.Brush().Style = bsSolid;
  canvas.Brush().Color = color;
  switch (direction) {
    case bdLeft:
      canvas.Polygon({Point(l + 5, t + 5), Point(l + 3, t + 7), Point(l + 5, t + 9)});
      break;
    case bdRight:
      canvas.Polygon({Point(l + 3, t + 5), Point(l + 5, t + 7), Point(l + 3, t + 9)});
      break;
    case bdUp:
      canvas.Polygon({Point(l + 4, t + 4), Point(l + 8, t + 4), Point(l + 6, t + 2)});
      break;
    case bdDown:
      canvas.Polygon({Point(l + 4, t + 2), Point(l + 8, t + 2), Point(l + 6, t + 4)});
      break;
  }
}

}  // namespace

QImage SpinGlyph(bool up) {
  QImage glyph(9, 6, QImage::Format_RGB32);
  glyph.fill(Qt::white);
  // Rows of 9, 7, 5, 3 and 1 pixels; the blank row keeps the top-left pixel white, the transparent colour.
  for (int row = 0; row < 5; ++row) {
    const int half = 4 - row;
    const int y = up ? 4 - row : 1 + row;
    for (int x = 4 - half; x <= 4 + half; ++x) glyph.setPixel(x, y, qRgb(0, 0, 0));
  }
  return glyph;
}

TQrvTimerSpeedButton::TQrvTimerSpeedButton(QWidget* parent) : TGuarded<QWidget>(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
}

void TQrvTimerSpeedButton::SetTimeBtnState(TTimeBtnState value) {
  FTimeBtnState = value;
  update();
}

void TQrvTimerSpeedButton::SetButtonDirection(TButtonDirection value) {
  FButtonDirection = value;
  update();
}

void TQrvTimerSpeedButton::SetIsWinXP(bool value) {
  FIsWinXP = value;
  update();
}

void TQrvTimerSpeedButton::SetFlat(bool value) {
  FFlat = value;
  update();
}

void TQrvTimerSpeedButton::SetTransparent(bool value) {
  FTransparent = value;
  update();
}

void TQrvTimerSpeedButton::SetGlyph(const QImage& value) {
  FGlyph = value;
  update();
}

void TQrvTimerSpeedButton::Click() {
  if (OnClick) OnClick(this);
}

void TQrvTimerSpeedButton::Start_Repeat(int32_t interval) {
  FRepeatInterval = interval;
  FRepeatTimer.start(interval, this);
}

void TQrvTimerSpeedButton::Stop_Repeat() {
  FRepeatTimer.stop();
}

void TQrvTimerSpeedButton::Repaint_Parent() {
  if (parentWidget()) parentWidget()->update();
  update();
}

void TQrvTimerSpeedButton::Timer_Tick() {
  Start_Repeat(Next_Repeat_Ms);
  if (!(FDragging && FDown)) return;
  try {
    Click();
  } catch (...) {
    // A step that fails ends the repeat; the error still reaches the user once.
    Stop_Repeat();
    throw;
  }
}

void TQrvTimerSpeedButton::timerEvent(QTimerEvent* e) {
  if (e->timerId() == FRepeatTimer.timerId()) {
    Timer_Tick();
  } else {
    QWidget::timerEvent(e);
  }
}

void TQrvTimerSpeedButton::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !isEnabled()) {
    QWidget::mousePressEvent(e);
    return;
  }
  FDragging = true;
  FDown = true;
  update();
  if (OnMouseDown) OnMouseDown(this);
  if (FTimeBtnState & tbAllowTimer) Start_Repeat(First_Repeat_Ms);
  Repaint_Parent();
}

void TQrvTimerSpeedButton::mouseMoveEvent(QMouseEvent* e) {
  if (FDragging) {
    const bool inside = rect().contains(e->position().toPoint());
    if (inside != FDown) {
      FDown = inside;
      update();
    }
  }
  QWidget::mouseMoveEvent(e);
}

void TQrvTimerSpeedButton::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !FDragging) {
    QWidget::mouseReleaseEvent(e);
    return;
  }
  const bool over = rect().contains(e->position().toPoint());
  FDragging = false;
  FDown = false;
  update();
  // The timer stops even when the click raises.
  struct TStop {
    TQrvTimerSpeedButton* Button;
    ~TStop() {
      Button->Stop_Repeat();
      Button->Repaint_Parent();
    }
  } stop{this};
  if (over) Click();
}

bool TQrvTimerSpeedButton::Guarded_Event(QEvent* e) {
  if (e->type() == QEvent::Enter) {
    FHasMouse = true;
    update();
  } else if (e->type() == QEvent::Leave) {
    FHasMouse = false;
    update();
  }
  return QWidget::event(e);
}

void TQrvTimerSpeedButton::paintEvent(QPaintEvent*) {
  TCanvas canvas(this);
  const TRect r = Rect(0, 0, width(), height());
  const TButtonFaceColors colors = Colors ? Colors() : TButtonFaceColors{};
  const bool pressed = FDown;
  if (colors.ButtonColor != clNone) {
    TColor face = colors.ButtonColor;
    if (pressed) {
      face = Or_Else(colors.ButtonColorDown, colors.ButtonColor);
    } else if (FHasMouse) {
      face = Or_Else(colors.ButtonColorHot, colors.ButtonColor);
    }
    canvas.Pen().Style = psSolid;
    canvas.Pen().Color = face;
    canvas.Brush().Style = bsSolid;
    canvas.Brush().Color = face;
    canvas.Rectangle(r);
    Arrow(canvas, FButtonDirection, r, clBlack);
  } else {
    static const int32_t Parts[] = {4, 3, 1, 2};  // left, right, up, down
    const int32_t state = pressed ? 3 : FHasMouse ? 2 : 1;
    const bool themed =
        FIsWinXP && QrvXPVS().Loaded() &&
        QrvXPVS().DrawPart(parentWidget(), QStringLiteral("spin"), canvas, Parts[int(FButtonDirection)], state, r);
    if (!themed) {
      if (!(FFlat && !pressed && !FHasMouse)) {
        DrawFrameControl(canvas, r, DFC_BUTTON,
                         DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0) | (FFlat ? DFCS_FLAT : 0));
      } else if (!FTransparent) {
        canvas.Brush().Color = clBtnFace;
        canvas.FillRect(r);
      }
      if (FButtonDirection == bdLeft || FButtonDirection == bdRight) {
        const int32_t shift = pressed ? 1 : 0;
        Arrow(canvas, FButtonDirection,
              Rect(r.Left + (r.Width() - 9) / 2 + shift, r.Top + (r.Height() - 14) / 2 + shift, r.Right, r.Bottom),
              isEnabled() ? clBlack : clGray);
      } else {
        Draw_Glyph_Centred(canvas, FGlyph.isNull() ? SpinGlyph(FButtonDirection == bdUp) : FGlyph, FNumGlyphs, r,
                           pressed);
      }
    }
  }
  if (FTimeBtnState & tbFocusRect) canvas.DrawFocusRect(Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2));
}
