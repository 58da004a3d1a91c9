#pragma once
// The buttons the grid shows inside cells: a drop-down arrow, a push button and a spin pair, each in one of four
// looks. The themed look needs the visual style of the `QrvXPVS` binding; without one it takes the classic look.
#include <cstdint>

#include "UCanvas.h"
#include "UThemeModule.h"
#include "UVyxStyle.h"

// Looks: 0 visual style, 1 classic, 2 flat, 3 tones; any other draws nothing.
constexpr uint8_t lkThemed = 0, lkClassic = 1, lkFlat = 2, lkTones = 3;
// States: 0 normal, 1 hot, 2 down, 3 disabled.
constexpr uint8_t partNormal = 0, partHot = 1, partDown = 2, partDisabled = 3;

void DrawDropDownPart(TCanvas& canvas, TWindowHandle window, const TRect& cellRect, uint8_t look, uint8_t state,
                      TColorTones tones);
void DrawButtonPart(TCanvas& canvas, TWindowHandle window, const TRect& buttonRect, uint8_t look, uint8_t state,
                    TColorTones tones);
void DrawSpinPart(TCanvas& canvas, TWindowHandle window, const TRect& cellRect, uint8_t look, uint8_t state,
                  TColorTones tones);
