// The cell-selection check every move passes: redirects, unreachable cells, the editing switch, validation of a
// running edit and the row notice.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "GridTestHost.h"
#include "UQrvStringGrid.h"

namespace {

// Answers editability from its columns whatever the start, as the column grid does.
class TColumnLikeGrid : public TQrvStringGrid {
 public:
  using TQrvStringGrid::SelectCell;
  void CanEditCell(int32_t aCol, int32_t, bool& canEdit) override { canEdit = EditableCols.count(aCol) > 0; }
  bool HasNodes() const override { return Nodes; }
  bool ValidateCell(const QString& value) override {
    Validated.push_back(value);
    return Valid;
  }
  std::set<int32_t> EditableCols{1, 2};
  bool Nodes = false;
  bool Valid = true;
  QStringList Validated;
};

struct ShownGrid : THostedGrid<TColumnLikeGrid> {
  ShownGrid() : THostedGrid(6, 6, 1000, 1000) {
    Fill(grid);
    // Column 3 holds check boxes, cells the editing switch treats as controls.
    for (int32_t r = grid.FixedRows(); r < grid.RowCount(); ++r) grid.AddCheckBox(3, r, false, false);
  }
  bool Editing() const { return bool(grid.Options() & goEditing); }
};

}  // namespace

TEST(EditingSwitch, FollowsTheAnswerCellByCell) {
  ShownGrid g;
  ASSERT_FALSE(g.Editing());
  const struct {
    int32_t col, row;
    bool editing, disabled;
  } steps[] = {
      {1, 1, true, false},  // editable column: switched on
      {4, 1, false, true},  // refused normal cell: switched off, the grid still counts as editing
      {2, 1, true, false},  // editable again
      {3, 1, true, true},   // refused check-box cell: left on, only marked
      {4, 2, false, true},  // refused normal cell
      {3, 2, false, true},  // refused check-box cell never switches on
      {1, 2, true, false},
  };
  for (const auto& s : steps) {
    g.grid.MoveToCell(s.col, s.row);
    EXPECT_EQ(g.grid.Col(), s.col);
    EXPECT_EQ(g.Editing(), s.editing) << s.col << "," << s.row;
    EXPECT_EQ(g.grid.EditDisabled(), s.disabled) << s.col << "," << s.row;
  }
  EXPECT_EQ(g.grid.OldCellText(), Cell(1, 2));  // remembered when editing was switched on
  g.grid.EditableCols.insert(3);
  g.grid.MoveToCell(4, 3);
  g.grid.MoveToCell(3, 3);  // an allowed check-box cell switches on
  EXPECT_TRUE(g.Editing());
}

TEST(EditingSwitch, PlainGridKeepsNormalCellsOutOfEditing) {
  TQrvStringGrid grid;
  TRecordingHost host;
  grid.SetHost(&host);
  for (int32_t c = 1; c < grid.ColCount(); ++c) {
    grid.MoveToCell(c, 2);
    EXPECT_FALSE(grid.Options() & goEditing);
  }
  grid.OnCanEditCell = [](TQrvStringGrid*, int32_t, int32_t aCol, bool& canEdit) { canEdit = aCol == 2; };
  grid.MoveToCell(2, 2);
  EXPECT_TRUE(grid.Options() & goEditing);
  grid.MouseActions().SetEditOnDblClickOnly(true);
  grid.MoveToCell(2, 3);
  EXPECT_FALSE(grid.Options() & goEditing);
  grid.SetHost(nullptr);
}

TEST(MoveCheck, AlwaysShownDropDownOpensTheEditorOnTheMergedBlocksBaseCell) {
  for (const bool combo : {false, true}) {
    SCOPED_TRACE(combo ? "a combo cell" : "no combo cell");
    ShownGrid g;
    g.grid.SetOptions(g.grid.Options() & ~TGridOptions(goRangeSelect));
    g.grid.MergeCells(2, 2, 2, 3);
    g.grid.ControlLook.DropDownAlwaysVisible = true;
    g.grid.OnHasComboBox = [combo](TQrvStringGrid*, int32_t, int32_t, bool& has) { has = combo; };
    g.grid.MoveToCell(1, 1);
    g.grid.MoveToCell(3, 3);
    EXPECT_EQ(g.grid.Col(), 2);
    EXPECT_EQ(g.grid.EditMode(), combo);
  }
}

