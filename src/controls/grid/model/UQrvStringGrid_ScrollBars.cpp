// The kind of scroll bars (the window's usual ones, its flat ones, or thin owner-drawn ones), the flat bars'
// colour and thickness, and proportional thumbs placed by pixels rather than cells.
#include <numeric>

#include "UQrvStringGrid.h"

namespace {
bool Has_Bar(TScrollStyle bars, bool vertical) {
  return bars == ssBoth || bars == (vertical ? ssVertical : ssHorizontal);
}

IFlatScrollBars* Flat_Bars(IGridHost* host) {
  return host ? host->FlatScrollBars() : nullptr;
}

// One property of the window's flat bars, only while they are on.
void Set_Flat_Prop(IGridHost* host, bool isFlat, TFlatScrollProp prop, int32_t value) {
  if (IFlatScrollBars* flat = Flat_Bars(host); flat && isFlat) flat->SetProp(prop, value, true);
}

// Regular bars for ssNormal; ssMetro has no flat bars to style.
void Apply_Flat_Style(IGridHost* host, bool isFlat, TGridScrollType type) {
  if (type == ssMetro) return;
  const TFlatScrollStyle style = type == ssFlat ? fssFlat : type == ssEncarta ? fssEncarta : fssRegular;
  Set_Flat_Prop(host, isFlat, fspVertStyle, style);
  Set_Flat_Prop(host, isFlat, fspHorzStyle, style);
}
}  // namespace

void TQrvStringGrid::SetScrollType(TGridScrollType value) {
  if (value == FScrollType) return;
  FScrollType = value;
  IFlatScrollBars* flat = Flat_Bars(Host());
  if (value == ssFlat || value == ssEncarta) {
    FIsFlat = flat && flat->Initialize();
    UpdateFlatScrollBars();
  } else {
    FIsFlat = false;
    if (flat) flat->Uninitialize();
  }
  if (Host() && value == ssMetro) {
    Host()->SetScrollControls(true);
    ScrollBars = ssNone;
  } else if (Host() && Host()->HasScrollControls()) {
    Host()->SetScrollControls(false);
    ScrollBars = ssBoth;
  }
  Apply_Flat_Style(Host(), FIsFlat, value);
  NotifyGeometry();
}

void TQrvStringGrid::SetScrollColor(TColor value) {
  FScrollColor = value;
  // No colour of the grid's own means the desktop's: a colour set before must not stay on the bars.
  const TColor shown = value == clNone ? clScrollBar : value;
  Set_Flat_Prop(Host(), FIsFlat, fspVertColor, static_cast<int32_t>(shown));
  Set_Flat_Prop(Host(), FIsFlat, fspHorzColor, static_cast<int32_t>(shown));
}

void TQrvStringGrid::SetScrollWidth(int32_t value) {
  FScrollWidth = value;
  Set_Flat_Prop(Host(), FIsFlat, fspVertWidth, value);
  Set_Flat_Prop(Host(), FIsFlat, fspHorzHeight, value);
}

void TQrvStringGrid::SetScrollProportional(bool value) {
  FScrollProportional = value;
  if (value) {
    UpdateVertProportionalScroll();
    UpdateHorzProportionalScroll();
    return;
  }
  if (FIsFlat && FScrollType == ssNormal) {
    FIsFlat = false;
    if (IFlatScrollBars* flat = Flat_Bars(Host())) flat->Uninitialize();
  }
  // Back to one step per cell.
  NotifyGeometry();
}

void TQrvStringGrid::CreateWndScrollBars() {
  if (!Host() || IsDesigning()) return;
  if (FScrollType == ssMetro) {
    Host()->SetScrollControls(true);
    ScrollBars = ssNone;
  }
  if (FScrollType != ssFlat && FScrollType != ssEncarta) return;
  IFlatScrollBars* flat = Flat_Bars(Host());
  FIsFlat = flat && flat->Initialize();
  UpdateFlatScrollBars();
}

void TQrvStringGrid::UpdateFlatScrollBars() {
  IFlatScrollBars* flat = Flat_Bars(Host());
  if (!flat || !FIsFlat) return;
  Apply_Flat_Style(Host(), FIsFlat, FScrollType);
  SetScrollColor(FScrollColor);
  SetScrollWidth(FScrollWidth);
  // Only the bars ScrollBars asks for are touched.
  if (Has_Bar(ScrollBars, true)) flat->Show(true, VisibleRowCount() + FixedRows() < RowCount());
  if (Has_Bar(ScrollBars, false)) flat->Show(false, VisibleColCount() + FixedCols() < ColCount());
}

void TQrvStringGrid::UpdateHorzProportionalScroll() {
  if (IsLoading() || IsDesigning() || !FScrollProportional || FScrollLock || !Host()) return;
  std::vector<int32_t> widths(ColCount());
  for (int32_t c = 0; c < ColCount(); ++c) widths[c] = ColWidths(c);
  const TProportionalScroll p = HorzProportionalScroll(widths, FixedCols(), LeftCol(), GridLineWidth(), Width());
  if (!p.Set) return;
  Host()->SetProportionalScroll(false, p);
  if (ScrollBarAlways() == saHorz || ScrollBarAlways() == saBoth) return;
  const int64_t plain = std::accumulate(widths.begin(), widths.end(), int64_t{0});
  if (plain < Width() || !Has_Bar(ScrollBars, false)) Host()->HideScrollBar(false);
}

void TQrvStringGrid::UpdateVertProportionalScroll() {
  if (IsLoading() || IsDesigning() || !FScrollProportional || FScrollLock || !Host()) return;
  std::vector<int32_t> heights(RowCount());
  for (int32_t r = 0; r < RowCount(); ++r) heights[r] = RowHeights(r);
  const bool allFit = VisibleRowCount() + FixedRows() >= RowCount();
  const TProportionalScroll p =
      VertProportionalScroll(heights, FixedRows(), TopRow(), GridLineWidth(), Height(), allFit);
  if (p.Set) Host()->SetProportionalScroll(true, p);
}

void TQrvStringGrid::ColWidthsChanged() {
  RestretchColumn();
  if (ColumnSize().Stretch()) UpdateVertProportionalScroll();
}
