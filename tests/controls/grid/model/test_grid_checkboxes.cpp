// Check boxes, radio buttons and radio groups in cells.
#include <gtest/gtest.h>

#include <vector>

#include "Exception.h"
#include "UQrvGridUndoRedo.h"
#include "UQrvStringGrid.h"

namespace {
struct CheckFixture : ::testing::Test {
  void SetUp() override {
    grid.SetColCount(4);
    grid.SetRowCount(6);
    grid.OnCheckBoxChange = [this](TQrvStringGrid*, int32_t c, int32_t r, bool state) {
      changes.push_back({c, r, state});
    };
  }
  struct Change {
    int32_t c, r;
    bool state;
    bool operator==(const Change&) const = default;
  };
  TQrvStringGrid grid;
  std::vector<Change> changes;
};
}  // namespace

TEST_F(CheckFixture, DataCheckBoxTogglesBetweenTheCheckTextsCaseSensitively) {
  struct Case {
    QString before, after;
    bool state;
  };
  const Case cases[] = {{"Y", "N", false}, {"N", "Y", true}, {"", "Y", true}, {"y", "Y", true}, {"x", "Y", true}};
  for (const Case& k : cases) {
    grid.SetCells(1, 1, k.before);
    grid.AddCheckBox(1, 1, false, true);
    if (k.before.isEmpty()) {
      ASSERT_EQ(grid.Cells(1, 1), "N");  // an empty cell gets the unchecked text
    }
    grid.SetCells(1, 1, k.before);
    changes.clear();
    EXPECT_TRUE(grid.ToggleCheckBox(1, 1));
    EXPECT_EQ(grid.Cells(1, 1), k.after) << k.before.toStdString();
    EXPECT_EQ(changes, (std::vector<Change>{{1, 1, k.state}}));
  }
}

TEST_F(CheckFixture, AddDataCheckBoxKeepsACheckTextAndWritesOneOtherwise) {
  grid.SetCells(1, 1, "N");
  grid.AddCheckBox(1, 1, true, true);
  EXPECT_EQ(grid.Cells(1, 1), "N");
  EXPECT_FALSE(grid.IsChecked(1, 1));
  grid.AddCheckBox(1, 2, true, true);
  EXPECT_EQ(grid.Cells(1, 2), "Y");
  EXPECT_TRUE(grid.IsChecked(1, 2));
  EXPECT_TRUE(grid.HasDataCheckBox(1, 2));
  EXPECT_THROW(grid.AddCheckBox(4, 1, true, false), Exception);
  try {
    grid.AddRadioButton(1, 6, true);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Invalid cell");
  }
}

TEST_F(CheckFixture, CustomCheckTextsComeFromTheHooks) {
  grid.OnGetCheckTrue = [](TQrvStringGrid*, int32_t, int32_t, QString& v) { v = "on"; };
  grid.OnGetCheckFalse = [](TQrvStringGrid*, int32_t, int32_t, QString& v) { v = "off"; };
  grid.AddCheckBox(2, 1, false, true);  // writes the grid's own texts
  grid.SetCells(2, 1, "on");
  grid.ToggleCheckBox(2, 1);
  EXPECT_EQ(grid.Cells(2, 1), "off");
  EXPECT_TRUE(grid.SetCheckBoxState(2, 1, true));
  EXPECT_EQ(grid.Cells(2, 1), "on");
}

TEST_F(CheckFixture, UndoRecordHoldsTheTextsReallySwapped) {
  TQrvGridUndoRedo history;
  grid.SetUndoRedo(&history);
  grid.AddCheckBox(1, 1, true, true);  // "Y", the added flag stays True
  grid.ToggleCheckBox(1, 1);
  ASSERT_EQ(history.Items().size(), 1u);
  EXPECT_EQ(history.Items()[0]->OrigValue(), "Y");
  EXPECT_EQ(history.Items()[0]->Value(), "N");
  history.Undo();
  EXPECT_EQ(grid.Cells(1, 1), "Y");
  grid.AddCheckBox(2, 1, false, false);
  grid.ToggleCheckBox(2, 1);
  EXPECT_EQ(history.Items().back()->OrigValue(), "N");
  EXPECT_EQ(history.Items().back()->Value(), "Y");
  grid.SetUndoRedo(nullptr);
}

TEST_F(CheckFixture, UserToggleAsksCanEditUnlessCheckAlwaysActive) {
  grid.AddCheckBox(1, 1, false, false);
  grid.OnCanEditCell = [](TQrvStringGrid*, int32_t, int32_t, bool& can) { can = false; };
  EXPECT_FALSE(grid.ToggleCheckBoxCell(1, 1, true));
  EXPECT_FALSE(grid.IsChecked(1, 1));
  EXPECT_TRUE(changes.empty());
  EXPECT_TRUE(grid.ToggleCheckBox(1, 1));
  EXPECT_TRUE(grid.IsChecked(1, 1));
  grid.ControlLook.CheckAlwaysActive = true;
  EXPECT_TRUE(grid.ToggleCheckBoxCell(1, 1, true));
  EXPECT_FALSE(grid.IsChecked(1, 1));
  EXPECT_FALSE(grid.ToggleCheckBox(2, 2));  // no check box there
}

