// What each look preset, colour style, colour-tone set and colour scheme leaves in the grid's colours.
#include <gtest/gtest.h>

#include <tuple>

#include "GridTestHost.h"
#include "UColorMath.h"
#include "UQrvStringGrid.h"

namespace {

std::array<TColor, 4> Sort_Header(const TQrvStringGrid& g) {
  const auto& s = g.SortSettings;
  return {s.HeaderColor, s.HeaderColorTo, s.HeaderMirrorColor, s.HeaderMirrorColorTo};
}

// The colours a look or style decides, read back from a grid.
struct TLookColours {
  TColor Selection, SelectionTo, SelectionText;
  TColor Line, FixedLine;
  TFixedGradient Fixed;
  TColor Active, ActiveTo;
  TGridSelectionStyle Style;
  TColor FooterFrom, FooterTo;
  bool operator==(const TLookColours&) const = default;
};

TLookColours Read(TQrvStringGrid& g) {
  TFixedGradient fixed = g.VyxGradient;
  fixed.Border = clNone;
  return TLookColours{g.SelectionColor,         g.SelectionColorTo,        g.SelectionTextColor,
                      g.GridLineColor(),        g.GridFixedLineColor(),    fixed,
                      g.ActiveCellColor,        g.ActiveCellColorTo,       g.SelectionStyle(),
                      g.SearchFooter().Color(), g.SearchFooter().ColorTo()};
}

std::ostream& operator<<(std::ostream& os, const TLookColours& c) {
  return os << std::hex << "sel " << c.Selection << "/" << c.SelectionTo << "/" << c.SelectionText << " lines "
            << c.Line << "/" << c.FixedLine << " fixed " << c.Fixed.From << "/" << c.Fixed.To << "/"
            << c.Fixed.MirrorFrom << "/" << c.Fixed.MirrorTo << " active " << c.Active << "/" << c.ActiveTo
            << " style " << c.Style << " footer " << c.FooterFrom << "/" << c.FooterTo;
}

constexpr TColor N = clNone;
}  // namespace

TEST(GridLooks, EachLookSetsItsColours) {
  struct TCase {
    TGridLook Look;
    TLookColours Expected;
  };
  const TLookColours classic{clHighlight, N, clHighlightText, 0xC0C0C0,  0x808080, {clBtnFace, N, N, N, N},
                             0x808080,    N, ssDefault,       clBtnFace, clBtnFace};
  // The header gradient ends on the button face's value as it is when the look is chosen.
  constexpr TColor face = 0xF0F0F0;
  TLookColours listView = classic;
  listView.Fixed = {clWhite, face, N, N, N};
  const TLookColours xp{0xEACAB6, N, 0,         0xC0C0C0, 0x808080, {clWhite, face, N, N, N},
                        0xEACAB6, N, ssDefault, clWhite,  face};
  TLookColours vyx = xp;
  vyx.Fixed.To = vyx.FooterTo = 0xC0C0C0;
  const TLookColours vista{0xEACAB6, N,        0,       0xECECF0, 0xD4D2D1, {clWhite, clWhite, 0xFAF8F7, 0xF4F2F1, N},
                           0xFDF8F1, 0xFCEFD5, ssVista, clWhite,  0xF4F2F1};
  const TLookColours win7{0xEACAB6, N,        0,      0xECECF0, 0xD4D2D1, {0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD, N},
                          0xFCEBDC, 0xFCDBC1, ssWin7, 0xFDFCFA, 0xF7E9DD};
  const TLookColours office{
      0x5EC1F1,     N,        0, 0xF1EDEB, 0xD1BBA4, {0xFBF9F6, 0xE8DBD2, N, N, N}, 0x9DD8F9, 0x5EC1F1,
      ssOffice2007, 0xFBF9F6, N};
  for (const TCase& k : {TCase{glStandard, classic}, TCase{glSoft, classic}, TCase{glClassic, classic},
                         TCase{glListView, listView}, TCase{glVyx, vyx}, TCase{glXP, xp}, TCase{glVista, vista},
                         TCase{glWin7, win7}, TCase{glOffice2007, office}}) {
    TQrvStringGrid g;
    // From another look, so that every look is a change.
    g.SetLook(k.Look == glStandard ? glXP : glStandard);
    g.SetLook(k.Look);
    EXPECT_EQ(Read(g), k.Expected) << LookToString(k.Look).toStdString();
    EXPECT_EQ(g.Look(), k.Look);
    EXPECT_EQ(g.BorderColor, 0xB99D7F);
    EXPECT_EQ(g.ScrollType(), ssNormal);
  }
}

