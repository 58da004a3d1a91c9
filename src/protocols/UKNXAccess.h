#pragma once
// The KNX telegram table.
#include "UPlaceholderWindow.h"

class TFKNXAccess : public TFPlaceholderWindow {
 public:
  explicit TFKNXAccess(QWidget* parent = nullptr) : TFPlaceholderWindow(3000, 3001, parent) {}
};

inline TFKNXAccess* FKNXAccess = nullptr;
