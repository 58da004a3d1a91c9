#include "UCheck_Version.h"

#include "UGlobals.h"
#include "UStrUtils.h"
#include "UWorker.h"

namespace {
QString& Service_Origin() {
  static QString origin;
  return origin;
}

THttpLimits& Limits() {
  static THttpLimits limits;
  return limits;
}

QString Maker_Origin() {
  return QStringLiteral("http://") + Maker_Host;
}

const QString No_Known_Version = QStringLiteral("VER. 0.000");
}  // namespace

QString Version_Service_Url() {
  const QString origin = Service_Origin().isEmpty() ? Maker_Origin() : Service_Origin();
  return origin + QStringLiteral("/home/download/GetversionSW.asp?nomesw=") + Model_SW_Code;
}

QString Download_Page_Url() {
  return Maker_Origin() + QStringLiteral("/Home/download/download.asp#HDTarn10");
}

QString Home_Page_Url() {
  return Maker_Origin() + QStringLiteral("/HOME/default.asp?frompg=SWTarn10");
}

void Set_Version_Service_Origin(const QString& origin) {
  Service_Origin() = origin;
}
void Set_Version_Check_Limits(const THttpLimits& limits) {
  Limits() = limits;
}
THttpLimits Version_Check_Limits() {
  return Limits();
}

int32_t Conv_Version_Text(const QString& ver_str) {
  const qsizetype blank = ver_str.indexOf(u' ');
  const QString s = Trim(blank >= 0 ? ver_str.mid(blank + 1) : ver_str);
  if (s.size() < 5) return -1;
  // The second character is the point of "d.ddd" and is skipped. Only decimal digits count: a general integer
  // reader would take "$.FFF" as hex 4095 and report it as a newer version.
  int32_t value = 0;
  for (const qsizetype i : {0, 2, 3, 4}) {
    const char16_t c = s[i].unicode();
    if (c < u'0' || c > u'9') return -1;
    value = value * 10 + (c - u'0');
  }
  return value;
}

bool Reply_Offers_Newer_Version(const QString& reply) {
  const QString r = Trim(reply.toUpper());
  if (r.isEmpty() || r == No_Known_Version) return false;
  const int32_t own = Conv_Version_Text(Model_SW_Version);
  const int32_t offered = Conv_Version_Text(Trim(reply));
  if (own == -1 || offered == -1) return false;
  return offered > own;
}

bool Query_Newer_Version() {
  // The worker gets copies: the settings may change on the UI thread while the request runs.
  const QString url = Version_Service_Url();
  const THttpLimits limits = Limits();
  return Reply_Offers_Newer_Version(Run_Off_UI_Thread([url, limits] { return Http_Get(url, limits); }));
}