TEST(GridLooks, HoverAndDownColoursOfTheLooks) {
  struct TCase {
    TGridLook Look;
    TFixedGradient Hover, Down;
  };
  const TFixedGradient xpHover{0xCFD0D1, 0xBEC6C8, 0xBEC6C8, 0xABBCBF, 0xC0C0C0};
  const TFixedGradient xpDown{0x868788, 0x737C7E, 0x737C7E, 0x627376, 0x808080};
  for (const TCase& k : {TCase{glXP, xpHover, xpDown}, TCase{glVyx, xpHover, xpDown},
                         TCase{glVista,
                               {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993},
                               {0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F}},
                         TCase{glWin7,
                               {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3},
                               {0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA}},
                         TCase{glOffice2007,
                               {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87},
                               {0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D}}}) {
    TQrvStringGrid g;
    g.SetLook(glStandard);
    g.SetLook(k.Look);
    EXPECT_EQ(g.VyxGradientHover, k.Hover) << LookToString(k.Look).toStdString();
    EXPECT_EQ(g.VyxGradientDown, k.Down) << LookToString(k.Look).toStdString();
  }
}

TEST(GridLooks, EachStyleSetsItsColours) {
  struct TCase {
    TVyxStyle Style;
    TGridLook Look;
    TLookColours Expected;
  };
  const TLookColours office2003Blue{0x94E6FB, 0x1595EE, 0,         0xC0C0C0, 0x808080, {0xFCE1CB, 0xE0A57D, N, N, N},
                                    0x94E6FB, 0x1595EE, ssDefault, 0xFCE1CB, N};
  const TLookColours office2003Classic{
      clHighlight, N,        clHighlightText, 0xC0C0C0, 0x808080, {clWhite, 0xCCD4D8, N, N, N},
      0xD8D5D4,    0xD8D5D4, ssDefault,       clWhite,  N};
  const TLookColours whidbey{
      clHighlight, N,        clHighlightText, 0xC0C0C0, 0x808080, {clWhite, clBtnFace, N, N, N},
      0x94E6FB,    0x1595EE, ssDefault,       clWhite,  N};
  const TLookColours obsidian{
      0x5EC1F1,     N,        0, 0xE5D7D0, 0x808080, {0xF7F7F7, 0xDEDEDE, N, N, N}, 0x9DD8F9, 0x5EC1F1,
      ssOffice2007, 0xF7F7F7, N};
  const TLookColours silver{
      0x95C7F5,     N,        0, 0xE5D7D0, 0x808080, {0xF3F3F1, 0xCAC9C8, N, N, N}, 0x99CCFF, 0x699CFF,
      ssOffice2007, 0xF3F3F1, N};
  const TLookColours office2010Blue{
      0xFFDBB7, N,        0,         0xC0C0C0, 0xC7B0A0, {0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, N},
      0x5BD5FF, 0x71EFFF, ssDefault, 0xF5E7DA, 0xF5E7DA};
  const TLookColours office2010Black{
      0xFFDBB7, N,        0,         0xC0C0C0, 0x444444, {0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, N},
      0x5BD5FF, 0x71EFFF, ssDefault, 0x6A6A6A, 0x6A6A6A};
  // The fresh grid's own colours (look glXP as created): a custom style keeps them but the selection.
  TQrvStringGrid fresh;
  TLookColours custom = Read(fresh);
  custom.Selection = clHighlight;
  custom.SelectionText = clHighlightText;
  for (const TCase& k :
       {TCase{tsOffice2003Blue, glXP, office2003Blue}, TCase{tsOffice2003Classic, glXP, office2003Classic},
        TCase{tsWhidbey, glXP, whidbey}, TCase{tsOffice2007Obsidian, glOffice2007, obsidian},
        TCase{tsOffice2007Silver, glOffice2007, silver}, TCase{tsOffice2010Blue, glOffice2007, office2010Blue},
        TCase{tsOffice2010Black, glOffice2007, office2010Black}, TCase{tsCustom, glXP, custom}}) {
    TQrvStringGrid g;
    g.SetComponentStyle(k.Style);
    EXPECT_EQ(Read(g), k.Expected) << k.Style;
    EXPECT_EQ(g.Look(), k.Look) << k.Style;
    EXPECT_EQ(g.GridStyle(), static_cast<TQrvGridStyle>(k.Style));
  }
}

