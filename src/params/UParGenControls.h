#pragma once
// The controls of the parameter window, panel by panel. The window creates every panel of the gateway family and
// shows those of the model it is built for. The four panels that ParGen.xml holds name each octet box; the
// panels of the other models keep an address row's four boxes in one array (element 0 is the first byte).
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTextEdit;
class TCategoryPanel;
class TCategoryPanelGroup;
class TOctetBox;

using TOctets = std::array<TOctetBox*, 4>;

struct TParGenControls {
  TCategoryPanelGroup* CPG = nullptr;

  // Ethernet connection
  TCategoryPanel* CP_Ethernet_Connection = nullptr;
  QLabel* L_EthConn_Device_Name = nullptr;
  QLineEdit* E_EthConn_Device_Name = nullptr;
  QCheckBox* CB_EthConn_En_DHCP_Cable = nullptr;
  QCheckBox* CB_EthConn_En_DHCP_WiFi = nullptr;
  QCheckBox* CB_EthConn_Enable_DNS = nullptr;
  QLabel* L_EthConn_Primary_DNS = nullptr;
  TOctetBox* E_EthConn_Pri_DNS_IP1 = nullptr;
  TOctetBox* E_EthConn_Pri_DNS_IP2 = nullptr;
  TOctetBox* E_EthConn_Pri_DNS_IP3 = nullptr;
  TOctetBox* E_EthConn_Pri_DNS_IP4 = nullptr;
  QLabel* L_EthConn_Secondary_DNS = nullptr;
  TOctetBox* E_EthConn_Sec_DNS_IP1 = nullptr;
  TOctetBox* E_EthConn_Sec_DNS_IP2 = nullptr;
  TOctetBox* E_EthConn_Sec_DNS_IP3 = nullptr;
  TOctetBox* E_EthConn_Sec_DNS_IP4 = nullptr;

  // OPC UA client
  TCategoryPanel* CP_OPC_UA_Client = nullptr;
  QLabel* L_OPC_UA_Client_IP = nullptr;
  TOctetBox* E_OPC_UA_Client_IP1 = nullptr;
  TOctetBox* E_OPC_UA_Client_IP2 = nullptr;
  TOctetBox* E_OPC_UA_Client_IP3 = nullptr;
  TOctetBox* E_OPC_UA_Client_IP4 = nullptr;
  QLabel* L_OPC_UA_Client_SM = nullptr;
  TOctetBox* E_OPC_UA_Client_SM1 = nullptr;
  TOctetBox* E_OPC_UA_Client_SM2 = nullptr;
  TOctetBox* E_OPC_UA_Client_SM3 = nullptr;
  TOctetBox* E_OPC_UA_Client_SM4 = nullptr;
  QCheckBox* CB_OPC_UA_Client_En_GAT = nullptr;
  TOctetBox* E_OPC_UA_Client_GAT1 = nullptr;
  TOctetBox* E_OPC_UA_Client_GAT2 = nullptr;
  TOctetBox* E_OPC_UA_Client_GAT3 = nullptr;
  TOctetBox* E_OPC_UA_Client_GAT4 = nullptr;

  // Modbus TCP slave
  TCategoryPanel* CP_Modbus_TCP_Slave = nullptr;
  QLabel* L_ModbusTCPSlave_IP = nullptr;
  TOctetBox* E_ModbusTCPSlave_IP1 = nullptr;
  TOctetBox* E_ModbusTCPSlave_IP2 = nullptr;
  TOctetBox* E_ModbusTCPSlave_IP3 = nullptr;
  TOctetBox* E_ModbusTCPSlave_IP4 = nullptr;
  QLabel* L_ModbusTCPSlave_SM = nullptr;
  TOctetBox* E_ModbusTCPSlave_SM1 = nullptr;
  TOctetBox* E_ModbusTCPSlave_SM2 = nullptr;
  TOctetBox* E_ModbusTCPSlave_SM3 = nullptr;
  TOctetBox* E_ModbusTCPSlave_SM4 = nullptr;
  QCheckBox* CB_ModbusTCPSlave_En_GAT = nullptr;
  TOctetBox* E_ModbusTCPSlave_GAT1 = nullptr;
  TOctetBox* E_ModbusTCPSlave_GAT2 = nullptr;
  TOctetBox* E_ModbusTCPSlave_GAT3 = nullptr;
  TOctetBox* E_ModbusTCPSlave_GAT4 = nullptr;
  QLabel* L_ModbusTCPSlave_Port = nullptr;
  QLineEdit* E_ModbusTCPSlave_Port = nullptr;

