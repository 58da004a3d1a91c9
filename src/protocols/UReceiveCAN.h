#pragma once
// The CAN receive frame table.
#include "UPlaceholderWindow.h"

class TFReceiveCAN : public TFPlaceholderWindow {
 public:
  explicit TFReceiveCAN(QWidget* parent = nullptr) : TFPlaceholderWindow(1900, 1901, parent) {}
};

inline TFReceiveCAN* FReceiveCAN = nullptr;
