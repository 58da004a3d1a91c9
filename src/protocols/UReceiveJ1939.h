#pragma once
// The J1939 receive frame table; no button opens it.
#include "UPlaceholderWindow.h"

class TFReceiveJ1939 : public TFPlaceholderWindow {
 public:
  explicit TFReceiveJ1939(QWidget* parent = nullptr) : TFPlaceholderWindow(2500, 2501, parent) {}
};

inline TFReceiveJ1939* FReceiveJ1939 = nullptr;
