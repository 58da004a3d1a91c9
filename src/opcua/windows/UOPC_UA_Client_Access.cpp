#include "UOPC_UA_Client_Access.h"

#include <QVBoxLayout>
#include <algorithm>

#include "UCodePage.h"
#include "UComon.h"
#include "UDialogs.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UOPCUA_Vocabulary.h"
#include "UOPC_UA_Add_Server.h"
#include "UOPC_UA_Checks.h"
#include "UOPC_UA_Client_File.h"
#include "UOPC_UA_Client_Tables.h"
#include "UOPC_UA_Positions.h"
#include "UOPC_UA_Scan_Server.h"
#include "UWindow_Look.h"

namespace {
constexpr int Margin = 8;
constexpr int Server_Panel_Height = 220;
constexpr int Title_Top = 4;
constexpr int Table_Top = 24;
constexpr int Table_Width = TFOPC_UA_Client_Access::Client_Width - 2 * Margin;
constexpr int Server_Table_Height = 150;
constexpr int Server_Buttons_Top = Table_Top + Server_Table_Height + 8;
constexpr int Panel_Button_Top = 6;
constexpr int Auto_Position_Index = 6;

QLabel* Panel_Title(QWidget* panel) {
  return Grey_Label(panel, 16, Title_Top, Verdana(11, true));
}
}  // namespace

TFOPC_UA_Client_Access::TFOPC_UA_Client_Access(QWidget* parent)
    : TFTable_Window(Client_Width, Client_Height, parent) {
  Create_Server_Panel();
  Create_Variables_Panel();
  Btn_AutoPosition = New_Panel_Button(Auto_Position_Index);
  Btn_AutoPosition->SetCaption(QStringLiteral("Auto Pos"));
  Btn_AutoPosition->OnClick = [this] { Btn_AutoPositionClick(); };
  Bind_Texts();
  TFOPC_UA_Client_Access::Set_Lang();
}

TFOPC_UA_Client_Access::~TFOPC_UA_Client_Access() {
  // The tables lose the focus while the window goes; the servers they would be saved into are gone by then.
  for (TTable_View* view : {ACG_OPC_UA_Var_R, ACG_OPC_UA_Var_W}) {
    view->Table().OnEnter = nullptr;
    view->Table().OnExit = nullptr;
  }
}

void TFOPC_UA_Client_Access::Create_Server_Panel() {
  P_OPC_UA_Server_List = new QFrame(this);
  P_OPC_UA_Server_List->setGeometry(0, Title_Height, Client_Width, Server_Panel_Height);
  L_Server_List_Title = Panel_Title(P_OPC_UA_Server_List);
  ACG_OPC_UA_Server = new TTable_View(P_OPC_UA_Server_List);
  ACG_OPC_UA_Server->setGeometry(Margin, Table_Top, Table_Width, Server_Table_Height);
  TQrvColumnGrid& grid = Server_Table();
  Apply_Table_Columns(grid, OPC_UA_Server_Columns(), 1);
  // A view of the servers: they are changed through the add/modify-server window only.
  grid.SetOptions((grid.Options() | goRowSelect) & ~TGridOptions(goEditing));
  for (int32_t c = 1; c < grid.ColCount(); ++c) grid.Columns().Items(c)->SetReadOnly(true);
  Bind_Table_Events(grid, &Hint_Server_List);
  grid.OnKeyPress = nullptr;
  grid.OnClickCell = [this](TQrvStringGrid*, int32_t row, int32_t col) { ACG_OPC_UA_ServerClickCell(row, col); };
  grid.OnDblClickCell = [this](TQrvStringGrid*, int32_t row, int32_t col) {
    ACG_OPC_UA_ServerDblClickCell(row, col);
  };

  TLbButton** buttons[] = {&Btn_Add_Server, &Btn_Modify_Server, &Btn_Delete_Server, &Btn_Scan_Server};
  for (int i = 0; i < 4; ++i) {
    auto* button = new TLbButton(P_OPC_UA_Server_List);
    Apply_Frame_Button_Look(button);
    button->move(Button_Left(i), Server_Buttons_Top);
    *buttons[i] = button;
  }
  Btn_Add_Server->OnClick = [this] { Add_Server(); };
  Btn_Modify_Server->OnClick = [this] { Modify_Server(); };
  Btn_Delete_Server->OnClick = [this] { Delete_Server(); };
  Btn_Scan_Server->OnClick = [this] { Scan_Server(); };
}

