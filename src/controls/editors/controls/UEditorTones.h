#pragma once
// A grid's colour tones on the buttons of its editors: normal, hot and pressed faces and the border; the combo
// also takes the grid's colour as its border and turns flat, the date picker its own flat look.
#include "UTypes.h"
#include "UVyxStyle.h"

class TQsgComboBox;
class TQsgEditBtn;
class TQsgSpinEdit;
class TThemedDateTimePicker;

void Apply_Editor_Tones(const TColorTones& tones, TColor gridColor, TQsgComboBox& combo);
void Apply_Editor_Tones(const TColorTones& tones, TQsgEditBtn& edit);
void Apply_Editor_Tones(const TColorTones& tones, TQsgSpinEdit& spin);
void Apply_Editor_Tones(const TColorTones& tones, TThemedDateTimePicker& picker);
