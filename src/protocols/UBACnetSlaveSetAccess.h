#pragma once
// The BACnet object tables.
#include "UPlaceholderWindow.h"

class TFBACnetSlaveSetAccess : public TFPlaceholderWindow {
 public:
  explicit TFBACnetSlaveSetAccess(QWidget* parent = nullptr) : TFPlaceholderWindow(1600, 1601, parent) {}
};

inline TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;
