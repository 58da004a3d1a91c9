#pragma once
// Picks a BACnet engineering unit; opened from the BACnet objects window.
#include "UPlaceholderWindow.h"

class TFBACnet_Eng_Unit : public TFPlaceholderWindow {
 public:
  explicit TFBACnet_Eng_Unit(QWidget* parent = nullptr) : TFPlaceholderWindow(1700, 1701, parent) {}
};

inline TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;
