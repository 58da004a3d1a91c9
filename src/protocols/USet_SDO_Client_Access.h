#pragma once
// The CANopen SDO client tables.
#include "UPlaceholderWindow.h"

class TFSet_SDO_Client_Access : public TFPlaceholderWindow {
 public:
  explicit TFSet_SDO_Client_Access(QWidget* parent = nullptr) : TFPlaceholderWindow(2200, 2201, parent) {}
};

inline TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;
