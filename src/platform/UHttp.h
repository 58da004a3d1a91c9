#pragma once
// One blocking HTTP GET of a plain-HTTP URL, with the client settings the version service expects: HTTP/1.0,
// fixed User-Agent and Accept headers, no proxy, no cookies, no redirections followed.
#include <QString>
#include <cstdint>

inline const char Http_User_Agent[] = "Mozilla/3.0 (compatible; Indy Library)";
inline const char Http_Accept[] = "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";

// A request without limits could block the UI thread for good when the peer never answers.
struct THttpLimits {
  int32_t Connect_Timeout_Ms = 10000;
  int32_t Total_Timeout_Ms = 30000;
  // A reply larger than this is refused rather than held in memory.
  int32_t Max_Reply_Bytes = 1024 * 1024;
};

// The reply body decoded as UTF-8, or an empty text on any failure: no connection, a timeout, a status outside
// 200..299 (redirections included), a broken or oversized transfer, or a URL that is not plain HTTP.
QString Http_Get(const QString& url, const THttpLimits& limits = {});
