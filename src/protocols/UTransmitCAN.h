#pragma once
// The CAN frames the gateway sends: identifier and its format, data length, when each is sent (on a change, on
// command, on a timer with its period) and the process-image position of each data byte; kept in
// CAN_Send_Frames.xml.
#include "UProtocol_Window.h"

class TFTransmitCAN : public TFProtocol_Window {
 public:
  explicit TFTransmitCAN(QWidget* parent = nullptr);
  static const TProtocol_Layout& Window_Layout();

  TTable_View* ACG_CAN_Transmit = View(0);
  QStringList& Hint_TransmitCAN = Hints(0);

 protected:
  // A file without Time: "0" for a frame sent on a timer, empty for the others.
  void Row_Loaded(int32_t table, pugi::xml_node node, int32_t row) override;
};

inline TFTransmitCAN* FTransmitCAN = nullptr;
