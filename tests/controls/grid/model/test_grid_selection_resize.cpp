// The selection's resize corner and the mouse selection mode, and what a column (row) move shows, driven through the
// model's press, move and release with no widget.
#include <gtest/gtest.h>

#include "GridTestHost.h"

namespace {

// 6 columns of 40 pixels, 8 rows of 20, one fixed row and column, cells "c:r", selection (1,1)-(2,2).
struct SelectionResize : ::testing::Test {
  SelectionResize() : hosted(6, 8, 240, 160) {
    for (int32_t c = 0; c < 6; ++c) grid.SetColWidths(c, 40);
    for (int32_t r = 0; r < 8; ++r) grid.SetRowHeights(r, 20);
    Fill(grid);
    grid.SetOptions(grid.Options() | goRangeSelect | goEditing);
    grid.SetEditors(&editors);
    grid.SelectionRectangle = true;
    grid.SelectionResizer = true;
    grid.WriteClipboard = [this](const QString& text) {
      clipboard = text;
      ++copies;
    };
    grid.ReadClipboard = [this] { return clipboard; };
    grid.MoveCurrent(1, 1, true, false);
    grid.SetSelection(TGridRect{1, 1, 2, 2});
  }
  ~SelectionResize() override { grid.SetEditors(nullptr); }
  TPoint Corner() {
    const TRect last = grid.CellRect(2, 2);
    return {last.Right - 1, last.Bottom - 1};
  }
  TPoint Mid(int32_t c, int32_t r) {
    const TRect rect = grid.CellRect(c, r);
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
  }
  void Hover(TPoint p) { grid.GridMouseMove({}, p.X, p.Y); }
  void Press(TPoint p) { grid.GridMouseDown(TQrvStringGrid::gmbLeft, ssLeft, p.X, p.Y); }
  void Drag(TPoint p) { grid.GridMouseMove(ssLeft, p.X, p.Y); }
  void Release(TPoint p) { grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, p.X, p.Y); }

  THostedGrid<> hosted;
  TQrvStringGrid& grid = hosted.grid;
  TRecordingEditors editors;
  QString clipboard;
  int copies = 0;
};

TEST_F(SelectionResize, TheResizeModeIsArmedOnlyOverTheLastCellsSixPixelCornerWithBothSettings) {
  const TRect last = grid.CellRect(2, 2);
  struct TCase {
    const char* name;
    bool resizer, rectangle;
    TPoint at;
    TMouseSelectMode mode;
  };
  const TCase cases[] = {
      {"bottom-right pixel", true, true, {last.Right - 1, last.Bottom - 1}, msResize},
      {"six pixels in", true, true, {last.Right - 6, last.Bottom - 6}, msResize},
      {"seven pixels left", true, true, {last.Right - 7, last.Bottom - 1}, msNormal},
      {"seven pixels up", true, true, {last.Right - 1, last.Bottom - 7}, msNormal},
      {"the next cell's edge", true, true, {last.Right, last.Bottom - 1}, msNormal},
      {"middle of the cell", true, true, Mid(2, 2), msNormal},
      {"without the resizer", false, true, {last.Right - 1, last.Bottom - 1}, msNormal},
      {"without the rectangle", true, false, {last.Right - 1, last.Bottom - 1}, msNormal},
  };
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.name);
    grid.SelectionResizer = k.resizer;
    grid.SelectionRectangle = k.rectangle;
    Hover(k.at);
    EXPECT_EQ(grid.MouseSelectMode(), k.mode);
    EXPECT_EQ(grid.CursorAt(k.at.X, k.at.Y) == TQrvStringGrid::gcSelectionResize, k.mode == msResize);
  }
  // A last cell scrolled out of view has no corner: the cell now under that point is another one.
  grid.SelectionResizer = grid.SelectionRectangle = true;
  const TPoint corner = Corner();
  grid.SetTopRow(4);
  Hover(corner);
  EXPECT_EQ(grid.MouseSelectMode(), msNormal);
  grid.SetTopRow(1);
  Hover(corner);
  EXPECT_EQ(grid.MouseSelectMode(), msResize);
  grid.GridMouseLeave();
  EXPECT_EQ(grid.MouseSelectMode(), msNormal);
}

