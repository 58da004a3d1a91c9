#include "UBaseGrid.h"

#include <algorithm>

#include "UCellGraphic.h"
#include "UQrvGridUndoRedo.h"
#include "UValueText.h"

TBaseGrid::TBaseGrid() {
  // The grid draws every cell and line itself, so the platform's geometry has no line width and no drawing.
  SetGridLineWidth(1);
  SetDefaultDrawing(false);
}

TBaseGrid::~TBaseGrid() {
  FDestroying = true;
  if (FUndoRedo) FUndoRedo->GridRemoved(this);
  // Every properties object in the store, also beyond the present counts, goes with the grid.
  std::vector<TPoint> owned;
  Store().ForEachObject([&](int32_t c, int32_t r, TObject* object) {
    if (dynamic_cast<TCellProperties*>(object)) owned.push_back(TPoint{c, r});
  });
  for (const TPoint& p : owned) {
    FreeSlotObject(Store().Object(p.X, p.Y));
    Store().SetObject(p.X, p.Y, nullptr);
  }
}

void TBaseGrid::FreeSlotObject(TObject* object) {
  // Only the grid's own properties are freed; a foreign object in a raw slot belongs to whoever put it there.
  delete dynamic_cast<TCellProperties*>(object);
}

void TBaseGrid::SetDefaultDrawing(bool value) {
  FDefaultDrawing = value;
  SetPlatformDefaultDrawing(false);
}

void TBaseGrid::SetGridLineWidth(int32_t value) {
  FGridLineWidth = value;
  SetPlatformGridLineWidth(0);
  Invalidate();
}

QString TBaseGrid::CellsThroughBase(int32_t c, int32_t r) const {
  TObject* object = nullptr;
  const QString* stored = &Store().Lookup(c, r, object);
  TPoint base{c, r};
  if (object) {
    base = BaseCell(c, r);
    if (base.X != c || base.Y != r) stored = &Store().Text(base.X, base.Y);
  }
  QString value = *stored;
  if (base.Y < FNormalRowCount) {
    GetDisplayText(base.X, base.Y, value);
    if (OnGetDisplWideText) {
      QString wide = DecodeWidePairs(value);
      GetDisplayWideText(base.X, base.Y, wide);
      value = EncodeWidePairs(wide);
    }
  }
  return value;
}

void TBaseGrid::SetCells(int32_t c, int32_t r, const QString& value) {
  if (HasCellProperties(c, r)) {
    const TPoint base = BaseCell(c, r);
    Store().SetText(base.X, base.Y, value);
    CellChanged(base.X, base.Y);
  } else {
    Store().SetText(c, r, value);
  }
  // Every write shows, whatever else happens to repaint the grid: a window that changes rows behind a question
  // would otherwise show the old rows until something else covers the cells.
  RepaintCell(DisplColIndex(c), r);
  if (FHideLastRow && r == RowCount() - 1) LastRowChanged();
}

bool TBaseGrid::HasCellProperties(int32_t c, int32_t r) const {
  // The slot first: most cells have none, and the store answers that without any virtual call.
  return Store().Object(c, r) != nullptr && c < TotalColCount() && r < RowCount();
}

TCellProperties* TBaseGrid::PropsOf(int32_t c, int32_t r) const {
  TObject* object = Store().Object(c, r);
  if (!object || c >= TotalColCount() || r >= RowCount()) return nullptr;
  return dynamic_cast<TCellProperties*>(object);
}

