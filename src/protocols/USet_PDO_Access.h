#pragma once
// The CANopen process data objects the gateway exchanges: up to 30 receive and 30 transmit PDOs, each with its
// COB-ID, data length and the process-image position of each byte, on two pages; kept in PDO_CANopen.xml, which the
// EDS export reads.
#include "UCANopen_Window.h"

class TFSet_PDO_Access : public TFCANopen_Window {
 public:
  explicit TFSet_PDO_Access(QWidget* parent = nullptr);
  static const TProtocol_Layout& Window_Layout();

  QWidget* TS_Receive_PDO = PageControl1->widget(0);
  QWidget* TS_Transmit_PDO = PageControl1->widget(1);
  TTable_View* sga = View(0);
  TTable_View* sgb = View(1);
  QStringList& Hint_PDO_Receive = Hints(0);
  QStringList& Hint_PDO_Transmit = Hints(1);
  bool& Do_Copy_Receive_PDO = Copied(0);
  bool& Do_Copy_Transmit_PDO = Copied(1);
};

inline TFSet_PDO_Access* FSet_PDO_Access = nullptr;
