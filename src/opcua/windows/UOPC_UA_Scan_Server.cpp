#include "UOPC_UA_Scan_Server.h"

#include <algorithm>

#include "OPC_UA_Search.h"
#include "UCodePage.h"
#include "ULang.h"
#include "UOPCUA_Vocabulary.h"
#include "UTable_Columns.h"
#include "UTable_View.h"
#include "UWindow_Look.h"
#include "UaBrowseAsync.h"

namespace {

constexpr int Table_Left = 4;
constexpr int Table_Top = TFDialogFrame::Title_Height + 6;
constexpr int Table_Bottom_Margin = 6;
constexpr int Button_Left = 18;
constexpr int Button_Step = 118;
constexpr int Button_Top = 6;
constexpr int Waiting_Right_Margin = 18;
constexpr int Waiting_Top = 18;
// The reason for an empty list stands in the table's empty part, below the header and the blank row.
constexpr int Nothing_Found_Margin = 24;
constexpr int Nothing_Found_Top = 56;
constexpr int Nothing_Found_Height = 96;
constexpr TColor Nothing_Found_Color = 0x000080;

const QString Tick = QStringLiteral("Y");
const QString Untick = QStringLiteral("N");

// Column 0 is the fixed column of row numbers; column 8 keeps its built-in header. The browse fills the table, so
// only the two tick columns are the user's.
const TTable_Columns& Scan_Columns() {
  static const TTable_Columns columns = {
      {1510, 0, 40, edNormal},  {1511, 0, 50, edDataCheckBox}, {1524, 0, 50, edDataCheckBox},
      {1512, 0, 165, edNormal}, {1513, 0, 115, edNormal},      {1514, 0, 245, edNormal},
      {1515, 0, 115, edNormal}, {1516, 0, 115, edNormal},      {0, 0, 113, edNormal}};
  return columns;
}

constexpr uint8_t Access_Read = 1;
constexpr uint8_t Access_Write = 2;

QString Ansi(const char* text) {
  return text ? Ansi_To_Unicode(QByteArray(text)) : QString();
}

// The message of each reason; the reasons whose words need the address or the details get them after the text.
struct TFailure_Text {
  TUaFailure Reason;
  int32_t Id;
  enum { Alone, Address, Detail } Tail;
};
constexpr TFailure_Text Failure_Texts[] = {
    {TUaFailure::No_Server, 3480, TFailure_Text::Address},
    {TUaFailure::Unknown_Host, 3481, TFailure_Text::Address},
    {TUaFailure::No_Answer, 3482, TFailure_Text::Address},
    {TUaFailure::Bad_Address, 3483, TFailure_Text::Address},
    {TUaFailure::Login_Not_Offered, 3487, TFailure_Text::Alone},
    {TUaFailure::Security_Not_Offered, 3488, TFailure_Text::Alone},
    {TUaFailure::No_Policy, 3489, TFailure_Text::Alone},
    {TUaFailure::Bad_Identity, 3490, TFailure_Text::Detail},
    {TUaFailure::Server_Certificate, 3491, TFailure_Text::Detail},
};
constexpr int32_t Msg_Browse_Failed = 3492;
// A refused login by the authorization asked: anonymous, user name and password, certificate.
constexpr int32_t Login_Refused_Texts[] = {3486, 3484, 3485};
constexpr int32_t Msg_No_Variables = 3493;

QString Access_Text(uint8_t access) {
  if (access == Access_Read) return QStringLiteral("Read");
  if (access == Access_Write) return QStringLiteral("Write");
  return QStringLiteral("Read/Write");
}

}  // namespace

