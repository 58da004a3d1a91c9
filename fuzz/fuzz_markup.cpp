// Markup from any bytes, measured, painted and hit-tested, then through the markup text routines. Painting text
// needs the fonts of a GUI application: one off-screen application serves every input.
#include <QGuiApplication>

#include "FuzzSupport.h"
#include "USupport_Fuzz_Entries.h"

namespace {
void Ensure_Gui() {
  static int argc = 1;
  static char name[] = "fuzz_markup";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Ensure_Gui();
  return Fuzz_Markup_Parser(data, size);
}
