// A fixed configuration with every kind of field the windows write, compiled against the images the compiler
// produced for it before the readers were rewritten for speed: any change of a single byte is a regression.
#include <gtest/gtest.h>

#include <QFile>

#include "TBankFixture.h"
#include "TTestData.h"
#include "UGlobals.h"

namespace {
QByteArray Data_File(const char* name) {
  QFile f(Test_Data(QStringLiteral("bank/golden/") + QString::fromLatin1(name)));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class GoldenImagesTest : public BankTest {};

TEST_F(GoldenImagesTest, AFixedConfigurationCompilesToTheRecordedBytes) {
  Copy_Data(QStringLiteral("golden/ParGen.xml"), Path_ParGen);
  Copy_Data(QStringLiteral("golden/OPC_UA_Client.xml"), Path_OPC_UA_Client);
  const QByteArray bank2 = Compile_And_Write();
  EXPECT_EQ(Read_Bank("bank1.bin"), Data_File("bank1.bin"));
  EXPECT_EQ(bank2, Data_File("bank2.bin"));
}
}  // namespace
