#pragma once
// Runs another program (the device updater) and waits for it to end, at most a fixed time. The wait holds the UI
// thread: the user cannot act on the configurator meanwhile.
#include <QString>
#include <cstdint>

// NomeSW: the program; Parameter: its command line; tipo: 0 shows the program's window, anything else asks for
// it hidden. Returns when the program has ended, the limit has passed (the program keeps running) or it could
// not be started: false only in the last case, so that a caller can tell the user.
bool Start_Program(const QString& NomeSW, const QString& Parameter, uint8_t tipo);

constexpr int64_t Start_Program_Default_Limit_Ms = 150000;
// Tests shorten the wait; 0 or less restores the default.
void Set_Start_Program_Limit_Ms(int64_t limit_ms);
