// Two linked grids: the partner follows the cursor by every path, the scroll position, moved columns and rows, and
// forgets a partner that is destroyed; column and row moves keep the sort indexes and the fixed footer row.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "GridTestHost.h"

namespace {

// Two grids of 6 columns of 60 pixels and 20 rows of 20 in a window too small for all of them; `a` leads `b`.
struct Linked : ::testing::Test {
  Linked() {
    for (auto* g : {&a.grid, &b.grid}) {
      for (int32_t c = 0; c < 6; ++c) g->SetColWidths(c, 60);
      for (int32_t r = 0; r < 20; ++r) g->SetRowHeights(r, 20);
      Fill(*g);
    }
  }
  void Link(TQrvStringGrid& from, TQrvStringGrid& to) {
    TSyncGrid& sync = from.SyncGrid();
    sync.SetGrid(&to);
    sync.SetSelectionColumn(true);
    sync.SetSelectionRow(true);
    sync.SetScrollVertical(true);
    sync.SetScrollHorizontal(true);
    sync.SetMoveColumn(true);
    sync.SetMoveRow(true);
  }
  THostedGrid<> a{6, 20, 200, 120};
  THostedGrid<> b{6, 20, 200, 120};
};

TEST_F(Linked, ThePartnerFollowsTheCursorByEveryPath) {
  struct Case {
    const char* name;
    std::function<void(TQrvStringGrid&)> move;
    int32_t c, r;
  };
  const Case cases[] = {
      {"mouse",
       [](TQrvStringGrid& g) {
         const TRect rect = g.CellRect(3, 4);
         g.GridMouseDown(TQrvStringGrid::gmbLeft, {}, rect.Left + 5, rect.Top + 5);
         g.GridMouseUp(TQrvStringGrid::gmbLeft, {}, rect.Left + 5, rect.Top + 5);
       },
       3, 4},
      {"arrow key",
       [](TQrvStringGrid& g) {
         uint16_t key = VK_DOWN;
         g.KeyDown(key, {});
       },
       1, 2},
      {"Col and Row",
       [](TQrvStringGrid& g) {
         g.SetCol(2);
         g.SetRow(5);
       },
       2, 5},
  };
  for (const bool bothWays : {false, true}) {
    Link(a.grid, b.grid);
    if (bothWays) Link(b.grid, a.grid);
    for (const Case& k : cases) {
      SCOPED_TRACE(k.name);
      a.grid.MoveCurrent(1, 1, true, true);
      b.grid.MoveCurrent(1, 1, true, true);
      k.move(a.grid);
      EXPECT_EQ(a.grid.Col(), k.c);
      EXPECT_EQ(a.grid.Row(), k.r);
      EXPECT_EQ(b.grid.Col(), k.c);
      EXPECT_EQ(b.grid.Row(), k.r);
    }
  }
  // Without the options the partner stays.
  b.grid.SyncGrid().SetGrid(nullptr);
  a.grid.SyncGrid().SetSelectionColumn(false);
  a.grid.SyncGrid().SetSelectionRow(false);
  b.grid.MoveCurrent(1, 1, true, true);
  a.grid.SetRow(7);
  EXPECT_EQ(b.grid.Row(), 1);
}

TEST_F(Linked, ThePartnerScrollsAlong) {
  Link(a.grid, b.grid);
  Link(b.grid, a.grid);
  a.grid.SetTopRow(6);
  a.grid.SetLeftCol(3);
  EXPECT_EQ(b.grid.TopRow(), 6);
  EXPECT_EQ(b.grid.LeftCol(), 3);
  // A cursor move that scrolls takes the partner's view along too.
  a.grid.MoveCurrent(3, 15, true, true);
  EXPECT_EQ(b.grid.TopRow(), a.grid.TopRow());

  a.grid.SyncGrid().SetScrollVertical(false);
  a.grid.SyncGrid().SetScrollHorizontal(false);
  a.grid.SetTopRow(2);
  a.grid.SetLeftCol(1);
  EXPECT_NE(b.grid.TopRow(), 2);
  EXPECT_EQ(b.grid.LeftCol(), 3);
}

TEST_F(Linked, ThePartnerMovesTheSameColumnAndRowOnce) {
  Link(a.grid, b.grid);
  Link(b.grid, a.grid);
  int aMoved = 0, bMoved = 0;
  a.grid.OnRowMoved = [&](TQrvStringGrid*, int32_t from, int32_t to) { aMoved += from == 2 && to == 5; };
  b.grid.OnRowMoved = [&](TQrvStringGrid*, int32_t from, int32_t to) { bMoved += from == 2 && to == 5; };
  a.grid.MoveColumn(1, 3);
  for (auto* g : {&a.grid, &b.grid}) {
    EXPECT_EQ(g->Cells(3, 2), Cell(1, 2));
    EXPECT_EQ(g->Cells(1, 2), Cell(2, 2));
  }
  b.grid.MoveRow(2, 5);
  EXPECT_EQ(aMoved, 1);
  EXPECT_EQ(bMoved, 1);
  for (auto* g : {&a.grid, &b.grid}) {
    EXPECT_EQ(g->Cells(0, 5), Cell(0, 2));
    EXPECT_EQ(g->Cells(0, 2), Cell(0, 3));
  }
  a.grid.SyncGrid().SetMoveColumn(false);
  a.grid.MoveColumn(4, 5);
  EXPECT_EQ(b.grid.Cells(5, 1), Cell(5, 1));
}

// Whichever grid hides columns or rows, the partner moves the column or row that moved in the leader, to the same
// place among all of them; a partner that hides either end keeps its order.
TEST(SyncPartner, WithHiddenColumnsOrRowsThePartnerMovesTheSameOne) {
  struct TCase {
    const char* name;
    std::function<void(TQrvStringGrid& leader, TQrvStringGrid& partner)> hideAndMove;
    bool rows;
    std::vector<int32_t> order;  // the partner's columns (rows) afterwards, by their first place
  };
  const std::vector<int32_t> unchanged{0, 1, 2, 3, 4, 5, 6, 7};
  const TCase cases[] = {
      {"leader hides a column left of both",
       [](TQrvStringGrid& l, TQrvStringGrid&) {
         l.HideColumn(1);
         l.MoveColumn(1, 3);
       },
       false,
       {0, 1, 3, 4, 2, 5}},
      {"leader hides a column the move passes",
       [](TQrvStringGrid& l, TQrvStringGrid&) {
         l.HideColumn(2);
         l.MoveColumn(1, 3);
       },
       false,
       {0, 2, 3, 4, 1, 5}},
      {"partner hides a column left of both",
       [](TQrvStringGrid& l, TQrvStringGrid& p) {
         p.HideColumn(1);
         l.MoveColumn(2, 4);
       },
       false,
       {0, 1, 3, 4, 2, 5}},
      {"partner hides the moved column",
       [](TQrvStringGrid& l, TQrvStringGrid& p) {
         p.HideColumn(2);
         l.MoveColumn(2, 4);
       },
       false,
       {0, 1, 2, 3, 4, 5}},
      {"partner hides the target column",
       [](TQrvStringGrid& l, TQrvStringGrid& p) {
         p.HideColumn(4);
         l.MoveColumn(2, 4);
       },
       false,
       {0, 1, 2, 3, 4, 5}},
      {"leader hides a row above both",
       [](TQrvStringGrid& l, TQrvStringGrid&) {
         l.HideRow(1);
         l.MoveRow(2, 4);
       },
       true,
       {0, 1, 2, 4, 5, 3, 6, 7}},
      {"partner hides a row above both",
       [](TQrvStringGrid& l, TQrvStringGrid& p) {
         p.HideRow(1);
         l.MoveRow(3, 5);
       },
       true,
       {0, 1, 2, 4, 5, 3, 6, 7}},
      {"partner hides the moved row",
       [](TQrvStringGrid& l, TQrvStringGrid& p) {
         p.HideRow(3);
         l.MoveRow(3, 5);
       },
       true, unchanged},
  };
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.name);
    THostedGrid<> leader(6, 20, 300, 200);
    THostedGrid<> partner(6, 20, 300, 200);
    for (auto* pair : {&leader, &partner}) Fill(pair->grid);
    for (auto [from, to] : {std::pair{&leader, &partner}, std::pair{&partner, &leader}}) {
      from->grid.SyncGrid().SetGrid(&to->grid);
      from->grid.SyncGrid().SetMoveColumn(true);
      from->grid.SyncGrid().SetMoveRow(true);
    }
    k.hideAndMove(leader.grid, partner.grid);
    for (size_t i = 0; i < k.order.size(); ++i) {
      const auto at = static_cast<int32_t>(i);
      if (k.rows)
        EXPECT_EQ(partner.grid.GetCellsEx(0, at), Cell(0, k.order[i])) << "row " << at;
      else
        EXPECT_EQ(partner.grid.GetCellsEx(at, 2), Cell(k.order[i], 2)) << "column " << at;
    }
  }
}

