#pragma once
// The built-in pictures of the button: one glyph strip per kind and the popup arrow.
#include "LbButtons.h"
#include "UBitmap.h"

// The two-cell strip of a kind (picture, then its greyed and embossed copy) on an olive background; empty for
// bkCustom.
TBitmap Kind_Glyph(TLbButtonKind kind);
// A black downward wedge 5, 3 and 1 pixels wide, 5 x 3 on white.
TBitmap Popup_Arrow_Glyph();
