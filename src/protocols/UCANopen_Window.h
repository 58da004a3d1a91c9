#pragma once
// The two-table CANopen windows (PDO, SDO client, SDO server) spell some of the frame's handlers their own way, and
// delete rows through their own Delete_Row, which moves the visible columns; their tables have no hidden column, so
// it is the shared delete.
#include "UComon.h"
#include "UProtocol_Window.h"

class TFCANopen_Window : public TFProtocol_Window {
 public:
  using TFProtocol_Window::TFProtocol_Window;

  void Btn_OK_Click() { Btn_OKClick(); }
  void Btn_DelRow_Click() { Btn_DelRowClick(); }
  void Delete_Row(int32_t Num_Row, TQrvColumnGrid& SGA) { Grid_Delete_Row(Num_Row, SGA); }
};
