#include "UBanks.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>

#include "Exception.h"
#include "UByteWriter.h"
#include "UGlobals.h"
#include "UOPC_UA_Client_Reader.h"
#include "UOPC_UA_Image.h"
#include "UParBlock.h"
#include "USaveFile.h"

namespace {
TBank_Result Failure(const QString& text) {
  return {false, text};
}

void Check_Bank2_Fits() {
  const uint64_t size = Bank2_Size(OPC_UA_Main);
  if (size > Bank_Image_Size)
    throw Exception(QStringLiteral("The OPC UA configuration does not fit in the device: its image needs %1 bytes, "
                                   "at most %2 are available. Remove servers or variables, or shorten their texts.")
                        .arg(size)
                        .arg(Bank_Image_Size));
}

QByteArray Image_Bytes(const std::array<uint8_t, Bank_Image_Size>& image, uint32_t length) {
  return QByteArray(reinterpret_cast<const char*>(image.data()), length);
}
}  // namespace

TBank_Result Compile_Banks() {
  Bank1_Len = 0;
  Bank2_Len = 0;
  try {
    OPC_UA_Main = Bank::TOPC_UA_Main{};
    Init_Par_Block();
    Compile_Model_Hook();
    Read_ParGen_XML();
    Put_U32(Par_Block, Par_Block_Load_Address_Offset, Bank2_Load_Address);
    Read_OPC_UA_Client_XML(Bank2_Load_Address);
    Check_Bank2_Fits();
    const uint32_t bank1 = Store_Bank1(0, Bank1_Image);
    const uint32_t bank2 = Store_Bank2(0, Bank2_Image, Bank_Image_Limit);
    Bank1_Len = bank1;
    Bank2_Len = bank2;
  } catch (const Exception& e) {
    return Failure(e.Message());
  }
  return {};
}

TBank_Result Write_Banks() {
  if (Path_Project.isEmpty()) return Failure(QStringLiteral("No configuration is open."));
  if (Bank1_Len == 0) return Failure(QStringLiteral("The configuration has not been compiled."));
  // Only bin/ may be made here: a configuration folder that has gone must not come back holding nothing but banks.
  if (!QFileInfo(Path_Project).isDir())
    return Failure(QStringLiteral("The configuration folder %1 is missing.").arg(Path_Project));
  const QString bin = Join_Path(Path_Project, QStringLiteral("bin"));
  if (!QDir(Path_Project).mkpath(QStringLiteral("bin")))
    return Failure(QStringLiteral("Cannot create the folder %1.").arg(bin));
  // The device needs both images of one compile: the pair is written together, so a failure keeps the old pair
  // rather than leaving a new bank1 beside an old bank2.
  QString failed;
  if (!Write_Files_Atomic({{Join_Path(bin, QStringLiteral("bank1.bin")), Image_Bytes(Bank1_Image, Bank1_Len)},
                           {Join_Path(bin, QStringLiteral("bank2.bin")), Image_Bytes(Bank2_Image, Bank2_Len)}},
                          &failed))
    return Failure(QStringLiteral("Cannot write the file %1.").arg(failed));
  return {};
}
