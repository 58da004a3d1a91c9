// A cell's visual properties: brush, gradient colours, font, alignment, word wrap and selected or fixed state,
// decided in one place for painting, printing and measuring; the selection colour mixer; number alignment.
#include "UColorMath.h"
#include "UQrvStringGrid.h"
#include "USysColors.h"
#include "UValueText.h"

TColor TQrvStringGrid::MixSelectionColor(TColor selection, TColor cell) const {
  const int32_t f = SelectionColorMixerFactor;
  if (f >= 100) return selection;
  if (f < 1 || selection == clNone) return cell;
  if (cell == clNone) return selection;
  const TColor s = ColorToRGB(selection), c = ColorToRGB(cell);
  const double w = f / 100.0;
  TColor result = 0;
  for (int32_t shift : {0, 8, 16}) {
    const double mixed = w * ((s >> shift) & 0xFF) + (1 - w) * ((c >> shift) & 0xFF);
    result |= static_cast<TColor>(std::min(255, NearestInt(mixed))) << shift;
  }
  return result;
}

bool TQrvStringGrid::IsFixedCellAt(int32_t realCol, int32_t displayCol, int32_t r) const {
  return IsFixed(realCol, r) || displayCol < FixedCols() || r < FixedRows();
}

void TQrvStringGrid::GetFontProperties(int32_t c, int32_t rc, int32_t r, TGridDrawState& state, TFont& font,
                                       TBrush& brush, bool remap) {
  if (!remap) rc = c;
  font.Assign(IsFixedCellAt(rc, c, r) ? FixedFont : Font());
  if (const TCellProperties* p = PropsOf(rc, r)) {
    if (p->FontColor() != clNone) font.Color = p->FontColor();
    if (p->FontStyle()) font.Style = p->FontStyle();
    if (p->FontSize() != 0) font.SetSize(p->FontSize());
    if (!p->FontName().isEmpty()) font.Name = p->FontName();
  }
  GetCellColor(rc, r, state, brush, font);
}

std::pair<TAlignment, TVAlignment> TQrvStringGrid::GetCellAlignment(int32_t c, int32_t r) {
  TAlignment h = DefaultAlignment();
  TVAlignment v = VAlignment;
  bool formula = false;
  if (AutoNumAlign) {
    QString text = Cells(c, r);
    formula = text.startsWith(QLatin1Char('=')) ||
              (text.size() > 3 && text.startsWith(QLatin1String("|\\")) && text[3] == QLatin1Char('='));
    if (formula) GetCellValueText(c, r, text);
    const int32_t kind = ClassifyNumberText(text.trimmed());
    if (kind == ntInteger || kind == ntDecimal || kind == ntExponent) h = taRightJustify;
  }
  if (const TCellProperties* p = PropsOf(c, r); p && !formula) h = p->Alignment();
  GetAlignment(c, r, h, v);
  return {h, v};
}

