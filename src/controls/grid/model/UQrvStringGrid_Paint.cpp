// The advanced grid's cell painter and paint cycle: the layers of one cell on top of the base grid's background
// and lines (fixed-cell looks, content, borders, frames, graphic, events, focus rectangle), the text layer, the
// area past the last cell, the flat border, the sizing lines, and no painting while updates are locked.
#include "UBaseGrid.h"
#include "UButtonParts.h"
#include "UCanvas.h"
#include "UCellGraphics.h"
#include "UColorMath.h"
#include "UFrameControl.h"
#include "UGradients.h"
#include "UGridGlyphs.h"
#include "UQrvStringGrid.h"
#include "URenderMarkup.h"
#include "USysColors.h"
#include "UTextFlags.h"
#include "UTextUtils.h"
#include "UThemeBinding.h"
#include "UTransparentBitmaps.h"
#include "UValueText.h"

namespace {
bool HasControlKind(TCellType kind) {
  return kind == ctCheckBox || kind == ctDataCheckBox || kind == ctRadio || kind == ctButton || kind == ctRadioButton;
}
}  // namespace

void TQrvStringGrid::Paint(TCanvas& canvas, const TRect& area) {
  // A locked grid draws nothing; unlocking repaints it whole (EndUpdate).
  if (LockUpdate()) return;
  canvas.Pen().Style = psSolid;
  canvas.Brush().Style = bsSolid;
  TBaseGrid::Paint(canvas, area);
  if (EditMode()) {
    const TRect cell = CellRect(Col(), Row());
    const bool lines = Options() & (goVertLine | goHorzLine);
    canvas.Pen().Color = GridLineWidth() < 1 || !lines ? Color() : GridLineColor();
    canvas.Pen().Width = 1;
    canvas.Brush().Style = bsClear;
    canvas.Rectangle(TRect{cell.Left - 1, cell.Top - 1, cell.Right, cell.Bottom});
    canvas.Brush().Style = bsSolid;
  }
  if (!BackGround.Bitmap.Value().Empty() || BackGround.ColorTo != clNone) PaintEmptyAreaBackground(canvas);
  if (OnPainted) OnPainted(this);
}

void TQrvStringGrid::DrawFixedBackground(TCanvas& canvas, int32_t c, int32_t rc, int32_t r, TRect& rect,
                                         TColor colorTo, TColor mirrorColor, TColor mirrorColorTo) {
  if (!(FLook == glVyx || FLook == glXP || FLook == glVista || FLook == glWin7 || FLook == glOffice2007)) return;
  const bool hoverApplies = HoverFixedCells == hfAll || (HoverFixedCells == hfFixedColumns && c < FixedCols()) ||
                            (HoverFixedCells == hfFixedRows && r < FixedRows());
  // While a column is moved its own header stays lit, wherever the mouse is.
  const bool movingCol = FInteraction == TGridInteraction::Moving && FMoveCol && FMoveCell >= 0;
  const bool hovered = movingCol ? c == FMoveCell : HoverFixedCell.X == c && HoverFixedCell.Y == r;
  if (hoverApplies && hovered && !IsDesigning()) {
    ++rect.Bottom;
    if (ControlLook.FixedDropDownButton && CanShowFixedDropDown(rc)) {
      // The button at the right shows the hover colours against the rest, so it reads as the part to press; held
      // down (its menu open) the two change places.
      constexpr int32_t button = 16;
      const TRect rest{rect.Left, rect.Top, rect.Right - button, rect.Bottom};
      const TRect part{rect.Right - button, rect.Top, rect.Right, rect.Bottom};
      const TFixedGradient& a = FDropDownDown ? VyxGradientHover : VyxGradientDown;
      const TFixedGradient& b = FDropDownDown ? VyxGradientDown : VyxGradientHover;
      FillMirrorGradient(canvas, rest, a.From, a.To, a.MirrorFrom, a.MirrorTo, true, a.Border, false, true);
      FillMirrorGradient(canvas, part, b.From, b.To, b.MirrorFrom, b.MirrorTo, true, b.Border, false, true);
      canvas.Pen().Color = MouseDown ? VyxGradientDown.Border : VyxGradientHover.Border;
      canvas.Pen().Width = 1;
      canvas.MoveTo(rect.Right - button, rect.Top);
      canvas.LineTo(rect.Right - button, rect.Bottom);
      DrawDownTriangle(canvas, rect.Right - 8, rect.Top + 8, clBlack);
      rect.Right -= button;
      return;
    }
    const TFixedGradient& g = MouseDown ? VyxGradientDown : VyxGradientHover;
    FillMirrorGradient(canvas, rect, g.From, g.To, g.MirrorFrom, g.MirrorTo, true, g.Border, false, true);
    return;
  }
  const bool activeHeader = ActiveCellShow && ((FixedCols() > 0 && c == FixedCols() - 1 && r == Row()) ||
                                               (FixedRows() > 0 && r == FixedRows() - 1 && c == Col()));
  if (activeHeader) {
    FillMirrorGradient(canvas, rect, ActiveCellColor, ActiveCellColorTo, clNone, clNone, true, clNone, false, true);
  } else if (const TSortSettings& sort = SortSettings; sort.Column != -1 && sort.HeaderColor != clNone &&
                                                       rc == sort.Column && r == FixedRows() - 1 &&
                                                       (c >= FixedCols() || sort.FixedCols)) {
    FillMirrorGradient(canvas, rect, sort.HeaderColor, sort.HeaderColorTo, sort.HeaderMirrorColor,
                       sort.HeaderMirrorColorTo, true, clNone, false, true);
  } else if (!Flat) {
    FillMirrorGradient(canvas, rect, canvas.Brush().Color, colorTo, mirrorColor, mirrorColorTo, true, clNone, false,
                       true);
    if (FLook == glVista) {
      canvas.Pen().Color = clWhite;
      canvas.MoveTo(rect.Left, rect.Top);
      canvas.LineTo(rect.Left, rect.Bottom);
      canvas.MoveTo(rect.Right - 1, rect.Top);
      canvas.LineTo(rect.Right - 1, rect.Bottom);
    }
  }
}

