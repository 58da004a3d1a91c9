#pragma once
// Program-wide values. One UI thread reads and writes them; each has one owner (see docs/ARCHITECTURE.md).
#include <QString>
#include <QStringList>
#include <cstdint>

// The model this build serves.
inline const QString Model_SW_Code = QStringLiteral("SWTarn10");
inline const QString Model_SW_Desc = QStringLiteral("OCP UA Client / Modbus TCP Slave - Converter");
inline const QString Model_SW_Version = QStringLiteral("1.009");

inline QString SW_Code;
inline QString SW_Desc;

// Active configuration; Path_Project is empty while none is open.
inline QString Name_Project;
inline QString Path_Project;

// Program folders. Path_Exe is the program's folder without a trailing separator; tests point it elsewhere.
inline QString Path_Exe;
inline QString Path_Projects;
inline QString Path_Master;
inline QString Path_Language;

// Settings kept in Vandrel.xml.
inline const QString Default_IP_Address = QStringLiteral("192.168.2.205");
inline QString Last_IP_Address = Default_IP_Address;
inline QString Language = QStringLiteral("English");
inline bool enable_internet = false;
inline bool enable_update = false;
inline bool enable_jump_field_tables = false;
inline bool Double_Click_Auto_Size = false;

// The update window's choices for this run only.
inline int32_t Update_Option_Index = 0;
inline bool Update_Read_Back = false;

// Per-topic files of the active configuration, rebuilt whenever it changes.
inline QString Path_ParGen;
inline QString Path_OPC_UA_Client;
inline QString Path_BACnet_Slave_SetAccess;
inline QString Path_CAN_Rec_Frames;
inline QString Path_CAN_Send_Frames;
inline QString Path_PDO_CANopen;
inline QString Path_SDO_Client_CANopen;
inline QString Path_SDO_Server_CANopen;
inline QString Path_DMX_Default_Values;
inline QString Path_J1939_Rec_Frames;
inline QString Path_J1939_Send_Frames;
inline QString Path_NMEA_Rec_Frames;
inline QString Path_NMEA_Send_Frames;
inline QString Path_SNMP_Trap;
inline QString Path_KNX_SetAccess;
inline QString Path_MQTT_Set_Topic;

inline QStringList Row_Clipboard;
inline QStringList MIB_Read_List;
inline QStringList MIB_Write_List;

// Joins a folder and a name with "/"; an empty folder gives "/name", as the per-topic paths are before any build.
inline QString Join_Path(const QString& folder, const QString& name) {
  return folder + u'/' + name;
}

// Sets Path_Exe and the three folders derived from it.
void Set_Program_Folder(const QString& folder);
// Rebuilds the sixteen per-topic paths from Path_Project.
void Build_Topic_Paths();