TEST_F(SelectionResize, TheCornerDragSizesFromTheTopLeftAndPastesTheCopiedBlockBetweenTheTwoEvents) {
  std::vector<std::pair<TGridRect, TGridRect>> resize, resized;
  QString cellSeenAtResize;
  grid.OnSelectionResize = [&](TQrvStringGrid*, const TGridRect& from, const TGridRect& to) {
    resize.emplace_back(from, to);
    cellSeenAtResize = grid.Cells(1, 1);
    // What the clipboard holds when the release pastes is what lands.
    clipboard = QStringLiteral("A\tB\nC\tD");
  };
  grid.OnSelectionResized = [&](TQrvStringGrid*, const TGridRect& from, const TGridRect& to) {
    resized.emplace_back(from, to);
  };
  Hover(Corner());
  Press(Corner());
  EXPECT_EQ(copies, 1);
  EXPECT_EQ(clipboard, QStringLiteral("1:1\t2:1\r\n1:2\t2:2"));
  struct TStep {
    TPoint to;
    TGridRect selection;
  };
  // The bottom-right follows the cell under the mouse, never above or left of the top-left; fixed cells and the
  // space beyond the cells leave it where it was.
  const TStep steps[] = {{Mid(4, 5), {1, 1, 4, 5}}, {Mid(3, 1), {1, 1, 3, 1}}, {Mid(2, 0), {1, 1, 3, 1}},
                         {Mid(0, 4), {1, 1, 3, 1}}, {{300, 30}, {1, 1, 3, 1}}, {Mid(1, 1), {1, 1, 1, 1}},
                         {Mid(5, 6), {1, 1, 5, 6}}};
  for (const TStep& s : steps) {
    Drag(s.to);
    EXPECT_EQ(grid.Selection(), s.selection) << s.to.X << "," << s.to.Y;
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);
  }
  Release(Mid(5, 6));
  const TGridRect from{1, 1, 2, 2}, to{1, 1, 5, 6};
  ASSERT_EQ(resize.size(), 1u);
  EXPECT_EQ(resize[0].first, from);
  EXPECT_EQ(resize[0].second, to);
  EXPECT_EQ(cellSeenAtResize, QStringLiteral("1:1")) << "OnSelectionResize comes before the paste";
  EXPECT_EQ(resized, resize);
  EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("A"));
  EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("D"));
  EXPECT_EQ(grid.Cells(3, 3), QStringLiteral("3:3"));
  // The paste opened no editor, and the grid edits as before.
  EXPECT_TRUE(editors.Shown.empty());
  EXPECT_TRUE(grid.Options() & goEditing);
  EXPECT_EQ(grid.Interaction(), TQrvStringGrid::TGridInteraction::None);
  // The next plain press selects as ever.
  Press(Mid(3, 3));
  Release(Mid(3, 3));
  EXPECT_EQ(grid.Selection(), (TGridRect{3, 3, 3, 3}));
  EXPECT_EQ(resize.size(), 1u);
}

TEST_F(SelectionResize, AnArmedModeTakesAPressBesideTheCornerUntilACursorChangeNotMadeByTheGridResetsIt) {
  const TPoint beside{Corner().X - 9, Corner().Y};
  struct TCase {
    const char* name;
    std::function<void(TQrvStringGrid&)> between;
    bool resizes;
  };
  const TCase cases[] = {
      {"nothing between", [](TQrvStringGrid&) {}, true},
      {"another cursor change", [](TQrvStringGrid& g) { g.CMCursorChanged(); }, false},
      {"the control's cursor set", [](TQrvStringGrid& g) { g.SetCursor(crIBeam); }, false},
      {"the mouse leaving", [](TQrvStringGrid& g) { g.GridMouseLeave(); }, false},
  };
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.name);
    grid.SetSelection(TGridRect{1, 1, 2, 2});
    copies = 0;
    Hover(Corner());
    // The window sets the mode's cursor, which is the grid's own doing.
    grid.CMCursorChanged();
    ASSERT_EQ(grid.MouseSelectMode(), msResize);
    k.between(grid);
    Press(beside);
    EXPECT_EQ(copies, k.resizes ? 1 : 0);
    Drag(Mid(4, 4));
    EXPECT_EQ(grid.Selection(), (k.resizes ? TGridRect{1, 1, 4, 4} : TGridRect{2, 2, 4, 4}));
    Release(Mid(4, 4));
    EXPECT_EQ(grid.MouseSelectMode(), msNormal) << "the release ends the mode";
  }
}

