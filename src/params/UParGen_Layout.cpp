// Re-layout of the panels: which fields are enabled, which rows show, where the shown rows stand and how high
// each panel is. Every routine works from the current control states only, so running it twice changes nothing.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include "TCategoryPanel.h"
#include "TCategoryPanelGroup.h"
#include "TOctetBox.h"
#include "UParGen.h"

namespace {
constexpr int32_t Pitch = TParGenRowBuilder::Row_Pitch;
constexpr int32_t Bottom_Margin = 12;

int32_t Bottom_Of(const QWidget* w) {
  return w->y() + w->height();
}

void Move_Top(QWidget* w, int32_t top) {
  w->move(w->x(), top);
}

std::vector<QWidget*> Block_Of(const TOctets& ip, const TOctets& sm, QCheckBox* gateway, const TOctets& gat) {
  std::vector<QWidget*> block(ip.begin(), ip.end());
  block.insert(block.end(), sm.begin(), sm.end());
  block.push_back(gateway);
  block.insert(block.end(), gat.begin(), gat.end());
  return block;
}
}  // namespace

// ---- helpers ---------------------------------------------------------------------------------------------------

void TFParGen::Set_Height_From(TCategoryPanel* panel, const QWidget* last) {
  panel->SetPanel_Height(Bottom_Of(last) + Bottom_Margin + CPG->Header_Height());
}

const TParRow& TFParGen::Row(const QWidget* head) const {
  return FBook.Rows.at(head);
}

void TFParGen::Show_Row(const QWidget* head) {
  const TParRow& row = Row(head);
  row.Head->setVisible(true);
  for (QWidget* w : row.Inputs) w->setVisible(true);
  for (QLabel* d : row.Dots) d->setVisible(true);
}

void TFParGen::Hide_Row(const QWidget* head) {
  const TParRow& row = Row(head);
  row.Head->setVisible(false);
  for (QWidget* w : row.Inputs) w->setVisible(false);
  for (QLabel* d : row.Dots) d->setVisible(false);
}

void TFParGen::Show_Rows(std::initializer_list<const QWidget*> heads) {
  for (const QWidget* head : heads) Show_Row(head);
}

void TFParGen::Hide_Rows(std::initializer_list<const QWidget*> heads) {
  for (const QWidget* head : heads) Hide_Row(head);
}

void TFParGen::Place_Row(const QWidget* head, int32_t y, int32_t input_offset, int32_t dot_offset) {
  const TParRow& row = Row(head);
  Move_Top(row.Head, y);
  for (QWidget* w : row.Inputs) Move_Top(w, y + input_offset);
  for (QLabel* d : row.Dots) Move_Top(d, y + dot_offset);
  Show_Row(head);
}

void TFParGen::Place_Rows(std::initializer_list<const QWidget*> heads, int32_t& y) {
  for (const QWidget* head : heads) {
    Place_Row(head, y);
    y += Pitch;
  }
}

void TFParGen::Set_Address_Block(const std::vector<QWidget*>& block, bool enabled) {
  for (QWidget* w : block) w->setEnabled(enabled);
}

bool TFParGen::Cable_DHCP() const {
  return CB_EthConn_En_DHCP_Cable->isChecked();
}

// ---- panels without dependencies -------------------------------------------------------------------------------

