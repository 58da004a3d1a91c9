#pragma once
// The user identity of ActivateSession: which of the endpoint's token policies serves the login, and the token built
// for it (a user-name password is encrypted with the server's certificate when the policy asks for it).
#include <QByteArray>
#include <cstdint>

#include "UaMessages.h"
#include "UaSocket.h"

struct TUaLogin {
  bool Anonymous = true;
  QByteArray User;      // UTF-8
  QByteArray Password;  // UTF-8
};

// Raises EUaError when the endpoint has no token policy for the login or asks for a security this client lacks.
// The encryption of a password ends with EUaError when the deadline passes.
TUaIdentityToken Ua_Build_Identity(const TUaEndpoint& endpoint, const TUaLogin& login,
                                   const QByteArray& server_certificate, const QByteArray& server_nonce,
                                   TUaDeadline deadline = TUaDeadline::max());
