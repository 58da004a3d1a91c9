#pragma once
// The visual-style library of this platform: the 45 entry points over the toolkit's widget style, so the themed
// painters draw push buttons, check boxes, drop-down and spin buttons, header items and progress bars as the
// desktop's style does.
#include "UThemeModule.h"

// A module with all 45 exports, drawing through QApplication::style().
TThemeModuleHandle MakeQStyleThemeModule();

// The office code of the desktop's palette (its window and highlight colours), -1 without an application.
int32_t DesktopPaletteStyle();

// Makes the style module what loading the library gives, binds both bindings and hands the layered-window calls
// this platform's window opacity; the desktop's palette answers the office colour code. The program calls it once
// at start, before the first window.
void StartThemeSupport();
// Releases both bindings and the module; after it every themed painter takes its classic path.
void StopThemeSupport();
