#include "UGridFocusWindow.h"

#include <QPainter>

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

void TGridFocusWindow::SetPicture(const QImage& picture) {
  FPicture = picture;
  setAttribute(Qt::WA_TranslucentBackground, !picture.isNull());
  if (!picture.isNull()) resize(picture.size());
  update();
}

void TGridFocusWindow::paintEvent(QPaintEvent*) {
  if (!FPicture.isNull()) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, FPicture);
    return;
  }
  TCanvas canvas(static_cast<QPaintDevice*>(this));
  canvas.Brush().Color = FColor;
  canvas.FillRect(Rect(0, 0, width(), height()));
}