TEST(GridLooks, StylesThroughALookStartFromThatLooksStyle) {
  // Obsidian from the XP look passes through the Luna colours: the hover and down colours stay Luna's.
  TQrvStringGrid g;
  g.SetComponentStyle(tsOffice2007Obsidian);
  EXPECT_EQ(g.VyxGradientHover, (TFixedGradient{0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87}));
  EXPECT_EQ(g.VyxGradientDown, (TFixedGradient{0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D}));
  // The Office 2010 styles give the sort header one colour and forward then clear the control look's pair.
  g.SetComponentStyle(tsOffice2010Silver);
  EXPECT_EQ(Sort_Header(g), (std::array<TColor, 4>{0xAAAAAA, 0xAAAAAA, 0xAAAAAA, 0xAAAAAA}));
  EXPECT_EQ(g.VyxGradientHover, (TFixedGradient{0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8}));
  EXPECT_EQ(g.ControlLook.FixedGradientFrom, clNone);
  EXPECT_EQ(g.VyxGradient.From, 0xE8E3DF);
  // Vista sets the sort header's four colours.
  g.SetComponentStyle(tsWindowsVista);
  EXPECT_EQ(Sort_Header(g), (std::array<TColor, 4>{0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8}));
}

TEST(GridLooks, TheSameLookAgainChangesNothing) {
  TQrvStringGrid g;
  g.SetComponentStyle(tsOffice2003Olive);
  const TLookColours styled = Read(g);
  g.SetLook(glXP);
  EXPECT_EQ(Read(g), styled);
  // A custom look only resets the scroll type and the border.
  g.SetScrollType(ssFlat);
  g.BorderColor = 0x123456;
  g.SetLook(glCustom);
  EXPECT_EQ(Read(g), styled);
  EXPECT_EQ(g.ScrollType(), ssNormal);
  EXPECT_EQ(g.BorderColor, 0xB99D7F);
}

TEST(GridLooks, ColourTonesMakeAFlatGlyphGrid) {
  TQrvStringGrid g;
  TColorTones tones;
  tones.Background = {0xF0F0F0, 0xA0A0A0, 0x202020};
  tones.Foreground = {0xD08040, 0x804020, 0xFFFFFF};
  tones.Selected = {0x40A0F0, 0x2060A0, 0x000000};
  g.SetColorTones(tones);
  EXPECT_TRUE(g.Flat);
  EXPECT_EQ(g.Look(), glClassic);
  EXPECT_EQ(g.ScrollType(), ssMetro);
  EXPECT_EQ(g.BorderStyle, bsNone);
  EXPECT_EQ(g.FixedColor, 0xD08040);
  EXPECT_EQ(g.FixedFont.Color, 0xFFFFFF);
  EXPECT_EQ(g.Color(), 0xF0F0F0);
  EXPECT_EQ(g.Font().Color, 0x202020);
  EXPECT_EQ(g.SelectionColor, 0x40A0F0);
  EXPECT_EQ(g.GridLineColor(), 0xE6E6E6);
  EXPECT_EQ(g.GridFixedLineColor(), ScaleColorPercent(0xD08040, -20));
  EXPECT_EQ(g.ControlLook.ControlStyle, csGlyph);
  EXPECT_FALSE(g.ControlLook.CheckedGlyph.Empty());
  EXPECT_FALSE(g.ControlLook.UnCheckedGlyph.Empty());
  EXPECT_TRUE(g.ControlLook.FlatButton);
  EXPECT_EQ(g.CellNode().NodeType(), cnFlat);
}

