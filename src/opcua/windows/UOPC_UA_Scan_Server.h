#pragma once
// Browses one live OPC UA server and lists its variables, so the user can tick which to import into the server's
// read list and which into its write list; opened from the OPC UA client window, which fills Server first and,
// after OK, reads List_Var and the ticks of columns 1 (read) and 2 (write) row by row (row i + 1 is List_Var[i]).
//
// A browse that lists nothing says why below the empty table: no server at the address, a refused login, a server
// without variables the gateway can use, ...
//
// The browse starts from a one-shot timer once the window is on screen and runs off the UI thread, so the window
// keeps painting and Cancel closes it at once. A browse given up that way ends on its own; its result is dropped,
// and the next show waits for it before browsing again, since the browsing layer keeps a single list.
#include <QLabel>
#include <QTimer>
#include <cstdint>
#include <vector>

#include "UDialogFrame.h"
#include "UGridView.h"
#include "UOPC_UA_Records.h"
#include "UQrvColumnGrid.h"

class TFOPC_UA_Scan_Server : public TFDialogFrame {
 public:
  explicit TFOPC_UA_Scan_Server(QWidget* parent = nullptr);

  static constexpr int Client_Width = 1035;
  static constexpr int Client_Height = 337;
  static constexpr int Scan_Delay_Ms = 100;
  static constexpr int Col_Read = 1;
  static constexpr int Col_Write = 2;
  static constexpr int Col_Count = 9;

  // Filled by the caller before the window opens; its texts stay the caller's.
  opcua_server_to_discover Server;
  // The variables of the last browse; their texts belong to the browsing layer and last until its next browse.
  std::vector<opcua_structure> List_Var;
  QTimer* Timer_Scan;
  QLabel* LWaiting;
  // Why the last browse listed nothing; hidden while there is nothing to tell.
  QLabel* LNothing_Found;
  // The result table; its view is the widget on the window.
  TQrvColumnGrid* ACG_OPC_UA_Scan_Var;
  TGridView* ACG_OPC_UA_Scan_Var_View;
  TLbButton* Btn_SelectAllRead;
  TLbButton* Btn_ClearAllRead;
  TLbButton* Btn_SelectAllWrite;
  TLbButton* Btn_ClearAllWrite;

  void Set_Lang() override;
  // Clears the table and, with an address to browse, starts the wait for the browse. An empty address leaves the
  // table and the list empty.
  void FormShow() override;
  // The one blank data row of a table without variables.
  void Erase_Table();
  void Show_Variables_List();
  void Timer_ScanTimer();
  // Sender: the read or the write button; tick or untick that column of every row (nothing without variables).
  void Btn_SelectAllReadClick(TLbButton* Sender);
  void Btn_ClearAllReadClick(TLbButton* Sender);

  void done(int result) override;

 private:
  void Browse_Done(uint32_t show, int32_t count);
  // The reason the browsing layer gave for its last browse, in the user's words.
  QString Nothing_Found_Text() const;
  void Set_Column(int32_t column, const QString& text);

  // Counts shows and closes: a browse result is taken only by the show that started it.
  uint32_t FShow = 0;
};

inline TFOPC_UA_Scan_Server* FOPC_UA_Scan_Server = nullptr;
