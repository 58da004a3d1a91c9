// The checks before OPC_UA_Client.xml is written: exact messages, numbers and the order of the checks.
#include <gtest/gtest.h>

#include <functional>

#include "ULang.h"
#include "UOPC_UA_Checks.h"

namespace {

using TEdit = std::function<void(TOPC_UA_Variable&)>;

std::unique_ptr<TOPC_UA_Variable> Valid_Variable(bool read) {
  auto v = std::make_unique<TOPC_UA_Variable>();
  v->SetEnable(true);
  v->SetDispalyName(QStringLiteral("v"));
  v->SetVarType(QStringLiteral("Int32"));
  v->SetVarArray(read ? QStringLiteral("Variable") : QString());
  v->SetTime(read ? QStringLiteral("100") : QString());
  v->SetPosition(QStringLiteral("0"));
  v->SetOnChange(QStringLiteral("N"));
  v->SetOnCMD(QStringLiteral("N"));
  v->SetOnTimer(QStringLiteral("N"));
  return v;
}

class OpcUaChecks : public ::testing::Test {
 protected:
  OpcUaChecks() { Load_Default_Strings(); }

  // One server with one valid read and one valid write variable, the read (or write) variable edited.
  TOPC_UA_Check_Result Check_One(bool read, const TEdit& edit) {
    TOPC_UA_Server_List servers;
    servers.push_back(std::make_unique<TOPC_UA_Server>());
    servers[0]->Var_List_R.push_back(Valid_Variable(true));
    servers[0]->Var_List_W.push_back(Valid_Variable(false));
    edit(read ? *servers[0]->Var_List_R[0] : *servers[0]->Var_List_W[0]);
    return Check_OPC_UA_Servers(servers);
  }
};

struct TCase {
  const char* Name;
  bool Read;
  TEdit Edit;
  int32_t Id;  // 0: passes
};

void Set_Type(TOPC_UA_Variable& v, const char* type) {
  v.SetVarType(QString::fromLatin1(type));
}

TEST_F(OpcUaChecks, EachCheckWithItsMessage) {
  const auto text = [](const char* s) { return QString::fromLatin1(s); };
  const TCase cases[] = {
      {"valid", true, [](TOPC_UA_Variable&) {}, 0},
      {"var array blank", true, [&](TOPC_UA_Variable& v) { v.SetVarArray(text("  ")); }, 1319},
      {"string array", true, [&](TOPC_UA_Variable& v) { v.SetVarArray(text(" array ")), Set_Type(v, "ByteString"); },
       1322},
      {"array start", true, [&](TOPC_UA_Variable& v) { v.SetVarArray(text("Array")), v.SetStart(text("")); }, 1323},
      {"array length", true,
       [&](TOPC_UA_Variable& v) { v.SetVarArray(text("ARRAY")), v.SetStart(text("0")), v.SetLen(text("-1")); }, 1324},
      {"array length 0", true,
       [&](TOPC_UA_Variable& v) { v.SetVarArray(text("Array")), v.SetStart(text("$0")), v.SetLen(text("0")); }, 0},
      {"int32 without start", true, [](TOPC_UA_Variable&) {}, 0},
      {"string start", true, [&](TOPC_UA_Variable& v) { Set_Type(v, "String"); }, 1320},
      {"string length", true,
       [&](TOPC_UA_Variable& v) { Set_Type(v, "String"), v.SetStart(text("0")), v.SetLen(text("1 ")); }, 1321},
      {"time empty", true, [&](TOPC_UA_Variable& v) { v.SetTime(text(" ")); }, 1297},
      {"time 0", true, [&](TOPC_UA_Variable& v) { v.SetTime(text("0")); }, 1298},
      {"time letters", true, [&](TOPC_UA_Variable& v) { v.SetTime(text("1s")); }, 1298},
      {"position empty", true, [&](TOPC_UA_Variable& v) { v.SetPosition(text("")); }, 1299},
      {"position 1500", true, [&](TOPC_UA_Variable& v) { v.SetPosition(text("1500")); }, 1300},
      {"position 1499", true, [&](TOPC_UA_Variable& v) { v.SetPosition(text(" 1499")); }, 0},
      {"start bit empty", true, [&](TOPC_UA_Variable& v) { v.SetStartBit(text("")); }, 1333},
      {"start bit 8", true, [&](TOPC_UA_Variable& v) { v.SetStartBit(text("8")); }, 1334},
      {"disabled", true, [&](TOPC_UA_Variable& v) { v.SetEnable(false), v.SetPosition(text("x")); }, 0},
      {"write time ignored", false, [&](TOPC_UA_Variable& v) { v.SetTime(text("")); }, 0},
      {"write time empty", false, [&](TOPC_UA_Variable& v) { v.SetOnTimer(text("Y")); }, 1301},
      {"write time 0", false, [&](TOPC_UA_Variable& v) { v.SetOnTimer(text("Y")), v.SetTime(text("0")); }, 1302},
      {"write position empty", false, [&](TOPC_UA_Variable& v) { v.SetPosition(text("")); }, 1303},
      {"write position -1", false, [&](TOPC_UA_Variable& v) { v.SetPosition(text("-1")); }, 1304},
      {"write start bit empty", false, [&](TOPC_UA_Variable& v) { v.SetStartBit(text("")); }, 1335},
      {"write start bit x", false, [&](TOPC_UA_Variable& v) { v.SetStartBit(text("x")); }, 1336},
      // A variable without a name is refused before its other checks, enabled or not; blanks are a name.
      {"no name", true, [&](TOPC_UA_Variable& v) { v.SetDispalyName(text("")), v.SetTime(text("")); }, 3494},
      {"no name, disabled", true, [&](TOPC_UA_Variable& v) { v.SetDispalyName(text("")), v.SetEnable(false); }, 3494},
      {"name of blanks", true, [&](TOPC_UA_Variable& v) { v.SetDispalyName(text(" ")); }, 0},
      {"write no name", false, [&](TOPC_UA_Variable& v) { v.SetDispalyName(text("")), v.SetEnable(false); }, 3495},
  };
  for (const TCase& c : cases) {
    const TOPC_UA_Check_Result result = Check_One(c.Read, c.Edit);
    EXPECT_EQ(result.Id, c.Id) << c.Name;
    EXPECT_EQ(result.Passed(), c.Id == 0) << c.Name;
  }
  EXPECT_EQ(Check_One(true, [&](TOPC_UA_Variable& v) { Set_Type(v, "String"); }).Text,
            QStringLiteral("Error in Server Number 1 in Read Variable 1!! Start byte is Wrong"));
  EXPECT_EQ(Check_One(false, [&](TOPC_UA_Variable& v) { v.SetPosition(text("1500")); }).Text,
            QStringLiteral("Error in Server Number 1 in Write Variable 1!! Position must be between 0 and 1499"));
  EXPECT_EQ(Check_One(false, [&](TOPC_UA_Variable& v) { v.SetDispalyName(text("")); }).Text,
            QStringLiteral("Error in Server Number 1, Variables in Write, row 1!! The Display Name cannot be empty: "
                           "fill it in or delete the row"));
}

// Servers in order, read before write, the first failure only, numbered from 1 within its list.
TEST_F(OpcUaChecks, TheFirstFailureInOrderIsReported) {
  TOPC_UA_Server_List servers;
  EXPECT_TRUE(Check_OPC_UA_Servers(servers).Passed());
  for (int i = 0; i < 3; ++i) servers.push_back(std::make_unique<TOPC_UA_Server>());
  servers[0]->Var_List_R.push_back(Valid_Variable(true));
  servers[0]->Var_List_R[0]->SetEnable(false);
  servers[0]->Var_List_R[0]->SetTime(QString());
  EXPECT_TRUE(Check_OPC_UA_Servers(servers).Passed());
  for (int i = 0; i < 3; ++i) servers[1]->Var_List_W.push_back(Valid_Variable(false));
  servers[1]->Var_List_W[2]->SetStartBit(QStringLiteral("9"));
  for (int i = 0; i < 2; ++i) servers[1]->Var_List_R.push_back(Valid_Variable(true));
  servers[1]->Var_List_R[1]->SetVarArray(QStringLiteral("Array"));
  servers[1]->Var_List_R[1]->SetVarType(QStringLiteral("String"));
  servers[1]->Var_List_R[1]->SetTime(QString());
  servers[2]->Var_List_R.push_back(Valid_Variable(true));
  servers[2]->Var_List_R[0]->SetPosition(QString());

  TOPC_UA_Check_Result result = Check_OPC_UA_Servers(servers);
  EXPECT_EQ(result.Id, 1322);
  EXPECT_EQ(
      result.Text,
      QStringLiteral("Error in Server Number 2 in Read Variable 2!! The String and ByteString cannot be Array"));
  servers[1]->Var_List_R[1]->SetVarArray(QStringLiteral("Variable"));
  servers[1]->Var_List_R[1]->SetStart(QStringLiteral("0"));
  servers[1]->Var_List_R[1]->SetLen(QStringLiteral("0"));
  result = Check_OPC_UA_Servers(servers);
  EXPECT_EQ(result.Text, QStringLiteral("Error in Server Number 2 in Read Variable 2!! Time cannot be empty"));
  servers[1]->Var_List_R[1]->SetTime(QStringLiteral("10"));
  result = Check_OPC_UA_Servers(servers);
  EXPECT_EQ(result.Text,
            QStringLiteral("Error in Server Number 2 in Write Variable 3!! StartBit must be between 0 and 7"));
  servers[1]->Var_List_W[2]->SetStartBit(QStringLiteral("7"));
  EXPECT_EQ(Check_OPC_UA_Servers(servers).Text,
            QStringLiteral("Error in Server Number 3 in Read Variable 1!! Position cannot be empty"));
}

// A translated template is filled by our own substitution: no format directive other than "%d" is read, and a
// template with fewer markers simply gets fewer numbers.
TEST_F(OpcUaChecks, TranslatedTemplatesAreNeverFormats) {
  Lang_Table[1300] = QStringLiteral("%s %n Server %d, variable %d: 0..%d %d %%d");
  Lang_Table[1303] = QStringLiteral("No number here %x");
  EXPECT_EQ(Check_One(true, [](TOPC_UA_Variable& v) { v.SetPosition(QStringLiteral("2000")); }).Text,
            QStringLiteral("%s %n Server 1, variable 1: 0..1499 %d %%d"));
  EXPECT_EQ(Check_One(false, [](TOPC_UA_Variable& v) { v.SetPosition(QString()); }).Text,
            QStringLiteral("No number here %x"));
}

}  // namespace
