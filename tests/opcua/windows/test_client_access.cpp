// The OPC UA client window: servers and variables shown from the file, the tables, the binding of a variable table
// to its server, automatic positions, the row buttons, the servers added, modified and deleted, the checks on OK
// and the file it writes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTest>
#include <functional>

#include "TClientAccessFixture.h"
#include "TDialogRecorder.h"
#include "TModalDriver.h"
#include "UOPC_UA_Client_File.h"
#include "UOPC_UA_Client_Tables.h"

namespace {

std::unique_ptr<TOPC_UA_Variable> Var(const QString& name, const QString& type, const QString& position = "0") {
  auto v = std::make_unique<TOPC_UA_Variable>();
  v->SetEnable(true);
  v->SetDispalyName(name);
  v->SetNodeType(QStringLiteral("Numeric"));
  v->SetNodeID(QStringLiteral("1001"));
  v->SetVarType(type);
  v->nameSpaceIndex = 2;
  v->SetVarArray(QStringLiteral("Variable"));
  v->SetStart(QStringLiteral("0"));
  v->SetLen(QStringLiteral("0"));
  v->SetTime(QStringLiteral("100"));
  v->SetPosition(position);
  v->SetOnChange(QStringLiteral("N"));
  v->SetOnCMD(QStringLiteral("N"));
  v->SetOnTimer(QStringLiteral("N"));
  return v;
}

class ClientAccessTest : public TClientAccessFixture {
 protected:
  // Two servers: the first reads Speed (Int16), Temp (Float), Name (String) and writes Cmd (Boolean, on a
  // timer); the second reads Total (Double).
  void Write_Two_Servers() {
    TOPC_UA_Server_List servers;
    servers.push_back(Server(QStringLiteral("opc.tcp://plc1:4840")));
    servers[0]->SetMnemonic(QStringLiteral("Press"));
    servers[0]->Var_List_R.push_back(Var(QStringLiteral("Speed"), QStringLiteral("Int16")));
    servers[0]->Var_List_R.push_back(Var(QStringLiteral("Temp"), QStringLiteral("Float")));
    servers[0]->Var_List_R.push_back(Var(QStringLiteral("Name"), QStringLiteral("String")));
    auto cmd = Var(QStringLiteral("Cmd"), QStringLiteral("Boolean"), QStringLiteral("10"));
    cmd->SetOnTimer(QStringLiteral("Y"));
    servers[0]->Var_List_W.push_back(std::move(cmd));
    servers.push_back(Server(QStringLiteral("opc.tcp://plc2:4840")));
    servers[1]->Var_List_R.push_back(Var(QStringLiteral("Total"), QStringLiteral("Double"), QStringLiteral("40")));
    ASSERT_TRUE(Write_OPC_UA_Client_File(Path_OPC_UA_Client, servers));
  }

