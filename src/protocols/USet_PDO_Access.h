#pragma once
// The CANopen PDO tables.
#include "UPlaceholderWindow.h"

class TFSet_PDO_Access : public TFPlaceholderWindow {
 public:
  explicit TFSet_PDO_Access(QWidget* parent = nullptr) : TFPlaceholderWindow(2100, 2101, parent) {}
};

inline TFSet_PDO_Access* FSet_PDO_Access = nullptr;