TEST(MoveCheck, MergedBlockRedirectsToItsBaseCell) {
  ShownGrid g;
  g.grid.SetOptions(g.grid.Options() & ~TGridOptions(goRangeSelect));
  g.grid.MergeCells(2, 2, 2, 3);
  EXPECT_FALSE(g.grid.SelectCell(3, 4));
  EXPECT_EQ(g.grid.Col(), 2);
  EXPECT_EQ(g.grid.Row(), 2);
  g.grid.MoveToCell(1, 1);
  g.grid.MoveToCell(3, 3);
  EXPECT_EQ(g.grid.Col(), 2);
  EXPECT_EQ(g.grid.Row(), 2);
  EXPECT_FALSE(g.grid.EditMode());
  g.grid.MouseActions().SetDirectEdit(true);
  g.grid.MoveToCell(1, 1);
  g.grid.MoveToCell(2, 4);
  EXPECT_TRUE(g.grid.EditMode());  // the editor opens on the base cell
  EXPECT_FALSE(g.grid.SelectCell(-1, 2));
  EXPECT_FALSE(g.grid.SelectCell(2, -1));
  g.grid.SetOptions(g.grid.Options() | goRangeSelect);  // range selection reaches into the block
  g.grid.MoveToCell(3, 3);
  EXPECT_EQ(g.grid.Col(), 3);
}

TEST(MoveCheck, TreeColumnFixedCellsAndDisabledRowsStayUnreachable) {
  ShownGrid g;
  g.grid.SetFixedCols(0);
  g.grid.Nodes = true;
  EXPECT_FALSE(g.grid.SelectCell(0, 2));
  g.grid.SetOptions(g.grid.Options() | goRowSelect);
  EXPECT_TRUE(g.grid.SelectCell(0, 2));
  g.grid.SetOptions(g.grid.Options() & ~TGridOptions(goRowSelect));
  EXPECT_FALSE(g.grid.SelectCell(1, 0));  // the fixed row

  g.grid.SetRowEnabled(4, false);
  EXPECT_FALSE(g.grid.SelectCell(1, 4));
  g.grid.SetForceSel(true);
  EXPECT_TRUE(g.grid.SelectCell(1, 4));
  g.grid.SetForceSel(false);
  g.grid.Navigation().SetSkipDisabledRows(false);
  EXPECT_TRUE(g.grid.SelectCell(1, 4));
}

TEST(MoveCheck, RunningEditIsValidatedAndACellChangeCanBeRefused) {
  ShownGrid g;
  g.grid.MoveToCell(1, 1);
  EXPECT_EQ(g.grid.CellCache(), Cell(1, 1));
  g.grid.SetEditMode(true);
  g.grid.Valid = false;
  g.grid.MoveToCell(1, 2);
  EXPECT_EQ(g.grid.Row(), 1);
  EXPECT_EQ(g.grid.Validated, QStringList{Cell(1, 1)});
  EXPECT_EQ(g.grid.CellCache(), Cell(1, 1));  // kept after the refusal
  g.grid.Valid = true;
  g.grid.MoveToCell(1, 2);
  EXPECT_EQ(g.grid.Row(), 2);
  EXPECT_EQ(g.grid.CellCache(), Cell(1, 2));

  g.grid.SetEditMode(false);
  std::vector<std::array<int32_t, 4>> changes;
  g.grid.OnCellChanging = [&](TQrvStringGrid*, int32_t oldRow, int32_t oldCol, int32_t newRow, int32_t newCol,
                              bool& allow) {
    changes.push_back({oldRow, oldCol, newRow, newCol});
    allow = newRow != 5;
  };
  g.grid.MoveToCell(2, 5);
  EXPECT_EQ(g.grid.Row(), 2);
  g.grid.MoveToCell(2, 4);
  EXPECT_EQ(g.grid.Row(), 4);
  const std::vector<std::array<int32_t, 4>> expected{{2, 1, 5, 2}, {2, 1, 4, 2}};
  EXPECT_EQ(changes, expected);
}

TEST(MoveCheck, RowUpdateOncePerAcceptedRowChange) {
  ShownGrid g;
  std::vector<std::pair<int32_t, int32_t>> updates;
  g.grid.OnRowUpdate = [&](TQrvStringGrid*, int32_t oldRow, int32_t newRow) { updates.emplace_back(oldRow, newRow); };
  struct Listener : ITQrvStringGridSelect {
    void SelectedRow(int32_t c, int32_t r) override { Calls.emplace_back(c, r); }
    std::vector<std::pair<int32_t, int32_t>> Calls;
  };
  const auto listener = std::make_shared<Listener>();
  g.grid.RegisterSelListener(listener);
  g.grid.MoveToCell(1, 2);
  g.grid.MoveToCell(2, 2);  // same row: no notice
  g.grid.SetRowEnabled(3, false);
  g.grid.Navigation().SetSkipDisabledRows(true);
  g.grid.MoveToCell(2, 4);
  g.grid.OnCellChanging = [](TQrvStringGrid*, int32_t, int32_t, int32_t, int32_t, bool& allow) { allow = false; };
  g.grid.MoveToCell(2, 5);  // refused: no notice
  EXPECT_EQ(g.grid.Row(), 4);
  const std::vector<std::pair<int32_t, int32_t>> expected{{-1, 2}, {2, 4}};
  EXPECT_EQ(updates, expected);
  ASSERT_FALSE(listener->Calls.empty());
  EXPECT_EQ(listener->Calls.back(), (std::pair<int32_t, int32_t>{2, 5}));
}

