#pragma once
// The NMEA 2000 frames the gateway captures: parameter group, source address, transport or fast-packet protocol
// and the bytes captured, within a budget of 512 bytes; kept in NMEA_Rec_Frames.xml.
#include "UProtocol_Window.h"

class TFReceiveNMEA : public TFProtocol_Window {
 public:
  explicit TFReceiveNMEA(QWidget* parent = nullptr);
  static const TProtocol_Layout& Window_Layout();
  static constexpr int32_t NUM_BYTE_IN = 512;

  TTable_View* sga = View(0);
  QStringList& Hint_ReceiveNMEA = Hints(0);

  bool Controllo_Dati() { return Controllo_dati(); }
};

inline TFReceiveNMEA* FReceiveNMEA = nullptr;
