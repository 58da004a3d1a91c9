// The base grid's painting: every cell, its background, hover and active-row colours, the selection in one of
// four styles and the grid lines are drawn here; the content goes to the virtual DrawGridCell.
#include "UBaseGrid.h"
#include "UCanvas.h"
#include "UGradients.h"
#include "USysColors.h"
#include "UTextFlags.h"

namespace {
struct TSelectionColors {
  TColor From, To, MirrorFrom, MirrorTo, InnerTop, InnerBottom, Border, Corner;
};
constexpr TSelectionColors VistaFocused{0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB};
constexpr TSelectionColors Win7Focused{0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE};
constexpr TSelectionColors OfficeFocused{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC,
                                         0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF};
constexpr TSelectionColors Unfocused{0xF8F8F8, 0xE5E5E5, clNone, clNone, 0xFBFAFA, 0xF0F0F0, 0xD9D9D9, 0xEFEFEF};
}  // namespace

int32_t TBaseGrid::FixedColsWidth() const {
  int32_t w = 0;
  for (int32_t c = 0; c < FixedCols(); ++c) w += ColWidths(c);
  return w;
}

int32_t TBaseGrid::FixedRowsHeight() const {
  int32_t h = 0;
  for (int32_t r = 0; r < FixedRows(); ++r) h += RowHeights(r);
  return h;
}

void TBaseGrid::Paint(TCanvas& canvas, const TRect& area) {
  TStringGrid::Paint(canvas, area);
  PaintDone();
}

void TBaseGrid::DrawCell(TCanvas& canvas, int32_t c, int32_t r, const TRect& rect, TGridDrawState state) {
  // A block already drawn in this cycle from one of its members is not drawn again from its base.
  if (TCellProperties* p = PropsOf(c, r); p && p->IsBaseCell() && (p->CellSpanX() > 0 || p->CellSpanY() > 0)) {
    if (p->PaintID() == FPaintID) return;
    p->SetPaintID(FPaintID);
  }
  CellPainter(canvas, c, r, rect, state, true);
}

void TBaseGrid::PaintCell(TCanvas& canvas, int32_t c, int32_t r, const TRect& rect, TGridDrawState state) {
  CellPainter(canvas, c, r, rect, state, true);
}

void TBaseGrid::PaintCellExt(TCanvas& canvas, int32_t c, int32_t r, const TRect& rect, TGridDrawState state) {
  CellPainter(canvas, c, r, rect, state, false);
}