  // NTP
  TCategoryPanel* CP_NTP = nullptr;
  QLabel* L_NTP_Server_URL = nullptr;
  QLineEdit* E_NTP_Server_URL = nullptr;
  QLabel* L_NTP_Poll_Time = nullptr;
  QLineEdit* E_NTP_Poll_Time = nullptr;

  // Device choice
  TCategoryPanel* CP_Select_Device = nullptr;
  QLabel* L_Select_Device_Device = nullptr;
  QComboBox* CB_Select_Device_Device = nullptr;

  // Serial
  TCategoryPanel* CP_Serial = nullptr;
  QLabel* L_Serial_Serial = nullptr;
  QComboBox* CB_Serial_Serial = nullptr;
  QLabel* L_Serial_Baudrate = nullptr;
  QComboBox* CB_Serial_Baudrate = nullptr;
  QLabel* L_Serial_Parity = nullptr;
  QComboBox* Cb_Serial_Parity = nullptr;
  QLabel* L_Serial_StopBits = nullptr;
  QComboBox* CB_Serial_StopBits = nullptr;

  // Modbus slave
  TCategoryPanel* CP_Modbus_Slave = nullptr;
  QLabel* L_ModbusSlave_Serial = nullptr;
  QComboBox* CB_ModbusSlave_Serial = nullptr;
  QLabel* L_ModbusSlave_Baudrate = nullptr;
  QComboBox* CB_ModbusSlave_Baudrate = nullptr;
  QLabel* L_ModbusSlave_Parity = nullptr;
  QComboBox* CB_ModbusSlave_Parity = nullptr;
  QLabel* L_ModbusSlave_StopBits = nullptr;
  QComboBox* CB_ModbusSlave_StopBits = nullptr;
  QLabel* L_ModbusSlave_IDDevice = nullptr;
  QLineEdit* E_ModbusSlave_IDDevice = nullptr;
  QCheckBox* CB_ModbusSlave_ReadInput = nullptr;

  // BACnet slave: the IP rows, then the MS/TP rows that take their place
  TCategoryPanel* CP_BACnet_Slave = nullptr;
  QLabel* L_BACnet_Slave_Type = nullptr;
  QComboBox* CB_BACnet_Slave_Type = nullptr;
  QLabel* L_BACnet_IP_Slave_IP = nullptr;
  TOctets E_BACnet_IP_Slave_IP{};
  QLabel* L_BACnet_IP_Slave_SM = nullptr;
  TOctets E_BACnet_IP_Slave_SM{};
  QCheckBox* CB_BACnet_IP_Slave_GAT = nullptr;
  TOctets E_BACnet_IP_Slave_GAT{};
  QLabel* L_BACnet_IP_Slave_Port = nullptr;
  QLineEdit* E_BACnet_IP_Slave_Port = nullptr;
  QLabel* L_BACnet_IP_Slave_Dev_Name = nullptr;
  QLineEdit* E_BACnet_IP_Slave_Dev_Name = nullptr;
  QLabel* L_BACnet_IP_Slave_Dev_Ide = nullptr;
  QLineEdit* E_BACnet_IP_Slave_Dev_Ide = nullptr;
  QLabel* L_BACnet_Ser_Slave_Baudrate = nullptr;
  QComboBox* CB_BACnet_Ser_Slave_Baudrate = nullptr;
  QLabel* L_BACnet_Ser_Slave_Parity = nullptr;
  QComboBox* CB_BACnet_Ser_Slave_Parity = nullptr;
  QLabel* L_BACnet_Ser_Slave_Dev_Name = nullptr;
  QLineEdit* E_BACnet_Ser_Slave_Dev_Name = nullptr;
  QLabel* L_BACnet_Ser_Slave_MAC = nullptr;
  QLineEdit* E_BACnet_Ser_Slave_MAC = nullptr;
  QLabel* L_BACnet_Ser_Slave_Max_Master = nullptr;
  QLineEdit* E_BACnet_Ser_Slave_Max_Master = nullptr;
  QLabel* L_BACnet_Ser_Slave_Max_Info = nullptr;
  QLineEdit* E_BACnet_Ser_Slave_Max_Info = nullptr;
  QLabel* L_BACnet_Ser_Slave_Dev_Instance = nullptr;
  QLineEdit* E_BACnet_Ser_Slave_Dev_Instance = nullptr;
  QLabel* L_BACnet_Ser_Slave_Network = nullptr;
  QLineEdit* E_BACnet_Ser_Slave_Network = nullptr;
  QCheckBox* CB_BACnet_Slave_Desc_32_Chars = nullptr;

