// Selecting by the fixed cells, driven through the model's move, press and release with no widget: where the mouse
// rests decides what a press selects (everything, whole rows, whole columns); the press selects it, Shift stretches
// it from the old selection, and a drag with the button down stretches it further, scrolling at the top and bottom.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "GridRowFlags.h"
#include "GridTestHost.h"

namespace {

// Records what the selection hook sees: the selection about to be made and the one still in place.
class TSelectGrid : public TQrvStringGrid {
 public:
  struct TCall {
    TGridRect Coming, Before;
  };
  std::vector<TCall> Calls;

 protected:
  void MouseSelectionChanging(const TGridRect& coming) override { Calls.push_back({coming, Selection()}); }
};

// 6 columns of 40 pixels, 12 rows of 20, one fixed row and column, 240 x 120: rows 1..5 in view.
struct FixedSelect {
  FixedSelect() : hosted(6, 12, 240, 120) {
    for (int32_t c = 0; c < grid.ColCount(); ++c) grid.SetColWidths(c, 40);
    for (int32_t r = 0; r < grid.RowCount(); ++r) grid.SetRowHeights(r, 20);
    Fill(grid);
    grid.OnSelectionChanged = [this](TQrvStringGrid*, int32_t l, int32_t t, int32_t r, int32_t b) {
      changed.push_back(TGridRect{l, t, r, b});
    };
  }
  TPoint Mid(int32_t c, int32_t r) {
    const TRect rect = grid.CellRect(c, r);
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
  }
  void Rest(TPoint p) { grid.GridMouseMove({}, p.X, p.Y); }
  void Press(TPoint p, TShiftState shift = {}) { grid.GridMouseDown(TQrvStringGrid::gmbLeft, shift, p.X, p.Y); }
  void DragTo(TPoint p) { grid.GridMouseMove(ssLeft, p.X, p.Y); }
  void Release(TPoint p) { grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, p.X, p.Y); }
  void AllowAll() {
    grid.MouseActions().SetAllSelect(true);
    grid.MouseActions().SetRowSelect(true);
    grid.MouseActions().SetColSelect(true);
  }
  THostedGrid<TSelectGrid> hosted;
  TSelectGrid& grid = hosted.grid;
  std::vector<TGridRect> changed;
};

::testing::AssertionResult SameRect(const TGridRect& a, const TGridRect& b) {
  if (a == b) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << a.Left << "," << a.Top << ")-(" << a.Right << "," << a.Bottom
                                       << ") instead of (" << b.Left << "," << b.Top << ")-(" << b.Right << ","
                                       << b.Bottom << ")";
}

}  // namespace

