// The arithmetic of proportional scroll thumbs and of the thin owner-drawn bars, and what the grid's scroll-bar
// settings ask of its window.
#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "GridTestHost.h"
#include "UGridScrollBars.h"

namespace {
std::vector<int32_t> Sizes(int32_t fixed, int32_t fixedSize, int32_t count, int32_t size) {
  std::vector<int32_t> s(fixed, fixedSize);
  s.insert(s.end(), count, size);
  return s;
}

struct TProportionalCase {
  const char* name;
  std::vector<int32_t> sizes;
  int32_t fixed, first, line, control;
  bool set;
  int32_t max, page, position;
  bool keep;
};
}  // namespace

TEST(ProportionalScroll, HorizontalBarsTakeTheVisibleShareOfThePixels) {
  const std::vector<TProportionalCase> cases = {
      // Half the scrollable pixels visible: 0 .. 255 with a thumb of 129.
      {"half shown, at the start", Sizes(1, 50, 4, 100), 1, 1, 0, 250, true, 255, 129, 0, false},
      {"half shown, two columns in", Sizes(1, 50, 4, 100), 1, 2, 0, 250, true, 255, 129, 85, false},
      {"a quarter shown", Sizes(1, 50, 4, 100), 1, 1, 0, 150, true, 169, 43, 0, false},
      // Each column counts one grid line before it, and one more line starts each sum.
      {"grid lines counted", Sizes(1, 64, 10, 64), 1, 1, 1, 300, true, 198, 72, 0, false},
      {"grid lines counted, scrolled", Sizes(1, 64, 10, 64), 1, 6, 1, 300, true, 198, 72, 118, false},
      {"everything fits", Sizes(1, 50, 4, 100), 1, 1, 0, 450, false, 0, 0, 0, false},
      {"overflow of 4 pixels", Sizes(1, 50, 4, 100), 1, 1, 0, 446, false, 0, 0, 0, false},
      {"overflow of 5 pixels", Sizes(1, 16, 2, 64), 1, 1, 0, 139, true, 3275, 3149, 0, true},
      // As wide as the scrollable columns, but not as all of them: the thumb keeps its place.
      {"as wide as the scrollable columns", Sizes(1, 16, 2, 64), 1, 1, 0, 128, true, 1023, 897, 0, true},
      // Narrower than the fixed columns: nothing of the others shows.
      {"narrower than the fixed columns", Sizes(1, 300, 2, 100), 1, 1, 0, 150, true, 127, 1, 0, false},
      {"no scrollable pixels", Sizes(1, 100, 0, 0), 1, 1, 0, 50, false, 0, 0, 0, false},
  };
  for (const TProportionalCase& c : cases) {
    const TProportionalScroll p = HorzProportionalScroll(c.sizes, c.fixed, c.first, c.line, c.control);
    EXPECT_EQ(p.Set, c.set) << c.name;
    if (!c.set || !p.Set) continue;
    EXPECT_EQ(p.Max, c.max) << c.name;
    EXPECT_EQ(p.Page, c.page) << c.name;
    EXPECT_EQ(p.KeepPosition, c.keep) << c.name;
    if (!c.keep) {
      EXPECT_EQ(p.Position, c.position) << c.name;
    }
  }
}

TEST(ProportionalScroll, VerticalBarsHaveNoFivePixelRuleAndStandAtTheEndWhenTheRowsFit) {
  // 2 pixels of overflow: no horizontal bar, a vertical one (63/64 shown) standing at the end.
  const std::vector<int32_t> rows = Sizes(1, 16, 2, 64);
  EXPECT_FALSE(HorzProportionalScroll(rows, 1, 1, 0, 142).Set);
  TProportionalScroll p = VertProportionalScroll(rows, 1, 1, 0, 142, false);
  ASSERT_TRUE(p.Set);
  EXPECT_EQ(p.Max, 8191);
  EXPECT_EQ(p.Page, 8065);
  EXPECT_EQ(p.Position, 127);
  EXPECT_FALSE(p.KeepPosition);
  p = VertProportionalScroll(Sizes(1, 50, 4, 100), 1, 2, 0, 250, false);
  EXPECT_EQ(p.Position, 85);
  EXPECT_EQ(p.Page, 129);
  // Rows that all fit by count, or no rows to scroll, set nothing.
  EXPECT_FALSE(VertProportionalScroll(Sizes(1, 50, 4, 100), 1, 1, 0, 250, true).Set);
  EXPECT_FALSE(VertProportionalScroll(Sizes(1, 50, 0, 0), 1, 1, 0, 250, false).Set);
}

