#pragma once
// The sixteen colour styles as a drop-down takes them: its popup's colours, its header and footer bars and its bar
// buttons; and the selection colours of the pickers. tsCustom changes nothing.
#include "UDropDownAppearance.h"
#include "UQrvButtonAppearance.h"
#include "UTypes.h"
#include "UVyxStyle.h"

enum TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };

// What a style sets. Colours are written straight in (no announcement), except the button appearance's setters and
// the bar fonts' colours.
struct TDropDownStyleTarget {
  TColor& DropDownColor;
  TColor& DropDownColorTo;
  TColor& DropDownBorderColor;
  THeaderAppearance& Header;
  TFooterAppearance& Footer;
  TQrvButtonAppearance& Buttons;
};

void ApplyDropDownStyle(TVyxStyle style, TDropDownStyleTarget target);

// The selection fill of a style; false for scCustom, which keeps the colours.
bool SelectionColors(TSelectionColorStyle style, TColor& color, TColor& colorTo);
