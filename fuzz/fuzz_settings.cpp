// The settings file Vandrel.xml of any bytes, read from the program's folder.
#include "FuzzSupport.h"
#include "UGlobals.h"
#include "USettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool folder_set = (Set_Program_Folder(Fuzz_Folder()), true);
  (void)folder_set;
  Write_Fuzz_File(QStringLiteral("Vandrel.xml"), Fuzz_Bytes(data, size));
  Read_Settings();
  return 0;
}
