// Cell images from an image list: the grid's list, the index a cell shows, and drawing a cell's images.
#include "UCanvas.h"
#include "UQrvStringGrid.h"
#include "URenderMarkup.h"

TSize TQrvStringGrid::CellImageSize(int32_t c, int32_t r) {
  const TMarkupImageList* list = GetCellImageList(c, r);
  return list ? TSize{list->Width(), list->Height()} : TSize{};
}

bool TQrvStringGrid::GetImageIdx(int32_t c, int32_t r, int32_t& idx) {
  if (!GridImages) return false;
  const TCellGraphic* g = GetCellGraphic(c, r);
  if (!g || g->CellType() != ctImageList) return false;
  idx = g->CellIndex();
  return true;
}

void TQrvStringGrid::SetImageIdx(int32_t c, int32_t r, int32_t idx) {
  if (!GridImages) return;
  TCellGraphic* g = GetCellGraphic(c, r);
  if (!g || g->CellType() != ctImageList) return;
  g->SetCellIndex(idx);
  RepaintCell(DisplColIndex(c), r);
}

// An index outside the list draws nothing: a cell may name an image its list does not (yet) hold.
void TQrvStringGrid::DrawCellImages(TCanvas& canvas, const TRect& at, const TCellGraphic& g, int32_t rc, int32_t r) {
  const TMarkupImageList* list = GetCellImageList(rc, r);
  if (!list) return;
  auto draw = [&](int32_t index, int32_t x, int32_t y) {
    if (index >= 0 && index < list->Count()) canvas.DrawImage(x, y, list->Image(index));
  };
  switch (g.CellType()) {
    case ctImageList:
      draw(g.CellIndex(), at.Left, at.Top);
      break;
    case ctDataImage: {
      bool isNumber = false;
      const int32_t value = Cells(rc, r).trimmed().toInt(&isNumber);
      if (isNumber) draw(value + g.CellIndex(), at.Left, at.Top);
      break;
    }
    case ctImages:
      if (const TIntList* indexes = g.ObjectAs<TIntList>()) {
        int32_t x = at.Left, y = at.Top;
        for (int32_t i = 0; i < indexes->Count(); ++i) {
          draw(indexes->GetInteger(i), x, y);
          if (g.CellBoolean())
            x += list->Width();
          else
            y += list->Height();
        }
      }
      break;
    default:
      break;
  }
}
