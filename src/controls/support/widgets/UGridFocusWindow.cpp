#include "UGridFocusWindow.h"

#include "UCanvas.h"

TGridFocusWindow::TGridFocusWindow(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                         Qt::WindowTransparentForInput) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  setEnabled(false);
  resize(0, 0);
}

void TGridFocusWindow::SetColor(TColor color) {
  FColor = color;
  update();
}

void TGridFocusWindow::paintEvent(QPaintEvent*) {
  TCanvas canvas(static_cast<QPaintDevice*>(this));
  canvas.Brush().Color = FColor;
  canvas.FillRect(Rect(0, 0, width(), height()));
}
