#pragma once
// Adds or modifies one OPC UA server; opened from the OPC UA client window.
#include "UPlaceholderWindow.h"

class TFOPC_UA_Add_Server : public TFPlaceholderWindow {
 public:
  explicit TFOPC_UA_Add_Server(QWidget* parent = nullptr) : TFPlaceholderWindow(1400, 1401, parent) {}
};

inline TFOPC_UA_Add_Server* FOPC_UA_Add_Server = nullptr;
