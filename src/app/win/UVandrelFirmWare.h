#pragma once
// The main window: the numbered workflow of the model, the dispatcher of every button, the program-wide state
// prepared at start and the settings written on close.
#include <QLabel>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "LbButton.h"
#include "UDialogFrame.h"
#include "UDialogs.h"

class TFVandrelFirmWare : public QWidget {
  Q_OBJECT

 public:
  explicit TFVandrelFirmWare(QWidget* parent = nullptr);

  static constexpr int Client_Width = 694;
  static constexpr int Client_Height = 396;
  static constexpr int First_Check_Interval_Ms = 60000;
  static constexpr int Check_Interval_Ms = 7200000;
  // A text of our own in the window's block: step 4 found the configuration's folder gone.
  static constexpr int Msg_Configuration_Folder_Missing = 58;

  QLabel* L_SW_Code;
  QLabel* L_SW_Desc;
  QLabel* LL_Update;
  TLbButton* Btn_Info;
  TLbButton* Btn_Opz;
  TLbButton* Btn_Close;
  QTimer* Timer_Update;
  QLabel* L_Begin;
  QLabel* L_Name_Conf;
  QLabel* L_Name_Conf_L2;
  QWidget* Shape2;
  QLabel* L_Step_1;
  QLabel* L_Step_2;
  QLabel* L_Step_3;
  QLabel* L_Step_4;
  QLabel* L_Step_5;
  QLabel* L_Step_6;
  QLabel* L_Step_7;
  QLabel* L_Step_8;
  QWidget* Shape1;
  TLbButton* Btn_CreateBin;
  QLabel* L_Quorvane;
  TLbButton* Btn_New;
  TLbButton* Btn_Open;
  TLbButton* Btn_Prm_Gen;
  TLbButton* Btn_OPC_UA_Client_Access;
  // The other models' table windows and exporters; hidden for this model, still routed.
  TLbButton* Btn_BACnet_SetAccess;
  TLbButton* Btn_BACnet_EDE_File;
  TLbButton* Btn_PROFINET_XML;
  TLbButton* Btn_CAN_Rec_Frame;
  TLbButton* Btn_CAN_Send_Frame;
  TLbButton* Btn_SDO_Server_CANopen;
  TLbButton* Btn_SDO_Client_CANopen;
  TLbButton* Btn_PDO_CANopen;
  TLbButton* Btn_CANopen_EDS;
  TLbButton* Btn_DMX_Default;
  TLbButton* Btn_SNMP_Trap;
  TLbButton* Btn_SNMP_MIB;
  TLbButton* Btn_KNX_Access;
  TLbButton* Btn_MQTT_Set_Topic;
  TLbButton* Btn_PROFIBUS_GSD;
  TFileDialogRequest SD1;
  TFileDialogRequest SaveEDS;
  TFileDialogRequest SaveMIB;

  // The fixed title bar text; never taken from the string table.
  static QString Title_Text();

  void Btn_Click(TLbButton* sender);
  void Set_Lang();
  // Re-applies the texts of every window that follows a language change.
  void Change_Language();
  void Set_Files();
  void Open_Project();
  void Create_New_Project();
  void Update_Device();
  // Writes Vandrel.xml; a failure is reported and changes nothing else.
  void Save_Setting();
  void Start_Program(const QString& NomeSW, const QString& Parameter, uint8_t tipo);
  void Timer_UpdateTimer();
  void LL_UpdateLinkClick(const QString& link);
  void L_QuorvaneClick();
  void BACnet_EDE_File();
  void Build_EDS_File();
  void PROFINET_XML();
  int32_t Get_Type_BACnet();
  // Runs the version check timer exactly while both internet options are on; a running timer keeps its count.
  void Enable_Timer_Update(bool enabled);
  void Apply_Internet_Options();

  // Every button of the window, in declaration order.
  std::vector<TLbButton*> Buttons() const;
  std::vector<QLabel*> Step_Labels() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  static bool Internet_Check_Wanted();
  void Create_Controls();
  // Opens a window whose result the dispatcher does not look at.
  static void Show_Window(TFDialogFrame* window);
  void Lay_Out_For_Tarn10();
  void Show_Configuration_Lines();
  TLbButton* New_Button(TLbButtonStyle style, TColor hot_track, bool step_button);
  bool FCentred = false;
};

inline TFVandrelFirmWare* FVandrelFirmWare = nullptr;
