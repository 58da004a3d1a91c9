// The sort indicator in a header cell: a small bevelled arrow for the sort direction, or the grid's sort glyphs
// when both are set; with sort indexes shown, a filled triangle (or the index glyph) and the column's place among
// the sort columns.
#include "UQrvStringGrid.h"

bool TQrvStringGrid::ShowsSortIndicator(int32_t c, int32_t rc, int32_t r) const {
  return IsSortIndicatorCell(c, r) && (rc == SortSettings.Column || SortSettings.Indexes.FindIndex(rc) >= 0) &&
         FixedRows() > 0 && (c >= FixedCols() || SortSettings.FixedCols);
}

int32_t TQrvStringGrid::SortIndicatorY(const TRect& rect, TVAlignment vAlign) {
  switch (vAlign) {
    case vtaTop:
      return rect.Top + 8;
    case vtaBottom:
      return rect.Bottom - 8;
    default:
      return (rect.Top + rect.Bottom) / 2;
  }
}

void TQrvStringGrid::DrawSortIndicator(TCanvas& canvas, int32_t aCol, int32_t y, int32_t x) {
  const TSortIndexList& indexes = SortSettings.Indexes;
  if (const int32_t index = indexes.FindIndex(RealColIndex(aCol)); index >= 0) {
    // A sort index keeps its room in the header but shows only with IndexShow.
    if (!SortSettings.IndexShow) return;
    // The triangle points up for a descending entry; the glyph is the one named after the triangle it replaces.
    const bool up = !indexes.GetSortDirections(index);
    const TPen keptPen = canvas.Pen();
    const TBrush keptBrush = canvas.Brush();
    const TFont keptFont = canvas.Font();
    if (!SortSettings.IndexUpGlyph.Empty() && !SortSettings.IndexDownGlyph.Empty()) {
      canvas.Draw(x - 4, y - 4, up ? SortSettings.IndexUpGlyph : SortSettings.IndexDownGlyph);
    } else {
      canvas.Pen().Width = 1;
      canvas.Pen().Color = SortSettings.IndexColor;
      canvas.Brush().Color = SortSettings.IndexColor;
      canvas.Brush().Style = bsSolid;
      const int32_t tip = up ? y - 4 : y + 4, flat = up ? y + 4 : y - 4;
      canvas.Polygon({Point(x - 4, flat), Point(x + 4, flat), Point(x, tip)});
    }
    // The place among the sort columns, left of the triangle: right of it, a narrow header would cut it off.
    canvas.Font().SetSize(6);
    canvas.Font().Color = clBlack;
    canvas.Font().Style = TFontStyles();
    const QString number = QString::number(index + 1);
    canvas.SetBkMode(bkTransparent);
    canvas.TextOut(x - 5 - canvas.TextWidth(number), y - canvas.TextHeight(number) / 2, number);
    canvas.SetFont(keptFont);
    canvas.SetBrush(keptBrush);
    canvas.SetPen(keptPen);
    return;
  }
  const bool down = SortSettings.Direction == sdDescending;
  if (!SortSettings.UpGlyph.Empty() && !SortSettings.DownGlyph.Empty()) {
    canvas.Draw(x - 4, y - 4, down ? SortSettings.DownGlyph : SortSettings.UpGlyph);
    return;
  }
  // The lit edge on the right, the shaded ones left and along the flat side, as on a raised header.
  const TPen kept = canvas.Pen();
  canvas.Pen().Width = 1;
  const int32_t flat = down ? y - 4 : y + 4;
  const int32_t tip = down ? y + 4 : y - 4;
  canvas.Pen().Color = clWhite;
  canvas.MoveTo(x + 4, flat);
  canvas.LineTo(x, tip);
  canvas.Pen().Color = clGray;
  canvas.LineTo(x - 4, flat);
  canvas.LineTo(x + 4, flat);
  canvas.Pen() = kept;
}
