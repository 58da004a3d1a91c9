// Test entry: a headless application object for the tests that need one, then every test.
#include <QApplication>
#include <gtest/gtest.h>

#include "UFonts.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  Install_Font_Substitutes();
  return RUN_ALL_TESTS();
}
