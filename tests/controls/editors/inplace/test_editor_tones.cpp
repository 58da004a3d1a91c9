// A grid's colour tones reach the buttons of its editors (the spin and date editors too, made later), and a grid
// without tones leaves them unset.
#include "GridEditorFixture.h"
#include "UGridDatePicker.h"
#include "UGridEditBtn.h"
#include "UGridSpin.h"
#include "UQsgEditButton.h"
#include "UQsgSpinButton.h"

namespace {

TColorTones Tones() {
  TColorTones t;
  t.Background = {0x101010, 0x202020, 0x303030};
  t.Hover = {0x404040, 0x505050, 0x606060};
  t.Selected = {0x707070, 0x808080, 0x909090};
  return t;
}

struct TButtonColours {
  TColor Normal, Hot, Down, Border;
  bool operator==(const TButtonColours&) const = default;
};

template <class T>
TButtonColours Colours_Of(const T& b) {
  return {b.ButtonColor(), b.ButtonColorHot(), b.ButtonColorDown(), b.ButtonBorderColor()};
}

TEST(EditorTones, TheGridsTonesColourItsEditorsButtons) {
  for (const bool toned : {true, false}) {
    TEditedGrid g;
    if (toned) g.Grid->SetColorTones(Tones());
    const TButtonColours expected = toned ? TButtonColours{0x101010, 0x404040, 0x707070, 0x202020}
                                          : TButtonColours{clNone, clNone, clNone, clNone};
    g.Grid->DefaultEditor = edComboList;
    g.Open(1, 1, "");
    EXPECT_EQ(Colours_Of(*g.Combo()), expected) << toned;
    EXPECT_EQ(g.Combo()->Flat(), toned);
    if (toned) EXPECT_EQ(g.Combo()->BorderColor(), g.Grid->Color());
    g.Grid->HideInplaceEdit();
    g.Grid->DefaultEditor = edEditBtn;
    g.Open(1, 2, "");
    EXPECT_EQ(Colours_Of(*g.Factory->BtnEdit()->Button()), expected) << toned;
    g.Grid->HideInplaceEdit();
    g.Grid->DefaultEditor = edSpinEdit;
    g.Open(1, 3, "1");
    EXPECT_EQ(Colours_Of(*g.Factory->SpinEdit()->Button()), expected) << toned;
    g.Grid->HideInplaceEdit();
    g.Grid->DefaultEditor = edDateEdit;
    g.Open(1, 4, "");
    EXPECT_EQ(Colours_Of(*g.Factory->DateTimePicker()), expected) << toned;
    EXPECT_EQ(g.Factory->DateTimePicker()->MetroStyle(), toned);
    if (toned) EXPECT_EQ(g.Factory->DateTimePicker()->BorderColor(), 0x101010);
  }
}

}  // namespace