TEST(MoveCheck, ActiveHeadersRepaintTheirFixedCells) {
  ShownGrid g;
  g.host.Rects.clear();
  g.grid.RepaintActiveHeaders(2, 3, 4, 5);
  const std::vector<TRect> expected{g.grid.CellRect(2, 0), g.grid.CellRect(0, 3), g.grid.CellRect(4, 0),
                                    g.grid.CellRect(0, 5)};
  EXPECT_EQ(g.host.Rects, expected);
}

namespace {

// Footer panels as a widget reports them.
class TFooterGrid : public TQrvStringGrid {
 public:
  bool SearchFooterShown() const override { return SearchPanel > 0; }
  int32_t SearchPanelHeight() const override { return SearchPanel; }
  bool FloatingFooterShown() const override { return FixedFooter; }
  bool FloatingFooterFixedLastRow() const override { return true; }
  int32_t FloatingFooterHeight() const override { return 24; }
  int32_t SearchPanel = 0;
  bool FixedFooter = false;
};

// Rows of 22 pixels in a window 144 pixels high.
struct FooterGrid : THostedGrid<TFooterGrid> {
  FooterGrid() : THostedGrid(5, 20, 400, 144) {}
};

}  // namespace

TEST(MoveCheck, FixedFloatingFooterKeepsTheLastRowOut) {
  FooterGrid g;
  g.grid.FixedFooter = true;
  g.grid.MoveToCell(1, 19);
  EXPECT_EQ(g.grid.Row(), 1);
  g.grid.MoveToCell(1, 18);
  EXPECT_EQ(g.grid.Row(), 18);
  EXPECT_GE(g.grid.TopRow() + g.grid.VisibleRowCount(), 18);
}

TEST(MoveCheck, SearchFooterScrollsTheTargetAboveThePanel) {
  FooterGrid g;
  g.grid.SearchPanel = 40;
  g.grid.MoveToCell(1, 5);  // the last row in view, under the panel
  EXPECT_EQ(g.grid.Row(), 5);
  EXPECT_GT(g.grid.TopRow(), 1);
  EXPECT_LE(g.grid.CellRect(1, 5).Bottom, 144 - 40 + 2);

  g.grid.SetTopRow(15);  // the last row ends at the client bottom
  EXPECT_FALSE(g.grid.LastRowAboveSearchFooter());
  g.grid.ScrollAboveSearchFooter();
  EXPECT_EQ(g.grid.TopRow(), 17);
  EXPECT_TRUE(g.grid.LastRowAboveSearchFooter());

  g.grid.SearchPanel = 110;  // no room above the panel for the last row: the scroll stops at the end
  g.grid.SetTopRow(15);
  g.grid.ScrollAboveSearchFooter();
  EXPECT_EQ(g.grid.TopRow(), 19);
  EXPECT_FALSE(g.grid.LastRowAboveSearchFooter());

  // Rows filling the client exactly: a last row starting at the client's bottom is out of view, not above the panel
  // (else the scroll bar's step down to it would be refused).
  THostedGrid<TFooterGrid> exact(5, 20, 400, 6 * 22);
  exact.grid.SearchPanel = 40;
  exact.grid.SetTopRow(14);
  ASSERT_EQ(exact.grid.VisibleRowCount(), 5);
  EXPECT_FALSE(exact.grid.LastRowAboveSearchFooter());
}

// A changed answer for the current cell takes effect when the grid is asked to update its edit mode.
TEST(EditingSwitch, UpdateEditModeAsksAgainForTheCurrentCell) {
  ShownGrid g;
  g.grid.MoveToCell(4, 2);
  ASSERT_FALSE(g.Editing());
  g.grid.EditableCols.insert(4);
  g.grid.UpdateEditMode();
  EXPECT_TRUE(g.Editing());
  EXPECT_FALSE(g.grid.EditDisabled());
  g.grid.EditableCols.erase(4);
  g.grid.UpdateEditMode();
  EXPECT_FALSE(g.Editing());
  EXPECT_EQ(g.grid.Col(), 4);
}