void TQrvStringGrid::DrawFixedFrame(TCanvas& canvas, TRect rect) {
  const TColor shadow = HalveColor(ColorToRGB(FixedColor));
  switch (FLook) {
    case glClassic:
      --rect.Top;
      ++rect.Bottom;
      --rect.Left;
      canvas.Pen().Width = 1;
      canvas.Pen().Color = clBtnHighlight;
      canvas.MoveTo(rect.Left, rect.Bottom - 1);
      canvas.LineTo(rect.Left, rect.Top);
      canvas.LineTo(rect.Right - 1, rect.Top);
      canvas.Pen().Color = clBtnShadow;
      canvas.MoveTo(rect.Right - 2, rect.Top);
      canvas.LineTo(rect.Right - 2, rect.Bottom - 2);
      canvas.LineTo(rect.Left, rect.Bottom - 2);
      canvas.Pen().Color = clBlack;
      canvas.MoveTo(rect.Right - 1, rect.Top);
      canvas.LineTo(rect.Right - 1, rect.Bottom - 1);
      canvas.LineTo(rect.Left - 1, rect.Bottom - 1);
      break;
    case glVyx:
    case glXP:
      ++rect.Bottom;
      if (Options() & goFixedHorzLine) {
        canvas.Pen().Color = shadow;
        canvas.MoveTo(rect.Left, rect.Bottom - 1);
        canvas.LineTo(rect.Right, rect.Bottom - 1);
      }
      canvas.Pen().Color = clWhite;
      canvas.MoveTo(rect.Right - 2, rect.Top + 1);
      canvas.LineTo(rect.Left + 1, rect.Top + 1);
      canvas.LineTo(rect.Left + 1, rect.Bottom - 1);
      break;
    case glSoft:
      ++rect.Right;
      ++rect.Bottom;
      if (Options() & goFixedHorzLine) {
        canvas.Pen().Color = shadow;
        canvas.MoveTo(rect.Left, rect.Bottom - 1);
        canvas.LineTo(rect.Right, rect.Bottom - 1);
        canvas.Pen().Color = clWhite;
        canvas.MoveTo(rect.Right, rect.Top + 1);
        canvas.LineTo(rect.Left + 1, rect.Top + 1);
        canvas.LineTo(rect.Left + 1, rect.Bottom - 1);
      }
      if (Options() & goFixedVertLine) {
        canvas.Pen().Color = shadow;
        canvas.MoveTo(rect.Right - 2, rect.Top);
        canvas.LineTo(rect.Right - 2, rect.Bottom - 1);
        canvas.Pen().Color = clWhite;
        canvas.MoveTo(rect.Right - 1, rect.Top);
        canvas.LineTo(rect.Right - 1, rect.Bottom - 1);
      }
      break;
    default:
      break;
  }
}

