// Looks, styles, colour tones and colour schemes: each writes one row of the tables in UGridLooks, in order.
#include "QrvStyleIF.h"
#include "UColorMath.h"
#include "UGridGlyphs.h"
#include "UQrvStringGrid.h"
#include "USysColors.h"

void TQrvStringGrid::SetFixedGradient(TColor from, TColor to) {
  ControlLook.FixedGradientFrom = from;
  ControlLook.FixedGradientTo = to;
  if (from != clNone) VyxGradient.From = from;
  if (to != clNone) VyxGradient.To = to;
  Invalidate();
}

void TQrvStringGrid::SetFixedGradientMirror(TColor from, TColor to) {
  ControlLook.FixedGradientMirrorFrom = from;
  ControlLook.FixedGradientMirrorTo = to;
  VyxGradient.MirrorFrom = from;
  VyxGradient.MirrorTo = to;
  Invalidate();
}

namespace {
// Mirrors always reach the grid; the other three only when set.
void ForwardGradient(const TFixedGradient& value, TFixedGradient& grid) {
  if (value.From != clNone) grid.From = value.From;
  if (value.To != clNone) grid.To = value.To;
  if (value.Border != clNone) grid.Border = value.Border;
  grid.MirrorFrom = value.MirrorFrom;
  grid.MirrorTo = value.MirrorTo;
}
}  // namespace

void TQrvStringGrid::SetFixedGradientHover(const TFixedGradient& hover) {
  ControlLook.FixedGradientHoverFrom = hover.From;
  ControlLook.FixedGradientHoverTo = hover.To;
  ControlLook.FixedGradientHoverMirrorFrom = hover.MirrorFrom;
  ControlLook.FixedGradientHoverMirrorTo = hover.MirrorTo;
  ControlLook.FixedGradientHoverBorder = hover.Border;
  ForwardGradient(hover, VyxGradientHover);
  Invalidate();
}

void TQrvStringGrid::SetFixedGradientDown(const TFixedGradient& down) {
  ControlLook.FixedGradientDownFrom = down.From;
  ControlLook.FixedGradientDownTo = down.To;
  ControlLook.FixedGradientDownMirrorFrom = down.MirrorFrom;
  ControlLook.FixedGradientDownMirrorTo = down.MirrorTo;
  ControlLook.FixedGradientDownBorder = down.Border;
  ForwardGradient(down, VyxGradientDown);
  Invalidate();
}

void TQrvStringGrid::InitControlLookColors() {
  ControlLook.Color = clBlack;
  ControlLook.CommentColor = 0x0000FF;
  ControlLook.ProgressBorderColor = clGray;
  ControlLook.FixedGradientFrom = ControlLook.FixedGradientTo = clNone;
  ControlLook.FixedGradientMirrorFrom = ControlLook.FixedGradientMirrorTo = clNone;
  ControlLook.FixedGradientHoverFrom = clGray;
  ControlLook.FixedGradientHoverTo = clWhite;
  ControlLook.FixedGradientHoverBorder = clSilver;
  ControlLook.FixedGradientDownFrom = clGray;
  ControlLook.FixedGradientDownTo = clSilver;
  ControlLook.FixedGradientDownBorder = clGray;
  ControlLook.FixedGradientHoverMirrorFrom = ControlLook.FixedGradientHoverMirrorTo = clNone;
  ControlLook.FixedGradientDownMirrorFrom = ControlLook.FixedGradientDownMirrorTo = clNone;
  VyxGradientHover.MirrorFrom = VyxGradientHover.MirrorTo = clNone;
  VyxGradientDown.MirrorFrom = VyxGradientDown.MirrorTo = clNone;
}

