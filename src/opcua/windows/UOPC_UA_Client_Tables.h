#pragma once
// The three tables of the OPC UA client window as data, and how a server and a variable fill a table row and a
// variable is built back from one.
#include <memory>
#include <vector>

#include "UOPC_UA_Records.h"
#include "UOPC_UA_Server.h"
#include "UTable_Columns.h"

// Servers: one row per server, shown only. Variables: 1024 rows per table; columns 0..6 and 10..16 alike in both,
// 7..9 the array settings (read) or the write conditions (write).
const TTable_Columns& OPC_UA_Server_Columns();
const TTable_Columns& OPC_UA_Read_Columns();
const TTable_Columns& OPC_UA_Write_Columns();
inline constexpr int32_t OPC_UA_Variable_Rows = 1024;

// The table as a new showing presents it, whatever the last one left: no editor open, its first data cell current,
// scrolled to the top left.
void Show_From_Start(TQrvColumnGrid& grid);
// Row `row` of the server table for server number `number` (1-based).
void Show_Server_Row(TQrvColumnGrid& grid, int32_t row, int32_t number, const TOPC_UA_Server& server);
// Row `row` of the read (`read` set) or write table for a variable.
void Show_Variable_Row(TQrvColumnGrid& grid, int32_t row, const TOPC_UA_Variable& v, bool read);
// The variable a table row holds. A read variable carries "N" in its write conditions; a write variable has no
// array settings.
std::unique_ptr<TOPC_UA_Variable> Variable_From_Row(const TQrvColumnGrid& grid, int32_t row, bool read);

// A browsed variable as a new, enabled variable of a server: its identifier, data type and display name; every
// other setting as a new variable has it.
std::unique_ptr<TOPC_UA_Variable> Variable_From_Browsed(const opcua_structure& found);
// Appends to `list` the browsed variables ticked ("Y") in `column` of the browse table `ticks` (row i + 1 is
// found[i]), in order, as long as a variable table can show them; returns how many ticked ones were left out.
int32_t Import_Ticked(TOPC_UA_Variable_List& list, const std::vector<opcua_structure>& found,
                      const TQrvColumnGrid& ticks, int32_t column);
// One line for each list of the servers longer than a variable table (server number, Read or Write, how many the
// table cannot show, which its next save drops); empty when every list fits.
QString Unshown_Variables_Message(const TOPC_UA_Server_List& servers);
inline constexpr int32_t Msg_Unshown_Read = 3496;
inline constexpr int32_t Msg_Unshown_Write = 3497;
// The message telling how many ticked variables a full table left out (read and write), or nothing when none was.
QString Import_Left_Out_Message(int32_t read, int32_t write);
inline constexpr int32_t Msg_Import_Left_Out = 3473;