void TFParGen::RePosition_Object_NTP() {
  Set_Height_From(CP_NTP, E_NTP_Poll_Time);
}
void TFParGen::RePosition_Object_Serial() {
  Set_Height_From(CP_Serial, CB_Serial_StopBits);
}
void TFParGen::RePosition_Object_Modbus_Slave() {
  Set_Height_From(CP_Modbus_Slave, CB_ModbusSlave_ReadInput);
}
void TFParGen::RePosition_Object_CAN() {
  Set_Height_From(CP_CAN, CB_CAN_Baudrate);
}
void TFParGen::RePosition_Object_CANopen() {
  Set_Height_From(CP_CANopen, E_CANopen_SDO_Timeout);
}
void TFParGen::RePosition_Object_J1939() {
  Set_Height_From(CP_J1939, E_J1939_ID_Device);
}
void TFParGen::RePosition_Object_DeviceNet_Slave() {
  Set_Height_From(CP_DeviceNet_Slave, E_DeviceNet_Slave_NumByteOut);
}
void TFParGen::RePosition_Object_PROFIBUS() {
  Set_Height_From(CP_PROFIBUS, E_PROFIBUS_NByte_Out);
}
void TFParGen::RePosition_Object_NMEA2000() {
  Set_Height_From(CP_NMEA2000, CB_NMEA2000_Peer_To_Peer);
}
void TFParGen::RePosition_Object_DMX() {
  Set_Height_From(CP_DMX, E_DMX_ChannelNum);
}
void TFParGen::RePosition_Object_KNX() {
  Set_Height_From(CP_KNX, E_KNX_IDDevice);
}
void TFParGen::RePosition_Object_Select_Device() {
  Set_Height_From(CP_Select_Device, CB_Select_Device_Device);
}
void TFParGen::RePosition_Object_GSM_GPRS() {
  Set_Height_From(CP_GSM_GPRS, E_GSM_GPRS_Password);
}

// ---- Ethernet connection and the address-block panels -----------------------------------------------------------

void TFParGen::RePosition_Object_Ethernet_Connection() {
  Set_Height_From(CP_Ethernet_Connection, E_EthConn_Sec_DNS_IP4);
  // Wi-Fi DHCP only means something on a device with Wi-Fi.
  const int32_t device = CB_Select_Device_Device->currentIndex();
  CB_EthConn_En_DHCP_WiFi->setEnabled(device != 0 && device != 2);
}

void TFParGen::RePosition_Object_OPC_UA_Client() {
  Set_Address_Block(
      {E_OPC_UA_Client_IP1, E_OPC_UA_Client_IP2, E_OPC_UA_Client_IP3, E_OPC_UA_Client_IP4, E_OPC_UA_Client_SM1,
       E_OPC_UA_Client_SM2, E_OPC_UA_Client_SM3, E_OPC_UA_Client_SM4, CB_OPC_UA_Client_En_GAT, E_OPC_UA_Client_GAT1,
       E_OPC_UA_Client_GAT2, E_OPC_UA_Client_GAT3, E_OPC_UA_Client_GAT4},
      !Cable_DHCP());
  Set_Height_From(CP_OPC_UA_Client, E_OPC_UA_Client_GAT4);
}

void TFParGen::RePosition_Object_Modbus_TCP_Slave() {
  Set_Address_Block(
      {E_ModbusTCPSlave_IP1, E_ModbusTCPSlave_IP2, E_ModbusTCPSlave_IP3, E_ModbusTCPSlave_IP4, E_ModbusTCPSlave_SM1,
       E_ModbusTCPSlave_SM2, E_ModbusTCPSlave_SM3, E_ModbusTCPSlave_SM4, CB_ModbusTCPSlave_En_GAT,
       E_ModbusTCPSlave_GAT1, E_ModbusTCPSlave_GAT2, E_ModbusTCPSlave_GAT3, E_ModbusTCPSlave_GAT4},
      !Cable_DHCP());
  Set_Height_From(CP_Modbus_TCP_Slave, E_ModbusTCPSlave_Port);
}

void TFParGen::RePosition_Object_EtherNetIP() {
  Set_Address_Block(Block_Of(E_EtherNetIP_IP, E_EtherNetIP_SM, CB_EtherNetIP_GAT, E_EtherNetIP_GAT), !Cable_DHCP());
  Set_Height_From(CP_EtherNetIP, E_EtherNetIP_NByte_Out);
}

void TFParGen::RePosition_Object_PROFINET() {
  Set_Address_Block(Block_Of(E_PROFINET_IP, E_PROFINET_SM, CB_PROFINET_GAT, E_PROFINET_GAT), !Cable_DHCP());
  Set_Height_From(CP_PROFINET, E_PROFINET_Diagnostic);
}

void TFParGen::RePosition_Object_Ethernet() {
  Set_Address_Block(Block_Of(E_Ethernet_IP, E_Ethernet_SM, CB_Ethernet_En_GAT, E_Ethernet_GAT), !Cable_DHCP());
  Hide_Rows({L_Ethernet_TCP_Port, L_Ethernet_UDP_Port, CB_Ethernet_En_DNS});
  Set_Height_From(CP_Ethernet, E_Ethernet_GAT[3]);
}