void TQrvStringGrid::DrawGridCell(TCanvas& canvas, int32_t c, int32_t r, const TRect& cellRect,
                                  TGridDrawState state) {
  Ctl3D = !Flat;
  TRect rect = cellRect;
  const int32_t rc = DisplayToRealCol(c);
  const TMouseActions& mouse = MouseActions();
  const int32_t sr = mouse.DisjunctRowSelect() && mouse.RowSelectPersistent() ? DisplayToRealRow(r) : r;
  const bool fixed = IsFixedCellAt(rc, c, r);
  // The hover row's colour, laid by the base painter, shows through fixed cells that take part in it.
  const bool fixedLook = fixed && !(HoverRow() && r == HoverRowIdx() && (HoverRowCells() & hcFixed));

  FCellScrollPos = 0;
  if (HasScrollBar(rc, r)) {
    const TScrollProp prop = GetScrollProp(rc, r);
    if (prop.PageSize < prop.Range) {
      FCellScrollPos = std::max(0, GetScrollPosition(rc, r));
      DrawCellScrollBar(canvas, TRect{rect.Right - CellScrollBarWidth, rect.Top, rect.Right, rect.Bottom},
                        FCellScrollPos, prop.PageSize, prop.Range);
      rect.Right -= CellScrollBarWidth;
    }
  }

  bool wordWrap = WordWrap();
  TColor colorTo = clNone, mirrorColor = clNone, mirrorColorTo = clNone;
  TAlignment hAlign = taLeftJustify;
  TVAlignment vAlign = vtaTop;
  TCellGradientDirection gradientDir = GradientVertical;
  GetVisualProperties(c, r, state, false, false, true, canvas.Brush(), colorTo, mirrorColor, mirrorColorTo,
                      canvas.Font(), hAlign, vAlign, wordWrap, gradientDir);

  TCellGraphic* graphic = GetCellGraphic(rc, r);
  bool textShown = true;
  TSize graphicSize = CellGraphicSize(graphic, rc, r, textShown);
  if (rc == 0 && HasNodes() && IsNode(r)) graphicSize.cx = GetNodeLevel(r) * 12 + 4;

  if ((state & gdSelected) && !(state & gdFocused) && SelectionColor == clNone) {
    // The selection colour's fill drew nothing: the highlight takes its place.
    canvas.Brush().Color = clHighlight;
    canvas.FillRect(rect);
  }
  // The zoom is added once per cell, to the font the visual properties just set.
  if (ZoomFactor != 0) canvas.Font().SetSize(canvas.Font().Size() + ZoomFactor);
  const TColor keptBrush = canvas.Brush().Color, keptFont = canvas.Font().Color;

  if (fixedLook) DrawFixedBackground(canvas, c, rc, r, rect, colorTo, mirrorColor, mirrorColorTo);
  if (FLook == glListView && fixedLook && !Flat) {
    ++rect.Bottom;
    // Normal away from the mouse, hot under it, pressed while a button is down over it.
    const bool hot = FHotFixedCell == TPoint{c, r};
    const int32_t headerState = hot ? (MouseDown ? 3 : 2) : 1;
    if (!QrvXPVS().DrawPart(nullptr, QStringLiteral("header"), canvas, 1, headerState, rect)) {
      canvas.Brush().Color = clBtnFace;
      canvas.Pen().Color = clWhite;
      canvas.Rectangle(rect);
    }
    canvas.Pen().Color = clWhite;
    canvas.MoveTo(rect.Left, rect.Top);
    canvas.LineTo(rect.Right, rect.Top);
  }
  int32_t indicatorShift = 0;
  if (rc == 0 && r == Row() && FixedCols() > 0 && !RowIndicator.Empty() &&
      !(RowCount() == FixedRows() && FixedRowAlways())) {
    // The indicator sits where the grid aligns its rows, whatever a cell's own alignment says.
    const int32_t h = RowIndicator.Height();
    const TVAlignment place = VAlignment;
    const int32_t y = place == vtaTop      ? rect.Top
                      : place == vtaBottom ? rect.Bottom - h
                                           : (rect.Top + rect.Bottom - h) / 2;
    DrawBitmapTransparent(canvas, RowIndicator, canvas.Brush().Color,
                          TRect{rect.Left + 2, y, rect.Right, rect.Bottom});
    indicatorShift = RowIndicator.Width() + 2;
    rect.Left += indicatorShift;
  }
  if (c == 0 && ShowModifiedEnabled() && GetRowModified(DisplayToRealRow(r)))
    FillRectColor(canvas, TRect{rect.Right - 4, rect.Top, rect.Right, rect.Bottom}, ShowModified.Color());
  if (OnCustomCellBkgDraw) OnCustomCellBkgDraw(this, canvas, rc, r, state, rect, false);

  TRect content = rect;
  if (!fixed && (ControlLook.DropDownAlwaysVisible || ControlLook.SpinButtonsAlwaysVisible)) {
    uint8_t look = ControlLook.FlatButton ? lkFlat : lkThemed;
    if (Flat && FTonesSet) look = lkTones;
    bool canEdit = true;
    CanEditCell(rc, r, canEdit);
    const uint8_t partState = canEdit ? partNormal : partDisabled;
    const TRect around{rect.Left - 2, rect.Top - 1, rect.Right + 1, rect.Bottom};
    if (ControlLook.DropDownAlwaysVisible && HasComboBox(rc, r)) {
      DrawDropDownPart(canvas, nullptr, around, look, partState, FTones);
      content.Right -= 16;
    } else if (ControlLook.SpinButtonsAlwaysVisible && HasSpinEdit(rc, r)) {
      DrawSpinPart(canvas, nullptr, around, look, partState, FTones);
      content.Right -= 16;
    }
  }

  IGridCellObject* early = graphic && graphic->CellType() == ctInterface ? graphic->CellObjectInterface() : nullptr;
  if (early && early->DrawBeforeText())
    early->Draw(canvas, TRect{content.Left - 1, content.Top - 1, content.Right + 1, content.Bottom + 1}, rc, r);
  else
    early = nullptr;

  int32_t textWidth = 0;
  const bool noText = (NoImageAndText && graphic) || (NoDefaultDraw && (OnDrawCell || OnCustomCellDraw));
  if (!noText)
    DrawCellText(canvas, c, rc, r, sr, content, state, graphic, graphicSize, textShown, hAlign, vAlign, wordWrap,
                 keptBrush, keptFont, textWidth);
  canvas.Brush().Color = keptBrush;
  canvas.Font().Color = keptFont;
  rect = TRect{rect.Left - 1 - indicatorShift, rect.Top - 1, rect.Right + 1, rect.Bottom + 1};
  DrawCellBorder(canvas, c, rc, r, rect);

  if (fixed && !Flat) DrawFixedFrame(canvas, rect);
  if (fixed && FFixedCellPushed && CellRect(c, r) == FPushedFixedCell)
    DrawEdgeRing(canvas, cellRect, clBtnShadow, clBtnHighlight);
  if (FixedRightCols() > 0 && rc >= TotalColCount() - FixedRightCols() && FLook != glClassic && Flat) {
    canvas.Pen().Color = clGray;
    canvas.Pen().Width = 1;
    if (Options() & goFixedHorzLine) {
      canvas.MoveTo(rect.Left - 1, rect.Top - 1);
      canvas.LineTo(rect.Right + 1, rect.Top - 1);
      canvas.MoveTo(rect.Left - 1, rect.Bottom);
      canvas.LineTo(rect.Right + 1, rect.Bottom);
    }
    if (Options() & goFixedVertLine) {
      canvas.MoveTo(rect.Left - 1, rect.Top - 1);
      canvas.LineTo(rect.Left - 1, rect.Bottom + 1);
      canvas.MoveTo(rect.Right, rect.Top - 1);
      canvas.LineTo(rect.Right, rect.Bottom + 1);
    }
  }

  if (rc == 0 && r >= FixedRows() && HasNodes() && CellNode().ShowTree()) DrawTreeLines(canvas, r, rect);
  if (graphic && !early) {
    TRect at = rect;
    if (fixed) ++at.Top;
    DrawCellGraphic(canvas, c, rc, r, at, *graphic, state, textWidth, hAlign);
  }

  if (OnDrawCell) {
    const TRect inner{rect.Left + 1, rect.Top + 1, rect.Right - GridLineWidth(), rect.Bottom - GridLineWidth()};
    OnDrawCell(this, rc, r, inner, state);
  }
  if (OnCustomCellDraw) OnCustomCellDraw(this, canvas, rc, r, state, rect, false);

  if (!HideFocusRect) {
    const TPoint base = BaseCell(c, r);
    if (base.X == Col() && base.Y == Row() && Focused() && !(Options() & goRowSelect) && Col() >= FixedCols() &&
        Row() >= FixedRows()) {
      const int32_t grow = GridLineWidth() - 1;
      canvas.DrawFocusRect(TRect{rect.Left - grow, rect.Top - grow, rect.Right + grow - 1, rect.Bottom + grow - 1});
    }
  }
}

