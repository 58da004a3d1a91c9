// Panels of the MQTT model's broker, secure link and mobile connection.
#include <QLineEdit>

#include "TCategoryPanel.h"
#include "UParGen.h"

void TFParGen::Build_Panels_MQTT_TLS() {
  CP_MQTT = New_Panel(QStringLiteral("MQTT "));
  {
    TParGenRowBuilder b(CP_MQTT, 578, FBook);
    b.Text(L_MQTT_Server_URL, E_MQTT_Server_URL, QStringLiteral("Server URL"));
    b.Text(L_MQTT_Server_Port, E_MQTT_Server_Port, QStringLiteral("Server Port"), QStringLiteral("1883"));
    b.Text(L_MQTT_Client_ID, E_MQTT_Client_ID, QStringLiteral("Client ID"));
    b.Text(L_MQTT_Keep_Alive, E_MQTT_Keep_Alive, QStringLiteral("Keep Alive (seconds)"));
    b.Check(CB_MQTT_Clean_Session, QStringLiteral("Clean Session"));
    b.Check(CB_MQTT_WillFlag, QStringLiteral("Will Flag"));
    b.Text(L_MQTT_Topic_Will, E_MQTT_Topic_Will, QStringLiteral("Topic Name Will"));
    b.Text(L_MQTT_Message_Will, E_MQTT_Message_Will, QStringLiteral("Message Will"));
    b.Check(CB_MQTT_Will_Retained, QStringLiteral("Retained Will"));
    b.List(L_MQTT_QoS_Will, CB_MQTT_QoS_Will, QStringLiteral("QoS Will"),
           {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")}, 0);
    b.Text(L_MQTT_Username, E_MQTT_Username, QStringLiteral("Username"));
    b.Rich(L_MQTT_Password, RE_MQTT_Password, QStringLiteral("Password"));
    b.Text(L_MQTT_Send_Time, E_MQTT_Send_Time, QStringLiteral("Send Time (seconds)"));
    b.Loose_Text(E_MQTT_Hidden, TParGenRowBuilder::Input_Left, b.Top(), TParGenRowBuilder::Input_Width);
    E_MQTT_Hidden->setVisible(false);
    b.Finish();
  }
  CP_MQTT->OnExpand = [this] { CP_Expand(); };

  CP_TLS = New_Panel(QStringLiteral("TLS (Transport Layer Security)"));
  {
    TParGenRowBuilder b(CP_TLS, 704, FBook);
    b.Check(CB_TLS_Enable, QStringLiteral("Enable TLS"));
    b.Check(CB_TLS_En_Server_Auth, QStringLiteral("Server Authentication"));
    b.Rich(L_TLS_Server_Cert, RE_TLS_Server_Cert, QStringLiteral("Server Certificate"));
    b.Check(CB_TLS_En_Client_Auth, QStringLiteral("Client Authentication"));
    b.Rich(L_TLS_Client_Cert, RE_TLS_Client_Cert, QStringLiteral("Client Certificate"));
    b.Rich(L_TLS_Client_Key, RE_TLS_Client_Key, QStringLiteral("Client Key"));
    b.Text(L_TLS_Client_Key_Password, E_TLS_Client_Key_Password, QStringLiteral("Client Key Password"));
    b.Finish();
  }

  CP_GSM_GPRS = New_Panel(QStringLiteral("GSM / GPRS / LTE"));
  {
    TParGenRowBuilder b(CP_GSM_GPRS, 3402, FBook);
    b.Text(L_GSM_GPRS_PIN, E_GSM_GPRS_PIN, QStringLiteral("PIN"), QStringLiteral("0"), 8);
    b.Text(L_GSM_GPRS_APN, E_GSM_GPRS_APN, QStringLiteral("APN"), QStringLiteral("internet"));
    b.List(L_GSM_GPRS_Auth_Type, CB_GSM_GPRS_Auth_Type, QStringLiteral("Authentication Type"),
           {QStringLiteral("None"), QStringLiteral("PAP"), QStringLiteral("CHAP"), QStringLiteral("PAP or CHAP")}, 0);
    b.Text(L_GSM_GPRS_Username, E_GSM_GPRS_Username, QStringLiteral("Username"), QString(), 32);
    b.Text(L_GSM_GPRS_Password, E_GSM_GPRS_Password, QStringLiteral("Password"), QString(), 32);
    b.Finish();
  }
}
