#pragma once
// The SDO requests the gateway, as CANopen SDO client, sends to other devices: up to 256 reads and 256 writes,
// each naming the device, the object, its size, the poll time and the process-image position of each byte, on two
// pages; kept in SDO_Client_CANopen.xml.
#include "UProtocol_Window.h"

class TFSet_SDO_Client_Access : public TFProtocol_Window {
 public:
  explicit TFSet_SDO_Client_Access(QWidget* parent = nullptr);
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

inline TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;
