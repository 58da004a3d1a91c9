#pragma once
// The user identity of ActivateSession: which of the endpoint's token policies serves the login, and the token built
// for it (a user-name password is encrypted with the server's certificate when the policy asks for it; a certificate
// identity is signed with its key).
#include <QByteArray>
#include <cstdint>

#include "UaCrypto.h"
#include "UaMessages.h"
#include "UaSocket.h"

enum class TUaLoginKind { Anonymous, User_Name, Certificate };

struct TUaLogin {
  bool Anonymous = true;  // false: the user name, or the certificate when Certificate_Der is set
  QByteArray User;        // UTF-8
  QByteArray Password;    // UTF-8
  QByteArray Certificate_Der;
  TUaKey Key;  // the certificate's private key

  TUaLoginKind Kind() const {
    if (Anonymous) return TUaLoginKind::Anonymous;
    return Certificate_Der.isEmpty() ? TUaLoginKind::User_Name : TUaLoginKind::Certificate;
  }
};

// Refuses (EUaError) a server certificate that cannot serve the policy or does not belong to the endpoint's
// application: not RSA, a key size outside the policy's, outside its validity, or another application URI.
void Ua_Check_Server_Certificate(const TUaEndpoint& endpoint, const TUaSecurityPolicy& policy);

// Raises EUaError when the endpoint has no token policy for the login or asks for a security this client lacks.
// The encryption of a password ends with EUaError when the deadline passes.
TUaIdentityToken Ua_Build_Identity(const TUaEndpoint& endpoint, const TUaLogin& login,
                                   const QByteArray& server_certificate, const QByteArray& server_nonce,
                                   TUaDeadline deadline = TUaDeadline::max());