TEST_F(CheckFixture, TriStateCyclesOutsideNodes) {
  grid.AddCheckBox(1, 1, cbUnchecked);
  const TCheckBoxState expected[] = {cbGrayed, cbChecked, cbUnchecked};
  for (TCheckBoxState s : expected) {
    grid.ToggleCheckBox(1, 1);
    TCheckBoxState state = cbChecked;
    ASSERT_TRUE(grid.GetCheckBoxState(1, 1, state));
    EXPECT_EQ(state, s);
  }
  EXPECT_FALSE(grid.SetCheckBoxState(2, 1, cbChecked));
}

TEST_F(CheckFixture, AutoCheckGroupGraysTheNodeAndSpreadsItsState) {
  grid.SetRowCount(6);
  grid.AddNode(1, 4);  // rows 1..4
  grid.AddCheckBox(1, 1, cbUnchecked);
  for (int r = 2; r <= 4; ++r) grid.AddCheckBox(1, r, false, false);
  grid.Grouping.AutoCheckGroup = true;
  grid.ToggleCheckBox(1, 3);
  TCheckBoxState state = cbUnchecked;
  grid.GetCheckBoxState(1, 1, state);
  EXPECT_EQ(state, cbGrayed);
  grid.ToggleCheckBox(1, 1);  // grayed node becomes checked and checks its children, also contracted
  grid.GetCheckBoxState(1, 1, state);
  EXPECT_EQ(state, cbChecked);
  for (int r = 2; r <= 4; ++r) EXPECT_TRUE(grid.IsChecked(1, r)) << r;
  grid.ContractNode(1);
  grid.ToggleCheckBox(1, 1);
  for (int r = 2; r <= 4; ++r) EXPECT_FALSE(grid.IsChecked(1, r)) << r;
}

TEST_F(CheckFixture, CheckAllAndUnCheckAllFireOnlyOnRealChanges) {
  grid.AddCheckBoxColumn(1, false, true);
  EXPECT_FALSE(grid.HasCheckBox(1, 0));
  grid.SetCells(1, 2, "Y");
  grid.CheckAll(1);
  EXPECT_EQ(changes.size(), 4u);  // rows 1, 3, 4, 5
  changes.clear();
  grid.UnCheckAll(1);
  EXPECT_EQ(changes.size(), 5u);
  for (int r = 1; r < 6; ++r) EXPECT_EQ(grid.Cells(1, r), "N");
  grid.RemoveCheckBoxColumn(1);
  EXPECT_FALSE(grid.HasCheckBox(1, 3));
}

TEST_F(CheckFixture, CheckBoxStateOfAHiddenRowReadsItsParkedCell) {
  grid.AddCheckBox(1, 3, true, false);
  grid.AddCheckBox(2, 3, false, true);
  grid.HideRow(3);
  bool state = false;
  EXPECT_TRUE(grid.GetCheckBoxState(1, 3, state));
  EXPECT_TRUE(state);
  EXPECT_TRUE(grid.SetCheckBoxState(2, 3, true));
  grid.UnHideRow(3);
  EXPECT_EQ(grid.Cells(2, 3), "Y");
}

TEST_F(CheckFixture, RadioButtonsKeepOneCheckedPerColumn) {
  grid.AddRadioButtonColumn(2);
  EXPECT_EQ(grid.GetRadioButtonColumnIndex(2), -1);
  EXPECT_TRUE(grid.SelectRadioButtonCell(2, 2, false));
  EXPECT_TRUE(grid.SelectRadioButtonCell(2, 4, false));
  EXPECT_FALSE(grid.IsRadioButtonChecked(2, 2));
  EXPECT_EQ(grid.GetRadioButtonColumnIndex(2), 4);
  EXPECT_TRUE(grid.SelectRadioButtonCell(2, 4, false));  // already checked
  EXPECT_TRUE(changes.empty());
  grid.SetRadioButtonColumnIndex(2, 3);
  EXPECT_EQ(grid.GetRadioButtonColumnIndex(2), 3);
  EXPECT_FALSE(grid.SetRadioButtonState(1, 3, true));
  grid.RemoveRadioButtonColumn(2);
  EXPECT_FALSE(grid.HasRadioButton(2, 3));
}

TEST_F(CheckFixture, RadioGroupStepsWrapsAndEmptiesOnMinusOne) {
  QStringList* items = grid.CreateRadio(1, 1, 0, -1);
  *items << "a"
         << "b"
         << "c";
  grid.SetCells(1, 1, "b");
  grid.SelectNextRadioItem(1, 1, false);  // follows the text
  EXPECT_EQ(grid.Cells(1, 1), "c");
  grid.SelectNextRadioItem(1, 1, false);
  EXPECT_EQ(grid.Cells(1, 1), "a");
  int32_t idx = -5;
  EXPECT_TRUE(grid.GetRadioIdx(1, 1, idx));
  EXPECT_EQ(idx, 0);
  EXPECT_TRUE(grid.SetRadioIdx(1, 1, -1));
  EXPECT_TRUE(grid.Cells(1, 1).isEmpty());
  EXPECT_EQ(grid.GetRadioStrings(1, 1), items);
  QStringList caller{"x"};
  grid.AddRadio(2, 1, 1, 0, &caller);  // stays the caller's
  grid.RemoveRadio(2, 1);
  EXPECT_EQ(caller.size(), 1);
  EXPECT_TRUE(grid.IsControlCell(1, 1));
  EXPECT_FALSE(grid.IsControlCell(-1, 1));
}

