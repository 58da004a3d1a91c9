#include "UThemeBinding.h"

#include <cstring>

const std::array<const char*, ThemeEntryCount> ThemeEntryNames = {
    "OpenThemeData",
    "CloseThemeData",
    "DrawThemeBackground",
    "DrawThemeText",
    "GetThemeBackgroundContentRect",
    "GetThemeBackgroundExtent",
    "GetThemeTextExtent",
    "GetThemeTextMetrics",
    "GetThemeBackgroundRegion",
    "HitTestThemeBackground",
    "DrawThemeEdge",
    "DrawThemeIcon",
    "IsThemePartDefined",
    "IsThemeBackgroundPartiallyTransparent",
    "GetThemeColor",
    "GetThemeMetric",
    "GetThemeString",
    "GetThemeBool",
    "GetThemeInt",
    "GetThemeEnumValue",
    "GetThemePosition",
    "GetThemeFont",
    "GetThemeRect",
    "GetThemeMargins",
    "GetThemeIntList",
    "SetWindowTheme",
    "GetThemeFilename",
    "GetThemeSysColor",
    "GetThemeSysColorBrush",
    "GetThemeSysBool",
    "GetThemeSysSize",
    "GetThemeSysFont",
    "GetThemeSysString",
    "GetThemeSysInt",
    "IsThemeActive",
    "IsAppThemed",
    "GetWindowTheme",
    "EnableThemeDialogTexture",
    "IsThemeDialogTextureEnabled",
    "GetThemeAppProperties",
    "SetThemeAppProperties",
    "GetCurrentThemeName",
    "GetThemeDocumentationProperty",
    "DrawThemeParentBackground",
    "EnableTheming",
};

namespace {

int Index_Of(const char* name) {
  for (size_t i = 0; i < ThemeEntryNames.size(); ++i) {
    if (std::strcmp(ThemeEntryNames[i], name) == 0) return int(i);
  }
  return -1;
}

const int Open_Index = Index_Of("OpenThemeData");
const int Close_Index = Index_Of("CloseThemeData");
const int Draw_Index = Index_Of("DrawThemeBackground");
const int Active_Index = Index_Of("IsThemeActive");
const int Name_Index = Index_Of("GetCurrentThemeName");

}  // namespace

TThemeBinding::TThemeBinding(QString moduleName) : FModuleName(std::move(moduleName)) {}

void TThemeBinding::Load() {
  if (FLoaded) return;
  FHandle = LoadThemeModule(QStringLiteral("UXTHEME.DLL"));
  if (!FHandle) return;
  FLoaded = true;
  // A new load starts from an empty table, so no address of an earlier load survives an entry that fails.
  FEntries.fill(nullptr);
  for (size_t i = 0; i < ThemeEntryNames.size(); ++i) {
    FEntries[i] = FHandle->GetProcAddress(ThemeEntryNames[i]);
    if (!FEntries[i]) {
      throw EAssertionFailed(
          QStringLiteral("Assertion failure (%1, line %2: %3)").arg(FModuleName).arg(i + 1).arg(ThemeEntryNames[i]));
    }
  }
}

void TThemeBinding::Free() {
  if (!FLoaded) return;
  FHandle.reset();
  FLoaded = false;
}

TThemeProc TThemeBinding::Entry(const char* name) const {
  const int index = Index_Of(name);
  return index < 0 ? nullptr : FEntries[size_t(index)];
}

HTHEME TThemeBinding::OpenThemeData(TWindowHandle window, const QString& classList) const {
  const auto open = Typed<TOpenThemeData>(Open_Index);
  return open ? open(window, reinterpret_cast<const char16_t*>(classList.utf16())) : nullptr;
}

HRESULT TThemeBinding::CloseThemeData(HTHEME theme) const {
  const auto close = Typed<TCloseThemeData>(Close_Index);
  return close ? close(theme) : E_FAIL;
}

HRESULT TThemeBinding::DrawThemeBackground(HTHEME theme, TCanvas& canvas, int32_t part, int32_t state,
                                           const TRect& rect) const {
  const auto draw = Typed<TDrawThemeBackground>(Draw_Index);
  return draw ? draw(theme, &canvas, part, state, &rect, nullptr) : E_FAIL;
}

bool TThemeBinding::IsThemeActive() const {
  const auto active = Typed<TIsThemeActive>(Active_Index);
  return active && active() != 0;
}

QString TThemeBinding::CurrentColorScheme() const {
  const auto name = Typed<TGetCurrentThemeName>(Name_Index);
  return name ? ColorSchemeOf(name) : QString();
}

bool TThemeBinding::DrawPart(TWindowHandle window, const QString& classList, TCanvas& canvas, int32_t part,
                             int32_t state, const TRect& rect) const {
  HTHEME theme = OpenThemeData(window, classList);
  if (!theme) return false;
  const HRESULT result = DrawThemeBackground(theme, canvas, part, state, rect);
  CloseThemeData(theme);
  return result == S_OK;
}

TThemeBinding& QrvXPVS() {
  static TThemeBinding binding(QStringLiteral("QrvXPVS"));
  return binding;
}

TThemeBinding& ATXPVS() {
  static TThemeBinding binding(QStringLiteral("ATXPVS"));
  return binding;
}

void LoadThemeLibrary() {
  QrvXPVS().Load();
}

void FreeThemeLibrary() {
  QrvXPVS().Free();
}

void ThemeApiLoad() {
  ATXPVS().Load();
}

void ThemeApiFree() {
  ATXPVS().Free();
}
