// Tree nodes in the grid: levels, spans, expanding and contracting.
#include <gtest/gtest.h>

#include "GridTestHost.h"
#include "UQrvStringGrid.h"

namespace {
struct NodeFixture : ::testing::Test {
  void SetUp() override {
    grid.SetColCount(3);
    grid.SetRowCount(8);
    Fill(grid);
  }
  int32_t Level(int32_t r) { return grid.PropsOf(0, r) ? grid.PropsOf(0, r)->NodeLevel() : 0; }
  TQrvStringGrid grid;
};
}  // namespace

TEST_F(NodeFixture, AddNodeSetsLevelsSpanAndMovesTheCurrentColumn) {
  grid.SetCol(0);
  grid.AddNode(1, 4);
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(Level(r), 1) << r;
  EXPECT_EQ(Level(5), 0);
  EXPECT_EQ(grid.GetNodeSpan(1), 4);
  EXPECT_EQ(grid.GetNodeLevel(1), 1);
  EXPECT_EQ(grid.GetNodeLevel(2), -1);
  EXPECT_EQ(grid.GetNodeSpan(2), -1);
  EXPECT_FALSE(grid.GetNodeState(1));
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_TRUE(grid.HasNodes());
  EXPECT_EQ(grid.GetNodeIndent(2), 12);
  EXPECT_EQ(grid.GetParentRow(3), 1);
  EXPECT_EQ(grid.GetParentRow(1), 1);
  EXPECT_EQ(grid.GetParentRow(6), -1);
}

TEST_F(NodeFixture, ContractHidesTheRangeAndExpandShowsExactlyThoseRows) {
  grid.AddNode(1, 4);
  grid.ContractNode(1);
  EXPECT_TRUE(grid.GetNodeState(1));
  EXPECT_EQ(grid.RowCount(), 5);
  EXPECT_EQ(grid.Cells(1, 2), Cell(1, 5));
  EXPECT_FALSE(grid.ForceSel());
  grid.ExpandNode(1);
  EXPECT_EQ(grid.RowCount(), 8);
  for (int r = 0; r < 8; ++r) EXPECT_EQ(grid.Cells(1, r), Cell(1, r)) << r;
  EXPECT_FALSE(grid.GetNodeState(1));
}

TEST_F(NodeFixture, NestedNodeIsMarkedExpandedWhenItsParentContracts) {
  grid.AddNode(1, 4);
  grid.AddNode(2, 2);
  EXPECT_EQ(Level(2), 2);
  EXPECT_EQ(Level(3), 2);
  EXPECT_EQ(Level(4), 1);
  EXPECT_EQ(grid.GetParentRow(3), 2);
  grid.ContractNode(2);
  EXPECT_EQ(grid.RowCount(), 7);
  grid.ContractNode(1);
  EXPECT_EQ(grid.RowCount(), 5);
  grid.ExpandNode(1);
  EXPECT_EQ(grid.RowCount(), 8);
  EXPECT_FALSE(grid.GetNodeState(2));
  for (int r = 0; r < 8; ++r) EXPECT_EQ(grid.Cells(1, r), Cell(1, r)) << r;
}

TEST_F(NodeFixture, ExpandOneContractsTheOtherNodes) {
  grid.AddNode(1, 2);
  grid.AddNode(4, 3);
  grid.CellNode().ExpandOne = true;
  grid.ContractNode(4);
  grid.ExpandNode(4);
  EXPECT_TRUE(grid.GetNodeState(1));
  EXPECT_FALSE(grid.GetNodeState(grid.DisplRowIndex(4)));
  EXPECT_EQ(grid.RowCount(), 7);
}

TEST_F(NodeFixture, ContractAllAndExpandAllRoundTrip) {
  grid.AddNode(1, 3);
  grid.AddNode(4, 3);
  grid.ContractAll();
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_TRUE(grid.GetNodeState(1));
  EXPECT_TRUE(grid.GetNodeState(2));
  grid.ExpandAll();
  EXPECT_EQ(grid.RowCount(), 8);
  for (int r = 0; r < 8; ++r) EXPECT_EQ(grid.Cells(1, r), Cell(1, r)) << r;
}

TEST_F(NodeFixture, SpanTypeAndClickArea) {
  grid.AddNode(1, 3);
  EXPECT_EQ(grid.GetNodeSpanType(1), 0);
  EXPECT_EQ(grid.GetNodeSpanType(2), 2);
  EXPECT_EQ(grid.GetNodeSpanType(3), 1);
  grid.MouseActions().SetPreciseNodeClick(true);
  // cnXP: margin 4, half glyph 4, indent 12, level 1: 4 < x < 16.
  EXPECT_FALSE(grid.IsNodeClickArea(1, 4));
  EXPECT_TRUE(grid.IsNodeClickArea(1, 5));
  EXPECT_TRUE(grid.IsNodeClickArea(1, 15));
  EXPECT_FALSE(grid.IsNodeClickArea(1, 16));
  grid.MouseActions().SetPreciseNodeClick(false);
  EXPECT_TRUE(grid.IsNodeClickArea(1, 500));
}

