#pragma once
// The SNMP read and write tables.
#include "UPlaceholderWindow.h"

class TFSNMP_Trap_Access : public TFPlaceholderWindow {
 public:
  explicit TFSNMP_Trap_Access(QWidget* parent = nullptr) : TFPlaceholderWindow(2900, 2901, parent) {}
};

inline TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;
