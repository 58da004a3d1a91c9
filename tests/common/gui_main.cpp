// Test entry: a headless application object for the tests that need one, then every test.
#include <gtest/gtest.h>

#include "TDialogRecorder.h"
#include "UApplication.h"
#include "UFonts.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  // The program's own application object, so an exception that leaves a handler shows as a message here too.
  TApplication app(argc, argv);
  Install_Font_Substitutes();
  Refuse_Unexpected_Dialogs();
  return RUN_ALL_TESTS();
}
