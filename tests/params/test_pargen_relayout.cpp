// What the switches of the window enable, disable, show and hide, and where the shown rows stand.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include "TCategoryPanel.h"
#include "TCategoryPanelGroup.h"
#include "TOctetBox.h"
#include "TParGenFixture.h"

namespace {
struct TWidgetState {
  QRect Geometry;
  bool Hidden;
  bool Enabled;
  bool operator==(const TWidgetState&) const = default;
};

// Geometry, shown and enabled state of every control in the window, to compare before and after.
std::vector<TWidgetState> Snapshot(const QWidget* window) {
  std::vector<TWidgetState> out;
  for (const QWidget* w : window->findChildren<QWidget*>())
    out.push_back({w->geometry(), w->isHidden(), w->isEnabled()});
  return out;
}
}  // namespace

using ParGenRelayout = TParGenFixture;

TEST_F(ParGenRelayout, CableDhcpDisablesTheAddressBlocksOnly) {
  const std::vector<QWidget*> follow_dhcp{
      Window->E_OPC_UA_Client_IP1,     Window->E_OPC_UA_Client_IP4,     Window->E_OPC_UA_Client_SM1,
      Window->E_OPC_UA_Client_SM4,     Window->E_OPC_UA_Client_GAT1,    Window->E_OPC_UA_Client_GAT4,
      Window->CB_OPC_UA_Client_En_GAT, Window->E_ModbusTCPSlave_IP1,    Window->E_ModbusTCPSlave_SM3,
      Window->E_ModbusTCPSlave_GAT2,   Window->CB_ModbusTCPSlave_En_GAT};
  const std::vector<QWidget*> stay_enabled{Window->E_ModbusTCPSlave_Port, Window->E_EthConn_Device_Name,
                                           Window->E_EthConn_Pri_DNS_IP1, Window->E_EthConn_Sec_DNS_IP4,
                                           Window->CB_EthConn_Enable_DNS, Window->E_NTP_Server_URL,
                                           Window->E_NTP_Poll_Time,       Window->CB_EthConn_En_DHCP_Cable};
  for (bool dhcp : {true, false, true}) {
    Window->CB_EthConn_En_DHCP_Cable->setChecked(dhcp);
    for (QWidget* w : follow_dhcp) EXPECT_EQ(w->isEnabled(), !dhcp) << dhcp;
    for (QWidget* w : stay_enabled) EXPECT_TRUE(w->isEnabled()) << dhcp;
    EXPECT_FALSE(Window->CB_EthConn_En_DHCP_WiFi->isEnabled());
  }
}

TEST_F(ParGenRelayout, GatewayAndDnsSwitchesChangeNoEnabledState) {
  const auto before = Snapshot(Window.get());
  Window->CB_EthConn_Enable_DNS->setChecked(true);
  Window->CB_OPC_UA_Client_En_GAT->setChecked(true);
  EXPECT_EQ(Snapshot(Window.get()), before);
}

TEST_F(ParGenRelayout, WiFiDhcpIsAllowedOnlyForADeviceWithWiFi) {
  const std::pair<int, bool> cases[] = {{0, false}, {1, true}, {2, false}};
  for (const auto& [device, enabled] : cases) {
    Window->CB_Select_Device_Device->setCurrentIndex(device);
    Window->RePosition_Object_Ethernet_Connection();
    EXPECT_EQ(Window->CB_EthConn_En_DHCP_WiFi->isEnabled(), enabled) << device;
  }
}

TEST_F(ParGenRelayout, RelayoutTwiceChangesNothing) {
  Window->CB_MQTT_WillFlag->setChecked(true);
  Window->CB_TLS_Enable->setChecked(true);
  Window->CB_WiFi2_Type->setCurrentIndex(1);
  for (const char* model : {"Tarn10", "Tarn19", "Tarn11", "Tarn23"}) {
    ASSERT_TRUE(Window->RePosition_Objects_For(QString::fromLatin1(model)));
    const auto once = Snapshot(Window.get());
    Window->RePosition_Objects_For(QString::fromLatin1(model));
    EXPECT_EQ(Snapshot(Window.get()), once) << model;
  }
}

TEST_F(ParGenRelayout, MqttWillRowsMakeRoomForTheUser) {
  Window->CB_MQTT_WillFlag->setChecked(false);
  Window->RePosition_Object_MQTT();
  EXPECT_EQ(Window->L_MQTT_Username->y(), 180);
  EXPECT_EQ(Window->E_MQTT_Username->y(), 177);
  EXPECT_EQ(Window->L_MQTT_Password->y(), 208);
  EXPECT_EQ(Window->RE_MQTT_Password->y(), 205);
  EXPECT_TRUE(Window->L_MQTT_Topic_Will->isHidden());
  EXPECT_TRUE(Window->CB_MQTT_Will_Retained->isHidden());
  EXPECT_TRUE(Window->E_MQTT_Send_Time->isHidden());
  EXPECT_EQ(Window->CP_MQTT->Panel_Height(), 205 + 21 + 12 + 24);

  Window->CB_MQTT_WillFlag->setChecked(true);
  Window->RePosition_Object_MQTT();
  EXPECT_FALSE(Window->L_MQTT_Topic_Will->isHidden());
  EXPECT_FALSE(Window->E_MQTT_Message_Will->isHidden());
  EXPECT_EQ(Window->L_MQTT_Username->y(), Window->L_MQTT_QoS_Will->y() + 28);
}