void TQrvStringGrid::DrawCellText(TCanvas& canvas, int32_t c, int32_t rc, int32_t r, int32_t sr, TRect rect,
                                  TGridDrawState state, const TCellGraphic* graphic, TSize graphicSize,
                                  bool textShown, TAlignment hAlign, TVAlignment vAlign, bool wordWrap,
                                  TColor brushColor, TColor fontColor, int32_t& textWidth) {
  const bool fixed = IsFixedCellAt(rc, c, r);
  const bool rightFixed = FixedRightCols() > 0 && c >= ColCount() - FixedRightCols();
  TColor linkColor = URLColor;
  const bool rowSelected = (Options() & goRowSelect) && r == Row() && !fixed && !rightFixed;
  if (((state & gdSelected) || rowSelected) && !fixed) {
    if (FShowSelection) {
      if (SelectionColor != clNone) canvas.Brush().Color = SelectionColor;
      // A disabled grid keeps its disabled text colour in the selection too.
      if (SelectionTextColor != clNone && Enabled()) canvas.Font().Color = SelectionTextColor;
      linkColor = SelectionTextColor;
    }
    const bool checkBox = graphic && IsCheckBoxType(graphic->CellType());
    if ((!Focused() || checkBox) && !FShowSelection) {
      canvas.Brush().Color = brushColor;
      canvas.Font().Color = fontColor;
      linkColor = URLColor;
    }
  }

  QString text = GetFormattedCell(rc, r);
  int32_t kind = DetectCellTextKind(text, EnableHTML);
  if (kind == ckFormula) {
    GetCellValueText(rc, r, text);
    kind = DetectCellTextKind(text, EnableHTML);
  }
  int32_t errPos = 0, errLen = 0;
  GetMarker(rc, r, errPos, errLen);
  bool password = false;
  IsPasswordCell(rc, r, password);
  if (password) text.fill(PasswordChar);

  if (fixed) {
    rect.Left += GridLineWidth();
    rect.Top += GridLineWidth();
  }
  const bool scrolled = FCellScrollPos > 0;
  if (scrolled) {
    canvas.PushClip(rect);
    rect.Top -= FCellScrollPos;
  }
  struct TClipEnd {
    TCanvas& Canvas;
    bool On;
    ~TClipEnd() {
      if (On) Canvas.PopClip();
    }
  } clipEnd{canvas, scrolled};
  if (r == FilterDropDownRow && GetColumnFilter(rc)) {
    const bool active = std::find(FilteredColumns.begin(), FilteredColumns.end(), rc) != FilteredColumns.end();
    const TBitmap& chosen = active ? FilterGlyphActive : FilterGlyph;
    const TBitmap& glyph = chosen.Empty() ? GridGlyph(QStringLiteral("ASGFILT")) : chosen;
    DrawBitmapTransparent(canvas, glyph, FixedColor,
                          TRect{rect.Right - 16, (rect.Top + rect.Bottom - 16) / 2, rect.Right, rect.Bottom});
    rect.Right -= 18;
  }
  const TMouseActions& mouse = MouseActions();
  if (!fixed && !MouseDown &&
      ((mouse.DisjunctRowSelect() && !GetRowSelect(sr)) || (mouse.DisjunctColSelect() && !GetColSelect(c)))) {
    canvas.Brush().Color = Color();
    canvas.Font().Color = Font().Color;
    GetCellColor(rc, r, state, canvas.Brush(), canvas.Font());
    if (ZoomFactor != 0) canvas.Font().SetSize(canvas.Font().Size() + ZoomFactor);
    linkColor = URLColor;
  }

  // Background picture or gradient behind the content.
  const bool takesPart =
      BackGround.Cells == bcAll || (BackGround.Cells == bcNormal && !fixed) || (BackGround.Cells == bcFixed && fixed);
  const TCellProperties* props = PropsOf(rc, r);
  const bool ownColour = props && props->BrushColor() != clNone;
  if (takesPart && !BackGround.Bitmap.Value().Empty() && !ownColour && !((state & gdSelected) && FShowSelection)) {
    TRect area{rect.Left - (GridLineWidth() - 1), rect.Top - (GridLineWidth() - 1), rect.Right, rect.Bottom};
    canvas.PushClip(area);
    const TBitmap& picture = BackGround.Bitmap;
    if (BackGround.Display == bdFixed) {
      canvas.Draw(BackGround.Left, BackGround.Top, picture);
    } else if (BackGround.Display == bdTile) {
      const int32_t startCol = BackGround.Cells == bcNormal ? FixedCols() : 0;
      const int32_t startRow = BackGround.Cells == bcNormal ? FixedRows() : 0;
      int32_t offX = 0, offY = 0;
      for (int32_t i = startCol; i < c; ++i) offX += ColWidths(i);
      for (int32_t i = startRow; i < r; ++i) offY += RowHeights(i);
      for (int32_t y = area.Top - offY % picture.Height(); y < area.Bottom; y += picture.Height())
        for (int32_t x = area.Left - offX % picture.Width(); x < area.Right; x += picture.Width())
          canvas.Draw(x, y, picture);
    }
    canvas.PopClip();
  } else if (takesPart && (BackGround.Display == bdGradientHorz || BackGround.Display == bdGradientVert) &&
             BackGround.ColorTo != clNone && (!ownColour || (graphic && HasControlKind(graphic->CellType()))) &&
             (!FShowSelection || ((!(state & gdSelected) || (state & gdFocused)) &&
                                  (!(state & gdFocused) || !(Options() & goDrawFocusSelected))))) {
    const TRect area{rect.Left - 1, rect.Top - GridLineWidth(), rect.Right, rect.Bottom + GridLineWidth() - 1};
    const bool horz = BackGround.Display == bdGradientHorz;
    const TColor from = horz ? InterpolateColor(BackGround.Color, BackGround.ColorTo, 0, Width(), area.Left)
                             : InterpolateColor(BackGround.Color, BackGround.ColorTo, 0, Height(), area.Top);
    const TColor to = horz ? InterpolateColor(BackGround.Color, BackGround.ColorTo, 0, Width(), area.Right)
                           : InterpolateColor(BackGround.Color, BackGround.ColorTo, 0, Height(), area.Bottom);
    FillGradientBands(canvas, from, to, 128, area, horz);
  }

  if (SelectionRectangle && !fixed && IsSelected(c, r)) {
    const TGridRect s = Selection();
    const TColor keep = canvas.Brush().Color;
    auto bar = [&](const TRect& b) { FillRectColor(canvas, b, SelectionRectangleColor); };
    const TRect full{rect.Left - 1, rect.Top - 1, rect.Right + 1, rect.Bottom + 1};
    if (c == s.Left) bar(TRect{full.Left, full.Top, full.Left + 2, full.Bottom});
    if (c == s.Right) bar(TRect{full.Right - 2, full.Top, full.Right, full.Bottom});
    if (r == s.Top) bar(TRect{full.Left, full.Top, full.Right, full.Top + 2});
    if (r == s.Bottom) bar(TRect{full.Left, full.Bottom - 2, full.Right, full.Bottom});
    if (SelectionResizer && c == s.Right && r == s.Bottom)
      bar(TRect{full.Right - 4, full.Bottom - 4, full.Right, full.Bottom});
    canvas.Brush().Color = keep;
  }
  // A graphic that takes the whole cell still sits on the background and selection layers above.
  if (!textShown) return;

  rect.Left += XYOffset.X;
  rect.Top += XYOffset.Y;
  if (!XYOffsetTopLeftOnly) rect.Right -= XYOffset.X;
  if (graphic) {
    if (graphic->CellHAlign() == haBeforeText) rect.Left += graphicSize.cx;
    if (graphic->CellHAlign() == haAfterText) rect.Right -= graphicSize.cx;
    if (graphic->CellVAlign() == vaAboveText) rect.Top += graphicSize.cy;
    if (graphic->CellVAlign() == vaUnderText) rect.Bottom -= graphicSize.cy;
  }
  FLastHgHeight = canvas.TextHeight(QStringLiteral("hg"));
  if (rc == 0 && HasNodes() && !IsNode(r)) rect.Left += GetNodeIndent(r);

  const bool sortIndicator = ShowsSortIndicator(c, rc, r);
  if (kind == ckMarkup) {
    if (sortIndicator) rect.Right -= 10;
    --rect.Left;
    TMarkupParams params;
    FillMarkupParams(rc, r, params);
    params.LinkColor = linkColor;
    params.WordWrap = wordWrap;
    params.SelectedMode = state & gdSelected;
    if (URLUnderlineOnHover && FHoverCell.X == c && FHoverCell.Y == r) params.HoverAnchorNumber = FHoverLink;
    TMarkupOutputs out;
    canvas.SetBkMode(bkTransparent);
    RenderMarkup(canvas, text, rect, params, out);
    textWidth = out.MeasuredWidth + 2;
    if (sortIndicator) DrawSortIndicator(canvas, c, SortIndicatorY(rect, vAlign), rect.Right + 2);
    return;
  }

  // A password cell shows its mask, never the runs of its document.
  if (kind == ckRichText && !password) {
    if (!((state & gdSelected) && !(state & gdFocused) && SelectionColor == clNone)) canvas.FillRect(rect);
    canvas.Brush().Style = bsClear;
    const bool drawn = PaintRichTextCell(rc, r, rect, canvas);
    canvas.Brush().Style = bsSolid;
    if (drawn) {
      canvas.Font().Color = clBlack;
      return;
    }
  }
  // A shown sort index also carries its number: text and mark move right.
  if (sortIndicator && SortSettings.IndexShow && SortSettings.Indexes.FindIndex(rc) >= 0) rect.Left += 10;
  const bool link = kind == ckPlain && URLShow && LooksLikeUrl(text);
  if (link) {
    if (!URLFull) StripUrlScheme(text);
    canvas.Font().Style |= fsUnderline;
    canvas.Font().Color = linkColor;
  }
  uint32_t flags = DT_EXPANDTABS | DT_NOPREFIX;
  if (!wordWrap && CountLines(text, Multilinecells) == 1) {
    QString first;
    SplitFirstLine(text, false, first);
    text = first;
    flags |= DT_SINGLELINE;
    if (EnhTextSize) flags |= DT_END_ELLIPSIS;
  } else if (wordWrap && EnhTextSize && !Multilinecells) {
    flags |= DT_END_ELLIPSIS;
  }
  if (wordWrap || Multilinecells)
    flags |= DT_WORDBREAK | DT_EDITCONTROL;
  else
    flags |= DT_SINGLELINE;
  flags |= hAlign == taRightJustify ? DT_RIGHT : hAlign == taCenter ? DT_CENTER : DT_LEFT;
  const uint32_t vFlag = vAlign == vtaCenter ? DT_VCENTER : vAlign == vtaBottom ? DT_BOTTOM : DT_TOP;
  FLastVAlignFlag = vFlag;
  flags |= vFlag;
  canvas.SetBkMode(bkTransparent);
  if (graphic) {
    TRect measured = rect;
    canvas.DrawText(text, measured, flags | DT_CALCRECT);
    textWidth = measured.Right - measured.Left + 2;
  }
  TRect drawn = rect;
  canvas.DrawText(text, drawn, flags);
  if (graphic && (graphic->CellType() == ctEmpty || graphic->CellType() == ctValue) && errLen > 0)
    DrawSpellErrorUnderline(canvas.Font(), canvas, text, rect, 0, errPos, errLen);
  if (sortIndicator) {
    // After the text: beside its end, or left of it for right-aligned text.
    TRect measured = rect;
    canvas.DrawText(text, measured, flags | DT_CALCRECT);
    int32_t beside = std::min(measured.Right - measured.Left, rect.Right - rect.Left - 16);
    if (graphic &&
        (graphic->CellHAlign() == haLeft || (graphic->CellHAlign() == haBeforeText && hAlign == taLeftJustify)))
      beside += graphicSize.cx;
    const int32_t x = hAlign == taRightJustify ? rect.Right - beside - 10
                      : hAlign == taCenter     ? rect.Left + 8
                                               : rect.Left + beside + 10;
    DrawSortIndicator(canvas, c, SortIndicatorY(rect, vAlign), x);
  }
  if (link) canvas.Font().Style &= ~TFontStyles(fsUnderline);
}

