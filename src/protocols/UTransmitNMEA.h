#pragma once
// The NMEA 2000 transmit frame table; no button opens it.
#include "UPlaceholderWindow.h"

class TFTransmitNMEA : public TFPlaceholderWindow {
 public:
  explicit TFTransmitNMEA(QWidget* parent = nullptr) : TFPlaceholderWindow(2800, 2801, parent) {}
};

inline TFTransmitNMEA* FTransmitNMEA = nullptr;
