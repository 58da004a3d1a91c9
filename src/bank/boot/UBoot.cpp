#include "UBoot.h"

#include <QDir>
#include <QPointer>
#include <vector>

#include "LbButtonGlyphs.h"
#include "UDialogs.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UStart_Program.h"
#include "UUpdate_Recipe.h"
#include "UValidators.h"
#include "UWorker.h"

namespace {
constexpr int Margin = 16;
constexpr int Octet_Width = 40;
constexpr int Octet_Step = 52;
constexpr int Row_Height = 21;
constexpr int Update_Button_Width = 170;

QFrame* New_Panel(QWidget* parent, const char* name, int top, int height) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setGeometry(0, top, TFBoot::Client_Width, height);
  return panel;
}

QLabel* New_Label(QWidget* parent, int x, int y, const QString& text = QString()) {
  auto* label = new QLabel(text, parent);
  label->move(x, y);
  return label;
}

void Set_Label_Text(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
}

void Set_Check_Text(QCheckBox* box, const QString& text) {
  box->setText(text);
  box->adjustSize();
}

// Marks the guard's flag for the lifetime of one update click and keeps the
// update button disabled meanwhile. The address fields stay read-only too: the
// ping lets the window take input, and the recipe and the remembered address
// must name the address that answered, not one typed during the ping.
class TBusy_Scope {
 public:
  TBusy_Scope(bool& busy, QWidget* button, std::initializer_list<QLineEdit*> fields)
      : FBusy(busy), FButton(button), FFields(fields) {
    FBusy = true;
    FButton->setEnabled(false);
    for (QLineEdit* field : FFields) field->setReadOnly(true);
  }
  ~TBusy_Scope() {
    for (QLineEdit* field : FFields) field->setReadOnly(false);
    FButton->setEnabled(true);
    FBusy = false;
  }
  TBusy_Scope(const TBusy_Scope&) = delete;
  TBusy_Scope& operator=(const TBusy_Scope&) = delete;

 private:
  bool& FBusy;
  QWidget* FButton;
  std::vector<QLineEdit*> FFields;
};
}  // namespace

TFBoot::TFBoot(QWidget* parent)
    : TFDialogFrame(Client_Width, Title_Height + IP_Address_Height + Options_Height + Button_Panel_Height, parent) {
  Create_Address_Panel();
  Create_Serial_Panel();
  Create_Search_Panel();
  Create_Options_Panel();

  Btn_OK->setVisible(false);
  Btn_Update = new TLbButton(P_Button);
  Apply_Frame_Button_Look(Btn_Update);
  // Wider than the frame's buttons: its caption is long. Its right edge stays where the OK button's is.
  Btn_Update->resize(Update_Button_Width, Btn_OK->height());
  Btn_Update->move(Btn_OK->x() + Btn_OK->width() - Update_Button_Width, Btn_OK->y());
  Btn_Update->OnClick = [this] { Btn_UpdateClick(); };

  Ping.SetReceiveTimeout(Ping_Attempt_Wait_Ms);
  Ping.SetPacketSize(1024);
  Ping.OnReply = [this](int32_t bytes_received) { PingReply(bytes_received); };
  Pacing = Real_Ping_Pacing();
  Set_Lang();
}

void TFBoot::Create_Address_Panel() {
  P_IP_Address = New_Panel(this, "P_IP_Address", Title_Height, IP_Address_Height);
  L_IP_Address = New_Label(P_IP_Address, Margin, 4);
  TOctetBox** fields[] = {&E_IP1, &E_IP2, &E_IP3, &E_IP4};
  for (int i = 0; i < 4; ++i) {
    TOctetBox* box = new TOctetBox(P_IP_Address);
    box->setGeometry(Margin + i * Octet_Step, 22, Octet_Width, Row_Height);
    box->setText(QStringLiteral("0"));
    *fields[i] = box;
    if (i < 3) New_Label(P_IP_Address, Margin + i * Octet_Step + Octet_Width + 4, 26, QStringLiteral("."));
  }
  TOctetBox::Link_Chain({E_IP1, E_IP2, E_IP3, E_IP4});
}

void TFBoot::Create_Serial_Panel() {
  P_Serial = New_Panel(this, "P_Serial", Title_Height, Serial_Height);
  L_COM_Port = New_Label(P_Serial, Margin, 4);
  CB_COM_Port = new QComboBox(P_Serial);
  CB_COM_Port->setGeometry(Margin, 22, 150, Row_Height);
  CB_COM_Port->addItem(QStringLiteral("COM1"));
  CB_COM_Port->setCurrentIndex(0);
  Btn_COM_List = new TLbButton(P_Serial);
  Apply_Frame_Button_Look(Btn_COM_List);
  Btn_COM_List->setGeometry(Margin + 156, 20, 25, 25);
  Btn_COM_List->SetCaption(QString());
  // The curved arrows of a retry say "read the list again" without a caption.
  Btn_COM_List->SetGlyph(Kind_Glyph(bkRetry));
  Btn_COM_List->OnClick = [this] { Btn_COM_ListClick(); };
  P_Serial->setVisible(false);
}

