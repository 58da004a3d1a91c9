#pragma once
// The OPC UA client window of step 3: the servers the gateway connects to and, for the selected server, the
// variables it reads into and writes from the process image. The servers live in the window while it is open; OK
// checks them and writes OPC_UA_Client.xml.
#include <QFrame>
#include <QLabel>
#include <QStringList>
#include <QTabWidget>
#include <cstdint>

#include "UOPC_UA_Server.h"
#include "UTable_Columns.h"
#include "UTable_View.h"
#include "UTable_Window.h"

class TFOPC_UA_Client_Access : public TFTable_Window {
 public:
  explicit TFOPC_UA_Client_Access(QWidget* parent = nullptr);
  ~TFOPC_UA_Client_Access() override;

  static constexpr int Client_Width = 1150;
  static constexpr int Client_Height = 660;

  QFrame* P_OPC_UA_Server_List;
  QLabel* L_Server_List_Title;
  TTable_View* ACG_OPC_UA_Server;
  TLbButton* Btn_Add_Server;
  TLbButton* Btn_Modify_Server;
  TLbButton* Btn_Delete_Server;
  TLbButton* Btn_Scan_Server;
  QFrame* P_OPC_UA_Var_List;
  QLabel* L_Variables_List_Title;
  QTabWidget* PC_OPC_UA_Vars;
  QWidget* TS_OPC_UA_Var_Read;
  QWidget* TS_OPC_UA_Var_Write;
  TTable_View* ACG_OPC_UA_Var_R;
  TTable_View* ACG_OPC_UA_Var_W;
  TLbButton* Btn_AutoPosition;

  // Index i is row i+1 of the server table.
  TOPC_UA_Server_List OPC_UA_Server_List;
  // The server whose list the variable table with the focus edits; -1 while neither has it.
  int32_t Ind_Server = -1;
  bool Do_Copy_Read = false;
  bool Do_Copy_Write = false;
  QStringList Hint_Server_List;
  QStringList Hint_Var_R_List;
  QStringList Hint_Var_W_List;

  // The server of the server table's current row; -1 when that row holds none.
  int32_t Selected_Server() const;
  TQrvColumnGrid& Server_Table() { return ACG_OPC_UA_Server->Table(); }
  TQrvColumnGrid& Read_Table() { return ACG_OPC_UA_Var_R->Table(); }
  TQrvColumnGrid& Write_Table() { return ACG_OPC_UA_Var_W->Table(); }

  // Shows the first failing check in an error dialog; true when everything passed.
  bool Controllo_Dati();
  void Btn_OKClick() override;
  void Show_OPC_UA_Server_List();
  void Show_OPC_UA_Var_List();
  void Erase_OPC_UA_Var_R_List();
  void Erase_OPC_UA_Var_W_List();
  // Rebuilds the server's read (write) list from the read (write) table, down to its last row in use.
  void Save_Variable_in_Read(int32_t server);
  void Save_Variable_in_Write(int32_t server);
  void Add_Server();
  void Modify_Server();
  void Delete_Server();
  // Frees every server with its variables.
  void Delete_Server_Var_OPC_UA();
  void Btn_AutoPositionClick();
  // Browses the selected server in the browse window and imports the variables ticked there.
  void Scan_Server();
  // Append the variables ticked for reading (writing) in the browse window to the server's list; each returns how
  // many a full table left out.
  int32_t Add_Variables_In_Read(TOPC_UA_Server& server);
  int32_t Add_Variables_In_Write(TOPC_UA_Server& server);

  // Table events.
  void ACG_OPC_UA_ServerClickCell(int32_t row, int32_t col);
  void ACG_OPC_UA_ServerDblClickCell(int32_t row, int32_t col);
  void ClickCell(TQrvColumnGrid& grid, int32_t row, int32_t col);
  void ACG_OPC_UA_Var_Enter(TQrvColumnGrid& grid);
  void ACG_OPC_UA_Var_Exit(TQrvColumnGrid& grid);

 protected:
  void FormShow() override;
  TQrvColumnGrid* Row_Table() override;
  int32_t Delete_Question_Id() const override { return 1293; }
  bool Copy_Flag(const TQrvColumnGrid& grid) const override;
  void Row_Copied(TQrvColumnGrid& grid) override;
  void Rows_Changed(TQrvColumnGrid& grid) override;

 private:
  void Create_Server_Panel();
  void Create_Variables_Panel();
  void Bind_Texts();
  void Bind_Variable_Table(TTable_View* view, const QStringList* hints);
  // Saves a variable table into server `server` (read or write by the table).
  void Save_Table(TQrvColumnGrid& grid, int32_t server);
  // Ends an edit in progress in both variable tables, its text written to the cell.
  void Finish_Edits();
  // Asks (read or write question) how browsed variables join a list that has some: true to go on, the list
  // emptied first on No.
  bool Ask_Append(TOPC_UA_Variable_List& list, int32_t question);
  // The variable table bound to Ind_Server.
  TQrvColumnGrid* FBound = nullptr;
};

inline TFOPC_UA_Client_Access* FOPC_UA_Client_Access = nullptr;
