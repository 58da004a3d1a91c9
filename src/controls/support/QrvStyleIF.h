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
TOfficeTheme DetectSystemStyle();
QString DefaultUiFontName();

extern const QString OfficeGeneralKey12;
extern const QString OfficeGeneralKey14;
extern const QString OfficeCommonKey12;
extern const QString OfficeCommonKey14;
