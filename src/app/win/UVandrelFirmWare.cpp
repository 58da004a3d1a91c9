#include "UVandrelFirmWare.h"

#include <algorithm>

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>

#include "UAbout.h"
#include "UBACnetSlaveSetAccess.h"
#include "UBanks.h"
#include "UBoot.h"
#include "UCheck_Version.h"
#include "UClick_Filter.h"
#include "UDMXDefVal.h"
#include "UExport_Entries.h"
#include "UGlobals.h"
#include "UKNXAccess.h"
#include "ULang.h"
#include "UMQTT_Set_Topic.h"
#include "UMain_Glyphs.h"
#include "UNew_Project.h"
#include "UOPC_UA_Client_Access.h"
#include "UOpenConf.h"
#include "UOpen_Link.h"
#include "UParGen.h"
#include "UProfinetFileName.h"
#include "UReceiveCAN.h"
#include "USNMP_Trap_Access.h"
#include "USet_PDO_Access.h"
#include "USet_SDO_Client_Access.h"
#include "USet_SDO_Server_Access.h"
#include "USettings.h"
#include "USoftOptions.h"
#include "UStart_Program.h"
#include "UStrUtils.h"
#include "USysColors.h"
#include "UTransmitCAN.h"
#include "UWindow_Look.h"
#include "UWindows.h"
#include "UWorkspace.h"
#include "UXml.h"

namespace {

constexpr TColor Sky_Blue = 0xF0CAA6;
constexpr int Step_Button_Width = 170;
constexpr int Step_Button_Height = 36;

TFont Window_Font() {
  TFont f;
  f.Name = QStringLiteral("Verdana");
  f.SetSize(8);
  f.Color = clBlack;
  return f;
}

void Set_Label_Text(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
}

// A frame drawn with a pen only (Shape2) or a filled bar (Shape1), as plain styled widgets.
QWidget* Shape(QWidget* parent, const QRect& geometry, const QString& style) {
  auto* w = new QWidget(parent);
  w->setAttribute(Qt::WA_StyledBackground);
  w->setObjectName(QStringLiteral("shape"));
  w->setStyleSheet(QStringLiteral("#shape { %1 }").arg(style));
  w->setGeometry(geometry);
  return w;
}

}  // namespace

// The program-wide state (settings, string table, paths) is ready before any window exists: the start-up prepares
// it. The window only shows it.
TFVandrelFirmWare::TFVandrelFirmWare(QWidget* parent) : QWidget(parent) {
  Create_Controls();
  Lay_Out_For_Tarn10();
  setWindowTitle(Title_Text());
  Set_Label_Text(L_SW_Code, SW_Code);
  Set_Label_Text(L_SW_Desc, SW_Desc);
  Apply_Internet_Options();
  Set_Lang();
}

QString TFVandrelFirmWare::Title_Text() {
  return QStringLiteral("Quorvane - Configurator SWTarn10 - OCP UA Client / Modbus TCP Slave ");
}

bool TFVandrelFirmWare::Internet_Check_Wanted() {
  return enable_internet && enable_update;
}

TLbButton* TFVandrelFirmWare::New_Button(TLbButtonStyle style, TColor hot_track, bool step_button) {
  auto* b = new TLbButton(this);
  b->SetFont(Window_Font());
  b->SetColor(Window_Color);
  b->SetColorWhenDown(Button_Pressed_Color);
  b->SetStyle(style);
  b->SetHotTrackColor(hot_track);
  if (step_button) {
    b->SetAlignment(taLeftJustify);
    b->resize(Step_Button_Width, Step_Button_Height);
  }
  b->OnClick = [this, b] { Btn_Click(b); };
  return b;
}