TEST(GridFixedSelect, WhereTheMouseRestsDecidesWhatThePressWillSelect) {
  struct Case {
    const char* name;
    std::function<void(FixedSelect&)> setup;
    std::function<TPoint(FixedSelect&)> at;
    TMouseSelectMode mode;
  };
  auto mid = [](int32_t c, int32_t r) { return [c, r](FixedSelect& f) { return f.Mid(c, r); }; };
  auto all = [](FixedSelect& f) { f.AllowAll(); };
  auto footerInView = [](FixedSelect& f) {
    f.AllowAll();
    f.grid.FloatingFooter().SetVisible(true);
    f.grid.SetTopRow(f.grid.MaxTopRow());
  };
  auto only = [](void (TMouseActions::*set)(bool)) {
    return [set](FixedSelect& f) { (f.grid.MouseActions().*set)(true); };
  };
  const std::vector<Case> cases = {
      {"top-left cell", only(&TMouseActions::SetAllSelect), mid(0, 0), msAll},
      {"top-left cell without AllSelect",
       [](FixedSelect& f) {
         f.grid.MouseActions().SetRowSelect(true);
         f.grid.MouseActions().SetColSelect(true);
       },
       mid(0, 0), msNormal},
      {"fixed column", only(&TMouseActions::SetRowSelect), mid(0, 3), msRow},
      {"fixed column without RowSelect",
       [](FixedSelect& f) {
         f.grid.MouseActions().SetAllSelect(true);
         f.grid.MouseActions().SetColSelect(true);
       },
       mid(0, 3), msNormal},
      {"fixed row", only(&TMouseActions::SetColSelect), mid(2, 0), msColumn},
      {"fixed row without ColSelect", only(&TMouseActions::SetRowSelect), mid(2, 0), msNormal},
      {"normal cell", all, mid(2, 3), msNormal},
      {"row edge with row sizing",
       [](FixedSelect& f) {
         f.AllowAll();
         f.grid.SetOptions(f.grid.Options() | goRowSizing);
       },
       [](FixedSelect& f) {
         return TPoint{20, f.grid.CellRect(0, 3).Bottom - 2};
       },
       msNormal},
      {"row middle with row sizing",
       [](FixedSelect& f) {
         f.AllowAll();
         f.grid.SetOptions(f.grid.Options() | goRowSizing);
       },
       mid(0, 3), msRow},
      {"header edge with column sizing",
       [](FixedSelect& f) {
         f.AllowAll();
         f.grid.SetOptions(f.grid.Options() | goColSizing);
       },
       [](FixedSelect& f) {
         return TPoint{f.grid.CellRect(2, 0).Right - 2, 10};
       },
       msNormal},
      {"the fixed column's own edge",
       [](FixedSelect& f) {
         f.AllowAll();
         f.grid.MouseActions().SetSizeFixedCol(true);
       },
       [](FixedSelect& f) {
         return TPoint{f.grid.ColWidths(0) - 1, f.Mid(0, 3).Y};
       },
       msNormal},
      {"a node's glyph",
       [](FixedSelect& f) {
         f.AllowAll();
         f.grid.AddNode(3, 2);
       },
       [](FixedSelect& f) {
         return TPoint{f.grid.CellRect(0, 3).Left + f.grid.GetNodeIndent(3) + 8, f.Mid(0, 3).Y};
       },
       msNormal},
      {"beside a node's glyph",
       [](FixedSelect& f) {
         f.AllowAll();
         f.grid.AddNode(3, 2);
       },
       [](FixedSelect& f) {
         return TPoint{f.grid.CellRect(0, 3).Right - 2, f.Mid(0, 3).Y};
       },
       msRow},
      {"last row under a floating footer", footerInView,
       [](FixedSelect& f) { return f.Mid(0, f.grid.RowCount() - 1); }, msNormal},
      {"the row above a floating footer", footerInView,
       [](FixedSelect& f) { return f.Mid(0, f.grid.RowCount() - 2); }, msRow},
      {"last row without a footer",
       [](FixedSelect& f) {
         f.AllowAll();
         f.grid.SetTopRow(f.grid.MaxTopRow());
       },
       [](FixedSelect& f) { return f.Mid(0, f.grid.RowCount() - 1); }, msRow},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    FixedSelect f;
    k.setup(f);
    const TPoint p = k.at(f);
    f.Rest(p);
    EXPECT_EQ(f.grid.MouseSelectMode(), k.mode) << p.X << "," << p.Y;
  }
}

TEST(GridFixedSelect, TheModeLastsUntilTheMouseLeavesOrTheButtonComesUp) {
  FixedSelect f;
  f.AllowAll();
  f.Rest(f.Mid(0, 3));
  ASSERT_EQ(f.grid.MouseSelectMode(), msRow);
  f.grid.GridMouseLeave();
  EXPECT_EQ(f.grid.MouseSelectMode(), msNormal);
  f.Rest(f.Mid(2, 0));
  f.Press(f.Mid(2, 0));
  EXPECT_EQ(f.grid.MouseSelectMode(), msColumn);
  f.Release(f.Mid(2, 0));
  EXPECT_EQ(f.grid.MouseSelectMode(), msNormal);
}

