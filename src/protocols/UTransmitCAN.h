#pragma once
// The CAN transmit frame table.
#include "UPlaceholderWindow.h"

class TFTransmitCAN : public TFPlaceholderWindow {
 public:
  explicit TFTransmitCAN(QWidget* parent = nullptr) : TFPlaceholderWindow(2000, 2001, parent) {}
};

inline TFTransmitCAN* FTransmitCAN = nullptr;
