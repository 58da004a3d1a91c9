#pragma once
// A scripted OPC UA server for the browse tests of the OPC UA windows: its Objects folder holds the variables given,
// and the tests wait for the browse while the UI thread turns.
#include <QByteArray>
#include <cstdint>
#include <functional>
#include <vector>

#include "TUaFakeServer.h"

// One variable of the scripted server: its node id, its name, its built-in data type and its access level.
struct TFakeVar {
  TUaNodeId Id;
  QByteArray Name;
  uint32_t Type;
  uint8_t Access;
};

// A server whose Objects folder holds `vars`. The first Browse is answered after `delay_ms`, so a test can act
// while the browse runs.
TUaFakeServer::TAnswerer Serving(std::vector<TFakeVar> vars, int delay_ms = 0);
// Variables named prefix0, prefix1, ... (Int32, numeric identifiers from 100 in namespace 2) with these accesses.
std::vector<TFakeVar> Named(const char* prefix, std::vector<uint8_t> accesses);
// Runs the event loop until `done` holds; false after 20 s.
bool Process_Until(const std::function<bool()>& done);
