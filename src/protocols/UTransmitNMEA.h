#pragma once
// The NMEA 2000 frames the gateway sends: priority, parameter group, source address, fast packet, byte count and
// when each is sent (on request, on a data change, on a timer), within a budget of 512 bytes; kept in
// NMEA_Send_Frames.xml.
#include "UProtocol_Window.h"

class TFTransmitNMEA : public TFProtocol_Window {
 public:
  explicit TFTransmitNMEA(QWidget* parent = nullptr);
  static const TProtocol_Layout& Window_Layout();
  static constexpr int32_t NUM_BYTE_OUT = 512;

  TTable_View* sga = View(0);
  QStringList& Hint_TransmitNMEA = Hints(0);

  bool Controllo_Dati() { return Controllo_dati(); }
};

inline TFTransmitNMEA* FTransmitNMEA = nullptr;