TCellProperties* TBaseGrid::CreateCellProperties(int32_t c, int32_t r, bool setCalcType) {
  auto* props = new TCellProperties(this, c, r);
  // The snapshot below asks the cell's looks, and these properties already answer for the cell: with looks of their
  // own they would hand back their built-in white and 8-point font instead of the grid's.
  props->ClearLooks();
  Store().SetObject(c, r, props);
  FHasCellProps = true;
  TFont font = Font();
  TBrush brush;
  brush.Color = Color();
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment hAlign = taLeftJustify;
  TVAlignment vAlign = vtaTop;
  bool wordWrap = FWordWrap;
  TCellGradientDirection dir = GradientVertical;
  GetDefaultCellProps(c, r, font, brush, colorTo, mirror, mirrorTo, hAlign, vAlign, wordWrap, dir);
  if (setCalcType) props->SetCalcType(acNONE);
  props->SetAlignment(hAlign);
  props->SetVAlignment(vAlign);
  props->SetWordWrap(wordWrap);
  props->SetFontName(font.Name);
  props->SetFontSize(font.Size());
  props->SetFontStyle(font.Style);
  props->SetFontColor(font.Color);
  props->SetBrushColor(brush.Color);
  props->SetBrushColorTo(colorTo);
  props->SetGradientDirection(dir);
  return props;
}

TCellProperties* TBaseGrid::GetCellProperties(int32_t c, int32_t r) {
  TObject* object = Store().Object(c, r);
  if (auto* props = dynamic_cast<TCellProperties*>(object)) return props;
  if (object) return nullptr;  // a foreign object in the raw slot is left alone
  if (c < 0 || r < 0) return nullptr;
  return CreateCellProperties(c, r, true);
}

void TBaseGrid::SetCellProperties(int32_t c, int32_t r, TCellProperties* value) {
  TObject* old = Store().Object(c, r);
  if (old == value) return;
  FreeSlotObject(old);
  Store().SetObject(c, r, value);
  if (value) FHasCellProps = true;
}

uintptr_t TBaseGrid::GetObjectEx(int32_t c, int32_t r) const {
  const TCellProperties* props = PropsOf(c, r);
  return props ? props->CellObject() : 0;
}

void TBaseGrid::SetObjectEx(int32_t c, int32_t r, uintptr_t value) {
  // Writing the placeholder and taking it back runs the write hooks as a real edit would, and leaves an empty
  // cell empty.
  const bool wasEmpty = Cells(c, r).isEmpty();
  if (wasEmpty) SetCells(c, r, QStringLiteral(" "));
  if (TCellProperties* props = GetCellProperties(c, r)) props->SetCellObject(value);
  if (wasEmpty) SetCells(c, r, QString());
}

TObject* TBaseGrid::GetGraphicObjectEx(int32_t c, int32_t r) const {
  return PropsGraphicObject(PropsOf(c, r));
}

void TBaseGrid::SetGraphicObjectEx(int32_t c, int32_t r, TObject* value) {
  if (FDestroying) return;
  TCellProperties* props = dynamic_cast<TCellProperties*>(Store().Object(c, r));
  if (!props && !Store().Object(c, r) && c >= 0 && r >= 0) props = CreateCellProperties(c, r, false);
  if (props) props->SetGraphicObject(value);
}

bool TBaseGrid::IsMergedCell(int32_t c, int32_t r) const {
  const TCellProperties* p = PropsOf(c, r);
  return p && (p->CellSpanX() > 0 || p->CellSpanY() > 0);
}

bool TBaseGrid::IsMergedNonBaseCell(int32_t c, int32_t r) const {
  const TCellProperties* p = PropsOf(c, r);
  return p && (p->CellSpanX() > 0 || p->CellSpanY() > 0) && !p->IsBaseCell();
}

bool TBaseGrid::IsXMergedCell(int32_t c, int32_t r) const {
  if (!PropsOf(c, r)) return false;
  const TPoint b = BaseCell(c, r);
  const TCellProperties* bp = PropsOf(b.X, b.Y);
  return bp && bp->CellSpanX() > 0;
}

bool TBaseGrid::IsYMergedCell(int32_t c, int32_t r) const {
  if (!PropsOf(c, r)) return false;
  const TPoint b = BaseCell(c, r);
  const TCellProperties* bp = PropsOf(b.X, b.Y);
  return bp && bp->CellSpanY() > 0;
}

