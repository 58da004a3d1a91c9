#include "UGlobals.h"

void Set_Program_Folder(const QString& folder) {
  Path_Exe = folder;
  Path_Projects = Join_Path(Path_Exe, QStringLiteral("PROJECTS"));
  Path_Master = Join_Path(Path_Exe, QStringLiteral("MASTER"));
  Path_Language = Join_Path(Path_Exe, QStringLiteral("LANGUAGE"));
}

void Build_Topic_Paths() {
  const auto p = [](const char* name) { return Join_Path(Path_Project, QString::fromLatin1(name) + ".xml"); };
  Path_ParGen = p("ParGen");
  Path_OPC_UA_Client = p("OPC_UA_Client");
  Path_BACnet_Slave_SetAccess = p("BACnet_Slave_SetAccess");
  Path_CAN_Rec_Frames = p("CAN_Rec_Frames");
  Path_CAN_Send_Frames = p("CAN_Send_Frames");
  Path_PDO_CANopen = p("PDO_CANopen");
  Path_SDO_Client_CANopen = p("SDO_Client_CANopen");
  Path_SDO_Server_CANopen = p("SDO_Server_CANopen");
  Path_DMX_Default_Values = p("DMX_Default_Values");
  Path_J1939_Rec_Frames = p("J1939_Rec_Frames");
  Path_J1939_Send_Frames = p("J1939_Send_Frames");
  Path_NMEA_Rec_Frames = p("NMEA_Rec_Frames");
  Path_NMEA_Send_Frames = p("NMEA_Send_Frames");
  Path_SNMP_Trap = p("SNMP_Trap");
  Path_KNX_SetAccess = p("KNX_SetAccess");
  Path_MQTT_Set_Topic = p("MQTT_Set_Topic");
}