void TQrvStringGrid::DrawCellBorder(TCanvas& canvas, int32_t c, int32_t rc, int32_t r, TRect rect) {
  TPen pen = canvas.Pen();
  TCellBorders borders;
  GetCellBorder(rc, r, pen, borders);
  if (!borders) return;
  const TPen kept = canvas.Pen();
  TPen left = pen, top = pen, right = pen, bottom = pen;
  if (OnGetCellBorderProp) OnGetCellBorderProp(this, r, rc, left, top, right, bottom);
  const int32_t half = (pen.Width + 1) / 2;
  if (Options() & goVertLine) {
    rect.Left += half;
    rect.Right -= half;
  }
  if (Options() & goHorzLine) {
    rect.Top += half;
    rect.Bottom -= half;
  }
  if (borders & cbLeft) {
    canvas.SetPen(left);
    canvas.MoveTo(std::max(0, rect.Left), rect.Top);
    canvas.LineTo(std::max(0, rect.Left), rect.Bottom);
  }
  if (borders & cbRight) {
    canvas.SetPen(right);
    canvas.MoveTo(rect.Right - 1, rect.Top);
    canvas.LineTo(rect.Right - 1, rect.Bottom);
  }
  if (borders & cbTop) {
    canvas.SetPen(top);
    const int32_t y = GridLineWidth() == 0 ? rect.Top + 1 : std::max(0, rect.Top - GridLineWidth());
    canvas.MoveTo(rect.Left, y);
    canvas.LineTo(rect.Right, y);
  }
  if (borders & cbBottom) {
    canvas.SetPen(bottom);
    canvas.MoveTo(rect.Left - GridLineWidth() - 1, rect.Bottom - 1);
    canvas.LineTo(rect.Right, rect.Bottom - 1);
  }
  canvas.SetPen(kept);
  (void)c;
}