TEST(GridLooks, ColourSchemes) {
  struct TCase {
    TXPColorScheme Scheme;
    TFixedGradient Fixed;
    TColor ActiveFrom, ActiveTo, FooterFrom, FooterTo;
  };
  for (const TCase& k :
       {TCase{xpBlue, {0xFCE1CB, 0xE0A57D, N, N, N}, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D},
        TCase{xpGray, {0xECE2E1, 0xB39698, N, N, N}, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698},
        TCase{vistaAero, {clWhite, clWhite, 0xFAF8F7, 0xF4F2F1, N}, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698},
        TCase{xpNone, {clWhite, clBtnFace, N, N, N}, clWhite, 0xFFD9B3, clWhite, 0xFFD9B3}}) {
    TQrvStringGrid g;
    g.SetTheme(k.Scheme);
    EXPECT_EQ(g.VyxGradient, k.Fixed) << k.Scheme;
    EXPECT_EQ(g.ActiveCellColor, k.ActiveFrom) << k.Scheme;
    EXPECT_EQ(g.ActiveCellColorTo, k.ActiveTo) << k.Scheme;
    EXPECT_EQ(g.SearchFooter().Color(), k.FooterFrom) << k.Scheme;
    EXPECT_EQ(g.SearchFooter().ColorTo(), k.FooterTo) << k.Scheme;
    EXPECT_EQ(g.ControlLook.FixedGradientFrom, k.Scheme == xpNone ? clNone : k.Fixed.From) << k.Scheme;
  }
}

TEST(GridLooks, LookNames) {
  struct TCase {
    TGridLook Look;
    const char* Name;
    const char* Display;
  };
  for (const TCase& k : {TCase{glStandard, "glStandard", "Standard"}, TCase{glXP, "glXP", "Windows XP"},
                         TCase{glVista, "glVista", "Windows Vista"},
                         TCase{glOffice2007, "glOffice2007", "Office2007"}, TCase{glCustom, "", ""}}) {
    EXPECT_EQ(LookToString(k.Look), QLatin1String(k.Name));
    EXPECT_EQ(LookToDisplayName(k.Look), QLatin1String(k.Display));
  }
}

TEST(GridLooks, ControlLookAndProgressSettersRepaintTheGridOnAChangeOnly) {
  THostedGrid<> hosted(3, 3, 200, 100);
  TQrvStringGrid& grid = hosted.grid;
  const struct {
    const char* name;
    std::function<void(TQrvStringGrid&)> set;
  } setters[] = {
      {"CheckSize", [](TQrvStringGrid& g) { g.ControlLook.SetCheckSize(g.ControlLook.CheckSize + 4); }},
      {"ControlStyle", [](TQrvStringGrid& g) { g.ControlLook.SetControlStyle(csFlat); }},
      {"FixedDropDownButton", [](TQrvStringGrid& g) { g.ControlLook.SetFixedDropDownButton(true); }},
      {"glyphs", [](TQrvStringGrid& g) { g.ControlLook.SetGlyphs({}, {}, {}, {}); }},
      {"CompleteColor", [](TQrvStringGrid& g) { g.ProgressAppearance.SetCompleteColor(0x123456); }},
      {"Level1Perc", [](TQrvStringGrid& g) { g.ProgressAppearance.SetLevel1Perc(50); }},
      {"ShowBorder", [](TQrvStringGrid& g) { g.ProgressAppearance.SetShowBorder(true); }},
  };
  for (const auto& s : setters) {
    const int before = hosted.host.AllRepaints;
    s.set(grid);
    EXPECT_GT(hosted.host.AllRepaints, before) << s.name;
  }
  const int before = hosted.host.AllRepaints;
  grid.ControlLook.SetControlStyle(csFlat);
  grid.ProgressAppearance.SetLevel1Perc(50);
  EXPECT_EQ(hosted.host.AllRepaints, before) << "the same value again repaints nothing";
  EXPECT_EQ(grid.ControlLook.ControlStyle, csFlat);
  EXPECT_EQ(grid.ProgressAppearance.Level1Perc, 50);
}