void TFOPC_UA_Client_Access::Create_Variables_Panel() {
  const int top = Title_Height + Server_Panel_Height;
  P_OPC_UA_Var_List = new QFrame(this);
  P_OPC_UA_Var_List->setGeometry(0, top, Client_Width, Client_Height - Button_Panel_Height - top);
  L_Variables_List_Title = Panel_Title(P_OPC_UA_Var_List);
  PC_OPC_UA_Vars = new QTabWidget(P_OPC_UA_Var_List);
  PC_OPC_UA_Vars->setGeometry(Margin, Table_Top, Table_Width, P_OPC_UA_Var_List->height() - Table_Top - 4);
  TS_OPC_UA_Var_Read = new QWidget;
  TS_OPC_UA_Var_Write = new QWidget;
  PC_OPC_UA_Vars->addTab(TS_OPC_UA_Var_Read, QStringLiteral("Variables in Read"));
  PC_OPC_UA_Vars->addTab(TS_OPC_UA_Var_Write, QStringLiteral("Variables in Write"));
  ACG_OPC_UA_Var_R = new TTable_View(TS_OPC_UA_Var_Read);
  ACG_OPC_UA_Var_W = new TTable_View(TS_OPC_UA_Var_Write);
  Apply_Table_Columns(Read_Table(), OPC_UA_Read_Columns(), OPC_UA_Variable_Rows);
  Apply_Table_Columns(Write_Table(), OPC_UA_Write_Columns(), OPC_UA_Variable_Rows);
  Bind_Variable_Table(ACG_OPC_UA_Var_R, &Hint_Var_R_List);
  Bind_Variable_Table(ACG_OPC_UA_Var_W, &Hint_Var_W_List);
  PC_OPC_UA_Vars->setCurrentIndex(0);
}

void TFOPC_UA_Client_Access::Bind_Variable_Table(TTable_View* view, const QStringList* hints) {
  // The table fills its page, whose size the page control decides.
  auto* layout = new QVBoxLayout(view->parentWidget());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view);
  TQrvColumnGrid& grid = view->Table();
  Bind_Table_Events(grid, hints);
  grid.OnClickCell = [this](TQrvStringGrid* sender, int32_t row, int32_t col) {
    ClickCell(static_cast<TQrvColumnGrid&>(*sender), row, col);
  };
  grid.OnEnter = [this](TQrvStringGrid* sender) { ACG_OPC_UA_Var_Enter(static_cast<TQrvColumnGrid&>(*sender)); };
  grid.OnExit = [this](TQrvStringGrid* sender) { ACG_OPC_UA_Var_Exit(static_cast<TQrvColumnGrid&>(*sender)); };
  // With no server selected an edit could be stored nowhere.
  grid.OnCanEditCell = [this](TQrvStringGrid*, int32_t, int32_t, bool& can_edit) {
    if (Selected_Server() < 0) can_edit = false;
  };
}

void TFOPC_UA_Client_Access::Bind_Texts() {
  Texts.Caption(this, 1200);
  Texts.Label(L_SW_Desc, 1201);
  Texts.Label(L_Server_List_Title, 1202);
  Texts.Button(Btn_Add_Server, 1203, 1207);
  Texts.Button(Btn_Modify_Server, 1204, 1208);
  Texts.Button(Btn_Delete_Server, 1205, 1209);
  Texts.Button(Btn_Scan_Server, 1206, 1210);
  Texts.Table(Server_Table(), OPC_UA_Server_Columns(), Hint_Server_List);
  Texts.Label(L_Variables_List_Title, 1232);
  TLbButton* buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
  for (int32_t i = 0; i < 6; ++i) Texts.Button(buttons[i], 1233 + i, 1239 + i);
  Texts.Table(Read_Table(), OPC_UA_Read_Columns(), Hint_Var_R_List);
  Texts.Table(Write_Table(), OPC_UA_Write_Columns(), Hint_Var_W_List);
}

int32_t TFOPC_UA_Client_Access::Selected_Server() const {
  const int32_t index = ACG_OPC_UA_Server->Table().Row() - 1;
  return index >= 0 && index < static_cast<int32_t>(OPC_UA_Server_List.size()) ? index : -1;
}

