// Links written into cells: found under the mouse by laying out the cell's markup, so the cursor, the hover
// events and a press all agree on which link (if any) is meant.
#include "UQrvStringGrid.h"
#include "URenderMarkup.h"
#include "UValueText.h"

QString TQrvStringGrid::CellLinkAt(int32_t c, int32_t r, int32_t x, int32_t y, bool markupOnly) {
  if (c < 0 || r < 0 || c >= ColCount() || r >= RowCount()) return {};
  const TPoint base = BaseCell(c, r);
  const int32_t rc = RealColIndex(base.X);
  const QString text = Cells(rc, base.Y);
  if (DetectCellTextKind(text, EnableHTML) == ckMarkup) {
    TMarkupOutputs out;
    HitCellMarkup(rc, base.Y, x, y, out);
    // The renderer names a hit control "ctrl"; a control is no link.
    return out.HitControlType.isEmpty() ? out.HitHref : QString();
  }
  if (markupOnly || !URLShow || !LooksLikeUrl(text)) return {};
  return text;
}

void TQrvStringGrid::HoverLink(int32_t c, int32_t r, int32_t x, int32_t y) {
  const QString link = CellLinkAt(c, r, x, y, true);
  if (!link.isEmpty()) {
    // Moving straight onto another link enters it; the exit is kept for leaving links altogether.
    if (link == FAnchor) return;
    const TPoint base = BaseCell(c, r);
    FAnchor = link;
    FAnchorCell = base;
    if (OnAnchorEnter) OnAnchorEnter(this, base.Y, base.X, link);
    return;
  }
  if (FAnchor.isEmpty()) return;
  const QString left = FAnchor;
  const TPoint cell = FAnchorCell;
  FAnchor.clear();
  FAnchorCell = {-1, -1};
  if (OnAnchorExit) OnAnchorExit(this, cell.Y, cell.X, left);
}