TEST_F(NodeFixture, RemoveNodeRestoresLevelsAndNeverCountsBelowZero) {
  grid.AddNode(1, 4);
  grid.AddNode(2, 2);
  grid.ContractNode(1);
  grid.RemoveNode(1);
  EXPECT_EQ(grid.RowCount(), 8);
  EXPECT_EQ(Level(1), 0);
  EXPECT_EQ(Level(2), 1);
  EXPECT_EQ(Level(4), 0);
  grid.RemoveAllNodes();
  EXPECT_EQ(grid.NumNodes(), 0);
  EXPECT_EQ(Level(2), 0);
  grid.RemoveNode(2);
  EXPECT_EQ(grid.NumNodes(), 0);
  EXPECT_FALSE(grid.HasNodes());
}

TEST_F(NodeFixture, NodeLookSettersRepaintOnlyOnChange) {
  TRecordingHost host;
  grid.SetHost(&host);
  const int before = host.AllRepaints;
  grid.CellNode().SetNodeIndent(12);
  EXPECT_EQ(host.AllRepaints, before);
  grid.CellNode().SetNodeIndent(20);
  EXPECT_GT(host.AllRepaints, before);
  TCellNode copy(nullptr);
  copy.Assign(grid.CellNode());
  EXPECT_EQ(copy.NodeIndent(), 20);
  EXPECT_EQ(copy.NodeType(), cnXP);
  grid.SetHost(nullptr);
}

TEST_F(NodeFixture, ChildRowsKeepSpansAndGroupCountsOfEveryEnclosingNode) {
  grid.AddNode(1, 5);  // rows 1..5
  grid.AddNode(2, 3);  // rows 2..4
  auto groupCount = [&](int32_t r) { return grid.GetNodeSpan(r) - grid.GetSubNodeCount(r) - 1; };
  grid.InsertChildRow(3, 1);  // a new row 4 inside the nested node
  EXPECT_EQ(grid.RowCount(), 9);
  EXPECT_EQ(grid.GetNodeSpan(1), 6);
  EXPECT_EQ(grid.GetNodeSpan(2), 4);
  EXPECT_EQ(grid.GetSubNodeCount(2), 1);
  EXPECT_EQ(groupCount(1), 4);
  EXPECT_EQ(groupCount(2), 2);
  EXPECT_EQ(Level(4), 2);
  EXPECT_TRUE(grid.Cells(1, 4).isEmpty());
  EXPECT_EQ(grid.Cells(1, 5), Cell(1, 4));
  grid.RemoveChildRow(4);
  EXPECT_EQ(grid.RowCount(), 8);
  EXPECT_EQ(grid.GetNodeSpan(1), 5);
  EXPECT_EQ(grid.GetNodeSpan(2), 3);
  EXPECT_EQ(grid.GetSubNodeCount(1), 0);
  for (int r = 0; r < 8; ++r) EXPECT_EQ(grid.Cells(1, r), Cell(1, r)) << r;
}

TEST_F(NodeFixture, ChildRowDirectlyUnderANodeTakesTheNodeTexts) {
  grid.AddNode(1, 3);
  grid.AddComment(2, 1, "note");
  grid.InsertChildRow(1, 0);
  EXPECT_TRUE(grid.IsNode(1));
  EXPECT_TRUE(grid.Cells(1, 1).isEmpty());
  EXPECT_TRUE(grid.Cells(0, 1).isEmpty());
  EXPECT_EQ(grid.Cells(1, 2), Cell(1, 1));
  EXPECT_EQ(grid.Cells(0, 2), Cell(0, 1));
  EXPECT_EQ(grid.GetComment(2, 2), "note");
  EXPECT_EQ(grid.GetCellType(2, 1), ctEmpty);
  EXPECT_EQ(grid.GetNodeSpan(1), 4);
  EXPECT_EQ(Level(2), 1);
}

TEST_F(NodeFixture, InsertingUnderAContractedNodeOpensItAndKeepsParkedRowsInPlace) {
  grid.AddNode(1, 3);
  grid.AddNode(5, 2);
  grid.ContractNode(5);  // row 6 parked
  grid.ContractNode(1);  // rows 2..3 parked
  grid.InsertChildRow(1, 1);
  EXPECT_FALSE(grid.GetNodeState(1));
  EXPECT_EQ(grid.GetNodeSpan(1), 4);
  grid.ExpandAll();
  ASSERT_EQ(grid.RowCount(), 9);
  const QString expected[] = {Cell(1, 0), Cell(1, 1), "",         Cell(1, 2), Cell(1, 3),
                              Cell(1, 4), Cell(1, 5), Cell(1, 6), Cell(1, 7)};
  for (int r = 0; r < 9; ++r) EXPECT_EQ(grid.Cells(1, r), expected[r]) << r;
}

TEST_F(NodeFixture, NormalRowsShiftParkedRows) {
  grid.AddNode(4, 3);
  grid.ContractNode(4);  // rows 5..6 parked
  grid.InsertNormalRow(2);
  grid.ExpandNode(5);
  ASSERT_EQ(grid.RowCount(), 9);
  EXPECT_EQ(grid.Cells(1, 6), Cell(1, 5));
  EXPECT_EQ(grid.Cells(1, 7), Cell(1, 6));
  grid.RemoveNormalRow(2);
  EXPECT_EQ(grid.RowCount(), 8);
  for (int r = 0; r < 8; ++r) EXPECT_EQ(grid.Cells(1, r), Cell(1, r)) << r;
}
