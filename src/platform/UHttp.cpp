#include "UHttp.h"

#include <curl/curl.h>
#include <dlfcn.h>

#include <QByteArray>
#include <memory>
#include <optional>

namespace {
// The HTTP client is loaded when it is first needed, not with the program: it and the libraries it brings along
// would cost every start, for a request that comes a minute later, if at all. Only the calls below are used.
struct TCurlApi {
  decltype(&curl_global_init) Global_Init;
  decltype(&curl_easy_init) Easy_Init;
  decltype(&curl_easy_cleanup) Easy_Cleanup;
  decltype(&curl_easy_setopt) Easy_Setopt;
  decltype(&curl_easy_perform) Easy_Perform;
  decltype(&curl_easy_getinfo) Easy_Getinfo;
  decltype(&curl_slist_append) Slist_Append;
  decltype(&curl_slist_free_all) Slist_Free_All;
};

template <class F>
bool Bind(void* library, const char* name, F& function) {
  function = reinterpret_cast<F>(dlsym(library, name));
  return function != nullptr;
}

std::optional<TCurlApi> Load_Curl() {
  // Never closed: the library stays for the rest of the run once loaded.
  void* library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
  if (!library) return std::nullopt;
  TCurlApi api{};
  const bool bound =
      Bind(library, "curl_global_init", api.Global_Init) && Bind(library, "curl_easy_init", api.Easy_Init) &&
      Bind(library, "curl_easy_cleanup", api.Easy_Cleanup) && Bind(library, "curl_easy_setopt", api.Easy_Setopt) &&
      Bind(library, "curl_easy_perform", api.Easy_Perform) && Bind(library, "curl_easy_getinfo", api.Easy_Getinfo) &&
      Bind(library, "curl_slist_append", api.Slist_Append) &&
      Bind(library, "curl_slist_free_all", api.Slist_Free_All);
  if (!bound || api.Global_Init(CURL_GLOBAL_DEFAULT) != CURLE_OK) return std::nullopt;
  return api;
}

// Loaded once, on the first request of any thread; nullptr when the library is missing, which fails the request.
const TCurlApi* Curl() {
  static const std::optional<TCurlApi> api = Load_Curl();
  return api ? &*api : nullptr;
}

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

struct TCurlDeleter {
  void operator()(CURL* c) const { Curl()->Easy_Cleanup(c); }
};
struct TSlistDeleter {
  void operator()(curl_slist* l) const { Curl()->Slist_Free_All(l); }
};
}  // namespace

QString Http_Get(const QString& url, const THttpLimits& limits) {
  const TCurlApi* api = Curl();
  if (!api) return QString();
  std::unique_ptr<CURL, TCurlDeleter> curl(api->Easy_Init());
  if (!curl) return QString();
  const QByteArray urlBytes = url.toUtf8();
  const QByteArray accept = QByteArray("Accept: ") + Http_Accept;
  std::unique_ptr<curl_slist, TSlistDeleter> headers(api->Slist_Append(nullptr, accept.constData()));
  if (!headers) return QString();
  TReceiveBuffer buffer;
  buffer.Limit = limits.Max_Reply_Bytes;

  CURL* c = curl.get();
  api->Easy_Setopt(c, CURLOPT_URL, urlBytes.constData());
  api->Easy_Setopt(c, CURLOPT_PROTOCOLS_STR, "http");
  api->Easy_Setopt(c, CURLOPT_HTTPGET, 1L);
  api->Easy_Setopt(c, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
  api->Easy_Setopt(c, CURLOPT_USERAGENT, Http_User_Agent);
  api->Easy_Setopt(c, CURLOPT_HTTPHEADER, headers.get());
  // An empty proxy name also overrides the proxy environment variables.
  api->Easy_Setopt(c, CURLOPT_PROXY, "");
  api->Easy_Setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
  api->Easy_Setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.Connect_Timeout_Ms));
  api->Easy_Setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.Total_Timeout_Ms));
  // Timeouts without signals, so the call is safe off the main thread as well.
  api->Easy_Setopt(c, CURLOPT_NOSIGNAL, 1L);
  api->Easy_Setopt(c, CURLOPT_WRITEFUNCTION, Append_Chunk);
  api->Easy_Setopt(c, CURLOPT_WRITEDATA, &buffer);

  if (api->Easy_Perform(c) != CURLE_OK) return QString();
  long status = 0;
  if (api->Easy_Getinfo(c, CURLINFO_RESPONSE_CODE, &status) != CURLE_OK) return QString();
  if (status < 200 || status > 299) return QString();
  return QString::fromUtf8(buffer.Data);
}
