// Sorting by several columns at once (the sort indexes), inside node groups, and the way back to the first order.
#include <gtest/gtest.h>

#include <vector>

#include "UGridError.h"
#include "UQrvStringGrid.h"

namespace {
// Five normal rows under one fixed row and above one footer row. Column 1 has ties, column 2 numbers (10 after 2),
// column 3 names each row by its first place.
struct SortFixture : ::testing::Test {
  void SetUp() override {
    grid.SetColCount(4);
    grid.SetRowCount(7);
    grid.SetFixedFooters(1);
    const char* rows[][3] = {{"b", "2", "A"}, {"a", "10", "B"}, {"b", "1", "C"}, {"a", "2", "D"}, {"B", "2", "E"}};
    for (int32_t r = 0; r < 5; ++r)
      for (int32_t c = 0; c < 3; ++c) grid.SetCells(c + 1, r + 1, QString::fromUtf8(rows[r][c]));
    grid.SetCells(3, 6, QStringLiteral("footer"));
  }
  // The row names from the first normal row to the footer.
  QString Order() {
    QString names;
    for (int32_t r = 1; r < grid.RowCount(); ++r) names += grid.Cells(3, r) == "footer" ? "|" : grid.Cells(3, r);
    return names;
  }
  TQrvStringGrid grid;
};
}  // namespace

TEST_F(SortFixture, IndexesDecideInTheirOrderEachInItsOwnDirection) {
  struct TCase {
    const char* indexes;
    std::vector<int32_t> ignored;
    const char* order;
  };
  const TCase cases[] = {
      // Ties keep their order; letters ignore case.
      {"u1", {}, "BDACE|"},
      {"d1", {}, "ACEBD|"},
      // Numbers compare as numbers within the ties of column 1.
      {"u1;u2", {}, "DBCAE|"},
      {"u1;d2", {}, "BDAEC|"},
      {"d1;u2", {}, "CAEDB|"},
      {"d2;u1", {}, "BDAEC|"},
      // An ignored column holds every row equal, so the next entry decides.
      {"u1;d2", {1}, "BADEC|"},
      {"u2", {2}, "ABCDE|"},
  };
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.indexes);
    grid.IgnoreColumns().Clear();
    for (int32_t c : k.ignored) grid.IgnoreColumns().Add(c);
    grid.SortIndexes().LoadFromString(QString::fromUtf8(k.indexes));
    grid.QSortIndexed();
    EXPECT_EQ(Order(), QString::fromUtf8(k.order));
    grid.QUnSort();
    EXPECT_EQ(Order(), "ABCDE|");
  }
}

TEST_F(SortFixture, UnsortRestoresTheFirstOrderAfterSeveralSorts) {
  grid.SortIndexes().LoadFromString("d2;u1");
  grid.QSortIndexed();
  grid.SortSettings.Column = 1;
  grid.SortSettings.Direction = sdDescending;
  grid.QSort();
  grid.SortIndexes().LoadFromString("u3");
  grid.QSortIndexed();
  EXPECT_EQ(Order(), "ABCDE|");
  grid.SortIndexes().LoadFromString("d3");
  grid.QSortIndexed();
  EXPECT_EQ(Order(), "EDCBA|");
  grid.QUnSort();
  EXPECT_EQ(Order(), "ABCDE|");
  for (int32_t r = 0; r < grid.RowCount(); ++r) EXPECT_EQ(grid.SortRowXRef().GetInteger(r), r);
}

TEST_F(SortFixture, AnIndexedSortNeedsIndexesAndAPlainSortForgetsThem) {
  try {
    grid.QSortIndexed();
    ADD_FAILURE() << "an empty index list sorted";
  } catch (const EQrvGridError& e) {
    EXPECT_EQ(e.Message(), "No indexes specified for indexed sort");
  }
  EXPECT_EQ(Order(), "ABCDE|");

  grid.SortIndexes().LoadFromString("u1;d2");
  grid.SortSettings.Column = 2;
  grid.QSort();
  EXPECT_EQ(Order(), "CADEB|");
  EXPECT_EQ(grid.SortIndexes().Count(), 0);
}

TEST_F(SortFixture, GroupSortsOrderOnlyTheChildrenOfTheDeepestExpandedNodes) {
  grid.SetRowCount(12);
  grid.SetFixedFooters(0);
  const char* names = "AqBzypCxwsr";
  for (int32_t r = 1; r < 12; ++r) grid.SetCells(3, r, QString(QChar(names[r - 1])));
  // A (rows 1..6) holds B (rows 3..5), the one node of the deepest level; C (rows 7..9) is of the first level;
  // rows 10 and 11 belong to no node.
  grid.AddNode(1, 6);
  grid.AddNode(3, 3);
  grid.AddNode(7, 3);
  auto order = [&] {
    QString s;
    for (int32_t r = 1; r < grid.RowCount(); ++r) s += grid.Cells(3, r);
    return s;
  };
  grid.SortIndexes().LoadFromString("u3");
  grid.QSortGroupIndexed();
  EXPECT_EQ(order(), "AqByzpCxwsr");
  // Without B the first level is the deepest: the children of A and of C sort, each among themselves.
  grid.RemoveNode(3);
  grid.QSortGroupIndexed();
  EXPECT_EQ(order(), "ABpqyzCwxsr");
  grid.SortSettings.Column = 3;
  grid.SortSettings.Direction = sdDescending;
  grid.QSortGroup();
  EXPECT_EQ(order(), "AzyqpBCxwsr");
  grid.QUnSort();
  EXPECT_EQ(order(), "AqBzypCxwsr");
  // A contracted node keeps its children as they are.
  grid.ContractNode(7);
  grid.SortSettings.Direction = sdAscending;
  grid.QSortGroup();
  grid.ExpandNode(7);
  EXPECT_EQ(order(), "ABpqyzCxwsr");
}
