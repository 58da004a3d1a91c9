// Cell graphics on the canvas: the size and place of a cell's graphic, check boxes and radio buttons in every
// control style (the picture styles use the grid's own glyphs), progress bars, buttons, comments, rotated text,
// shapes and ratings.
#include <QtMath>
#include <cmath>

#include "Exception.h"
#include "UButtonParts.h"
#include "UCanvas.h"
#include "UCellButtonLayout.h"
#include "UCellGraphics.h"
#include "UFrameControl.h"
#include "UGradients.h"
#include "UGridGlyphs.h"
#include "UGridRadioLayout.h"
#include "UQrvStringGrid.h"
#include "UThemeBinding.h"
#include "UTransparentBitmaps.h"

namespace {
bool ThemesAvailable() {
  return QrvXPVS().Loaded() && QrvXPVS().IsThemeActive();
}

constexpr int32_t ThemeProgressBar = 1;
constexpr int32_t ThemeProgressChunk = 3;

// How far a value reaches into its range, 0..100; below the range is empty, above it full.
int32_t ThemedProgressPercent(double value, double minimum, double maximum) {
  if (maximum <= minimum) return 0;
  return TQrvStringGrid::LimitPercent(
      static_cast<int32_t>(std::lround((value - minimum) / (maximum - minimum) * 100)));
}

int32_t ClampPercent(double value, double minimum, double maximum) {
  // An empty range has no position in it: it shows as 0 %.
  if (maximum == minimum) return 0;
  return TQrvStringGrid::LimitPercent(
      static_cast<int32_t>(std::lround(std::abs(value - minimum) / (maximum - minimum) * 100.0)));
}

// The light top-left and dark bottom-right edge of a raised box.
void Draw_Raised_Edge(TCanvas& canvas, const TRect& box) {
  canvas.Pen().Color = clBtnHighlight;
  canvas.MoveTo(box.Left, box.Bottom - 1);
  canvas.LineTo(box.Left, box.Top);
  canvas.LineTo(box.Right - 1, box.Top);
  canvas.Pen().Color = clBtnShadow;
  canvas.LineTo(box.Right - 1, box.Bottom - 1);
  canvas.LineTo(box.Left, box.Bottom - 1);
}

// The expand button's mark: a chevron pointing up while the cell is expanded (a click folds it), down otherwise.
void DrawChevron(TCanvas& canvas, const TRect& button, bool up, TColor color) {
  const int32_t cx = (button.Left + button.Right) / 2, cy = (button.Top + button.Bottom) / 2;
  canvas.Pen().Color = color;
  canvas.Pen().Width = 1;
  canvas.Pen().Style = psSolid;
  for (int32_t dx = -3; dx <= 3; ++dx) {
    const int32_t lift = 3 - std::abs(dx);
    const int32_t y = up ? cy + 1 - lift : cy - 2 + lift;
    canvas.MoveTo(cx + dx, y);
    canvas.LineTo(cx + dx, y + 2);
  }
}
}  // namespace

TSize TQrvStringGrid::CellGraphicSize(const TCellGraphic* graphic, int32_t rc, int32_t r, bool& textShown) {
  textShown = true;
  if (!graphic) return {};
  switch (graphic->CellType()) {
    case ctBitmap:
      if (const TBitmap* b = graphic->ObjectAs<TBitmap>()) return {b->Width(), b->Height()};
      return {};
    case ctIcon:
      if (const TIcon* i = graphic->IconObject()) return {i->Width(), i->Height()};
      return {};
    case ctImageList:
    case ctDataImage:
      return CellImageSize(rc, r);
    case ctImages:
      return MultiImageSize(*graphic, rc, r);
    case ctCheckBox:
    case ctTriStateCheckBox:
      return {ControlLook.CheckSize, ControlLook.CheckSize};
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
      textShown = false;
      return {ControlLook.CheckSize, ControlLook.CheckSize};
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress:
      textShown = false;
      return {};
    case ctButton:
    case ctBitButton:
      return {graphic->CellIndex() & 0xFFFF, static_cast<int32_t>(static_cast<uint32_t>(graphic->CellIndex()) >> 16)};
    case ctPicture:
    case ctFilePicture:
    case ctInterface: {
      const TPoint size = GetCellGraphicSize(rc, r);
      return {size.X, size.Y};
    }
    case ctProgressPie:
      return {20, 20};
    case ctRadioButton:
      return {ControlLook.RadioSize + 4, ControlLook.RadioSize + 4};
    case ctShape: {
      const int32_t s = RowHeights(r) - 2 * XYOffset.Y;
      return {s, s};
    }
    case ctRating:
      textShown = false;
      return {18 * graphic->CellAngle(), 16};
    default:
      return {};
  }
}

