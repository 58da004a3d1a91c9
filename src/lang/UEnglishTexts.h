#pragma once
// Each window's built-in English texts live in english/English_<Window>.cpp as one Add_English_* function, named
// in the window's row of the window table (UWindow_Table.h); blocks that belong to no window are listed in
// UEnglishTexts.cpp.
#include <QStringList>
#include <vector>

using TEnglishBlock = void (*)(QStringList& table);

void Add_English_Shared_Messages(QStringList& table);
void Add_English_Boot(QStringList& table);
void Add_English_Placeholders(QStringList& table);
void Add_English_Main(QStringList& table);
void Add_English_New_Project(QStringList& table);
void Add_English_OpenConf(QStringList& table);
void Add_English_SoftOptions(QStringList& table);
void Add_English_ParGen(QStringList& table);
// The OPC UA window's check messages, which the bank compiler repeats; part of the OPC UA window's block.
void Add_English_OPC_UA_Checks(QStringList& table);
void Add_English_OPC_UA_Client_Access(QStringList& table);
void Add_English_OPC_UA_Add_Server(QStringList& table);
void Add_English_OPC_UA_Scan_Server(QStringList& table);
void Add_English_ProfinetFileName(QStringList& table);
// The protocol table windows' blocks.
void Add_English_ReceiveCAN(QStringList& table);
void Add_English_TransmitCAN(QStringList& table);
void Add_English_Set_PDO_Access(QStringList& table);
void Add_English_Set_SDO_Client_Access(QStringList& table);
void Add_English_Set_SDO_Server_Access(QStringList& table);
void Add_English_DMXDefVal(QStringList& table);
void Add_English_ReceiveJ1939(QStringList& table);
void Add_English_TransmitJ1939(QStringList& table);
void Add_English_ReceiveNMEA(QStringList& table);
void Add_English_TransmitNMEA(QStringList& table);
// Texts several blocks repeat at their own IDs: the six button captions (OK .. Paste Row) and the four row-button
// hints (Delete Row .. Paste Row) from `first` on.
void Add_English_Row_Buttons(QStringList& table, int first);
void Add_English_Row_Hints(QStringList& table, int first);
// The block of a window whose texts are fixed and never come from the table.
void No_English_Block(QStringList& table);

// Every block in the order applied: window titles first, so a window's own full block has the last word; then the
// messages shared by several windows; then each window's block in the window table's order, each block once.
std::vector<TEnglishBlock> English_Blocks();
