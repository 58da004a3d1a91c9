// The sort column's indicator in its header cell: a small bevelled arrow for the sort direction, or the grid's
// sort glyphs when both are set.
#include "UQrvStringGrid.h"

bool TQrvStringGrid::ShowsSortIndicator(int32_t c, int32_t rc, int32_t r) const {
  return IsSortIndicatorCell(c, r) && rc == SortSettings.Column && FixedRows() > 0 &&
         (c >= FixedCols() || SortSettings.FixedCols);
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
  (void)aCol;
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
