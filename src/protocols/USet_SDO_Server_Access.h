#pragma once
// The objects the gateway, as CANopen SDO server, offers in the range 0x2000..0x5FFF: up to 500 read by other
// devices and 500 written by them, each with its index, subindex, size and the process-image position of each byte,
// on two pages; kept in SDO_Server_CANopen.xml, which the EDS export reads.
#include "USDO_Window.h"

class TFSet_SDO_Server_Access : public TFSDO_Window {
 public:
  explicit TFSet_SDO_Server_Access(QWidget* parent = nullptr);
  static const TProtocol_Layout& Window_Layout();
};

inline TFSet_SDO_Server_Access* FSet_SDO_Server_Access = nullptr;
