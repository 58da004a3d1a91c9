// The version service's reply as any text.
#include "FuzzSupport.h"
#include "UCheck_Version.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString reply = QString::fromUtf8(Fuzz_Bytes(data, size));
  const int32_t version = Conv_Version_Text(reply);
  Fuzz_Require(version >= -1 && version <= 9999);
  Reply_Offers_Newer_Version(reply);
  return 0;
}
