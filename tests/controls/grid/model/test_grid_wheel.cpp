// The mouse wheel: the current row moves (or the view scrolls) by the wheel increment or the desktop's lines per
// notch, within the normal rows; Ctrl+wheel zooms within its limits; the scroll hint's text.
#include <gtest/gtest.h>

#include "GridTestHost.h"

namespace {
// 3 columns, 20 rows of 20 pixels (one fixed), 9 normal rows in view, 3 lines per notch.
struct TWheelGrid : THostedGrid<> {
  TWheelGrid() : THostedGrid<>(3, 20, 200, 200) {
    grid.SetDefaultRowHeight(20);
    grid.WheelScrollLines = 3;
  }
};
}  // namespace

TEST(GridWheel, ANotchMovesTheCurrentRowOrScrollsTheView) {
  struct Case {
    const char* name;
    int32_t row, top;
    int32_t delta;
    std::function<void(TQrvStringGrid&)> setUp;
    int32_t rowAfter, topAfter;  // -1: the top row is not checked
  };
  const auto none = [](TQrvStringGrid&) {};
  const Case cases[] = {
      {"toward the user", 5, 1, -120, none, 8, 1},
      {"away", 5, 1, 120, none, 2, 1},
      {"not above the first normal row", 2, 1, 120, none, 1, 1},
      {"not onto a fixed footer", 18, 9, -120, [](TQrvStringGrid& g) { g.SetFixedFooters(1); }, 18, -1},
      {"the wheel increment", 5, 1, -120, [](TQrvStringGrid& g) { g.MouseActions().SetWheelIncrement(1); }, 6, 1},
      {"a page per notch", 2, 1, -120, [](TQrvStringGrid& g) { g.WheelScrollLines = -1; }, 11, 3},
      {"wheel off", 5, 1, -120, [](TQrvStringGrid& g) { g.EnableWheel = false; }, 5, 1},
      {"scrolling", 5, 1, -120, [](TQrvStringGrid& g) { g.MouseActions().SetWheelAction(waScroll); }, 5, 4},
      {"scrolling back stops at the first row", 5, 2, 120,
       [](TQrvStringGrid& g) { g.MouseActions().SetWheelAction(waScroll); }, 5, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TWheelGrid g;
    c.setUp(g.grid);
    g.grid.SetTopRow(c.top);
    g.grid.SetRow(c.row);
    g.grid.MouseWheel(c.delta, {}, TPoint{5, 5});
    EXPECT_EQ(g.grid.Row(), c.rowAfter);
    if (c.topAfter >= 0) EXPECT_EQ(g.grid.TopRow(), c.topAfter);
  }
}

TEST(GridWheel, TheWheelEventsFireOnlyWithAnIncrementOrDisjunctRows) {
  TWheelGrid g;
  std::vector<std::string> fired;
  g.grid.OnMouseWheelDown = [&](TQrvStringGrid*, TShiftState, TPoint p, bool&) {
    fired.push_back("down " + std::to_string(p.X));
  };
  g.grid.OnMouseWheelUp = [&](TQrvStringGrid*, TShiftState, TPoint p, bool&) {
    fired.push_back("up " + std::to_string(p.X));
  };
  g.grid.MouseWheel(-120, {}, TPoint{5, 5});
  EXPECT_TRUE(fired.empty());
  g.grid.MouseActions().SetWheelIncrement(2);
  g.grid.MouseWheel(-120, {}, TPoint{5, 5});
  g.grid.MouseWheel(120, {}, TPoint{5, 5});
  EXPECT_EQ(fired, (std::vector<std::string>{"down 0", "up 0"}));
}

TEST(GridWheel, CtrlWheelZoomsWithinTenStepsEachWay) {
  TWheelGrid g;
  g.grid.SetColWidths(1, 0);
  const int32_t width = g.grid.ColWidths(2), height = g.grid.RowHeights(3);
  for (int i = 0; i < 3; ++i) g.grid.Zoom(3);
  EXPECT_EQ(g.grid.ZoomFactor, 9);
  EXPECT_EQ(g.grid.ColWidths(2), width + 9);
  EXPECT_EQ(g.grid.RowHeights(3), height + 9);
  EXPECT_EQ(g.grid.ColWidths(1), 0);  // a column sized to nothing stays so
  g.grid.Zoom(3);                     // 12 would pass the limit
  EXPECT_EQ(g.grid.ZoomFactor, 9);
  EXPECT_EQ(g.grid.ColWidths(2), width + 9);
  for (int i = 0; i < 6; ++i) g.grid.Zoom(-3);
  EXPECT_EQ(g.grid.ZoomFactor, -9);

  TWheelGrid w;
  w.grid.SetRow(5);
  w.grid.MouseWheel(-120, ssCtrl, TPoint{5, 5});
  EXPECT_EQ(w.grid.ZoomFactor, 3);
  EXPECT_EQ(w.grid.Row(), 5);  // a zoom moves no row
  w.grid.IntelliZoom = false;
  w.grid.MouseWheel(-120, ssCtrl, TPoint{5, 5});
  EXPECT_EQ(w.grid.ZoomFactor, 3);
  EXPECT_EQ(w.grid.Row(), 8);
}

TEST(GridWheel, TheScrollHintNamesTheRowOrColumnAndItsEventMayChangeIt) {
  TWheelGrid g;
  EXPECT_EQ(g.grid.ScrollHintText(true, 12), QStringLiteral("Row : 12"));
  EXPECT_EQ(g.grid.ScrollHintText(false, 3), QStringLiteral("Col : 3"));
  g.grid.OnScrollHint = [](TQrvStringGrid*, int32_t n, QString& hint) { hint = QStringLiteral("to %1").arg(n); };
  EXPECT_EQ(g.grid.ScrollHintText(true, 7), QStringLiteral("to 7"));
}

TEST(GridPanning, EachTickStepsTowardTheMouseAndNamesTheDirectionsCursor) {
  struct Case {
    TIntelliPan pan;
    TPoint mouse;  // the start is (100, 100)
    int32_t cursor;
    int32_t rowAfter, colAfter;
  };
  const Case cases[] = {
      {ipVertical, {103, 104}, 8000, 5, 1},  // within 5 pixels: no move
      {ipVertical, {100, 120}, 8001, 6, 1},   {ipVertical, {100, 80}, 8004, 4, 1},
      {ipVertical, {150, 100}, 8000, 5, 1},  // sideways does nothing when only vertical
      {ipBoth, {150, 100}, 8003, 5, 2},       {ipBoth, {50, 100}, 8002, 5, 1},
      {ipBoth, {150, 50}, 8005, 4, 2},        {ipBoth, {50, 50}, 8006, 4, 1},
      {ipBoth, {150, 150}, 8007, 6, 2},       {ipBoth, {50, 150}, 8008, 6, 1},
      {ipHorizontal, {100, 150}, 8000, 5, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mouse.X << "," << c.mouse.Y << " pan " << c.pan);
    TWheelGrid g;
    g.grid.IntelliPan = c.pan;
    g.grid.SetRow(5);
    ASSERT_TRUE(g.grid.StartPanning(TPoint{100, 100}));
    EXPECT_EQ(g.grid.PanTick(c.mouse), c.cursor);
    EXPECT_EQ(g.grid.Row(), c.rowAfter);
    EXPECT_EQ(g.grid.Col(), c.colAfter);
  }
}

TEST(GridPanning, StartsOnlyWhenAllowedAndStopsAtTheEdges) {
  TWheelGrid g;
  g.grid.IntelliPan = ipNone;
  EXPECT_FALSE(g.grid.StartPanning(TPoint{10, 10}));
  g.grid.IntelliPan = ipVertical;
  ASSERT_TRUE(g.grid.StartPanning(TPoint{10, 10}));
  EXPECT_FALSE(g.grid.StartPanning(TPoint{10, 10}));  // one panning at a time
  g.grid.SetRow(19);
  g.grid.PanTick(TPoint{10, 100});
  EXPECT_EQ(g.grid.Row(), 19);
  g.grid.MouseActions().SetWheelAction(waScroll);
  g.grid.SetTopRow(1);
  g.grid.SetRow(1);
  g.grid.PanTick(TPoint{10, -50});
  EXPECT_EQ(g.grid.TopRow(), 1);
  g.grid.PanTick(TPoint{10, 100});
  EXPECT_EQ(g.grid.TopRow(), 2);
  EXPECT_EQ(g.grid.Row(), 1);  // scrolling moves the view, not the cell
  g.grid.EndPanning();
  EXPECT_FALSE(g.grid.Panning());
  g.grid.PanTick(TPoint{10, 100});
  EXPECT_EQ(g.grid.TopRow(), 2);
}
