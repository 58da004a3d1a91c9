#include "UProgram_Start.h"

int main(int argc, char** argv) {
  return Program_Main(argc, argv);
}
