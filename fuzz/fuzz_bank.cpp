// The bank compile of a configuration folder: the input is ParGen.xml, a NUL byte, then OPC_UA_Client.xml. The
// images never pass their size, and a failed compile leaves both lengths 0.
#include "FuzzSupport.h"
#include "UBanks.h"
#include "UGlobals.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray input = Fuzz_Bytes(data, size);
  const qsizetype split = input.indexOf('\0');
  Path_Project = Fuzz_Folder();
  Build_Topic_Paths();
  Write_Fuzz_File(QStringLiteral("ParGen.xml"), split < 0 ? input : input.left(split));
  Write_Fuzz_File(QStringLiteral("OPC_UA_Client.xml"), split < 0 ? QByteArray() : input.mid(split + 1));
  const TBank_Result result = Compile_Banks();
  Fuzz_Require(Bank1_Len <= Bank_Image_Size && Bank2_Len <= Bank_Image_Size);
  Fuzz_Require(result.Success || (Bank1_Len == 0 && Bank2_Len == 0));
  return 0;
}
