#pragma once
// What the combo and the themed date pickers paint alike in their own look: the border with its focus and
// disabled variants, the band of button face around the drop arrow, and the drop button's state and face colour.
// Where the two differ (the button's geometry, the picker's raised edge, the combo's flat underline) each control
// keeps its own drawing.
#include "UButtonFaceColors.h"
#include "UTypes.h"

class TCanvas;

// A themed control's border while it is disabled.
constexpr TColor Themed_Disabled_Border = 0xB99D7F;

struct TEditorBorderLook {
  bool Enabled = true;
  bool Themed = false;
  bool DisabledBorder = false;
  bool HasFocus = false;
  bool FocusBorderShown = false;
  TColor BorderColor = clNone;
  TColor FocusBorderColor = clNone;
  TColor ParentColor = clNone;
  TColor InnerColor = clNone;
  int32_t ButtonWidth = 0;
};

void Frame_Solid(TCanvas& canvas, const TRect& r, TColor color);
// Fills with a solid brush; an empty rectangle draws nothing.
void Fill_Solid(TCanvas& canvas, const TRect& r, TColor color);
// One edge ring, top-left in one colour and bottom-right in the other; r shrinks by 1 past it.
void Edge_Ring(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight);

// The border over the whole window: the disabled frame, the border colour, the focus border colour, or else the
// two-colour default (sunken while the focus border shows). True when it was the two-colour default.
bool Draw_Editor_Border(TCanvas& canvas, int32_t width, int32_t height, const TEditorBorderLook& look);
// Fills the face rectangle with the button face colour, all but the arrow's rectangle, which stays as drawn.
void Fill_Around_Arrow(TCanvas& canvas, const TRect& face, const TRect& arrow);
// The themed drop button's state: 1 normal, 2 hot, 3 pressed, 4 disabled.
int32_t Themed_Drop_Button_State(bool enabled, bool mouseDown, bool hover, bool dropped);
// The custom-coloured button's face: normal, hot while the mouse is over it, pressed while a mouse button is down
// too; a state colour left unset shows the normal one.
TColor Drop_Button_Face(const TButtonFaceColors& colors, bool hover, bool mouseDown);
