// The view's scroll bars: in whole cells, or in proportional positions the grid works out from its pixels; shown
// as ScrollBars, ScrollBarAlways and the grid ask; drawn flat through the view's flat bars; replaced by thin
// owner-drawn bars with ssMetro. A dragged thumb moves the cells at once only with ScrollSynch. With the search strip
// shown, the vertical bar's steps at the end of the rows bring the last row up above the strip.
#include <QScrollBar>

#include "UFlatScrollBar.h"
#include "UGridView.h"
#include "UScrollControl.h"

namespace {
bool Has_Bar(TScrollStyle bars, bool vertical) {
  return bars == ssBoth || bars == (vertical ? ssVertical : ssHorizontal);
}

// The owner-drawn bars' thickness.
constexpr int Control_Thickness = 6;
}  // namespace

void TGridView::Update_Scroll_Bars() {
  if (FSyncing) return;
  FSyncing = true;
  const QSize before = viewport()->size();
  const TBaseGrid& g = *FGrid;
  QScrollBar* v = verticalScrollBar();
  QScrollBar* h = horizontalScrollBar();
  v->setRange(g.FixedRows() < g.RowCount() ? g.FixedRows() : 0, std::max(g.FixedRows(), g.MaxTopRow()));
  v->setPageStep(g.VisibleRowCount());
  // A thumb being dragged stays under the mouse.
  if (!v->isSliderDown()) v->setValue(g.TopRow());
  h->setRange(g.FixedCols() < g.ColCount() ? g.FixedCols() : 0, std::max(g.FixedCols(), g.MaxLeftCol()));
  h->setPageStep(g.VisibleColCount());
  if (!h->isSliderDown()) h->setValue(g.LeftCol());
  for (int i = 0; i < 2; ++i) FProportional[i] = FHiddenByGrid[i] = false;
  if (FAdvanced) {
    FAdvanced->UpdateFlatScrollBars();
    FAdvanced->UpdateVertProportionalScroll();
    FAdvanced->UpdateHorzProportionalScroll();
  }
  Apply_Bar_Policy(true);
  Apply_Bar_Policy(false);
  for (TScrollControl* c : FScrollControls)
    if (c) c->update();
  FSyncing = false;
  // A bar that came or went changed how many cells fit: once more with the new size.
  if (viewport()->size() != before && !FBarsAgain) {
    FBarsAgain = true;
    Update_Scroll_Bars();
    FBarsAgain = false;
  }
}

void TGridView::SetScrollBarShown(bool vertical, bool always, bool enabled) {
  FAlways[vertical ? 0 : 1] = always;
  Apply_Bar_Policy(vertical);
  (vertical ? verticalScrollBar() : horizontalScrollBar())->setEnabled(enabled);
}

void TGridView::Apply_Bar_Policy(bool vertical) {
  const int i = vertical ? 0 : 1;
  const bool hidden = FHiddenByGrid[i] || (FFlatBars && FFlatBars->Hidden(vertical));
  // A bar kept shown always stays; ScrollBars leaving a bar out wins over everything.
  const bool off = (FAdvanced && !Has_Bar(FAdvanced->ScrollBars, vertical)) || (hidden && !FAlways[i]);
  const bool on = !off && FAlways[i];
  std::optional<Qt::ScrollBarPolicy>& before = FPolicyBeforeGrid[i];
  const Qt::ScrollBarPolicy current = vertical ? verticalScrollBarPolicy() : horizontalScrollBarPolicy();
  Qt::ScrollBarPolicy wanted = current;
  if (off || on) {
    if (!before) before = current;
    wanted = off ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn;
  } else if (before) {
    wanted = *before;
    before.reset();
  }
  if (wanted != current && vertical) setVerticalScrollBarPolicy(wanted);
  if (wanted != current && !vertical) setHorizontalScrollBarPolicy(wanted);
}

