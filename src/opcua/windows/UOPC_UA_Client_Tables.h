#pragma once
// The three tables of the OPC UA client window as data, and how a server and a variable fill a table row and a
// variable is built back from one.
#include <memory>

#include "UOPC_UA_Server.h"
#include "UTable_Columns.h"

// Servers: one row per server, shown only. Variables: 1024 rows per table; columns 0..6 and 10..16 alike in both,
// 7..9 the array settings (read) or the write conditions (write).
const TTable_Columns& OPC_UA_Server_Columns();
const TTable_Columns& OPC_UA_Read_Columns();
const TTable_Columns& OPC_UA_Write_Columns();
inline constexpr int32_t OPC_UA_Variable_Rows = 1024;

// Row `row` of the server table for server number `number` (1-based).
void Show_Server_Row(TQrvColumnGrid& grid, int32_t row, int32_t number, const TOPC_UA_Server& server);
// Row `row` of the read (`read` set) or write table for a variable.
void Show_Variable_Row(TQrvColumnGrid& grid, int32_t row, const TOPC_UA_Variable& v, bool read);
// The variable a table row holds. A read variable carries "N" in its write conditions; a write variable has no
// array settings.
std::unique_ptr<TOPC_UA_Variable> Variable_From_Row(const TQrvColumnGrid& grid, int32_t row, bool read);
