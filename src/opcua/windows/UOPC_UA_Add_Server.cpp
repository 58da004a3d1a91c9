#include "UOPC_UA_Add_Server.h"

#include "UDialogs.h"
#include "ULang.h"
#include "UOPCUA_Vocabulary.h"
#include "UStrUtils.h"

namespace {
constexpr int Label_Left = 16;
constexpr int Field_Left = 140;
constexpr int Field_Width = 251;
constexpr int Line_Height = 21;
constexpr int Text_Box_Height = 89;
// A label stands this much below the top of its field, so their texts line up.
constexpr int Label_Offset = 3;
constexpr int Bottom_Margin = 15;
constexpr int Enable_Top = 78;
constexpr int Address_Top = 104;
constexpr int Auth_Top = 136;

constexpr int Auth_Anonymous = 0, Auth_User = 1, Auth_Certificate = 2;
constexpr int Sec_None = 0;

// Field tops of one layout; the labels follow them.
struct TLayout {
  int User, Pass, Certificate, Priv_Key, Sec_Type, Sec_Policy, Mnemonic;
  bool Show_User, Show_Certificate;
};
// By authorization code.
constexpr TLayout Layouts[] = {
    {168, 200, 168, 268, 168, 200, 232, false, false},
    {168, 200, 168, 268, 232, 264, 296, true, false},
    {168, 200, 168, 268, 368, 400, 432, false, true},
};

QLabel* Label(QWidget* parent, int field_top) {
  auto* label = new QLabel(parent);
  label->move(Label_Left, field_top + Label_Offset);
  return label;
}

template <class TField>
TField* Field(QWidget* parent, int top, int height = Line_Height) {
  auto* field = new TField(parent);
  field->setGeometry(Field_Left, top, Field_Width, height);
  return field;
}

QComboBox* List(QWidget* parent, int top, int count, QString (*word)(int32_t)) {
  auto* list = Field<QComboBox>(parent, top);
  // Chosen from, never typed: the server holds only words of the list.
  list->setEditable(false);
  for (int32_t code = 0; code < count; ++code) list->addItem(word(code));
  return list;
}

void Place(QLabel* label, QWidget* field, int top, bool shown) {
  field->move(Field_Left, top);
  label->move(Label_Left, top + Label_Offset);
  field->setVisible(shown);
  label->setVisible(shown);
}

void Set_Label(QLabel* label, int32_t id) {
  label->setText(Lang_Table.value(id));
  label->adjustSize();
}
}  // namespace

TFOPC_UA_Add_Server::TFOPC_UA_Add_Server(QWidget* parent)
    : TFDialogFrame(Client_Width,
                    Button_Panel_Height + Layouts[Auth_Anonymous].Mnemonic + Line_Height + Bottom_Margin, parent) {
  CB_OPC_UA_Server_Enable = new QCheckBox(this);
  CB_OPC_UA_Server_Enable->setGeometry(Label_Left, Enable_Top, Field_Left + Field_Width - Label_Left, 20);
  L_Server_Add = Label(this, Address_Top);
  E_Server_Add = Field<QLineEdit>(this, Address_Top);
  L_Auth = Label(this, Auth_Top);
  CB_Auth = List(this, Auth_Top, 3, Auth_To_Text);
  const TLayout& user = Layouts[Auth_User];
  const TLayout& cert = Layouts[Auth_Certificate];
  L_User = Label(this, user.User);
  E_User = Field<QLineEdit>(this, user.User);
  L_Pass = Label(this, user.Pass);
  E_Pass = Field<QLineEdit>(this, user.Pass);
  L_Certificate = Label(this, cert.Certificate);
  RE_Certificate = Field<QPlainTextEdit>(this, cert.Certificate, Text_Box_Height);
  L_Priv_Key = Label(this, cert.Priv_Key);
  RE_Priv_Key = Field<QPlainTextEdit>(this, cert.Priv_Key, Text_Box_Height);
  for (QPlainTextEdit* box : {RE_Certificate, RE_Priv_Key}) box->setTabChangesFocus(true);
  const TLayout& anonymous = Layouts[Auth_Anonymous];
  L_Sec_Type = Label(this, anonymous.Sec_Type);
  CB_Sec_Type = List(this, anonymous.Sec_Type, 3, Sec_Type_To_Text);
  L_Sec_Policy = Label(this, anonymous.Sec_Policy);
  CB_Sec_Policy = List(this, anonymous.Sec_Policy, 6, Sec_Policy_To_Text);
  L_Mnemonic = Label(this, anonymous.Mnemonic);
  E_Mnemonic = Field<QLineEdit>(this, anonymous.Mnemonic);

  connect(CB_Auth, &QComboBox::currentIndexChanged, this, [this] { CB_AuthChange(); });
  connect(CB_Sec_Type, &QComboBox::currentIndexChanged, this, [this] { CB_Sec_TypeChange(); });
  Change_Fields();
  Check_Authorization();
  TFOPC_UA_Add_Server::Set_Lang();
}