TEST_F(ParGenRelayout, FirstWiFiPanelStacksTheAccessPointRows) {
  Window->CB_WiFi_Type->setCurrentIndex(0);
  Window->CB_WiFi_Secure_Type->setCurrentIndex(0);
  Window->CB_WiFi_En_DHCP->setChecked(false);
  Window->RePosition_Object_WiFi();
  const std::vector<QWidget*> rows{Window->L_WiFi_IP,          Window->L_WiFi_SM,       Window->CB_WiFi_En_GAT,
                                   Window->CB_WiFi_En_DNS,     Window->L_WiFi_Port,     Window->L_WiFi_SSID,
                                   Window->L_WiFi_Secure_Type, Window->CB_WiFi_En_DHCP, Window->L_WiFi_Max_Client,
                                   Window->L_WiFi_Channel};
  int32_t top = 40;
  for (QWidget* w : rows) {
    EXPECT_EQ(w->y(), top);
    EXPECT_FALSE(w->isHidden());
    top += 28;
  }
  EXPECT_EQ(Window->E_WiFi_GAT[0]->y(), 96 - 3);
  for (QWidget* w : std::vector<QWidget*>{Window->CB_WiFi_IP_Auto, Window->CB_WiFi_En_WPS, Window->L_WiFi_Password,
                                          Window->E_WiFi_Password, Window->L_WiFi_DHCP_IP, Window->E_WiFi_DHCP_SM[2],
                                          Window->L_WiFi_Lease_Time, Window->L_WiFi_Name})
    EXPECT_TRUE(w->isHidden());

  // "WiFi Direct" leaves the arrangement as it was.
  const auto before = Snapshot(Window->CP_WiFi);
  const int32_t height = Window->CP_WiFi->Panel_Height();
  Window->CB_WiFi_Type->setCurrentIndex(2);
  Window->CB_WiFi_IP_Auto->setChecked(true);
  Window->RePosition_Object_WiFi();
  EXPECT_EQ(Snapshot(Window->CP_WiFi), before);
  EXPECT_EQ(Window->CP_WiFi->Panel_Height(), height);
}

TEST_F(ParGenRelayout, SecondWiFiPanelInStationModeFollowsWiFiDhcp) {
  Window->CB_WiFi2_Type->setCurrentIndex(1);
  Window->CB_EthConn_En_DHCP_WiFi->setChecked(true);
  Window->RePosition_Object_WiFi2();
  EXPECT_FALSE(Window->E_WiFi2_IP1[0]->isEnabled());
  EXPECT_FALSE(Window->CB_WiFi2_En_GAT1->isEnabled());
  EXPECT_TRUE(Window->E_WiFi2_SSID->isEnabled());
  EXPECT_TRUE(Window->L_WiFi2_IP2->isHidden());
  EXPECT_TRUE(Window->L_WiFi2_IP_Address1->isHidden());
  EXPECT_TRUE(Window->CB_WiFi2_Channel->isHidden());
  EXPECT_EQ(Window->L_WiFi2_IP1->y(), Window->L_WiFi2_Type->y() + 28);
  EXPECT_EQ(Window->L_WiFi2_Password->y(), Window->L_WiFi2_Type->y() + 5 * 28);
  Window->CB_EthConn_En_DHCP_WiFi->setChecked(false);
  Window->RePosition_Object_WiFi2();
  EXPECT_TRUE(Window->E_WiFi2_GAT1[3]->isEnabled());
}

TEST_F(ParGenRelayout, SnmpVersionThreeRowsFollowTheSecurityLevel) {
  struct TCase {
    bool Version3;
    int Level;
    bool Authority_Shown;
    bool Privacy_Shown;
  };
  const TCase cases[] = {
      {false, 2, false, false}, {true, 0, false, false}, {true, 1, true, false}, {true, 2, true, true}};
  for (const TCase& c : cases) {
    Window->CB_SNMP_Agent_Version3->setChecked(c.Version3);
    Window->CB_SNMP_Agent_SecurityLevel->setCurrentIndex(c.Level);
    Window->RePosition_Object_SNMP_Agent();
    EXPECT_EQ(Window->E_SNMP_Agent_User->isHidden(), !c.Version3);
    EXPECT_EQ(Window->CB_SNMP_Agent_AuthorityMode->isHidden(), !c.Authority_Shown);
    EXPECT_EQ(Window->E_SNMP_Agent_Privacy->isHidden(), !c.Privacy_Shown);
  }
  EXPECT_EQ(Window->CP_SNMP_Agent->Panel_Height(),
            Window->CB_SNMP_Agent_PrivacyMode->y() + Window->CB_SNMP_Agent_PrivacyMode->height() + 36);
}