TEST(GridLooks, ProgressAppearanceAssignTakesEverySettingAndNotifiesOnce) {
  TGridProgressAppearance source;
  EXPECT_EQ(source.Style, psXP);
  source.CompleteColor = 0x010101;
  source.CompleteFontColor = 0x020202;
  source.UnCompleteColor = 0x030303;
  source.UnCompleteFontColor = 0x040404;
  source.Level0Color = 0x050505;
  source.Level0ColorTo = 0x060606;
  source.Level1Color = 0x070707;
  source.Level1ColorTo = 0x080808;
  source.Level2Color = 0x090909;
  source.Level2ColorTo = 0x0A0A0A;
  source.Level3Color = 0x0B0B0B;
  source.Level3ColorTo = 0x0C0C0C;
  source.Level1Perc = 11;
  source.Level2Perc = 22;
  source.BorderColor = 0x0D0D0D;
  source.ShowBorder = true;
  source.Stacked = true;
  source.ShowPercentage = false;
  source.CompletionSmooth = false;
  source.ShowGradient = false;
  source.Steps = 33;
  source.Style = psClassic;
  int sourceNotices = 0;
  source.OnChange.Fn = [&] { ++sourceNotices; };

  TGridProgressAppearance target;
  int notices = 0;
  target.OnChange.Fn = [&] { ++notices; };
  target.Assign(source);
  EXPECT_EQ(notices, 1);
  const TGridProgressAppearance& t = target;
  EXPECT_EQ(std::tie(t.CompleteColor, t.CompleteFontColor, t.UnCompleteColor, t.UnCompleteFontColor),
            std::make_tuple(TColor(0x010101), TColor(0x020202), TColor(0x030303), TColor(0x040404)));
  EXPECT_EQ(std::tie(t.Level0Color, t.Level0ColorTo, t.Level1Color, t.Level1ColorTo, t.Level2Color, t.Level2ColorTo,
                     t.Level3Color, t.Level3ColorTo),
            std::make_tuple(TColor(0x050505), TColor(0x060606), TColor(0x070707), TColor(0x080808), TColor(0x090909),
                            TColor(0x0A0A0A), TColor(0x0B0B0B), TColor(0x0C0C0C)));
  EXPECT_EQ(std::tie(t.Level1Perc, t.Level2Perc, t.Steps), std::make_tuple(11, 22, 33));
  EXPECT_EQ(t.BorderColor, TColor(0x0D0D0D));
  EXPECT_EQ(std::tie(t.ShowBorder, t.Stacked, t.ShowPercentage, t.CompletionSmooth, t.ShowGradient),
            std::make_tuple(true, true, false, false, false));
  EXPECT_EQ(t.Style, psClassic);
  // The hook stays the target's own: a later change is heard by the target, not by the source.
  target.SetStyle(psXP);
  EXPECT_EQ(notices, 2);
  EXPECT_EQ(sourceNotices, 0);
  // Assigning the same settings again still tells the owner.
  target.Assign(target);
  EXPECT_EQ(notices, 3);
}

TEST(GridLooks, AGridCopyRepaintsWithTheProgressAppearanceItTook) {
  THostedGrid<> first(3, 3, 200, 100);
  THostedGrid<> second(3, 3, 200, 100);
  first.grid.ProgressAppearance.SetStyle(psClassic);
  first.grid.ProgressAppearance.SetLevel1Perc(40);
  int notices = 0;
  second.grid.ProgressAppearance.OnChange.Fn = [&] { ++notices; };
  second.grid.Assign(&first.grid);
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(second.grid.ProgressAppearance.Style, psClassic);
  EXPECT_EQ(second.grid.ProgressAppearance.Level1Perc, 40);
}

TEST(GridLooks, CopiedControlLookKeepsRepaintingItsOwnGrid) {
  THostedGrid<> first(3, 3, 200, 100);
  THostedGrid<> second(3, 3, 200, 100);
  second.grid.ControlLook = first.grid.ControlLook;
  second.grid.ProgressAppearance = first.grid.ProgressAppearance;
  const int firstBefore = first.host.AllRepaints, secondBefore = second.host.AllRepaints;
  second.grid.ControlLook.SetRadioSize(14);
  second.grid.ProgressAppearance.SetSteps(5);
  EXPECT_EQ(first.host.AllRepaints, firstBefore);
  EXPECT_EQ(second.host.AllRepaints, secondBefore + 2);
}