void TQrvStringGrid::DrawCheckBox(TCanvas& canvas, const TRect& rect, bool checked, bool grayed, TControlStyle style,
                                  bool enabled) {
  if (ControlLook.NoDisabledCheckRadioLook || ControlLook.CheckAlwaysActive) enabled = true;
  if (style == csTheme && !ThemesAvailable()) style = csClassic;
  const int32_t size = ControlLook.CheckSize;
  switch (style) {
    case csWinXP:
    case csVyx: {
      const int32_t first = style == csWinXP ? 5 : 1;
      const int32_t n = first + (checked ? 0 : 1) + (enabled ? 0 : 2);
      DrawBitmapTransparent(canvas, GridGlyph(QStringLiteral("ASGCHK%1").arg(n, 2, 10, QLatin1Char('0'))),
                            canvas.Brush().Color, rect);
      break;
    }
    case csGlyph: {
      const TBitmap& glyph = checked ? ControlLook.CheckedGlyph : ControlLook.UnCheckedGlyph;
      if (!glyph.Empty()) DrawBitmapTransparent(canvas, glyph, canvas.Brush().Color, rect);
      break;
    }
    case csRaised: {
      TRect box{rect.Left, rect.Top, rect.Left + size, rect.Top + size};
      canvas.Brush().Color = enabled ? clBtnFace : clBtnShadow;
      canvas.Pen().Color = clBtnFace;
      canvas.Rectangle(box);
      Draw_Raised_Edge(canvas, box);
      if (checked) {
        canvas.Pen().Color = enabled ? ControlLook.Color : clGray;
        canvas.Pen().Width = 1;
        --box.Top;
        --box.Bottom;
        canvas.MoveTo(box.Left + 2, box.Top + size / 2);
        canvas.LineTo(box.Left + 2, box.Bottom - 1);
        canvas.MoveTo(box.Left + 3, box.Top + size / 2);
        canvas.LineTo(box.Left + 3, box.Bottom - 2);
        canvas.MoveTo(box.Left + 2, box.Bottom - 1);
        canvas.LineTo(box.Right - 2, box.Top + 3);
        canvas.MoveTo(box.Left + 3, box.Bottom - 1);
        canvas.LineTo(box.Right - 1, box.Top + 3);
      }
      break;
    }
    case csTheme: {
      const int32_t state = grayed ? (enabled ? 9 : 12) : checked ? (enabled ? 5 : 8) : (enabled ? 1 : 4);
      QrvXPVS().DrawPart(nullptr, QStringLiteral("button"), canvas, 3, state,
                         TRect{rect.Left, rect.Top, rect.Left + size, rect.Top + size});
      break;
    }
    case csClassic:
    case csFlat: {
      const int32_t x = (rect.Left + rect.Right - size) / 2, y = (rect.Top + rect.Bottom - size) / 2;
      uint32_t flags = grayed ? DFCS_BUTTON3STATE | DFCS_CHECKED : DFCS_BUTTONCHECK;
      if (checked) flags |= DFCS_CHECKED;
      if (style == csFlat) flags |= DFCS_FLAT;
      if (!enabled) flags |= DFCS_INACTIVE;
      DrawFrameControl(canvas, TRect{x, y, x + size, y + size}, DFC_BUTTON, flags);
      break;
    }
  }
}