TEST_F(ParGenRelayout, BacnetMstpRowsTakeThePlaceOfTheIpRows) {
  Window->CB_BACnet_Slave_Type->setCurrentIndex(1);
  Window->RePosition_Object_BACnet_Slave();
  EXPECT_TRUE(Window->L_BACnet_IP_Slave_IP->isHidden());
  EXPECT_TRUE(Window->E_BACnet_IP_Slave_GAT[0]->isHidden());
  EXPECT_EQ(Window->L_BACnet_Ser_Slave_Baudrate->y(), Window->L_BACnet_IP_Slave_IP->y());
  EXPECT_EQ(Window->CB_BACnet_Ser_Slave_Baudrate->y(), Window->E_BACnet_IP_Slave_IP[0]->y());
  EXPECT_EQ(Window->L_BACnet_Ser_Slave_Network->y(), Window->L_BACnet_IP_Slave_IP->y() + 7 * 28);
  EXPECT_EQ(Window->CB_BACnet_Slave_Desc_32_Chars->y(), Window->L_BACnet_Ser_Slave_Network->y() + 28);

  Window->CB_BACnet_Slave_Type->setCurrentIndex(0);
  Window->RePosition_Object_BACnet_Slave();
  EXPECT_TRUE(Window->L_BACnet_Ser_Slave_Network->isHidden());
  EXPECT_FALSE(Window->E_BACnet_IP_Slave_Dev_Ide->isHidden());
  EXPECT_EQ(Window->CB_BACnet_Slave_Desc_32_Chars->y(), Window->L_BACnet_IP_Slave_Dev_Ide->y() + 28);
}

TEST_F(ParGenRelayout, TlsShowsWhatItsSwitchesAskFor) {
  Window->CB_TLS_Enable->setChecked(false);
  Window->RePosition_Object_TLS();
  EXPECT_TRUE(Window->CB_TLS_En_Server_Auth->isHidden());
  EXPECT_TRUE(Window->RE_TLS_Client_Key->isHidden());
  EXPECT_EQ(Window->CP_TLS->Panel_Height(), Window->CB_TLS_Enable->y() + Window->CB_TLS_Enable->height() + 36);

  Window->CB_TLS_Enable->setChecked(true);
  Window->CB_TLS_En_Client_Auth->setChecked(true);
  Window->RePosition_Object_TLS();
  EXPECT_TRUE(Window->L_TLS_Server_Cert->isHidden());
  EXPECT_EQ(Window->CB_TLS_En_Client_Auth->y(), Window->CB_TLS_En_Server_Auth->y() + 28);
  EXPECT_EQ(Window->L_TLS_Client_Cert->y(), Window->CB_TLS_En_Client_Auth->y() + 28);
  EXPECT_EQ(Window->E_TLS_Client_Key_Password->y(), Window->L_TLS_Client_Key_Password->y() - 3);
  EXPECT_EQ(Window->CP_TLS->Panel_Height(),
            Window->E_TLS_Client_Key_Password->y() + Window->E_TLS_Client_Key_Password->height() + 36);
}

TEST_F(ParGenRelayout, MqttModelOpensThePanelOfTheChosenDevice) {
  struct TCase {
    int Device;
    bool WiFi_Open;
    bool Gsm_Open;
  };
  for (const TCase& c : {TCase{1, true, false}, TCase{2, false, true}, TCase{0, false, false}}) {
    Window->CB_Select_Device_Device->setCurrentIndex(c.Device);
    Window->Device_Choice_Tarn19();
    EXPECT_EQ(Window->CP_WiFi2->Collapsed(), !c.WiFi_Open) << c.Device;
    EXPECT_EQ(Window->CP_WiFi2->isEnabled(), c.WiFi_Open) << c.Device;
    EXPECT_EQ(Window->CP_GSM_GPRS->Collapsed(), !c.Gsm_Open) << c.Device;
    EXPECT_EQ(Window->CP_GSM_GPRS->isEnabled(), c.Gsm_Open) << c.Device;
  }
}

TEST_F(ParGenRelayout, OtherModelsStackTheirPanelsInTheirOrder) {
  auto window = std::make_unique<TFParGen>();
  window->Ensure_Built();
  for (TCategoryPanel* p : window->CPG->Panels()) p->setVisible(false);
  ASSERT_TRUE(window->Order_TAB_Panels_For(QStringLiteral("Tarn19")));
  const std::vector<TCategoryPanel*> expected{window->CP_Select_Device, window->CP_Ethernet_Connection,
                                              window->CP_OPC_UA_Client, window->CP_MQTT,
                                              window->CP_Ethernet,      window->CP_TLS,
                                              window->CP_NTP,           window->CP_WiFi2,
                                              window->CP_GSM_GPRS};
  EXPECT_EQ(window->CPG->Visible_Panels(), expected);
  EXPECT_EQ(window->CP_Select_Device->Caption(), u"1. Select Device");
  EXPECT_EQ(window->CP_WiFi2->Caption(), u"8. 5. Wi-Fi");
  int32_t top = 0;
  for (TCategoryPanel* p : expected) {
    EXPECT_EQ(p->y(), top);
    top += p->height();
  }
}
