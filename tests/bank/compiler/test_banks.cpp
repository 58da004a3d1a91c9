#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "TBankFixture.h"
#include "TFailingDevice.h"
#include "UBanks.h"
#include "UGlobals.h"
#include "UOPC_UA_Client_Reader.h"
#include "UOPC_UA_Image.h"

namespace {
constexpr uint32_t W = 0x80000;

class BanksTest : public BankTest {
 protected:
  void Write_Two_Servers() const {
    TOpcUaFile file;
    for (int i = 0; i < 2; ++i) {
      const int s = file.Add_Server();
      file.Add_Read(s, {{"NodeType", "String"}, {"NodeID", "Machine.Speed"}});
      file.Add_Write(s);
    }
    file.Save(Path_OPC_UA_Client);
  }

  // ParGen with an NTP server text of `length` characters: with no OPC UA server the image is length + 18 bytes.
  void Write_Ntp_Server_Of(int length) const {
    Write_ParGen(Path_ParGen, {{"NTP_Server_URL", QString(length, u'n')}});
  }
};

uint32_t U32_At(const QByteArray& bytes, int offset) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(bytes[offset + i]);
  return v;
}
}  // namespace

TEST_F(BanksTest, WritesBothFilesAndCreatesTheBinFolder) {
  ASSERT_FALSE(QDir(Path_Project + "/bin").exists());
  const QByteArray bank2 = Compile_And_Write();
  EXPECT_EQ(Read_Bank("bank1.bin").size(), 2048);
  EXPECT_EQ(bank2.size(), 17);
  EXPECT_EQ(Bank1_Len, 2048u);
  EXPECT_EQ(Bank2_Len, 17u);
}

TEST_F(BanksTest, RecompilingWritesIdenticalFiles) {
  Copy_Data("ParGen_Window_Defaults.xml", Path_ParGen);
  Copy_Data("OPC_UA_Client_Mixed.xml", Path_OPC_UA_Client);
  const QByteArray bank2 = Compile_And_Write();
  const QByteArray bank1 = Read_Bank("bank1.bin");
  EXPECT_EQ(Compile_And_Write(), bank2);
  EXPECT_EQ(Read_Bank("bank1.bin"), bank1);
}

TEST_F(BanksTest, AShorterImageReplacesALongerOneWhole) {
  Write_Two_Servers();
  const QByteArray longer = Compile_And_Write();
  TOpcUaFile one;
  one.Add_Server();
  one.Save(Path_OPC_UA_Client);
  const QByteArray shorter = Compile_And_Write();
  EXPECT_LT(shorter.size(), longer.size());
  EXPECT_EQ(shorter.size(), 16 + 40 + 1 + 21);
  EXPECT_EQ(U32_At(shorter, 0), 1u);
}

TEST_F(BanksTest, WithoutOpcUaFileTheImageHasNoServersWhateverTheLastCompileRead) {
  Write_Two_Servers();
  ASSERT_GT(Compile_And_Write().size(), 17);
  ASSERT_TRUE(QFile::remove(Path_OPC_UA_Client));
  const QByteArray bank2 = Compile_And_Write();
  EXPECT_EQ(bank2, TBytes().U32(0).U32(1000).U32(W + 16).U32(W + 16).U8(0).Bytes());
  EXPECT_TRUE(OPC_UA_Main.opcua_server.empty());

  // The reading on its own drops the servers too, whoever calls it.
  Write_Two_Servers();
  Compile();
  ASSERT_EQ(OPC_UA_Main.opcua_server.size(), 2u);
  ASSERT_TRUE(QFile::remove(Path_OPC_UA_Client));
  Read_OPC_UA_Client_XML(W);
  EXPECT_TRUE(OPC_UA_Main.opcua_server.empty());
  EXPECT_EQ(OPC_UA_Main.server_number, 0u);
}

TEST_F(BanksTest, WithoutParGenEveryValueIsTheDefaultAgain) {
  Write_ParGen(Path_ParGen, {{"NTP_Server_URL", "time.local"},
                             {"NTP_Poll_Time", "60"},
                             {"Eth_Conn_Device_Name", "Gateway"},
                             {"Modbus_TCP_Slave_Port", "1502"}});
  Compile_And_Write();
  const QByteArray first = Read_Bank("bank1.bin");
  ASSERT_TRUE(QFile::remove(Path_ParGen));
  const QByteArray bank2 = Compile_And_Write();
  EXPECT_EQ(U32_At(bank2, 4), 1000u);   // poll time
  EXPECT_EQ(U32_At(bank2, 8), W + 16);  // the NTP server is the empty text
  const QByteArray bank1 = Read_Bank("bank1.bin");
  EXPECT_NE(bank1, first);
  EXPECT_EQ(bank1[1300], '\0');           // no device name
  EXPECT_EQ(U32_At(bank1, 2044), 3466u);  // the default block
}

TEST_F(BanksTest, AnImageThatDoesNotFitIsRefusedBeforeAnythingIsWritten) {
  Write_Ntp_Server_Of(131054);
  const QByteArray fits = Compile_And_Write();
  ASSERT_EQ(fits.size(), 131072);
  EXPECT_EQ(static_cast<uint8_t>(fits[131071]), 0);

  Write_Ntp_Server_Of(131055);
  const TBank_Result r = Compile_Banks();
  EXPECT_FALSE(r.Success);
  EXPECT_TRUE(r.Error_Text.contains("131073")) << r.Error_Text.toStdString();
  EXPECT_TRUE(r.Error_Text.contains("131072")) << r.Error_Text.toStdString();
  EXPECT_FALSE(Write_Banks().Success);
  EXPECT_EQ(Read_Bank("bank2.bin"), fits);
}

