#pragma once
// Every protocol window built on the frame, so that a test of the frame runs over each from its own data: a new
// window is covered once it is listed here.
#include <functional>
#include <memory>
#include <vector>

#include "UDMXDefVal.h"
#include "UReceiveCAN.h"
#include "UReceiveJ1939.h"
#include "UReceiveNMEA.h"
#include "USet_PDO_Access.h"
#include "USet_SDO_Client_Access.h"
#include "USet_SDO_Server_Access.h"
#include "UTransmitCAN.h"
#include "UTransmitJ1939.h"
#include "UTransmitNMEA.h"

struct TWindow_Maker {
  const char* Name;
  std::function<std::unique_ptr<TFProtocol_Window>()> Make;
};

template <class W>
TWindow_Maker Maker(const char* name) {
  return {name, [] { return std::make_unique<W>(); }};
}

inline std::vector<TWindow_Maker> Protocol_Windows() {
  return {Maker<TFReceiveCAN>("TFReceiveCAN"),
          Maker<TFTransmitCAN>("TFTransmitCAN"),
          Maker<TFSet_PDO_Access>("TFSet_PDO_Access"),
          Maker<TFSet_SDO_Client_Access>("TFSet_SDO_Client_Access"),
          Maker<TFSet_SDO_Server_Access>("TFSet_SDO_Server_Access"),
          Maker<TFDMXDefVal>("TFDMXDefVal"),
          Maker<TFReceiveJ1939>("TFReceiveJ1939"),
          Maker<TFTransmitJ1939>("TFTransmitJ1939"),
          Maker<TFReceiveNMEA>("TFReceiveNMEA"),
          Maker<TFTransmitNMEA>("TFTransmitNMEA")};
}
