// Rich-text cells drawn from their stored document, through the same reader as the rich edit.
#include "UCanvas.h"
#include "UQrvStringGrid.h"
#include "URichDocument.h"

bool TQrvStringGrid::PaintRichTextCell(int32_t c, int32_t r, const TRect& rect, TCanvas& canvas) {
  TRichRuns runs;
  try {
    runs = ReadStoredRich(Cells(c, r));
  } catch (const ERichTextError&) {
    return false;
  }
  const int32_t dc = RealToDisplayCol(c);
  const int32_t sr = MouseActions().RowSelectPersistent() ? DisplayToRealRow(r) : r;
  const bool focusedCurrent = dc == Col() && r == Row() && Focused();
  if (IsSelected(dc, sr) && !focusedCurrent && !SelectionRTFKeep && SelectionTextColor != clNone)
    for (TRichRun& run : runs) run.Format.Color = SelectionTextColor;
  // The offset keeps its size on screens of other resolutions, the way the text does.
  const int32_t ox = XYOffset.X * canvas.PixelsPerInch() / 96;
  const int32_t oy = XYOffset.Y * canvas.PixelsPerInch() / 96;
  const TRect area{rect.Left + ox, rect.Top + oy, rect.Right - ox, rect.Bottom - oy};
  if (area.Right <= area.Left || area.Bottom <= area.Top) return true;
  const TRichLayout layout(runs, ToQFont(canvas.Font()), canvas.Font().Color, area.Right - area.Left);
  layout.Draw(canvas.Painter(), area.Left, area.Top, area.Right - area.Left, area.Bottom - area.Top);
  return true;
}
