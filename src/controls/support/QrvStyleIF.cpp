#include "QrvStyleIF.h"

#include "Exception.h"
#include "USysColors.h"
#include "UThemeModule.h"

namespace {
TDesktopStyleProvider& Desktop_Style() {
  static TDesktopStyleProvider provider;
  return provider;
}
}  // namespace

const QString OfficeGeneralKey12 = QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common\\General");
const QString OfficeGeneralKey14 = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common\\General");
const QString OfficeCommonKey12 = QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common");
const QString OfficeCommonKey14 = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common");

bool HasComCtl6() {
  return ComCtlMajorVersion > 5;
}

bool HasVistaApi() {
  return PlatformMajorVersion >= 6;
}

bool IsWinXpOrLater() {
  return PlatformMajorVersion > 5 || (PlatformMajorVersion == 5 && PlatformMinorVersion != 0);
}

int32_t OfficeVersionPresent() {
  TRegistry registry;
  registry.SetRootKey(TRootKey::HKEY_CURRENT_USER);
  if (registry.KeyExists(OfficeGeneralKey14)) return 2;
  if (registry.KeyExists(OfficeGeneralKey12)) return 1;
  return 0;
}

int32_t CurrentXpScheme() {
  if (!IsWinXpOrLater()) return 0;
  // A reference of its own, independent of the bindings, released on every way out. Only the two entries this
  // test calls are looked up: a library lacking any other still answers.
  const TThemeModuleHandle library = LoadThemeModule(QStringLiteral("uxtheme.dll"));
  if (!library) return 0;
  const auto active = reinterpret_cast<TIsThemeActive>(library->GetProcAddress("IsThemeActive"));
  if (!active || active() == 0 || !HasComCtl6()) return 0;
  const auto name = reinterpret_cast<TGetCurrentThemeName>(library->GetProcAddress("GetCurrentThemeName"));
  if (!name) return 0;
  const QString scheme = ColorSchemeOf(name);
  if (scheme.contains(QStringLiteral("NormalColor"))) return 1;
  if (scheme.contains(QStringLiteral("HomeStead"))) return 2;
  if (scheme.contains(QStringLiteral("Metallic"))) return 3;
  return 0;
}

int32_t ReadOfficeThemeIndex(TRegistry& registry, const QString& keyPath) {
  if (!registry.OpenKeyReadOnly(keyPath)) return -1;
  int32_t theme = -1;
  if (registry.ValueExists(QStringLiteral("Theme"))) {
    try {
      theme = registry.ReadInteger(QStringLiteral("Theme"));
    } catch (const EConvertError&) {
      theme = -1;
    }
  }
  registry.CloseKey();
  return theme;
}

void SetDesktopStyleProvider(TDesktopStyleProvider provider) {
  Desktop_Style() = std::move(provider);
}

int32_t OfficeCodeOfDesktop(TColor window, TColor highlight) {
  // Lightness and saturation on the 0..255 scale: below half is a dark window; a highlight with less than a fifth
  // of full saturation reads as grey.
  if (TColorToQColor(window).lightness() < 128) return ot2010Black;
  if (TColorToQColor(highlight).hslSaturation() < 51) return ot2010Silver;
  return ot2010Blue;
}

TOfficeTheme DetectSystemStyle() {
  TRegistry registry;
  registry.SetRootKey(TRootKey::HKEY_CURRENT_USER);
  const int32_t t14 = ReadOfficeThemeIndex(registry, OfficeCommonKey14);
  if (t14 != -1) {
    if (t14 == 1) return ot2010Blue;
    if (t14 == 2) return ot2010Silver;
    if (t14 == 3) return ot2010Black;
    return ot2003Blue;
  }
  const int32_t t12 = ReadOfficeThemeIndex(registry, OfficeCommonKey12);
  if (t12 != -1) {
    if (t12 == 1) return ot2007Blue;
    if (t12 == 2) return ot2007Silver;
    if (t12 == 3) return ot2007Black;
    return ot2003Blue;
  }
  if (Desktop_Style()) {
    const int32_t code = Desktop_Style()();
    if (code >= ot2003Blue && code <= ot2010Black) return TOfficeTheme(code);
  }
  switch (CurrentXpScheme()) {
    case 1:
      return ot2003Blue;
    case 2:
      return ot2003Olive;
    case 3:
      return ot2003Silver;
    default:
      return ot2003Classic;
  }
}

QString DefaultUiFontName() {
  return HasVistaApi() ? QStringLiteral("Segoe UI") : QStringLiteral("Tahoma");
}