  // SNMP agent
  TCategoryPanel* CP_SNMP_Agent = nullptr;
  QLabel* L_SNMP_Agent_IP = nullptr;
  TOctets E_SNMP_Agent_IP{};
  QLabel* L_SNMP_Agent_SM = nullptr;
  TOctets E_SNMP_Agent_SM{};
  QCheckBox* CB_SNMP_Agent_GAT = nullptr;
  TOctets E_SNMP_Agent_GAT{};
  QLabel* L_SNMP_Agent_Name_Station = nullptr;
  QLineEdit* E_SNMP_Agent_Name_Station = nullptr;
  QLabel* L_SNMP_Agent_Contact = nullptr;
  QLineEdit* E_SNMP_Agent_Contact = nullptr;
  QLabel* L_SNMP_Agent_Location = nullptr;
  QLineEdit* E_SNMP_Agent_Location = nullptr;
  QLabel* L_SNMP_Agent_Version = nullptr;
  QCheckBox* CB_SNMP_Agent_Version1 = nullptr;
  QCheckBox* CB_SNMP_Agent_Version2 = nullptr;
  QCheckBox* CB_SNMP_Agent_Version3 = nullptr;
  QLabel* L_SNMP_Agent_User = nullptr;
  QLineEdit* E_SNMP_Agent_User = nullptr;
  QLabel* L_SNMP_Agent_SecurityLevel = nullptr;
  QComboBox* CB_SNMP_Agent_SecurityLevel = nullptr;
  QLabel* L_SNMP_Agent_Authority = nullptr;
  QLineEdit* E_SNMP_Agent_Authority = nullptr;
  QLabel* L_SNMP_Agent_AuthorityMode = nullptr;
  QComboBox* CB_SNMP_Agent_AuthorityMode = nullptr;
  QLabel* L_SNMP_Agent_Privacy = nullptr;
  QLineEdit* E_SNMP_Agent_Privacy = nullptr;
  QLabel* L_SNMP_Agent_PrivacyMode = nullptr;
  QComboBox* CB_SNMP_Agent_PrivacyMode = nullptr;

  // KNX
  TCategoryPanel* CP_KNX = nullptr;
  QLabel* L_KNX_Type = nullptr;
  QComboBox* CB_KNX_Type = nullptr;
  QLabel* L_KNX_IDDevice = nullptr;
  QLineEdit* E_KNX_IDDevice = nullptr;

  // DMX
  TCategoryPanel* CP_DMX = nullptr;
  QLabel* L_DMX_DMX = nullptr;
  QComboBox* CB_DMX_DMX = nullptr;
  QLabel* L_DMX_ChannelNum = nullptr;
  QLineEdit* E_DMX_ChannelNum = nullptr;

  // NMEA 2000
  TCategoryPanel* CP_NMEA2000 = nullptr;
  QLabel* L_NMEA2000_Baudrate = nullptr;
  QComboBox* CB_NMEA2000_Baudrate = nullptr;
  QLabel* L_NMEA2000_TimeOut = nullptr;
  QLineEdit* E_NMEA2000_TimeOut = nullptr;
  QCheckBox* CB_NMEA2000_Peer_To_Peer = nullptr;

  // PROFIBUS
  TCategoryPanel* CP_PROFIBUS = nullptr;
  QLabel* L_PROFIBUS_ID_Device = nullptr;
  QLineEdit* E_PROFIBUS_ID_Device = nullptr;
  QLabel* L_PROFIBUS_Baudrate = nullptr;
  QComboBox* CB_PROFIBUS_Baudrate = nullptr;
  QLabel* L_PROFIBUS_NByte_In = nullptr;
  QLineEdit* E_PROFIBUS_NByte_In = nullptr;
  QLabel* L_PROFIBUS_NByte_Out = nullptr;
  QLineEdit* E_PROFIBUS_NByte_Out = nullptr;