void TQrvStringGrid::GetVisualProperties(int32_t c, int32_t r, TGridDrawState& state, bool print, bool select,
                                         bool remap, TBrush& brush, TColor& colorTo, TColor& mirrorColor,
                                         TColor& mirrorColorTo, TFont& font, TAlignment& hAlign, TVAlignment& vAlign,
                                         bool& wordWrap, TCellGradientDirection& gradientDir) {
  const bool normalArea = c >= FixedCols() && r >= FixedRows();
  font.Assign(normalArea ? Font() : FixedFont);
  const int32_t rc = remap ? DisplayToRealCol(c) : c;
  const TMouseActions& mouse = MouseActions();
  const bool disjunctRows = mouse.DisjunctRowSelect();
  const int32_t sr = (disjunctRows && mouse.RowSelectPersistent()) || UseEnabledRows() ? DisplayToRealRow(r) : r;

  brush.Color = clNone;
  colorTo = mirrorColor = mirrorColorTo = clNone;
  bool ownColour = false;
  if (const TCellProperties* p = PropsOf(rc, r)) {
    brush.Color = p->BrushColor();
    const TCellType kind = GetCellType(rc, r);
    ownColour = brush.Color != clNone && (kind == ctNone || kind == ctRotated || kind == ctEmpty);
    if (p->FontColor() != clNone) font.Color = p->FontColor();
    if (p->FontStyle()) font.Style = p->FontStyle();
    if (p->FontSize() != 0) font.SetSize(p->FontSize());
    if (!p->FontName().isEmpty()) font.Name = p->FontName();
    wordWrap = p->WordWrap();
    colorTo = p->BrushColorTo();
    gradientDir = p->GradientDirection();
  }
  if (state & gdSelected) gradientDir = GradientVertical;

  const int32_t d = RealToDisplayCol(rc);
  const bool rightFixed = FixedRightCols() > 0 && d >= ColCount() - FixedRightCols();
  const bool footer = FixedFooters() > 0 && r >= RowCount() - FixedFooters();
  if (brush.Color == clNone) {
    brush.Color = Color();
    TBands& bands = Bands();
    if (bands.Active() && (bands.Print() == print || !print) && normalArea && !rightFixed && !footer &&
        bands.TotalLength() > 0)
      brush.Color = (r - FixedRows()) % bands.TotalLength() < bands.PrimaryLength() ? bands.PrimaryColor()
                                                                                    : bands.SecondaryColor();
    if (!normalArea || rightFixed || footer) brush.Color = FixedColor;
  }
  const bool fixed = IsFixedCellAt(rc, c, r);
  if (fixed && !ownColour) {
    if (!print) {
      brush.Color = FixedColor;
      font.Assign(FixedFont);
      state |= gdFixed;
    }
    if (FLook > glClassic) {
      brush.Color = VyxGradient.From;
      colorTo = VyxGradient.To;
      mirrorColor = VyxGradient.MirrorFrom;
      mirrorColorTo = VyxGradient.MirrorTo;
    }
  }
  if (print)
    GetCellPrintColor(rc, r, state, brush, font);
  else
    GetCellColor(rc, r, state, brush, font);
  if (OnGetCellGradient) {
    TColor from = brush.Color;
    OnGetCellGradient(this, r, rc, from, colorTo, mirrorColor, mirrorColorTo, gradientDir);
    brush.Color = from;
  }
  const TColor plainBrush = brush.Color, plainFont = font.Color;
  auto selectionColours = [&] {
    colorTo = SelectionColorTo;
    mirrorColor = SelectionMirrorColor;
    mirrorColorTo = SelectionMirrorColorTo;
    if (SelectionTextColor != clNone) font.Color = SelectionTextColor;
  };

  const bool screenSelection = select && !print && FShowSelection && !fixed;
  if (screenSelection && disjunctRows) {
    const bool rowSelected = GetRowSelect(sr);
    if (((MouseDown && r == Row()) || !rowSelected) && (!MouseDown || rowSelected || !(state & gdSelected))) {
      state &= ~TGridDrawState(gdSelected);
    } else {
      state = gdSelected;
      brush.Color = SelectionColor;
      selectionColours();
    }
  }
  if (screenSelection && mouse.DisjunctColSelect() && r >= FixedRows()) {
    const bool colSelected = GetColSelect(c);
    if (((!MouseDown || c != Col()) && colSelected) || (MouseDown && !colSelected && (state & gdSelected))) {
      state = gdSelected;
      brush.Color = SelectionColor;
      selectionColours();
    }
  }
  if ((screenSelection && IsSelected(c, r) && !disjunctRows && !mouse.DisjunctColSelect()) ||
      ((state & gdSelected) && MouseDown && FShowSelection)) {
    if (brush.Color == Color())
      brush.Color = SelectionColor;
    else
      brush.Color = SelectionColorMixer ? MixSelectionColor(SelectionColor, brush.Color) : SelectionColor;
    selectionColours();
    state |= gdSelected;
  }
  if (mouse.DisjunctCellSelect() && FShowSelection) {
    if (GetSelectedCells(c, r)) {
      brush.Color = SelectionColor;
      selectionColours();
      state |= gdSelected;
    } else if (c == Col() && r == Row()) {
      state &= ~TGridDrawState(gdSelected);
      brush.Color = plainBrush;
      font.Color = plainFont;
    }
  }
  if (UseDisabledFont && (!Enabled() || (UseEnabledRows() && !GetRowEnabled(sr)))) font.Color = DisabledFontColor;
  if ((state & gdSelected) && r != Row() && disjunctRows && SelectionColorTo == clNone)
    brush.Color = ScaleColorPercent(brush.Color, 7);
  GetCellWordWrap(rc, r, wordWrap);
  std::tie(hAlign, vAlign) = GetCellAlignment(rc, r);
}
