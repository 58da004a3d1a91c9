// The two Wi-Fi panels: the first is kept for older layouts and shown by no model, the second serves the MQTT
// model with two address blocks.
#include <QComboBox>

#include "TCategoryPanel.h"
#include "UParGen.h"

namespace {
const QString Laid_Out_Address = QStringLiteral("192.168.0.5");
const QStringList Secure_Types{QStringLiteral("Unsecured"), QStringLiteral("WPA"), QStringLiteral("WPA2"),
                               QStringLiteral("WEP")};

QStringList Numbers(int32_t first, int32_t last) {
  QStringList out;
  for (int32_t n = first; n <= last; ++n) out << QString::number(n);
  return out;
}

QStringList Channels() {
  return QStringList{QStringLiteral("Auto Search")} + Numbers(1, 11);
}
}  // namespace

void TFParGen::Build_Panels_WiFi() {
  CP_WiFi = New_Panel(QStringLiteral("Wi-Fi"));
  {
    TParGenRowBuilder b(CP_WiFi, 628, FBook);
    b.List(L_WiFi_Type, CB_WiFi_Type, QStringLiteral("Type"),
           {QStringLiteral("Access Point"), QStringLiteral("Client Mode"), QStringLiteral("WiFi Direct")}, 0, true);
    b.Check(CB_WiFi_IP_Auto, QStringLiteral("Obtain an IP Address automatically"));
    b.Address(L_WiFi_IP, Octet_Refs(E_WiFi_IP), QStringLiteral("IP Address"), Laid_Out_Address);
    b.Address(L_WiFi_SM, Octet_Refs(E_WiFi_SM), QStringLiteral("SubNet Mask"), Laid_Out_Address);
    b.Check_Address(CB_WiFi_En_GAT, Octet_Refs(E_WiFi_GAT), QStringLiteral("Gateway"), Laid_Out_Address);
    b.Check_Address(CB_WiFi_En_DNS, Octet_Refs(E_WiFi_DNS), QStringLiteral("DNS"), Laid_Out_Address);
    b.Text(L_WiFi_Port, E_WiFi_Port, QStringLiteral("Port"));
    b.Check(CB_WiFi_En_WPS, QStringLiteral("Enable WPS"));
    b.Text(L_WiFi_SSID, E_WiFi_SSID, QStringLiteral("SSID"));
    b.Text(L_WiFi_Password, E_WiFi_Password, QStringLiteral("Password"));
    b.List(L_WiFi_Secure_Type, CB_WiFi_Secure_Type, QStringLiteral("Secure Type"), Secure_Types, 0, true);
    b.Check(CB_WiFi_En_DHCP, QStringLiteral("Enable DHCP"));
    b.Address(L_WiFi_DHCP_IP, Octet_Refs(E_WiFi_DHCP_IP), QStringLiteral("DHCP First IP Address"), Laid_Out_Address);
    b.Address(L_WiFi_DHCP_SM, Octet_Refs(E_WiFi_DHCP_SM), QStringLiteral("DHCP SubNet Mask"), Laid_Out_Address);
    b.Text(L_WiFi_Lease_Time, E_WiFi_Lease_Time, QStringLiteral("Lease Time (seconds)"));
    b.Text(L_WiFi_Name, E_WiFi_Name, QStringLiteral("Name"));
    b.List(L_WiFi_Max_Client, CB_WiFi_Max_Client, QStringLiteral("Max Client"), Numbers(1, 10), 9);
    b.List(L_WiFi_Channel, CB_WiFi_Channel, QStringLiteral("Channel"), Channels(), 0, true);
    b.Finish();
  }

  CP_WiFi2 = New_Panel(QStringLiteral("5. Wi-Fi"));
  {
    TParGenRowBuilder b(CP_WiFi2, 3323, FBook);
    b.List(L_WiFi2_Type, CB_WiFi2_Type, QStringLiteral("Type"),
           {QStringLiteral("Access Point"), QStringLiteral("Station")}, 0, true);
    b.Heading(L_WiFi2_IP_Address1, QStringLiteral("IP Address 1"));
    b.Address(L_WiFi2_IP1, Octet_Refs(E_WiFi2_IP1), QStringLiteral("IP Address"), Laid_Out_Address);
    b.Address(L_WiFi2_SM1, Octet_Refs(E_WiFi2_SM1), QStringLiteral("SubNet Mask"), Laid_Out_Address);
    b.Check_Address(CB_WiFi2_En_GAT1, Octet_Refs(E_WiFi2_GAT1), QStringLiteral("Gateway"), Laid_Out_Address);
    b.Heading(L_WiFi2_IP_Address2, QStringLiteral("IP Address 2"));
    b.Address(L_WiFi2_IP2, Octet_Refs(E_WiFi2_IP2), QStringLiteral("IP Address"), Laid_Out_Address);
    b.Address(L_WiFi2_SM2, Octet_Refs(E_WiFi2_SM2), QStringLiteral("SubNet Mask"), Laid_Out_Address);
    b.Check_Address(CB_WiFi2_En_GAT2, Octet_Refs(E_WiFi2_GAT2), QStringLiteral("Gateway"), Laid_Out_Address);
    b.Text(L_WiFi2_SSID, E_WiFi2_SSID, QStringLiteral("SSID"));
    b.Text(L_WiFi2_Password, E_WiFi2_Password, QStringLiteral("Password"));
    b.List(L_WiFi2_Secure_Type, CB_WiFi2_Secure_Type, QStringLiteral("Secure Type"), Secure_Types, 0, true);
    b.Check(CB_WiFi2_En_DHCP, QStringLiteral("Enable DHCP"));
    b.Address(L_WiFi2_DHCP_IP, Octet_Refs(E_WiFi2_DHCP_IP), QStringLiteral("DHCP First IP Address"),
              Laid_Out_Address);
    b.Address(L_WiFi2_DHCP_SM, Octet_Refs(E_WiFi2_DHCP_SM), QStringLiteral("DHCP SubNet Mask"), Laid_Out_Address);
    b.Text(L_WiFi2_Lease_Time, E_WiFi2_Lease_Time, QStringLiteral("Lease Time (seconds)"));
    b.List(L_WiFi2_Max_Client, CB_WiFi2_Max_Client, QStringLiteral("Max Client"), Numbers(1, 10), 9);
    b.List(L_WiFi2_Channel, CB_WiFi2_Channel, QStringLiteral("Channel"), Channels(), 0, true);
    b.Finish();
  }
}
