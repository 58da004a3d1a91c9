#pragma once
// Browses a live OPC UA server for its variables; opened from the OPC UA client window.
#include "UPlaceholderWindow.h"

class TFOPC_UA_Scan_Server : public TFPlaceholderWindow {
 public:
  explicit TFOPC_UA_Scan_Server(QWidget* parent = nullptr) : TFPlaceholderWindow(1500, 1501, parent) {}
};

inline TFOPC_UA_Scan_Server* FOPC_UA_Scan_Server = nullptr;
