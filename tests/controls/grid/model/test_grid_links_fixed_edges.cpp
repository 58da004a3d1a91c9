// Links inside markup cells found under the mouse (cursor, hover events, a press following the link) and the
// sizing of fixed columns and rows by their edges anywhere along the grid, driven through the model with no widget.
#include <gtest/gtest.h>

#include "GridTestHost.h"

namespace {

const QString WebLink = QStringLiteral("http://host.example/page");

// 4 columns, 8 rows of 20 pixels, one fixed row and column; column 1 is wide enough for a link and text after it.
struct MarkupLinks : ::testing::Test {
  MarkupLinks() : hosted(4, 8, 700, 300) {
    for (int32_t c = 0; c < 4; ++c) grid.SetColWidths(c, c == 1 ? 400 : 60);
    for (int32_t r = 0; r < 8; ++r) grid.SetRowHeights(r, 20);
    Fill(grid);
    grid.OpenLink = [this](const QString& link) { opened << link; };
    grid.OnAnchorClick = [this](TQrvStringGrid*, int32_t r, int32_t c, const QString& a, bool& autoHandle) {
      events << QStringLiteral("click %1,%2 %3").arg(c).arg(r).arg(a);
      autoHandle = autoHandleAnswer;
    };
    grid.OnAnchorEnter = [this](TQrvStringGrid*, int32_t r, int32_t c, const QString& a) {
      events << QStringLiteral("enter %1,%2 %3").arg(c).arg(r).arg(a);
    };
    grid.OnAnchorExit = [this](TQrvStringGrid*, int32_t r, int32_t c, const QString& a) {
      events << QStringLiteral("exit %1,%2 %3").arg(c).arg(r).arg(a);
    };
  }
  // The link comes first in the cell; far to the right only plain text or nothing lies under the mouse.
  void SetLink(int32_t r, const QString& href, const QString& after = QString()) {
    grid.SetCells(1, r, QStringLiteral("<a href=\"%1\">open the linked page</a>%2").arg(href, after));
  }
  TPoint OnLink(int32_t r) {
    const TRect rect = grid.CellRect(1, r);
    return {rect.Left + 12, (rect.Top + rect.Bottom) / 2};
  }
  TPoint PastLink(int32_t r) {
    const TRect rect = grid.CellRect(1, r);
    return {rect.Right - 12, (rect.Top + rect.Bottom) / 2};
  }
  void Click(TPoint p) {
    grid.GridMouseDown(TQrvStringGrid::gmbLeft, {}, p.X, p.Y);
    grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, p.X, p.Y);
  }
  void Move(TPoint p) { grid.GridMouseMove({}, p.X, p.Y); }
  THostedGrid<> hosted;
  TQrvStringGrid& grid = hosted.grid;
  QStringList events, opened;
  bool autoHandleAnswer = true;
};

