// Links written into cells: found under the mouse by laying out the cell's markup, so the cursor, the hover
// events, the hover underline, the link's hint and a press all agree on which link (if any) is meant.
#include "UQrvStringGrid.h"
#include "URenderMarkup.h"
#include "UValueText.h"

QString TQrvStringGrid::CellLinkAt(int32_t c, int32_t r, int32_t x, int32_t y, bool markupOnly, TMarkupOutputs* hit) {
  if (c < 0 || r < 0 || c >= ColCount() || r >= RowCount()) return {};
  const TPoint base = BaseCell(c, r);
  const int32_t rc = RealColIndex(base.X);
  const QString text = Cells(rc, base.Y);
  if (DetectCellTextKind(text, EnableHTML) == ckMarkup) {
    TMarkupOutputs out;
    HitCellMarkup(rc, base.Y, x, y, out);
    // The renderer names a hit control "ctrl"; a control is no link.
    if (!out.HitControlType.isEmpty()) return {};
    if (hit) *hit = out;
    return out.HitHref;
  }
  if (markupOnly || !URLShow || !LooksLikeUrl(text)) return {};
  return text;
}

QString TQrvStringGrid::AnchorHintOf(const TPoint& cell, const QString& link, const QString& title) {
  QString hint = title.isEmpty() ? link : title;
  if (OnAnchorHint) OnAnchorHint(this, cell.Y, cell.X, hint);
  return hint;
}

void TQrvStringGrid::HoverLink(int32_t c, int32_t r, int32_t x, int32_t y) {
  TMarkupOutputs hit;
  const QString link = CellLinkAt(c, r, x, y, true, &hit);
  const TPoint base = link.isEmpty() ? TPoint{-1, -1} : BaseCell(c, r);
  const int32_t number = link.isEmpty() ? -1 : hit.HitAnchorNumber;
  if (base.X != FHoverCell.X || base.Y != FHoverCell.Y || number != FHoverLink) {
    if (URLUnderlineOnHover) {
      if (FHoverCell.X >= 0) RepaintCell(FHoverCell.X, FHoverCell.Y);
      if (base.X >= 0) RepaintCell(base.X, base.Y);
    }
    FHoverCell = base;
    FHoverLink = number;
  }
  if (!link.isEmpty()) {
    // Another link's hint ends the hint shown; it comes back with the new text when the mouse rests.
    if (AnchorHint && FLastHintPos.X >= 0 && AnchorHintOf(base, link, hit.HitTitle) != FLastAnchorHint)
      FLastHintPos = {-1, -1};
    // Moving straight onto another link enters it; the exit is kept for leaving links altogether.
    if (link == FAnchor) return;
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