  // PROFINET
  TCategoryPanel* CP_PROFINET = nullptr;
  QLabel* L_PROFINET_IP = nullptr;
  TOctets E_PROFINET_IP{};
  QLabel* L_PROFINET_SM = nullptr;
  TOctets E_PROFINET_SM{};
  QCheckBox* CB_PROFINET_GAT = nullptr;
  TOctets E_PROFINET_GAT{};
  QLabel* L_PROFINET_Tunneling_Port = nullptr;
  QLineEdit* E_PROFINET_Tunneling_Port = nullptr;
  QLabel* L_PROFINET_Name_Station = nullptr;
  QLineEdit* E_PROFINET_Name_Station = nullptr;
  QLabel* L_PROFINET_NByte_In = nullptr;
  QLineEdit* E_PROFINET_NByte_In = nullptr;
  QLabel* L_PROFINET_NByte_Out = nullptr;
  QLineEdit* E_PROFINET_NByte_Out = nullptr;
  QCheckBox* CB_PROFINET_Diagnostic = nullptr;
  QLineEdit* E_PROFINET_Diagnostic = nullptr;

  // EtherNet/IP
  TCategoryPanel* CP_EtherNetIP = nullptr;
  QLabel* L_EtherNetIP_IP = nullptr;
  TOctets E_EtherNetIP_IP{};
  QLabel* L_EtherNetIP_SM = nullptr;
  TOctets E_EtherNetIP_SM{};
  QCheckBox* CB_EtherNetIP_GAT = nullptr;
  TOctets E_EtherNetIP_GAT{};
  QLabel* L_EtherNetIP_Diag_Port = nullptr;
  QLineEdit* E_EtherNetIP_Diag_Port = nullptr;
  QLabel* L_EtherNetIP_NByte_In = nullptr;
  QLineEdit* E_EtherNetIP_NByte_In = nullptr;
  QLabel* L_EtherNetIP_NByte_Out = nullptr;
  QLineEdit* E_EtherNetIP_NByte_Out = nullptr;

  // DeviceNet slave
  TCategoryPanel* CP_DeviceNet_Slave = nullptr;
  QLabel* L_DeviceNet_Slave_ID_Device = nullptr;
  QLineEdit* E_DeviceNet_Slave_ID_Device = nullptr;
  QLabel* L_DeviceNet_Slave_Baudrate = nullptr;
  QComboBox* CB_DeviceNet_Slave_Baudrate = nullptr;
  QLabel* L_DeviceNet_Slave_NumByteIn = nullptr;
  QLineEdit* E_DeviceNet_Slave_NumByteIn = nullptr;
  QLabel* L_DeviceNet_Slave_NumByteOut = nullptr;
  QLineEdit* E_DeviceNet_Slave_NumByteOut = nullptr;

  // J1939
  TCategoryPanel* CP_J1939 = nullptr;
  QLabel* L_J1939_Baudrate = nullptr;
  QComboBox* CB_J1939_Baudrate = nullptr;
  QLabel* L_J1939_TimeOut = nullptr;
  QLineEdit* E_J1939_TimeOut = nullptr;
  QCheckBox* CB_J1939_Enable_Peer_To_Peer = nullptr;
  QLabel* L_J1939_ID_Device = nullptr;
  QLineEdit* E_J1939_ID_Device = nullptr;

  // CANopen
  TCategoryPanel* CP_CANopen = nullptr;
  QLabel* L_CANopen_ID_Device = nullptr;
  QLineEdit* E_CANopen_ID_Device = nullptr;
  QLabel* L_CANopen_Baudrate = nullptr;
  QComboBox* CB_CANopen_Baudrate = nullptr;
  QCheckBox* CB_CANopen_SetOpe = nullptr;
  QCheckBox* CB_CANopen_NetOpe = nullptr;
  QLineEdit* E_CANopen_NetOpe_Delay = nullptr;
  QLabel* L_CANopen_SDO_Timeout = nullptr;
  QLineEdit* E_CANopen_SDO_Timeout = nullptr;

