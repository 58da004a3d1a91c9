#include "UArrowWindow.h"

#include <QPolygon>
#include <QRegion>

#include "UCanvas.h"

TArrowWindow::TArrowWindow(QWidget* owner, TArrowDirection direction)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      FDir(direction),
      FArrow(Outline(direction)) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  int32_t right = 0, bottom = 0;
  QPolygon polygon;
  for (const TPoint& p : FArrow) {
    polygon << QPoint(p.X, p.Y);
    right = std::max(right, p.X + 1);
    bottom = std::max(bottom, p.Y + 1);
  }
  resize(right, bottom);
  setMask(QRegion(polygon, Qt::WindingFill));
  hide();
}

void TArrowWindow::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  update();
}

std::array<TPoint, 7> TArrowWindow::Outline(TArrowDirection direction) {
  switch (direction) {
    case arrUp:
      return {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}};
    case arrDown:
      return {{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}};
    case arrLeft:
      return {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}};
    case arrRight:
    default:
      return {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}};
  }
}

void TArrowWindow::paintEvent(QPaintEvent*) {
  TCanvas canvas(static_cast<QPaintDevice*>(this));
  canvas.Brush().Color = Color();
  canvas.Pen().Color = Color();
  canvas.Rectangle(Rect(0, 0, width(), height()));
}
