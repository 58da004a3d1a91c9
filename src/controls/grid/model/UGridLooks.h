#pragma once
// The grid's looks as data: the look presets, the colour styles, the platform colour schemes and the settings
// objects the cell painter reads (progress appearance, background). The grid applies a row of these tables in
// one place (UQrvStringGrid_Looks.cpp); nothing here knows the grid.
#include <QString>
#include <array>
#include <functional>
#include <initializer_list>
#include <optional>

#include "UBitmap.h"
#include "UChangeNotice.h"
#include "UTypes.h"

enum TGridLook { glStandard, glSoft, glClassic, glVyx, glXP, glListView, glVista, glWin7, glOffice2007, glCustom };
constexpr int32_t TGridLookCount = glCustom + 1;

// The same sixteen members, in the same order, as the shared colour styles (a style number passes unchanged).
enum TQrvGridStyle {
  gsOffice2003Blue,
  gsOffice2003Silver,
  gsOffice2003Olive,
  gsOffice2003Classic,
  gsOffice2007Luna,
  gsOffice2007Obsidian,
  gsWindowsXP,
  gsWhidbey,
  gsCustom,
  gsOffice2007Silver,
  gsWindowsVista,
  gsWindows7,
  gsTerminal,
  gsOffice2010Blue,
  gsOffice2010Silver,
  gsOffice2010Black
};
constexpr int32_t TQrvGridStyleCount = gsOffice2010Black + 1;

enum TXPColorScheme { xpNone, xpBlue, xpGreen, xpGray, vistaAero };
enum TGridScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
enum THoverFixedCells { hfNone, hfAll, hfFixedColumns, hfFixedRows };
enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };

// Picture or gradient behind the cells and the empty area past the last cell. Every write repaints the owner.
struct TBackGround {
  TNotifying<TBitmap, true> Bitmap;
  TNotifying<int32_t> Left{0};
  TNotifying<int32_t> Top{0};
  TNotifying<TBackGroundDisplay> Display{bdTile};
  TNotifying<TBackGroundCells> Cells{bcNormal};
  TNotifying<TColor> Color{clWindow};
  TNotifying<TColor> ColorTo{clBtnFace};
  void SetOnChange(const std::function<void()>& fn) {
    for (TChangeNotice* n : {&Bitmap.OnChange, &Left.OnChange, &Top.OnChange, &Display.OnChange, &Cells.OnChange,
                             &Color.OnChange, &ColorTo.OnChange})
      n->Fn = fn;
  }
};

enum TProgressStyle { psXP, psClassic };

struct TGridProgressAppearance {
  TColor CompleteColor = 0x0000FF;
  TColor CompleteFontColor = 0xFF0000;
  TColor UnCompleteColor = clNone;
  TColor UnCompleteFontColor = clWindowText;
  TColor Level0Color = 0x00FF00, Level0ColorTo = 0xE1FFE1;
  TColor Level1Color = 0x00FFFF, Level1ColorTo = 0xCAFFFF;
  TColor Level2Color = 0x53A9FF, Level2ColorTo = 0xA8D3FF;
  TColor Level3Color = 0x0000FF, Level3ColorTo = 0xCACAFF;
  int32_t Level1Perc = 70;
  int32_t Level2Perc = 90;
  TColor BorderColor = 0;
  bool ShowBorder = false;
  bool Stacked = false;
  bool ShowPercentage = true;
  bool CompletionSmooth = true;
  bool ShowGradient = true;
  int32_t Steps = 11;
  TProgressStyle Style = psXP;

