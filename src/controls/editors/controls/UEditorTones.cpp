#include "UEditorTones.h"

#include "TThemedDateTimePicker.h"
#include "UQsgCombo.h"
#include "UQsgEditBtn.h"
#include "UQsgEditButton.h"
#include "UQsgSpinButton.h"
#include "UQsgSpinEdit.h"

namespace {

template <class TButtons>
void Set_Button_Tones(const TColorTones& tones, TButtons& buttons) {
  buttons.SetButtonColor(tones.Background.BrushColor);
  buttons.SetButtonColorHot(tones.Hover.BrushColor);
  buttons.SetButtonColorDown(tones.Selected.BrushColor);
  buttons.SetButtonBorderColor(tones.Background.BorderColor);
}

}  // namespace

void Apply_Editor_Tones(const TColorTones& tones, TColor gridColor, TQsgComboBox& combo) {
  Set_Button_Tones(tones, combo);
  combo.SetBorderColor(gridColor);
  combo.SetFlat(true);
}

void Apply_Editor_Tones(const TColorTones& tones, TQsgEditBtn& edit) {
  Set_Button_Tones(tones, *edit.Button());
}

void Apply_Editor_Tones(const TColorTones& tones, TQsgSpinEdit& spin) {
  Set_Button_Tones(tones, *spin.Button());
}

void Apply_Editor_Tones(const TColorTones& tones, TThemedDateTimePicker& picker) {
  Set_Button_Tones(tones, picker);
  picker.SetBorderColor(tones.Background.BrushColor);
  picker.SetMetroStyle(true);
}
