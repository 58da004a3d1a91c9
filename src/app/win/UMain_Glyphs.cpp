#include "UMain_Glyphs.h"

#include <QPainter>
#include <functional>

namespace {

constexpr int Size = 32;
// The button leaves out the colour of the bottom-left pixel; the pictures keep that corner in this colour.
const QColor Background(0xFF, 0x00, 0xFF);
const QColor Ink(0x30, 0x6E, 0xB4);

TBitmap Draw(const std::function<void(QPainter&)>& paint) {
  QImage image(Size, Size, QImage::Format_RGB32);
  image.fill(Background);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    paint(p);
  }
  return TBitmap(image);
}

}  // namespace

TBitmap Info_Glyph() {
  return Draw([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QRect(2, 2, 28, 28));
    p.setBrush(Qt::white);
    p.drawRect(14, 13, 4, 12);
    p.drawRect(14, 7, 4, 4);
  });
}

TBitmap Options_Glyph() {
  return Draw([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    const QPointF centre(16, 16);
    for (int tooth = 0; tooth < 8; ++tooth) {
      p.save();
      p.translate(centre);
      p.rotate(tooth * 45.0);
      p.drawRect(QRectF(-3, -15, 6, 8));
      p.restore();
    }
    p.drawEllipse(centre, 10, 10);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, 4, 4);
  });
}

TBitmap Close_Glyph() {
  return Draw([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0x32, 0x32));
    p.drawEllipse(QRect(2, 2, 28, 28));
    QPen cross(Qt::white, 4, Qt::SolidLine, Qt::FlatCap);
    p.setPen(cross);
    p.drawLine(10, 10, 22, 22);
    p.drawLine(22, 10, 10, 22);
  });
}
