#pragma once
// The OPC UA client window of step 3: servers and the variables read and written.
#include "UPlaceholderWindow.h"

class TFOPC_UA_Client_Access : public TFPlaceholderWindow {
 public:
  explicit TFOPC_UA_Client_Access(QWidget* parent = nullptr) : TFPlaceholderWindow(1200, 1201, parent) {}
};

inline TFOPC_UA_Client_Access* FOPC_UA_Client_Access = nullptr;
