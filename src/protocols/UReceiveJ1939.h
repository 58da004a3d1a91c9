#pragma once
// The J1939 frames the gateway captures: parameter group, source address, transport protocol, the bytes captured
// and the periodic request of the frame, within a budget of 1500 bytes; kept in J1939_Rec_Frames.xml.
#include "UProtocol_Window.h"

class TFReceiveJ1939 : public TFProtocol_Window {
 public:
  explicit TFReceiveJ1939(QWidget* parent = nullptr);
  static const TProtocol_Layout& Window_Layout();
  static constexpr int32_t NUM_BYTE_IN = 1500;

  TTable_View* sga = View(0);
  QStringList& Hint_ReceiveJ1939 = Hints(0);

  bool Controllo_Dati() { return Controllo_dati(); }
};

inline TFReceiveJ1939* FReceiveJ1939 = nullptr;