TEST_F(CheckFixture, PreciseHitTestFindsTheBox) {
  grid.AddCheckBox(1, 1, false, false);
  EXPECT_TRUE(grid.IsInCheckBox(1, 1, -100, -100));  // whole cell counts
  grid.MouseActions().SetPreciseCheckBoxCheck(true);
  const TRect r = grid.CellRect(1, 1);
  EXPECT_TRUE(grid.IsInCheckBox(1, 1, r.Left + 2, r.Top + 2));
  EXPECT_FALSE(grid.IsInCheckBox(1, 1, r.Left + 2 + 15, r.Top + 2));
  EXPECT_FALSE(grid.IsInCheckBox(2, 1, r.Left + 2, r.Top + 2));
}

namespace {
// Column 2 is a check-box column as the column grid reports it: a shared virtual check box, nothing in the cell.
struct VirtualCheckGrid : TQrvStringGrid {
  VirtualCheckGrid() { shared.SetCellType(ctVirtCheckBox); }
  TCellGraphic* GetCellGraphic(int32_t c, int32_t r) override {
    if (c == 2 && r >= FixedRows()) return &shared;
    return TQrvStringGrid::GetCellGraphic(c, r);
  }
  TCellType GetCellType(int32_t c, int32_t r) override {
    if (c == 2 && r >= FixedRows()) return ctVirtCheckBox;
    return TQrvStringGrid::GetCellType(c, r);
  }
  TCellGraphic shared;
};
}  // namespace

TEST(VirtualCheckBox, TogglesTheTextRecordsTheRealChangeAndIsNeverFreed) {
  VirtualCheckGrid grid;
  grid.SetColCount(3);
  grid.SetRowCount(4);
  TQrvGridUndoRedo history;
  grid.SetUndoRedo(&history);
  std::vector<bool> states;
  grid.OnCheckBoxChange = [&](TQrvStringGrid*, int32_t, int32_t, bool s) { states.push_back(s); };
  grid.SetCells(2, 1, "Y");
  EXPECT_TRUE(grid.ToggleCheckBoxCell(2, 1, true));
  EXPECT_EQ(grid.Cells(2, 1), "N");
  EXPECT_TRUE(grid.ToggleCheckBoxCell(2, 2, true));  // an empty cell
  EXPECT_EQ(grid.Cells(2, 2), "Y");
  EXPECT_EQ(states, (std::vector<bool>{false, true}));
  ASSERT_EQ(history.Items().size(), 2u);
  EXPECT_EQ(history.Items()[0]->OrigValue(), "Y");
  EXPECT_EQ(history.Items()[0]->Value(), "N");
  EXPECT_EQ(history.Items()[1]->OrigValue(), "");
  EXPECT_EQ(history.Items()[1]->Value(), "Y");
  EXPECT_TRUE(grid.HasDataCheckBox(2, 1));
  EXPECT_TRUE(grid.IsControlCell(2, 1));
  EXPECT_TRUE(grid.IsDataDrivenCell(2, 1));
  EXPECT_TRUE(grid.IsChecked(2, 2));
  EXPECT_TRUE(grid.RemoveCellGraphic(2, 1));  // the shared box stays alive
  EXPECT_EQ(grid.GetCellType(2, 1), ctVirtCheckBox);
  grid.SetUndoRedo(nullptr);
}

// Removing by check state takes every matching row, also neighbours that move up after a removal.
TEST_F(CheckFixture, RemoveCheckedRowsTakesEveryRowOfTheAskedState) {
  struct Case {
    bool removeChecked;
    QStringList left;
  };
  const Case cases[] = {{true, {"h", "a", "d"}}, {false, {"h", "b", "c", "e"}}};
  const bool states[] = {false, true, true, false, true};
  for (const Case& k : cases) {
    grid.SetRowCount(6);
    grid.SetCells(0, 0, "h");
    for (int32_t r = 1; r < 6; ++r) {
      grid.SetCells(0, r, QString(QChar(u'a' + r - 1)));
      grid.AddCheckBox(1, r, states[r - 1], false);
    }
    grid.RemoveCheckedRows(1, k.removeChecked);
    QStringList left;
    for (int32_t r = 0; r < grid.RowCount(); ++r) left << grid.Cells(0, r);
    EXPECT_EQ(left, k.left) << k.removeChecked;
    for (int32_t r = 1; r < grid.RowCount(); ++r) EXPECT_NE(grid.IsChecked(1, r), k.removeChecked);
  }
}