void TQrvStringGrid::DrawRadioButton(TCanvas& canvas, const TRect& rect, bool on, TControlStyle style, bool enabled) {
  if (ControlLook.NoDisabledCheckRadioLook || ControlLook.RadioAlwaysActive) enabled = true;
  if (style == csTheme && !ThemesAvailable()) style = csClassic;
  switch (style) {
    case csWinXP:
    case csVyx: {
      const int32_t first = style == csWinXP ? 5 : 1;
      const int32_t n = first + (on ? 0 : 1) + (enabled ? 0 : 2);
      DrawBitmapTransparent(canvas, GridGlyph(QStringLiteral("ASGRAD%1").arg(n, 2, 10, QLatin1Char('0'))),
                            canvas.Brush().Color, rect);
      break;
    }
    case csGlyph: {
      const TBitmap& glyph = on ? ControlLook.RadioOnGlyph : ControlLook.RadioOffGlyph;
      if (!glyph.Empty()) DrawBitmapTransparent(canvas, glyph, canvas.Brush().Color, rect);
      break;
    }
    case csRaised: {
      const int32_t mid = rect.Top + 8;
      canvas.Brush().Color = clBtnFace;
      canvas.Pen().Color = clBtnShadow;
      canvas.Polygon({{rect.Left + 2, mid},
                      {rect.Left + 8, rect.Top + 2},
                      {rect.Left + 14, mid},
                      {rect.Left + 8, rect.Top + 14}});
      if (on) {
        canvas.Brush().Color = enabled ? ControlLook.Color : clGray;
        canvas.Polygon({{rect.Left + 5, mid},
                        {rect.Left + 8, rect.Top + 5},
                        {rect.Left + 11, mid},
                        {rect.Left + 8, rect.Top + 11}});
      }
      break;
    }
    case csTheme:
      QrvXPVS().DrawPart(nullptr, QStringLiteral("button"), canvas, 2, on ? (enabled ? 5 : 8) : (enabled ? 1 : 4),
                         TRect{rect.Left, rect.Top, rect.Left + 16, rect.Top + 16});
      break;
    case csClassic:
    case csFlat: {
      const int32_t size = ControlLook.RadioSize + (style == csFlat ? 2 : 0);
      // The classic round button: a ring in the shadow colour, a white face, a dot when on.
      canvas.Pen().Color = enabled ? clBtnShadow : clGray;
      canvas.Brush().Color = enabled ? clWindow : clBtnFace;
      canvas.Ellipse(rect.Left, rect.Top, rect.Left + size, rect.Top + size);
      if (on) {
        canvas.Brush().Color = enabled ? clWindowText : clGray;
        canvas.Pen().Color = canvas.Brush().Color;
        const int32_t q = size / 3;
        canvas.Ellipse(rect.Left + q, rect.Top + q, rect.Left + size - q, rect.Top + size - q);
      }
      break;
    }
  }
}

void TQrvStringGrid::DrawRadioGroup(TCanvas& canvas, TRect rect, const TCellGraphic& graphic, int32_t rc, int32_t r,
                                    bool selected, bool enabled) {
  const QStringList* items = GetRadioStrings(rc, r);
  if (!items) return;
  const TControlStyle style = ControlLook.ControlStyle;
  const int32_t button = RadioButtonSpacing(style, ControlLook.RadioSize);
  const bool sixteen = style >= csWinXP;
  const bool horizontal = graphic.CellBoolean();
  const QString text = Cells(rc, r);
  const TColor textColor =
      selected && FShowSelection && SelectionTextColor != clNone ? SelectionTextColor : canvas.Font().Color;
  const int32_t lineHeight = RadioLineHeight(canvas.TextHeight(QStringLiteral("gh")), sixteen);
  const std::vector<TRadioItemSpan> spans =
      horizontal ? HorizontalRadioSpans(*items, button, [&](const QString& item) { return canvas.TextWidth(item); })
                 : std::vector<TRadioItemSpan>{};
  canvas.SetBkMode(bkTransparent);
  for (int32_t i = 0; i < items->size(); ++i) {
    const bool on = graphic.CellIndex() == -1 ? (*items)[i] == text : graphic.CellIndex() + 1 == i + 1;
    TRect at;
    int32_t textX = 0, textY = 0;
    if (horizontal) {
      const int32_t x = rect.Left + spans[size_t(i)].From;
      const int32_t top = (rect.Top + rect.Bottom - button) / 2;
      at = TRect{x, top, x + button, top + button};
      textX = x + button;
      textY = (rect.Top + rect.Bottom - canvas.TextHeight((*items)[i])) / 2;
    } else {
      const int32_t top = rect.Top + 2 + i * lineHeight;
      at = TRect{rect.Left + 2, top, rect.Left + 2 + button, top + button};
      textX = rect.Left + (style == csRaised || style == csTheme ? 20 : sixteen ? 18 : ControlLook.RadioSize + 4);
      textY = top;
    }
    DrawRadioButton(canvas, at, on, style, enabled);
    canvas.Font().Color = textColor;
    canvas.TextOut(textX, textY, (*items)[i]);
  }
}

