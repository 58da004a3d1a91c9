#pragma once
// The J1939 frames the gateway sends: priority, data page, parameter group, source address, byte count and when
// each is sent (on request, on a data change, on a timer), within a budget of 512 bytes; kept in
// J1939_Send_Frames.xml.
#include "UProtocol_Window.h"

class TFTransmitJ1939 : public TFProtocol_Window {
 public:
  explicit TFTransmitJ1939(QWidget* parent = nullptr);
  static const TProtocol_Layout& Window_Layout();
  static constexpr int32_t NUM_BYTE_OUT = 512;

  TTable_View* sga = View(0);
  QStringList& Hint_TransmitJ1939 = Hints(0);

  bool Controllo_Dati() { return Controllo_dati(); }

 protected:
  // A byte count left empty is 8; a row of the earlier layout names its send mode in T_Type.
  void Row_Loaded(int32_t table, pugi::xml_node node, int32_t row) override;
};

inline TFTransmitJ1939* FTransmitJ1939 = nullptr;
