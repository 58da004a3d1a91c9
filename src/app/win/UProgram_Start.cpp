#include "UProgram_Start.h"

#include <QApplication>

#include "UVandrelFirmWare.h"
#include "UWindows.h"

int Program_Start() {
  Create_Windows();
  FVandrelFirmWare->show();
  const int result = QApplication::exec();
  Destroy_Windows();
  return result;
}
