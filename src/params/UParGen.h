#pragma once
// The communication parameters window: a stack of collapsible category panels, one per topic, of which the
// model this program is built for shows its own, in its order. It loads ParGen.xml at every show and writes it
// whole on OK, after the field checks.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "TParGenRowBuilder.h"
#include "UDialogFrame.h"
#include "UParGenControls.h"
#include "UParGenFile.h"

class QPoint;

class TFParGen : public TFDialogFrame, public TParGenControls {
  Q_OBJECT

 public:
  // Makes the window's frame only; the panels and their thousand controls are built on the first show (or by
  // Ensure_Built), since most runs never open this window and building them is a third of the start.
  explicit TFParGen(QWidget* parent = nullptr);

  // Builds the panels and their controls, once, with the texts of the string table as it is now and the panel
  // headers in the language of the window's creation. Every control pointer is null before.
  void Ensure_Built();
  bool Built() const { return FBuilt; }

  void Set_Lang() override;

  // Shows the panels of the model this program serves, in its order, with numbered captions.
  void Order_TAB_Panels();
  // The same for a model of the family ("Tarn07" .. "Tarn23"); false for a code the family does not have.
  bool Order_TAB_Panels_For(const QString& model);

  // Re-lays out the panels of the model this program serves.
  void Move_GroupBoxs();
  bool RePosition_Objects_For(const QString& model);

  void RePosition_Object_Ethernet_Connection();
  void RePosition_Object_OPC_UA_Client();
  void RePosition_Object_Modbus_TCP_Slave();
  void RePosition_Object_NTP();
  void RePosition_Object_Select_Device();
  void RePosition_Object_Serial();
  void RePosition_Object_Modbus_Slave();
  void RePosition_Object_BACnet_Slave();
  void RePosition_Object_SNMP_Agent();
  void RePosition_Object_KNX();
  void RePosition_Object_DMX();
  void RePosition_Object_NMEA2000();
  void RePosition_Object_PROFIBUS();
  void RePosition_Object_PROFINET();
  void RePosition_Object_EtherNetIP();
  void RePosition_Object_DeviceNet_Slave();
  void RePosition_Object_J1939();
  void RePosition_Object_CANopen();
  void RePosition_Object_CAN();
  void RePosition_Object_MQTT();
  void RePosition_Object_Ethernet();
  void RePosition_Object_TLS();
  void RePosition_Object_WiFi();
  void RePosition_Object_WiFi2();
  void RePosition_Object_GSM_GPRS();
  // The last step of the MQTT model: open the Wi-Fi or the mobile panel by the device chosen, fold the other.
  void Device_Choice_Tarn19();

  void On_Change(QObject* sender);
  void On_Click(QObject* sender);
  void CP_Expand();

  // Loads ParGen.xml into the fields (each missing element gives its field's default) and re-lays out.
  void FormShow() override;
  // Checks the fields, writes ParGen.xml and closes with OK; stays open when a check or the write fails.
  void Btn_OKClick() override;
  bool Controllo_Dati();
  static bool Check_Device_Name(const QString& text);

  // True (handled) when the point lies over the panel group, which then scrolls by the desktop's wheel lines.
  bool FormMouseWheel(int32_t wheel_delta, const QPoint& global_pos);

  // The fields that ParGen.xml holds, in the file's order.
  TParGenValues Field_Values() const;
  void Set_Field_Values(const TParGenValues& values);

  // The texts Set_Lang applies, in ID order.
  const std::vector<TLangEntry>& Lang_Entries() const { return FBook.Lang; }

  // Set by every change and click handler, cleared by loading; nothing reads it.
  bool Is_Change = false;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Build_Group();
  TCategoryPanel* New_Panel(const QString& caption);
  void Build_Panels_Tarn10();
  void Build_Panels_Serial();
  void Build_Panels_Fieldbus();
  void Build_Panels_IP();
  void Build_Panels_MQTT_TLS();
  void Build_Panels_WiFi();
  void Link_Octet_Chains();
  void Collect_Fields();
  void Place_Group();

  // Re-layout helpers.
  void Set_Height_From(TCategoryPanel* panel, const QWidget* last);
  const TParRow& Row(const QWidget* head) const;
  void Show_Row(const QWidget* head);
  void Hide_Row(const QWidget* head);
  void Show_Rows(std::initializer_list<const QWidget*> heads);
  void Hide_Rows(std::initializer_list<const QWidget*> heads);
  // Places a row with its head at y; the inputs and "." labels keep their offsets from the head.
  void Place_Row(const QWidget* head, int32_t y, int32_t input_offset = -3, int32_t dot_offset = 0);
  void Place_Rows(std::initializer_list<const QWidget*> heads, int32_t& y);
  void Set_Address_Block(const std::vector<QWidget*>& block, bool enabled);
  bool Cable_DHCP() const;

  TParGenBook FBook;
  std::array<QWidget*, ParGen_Field_Count> FFields{};
  bool FBuilt = false;
  // The string table when the window was created: the panel headers keep its texts.
  QStringList FCreation_Texts;
};

inline TFParGen* FParGen = nullptr;