TEST_F(MarkupLinks, APressFollowsOnlyTheLinkUnderTheMouse) {
  struct Case {
    const char* name;
    QString href;
    bool onLink;
    bool autoHandle;
    QStringList events, opened;
    TPoint current;  // the current cell after the click
  };
  const QString cellLink = QStringLiteral("cell://R5C3");
  const std::vector<Case> cases = {
      {"web link opens", WebLink, true, true, {"click 1,2 " + WebLink}, {WebLink}, {1, 1}},
      {"handler keeps it", WebLink, true, false, {"click 1,2 " + WebLink}, {}, {1, 1}},
      {"cell link moves", cellLink, true, true, {"click 1,2 " + cellLink}, {}, {3, 5}},
      {"text after link", WebLink, false, true, {}, {}, {1, 2}},
      // A local path is never handed to the desktop, whatever the handler says.
      {"local path stays",
       QStringLiteral("file:///etc/passwd"),
       true,
       true,
       {"click 1,2 file:///etc/passwd"},
       {},
       {1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid.SetCells(1, 2, QString());
    SetLink(2, c.href, QStringLiteral("                                    "));
    grid.SetCol(1);
    grid.SetRow(1);
    events.clear();
    opened.clear();
    autoHandleAnswer = c.autoHandle;
    Click(c.onLink ? OnLink(2) : PastLink(2));
    EXPECT_EQ(events, c.events);
    EXPECT_EQ(opened, c.opened);
    EXPECT_EQ((TPoint{grid.Col(), grid.Row()}), c.current);
  }
}

TEST_F(MarkupLinks, TheCursorAndTheHoverEventsFollowTheLinkUnderTheMouse) {
  SetLink(2, WebLink);
  SetLink(4, QStringLiteral("http://other.example/"));
  struct Step {
    TPoint at;
    QStringList events;
    TQrvStringGrid::TGridCursor cursor;
  };
  const QString other = QStringLiteral("http://other.example/");
  const std::vector<Step> steps = {
      {PastLink(2), {}, TQrvStringGrid::gcDefault},
      {OnLink(2), {"enter 1,2 " + WebLink}, TQrvStringGrid::gcLink},
      {TPoint{OnLink(2).X + 20, OnLink(2).Y}, {}, TQrvStringGrid::gcLink},  // along the same link: no new event
      {PastLink(2), {"exit 1,2 " + WebLink}, TQrvStringGrid::gcDefault},
      {OnLink(4), {"enter 1,4 " + other}, TQrvStringGrid::gcLink},
      {OnLink(2), {"enter 1,2 " + WebLink}, TQrvStringGrid::gcLink},           // straight onto another link
      {TPoint{650, 290}, {"exit 1,2 " + WebLink}, TQrvStringGrid::gcDefault},  // off the cells altogether
  };
  for (size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE(i);
    events.clear();
    Move(steps[i].at);
    EXPECT_EQ(events, steps[i].events);
    EXPECT_EQ(grid.CursorAt(steps[i].at.X, steps[i].at.Y), steps[i].cursor);
  }
}

TEST_F(MarkupLinks, MarkupLinksNeedHtmlAndPlainLinksNeedUrlShow) {
  SetLink(2, WebLink);
  grid.EnableHTML = false;
  Move(OnLink(2));
  EXPECT_EQ(grid.CursorAt(OnLink(2).X, OnLink(2).Y), TQrvStringGrid::gcDefault);
  Click(OnLink(2));
  EXPECT_TRUE(events.isEmpty());
  EXPECT_TRUE(opened.isEmpty());

  grid.EnableHTML = true;
  grid.SetCells(1, 3, WebLink);
  EXPECT_EQ(grid.CursorAt(OnLink(3).X, OnLink(3).Y), TQrvStringGrid::gcDefault);
  grid.URLShow = true;
  EXPECT_EQ(grid.CursorAt(OnLink(3).X, OnLink(3).Y), TQrvStringGrid::gcLink);
  Move(OnLink(3));  // a plain link text is no markup link: no hover events
  EXPECT_TRUE(events.isEmpty());
  Click(OnLink(3));
  EXPECT_EQ(opened, QStringList{WebLink});
}

// Two fixed columns (60 and 80 pixels) and one fixed row of 20; every row 20 pixels high. The fixed columns' edges
// lie at 60 and 140, the fixed row's at 20.
struct FixedEdges : ::testing::Test {
  FixedEdges() : hosted(6, 10, 600, 300) {
    grid.SetFixedCols(2);
    for (int32_t c = 0; c < 6; ++c) grid.SetColWidths(c, c == 1 ? 80 : 60);
    for (int32_t r = 0; r < 10; ++r) grid.SetRowHeights(r, 20);
    Fill(grid);
    grid.OnColumnSizing = [this](TQrvStringGrid*, int32_t c, int32_t size) {
      events << QStringLiteral("col sizing %1 %2").arg(c).arg(size);
    };
    grid.OnRowSizing = [this](TQrvStringGrid*, int32_t r, int32_t size) {
      events << QStringLiteral("row sizing %1 %2").arg(r).arg(size);
    };
    grid.OnEndColumnSize = [this](TQrvStringGrid*, int32_t c) { events << QStringLiteral("col end %1").arg(c); };
    grid.OnEndRowSize = [this](TQrvStringGrid*, int32_t r) { events << QStringLiteral("row end %1").arg(r); };
  }
  void Drag(TPoint from, TPoint to) {
    grid.GridMouseDown(TQrvStringGrid::gmbLeft, {}, from.X, from.Y);
    grid.GridMouseMove(ssLeft, to.X, to.Y);
    grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, to.X, to.Y);
  }
  THostedGrid<> hosted;
  TQrvStringGrid& grid = hosted.grid;
  QStringList events;
};

TEST_F(FixedEdges, AFixedColumnOrRowEdgeIsGrabbedOnlyCloseToItAndWhenAllowed) {
  struct Case {
    const char* name;
    bool sizeFixedCol, sizeFixedRow;
    TPoint press;
    bool sizing;
    TQrvStringGrid::TGridCursor cursor;
  };
  const std::vector<Case> cases = {
      {"first column edge", true, false, {60, 150}, true, TQrvStringGrid::gcColumnSizing},
      {"two pixels left", true, false, {58, 150}, true, TQrvStringGrid::gcColumnSizing},
      {"two pixels right", true, false, {62, 150}, true, TQrvStringGrid::gcColumnSizing},
      {"three pixels left", true, false, {57, 150}, false, TQrvStringGrid::gcDefault},
      {"three pixels right", true, false, {63, 150}, false, TQrvStringGrid::gcDefault},
      {"second column edge", true, false, {140, 150}, true, TQrvStringGrid::gcColumnSizing},
      {"normal column edge", true, false, {200, 150}, false, TQrvStringGrid::gcDefault},
      {"column edge, not allowed", false, true, {60, 150}, false, TQrvStringGrid::gcDefault},
      {"row edge", false, true, {300, 20}, true, TQrvStringGrid::gcRowSizing},
      {"normal row edge", false, true, {300, 40}, false, TQrvStringGrid::gcDefault},
      {"row edge, not allowed", true, false, {300, 20}, false, TQrvStringGrid::gcDefault},
      {"below the last row", true, true, {60, 290}, false, TQrvStringGrid::gcDefault},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // A press and release in place must not change the size.
    EXPECT_EQ(grid.ColWidths(0), 60);
    EXPECT_EQ(grid.ColWidths(1), 80);
    EXPECT_EQ(grid.RowHeights(0), 20);
    grid.MouseActions().SetSizeFixedCol(c.sizeFixedCol);
    grid.MouseActions().SetSizeFixedRow(c.sizeFixedRow);
    EXPECT_EQ(grid.CursorAt(c.press.X, c.press.Y), c.cursor);
    grid.GridMouseDown(TQrvStringGrid::gmbLeft, {}, c.press.X, c.press.Y);
    EXPECT_EQ(grid.Interaction() == TQrvStringGrid::TGridInteraction::Sizing, c.sizing);
    grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, c.press.X, c.press.Y);
    EXPECT_EQ(grid.Interaction(), TQrvStringGrid::TGridInteraction::None);
  }
}

