#include "UOpen_Link.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
TLinkOpener& Link_Opener() {
  static TLinkOpener opener;
  return opener;
}
}  // namespace

void Set_Link_Opener(TLinkOpener opener) {
  Link_Opener() = std::move(opener);
}

bool Open_Link(const QString& url) {
  if (Link_Opener()) return Link_Opener()(url);
  return QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
}