TFOPC_UA_Scan_Server::TFOPC_UA_Scan_Server(QWidget* parent) : TFDialogFrame(Client_Width, Client_Height, parent) {
  Timer_Scan = new QTimer(this);
  Timer_Scan->setSingleShot(true);
  Timer_Scan->setInterval(Scan_Delay_Ms);
  connect(Timer_Scan, &QTimer::timeout, this, [this] { Timer_ScanTimer(); });

  LWaiting = Grey_Label(P_Title, 0, Waiting_Top, Verdana(24, true));
  LWaiting->hide();

  auto* view = new TTable_View(this);
  ACG_OPC_UA_Scan_Var_View = view;
  ACG_OPC_UA_Scan_Var = &view->Table();
  view->setGeometry(Table_Left, Table_Top, Client_Width - 2 * Table_Left,
                    Client_Height - Button_Panel_Height - Table_Bottom_Margin - Table_Top);
  TQrvColumnGrid& g = *ACG_OPC_UA_Scan_Var;
  Apply_Table_Columns(g, Scan_Columns(), 1);
  for (int32_t c = 0; c < Col_Count; ++c)
    if (c != Col_Read && c != Col_Write) g.Columns().Items(c)->SetReadOnly(true);
  g.SetCells(8, 0, QStringLiteral("Read/Write"));
  Erase_Table();

  LNothing_Found = new QLabel(this);
  LNothing_Found->setFont(Verdana(14, true));
  Set_Text_Color(LNothing_Found, Nothing_Found_Color);
  LNothing_Found->setAlignment(Qt::AlignCenter);
  LNothing_Found->setWordWrap(true);
  LNothing_Found->setGeometry(Table_Left + Nothing_Found_Margin, Table_Top + Nothing_Found_Top,
                              view->width() - 2 * Nothing_Found_Margin, Nothing_Found_Height);
  // It lies over the table, whose clicks it leaves to the table.
  LNothing_Found->setAttribute(Qt::WA_TransparentForMouseEvents);
  LNothing_Found->hide();

  Btn_SelectAllRead = new TLbButton(P_Button);
  Btn_ClearAllRead = new TLbButton(P_Button);
  Btn_SelectAllWrite = new TLbButton(P_Button);
  Btn_ClearAllWrite = new TLbButton(P_Button);
  int left = Button_Left;
  for (TLbButton* b : {Btn_SelectAllRead, Btn_ClearAllRead, Btn_SelectAllWrite, Btn_ClearAllWrite}) {
    Apply_Frame_Button_Look(b);
    b->move(left, Button_Top);
    left += Button_Step;
  }
  Btn_SelectAllRead->OnClick = [this] { Btn_SelectAllReadClick(Btn_SelectAllRead); };
  Btn_SelectAllWrite->OnClick = [this] { Btn_SelectAllReadClick(Btn_SelectAllWrite); };
  Btn_ClearAllRead->OnClick = [this] { Btn_ClearAllReadClick(Btn_ClearAllRead); };
  Btn_ClearAllWrite->OnClick = [this] { Btn_ClearAllReadClick(Btn_ClearAllWrite); };

  TFOPC_UA_Scan_Server::Set_Lang();
}

void TFOPC_UA_Scan_Server::Set_Lang() {
  setWindowTitle(Lang_Table.value(1500));
  L_SW_Desc->setText(Lang_Table.value(1501));
  L_SW_Desc->adjustSize();
  const struct {
    TLbButton* Button;
    int32_t Caption, Hint;
  } buttons[] = {{Btn_OK, 1502, 1506},           {Btn_Cancel, 1503, 1507},         {Btn_SelectAllRead, 1504, 1508},
                 {Btn_ClearAllRead, 1505, 1509}, {Btn_SelectAllWrite, 1526, 1528}, {Btn_ClearAllWrite, 1527, 1529}};
  for (const auto& b : buttons) {
    b.Button->SetCaption(Lang_Table.value(b.Caption));
    b.Button->SetHint(Lang_Table.value(b.Hint));
  }
  QStringList no_hints;
  Set_Table_Texts(*ACG_OPC_UA_Scan_Var, Scan_Columns(), no_hints);
  LWaiting->setText(Lang_Table.value(1523));
  LWaiting->adjustSize();
  LWaiting->move(Client_Width - Waiting_Right_Margin - LWaiting->width(), Waiting_Top);
}

void TFOPC_UA_Scan_Server::FormShow() {
  ++FShow;
  Timer_Scan->stop();
  Erase_Table();
  // The list is emptied even without an address: a table showing the previous server's variables would import
  // them into this one.
  List_Var.clear();
  LNothing_Found->hide();
  const bool address = Server.server_address && *Server.server_address;
  LWaiting->setVisible(address);
  if (address)
    Timer_Scan->start();
  else
    Show_Variables_List();
}

void TFOPC_UA_Scan_Server::Erase_Table() {
  TQrvColumnGrid& g = *ACG_OPC_UA_Scan_Var;
  g.SetRowCount(2);
  for (int32_t c = 0; c < Col_Count; ++c) g.SetCells(c, 1, QString());
}