void TFParGen::RePosition_Object_SNMP_Agent() {
  Set_Address_Block(Block_Of(E_SNMP_Agent_IP, E_SNMP_Agent_SM, CB_SNMP_Agent_GAT, E_SNMP_Agent_GAT), !Cable_DHCP());
  if (!CB_SNMP_Agent_Version3->isChecked()) {
    Hide_Rows({L_SNMP_Agent_User, L_SNMP_Agent_SecurityLevel, L_SNMP_Agent_Authority, L_SNMP_Agent_AuthorityMode,
               L_SNMP_Agent_Privacy, L_SNMP_Agent_PrivacyMode});
    Set_Height_From(CP_SNMP_Agent, CB_SNMP_Agent_Version3);
    return;
  }
  Show_Rows({L_SNMP_Agent_User, L_SNMP_Agent_SecurityLevel});
  switch (CB_SNMP_Agent_SecurityLevel->currentIndex()) {
    case 0:
      Hide_Rows({L_SNMP_Agent_Authority, L_SNMP_Agent_AuthorityMode, L_SNMP_Agent_Privacy, L_SNMP_Agent_PrivacyMode});
      Set_Height_From(CP_SNMP_Agent, CB_SNMP_Agent_SecurityLevel);
      break;
    case 1:
      Show_Rows({L_SNMP_Agent_Authority, L_SNMP_Agent_AuthorityMode});
      Hide_Rows({L_SNMP_Agent_Privacy, L_SNMP_Agent_PrivacyMode});
      Set_Height_From(CP_SNMP_Agent, CB_SNMP_Agent_AuthorityMode);
      break;
    default:
      Show_Rows({L_SNMP_Agent_Authority, L_SNMP_Agent_AuthorityMode, L_SNMP_Agent_Privacy, L_SNMP_Agent_PrivacyMode});
      Set_Height_From(CP_SNMP_Agent, CB_SNMP_Agent_PrivacyMode);
      break;
  }
}

void TFParGen::RePosition_Object_BACnet_Slave() {
  const std::initializer_list<const QWidget*> ip_rows{L_BACnet_IP_Slave_IP,       L_BACnet_IP_Slave_SM,
                                                      CB_BACnet_IP_Slave_GAT,     L_BACnet_IP_Slave_Port,
                                                      L_BACnet_IP_Slave_Dev_Name, L_BACnet_IP_Slave_Dev_Ide};
  const std::initializer_list<const QWidget*> mstp_rows{L_BACnet_Ser_Slave_Baudrate,     L_BACnet_Ser_Slave_Parity,
                                                        L_BACnet_Ser_Slave_Dev_Name,     L_BACnet_Ser_Slave_MAC,
                                                        L_BACnet_Ser_Slave_Max_Master,   L_BACnet_Ser_Slave_Max_Info,
                                                        L_BACnet_Ser_Slave_Dev_Instance, L_BACnet_Ser_Slave_Network};
  if (CB_BACnet_Slave_Type->currentIndex() == 0) {
    Set_Address_Block(
        Block_Of(E_BACnet_IP_Slave_IP, E_BACnet_IP_Slave_SM, CB_BACnet_IP_Slave_GAT, E_BACnet_IP_Slave_GAT),
        !Cable_DHCP());
    Show_Rows(ip_rows);
    Move_Top(CB_BACnet_Slave_Desc_32_Chars, L_BACnet_IP_Slave_Dev_Ide->y() + Pitch);
    Hide_Rows(mstp_rows);
  } else {
    Hide_Rows(ip_rows);
    int32_t label_top = L_BACnet_IP_Slave_IP->y();
    int32_t input_top = E_BACnet_IP_Slave_IP[0]->y();
    for (const QWidget* head : mstp_rows) {
      Place_Row(head, label_top, input_top - label_top);
      label_top += Pitch;
      input_top += Pitch;
    }
    Move_Top(CB_BACnet_Slave_Desc_32_Chars, L_BACnet_Ser_Slave_Network->y() + Pitch);
  }
  Set_Height_From(CP_BACnet_Slave, CB_BACnet_Slave_Desc_32_Chars);
}

