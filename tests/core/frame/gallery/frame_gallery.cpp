// Writes a PNG to look at by eye: the shared dialog frame with a real button hot and another focused.
// Usage: frame_gallery <frame.png> [scale].
#include <QApplication>
#include <QEnterEvent>
#include <QImage>

#include "UDialogFrame.h"
#include "UFonts.h"
#include "UGlobals.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Install_Font_Substitutes();
  const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/frame_gallery.png");
  const int scale = argc > 2 ? atoi(argv[2]) : 2;
  SW_Code = QStringLiteral("SWTarn10");
  TFDialogFrame frame(331, 162);
  frame.L_SW_Desc->setText(QStringLiteral("Create New Configuration"));
  frame.L_SW_Desc->adjustSize();
  frame.show();
  frame.Btn_Cancel->setFocus();
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(frame.Btn_OK, &enter);
  QApplication::processEvents();
  const QImage shot = frame.grab().toImage();
  return shot.scaled(shot.size() * scale).save(path) ? 0 : 1;
}