void TFOPC_UA_Add_Server::Set_Lang() {
  setWindowTitle(Lang_Table.value(1400));
  L_SW_Desc->setText(Lang_Table.value(1401));
  L_SW_Desc->adjustSize();
  CB_OPC_UA_Server_Enable->setText(Lang_Table.value(1404));
  CB_OPC_UA_Server_Enable->setToolTip(Lang_Table.value(1405));
  const std::pair<QLabel*, QWidget*> pairs[] = {{L_Server_Add, E_Server_Add},
                                                {L_Auth, CB_Auth},
                                                {L_User, E_User},
                                                {L_Pass, E_Pass},
                                                {L_Certificate, RE_Certificate},
                                                {L_Priv_Key, RE_Priv_Key},
                                                {L_Sec_Type, CB_Sec_Type},
                                                {L_Sec_Policy, CB_Sec_Policy},
                                                {L_Mnemonic, E_Mnemonic}};
  int32_t id = 1406;
  for (const auto& [label, field] : pairs) {
    Set_Label(label, id++);
    field->setToolTip(Lang_Table.value(id++));
  }
  Btn_OK->SetCaption(Lang_Table.value(1424));
  Btn_OK->SetHint(Lang_Table.value(1425));
  Btn_Cancel->SetCaption(Lang_Table.value(1426));
  Btn_Cancel->SetHint(Lang_Table.value(1427));
}

void TFOPC_UA_Add_Server::FormShow() {
  if (FormType == Form_Modify) {
    setWindowTitle(Lang_Table.value(1402));
    L_SW_Desc->setText(Lang_Table.value(1403));
  } else {
    setWindowTitle(Lang_Table.value(1400));
    L_SW_Desc->setText(Lang_Table.value(1401));
    CB_OPC_UA_Server_Enable->setChecked(true);
    for (QLineEdit* e : {E_Server_Add, E_User, E_Pass, E_Mnemonic}) e->clear();
    RE_Certificate->clear();
    RE_Priv_Key->clear();
    CB_Auth->setCurrentIndex(Auth_Anonymous);
    CB_Sec_Type->setCurrentIndex(Sec_None);
  }
  L_SW_Desc->adjustSize();
  Change_Fields();
  Check_Authorization();
  E_Server_Add->setFocus();
}

void TFOPC_UA_Add_Server::Change_Fields() {
  const int auth = CB_Auth->currentIndex();
  if (auth < 0) return;
  const TLayout& l = Layouts[auth];
  Place(L_User, E_User, l.User, l.Show_User);
  Place(L_Pass, E_Pass, l.Pass, l.Show_User);
  Place(L_Certificate, RE_Certificate, l.Certificate, l.Show_Certificate);
  Place(L_Priv_Key, RE_Priv_Key, l.Priv_Key, l.Show_Certificate);
  Place(L_Sec_Type, CB_Sec_Type, l.Sec_Type, true);
  Place(L_Sec_Policy, CB_Sec_Policy, l.Sec_Policy, true);
  Place(L_Mnemonic, E_Mnemonic, l.Mnemonic, true);
  setFixedSize(Client_Width, Button_Panel_Height + E_Mnemonic->y() + E_Mnemonic->height() + Bottom_Margin);
}

void TFOPC_UA_Add_Server::Check_Authorization() {
  if (CB_Sec_Type->currentIndex() == Sec_None) {
    CB_Sec_Policy->setCurrentIndex(Sec_None);
    CB_Sec_Policy->setEnabled(false);
  } else {
    CB_Sec_Policy->setEnabled(true);
  }
}

void TFOPC_UA_Add_Server::CB_AuthChange() {
  Change_Fields();
}

void TFOPC_UA_Add_Server::CB_Sec_TypeChange() {
  Check_Authorization();
}

bool TFOPC_UA_Add_Server::Controlla_Dati() {
  const auto empty = [](const QString& text) { return Trim(text).isEmpty(); };
  int32_t id = 0;
  if (empty(E_Server_Add->text())) {
    id = 1428;
  } else if (CB_Auth->currentIndex() == Auth_User) {
    if (empty(E_User->text()))
      id = 1429;
    else if (empty(E_Pass->text()))
      id = 1430;
  } else if (CB_Auth->currentIndex() == Auth_Certificate) {
    if (empty(RE_Certificate->toPlainText()))
      id = 1431;
    else if (empty(RE_Priv_Key->toPlainText()))
      id = 1432;
  }
  if (id == 0) return true;
  MessageDlg(Lang_Table.value(id), mtError, mbOK);
  return false;
}

void TFOPC_UA_Add_Server::Btn_OKClick() {
  if (Controlla_Dati()) SetModalResult(mrOk);
}

void TFOPC_UA_Add_Server::Load_Server(const TOPC_UA_Server& server) {
  FormType = Form_Modify;
  CB_OPC_UA_Server_Enable->setChecked(server.Enable());
  E_Server_Add->setText(server.ServerAddress());
  CB_Auth->setCurrentIndex(Text_To_Auth(server.Authorization()));
  CB_Sec_Type->setCurrentIndex(Text_To_Sec_Type(server.SecurityType()));
  CB_Sec_Policy->setCurrentIndex(Text_To_Sec_Policy(server.SecurityPolicy()));
  E_User->setText(server.UserName());
  E_Pass->setText(server.Password());
  RE_Certificate->setPlainText(server.Certificate());
  RE_Priv_Key->setPlainText(server.PrivateKey());
  E_Mnemonic->setText(server.Mnemonic());
}

void TFOPC_UA_Add_Server::Store_Server(TOPC_UA_Server& server) const {
  server.SetEnable(CB_OPC_UA_Server_Enable->isChecked());
  server.SetServerAddress(E_Server_Add->text());
  server.SetAuthorization(Auth_To_Text(CB_Auth->currentIndex()));
  server.SetUserName(E_User->text());
  server.SetPassword(E_Pass->text());
  server.SetCertificate(RE_Certificate->toPlainText());
  server.SetPrivateKey(RE_Priv_Key->toPlainText());
  server.SetSecurityType(Sec_Type_To_Text(CB_Sec_Type->currentIndex()));
  server.SetSecurityPolicy(Sec_Policy_To_Text(CB_Sec_Policy->currentIndex()));
  server.SetMnemonic(E_Mnemonic->text());
}