void TBaseGrid::CellPainter(TCanvas& canvas, int32_t c, int32_t r, TRect rect, TGridDrawState state, bool onScreen) {
  if (r == RowCount() - 1 && FHideLastRow) {
    canvas.Brush().Color = Color();
    canvas.Brush().Style = bsSolid;
    canvas.Pen().Color = Color();
    canvas.Rectangle(rect);
    return;
  }
  int32_t bc = c, br = r;
  if (!FindBaseCell(c, r, bc, br)) {
    // A member of a merged block: the block is drawn whole, once per cycle, from whichever member comes first.
    TCellProperties* base = PropsOf(bc, br);
    if (base && base->PaintID() != FPaintID) {
      base->SetPaintID(FPaintID);
      PaintCell(canvas, bc, br, rect, state);
    }
    return;
  }
  if (onScreen && IsFixed(c, r)) {
    state |= gdFixed;
    state &= ~TGridDrawState(gdSelected);
  }
  const bool fixed = state & gdFixed;
  if (onScreen) rect = CellRect(c, r);

  // A block reaching under the fixed rows or columns must not paint over them. Only on screen: an off-screen
  // rectangle is in its own canvas's coordinates, which the grid's fixed area does not apply to.
  const int32_t w = c >= FixedCols() ? FixedColsWidth() : 0;
  const int32_t h = r >= FixedRows() ? FixedRowsHeight() : 0;
  const bool clipped = onScreen && ((c >= FixedCols() && FixedCols() > 0 && rect.Left < w) ||
                                    (r >= FixedRows() && FixedRows() > 0 && rect.Top < h));
  if (clipped) canvas.PushClip(TRect{w, h, Width(), Height()});

  canvas.Pen().Width = 1;
  canvas.SetFont(Font());
  // What the platform's own drawing would use; the advanced grid's visual properties replace it.
  canvas.Brush().Style = bsSolid;
  canvas.Brush().Color = fixed ? clBtnFace : Color();
  if (!fixed && (state & gdSelected) && FShowSel) {
    canvas.Brush().Color = clHighlight;
    canvas.Font().Color = clHighlightText;
  }
  TColor colorTo = clNone, mirrorColor = clNone, mirrorColorTo = clNone;
  TAlignment hAlign = taLeftJustify;
  TVAlignment vAlign = vtaTop;
  bool wordWrap = FWordWrap;
  TCellGradientDirection gradientDir = GradientVertical;
  GetVisualProperties(c, r, state, false, true, true, canvas.Brush(), colorTo, mirrorColor, mirrorColorTo,
                      canvas.Font(), hAlign, vAlign, wordWrap, gradientDir);
  canvas.Pen().Color = canvas.Brush().Color;

  if (r == FHoverRowIdx && FHoverRow && !((state & gdSelected) && !(FHoverRowCells & hcSelected)) &&
      !(fixed && !(FHoverRowCells & hcFixed))) {
    canvas.Brush().Color = FHoverRowColor;
    colorTo = FHoverRowColorTo;
    mirrorColor = mirrorColorTo = clNone;
    gradientDir = GradientVertical;
  }
  if ((FActiveRowShow && r == Row() && (c != Col() || !FShowSel) && c >= FixedCols()) ||
      (!onScreen && (state & gdSelected))) {
    canvas.Brush().Color = FActiveRowColor;
    colorTo = FActiveRowColorTo;
    mirrorColor = FActiveRowMirrorColor;
    mirrorColorTo = FActiveRowMirrorColorTo;
  }
  canvas.Pen().Color = canvas.Brush().Color;

  if ((state & gdSelected) && FSelectionStyle != ssDefault && FShowSel) {
    DrawSelectionFrame(canvas, c, rect);
  } else if (!(UsesAppStyle() && (fixed || (state & gdSelected)))) {
    const TColor from = canvas.Brush().Color;
    if (mirrorColorTo == clNone) {
      FillGradientBands(canvas, from, colorTo, 64, rect, gradientDir == GradientHorizontal);
    } else {
      FillMirrorGradient(canvas, rect, from, colorTo, mirrorColor, mirrorColorTo, true, clNone, false, true);
    }
  }

  int32_t hw = 0;
  if (fixed) {
    canvas.Pen().Color = FGridFixedLineColor;
    canvas.Pen().Width = 1;
    hw = 1;
  } else {
    canvas.Pen().Width = FGridLineWidth;
    if (FGridLineWidth > 0) canvas.Pen().Color = FGridLineColor;
    hw = (FGridLineWidth + 1) / 2;
  }
  const TGridOptions options = Options();
  if ((bc != 0 || !HasNodes()) && (((options & goHorzLine) && !fixed) || ((options & goFixedHorzLine) && fixed))) {
    canvas.MoveTo(rect.Left - hw + 1, rect.Bottom - hw);
    canvas.LineTo(rect.Right - hw + 1, rect.Bottom - hw);
  }
  if (((options & goVertLine) && !fixed) || ((options & goFixedVertLine) && fixed)) {
    canvas.MoveTo(rect.Right - hw, rect.Bottom - hw);
    canvas.LineTo(rect.Right - hw, rect.Top - hw);
  }

  TRect content = rect;
  if (fixed) {
    content.Right -= 1;
    content.Bottom -= 2;
  } else {
    content = TRect{rect.Left + FGridLineWidth, rect.Top + FGridLineWidth, rect.Right - FGridLineWidth,
                    rect.Bottom - FGridLineWidth};
  }
  if (onScreen) DrawGridCell(canvas, c, r, content, state);

  if (clipped) canvas.PopClip();
  canvas.Brush().Style = bsSolid;
  canvas.Pen().Style = psSolid;
}

void TBaseGrid::DrawSelectionFrame(TCanvas& canvas, int32_t c, const TRect& rect) {
  int32_t left = Selection().Left, right = Selection().Right;
  if (right < left) std::swap(left, right);
  int32_t kind = 0;
  if (c == left && left < right)
    kind = 1;
  else if (left < right && right == c)
    kind = 2;
  else if (left < c && c < right)
    kind = 3;
  TRect frame = rect;
  if (!(Options() & goHorzLine)) ++frame.Bottom;
  if (!(Options() & goVertLine)) ++frame.Right;
  const bool focused = Focused() || (Options() & goDrawFocusSelected);
  const TSelectionColors* set = &Unfocused;
  if (focused) {
    if (FSelectionStyle == ssVista)
      set = &VistaFocused;
    else if (FSelectionStyle == ssWin7)
      set = &Win7Focused;
    else if (FSelectionStyle == ssOffice2007)
      set = &OfficeFocused;
  }
  DrawTabFrame(canvas, set->From, set->To, set->MirrorFrom, set->MirrorTo, set->InnerTop, set->InnerBottom,
               set->Border, set->Corner, Color(), frame, kind);
}

void TBaseGrid::DrawGridCell(TCanvas& canvas, int32_t c, int32_t r, const TRect& rect, TGridDrawState) {
  TRect box = rect;
  canvas.SetBkMode(bkTransparent);
  canvas.DrawText(Cells(c, r), box, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}
