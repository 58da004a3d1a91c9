// The look, style and scheme tables. Each row is exactly what one choice writes; the grid applies rows in order.
#include "UGridLooks.h"

#include <algorithm>

namespace {
constexpr TFixedGradient XPHover{0xCFD0D1, 0xBEC6C8, 0xBEC6C8, 0xABBCBF, clNone};
constexpr TFixedGradient XPDown{0x868788, 0x737C7E, 0x737C7E, 0x627376, clNone};

const TLookPreset ClassicPreset{clBtnFace,   clBtnFace, clNone,          0x808080,
                                clHighlight, {},        clHighlightText, std::pair{clBtnFace, clBtnFace},
                                {},          {}};
const TLookPreset ListViewPreset{
    {}, clWhite, clBtnFace, 0x808080, clHighlight, {}, clHighlightText, std::pair{clBtnFace, clBtnFace}, {}, {}};
const TLookPreset VyxPreset{{}, clWhite, clSilver, 0xEACAB6, 0xEACAB6, clNone, clBlack, {}, XPHover, XPDown};
const TLookPreset XPPreset{{}, clWhite, clBtnFace, 0xEACAB6, 0xEACAB6, clNone, clBlack, {}, XPHover, XPDown};

using P = std::pair<TColor, TColor>;
using S = std::array<TColor, 3>;

TGridStyleRow Row(std::optional<TGridLook> look, std::optional<P> gradient, std::optional<P> mirror,
                  std::optional<P> active, TControlForward forward, std::optional<P> lines,
                  std::optional<S> selection, TStyleSelection selectionStyle) {
  TGridStyleRow row;
  row.Look = look;
  row.Gradient = gradient;
  row.GradientMirror = mirror;
  row.ActiveCell = active;
  row.Forward = forward;
  row.Lines = lines;
  row.Selection = selection;
  row.SelectionStyle = selectionStyle;
  return row;
}

std::array<TGridStyleRow, TQrvGridStyleCount> BuildStyleRows() {
  const P none{clNone, clNone};
  const P classicLines{clSilver, clGray};
  const P officeActive{0x94E6FB, 0x1595EE};
  const S officeSelection{0x94E6FB, 0x1595EE, clBlack};
  const P office2010Active{0x5BD5FF, 0x71EFFF};
  const S office2010Selection{0xFFDBB7, clNone, clBlack};
  std::array<TGridStyleRow, TQrvGridStyleCount> rows;
  rows[gsOffice2003Blue] =
      Row(glXP, P{0xFCE1CB, 0xE0A57D}, none, officeActive, cfForward, classicLines, officeSelection, selDefault);
  rows[gsOffice2003Silver] =
      Row(glXP, P{0xECE2E1, 0xB39698}, none, officeActive, cfForward, classicLines, officeSelection, selDefault);
  rows[gsOffice2003Olive] =
      Row(glXP, P{0xCFF0EA, 0x8CC0B1}, none, officeActive, cfForward, classicLines, officeSelection, selDefault);
  rows[gsOffice2003Classic] =
      Row(glXP, P{clWhite, 0xCCD4D8}, none, P{0xD8D5D4, 0xD8D5D4}, cfNone, classicLines, {}, selDefault);
  rows[gsOffice2007Luna] = Row(glOffice2007, P{0xFBF9F6, 0xE8DBD2}, none, P{0x9DD8F9, 0x5EC1F1}, cfForward,
                               P{0xF1EDEB, 0xD1BBA4}, S{0x5EC1F1, clNone, clBlack}, selOffice2007IfLook);
  rows[gsOffice2007Luna].Hover = TFixedGradient{0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87};
  rows[gsOffice2007Luna].Down = TFixedGradient{0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D};
  rows[gsOffice2007Obsidian] = Row(glOffice2007, P{0xF7F7F7, 0xDEDEDE}, none, P{0x9DD8F9, 0x5EC1F1}, cfForward,
                                   P{0xE5D7D0, clGray}, S{0x5EC1F1, clNone, clBlack}, selFromLook);
  rows[gsWindowsXP] =
      Row(glXP, P{clBtnFace, clBtnFace}, none, P{clBtnFace, clBtnFace}, cfNone, classicLines, {}, selDefault);
  rows[gsWhidbey] = Row({}, P{clWhite, clBtnFace}, none, officeActive, cfNone, classicLines, {}, selDefault);
  rows[gsCustom] = Row({}, {}, {}, {}, cfNone, {}, {}, selDefault);
  rows[gsCustom].SearchFooter = false;
  rows[gsOffice2007Silver] = Row(glOffice2007, P{0xF3F3F1, 0xCAC9C8}, {}, P{0x99CCFF, 0x699CFF}, cfForward,
                                 P{0xE5D7D0, clGray}, S{0x95C7F5, clNone, clBlack}, selFromLook);
  const std::array<TColor, 4> windowsSortHeader{0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8};
  rows[gsWindowsVista] = Row(glVista, P{clWhite, clWhite}, P{0xFAF8F7, 0xF4F2F1}, P{0xFDF8F1, 0xFCEFD5},
                             cfForwardThenNone, P{0xECECF0, 0xD4D2D1}, S{0xEACAB6, clNone, clBlack}, selVista);
  rows[gsWindowsVista].Hover = TFixedGradient{0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993};
  rows[gsWindowsVista].HoverBorderOnGrid = true;
  rows[gsWindowsVista].Down = TFixedGradient{0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F};
  rows[gsWindowsVista].SortHeader = windowsSortHeader;
  rows[gsWindows7] = Row(glWin7, P{0xFDFCFA, 0xFAF0E6}, P{0xF4E6DC, 0xF7E9DD}, P{0xFCEBDC, 0xFCDBC1},
                         cfForwardThenNone, P{0xECECF0, 0xD4D2D1}, S{0xEACAB6, clNone, clBlack}, selWin7);
  rows[gsWindows7].Hover = TFixedGradient{0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3};
  rows[gsWindows7].HoverBorderOnGrid = true;
  rows[gsWindows7].Down = TFixedGradient{0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA};
  rows[gsWindows7].SortHeader = windowsSortHeader;
  rows[gsTerminal] = Row(glStandard, {}, {}, {}, cfNone, {}, {}, selDefault);
  rows[gsTerminal].SearchFooter = false;
  const TFixedGradient office2010Hover{0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8};
  const TFixedGradient office2010Down{0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2};
  const std::array<std::pair<TQrvGridStyle, std::pair<TColor, TColor>>, 3> office2010{
      {{gsOffice2010Blue, {0xF5E7DA, 0xD6CEC7}},
       {gsOffice2010Silver, {0xE8E3DF, 0xAAAAAA}},
       {gsOffice2010Black, {0x6A6A6A, 0xBABABA}}}};
  const std::array<TColor, 3> office2010FixedLines{0xC7B0A0, 0xBAB5B1, 0x444444};
  for (size_t i = 0; i < office2010.size(); ++i) {
    const auto& [style, colours] = office2010[i];
    const TColor gradient = colours.first;
    rows[style] = Row(glOffice2007, P{gradient, gradient}, P{gradient, gradient}, office2010Active,
                      cfForwardAllThenNone, P{clSilver, office2010FixedLines[i]}, office2010Selection, selDefault);
    rows[style].Hover = office2010Hover;
    rows[style].Down = office2010Down;
    rows[style].ClearHoverFirst = true;
    rows[style].SortHeader = std::array<TColor, 4>{colours.second, colours.second, colours.second, colours.second};
  }
  return rows;
}

const std::array<TGridStyleRow, TQrvGridStyleCount>& StyleRows() {
  static const auto rows = BuildStyleRows();
  return rows;
}

constexpr std::array<TSchemeColors, 5> Schemes{{
    {clWhite, clBtnFace, clNone, clNone, clWhite, 0xFFD9B3, clWhite, 0xFFD9B3, false},     // xpNone
    {0xFCE1CB, 0xE0A57D, clNone, clNone, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D, true},    // xpBlue
    {0xCFF0EA, 0x8CC0B1, clNone, clNone, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0x8CC0B1, true},    // xpGreen
    {0xECE2E1, 0xB39698, clNone, clNone, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, true},    // xpGray
    {clWhite, clWhite, 0xFAF8F7, 0xF4F2F1, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, true},  // vistaAero
}};

constexpr std::array<const char*, TGridLookCount> LookNames{
    "glStandard", "glSoft", "glClassic", "glVyx", "glXP", "glListView", "glVista", "glWin7", "glOffice2007", ""};
constexpr std::array<const char*, TGridLookCount> LookDisplayNames{
    "Standard", "Soft", "Classic", "Vyx", "Windows XP", "ListView", "Windows Vista", "Windows 7", "Office2007", ""};
}  // namespace