TEST(SyncPartner, ADestroyedPartnerIsForgotten) {
  THostedGrid<> a(5, 8, 300, 200);
  {
    auto b = std::make_unique<THostedGrid<>>(5, 8, 300, 200);
    a.grid.SyncGrid().SetGrid(&b->grid);
    a.grid.SyncGrid().SetSelectionRow(true);
    a.grid.SyncGrid().SetScrollVertical(true);
    a.grid.SetRow(3);
    EXPECT_EQ(b->grid.Row(), 3);
  }
  EXPECT_EQ(a.grid.SyncGrid().Grid(), nullptr);
  a.grid.SetRow(5);
  a.grid.SetTopRow(2);
  EXPECT_EQ(a.grid.Row(), 5);
}

TEST(ColumnAndRowMoves, SortIndexesFollowAndTheFooterRowStays) {
  THostedGrid<> g(6, 8, 400, 200);
  Fill(g.grid);
  g.grid.SortSettings.IndexShow = true;
  g.grid.SortIndexes().AddIndex(1, true);
  g.grid.SortIndexes().AddIndex(4, false);
  g.grid.SortIndexes().AddIndex(2, true);
  g.grid.MoveColumn(1, 3);
  EXPECT_EQ(g.grid.SortIndexes().GetSortColumns(0), 3);
  EXPECT_EQ(g.grid.SortIndexes().GetSortColumns(1), 4);
  EXPECT_EQ(g.grid.SortIndexes().GetSortColumns(2), 1);
  EXPECT_TRUE(g.grid.SortIndexes().GetSortDirections(0));
  EXPECT_FALSE(g.grid.SortIndexes().GetSortDirections(1));

  QStringList moved;
  g.grid.OnRowMoved = [&](TQrvStringGrid*, int32_t from, int32_t to) {
    moved << QStringLiteral("%1>%2").arg(from).arg(to);
  };
  g.grid.SetRowHeights(2, 31);
  g.grid.MoveRow(2, 4);
  EXPECT_EQ(moved, QStringList{"2>4"});
  EXPECT_EQ(g.grid.Cells(0, 4), Cell(0, 2));
  EXPECT_EQ(g.grid.RowHeights(4), 31);
  // Under a shown footer that holds the last row, nothing moves onto that row.
  g.grid.FloatingFooter().SetVisible(true);
  moved.clear();
  g.grid.MoveRow(4, 7);
  EXPECT_TRUE(moved.isEmpty());
  EXPECT_EQ(g.grid.Cells(0, 4), Cell(0, 2));
  EXPECT_EQ(g.grid.Cells(0, 7), Cell(0, 7));
  EXPECT_EQ(g.grid.RowHeights(4), 31);
  EXPECT_EQ(g.grid.RowHeights(7), g.grid.RowHeights(6));
}

}  // namespace
