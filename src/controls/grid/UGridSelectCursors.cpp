#include "UGridSelectCursors.h"

#include <QPainter>
#include <QPixmap>
#include <QTransform>
#include <utility>

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
QCursor Make_Cell_Cursor() {
  QPixmap picture(Size, Size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  const int mid = Size / 2;
  // The small cell below right of the cross, then the cross drawn twice: white under black so it shows on any cell.
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::white);
  painter.drawRect(mid + 3, mid + 3, 10, 7);
  for (const auto& [colour, width] : {std::pair{Qt::white, 3}, std::pair{Qt::black, 1}}) {
    painter.setPen(QPen(colour, width));
    painter.drawLine(mid, mid - 9, mid, mid + 9);
    painter.drawLine(mid - 9, mid, mid + 9, mid);
  }
  painter.end();
  return QCursor(picture, mid, mid);
}
}  // namespace

QCursor Grid_Select_Cursor(TGridSelectCursor kind) {
  switch (kind) {
    case TGridSelectCursor::Columns:
      return Make_Cursor(90);
    case TGridSelectCursor::All:
      return Make_Cursor(45);
    case TGridSelectCursor::Cell:
      return Make_Cell_Cursor();
    default:
      return Make_Cursor(0);
  }
}
