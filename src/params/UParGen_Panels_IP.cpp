// Panels of the models whose field side runs over Ethernet with an address of its own.
#include <QComboBox>
#include <QLabel>

#include "TCategoryPanel.h"
#include "UParGen.h"

namespace {
const QString Laid_Out_Address = QStringLiteral("192.168.0.5");
const QString Station_Name = QStringLiteral("devicename1");

struct TAddressBlock {
  QLabel*& L_IP;
  TOctets& E_IP;
  QLabel*& L_SM;
  TOctets& E_SM;
  QCheckBox*& CB_GAT;
  TOctets& E_GAT;
};

void Add_Address_Block(TParGenRowBuilder& b, const TAddressBlock& a) {
  b.Address(a.L_IP, Octet_Refs(a.E_IP), QStringLiteral("IP Address"), Laid_Out_Address);
  b.Address(a.L_SM, Octet_Refs(a.E_SM), QStringLiteral("SubNet Mask"), Laid_Out_Address);
  b.Check_Address(a.CB_GAT, Octet_Refs(a.E_GAT), QStringLiteral("Gateway"), Laid_Out_Address);
}
}  // namespace

void TFParGen::Build_Panels_IP() {
  CP_BACnet_Slave = New_Panel(QStringLiteral("BACnet Slave"));
  {
    TParGenRowBuilder b(CP_BACnet_Slave, 466, FBook);
    b.List(L_BACnet_Slave_Type, CB_BACnet_Slave_Type, QStringLiteral("Type"),
           {QStringLiteral("BACnet/IP"), QStringLiteral("BACnet MS/TP")}, 0);
    const int32_t first_top = b.Top();
    Add_Address_Block(b, {L_BACnet_IP_Slave_IP, E_BACnet_IP_Slave_IP, L_BACnet_IP_Slave_SM, E_BACnet_IP_Slave_SM,
                          CB_BACnet_IP_Slave_GAT, E_BACnet_IP_Slave_GAT});
    b.Text(L_BACnet_IP_Slave_Port, E_BACnet_IP_Slave_Port, QStringLiteral("Port"), QStringLiteral("502"));
    b.Text(L_BACnet_IP_Slave_Dev_Name, E_BACnet_IP_Slave_Dev_Name, QStringLiteral("BACnet Device Name"), Station_Name,
           15);
    b.Text(L_BACnet_IP_Slave_Dev_Ide, E_BACnet_IP_Slave_Dev_Ide, QStringLiteral("Device Identifier"),
           QStringLiteral("502"));
    const int32_t description_top = b.Top();
    // The MS/TP rows take the place of the IP rows when that type is chosen.
    b.Set_Top(first_top);
    b.List(L_BACnet_Ser_Slave_Baudrate, CB_BACnet_Ser_Slave_Baudrate, QStringLiteral("Baudrate"),
           {QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"), QStringLiteral("57600"),
            QStringLiteral("76800"), QStringLiteral("115200")},
           5);
    b.List(L_BACnet_Ser_Slave_Parity, CB_BACnet_Ser_Slave_Parity, QStringLiteral("Parity"),
           {QStringLiteral("NONE"), QStringLiteral("ODD"), QStringLiteral("EVEN")}, 0);
    b.Text(L_BACnet_Ser_Slave_Dev_Name, E_BACnet_Ser_Slave_Dev_Name, QStringLiteral("BACnet Device Name"),
           Station_Name, 15);
    b.Text(L_BACnet_Ser_Slave_MAC, E_BACnet_Ser_Slave_MAC, QStringLiteral("MAC Address"), QStringLiteral("502"));
    b.Text(L_BACnet_Ser_Slave_Max_Master, E_BACnet_Ser_Slave_Max_Master, QStringLiteral("Max Master"), Station_Name,
           15);
    b.Text(L_BACnet_Ser_Slave_Max_Info, E_BACnet_Ser_Slave_Max_Info, QStringLiteral("Max Info Frame"),
           QStringLiteral("502"));
    b.Text(L_BACnet_Ser_Slave_Dev_Instance, E_BACnet_Ser_Slave_Dev_Instance, QStringLiteral("Device Instance"),
           Station_Name, 15);
    b.Text(L_BACnet_Ser_Slave_Network, E_BACnet_Ser_Slave_Network, QStringLiteral("NetWork"), QStringLiteral("502"));
    b.Set_Top(description_top);
    b.Check(CB_BACnet_Slave_Desc_32_Chars, QStringLiteral("BACnet description up to 32 chars"));
    Hide_Rows({L_BACnet_Ser_Slave_Baudrate, L_BACnet_Ser_Slave_Parity, L_BACnet_Ser_Slave_Dev_Name,
               L_BACnet_Ser_Slave_MAC, L_BACnet_Ser_Slave_Max_Master, L_BACnet_Ser_Slave_Max_Info,
               L_BACnet_Ser_Slave_Dev_Instance, L_BACnet_Ser_Slave_Network});
    b.Finish();
  }

  CP_SNMP_Agent = New_Panel(QStringLiteral("SNMP Agent"));
  {
    TParGenRowBuilder b(CP_SNMP_Agent, 759, FBook);
    Add_Address_Block(
        b, {L_SNMP_Agent_IP, E_SNMP_Agent_IP, L_SNMP_Agent_SM, E_SNMP_Agent_SM, CB_SNMP_Agent_GAT, E_SNMP_Agent_GAT});
    b.Text(L_SNMP_Agent_Name_Station, E_SNMP_Agent_Name_Station, QStringLiteral("Name of Station"), Station_Name, 15);
    b.Text(L_SNMP_Agent_Contact, E_SNMP_Agent_Contact, QStringLiteral("Contact"), QString(), 16);
    b.Text(L_SNMP_Agent_Location, E_SNMP_Agent_Location, QStringLiteral("Location"), QString(), 16);
    b.Check_Group(L_SNMP_Agent_Version, {&CB_SNMP_Agent_Version1, &CB_SNMP_Agent_Version2, &CB_SNMP_Agent_Version3},
                  QStringLiteral("Version"), {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    b.Text(L_SNMP_Agent_User, E_SNMP_Agent_User, QStringLiteral("User"), QString(), 19);
    b.List(L_SNMP_Agent_SecurityLevel, CB_SNMP_Agent_SecurityLevel, QStringLiteral("Security Level"),
           {QStringLiteral("NoAuthority NoPrivacy"), QStringLiteral("Authority NoPrivacy"),
            QStringLiteral("Authority Privacy")},
           0);
    b.Text(L_SNMP_Agent_Authority, E_SNMP_Agent_Authority, QStringLiteral("Authority"), QString(), 15);
    b.List(L_SNMP_Agent_AuthorityMode, CB_SNMP_Agent_AuthorityMode, QStringLiteral("Authority Mode"),
           {QStringLiteral("MD5"), QStringLiteral("SHA")}, 0);
    b.Text(L_SNMP_Agent_Privacy, E_SNMP_Agent_Privacy, QStringLiteral("Privacy"), QString(), 15);
    b.List(L_SNMP_Agent_PrivacyMode, CB_SNMP_Agent_PrivacyMode, QStringLiteral("Privacy Mode"),
           {QStringLiteral("DES"), QStringLiteral("AES")}, 0);
    b.Finish();
  }

  CP_PROFINET = New_Panel(QStringLiteral("PROFINET"));
  {
    TParGenRowBuilder b(CP_PROFINET, 731, FBook);
    Add_Address_Block(b,
                      {L_PROFINET_IP, E_PROFINET_IP, L_PROFINET_SM, E_PROFINET_SM, CB_PROFINET_GAT, E_PROFINET_GAT});
    b.Text(L_PROFINET_Tunneling_Port, E_PROFINET_Tunneling_Port, QStringLiteral("Tunneling Port"),
           QStringLiteral("502"));
    b.Text(L_PROFINET_Name_Station, E_PROFINET_Name_Station, QStringLiteral("Name of Station"), Station_Name, 15);
    b.Text(L_PROFINET_NByte_In, E_PROFINET_NByte_In, QStringLiteral("Number Bytes Input"), QStringLiteral("1438"));
    b.Text(L_PROFINET_NByte_Out, E_PROFINET_NByte_Out, QStringLiteral("Number Bytes Output"), QStringLiteral("1438"));
    b.Check_Text(CB_PROFINET_Diagnostic, 175, E_PROFINET_Diagnostic, TParGenRowBuilder::Input_Left,
                 TParGenRowBuilder::Input_Width, QStringLiteral("Diagnostic"), QStringLiteral("0"));
    b.Finish();
  }

  CP_EtherNetIP = New_Panel(QStringLiteral("EtherNet/IP"));
  {
    TParGenRowBuilder b(CP_EtherNetIP, 538, FBook);
    Add_Address_Block(
        b, {L_EtherNetIP_IP, E_EtherNetIP_IP, L_EtherNetIP_SM, E_EtherNetIP_SM, CB_EtherNetIP_GAT, E_EtherNetIP_GAT});
    b.Text(L_EtherNetIP_Diag_Port, E_EtherNetIP_Diag_Port, QStringLiteral("Diagnostic Port"), QStringLiteral("2000"));
    b.Text(L_EtherNetIP_NByte_In, E_EtherNetIP_NByte_In, QStringLiteral("Number Bytes Input"), QStringLiteral("496"));
    b.Text(L_EtherNetIP_NByte_Out, E_EtherNetIP_NByte_Out, QStringLiteral("Number Bytes Output"),
           QStringLiteral("496"));
    b.Finish();
  }

  CP_Ethernet = New_Panel(QStringLiteral("Ethernet"));
  {
    TParGenRowBuilder b(CP_Ethernet, 605, FBook);
    Add_Address_Block(
        b, {L_Ethernet_IP, E_Ethernet_IP, L_Ethernet_SM, E_Ethernet_SM, CB_Ethernet_En_GAT, E_Ethernet_GAT});
    b.Check_Address(CB_Ethernet_En_DNS, Octet_Refs(E_Ethernet_DNS), QStringLiteral("DNS"), Laid_Out_Address);
    b.Without_Texts();
    b.Text(L_Ethernet_TCP_Port, E_Ethernet_TCP_Port, QStringLiteral("TCP Port"));
    b.Without_Texts();
    b.Text(L_Ethernet_UDP_Port, E_Ethernet_UDP_Port, QStringLiteral("UDP Port"));
    b.Finish();
  }
}
