#include "UOPC_UA_Positions.h"

#include <algorithm>

#include "UStrUtils.h"

namespace {
struct TLen {
  const char16_t* Name;
  int32_t Bytes;
};
constexpr TLen Lengths[] = {{u"BOOLEAN", 1}, {u"INT8", 1},     {u"UINT8", 1}, {u"INT16", 2},   {u"UINT16", 2},
                            {u"INT32", 4},   {u"UINT32", 4},   {u"FLOAT", 4}, {u"INT64", 8},   {u"UINT64", 8},
                            {u"DOUBLE", 8},  {u"DATETIME", 8}, {u"GUID", 16}, {u"STRING", 20}, {u"BYTESTRING", 20}};

// 64 bits: a hand-edited position near the integer limit plus a length must not wrap.
int64_t End_Of(const TOPC_UA_Variable_List& list) {
  int64_t end = 0;
  for (const auto& v : list)
    end = std::max(end, int64_t{StrToIntDef(v->Position(), 0)} + GetLenVarType(v->VarType()));
  return end;
}

void Number(TOPC_UA_Variable_List& list, int64_t position) {
  for (auto& v : list) {
    v->SetPosition(QString::number(position));
    position += GetLenVarType(v->VarType());
  }
}
}  // namespace

int32_t GetLenVarType(const QString& var_type) {
  const QString upper = var_type.toUpper();
  for (const TLen& len : Lengths)
    if (upper == QStringView(len.Name)) return len.Bytes;
  return 0;
}

TOPC_UA_Start Start_Position(const TOPC_UA_Server_List& servers, size_t index) {
  if (index == 0 || index >= servers.size()) return {};
  const TOPC_UA_Server& above = *servers[index - 1];
  return {End_Of(above.Var_List_R), End_Of(above.Var_List_W)};
}

void Auto_Positions(TOPC_UA_Server_List& servers, size_t index) {
  if (index >= servers.size()) return;
  const TOPC_UA_Start start = Start_Position(servers, index);
  Number(servers[index]->Var_List_R, start.Read);
  Number(servers[index]->Var_List_W, start.Write);
}
