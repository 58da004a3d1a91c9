// Test entry of the libraries without widgets: a headless GUI application object (fonts, images, painting) and
// no widget library, so a widget dependency in such a library fails the build of its tests.
#include <gtest/gtest.h>
#include <QGuiApplication>

#include "UFonts.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QGuiApplication app(argc, argv);
  Install_Font_Substitutes();
  return RUN_ALL_TESTS();
}
