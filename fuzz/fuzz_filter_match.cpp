// A filter expression and a cell text from any bytes (split at the first NUL): the matcher always finishes.
#include "FuzzSupport.h"
#include "USupport_Fuzz_Entries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return Fuzz_Filter_Matcher(data, size);
}
