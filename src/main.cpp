#include "UApplication.h"
#include "UFonts.h"
#include "UGlobals.h"
#include "UProgram_Start.h"

int main(int argc, char** argv) {
  TApplication app(argc, argv);
  Install_Font_Substitutes();
  Set_Program_Folder(QCoreApplication::applicationDirPath());
  return Program_Start();
}
