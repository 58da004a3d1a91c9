#pragma once
// The colours and font every bar button of one drop-down shares. Each colour setter announces a change (OnChange);
// the font is copied silently. The checked colours belong to a latched state the bar buttons never enter.
#include <functional>

#include "UCanvasTools.h"
#include "UDropDownAppearance.h"
#include "UTypes.h"

class TQrvButtonAppearance {
 public:
  TQrvButtonAppearance();
  TQrvButtonAppearance(const TQrvButtonAppearance&) = delete;
  TQrvButtonAppearance& operator=(const TQrvButtonAppearance&) = delete;
  // Every colour (through the setters) and the gradient, then the font.
  void Assign(const TQrvButtonAppearance& source);

#define TARN_BUTTON_COLOR(Name)  \
  TColor Name() const {          \
    return F##Name;              \
  }                              \
  void Set##Name(TColor value) { \
    Store(F##Name, value);       \
  }
  TARN_BUTTON_COLOR(BorderColor)
  TARN_BUTTON_COLOR(BorderColorHot)
  TARN_BUTTON_COLOR(BorderColorDown)
  TARN_BUTTON_COLOR(BorderColorDisabled)
  TARN_BUTTON_COLOR(BorderColorChecked)
  TARN_BUTTON_COLOR(Color)
  TARN_BUTTON_COLOR(ColorTo)
  TARN_BUTTON_COLOR(ColorDisabled)
  TARN_BUTTON_COLOR(ColorDisabledTo)
  TARN_BUTTON_COLOR(ColorDown)
  TARN_BUTTON_COLOR(ColorDownTo)
  TARN_BUTTON_COLOR(ColorHot)
  TARN_BUTTON_COLOR(ColorHotTo)
  TARN_BUTTON_COLOR(ColorChecked)
  TARN_BUTTON_COLOR(ColorCheckedTo)
#undef TARN_BUTTON_COLOR
  TGradientDirection Gradient() const {
    return FGradient;
  }
  void SetGradient(TGradientDirection value);
  const TFont& Font() const {
    return FFont;
  }
  void SetFont(const TFont& value) {
    FFont.Assign(value);
  }

  std::function<void()> OnChange;

 private:
  template <class T>
  void Store(T& field, T value) {
    if (field == value) return;
    field = value;
    if (OnChange) OnChange();
  }

  TColor FBorderColor = clNone, FBorderColorHot = 0x808080, FBorderColorDown = 0x800000,
         FBorderColorDisabled = 0x808080, FBorderColorChecked = 0xFF0000;
  TColor FColor = clNone, FColorTo = clNone, FColorDisabled = 0xF2F2F2, FColorDisabledTo = clNone;
  TColor FColorDown = 0xF5D8CA, FColorDownTo = 0xF9BDA0, FColorHot = 0xF5F0E1, FColorHotTo = 0xF9D2B2;
  TColor FColorChecked = clNone, FColorCheckedTo = clNone;
  TGradientDirection FGradient = gdVertical;
  TFont FFont;  // "Tahoma" by default
};
