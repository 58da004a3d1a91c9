#include "UaEndpointUrl.h"

#include <cctype>

bool Parse_Endpoint_Url(const QByteArray& url, TUaEndpointUrl& out) {
  static const QByteArray scheme("opc.tcp://");
  QByteArray text = url.trimmed();
  if (!text.toLower().startsWith(scheme)) return false;
  QByteArray rest = text.mid(scheme.size());
  qsizetype slash = rest.indexOf('/');
  QByteArray authority = slash < 0 ? rest : rest.left(slash);

  QByteArray host;
  QByteArray port;
  bool has_port = false;
  if (authority.startsWith('[')) {
    qsizetype close = authority.indexOf(']');
    if (close < 0) return false;
    host = authority.mid(1, close - 1);
    QByteArray after = authority.mid(close + 1);
    if (!after.isEmpty()) {
      if (!after.startsWith(':')) return false;
      has_port = true;
      port = after.mid(1);
    }
  } else {
    qsizetype colon = authority.indexOf(':');
    host = colon < 0 ? authority : authority.left(colon);
    has_port = colon >= 0;
    if (has_port) port = authority.mid(colon + 1);
  }
  if (host.isEmpty() || host.contains(' ')) return false;

  TUaEndpointUrl parsed;
  parsed.Host = host;
  if (has_port) {
    bool ok = false;
    uint value = port.toUInt(&ok);
    if (!ok || value == 0 || value > 65535 || !std::isdigit(uchar(port[0]))) return false;
    parsed.Port = uint16_t(value);
  }
  out = parsed;
  return true;
}