void TQrvStringGrid::SetLook(TGridLook value) {
  if (value == FLook) return;
  FLook = value;
  if (value != glCustom) {
    SetFixedGradientMirror(clNone, clNone);
    ControlLook.FixedGradientFrom = ControlLook.FixedGradientTo = clNone;
    VyxGradient = TFixedGradient{};
    SortSettings.HeaderColor = clNone;
  }
  if (const auto style = LookStyleOf(value)) {
    SetStyle(*style);
    FStyle = *style;
  } else if (const TLookPreset* preset = LookPresetOf(value)) {
    if (!IsDesigning()) StyleDropDownEditors(tsWindowsXP);
    SetSelectionStyle(ssDefault);
    if (!IsLoading()) {
      if (preset->FixedColor) FixedColor = *preset->FixedColor;
      // The gradient keeps the button face the look was chosen with, whatever the system colour becomes later.
      SetFixedGradient(preset->ControlFrom, ColorToRGB(preset->ControlTo));
      SetGridFixedLineColor(clGray);
      SetFixedGradientMirror(clNone, clNone);
      SetGridLineColor(clSilver);
      ActiveCellColor = preset->ActiveCellColor;
      ActiveCellColorTo = clNone;
      SelectionColor = preset->SelectionColor;
      if (preset->SelectionColorTo) SelectionColorTo = *preset->SelectionColorTo;
      SelectionTextColor = preset->SelectionTextColor;
      const auto footer = preset->SearchFooter.value_or(std::pair{VyxGradient.From, VyxGradient.To});
      SearchFooter().SetColor(footer.first);
      SearchFooter().SetColorTo(footer.second);
      if (preset->Hover) SetFixedGradientHover(*preset->Hover);
      if (preset->Down) SetFixedGradientDown(*preset->Down);
    }
  }
  SetScrollType(ssNormal);
  BorderStyle = bsSingle;
  BorderColor = 0xB99D7F;
  Invalidate();
  if (!IsLoading()) UpdateFooter();
}

void TQrvStringGrid::SetComponentStyle(TVyxStyle style) {
  SetStyle(static_cast<TQrvGridStyle>(style));
  FStyle = static_cast<TQrvGridStyle>(style);
  if (!IsDesigning()) StyleDropDownEditors(style);
  if (ScrollType() == ssMetro && style != tsCustom) SetScrollType(ssNormal);
}

void TQrvStringGrid::StyleDropDownEditors(TVyxStyle style) {
  DropDownEditors.ApplyStyle(style);
}

void TQrvStringGrid::SetStyle(TQrvGridStyle style) {
  SelectionColor = clHighlight;
  SelectionColorTo = clNone;
  SelectionTextColor = clHighlightText;
  SetSelectionStyle(ssDefault);
  SortSettings.SetHeaderColors({clNone, clNone, clNone, clNone});
  InitControlLookColors();
  ApplyStyleRow(GridStyleRow(style));
  Invalidate();
}

void TQrvStringGrid::ApplyStyleRow(const TGridStyleRow& row) {
  if (row.Look) SetLook(*row.Look);
  if (row.Gradient) {
    VyxGradient.From = row.Gradient->first;
    VyxGradient.To = row.Gradient->second;
  }
  if (row.GradientMirror) {
    VyxGradient.MirrorFrom = row.GradientMirror->first;
    VyxGradient.MirrorTo = row.GradientMirror->second;
  }
  if (row.ActiveCell) {
    ActiveCellColor = row.ActiveCell->first;
    ActiveCellColorTo = row.ActiveCell->second;
  }
  switch (row.Forward) {
    case cfForward:
      SetFixedGradient(VyxGradient.From, VyxGradient.To);
      break;
    case cfForwardAllThenNone:
      SetFixedGradientMirror(VyxGradient.MirrorFrom, VyxGradient.MirrorTo);
      [[fallthrough]];
    case cfForwardThenNone:
      SetFixedGradient(VyxGradient.From, VyxGradient.To);
      SetFixedGradient(clNone, clNone);
      break;
    case cfNone:
      if (row.Gradient) SetFixedGradient(clNone, clNone);
      break;
  }
  if (row.Lines) {
    SetGridLineColor(row.Lines->first);
    SetGridFixedLineColor(row.Lines->second);
  }
  if (row.Selection) {
    SelectionColor = (*row.Selection)[0];
    SelectionColorTo = (*row.Selection)[1];
    SelectionTextColor = (*row.Selection)[2];
  }
  switch (row.SelectionStyle) {
    case selDefault:
      SetSelectionStyle(ssDefault);
      break;
    case selOffice2007IfLook:
      if (FLook == glOffice2007) SetSelectionStyle(ssOffice2007);
      break;
    case selVista:
      SetSelectionStyle(ssVista);
      break;
    case selWin7:
      SetSelectionStyle(ssWin7);
      break;
    case selFromLook:
      break;
  }
  if (row.ClearHoverFirst) VyxGradientHover = TFixedGradient{};
  if (row.Hover) {
    // A border marked for the grid goes to the grid's own colour; the control look keeps its border.
    TFixedGradient hover = *row.Hover;
    if (row.HoverBorderOnGrid) hover.Border = clNone;
    const TColor controlBorder = ControlLook.FixedGradientHoverBorder;
    SetFixedGradientHover(hover);
    if (row.HoverBorderOnGrid) {
      ControlLook.FixedGradientHoverBorder = controlBorder;
      VyxGradientHover.Border = row.Hover->Border;
    }
  }
  if (row.Down) SetFixedGradientDown(*row.Down);
  if (row.SortHeader) SortSettings.SetHeaderColors(*row.SortHeader);
  if (row.SearchFooter) {
    SearchFooter().SetColor(VyxGradient.From);
    SearchFooter().SetColorTo(VyxGradient.MirrorTo);
  }
}

