#pragma once
// The browse window's way to call the browsing layer: the browse runs off the UI thread, the windows keep painting,
// and the number of variables found arrives on the UI thread. The variables are then read with
// opcua_return_variable, on the UI thread, as after opcua_client_begin.
#include <QObject>
#include <cstdint>
#include <functional>

#include "UOPC_UA_Records.h"
#include "UWorker.h"
#include "UaBrowseWalker.h"

// Starts browsing the server and returns at once; the record's texts are copied, so they may go away after the
// call. on_done(count) runs on the UI thread when the browse has ended, unless context (the window that asked) is
// gone by then. With TUserInput::Refused the program takes no input until then. False, and nothing started, while
// another browse is still running: there is only one list of variables found.
bool Start_Browse(QObject* context, const opcua_server_to_discover& server,
                  std::function<void(int32_t count)> on_done, TUserInput input = TUserInput::Refused,
                  const TUaBrowseLimits& limits = TUaBrowseLimits());
// True from Start_Browse until the browse's thread has ended.
bool Browse_Running();
