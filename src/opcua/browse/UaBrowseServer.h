#pragma once
// One browse of one server from start to end: connect, pick the unsecured endpoint, open and activate a session
// with the login, walk the address space, close. Any failure on the way raises EUaError.
#include <QByteArray>
#include <vector>

#include "UaBrowseWalker.h"
#include "UaIdentity.h"

// Everything ends before the deadline (the browse's overall limit), closing aside.
std::vector<TUaFoundVariable> Ua_Browse_Server(const QByteArray& endpoint_url, const TUaLogin& login,
                                               const TUaBrowseLimits& limits, TUaDeadline deadline);