void TFOPC_UA_Client_Access::FormShow() {
  TQrvColumnGrid& servers = Server_Table();
  servers.SetRowCount(2);
  for (int32_t c = 0; c < servers.ColCount() + servers.NumHiddenColumns(); ++c) servers.SetCells(c, 1, QString());
  Erase_OPC_UA_Var_R_List();
  Erase_OPC_UA_Var_W_List();
  Delete_Server_Var_OPC_UA();
  const TOPC_UA_Load_Result loaded = Read_OPC_UA_Client_File(Path_OPC_UA_Client, OPC_UA_Server_List);
  // What was read completely is shown; the user hears once what stopped the rest.
  if (!loaded.Complete) MessageDlg(OPC_UA_File_Unreadable_Message(Path_OPC_UA_Client, loaded), mtError, mbOK);
  // A list longer than its table loses its tail when the table is saved: the user hears it before any edit.
  const QString unshown = Unshown_Variables_Message(OPC_UA_Server_List);
  if (!unshown.isEmpty()) MessageDlg(unshown, mtWarning, mbOK);
  // Each showing starts where a first one would, not where the last visit ended.
  PC_OPC_UA_Vars->setCurrentIndex(0);
  for (TQrvColumnGrid* grid : {&servers, &Read_Table(), &Write_Table()}) Show_From_Start(*grid);
  Show_OPC_UA_Server_List();
  Show_OPC_UA_Var_List();
  Do_Copy_Read = false;
  Do_Copy_Write = false;
  Ind_Server = -1;
  FBound = nullptr;
}

void TFOPC_UA_Client_Access::Show_OPC_UA_Server_List() {
  TQrvColumnGrid& grid = Server_Table();
  const int32_t count = static_cast<int32_t>(OPC_UA_Server_List.size());
  if (count == 0) {
    grid.SetRowCount(2);
    for (int32_t c = 0; c < grid.ColCount() + grid.NumHiddenColumns(); ++c) grid.SetCells(c, 1, QString());
    return;
  }
  grid.SetRowCount(count + 1);
  for (int32_t i = 0; i < count; ++i) Show_Server_Row(grid, i + 1, i + 1, *OPC_UA_Server_List[i]);
}

void TFOPC_UA_Client_Access::Erase_OPC_UA_Var_R_List() {
  Erase_Table_Rows(Read_Table(), true);
}

void TFOPC_UA_Client_Access::Erase_OPC_UA_Var_W_List() {
  Erase_Table_Rows(Write_Table(), true);
}

void TFOPC_UA_Client_Access::Show_OPC_UA_Var_List() {
  Erase_OPC_UA_Var_R_List();
  Erase_OPC_UA_Var_W_List();
  const int32_t server = Selected_Server();
  if (server < 0) return;
  const TOPC_UA_Server& s = *OPC_UA_Server_List[server];
  for (TQrvColumnGrid* grid : {&Read_Table(), &Write_Table()}) {
    const bool read = grid == &Read_Table();
    const TOPC_UA_Variable_List& list = read ? s.Var_List_R : s.Var_List_W;
    const int32_t shown = std::min(static_cast<int32_t>(list.size()), grid->RowCount() - 1);
    grid->BeginUpdate();
    for (int32_t k = 0; k < shown; ++k) Show_Variable_Row(*grid, k + 1, *list[k], read);
    grid->EndUpdate();
  }
}

void TFOPC_UA_Client_Access::Save_Table(TQrvColumnGrid& grid, int32_t server) {
  if (server < 0 || server >= static_cast<int32_t>(OPC_UA_Server_List.size())) return;
  const bool read = &grid == &Read_Table();
  TOPC_UA_Server& s = *OPC_UA_Server_List[server];
  TOPC_UA_Variable_List& list = read ? s.Var_List_R : s.Var_List_W;
  list.clear();
  // Every row down to the last one in use is a variable, one without a name too: the check then names that row,
  // where ending the list at it would drop every variable below it unseen. A name of blanks is a name.
  int32_t last = 0;
  for (int32_t r = 1; r < grid.RowCount(); ++r)
    if (!grid.Cells(2, r).isEmpty() || Grid_Row_Used(grid, r)) last = r;
  for (int32_t r = 1; r <= last; ++r) list.push_back(Variable_From_Row(grid, r, read));
}