void TGridView::scrollContentsBy(int dx, int dy) {
  // Only the bar that moved: the other one may stand at its end while the grid is past it (clear of the search
  // strip), and must not pull the cells back.
  if (dy != 0) Follow_Bar(true, false);
  if (dx != 0) Follow_Bar(false, false);
}

int32_t TGridView::ScrollBarCell(bool vertical, int value) const {
  if (!FProportional[vertical ? 0 : 1]) return value;
  const TBaseGrid& g = *FGrid;
  const int32_t cell = vertical ? ProportionalCell(value, g.RowCount(), g.VisibleRowCount(), g.FixedRows())
                                : ProportionalCell(value, g.ColCount(), g.VisibleColCount(), g.FixedCols());
  const int32_t first = vertical ? g.FixedRows() : g.FixedCols();
  return std::max(first, std::min(cell, std::max(first, vertical ? g.MaxTopRow() : g.MaxLeftCol())));
}

void TGridView::Follow_Bar(bool vertical, bool released) {
  if (FSyncing) return;
  // The grid scrolls in whole cells: a bar's value stands for the first scrollable row or column shown. Without
  // ScrollSynch a dragged thumb only shows where it would go until it is let go.
  const bool live = !FAdvanced || FAdvanced->ScrollSynch;
  QScrollBar* bar = vertical ? verticalScrollBar() : horizontalScrollBar();
  if (!released && !live && bar->isSliderDown()) return;
  const int32_t first = ScrollBarCell(vertical, bar->value());
  FSyncing = true;
  vertical ? FGrid->SetTopRow(first) : FGrid->SetLeftCol(first);
  if (released && vertical) Clear_Search_Panel_At_End();
  FSyncing = false;
  // The bars now stand where the cells are (a proportional thumb as the pixels put it).
  if (released) Update_Scroll_Bars();
  Place_Editor();
}

void TGridView::Clear_Search_Panel_At_End() {
  if (!FAdvanced || !FAdvanced->SearchFooterShown()) return;
  TQrvStringGrid& g = *FAdvanced;
  if (g.TopRow() >= g.RowCount() - g.VisibleRowCount()) g.ScrollAboveSearchFooter();
}

bool TGridView::Step_Around_Search_Panel(int action) {
  if (!FAdvanced || !FAdvanced->SearchFooterShown()) return false;
  TQrvStringGrid& g = *FAdvanced;
  QScrollBar* bar = verticalScrollBar();
  const int32_t top = g.TopRow(), first = g.FixedRows();
  const int32_t last = std::max(first, g.MaxTopRow());
  // Down the rows, but never back up from past the bar's end, where clearing the strip put the view.
  const auto down = [&](int32_t to) { return std::max(top, std::min(to, last)); };
  int32_t to = top;
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
      if (!g.LastRowAboveSearchFooter()) to = down(top + 1);
      break;
    case QAbstractSlider::SliderPageStepAdd:
      to = down(top + g.VisibleRowCount());
      break;
    case QAbstractSlider::SliderToMaximum:
      to = down(last);
      break;
    case QAbstractSlider::SliderSingleStepSub:
      to = top - 1;
      break;
    case QAbstractSlider::SliderPageStepSub:
      to = top - g.VisibleRowCount();
      break;
    case QAbstractSlider::SliderToMinimum:
      to = first;
      break;
    case QAbstractSlider::SliderMove: {
      // A dragged thumb is followed as always; a move made at once (the wheel over the bar) is a step, whose
      // direction is the thumb's: a bar at its end may stand for a view already past it.
      if (bar->isSliderDown()) return false;
      const int from = bar->value(), at = bar->sliderPosition();
      to = at > from ? down(ScrollBarCell(true, at)) : at < from ? std::min(top, ScrollBarCell(true, at)) : top;
      break;
    }
    default:
      return false;
  }
  const bool up = to < top;
  FSyncing = true;
  g.SetTopRow(std::max(first, to));
  if (up) {
    // A row up that leaves the view still at the end goes one row further.
    if (action == QAbstractSlider::SliderSingleStepSub && g.TopRow() >= g.RowCount() - g.VisibleRowCount())
      g.SetTopRow(std::max(first, g.TopRow() - 1));
  } else {
    // Clearing the strip only after a step down: after a step up it would take the view straight back down.
    Clear_Search_Panel_At_End();
  }
  FSyncing = false;
  Update_Scroll_Bars();
  // The slider takes this position once the step is done, in place of the one the step worked out.
  bar->setSliderPosition(bar->value());
  Place_Editor();
  return true;
}

