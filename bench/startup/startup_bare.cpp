// The anchor: a bare Qt program showing one window with one label.
#include <QApplication>
#include <QLabel>

#include "TFirst_Paint_Probe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(694, 396);
  QLabel label(QStringLiteral("Hello"), &window);
  label.move(16, 16);
  TFirst_Paint_Probe probe(&window);
  window.show();
  return QApplication::exec();
}
