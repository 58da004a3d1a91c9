// A language file of any bytes, read over the built-in texts: the table keeps its size.
#include "FuzzSupport.h"
#include "ULang.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Load_Default_Strings();
  Load_Language_File(Write_Fuzz_File(QStringLiteral("Fuzz.lng"), Fuzz_Bytes(data, size)));
  Fuzz_Require(Lang_Table.size() == Lang_Size);
  return 0;
}