void TQrvStringGrid::DrawCellGraphic(TCanvas& canvas, int32_t c, int32_t rc, int32_t r, TRect rect,
                                     TCellGraphic& graphic, TGridDrawState state, int32_t textWidth,
                                     TAlignment textAlign) {
  const TCellType kind = graphic.CellType();
  bool textShown = true;
  const TSize size = CellGraphicSize(&graphic, rc, r, textShown);
  if (kind != ctNode && kind != ctProgress && kind != ctRangeIndicator && kind != ctXPProgress) {
    const int32_t dx = XYOffset.X - 1, dy = XYOffset.Y - 1;
    rect = TRect{rect.Left + dx, rect.Top + dy, rect.Right - dx, rect.Bottom - dy};
  }
  // Placement by the graphic's alignment; check boxes and radio buttons follow the cell's own alignment.
  int32_t x = rect.Left + 1, y = rect.Top + 1;
  const int32_t w = size.cx, h = size.cy;
  switch (graphic.CellHAlign()) {
    case haRight:
      x = rect.Right - 1 - w;
      break;
    case haCenter:
      x = w > rect.Right - rect.Left ? rect.Left + 1 : (rect.Left + rect.Right - w) / 2;
      break;
    case haBeforeText:
      if (textAlign == taRightJustify)
        x = rect.Right - textWidth - w;
      else if (textAlign == taCenter)
        x = (rect.Left + rect.Right - textWidth - w) / 2;
      break;
    case haAfterText:
      if (textAlign == taRightJustify)
        x = rect.Right - w;
      else if (textAlign == taCenter)
        x = (rect.Left + rect.Right + textWidth - w) / 2;
      else
        x = rect.Left + textWidth;
      break;
    case haFull:
    case haLeft:
      break;
  }
  switch (graphic.CellVAlign()) {
    case vaBottom:
      y = rect.Bottom - 1 - h;
      break;
    case vaCenter:
      y = h > rect.Bottom - rect.Top ? rect.Top + 1 : (rect.Top + rect.Bottom - h) / 2;
      break;
    case vaUnderText:
      y = rect.Bottom - h;
      break;
    default:
      break;
  }
  const bool control = IsCheckBoxType(kind) || kind == ctRadioButton;
  if (control) {
    const auto [hAlign, vAlign] = GetCellAlignment(rc, r);
    if (vAlign != VAlignment) {
      y = vAlign == vtaTop      ? rect.Top + 1
          : vAlign == vtaBottom ? rect.Bottom - 1 - h
                                : (rect.Top + rect.Bottom - h) / 2;
    }
    if (hAlign == taLeftJustify)
      x = rect.Left + 1;
    else if (hAlign == taRightJustify)
      x = rect.Right - w - (textShown ? textWidth : 0);
    else
      x = (rect.Left + rect.Right - w) / 2;
  }
  const TRect at{x, y, x + w, y + h};
  bool canEdit = true;
  CanEditCell(rc, r, canEdit);
  const bool selected = state & gdSelected;

  switch (kind) {
    case ctCheckBox:
    case ctRowCheckBox:
      DrawCheckBox(canvas, at, graphic.CellBoolean(), graphic.CellAngle() > 0, ControlLook.ControlStyle, canEdit);
      break;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      QString checkTrue;
      GetCheckTrue(rc, r, checkTrue);
      DrawCheckBox(canvas, at, Cells(rc, r) == checkTrue, false, ControlLook.ControlStyle, canEdit);
      break;
    }
    case ctTriStateCheckBox:
      DrawCheckBox(canvas, at, graphic.CellCheckBoxState() == cbChecked, graphic.CellCheckBoxState() == cbGrayed,
                   ControlLook.ControlStyle, canEdit);
      break;
    case ctRadioButton:
      DrawRadioButton(canvas, at, graphic.CellBoolean(), ControlLook.ControlStyle, canEdit);
      break;
    case ctRadio:
      DrawRadioGroup(canvas, rect, graphic, rc, r, selected, canEdit);
      break;
    case ctBitmap:
      if (const TBitmap* b = graphic.ObjectAs<TBitmap>()) {
        if (graphic.CellTransparent())
          DrawBitmapTransparent(canvas, *b, canvas.Brush().Color, at);
        else
          canvas.Draw(at.Left, at.Top, *b);
      }
      break;
    case ctIcon:
      if (const TIcon* i = graphic.IconObject()) canvas.Draw(at.Left, at.Top, *i);
      break;
    case ctImageList:
    case ctDataImage:
    case ctImages:
      DrawCellImages(canvas, at, graphic, rc, r);
      break;
    case ctPicture:
      if (TPicture* picture = graphic.ObjectAs<TPicture>()) {
        const bool kept = picture->Stretch();
        picture->SetStretch(graphic.CellAngle() != noStretch);
        picture->Draw(canvas, at);
        picture->SetStretch(kept);
      }
      break;
    case ctFilePicture:
      if (const TFilePicture* picture = graphic.ObjectAs<TFilePicture>()) {
        // The file is read at every paint; one that went missing since it was added leaves the cell empty
        // instead of breaking the whole paint.
        try {
          picture->DrawPicture(canvas, at);
        } catch (const Exception&) {
        }
      }
      break;
    case ctProgress: {
      const double value = Cells(rc, r).trimmed().toDouble();
      const TControlStyle style = ControlLook.ControlStyle;
      if (ControlLook.ProgressXP && (style == csWinXP || style == csTheme) && ThemesAvailable()) {
        const TRect bar{rect.Left + ControlLook.ProgressMarginX, rect.Top + ControlLook.ProgressMarginY,
                        rect.Right - ControlLook.ProgressMarginX, rect.Bottom - ControlLook.ProgressMarginY};
        if (QrvXPVS().DrawPart(nullptr, QStringLiteral("Progress"), canvas, ThemeProgressBar, 1, bar)) {
          // The chunk fills the bar inside its 1-pixel frame, as far as the value reaches into the range.
          const int32_t percent = ThemedProgressPercent(value, graphic.CellErrFrom(), graphic.CellErrLen());
          const int32_t inner = bar.Right - bar.Left - 2;
          if (percent > 0 && inner > 0)
            QrvXPVS().DrawPart(
                nullptr, QStringLiteral("Progress"), canvas, ThemeProgressChunk, 1,
                TRect{bar.Left + 1, bar.Top + 1, bar.Left + 1 + inner * percent / 100, bar.Bottom - 1});
          break;
        }
      }
      const TRect bar{rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2};
      TColor incomplete = graphic.IconColor();
      if (incomplete == clNone) incomplete = canvas.Brush().Color;
      DrawProgressCell(canvas, bar, graphic.ColorRef(), static_cast<TColor>(graphic.CellIndex()), incomplete,
                       static_cast<TColor>(graphic.CellAngle()), value, ControlLook.ProgressMarginX,
                       ControlLook.ProgressMarginY, graphic.CellErrFrom(), graphic.CellErrLen(), graphic.CellText(),
                       ControlLook.ProgressBorderColor, false);
      break;
    }
    case ctXPProgress: {
      const TGridProgressAppearance& p = ProgressAppearance;
      TLevelBarSettings settings;
      settings.Level0Color = p.Level0Color;
      settings.Level0ColorTo = p.Level0ColorTo;
      settings.Level1Color = p.Level1Color;
      settings.Level1ColorTo = p.Level1ColorTo;
      settings.Level2Color = p.Level2Color;
      settings.Level2ColorTo = p.Level2ColorTo;
      settings.Level3Color = p.Level3Color;
      settings.Level3ColorTo = p.Level3ColorTo;
      settings.Level1Perc = p.Level1Perc;
      settings.Level2Perc = p.Level2Perc;
      settings.BorderColor = p.BorderColor;
      settings.ShowBorder = p.ShowBorder;
      settings.Stacked = p.Stacked;
      settings.ShowPercentage = p.ShowPercentage;
      settings.CompletionSmooth = p.CompletionSmooth;
      settings.ShowGradient = p.ShowGradient;
      settings.Steps = p.Steps;
      settings.Font = canvas.Font();
      settings.FontColor = p.CompleteFontColor;
      // Without a colour of its own the bar's empty part shows the cell behind it.
      settings.BackgroundColor = p.UnCompleteColor != clNone ? p.UnCompleteColor : canvas.Brush().Color;
      const TRect bar{rect.Left + ControlLook.ProgressMarginX, rect.Top + ControlLook.ProgressMarginY,
                      rect.Right - ControlLook.ProgressMarginX, rect.Bottom - ControlLook.ProgressMarginY};
      const int32_t percent =
          ClampPercent(Cells(rc, r).trimmed().toDouble(), graphic.CellErrFrom(), graphic.CellErrLen());
      DrawLevelProgressBar(canvas, bar, percent, settings);
      break;
    }
    case ctProgressPie:
      DrawPieCell(canvas, at, graphic.ColorRef(), LimitPercent(graphic.CellAngle()), false);
      break;
    case ctRangeIndicator:
      DrawBipolarBar(canvas, rect, Cells(rc, r).trimmed().toInt(), graphic.CellIndex(), graphic.CellBoolean(),
                     graphic.ColorRef(), graphic.IconColor());
      break;
    case ctComment: {
      TColor color = static_cast<TColor>(graphic.CellIndex());
      if (color == clNone) color = ControlLook.CommentColor;
      if (color == clNone) break;
      canvas.Brush().Color = color;
      canvas.Pen().Color = color;
      canvas.Polygon(
          {{rect.Right - 8, rect.Top + 1}, {rect.Right - 3, rect.Top + 1}, {rect.Right - 3, rect.Top + 6}});
      break;
    }
    case ctButton:
    case ctBitButton:
    case ctExpand: {
      uint8_t look = ControlLook.FlatButton ? lkFlat : lkThemed;
      if (Flat && FTonesSet) look = lkTones;
      const bool hot = FHoverButton == TPoint{c, r};
      uint8_t partState = graphic.CellBoolean() ? partDown : hot ? partHot : partNormal;
      if (!canEdit && !ControlLook.NoDisabledButtonLook && kind != ctExpand) partState = partDisabled;
      TRect button = at;
      if (graphic.CellHAlign() == haFull) {
        button.Left = rect.Left;
        button.Right = rect.Right;
      }
      if (graphic.CellVAlign() == vaFull) {
        button.Top = rect.Top;
        button.Bottom = rect.Bottom;
      }
      if (kind == ctExpand) button = ExpandButtonIn(rect);
      DrawButtonPart(canvas, nullptr, button, look, partState, FTones);
      graphic.SetCellValue(PackButtonOffset(button, CellRect(c, r)));
      TColor ink = canvas.Font().Color;
      if (look == lkTones)
        ink = partState == partDisabled ? FTones.Disabled.TextColor
              : partState == partDown   ? FTones.Selected.TextColor
              : partState == partHot    ? FTones.Hover.TextColor
                                        : FTones.Background.TextColor;
      if (kind == ctExpand) {
        DrawChevron(canvas, button, graphic.CellVar().toBool(), look == lkTones ? ink : clBtnText);
        break;
      }
      const TBitmap* glyph = kind == ctBitButton ? graphic.ObjectAs<TBitmap>() : nullptr;
      if (glyph && !glyph->Empty()) {
        const int32_t gx =
            graphic.CellText().isEmpty() ? (button.Left + button.Right - glyph->Width()) / 2 : button.Left + 3;
        canvas.Draw(gx, (button.Top + button.Bottom - glyph->Height()) / 2, *glyph);
      }
      {
        TRect caption = button;
        canvas.SetBkMode(bkTransparent);
        canvas.Font().Color = ink;
        const uint32_t lines = graphic.CellText().contains(QLatin1Char('\r')) ? DT_WORDBREAK : DT_SINGLELINE;
        canvas.DrawText(graphic.CellText(), caption, DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS | lines);
      }
      break;
    }
    case ctRotated: {
      const TFont kept = canvas.Font();
      canvas.Font().Orientation = graphic.CellAngle() * 10;
      canvas.SetBkMode(bkTransparent);
      // Turned counter-clockwise about the text's top-left corner: start low enough that the text stays inside.
      const QString text = GetFormattedCell(rc, r);
      const TSize extent = canvas.TextExtent(text);
      const double a = qDegreesToRadians(static_cast<double>(graphic.CellAngle()));
      const int32_t up = static_cast<int32_t>(std::lround(std::max(0.0, extent.cx * std::sin(a))));
      const int32_t left = static_cast<int32_t>(std::lround(std::max(0.0, -extent.cx * std::cos(a))));
      canvas.PushClip(rect);
      canvas.TextOut(rect.Left + 2 + left, rect.Top + 2 + up, text);
      canvas.PopClip();
      canvas.SetFont(kept);
      if (ShowsSortIndicator(c, rc, r)) DrawSortIndicator(canvas, c, rect.Top + 8, rect.Right - 10);
      break;
    }
    case ctShape:
      DrawCellShape(canvas, at.Left, at.Top, w, h, static_cast<TCellShape>(graphic.CellAngle()),
                    static_cast<TColor>(graphic.CellIndex()), graphic.ColorRef());
      break;
    case ctRating: {
      const double value = std::round(Cells(rc, r).trimmed().toDouble() * 2) / 2;
      for (int32_t i = 0; i < graphic.CellAngle(); ++i) {
        const TCellShape shape = value >= i + 1 ? csStar : value >= i + 0.5 ? csHalfStar : csStar;
        const TColor fill = value >= i + 0.5 ? static_cast<TColor>(graphic.CellIndex()) : graphic.ColorRef();
        DrawCellShape(canvas, rect.Left + i * 18, rect.Top, 16, 16, shape, fill, fill);
      }
      break;
    }
    case ctNode:
      DrawNodeButton(canvas, r, rect, selected);
      break;
    case ctInterface:
      if (IGridCellObject* object = graphic.CellObjectInterface())
        object->Draw(canvas, TRect{rect.Left - 1, rect.Top - 1, rect.Right, rect.Bottom}, rc, r);
      break;
    default:
      break;
  }
}

