// Writes a PNG to look at by eye: every face style in every state. Usage: button_gallery <faces.png> [scale].
// (The dialog frame with real buttons has its own picture: tests/core/frame/gallery.)
#include <QApplication>
#include <QImage>
#include <QPainter>

#include "LbButton.h"
#include "LbButtonGlyphs.h"
#include "LbButtons.h"
#include "UFonts.h"
#include "USysColors.h"

namespace {

constexpr int Face_W = 110, Face_H = 28, Cell_W = 130, Cell_H = 40;

TLbFaceState State_For(TLbButtonStyle style, int column, const TBitmap* glyph) {
  TLbFaceState s;
  s.Style = style;
  s.Caption = QStringLiteral("&Cancel");
  s.Color = 0xEDF7F8;
  s.ColorWhenDown = 0x0080FF;
  s.HotTrackColor = clYellow;
  s.LightColor = style == bsEncarta ? clGray : clWhite;
  s.Font.Name = QStringLiteral("Verdana");
  s.Glyph = glyph;
  s.NumGlyphs = 2;
  switch (column) {
    case 1:
      s.Hot = true, s.HotTrackStep = 8;
      break;
    case 2:
      s.HotTrackStep = 4;
      break;
    case 3:
      s.Pressed = true, s.Hot = true, s.HotTrackStep = 8;
      break;
    case 4:
      s.Enabled = false;
      break;
    case 5:
      s.HasPopupMenu = true;
      break;
    default:
      break;
  }
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Install_Font_Substitutes();
  const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/button_gallery.png");
  const int scale = argc > 2 ? atoi(argv[2]) : 2;
  const TBitmap glyph = Kind_Glyph(bkCancel);
  QImage sheet(6 * Cell_W, 6 * Cell_H, QImage::Format_RGB32);
  sheet.fill(QColor(0xF8, 0xF7, 0xED));
  QPainter painter(&sheet);
  // Rows: styles; columns: normal, hot, half faded, pressed, disabled, with a popup menu.
  for (int style = bsNormal; style <= bsQuicken; ++style) {
    for (int column = 0; column < 6; ++column) {
      TBitmap face(Face_W, Face_H);
      face.Canvas().Brush().Color = clFuchsia;
      face.Canvas().FillRect(Rect(0, 0, Face_W, Face_H));
      PaintLbButtonFace(face.Canvas(), Face_W, Face_H, State_For(TLbButtonStyle(style), column, &glyph));
      face.SetTransparentColor(clFuchsia);
      face.SetTransparent(true);
      painter.drawImage(column * Cell_W + 10, style * Cell_H + 6, face.MaskedImage());
    }
  }
  painter.end();
  return sheet.scaled(sheet.size() * scale).save(path) ? 0 : 1;
}
