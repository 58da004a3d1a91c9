#pragma once
// The objects the gateway, as CANopen SDO server, offers in the range 0x2000..0x5FFF: up to 500 read by other
// devices and 500 written by them, each with its index, subindex, size and the process-image position of each byte,
// on two pages; kept in SDO_Server_CANopen.xml, which the EDS export reads.
#include "UProtocol_Window.h"

class TFSet_SDO_Server_Access : public TFProtocol_Window {
 public:
  explicit TFSet_SDO_Server_Access(QWidget* parent = nullptr);
  static const TProtocol_Spec& Window_Spec();

  QWidget* TS_SDO_Read = PageControl1->widget(0);
  QWidget* TS_SDO_Write = PageControl1->widget(1);
  TTable_View* sga = View(0);
  TTable_View* sgb = View(1);
  QStringList& Hint_SDO_Client_Read = Hints(0);
  QStringList& Hint_SDO_Client_Write = Hints(1);
  bool& Do_Copy_SDO_Read = Copied(0);
  bool& Do_Copy_SDO_Write = Copied(1);

  void Btn_OK_Click() { Btn_OKClick(); }
  void Btn_DelRow_Click() { Btn_DelRowClick(); }
};

inline TFSet_SDO_Server_Access* FSet_SDO_Server_Access = nullptr;
