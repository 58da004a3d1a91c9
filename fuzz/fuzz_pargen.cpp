// ParGen.xml of any bytes: whatever loads keeps one text per field.
#include "FuzzSupport.h"
#include "UParGenFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TParGenValues values;
  Load_ParGen_Bytes(Fuzz_Bytes(data, size), values);
  return 0;
}
