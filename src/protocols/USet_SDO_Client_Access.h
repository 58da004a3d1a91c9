#pragma once
// The SDO requests the gateway, as CANopen SDO client, sends to other devices: up to 256 reads and 256 writes,
// each naming the device, the object, its size, the poll time and the process-image position of each byte, on two
// pages; kept in SDO_Client_CANopen.xml.
#include "USDO_Window.h"

class TFSet_SDO_Client_Access : public TFSDO_Window {
 public:
  explicit TFSet_SDO_Client_Access(QWidget* parent = nullptr);
  static const TProtocol_Layout& Window_Layout();
};

inline TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;