void TFVandrelFirmWare::Create_Controls() {
  setFont(ToQFont(Window_Font()));
  Set_Background(this, Window_Color);

  L_SW_Code = Grey_Label(this, 16, 8, Verdana(32, false));
  L_SW_Desc = Grey_Label(this, 16, 42, Verdana(11, true));
  LL_Update = new QLabel(this);
  LL_Update->setTextFormat(Qt::RichText);
  LL_Update->move(208, 19);
  LL_Update->setVisible(false);
  connect(LL_Update, &QLabel::linkActivated, this, [this](const QString& link) { LL_UpdateLinkClick(link); });

  Btn_Info = New_Button(bsNormal, clYellow, false);
  Btn_Opz = New_Button(bsNormal, clYellow, false);
  Btn_Close = New_Button(bsNormal, clYellow, false);
  Btn_Info->setGeometry(516, 8, 50, 50);
  Btn_Opz->setGeometry(574, 8, 50, 50);
  Btn_Close->setGeometry(632, 8, 50, 50);
  Btn_Info->SetGlyph(Info_Glyph());
  Btn_Opz->SetGlyph(Options_Glyph());
  Btn_Close->SetGlyph(Close_Glyph());
  for (TLbButton* b : {Btn_Info, Btn_Opz, Btn_Close}) b->SetNumGlyphs(1);

  Timer_Update = new QTimer(this);
  Timer_Update->setInterval(First_Check_Interval_Ms);
  connect(Timer_Update, &QTimer::timeout, this, [this] { Timer_UpdateTimer(); });

  L_Begin = Grey_Label(this, 16, 84, Verdana(11, true));
  Shape2 = Shape(this, QRect(80, 70, 348, 36), QStringLiteral("border: 1px solid #c0c0c0; background: transparent;"));
  L_Name_Conf = new QLabel(this);
  L_Name_Conf->move(87, 75);
  L_Name_Conf_L2 = new QLabel(this);
  L_Name_Conf_L2->move(87, 88);

  QLabel** steps[] = {&L_Step_1, &L_Step_2, &L_Step_3, &L_Step_4, &L_Step_5, &L_Step_6, &L_Step_7, &L_Step_8};
  const int step_tops[] = {128, 172, 216, 260, 304, 348, 392, 436};
  for (int i = 0; i < 8; ++i) *steps[i] = Grey_Label(this, 16, step_tops[i], Verdana(11, true));
  Shape1 = Shape(this, QRect(10, 295, 674, 1), QStringLiteral("background: black;"));

  Btn_CreateBin = New_Button(bsEncarta, Sky_Blue, true);
  L_Quorvane = new QLabel(this);
  L_Quorvane->setFont(Verdana(11, true));
  Set_Text_Color(L_Quorvane, clGray);
  On_Left_Click(L_Quorvane, [this] { L_QuorvaneClick(); });
  // The host without its "www." prefix fits the room right of step 4.
  Set_Label_Text(L_Quorvane, QString(Maker_Host).remove(QRegularExpression(QStringLiteral("^www\\."))));
  Btn_New = New_Button(bsEncarta, Sky_Blue, true);
  Btn_Open = New_Button(bsEncarta, Sky_Blue, true);
  Btn_Prm_Gen = New_Button(bsNormal, clYellow, true);
  Btn_OPC_UA_Client_Access = New_Button(bsEncarta, clYellow, true);

  TLbButton** hidden[] = {&Btn_BACnet_SetAccess, &Btn_BACnet_EDE_File,    &Btn_PROFINET_XML,       &Btn_CAN_Rec_Frame,
                          &Btn_CAN_Send_Frame,   &Btn_SDO_Server_CANopen, &Btn_SDO_Client_CANopen, &Btn_PDO_CANopen,
                          &Btn_CANopen_EDS,      &Btn_DMX_Default,        &Btn_SNMP_Trap,          &Btn_SNMP_MIB,
                          &Btn_KNX_Access,       &Btn_MQTT_Set_Topic,     &Btn_PROFIBUS_GSD};
  for (TLbButton** b : hidden) *b = New_Button(bsEncarta, clYellow, true);
  Btn_BACnet_SetAccess->SetCaption(QStringLiteral("Set BACnet Access"));
  Btn_BACnet_EDE_File->SetCaption(QStringLiteral("BACnet EDE File"));

  SD1.Save = true;
  SD1.Filter = QStringLiteral("CSV (MS-DOS) (*.csv)|*.csv");
  SaveEDS.Save = true;
  SaveEDS.Filter = QStringLiteral("Electronic Data Sheet (*.eds)|*.eds");
  SaveEDS.DefaultExt = QStringLiteral("*.eds");
  SaveMIB.Save = true;
  SaveMIB.Filter = QStringLiteral("Management Information Base (*.mib)|*.mib");
  SaveMIB.DefaultExt = QStringLiteral("*.mib");
}