void TFBoot::Create_Search_Panel() {
  P_Eth_Search = New_Panel(this, "P_Eth_Search", Title_Height + IP_Address_Height, Eth_Search_Height);
  L_List_Device = New_Label(P_Eth_Search, Margin, 6);
  Btn_Search = new TLbButton(P_Eth_Search);
  Apply_Frame_Button_Look(Btn_Search);
  Btn_Search->move(Client_Width - Margin - Btn_Search->width(), 2);
  ACG_List_Devices = new QFrame(P_Eth_Search);
  ACG_List_Devices->setObjectName(QStringLiteral("ACG_List_Devices"));
  ACG_List_Devices->setFrameShape(QFrame::Box);
  ACG_List_Devices->setGeometry(Margin, 34, 2 * 180 + 4, 122);
  CB_Find_All_Quorvane = new QCheckBox(P_Eth_Search);
  CB_Find_All_Quorvane->move(Margin, 160);
  CB_Find_All_Quorvane->setChecked(true);
  P_Eth_Search->setVisible(false);
}

void TFBoot::Create_Options_Panel() {
  P_Options = New_Panel(this, "P_Options", Title_Height + IP_Address_Height, Options_Height);
  L_Update_Option = New_Label(P_Options, Margin, 6);
  CB_Update_Options = new QComboBox(P_Options);
  CB_Update_Options->setGeometry(Margin, 24, 220, Row_Height);
  CB_Update_Option_Read_Back = new QCheckBox(P_Options);
  CB_Update_Option_Read_Back->move(Margin + 236, 26);
  CB_Update_Option_Read_Back->setChecked(true);
}

void TFBoot::Set_Lang() {
  const auto t = [](int id) { return Lang_Table.value(id); };
  const bool ethernet = Form_Type == ftEthernet;
  setWindowTitle(t(ethernet ? 1002 : 1000));
  Set_Label_Text(L_SW_Desc, t(ethernet ? 1003 : 1001));
  Set_Label_Text(L_IP_Address, t(1006));
  Set_Label_Text(L_COM_Port, t(1008));
  Set_Label_Text(L_List_Device, t(1009));
  Btn_Search->SetCaption(t(1010));
  Set_Check_Text(CB_Find_All_Quorvane, t(1013));
  Set_Label_Text(L_Update_Option, t(1014));
  CB_Update_Options->clear();
  CB_Update_Options->addItems({t(1015), t(1016), t(1017)});
  CB_Update_Options->setCurrentIndex(uoFirmware_And_Configuration);
  Set_Check_Text(CB_Update_Option_Read_Back, t(1018));
  Btn_Cancel->SetCaption(t(1019));
  Btn_Update->SetCaption(t(1020));
  E_IP1->setToolTip(t(1021));
  E_IP2->setToolTip(t(1022));
  E_IP3->setToolTip(t(1023));
  E_IP4->setToolTip(t(1024));
  CB_COM_Port->setToolTip(t(1026));
  Btn_COM_List->SetHint(t(1028));
  Btn_Search->SetHint(t(1029));
  ACG_List_Devices->setToolTip(t(1030));
  CB_Find_All_Quorvane->setToolTip(t(1031));
  CB_Update_Options->setToolTip(t(1032));
  CB_Update_Option_Read_Back->setToolTip(t(1033));
  Btn_Cancel->SetHint(t(1034));
  Btn_Update->SetHint(t(1035));
}

void TFBoot::FormShow() {
  Set_Lang();
  Set_Label_Text(L_SW_Code, SW_Code);
  for (QFrame* panel : {P_IP_Address, P_Eth_Search, P_Options, P_Serial}) panel->setVisible(false);
  Restore_Choices();
  if (Form_Type == ftEthernet) {
    P_IP_Address->setVisible(true);
    P_Options->setVisible(true);
    Show_Panels({P_IP_Address, P_Eth_Search, P_Options});
    Set_Tab_Order({P_Title, P_IP_Address, P_Eth_Search, P_Options, P_Button, P_Serial});
    QString parts[4];
    if (!Last_IP_Address.isEmpty() && Check_IP_Address(Last_IP_Address, parts[0], parts[1], parts[2], parts[3])) {
      TOctetBox* fields[] = {E_IP1, E_IP2, E_IP3, E_IP4};
      for (int i = 0; i < 4; ++i) fields[i]->setText(parts[i]);
    }
    E_IP1->setFocus();
  } else {
    P_Options->setVisible(true);
    P_Serial->setVisible(true);
    Show_Panels({P_Serial, P_Options});
    Set_Tab_Order({P_Title, P_Serial, P_Options, P_Button, P_IP_Address, P_Eth_Search});
    update_ComPort();
    CB_COM_Port->setFocus();
  }
}

