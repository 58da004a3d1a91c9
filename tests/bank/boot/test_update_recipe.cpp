// The update recipe, byte for byte, for each update choice.
#include <gtest/gtest.h>

#include "TTempFolder.h"
#include "UGlobals.h"
#include "UUpdate_Recipe.h"

namespace {
const QByteArray Head =
    "<Ethernet_Update><Version>1000</Version><Title>Quorvane - SWTarn10 Ethernet Update</Title>"
    "<IP_Address_Dev>192.168.2.205</IP_Address_Dev><Application_Port>10000</Application_Port>"
    "<Boot_Port>2008</Boot_Port><Boot_Port_Sec>2007</Boot_Port_Sec><Address_Protection>0x07800</Address_Protection>"
    "<Protections><Protection>0x294</Protection></Protections>";

// One Operation element; only the file, start address, bank type, read-back, CSS flag and the last flag differ.
QByteArray Operation(const QByteArray& file, const char* start, const char* bank, const char* read_back,
                     const char* css, const char* go_to_app) {
  return QByteArray(
             "<Operation><Ope_Protection_Enabled/><Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>"
             "<Ope_GoToApp_Before>0</Ope_GoToApp_Before><Ope_IP_Address/><Ope_Port>2008</Ope_Port>"
             "<Ope_Port_Sec>2007</Ope_Port_Sec><Ope_Erase_Memory>0</Ope_Erase_Memory><Ope_FileName>") +
         file + "</Ope_FileName><Ope_Start_Address>" + start +
         "</Ope_Start_Address><Ope_Memory_Type>0</Ope_Memory_Type><Ope_Bank_Type>" + bank +
         "</Ope_Bank_Type><Ope_Read_Back>" + read_back + "</Ope_Read_Back><Ope_Write_CSS>" + css +
         "</Ope_Write_CSS><Ope_Address_CSS>0x07A00</Ope_Address_CSS><Ope_Command_CSS>0x02</Ope_Command_CSS>"
         "<Ope_Write_Internal_Data>0</Ope_Write_Internal_Data><Ope_WID_Address>0x07810</Ope_WID_Address>"
         "<Ope_WID_Command>0x02</Ope_WID_Command><Ope_WID_Data>0x00, 0x00, 0x00, 0x01</Ope_WID_Data>"
         "<Ope_GoToApp_After>" +
         go_to_app + "</Ope_GoToApp_After></Operation>";
}

class UpdateRecipeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // An ampersand in the folder name must come out escaped.
    Path_Project = Folder.File(QStringLiteral("PROJECTS/R&D"));
  }
  void TearDown() override { Path_Project.clear(); }

  QByteArray Firmware() const { return (Folder.Path() + "/MASTER/SimTarn10.sim").toUtf8(); }
  QByteArray Bank(int n) const {
    return (Folder.Path() + "/PROJECTS/R&amp;D/bin/bank" + QString::number(n) + ".bin").toUtf8();
  }

  TTempFolder Folder;
};
}  // namespace

TEST_F(UpdateRecipeTest, EachChoiceWritesItsOperationsAndOnlyTheLastReturnsToTheApplication) {
  struct Case {
    int32_t option;
    bool read_back;
    QByteArray operations;
  };
  const Case cases[] = {
      {uoFirmware_And_Configuration, true,
       Operation(Firmware(), "0x8000", "1", "1", "1", "0") + Operation(Bank(1), "0x07000", "2", "1", "0", "0") +
           Operation(Bank(2), "0x80000", "2", "1", "0", "1")},
      {uoFirmware, true, Operation(Firmware(), "0x8000", "1", "1", "1", "1")},
      {uoConfiguration, true,
       Operation(Bank(1), "0x07000", "2", "1", "0", "0") + Operation(Bank(2), "0x80000", "2", "1", "0", "1")},
      {uoFirmware_And_Configuration, false,
       Operation(Firmware(), "0x8000", "1", "0", "1", "0") + Operation(Bank(1), "0x07000", "2", "0", "0", "0") +
           Operation(Bank(2), "0x80000", "2", "0", "0", "1")},
      {uoFirmware, false, Operation(Firmware(), "0x8000", "1", "0", "1", "1")},
  };
  for (const Case& c : cases) {
    TXmlDocument doc;
    Fill_Update_Recipe(doc, Update_Recipe_For(QStringLiteral("192.168.2.205"), c.option, c.read_back));
    EXPECT_EQ(doc.Save_Bytes(), Head + "<Operations>" + c.operations + "</Operations></Ethernet_Update>")
        << "choice " << c.option << ", read back " << c.read_back;
  }
}

TEST_F(UpdateRecipeTest, AddressIsWrittenAsTypedAndTheDocumentIsRebuiltWhole) {
  TXmlDocument doc;
  Fill_Update_Recipe(doc, Update_Recipe_For(QStringLiteral("192.168.2.205"), uoFirmware, true));
  Fill_Update_Recipe(doc, Update_Recipe_For(QStringLiteral(" 010.1 .<2>.x"), uoFirmware, true));
  const QByteArray bytes = doc.Save_Bytes();
  EXPECT_TRUE(bytes.startsWith("<Ethernet_Update><Version>")) << bytes.constData();
  EXPECT_EQ(bytes.count("<Ethernet_Update>"), 1);
  EXPECT_TRUE(bytes.contains("<IP_Address_Dev> 010.1 .&lt;2&gt;.x</IP_Address_Dev>")) << bytes.constData();
}
