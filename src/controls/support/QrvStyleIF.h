#pragma once
// Tests of the platform from which a control picks the colour style matching the user's desktop, and the
// detection of the office suite's colour theme.
//
// The platform answers are fixed here, decided once for this system: it counts as a desktop of version 6.1 (so
// "5.1 or later" holds), with version-6 common controls and the newer locale functions, hence the UI font
// "Segoe UI" (mapped to an installed free font). Whether a visual style is active and its colour-scheme name come
// from the visual-style library (a missing library means no style); the office suite's theme from the registry.
#include <QString>
#include <cstdint>
#include <functional>

#include "URegistry.h"
#include "UVyxStyle.h"

constexpr int32_t PlatformMajorVersion = 6;
constexpr int32_t PlatformMinorVersion = 1;
constexpr int32_t ComCtlMajorVersion = 6;

bool HasComCtl6();
bool HasVistaApi();
bool IsWinXpOrLater();
// 2 when the 14.0 office key exists, else 1 for the 12.0 key, else 0.
int32_t OfficeVersionPresent();
// The desktop colour scheme: 0 none or unknown, 1 "NormalColor", 2 "HomeStead", 3 "Metallic".
int32_t CurrentXpScheme();
// The integer value "Theme" of the key, or -1 when the key or the value is missing (or not a number).
int32_t ReadOfficeThemeIndex(TRegistry& registry, const QString& keyPath);
// After the office suite's keys and before the visual style's colour scheme, the desktop's own answer: an office
// code 0..9, or -1 to leave it to the scheme. None is installed at start; the widget layer installs the desktop's.
using TDesktopStyleProvider = std::function<int32_t()>;
void SetDesktopStyleProvider(TDesktopStyleProvider provider);
// The office code a desktop of these colours comes closest to: a dark window is the black scheme, a grey
// highlight the silver one, any other the blue one (the 2010 schemes, whose looks match today's desktops).
int32_t OfficeCodeOfDesktop(TColor window, TColor highlight);
TOfficeTheme DetectSystemStyle();
QString DefaultUiFontName();

extern const QString OfficeGeneralKey12;
extern const QString OfficeGeneralKey14;
extern const QString OfficeCommonKey12;
extern const QString OfficeCommonKey14;