// Columns and rows moved by their fixed cells with EnhRowColMove: headers "h<c>", row heads "r<r>".
struct MovePreview : SelectionResize {
  MovePreview() {
    grid.SetOptions(grid.Options() | goColMoving | goRowMoving);
    for (int32_t c = 1; c < 6; ++c) grid.SetCells(c, 0, QStringLiteral("h%1").arg(c));
    for (int32_t r = 1; r < 8; ++r) grid.SetCells(0, r, QStringLiteral("r%1").arg(r));
  }
};

TEST_F(MovePreview, TheMovedHeaderFollowsTheMouseAndTheDropEdgeIsOnTheSideItLands) {
  struct TCase {
    const char* name;
    TPoint press, to;
    bool columns;
    QString caption;
    bool edgeShown;
    TPoint edgeFrom, edgeTo;
  };
  // Pressed 5 pixels right of and 3 below a header's top-left corner.
  const TCase cases[] = {
      {"column further on: after the target", {45, 3}, Mid(4, 0), true, "h1", true, {200, 0}, {200, 20}},
      {"column back: before the target", {165, 3}, Mid(2, 3), true, "h4", true, {80, 0}, {80, 20}},
      {"column onto the fixed column", {45, 3}, Mid(0, 2), true, "h1", false, {}, {}},
      {"column onto the last", {45, 3}, {238, 10}, true, "h1", true, {240, 0}, {240, 20}},
      {"row further on", {5, 43}, Mid(3, 5), false, "r2", true, {0, 120}, {40, 120}},
      {"row back", {5, 103}, Mid(0, 2), false, "r5", true, {0, 40}, {40, 40}},
  };
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.name);
    Press(k.press);
    Drag(k.to);
    const TGridMovePreview p = grid.MovePreview();
    ASSERT_TRUE(p.Shown);
    EXPECT_EQ(p.Columns, k.columns);
    EXPECT_EQ(p.Caption, k.caption);
    const TPoint at{k.to.X - 5, k.to.Y - 3};
    EXPECT_EQ(p.Bounds, (TRect{at.X, at.Y, at.X + 40, at.Y + 20}));
    EXPECT_EQ(p.EdgeShown, k.edgeShown);
    if (k.edgeShown) {
      EXPECT_EQ(p.EdgeFrom, k.edgeFrom);
      EXPECT_EQ(p.EdgeTo, k.edgeTo);
    }
    EXPECT_EQ(grid.CursorAt(k.to.X, k.to.Y), TQrvStringGrid::gcDrag);
    Release(k.to);
    EXPECT_FALSE(grid.MovePreview().Shown);
    Fill(grid);
    for (int32_t c = 1; c < 6; ++c) grid.SetCells(c, 0, QStringLiteral("h%1").arg(c));
    for (int32_t r = 1; r < 8; ++r) grid.SetCells(0, r, QStringLiteral("r%1").arg(r));
  }
  // The plain move shows nothing of itself.
  grid.EnhRowColMove = false;
  Press({45, 3});
  Drag(Mid(4, 0));
  EXPECT_EQ(grid.Interaction(), TQrvStringGrid::TGridInteraction::Moving);
  EXPECT_FALSE(grid.MovePreview().Shown);
  Release(Mid(4, 0));
}

TEST_F(MovePreview, ATargetRefusedByOnColumnMovingShowsNoDropAndTheReleaseThereMovesNothing) {
  std::vector<int32_t> asked;
  grid.OnColumnMoving = [&](TQrvStringGrid*, int32_t c, bool& allow) {
    asked.push_back(c);
    allow = c != 3;
  };
  Press(Mid(1, 0));
  Drag(Mid(3, 0));
  Drag(TPoint{Mid(3, 0).X + 2, Mid(3, 0).Y});
  EXPECT_EQ(asked, (std::vector<int32_t>{3})) << "each target is asked once";
  EXPECT_TRUE(grid.MovePreview().Refused);
  EXPECT_EQ(grid.CursorAt(Mid(3, 0).X, Mid(3, 0).Y), TQrvStringGrid::gcNoDrop);
  Release(Mid(3, 0));
  EXPECT_EQ(grid.Cells(1, 0), QStringLiteral("h1"));
  EXPECT_EQ(grid.Cells(3, 0), QStringLiteral("h3"));
  // Passing over the refused column to an allowed one moves there.
  Press(Mid(1, 0));
  Drag(Mid(3, 0));
  Drag(Mid(4, 0));
  EXPECT_FALSE(grid.MovePreview().Refused);
  Release(Mid(4, 0));
  EXPECT_EQ(grid.Cells(4, 0), QStringLiteral("h1"));
}