TEST(GridFixedSelect, APressSelectsEverythingRowsOrColumnsAndShiftStretchesFromTheOldSelection) {
  struct Case {
    const char* name;
    TPoint current;  // the cell current (and selected) before the press
    TPoint pressed;  // the fixed cell pressed
    TShiftState shift;
    bool rest;  // the mouse rested there first (as it always does under a hand)
    bool rangeSelect;
    TGridRect selection;  // afterwards; the old one when the press selects nothing
    TPoint after;         // the current cell afterwards
  };
  const TGridRect untouched{2, 2, 2, 2};
  const Case cases[] = {
      {"everything", {2, 2}, {0, 0}, {}, true, true, {1, 1, 5, 11}, {2, 2}},
      {"one row", {2, 2}, {0, 4}, {}, true, true, {1, 4, 5, 4}, {2, 4}},
      {"rows down to the pressed one", {2, 2}, {0, 5}, ssShift, true, true, {1, 2, 5, 5}, {2, 5}},
      {"rows up to the old top", {2, 4}, {0, 2}, ssShift, true, true, {1, 2, 5, 4}, {2, 2}},
      {"one column", {2, 2}, {3, 0}, {}, true, true, {3, 1, 3, 11}, {3, 2}},
      {"columns to the old left", {2, 2}, {4, 0}, ssShift, true, true, {2, 1, 4, 11}, {4, 2}},
      {"rows without range selection", {2, 2}, {0, 3}, {}, true, false, {1, 3, 5, 3}, {2, 3}},
      {"columns need range selection", {2, 2}, {3, 0}, {}, true, false, untouched, {2, 2}},
      {"everything needs range selection", {2, 2}, {0, 0}, {}, true, false, untouched, {2, 2}},
      {"a press the mouse never rested on", {2, 2}, {0, 4}, {}, false, true, untouched, {2, 2}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    FixedSelect f;
    f.AllowAll();
    if (!k.rangeSelect) f.grid.SetOptions(f.grid.Options() & ~TGridOptions(goRangeSelect));
    f.grid.MoveCurrent(k.current.X, k.current.Y, true, true);
    const TGridRect before = f.grid.Selection();
    const TPoint p = f.Mid(k.pressed.X, k.pressed.Y);
    if (k.rest) f.Rest(p);
    f.Press(p, k.shift);
    f.Release(p);
    EXPECT_TRUE(SameRect(f.grid.Selection(), k.selection));
    EXPECT_EQ(f.grid.Col(), k.after.X);
    EXPECT_EQ(f.grid.Row(), k.after.Y);
    if (k.selection == untouched) {
      EXPECT_TRUE(f.grid.Calls.empty());
      EXPECT_TRUE(f.changed.empty());
      continue;
    }
    // The hook comes first, while the old selection still stands; the release reports the new one once.
    ASSERT_EQ(f.grid.Calls.size(), 1u);
    EXPECT_TRUE(SameRect(f.grid.Calls[0].Coming, k.selection));
    EXPECT_TRUE(SameRect(f.grid.Calls[0].Before, before));
    ASSERT_EQ(f.changed.size(), 1u);
    EXPECT_TRUE(SameRect(f.changed[0], k.selection));
  }
}

TEST(GridFixedSelect, ARowDragStretchesTheRowsAndScrollsAtTheBottomAndTop) {
  FixedSelect f;
  f.grid.MouseActions().SetRowSelect(true);
  f.Rest(f.Mid(0, 2));
  f.Press(f.Mid(0, 2));
  f.DragTo(f.Mid(0, 4));
  EXPECT_TRUE(SameRect(f.grid.Selection(), {1, 2, 5, 4}));
  f.DragTo(f.Mid(0, 1));
  EXPECT_TRUE(SameRect(f.grid.Selection(), {1, 1, 5, 2}));

  // Within 4 pixels of the bottom each move brings one more row into view and reaches the row now under the mouse.
  f.DragTo({20, 117});
  EXPECT_EQ(f.grid.TopRow(), 2);
  EXPECT_TRUE(SameRect(f.grid.Selection(), {1, 2, 5, 6}));
  f.DragTo({20, 114});
  EXPECT_EQ(f.grid.TopRow(), 2) << "5 pixels above the bottom nothing scrolls";
  for (int i = 0; i < 10; ++i) f.DragTo({20, 118 - i % 2});
  EXPECT_EQ(f.grid.TopRow(), f.grid.MaxTopRow());
  EXPECT_TRUE(SameRect(f.grid.Selection(), {1, 2, 5, 11}));

  // Over the header the rows above come back, one per move, until none is scrolled away.
  const int32_t top = f.grid.TopRow();
  f.DragTo({20, 10});
  EXPECT_EQ(f.grid.TopRow(), top - 1);
  EXPECT_TRUE(SameRect(f.grid.Selection(), {1, 2, 5, top - 1}));
  for (int i = 0; i < 10; ++i) f.DragTo({20, 10 - i % 2});
  EXPECT_EQ(f.grid.TopRow(), 1);
  EXPECT_TRUE(SameRect(f.grid.Selection(), {1, 1, 5, 2}));

  f.Release({20, 10});
  ASSERT_EQ(f.changed.size(), 1u);
  EXPECT_TRUE(SameRect(f.changed[0], {1, 1, 5, 2}));
  // Without the button the mouse selects nothing more.
  f.grid.GridMouseMove({}, 20, f.Mid(0, 5).Y);
  EXPECT_TRUE(SameRect(f.grid.Selection(), {1, 1, 5, 2}));
}

TEST(GridFixedSelect, AColumnDragStretchesTheColumnsNeverIntoTheFixedOnes) {
  FixedSelect f;
  f.grid.MouseActions().SetColSelect(true);
  f.Rest(f.Mid(2, 0));
  f.Press(f.Mid(2, 0));
  f.DragTo(f.Mid(4, 0));
  EXPECT_TRUE(SameRect(f.grid.Selection(), {2, 1, 4, 11}));
  f.DragTo(f.Mid(3, 0));
  EXPECT_TRUE(SameRect(f.grid.Selection(), {2, 1, 3, 11}));
  f.DragTo(f.Mid(0, 0));
  EXPECT_TRUE(SameRect(f.grid.Selection(), {1, 1, 2, 11}));
  f.Release(f.Mid(0, 0));
  ASSERT_EQ(f.changed.size(), 1u);
  EXPECT_TRUE(SameRect(f.changed[0], {1, 1, 2, 11}));
}

TEST(GridFixedSelect, RowsSelectedByTheirFixedCellsAreFlaggedInDisjunctRowSelection) {
  FixedSelect f;
  f.grid.MouseActions().SetRowSelect(true);
  f.grid.MouseActions().SetDisjunctRowSelect(true);
  f.Rest(f.Mid(0, 3));
  f.Press(f.Mid(0, 3));
  f.DragTo(f.Mid(0, 5));
  f.Release(f.Mid(0, 5));
  EXPECT_EQ(FlaggedRows(f.grid), (std::set<int32_t>{3, 4, 5}));
}

TEST(GridFixedSelect, AHeaderPressSelectsTheColumnRatherThanPreparingAColumnDrag) {
  for (const bool colSelect : {false, true}) {
    SCOPED_TRACE(colSelect ? "ColSelect" : "no ColSelect");
    FixedSelect f;
    f.grid.DragDropSettings.OleDropSource = true;
    f.grid.DragDropSettings.OleColumnDragDrop = true;
    f.grid.MouseActions().SetColSelect(colSelect);
    const TPoint p = f.Mid(3, 0);
    f.Rest(p);
    f.Press(p);
    f.DragTo({p.X + 10, p.Y});
    const bool dragging = f.grid.Interaction() == TQrvStringGrid::TGridInteraction::Dragging;
    EXPECT_EQ(dragging, !colSelect);
    if (colSelect) EXPECT_TRUE(SameRect(f.grid.Selection(), {3, 1, 3, 11}));
  }
}
