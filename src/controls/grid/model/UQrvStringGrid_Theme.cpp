// Following the desktop's office colour scheme: the style matching the code the support library detects, applied
// when the code changes, and the window's watch of theme changes while AutoThemeAdapt is on.
#include "QrvStyleIF.h"
#include "UGridHost.h"
#include "UQrvStringGrid.h"

void TQrvStringGrid::SetAutoThemeAdapt(bool value) {
  if (value == FAutoThemeAdapt) return;
  FAutoThemeAdapt = value;
  SearchFooter().SetAutoThemeAdapt(value);
  if (value) {
    ThemeAdapt();
    Invalidate();
  }
  if (Host() && !IsLoading() && !IsDesigning()) Host()->WatchThemeChanges(value);
}

void TQrvStringGrid::ThemeAdapt() {
  if (IsDesigning()) return;
  const int32_t code = DetectSystemStyle();
  // The same scheme again leaves whatever colours the application set since.
  if (code == FLastThemeCode) return;
  SetComponentStyle(static_cast<TVyxStyle>(StyleOfOfficeCode(code)));
  FLastThemeCode = code;
}
