// Cell objects: the room a cell's object needs, for auto-sizing (beside its text) and for painting (in an area).
#include <QImage>
#include <algorithm>
#include <cmath>

#include "UCanvas.h"
#include "UQrvStringGrid.h"

namespace {
bool BesideText(TCellHAlign hal) {
  return hal == haBeforeText || hal == haAfterText;
}
bool UnderOrAboveText(TCellVAlign val) {
  return val == vaUnderText || val == vaAboveText;
}
int32_t ButtonWidth(const TCellGraphic& g) {
  return g.CellIndex() & 0xFFFF;
}
int32_t ButtonHeight(const TCellGraphic& g) {
  return static_cast<int32_t>(static_cast<uint32_t>(g.CellIndex()) >> 16);
}
}  // namespace

TSize TQrvStringGrid::MeasureCellText(const QString& text) {
  QImage image(1, 1, QImage::Format_RGB32);
  TCanvas canvas(&image);
  canvas.SetFont(Font());
  return canvas.TextExtent(text);
}

int32_t TQrvStringGrid::CheckBoxTextWidth(int32_t c, int32_t r) {
  return MeasureCellText(Cells(c, r)).cx;
}

TSize TQrvStringGrid::ObjectCellSize(int32_t c, int32_t r) {
  const TGridRect block = FullCell(c, r);
  TSize size;
  for (int32_t col = block.Left; col <= block.Right; ++col) size.cx += ColWidths(DisplColIndex(col));
  for (int32_t row = block.Top; row <= block.Bottom; ++row) size.cy += RowHeights(row);
  return size;
}

TSize TQrvStringGrid::RadioGroupSize(const TCellGraphic& g, bool minimumItemHeight) {
  const QStringList* items = g.ObjectAs<QStringList>();
  if (!items) return {};
  const int32_t th = MeasureCellText(QStringLiteral("gh")).cy;
  TSize size;
  if (g.CellBoolean()) {
    for (const QString& item : *items) size.cx += MeasureCellText(item).cx + 12;
    size.cy = th;
  } else {
    int32_t widest = 0;
    for (const QString& item : *items) widest = std::max(widest, MeasureCellText(item).cx);
    size.cx = 12 + widest;
    size.cy = static_cast<int32_t>(items->size()) * (minimumItemHeight ? std::max(16, th) : th);
  }
  return size;
}

TSize TQrvStringGrid::MultiImageSize(const TCellGraphic& g, int32_t c, int32_t r) {
  const TIntList* list = g.ObjectAs<TIntList>();
  const TSize image = CellImageSize(c, r);
  const int32_t n = list ? list->Count() : 0;
  return g.CellBoolean() ? TSize{n * image.cx, image.cy} : TSize{image.cx, n * image.cy};
}

