#pragma once
// The NMEA 2000 receive frame table; no button opens it.
#include "UPlaceholderWindow.h"

class TFReceiveNMEA : public TFPlaceholderWindow {
 public:
  explicit TFReceiveNMEA(QWidget* parent = nullptr) : TFPlaceholderWindow(2700, 2701, parent) {}
};

inline TFReceiveNMEA* FReceiveNMEA = nullptr;
