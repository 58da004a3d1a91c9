// The grid's own keys through the model's key-down and key-up: the disjunct row, column and cell selections the
// keys keep, the columns held still in row selection, End with footers, select-all, rows inserted and deleted by
// key, and the key-advance steps onto control cells and by Tab.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "GridTestHost.h"

namespace {

// Records the selection select-all announces.
class TKeyGrid : public TQrvStringGrid {
 public:
  void KeySelectionChanging(const TGridRect& s) override { Announced.push_back(s); }
  std::vector<TGridRect> Announced;
};

// 6 columns of 60 pixels, 12 rows of 20 in a 400 x 200 window (8 rows in view), one fixed row and column.
struct TKeys {
  TKeys() : hosted(6, 12, 400, 200) {
    for (int32_t c = 0; c < 6; ++c) grid.SetColWidths(c, 60);
    for (int32_t r = 0; r < 12; ++r) grid.SetRowHeights(r, 20);
    Fill(grid);
    grid.SetEditors(&editors);
    hosted.host.Focus = true;
  }
  ~TKeys() { grid.SetEditors(nullptr); }
  void Press(uint16_t key, TShiftState shift = {}) {
    uint16_t down = key, up = key;
    grid.WMKeyDown(down, shift);
    grid.KeyUp(up, shift);
  }
  std::vector<int32_t> FlaggedRows() const {
    std::vector<int32_t> rows;
    for (int32_t r = 0; r < grid.RowCount() + grid.NumHiddenRows(); ++r)
      if (grid.GetRowSelect(r)) rows.push_back(r);
    return rows;
  }
  std::vector<int32_t> FlaggedCols() const {
    std::vector<int32_t> cols;
    for (int32_t c = 0; c < grid.ColCount(); ++c)
      if (grid.GetColSelect(c)) cols.push_back(c);
    return cols;
  }
  THostedGrid<TKeyGrid> hosted;
  TKeyGrid& grid = hosted.grid;
  TRecordingEditors editors;
};

using TRows = std::vector<int32_t>;

TEST(GridKeys, KeysKeepTheDisjunctRowAndColumnFlags) {
  struct TCase {
    const char* name;
    bool rows, cols, persistent;
    std::function<void(TKeyGrid&)> setup;
    uint16_t key;
    TShiftState shift;
    TRows rowFlags, colFlags;
  };
  const auto none = [](TKeyGrid&) {};
  const TCase cases[] = {
      {"Down flags the new row alone", true, false, false, none, VK_DOWN, {}, {3}, {}},
      {"Right flags the new column alone", false, true, false, none, VK_RIGHT, {}, {}, {3}},
      {"both kinds at once", true, true, false, none, VK_DOWN, {}, {3}, {2}},
      {"Ctrl keeps the flags there are", true, true, false, none, VK_DOWN, ssCtrl, {3, 6}, {2, 4}},
      {"Shift flags the selected rows and unflags the others",
       true,
       false,
       false,
       none,
       VK_DOWN,
       ssShift,
       {2, 3},
       {}},
      {"Shift flags the selected columns and unflags the others",
       false,
       true,
       false,
       none,
       VK_RIGHT,
       ssShift,
       {},
       {2, 3}},
      {"Space flags the current row", true, false, false, none, VK_SPACE, {}, {2, 6}, {}},
      {"Space unflags the current column",
       false,
       true,
       false,
       [](TKeyGrid& g) { g.SetColSelect(2, true); },
       VK_SPACE,
       {},
       {},
       {4}},
      // Row 2 hidden: display row 3 is real row 4 and the flag goes with the real row.
      {"kept rows flag the real row", true, false, true, [](TKeyGrid& g) { g.HideRow(2); }, VK_DOWN, {}, {5}, {}},
      {"Space on a kept row", true, false, true, [](TKeyGrid& g) { g.HideRow(2); }, VK_SPACE, {}, {4, 6}, {}},
  };
  for (const TCase& k : cases) {
    TKeys f;
    TKeyGrid& g = f.grid;
    g.MouseActions().SetDisjunctRowSelect(k.rows);
    g.MouseActions().SetDisjunctColSelect(k.cols);
    g.MouseActions().SetRowSelectPersistent(k.persistent);
    if (k.rows) g.SetRowSelect(6, true);
    if (k.cols) g.SetColSelect(4, true);
    if (k.setup) k.setup(g);
    const int32_t startRow = k.persistent ? 3 : 2;
    g.MoveCurrent(2, startRow, true, true);
    f.Press(k.key, k.shift);
    if (k.rows) EXPECT_EQ(f.FlaggedRows(), k.rowFlags) << k.name;
    if (k.cols) EXPECT_EQ(f.FlaggedCols(), k.colFlags) << k.name;
  }
}

TEST(GridKeys, RowKeysKeepTheColumnsWhereTheyAreInRowSelection) {
  struct TCase {
    const char* name;
    uint16_t key;
    bool keep;
    int32_t row, leftCol;
  };
  const TCase cases[] = {
      {"Down", VK_DOWN, true, 6, 4},
      {"Up", VK_UP, true, 4, 4},
      {"PageDown", VK_NEXT, true, 11, 4},
      {"PageUp", VK_PRIOR, true, 1, 4},
      {"Home to the first row", VK_HOME, true, 1, 4},
      {"End to the last row", VK_END, true, 11, 4},
      {"without the option the cursor's column comes into view", VK_DOWN, false, 6, 1},
      {"Home without the option", VK_HOME, false, 1, 1},
  };
  for (const TCase& k : cases) {
    TKeys f;
    TKeyGrid& g = f.grid;
    g.SetColCount(12);
    for (int32_t c = 6; c < 12; ++c) g.SetColWidths(c, 60);
    g.SetOptions(g.Options() | goRowSelect);
    g.Navigation().SetKeepHorizScroll(k.keep);
    g.Navigation().SetHomeEndKey(heFirstLastRow);
    g.MoveCurrent(1, 5, true, true);
    g.SetLeftCol(4);
    f.Press(k.key);
    EXPECT_EQ(g.Row(), k.row) << k.name;
    EXPECT_EQ(g.LeftCol(), k.leftCol) << k.name;
  }
}

TEST(GridKeys, EndOnRowsShowsTheFootersUnderTheLastRow) {
  struct TCase {
    const char* name;
    std::function<void(TKeyGrid&)> setup;
  };
  const TCase cases[] = {
      {"a fixed footer", [](TKeyGrid& g) { g.SetFixedFooters(1); }},
      {"the floating footer", [](TKeyGrid& g) { g.FloatingFooter().SetVisible(true); }},
  };
  for (const TCase& k : cases) {
    TKeys f;
    TKeyGrid& g = f.grid;
    g.Navigation().SetHomeEndKey(heFirstLastRow);
    k.setup(g);
    g.MoveCurrent(2, 2, true, true);
    f.Press(VK_END);
    EXPECT_EQ(g.Row(), g.RowCount() - 2) << k.name;
    EXPECT_EQ(g.TopRow(), g.MaxTopRow()) << k.name;
    EXPECT_GE(g.TopRow() + g.VisibleRowCount(), g.RowCount()) << k.name << ": the footer row is in view";
  }
}

TEST(GridKeys, SelectAllAnnouncesTheRangeAndEndsOnTheLastCell) {
  for (const TGridOptions extra : {TGridOptions(goRangeSelect), TGridOptions(goRowSelect | goEditing)}) {
    TKeys f;
    TKeyGrid& g = f.grid;
    g.SetOptions(g.Options() | extra);
    g.MoveCurrent(2, 3, true, true);
    f.Press('A', ssCtrl);
    const TGridRect all{1, 1, 5, 11};
    ASSERT_EQ(g.Announced.size(), 1u);
    EXPECT_EQ(g.Announced[0], all);
    EXPECT_EQ(g.Selection(), all);
    EXPECT_EQ(g.Col(), 5);
    EXPECT_EQ(g.Row(), 11);
  }
}

TEST(GridKeys, InsertKeyWidensTheNodeAndReportsRealRows) {
  TKeys f;
  TKeyGrid& g = f.grid;
  g.Navigation().SetAllowInsertRow(true);
  g.Navigation().SetAllowDeleteRow(true);
  std::vector<int32_t> inserted, deleted;
  g.OnAutoInsertRow = [&](TQrvStringGrid*, int32_t r) { inserted.push_back(r); };
  g.OnAutoDeleteRow = [&](TQrvStringGrid*, int32_t r) { deleted.push_back(r); };
  g.AddNode(2, 4);  // rows 2 .. 5
  g.MoveCurrent(1, 3, true, true);
  f.Press(VK_INSERT);
  EXPECT_EQ(g.RowCount(), 13);
  EXPECT_EQ(g.GetNodeSpan(2), 5) << "a row inside the node belongs to it";
  EXPECT_EQ(g.Cells(1, 4), Cell(1, 3));
  EXPECT_EQ(g.GetParentRow(7), -1);

  // Row 8 hidden: display row 8 is real row 9.
  g.HideRow(8);
  g.MoveCurrent(1, 8, true, true);
  f.Press(VK_INSERT);
  f.Press(VK_DELETE);
  EXPECT_EQ(inserted, (TRows{3, 9}));
  EXPECT_EQ(deleted, (TRows{9}));
}

TEST(GridKeys, EnterOntoAControlCellClicksIt) {
  struct TCase {
    const char* name;
    bool startIsControl;
    bool readOnlyTarget;
    bool checked;  // the target check box afterwards
    int changing;  // OnCellChanging notices
    TRows rowFlags;
  };
  const TCase cases[] = {
      {"from a text cell the check box takes a click", false, false, true, 2, {1}},
      {"from another check box it is left as it is", true, false, false, 1, {1}},
      // Read-only cells are not skipped here: the cursor stops on it and the step ends.
      {"a read-only cell ends the step", false, true, false, 1, {}},
  };
  for (const TCase& k : cases) {
    TKeys f;
    TKeyGrid& g = f.grid;
    g.SetOptions(g.Options() | goEditing);
    g.Navigation().SetAdvanceOnEnter(true);
    g.Navigation().SetAdvanceSkipReadOnlyCells(false);
    g.MouseActions().SetDisjunctRowSelect(true);
    g.AddCheckBox(3, 1, false, false);
    if (k.startIsControl) g.AddCheckBox(2, 1, false, false);
    if (k.readOnlyTarget)
      g.OnCanEditCell = [](TQrvStringGrid*, int32_t, int32_t c, bool& can) { can = can && c != 3; };
    g.MoveCurrent(2, 1, true, true);
    int changing = 0;
    g.OnCellChanging = [&](TQrvStringGrid*, int32_t, int32_t, int32_t, int32_t, bool&) { ++changing; };
    g.AdvanceCell(2, 1, true, false, true, true, false);
    EXPECT_EQ(g.Col(), 3) << k.name;
    bool state = false;
    g.GetCheckBoxState(3, 1, state);
    EXPECT_EQ(state, k.checked) << k.name;
    EXPECT_EQ(changing, k.changing) << k.name;
    EXPECT_FALSE(f.editors.TextEditorShowing()) << k.name;
    EXPECT_EQ(f.FlaggedRows(), k.rowFlags) << k.name;
  }
}

TEST(GridKeys, TabOpensTheEditorOfTheCellReached) {
  TKeys f;
  TKeyGrid& g = f.grid;
  // Editing comes on with the click, as a press on the current cell switches it on.
  g.SetOptions((g.Options() | goTabs) & ~TGridOptions(goEditing));
  g.MouseActions().SetRangeSelectAndEdit(true);
  g.MoveCurrent(1, 1, true, true);
  f.Press(VK_TAB);
  EXPECT_EQ(g.Col(), 2);
  EXPECT_TRUE(f.editors.TextEditorShowing());
  f.editors.HideTextEditor();
  g.SetEditMode(false);
  g.SetOptions(g.Options() & ~TGridOptions(goEditing));
  g.Navigation().SetAdvanceAutoEdit(false);
  f.Press(VK_TAB);
  EXPECT_EQ(g.Col(), 3);
  EXPECT_FALSE(f.editors.TextEditorShowing()) << "off with AdvanceAutoEdit";
}

TEST(GridKeys, SpaceListsTheWholeKeyedRangeInTheCellSelection) {
  struct TCase {
    const char* name;
    TGridRect range;
    TShiftState shift;
    int32_t count;
  };
  const TCase cases[] = {
      {"a single cell alone", {2, 2, 2, 2}, {}, 1},
      {"a 2 x 2 range", {2, 2, 3, 3}, {}, 4},
      {"Ctrl adds the range to what is listed", {2, 2, 3, 2}, ssCtrl, 2},
  };
  for (const TCase& k : cases) {
    TKeys f;
    TKeyGrid& g = f.grid;
    g.SetOptions(g.Options() & ~TGridOptions(goEditing));
    g.MouseActions().SetDisjunctCellSelect(true);
    g.SetSelectedCells(5, 5, true);
    g.MoveCurrent(2, 2, true, true);
    g.SetSelection(k.range);
    f.Press(VK_SPACE, k.shift);
    const int32_t listed = g.SelectedCellsCount();
    EXPECT_EQ(listed, k.count + ((k.shift & ssCtrl) ? 1 : 0)) << k.name;
    for (int32_t r = k.range.Top; r <= k.range.Bottom; ++r)
      for (int32_t c = k.range.Left; c <= k.range.Right; ++c) EXPECT_TRUE(g.GetSelectedCells(c, r)) << k.name;
    EXPECT_EQ(g.GetSelectedCells(5, 5), bool(k.shift & ssCtrl)) << k.name;
  }
}

TEST(GridKeys, DownFromTheEditorAppendsAboveTheFloatingFooter) {
  for (const bool footer : {false, true}) {
    TKeys f;
    TKeyGrid& g = f.grid;
    g.Navigation().SetAppendOnArrowDown(true);
    g.FloatingFooter().SetVisible(footer);
    const int32_t lastNormal = footer ? g.RowCount() - 2 : g.RowCount() - 1;
    for (const int32_t start : {lastNormal - 1, lastNormal}) {
      const int32_t rows = g.RowCount();
      g.MoveCurrent(2, start, true, true);
      g.DoneInplaceEdit(VK_DOWN, {});
      EXPECT_EQ(g.RowCount(), start == lastNormal ? rows + 1 : rows) << footer << " from row " << start;
    }
  }
}

}  // namespace

