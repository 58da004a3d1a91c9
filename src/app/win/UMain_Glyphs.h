#pragma once
// Pictures of the main window's three picture buttons (About, options, close), drawn in code.
#include "UBitmap.h"

TBitmap Info_Glyph();
TBitmap Options_Glyph();
TBitmap Close_Glyph();