  // CAN
  TCategoryPanel* CP_CAN = nullptr;
  QLabel* L_CAN_Baudrate = nullptr;
  QComboBox* CB_CAN_Baudrate = nullptr;

  // MQTT
  TCategoryPanel* CP_MQTT = nullptr;
  QLabel* L_MQTT_Server_URL = nullptr;
  QLineEdit* E_MQTT_Server_URL = nullptr;
  QLabel* L_MQTT_Server_Port = nullptr;
  QLineEdit* E_MQTT_Server_Port = nullptr;
  QLabel* L_MQTT_Client_ID = nullptr;
  QLineEdit* E_MQTT_Client_ID = nullptr;
  QLabel* L_MQTT_Keep_Alive = nullptr;
  QLineEdit* E_MQTT_Keep_Alive = nullptr;
  QCheckBox* CB_MQTT_Clean_Session = nullptr;
  QCheckBox* CB_MQTT_WillFlag = nullptr;
  QLabel* L_MQTT_Topic_Will = nullptr;
  QLineEdit* E_MQTT_Topic_Will = nullptr;
  QLabel* L_MQTT_Message_Will = nullptr;
  QLineEdit* E_MQTT_Message_Will = nullptr;
  QCheckBox* CB_MQTT_Will_Retained = nullptr;
  QLabel* L_MQTT_QoS_Will = nullptr;
  QComboBox* CB_MQTT_QoS_Will = nullptr;
  QLabel* L_MQTT_Username = nullptr;
  QLineEdit* E_MQTT_Username = nullptr;
  QLabel* L_MQTT_Password = nullptr;
  QTextEdit* RE_MQTT_Password = nullptr;
  QLabel* L_MQTT_Send_Time = nullptr;
  QLineEdit* E_MQTT_Send_Time = nullptr;
  QLineEdit* E_MQTT_Hidden = nullptr;

  // Ethernet
  TCategoryPanel* CP_Ethernet = nullptr;
  QLabel* L_Ethernet_IP = nullptr;
  TOctets E_Ethernet_IP{};
  QLabel* L_Ethernet_SM = nullptr;
  TOctets E_Ethernet_SM{};
  QCheckBox* CB_Ethernet_En_GAT = nullptr;
  TOctets E_Ethernet_GAT{};
  QCheckBox* CB_Ethernet_En_DNS = nullptr;
  TOctets E_Ethernet_DNS{};
  QLabel* L_Ethernet_TCP_Port = nullptr;
  QLineEdit* E_Ethernet_TCP_Port = nullptr;
  QLabel* L_Ethernet_UDP_Port = nullptr;
  QLineEdit* E_Ethernet_UDP_Port = nullptr;

  // TLS
  TCategoryPanel* CP_TLS = nullptr;
  QCheckBox* CB_TLS_Enable = nullptr;
  QCheckBox* CB_TLS_En_Server_Auth = nullptr;
  QLabel* L_TLS_Server_Cert = nullptr;
  QTextEdit* RE_TLS_Server_Cert = nullptr;
  QCheckBox* CB_TLS_En_Client_Auth = nullptr;
  QLabel* L_TLS_Client_Cert = nullptr;
  QTextEdit* RE_TLS_Client_Cert = nullptr;
  QLabel* L_TLS_Client_Key = nullptr;
  QTextEdit* RE_TLS_Client_Key = nullptr;
  QLabel* L_TLS_Client_Key_Password = nullptr;
  QLineEdit* E_TLS_Client_Key_Password = nullptr;

