// The panels whose fields ParGen.xml holds, and the device choice that steers the Ethernet connection panel.
#include <QComboBox>

#include "TCategoryPanel.h"
#include "TOctetBox.h"
#include "UParGen.h"

namespace {
QString Dotted(const TParGenValues& v, TParGenField first) {
  return v[first] + u'.' + v[first + 1] + u'.' + v[first + 2] + u'.' + v[first + 3];
}
}  // namespace

void TFParGen::Build_Panels_Tarn10() {
  // The laid-out values are the file's defaults; every show sets them again from the file.
  const TParGenValues d = ParGen_Defaults();

  CP_Ethernet_Connection = New_Panel(QStringLiteral("Ethernet Connection"));
  {
    TParGenRowBuilder b(CP_Ethernet_Connection, 3304, FBook);
    b.Text(L_EthConn_Device_Name, E_EthConn_Device_Name, QStringLiteral("Device Name (Hostname)"), QString(), 31);
    b.Check(CB_EthConn_En_DHCP_Cable,
            QStringLiteral("Obtain an IP Address Automatically (DHCP for Cable Connection)"));
    b.Check(CB_EthConn_En_DHCP_WiFi,
            QStringLiteral("Obtain an IP Address Automatically (DHCP for Wi-Fi Connection)"));
    b.Check(CB_EthConn_Enable_DNS, QStringLiteral("Enable DNS"));
    b.Address(L_EthConn_Primary_DNS,
              {&E_EthConn_Pri_DNS_IP1, &E_EthConn_Pri_DNS_IP2, &E_EthConn_Pri_DNS_IP3, &E_EthConn_Pri_DNS_IP4},
              QStringLiteral("Primary DNS"), Dotted(d, pfEth_Conn_Primary_DNS1));
    b.Address(L_EthConn_Secondary_DNS,
              {&E_EthConn_Sec_DNS_IP1, &E_EthConn_Sec_DNS_IP2, &E_EthConn_Sec_DNS_IP3, &E_EthConn_Sec_DNS_IP4},
              QStringLiteral("Secondary DNS"), Dotted(d, pfEth_Conn_Secondary_DNS1));
    b.Finish();
  }

  CP_OPC_UA_Client = New_Panel(QStringLiteral("OPC UA Client"));
  {
    TParGenRowBuilder b(CP_OPC_UA_Client, 407, FBook);
    b.Address(L_OPC_UA_Client_IP,
              {&E_OPC_UA_Client_IP1, &E_OPC_UA_Client_IP2, &E_OPC_UA_Client_IP3, &E_OPC_UA_Client_IP4},
              QStringLiteral("IP Address"), Dotted(d, pfOPC_UA_Client_IP1));
    b.Address(L_OPC_UA_Client_SM,
              {&E_OPC_UA_Client_SM1, &E_OPC_UA_Client_SM2, &E_OPC_UA_Client_SM3, &E_OPC_UA_Client_SM4},
              QStringLiteral("SubNet Mask"), Dotted(d, pfOPC_UA_Client_SM1));
    b.Set_Top(66);
    b.Check_Address(CB_OPC_UA_Client_En_GAT,
                    {&E_OPC_UA_Client_GAT1, &E_OPC_UA_Client_GAT2, &E_OPC_UA_Client_GAT3, &E_OPC_UA_Client_GAT4},
                    QStringLiteral("Gateway"), Dotted(d, pfOPC_UA_Client_GAT1));
    b.Finish();
  }

  CP_Modbus_TCP_Slave = New_Panel(QStringLiteral("Modbus TCP Slave"));
  {
    TParGenRowBuilder b(CP_Modbus_TCP_Slave, 447, FBook);
    b.Address(L_ModbusTCPSlave_IP,
              {&E_ModbusTCPSlave_IP1, &E_ModbusTCPSlave_IP2, &E_ModbusTCPSlave_IP3, &E_ModbusTCPSlave_IP4},
              QStringLiteral("IP Address"), Dotted(d, pfModbus_TCP_Slave_IP1));
    b.Address(L_ModbusTCPSlave_SM,
              {&E_ModbusTCPSlave_SM1, &E_ModbusTCPSlave_SM2, &E_ModbusTCPSlave_SM3, &E_ModbusTCPSlave_SM4},
              QStringLiteral("SubNet Mask"), Dotted(d, pfModbus_TCP_Slave_SM1));
    b.Set_Top(66);
    b.Check_Address(CB_ModbusTCPSlave_En_GAT,
                    {&E_ModbusTCPSlave_GAT1, &E_ModbusTCPSlave_GAT2, &E_ModbusTCPSlave_GAT3, &E_ModbusTCPSlave_GAT4},
                    QStringLiteral("Gateway"), Dotted(d, pfModbus_TCP_Slave_GAT1));
    b.Set_Top(93);
    b.Text(L_ModbusTCPSlave_Port, E_ModbusTCPSlave_Port, QStringLiteral("Port"), d[pfModbus_TCP_Slave_Port]);
    b.Finish();
  }

  CP_NTP = New_Panel(QStringLiteral("NTP (Network Time Protocol)"));
  {
    TParGenRowBuilder b(CP_NTP, 719, FBook);
    b.Text(L_NTP_Server_URL, E_NTP_Server_URL, QStringLiteral("Server URL"), d[pfNTP_Server_URL]);
    b.Text(L_NTP_Poll_Time, E_NTP_Poll_Time, QStringLiteral("Poll Time (seconds)"), d[pfNTP_Poll_Time]);
    b.Finish();
  }

  CP_Select_Device = New_Panel(QStringLiteral("Select Device"));
  {
    TParGenRowBuilder b(CP_Select_Device, 3301, FBook);
    b.List(L_Select_Device_Device, CB_Select_Device_Device, QStringLiteral("Type"),
           {QStringLiteral("Only Ethernet Cable "), QStringLiteral("Ethernet Cable + Wi-Fi"),
            QStringLiteral("Ethernet Cable + Mobile Connection")},
           0);
    b.Finish();
  }
}