void TGridView::Step_Proportional_Bar(bool vertical, int action) {
  QScrollBar* bar = vertical ? verticalScrollBar() : horizontalScrollBar();
  if (!FProportional[vertical ? 0 : 1]) return;
  TBaseGrid& g = *FGrid;
  const int32_t first = vertical ? g.TopRow() : g.LeftCol();
  const int32_t page = vertical ? g.VisibleRowCount() : g.VisibleColCount();
  int32_t to = first;
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
      to = first + 1;
      break;
    case QAbstractSlider::SliderSingleStepSub:
      to = first - 1;
      break;
    case QAbstractSlider::SliderPageStepAdd:
      to = first + page;
      break;
    case QAbstractSlider::SliderPageStepSub:
      to = first - page;
      break;
    default:
      return;
  }
  const int32_t lo = vertical ? g.FixedRows() : g.FixedCols();
  to = std::max(lo, std::min(to, std::max(lo, vertical ? g.MaxTopRow() : g.MaxLeftCol())));
  FSyncing = true;
  vertical ? g.SetTopRow(to) : g.SetLeftCol(to);
  FSyncing = false;
  Update_Scroll_Bars();
  // The slider takes this position once the step is done, in place of the one the step worked out.
  bar->setSliderPosition(bar->value());
  Place_Editor();
}

IFlatScrollBars* TGridView::FlatScrollBars() {
  return FFlatBars.get();
}

void TGridView::SetProportionalScroll(bool vertical, const TProportionalScroll& scroll) {
  QScrollBar* bar = vertical ? verticalScrollBar() : horizontalScrollBar();
  FProportional[vertical ? 0 : 1] = true;
  const bool syncing = FSyncing;
  FSyncing = true;
  // Positions 0 .. Max - Page + 1 with a thumb of Page: the thumb's share of the bar is Page / (Max + 1).
  bar->setRange(0, std::max(0, scroll.Max - scroll.Page + 1));
  bar->setPageStep(std::max(0, scroll.Page));
  if (!scroll.KeepPosition && !bar->isSliderDown()) bar->setValue(scroll.Position);
  FSyncing = syncing;
}

void TGridView::HideScrollBar(bool vertical) {
  FHiddenByGrid[vertical ? 0 : 1] = true;
  if (!FSyncing) Apply_Bar_Policy(vertical);
}

void TGridView::SetScrollControls(bool on) {
  if (!FAdvanced || on == HasScrollControls()) return;
  if (!on) {
    for (TScrollControl*& c : FScrollControls) {
      delete c;
      c = nullptr;
    }
    return;
  }
  FScrollControls[0] = new TScrollControl(*FAdvanced, sdVertical, viewport());
  FScrollControls[1] = new TScrollControl(*FAdvanced, sdHorizontal, viewport());
  Place_Scroll_Controls();
  for (TScrollControl* c : FScrollControls) c->show();
}

void TGridView::Place_Scroll_Controls() {
  const QSize s = viewport()->size();
  if (FScrollControls[0])
    FScrollControls[0]->setGeometry(s.width() - Control_Thickness, 0, Control_Thickness, s.height());
  if (FScrollControls[1])
    FScrollControls[1]->setGeometry(0, s.height() - Control_Thickness, s.width(), Control_Thickness);
}
