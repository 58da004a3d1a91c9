// Click sorting with sort indexes: a plain click sorts by one column or turns its direction, the index key adds
// columns or turns theirs, and the rows follow the indexes.
#include <gtest/gtest.h>

#include <vector>

#include "GridMouseFixture.h"

namespace {
class TSortIndexClickTest : public TGridMouseTest {
 protected:
  TSortIndexClickTest() {
    const char* rows[][3] = {{"b", "2", "A"}, {"a", "10", "B"}, {"b", "1", "C"}, {"a", "2", "D"},
                             {"b", "2", "E"}, {"a", "1", "F"},  {"c", "1", "G"}};
    for (int32_t r = 0; r < 7; ++r)
      for (int32_t c = 0; c < 3; ++c) Q().SetCells(c + 1, r + 1, QString::fromUtf8(rows[r][c]));
    Q().SortSettings.Show = true;
    Q().SortSettings.IndexShow = true;
    Q().OnClickSort = [this](TQrvStringGrid*, int32_t c) { Sorted.push_back(c); };
  }
  QString Order() {
    QString names;
    for (int32_t r = 1; r < Q().RowCount(); ++r) names += Q().Cells(3, r);
    return names;
  }
  std::vector<int32_t> Sorted;
};
}  // namespace

TEST_F(TSortIndexClickTest, TheIndexKeyAddsOrTurnsAColumnAndAPlainClickStartsAgain) {
  struct TStep {
    int32_t col;
    Qt::KeyboardModifiers keys;
    const char* indexes;
    const char* order;
  };
  struct TCase {
    const char* name;
    TIndexSortKey key;
    TSortDirection init;
    std::vector<TStep> steps;
  };
  const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
  const TCase cases[] = {
      {"Shift",
       ikShift,
       sdAscending,
       {{1, none, "u1", "BDFACEG"},
        {1, none, "d1", "GACEBDF"},  // the only index turns
        {2, shift, "d1;u2", "GCAEFDB"},
        {2, shift, "d1;d2", "GAECBDF"},
        {1, shift, "u1;d2", "BDFAECG"},
        {2, ctrl, "u2", "FCGDAEB"},  // Ctrl is no index key here: this column alone
        {2, none, "d2", "BDAEFCG"}}},
      {"Ctrl",
       ikCtrl,
       sdAscending,
       {{2, none, "u2", "CFGADEB"}, {1, ctrl, "u2;u1", "FCGDAEB"}, {3, shift, "u3", "ABCDEFG"}}},
      {"descending first", ikShift, sdDescending, {{1, none, "d1", "GACEBDF"}, {2, shift, "d1;d2", "GAECBDF"}}},
  };
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.name);
    Q().SortSettings.IndexSortKey = k.key;
    Q().SortSettings.InitSortDirection = k.init;
    Q().SortIndexes().Clear();
    Sorted.clear();
    std::vector<int32_t> firstColumns;
    for (const TStep& s : k.steps) {
      SCOPED_TRACE(s.indexes);
      Click(Middle_Of(s.col, 0), s.keys);
      EXPECT_EQ(Q().SortIndexes().SaveToString(), QString::fromUtf8(s.indexes));
      EXPECT_EQ(Order(), QString::fromUtf8(s.order));
      // The sort column is the first index column.
      EXPECT_EQ(Q().SortSettings.Column, Q().SortIndexes().GetSortColumns(0));
      firstColumns.push_back(Q().SortIndexes().GetSortColumns(0));
    }
    EXPECT_EQ(Sorted, firstColumns);
    Q().QUnSort();
    EXPECT_EQ(Order(), QStringLiteral("ABCDEFG"));
  }
}

TEST_F(TSortIndexClickTest, WithoutIndexShowAClickSortsByOneColumnAndForgetsTheIndexes) {
  Click(Middle_Of(1, 0));
  Click(Middle_Of(2, 0), Qt::ShiftModifier);
  ASSERT_EQ(Q().SortIndexes().SaveToString(), QStringLiteral("u1;u2"));
  Q().SortSettings.IndexShow = false;
  Click(Middle_Of(3, 0), Qt::ShiftModifier);
  EXPECT_EQ(Q().SortIndexes().Count(), 0);
  EXPECT_EQ(Q().SortSettings.Column, 3);
  EXPECT_EQ(Order(), QStringLiteral("ABCDEFG"));
}