bool TBaseGrid::IsBaseCell(int32_t c, int32_t r) const {
  const TCellProperties* p = PropsOf(c, r);
  return !p || p->IsBaseCell();
}

TPoint TBaseGrid::BaseCell(int32_t c, int32_t r) const {
  const TCellProperties* p = PropsOf(c, r);
  return p ? p->GetBaseCell(c, r) : TPoint{c, r};
}

bool TBaseGrid::FindBaseCell(int32_t c, int32_t r, int32_t& bc, int32_t& br) const {
  const TCellProperties* p = PropsOf(c, r);
  if (!p || p->IsBaseCell()) {
    bc = c;
    br = r;
    return true;
  }
  const TPoint b = p->GetBaseCell(c, r);
  bc = b.X;
  br = b.Y;
  return false;
}

TPoint TBaseGrid::CellSpan(int32_t c, int32_t r) const {
  const TCellProperties* p = PropsOf(c, r);
  if (!p || p->CellSpanX() == -1 || p->CellSpanY() == -1) return TPoint{0, 0};
  const TPoint b = BaseCell(c, r);
  const TCellProperties* bp = PropsOf(b.X, b.Y);
  return bp ? TPoint{bp->CellSpanX(), bp->CellSpanY()} : TPoint{0, 0};
}

TPoint TBaseGrid::CellExt(int32_t c, int32_t r) const {
  const TCellProperties* p = PropsOf(c, r);
  if (!p || p->CellSpanX() == -1 || p->CellSpanY() == -1) return TPoint{0, 0};
  const TPoint b = BaseCell(c, r);
  const TPoint span = CellSpan(c, r);
  return TPoint{b.X + span.X - c, b.Y + span.Y - r};
}

TGridRect TBaseGrid::FullCell(int32_t c, int32_t r) const {
  const TPoint b = BaseCell(c, r);
  const TPoint span = CellSpan(c, r);
  return TGridRect{b.X, b.Y, b.X + span.X, b.Y + span.Y};
}

int32_t TBaseGrid::MinRowSpan(int32_t r) const {
  int32_t result = RowCount();
  for (int32_t c = 0; c < ColCount(); ++c) {
    const int32_t y = CellSpan(c, r).Y;
    if (y > 0 && y < result) result = y;
  }
  return result;
}

int32_t TBaseGrid::MaxRowSpan(int32_t r) const {
  int32_t result = 0;
  for (int32_t c = 0; c < ColCount(); ++c) result = std::max(result, CellSpan(c, r).Y);
  return result;
}

bool TBaseGrid::RowSpanIdentical(int32_t r1, int32_t r2) const {
  bool found = false;
  for (int32_t c = 0; c < ColCount(); ++c) {
    if (CellSpan(c, r1).Y > 0 && CellSpan(c, r2).Y > 0) {
      found = true;
      if (BaseCell(c, r1).Y != BaseCell(c, r2).Y) return false;
    }
  }
  return found;
}

bool TBaseGrid::ColSpanIdentical(int32_t c1, int32_t c2) const {
  bool found = false;
  for (int32_t r = 0; r < RowCount(); ++r) {
    const int32_t x1 = CellSpan(c1, r).X;
    const int32_t x2 = CellSpan(c2, r).X;
    if (x1 > 0 && x2 > 0) {
      found = true;
      if (BaseCell(c1, r).X != BaseCell(c2, r).X) return false;
    } else if (x1 != x2) {
      return false;
    }
  }
  return found;
}

