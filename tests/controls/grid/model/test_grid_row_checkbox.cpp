// The row check boxes of column 0: each shows its row's selection flag, the header's all of them.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "UQrvGridUndoRedo.h"
#include "UQrvStringGrid.h"

namespace {
using TChange = std::tuple<int32_t, int32_t, bool>;

// Four normal rows under one fixed row.
struct RowBoxFixture : ::testing::Test {
  void SetUp() override {
    grid.SetColCount(3);
    grid.SetRowCount(5);
    grid.MouseActions().SetHotmailRowSelect(true);
    grid.OnCheckBoxChange = [this](TQrvStringGrid*, int32_t c, int32_t r, bool state) {
      changes.emplace_back(c, r, state);
    };
  }
  // The header box: (checked, grayed).
  std::pair<bool, bool> Header() {
    const TCellGraphic* g = grid.GetCellGraphic(0, 0);
    return {g->CellBoolean(), g->CellAngle() > 0};
  }
  TQrvStringGrid grid;
  std::vector<TChange> changes;
};
}  // namespace

TEST_F(RowBoxFixture, EveryCellOfColumnZeroIsARowBoxOnlyWhileTheyAreOn) {
  for (int32_t r = 0; r < grid.RowCount(); ++r) {
    EXPECT_EQ(grid.GetCellType(0, r), ctRowCheckBox) << r;
    EXPECT_TRUE(grid.HasCheckBox(0, r)) << r;
  }
  EXPECT_EQ(grid.GetCellType(1, 1), ctEmpty);
  // A graphic of the cell's own is hidden behind the row box, and removing "the" graphic leaves both alone.
  grid.AddCheckBox(0, 2, true, false);
  EXPECT_EQ(grid.GetCellType(0, 2), ctRowCheckBox);
  EXPECT_TRUE(grid.RemoveCellGraphic(0, 2));
  EXPECT_EQ(grid.GetCellType(0, 2), ctRowCheckBox);
  grid.MouseActions().SetHotmailRowSelect(false);
  EXPECT_EQ(grid.GetCellType(0, 2), ctCheckBox);
  EXPECT_EQ(grid.GetCellType(0, 1), ctEmpty);
  EXPECT_FALSE(grid.HasCheckBox(0, 1));
}

TEST_F(RowBoxFixture, TheHeaderShowsAllSomeOrNoneOfTheNormalRows) {
  EXPECT_EQ(Header(), std::make_pair(false, false));
  grid.SetRowSelect(2, true);
  EXPECT_EQ(Header(), std::make_pair(false, true));
  EXPECT_TRUE(grid.GetCellGraphic(0, 2)->CellBoolean());
  EXPECT_FALSE(grid.GetCellGraphic(0, 3)->CellBoolean());
  for (int32_t r = 1; r < grid.RowCount(); ++r) grid.SetRowSelect(r, true);
  EXPECT_EQ(Header(), std::make_pair(true, false));
  grid.ControlLook.ControlStyle = csFlat;
  EXPECT_TRUE(grid.GetCellGraphic(0, 1)->CellTransparent());
}

TEST_F(RowBoxFixture, StateOperationsReadAndSetTheRowFlag) {
  bool state = true;
  ASSERT_TRUE(grid.GetCheckBoxState(0, 3, state));
  EXPECT_FALSE(state);
  EXPECT_TRUE(grid.SetCheckBoxState(0, 3, true));
  EXPECT_TRUE(grid.GetRowSelect(3));
  TCheckBoxState tri = cbUnchecked;
  ASSERT_TRUE(grid.GetCheckBoxState(0, 3, tri));
  EXPECT_EQ(tri, cbChecked);
  EXPECT_TRUE(changes.empty()) << "setting a state fires nothing";

  // Check all and uncheck all report only the rows that really change.
  grid.CheckAll(0);
  EXPECT_EQ(changes, (std::vector<TChange>{{0, 1, true}, {0, 2, true}, {0, 4, true}}));
  EXPECT_EQ(grid.SelectedRows().Count(), 4);
  changes.clear();
  grid.SetRowSelect(2, false);
  grid.UnCheckAll(0);
  EXPECT_EQ(changes, (std::vector<TChange>{{0, 1, false}, {0, 3, false}, {0, 4, false}}));
  EXPECT_EQ(grid.SelectedRows().Count(), 0);
}

TEST_F(RowBoxFixture, TogglingFlipsTheRowNotItsTextAndLeavesNoUndoRecord) {
  TQrvGridUndoRedo history;
  grid.SetUndoRedo(&history);
  grid.SetCells(0, 2, "2");
  EXPECT_TRUE(grid.ToggleCheckBox(0, 2));
  EXPECT_TRUE(grid.GetRowSelect(2));
  EXPECT_EQ(grid.Cells(0, 2), "2");
  EXPECT_TRUE(grid.ToggleCheckBox(0, 2));
  EXPECT_FALSE(grid.GetRowSelect(2));
  EXPECT_EQ(changes, (std::vector<TChange>{{0, 2, true}, {0, 2, false}}));
  EXPECT_FALSE(history.CanUndo());

  // The header's box selects every normal row, and none once all were selected.
  changes.clear();
  grid.SetRowSelect(3, true);
  EXPECT_TRUE(grid.ToggleCheckBox(0, 0));
  EXPECT_EQ(grid.SelectedRows().Count(), 4);
  EXPECT_EQ(changes, (std::vector<TChange>{{0, 0, true}}));
  EXPECT_TRUE(grid.ToggleCheckBox(0, 0));
  EXPECT_EQ(grid.SelectedRows().Count(), 0);
  grid.SetUndoRedo(nullptr);
}

TEST_F(RowBoxFixture, AnObjectOfTheCallersOwnKeepsItsCellFromTheRowBox) {
  TCellProperties own(nullptr, 0, 0);  // any object that is no cell graphic
  grid.SetGraphicObjectEx(0, 2, &own);
  EXPECT_EQ(grid.GetCellType(0, 2), ctEmpty);
  EXPECT_EQ(grid.GetCellGraphic(0, 2), nullptr);
  bool state = false;
  EXPECT_FALSE(grid.GetCheckBoxState(0, 2, state));
  EXPECT_EQ(grid.GetCellType(0, 3), ctRowCheckBox);
  grid.SetGraphicObjectEx(0, 2, nullptr);
}
