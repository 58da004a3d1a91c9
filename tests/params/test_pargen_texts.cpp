// The window's texts: which string ID lands on which control, and what a language change does and does not touch.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <set>

#include "TCategoryPanel.h"
#include "TCategoryPanelGroup.h"
#include "TOctetBox.h"
#include "TParGenFixture.h"

namespace {
const TLangEntry* Entry(const TFParGen& w, int32_t id) {
  for (const TLangEntry& e : w.Lang_Entries())
    if (e.Id == id) return &e;
  return nullptr;
}
}  // namespace

using ParGenTexts = TParGenFixture;

TEST_F(ParGenTexts, BuiltInEnglishTextsOfTheModelPanels) {
  EXPECT_EQ(Window->windowTitle(), u"Set Communication");
  EXPECT_EQ(Window->L_SW_Desc->text(), u"Set Communication Setting");
  EXPECT_EQ(Window->Btn_OK->Caption(), u"OK");
  EXPECT_EQ(Window->Btn_Cancel->Caption(), u"Cancel");
  EXPECT_EQ(Window->Btn_OK->Hint(), u"Confirm and Save the current configuration");
  EXPECT_EQ(Window->Btn_Cancel->Hint(), u"Exit and Discard the current configuration");
  const std::pair<QWidget*, const char*> captions[] = {
      {Window->L_EthConn_Device_Name, "Device Name (Hostname)"},
      {Window->CB_EthConn_En_DHCP_Cable, "Obtain an IP Address Automatically (DHCP for Cable Connection)"},
      {Window->CB_EthConn_Enable_DNS, "Enable DNS"},
      {Window->L_EthConn_Secondary_DNS, "Secondary DNS"},
      {Window->L_OPC_UA_Client_SM, "SubNet Mask"},
      {Window->CB_ModbusTCPSlave_En_GAT, "Gateway"},
      {Window->L_ModbusTCPSlave_Port, "Port"},
      {Window->L_NTP_Poll_Time, "Poll Time (seconds)"},
  };
  for (const auto& [w, text] : captions) {
    const QString shown =
        qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text() : qobject_cast<QCheckBox*>(w)->text();
    EXPECT_EQ(shown, QString::fromUtf8(text));
  }
  const std::pair<QWidget*, const char*> hints[] = {
      {Window->E_EthConn_Device_Name, "Insert the Device Name (hostname)"},
      {Window->CB_EthConn_En_DHCP_WiFi,
       "Obtain an IP Address Automatically from server DHCP for the connection via Wi-Fi"},
      {Window->E_EthConn_Pri_DNS_IP3, "Insert Third byte of Primary DNS"},
      {Window->E_OPC_UA_Client_GAT4, "Insert Fourth byte of Default Gateway"},
      {Window->CB_OPC_UA_Client_En_GAT, "Enable/disable the Default Gateway"},
      {Window->E_ModbusTCPSlave_IP1, "Insert First byte of IP Address"},
      {Window->E_ModbusTCPSlave_Port,
       "Insert the communication port to use for Modbus, from 0 to 65535 but different from 10000"},
      {Window->E_NTP_Server_URL, "Insert the URL or IP Address of NTP server"},
  };
  for (const auto& [w, text] : hints) EXPECT_EQ(w->toolTip(), QString::fromUtf8(text));
}

