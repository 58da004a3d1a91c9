#include <gtest/gtest.h>

#include <QImage>

#include "FakeThemeModule.h"
#include "UButtonParts.h"
#include "UFrameControl.h"
#include "USysColors.h"

namespace {

struct TPaper {
  TPaper() : Image(120, 40, QImage::Format_RGB32), Canvas(&Image) { Image.fill(Qt::white); }
  TColor At(int x, int y) { return Canvas.Pixels(x, y); }
  QImage Done() {
    Canvas.Release();
    return Image;
  }
  QImage Image;
  TCanvas Canvas;
};

TColorTones Tones() {
  TColorTones t;
  t.Background = {0x101010, 0x202020, 0x303030};
  t.Hover = {0x404040, 0x505050, 0x606060};
  t.Selected = {0x707070, 0x808080, 0x909090};
  t.Disabled = {0xA0A0A0, 0xB0B0B0, 0xC0C0C0};
  return t;
}

class ButtonParts : public ::testing::Test {
 protected:
  void TearDown() override { DropFakeTheme(); }
};

TEST_F(ButtonParts, DropDownSpansRightMinusNineteenToRightMinusTwo) {
  UseFakeTheme(false);
  for (uint8_t look : {lkClassic, lkFlat}) {
    TPaper p;
    DrawDropDownPart(p.Canvas, nullptr, Rect(0, 0, 100, 20), look, partNormal, Tones());
    EXPECT_EQ(p.At(80, 10), clWhite) << int(look);
    EXPECT_NE(p.At(81, 10), clWhite) << int(look);
    EXPECT_NE(p.At(97, 10), clWhite) << int(look);
    EXPECT_EQ(p.At(98, 10), clWhite) << int(look);
    EXPECT_EQ(p.At(90, 0), clWhite) << int(look);
    EXPECT_EQ(p.At(90, 19), clWhite) << int(look);
  }
  TPaper t;
  DrawDropDownPart(t.Canvas, nullptr, Rect(0, 0, 100, 20), lkTones, partHot, Tones());
  EXPECT_EQ(t.At(83, 10), clWhite);
  EXPECT_EQ(t.At(84, 10), Tones().Hover.BrushColor);
  EXPECT_EQ(t.At(85, 10), Tones().Background.BorderColor);
  EXPECT_EQ(t.At(92, 10), Tones().Background.TextColor);
  EXPECT_EQ(t.At(97, 5), Tones().Hover.BrushColor);
  EXPECT_EQ(t.At(98, 5), clWhite);
}

TEST_F(ButtonParts, ThemedDropDownShowsOnlyNormalAndDisabled) {
  UseFakeTheme(true);
  struct Case {
    uint8_t state;
    const char* draw;
  } cases[] = {{partNormal, "draw 1 1 (81,1,98,19)"},
               {partHot, "draw 1 1 (81,1,98,19)"},
               {partDown, "draw 1 1 (81,1,98,19)"},
               {partDisabled, "draw 1 4 (81,1,98,19)"}};
  for (const Case& c : cases) {
    TFakeTheme::Calls.clear();
    TPaper p;
    DrawDropDownPart(p.Canvas, nullptr, Rect(0, 0, 100, 20), lkThemed, c.state, Tones());
    EXPECT_EQ(TFakeTheme::Calls, QStringList({"open combobox", c.draw, "close"}));
    EXPECT_EQ(p.At(81, 1), TFakeTheme::Marker);
  }
}

TEST_F(ButtonParts, ThemedButtonShowsEveryState) {
  UseFakeTheme(true);
  const int want[] = {1, 2, 3, 4};
  for (uint8_t state = partNormal; state <= partDisabled; ++state) {
    TFakeTheme::Calls.clear();
    TPaper p;
    DrawButtonPart(p.Canvas, nullptr, Rect(5, 5, 60, 25), lkThemed, state, Tones());
    EXPECT_EQ(TFakeTheme::Calls,
              QStringList({"open button", QStringLiteral("draw 1 %1 (5,5,60,25)").arg(want[state]), "close"}));
  }
}

TEST_F(ButtonParts, ThemedSpinDrawsBothHalvesWithTheirParts) {
  UseFakeTheme(true);
  TPaper p;
  DrawSpinPart(p.Canvas, nullptr, Rect(0, 0, 100, 20), lkThemed, partDisabled, Tones());
  EXPECT_EQ(TFakeTheme::Calls, QStringList({"open spin", "draw 1 4 (84,-1,99,9)", "draw 2 4 (84,9,99,19)", "close"}));
}

TEST_F(ButtonParts, WithoutAThemeTheThemedLookIsTheClassicLook) {
  for (bool libraryPresent : {false, true}) {
    UseFakeTheme(libraryPresent);
    TFakeTheme::Active = false;  // present but no style active
    TPaper themed, classic;
    DrawDropDownPart(themed.Canvas, nullptr, Rect(0, 0, 100, 20), lkThemed, partDisabled, Tones());
    DrawDropDownPart(classic.Canvas, nullptr, Rect(0, 0, 100, 20), lkClassic, partDisabled, Tones());
    EXPECT_EQ(themed.Done(), classic.Done());
    TPaper themedButton, classicButton;
    DrawButtonPart(themedButton.Canvas, nullptr, Rect(5, 5, 60, 25), lkThemed, partDown, Tones());
    DrawButtonPart(classicButton.Canvas, nullptr, Rect(5, 5, 60, 25), lkClassic, partDown, Tones());
    EXPECT_EQ(themedButton.Done(), classicButton.Done());
    TPaper themedSpin, classicSpin;
    DrawSpinPart(themedSpin.Canvas, nullptr, Rect(0, 0, 100, 20), lkThemed, partNormal, Tones());
    DrawSpinPart(classicSpin.Canvas, nullptr, Rect(0, 0, 100, 20), lkClassic, partNormal, Tones());
    EXPECT_EQ(themedSpin.Done(), classicSpin.Done());
    EXPECT_FALSE(TFakeTheme::Calls.contains(QStringLiteral("open combobox")));
  }
}

TEST_F(ButtonParts, ClassicButtonStatesDiffer) {
  UseFakeTheme(false);
  TPaper normal, down, disabled;
  DrawButtonPart(normal.Canvas, nullptr, Rect(5, 5, 60, 25), lkClassic, partNormal, Tones());
  DrawButtonPart(down.Canvas, nullptr, Rect(5, 5, 60, 25), lkClassic, partDown, Tones());
  EXPECT_EQ(normal.At(5, 5), ColorToRGB(cl3DLight));
  EXPECT_EQ(normal.At(59, 24), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(down.At(5, 5), ColorToRGB(clBtnShadow));
  EXPECT_EQ(normal.At(30, 15), ColorToRGB(clBtnFace));
}

TEST_F(ButtonParts, TonesPickTheStateColours) {
  UseFakeTheme(false);
  const TColorTones t = Tones();
  const TColorTone want[] = {t.Background, t.Hover, t.Selected, t.Disabled};
  for (uint8_t state = partNormal; state <= partDisabled; ++state) {
    TPaper p;
    DrawButtonPart(p.Canvas, nullptr, Rect(5, 5, 60, 25), lkTones, state, t);
    EXPECT_EQ(p.At(5, 5), want[state].BorderColor);
    EXPECT_EQ(p.At(30, 15), want[state].BrushColor);
  }
  TPaper s;
  DrawSpinPart(s.Canvas, nullptr, Rect(0, 0, 100, 20), lkTones, partDown, t);
  // Up button (84,-1,99,9) and down button (84,10,99,19) with a gap row between them.
  EXPECT_EQ(s.At(85, 0), t.Selected.BrushColor);
  EXPECT_EQ(s.At(86, 9), clWhite);
  EXPECT_EQ(s.At(85, 10), t.Selected.BrushColor);
  EXPECT_EQ(s.At(91, 2), clBlack);
  EXPECT_EQ(s.At(91, 12), clBlack);
  EXPECT_EQ(s.At(99, 5), clWhite);
}

TEST_F(ButtonParts, UnknownLookDrawsNothing) {
  UseFakeTheme(true);
  QImage blank(120, 40, QImage::Format_RGB32);
  blank.fill(Qt::white);
  for (uint8_t look : {uint8_t(4), uint8_t(200)}) {
    TPaper p;
    DrawDropDownPart(p.Canvas, nullptr, Rect(0, 0, 100, 20), look, partNormal, Tones());
    DrawButtonPart(p.Canvas, nullptr, Rect(5, 5, 60, 25), look, partNormal, Tones());
    DrawSpinPart(p.Canvas, nullptr, Rect(0, 0, 100, 20), look, partNormal, Tones());
    EXPECT_EQ(p.Done(), blank);
  }
  EXPECT_TRUE(TFakeTheme::Calls.isEmpty());
}

TEST(FrameControl, CheckBoxTickAndInactiveFace) {
  TPaper p;
  DrawFrameControl(p.Canvas, Rect(0, 0, 13, 13), DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
  DrawFrameControl(p.Canvas, Rect(20, 0, 33, 13), DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_INACTIVE);
  EXPECT_EQ(p.At(0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(p.At(12, 12), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(p.At(6, 9), ColorToRGB(clWindowText));
  EXPECT_EQ(p.At(3, 3), ColorToRGB(clWindow));
  EXPECT_EQ(p.At(26, 6), ColorToRGB(clBtnFace));
  EXPECT_FALSE(DrawFrameControl(p.Canvas, Rect(40, 0, 50, 10), 99, 0));
}

}  // namespace