void TQrvStringGrid::PaintEmptyAreaBackground(TCanvas& canvas) {
  const bool gradient = BackGround.Display == bdGradientHorz || BackGround.Display == bdGradientVert;
  if (gradient && BackGround.ColorTo == clNone) return;
  int32_t right = FixedColsWidth(), bottom = FixedRowsHeight();
  int32_t lastCol = LeftCol(), lastRow = TopRow();
  for (; lastCol < ColCount() && right < Width(); ++lastCol) right += ColWidths(lastCol);
  for (; lastRow < RowCount() && bottom < Height(); ++lastRow) bottom += RowHeights(lastRow);
  const bool allCols = lastCol >= ColCount() && right < Width();
  const bool allRows = lastRow >= RowCount() && bottom < Height();
  if (!allCols && !allRows) return;
  TRect client{0, 0, Width(), Height()};
  if (SearchFooterShown()) client.Bottom -= 32;
  if (FloatingFooterShown()) client.Bottom -= FloatingFooterHeight();
  auto fill = [&](const TRect& area) {
    if (area.Right <= area.Left || area.Bottom <= area.Top) return;
    canvas.PushClip(area);
    if (BackGround.Bitmap.Value().Empty()) {
      if (gradient)
        FillGradientBands(canvas, BackGround.Color, BackGround.ColorTo, 128, client,
                          BackGround.Display == bdGradientHorz);
    } else if (BackGround.Display == bdFixed) {
      canvas.Draw(BackGround.Left, BackGround.Top, BackGround.Bitmap);
    } else if (BackGround.Display == bdTile && BackGround.Cells != bcFixed) {
      const TBitmap& p = BackGround.Bitmap;
      // The tiles begin where the cells that take the picture begin, so the strip beside and below the fixed
      // cells stays as clear as those cells are.
      const int32_t x0 = (BackGround.Cells == bcNormal ? FixedColsWidth() : 0) + XYOffset.X;
      const int32_t y0 = (BackGround.Cells == bcNormal ? FixedRowsHeight() : 0) + XYOffset.Y;
      for (int32_t y = y0; y < client.Bottom; y += p.Height())
        for (int32_t x = x0; x < client.Right; x += p.Width()) canvas.Draw(x, y, p);
    }
    canvas.PopClip();
  };
  if (allCols) fill(TRect{right + GridLineWidth() - 1, client.Top, client.Right, client.Bottom});
  if (allRows) fill(TRect{client.Left, bottom + GridLineWidth() - 1, allCols ? right : client.Right, client.Bottom});
}

