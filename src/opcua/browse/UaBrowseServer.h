#pragma once
// One browse of one server from start to end: connect, pick the endpoint of the security asked for, open the
// channel (secured with the client's certificate when asked), open and activate a session with the login, walk the
// address space, close. Any failure on the way raises EUaError.
#include <QByteArray>
#include <QString>
#include <vector>

#include "UaBrowseWalker.h"
#include "UaIdentity.h"

struct TUaSecurityRequest {
  int32_t Mode = uaModeNone;  // uaModeNone, uaModeSign or uaModeSignAndEncrypt
  const TUaSecurityPolicy* Policy = nullptr;
  // Where the client's own certificate is kept when the login brings none (the program folder).
  QString Certificate_Folder;
};

// Everything ends before the deadline (the browse's overall limit), closing aside.
std::vector<TUaFoundVariable> Ua_Browse_Server(const QByteArray& endpoint_url, const TUaLogin& login,
                                               const TUaBrowseLimits& limits, TUaDeadline deadline,
                                               const TUaSecurityRequest& security = TUaSecurityRequest());