  // First Wi-Fi panel
  TCategoryPanel* CP_WiFi = nullptr;
  QLabel* L_WiFi_Type = nullptr;
  QComboBox* CB_WiFi_Type = nullptr;
  QCheckBox* CB_WiFi_IP_Auto = nullptr;
  QLabel* L_WiFi_IP = nullptr;
  TOctets E_WiFi_IP{};
  QLabel* L_WiFi_SM = nullptr;
  TOctets E_WiFi_SM{};
  QCheckBox* CB_WiFi_En_GAT = nullptr;
  TOctets E_WiFi_GAT{};
  QCheckBox* CB_WiFi_En_DNS = nullptr;
  TOctets E_WiFi_DNS{};
  QLabel* L_WiFi_Port = nullptr;
  QLineEdit* E_WiFi_Port = nullptr;
  QCheckBox* CB_WiFi_En_WPS = nullptr;
  QLabel* L_WiFi_SSID = nullptr;
  QLineEdit* E_WiFi_SSID = nullptr;
  QLabel* L_WiFi_Password = nullptr;
  QLineEdit* E_WiFi_Password = nullptr;
  QLabel* L_WiFi_Secure_Type = nullptr;
  QComboBox* CB_WiFi_Secure_Type = nullptr;
  QCheckBox* CB_WiFi_En_DHCP = nullptr;
  QLabel* L_WiFi_DHCP_IP = nullptr;
  TOctets E_WiFi_DHCP_IP{};
  QLabel* L_WiFi_DHCP_SM = nullptr;
  TOctets E_WiFi_DHCP_SM{};
  QLabel* L_WiFi_Lease_Time = nullptr;
  QLineEdit* E_WiFi_Lease_Time = nullptr;
  QLabel* L_WiFi_Name = nullptr;
  QLineEdit* E_WiFi_Name = nullptr;
  QLabel* L_WiFi_Max_Client = nullptr;
  QComboBox* CB_WiFi_Max_Client = nullptr;
  QLabel* L_WiFi_Channel = nullptr;
  QComboBox* CB_WiFi_Channel = nullptr;

  // Second Wi-Fi panel: two address blocks
  TCategoryPanel* CP_WiFi2 = nullptr;
  QLabel* L_WiFi2_Type = nullptr;
  QComboBox* CB_WiFi2_Type = nullptr;
  QLabel* L_WiFi2_IP_Address1 = nullptr;
  QLabel* L_WiFi2_IP1 = nullptr;
  TOctets E_WiFi2_IP1{};
  QLabel* L_WiFi2_SM1 = nullptr;
  TOctets E_WiFi2_SM1{};
  QCheckBox* CB_WiFi2_En_GAT1 = nullptr;
  TOctets E_WiFi2_GAT1{};
  QLabel* L_WiFi2_IP_Address2 = nullptr;
  QLabel* L_WiFi2_IP2 = nullptr;
  TOctets E_WiFi2_IP2{};
  QLabel* L_WiFi2_SM2 = nullptr;
  TOctets E_WiFi2_SM2{};
  QCheckBox* CB_WiFi2_En_GAT2 = nullptr;
  TOctets E_WiFi2_GAT2{};
  QLabel* L_WiFi2_SSID = nullptr;
  QLineEdit* E_WiFi2_SSID = nullptr;
  QLabel* L_WiFi2_Password = nullptr;
  QLineEdit* E_WiFi2_Password = nullptr;
  QLabel* L_WiFi2_Secure_Type = nullptr;
  QComboBox* CB_WiFi2_Secure_Type = nullptr;
  QCheckBox* CB_WiFi2_En_DHCP = nullptr;
  QLabel* L_WiFi2_DHCP_IP = nullptr;
  TOctets E_WiFi2_DHCP_IP{};
  QLabel* L_WiFi2_DHCP_SM = nullptr;
  TOctets E_WiFi2_DHCP_SM{};
  QLabel* L_WiFi2_Lease_Time = nullptr;
  QLineEdit* E_WiFi2_Lease_Time = nullptr;
  QLabel* L_WiFi2_Max_Client = nullptr;
  QComboBox* CB_WiFi2_Max_Client = nullptr;
  QLabel* L_WiFi2_Channel = nullptr;
  QComboBox* CB_WiFi2_Channel = nullptr;

  // GSM / GPRS
  TCategoryPanel* CP_GSM_GPRS = nullptr;
  QLabel* L_GSM_GPRS_PIN = nullptr;
  QLineEdit* E_GSM_GPRS_PIN = nullptr;
  QLabel* L_GSM_GPRS_APN = nullptr;
  QLineEdit* E_GSM_GPRS_APN = nullptr;
  QLabel* L_GSM_GPRS_Auth_Type = nullptr;
  QComboBox* CB_GSM_GPRS_Auth_Type = nullptr;
  QLabel* L_GSM_GPRS_Username = nullptr;
  QLineEdit* E_GSM_GPRS_Username = nullptr;
  QLabel* L_GSM_GPRS_Password = nullptr;
  QLineEdit* E_GSM_GPRS_Password = nullptr;
};
