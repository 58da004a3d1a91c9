#pragma once
// The checks before OPC_UA_Client.xml is written: every enabled variable of every server, read variables before
// write variables, in list order; the first failure only. Server settings are checked where they are entered.
#include <QString>
#include <cstdint>

#include "UOPC_UA_Server.h"

struct TOPC_UA_Check_Result {
  int32_t Id = 0;  // message ID of the first failure; 0 when everything passed
  QString Text;    // its text, with the server and variable numbers (1-based) filled in

  bool Passed() const { return Id == 0; }
};

TOPC_UA_Check_Result Check_OPC_UA_Servers(const TOPC_UA_Server_List& servers);

// A variable without a name: a row left blank, or filled without a name, above the last row in use of a variable
// table. Refused whether enabled or not, naming the server, the table and the row, so that no row is dropped unseen.
inline constexpr int32_t Msg_Read_No_Name = 3494;
inline constexpr int32_t Msg_Write_No_Name = 3495;

// The highest byte position of the gateway's exchange area.
inline constexpr int32_t OPC_UA_Highest_Position = 1499;
