#pragma once
// The J1939 transmit frame table; no button opens it.
#include "UPlaceholderWindow.h"

class TFTransmitJ1939 : public TFPlaceholderWindow {
 public:
  explicit TFTransmitJ1939(QWidget* parent = nullptr) : TFPlaceholderWindow(2600, 2601, parent) {}
};

inline TFTransmitJ1939* FTransmitJ1939 = nullptr;
