// A right press through the model with no widget: with SelectOnRightClick the pressed cell (and in disjunct row
// selection its row) is selected before OnRightClickCell, so a context menu acts on what was clicked; with URLShow
// and URLEdit a link text opens in the editor.
#include <gtest/gtest.h>

#include <set>

#include "GridRowFlags.h"
#include "GridTestHost.h"

namespace {

// 6 columns of 40 pixels, 8 rows of 20, one fixed row and column.
struct RightClick {
  RightClick() : hosted(6, 8, 300, 200) {
    for (int32_t c = 0; c < grid.ColCount(); ++c) grid.SetColWidths(c, 40);
    for (int32_t r = 0; r < grid.RowCount(); ++r) grid.SetRowHeights(r, 20);
    Fill(grid);
    grid.SetEditors(&editors);
    grid.OnClickCell = [this](TQrvStringGrid*, int32_t r, int32_t c) {
      events << QStringLiteral("click %1,%2").arg(c).arg(r);
    };
  }
  ~RightClick() { grid.SetEditors(nullptr); }
  void Right(int32_t c, int32_t r, TShiftState shift = {}) {
    const TRect rect = grid.CellRect(c, r);
    grid.GridMouseDown(TQrvStringGrid::gmbRight, shift, (rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
  }
  void HandleRightClicks() {
    grid.OnRightClickCell = [this](TQrvStringGrid*, int32_t r, int32_t c) {
      events << QStringLiteral("right %1,%2 current %3,%4").arg(c).arg(r).arg(grid.Col()).arg(grid.Row());
    };
  }
  THostedGrid<> hosted;
  TQrvStringGrid& grid = hosted.grid;
  TRecordingEditors editors;
  QStringList events;
};

}  // namespace

TEST(GridRightClick, SelectOnRightClickMovesTheCursorBeforeOnRightClickCell) {
  struct Case {
    const char* name;
    bool selectOnRightClick;
    bool handler;  // OnRightClickCell assigned
    TPoint pressed;
    TPoint current;  // afterwards
    QStringList events;
  };
  const Case cases[] = {
      {"off", false, true, {3, 4}, {1, 1}, {"right 3,4 current 1,1"}},
      {"with a handler the cell is focused", true, true, {3, 4}, {3, 4}, {"right 3,4 current 3,4"}},
      // Without a handler the press is answered as a left click would be.
      {"without a handler a click is made", true, false, {3, 4}, {3, 4}, {"click 3,4"}},
      {"a fixed cell selects nothing", true, true, {0, 4}, {1, 1}, {"right 0,4 current 1,1"}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    RightClick f;
    f.grid.MouseActions().SetSelectOnRightClick(k.selectOnRightClick);
    if (k.handler) f.HandleRightClicks();
    f.Right(k.pressed.X, k.pressed.Y);
    EXPECT_EQ(f.grid.Col(), k.current.X);
    EXPECT_EQ(f.grid.Row(), k.current.Y);
    EXPECT_EQ(f.events, k.events);
  }
}

TEST(GridRightClick, InDisjunctRowSelectionTheRightPressDecidesTheFlaggedRows) {
  struct Case {
    const char* name;
    std::set<int32_t> before;
    int32_t row;
    TShiftState shift;
    bool noCtrl;  // DisjunctRowSelectNoCtrl
    std::set<int32_t> after;
  };
  const Case cases[] = {
      {"one of several flagged rows keeps them all", {2, 3}, 3, {}, false, {2, 3}},
      {"an unflagged row becomes the only one", {2, 3}, 5, {}, false, {5}},
      {"the only flagged row stays", {3}, 3, {}, false, {3}},
      {"Ctrl adds a row", {2, 3}, 5, ssCtrl, false, {2, 3, 5}},
      {"Ctrl takes a row away", {2, 3}, 3, ssCtrl, false, {2}},
      {"no Ctrl needed", {2}, 4, {}, true, {2, 4}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    RightClick f;
    f.HandleRightClicks();
    f.grid.MouseActions().SetSelectOnRightClick(true);
    f.grid.MouseActions().SetDisjunctRowSelect(true);
    f.grid.MouseActions().SetDisjunctRowSelectNoCtrl(k.noCtrl);
    for (const int32_t r : k.before) f.grid.SetRowSelect(r, true);
    f.Right(2, k.row, k.shift);
    EXPECT_EQ(FlaggedRows(f.grid), k.after);
    EXPECT_EQ(f.grid.Row(), k.row);
    EXPECT_EQ(f.events, QStringList{QStringLiteral("right 2,%1 current 2,%1").arg(k.row)});
  }
}

TEST(GridRightClick, WithURLEditARightPressOnALinkOpensTheEditor) {
  for (const bool urlEdit : {false, true}) {
    SCOPED_TRACE(urlEdit ? "URLEdit" : "no URLEdit");
    RightClick f;
    f.grid.SetOptions(f.grid.Options() | goEditing);
    f.hosted.host.Focus = true;
    f.grid.URLShow = true;
    f.grid.URLEdit = urlEdit;
    f.grid.SetCells(3, 4, QStringLiteral("http://host.example/page"));
    f.grid.SetCells(3, 5, QStringLiteral("plain text"));
    f.Right(3, 5);
    EXPECT_TRUE(f.editors.Shown.empty()) << "a cell without a link opens nothing";
    f.Right(3, 4);
    EXPECT_EQ(f.editors.Shown.size(), urlEdit ? 1u : 0u);
    EXPECT_EQ(f.grid.Row(), urlEdit ? 4 : 1);
  }
}
