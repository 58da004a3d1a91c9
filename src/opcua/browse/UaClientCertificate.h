#pragma once
// The client's own application instance certificate for a secured channel when the login brings none: a
// self-signed one, created once and kept in the program folder with the application URI the client announces.
#include <QString>

#include "UaCrypto.h"

inline const QString Ua_Client_Certificate_File = QStringLiteral("OPC_UA_Client_Certificate.der");
inline const QString Ua_Client_Key_File = QStringLiteral("OPC_UA_Client_Key.pem");

// The certificate kept in the folder, or a new one written there first (both files together, the key readable by
// the owner only). A kept pair that does not match, has expired or names another application URI is replaced.
// Raises EUaError with a message naming the folder when the files cannot be written.
TUaOwnCertificate Ua_Program_Certificate(const QString& folder);
