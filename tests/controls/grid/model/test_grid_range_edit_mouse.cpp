// Range-select editing under the mouse, through the model's press, move, release and double click: a first press
// selects, a press on the current cell opens its editor, leaving the selection or dragging leaves editing.
#include <gtest/gtest.h>

#include <functional>

#include "GridTestHost.h"

namespace {

// 5 columns of 60 pixels, 8 rows of 20, one fixed row and column, editing off, range select and edit on.
struct TRangeGrid {
  TRangeGrid() : hosted(5, 8, 400, 300) {
    for (int32_t c = 0; c < 5; ++c) grid.SetColWidths(c, 60);
    for (int32_t r = 0; r < 8; ++r) grid.SetRowHeights(r, 20);
    Fill(grid);
    grid.SetEditors(&editors);
    hosted.host.Focus = true;
    grid.SetOptions((grid.Options() | goRangeSelect) & ~TGridOptions(goEditing));
    grid.MouseActions().SetRangeSelectAndEdit(true);
    // Column 3 is read-only.
    grid.OnCanEditCell = [](TQrvStringGrid*, int32_t, int32_t c, bool& canEdit) {
      if (c == 3) canEdit = false;
    };
  }
  ~TRangeGrid() { grid.SetEditors(nullptr); }
  TPoint Mid(int32_t c, int32_t r) {
    const TRect rect = grid.CellRect(c, r);
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
  }
  void Click(int32_t c, int32_t r, TShiftState shift = {}) {
    const TPoint p = Mid(c, r);
    grid.GridMouseDown(TQrvStringGrid::gmbLeft, shift, p.X, p.Y);
    grid.GridMouseUp(TQrvStringGrid::gmbLeft, shift, p.X, p.Y);
  }
  void DragTo(int32_t fromC, int32_t fromR, int32_t toC, int32_t toR) {
    const TPoint a = Mid(fromC, fromR), b = Mid(toC, toR);
    grid.GridMouseDown(TQrvStringGrid::gmbLeft, {}, a.X, a.Y);
    grid.GridMouseMove(ssLeft, b.X, b.Y);
    grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, b.X, b.Y);
  }
  void DoubleClick(int32_t c, int32_t r) {
    const TPoint p = Mid(c, r);
    Click(c, r);
    grid.GridDblClick({}, p.X, p.Y);
    grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, p.X, p.Y);
  }
  bool Editing() const { return (grid.Options() & goEditing) != 0; }
  THostedGrid<> hosted;
  TQrvStringGrid& grid = hosted.grid;
  TRecordingEditors editors;
};

TEST(RangeEditMouse, PressesSwitchEditingOnAndOff) {
  struct TCase {
    const char* name;
    std::function<void(TRangeGrid&)> act;
    bool editing;      // goEditing afterwards
    bool editor;       // an editor showing afterwards
    int32_t col, row;  // the current cell follows the mouse, also while a range grows
  };
  const TCase cases[] = {
      {"a press on another cell only selects it", [](TRangeGrid& t) { t.Click(2, 4); }, false, false, 2, 4},
      {"a second press on the current cell opens its editor",
       [](TRangeGrid& t) {
         t.Click(2, 4);
         t.Click(2, 4);
       },
       true, true, 2, 4},
      {"a press outside the selection leaves the open editor and editing",
       [](TRangeGrid& t) {
         t.Click(2, 4);
         t.Click(2, 4);
         t.Click(4, 6);
       },
       false, false, 4, 6},
      {"Shift and a press on another cell extends the selection without editing",
       [](TRangeGrid& t) {
         t.Click(2, 4);
         t.Click(2, 4);
         t.Click(4, 6, ssShift);
       },
       false, false, 4, 6},
      {"a read-only cell pressed twice opens nothing",
       [](TRangeGrid& t) {
         t.Click(3, 2);
         t.Click(3, 2);
       },
       false, false, 3, 2},
      {"a press on a read-only cell inside the selection leaves editing",
       [](TRangeGrid& t) {
         t.grid.SetSelection({1, 1, 3, 3});
         t.grid.SetOptions(t.grid.Options() | goEditing);
         t.Click(3, 3);
       },
       false, false, 3, 3},
      {"a drag from a cell with no editor leaves editing",
       [](TRangeGrid& t) {
         t.grid.SetSelection({1, 1, 2, 2});
         t.grid.SetOptions(t.grid.Options() | goEditing);
         t.DragTo(2, 2, 2, 5);
       },
       false, false, 2, 5},
      {"a double click on another editable cell opens its editor", [](TRangeGrid& t) { t.DoubleClick(4, 5); }, true,
       true, 4, 5},
      {"a double click on a read-only cell opens nothing", [](TRangeGrid& t) { t.DoubleClick(3, 5); }, false, false,
       3, 5},
      {"only a double click edits when the grid edits on double clicks only",
       [](TRangeGrid& t) {
         t.grid.MouseActions().SetEditOnDblClickOnly(true);
         t.Click(2, 4);
         t.Click(2, 4);
       },
       false, false, 2, 4},
  };
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.name);
    TRangeGrid t;
    k.act(t);
    EXPECT_EQ(t.Editing(), k.editing);
    EXPECT_EQ(t.editors.TextEditorShowing(), k.editor);
    EXPECT_EQ(t.grid.Col(), k.col);
    EXPECT_EQ(t.grid.Row(), k.row);
  }
}

TEST(RangeEditMouse, WithoutRangeSelectEditingTheMouseLeavesTheEditingOptionAlone) {
  TRangeGrid t;
  TQrvStringGrid& grid = t.grid;
  grid.MouseActions().SetRangeSelectAndEdit(false);
  grid.SetSelection({1, 1, 2, 2});
  grid.SetOptions(grid.Options() | goEditing);
  t.DragTo(2, 2, 2, 5);
  t.Click(4, 6);
  EXPECT_TRUE(t.Editing());
  grid.SetOptions(grid.Options() & ~TGridOptions(goEditing));
  t.Click(2, 4);
  t.Click(2, 4);
  EXPECT_FALSE(t.Editing());
  EXPECT_FALSE(t.editors.TextEditorShowing());
}

}  // namespace
