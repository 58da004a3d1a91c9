#include "UHttp.h"

#include <curl/curl.h>

#include <QByteArray>
#include <memory>
#include <mutex>

namespace {
struct TReceiveBuffer {
  QByteArray Data;
  qsizetype Limit = 0;
};

size_t Append_Chunk(char* data, size_t size, size_t count, void* user) {
  auto* buffer = static_cast<TReceiveBuffer*>(user);
  const size_t bytes = size * count;
  if (buffer->Data.size() + static_cast<qsizetype>(bytes) > buffer->Limit) return 0;  // aborts the transfer
  buffer->Data.append(data, static_cast<qsizetype>(bytes));
  return bytes;
}

void Init_Curl_Once() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct TCurlDeleter {
  void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct TSlistDeleter {
  void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};
}  // namespace

QString Http_Get(const QString& url, const THttpLimits& limits) {
  Init_Curl_Once();
  std::unique_ptr<CURL, TCurlDeleter> curl(curl_easy_init());
  if (!curl) return QString();
  const QByteArray urlBytes = url.toUtf8();
  const QByteArray accept = QByteArray("Accept: ") + Http_Accept;
  std::unique_ptr<curl_slist, TSlistDeleter> headers(curl_slist_append(nullptr, accept.constData()));
  if (!headers) return QString();
  TReceiveBuffer buffer;
  buffer.Limit = limits.Max_Reply_Bytes;

  CURL* c = curl.get();
  curl_easy_setopt(c, CURLOPT_URL, urlBytes.constData());
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http");
  curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
  curl_easy_setopt(c, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
  curl_easy_setopt(c, CURLOPT_USERAGENT, Http_User_Agent);
  curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
  // An empty proxy name also overrides the proxy environment variables.
  curl_easy_setopt(c, CURLOPT_PROXY, "");
  curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.Connect_Timeout_Ms));
  curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.Total_Timeout_Ms));
  // Timeouts without signals, so the call is safe off the main thread as well.
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, Append_Chunk);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, &buffer);

  if (curl_easy_perform(c) != CURLE_OK) return QString();
  long status = 0;
  if (curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status) != CURLE_OK) return QString();
  if (status < 200 || status > 299) return QString();
  return QString::fromUtf8(buffer.Data);
}