// Ctrl+Up and Ctrl+Down carry the selected rows, a block as a whole, and the selection goes with them.
TEST(GridKeys, CtrlUpAndDownMoveTheSelectedRows) {
  struct TCase {
    const char* name;
    int32_t top, bottom;
    uint16_t key;
    TRows order;  // the rows' first texts from the first normal row on, by the row they came from
    TGridRect selection;
  };
  const TCase cases[] = {
      {"a row down", 5, 5, VK_DOWN, {1, 2, 3, 4, 6, 5, 7, 8, 9, 10, 11}, {1, 6, 1, 6}},
      {"a row up", 5, 5, VK_UP, {1, 2, 3, 5, 4, 6, 7, 8, 9, 10, 11}, {1, 4, 1, 4}},
      {"a block down", 3, 4, VK_DOWN, {1, 2, 5, 3, 4, 6, 7, 8, 9, 10, 11}, {1, 4, 5, 5}},
      {"a block up", 3, 4, VK_UP, {1, 3, 4, 2, 5, 6, 7, 8, 9, 10, 11}, {1, 2, 5, 3}},
      {"a block on the last row stays", 10, 11, VK_DOWN, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {1, 10, 1, 11}},
      {"a block on the first row stays", 1, 2, VK_UP, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {1, 1, 1, 2}},
  };
  for (const TCase& k : cases) {
    TKeys f;
    TKeyGrid& g = f.grid;
    g.SetOptions(g.Options() | goRangeSelect);
    g.Navigation().SetCursorMoveRows(true);
    g.MoveCurrent(1, k.top, true, true);
    g.MoveCurrent(1, k.bottom, false, true);
    f.Press(k.key, ssCtrl);
    TRows order;
    for (int32_t r = 1; r < g.RowCount(); ++r) order.push_back(g.Cells(1, r).section(QLatin1Char(':'), 1).toInt());
    EXPECT_EQ(order, k.order) << k.name;
    EXPECT_EQ(g.Selection(), k.selection) << k.name;
  }
}
