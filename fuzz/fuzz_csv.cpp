// A cell text from any bytes through the CSV and line-break codecs, whose round trips must hold.
#include "FuzzSupport.h"
#include "USupport_Fuzz_Entries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return Fuzz_Csv_Codec(data, size);
}