TEST_F(FixedEdges, ReleasingChangesTheSizeByAsMuchAsTheMouseMoved) {
  grid.MouseActions().SetSizeFixedCol(true);
  grid.MouseActions().SetSizeFixedRow(true);
  struct Case {
    const char* name;
    TPoint from, to;
    int32_t col0, col1, row0;
    QStringList events;
  };
  const std::vector<Case> cases = {
      {"first column wider", {60, 150}, {100, 150}, 100, 80, 20, {"col sizing 0 100", "col end 0"}},
      // The size changes by as much as the mouse moved: the grabbed point may lie beside the edge.
      {"second column", {140, 150}, {170, 150}, 60, 110, 20, {"col sizing 0 170", "col end 1"}},
      {"first column narrower", {59, 150}, {30, 150}, 31, 80, 20, {"col sizing 0 30", "col end 0"}},
      {"never below nothing", {60, 150}, {-40, 150}, 0, 80, 20, {"col sizing 0 -40", "col end 0"}},
      {"let go outside", {60, 150}, {650, 150}, 60, 80, 20, {"col sizing 0 650"}},
      {"fixed row taller", {300, 20}, {300, 35}, 60, 80, 35, {"row sizing 0 35", "row end 0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid.SetColWidths(0, 60);
    grid.SetColWidths(1, 80);
    grid.SetRowHeights(0, 20);
    events.clear();
    Drag(c.from, c.to);
    EXPECT_EQ(grid.ColWidths(0), c.col0);
    EXPECT_EQ(grid.ColWidths(1), c.col1);
    EXPECT_EQ(grid.RowHeights(0), c.row0);
    EXPECT_EQ(events, c.events);
  }
}

TEST_F(FixedEdges, TheSizingHintNamesTheLinePositionAndOtherColumnsKeepTheirSize) {
  grid.MouseActions().SetSizeFixedCol(true);
  grid.MouseActions().SetAllColumnSize(true);
  grid.HintShowSizing = true;
  grid.GridMouseDown(TQrvStringGrid::gmbLeft, {}, 140, 150);
  grid.GridMouseMove(ssLeft, 170, 150);
  QString text;
  TPoint pos;
  ASSERT_TRUE(grid.SizingHint(text, pos));
  EXPECT_EQ(text, "cw=<b>170</b>");
  grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, 170, 150);
  EXPECT_EQ(grid.ColWidths(1), 110);
  for (int32_t c : {0, 2, 3, 4, 5}) EXPECT_EQ(grid.ColWidths(c), 60) << c;
}

}  // namespace
