#pragma once
// A stand-in visual-style library for the tests: records the calls the painters make and paints each themed part
// as a flat rectangle of a marker colour, so tests see where and in which state a part was drawn.
#include <QString>
#include <QStringList>
#include <memory>
#include <set>
#include <string>

#include "UCanvas.h"
#include "UThemeBinding.h"
#include "UThemeModule.h"

struct TFakeTheme {
  static inline QStringList Calls;
  static inline bool Active = true;
  static inline QString Scheme = QStringLiteral("NormalColor");
  static inline std::set<std::string> Missing;
  static inline int Loads = 0;
  static inline int Alive = 0;
  static inline TWindowHandle LastWindow = nullptr;
  static constexpr TColor Marker = 0x123456;

  static void Reset() {
    Calls.clear();
    Active = true;
    Scheme = QStringLiteral("NormalColor");
    Missing.clear();
    Loads = 0;
    LastWindow = nullptr;
  }
};

namespace fake_theme {

inline HTHEME Open(TWindowHandle window, const char16_t* classList) {
  TFakeTheme::LastWindow = window;
  const QString name = QString::fromUtf16(classList);
  TFakeTheme::Calls << QStringLiteral("open ") + name;
  static int token;
  return &token;
}
inline HRESULT Close(HTHEME) {
  TFakeTheme::Calls << QStringLiteral("close");
  return S_OK;
}
inline HRESULT Draw(HTHEME, TCanvas* canvas, int32_t part, int32_t state, const TRect* r, const TRect*) {
  TFakeTheme::Calls << QStringLiteral("draw %1 %2 (%3,%4,%5,%6)")
                           .arg(part)
                           .arg(state)
                           .arg(r->Left)
                           .arg(r->Top)
                           .arg(r->Right)
                           .arg(r->Bottom);
  canvas->Brush().Color = TFakeTheme::Marker;
  canvas->Brush().Style = bsSolid;
  canvas->FillRect(*r);
  return S_OK;
}
inline int32_t Active() {
  return TFakeTheme::Active ? 1 : 0;
}
inline HRESULT Name(char16_t* file, int32_t, char16_t* color, int32_t colorCapacity, char16_t* size, int32_t) {
  file[0] = 0;
  size[0] = 0;
  const QString scheme = TFakeTheme::Scheme.left(colorCapacity - 1);
  for (int i = 0; i < scheme.size(); ++i) color[i] = scheme[i].unicode();
  color[scheme.size()] = 0;
  return S_OK;
}
inline HRESULT Other() {
  return E_NOTIMPL;
}

}  // namespace fake_theme

class TFakeThemeModule : public TThemeModule {
 public:
  TFakeThemeModule() { ++TFakeTheme::Alive; }
  ~TFakeThemeModule() override { --TFakeTheme::Alive; }
  TThemeProc GetProcAddress(const char* name) const override {
    const std::string n(name);
    if (TFakeTheme::Missing.count(n)) return nullptr;
    if (n == "OpenThemeData") return reinterpret_cast<TThemeProc>(&fake_theme::Open);
    if (n == "CloseThemeData") return reinterpret_cast<TThemeProc>(&fake_theme::Close);
    if (n == "DrawThemeBackground") return reinterpret_cast<TThemeProc>(&fake_theme::Draw);
    if (n == "IsThemeActive") return reinterpret_cast<TThemeProc>(&fake_theme::Active);
    if (n == "GetCurrentThemeName") return reinterpret_cast<TThemeProc>(&fake_theme::Name);
    return reinterpret_cast<TThemeProc>(&fake_theme::Other);
  }
};

// Installs the fake library (or, with `present` false, none) and loads the `QrvXPVS` binding.
inline void UseFakeTheme(bool present) {
  FreeThemeLibrary();
  ThemeApiFree();
  TFakeTheme::Reset();
  if (present) {
    SetThemeModuleProvider([] {
      ++TFakeTheme::Loads;
      return std::make_shared<TFakeThemeModule>();
    });
  } else {
    SetThemeModuleProvider(nullptr);
  }
  LoadThemeLibrary();
}

inline void DropFakeTheme() {
  FreeThemeLibrary();
  ThemeApiFree();
  SetThemeModuleProvider(nullptr);
  TFakeTheme::Reset();
}