void TFOPC_UA_Scan_Server::Show_Variables_List() {
  if (List_Var.empty()) {
    Erase_Table();
    return;
  }
  TQrvColumnGrid& g = *ACG_OPC_UA_Scan_Var;
  g.BeginUpdate();
  g.SetRowCount(int32_t(List_Var.size()) + 1);
  for (size_t i = 0; i < List_Var.size(); ++i) {
    const opcua_structure& v = List_Var[i];
    const int32_t r = int32_t(i) + 1;
    // Every cell is written: rows beyond a shorter earlier list keep their texts in the grid.
    const bool both = v.accessLevel == 0;
    g.SetCells(0, r, QString::number(r));
    g.SetCells(Col_Read, r, both || (v.accessLevel & Access_Read) ? Tick : QString());
    g.SetCells(Col_Write, r, both || (v.accessLevel & Access_Write) ? Tick : QString());
    g.SetCells(3, r, Ansi(v.displayName));
    g.SetCells(4, r, Node_Type_To_Text(v.identifierType));
    g.SetCells(5, r, Node_ID_To_Text(v));
    g.SetCells(6, r, Data_Type_To_Text(v.dataType));
    g.SetCells(7, r, QString::number(v.nameSpaceIndex));
    g.SetCells(8, r, Access_Text(v.accessLevel));
  }
  g.EndUpdate();
}

void TFOPC_UA_Scan_Server::Timer_ScanTimer() {
  Timer_Scan->stop();
  const uint32_t show = FShow;
  // Input stays on, so Cancel can close the window while the server is browsed.
  const bool started = Start_Browse(
      this, Server, [this, show](int32_t count) { Browse_Done(show, count); }, TUserInput::Accepted);
  // A browse given up by an earlier show still runs; the browsing layer has one list, so wait for it to end.
  if (!started) Timer_Scan->start();
}

void TFOPC_UA_Scan_Server::Browse_Done(uint32_t show, int32_t count) {
  if (show != FShow) return;
  List_Var.assign(size_t(std::max(count, 0)), opcua_structure{});
  for (int32_t i = 0; i < int32_t(List_Var.size()); ++i) opcua_return_variable(&List_Var[size_t(i)], i);
  LWaiting->hide();
  Show_Variables_List();
  if (List_Var.empty()) {
    LNothing_Found->setText(Nothing_Found_Text());
    LNothing_Found->show();
    LNothing_Found->raise();
  }
}

QString TFOPC_UA_Scan_Server::Nothing_Found_Text() const {
  const TUaFailure reason = Ua_Last_Browse_Failure();
  if (reason == TUaFailure::None) return Lang_Table.value(Msg_No_Variables);
  if (reason == TUaFailure::Login_Refused) {
    const int32_t auth = std::clamp(Server.user_pass_auth_flag, 0, 2);
    return Lang_Table.value(Login_Refused_Texts[auth]);
  }
  for (const TFailure_Text& f : Failure_Texts) {
    if (f.Reason != reason) continue;
    const QString text = Lang_Table.value(f.Id);
    if (f.Tail == TFailure_Text::Address) return text + Ansi(Server.server_address);
    if (f.Tail == TFailure_Text::Detail) return text + Ua_Last_Browse_Error();
    return text;
  }
  return Lang_Table.value(Msg_Browse_Failed) + Ua_Last_Browse_Error();
}

void TFOPC_UA_Scan_Server::Set_Column(int32_t column, const QString& text) {
  if (List_Var.empty()) return;
  TQrvColumnGrid& g = *ACG_OPC_UA_Scan_Var;
  g.BeginUpdate();
  for (int32_t r = 1; r < g.RowCount(); ++r) g.SetCells(column, r, text);
  g.EndUpdate();
}

void TFOPC_UA_Scan_Server::Btn_SelectAllReadClick(TLbButton* Sender) {
  Set_Column(Sender == Btn_SelectAllWrite ? Col_Write : Col_Read, Tick);
}

void TFOPC_UA_Scan_Server::Btn_ClearAllReadClick(TLbButton* Sender) {
  Set_Column(Sender == Btn_ClearAllWrite ? Col_Write : Col_Read, Untick);
}

void TFOPC_UA_Scan_Server::done(int result) {
  // A browse still running belongs to the show that is ending now.
  ++FShow;
  Timer_Scan->stop();
  TFDialogFrame::done(result);
}
