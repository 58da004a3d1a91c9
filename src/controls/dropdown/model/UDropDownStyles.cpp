#include "UDropDownStyles.h"

#include <array>

namespace {

// A style's dash: the value stays as it was.
constexpr TColor Keep = 0xFFFFFFFF;
constexpr TColor None = clNone;
constexpr TColor Sys3 = 0xFF000003, Sys13 = 0xFF00000D, Sys15 = 0xFF00000F;

struct TBarColors {
  TColor Color, ColorTo, BorderColor, Font;
};

struct TPopupStyle {
  TColor DropDownColor, DropDownColorTo, DropDownBorderColor;
  TBarColors Header, Footer;
};

// In TVyxStyle order; the tsCustom row is never read.
constexpr std::array<TPopupStyle, 16> Popup_Styles{{
    {0xFFFFFF, None, Keep, {0xFCE1CB, 0xE0A57D, 0x000000, 0x000000}, {0xFCE1CB, 0xE0A57D, 0x962D00, 0x000000}},
    {0xFFFFFF, None, Keep, {0xECE2E1, 0xB39698, 0x947C7C, 0x000000}, {0xECE2E1, 0xB39698, 0x947C7C, 0x000000}},
    {0xFFFFFF, None, None, {0xCFF0EA, 0x8CC0B1, 0x588060, 0x000000}, {0xCFF0EA, 0x8CC0B1, 0x588060, 0x000000}},
    {0xF2F2F2, 0xF2F2F2, None, {0x808080, 0x808080, 0x808080, 0xFFFFFF}, {0x808080, 0x808080, 0x808080, 0xFFFFFF}},
    {0xF3E5DA, 0xF0DED0, None, {0xFFEFE3, 0xFFD2AF, 0xFFD2AF, 0x723708}, {0xFFEFE3, 0xFFD2AF, 0xFFD2AF, 0x723708}},
    {0xFFFFFF, None, None, {0xF2F1F0, 0xC9C2BD, 0x5C534C, 0x433C37}, {0xF2F1F0, 0xC9C2BD, 0x5C534C, 0x433C37}},
    {0xFFFFFF, None, Keep, {0xFFFFFF, Sys15, 0x808080, 0x000000}, {0xFFFFFF, Sys15, 0x808080, 0x000000}},
    {0xF5F9FA, 0xF5F9FA, None, {0xEBEEEF, 0x7E9898, 0x962D00, 0xFFFFFF}, {0xEBEEEF, 0x7E9898, 0x962D00, 0xFFFFFF}},
    {},
    {0xF8F4F1, 0xF0E8E3, None, {0xF8F7F6, 0xE8E0DB, 0x74706F, 0x8B4215}, {0xF8F7F6, 0xE8E0DB, 0x74706F, 0x8B4215}},
    {0xFFFFFF,
     0xFFFFFF,
     0x979797,
     {0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0x000000},
     {0xFFFAF0, 0xFFFDF9, 0xFCF2DA, 0x000000}},
    {0xFFFFFF,
     0xFFFFFF,
     0x979797,
     {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0x000000},
     {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0x000000}},
    {0xFFFFFF, 0xFFFFFF, 0x808080, {Sys15, Sys15, None, 0x000000}, {Sys15, Sys15, None, 0x000000}},
    {0xFFFFFF,
     0xF1EFED,
     0xEDEDEC,
     {0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0x5B391E},
     {0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0x5B391E}},
    {0xFFFFFF,
     0xF1EFED,
     0xEDEDEC,
     {0xFFFFFF, 0xEDE5E0, 0xD2CDC8, 0x5B391E},
     {0xFFFFFF, 0xEDE5E0, 0xD2CDC8, 0x5B391E}},
    {0xFFFFFF,
     0xF1EFED,
     0xEDEDEC,
     {0xBFBFBF, 0x919191, 0x6D6D6D, 0xD7D7D6},
     {0xBFBFBF, 0x919191, 0x6D6D6D, 0xD7D7D6}},
}};

struct TButtonStyle {
  TColor Color, ColorTo, BorderColor, ColorHot, ColorHotTo, BorderColorHot, ColorDown, ColorDownTo, BorderColorDown,
      ColorDisabled, ColorDisabledTo, ColorChecked, ColorCheckedTo, BorderColorChecked;
};

// The Office-like hot, down, disabled and checked colours most styles share.
#define TARN_WARM \
  0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 4548219
#define TARN_2010 0x8AE3FD, None, 0x58CAF1, 0x6CD0FF, None, 0x308AC2, 0xF2F2F2, 0xB6B6B6, 0x45E1FE, None, 0x4FA0CE

// Vista's checked border is never shown (no bar button latches); its down border stands in.
constexpr std::array<TButtonStyle, 16> Button_Styles{{
    {0xFCE1CB, 0xE0A57D, None, TARN_WARM},
    {0xECE2E1, 0xB39698, None, TARN_WARM},
    {0xCFF0EA, 0x8CC0B1, None, TARN_WARM},
    {0xFFFFFF, 0xC9D1D5, None, 0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080, 0xD8D5D4, 0xD8D5D4,
     0xD8D5D4, 0xD8D5D4, 0x808080},
    {0xFFEFE3, 0xFFDDC4, None, TARN_WARM},
    {0xF2F1F0, 0xC9C2BD, None, TARN_WARM},
    {0xFFFFFF, Sys15, None, 0xEFD3C6, 0xEFD3C6, Sys13, Sys3, Sys3, Sys13, 0xB6B6B6, 0xB6B6B6, 0xB9D8DC, 0xB9D8DC,
     0x000000},
    {0xFFFFFF, 0xDFEDF0, None, TARN_WARM},
    {},
    {0xF9F8F8, 0xE4E2DF, None, TARN_WARM},
    {0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A, 0xFFFFFF, 0xFFFFFF,
     0xFEF9F0, 0xFDF0D7, 0xFEDF9A},
    {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFFFFFF, 0xFFFFFF,
     0xFEF9F0, 0xFCDBC1, 0xCEA27D},
    {Sys15, Sys15, None, 0xC0C0C0, 0xC0C0C0, 0x808080, Sys13, Sys13, 0x808080, Sys15, Sys15, Sys15, Sys15, Sys13},
    {0xFDF6EF, 0xF0DAC7, 0xC7B29F, TARN_2010},
    {0xFFFFFF, 0xEDE5E0, 0xD2CDC8, TARN_2010},
    {0xBFBFBF, 0x919191, 0xD7D7D6, TARN_2010},
}};
#undef TARN_WARM
#undef TARN_2010

template <class TBar>
void Set_Bar(TBar& bar, const TBarColors& colors) {
  bar.SetColor(colors.Color);
  bar.SetColorTo(colors.ColorTo);
  bar.SetBorderColor(colors.BorderColor);
  TFont font = bar.Font();
  font.Color = colors.Font;
  bar.SetFont(font);
}

void Set_Buttons(TQrvButtonAppearance& a, const TButtonStyle& s) {
  a.SetColor(s.Color);
  a.SetColorTo(s.ColorTo);
  a.SetBorderColor(s.BorderColor);
  a.SetColorHot(s.ColorHot);
  a.SetColorHotTo(s.ColorHotTo);
  a.SetBorderColorHot(s.BorderColorHot);
  a.SetColorDown(s.ColorDown);
  a.SetColorDownTo(s.ColorDownTo);
  a.SetBorderColorDown(s.BorderColorDown);
  a.SetColorDisabled(s.ColorDisabled);
  a.SetColorDisabledTo(s.ColorDisabledTo);
  a.SetColorChecked(s.ColorChecked);
  a.SetColorCheckedTo(s.ColorCheckedTo);
  a.SetBorderColorChecked(s.BorderColorChecked);
}

}  // namespace

void ApplyDropDownStyle(TVyxStyle style, TDropDownStyleTarget target) {
  if (style == tsCustom || style < tsOffice2003Blue || style > tsOffice2010Black) return;
  const TPopupStyle& p = Popup_Styles[size_t(style)];
  target.DropDownColor = p.DropDownColor;
  target.DropDownColorTo = p.DropDownColorTo;
  if (p.DropDownBorderColor != Keep) target.DropDownBorderColor = p.DropDownBorderColor;
  Set_Bar(target.Header, p.Header);
  Set_Bar(target.Footer, p.Footer);
  Set_Buttons(target.Buttons, Button_Styles[size_t(style)]);
}

bool SelectionColors(TSelectionColorStyle style, TColor& color, TColor& colorTo) {
  switch (style) {
    case scOffice2007:
      color = 0xD7FFFD;
      colorTo = 0x58D4FC;
      return true;
    case scWindowsVista:
      color = 0xFDF8F1;
      colorTo = 0xFCEFD5;
      return true;
    case scWindows7:
      color = 0xFCEBDC;
      colorTo = 0xFCDBC1;
      return true;
    default:
      return false;
  }
}
