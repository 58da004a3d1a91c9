// The frame the combo and the themed pickers paint alike: which border each state gets, where the rings of the
// two-colour default stop short of the drop button, the sunken edge of the focus border, the band of button face
// around the arrow, and the drop button's state and face colour.
#include <gtest/gtest.h>

#include <QImage>

#include "UCanvas.h"
#include "UEditorFrame.h"
#include "USysColors.h"

namespace {

constexpr int W = 60, H = 20, Button = 17;
constexpr TColor Marker = 0x123456;  // what the image holds where nothing was drawn

QImage Paint(const TEditorBorderLook& look, bool* ringsDrawn = nullptr) {
  QImage image(W, H, QImage::Format_RGB32);
  image.fill(TColorToQColor(Marker));
  {
    TCanvas canvas(&image);
    const bool drawn = Draw_Editor_Border(canvas, W, H, look);
    if (ringsDrawn) *ringsDrawn = drawn;
  }
  return image;
}

TColor At(const QImage& image, int x, int y) {
  return QColorToTColor(image.pixelColor(x, y));
}

TEditorBorderLook Look() {
  TEditorBorderLook look;
  look.ParentColor = clYellow;
  look.InnerColor = clAqua;
  look.ButtonWidth = Button;
  return look;
}

TEST(EditorFrame, EachStateGetsItsOneColourFrame) {
  struct Case {
    const char* name;
    bool enabled, themed, disabledBorder, hasFocus;
    TColor border, focusBorder, expected;  // clNone: nothing drawn
  };
  const Case cases[] = {
      {"disabled themed", false, true, false, false, clRed, clNone, Themed_Disabled_Border},
      {"border colour", true, false, false, false, clRed, clNone, clRed},
      {"focus colour wins while focused", true, false, false, true, clRed, clLime, clLime},
      {"border colour while the focus colour waits", true, false, false, false, clRed, clLime, clRed},
      {"focus colour alone, unfocused", true, false, false, false, clNone, clLime, clNone},
      {"disabled but own disabled border", false, true, true, false, clRed, clNone, clRed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TEditorBorderLook look = Look();
    look.Enabled = c.enabled;
    look.Themed = c.themed;
    look.DisabledBorder = c.disabledBorder;
    look.HasFocus = c.hasFocus;
    look.BorderColor = c.border;
    look.FocusBorderColor = c.focusBorder;
    bool rings = true;
    const QImage image = Paint(look, &rings);
    EXPECT_FALSE(rings);
    const TColor expected = c.expected == clNone ? Marker : ColorToRGB(c.expected);
    for (const auto& [x, y] : {std::pair{0, 0}, {W - 1, H - 1}, {W / 2, 0}, {0, H / 2}})
      EXPECT_EQ(At(image, x, y), expected) << x << "," << y;
    EXPECT_EQ(At(image, 1, 1), Marker);  // one pixel wide
  }
}

TEST(EditorFrame, TwoColourDefaultStopsShortOfTheButton) {
  bool rings = false;
  const QImage image = Paint(Look(), &rings);
  EXPECT_TRUE(rings);
  const TColor parent = ColorToRGB(clYellow), inner = ColorToRGB(clAqua);
  EXPECT_EQ(At(image, 0, 0), parent);
  EXPECT_EQ(At(image, W - 1, H / 2), parent);  // the outer ring runs round the whole window
  EXPECT_EQ(At(image, 1, 1), parent);
  EXPECT_EQ(At(image, 2, 2), inner);
  // The second and third rings end at the button's left edge; the button area inside stays as drawn.
  EXPECT_EQ(At(image, W - 2 - Button, H / 2), parent);
  EXPECT_EQ(At(image, W - 3 - Button, H / 2), inner);
  EXPECT_EQ(At(image, W - 1 - Button, H / 2), Marker);
}

TEST(EditorFrame, FocusBorderIsASunkenEdgeRoundTheWholeWindow) {
  TEditorBorderLook look = Look();
  look.FocusBorderShown = true;
  bool rings = false;
  const QImage image = Paint(look, &rings);
  EXPECT_TRUE(rings);
  EXPECT_EQ(At(image, 0, H / 2), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(image, W / 2, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(image, W - 1, H / 2), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(At(image, W / 2, H - 1), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(At(image, W - 2, H / 2), ColorToRGB(clBtnFace));  // the next ring passes over the button
  EXPECT_EQ(At(image, W - 3, H / 2), ColorToRGB(clAqua));
}

TEST(EditorFrame, ButtonFaceBandLeavesTheArrowAlone) {
  QImage image(30, 20, QImage::Format_RGB32);
  image.fill(TColorToQColor(Marker));
  {
    TCanvas canvas(&image);
    Fill_Around_Arrow(canvas, Rect(2, 3, 27, 17), Rect(6, 4, 26, 16));
  }
  const TColor face = ColorToRGB(clBtnFace);
  EXPECT_EQ(At(image, 2, 3), face);
  EXPECT_EQ(At(image, 26, 16), face);
  EXPECT_EQ(At(image, 5, 10), face);
  EXPECT_EQ(At(image, 6, 4), Marker);
  EXPECT_EQ(At(image, 25, 15), Marker);
  EXPECT_EQ(At(image, 1, 3), Marker);
  EXPECT_EQ(At(image, 27, 10), Marker);
}

TEST(EditorFrame, DropButtonStateAndFace) {
  // enabled, mouse down, hover, dropped -> state
  EXPECT_EQ(Themed_Drop_Button_State(false, true, true, true), 4);
  EXPECT_EQ(Themed_Drop_Button_State(true, true, true, true), 3);
  EXPECT_EQ(Themed_Drop_Button_State(true, true, true, false), 1);
  EXPECT_EQ(Themed_Drop_Button_State(true, false, false, false), 1);
  EXPECT_EQ(Themed_Drop_Button_State(true, false, true, true), 1);
  EXPECT_EQ(Themed_Drop_Button_State(true, false, true, false), 2);

  const TButtonFaceColors all{clRed, clLime, clBlue};
  EXPECT_EQ(Drop_Button_Face(all, false, true), clRed);
  EXPECT_EQ(Drop_Button_Face(all, true, false), clLime);
  EXPECT_EQ(Drop_Button_Face(all, true, true), clBlue);
  const TButtonFaceColors normalOnly{clRed, clNone, clNone};
  EXPECT_EQ(Drop_Button_Face(normalOnly, true, false), clRed);
  EXPECT_EQ(Drop_Button_Face(normalOnly, true, true), clRed);
}

}  // namespace