TEST_F(ParGenTexts, EveryPanelBlockFollowsItsCaptionInLayoutOrder) {
  const auto& entries = Window->Lang_Entries();
  EXPECT_EQ(entries.size() + 6, 489u);  // plus the window's own six texts
  std::set<int32_t> ids;
  for (const TLangEntry& e : entries) EXPECT_TRUE(ids.insert(e.Id).second) << "twice: " << e.Id;
  const std::pair<int32_t, int32_t> blocks[] = {{407, 422}, {425, 432},   {434, 445},   {447, 464},   {466, 507},
                                                {509, 510}, {512, 522},   {524, 531},   {533, 536},   {538, 559},
                                                {564, 571}, {573, 576},   {578, 603},   {605, 626},   {628, 702},
                                                {704, 717}, {719, 722},   {724, 729},   {731, 757},   {759, 796},
                                                {798, 805}, {3301, 3302}, {3304, 3321}, {3323, 3400}, {3402, 3411}};
  std::set<int32_t> expected;
  for (const auto& [first, last] : blocks)
    for (int32_t id = first; id <= last; ++id) expected.insert(id);
  EXPECT_EQ(ids, expected);

  struct TCase {
    int32_t Id;
    QWidget* Control;
    TLangTarget Target;
  };
  const TCase cases[] = {
      {3312, Window->L_EthConn_Primary_DNS, TLangTarget::Caption},
      {464, Window->E_ModbusTCPSlave_Port, TLangTarget::Hint},
      {432, Window->CB_Serial_StopBits, TLangTarget::Hint},
      {443, Window->E_ModbusSlave_IDDevice, TLangTarget::Hint},
      {485, Window->E_BACnet_IP_Slave_Port, TLangTarget::Hint},
      {489, Window->E_BACnet_IP_Slave_Dev_Ide, TLangTarget::Hint},
      {497, Window->E_BACnet_Ser_Slave_MAC, TLangTarget::Hint},
      {510, Window->CB_CAN_Baudrate, TLangTarget::Hint},
      {520, Window->E_CANopen_NetOpe_Delay, TLangTarget::Hint},
      {525, Window->E_DeviceNet_Slave_ID_Device, TLangTarget::Hint},
      {555, Window->E_EtherNetIP_Diag_Port, TLangTarget::Hint},
      {585, Window->E_MQTT_Keep_Alive, TLangTarget::Hint},
      {622, Window->CB_Ethernet_En_DNS, TLangTarget::Hint},
      {630, Window->CB_WiFi_Type, TLangTarget::List_Item},
      {705, Window->CB_TLS_Enable, TLangTarget::Hint},
      {752, Window->E_PROFINET_NByte_In, TLangTarget::Hint},
      {757, Window->E_PROFINET_Diagnostic, TLangTarget::Hint},
      {784, Window->CB_SNMP_Agent_Version3, TLangTarget::Hint},
      {792, Window->CB_SNMP_Agent_AuthorityMode, TLangTarget::Hint},
      {801, Window->CB_PROFIBUS_Baudrate, TLangTarget::Hint},
      {3327, Window->L_WiFi2_IP_Address1, TLangTarget::Caption},
      {3344, Window->L_WiFi2_IP_Address2, TLangTarget::Caption},
      {3400, Window->CB_WiFi2_Channel, TLangTarget::List_Item},
      {3409, Window->E_GSM_GPRS_Username, TLangTarget::Hint},
  };
  for (const TCase& c : cases) {
    const TLangEntry* e = Entry(*Window, c.Id);
    ASSERT_NE(e, nullptr) << c.Id;
    EXPECT_EQ(e->Control, c.Control) << c.Id;
    EXPECT_EQ(e->Target, c.Target) << c.Id;
  }
  // Rows that keep their laid-out texts in every language.
  for (const TLangEntry& e : entries) {
    EXPECT_NE(e.Control, Window->L_Ethernet_TCP_Port);
    EXPECT_NE(e.Control, Window->E_Ethernet_UDP_Port);
    EXPECT_NE(e.Control, Window->E_MQTT_Hidden);
    EXPECT_FALSE(e.Target == TLangTarget::Caption && e.Control == Window->CB_SNMP_Agent_Version1);
  }
  EXPECT_EQ(Window->CB_SNMP_Agent_Version2->text(), u"2");
  EXPECT_EQ(Window->CB_WiFi_Channel->count(), 12);
  EXPECT_EQ(Window->CB_WiFi2_Secure_Type->itemText(3), u"WEP");
}

TEST_F(ParGenTexts, LanguageChangeReachesFieldsButNotPanelHeaders) {
  Window->CB_WiFi_Type->setCurrentIndex(1);
  Window->CB_WiFi2_Channel->setCurrentIndex(5);
  Lang_Table[3312] = QStringLiteral("Prim\u00e4rer DNS");
  Lang_Table[464] = QStringLiteral("Port f\u00fcr Modbus");
  Lang_Table[446] = QStringLiteral("Modbus-TCP-Slave");
  Lang_Table[3303] = QStringLiteral("Ethernet-Verbindung");
  Lang_Table[631] = QStringLiteral("Client-Modus");
  Lang_Table[400] = QStringLiteral("Kommunikation");
  Window->Set_Lang();
  EXPECT_EQ(Window->L_EthConn_Primary_DNS->text(), u"Prim\u00e4rer DNS");
  EXPECT_EQ(Window->E_ModbusTCPSlave_Port->toolTip(), u"Port f\u00fcr Modbus");
  EXPECT_EQ(Window->windowTitle(), u"Kommunikation");
  EXPECT_EQ(Window->CP_Modbus_TCP_Slave->Caption(), u"3. Modbus TCP Slave");
  EXPECT_EQ(Window->CP_Ethernet_Connection->Caption(), u"1. Ethernet Connection");
  // Rebuilt lists drop the user's choice.
  EXPECT_EQ(Window->CB_WiFi_Type->currentIndex(), 0);
  EXPECT_EQ(Window->CB_WiFi_Type->itemText(1), u"Client-Modus");
  EXPECT_EQ(Window->CB_WiFi_Type->count(), 3);
  EXPECT_EQ(Window->CB_WiFi2_Channel->currentIndex(), 0);
  // A window created under the new language takes it for its headers.
  TFParGen later;
  later.Ensure_Built();
  EXPECT_EQ(later.CP_Modbus_TCP_Slave->Caption(), u"3. Modbus-TCP-Slave");
}

// The controls are built on the first show; a language change before it gives the same window as one applied to
// built controls: fields in the new language, headers in the language of the window's creation.
TEST_F(ParGenTexts, AWindowBuiltAfterALanguageChangeLooksAsIfBuiltBefore) {
  TFParGen window;
  EXPECT_FALSE(window.Built());
  EXPECT_EQ(window.CP_Modbus_TCP_Slave, nullptr);
  EXPECT_EQ(window.L_SW_Code->text(), u"SWTarn10");
  Lang_Table[446] = QStringLiteral("Modbus-TCP-Slave");
  Lang_Table[3312] = QStringLiteral("Prim\u00e4rer DNS");
  Lang_Table[400] = QStringLiteral("Kommunikation");
  window.Set_Lang();
  EXPECT_EQ(window.windowTitle(), u"Kommunikation");
  window.FormShow();
  EXPECT_TRUE(window.Built());
  EXPECT_EQ(window.L_EthConn_Primary_DNS->text(), u"Prim\u00e4rer DNS");
  EXPECT_EQ(window.CP_Modbus_TCP_Slave->Caption(), u"3. Modbus TCP Slave");
  EXPECT_EQ(window.CP_Ethernet_Connection->Caption(), u"1. Ethernet Connection");
}
