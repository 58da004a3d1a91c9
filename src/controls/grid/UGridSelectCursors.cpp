#include "UGridSelectCursors.h"

#include <QPainter>
#include <QPixmap>
#include <QTransform>

namespace {
constexpr int Size = 32;

QCursor Make_Cursor(qreal angle) {
  // An arrow pointing right with its tip at the right edge, turned about the middle of the picture.
  QPolygonF arrow;
  arrow << QPointF(5, 13) << QPointF(17, 13) << QPointF(17, 8) << QPointF(27, 16) << QPointF(17, 24)
        << QPointF(17, 19) << QPointF(5, 19);
  QTransform turn;
  turn.translate(Size / 2.0, Size / 2.0);
  turn.rotate(angle);
  turn.translate(-Size / 2.0, -Size / 2.0);
  QPixmap picture(Size, Size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::white, 1.5));
  painter.setBrush(Qt::black);
  painter.drawPolygon(turn.map(arrow));
  painter.end();
  const QPoint tip = turn.map(QPointF(27, 16)).toPoint();
  return QCursor(picture, tip.x(), tip.y());
}
}  // namespace

QCursor Grid_Select_Cursor(TGridSelectCursor kind) {
  switch (kind) {
    case TGridSelectCursor::Columns:
      return Make_Cursor(90);
    case TGridSelectCursor::All:
      return Make_Cursor(45);
    default:
      return Make_Cursor(0);
  }
}
