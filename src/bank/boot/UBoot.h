#pragma once
// The update window: the device's address, what to update and whether to read
// it back; its update button pings the device, writes the update recipe and
// runs the external updater.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <cstdint>
#include <initializer_list>

#include "TOctetBox.h"
#include "UDialogFrame.h"
#include "UPing.h"
#include "UPing_Loop.h"
#include "UXml.h"

// Form_Type values: the main window always opens the window for Ethernet.
enum TBoot_Form_Type : int32_t { ftSerial = 0, ftEthernet = 1 };

class TFBoot : public TFDialogFrame {
  Q_OBJECT

 public:
  static constexpr int Client_Width = 449;
  static constexpr int IP_Address_Height = 49;
  static constexpr int Serial_Height = 51;
  static constexpr int Eth_Search_Height = 184;
  static constexpr int Options_Height = 72;

  explicit TFBoot(QWidget* parent = nullptr);

  void Set_Lang() override;
  void Btn_UpdateClick();
  // True when the device answered with data; ping_res tells a silent device
  // from an echo that never went out.
  bool Send_Ping();
  void PingReply(int32_t bytes_received);
  // Writes Ethernet_Update.xml next to the program; raises Exception when it
  // cannot be saved.
  void Compile_XML_Parameter_New_Boot();
  void update_ComPort();
  void Btn_COM_ListClick() { update_ComPort(); }
  // The four address fields joined with ".", as typed.
  QString IP_Address_Text() const;

  QFrame* P_IP_Address;
  QLabel* L_IP_Address;
  TOctetBox* E_IP1;
  TOctetBox* E_IP2;
  TOctetBox* E_IP3;
  TOctetBox* E_IP4;
  QFrame* P_Serial;
  QLabel* L_COM_Port;
  QComboBox* CB_COM_Port;
  TLbButton* Btn_COM_List;
  QFrame* P_Eth_Search;
  QLabel* L_List_Device;
  TLbButton* Btn_Search;
  // Holds the place of the device table; the search panel is never shown.
  QFrame* ACG_List_Devices;
  QCheckBox* CB_Find_All_Quorvane;
  QFrame* P_Options;
  QLabel* L_Update_Option;
  QComboBox* CB_Update_Options;
  QCheckBox* CB_Update_Option_Read_Back;
  TLbButton* Btn_Update;

  TIcmpClient Ping;
  TXmlDocument XML1;
  // The ping's clock, sleep and event processing; tests put a simulated clock
  // here.
  TPing_Pacing Pacing;
  int32_t Form_Type = ftSerial;
  // prNone, prData or prNo_Data: what the last reply event of the ping said.
  int32_t ping_res = prNone;
  // Why no echo could be sent at all when this user may send none (empty otherwise); set by Send_Ping.
  QString Ping_Unavailable_Cause;

  // Texts of our own in the window's block: no permission to ping, updater not started.
  static constexpr int32_t Msg_Ping_Not_Permitted = 1038;
  static constexpr int32_t Msg_Updater_Not_Started = 1039;

  void done(int result) override;

 protected:
  void FormShow() override;

 private:
  void Create_Address_Panel();
  void Create_Serial_Panel();
  void Create_Search_Panel();
  void Create_Options_Panel();
  void Show_Panels(std::initializer_list<QFrame*> top_down);
  void Set_Tab_Order(std::initializer_list<QWidget*> panels);
  void Restore_Choices();
  void Remember_Choices();
  void Run_Ethernet_Update();

  // Set while a ping or the updater runs: a second click must not start a
  // second one.
  bool FBusy = false;
  // The window was closed while the ping ran: the user gave the update up.
  bool FClosed_While_Busy = false;
};

inline TFBoot* FBoot = nullptr;
