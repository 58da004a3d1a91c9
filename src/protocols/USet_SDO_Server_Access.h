#pragma once
// The CANopen SDO server tables.
#include "UPlaceholderWindow.h"

class TFSet_SDO_Server_Access : public TFPlaceholderWindow {
 public:
  explicit TFSet_SDO_Server_Access(QWidget* parent = nullptr) : TFPlaceholderWindow(2300, 2301, parent) {}
};

inline TFSet_SDO_Server_Access* FSet_SDO_Server_Access = nullptr;