void TQrvStringGrid::SetColorTones(const TColorTones& tones) {
  FTones = tones;
  FTonesSet = true;
  SetLook(glClassic);
  Flat = true;
  SetScrollType(ssMetro);
  FixedColor = tones.Foreground.BrushColor;
  FixedFont.Color = tones.Foreground.TextColor;
  FixedFont.Name = DefaultUiFontName();
  TFont font = Font();
  font.Name = DefaultUiFontName();
  font.Color = tones.Background.TextColor;
  SetFont(font);
  SetColor(tones.Background.BrushColor);
  SelectionColor = tones.Selected.BrushColor;
  SelectionTextColor = tones.Selected.TextColor;
  SelectionColorTo = clNone;
  SetGridLineColor(0xE6E6E6);
  SetGridFixedLineColor(ScaleColorPercent(tones.Foreground.BrushColor, -20));
  BorderStyle = bsNone;
  ControlLook.ControlStyle = csGlyph;
  ControlLook.CheckedGlyph = GridGlyph(QStringLiteral("metrocheckon"));
  ControlLook.UnCheckedGlyph = GridGlyph(QStringLiteral("metrocheckoff"));
  ControlLook.RadioOffGlyph = GridGlyph(QStringLiteral("metroradiooff"));
  ControlLook.RadioOnGlyph = GridGlyph(QStringLiteral("metroradioon"));
  DropDownEditors.ApplyTones(tones);
  ControlLook.FlatButton = true;
  FloatingFooter().SetColor(tones.Foreground.BrushColor);
  SearchFooter().SetColor(tones.Foreground.BrushColor);
  SearchFooter().SetColorTo(tones.Foreground.BrushColor);
  CellNode().SetNodeType(cnFlat);
  Invalidate();
}

void TQrvStringGrid::SetTheme(TXPColorScheme scheme) {
  const TSchemeColors& s = SchemeColorsOf(scheme);
  VyxGradient = TFixedGradient{s.From, s.To, s.MirrorFrom, s.MirrorTo, clNone};
  ActiveCellColor = s.ActiveFrom;
  ActiveCellColorTo = s.ActiveTo;
  if (s.ForwardToControlLook) {
    ControlLook.FixedGradientFrom = s.From;
    ControlLook.FixedGradientTo = s.To;
  } else {
    ControlLook.FixedGradientFrom = ControlLook.FixedGradientTo = clNone;
  }
  SearchFooter().SetColor(s.FooterFrom);
  SearchFooter().SetColorTo(s.FooterTo);
}

void TQrvStringGrid::SetShowSelection(bool value) {
  if (value == FShowSelection) return;
  FShowSelection = value;
  SetShowSel(value);
  Invalidate();
}

void TQrvStringGrid::SetSelectionColorMixerFactor(int32_t value) {
  value = std::clamp(value, 0, 100);
  if (value == SelectionColorMixerFactor) return;
  SelectionColorMixerFactor = value;
  Invalidate();
}

void TQrvStringGrid::SetVyxColor(TColor& field, TColor value) {
  field = ColorToRGB(value);
  Invalidate();
}
