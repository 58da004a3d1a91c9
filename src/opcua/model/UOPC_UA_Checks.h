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

// The highest byte position of the gateway's exchange area.
inline constexpr int32_t OPC_UA_Highest_Position = 1499;