  QByteArray File() const {
    QFile f(Path_OPC_UA_Client);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  QStringList Row(TQrvColumnGrid& grid, int32_t r) const {
    QStringList cells;
    for (int32_t c = 0; c < grid.ColCount(); ++c) cells << grid.Cells(c, r);
    return cells;
  }

  // Selects a server row as a click does.
  void Select_Server(int32_t row) {
    W->Server_Table().SetRow(row);
    W->ACG_OPC_UA_ServerClickCell(row, 2);
  }

  // Edits cells of a variable table as the user does: the table bound to the selected server while it has the
  // focus, saved into it when the focus leaves.
  void Edit(TQrvColumnGrid& grid, const std::vector<std::tuple<int32_t, int32_t, QString>>& cells) {
    W->ACG_OPC_UA_Var_Enter(grid);
    for (const auto& [c, r, text] : cells) grid.SetCells(c, r, text);
    W->ACG_OPC_UA_Var_Exit(grid);
  }

  QStringList Positions(const TOPC_UA_Variable_List& list) const {
    QStringList out;
    for (const auto& v : list) out << v->Position();
    return out;
  }
};

TEST_F(ClientAccessTest, ShowsTheServersAndTheVariablesOfTheSelectedOne) {
  Write_Two_Servers();
  W->FormShow();
  TQrvColumnGrid& servers = W->Server_Table();
  EXPECT_EQ(servers.RowCount(), 3);
  EXPECT_EQ(Row(servers, 1),
            QStringList({"1", "Y", "opc.tcp://plc1:4840", "Anonymous", "", "", "", "", "None", "None", "Press"}));
  EXPECT_EQ(servers.Cells(2, 2), QStringLiteral("opc.tcp://plc2:4840"));
  TQrvColumnGrid& read = W->Read_Table();
  TQrvColumnGrid& write = W->Write_Table();
  EXPECT_EQ(read.RowCount(), 1025);
  EXPECT_EQ(write.ColCount(), 17);
  EXPECT_EQ(Row(read, 1), QStringList({"1", "Y", "Speed", "Numeric", "1001", "Int16", "2", "Variable", "0", "0",
                                       "100", "0", "0", "N", "N", "N", ""}));
  EXPECT_EQ(Row(read, 4), QStringList({"4", "Y", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(Row(write, 1), QStringList({"1", "Y", "Cmd", "Numeric", "1001", "Boolean", "2", "N", "N", "Y", "100",
                                        "10", "0", "N", "N", "N", ""}));
  EXPECT_EQ(read.Cells(0, 1024), QStringLiteral("1024"));
  // A click on the second server shows its variables only.
  Select_Server(2);
  EXPECT_EQ(read.Cells(2, 1), QStringLiteral("Total"));
  EXPECT_EQ(read.Cells(2, 2), QString());
  EXPECT_EQ(write.Cells(2, 1), QString());
}

TEST_F(ClientAccessTest, TablesAsLaidDown) {
  TQrvColumnGrid& read = W->Read_Table();
  TQrvColumnGrid& write = W->Write_Table();
  struct TColumnCase {
    int32_t Col;
    int32_t Read_Width, Write_Width;
    TEditorType Read_Editor, Write_Editor;
    TColor Read_Color, Write_Color;
    const char* Read_Header;
    const char* Write_Header;
  };
  const TColumnCase cases[] = {
      {1, 50, 50, edDataCheckBox, edDataCheckBox, 0xB0D8FF, 0xB0D8FF, "Enable", "Enable"},
      {2, 100, 100, edNormal, edNormal, 0xFEFAE0, 0xFEFAE0, "Display Name", "Display Name"},
      {3, 90, 90, edComboList, edComboList, 0xFEFAE0, 0xFEFAE0, "Node Type", "Node Type"},
      {4, 100, 100, edNormal, edNormal, 0xFEFAE0, 0xFEFAE0, "Node ID", "Node ID"},
      {5, 90, 90, edComboList, edComboList, 0xFEFAE0, 0xFEFAE0, "Var Type", "Var Type"},
      {6, 120, 120, edNormal, edNormal, 0xFEFAE0, 0xFEFAE0, "Name Space Index", "Name Space Index"},
      {7, 75, 68, edComboList, edDataCheckBox, 0xECFEA5, 0xA8FFA8, "Var/Array", "On Change"},
      {8, 55, 52, edNormal, edDataCheckBox, 0xECFEA5, 0xA8FFA8, "Start", "On CMD"},
      {9, 55, 70, edNormal, edDataCheckBox, 0xECFEA5, 0xA8FFA8, "Length", "On Timer"},
      {10, 80, 80, edNormal, edNormal, 0xA8FFA8, 0xA8FFA8, "Time (ms)", "Time (ms)"},
      {11, 70, 70, edNormal, edNormal, 0xF4D6FC, 0xF4D6FC, "Position", "Position"},
      {12, 70, 70, edComboList, edComboList, 0xF4D6FC, 0xF4D6FC, "StartBit", "StartBit"},
      {13, 40, 40, edDataCheckBox, edDataCheckBox, 0xA8FFFF, 0xA8FFFF, "Swap", "Swap"},
      {14, 80, 80, edDataCheckBox, edDataCheckBox, 0xA8FFFF, 0xA8FFFF, "Swap Word", "Swap Word"},
      {15, 65, 65, edDataCheckBox, edDataCheckBox, 0xA8FFFF, 0xA8FFFF, "Swap All", "Swap All"},
      {16, 150, 150, edNormal, edNormal, clWhite, clWhite, "Mnemonic", "Mnemonic"},
  };
  for (const TColumnCase& c : cases) {
    EXPECT_EQ(read.ColWidths(c.Col), c.Read_Width) << c.Col;
    EXPECT_EQ(write.ColWidths(c.Col), c.Write_Width) << c.Col;
    EXPECT_EQ(read.Columns().Items(c.Col)->Editor(), c.Read_Editor) << c.Col;
    EXPECT_EQ(write.Columns().Items(c.Col)->Editor(), c.Write_Editor) << c.Col;
    EXPECT_EQ(read.Columns().Items(c.Col)->Color(), c.Read_Color) << c.Col;
    EXPECT_EQ(write.Columns().Items(c.Col)->Color(), c.Write_Color) << c.Col;
    EXPECT_EQ(read.Cells(c.Col, 0), QString::fromLatin1(c.Read_Header)) << c.Col;
    EXPECT_EQ(write.Cells(c.Col, 0), QString::fromLatin1(c.Write_Header)) << c.Col;
  }
  EXPECT_EQ(read.ColWidths(0), 40);
  EXPECT_EQ(read.Columns().Items(3)->ComboItems(), QStringList({"Numeric", "String", "Guid", "ByteString"}));
  EXPECT_EQ(read.Columns().Items(5)->ComboItems().size(), 15);
  EXPECT_EQ(read.Columns().Items(5)->ComboItems().last(), QStringLiteral("ByteString"));
  EXPECT_EQ(read.Columns().Items(7)->ComboItems(), QStringList({"Variable", "Array"}));
  EXPECT_EQ(read.Columns().Items(12)->ComboItems(), QStringList({"0", "1", "2", "3", "4", "5", "6", "7"}));
  // Header hints, entry k-1 for column k.
  EXPECT_EQ(W->Hint_Var_R_List.size(), 16);
  EXPECT_EQ(W->Hint_Var_R_List[6], QStringLiteral("Select if is a single Variables or an Array"));
  EXPECT_EQ(W->Hint_Var_W_List[6],
            QStringLiteral("Enable/Disable the Possibility to Write the OPC UA Variable on Data Change"));
  EXPECT_EQ(W->Hint_Var_W_List[11], QStringLiteral("Select the Start Bit in the selected byte"));
  EXPECT_EQ(W->Hint_Server_List.size(), 10);
  EXPECT_EQ(W->Hint_Server_List[0], QStringLiteral("Enable/Disable the OPC UA Server"));
  QString hint;
  read.OnGridHint(&read, 0, 7, hint);
  EXPECT_EQ(hint, QStringLiteral("Select if is a single Variables or an Array"));
  read.OnGridHint(&read, 3, 7, hint);
  EXPECT_EQ(hint, QString());
  // Server table: widths and the whole-row selection of a view that is never edited.
  TQrvColumnGrid& servers = W->Server_Table();
  const int32_t widths[] = {40, 50, 200, 100, 100, 90, 100, 100, 100, 100, 140};
  for (int32_t c = 0; c < 11; ++c) EXPECT_EQ(servers.ColWidths(c), widths[c]) << c;
  EXPECT_EQ(servers.Cells(10, 0), QStringLiteral("Mnemonic"));
  EXPECT_TRUE(servers.Options() & goRowSelect);
  EXPECT_EQ(servers.Columns().Items(4)->Color(), TColor(0xA8FFFF));
}

TEST_F(ClientAccessTest, TextsFollowTheLanguage) {
  EXPECT_EQ(W->windowTitle(), QStringLiteral("OCP UA Client Access"));
  EXPECT_EQ(W->L_SW_Desc->text(), QStringLiteral("OCP UA Client Access"));
  EXPECT_EQ(W->L_Server_List_Title->text(), QStringLiteral("OPC UA Servers List"));
  EXPECT_EQ(W->Btn_Scan_Server->Caption(), QStringLiteral("Scan"));
  EXPECT_EQ(W->Btn_Scan_Server->Hint(), QStringLiteral("Scan the Variables of a OPC UA Server"));
  EXPECT_EQ(W->Btn_PasteRow->Caption(), QStringLiteral("Paste Row"));
  EXPECT_EQ(W->Btn_PasteRow->Hint(), QStringLiteral("Paste the Copied Fields in the Selected Row"));
  EXPECT_EQ(W->Btn_AutoPosition->Caption(), QStringLiteral("Auto Pos"));
  Lang_Table[1203] = QStringLiteral("Neu");
  Lang_Table[1247] = QStringLiteral("Anzeigename");
  Lang_Table[1316] = QStringLiteral("Variable oder Feld");
  W->Set_Lang();
  EXPECT_EQ(W->Btn_Add_Server->Caption(), QStringLiteral("Neu"));
  EXPECT_EQ(W->Read_Table().Cells(2, 0), QStringLiteral("Anzeigename"));
  EXPECT_EQ(W->Hint_Var_R_List[6], QStringLiteral("Variable oder Feld"));
  EXPECT_EQ(W->Btn_AutoPosition->Caption(), QStringLiteral("Auto Pos"));
}

// With no server the variable tables take no edits (they could be stored nowhere), and the server operations and
// the row buttons do nothing.
TEST_F(ClientAccessTest, WithoutAServerNothingCanBeEdited) {
  W->FormShow();
  TQrvColumnGrid& servers = W->Server_Table();
  EXPECT_EQ(servers.RowCount(), 2);
  EXPECT_EQ(Row(servers, 1), QStringList(11, QString()));
  EXPECT_EQ(W->Read_Table().Cells(1, 1), QStringLiteral("Y"));
  EXPECT_EQ(W->Selected_Server(), -1);
  bool can_edit = true;
  W->Read_Table().CanEditCell(2, 1, can_edit);
  EXPECT_FALSE(can_edit);
  can_edit = true;
  W->Write_Table().CanEditCell(1, 1, can_edit);
  EXPECT_FALSE(can_edit);
  TDialogRecorder dialogs;  // any question would fail the test
  W->Btn_AutoPositionClick();
  W->Delete_Server();
  W->Read_Table().MoveToCell(2, 1);
  W->Btn_InsRowClick();
  W->Btn_CopyRowClick();
  W->Btn_DelRowClick();
  EXPECT_EQ(W->Read_Table().Cells(0, 2), QStringLiteral("2"));
  EXPECT_EQ(W->Read_Table().Cells(1, 2), QStringLiteral("Y"));
  {
    TModalDriver driver([](QWidget* modal) { static_cast<TFDialogFrame*>(modal)->SetModalResult(mrCancel); }, 300);
    W->Modify_Server();
    QTest::qWait(50);
    EXPECT_EQ(driver.Shown, nullptr);
  }
  // A file with a server: the tables can be edited, the server table never.
  Write_Two_Servers();
  W->FormShow();
  can_edit = false;
  W->Read_Table().CanEditCell(2, 1, can_edit);
  EXPECT_TRUE(can_edit);
  can_edit = true;
  servers.CanEditCell(1, 1, can_edit);
  EXPECT_FALSE(can_edit);
}

TEST_F(ClientAccessTest, AutomaticPositions) {
  Write_Two_Servers();
  W->FormShow();
  TDialogRecorder dialogs;
  dialogs.Queue_Answer(mrNo);
  W->Btn_AutoPositionClick();
  EXPECT_EQ(Positions(W->OPC_UA_Server_List[0]->Var_List_R), QStringList({"0", "0", "0"}));
  // The first server: Int16, Float, String from 0.
  dialogs.Queue_Answer(mrYes);
  W->Btn_AutoPositionClick();
  EXPECT_EQ(Positions(W->OPC_UA_Server_List[0]->Var_List_R), QStringList({"0", "2", "6"}));
  EXPECT_EQ(W->Read_Table().Cells(11, 3), QStringLiteral("6"));
  EXPECT_EQ(W->Write_Table().Cells(11, 1), QStringLiteral("0"));
  ASSERT_EQ(dialogs.Messages.size(), 2u);
  EXPECT_EQ(dialogs.Messages[0].Text, QStringLiteral("With this operation all the positions for this Server OPC UA "
                                                     "will be overwritten. Do you want to continue?"));
  EXPECT_EQ(dialogs.Messages[0].Type, mtConfirmation);
  EXPECT_EQ(dialogs.Messages[0].Buttons, mbYes | mbNo);
  // The first server's reads now end at 40 with a Double; the second server's DateTime, Guid, ByteString and
  // Boolean follow from 48.
  Edit(W->Read_Table(), {{2, 4, "Total"}, {3, 4, "Numeric"}, {4, 4, "7"}, {5, 4, "Double"}, {11, 4, "40"}});
  EXPECT_EQ(W->OPC_UA_Server_List[0]->Var_List_R.size(), 4u);
  Select_Server(2);
  Edit(W->Read_Table(), {{2, 1, "A"},
                         {5, 1, "DateTime"},
                         {2, 2, "B"},
                         {5, 2, "Guid"},
                         {2, 3, "C"},
                         {5, 3, "ByteString"},
                         {2, 4, "D"},
                         {5, 4, "Boolean"}});
  dialogs.Queue_Answer(mrYes);
  W->Btn_AutoPositionClick();
  EXPECT_EQ(Positions(W->OPC_UA_Server_List[1]->Var_List_R), QStringList({"48", "56", "72", "92"}));
  EXPECT_EQ(W->Read_Table().Cells(11, 4), QStringLiteral("92"));
}

// A table is bound to the selected server while it has the focus and saved into it when the focus leaves.
TEST_F(ClientAccessTest, TheFocusBindsAVariableTableToItsServer) {
  Write_Two_Servers();
  W->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(W.get()));
  QApplication::setActiveWindow(W.get());
  W->FormShow();
  Select_Server(1);
  W->ACG_OPC_UA_Var_R->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(W->Ind_Server, 0);
  W->Read_Table().SetCells(2, 4, QStringLiteral("Added"));
  W->Read_Table().SetCells(5, 4, QStringLiteral("Int32"));
  W->ACG_OPC_UA_Server->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(W->Ind_Server, -1);
  ASSERT_EQ(W->OPC_UA_Server_List[0]->Var_List_R.size(), 4u);
  EXPECT_EQ(W->OPC_UA_Server_List[0]->Var_List_R[3]->VarType(), QStringLiteral("Int32"));
  // The write table of the second server.
  Select_Server(2);
  W->PC_OPC_UA_Vars->setCurrentIndex(1);
  W->ACG_OPC_UA_Var_W->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(W->Ind_Server, 1);
  W->Write_Table().SetCells(2, 1, QStringLiteral("Out"));
  W->Btn_OK->setFocus();
  QApplication::processEvents();
  ASSERT_EQ(W->OPC_UA_Server_List[1]->Var_List_W.size(), 1u);
  EXPECT_EQ(W->OPC_UA_Server_List[1]->Var_List_W[0]->DispalyName(), QStringLiteral("Out"));
  W->hide();
}

// A click on a row number selects the row without scrolling the table sideways, and the row buttons then act on it.
TEST_F(ClientAccessTest, ARowNumberClickSelectsTheRowWhereTheUserLooks) {
  Write_Two_Servers();
  W->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(W.get()));
  W->FormShow();
  TQrvColumnGrid& read = W->Read_Table();
  read.MoveToCell(3, 1);
  read.SetLeftCol(2);
  const QRect number = [&] {
    const TRect r = read.CellRect(0, 3);
    return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
  }();
  QTest::mouseClick(W->ACG_OPC_UA_Var_R->viewport(), Qt::LeftButton, Qt::NoModifier, number.center());
  EXPECT_EQ(read.LeftCol(), 2);
  EXPECT_EQ(read.Row(), 3);
  EXPECT_EQ(read.Col(), 3);
  EXPECT_EQ(read.Selection(), (TGridRect{1, 3, read.ColCount() - 1, 3}));
  TDialogRecorder dialogs;
  dialogs.Queue_Answer(mrYes);
  W->Btn_DelRowClick();
  ASSERT_EQ(dialogs.Messages.size(), 1u);
  EXPECT_EQ(dialogs.Messages[0].Text, QStringLiteral("Are you sure to delete the Row number 3"));
  EXPECT_EQ(read.Cells(2, 3), QString());
  EXPECT_EQ(read.Cells(2, 2), QStringLiteral("Temp"));
  W->hide();
}

TEST_F(ClientAccessTest, RowButtonsWithTheirQuestionsAndRefusals) {
  Write_Two_Servers();
  W->FormShow();
  TQrvColumnGrid& read = W->Read_Table();
  TDialogRecorder dialogs;
  // Delete asks first; the table goes into the server's list at once.
  read.MoveToCell(2, 2);
  dialogs.Queue_Answer(mrNo);
  W->Btn_DelRowClick();
  EXPECT_EQ(read.Cells(2, 2), QStringLiteral("Temp"));
  dialogs.Queue_Answer(mrYes);
  W->Btn_DelRowClick();
  EXPECT_EQ(read.Cells(2, 2), QStringLiteral("Name"));
  ASSERT_EQ(W->OPC_UA_Server_List[0]->Var_List_R.size(), 2u);
  EXPECT_EQ(W->OPC_UA_Server_List[0]->Var_List_R[1]->DispalyName(), QStringLiteral("Name"));
  ASSERT_EQ(dialogs.Messages.size(), 2u);
  EXPECT_EQ(dialogs.Messages[0].Text, QStringLiteral("Are you sure to delete the Row number 2"));
  EXPECT_EQ(dialogs.Messages[0].Buttons, mbYes | mbNo);
  // Copy in the read table, paste into the write table: refused; the read table's own paste asks before it
  // overwrites a used row.
  read.MoveToCell(2, 1);
  W->Btn_CopyRowClick();
  EXPECT_TRUE(W->Do_Copy_Read);
  EXPECT_FALSE(W->Do_Copy_Write);
  W->PC_OPC_UA_Vars->setCurrentIndex(1);
  dialogs.Queue_Answer(mrOk);
  W->Btn_PasteRowClick();
  EXPECT_EQ(dialogs.Messages.back().Text, QStringLiteral("Error!!! Copy a valid row before Paste it"));
  EXPECT_EQ(W->Write_Table().Cells(2, 1), QStringLiteral("Cmd"));
  W->PC_OPC_UA_Vars->setCurrentIndex(0);
  read.MoveToCell(2, 2);
  dialogs.Queue_Answer(mrYes);
  W->Btn_PasteRowClick();
  EXPECT_EQ(dialogs.Messages.back().Text, QStringLiteral("Row Already used. Do you want to overwrite the values?"));
  EXPECT_EQ(read.Cells(2, 2), QStringLiteral("Speed"));
  EXPECT_EQ(W->OPC_UA_Server_List[0]->Var_List_R[1]->DispalyName(), QStringLiteral("Speed"));
  // Insert: a blank enabled row, kept in the list without a name together with the rows below it (OK refuses it
  // until it is named or deleted).
  read.MoveToCell(2, 2);
  W->Btn_InsRowClick();
  EXPECT_EQ(Row(read, 2).mid(0, 3), QStringList({"2", "Y", ""}));
  EXPECT_EQ(read.Cells(2, 3), QStringLiteral("Speed"));
  ASSERT_EQ(W->OPC_UA_Server_List[0]->Var_List_R.size(), 3u);
  EXPECT_EQ(W->OPC_UA_Server_List[0]->Var_List_R[1]->DispalyName(), QString());
  EXPECT_EQ(W->OPC_UA_Server_List[0]->Var_List_R[2]->DispalyName(), QStringLiteral("Speed"));
}

// A row without a name above the last row in use is refused on OK by server, table and row, never dropped with
// the rows below it; once it is filled in or deleted, OK writes every row.
TEST_F(ClientAccessTest, ARowWithoutANameIsRefusedNotDropped) {
  Write_Two_Servers();
  const QByteArray before = File();
  W->FormShow();
  TDialogRecorder dialogs;
  // Read table: Temp's name wiped (the row keeps its other cells). Write table: a row typed below a blank one.
  Edit(W->Read_Table(), {{2, 2, ""}});
  Edit(W->Write_Table(), {{2, 3, "Later"}, {11, 3, "20"}, {12, 3, "0"}});
  // Another server shown and the first one again: nothing of either table is lost on the way.
  Select_Server(2);
  Select_Server(1);
  EXPECT_EQ(W->Read_Table().Cells(2, 3), QStringLiteral("Name"));
  EXPECT_EQ(W->Write_Table().Cells(2, 3), QStringLiteral("Later"));
  dialogs.Queue_Answer(mrOk);
  W->Btn_OKClick();
  EXPECT_EQ(W->ModalResult(), mrNone);
  EXPECT_EQ(File(), before);
  Edit(W->Read_Table(), {{2, 2, "Temp"}});
  dialogs.Queue_Answer(mrOk);
  W->Btn_OKClick();
  EXPECT_EQ(W->ModalResult(), mrNone);
  EXPECT_EQ(dialogs.Texts(), QStringList({"Error in Server Number 1, Variables in Read, row 2!! The Display Name "
                                          "cannot be empty: fill it in or delete the row",
                                          "Error in Server Number 1, Variables in Write, row 2!! The Display Name "
                                          "cannot be empty: fill it in or delete the row"}));
  // The blank write row deleted: OK writes all of them.
  W->PC_OPC_UA_Vars->setCurrentIndex(1);
  W->Write_Table().MoveToCell(2, 2);
  dialogs.Queue_Answer(mrYes);
  W->Btn_DelRowClick();
  W->Btn_OKClick();
  EXPECT_EQ(W->ModalResult(), mrOk);
  TOPC_UA_Server_List written;
  ASSERT_TRUE(Read_OPC_UA_Client_File(Path_OPC_UA_Client, written).Complete);
  QStringList names;
  for (const auto* list : {&written[0]->Var_List_R, &written[0]->Var_List_W})
    for (const auto& v : *list) names << v->DispalyName();
  EXPECT_EQ(names, QStringList({"Speed", "Temp", "Name", "Cmd", "Later"}));
}

// OK checks the servers and shows the first failure with its numbers filled in; nothing is written until every
// check passes.
TEST_F(ClientAccessTest, OkShowsTheChecksInOrderThenWrites) {
  Write_Two_Servers();
  const QByteArray before = File();
  W->FormShow();
  TDialogRecorder dialogs;
  // Server 1: Name (a String, read as a single variable) without a start; its write variable Cmd at 1500.
  Edit(W->Read_Table(), {{8, 3, ""}});
  Edit(W->Write_Table(), {{11, 1, "1500"}});
  Select_Server(2);
  Edit(W->Read_Table(), {{10, 1, "0"}});
  for (int i = 0; i < 3; ++i) dialogs.Queue_Answer(mrOk);
  W->Btn_OKClick();
  Select_Server(1);
  Edit(W->Read_Table(), {{8, 3, "0"}});
  W->Btn_OKClick();
  Edit(W->Write_Table(), {{11, 1, "12"}});
  W->Btn_OKClick();
  EXPECT_EQ(dialogs.Texts(),
            QStringList({"Error in Server Number 1 in Read Variable 3!! Start byte is Wrong",
                         "Error in Server Number 1 in Write Variable 1!! Position must be between 0 and 1499",
                         "Error in Server Number 2 in Read Variable 1!! Time must be major to 0"}));
  for (const TMessageRequest& m : dialogs.Messages) EXPECT_EQ(m.Type, mtError);
  EXPECT_EQ(File(), before);
  EXPECT_EQ(W->ModalResult(), mrNone);
  Select_Server(2);
  Edit(W->Read_Table(), {{10, 1, "250"}});
  W->Btn_OKClick();
  EXPECT_EQ(W->ModalResult(), mrOk);
  TOPC_UA_Server_List written;
  ASSERT_TRUE(Read_OPC_UA_Client_File(Path_OPC_UA_Client, written).Complete);
  EXPECT_EQ(written[1]->Var_List_R[0]->Time(), QStringLiteral("250"));
  EXPECT_EQ(written[0]->Var_List_W[0]->Position(), QStringLiteral("12"));
}

// The file written for rows typed into the tables: identifiers and data types in their stored forms, a name of
// blanks kept, write variables without array settings.
TEST_F(ClientAccessTest, WritesTheTablesIntoTheFile) {
  W->FormShow();
  {
    TModalDriver driver([](QWidget* modal) {
      auto* add = static_cast<TFOPC_UA_Add_Server*>(modal);
      add->E_Server_Add->setText(QStringLiteral("opc.tcp://plc:4840"));
      add->E_Mnemonic->setText(QStringLiteral("Line 1"));
      add->Btn_OKClick();
    });
    W->Add_Server();
    EXPECT_EQ(driver.Shown, FOPC_UA_Add_Server);
  }
  Select_Server(1);
  Edit(W->Read_Table(), {{2, 1, "Speed"},      {3, 1, "guid"}, {4, 1, "72962b91-fa75-4ae6-8d28-b404dc7daf63"},
                         {5, 1, "datetime"},   {6, 1, "3"},    {7, 1, "Array"},
                         {8, 1, "1"},          {9, 1, "4"},    {10, 1, "100"},
                         {11, 1, "0"},         {12, 1, "2"},   {13, 1, "Y"},
                         {16, 1, "m&1"},       {2, 2, "  "},   {3, 2, "Numeric"},
                         {4, 2, "4294967296"}, {5, 2, "Real"}, {6, 2, "70000"},
                         {7, 2, "Variable"},   {10, 2, "10"},  {11, 2, "8"},
                         {1, 2, "N"}});
  Edit(W->Write_Table(), {{2, 1, "Cmd"},
                          {3, 1, "String"},
                          {4, 1, "ns=2;s=Cmd"},
                          {5, 1, "Boolean"},
                          {7, 1, "Y"},
                          {8, 1, "N"},
                          {9, 1, "Y"},
                          {10, 1, "50"},
                          {11, 1, "100"},
                          {12, 1, "7"},
                          {15, 1, "Y"}});
  W->Btn_OKClick();
  EXPECT_EQ(W->ModalResult(), mrOk);
  EXPECT_EQ(File(),
            QByteArray(
                "<OPC_UA_Client><OPC_UA_Server_List><OPC_UA_Server Enable=\"1\" ServerAddress=\"opc.tcp://plc:4840\" "
                "Authorization=\"Anonymous\" UserName=\"\" Password=\"\" Certificate=\"\" PrivateKey=\"\" "
                "SecurityType=\"None\" SecurityPolicy=\"None\" Mnemonic=\"Line 1\"><OPC_UA_Variables>"
                "<OPC_UA_Read_Var><Variable Enable=\"1\" DisplayName=\"Speed\" NodeType=\"Guid\" "
                "NodeID=\"72962B91-FA75-4AE6-8D28-B404DC7DAF63\" VarType=\"DateTime\" NameSpaceIndex=\"3\" "
                "VarArray=\"Array\" Start=\"1\" Length=\"4\" OnChange=\"0\" OnCMD=\"0\" OnTimer=\"0\" Time=\"100\" "
                "Position=\"0\" StartBit=\"2\" Swap=\"1\" Swap_Word=\"0\" Swap_All=\"0\" Mnemonic=\"m&amp;1\"/>"
                "<Variable Enable=\"0\" DisplayName=\"  \" NodeType=\"Numeric\" NodeID=\"0\" VarType=\"Boolean\" "
                "NameSpaceIndex=\"4464\" VarArray=\"Variable\" Start=\"\" Length=\"\" OnChange=\"0\" OnCMD=\"0\" "
                "OnTimer=\"0\" Time=\"10\" Position=\"8\" StartBit=\"\" Swap=\"0\" Swap_Word=\"0\" Swap_All=\"0\" "
                "Mnemonic=\"\"/></OPC_UA_Read_Var><OPC_UA_Write_Var><Variable Enable=\"1\" DisplayName=\"Cmd\" "
                "NodeType=\"String\" NodeID=\"ns=2;s=Cmd\" VarType=\"Boolean\" NameSpaceIndex=\"0\" VarArray=\"Var\" "
                "Start=\"0\" Length=\"0\" OnChange=\"1\" OnCMD=\"0\" OnTimer=\"1\" Time=\"50\" Position=\"100\" "
                "StartBit=\"7\" Swap=\"0\" Swap_Word=\"0\" Swap_All=\"1\" Mnemonic=\"\"/></OPC_UA_Write_Var>"
                "</OPC_UA_Variables></OPC_UA_Server></OPC_UA_Server_List></OPC_UA_Client>"));
}

// OK with the focus still in an open editor of a variable table: what was typed is saved with the rest.
TEST_F(ClientAccessTest, OkSavesTheTableBeingEditedWhateverHasTheFocus) {
  Write_Two_Servers();
  W->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(W.get()));
  QApplication::setActiveWindow(W.get());
  W->FormShow();
  W->ACG_OPC_UA_Var_R->setFocus();
  QApplication::processEvents();
  TQrvColumnGrid& read = W->Read_Table();
  read.MoveToCell(16, 2);
  read.ShowInplaceEdit();
  QApplication::processEvents();
  ASSERT_TRUE(read.EditMode());
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("typed"));
  W->Btn_OKClick();
  EXPECT_EQ(W->ModalResult(), mrOk);
  TOPC_UA_Server_List written;
  ASSERT_TRUE(Read_OPC_UA_Client_File(Path_OPC_UA_Client, written).Complete);
  EXPECT_EQ(written[0]->Var_List_R[1]->Mnemonic(), QStringLiteral("typed"));
}

TEST_F(ClientAccessTest, ServersAddedModifiedAndDeleted) {
  Write_Two_Servers();
  W->FormShow();
  // A double click off the cells adds; cancelled, nothing changes.
  {
    TModalDriver driver([](QWidget* modal) {
      auto* add = static_cast<TFOPC_UA_Add_Server*>(modal);
      EXPECT_EQ(add->FormType, TFOPC_UA_Add_Server::Form_Add);
      EXPECT_EQ(add->E_Server_Add->text(), QString());
      add->SetModalResult(mrCancel);
    });
    W->ACG_OPC_UA_ServerDblClickCell(-1, -1);
    EXPECT_EQ(driver.Shown, FOPC_UA_Add_Server);
  }
  EXPECT_EQ(W->OPC_UA_Server_List.size(), 2u);
  {
    TModalDriver driver([](QWidget* modal) {
      auto* add = static_cast<TFOPC_UA_Add_Server*>(modal);
      add->E_Server_Add->setText(QStringLiteral("opc.tcp://plc3:4840"));
      add->CB_Auth->setCurrentIndex(1);
      add->E_User->setText(QStringLiteral("op"));
      add->E_Pass->setText(QStringLiteral("pw"));
      add->Btn_OKClick();
    });
    W->Add_Server();
  }
  ASSERT_EQ(W->OPC_UA_Server_List.size(), 3u);
  EXPECT_EQ(W->Server_Table().RowCount(), 4);
  EXPECT_EQ(W->Server_Table().Cells(3, 3), QStringLiteral("Username and Password"));
  EXPECT_EQ(W->Server_Table().Cells(4, 3), QStringLiteral("op"));
  // The variable tables keep showing the selected (first) server.
  EXPECT_EQ(W->Read_Table().Cells(2, 1), QStringLiteral("Speed"));
  // A double click on a row modifies the selected server.
  Select_Server(2);
  {
    TModalDriver driver([](QWidget* modal) {
      auto* add = static_cast<TFOPC_UA_Add_Server*>(modal);
      EXPECT_EQ(add->FormType, TFOPC_UA_Add_Server::Form_Modify);
      EXPECT_EQ(add->E_Server_Add->text(), QStringLiteral("opc.tcp://plc2:4840"));
      add->E_Mnemonic->setText(QStringLiteral("Changed"));
      add->Btn_OKClick();
    });
    W->ACG_OPC_UA_ServerDblClickCell(2, 3);
  }
  EXPECT_EQ(W->OPC_UA_Server_List[1]->Mnemonic(), QStringLiteral("Changed"));
  EXPECT_EQ(W->Server_Table().Cells(10, 2), QStringLiteral("Changed"));
  // Deleting the selected server shows the next one's variables, never the deleted one's.
  Select_Server(1);
  TDialogRecorder dialogs;
  dialogs.Queue_Answer(mrCancel);
  dialogs.Queue_Answer(mrYes);
  W->Delete_Server();
  EXPECT_EQ(W->OPC_UA_Server_List.size(), 3u);
  W->Delete_Server();
  ASSERT_EQ(W->OPC_UA_Server_List.size(), 2u);
  EXPECT_EQ(dialogs.Messages[0].Text, QStringLiteral("Do you really want to delete the selected OPC UA Server?"));
  EXPECT_EQ(dialogs.Messages[0].Buttons, mbYes | mbNo | mbCancel);
  EXPECT_EQ(W->Server_Table().Cells(2, 1), QStringLiteral("opc.tcp://plc2:4840"));
  EXPECT_EQ(W->Read_Table().Cells(2, 1), QStringLiteral("Total"));
  EXPECT_EQ(W->Write_Table().Cells(2, 1), QString());
  // The last server deleted while selected: the tables show the one then selected, or nothing.
  Select_Server(2);
  dialogs.Queue_Answer(mrYes);
  W->Delete_Server();
  EXPECT_EQ(W->Server_Table().RowCount(), 2);
  EXPECT_EQ(W->Read_Table().Cells(2, 1), W->Selected_Server() == 0 ? QStringLiteral("Total") : QString());
  // Cancel discards: the next show has the file's servers only.
  W->FormShow();
  EXPECT_EQ(W->OPC_UA_Server_List.size(), 2u);
  EXPECT_EQ(W->Server_Table().Cells(10, 2), QString());
}

// A file cut short in its second server: the first is shown, complete, and the user is told once, with the path.
TEST_F(ClientAccessTest, AStructuralErrorKeepsTheServersReadBefore) {
  QFile f(Path_OPC_UA_Client);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(
      "<OPC_UA_Client><OPC_UA_Server_List><OPC_UA_Server Enable=\"1\" ServerAddress=\"a\" Authorization=\"Anonymous\""
      " UserName=\"\" Password=\"\" Certificate=\"\" PrivateKey=\"\" SecurityType=\"None\" SecurityPolicy=\"None\" "
      "Mnemonic=\"\"><OPC_UA_Variables><OPC_UA_Read_Var/><OPC_UA_Write_Var/></OPC_UA_Variables></OPC_UA_Server>"
      "<OPC_UA_Server Enable=\"1\" ServerAddress=\"b\"/></OPC_UA_Server_List></OPC_UA_Client>");
  f.close();
  TDialogRecorder dialogs;
  dialogs.Queue_Answer(mrOk);
  W->FormShow();
  ASSERT_EQ(dialogs.Messages.size(), 1u);
  EXPECT_TRUE(dialogs.Messages[0].Text.startsWith(Lang_Table[3471]));
  EXPECT_TRUE(dialogs.Messages[0].Text.contains(Path_OPC_UA_Client));
  EXPECT_EQ(dialogs.Messages[0].Type, mtError);
  ASSERT_EQ(W->OPC_UA_Server_List.size(), 1u);
  EXPECT_EQ(W->Server_Table().RowCount(), 2);
  EXPECT_EQ(W->Server_Table().Cells(2, 1), QStringLiteral("a"));
}

TEST_F(ClientAccessTest, OnlyTheFirst1024VariablesAreShown) {
  TOPC_UA_Server_List servers;
  servers.push_back(Server(QStringLiteral("opc.tcp://plc:4840")));
  for (int i = 1; i <= 1030; ++i) servers[0]->Var_List_R.push_back(Var(QString::number(i), QStringLiteral("Int8")));
  ASSERT_TRUE(Write_OPC_UA_Client_File(Path_OPC_UA_Client, servers));
  TDialogRecorder dialogs;
  dialogs.Queue_Answer(mrOk);
  W->FormShow();
  // The user hears of it when the window opens, before any edit could drop them.
  EXPECT_EQ(dialogs.Texts(), QStringList({"Server Number 1 has 1030 variables in Read, but the table shows only "
                                          "the first 1024: the other 6 are removed from the file if you click in "
                                          "that table and then press OK"}));
  EXPECT_EQ(dialogs.Messages[0].Type, mtWarning);
  EXPECT_EQ(W->Read_Table().Cells(2, 1024), QStringLiteral("1024"));
  Edit(W->Read_Table(), {});
  EXPECT_EQ(W->OPC_UA_Server_List[0]->Var_List_R.size(), 1024u);
}

TEST(ClientTables, EveryListLongerThanATableIsNamed) {
  Load_Default_Strings();
  TOPC_UA_Server_List servers;
  for (int i = 0; i < 3; ++i) servers.push_back(std::make_unique<TOPC_UA_Server>());
  const auto fill = [](TOPC_UA_Variable_List& list, int count) {
    for (int i = 0; i < count; ++i) list.push_back(std::make_unique<TOPC_UA_Variable>());
  };
  fill(servers[0]->Var_List_R, 1024);
  fill(servers[0]->Var_List_W, 1025);
  fill(servers[2]->Var_List_R, 2000);
  fill(servers[2]->Var_List_W, 1100);
  Lang_Table[Msg_Unshown_Read] = QStringLiteral("%d R %d %d %d");
  Lang_Table[Msg_Unshown_Write] = QStringLiteral("%d W %d %d %d");
  EXPECT_EQ(Unshown_Variables_Message(servers),
            QStringLiteral("1 W 1025 1024 1\n3 R 2000 1024 976\n3 W 1100 1024 76"));
  servers.erase(servers.begin() + 2);
  servers[0]->Var_List_W.pop_back();
  EXPECT_EQ(Unshown_Variables_Message(servers), QString());
}

// Whatever the last visit left (the write page, tables scrolled down and sideways, another current cell, an editor
// open), the next one opens on the read page with every table at its first data cell, scrolled to the top left.
TEST_F(ClientAccessTest, EachShowingStartsFresh) {
  Write_Two_Servers();
  const auto leave_behind = [&](TFOPC_UA_Client_Access& w) {
    QApplication::setActiveWindow(&w);
    Select_Server(2);
    w.Server_Table().SetLeftCol(5);
    w.PC_OPC_UA_Vars->setCurrentIndex(1);
    for (TQrvColumnGrid* grid : {&w.Read_Table(), &w.Write_Table()}) {
      grid->MoveCurrent(12, 700, true, true);
      grid->SetTopRow(650);
      grid->SetLeftCol(9);
    }
    w.ACG_OPC_UA_Var_W->setFocus();
    w.Write_Table().EditCell(16, 700);
    QApplication::processEvents();
  };
  const auto expect_fresh = [&](TFOPC_UA_Client_Access& w) {
    EXPECT_EQ(w.PC_OPC_UA_Vars->currentIndex(), 0);
    EXPECT_EQ(w.Selected_Server(), 0);
    for (TTable_View* view : {w.ACG_OPC_UA_Server, w.ACG_OPC_UA_Var_R, w.ACG_OPC_UA_Var_W}) {
      const TQrvColumnGrid& grid = view->Table();
      EXPECT_EQ(QPoint(grid.Col(), grid.Row()), QPoint(1, 1)) << view->objectName().toStdString();
      EXPECT_EQ(QPoint(grid.LeftCol(), grid.TopRow()), QPoint(1, 1));
      EXPECT_FALSE(grid.EditMode());
      for (const QScrollBar* bar : {view->verticalScrollBar(), view->horizontalScrollBar()})
        EXPECT_EQ(bar->value(), bar->minimum());
    }
    EXPECT_EQ(w.Read_Table().Cells(2, 1), QStringLiteral("Speed"));
    const QString shots = qEnvironmentVariable("TARN_SCREENSHOT");
    if (!shots.isEmpty()) w.grab().save(shots + QStringLiteral("_client_again.png"));
  };
  for (const auto& visit : {std::function<void(TFOPC_UA_Client_Access&)>(leave_behind),
                            std::function<void(TFOPC_UA_Client_Access&)>(expect_fresh)}) {
    TModalDriver driver([&](QWidget* modal) {
      auto& w = *static_cast<TFOPC_UA_Client_Access*>(modal);
      visit(w);
      w.Btn_Cancel->Click();
    });
    EXPECT_EQ(W->ShowModal(), mrCancel);
  }
}

// Step 3 of the main road: shown modally, OK closes it once the file is written.
TEST_F(ClientAccessTest, ShownModallyAndClosedByOk) {
  Write_Two_Servers();
  TModalDriver driver([](QWidget* modal) {
    auto* w = static_cast<TFOPC_UA_Client_Access*>(modal);
    EXPECT_EQ(w->OPC_UA_Server_List.size(), 2u);
    w->Btn_OK->Click();
  });
  EXPECT_EQ(W->ShowModal(), mrOk);
  EXPECT_EQ(driver.Shown, W.get());
}

TEST_F(ClientAccessTest, Layout) {
  Write_Two_Servers();
  W->FormShow();
  W->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(W.get()));
  EXPECT_EQ(W->size(), QSize(1150, 660));
  EXPECT_EQ(W->P_OPC_UA_Server_List->geometry(), QRect(0, 69, 1150, 220));
  EXPECT_EQ(W->P_OPC_UA_Var_List->geometry().top(), 289);
  EXPECT_EQ(W->P_Button->geometry(), QRect(0, 620, 1150, 40));
  const TLbButton* panel[] = {W->Btn_OK,      W->Btn_Cancel,   W->Btn_DelRow,      W->Btn_InsRow,
                              W->Btn_CopyRow, W->Btn_PasteRow, W->Btn_AutoPosition};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(panel[i]->geometry(), QRect(8 + 118 * i, 6, 110, 28)) << i;
  const TLbButton* servers[] = {W->Btn_Add_Server, W->Btn_Modify_Server, W->Btn_Delete_Server, W->Btn_Scan_Server};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(servers[i]->size(), QSize(110, 28)) << i;
  EXPECT_EQ(W->PC_OPC_UA_Vars->tabText(0), QStringLiteral("Variables in Read"));
  EXPECT_EQ(W->PC_OPC_UA_Vars->tabText(1), QStringLiteral("Variables in Write"));
  EXPECT_EQ(W->PC_OPC_UA_Vars->currentIndex(), 0);
  // The tables fill their panels inside the window.
  const QRect server_table = W->ACG_OPC_UA_Server->geometry();
  EXPECT_LE(server_table.bottom(), W->Btn_Add_Server->y());
  const QPoint read_bottom = W->ACG_OPC_UA_Var_R->mapTo(W.get(), QPoint(0, W->ACG_OPC_UA_Var_R->height()));
  EXPECT_LE(read_bottom.y(), 620);
  EXPECT_GT(W->ACG_OPC_UA_Var_R->height(), 200);
  const QImage image = W->grab().toImage();
  EXPECT_EQ(image.pixelColor(1140, 640), QColor(0xF8, 0xF7, 0xED));
  const QString shots = qEnvironmentVariable("TARN_SCREENSHOT");
  if (!shots.isEmpty()) image.save(shots + QStringLiteral("_client.png"));
  W->hide();
}

}  // namespace
