// The undo/redo history attached to a grid.
#include <gtest/gtest.h>

#include "UQrvGridUndoRedo.h"
#include "UQrvStringGrid.h"

namespace {
struct UndoFixture : ::testing::Test {
  void SetUp() override { grid.SetUndoRedo(&history); }
  // A change as the grid's editing reports it: the cell is written and the change registered.
  void Change(int32_t c, int32_t r, const QString& value) {
    history.RegisterChange(c, r, grid.Cells(c, r), value);
    grid.SetCells(c, r, value);
  }
  TQrvStringGrid grid;
  TQrvGridUndoRedo history;
};
}  // namespace

TEST_F(UndoFixture, ThreeChangesUndoneAndRedoneOneByOne) {
  Change(1, 1, QStringLiteral("A"));
  Change(2, 2, QStringLiteral("B"));
  Change(3, 3, QStringLiteral("C"));
  history.Undo();
  history.Undo();
  EXPECT_EQ(history.Level(), 1);
  EXPECT_TRUE(grid.Cells(3, 3).isEmpty());
  EXPECT_TRUE(grid.Cells(2, 2).isEmpty());
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(grid.Row(), 2);
  history.Redo();
  EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("B"));
  EXPECT_TRUE(history.CanRedo());
  history.Redo();
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(grid.Cells(3, 3), QStringLiteral("C"));
}

TEST_F(UndoFixture, SequenceIsOneStep) {
  Change(4, 4, QStringLiteral("before"));
  history.StartSequence();
  Change(1, 2, QStringLiteral("p1"));
  Change(2, 2, QStringLiteral("p2"));
  Change(1, 3, QStringLiteral("p3"));
  Change(2, 3, QStringLiteral("p4"));
  history.StopSequence();
  history.Undo();
  EXPECT_EQ(history.Level(), 1);
  for (int32_t r : {2, 3})
    for (int32_t c : {1, 2}) EXPECT_TRUE(grid.Cells(c, r).isEmpty());
  EXPECT_EQ(grid.Cells(4, 4), QStringLiteral("before"));
  EXPECT_EQ(grid.Col(), 1);  // the cell of the sequence's first change
  EXPECT_EQ(grid.Row(), 2);
  history.Redo();
  EXPECT_EQ(history.Level(), 7);
  EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("p4"));
  EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("p1"));
}

TEST_F(UndoFixture, MaxLevelDropsTheOldestAndResetEmpties) {
  history.SetMaxLevel(3);
  for (int32_t i = 1; i <= 4; ++i) Change(i, 1, QString::number(i));
  EXPECT_EQ(history.Items().size(), 3u);
  EXPECT_EQ(history.Items().front()->Col(), 2);
  history.Reset();
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.CanRedo());
}

TEST_F(UndoFixture, TrimmedStartMarkerUndoesDownToTheOldest) {
  history.SetMaxLevel(3);
  history.StartSequence();
  Change(1, 1, QStringLiteral("a"));
  Change(2, 1, QStringLiteral("b"));
  Change(3, 1, QStringLiteral("c"));  // the fourth entry pushes the start marker out
  history.StopSequence();
  history.Undo();
  EXPECT_EQ(history.Level(), 0);
  EXPECT_TRUE(grid.Cells(1, 1).isEmpty());
  EXPECT_TRUE(grid.Cells(2, 1).isEmpty());
  EXPECT_TRUE(grid.Cells(3, 1).isEmpty());
}

TEST_F(UndoFixture, EventsSeePresentAndComingText) {
  Change(1, 1, QStringLiteral("new"));
  grid.SetCells(1, 1, QStringLiteral("edited since"));
  QString orig, next;
  history.OnUndo = [&](TQrvGridUndoRedo*, TBaseGrid* g, int32_t, int32_t, const QString& o, const QString& n) {
    EXPECT_EQ(g, &grid);
    orig = o;
    next = n;
  };
  history.Undo();
  EXPECT_EQ(orig, QStringLiteral("edited since"));
  EXPECT_TRUE(next.isEmpty());
}

TEST_F(UndoFixture, NewChangeAfterUndoKeepsUndoneEntriesBelowIt) {
  Change(1, 1, QStringLiteral("a"));
  Change(2, 1, QStringLiteral("b"));
  Change(3, 1, QStringLiteral("c"));
  history.Undo();
  history.Undo();
  Change(4, 1, QStringLiteral("d"));
  EXPECT_EQ(history.Items().size(), 4u);
  EXPECT_FALSE(history.CanRedo());
}

TEST(UndoAttachment, EitherSideMayGoFirst) {
  auto history = std::make_unique<TQrvGridUndoRedo>();
  {
    TQrvStringGrid grid;
    grid.SetUndoRedo(history.get());
    EXPECT_EQ(history->Grid(), &grid);
  }
  EXPECT_EQ(history->Grid(), nullptr);
  history->Undo();  // no grid: nothing happens
  TQrvStringGrid grid;
  grid.SetUndoRedo(history.get());
  history.reset();
  EXPECT_EQ(grid.UndoRedo(), nullptr);
}
