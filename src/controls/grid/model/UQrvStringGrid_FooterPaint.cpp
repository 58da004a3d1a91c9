// The footer strip under the cells: the grid's last row drawn as a fixed footer row, one cell of the current row
// shown large, a template filled from the current row, or the application's painting; and its hit test.
#include "UCanvas.h"
#include "UQrvStringGrid.h"
#include "URenderMarkup.h"

namespace {
constexpr TColor FooterGrey = 0x808080;
constexpr TColor FooterWhite = 0xFFFFFF;

// The raised frame of the preview styles.
void RaisedFrame(TCanvas& canvas, const TRect& r) {
  canvas.Pen().Width = 1;
  canvas.Pen().Color = FooterGrey;
  canvas.MoveTo(r.Left, r.Bottom - 1);
  canvas.LineTo(r.Right - 1, r.Bottom - 1);
  canvas.LineTo(r.Right - 1, r.Top - 1);
  canvas.Pen().Color = FooterWhite;
  canvas.MoveTo(r.Left, r.Bottom - 1);
  canvas.LineTo(r.Left, r.Top);
  canvas.LineTo(r.Right - 1, r.Top);
}
}  // namespace

int32_t TQrvStringGrid::FooterWidth() const {
  int32_t w = 0;
  for (int32_t c = 0; c < FixedCols(); ++c) w += ColWidths(c);
  for (int32_t c = std::max(LeftCol(), FixedCols()); c < ColCount(); ++c) w += ColWidths(c);
  return w;
}

int32_t TQrvStringGrid::FooterColumnAt(int32_t x) const {
  int32_t sum = 0;
  for (int32_t c = 0; c < FixedCols(); ++c) {
    sum += ColWidths(c);
    if (x < sum) return c;
  }
  for (int32_t c = std::max(LeftCol(), FixedCols()); c < ColCount(); ++c) {
    sum += ColWidths(c);
    if (x < sum) return c;
  }
  return -1;
}

void TQrvStringGrid::FooterClick(int32_t x) {
  Click();
  if (OnClickCell) OnClickCell(this, RowCount() - 1, FooterColumnAt(x));
}

int32_t TQrvStringGrid::PaintFloatingFooter(TCanvas& canvas, const TRect& client) {
  const TFloatingFooter& footer = *FFloatingFooter;
  const int32_t w = std::min(FooterWidth(), client.Right - client.Left);
  const TRect area{client.Left, client.Top, client.Left + w, client.Bottom};
  canvas.Brush().Style = bsSolid;
  auto fillRest = [&] {
    canvas.Brush().Color = Color();
    canvas.FillRect(TRect{area.Right, client.Top, client.Right, client.Bottom});
  };
  int32_t painted = w;
  switch (footer.FooterStyle()) {
    case fsFixedLastRow: {
      canvas.Brush().Color = footer.Color();
      canvas.FillRect(area);
      fillRest();
      const int32_t r = RowCount() - 1;
      if (r < 0) break;
      const bool vertLines = Options() & goFixedVertLine;
      const bool horzLines = Options() & goFixedHorzLine;
      // The raised looks light each column's left edge, as their header cells are lit.
      const bool raised = !Flat && (FLook == glSoft || FLook == glVyx || FLook == glXP || FLook == glVista);
      const int32_t top = client.Top + (horzLines ? 1 : 0);
      canvas.Pen().Width = 1;
      int32_t left = client.Left;
      auto paintColumn = [&](int32_t c) {
        const bool fixed = c < FixedCols();
        const int32_t edge = left + ColWidths(c) - 1;
        if (vertLines && raised) {
          canvas.Pen().Color = FooterWhite;
          canvas.MoveTo(left, client.Bottom - 1);
          canvas.LineTo(left, client.Top - 1);
        }
        if (horzLines) {
          canvas.Pen().Color = GridLineColor();
          canvas.MoveTo(left, client.Top);
          canvas.LineTo(edge + 1, client.Top);
        }
        if (vertLines) {
          canvas.Pen().Color = fixed || FLook == glVista ? GridLineColor() : FooterGrey;
          canvas.MoveTo(edge, client.Top);
          canvas.LineTo(edge, client.Bottom);
        }
        const TRect rect{left + (raised && horzLines ? 1 : 0), top, edge, client.Bottom};
        if (!fixed) {
          TBrush brush;
          brush.Color = clNone;
          TFont font = Font();
          if (OnGetCellColor) OnGetCellColor(this, r, RealColIndex(c), TGridDrawState(gdFixed), brush, font);
          const TColor own = Colors(RealColIndex(c), r);
          const TColor fill = own != clNone ? own : brush.Color;
          if (fill != clNone) {
            canvas.Brush().Color = fill;
            canvas.FillRect(rect);
          }
        }
        if (IsBaseCell(c, r) || !IsMergedNonBaseCell(c, r)) {
          if (!fixed && OnFooterPaint)
            OnFooterPaint(this, c, canvas, rect);
          else
            DrawGridCell(canvas, c, r, rect, TGridDrawState(gdFixed));
        }
        left = edge + 1;
      };
      for (int32_t c = 0; c < FixedCols(); ++c) paintColumn(c);
      for (int32_t c = std::max(LeftCol(), FixedCols()); c < ColCount() && left < client.Right; ++c) paintColumn(c);
      painted = left - client.Left;
      break;
    }
    case fsColumnPreview:
    case fsCustomPreview: {
      canvas.Brush().Color = footer.Color();
      canvas.FillRect(area);
      RaisedFrame(canvas, area);
      if (footer.FooterStyle() == fsColumnPreview) {
        // The preview is no selection: its text stays black whatever the selection's text colour. Stored without
        // the setting's repaint, which a paint must not ask for.
        struct TRestore {
          TNotifying<TColor>& Field;
          TColor Kept;
          ~TRestore() { Field.Store(Kept); }
        } restore{SelectionTextColor, SelectionTextColor};
        SelectionTextColor.Store(clBlack);
        if (OnFooterPaint)
          OnFooterPaint(this, footer.Column(), canvas, area);
        else if (footer.Column() >= 0 && footer.Column() < ColCount())
          DrawGridCell(canvas, footer.Column(), Row(), area, TGridDrawState());
      } else {
        TMarkupParams params;
        FillMarkupParams(footer.Column(), Row(), params);
        TMarkupOutputs outputs;
        canvas.Font() = Font();
        RenderMarkup(canvas, ExpandFooterTemplate(*this, footer.CustomTemplate(), Row()),
                     TRect{area.Left, area.Top + 2, area.Right, area.Bottom}, params, outputs);
      }
      fillRest();
      break;
    }
    case fsCustomPaint:
      if (OnFooterPaint) OnFooterPaint(this, footer.Column(), canvas, client);
      painted = client.Right - client.Left;
      break;
  }
  if (footer.BorderColor() != clNone) {
    canvas.Pen().Color = footer.BorderColor();
    canvas.MoveTo(client.Left, client.Top);
    canvas.LineTo(client.Left + painted, client.Top);
  }
  return painted;
}