void TBaseGrid::MergeCells(int32_t c, int32_t r, int32_t spanX, int32_t spanY) {
  ++FMergeCount;
  if (spanX < 1 || spanY < 1) return;
  for (int32_t i = c; i < c + spanX; ++i) {
    for (int32_t j = r; j < r + spanY; ++j) {
      TCellProperties* p = GetCellProperties(i, j);
      if (!p) continue;
      const bool base = i == c && j == r;
      p->SetIsBaseCell(base);
      p->SetCellSpanX(base ? spanX - 1 : i - c);
      p->SetCellSpanY(base ? spanY - 1 : j - r);
    }
  }
  for (int32_t i = c; i < c + spanX; ++i)
    for (int32_t j = r; j < r + spanY; ++j) RepaintCell(i, j);
}

void TBaseGrid::SplitCells(int32_t c, int32_t r) {
  GetCellProperties(c, r);
  const TPoint b = BaseCell(c, r);
  const TCellProperties* bp = PropsOf(b.X, b.Y);
  const int32_t sx = bp ? bp->CellSpanX() : -1;
  const int32_t sy = bp ? bp->CellSpanY() : -1;
  for (int32_t i = b.X; i <= b.X + sx; ++i) {
    for (int32_t j = b.Y; j <= b.Y + sy; ++j) {
      if (TCellProperties* p = PropsOf(i, j)) {
        p->SetIsBaseCell(true);
        p->SetCellSpanX(-1);
        p->SetCellSpanY(-1);
      }
    }
  }
  for (int32_t i = b.X; i <= b.X + sx; ++i)
    for (int32_t j = b.Y; j <= b.Y + sy; ++j) RepaintCell(i, j);
  --FMergeCount;
}

TRect TBaseGrid::CalcCellRect(int32_t c, int32_t r) const {
  auto sum = [](auto sizeOf, int32_t from, int32_t to) {
    int32_t s = 0;
    for (int32_t i = from; i < to; ++i) s += sizeOf(i);
    return s;
  };
  auto width = [this](int32_t i) { return ColWidths(i); };
  auto height = [this](int32_t i) { return RowHeights(i); };
  int32_t left = sum(width, 0, c);
  int32_t top = sum(height, 0, r);
  if (c >= FixedCols()) left = left - sum(width, 0, LeftCol()) + sum(width, 0, FixedCols());
  if (r >= FixedRows()) top = top - sum(height, 0, TopRow()) + sum(height, 0, FixedRows());
  return TRect{left, top, left + ColWidths(c), top + RowHeights(r)};
}

TRect TBaseGrid::CellRect(int32_t c, int32_t r) const {
  const TCellProperties* p = PropsOf(c, r);
  if (p && (p->CellSpanX() > 0 || p->CellSpanY() > 0 || !p->IsBaseCell())) {
    const TGridRect block = FullCell(c, r);
    TRect first = CalcCellRect(block.Left, block.Top);
    TRect last = CalcCellRect(block.Right, block.Bottom);
    if (first.Width() == 0) ++first.Right;
    if (last.Width() == 0) --last.Left;
    return TRect{std::min(first.Left, last.Left), std::min(first.Top, last.Top), std::max(first.Right, last.Right),
                 std::max(first.Bottom, last.Bottom)};
  }
  if (p && p->Control()) return CalcCellRect(c, r);
  TRect rect = PlatformCellRect(c, r);
  if (rect.Right > rect.Left || rect.Bottom > rect.Top) {
    rect.Right = rect.Left + ColWidths(c);
    rect.Bottom = rect.Top + RowHeights(r);
  }
  return rect;
}

TSize TBaseGrid::CellSize(int32_t c, int32_t r) const {
  if (IsMergedCell(c, r) || !IsBaseCell(c, r)) {
    const TGridRect block = FullCell(c, r);
    const TRect first = CalcCellRect(block.Left, block.Top);
    const TRect last = CalcCellRect(block.Right, block.Bottom);
    return TSize{last.Right - first.Left, last.Bottom - first.Top};
  }
  const TRect rect = CalcCellRect(c, r);
  return TSize{rect.Width(), rect.Height()};
}

