#pragma once
// The browsing calls of the browse window: browse one server, then fetch the variables found one by one.
// Called on the UI thread; the call blocks until the browse ends or its time limits run out.
#include <QString>
#include <cstdint>

#include "UOPC_UA_Records.h"
#include "UaBrowseWalker.h"

// Browses the server and keeps the variables found; returns their number, 0 when the server cannot be reached,
// refuses the login, misbehaves, or holds a certificate that does not pass its checks.
int32_t opcua_client_begin(opcua_server_to_discover server);
// Fills the record with the variable of that index (0-based) of the last browse; returns 1, or 0 with a blank
// record for an index outside the list. The texts stay valid until the next browse.
int32_t opcua_return_variable(opcua_structure* variable, int32_t index);

// opcua_client_begin with other limits than the built-in ones.
int32_t Ua_Client_Begin(const opcua_server_to_discover& server, const TUaBrowseLimits& limits);
// Why the last browse failed, in the protocol's terms for a log (empty after a browse that succeeded).
QString Ua_Last_Browse_Error();
// The same as a reason the user can act on; TUaFailure::None when the browse succeeded, also when it found
// nothing the gateway can use.
TUaFailure Ua_Last_Browse_Failure();