void TFOPC_UA_Client_Access::Save_Variable_in_Read(int32_t server) {
  Save_Table(Read_Table(), server);
}

void TFOPC_UA_Client_Access::Save_Variable_in_Write(int32_t server) {
  Save_Table(Write_Table(), server);
}

void TFOPC_UA_Client_Access::Delete_Server_Var_OPC_UA() {
  OPC_UA_Server_List.clear();
}

void TFOPC_UA_Client_Access::Add_Server() {
  TFOPC_UA_Add_Server& window = *FOPC_UA_Add_Server;
  window.FormType = TFOPC_UA_Add_Server::Form_Add;
  if (window.ShowModal() == mrOk) {
    auto server = std::make_unique<TOPC_UA_Server>();
    window.Store_Server(*server);
    OPC_UA_Server_List.push_back(std::move(server));
  }
  Show_OPC_UA_Server_List();
}

void TFOPC_UA_Client_Access::Modify_Server() {
  const int32_t index = Selected_Server();
  if (index < 0) return;
  TFOPC_UA_Add_Server& window = *FOPC_UA_Add_Server;
  TOPC_UA_Server& server = *OPC_UA_Server_List[index];
  window.Load_Server(server);
  if (window.ShowModal() == mrOk) window.Store_Server(server);
  Show_OPC_UA_Server_List();
}

void TFOPC_UA_Client_Access::Delete_Server() {
  const int32_t index = Selected_Server();
  if (index < 0) return;
  if (MessageDlg(Lang_Table.value(1289), mtConfirmation, mbYes | mbNo | mbCancel) != mrYes) return;
  OPC_UA_Server_List.erase(OPC_UA_Server_List.begin() + index);
  Show_OPC_UA_Server_List();
  Show_OPC_UA_Var_List();
}

void TFOPC_UA_Client_Access::Btn_AutoPositionClick() {
  const int32_t index = Selected_Server();
  if (index < 0) return;
  if (MessageDlg(Lang_Table.value(1294), mtConfirmation, mbYes | mbNo) != mrYes) return;
  Auto_Positions(OPC_UA_Server_List, static_cast<size_t>(index));
  Show_OPC_UA_Var_List();
}

void TFOPC_UA_Client_Access::Scan_Server() {
  const int32_t index = Selected_Server();
  if (index < 0) {
    MessageDlg(Lang_Table.value(1290), mtError, mbOK);
    return;
  }
  TOPC_UA_Server& server = *OPC_UA_Server_List[index];
  TFOPC_UA_Scan_Server& scan = *FOPC_UA_Scan_Server;
  // The record points into these 8-bit texts while the browse window is open.
  const QByteArray address = Unicode_To_Ansi(server.ServerAddress());
  const QByteArray user = Unicode_To_Ansi(server.UserName());
  const QByteArray password = Unicode_To_Ansi(server.Password());
  const QByteArray certificate = Unicode_To_Ansi(server.Certificate());
  const QByteArray key = Unicode_To_Ansi(server.PrivateKey());
  scan.Server = opcua_server_to_discover{};
  scan.Server.server_address = address.constData();
  scan.Server.user_pass_auth_flag = Text_To_Auth(server.Authorization());
  scan.Server.username = user.constData();
  scan.Server.password = password.constData();
  scan.Server.cert = certificate.constData();
  scan.Server.priv_key = key.constData();
  scan.Server.security_type = Text_To_Sec_Type(server.SecurityType());
  scan.Server.security_policy = Text_To_Sec_Policy(server.SecurityPolicy());
  const TModalResult result = scan.ShowModal();
  scan.Server = opcua_server_to_discover{};
  if (result != mrOk) return;
  if (!scan.List_Var.empty()) {
    int32_t read_left = 0, write_left = 0;
    if (Ask_Append(server.Var_List_R, 1291)) read_left = Add_Variables_In_Read(server);
    if (Ask_Append(server.Var_List_W, 1292)) write_left = Add_Variables_In_Write(server);
    const QString left_out = Import_Left_Out_Message(read_left, write_left);
    if (!left_out.isEmpty()) MessageDlg(left_out, mtWarning, mbOK);
  }
  Show_OPC_UA_Var_List();
}