// ---- MQTT and TLS ----------------------------------------------------------------------------------------------

void TFParGen::RePosition_Object_MQTT() {
  int32_t y;
  if (CB_MQTT_WillFlag->isChecked()) {
    Show_Rows({L_MQTT_Topic_Will, L_MQTT_Message_Will, CB_MQTT_Will_Retained, L_MQTT_QoS_Will});
    y = L_MQTT_QoS_Will->y() + Pitch;
  } else {
    Hide_Rows({L_MQTT_Topic_Will, L_MQTT_Message_Will, CB_MQTT_Will_Retained, L_MQTT_QoS_Will});
    y = L_MQTT_Topic_Will->y();
  }
  Place_Rows({L_MQTT_Username, L_MQTT_Password}, y);
  Hide_Row(L_MQTT_Send_Time);
  Set_Height_From(CP_MQTT, RE_MQTT_Password);
}

void TFParGen::RePosition_Object_TLS() {
  const std::initializer_list<const QWidget*> client_rows{L_TLS_Client_Cert, L_TLS_Client_Key,
                                                          L_TLS_Client_Key_Password};
  if (!CB_TLS_Enable->isChecked()) {
    Hide_Rows({CB_TLS_En_Server_Auth, L_TLS_Server_Cert, CB_TLS_En_Client_Auth});
    Hide_Rows(client_rows);
    Set_Height_From(CP_TLS, CB_TLS_Enable);
    return;
  }
  Show_Row(CB_TLS_En_Server_Auth);
  int32_t y = CB_TLS_En_Server_Auth->y() + Pitch;
  if (CB_TLS_En_Server_Auth->isChecked()) {
    Show_Row(L_TLS_Server_Cert);
    y = RE_TLS_Server_Cert->y() + Pitch;
  } else {
    Hide_Row(L_TLS_Server_Cert);
  }
  Place_Row(CB_TLS_En_Client_Auth, y);
  y += Pitch;
  int32_t bottom = Bottom_Of(CB_TLS_En_Client_Auth);
  if (CB_TLS_En_Client_Auth->isChecked()) {
    Place_Rows(client_rows, y);
    bottom = Bottom_Of(E_TLS_Client_Key_Password);
  } else {
    Hide_Rows(client_rows);
  }
  CP_TLS->SetPanel_Height(bottom + Bottom_Margin + CPG->Header_Height());
}

// ---- Wi-Fi -----------------------------------------------------------------------------------------------------

void TFParGen::RePosition_Object_WiFi() {
  const int32_t type = CB_WiFi_Type->currentIndex();
  if (type != 0 && type != 1) return;  // "WiFi Direct" keeps whatever arrangement the panel has
  // A gateway or DNS row of this panel keeps its boxes 3 above and its dots 1 below its check box.
  const auto place_check_row = [this](const QWidget* head, int32_t& y) {
    Place_Row(head, y, -3, 1);
    y += Pitch;
  };
  int32_t y = L_WiFi_Type->y() + Pitch;
  if (type == 0) {
    Hide_Row(CB_WiFi_IP_Auto);
    Place_Rows({L_WiFi_IP, L_WiFi_SM}, y);
    place_check_row(CB_WiFi_En_GAT, y);
    place_check_row(CB_WiFi_En_DNS, y);
    Place_Rows({L_WiFi_Port}, y);
    Hide_Row(CB_WiFi_En_WPS);
    Place_Rows({L_WiFi_SSID, L_WiFi_Secure_Type}, y);
    if (CB_WiFi_Secure_Type->currentIndex() != 0)
      Place_Rows({L_WiFi_Password}, y);
    else
      Hide_Row(L_WiFi_Password);
    Place_Rows({CB_WiFi_En_DHCP}, y);
    if (CB_WiFi_En_DHCP->isChecked())
      Place_Rows({L_WiFi_DHCP_IP, L_WiFi_DHCP_SM, L_WiFi_Lease_Time}, y);
    else
      Hide_Rows({L_WiFi_DHCP_IP, L_WiFi_DHCP_SM, L_WiFi_Lease_Time});
    Hide_Row(L_WiFi_Name);
    Place_Rows({L_WiFi_Max_Client, L_WiFi_Channel}, y);
    Set_Height_From(CP_WiFi, CB_WiFi_Channel);
    return;
  }
  Place_Rows({CB_WiFi_IP_Auto}, y);
  if (!CB_WiFi_IP_Auto->isChecked()) {
    Place_Rows({L_WiFi_IP, L_WiFi_SM}, y);
    place_check_row(CB_WiFi_En_GAT, y);
    place_check_row(CB_WiFi_En_DNS, y);
    Hide_Row(L_WiFi_Name);
  } else {
    Hide_Rows({L_WiFi_IP, L_WiFi_SM, CB_WiFi_En_GAT, CB_WiFi_En_DNS});
    Place_Rows({L_WiFi_Name}, y);
  }
  Place_Rows({L_WiFi_Port}, y);
  Hide_Row(CB_WiFi_En_WPS);
  Place_Rows({L_WiFi_SSID}, y);
  Hide_Row(L_WiFi_Secure_Type);
  Place_Rows({L_WiFi_Password}, y);
  Hide_Rows({CB_WiFi_En_DHCP, L_WiFi_DHCP_IP, L_WiFi_DHCP_SM, L_WiFi_Lease_Time, L_WiFi_Max_Client, L_WiFi_Channel});
  Set_Height_From(CP_WiFi, E_WiFi_Password);
}

