#pragma once
// The maker's web services: the version query, the download page and the home page, and the rules that read
// the version service's reply.
#include <QString>
#include <cstdint>

#include "UHttp.h"

// The maker's real host is not known to this program; a name under the reserved .invalid domain never resolves,
// so a check fails quietly (no newer version) instead of reaching a stranger's server.
inline const QString Maker_Host = QStringLiteral("www.quorvane.invalid");

QString Version_Service_Url();
QString Download_Page_Url();
QString Home_Page_Url();

// Tests point the version query at a local server ("http://127.0.0.1:port"); an empty origin restores the
// maker's host.
void Set_Version_Service_Origin(const QString& origin);
void Set_Version_Check_Limits(const THttpLimits& limits);
THttpLimits Version_Check_Limits();

// "VER. 1.010" -> 1010: one digit, a point and three digits after the first blank (the point itself is not
// looked at); -1 when those four are not all decimal digits or the text is too short.
int32_t Conv_Version_Text(const QString& ver_str);
// True when the reply names a version newer than this program's own.
bool Reply_Offers_Newer_Version(const QString& reply);
// Asks the version service and reads its reply; every failure counts as no newer version. The request runs off the
// UI thread: the windows keep painting but take no input until it has ended.
bool Query_Newer_Version();
