// Automatic positions: the length of each data type, and where a server's positions start after the one above.
#include <gtest/gtest.h>

#include <QStringList>

#include "UOPC_UA_Positions.h"

namespace {

std::unique_ptr<TOPC_UA_Variable> Var(const QString& type, const QString& position = QString()) {
  auto v = std::make_unique<TOPC_UA_Variable>();
  v->SetVarType(type);
  v->SetPosition(position);
  return v;
}

QStringList Positions(const TOPC_UA_Variable_List& list) {
  QStringList out;
  for (const auto& v : list) out << v->Position();
  return out;
}

TEST(OpcUaPositions, LengthOfEachDataType) {
  const std::pair<const char*, int32_t> cases[] = {
      {"Boolean", 1}, {"int8", 1},    {"UINT8", 1},       {"Int16", 2},  {"UInt16", 2}, {"Int32", 4},
      {"UInt32", 4},  {"Float", 4},   {"Int64", 8},       {"UInt64", 8}, {"Double", 8}, {"DateTime", 8},
      {"Guid", 16},   {"String", 20}, {"ByteString", 20}, {"Real", 0},   {"", 0},       {" Int16", 0}};
  for (const auto& [name, bytes] : cases) EXPECT_EQ(GetLenVarType(QString::fromLatin1(name)), bytes) << name;
}

TEST(OpcUaPositions, EachServerStartsWhereTheOneAboveEnds) {
  TOPC_UA_Server_List servers;
  for (int i = 0; i < 3; ++i) servers.push_back(std::make_unique<TOPC_UA_Server>());
  // The first server: Int16, Float, String from 0.
  for (const char* type : {"Int16", "Float", "String"}) servers[0]->Var_List_R.push_back(Var(type, "99"));
  servers[0]->Var_List_W.push_back(Var("Guid"));
  Auto_Positions(servers, 0);
  EXPECT_EQ(Positions(servers[0]->Var_List_R), QStringList({"0", "2", "6"}));
  EXPECT_EQ(Positions(servers[0]->Var_List_W), QStringList({"0"}));

  // Above the second: reads ending with a Double at 40 (not the last in the list), an unreadable position as 0.
  servers[0]->Var_List_R.clear();
  servers[0]->Var_List_R.push_back(Var("Double", "40"));
  servers[0]->Var_List_R.push_back(Var("Int8", "3"));
  servers[0]->Var_List_R.push_back(Var("ByteString", "x"));
  for (const char* type : {"DateTime", "Guid", "ByteString", "Boolean"}) servers[1]->Var_List_R.push_back(Var(type));
  servers[1]->Var_List_W.push_back(Var("Int32"));
  const TOPC_UA_Start start = Start_Position(servers, 1);
  EXPECT_EQ(start.Read, 48);
  EXPECT_EQ(start.Write, 16);
  Auto_Positions(servers, 1);
  EXPECT_EQ(Positions(servers[1]->Var_List_R), QStringList({"48", "56", "72", "92"}));
  EXPECT_EQ(Positions(servers[1]->Var_List_W), QStringList({"16"}));
  // Only the server just above counts; a server above without variables starts the next at 0.
  servers[2]->Var_List_R.push_back(Var("Int16"));
  servers[1]->Var_List_R.clear();
  servers[1]->Var_List_W.clear();
  Auto_Positions(servers, 2);
  EXPECT_EQ(Positions(servers[2]->Var_List_R), QStringList({"0"}));
  // A hand-edited position at the integer limit does not wrap.
  servers[1]->Var_List_R.push_back(Var("UInt64", "2147483647"));
  EXPECT_EQ(Start_Position(servers, 2).Read, int64_t{2147483647} + 8);
}

}  // namespace