bool TFOPC_UA_Client_Access::Ask_Append(TOPC_UA_Variable_List& list, int32_t question) {
  if (list.empty()) return true;
  const TModalResult answer = MessageDlg(Lang_Table.value(question), mtConfirmation, mbYes | mbNo | mbCancel);
  if (answer == mrNo) list.clear();
  return answer == mrYes || answer == mrNo;
}

int32_t TFOPC_UA_Client_Access::Add_Variables_In_Read(TOPC_UA_Server& server) {
  const TFOPC_UA_Scan_Server& scan = *FOPC_UA_Scan_Server;
  return Import_Ticked(server.Var_List_R, scan.List_Var, *scan.ACG_OPC_UA_Scan_Var, TFOPC_UA_Scan_Server::Col_Read);
}

int32_t TFOPC_UA_Client_Access::Add_Variables_In_Write(TOPC_UA_Server& server) {
  const TFOPC_UA_Scan_Server& scan = *FOPC_UA_Scan_Server;
  return Import_Ticked(server.Var_List_W, scan.List_Var, *scan.ACG_OPC_UA_Scan_Var, TFOPC_UA_Scan_Server::Col_Write);
}

void TFOPC_UA_Client_Access::ACG_OPC_UA_ServerClickCell(int32_t row, int32_t) {
  if (row > 0) Show_OPC_UA_Var_List();
}

void TFOPC_UA_Client_Access::ACG_OPC_UA_ServerDblClickCell(int32_t row, int32_t) {
  if (row == -1)
    Add_Server();
  else
    Modify_Server();
}

void TFOPC_UA_Client_Access::ClickCell(TQrvColumnGrid& grid, int32_t row, int32_t col) {
  if (col == 0 && row > 0) grid.SelectRows(row, 1);
}

void TFOPC_UA_Client_Access::ACG_OPC_UA_Var_Enter(TQrvColumnGrid& grid) {
  Ind_Server = Selected_Server();
  FBound = Ind_Server >= 0 ? &grid : nullptr;
}

void TFOPC_UA_Client_Access::ACG_OPC_UA_Var_Exit(TQrvColumnGrid& grid) {
  if (Ind_Server >= 0) Save_Table(grid, Ind_Server);
  Ind_Server = -1;
  FBound = nullptr;
}

TQrvColumnGrid* TFOPC_UA_Client_Access::Row_Table() {
  // Without a server the rows would change a table whose content is stored nowhere.
  if (Selected_Server() < 0) return nullptr;
  return PC_OPC_UA_Vars->currentIndex() == 0 ? &Read_Table() : &Write_Table();
}

bool TFOPC_UA_Client_Access::Copy_Flag(const TQrvColumnGrid& grid) const {
  return &grid == &ACG_OPC_UA_Var_R->Table() ? Do_Copy_Read : Do_Copy_Write;
}

void TFOPC_UA_Client_Access::Row_Copied(TQrvColumnGrid& grid) {
  Do_Copy_Read = &grid == &Read_Table();
  Do_Copy_Write = !Do_Copy_Read;
}

void TFOPC_UA_Client_Access::Rows_Changed(TQrvColumnGrid& grid) {
  Save_Table(grid, Selected_Server());
}

void TFOPC_UA_Client_Access::Finish_Edits() {
  for (TQrvColumnGrid* grid : {&Read_Table(), &Write_Table()})
    if (grid->EditMode()) grid->HideInplaceEdit();
}

bool TFOPC_UA_Client_Access::Controllo_Dati() {
  const TOPC_UA_Check_Result result = Check_OPC_UA_Servers(OPC_UA_Server_List);
  if (result.Passed()) return true;
  MessageDlg(result.Text, mtError, mbOK);
  return false;
}

void TFOPC_UA_Client_Access::Btn_OKClick() {
  // OK may come from a key while a variable table keeps the focus: its rows go into their server first.
  Finish_Edits();
  if (FBound && Ind_Server >= 0) Save_Table(*FBound, Ind_Server);
  if (!Controllo_Dati()) return;
  if (!Write_OPC_UA_Client_File(Path_OPC_UA_Client, OPC_UA_Server_List)) {
    MessageDlg(OPC_UA_File_Not_Written_Message(Path_OPC_UA_Client), mtError, mbOK);
    return;
  }
  SetModalResult(mrOk);
}