TEST_F(BanksTest, ManyVariablesThatDoNotFitAreRefused) {
  TOpcUaFile file;
  const int s = file.Add_Server();
  for (int i = 0; i < 3700; ++i) file.Add_Read(s);  // 36 bytes each: more than the image holds
  file.Save(Path_OPC_UA_Client);
  const TBank_Result r = Compile_Banks();
  EXPECT_FALSE(r.Success);
  EXPECT_TRUE(r.Error_Text.contains("does not fit")) << r.Error_Text.toStdString();
}

TEST_F(BanksTest, CompileFailureLeavesNothingToWrite) {
  Compile_And_Write();
  const QByteArray before = Read_Bank("bank1.bin");
  Copy_Data("ParGen_Not_Well_Formed.xml", Path_ParGen);
  const TBank_Result r = Compile_Banks();
  EXPECT_FALSE(r.Success);
  EXPECT_TRUE(r.Error_Text.contains(Path_ParGen)) << r.Error_Text.toStdString();
  const TBank_Result w = Write_Banks();
  EXPECT_FALSE(w.Success);
  EXPECT_FALSE(w.Error_Text.isEmpty());
  EXPECT_EQ(Read_Bank("bank1.bin"), before);
}

TEST_F(BanksTest, AnInputThatCannotBeOpenedIsReportedAsSuch) {
  // A folder where a file should be: it exists but cannot be read, which is not a fault of its XML.
  for (const QString* path : {&Path_ParGen, &Path_OPC_UA_Client}) {
    ASSERT_TRUE(QDir().mkpath(*path));
    const TBank_Result r = Compile_Banks();
    EXPECT_FALSE(r.Success) << path->toStdString();
    EXPECT_TRUE(r.Error_Text.startsWith("Cannot open the file " + *path)) << r.Error_Text.toStdString();
    EXPECT_FALSE(r.Error_Text.contains("well-formed")) << r.Error_Text.toStdString();
    EXPECT_EQ(Bank1_Len, 0u);
    ASSERT_TRUE(QDir(*path).removeRecursively());
  }
}

// The device needs both images of one compile: a write that breaks down on either file, at whatever byte, leaves
// the old pair, never a new bank1 beside an old bank2, and no temporary file behind.
TEST_F(BanksTest, AFailedWriteOfEitherFileKeepsTheOldPair) {
  Write_ParGen(Path_ParGen, {{"Eth_Conn_Device_Name", "Gateway"}, {"Modbus_TCP_Slave_Port", "1502"}});
  Write_Two_Servers();
  const QByteArray old_bank2 = Compile_And_Write();
  const QByteArray old_bank1 = Read_Bank("bank1.bin");
  ASSERT_TRUE(QFile::remove(Path_OPC_UA_Client));
  ASSERT_TRUE(QFile::remove(Path_ParGen));
  Compile();
  const struct {
    const char* File;
    qint64 Limit;
  } cases[] = {{"bank2.bin", 0}, {"bank2.bin", 10}, {"bank1.bin", 0}, {"bank1.bin", 2047}};
  for (const auto& c : cases) {
    TFailing_Writes failing(QString::fromLatin1(c.File), c.Limit);
    const TBank_Result r = Write_Banks();
    EXPECT_FALSE(r.Success) << c.File << c.Limit;
    EXPECT_EQ(failing.Failed, QStringList{Bank_Path(c.File)}) << c.File << c.Limit;
    EXPECT_EQ(r.Error_Text, "Cannot write the file " + Bank_Path(c.File) + ".") << r.Error_Text.toStdString();
    EXPECT_EQ(Read_Bank("bank1.bin"), old_bank1) << c.File << c.Limit;
    EXPECT_EQ(Read_Bank("bank2.bin"), old_bank2) << c.File << c.Limit;
    EXPECT_EQ(QDir(Path_Project + "/bin").entryList(QDir::Files | QDir::Hidden),
              QStringList({"bank1.bin", "bank2.bin"}));
  }
  // Once the device writes again, the new pair replaces the old one.
  ASSERT_TRUE(Write_Banks().Success);
  EXPECT_NE(Read_Bank("bank1.bin"), old_bank1);
  EXPECT_EQ(Read_Bank("bank2.bin").size(), 17);
}

TEST_F(BanksTest, ABinPathThatIsNoFolderIsReported) {
  Folder.Write("PROJECTS/Test/bin", "not a folder");
  Compile();
  const TBank_Result r = Write_Banks();
  EXPECT_FALSE(r.Success);
  EXPECT_TRUE(r.Error_Text.contains(Path_Project + "/bin")) << r.Error_Text.toStdString();
}

TEST_F(BanksTest, NoConfigurationNoWrite) {
  Compile();
  Path_Project.clear();
  const TBank_Result r = Write_Banks();
  EXPECT_FALSE(r.Success);
  EXPECT_EQ(r.Error_Text, "No configuration is open.");
}

TEST_F(BanksTest, AConfigurationFolderThatHasGoneIsNotMadeAgain) {
  Compile();
  ASSERT_TRUE(QDir(Path_Project).removeRecursively());
  const TBank_Result r = Write_Banks();
  EXPECT_FALSE(r.Success);
  EXPECT_TRUE(r.Error_Text.contains(Path_Project)) << r.Error_Text.toStdString();
  EXPECT_FALSE(QFileInfo::exists(Path_Project));
}
