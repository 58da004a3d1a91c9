#pragma once
// The program's windows, one row each, in their creation order (the main window first): the class, its instance
// pointer, its place in the language fan-out (0: not refreshed by a language change; the main window refreshes
// itself first) and the function that adds its built-in English texts.
//
// The one list of windows. The start-up creates and wires the windows from it (src/app/win/UWindows.cpp); the
// string table takes its built-in texts from its last column (src/lang/UEnglishTexts.cpp), which only names
// functions of the string table, so the string table needs none of the windows. A list macro, because those two
// readers sit in libraries that must not know each other's types.
//
// Windows still to come share Add_English_Placeholders, their titles; a window without texts of the table names
// No_English_Block.
#define TARN_WINDOW_TABLE(ROW)                                                                \
  ROW(TFVandrelFirmWare, FVandrelFirmWare, 0, Add_English_Main)                               \
  ROW(TFParGen, FParGen, 5, Add_English_ParGen)                                               \
  ROW(TFNew_Project, FNew_Project, 1, Add_English_New_Project)                                \
  ROW(TFOpenConf, FOpenConf, 2, Add_English_OpenConf)                                         \
  ROW(TFAbout, FAbout, 0, No_English_Block)                                                   \
  ROW(TFSoftOptions, FSoftOptions, 3, Add_English_SoftOptions)                                \
  ROW(TFOPC_UA_Client_Access, FOPC_UA_Client_Access, 6, Add_English_OPC_UA_Client_Access)     \
  ROW(TFOPC_UA_Add_Server, FOPC_UA_Add_Server, 7, Add_English_OPC_UA_Add_Server)              \
  ROW(TFOPC_UA_Scan_Server, FOPC_UA_Scan_Server, 8, Add_English_OPC_UA_Scan_Server)           \
  ROW(TFBoot, FBoot, 4, Add_English_Boot)                                                     \
  ROW(TFBACnet_Eng_Unit, FBACnet_Eng_Unit, 10, Add_English_Placeholders)                      \
  ROW(TFBACnetSlaveSetAccess, FBACnetSlaveSetAccess, 9, Add_English_Placeholders)             \
  ROW(TFProfinetFileName, FProfinetFileName, 11, Add_English_ProfinetFileName)                \
  ROW(TFReceiveCAN, FReceiveCAN, 12, Add_English_ReceiveCAN)                                  \
  ROW(TFTransmitCAN, FTransmitCAN, 13, Add_English_TransmitCAN)                               \
  ROW(TFSet_PDO_Access, FSet_PDO_Access, 14, Add_English_Set_PDO_Access)                      \
  ROW(TFSet_SDO_Client_Access, FSet_SDO_Client_Access, 15, Add_English_Set_SDO_Client_Access) \
  ROW(TFSet_SDO_Server_Access, FSet_SDO_Server_Access, 16, Add_English_Set_SDO_Server_Access) \
  ROW(TFDMXDefVal, FDMXDefVal, 17, Add_English_DMXDefVal)                                     \
  ROW(TFReceiveJ1939, FReceiveJ1939, 18, Add_English_ReceiveJ1939)                            \
  ROW(TFTransmitJ1939, FTransmitJ1939, 19, Add_English_TransmitJ1939)                         \
  ROW(TFReceiveNMEA, FReceiveNMEA, 20, Add_English_ReceiveNMEA)                               \
  ROW(TFTransmitNMEA, FTransmitNMEA, 21, Add_English_TransmitNMEA)                            \
  ROW(TFSNMP_Trap_Access, FSNMP_Trap_Access, 22, Add_English_Placeholders)                    \
  ROW(TFKNXAccess, FKNXAccess, 23, Add_English_Placeholders)                                  \
  ROW(TFMQTT_Set_Topic, FMQTT_Set_Topic, 24, Add_English_Placeholders)                        \
  ROW(TFTopicTemplate, FTopicTemplate, 0, Add_English_Placeholders)
