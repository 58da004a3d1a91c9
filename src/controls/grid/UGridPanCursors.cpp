#include "UGridPanCursors.h"

#include <QPainter>
#include <QPixmap>
#include <QTransform>

namespace {
constexpr int Size = 32;

// The arrow's turn (degrees clockwise from pointing right) of 8001 .. 8008.
constexpr qreal Turns[] = {90, 180, 0, 270, 315, 225, 45, 135};
}  // namespace

QCursor Grid_Pan_Cursor(int32_t id) {
  QPixmap picture(Size, Size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  // White under black, so the cursor shows on any cell colour.
  const QPointF middle(Size / 2.0, Size / 2.0);
  painter.setPen(QPen(Qt::white, 4));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(middle, 5, 5);
  painter.setPen(QPen(Qt::black, 2));
  painter.drawEllipse(middle, 5, 5);
  painter.setBrush(Qt::black);
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(middle, 1.5, 1.5);
  if (Is_Pan_Cursor(id) && id != crPanOrigin) {
    // Pointing right from beside the mark, turned about the middle.
    QPolygonF arrow;
    arrow << QPointF(23, 10) << QPointF(30, 16) << QPointF(23, 22);
    QTransform turn;
    turn.translate(middle.x(), middle.y());
    turn.rotate(Turns[id - crPanOrigin - 1]);
    turn.translate(-middle.x(), -middle.y());
    painter.setPen(QPen(Qt::white, 1.5));
    painter.drawPolygon(turn.map(arrow));
  }
  painter.end();
  return QCursor(picture, Size / 2, Size / 2);
}
