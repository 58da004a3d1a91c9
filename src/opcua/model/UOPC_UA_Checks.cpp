#include "UOPC_UA_Checks.h"

#include "ULang.h"
#include "UStrUtils.h"

namespace {
constexpr int32_t Type_String = 11, Type_Byte_String = 14;
constexpr int32_t Highest_Start_Bit = 7;

bool Is_Empty(const QString& text) {
  return Trim(text).isEmpty();
}

// A field that is no integer by the common rule (trailing blanks included) counts as -1, below every bound.
int32_t Integer_Or_Minus_One(const QString& text) {
  return StrToIntDef(text, -1);
}

bool Outside(const QString& text, int32_t low, int32_t high) {
  const int32_t value = Integer_Or_Minus_One(text);
  return value < low || value > high;
}

// The first failing check of one read variable, or 0.
int32_t Read_Variable_Error(const TOPC_UA_Variable& v) {
  const QString var_array = Trim(v.VarArray()).toUpper();
  const bool is_string = v.dataType == Type_String || v.dataType == Type_Byte_String;
  if (var_array.isEmpty()) return 1319;
  if (var_array == u"ARRAY") {
    if (is_string) return 1322;
    if (Integer_Or_Minus_One(v.Start()) < 0) return 1323;
    if (Integer_Or_Minus_One(v.Len()) < 0) return 1324;
  } else if (is_string) {
    if (Integer_Or_Minus_One(v.Start()) < 0) return 1320;
    if (Integer_Or_Minus_One(v.Len()) < 0) return 1321;
  }
  if (Is_Empty(v.Time())) return 1297;
  if (Integer_Or_Minus_One(v.Time()) < 1) return 1298;
  if (Is_Empty(v.Position())) return 1299;
  if (Outside(v.Position(), 0, OPC_UA_Highest_Position)) return 1300;
  if (Is_Empty(v.StartBit())) return 1333;
  if (Outside(v.StartBit(), 0, Highest_Start_Bit)) return 1334;
  return 0;
}

int32_t Write_Variable_Error(const TOPC_UA_Variable& v) {
  if (v.OnTimer() == u"Y") {
    if (Is_Empty(v.Time())) return 1301;
    if (Integer_Or_Minus_One(v.Time()) < 1) return 1302;
  }
  if (Is_Empty(v.Position())) return 1303;
  if (Outside(v.Position(), 0, OPC_UA_Highest_Position)) return 1304;
  if (Is_Empty(v.StartBit())) return 1335;
  if (Outside(v.StartBit(), 0, Highest_Start_Bit)) return 1336;
  return 0;
}

// The first failure of one list, its message filled in; nothing when every variable has a name and every enabled
// one passes.
TOPC_UA_Check_Result Check_List(const TOPC_UA_Variable_List& list, int server_number,
                                int32_t (*check)(const TOPC_UA_Variable&), int32_t no_name_id) {
  for (size_t i = 0; i < list.size(); ++i) {
    // A name of blanks is a name; only the empty text is none.
    const bool named = !list[i]->DispalyName().isEmpty();
    if (named && !list[i]->Enable()) continue;
    const int32_t id = named ? check(*list[i]) : no_name_id;
    if (id != 0) return {id, Lang_Message(id, {server_number, static_cast<int>(i) + 1, OPC_UA_Highest_Position})};
  }
  return {};
}
}  // namespace

TOPC_UA_Check_Result Check_OPC_UA_Servers(const TOPC_UA_Server_List& servers) {
  for (size_t s = 0; s < servers.size(); ++s) {
    const int number = static_cast<int>(s) + 1;
    TOPC_UA_Check_Result result = Check_List(servers[s]->Var_List_R, number, Read_Variable_Error, Msg_Read_No_Name);
    if (result.Passed()) result = Check_List(servers[s]->Var_List_W, number, Write_Variable_Error, Msg_Write_No_Name);
    if (!result.Passed()) return result;
  }
  return {};
}