void TFVandrelFirmWare::Lay_Out_For_Tarn10() {
  for (QLabel* step : Step_Labels()) step->setVisible(false);
  L_Quorvane->setVisible(false);
  const std::vector<TLbButton*> all = Buttons();
  for (auto it = std::find(all.begin(), all.end(), Btn_OPC_UA_Client_Access); it != all.end(); ++it) {
    (*it)->setVisible(false);
  }
  Btn_New->move(80, 112);
  Btn_Open->move(258, 112);
  Btn_Prm_Gen->move(80, 156);

  for (QLabel* step : {L_Step_1, L_Step_2, L_Step_3, L_Step_4}) step->setVisible(true);
  L_Quorvane->move(565, L_Step_4->y());
  L_Quorvane->setVisible(true);
  Btn_OPC_UA_Client_Access->move(80, 200);
  Btn_OPC_UA_Client_Access->setVisible(true);
  Btn_CreateBin->move(80, 244);
  Btn_CreateBin->setVisible(true);
  Shape1->setGeometry(10, Btn_CreateBin->y() + 51, 674, 1);
  setFixedSize(Client_Width, Btn_CreateBin->y() + 152);
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
}

std::vector<TLbButton*> TFVandrelFirmWare::Buttons() const {
  return {Btn_Info,
          Btn_Opz,
          Btn_Close,
          Btn_CreateBin,
          Btn_New,
          Btn_Open,
          Btn_Prm_Gen,
          Btn_OPC_UA_Client_Access,
          Btn_BACnet_SetAccess,
          Btn_BACnet_EDE_File,
          Btn_PROFINET_XML,
          Btn_CAN_Rec_Frame,
          Btn_CAN_Send_Frame,
          Btn_SDO_Server_CANopen,
          Btn_SDO_Client_CANopen,
          Btn_PDO_CANopen,
          Btn_CANopen_EDS,
          Btn_DMX_Default,
          Btn_SNMP_Trap,
          Btn_SNMP_MIB,
          Btn_KNX_Access,
          Btn_MQTT_Set_Topic,
          Btn_PROFIBUS_GSD};
}

std::vector<QLabel*> TFVandrelFirmWare::Step_Labels() const {
  return {L_Step_1, L_Step_2, L_Step_3, L_Step_4, L_Step_5, L_Step_6, L_Step_7, L_Step_8};
}

void TFVandrelFirmWare::Show_Configuration_Lines() {
  if (!Path_Project.isEmpty()) {
    Set_Label_Text(L_Name_Conf, Lang_Table[11]);
    Set_Label_Text(L_Name_Conf_L2, Name_Project);
  } else {
    Set_Label_Text(L_Name_Conf, Lang_Table[9]);
    Set_Label_Text(L_Name_Conf_L2, Lang_Table[10]);
  }
}

