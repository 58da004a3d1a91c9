#pragma once
// Automatic positions in the process image: each server's variables follow one another by the length of their
// data type, read and write apart, starting where the server above ends.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "UOPC_UA_Server.h"

// Bytes a variable of the data type named `var_type` (any letter case) takes; 0 for a name that is no data type.
int32_t GetLenVarType(const QString& var_type);

struct TOPC_UA_Start {
  int64_t Read = 0;
  int64_t Write = 0;
};
// Where the positions of server `index` start: 0 for the first server, otherwise the end of the server just above
// it (the greatest position + length over its read variables, and over its write variables).
TOPC_UA_Start Start_Position(const TOPC_UA_Server_List& servers, size_t index);
// Numbers the read and the write variables of server `index` from its start positions, in list order.
void Auto_Positions(TOPC_UA_Server_List& servers, size_t index);