TEST(ProportionalScroll, APositionBringsItsShareOfTheCellsToTheTop) {
  struct {
    int32_t position, count, visible, fixed, cell;
  } const cases[] = {
      {0, 40, 10, 1, 1},
      {127, 40, 10, 1, 30},
      {64, 40, 10, 1, 16},
      // Rounded to the nearer cell.
      {1, 64, 0, 0, 1},
      {1, 63, 0, 0, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ProportionalCell(c.position, c.count, c.visible, c.fixed), c.cell) << c.position << "/" << c.count;
}

namespace {
// 40 rows of 20 pixels with one fixed row, 200 pixels high: 9 rows show below the fixed one.
struct TThumbGrid {
  TThumbGrid(int32_t rows = 40) {
    Grid.SetColCount(3);
    Grid.SetRowCount(rows);
    Grid.SetDefaultRowHeight(20);
    Grid.SetBounds(0, 0, 200, 200);
  }
  TQrvStringGrid Grid;
};
}  // namespace

TEST(ScrollControl, TheThumbIsTheVisibleShareOfTheTrackAndNeverShorterThan20) {
  struct {
    int32_t rows, top;
    bool shown;
    int32_t start, length;
  } const cases[] = {
      // The track is 180 pixels below the fixed row; 9 of 40 rows show: round(40.5) = 41.
      {40, 1, true, 20, 41},
      {40, 31, true, 158, 41},
      // 9 of 1000: 20 pixels, and at the end pulled back inside the bar.
      {1000, 1, true, 20, 20},
      {1000, 991, true, 180, 20},
      {5, 1, false, 0, 0},
  };
  for (const auto& c : cases) {
    TThumbGrid g(c.rows);
    g.Grid.SetTopRow(c.top);
    const TScrollThumb t = ScrollControlThumb(g.Grid, true, 200);
    EXPECT_EQ(t.Shown, c.shown) << c.rows << " rows, top " << c.top;
    if (!c.shown) continue;
    EXPECT_EQ(t.Start, c.start) << c.rows << " rows, top " << c.top;
    EXPECT_EQ(t.Length, c.length) << c.rows << " rows, top " << c.top;
  }
  // The fixed footers are not part of the track either.
  TThumbGrid g;
  g.Grid.SetFixedFooters(2);
  EXPECT_EQ(ScrollControlThumb(g.Grid, true, 200).Length, 32);
}

TEST(ScrollControl, TheHorizontalBarWorksWithColumnsAndTheFixedOnesAtBothEnds) {
  // 20 columns of 40 with one fixed, 200 pixels wide: 4 show; the track is the 160 pixels after the fixed one.
  TThumbGrid g;
  g.Grid.SetColCount(20);
  g.Grid.SetDefaultColWidth(40);
  TScrollThumb t = ScrollControlThumb(g.Grid, false, 200);
  EXPECT_TRUE(t.Shown);
  EXPECT_EQ(t.Start, 40);
  EXPECT_EQ(t.Length, 32);
  g.Grid.SetLeftCol(16);
  EXPECT_EQ(ScrollControlThumb(g.Grid, false, 200).Start, 166);
  g.Grid.SetLeftCol(1);
  EXPECT_EQ(ScrollControlPress(g.Grid, false, 200, 100), 5);
  EXPECT_EQ(ScrollControlDrag(g.Grid, false, 50, 1, 90), 6);
  // Two fixed columns on the right leave 80 pixels of track.
  g.Grid.SetFixedRightCols(2);
  EXPECT_EQ(ScrollControlThumb(g.Grid, false, 200).Length, 20);
}

TEST(ScrollControl, PressesPageAndADragFollowsTheMouse) {
  TThumbGrid g;
  g.Grid.SetTopRow(11);
  // The thumb runs from 20 + round(180 * 10 / 39) = 66 for 41 pixels.
  EXPECT_EQ(ScrollControlPress(g.Grid, true, 200, 60), 2);
  EXPECT_EQ(ScrollControlPress(g.Grid, true, 200, 120), 20);
  EXPECT_EQ(ScrollControlPress(g.Grid, true, 200, 80), -1);
  g.Grid.SetTopRow(28);
  EXPECT_EQ(ScrollControlPress(g.Grid, true, 200, 199), 31);  // never past the last page
  // 180 pixels of drag stand for all 40 rows.
  EXPECT_EQ(ScrollControlDrag(g.Grid, true, 80, 11, 98), 15);
  EXPECT_EQ(ScrollControlDrag(g.Grid, true, 80, 11, 190), 31);
  EXPECT_EQ(ScrollControlDrag(g.Grid, true, 80, 11, 0), 1);
  // A grid no taller than its first row has nothing to drag over.
  g.Grid.SetBounds(0, 0, 200, 20);
  EXPECT_EQ(ScrollControlDrag(g.Grid, true, 80, 11, 190), g.Grid.TopRow());
}

namespace {
class TRecordingFlatBars : public IFlatScrollBars {
 public:
  bool Initialize() override { return FActive = Available; }
  void Uninitialize() override {
    FActive = false;
    ++Uninitialized;
  }
  bool Active() const override { return FActive; }
  void SetProp(TFlatScrollProp prop, int32_t value, bool) override {
    if (FActive) Props[prop] = value;
  }
  void Show(bool vertical, bool show) override { (vertical ? VertShown : HorzShown) = show; }

  bool Available = true;
  int Uninitialized = 0;
  std::map<uint32_t, int32_t> Props;
  std::optional<bool> VertShown, HorzShown;

 private:
  bool FActive = false;
};

class TScrollHost : public TRecordingHost {
 public:
  IFlatScrollBars* FlatScrollBars() override { return Flat ? &Bars : nullptr; }
  void SetProportionalScroll(bool vertical, const TProportionalScroll& s) override {
    (vertical ? Vert : Horz).push_back(s);
  }
  void HideScrollBar(bool vertical) override { (vertical ? VertHidden : HorzHidden) = true; }
  void SetScrollControls(bool on) override { Controls = on; }
  bool HasScrollControls() const override { return Controls; }

  bool Flat = true;
  TRecordingFlatBars Bars;
  std::vector<TProportionalScroll> Vert, Horz;
  bool VertHidden = false, HorzHidden = false, Controls = false;
};

struct TScrollGrid {
  TScrollGrid() {
    Grid.SetColCount(6);
    Grid.SetRowCount(40);
    Grid.SetDefaultColWidth(40);
    Grid.SetDefaultRowHeight(20);
    Grid.SetBounds(0, 0, 200, 120);
    Grid.SetHost(&Host);
  }
  ~TScrollGrid() { Grid.SetHost(nullptr); }
  TScrollHost Host;
  TQrvStringGrid Grid;
};
}  // namespace

TEST(GridScrollType, FlatTypesStyleTheWindowsFlatBarsAndTheOthersLetThemGo) {
  TScrollGrid g;
  g.Grid.SetScrollColor(0x00FF00);  // no flat bars yet: kept for later
  EXPECT_TRUE(g.Host.Bars.Props.empty());
  g.Grid.SetScrollType(ssFlat);
  EXPECT_TRUE(g.Host.Bars.Active());
  EXPECT_EQ(g.Host.Bars.Props[fspVertStyle], fssFlat);
  EXPECT_EQ(g.Host.Bars.Props[fspHorzStyle], fssFlat);
  EXPECT_EQ(g.Host.Bars.Props[fspVertWidth], 17);
  EXPECT_EQ(g.Host.Bars.Props[fspHorzHeight], 17);
  EXPECT_EQ(g.Host.Bars.Props[fspVertColor], 0x00FF00);
  EXPECT_EQ(g.Host.Bars.Props[fspHorzColor], 0x00FF00);
  g.Grid.SetScrollColor(clNone);  // back to the desktop's colour
  EXPECT_EQ(static_cast<TColor>(g.Host.Bars.Props[fspVertColor]), clScrollBar);
  EXPECT_EQ(static_cast<TColor>(g.Host.Bars.Props[fspHorzColor]), clScrollBar);
  g.Grid.SetScrollColor(0x00FF00);
  // 5 of 39 rows fit, all 6 columns do not: both bars show.
  EXPECT_EQ(g.Host.Bars.VertShown, true);
  EXPECT_EQ(g.Host.Bars.HorzShown, true);
  g.Grid.SetScrollWidth(9);
  EXPECT_EQ(g.Host.Bars.Props[fspVertWidth], 9);
  g.Grid.SetScrollType(ssEncarta);
  EXPECT_EQ(g.Host.Bars.Props[fspVertStyle], fssEncarta);
  g.Grid.SetScrollType(ssNormal);
  EXPECT_FALSE(g.Host.Bars.Active());
  EXPECT_EQ(g.Host.Bars.Uninitialized, 1);
  // Not flat: a colour is only kept.
  g.Host.Bars.Props.clear();
  g.Grid.SetScrollColor(0x0000FF);
  EXPECT_TRUE(g.Host.Bars.Props.empty());
  EXPECT_EQ(g.Grid.ScrollColor(), 0x0000FF);
}

TEST(GridScrollType, AWindowWithoutFlatBarsKeepsItsOwn) {
  TScrollGrid g;
  g.Host.Bars.Available = false;
  g.Grid.SetScrollType(ssFlat);
  g.Grid.SetScrollWidth(9);
  EXPECT_TRUE(g.Host.Bars.Props.empty());
  EXPECT_FALSE(g.Host.Bars.VertShown.has_value());
}

TEST(GridScrollType, MetroTradesTheBarsForOwnerDrawnOnesAndBack) {
  TScrollGrid g;
  g.Grid.SetScrollType(ssMetro);
  EXPECT_TRUE(g.Host.Controls);
  EXPECT_EQ(g.Grid.ScrollBars, ssNone);
  g.Grid.SetScrollType(ssFlat);
  EXPECT_FALSE(g.Host.Controls);
  EXPECT_EQ(g.Grid.ScrollBars, ssBoth);
  // Without a window there is nothing to make.
  TQrvStringGrid alone;
  alone.SetScrollType(ssMetro);
  EXPECT_EQ(alone.ScrollBars, ssBoth);
}

TEST(GridProportionalScroll, RunsOnlyWhenOnAndHidesAHorizontalBarTheColumnsDoNotNeed) {
  TScrollGrid g;
  g.Grid.UpdateVertProportionalScroll();
  EXPECT_TRUE(g.Host.Vert.empty());
  g.Grid.SetScrollProportional(true);
  // 1 + 21 fixed, 1 + 39 x 21 others, 120 high: e = 98 / 820.
  ASSERT_EQ(g.Host.Vert.size(), 1u);
  EXPECT_EQ(g.Host.Vert[0].Max, 144);
  EXPECT_EQ(g.Host.Vert[0].Page, 18);
  ASSERT_EQ(g.Host.Horz.size(), 1u);
  EXPECT_FALSE(g.Host.HorzHidden);
  // Columns of 190 pixels in all, but with wide grid lines still 14 pixels too many: set, then hidden.
  for (int32_t c = 0; c < 6; ++c) g.Grid.SetColWidths(c, c == 0 ? 40 : 30);
  g.Grid.SetGridLineWidth(3);
  g.Host.Horz.clear();
  g.Grid.UpdateHorzProportionalScroll();
  EXPECT_EQ(g.Host.Horz.size(), 1u);
  EXPECT_TRUE(g.Host.HorzHidden);
  // Unless the bar is kept shown always.
  g.Host.HorzHidden = false;
  g.Grid.SetScrollBarAlways(saHorz);
  g.Grid.UpdateHorzProportionalScroll();
  EXPECT_FALSE(g.Host.HorzHidden);
}

TEST(GridProportionalScroll, AZoomWorksOutTheBarsOnceFromTheNewSizes) {
  TScrollGrid g;
  g.Grid.ColumnSize().SetStretch(true);
  g.Grid.SetScrollProportional(true);
  g.Host.Vert.clear();
  g.Grid.Zoom(3);
  // Rows of 23: 1 + 24 fixed, 1 + 39 x 24 others: e = 95 / 937, never the sizes from before.
  ASSERT_FALSE(g.Host.Vert.empty());
  for (const TProportionalScroll& s : g.Host.Vert) EXPECT_EQ(s.Page, 15);
}