void TFVandrelFirmWare::Set_Lang() {
  Set_Label_Text(L_Begin, Lang_Table[0]);
  const std::vector<QLabel*> steps = Step_Labels();
  for (int i = 0; i < 8; ++i) Set_Label_Text(steps[static_cast<size_t>(i)], Lang_Table[i + 1]);
  Btn_Info->SetHint(Lang_Table[12]);
  Btn_Opz->SetHint(Lang_Table[13]);
  Btn_Close->SetHint(Lang_Table[14]);
  Btn_New->SetCaption(Lang_Table[15]);
  Btn_Open->SetCaption(Lang_Table[16]);
  Btn_CreateBin->SetCaption(Lang_Table[17]);
  Btn_Prm_Gen->SetCaption(Lang_Table[20]);
  Btn_OPC_UA_Client_Access->SetCaption(Lang_Table[21]);
  Show_Configuration_Lines();
  Btn_New->SetHint(Lang_Table[22]);
  Btn_Open->SetHint(Lang_Table[23]);
  Btn_Prm_Gen->SetHint(Lang_Table[24]);
  Btn_OPC_UA_Client_Access->SetHint(Lang_Table[25]);
  Btn_CreateBin->SetHint(Lang_Table[26]);
  const std::pair<TLbButton*, int> hidden[] = {
      {Btn_PROFINET_XML, 28},       {Btn_CAN_Rec_Frame, 30}, {Btn_CAN_Send_Frame, 32}, {Btn_SDO_Server_CANopen, 38},
      {Btn_SDO_Client_CANopen, 40}, {Btn_PDO_CANopen, 42},   {Btn_CANopen_EDS, 44},    {Btn_DMX_Default, 46},
      {Btn_KNX_Access, 48},         {Btn_SNMP_Trap, 50},     {Btn_SNMP_MIB, 52},       {Btn_MQTT_Set_Topic, 54},
      {Btn_PROFIBUS_GSD, 56}};
  for (const auto& [button, id] : hidden) {
    button->SetCaption(Lang_Table[id]);
    button->SetHint(Lang_Table[id + 1]);
  }
}

void TFVandrelFirmWare::Btn_Click(TLbButton* sender) {
  if (sender == Btn_New) return Create_New_Project();
  if (sender == Btn_Open) return Open_Project();
  if (sender == Btn_Close) {
    close();
    return;
  }
  if (sender == Btn_Info) return Show_Window(FAbout);
  if (sender == Btn_Opz) {
    if (FSoftOptions->ShowModal() == mrOk) {
      Save_Setting();
      Apply_Internet_Options();
    }
    return;
  }
  if (Path_Project.isEmpty()) {
    MessageDlg(Lang_Table[18], mtError, mbOK);
    return;
  }
  if (sender == Btn_Prm_Gen) return Show_Window(FParGen);
  if (sender == Btn_OPC_UA_Client_Access) return Show_Window(FOPC_UA_Client_Access);
  if (sender == Btn_BACnet_SetAccess) return Show_Window(FBACnetSlaveSetAccess);
  if (sender == Btn_BACnet_EDE_File) return BACnet_EDE_File();
  if (sender == Btn_CAN_Rec_Frame) return Show_Window(FReceiveCAN);
  if (sender == Btn_CAN_Send_Frame) return Show_Window(FTransmitCAN);
  if (sender == Btn_PDO_CANopen) return Show_Window(FSet_PDO_Access);
  if (sender == Btn_SDO_Client_CANopen) return Show_Window(FSet_SDO_Client_Access);
  if (sender == Btn_SDO_Server_CANopen) return Show_Window(FSet_SDO_Server_Access);
  if (sender == Btn_CANopen_EDS) return Build_EDS_File();
  if (sender == Btn_DMX_Default) return Show_Window(FDMXDefVal);
  if (sender == Btn_SNMP_Trap) return Show_Window(FSNMP_Trap_Access);
  if (sender == Btn_SNMP_MIB) return Create_MIB_File();
  if (sender == Btn_KNX_Access) return Show_Window(FKNXAccess);
  if (sender == Btn_MQTT_Set_Topic) return Show_Window(FMQTT_Set_Topic);
  if (sender == Btn_PROFINET_XML) return PROFINET_XML();
  if (sender == Btn_PROFIBUS_GSD) return Create_GSD_File();
  if (sender == Btn_CreateBin) return Update_Device();
}

void TFVandrelFirmWare::Change_Language() {
  Set_Lang();
  for (TFDialogFrame* window : Language_Fan_Out()) window->Set_Lang();
}

void TFVandrelFirmWare::Set_Files() {
  Build_Topic_Paths();
}

void TFVandrelFirmWare::Create_New_Project() {
  if (FNew_Project->ShowModal() == mrOk) Show_Configuration_Lines();
}

void TFVandrelFirmWare::Open_Project() {
  if (FOpenConf->ShowModal() != mrOk) return;
  Name_Project = FOpenConf->Name_Conf;
  if (!Name_Project.isEmpty())
    Path_Project = Join_Path(Path_Projects, Name_Project);
  else
    Path_Project.clear();
  Show_Configuration_Lines();
  Set_Files();
}

