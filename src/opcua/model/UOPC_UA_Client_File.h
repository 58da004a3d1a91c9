#pragma once
// OPC_UA_Client.xml: the servers of the OPC UA window with their read and write variables. The bank compiler reads
// the same file, so the writer keeps its element names and attribute order exactly.
#include <QByteArray>
#include <QString>

#include "UOPC_UA_Server.h"

struct TOPC_UA_Load_Result {
  // False when the file could not be read to its end; the servers read before the fault are in the list, each one
  // complete (a server is appended only once it and all its variables were read).
  bool Complete = true;
  // What stopped the reading, as a phrase naming the place ("server 2 has no attribute \"Mnemonic\"").
  QString Problem;
};

// Appends the servers of the file at `path` to `servers`. A missing file is no fault: nothing is appended.
TOPC_UA_Load_Result Read_OPC_UA_Client_File(const QString& path, TOPC_UA_Server_List& servers);
TOPC_UA_Load_Result Read_OPC_UA_Client_Bytes(const QByteArray& bytes, TOPC_UA_Server_List& servers);

// The whole file for `servers`, without declaration or indentation.
QByteArray OPC_UA_Client_Bytes(const TOPC_UA_Server_List& servers);
// Writes the whole file through the atomic writer; false keeps the previous file.
bool Write_OPC_UA_Client_File(const QString& path, const TOPC_UA_Server_List& servers);

// The user's messages about the file: it could not be read completely, or not written. The path and, for a read,
// what stopped it follow the text of the string table.
QString OPC_UA_File_Unreadable_Message(const QString& path, const TOPC_UA_Load_Result& result);
QString OPC_UA_File_Not_Written_Message(const QString& path);
inline constexpr int32_t Msg_OPC_UA_File_Unreadable = 3471;
inline constexpr int32_t Msg_OPC_UA_File_Not_Written = 3472;