  // Setters: on a change the owner hears of it (the grid repaints).
  TChangeNotice OnChange;
  // Takes every setting of `source` and tells the owner once, whatever changed; the owner's hook stays its own.
  void Assign(const TGridProgressAppearance& source) {
    *this = source;
    OnChange();
  }
  TARN_NOTIFYING_SETTER(TColor, CompleteColor)
  TARN_NOTIFYING_SETTER(TColor, CompleteFontColor)
  TARN_NOTIFYING_SETTER(TColor, UnCompleteColor)
  TARN_NOTIFYING_SETTER(TColor, UnCompleteFontColor)
  TARN_NOTIFYING_SETTER(TColor, Level0Color)
  TARN_NOTIFYING_SETTER(TColor, Level0ColorTo)
  TARN_NOTIFYING_SETTER(TColor, Level1Color)
  TARN_NOTIFYING_SETTER(TColor, Level1ColorTo)
  TARN_NOTIFYING_SETTER(TColor, Level2Color)
  TARN_NOTIFYING_SETTER(TColor, Level2ColorTo)
  TARN_NOTIFYING_SETTER(TColor, Level3Color)
  TARN_NOTIFYING_SETTER(TColor, Level3ColorTo)
  TARN_NOTIFYING_SETTER(int32_t, Level1Perc)
  TARN_NOTIFYING_SETTER(int32_t, Level2Perc)
  TARN_NOTIFYING_SETTER(TColor, BorderColor)
  TARN_NOTIFYING_SETTER(bool, ShowBorder)
  TARN_NOTIFYING_SETTER(bool, Stacked)
  TARN_NOTIFYING_SETTER(bool, ShowPercentage)
  TARN_NOTIFYING_SETTER(bool, CompletionSmooth)
  TARN_NOTIFYING_SETTER(bool, ShowGradient)
  TARN_NOTIFYING_SETTER(int32_t, Steps)
  TARN_NOTIFYING_SETTER(TProgressStyle, Style)
};

// A fixed-cell gradient as the grid keeps it: two halves and, for hover and down, a border.
struct TFixedGradient {
  TColor From = clNone, To = clNone, MirrorFrom = clNone, MirrorTo = clNone, Border = clNone;
  bool operator==(const TFixedGradient&) const = default;
};

// What a look preset writes (besides clearing the fixed gradients). Empty optionals are left alone.
struct TLookPreset {
  std::optional<TColor> FixedColor;
  TColor ControlFrom = clNone, ControlTo = clNone;  // through the control look's forwarding setters
  TColor ActiveCellColor = clNone;
  TColor SelectionColor = clNone;
  std::optional<TColor> SelectionColorTo;
  TColor SelectionTextColor = clNone;
  // The search footer takes these, or the new fixed gradient From/To when unset.
  std::optional<std::pair<TColor, TColor>> SearchFooter;
  std::optional<TFixedGradient> Hover;
  std::optional<TFixedGradient> Down;
};
// The preset of a look that has one of its own (glVista, glWin7, glOffice2007 go through a style; glCustom none).
const TLookPreset* LookPresetOf(TGridLook look);
// The style a look applies first, when it has one.
std::optional<TQrvGridStyle> LookStyleOf(TGridLook look);

// How a style treats the control look's fixed From/To after writing the grid's colours.
enum TControlForward { cfNone, cfForward, cfForwardThenNone, cfForwardAllThenNone };
// Which selection style a style leaves.
enum TStyleSelection { selDefault, selFromLook, selOffice2007IfLook, selVista, selWin7 };

struct TGridStyleRow {
  std::optional<TGridLook> Look;
  std::optional<std::pair<TColor, TColor>> Gradient;        // VyxGradientFrom / To
  std::optional<std::pair<TColor, TColor>> GradientMirror;  // VyxGradientMirrorFrom / To
  std::optional<std::pair<TColor, TColor>> ActiveCell;      // ActiveCellColor / To
  TControlForward Forward = cfNone;
  std::optional<std::pair<TColor, TColor>> Lines;  // GridLineColor / GridFixedLineColor
  std::optional<std::array<TColor, 3>> Selection;  // SelectionColor / To / TextColor
  TStyleSelection SelectionStyle = selDefault;
  std::optional<TFixedGradient> Hover;
  bool HoverBorderOnGrid = false;
  std::optional<TFixedGradient> Down;
  // The Office 2010 styles clear the grid's hover colours first and give the sort header one colour.
  bool ClearHoverFirst = false;
  std::optional<std::array<TColor, 4>> SortHeader;
  bool SearchFooter = true;
};
const TGridStyleRow& GridStyleRow(TQrvGridStyle style);

struct TSchemeColors {
  TColor From, To, MirrorFrom, MirrorTo, ActiveFrom, ActiveTo, FooterFrom, FooterTo;
  bool ForwardToControlLook;
};
const TSchemeColors& SchemeColorsOf(TXPColorScheme scheme);

// The style matching an office colour code: 0..3 the 2003 blue, silver, olive and classic schemes, 4..6 the 2007
// blue, silver and black ones, 7..9 the 2010 blue, silver and black ones.
TQrvGridStyle StyleOfOfficeCode(int32_t code);

// "glStandard" .. "glOffice2007"; empty for glCustom.
QString LookToString(TGridLook look);
// "Standard" .. "Office2007"; empty for glCustom.
QString LookToDisplayName(TGridLook look);