TEST_F(MovePreview, AnEnhancedMoveBlocksTheFocusOnceFromItsFirstStepToItsRelease) {
  std::vector<QString> events;
  grid.OnStartBlockFocus = [&](TQrvStringGrid*) { events.push_back("start"); };
  grid.OnEndBlockFocus = [&](TQrvStringGrid*) { events.push_back("end"); };
  Press(Mid(1, 0));
  EXPECT_TRUE(events.empty()) << "a press alone moves nothing";
  Drag(Mid(2, 0));
  Drag(Mid(3, 0));
  EXPECT_EQ(events, (std::vector<QString>{"start"}));
  Release(Mid(3, 0));
  EXPECT_EQ(events, (std::vector<QString>{"start", "end"}));
  // A plain move shows no floating window and leaves the focus alone.
  grid.EnhRowColMove = false;
  events.clear();
  Press(Mid(1, 0));
  Drag(Mid(3, 0));
  Release(Mid(3, 0));
  EXPECT_TRUE(events.empty());
}

TEST_F(MovePreview, AMoveScrollsByOneNearTheFixedColumnsAndBeyondTheRightEdge) {
  grid.SetColCount(12);
  for (int32_t c = 0; c < 12; ++c) grid.SetColWidths(c, 40);
  grid.SetLeftCol(3);
  Press(Mid(4, 0));
  Drag({grid.Width() + 5, 10});
  EXPECT_EQ(grid.LeftCol(), 4);
  Drag({grid.Width() + 6, 10});
  EXPECT_EQ(grid.LeftCol(), 5);
  Drag({45, 10});
  EXPECT_EQ(grid.LeftCol(), 4);
  Drag({100, 10});
  EXPECT_EQ(grid.LeftCol(), 4) << "away from the edges the view stays";
  Release({100, 10});
  // Without EnhRowColMove the view does not follow.
  grid.EnhRowColMove = false;
  Press(Mid(5, 0));
  Drag({grid.Width() + 5, 10});
  EXPECT_EQ(grid.LeftCol(), 4);
  Release({grid.Width() + 5, 10});
}

}  // namespace

namespace {
bool Covers(const std::vector<TRect>& rects, const TRect& cell) {
  for (const TRect& r : rects)
    if (r.Left <= cell.Left && r.Top <= cell.Top && r.Right >= cell.Right && r.Bottom >= cell.Bottom) return true;
  return false;
}
}  // namespace

// While the corner is dragged the rectangle's old and new edges are both repainted: a shrinking selection must not
// leave its former outer lines on screen.
TEST_F(SelectionResize, DraggingTheSelectionRepaintsTheOldAndNewExtent) {
  TRecordingHost& host = hosted.host;
  Hover(Corner());
  Press(Corner());
  struct TStep {
    const char* name;
    TPoint to;
    TPoint oldCorner, newCorner;  // the bottom-right cells before and after; (-1, -1): nothing changes
  };
  const TStep steps[] = {
      {"grows", Mid(4, 5), {2, 2}, {4, 5}},
      {"shrinks", Mid(3, 1), {4, 5}, {3, 1}},
      {"stays over a fixed cell", Mid(2, 0), {-1, -1}, {-1, -1}},
      {"shrinks to one cell", Mid(1, 1), {3, 1}, {1, 1}},
  };
  for (const TStep& s : steps) {
    SCOPED_TRACE(s.name);
    host.Rects.clear();
    Drag(s.to);
    if (s.oldCorner.X < 0) {
      EXPECT_TRUE(host.Rects.empty());
      continue;
    }
    EXPECT_TRUE(Covers(host.Rects, grid.CellRect(s.oldCorner.X, s.oldCorner.Y)));
    EXPECT_TRUE(Covers(host.Rects, grid.CellRect(s.newCorner.X, s.newCorner.Y)));
    EXPECT_TRUE(Covers(host.Rects, grid.CellRect(1, 1)));
  }
  Release(Mid(1, 1));
}