void TQrvStringGrid::DrawNodeButton(TCanvas& canvas, int32_t r, const TRect& rect, bool selected) {
  const bool contracted = GetNodeState(r);
  const TColor background = selected && SelectionColor != clNone ? SelectionColor : canvas.Brush().Color;
  const int32_t x = rect.Left + GetNodeIndent(r) + 4;
  auto picture = [&](const TBitmap& bitmap) {
    const int32_t y = (rect.Top + rect.Bottom - bitmap.Height()) / 2;
    DrawBitmapTransparent(canvas, bitmap, background, TRect{x, y, rect.Right, rect.Bottom});
  };
  switch (CellNode().NodeType()) {
    case cnLeaf:
      picture(LoadResourceBitmap(contracted ? QStringLiteral("ASGLEAFCLOSE") : QStringLiteral("ASGLEAFOPEN")));
      return;
    case cnXP:
      picture(LoadResourceBitmap(contracted ? QStringLiteral("XPNODEC") : QStringLiteral("XPNODEO")));
      return;
    case cnGlyph:
      if (!CellNode().ExpandGlyph().Empty() && !CellNode().ContractGlyph().Empty())
        picture(contracted ? CellNode().ExpandGlyph() : CellNode().ContractGlyph());
      return;
    case cnFlat:
    case cn3D:
      break;
  }
  const int32_t y = (rect.Top + rect.Bottom - 8) / 2;
  const TRect box{x, y, x + 9, y + 9};
  canvas.Pen().Width = 1;
  if (CellNode().NodeType() == cn3D) {
    FillRectColor(canvas, box, CellNode().Color);
    Draw_Raised_Edge(canvas, box);
  } else {
    canvas.Brush().Color = background;
    canvas.Pen().Color = CellNode().NodeColor;
    canvas.Rectangle(box);
  }
  canvas.Pen().Color = CellNode().NodeColor;
  canvas.MoveTo(box.Left + 2, box.Top + 4);
  canvas.LineTo(box.Right - 2, box.Top + 4);
  if (contracted) {
    canvas.MoveTo(box.Left + 4, box.Top + 2);
    canvas.LineTo(box.Left + 4, box.Bottom - 2);
  }
}
