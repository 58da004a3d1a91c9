#include "UDropDownEditButton.h"

#include <QMouseEvent>

#include "UCanvas.h"
#include "USysColors.h"

TDropDownEditButton::TDropDownEditButton(QWidget* parent) : TGuarded<QWidget>(parent) {
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::ArrowCursor);
  resize(FBWidth, 25);
}

void TDropDownEditButton::SetButtonWidth(int32_t value) {
  FBWidth = value;
  resize(FBWidth, height());
}

void TDropDownEditButton::SetBounds(int32_t left, int32_t top, int32_t, int32_t height) {
  setGeometry(left, top, FBWidth, height);
}

void TDropDownEditButton::paintEvent(QPaintEvent*) {
  TCanvas canvas(this);
  const TRect r = Rect(0, 0, width(), height());
  const bool pressed = FDown && FHot;
  const TColor arrow = [&] {
    if (FButtonColor == clNone) return TColor(clBlack);
    const TColor text = pressed ? FButtonTextColorDown : FHot ? FButtonTextColorHot : FButtonTextColor;
    return text == clNone ? TColor(clBlack) : text;
  }();
  if (FButtonColor != clNone) {
    const TColor face = pressed && FButtonColorDown != clNone ? FButtonColorDown
                        : FHot && FButtonColorHot != clNone   ? FButtonColorHot
                                                              : FButtonColor;
    canvas.Brush().Color = face;
    canvas.Brush().Style = bsSolid;
    canvas.FillRect(r);
    if (LineColor != clNone) {
      canvas.Pen().Color = LineColor;
      canvas.MoveTo(0, 0);
      canvas.LineTo(0, height());
    }
  } else {
    canvas.Brush().Color = clBtnFace;
    canvas.Brush().Style = bsSolid;
    canvas.FillRect(r);
    canvas.Pen().Color = pressed ? clBtnShadow : clWhite;
    canvas.MoveTo(width() - 2, 1);
    canvas.LineTo(1, 1);
    canvas.LineTo(1, height() - 1);
    canvas.Pen().Color = clBtnShadow;
    canvas.MoveTo(width() - 1, 0);
    canvas.LineTo(width() - 1, height() - 1);
    canvas.LineTo(-1, height() - 1);
  }
  // The arrow (5, 7) (11, 7) (8, 10), centred on the button's height.
  const int32_t dy = (height() - 17) / 2;
  canvas.Brush().Color = arrow;
  canvas.Pen().Color = arrow;
  canvas.Polygon({Point(5, 7 + dy), Point(11, 7 + dy), Point(8, 10 + dy)});
}

void TDropDownEditButton::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  FDown = true;
  update();
}

void TDropDownEditButton::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  FDown = false;
  update();
  // The release position is not tested: a press that slid off still clicks.
  if (OnClick) OnClick();
}

void TDropDownEditButton::enterEvent(QEnterEvent*) {
  FHot = true;
  update();
}

void TDropDownEditButton::leaveEvent(QEvent*) {
  FHot = false;
  update();
}
