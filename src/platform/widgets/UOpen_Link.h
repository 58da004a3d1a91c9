#pragma once
// Opens a link with the user's default application. Windows call this instead of the toolkit, so tests can
// install an opener that records the link instead of starting a browser.
#include <QString>
#include <functional>

// False when no application took the link; callers do not report that.
bool Open_Link(const QString& url);

using TLinkOpener = std::function<bool(const QString& url)>;
// An empty opener restores the real one.
void Set_Link_Opener(TLinkOpener opener);