bool TQrvStringGrid::PaintsBorder() const {
  const bool look = FLook == glSoft || FLook == glVyx || FLook == glXP || FLook == glListView || FLook == glVista ||
                    FLook == glWin7 || FLook == glOffice2007;
  return look && BorderStyle == bsSingle && BorderColor != clNone && !Flat;
}

void TQrvStringGrid::PaintBorder(TCanvas& canvas, int32_t width, int32_t height, TColor parentColor) {
  if (!PaintsBorder() || LockUpdate()) return;
  canvas.Pen().Color = BorderColor;
  canvas.Pen().Width = 1;
  if (FitCellsInGrid) {
    canvas.MoveTo(1, height);
    canvas.LineTo(1, 1);
    canvas.LineTo(width - 2, 1);
    canvas.LineTo(width - 2, height - 2);
    canvas.LineTo(1, height - 2);
    if (parentColor == clNone) return;
    canvas.Pen().Color = parentColor;
    canvas.MoveTo(0, height - 1);
    canvas.LineTo(0, 0);
    canvas.LineTo(width - 1, 0);
    canvas.LineTo(width - 1, height - 1);
    canvas.LineTo(0, height - 1);
    return;
  }
  // The common-controls library in use here is always version 6.
  canvas.MoveTo(0, height - 1);
  canvas.LineTo(0, 0);
  canvas.LineTo(width - 1, 0);
  canvas.LineTo(width - 1, height - 1);
  canvas.LineTo(0, height - 1);
}

void TQrvStringGrid::DrawColSizingLine(TCanvas& canvas, int32_t x) {
  const TPen kept = canvas.Pen();
  int32_t bottom = FixedRowsHeight();
  for (int32_t r = TopRow(); r < RowCount() && bottom < Height(); ++r) bottom += RowHeights(r);
  canvas.Pen().Style = psDot;
  canvas.Pen().Mode = pmXor;
  canvas.Pen().Color = clWhite;
  canvas.Pen().Width = 1;
  canvas.MoveTo(x, 0);
  canvas.LineTo(x, std::max(bottom, Height()));
  canvas.SetPen(kept);
}

