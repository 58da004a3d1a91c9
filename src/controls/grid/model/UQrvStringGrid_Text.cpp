// Measuring a cell's content and the rotated-text cells.
#include <QImage>
#include <cmath>

#include "UCanvas.h"
#include "UQrvStringGrid.h"
#include "URenderMarkup.h"
#include "URichDocument.h"
#include "UTextFlags.h"
#include "UTextUtils.h"
#include "UValueText.h"

namespace {
// One small image canvas per thread for measuring outside a paint.
TCanvas& MeasureCanvas() {
  thread_local QImage image(1, 1, QImage::Format_RGB32);
  thread_local TCanvas canvas(&image);
  return canvas;
}
}  // namespace

void TQrvStringGrid::FillMarkupParams(int32_t rc, int32_t r, TMarkupParams& params) {
  params.Images = GetCellImageList(rc, r);
  params.PictureContainer = PictureContainer;
  // Without blinking the phase never turns: blinking text stays shown.
  params.BlinkVisible = !EnableBlink || FGridBlink;
  params.LinkColor = URLColor;
  params.ShadowColor = clGray;
  params.HoverOnlyStyle = URLUnderlineOnHover;
  // The embedded button under the press is drawn pressed until the release.
  if (FCtrlDown && FCtrlXY == TPoint{rc, r}) {
    params.MouseDown = true;
    params.PointX = FCtrlDownAt.X;
    params.PointY = FCtrlDownAt.Y;
  }
}

TSize TQrvStringGrid::RotatedTextSize(TSize text, int32_t angle) {
  // The bounding box of the turned text: both projections of each side add up (a difference would shrink the
  // box to nothing at 45 degrees).
  const double a = angle * M_PI / 180.0;
  const double s = std::abs(std::sin(a)), c = std::abs(std::cos(a));
  const int32_t w = static_cast<int32_t>(std::lround(text.cx * c + text.cy * s));
  const int32_t h = static_cast<int32_t>(std::lround(text.cx * s + text.cy * c));
  return TSize{w + 12, h + 12};
}

TSize TQrvStringGrid::GetCellTextSize(int32_t c, int32_t r, bool wrapToWidth, bool sortButton) {
  return CalcCellTextSize(c, RealToDisplayCol(c), r, wrapToWidth, sortButton);
}

TSize TQrvStringGrid::CalcCellTextSize(int32_t c, int32_t displayCol, int32_t r, bool wrapToWidth, bool sortButton) {
  QString text = GetFormattedCell(c, r);
  int32_t kind = DetectCellTextKind(text, EnableHTML);
  TCanvas& canvas = MeasureCanvas();
  TGridDrawState state;
  TBrush brush;
  TFont font;
  GetFontProperties(displayCol, c, r, state, font, brush, true);
  if (IsFixedCellAt(c, displayCol, r) && ActiveCellShow && (ActiveCellFont.Style & fsBold)) font.Style |= fsBold;
  // The zoom is added here once; the font the properties gave is the unzoomed one.
  if (ZoomFactor != 0) font.SetSize(font.Size() + ZoomFactor);
  canvas.SetFont(font);
  if (kind == ckFormula) {
    GetCellValueText(c, r, text);
    kind = DetectCellTextKind(text, EnableHTML);
  }
  TRect rect{0, 0, ColWidths(displayCol), RowHeights(r)};
  if (XYOffsetTopLeftOnly) {
    rect.Left += XYOffset.X;
    rect.Top += XYOffset.Y;
  } else {
    rect = TRect{rect.Left + XYOffset.X, rect.Top + XYOffset.Y, rect.Right - XYOffset.X, rect.Bottom - XYOffset.Y};
  }
  if (sortButton) rect.Right -= 17;
  int32_t angle = 0;
  const bool rotated = IsRotated(c, r, angle);
  TSize size;
  if (kind == ckMarkup) {
    if (!wrapToWidth) rect.Right = 65535;
    rect.Bottom = 65535;
    TMarkupParams params;
    FillMarkupParams(c, r, params);
    params.MeasureOnly = true;
    params.WordWrap = wrapToWidth;
    TMarkupOutputs out;
    RenderMarkup(canvas, text, rect, params, out);
    return TSize{out.MeasuredWidth + 2, out.MeasuredHeight + 2};
  }
  if (kind == ckRichText) {
    try {
      // Laid out as it is painted: inside the cell's offset on both sides, wrapped only to a given width.
      const int32_t inset = 2 * XYOffset.X;
      const TRichLayout layout(ReadStoredRich(text), ToQFont(canvas.Font()), clBlack,
                               wrapToWidth ? rect.Right - rect.Left - inset : 0);
      const QSizeF s = layout.Size();
      return TSize{int32_t(std::ceil(s.width())) + inset, int32_t(std::ceil(s.height())) + 4};
    } catch (const ERichTextError&) {
      // measured as the text it is
    }
  }
  if (wrapToWidth) {
    rect = TRect{rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2};
    if (EditMode() && c == RealCol() && r == Row() && text.endsWith(QLatin1Char('\n'))) text += QLatin1Char('w');
    TRect measured = rect;
    const uint32_t breakFlag = rotated ? DT_SINGLELINE : DT_WORDBREAK;
    const int32_t h =
        canvas.DrawText(text, measured, DT_CALCRECT | breakFlag | DT_EXPANDTABS | DT_NOPREFIX | DT_EDITCONTROL);
    size = TSize{rect.Right - rect.Left, h};
  } else {
    // Lines are measured by the grid's text measurer, the one its sizing to content is made to use.
    const IGridTextMeasurer& measurer = TextMeasurer();
    QString rest = text, line;
    int32_t lines = 0, width = 0;
    do {
      SplitFirstLine(rest, Multilinecells, line);
      if (kind == ckPlain && URLShow && !URLFull) StripUrlScheme(line);
      width = std::max(width, measurer.TextSize(font, line).cx);
      ++lines;
    } while (!rest.isEmpty());
    size = TSize{width, measurer.TextSize(font, QStringLiteral("gh")).cy * lines};
  }
  if (rotated) size = RotatedTextSize(size, angle);
  return size;
}

void TQrvStringGrid::AddRotated(int32_t c, int32_t r, int16_t angle, const QString& text) {
  TCellGraphic* g = CreateCellGraphic(c, r);
  g->SetCellType(ctRotated);
  g->SetAngle(angle);
  SetCells(c, r, text);
}

void TQrvStringGrid::SetRotated(int32_t c, int32_t r, int16_t angle) {
  TCellGraphic* g = GetCellGraphic(c, r);
  if (!g) {
    g = CreateCellGraphic(c, r);
    g->SetCellType(ctRotated);
  }
  g->SetAngle(angle);
  RepaintCell(RealToDisplayCol(c), r);
}

void TQrvStringGrid::RemoveRotated(int32_t c, int32_t r) {
  RemoveCellGraphicOfType(c, r, ctRotated);
}

bool TQrvStringGrid::IsRotated(int32_t c, int32_t r, int32_t& angle) {
  if (GetCellType(c, r) != ctRotated) return false;
  if (const TCellGraphic* g = GetCellGraphic(c, r)) angle = g->CellAngle();
  return true;
}