void TBaseGrid::RepaintCell(int32_t c, int32_t r) {
  if (!HandleAllocated() || FDestroying) return;
  InvalidatePlatformRect(CellRect(c, r), true);
}

void TBaseGrid::ResetCol(int32_t c) {
  for (int32_t r = 0; r < RowCount(); ++r) {
    Store().SetObject(c, r, nullptr);
    SetCells(c, r, QString());
  }
}

void TBaseGrid::ResetRow(int32_t r) {
  for (int32_t c = 0; c < TotalColCount(); ++c) {
    Store().SetObject(c, r, nullptr);
    SetCells(c, r, QString());
  }
}

void TBaseGrid::ClearCell(int32_t c, int32_t r) {
  SetCells(c, r, QString());
  Store().SetObject(c, r, nullptr);
}

void TBaseGrid::ClearProp(int32_t c, int32_t r) {
  FreeSlotObject(Store().Object(c, r));
  Store().SetObject(c, r, nullptr);
}

void TBaseGrid::ClearPropRect(int32_t c1, int32_t r1, int32_t c2, int32_t r2) {
  if (!FHasCellProps) return;
  for (int32_t c = c1; c <= c2; ++c) {
    for (int32_t r = r1; r <= r2; ++r) {
      if (Store().Object(c, r)) ClearProp(c, r);
    }
  }
}

void TBaseGrid::ClearAllProps() {
  ClearPropRect(0, 0, ColCount() - 1, RowCount() - 1);
}

void TBaseGrid::SetUndoRedo(TQrvGridUndoRedo* value) {
  if (FUndoRedo == value) return;
  if (FUndoRedo) FUndoRedo->GridRemoved(this);
  FUndoRedo = value;
  if (value) value->SetGrid(this);
}

void TBaseGrid::UndoRedoRemoved(TQrvGridUndoRedo* history) {
  if (FUndoRedo == history) FUndoRedo = nullptr;
}

bool TBaseGrid::IsFixed(int32_t, int32_t) const {
  return false;
}

int32_t TBaseGrid::GetNodeIndent(int32_t) const {
  return 0;
}

bool TBaseGrid::HasNodes() const {
  return false;
}

void TBaseGrid::LastRowChanged() {}

void TBaseGrid::GetDisplayText(int32_t c, int32_t r, QString& value) const {
  if (OnGetDisplText) OnGetDisplText(const_cast<TBaseGrid*>(this), c, r, value);
}

void TBaseGrid::GetDisplayWideText(int32_t c, int32_t r, QString& value) const {
  if (OnGetDisplWideText) OnGetDisplWideText(const_cast<TBaseGrid*>(this), c, r, value);
}

void TBaseGrid::GetDefaultCellProps(int32_t, int32_t, TFont& font, TBrush& brush, TColor& colorTo,
                                    TColor& mirrorColor, TColor& mirrorColorTo, TAlignment& hAlign,
                                    TVAlignment& vAlign, bool& wordWrap, TCellGradientDirection& gradientDir) {
  font = Font();
  brush.Color = Color();
  colorTo = mirrorColor = mirrorColorTo = clNone;
  hAlign = taLeftJustify;
  vAlign = vtaTop;
  wordWrap = FWordWrap;
  gradientDir = GradientVertical;
}

void TBaseGrid::CellChanged(int32_t, int32_t) {}

bool TBaseGrid::HasCustomBorders() const {
  return false;
}

bool TBaseGrid::UsesAppStyle() const {
  return false;
}

void TBaseGrid::GetVisualProperties(int32_t, int32_t, TGridDrawState&, bool, bool, bool, TBrush&, TColor&, TColor&,
                                    TColor&, TFont&, TAlignment&, TVAlignment&, bool&, TCellGradientDirection&) {}

int32_t TBaseGrid::DisplColIndex(int32_t c) const {
  return c;
}

int32_t TBaseGrid::TotalColCount() const {
  return ColCount();
}