void TFVandrelFirmWare::Update_Device() {
  // The folder can vanish while the configuration is open; the banks and the recipe would then name files that
  // are not there.
  if (!QFileInfo(Path_Project).isDir()) {
    MessageDlg(
        Lang_Table[Msg_Configuration_Folder_Missing] + QStringLiteral("\n") + QDir::toNativeSeparators(Path_Project),
        mtError, mbOK);
    return;
  }
  // A failed compile writes no bank file, and the update window opens only over freshly written ones.
  TBank_Result result = Build_Bank_Images();
  if (result.Success) result = Save_Bank_Files();
  if (!result.Success) {
    MessageDlg(result.Error_Text, mtError, mbOK);
    return;
  }
  FBoot->Form_Type = ftEthernet;
  FBoot->ShowModal();
}

void TFVandrelFirmWare::Show_Window(TFDialogFrame* window) {
  window->ShowModal();
}

void TFVandrelFirmWare::Save_Setting() {
  if (!Write_Settings())
    MessageDlg(QStringLiteral("The settings could not be written to %1.")
                   .arg(QDir::toNativeSeparators(Settings_File_Path())),
               mtError, mbOK);
}

void TFVandrelFirmWare::Start_Program(const QString& NomeSW, const QString& Parameter, uint8_t tipo) {
  ::Start_Program(NomeSW, Parameter, tipo);
}

void TFVandrelFirmWare::Enable_Timer_Update(bool enabled) {
  if (!enabled)
    Timer_Update->stop();
  else if (!Timer_Update->isActive())
    Timer_Update->start();
}

void TFVandrelFirmWare::Timer_UpdateTimer() {
  Timer_Update->stop();
  if (FSoftOptions->Check_Version()) {
    LL_Update->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                           .arg(Download_Page_Url().toHtmlEscaped(), Lang_Table[19].toHtmlEscaped()));
    LL_Update->adjustSize();
    LL_Update->setVisible(true);
  } else {
    LL_Update->setVisible(false);
  }
  Timer_Update->setInterval(Check_Interval_Ms);
  Timer_Update->start();
}

void TFVandrelFirmWare::LL_UpdateLinkClick(const QString& link) {
  Open_Link(link);
}

void TFVandrelFirmWare::L_QuorvaneClick() {
  Open_Link(Home_Page_Url());
}

void TFVandrelFirmWare::BACnet_EDE_File() {
  SD1.InitialDir = Path_Project;
  QString name = File_Dialog(SD1);
  if (name.isEmpty()) return;
  if (name.right(4).toUpper() != QStringLiteral(".CSV")) name += QStringLiteral(".csv");
  if (QFileInfo::exists(name) && MessageDlg(Lang_Table[1103], mtConfirmation, mbYes | mbNo | mbCancel) != mrYes)
    return;
  Create_EDE_File(name);
}

void TFVandrelFirmWare::Build_EDS_File() {
  SaveEDS.InitialDir = Path_Project;
  const QString name = File_Dialog(SaveEDS);
  if (!name.isEmpty()) Create_EDS_File(name);
}

void TFVandrelFirmWare::PROFINET_XML() {
  if (FProfinetFileName->ShowModal() == mrOk) Create_GSDML_File(FProfinetFileName->Name_File_XML);
}

int32_t TFVandrelFirmWare::Get_Type_BACnet() {
  TXmlDocument doc;
  if (!doc.Load_File(Path_ParGen)) return 0;
  return StrToIntDef(Xml_Child_Text(doc.First_Element(), "BACnet_Type", QString()), 0);
}

void TFVandrelFirmWare::closeEvent(QCloseEvent* event) {
  Save_Setting();
  QWidget::closeEvent(event);
}

void TFVandrelFirmWare::showEvent(QShowEvent* event) {
  if (!FCentred) {
    FCentred = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
      move(screen->availableGeometry().center() - rect().center());
  }
  QWidget::showEvent(event);
}

void TFVandrelFirmWare::Apply_Internet_Options() {
  Enable_Timer_Update(Internet_Check_Wanted());
}
