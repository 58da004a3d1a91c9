#pragma once
// The CAN frames the gateway receives: identifier and its format, data length, receive time-out and the
// process-image position of each data byte; kept in CAN_Rec_Frames.xml.
#include "UProtocol_Window.h"

class TFReceiveCAN : public TFProtocol_Window {
 public:
  explicit TFReceiveCAN(QWidget* parent = nullptr);
  static const TProtocol_Layout& Window_Layout();

  TTable_View* ACG_CAN_Receive = View(0);
  QStringList& Hint_ReceiveCAN = Hints(0);
};

inline TFReceiveCAN* FReceiveCAN = nullptr;