const TLookPreset* LookPresetOf(TGridLook look) {
  switch (look) {
    case glStandard:
    case glSoft:
    case glClassic:
      return &ClassicPreset;
    case glListView:
      return &ListViewPreset;
    case glVyx:
      return &VyxPreset;
    case glXP:
      return &XPPreset;
    default:
      return nullptr;
  }
}

std::optional<TQrvGridStyle> LookStyleOf(TGridLook look) {
  switch (look) {
    case glVista:
      return gsWindowsVista;
    case glWin7:
      return gsWindows7;
    case glOffice2007:
      return gsOffice2007Luna;
    default:
      return std::nullopt;
  }
}

const TGridStyleRow& GridStyleRow(TQrvGridStyle style) {
  return StyleRows()[static_cast<size_t>(style)];
}

const TSchemeColors& SchemeColorsOf(TXPColorScheme scheme) {
  return Schemes[static_cast<size_t>(scheme)];
}

TQrvGridStyle StyleOfOfficeCode(int32_t code) {
  static constexpr std::array<TQrvGridStyle, 10> styles = {
      gsOffice2003Blue,   gsOffice2003Silver,   gsOffice2003Olive, gsOffice2003Classic, gsOffice2007Luna,
      gsOffice2007Silver, gsOffice2007Obsidian, gsOffice2010Blue,  gsOffice2010Silver,  gsOffice2010Black};
  return styles[static_cast<size_t>(std::clamp(code, 0, 9))];
}

QString LookToString(TGridLook look) {
  return QString::fromLatin1(LookNames[static_cast<size_t>(look)]);
}

QString LookToDisplayName(TGridLook look) {
  return QString::fromLatin1(LookDisplayNames[static_cast<size_t>(look)]);
}
