// The program's start-up through the program's own entry, up to the main window's first painted frame. The program
// folder is the first argument, so a run never writes beside the build.
#include <QString>
#include <QWidget>

#include "TFirst_Paint_Probe.h"
#include "UProgram_Start.h"

int main(int argc, char** argv) {
  // The probe is the main window's child: it goes with the window, and ends the process at its first frame.
  return Program_Main(argc, argv, argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(),
                      [](QWidget* main_window) { new TFirst_Paint_Probe(main_window); });
}