void TFBoot::Show_Panels(std::initializer_list<QFrame*> top_down) {
  // Panels aligned to the top stack under the title in the order given; hidden
  // ones take no room.
  int top = Title_Height;
  for (QFrame* panel : top_down) {
    if (panel->isHidden()) continue;
    panel->move(0, top);
    top += panel->height();
  }
  // A hidden window gets its resize event only when shown; the button panel must sit right before that.
  P_Button->move(0, top);
  setFixedSize(Client_Width, top + Button_Panel_Height);
}

void TFBoot::Set_Tab_Order(std::initializer_list<QWidget*> panels) {
  QWidget* previous = nullptr;
  for (QWidget* panel : panels) {
    for (QWidget* w : panel->findChildren<QWidget*>()) {
      if (!(w->focusPolicy() & Qt::TabFocus)) continue;
      if (previous) QWidget::setTabOrder(previous, w);
      previous = w;
    }
  }
}

void TFBoot::Restore_Choices() {
  CB_Update_Options->setCurrentIndex(Update_Option_Index);
  CB_Update_Option_Read_Back->setChecked(Update_Read_Back);
}

void TFBoot::Remember_Choices() {
  Update_Option_Index = CB_Update_Options->currentIndex();
  Update_Read_Back = CB_Update_Option_Read_Back->isChecked();
}

QString TFBoot::IP_Address_Text() const {
  return QStringList{E_IP1->text(), E_IP2->text(), E_IP3->text(), E_IP4->text()}.join(u'.');
}

void TFBoot::update_ComPort() {
  CB_COM_Port->clear();
  for (const QString& n : List_COM_Ports()) CB_COM_Port->addItem(QStringLiteral("COM") + n);
  CB_COM_Port->setCurrentIndex(CB_COM_Port->count() > 0 ? 0 : -1);
}

void TFBoot::done(int result) {
  if (FBusy) FClosed_While_Busy = true;
  TFDialogFrame::done(result);
}

void TFBoot::PingReply(int32_t bytes_received) {
  ping_res = bytes_received > 0 ? prData : prNo_Data;
}

bool TFBoot::Send_Ping() {
  const QString host = IP_Address_Text();
  Ping.SetHost(host);
  Ping_Unavailable_Cause.clear();
  try {
    return Ping_Device(Ping, host, ping_res, Pacing);
  } catch (const EPingUnavailable& e) {
    // Not the address's fault: the user must learn what to change on this machine instead.
    Ping_Unavailable_Cause = e.Message();
    return false;
  } catch (const Exception&) {
    // An echo that could not go out at all; ping_res tells the caller which
    // message fits.
    return false;
  }
}

void TFBoot::Compile_XML_Parameter_New_Boot() {
  Fill_Update_Recipe(XML1, Update_Recipe_For(IP_Address_Text(), CB_Update_Options->currentIndex(),
                                             CB_Update_Option_Read_Back->isChecked()));
  const QString path = Join_Path(Path_Exe, Update_Recipe_File_Name);
  if (!XML1.Save_File(path)) throw Exception(QStringLiteral("Cannot write the file %1.").arg(path));
}

void TFBoot::Btn_UpdateClick() {
  // The ping processes events, so a click can arrive while the first one still
  // runs.
  if (FBusy) return;
  const TBusy_Scope busy(FBusy, Btn_Update, {E_IP1, E_IP2, E_IP3, E_IP4});
  FClosed_While_Busy = false;
  if (Form_Type == ftEthernet)
    Run_Ethernet_Update();
  else
    Remember_Choices();
}

void TFBoot::Run_Ethernet_Update() {
  if (!Send_Ping()) {
    if (!Ping_Unavailable_Cause.isEmpty())
      MessageDlg(Lang_Table.value(Msg_Ping_Not_Permitted) + QStringLiteral("\n\n") + Ping_Unavailable_Cause, mtError,
                 mbOK);
    else if (ping_res == prNo_Data)
      MessageDlg(Lang_Table.value(1036), mtWarning, mbOK);
    else
      MessageDlg(Lang_Table.value(1037), mtError, mbOK);
    return;
  }
  if (FClosed_While_Busy) return;
  Last_IP_Address = IP_Address_Text();
  Remember_Choices();
  try {
    Compile_XML_Parameter_New_Boot();
  } catch (const Exception& e) {
    MessageDlg(e.Message(), mtError, mbOK);
    return;
  }
  const QString updater = Join_Path(Path_Exe, Updater_File_Name);
  // The program takes no input while the updater runs; the greyed window tells why.
  const QPointer<QWidget> focus = focusWidget();
  bool started = false;
  setEnabled(false);
  try {
    started = Run_Off_UI_Thread([updater] { return Start_Program(updater, QString(), 0); });
  } catch (...) {
    setEnabled(true);
    throw;
  }
  setEnabled(true);
  if (focus) focus->setFocus();
  // Otherwise the user could not tell a missing updater from an update that went through.
  if (!started)
    MessageDlg(Lang_Table.value(Msg_Updater_Not_Started) + QStringLiteral("\n") + QDir::toNativeSeparators(updater),
               mtError, mbOK);
}