void TFParGen::RePosition_Object_WiFi2() {
  Hide_Rows({L_WiFi2_IP_Address1, L_WiFi2_IP_Address2});
  int32_t y = L_WiFi2_Type->y() + Pitch;
  Place_Rows({L_WiFi2_IP1, L_WiFi2_SM1}, y);
  // This panel's gateway row keeps its boxes 2 above its check box and its dots level with it.
  Place_Row(CB_WiFi2_En_GAT1, y, -2, 0);
  y += Pitch;
  Hide_Rows({L_WiFi2_IP2, L_WiFi2_SM2, CB_WiFi2_En_GAT2});
  if (CB_WiFi2_Type->currentIndex() == 0) {
    Place_Rows({L_WiFi2_SSID, L_WiFi2_Secure_Type}, y);
    if (CB_WiFi2_Secure_Type->currentIndex() > 0)
      Place_Rows({L_WiFi2_Password}, y);
    else
      Hide_Row(L_WiFi2_Password);
    Place_Rows({CB_WiFi2_En_DHCP}, y);
    if (CB_WiFi2_En_DHCP->isChecked())
      Place_Rows({L_WiFi2_DHCP_IP, L_WiFi2_DHCP_SM, L_WiFi2_Lease_Time}, y);
    else
      Hide_Rows({L_WiFi2_DHCP_IP, L_WiFi2_DHCP_SM, L_WiFi2_Lease_Time});
    Place_Rows({L_WiFi2_Max_Client, L_WiFi2_Channel}, y);
    Set_Height_From(CP_WiFi2, CB_WiFi2_Channel);
    return;
  }
  Set_Address_Block(Block_Of(E_WiFi2_IP1, E_WiFi2_SM1, CB_WiFi2_En_GAT1, E_WiFi2_GAT1),
                    !CB_EthConn_En_DHCP_WiFi->isChecked());
  Place_Rows({L_WiFi2_SSID, L_WiFi2_Password}, y);
  Hide_Rows({L_WiFi2_Secure_Type, CB_WiFi2_En_DHCP, L_WiFi2_DHCP_IP, L_WiFi2_DHCP_SM, L_WiFi2_Lease_Time,
             L_WiFi2_Max_Client, L_WiFi2_Channel});
  Set_Height_From(CP_WiFi2, E_WiFi2_Password);
}

void TFParGen::Device_Choice_Tarn19() {
  const int32_t device = CB_Select_Device_Device->currentIndex();
  const auto fold = [](TCategoryPanel* panel, bool open) {
    if (open) {
      panel->setEnabled(true);
      panel->Expand();
    } else {
      panel->Collapse();
      panel->setEnabled(false);
    }
  };
  fold(CP_WiFi2, device == 1);
  fold(CP_GSM_GPRS, device != 0 && device != 1);
}
