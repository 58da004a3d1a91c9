#include "UDropDownForm.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "UCanvas.h"
#include "UGradients.h"
#include "UQrvCustomDropDown.h"

TDropDownForm::TDropDownForm(TQrvCustomDropDown& dropDown)
    : TGuarded<QWidget>(&dropDown, Qt::Popup | Qt::FramelessWindowHint), FDropDown(dropDown) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

void TDropDownForm::paintEvent(QPaintEvent*) {
  TCanvas canvas(this);
  const int32_t bw = FDropDown.DropDownBorderWidth();
  const TColor color = FDropDown.DropDownColor(), colorTo = FDropDown.DropDownColorTo();
  TRect r = Rect(bw, bw, width() - bw, height() - bw);
  if (color != clNone && colorTo != clNone) {
    DrawGradient(canvas, color, colorTo, 80, r, FDropDown.DropDownGradient() == gdHorizontal);
  } else if (color != clNone) {
    FillRectColor(canvas, r, color);
  }
  if (bw <= 0) return;
  // A pen of the border's width centred on the rectangle: the outer half would fall outside the window.
  r = Rect(bw / 2, bw / 2, width() - (bw - 1) / 2, height() - (bw - 1) / 2);
  canvas.Pen().Color = FDropDown.DropDownBorderColor();
  canvas.Pen().Width = bw;
  canvas.Pen().Style = psSolid;
  canvas.Brush().Style = bsClear;
  canvas.Rectangle(r);
}

void TDropDownForm::hideEvent(QHideEvent* e) {
  TGuarded<QWidget>::hideEvent(e);
  if (FClosing) return;
  // Hidden by the platform: a press outside took the activation away.
  FDeActivate = DropDown_Tick_Count();
  FDropDown.PopupDeactivated(FCancelOnDeActivate);
}

void TDropDownForm::resizeEvent(QResizeEvent* e) {
  TGuarded<QWidget>::resizeEvent(e);
  FDropDown.PopupResized();
}

void TDropDownForm::keyPressEvent(QKeyEvent* e) {
  FDropDown.PopupKeyDown(*e);
}

void TDropDownForm::keyReleaseEvent(QKeyEvent* e) {
  FDropDown.PopupKeyUp(*e);
}

void TDropDownForm::wheelEvent(QWheelEvent* e) {
  if (e->angleDelta().y() < 0)
    FDropDown.PopupMouseWheelDown();
  else if (e->angleDelta().y() > 0)
    FDropDown.PopupMouseWheelUp();
}

bool TDropDownForm::InSizingCorner(const QPoint& p) const {
  return FSizeable && p.x() >= width() - 10 && p.y() >= height() - 10;
}

void TDropDownForm::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && InSizingCorner(e->position().toPoint())) {
    FSizing = true;
    FSizeStart = e->globalPosition().toPoint();
    FSizeAtStart = size();
    return;
  }
  TGuarded<QWidget>::mousePressEvent(e);
}

void TDropDownForm::mouseMoveEvent(QMouseEvent* e) {
  if (FSizing) {
    const QPoint d = e->globalPosition().toPoint() - FSizeStart;
    resize(FSizeAtStart.width() + d.x(), FSizeAtStart.height() + d.y());
    if (OnSizing) OnSizing();
    return;
  }
  setCursor(InSizingCorner(e->position().toPoint()) ? Qt::SizeFDiagCursor : Qt::ArrowCursor);
}

void TDropDownForm::mouseReleaseEvent(QMouseEvent* e) {
  FSizing = false;
  TGuarded<QWidget>::mouseReleaseEvent(e);
}