TPoint TQrvStringGrid::MeasureCellContent(int32_t c, int32_t r, int32_t extra) {
  const TCellGraphic* g = GetCellGraphic(c, r);
  if (!g) return {0, 0};
  const TCellHAlign hal = g->CellHAlign();
  const TCellVAlign val = g->CellVAlign();
  const bool beside = BesideText(hal);
  const bool withText = !Cells(c, r).isEmpty();
  const TSize cell = ObjectCellSize(c, r);
  int32_t w = 0;
  int32_t h = 0;
  bool skipFullWidth = false;
  switch (g->CellType()) {
    case ctIcon:
      if (const TIcon* icon = g->IconObject()) {
        w = beside || !withText ? icon->Width() : 0;
        h = icon->Height();
      }
      break;
    case ctBitmap:
      if (const TBitmap* bitmap = g->ObjectAs<TBitmap>()) {
        w = beside || !withText ? bitmap->Width() : 0;
        h = UnderOrAboveText(val) || !withText ? bitmap->Height() : 0;
      }
      break;
    case ctImageList:
    case ctDataImage: {
      const TSize image = CellImageSize(c, r);
      w = beside || !withText ? image.cx : 0;
      h = UnderOrAboveText(val) || !withText ? image.cy : 0;
      break;
    }
    case ctPicture:
    case ctFilePicture: {
      const TPoint p =
          g->GetPictureSize(cell.cx - 2 * XYOffset.X - 1, cell.cy - 2 * XYOffset.Y - extra - 1, withText);
      w = p.X;
      h = p.Y;
      break;
    }
    case ctButton:
    case ctBitButton:
      w = ButtonWidth(*g);
      h = ButtonHeight(*g);
      if (withText) {
        if (hal == haCenter || UnderOrAboveText(val))
          w = 0;
        else if (hal == haFull)
          w = MeasureCellText(g->CellText()).cx + 4;
        if (!UnderOrAboveText(val)) h = 0;
      } else if (hal == haFull && !g->CellText().isEmpty()) {
        w = MeasureCellText(g->CellText()).cx + 4;
        skipFullWidth = true;
      }
      break;
    case ctInterface:
      if (IGridCellObject* object = g->CellObjectInterface()) {
        w = object->GetWidth();
        h = object->GetHeight();
        if (w == 0 || h == 0) {
          w = cell.cx;
          h = cell.cy;
        }
      }
      break;
    case ctProgressPie:
      w = h = 20;
      break;
    case ctRadioButton:
      w = h = ControlLook.RadioSize;
      break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
      w = h = ControlLook.CheckSize;
      break;
    case ctRadio: {
      const TSize size = RadioGroupSize(*g, true);
      w = size.cx;
      h = size.cy;
      break;
    }
    case ctRating:
      w = g->CellAngle() * 18;
      h = 16;
      skipFullWidth = true;
      break;
    case ctImages: {
      const TSize size = MultiImageSize(*g, c, r);
      w = size.cx;
      h = size.cy;
      break;
    }
    default:
      break;
  }
  if (val == vaFull) h = cell.cy;
  if (hal == haFull && !skipFullWidth) w = cell.cx;
  return {w, h};
}

TPoint TQrvStringGrid::MeasureCellLayout(int32_t c, int32_t r, int32_t cw, int32_t rh, double scale) {
  const TCellGraphic* g = GetCellGraphic(c, r);
  if (!g) return {0, 0};
  const bool withText = !Cells(c, r).isEmpty();
  switch (g->CellType()) {
    case ctBitmap:
      if (const TBitmap* bitmap = g->ObjectAs<TBitmap>()) return {bitmap->Width(), bitmap->Height()};
      return {0, 0};
    case ctIcon:
      if (const TIcon* icon = g->IconObject()) return {icon->Width(), icon->Height()};
      return {0, 0};
    case ctImageList: {
      const TSize image = CellImageSize(c, r);
      return {BesideText(g->CellHAlign()) || !withText ? image.cx : 0, image.cy};
    }
    case ctDataImage: {
      const TSize image = CellImageSize(c, r);
      return {image.cx, image.cy};
    }
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
      return {ControlLook.CheckSize, ControlLook.CheckSize};
    case ctRadioButton:
      return {ControlLook.RadioSize, ControlLook.RadioSize};
    case ctNode:
    case ctProgressPie:
      return {20, 20};
    case ctRadio: {
      const TSize size = RadioGroupSize(*g, false);
      return {size.cx, size.cy};
    }
    case ctImages: {
      const TSize size = MultiImageSize(*g, c, r);
      return {size.cx, size.cy};
    }
    case ctPicture:
    case ctFilePicture: {
      const TPoint p = g->GetPictureSize(cw, rh, withText);
      if (scale <= 0) return p;
      return {static_cast<int32_t>(std::nearbyint(p.X / scale)), static_cast<int32_t>(std::nearbyint(p.Y / scale))};
    }
    case ctProgress:
    case ctXPProgress:
      return {ColWidths(DisplColIndex(c)), RowHeights(r)};
    case ctButton:
    case ctBitButton:
      return {ButtonWidth(*g), ButtonHeight(*g)};
    case ctInterface:
      if (IGridCellObject* object = g->CellObjectInterface()) {
        const TSize cell = ObjectCellSize(c, r);
        const int32_t w = object->GetWidth();
        const int32_t h = object->GetHeight();
        return {w == 0 ? cell.cx : w, h == 0 ? cell.cy : h};
      }
      return {0, 0};
    case ctShape: {
      const int32_t side = RowHeights(r) - 2 * XYOffset.Y;
      return {side, side};
    }
    default:
      return {0, 0};
  }
}
