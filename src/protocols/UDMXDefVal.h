#pragma once
// The DMX default values.
#include "UPlaceholderWindow.h"

class TFDMXDefVal : public TFPlaceholderWindow {
 public:
  explicit TFDMXDefVal(QWidget* parent = nullptr) : TFPlaceholderWindow(2400, 2401, parent) {}
};

inline TFDMXDefVal* FDMXDefVal = nullptr;
