#include "UQrvButtonAppearance.h"

#include "UColorMath.h"

TQrvButtonAppearance::TQrvButtonAppearance() {
  FFont.Name = QStringLiteral("Tahoma");
  FColorChecked = AdjustColor(FColorHot, -10, -10, 0);
  FColorCheckedTo = AdjustColor(FColorHotTo, -10, -10, 0);
}

void TQrvButtonAppearance::SetGradient(TGradientDirection value) {
  Store(FGradient, value);
}

void TQrvButtonAppearance::Assign(const TQrvButtonAppearance& source) {
  SetBorderColor(source.FBorderColor);
  SetBorderColorHot(source.FBorderColorHot);
  SetBorderColorDown(source.FBorderColorDown);
  SetBorderColorDisabled(source.FBorderColorDisabled);
  SetBorderColorChecked(source.FBorderColorChecked);
  SetColor(source.FColor);
  SetColorTo(source.FColorTo);
  SetColorDisabled(source.FColorDisabled);
  SetColorDisabledTo(source.FColorDisabledTo);
  SetColorDown(source.FColorDown);
  SetColorDownTo(source.FColorDownTo);
  SetColorHot(source.FColorHot);
  SetColorHotTo(source.FColorHotTo);
  SetColorChecked(source.FColorChecked);
  SetColorCheckedTo(source.FColorCheckedTo);
  SetGradient(source.FGradient);
  SetFont(source.FFont);
}