void TQrvStringGrid::DrawRowSizingLine(TCanvas& canvas, int32_t y) {
  const TPen kept = canvas.Pen();
  int32_t right = FixedColsWidth();
  for (int32_t c = LeftCol(); c < ColCount() && right < Width(); ++c) right += ColWidths(c);
  canvas.Pen().Style = psDot;
  canvas.Pen().Mode = pmXor;
  canvas.Pen().Color = clWhite;
  canvas.Pen().Width = 1;
  canvas.MoveTo(0, y);
  canvas.LineTo(std::max(right, Width()), y);
  canvas.SetPen(kept);
}

void TQrvStringGrid::DrawTreeLines(TCanvas& canvas, int32_t r, const TRect& rect) {
  const TCellProperties* props = PropsOf(0, r);
  const int32_t level = props ? props->NodeLevel() : 0;
  const int32_t indent = CellNode().NodeIndent();
  const int32_t x = rect.Left + GetNodeIndent(r) + indent / 2 - indent + 2;
  const int32_t mid = (rect.Top + rect.Bottom) / 2;
  canvas.Pen().Color = CellNode().TreeColor();
  canvas.Pen().Width = 1;
  canvas.Pen().Style = psSolid;
  auto line = [&](int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
  };
  if (!IsNode(r) && level > 0) {
    line(x, mid, CellNode().ShowTreeFull() ? rect.Right : x + 4, mid);
    line(x, rect.Top, x, GetNodeSpanType(r) == 1 ? mid : rect.Bottom + 4);
  }
  const bool lastRow = r >= RowCount() - 1;
  const TCellProperties* next = lastRow ? nullptr : PropsOf(0, r + 1);
  const int32_t nextLevel = next ? next->NodeLevel() : 0;
  for (int32_t i = 1; i < level; ++i) {
    const int32_t xi = x - indent * i;
    if (nextLevel > level - i) {
      line(xi, rect.Top, xi, rect.Bottom + 4);
    } else {
      line(xi, rect.Top, xi, mid);
      if (lastRow) line(xi, mid, x + indent - indent * i, mid);
    }
  }
}

std::vector<TPoint> TQrvStringGrid::TimerTick(const TPoint* mouse) {
  ++FTicks;
  if (Navigation().AutoGotoIncremental()) {
    if (FIncrTicks >= 3) {
      IncrSearchText.clear();
      FIncrTicks = 0;
    } else {
      ++FIncrTicks;
    }
  }
  if (Hovering && !IsDesigning() && mouse && mouse->X >= 0 && mouse->Y >= 0 && mouse->X < Width() &&
      mouse->Y < Height()) {
    int32_t c = -1, r = -1;
    MouseToCell(mouse->X, mouse->Y, c, r);
    if (c >= FixedCols() && c < ColCount() && r >= FixedRows() && r < RowCount()) {
      FocusGrid();
      MoveToCell(c, r);
    }
  }
  std::vector<TPoint> repainted;
  if (!EnableBlink) return repainted;
  FGridBlink = !FGridBlink;
  auto visit = [&](int32_t c, int32_t r) {
    if (GetCellsEx(DisplayToRealCol(c), r).contains(QLatin1String("<BLI"), Qt::CaseInsensitive)) {
      RepaintCell(c, r);
      repainted.push_back(TPoint{c, r});
    }
  };
  const int32_t lastRow = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
  const int32_t lastCol = std::min(ColCount() - 1, LeftCol() + VisibleColCount());
  for (int32_t r = 0; r <= lastRow; ++r) {
    if (r >= FixedRows() && r < TopRow()) continue;
    for (int32_t c = 0; c <= lastCol; ++c)
      if (c < FixedCols() || c >= LeftCol()) visit(c, r);
  }
  return repainted;
}

void TQrvStringGrid::DrawCellScrollBar(TCanvas& canvas, const TRect& bar, int32_t position, int32_t page,
                                       int32_t range) {
  const int32_t w = bar.Right - bar.Left;
  const TRect up{bar.Left, bar.Top, bar.Right, bar.Top + w};
  const TRect down{bar.Left, bar.Bottom - w, bar.Right, bar.Bottom};
  const TRect track{bar.Left, up.Bottom, bar.Right, down.Top};
  FillRectColor(canvas, bar, clScrollBar);
  DrawFrameControl(canvas, up, DFC_SCROLL, DFCS_SCROLLUP);
  DrawFrameControl(canvas, down, DFC_SCROLL, DFCS_SCROLLDOWN);
  const int32_t length = track.Bottom - track.Top;
  if (length < 8 || range <= 0) return;
  const int32_t thumb = std::max(8, length * std::max(page, 0) / range);
  const int32_t travel = std::max(1, range - page);
  const int32_t top = track.Top + (length - thumb) * std::clamp(position, 0, travel) / travel;
  DrawFrameControl(canvas, TRect{bar.Left, top, bar.Right, top + thumb}, DFC_BUTTON, DFCS_BUTTONPUSH);
}
