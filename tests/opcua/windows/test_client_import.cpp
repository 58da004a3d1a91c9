// Browsed variables imported into a server's lists: every kind of identifier taken over, only the ticked rows,
// and a full table taking what it can and telling how many it left out.
#include <gtest/gtest.h>

#include "ULang.h"
#include "UOPC_UA_Client_Tables.h"

namespace {

std::vector<opcua_structure> Found() {
  std::vector<opcua_structure> found(4);
  found[0].nameSpaceIndex = 2;
  found[0].identifierType = 0;
  found[0].numeric = 4294967295u;
  found[0].displayName = "Speed";
  found[0].dataType = 3;
  found[1].identifierType = 3;
  found[1].stringname = "Line1.Temp";
  found[1].displayName =
      "Temp \xB0"
      "C";  // Windows-1252 degree sign
  found[1].dataType = 10;
  found[2].nameSpaceIndex = 5;
  found[2].identifierType = 4;
  found[2].guide1 = 0x72962B91;
  found[2].guide2 = 0xFA75;
  found[2].guide3 = 0x4AE6;
  const uint8_t tail[8] = {0x8D, 0x28, 0xB4, 0x04, 0xDC, 0x7D, 0xAF, 0x63};
  std::copy(std::begin(tail), std::end(tail), found[2].guide4);
  found[2].displayName = "Id";
  found[2].dataType = 13;
  found[3].identifierType = 5;
  found[3].byteString = "raw";
  found[3].displayName = "Blob";
  found[3].dataType = 14;
  return found;
}

// The browse table's tick columns: read in 1, write in 2.
void Tick(TQrvColumnGrid& grid, const QStringList& read, const QStringList& write) {
  grid.SetColCount(3);
  grid.SetRowCount(static_cast<int32_t>(read.size()) + 1);
  for (int32_t i = 0; i < read.size(); ++i) {
    grid.SetCells(1, i + 1, read[i]);
    grid.SetCells(2, i + 1, write[i]);
  }
}

TEST(ClientImport, TickedVariablesWithTheirIdentifiers) {
  const std::vector<opcua_structure> found = Found();
  TQrvColumnGrid ticks;
  Tick(ticks, {"Y", "Y", "Y", "Y"}, {"N", "Y", "", "Y"});
  TOPC_UA_Variable_List read, write;
  EXPECT_EQ(Import_Ticked(read, found, ticks, 1), 0);
  EXPECT_EQ(Import_Ticked(write, found, ticks, 2), 0);
  ASSERT_EQ(read.size(), 4u);
  ASSERT_EQ(write.size(), 2u);
  struct TExpected {
    const char* Name;
    const char* Type;
    const char* Id;
    const char* Var_Type;
    uint16_t Ns;
  };
  const TExpected expected[] = {{"Speed", "Numeric", "4294967295", "Int16", 2},
                                {"Temp \u00B0C", "String", "Line1.Temp", "Double", 0},
                                {"Id", "Guid", "72962B91-FA75-4AE6-8D28-B404DC7DAF63", "Guid", 5},
                                {"Blob", "ByteString", "raw", "ByteString", 0}};
  for (size_t i = 0; i < 4; ++i) {
    const TOPC_UA_Variable& v = *read[i];
    EXPECT_EQ(v.DispalyName(), QString::fromUtf8(expected[i].Name)) << i;
    EXPECT_EQ(v.NodeType(), QString::fromLatin1(expected[i].Type)) << i;
    EXPECT_EQ(v.NodeID(), QString::fromLatin1(expected[i].Id)) << i;
    EXPECT_EQ(v.VarType(), QString::fromLatin1(expected[i].Var_Type)) << i;
    EXPECT_EQ(v.nameSpaceIndex, expected[i].Ns) << i;
    // Everything else as a new variable has it.
    EXPECT_TRUE(v.Enable());
    EXPECT_EQ(v.Position(), QString());
    EXPECT_EQ(v.StartBit(), QStringLiteral("0"));
    EXPECT_FALSE(v.Swap() || v.Swap_Word() || v.Swap_All());
  }
  EXPECT_EQ(write[0]->DispalyName(), QString::fromUtf8("Temp \u00B0C"));
  EXPECT_EQ(write[1]->DispalyName(), QStringLiteral("Blob"));
}

TEST(ClientImport, AFullTableTakesWhatItCanAndTellsTheRest) {
  Load_Default_Strings();
  const std::vector<opcua_structure> found = Found();
  TQrvColumnGrid ticks;
  Tick(ticks, {"Y", "N", "Y", "Y"}, {"Y", "Y", "Y", "Y"});
  TOPC_UA_Variable_List read;
  for (int i = 0; i < 1022; ++i) read.push_back(std::make_unique<TOPC_UA_Variable>());
  EXPECT_EQ(Import_Ticked(read, found, ticks, 1), 1);
  ASSERT_EQ(read.size(), 1024u);
  EXPECT_EQ(read[1022]->DispalyName(), QStringLiteral("Speed"));
  EXPECT_EQ(read[1023]->DispalyName(), QStringLiteral("Id"));
  EXPECT_EQ(Import_Left_Out_Message(1, 3),
            QStringLiteral("A variable table holds 1024 variables: 1 variables in Read and 3 variables in Write were "
                           "not imported"));
  EXPECT_EQ(Import_Left_Out_Message(0, 0), QString());
}

}  // namespace
