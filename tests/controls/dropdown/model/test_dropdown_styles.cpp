// The colour styles on a drop-down's popup, bars and bar buttons.
#include <gtest/gtest.h>

#include "UDropDownStyles.h"

namespace {

struct TStyled {
  TColor Color = 1, ColorTo = 2, BorderColor = 3;
  THeaderAppearance Header;
  TFooterAppearance Footer;
  TQrvButtonAppearance Buttons;
  void Apply(TVyxStyle style) { ApplyDropDownStyle(style, {Color, ColorTo, BorderColor, Header, Footer, Buttons}); }
};

TEST(DropDownStyles, PopupAndBarsPerStyle) {
  const struct {
    TVyxStyle style;
    TColor color, colorTo, border, headerColor, headerTo, headerBorder, headerFont, footerColor, footerBorder;
  } cases[] = {
      {tsOffice2003Blue, 0xFFFFFF, clNone, 3, 0xFCE1CB, 0xE0A57D, 0x000000, 0x000000, 0xFCE1CB, 0x962D00},
      {tsOffice2007Luna, 0xF3E5DA, 0xF0DED0, clNone, 0xFFEFE3, 0xFFD2AF, 0xFFD2AF, 0x723708, 0xFFEFE3, 0xFFD2AF},
      {tsWindowsXP, 0xFFFFFF, clNone, 3, 0xFFFFFF, 0xFF00000F, 0x808080, 0x000000, 0xFFFFFF, 0x808080},
      {tsWindowsVista, 0xFFFFFF, 0xFFFFFF, 0x979797, 0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0x000000, 0xFFFAF0, 0xFCF2DA},
      {tsTerminal, 0xFFFFFF, 0xFFFFFF, 0x808080, 0xFF00000F, 0xFF00000F, clNone, 0x000000, 0xFF00000F, clNone},
      {tsOffice2010Black, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xBFBFBF, 0x919191, 0x6D6D6D, 0xD7D7D6, 0xBFBFBF, 0x6D6D6D},
  };
  for (const auto& c : cases) {
    TStyled s;
    s.Apply(c.style);
    EXPECT_EQ(s.Color, c.color) << c.style;
    EXPECT_EQ(s.ColorTo, c.colorTo) << c.style;
    EXPECT_EQ(s.BorderColor, c.border) << c.style << ": a dash keeps the border";
    EXPECT_EQ(s.Header.Color(), c.headerColor) << c.style;
    EXPECT_EQ(s.Header.ColorTo(), c.headerTo) << c.style;
    EXPECT_EQ(s.Header.BorderColor(), c.headerBorder) << c.style;
    EXPECT_EQ(s.Header.Font().Color, c.headerFont) << c.style;
    EXPECT_EQ(s.Footer.Color(), c.footerColor) << c.style;
    EXPECT_EQ(s.Footer.BorderColor(), c.footerBorder) << c.style;
  }
}

TEST(DropDownStyles, BarButtonsPerStyleAndTheCustomStyleChangesNothing) {
  TStyled s;
  s.Apply(tsOffice2003Classic);
  EXPECT_EQ(s.Buttons.Color(), 0xFFFFFFu);
  EXPECT_EQ(s.Buttons.ColorTo(), 0xC9D1D5u);
  EXPECT_EQ(s.Buttons.ColorHot(), 0xD2BDB6u);
  EXPECT_EQ(s.Buttons.BorderColorDown(), 0x808080u);
  EXPECT_EQ(s.Buttons.ColorDisabled(), 0xD8D5D4u);
  s.Apply(tsOffice2007Luna);
  EXPECT_EQ(s.Buttons.Color(), 0xFFEFE3u);
  EXPECT_EQ(s.Buttons.BorderColorChecked(), 4548219u);
  EXPECT_EQ(s.Buttons.ColorCheckedTo(), 0x4190F3u);
  s.Apply(tsOffice2010Silver);
  EXPECT_EQ(s.Buttons.ColorHotTo(), clNone);
  EXPECT_EQ(s.Buttons.BorderColorChecked(), 0x4FA0CEu);
  int changes = 0;
  s.Buttons.OnChange = [&] { ++changes; };
  const TColor header = s.Header.Color();
  s.Apply(tsCustom);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(s.Header.Color(), header);
  EXPECT_EQ(s.Color, 0xFFFFFFu);
  // Out-of-range values are ignored rather than read past the tables.
  s.Apply(static_cast<TVyxStyle>(40));
  EXPECT_EQ(s.Header.Color(), header);
}

TEST(DropDownStyles, ButtonAppearanceDefaultsAndCopy) {
  TQrvButtonAppearance a;
  EXPECT_EQ(a.ColorChecked(), 0xF5D8CAu);
  EXPECT_EQ(a.ColorCheckedTo(), 0xF9BDA0u);
  EXPECT_EQ(a.BorderColorHot(), 0x808080u);
  EXPECT_EQ(a.Font().Name, "Tahoma");
  TQrvButtonAppearance b;
  int changes = 0;
  b.OnChange = [&] { ++changes; };
  a.SetColorHot(0x123456);
  a.SetGradient(gdHorizontal);
  b.Assign(a);
  EXPECT_EQ(b.ColorHot(), 0x123456u);
  EXPECT_EQ(b.Gradient(), gdHorizontal);
  EXPECT_EQ(changes, 2);
  TColor color = 0, colorTo = 0;
  EXPECT_TRUE(SelectionColors(scWindows7, color, colorTo));
  EXPECT_EQ(color, 0xFCEBDCu);
  EXPECT_FALSE(SelectionColors(scCustom, color, colorTo));
}

}  // namespace
