// The program's start-up as its entry runs it, up to the main window's first painted frame. The program folder is
// the first argument, so a run never writes beside the build.
#include <QApplication>

#include "TFirst_Paint_Probe.h"
#include "UFonts.h"
#include "UGlobals.h"
#include "UProgram_Start.h"
#include "UVandrelFirmWare.h"
#include "UWindows.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Install_Font_Substitutes();
  Set_Program_Folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QCoreApplication::applicationDirPath());
  Prepare_Program_State();
  Create_Windows();
  TFirst_Paint_Probe probe(FVandrelFirmWare);
  FVandrelFirmWare->show();
  return QApplication::exec();
}
