// The grid's own option and list objects, the column order list, and the per-row lists that follow the rows.
#include <gtest/gtest.h>

#include <QObject>
#include <algorithm>
#include <memory>
#include <vector>

#include "GridTestHost.h"
#include "UQrvStringGrid.h"

namespace {

// Records which of the grid's virtual steps the option objects' events reach.
class TRecordingGrid : public TQrvStringGrid {
 public:
  void MouseActionsChanged() override { ++MouseActionsChanges; }
  void NavigationChanged() override { ++NavigationChanges; }
  void UpdateSearchPanel() override { ++SearchPanelUpdates; }
  void InvalidateGrid() override { ++GridInvalidations; }
  int MouseActionsChanges = 0;
  int NavigationChanges = 0;
  int SearchPanelUpdates = 0;
  int GridInvalidations = 0;
};

std::vector<int32_t> Entries(const TIntList& list) {
  std::vector<int32_t> out;
  for (int32_t i = 0; i < list.Count(); ++i) out.push_back(list.GetInteger(i));
  return out;
}

// Row 0 of each real column holds its first index, so the header row shows the column order.
std::vector<QString> HeaderRow(const TQrvStringGrid& grid) {
  std::vector<QString> out;
  for (int32_t c = 0; c < grid.ColCount(); ++c) out.push_back(grid.Cells(grid.RealColIndex(c), 0));
  return out;
}

void NameColumns(TQrvStringGrid& grid) {
  for (int32_t c = 0; c < grid.TotalColCount(); ++c) grid.SetCells(c, 0, QString::number(c));
}

std::vector<QString> Texts(std::initializer_list<const char*> texts) {
  std::vector<QString> out;
  for (const char* t : texts) out.push_back(QString::fromLatin1(t));
  return out;
}

}  // namespace

TEST(GridOwnedObjects, NewGridHasEmptyListsAndDefaultOptions) {
  TQrvStringGrid grid;
  EXPECT_FALSE(grid.SearchFooter().Visible());
  EXPECT_FALSE(grid.Bands().Active());
  EXPECT_FALSE(grid.MouseActions().DisjunctRowSelect());
  EXPECT_EQ(grid.SyncGrid().Grid(), nullptr);
  EXPECT_EQ(grid.SyncGrid().Owner(), &grid);
  EXPECT_EQ(grid.MouseActions().Owner(), &grid);
  EXPECT_EQ(grid.FocusHelper().Owner(), &grid);
  for (TIntList* list : {&grid.SortRowXRef(), &grid.UnSortRowXRef(), &grid.MergedColumns(), &grid.SelectedCells(),
                         &grid.SelectedRows(), &grid.ModifiedRows(), &grid.EnabledRows(), &grid.OrigColSizes(),
                         &grid.IgnoreColumns(), &grid.ColumnOrder()})
    EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(grid.SortIndexes().Count(), 0);
  EXPECT_EQ(grid.ControlList().Count(), 0);
}

TEST(GridOwnedObjects, OptionEventsReachTheGridsSteps) {
  TRecordingGrid grid;
  TRecordingHost host;
  grid.SetHost(&host);
  grid.MouseActions().SetWheelAction(waScroll);
  EXPECT_EQ(grid.MouseActionsChanges, 1);
  grid.MouseActions().SetHotmailRowSelect(true);
  EXPECT_GE(grid.GridInvalidations, 1);
  grid.Navigation().SetAdvanceInsert(true);
  EXPECT_EQ(grid.NavigationChanges, 1);
  grid.SearchFooter().SetVisible(true);
  EXPECT_EQ(grid.SearchPanelUpdates, 1);
  const int before = host.AllRepaints;
  grid.Bands().SetActive(true);
  EXPECT_GT(host.AllRepaints, before);
  grid.SetHost(nullptr);
}

TEST(GridOwnedObjects, AssignCopiesTheOptionObjectsAndFocusHelperIsTakenOver) {
  TQrvStringGrid source;
  source.Bands().SetActive(true);
  source.Bands().SetPrimaryLength(3);
  source.Navigation().SetAllowInsertRow(true);
  source.MouseActions().SetRowSelect(true);
  source.SearchFooter().SetColor(0x123456);
  source.SyncGrid().SetMoveRow(true);
  source.FocusHelper().SetEnabled(true);
  TQrvStringGrid target;
  target.Assign(&source);
  EXPECT_TRUE(target.Bands().Active());
  EXPECT_EQ(target.Bands().PrimaryLength(), 3);
  EXPECT_TRUE(target.Navigation().AllowInsertRow());
  EXPECT_TRUE(target.MouseActions().RowSelect());
  EXPECT_EQ(target.SearchFooter().Color(), 0x123456u);
  EXPECT_TRUE(target.SyncGrid().MoveRow());
  EXPECT_TRUE(target.FocusHelper().Enabled());
  // The objects stay the target's own.
  EXPECT_EQ(target.MouseActions().Owner(), &target);

  TQrvStringGrid other;
  TFocusHelper given(nullptr);
  given.SetEnabled(true);
  TFocusHelper* own = &other.FocusHelper();
  other.SetFocusHelper(&given);
  EXPECT_EQ(&other.FocusHelper(), own);
  EXPECT_TRUE(other.FocusHelper().Enabled());
}

TEST(GridOwnedObjects, MergedColumnsListMergesItsColumns) {
  TQrvStringGrid grid;
  grid.SetRowCount(7);
  const char* texts[] = {"A", "A", "B", "B", "B", "C"};
  for (int32_t r = 1; r < 7; ++r) grid.SetCells(1, r, QString::fromLatin1(texts[r - 1]));
  grid.MergedColumns().Add(1);
  EXPECT_EQ(grid.CellSpan(1, 1).Y, 1);
  EXPECT_EQ(grid.CellSpan(1, 3).Y, 2);
  EXPECT_FALSE(grid.IsMergedCell(1, 6));
  grid.MergedColumns().Delete(0);
  EXPECT_FALSE(grid.IsMergedCell(1, 1));
  EXPECT_FALSE(grid.IsMergedCell(1, 3));
}

TEST(GridColumnOrder, LoadedFillsTheOrderAndMovesKeepIt) {
  TQrvStringGrid grid;
  NameColumns(grid);
  grid.Loaded();
  EXPECT_EQ(Entries(grid.ColumnOrder()), (std::vector<int32_t>{0, 1, 2, 3, 4}));
  grid.MoveColumn(3, 0);
  EXPECT_EQ(Entries(grid.ColumnOrder()), (std::vector<int32_t>{3, 0, 1, 2, 4}));
  EXPECT_EQ(HeaderRow(grid), Texts({"3", "0", "1", "2", "4"}));
  EXPECT_EQ(grid.ColumnPosition(3), 0);
  EXPECT_EQ(grid.ColumnPosition(0), 1);
  EXPECT_EQ(grid.ColumnAtPosition(0), 3);
  EXPECT_EQ(grid.GetOriginalCells(3, 0), QStringLiteral("3"));
  grid.GroupColumn = 1;
  EXPECT_EQ(grid.ColumnPosition(3), -1);
  EXPECT_EQ(grid.ColumnAtPosition(0), 4);
  grid.GroupColumn = -1;
  grid.ResetColumnOrder();
  EXPECT_EQ(HeaderRow(grid), Texts({"0", "1", "2", "3", "4"}));
  EXPECT_EQ(Entries(grid.ColumnOrder()), (std::vector<int32_t>{0, 1, 2, 3, 4}));
}

TEST(GridColumnOrder, MoveColumnFillsAnEmptyOrderFirst) {
  TQrvStringGrid grid;
  NameColumns(grid);
  EXPECT_EQ(grid.ColumnOrder().Count(), 0);
  EXPECT_EQ(grid.ColumnPosition(2), 2);
  grid.MoveColumn(1, 4);
  EXPECT_EQ(Entries(grid.ColumnOrder()), (std::vector<int32_t>{0, 2, 3, 4, 1}));
  grid.ResetColumnOrder();
  EXPECT_EQ(HeaderRow(grid), Texts({"0", "1", "2", "3", "4"}));
}

TEST(GridColumnOrder, ResetShowsHiddenColumnsAndRefusesAnythingButAnOrder) {
  struct Case {
    std::vector<int32_t> order;
    bool applied;
  };
  const Case cases[] = {
      {{4, 0, 1, 2, 3}, true},    // the order the move left
      {{0, 0, 1, 2, 3}, false},   // a duplicate would move two columns back and forth for ever
      {{0, 1, 2, 3, 5}, false},   // a column that does not exist
      {{0, 1, 2, -1, 3}, false},  // a negative entry
      {{0, 1, 2, 3}, false},      // too short for the columns
  };
  for (const Case& tc : cases) {
    TQrvStringGrid grid;
    NameColumns(grid);
    grid.Loaded();
    grid.MoveColumn(4, 0);
    grid.HideColumn(2);
    grid.ColumnOrder().Clear();
    for (int32_t v : tc.order) grid.ColumnOrder().Add(v);
    grid.ResetColumnOrder();
    if (tc.applied) {
      EXPECT_EQ(grid.NumHiddenColumns(), 0);
      EXPECT_EQ(HeaderRow(grid), Texts({"0", "1", "2", "3", "4"})) << "every column back at its first position";
      EXPECT_EQ(Entries(grid.ColumnOrder()), (std::vector<int32_t>{0, 1, 2, 3, 4}));
    } else {
      EXPECT_EQ(grid.NumHiddenColumns(), 1) << "refused list left the hidden column hidden";
      EXPECT_EQ(HeaderRow(grid), Texts({"4", "0", "2", "3"}));
      EXPECT_EQ(Entries(grid.ColumnOrder()), tc.order);
    }
  }
}

TEST(GridColumnOrder, ApplyColumnPositionsAcceptsOnlyAPermutation) {
  struct Case {
    std::vector<int32_t> positions;
    bool accepted;
    std::vector<QString> header;
  };
  const Case cases[] = {
      {{2, 0, 1, 4, 3}, true, Texts({"2", "0", "1", "4", "3"})},
      {{4, 3, 2, 1, 0}, true, Texts({"4", "3", "2", "1", "0"})},
      {{0, 1, 2, 3, 4}, true, Texts({"0", "1", "2", "3", "4"})},
      {{1, 1, 2, 3, 4}, false, Texts({"0", "1", "2", "3", "4"})},
      {{0, 1, 2, 3, 7}, false, Texts({"0", "1", "2", "3", "4"})},
      {{0, 1, 2}, false, Texts({"0", "1", "2", "3", "4"})},
      {{}, false, Texts({"0", "1", "2", "3", "4"})},
  };
  for (const Case& tc : cases) {
    TQrvStringGrid grid;
    NameColumns(grid);
    grid.Loaded();
    EXPECT_EQ(grid.ApplyColumnPositions(tc.positions), tc.accepted);
    EXPECT_EQ(HeaderRow(grid), tc.header);
    if (tc.accepted)
      EXPECT_EQ(Entries(grid.ColumnOrder()), tc.positions);
    else
      EXPECT_EQ(Entries(grid.ColumnOrder()), (std::vector<int32_t>{0, 1, 2, 3, 4}));
  }
}

TEST(GridColumnOrder, ApplyColumnPositionsKeepsHiddenColumnsHidden) {
  TQrvStringGrid grid;
  NameColumns(grid);
  grid.Loaded();
  grid.HideColumn(4);
  EXPECT_TRUE(grid.ApplyColumnPositions({1, 0, 2, 3, 4}));
  EXPECT_EQ(grid.NumHiddenColumns(), 1);
  EXPECT_EQ(HeaderRow(grid), Texts({"1", "0", "2", "3"}));
}

TEST(GridSortIndex, SortedAndUnsortedRowIndexes) {
  TQrvStringGrid grid;
  EXPECT_EQ(grid.UnSortedRowIndex(4), 4);
  EXPECT_EQ(grid.SortedRowIndex(4), 4);
  for (int32_t v : {0, 3, 1, 2}) grid.SortRowXRef().Add(v);
  struct Case {
    int32_t row, sorted, unsorted;
  };
  const Case cases[] = {{0, 0, 0}, {1, 3, 2}, {2, 1, 3}, {3, 2, 1}, {7, 7, 4}};
  for (const Case& tc : cases) {
    EXPECT_EQ(grid.SortedRowIndex(tc.row), tc.sorted) << tc.row;
    EXPECT_EQ(grid.UnSortedRowIndex(tc.row), tc.unsorted) << tc.row;
  }
  grid.SetCells(1, 2, QStringLiteral("was row 1"));
  EXPECT_EQ(grid.GetUnSortedCell(1, 1), QStringLiteral("was row 1"));
  grid.SetUnSortedCell(1, 3, QStringLiteral("was row 3"));
  EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("was row 3"));
}

TEST(GridRowLists, InsertAndRemoveKeepTheListsInStep) {
  TQrvStringGrid grid;
  grid.SetShowModifiedEnabled(true);
  grid.SetUseEnabledRows(true);
  grid.MouseActions().SetDisjunctRowSelect(true);
  for (int32_t r = 0; r < 10; ++r) {
    grid.ModifiedRows().Add(r);
    grid.EnabledRows().Add(100 + r);
  }
  grid.RowSelectFlags().assign(10, 0);
  grid.RowSelectFlags()[5] = 1;

  grid.InsertRows(3, 2);
  EXPECT_EQ(Entries(grid.ModifiedRows()), (std::vector<int32_t>{0, 1, 2, 0, 0, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(grid.EnabledRows().GetInteger(3), 0);
  EXPECT_EQ(grid.EnabledRows().GetInteger(5), 103);
  // Insertion past a list's end leaves the list alone.
  grid.InsertRows(12, 1);
  EXPECT_EQ(grid.ModifiedRows().Count(), 12);

  grid.RemoveRows(2, 3);
  EXPECT_EQ(Entries(grid.ModifiedRows()), (std::vector<int32_t>{0, 1, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(grid.EnabledRows().GetInteger(2), 103);
  ASSERT_EQ(grid.RowSelectFlags().size(), 7u);
  EXPECT_EQ(grid.RowSelectFlags()[2], 1) << "row 5's flag followed it up by three";

  grid.RemoveRowsEx(1, 1);
  EXPECT_EQ(grid.RowSelectFlags()[1], 1);
  EXPECT_EQ(grid.ModifiedRows().Count(), 9) << "the fast removal leaves the modified rows";
}

TEST(GridRowLists, ListsAreLeftAloneWhenTheirFeatureIsOff) {
  TQrvStringGrid grid;
  for (int32_t r = 0; r < 10; ++r) grid.ModifiedRows().Add(r);
  grid.RowSelectFlags().assign(10, 1);
  grid.InsertRows(2, 1);
  grid.RemoveRows(5, 2);
  EXPECT_EQ(grid.ModifiedRows().Count(), 10);
  EXPECT_EQ(grid.RowSelectFlags().size(), 10u);
}

TEST(GridRowLists, RemoveSelectedAndUnselectedRows) {
  auto makeGrid = [](TQrvStringGrid& grid) {
    Fill(grid);
    grid.MouseActions().SetDisjunctRowSelect(true);
    grid.RowSelectFlags().assign(10, 0);
    grid.RowSelectFlags()[2] = 1;
    grid.RowSelectFlags()[5] = 1;
    grid.RowSelectFlags()[9] = 1;
  };
  TQrvStringGrid selected;
  makeGrid(selected);
  selected.RemoveSelectedRows();
  EXPECT_EQ(selected.RowCount(), 7);
  EXPECT_EQ(selected.Cells(1, 2), Cell(1, 3));
  EXPECT_EQ(selected.Cells(1, 4), Cell(1, 6));
  for (uint8_t flag : selected.RowSelectFlags()) EXPECT_EQ(flag, 0);

  TQrvStringGrid unselected;
  makeGrid(unselected);
  unselected.RemoveUnSelectedRows();
  ASSERT_EQ(unselected.RowCount(), 4);
  EXPECT_EQ(unselected.Cells(1, 0), Cell(1, 0)) << "the fixed row stays";
  EXPECT_EQ(unselected.Cells(1, 1), Cell(1, 2));
  EXPECT_EQ(unselected.Cells(1, 2), Cell(1, 5));
  EXPECT_EQ(unselected.Cells(1, 3), Cell(1, 9));

  // Without disjunct selection the selection rectangle decides.
  TQrvStringGrid rect;
  Fill(rect);
  rect.SetSelection(TGridRect{1, 6, 2, 4});
  rect.RemoveSelectedRows();
  EXPECT_EQ(rect.RowCount(), 7);
  EXPECT_EQ(rect.Cells(1, 4), Cell(1, 7));
}

namespace {

std::vector<TPoint> ControlCells(TQrvStringGrid& grid) {
  std::vector<TPoint> out;
  for (int32_t i = 0; i < grid.ControlList().Count(); ++i) {
    const TControlItem* item = grid.ControlList().GetControl(i);
    out.push_back(TPoint{item->X, item->Y});
  }
  return out;
}

}  // namespace

TEST(GridCellControls, ControlsFollowTheirRowsAndColumns) {
  QObject a, b, c;
  TQrvStringGrid grid;
  grid.SetCellControls(1, 2, &a);
  grid.SetCellControls(2, 5, &b);
  grid.SetCellControls(3, 8, &c);
  EXPECT_EQ(grid.GetCellControls(2, 5), &b);
  EXPECT_EQ(grid.GetCellControls(2, 4), nullptr);

  grid.InsertRows(4, 2);
  EXPECT_EQ(ControlCells(grid), (std::vector<TPoint>{{1, 2}, {2, 7}, {3, 10}}));

  grid.RemoveRows(6, 2);  // rows 6 and 7: the control of row 7 stays registered, row 10 moves to 8
  EXPECT_EQ(ControlCells(grid), (std::vector<TPoint>{{1, 2}, {2, 7}, {3, 8}}));

  grid.RemoveRowBlock(2, 1);  // its control leaves the list, those below move up
  EXPECT_EQ(ControlCells(grid), (std::vector<TPoint>{{2, 6}, {3, 7}}));

  grid.MoveRow(7, 1);
  EXPECT_EQ(ControlCells(grid), (std::vector<TPoint>{{2, 7}, {3, 1}}));
  grid.MoveColumn(3, 1);
  EXPECT_EQ(ControlCells(grid), (std::vector<TPoint>{{3, 7}, {1, 1}}));

  grid.SetCellControls(1, 1, nullptr);
  EXPECT_EQ(ControlCells(grid), (std::vector<TPoint>{{3, 7}}));
}

TEST(GridRowLists, MovedRowsTakeTheirEntriesWithThem) {
  struct Case {
    int32_t from, to, count;
    std::vector<int32_t> modified;
  };
  const Case cases[] = {
      {1, 4, 2, {0, 3, 1, 2, 4, 5}},  // down: the target is lowered by the moved count
      {4, 1, 2, {0, 4, 5, 1, 2, 3}},  // up
  };
  for (const Case& tc : cases) {
    TQrvStringGrid grid;
    grid.SetShowModifiedEnabled(true);
    grid.MouseActions().SetDisjunctRowSelect(true);
    for (int32_t r = 0; r < 6; ++r) grid.ModifiedRows().Add(r);
    grid.RowSelectFlags().assign(6, 0);
    grid.RowSelectFlags()[static_cast<size_t>(tc.from)] = 1;
    grid.SetCells(1, tc.from, QStringLiteral("moved"));
    grid.MoveRows(tc.from, tc.to, tc.count);
    EXPECT_EQ(Entries(grid.ModifiedRows()), tc.modified);
    const auto at = std::find(tc.modified.begin(), tc.modified.end(), tc.from) - tc.modified.begin();
    EXPECT_EQ(grid.Cells(1, int32_t(at)), QStringLiteral("moved"));
    EXPECT_EQ(grid.RowSelectFlags()[static_cast<size_t>(at)], 1);
  }
}

TEST(GridRowLists, RemoveSelectedAndUnselectedColumns) {
  TQrvStringGrid grid;
  grid.SetColCount(6);
  NameColumns(grid);
  grid.MouseActions().SetDisjunctColSelect(true);
  grid.ColSelectFlags().assign(6, 0);
  grid.ColSelectFlags()[2] = 1;
  grid.ColSelectFlags()[4] = 1;
  grid.RemoveSelectedCols();
  EXPECT_EQ(HeaderRow(grid), Texts({"0", "1", "3", "5"}));

  TQrvStringGrid unselected;
  unselected.SetColCount(6);
  NameColumns(unselected);
  unselected.SetSelection(TGridRect{3, 1, 2, 1});
  unselected.RemoveUnSelectedCols();
  EXPECT_EQ(HeaderRow(unselected), Texts({"0", "2", "3"})) << "the fixed column stays";
}

TEST(GridHiddenRows, HideSelectedAndUnselectedRowsAndTheCachedQuery) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.MouseActions().SetDisjunctRowSelect(true);
  grid.RowSelectFlags().assign(10, 0);
  grid.RowSelectFlags()[3] = 1;
  grid.RowSelectFlags()[4] = 1;
  grid.HideSelectedRows();
  EXPECT_EQ(grid.RowCount(), 8);
  std::unique_ptr<TIntList> cache;
  EXPECT_TRUE(grid.IsHiddenRow(3, cache));
  ASSERT_TRUE(cache);
  EXPECT_TRUE(grid.IsHiddenRow(4, cache));
  EXPECT_FALSE(grid.IsHiddenRow(5, cache));
  grid.UnHideRowsAll();
  EXPECT_EQ(grid.Cells(1, 4), Cell(1, 4));

  TQrvStringGrid keep;
  Fill(keep);
  keep.MouseActions().SetDisjunctRowSelect(true);
  keep.MouseActions().SetRowSelectPersistent(true);
  keep.RowSelectFlags().assign(10, 0);
  keep.RowSelectFlags()[2] = 1;
  keep.RowSelectFlags()[7] = 1;
  keep.HideUnSelectedRows();
  ASSERT_EQ(keep.RowCount(), 3);
  EXPECT_EQ(keep.Cells(1, 1), Cell(1, 2));
  EXPECT_EQ(keep.Cells(1, 2), Cell(1, 7));
  EXPECT_EQ(keep.NumHiddenRows(), 7);
}

TEST(GridHooks, SearchFooterFormatAndSelectionListener) {
  TQrvStringGrid grid;
  QString seen;
  TSearchAction seenAction = saFindFirst;
  grid.OnSearchFooterAction = [&](TQrvStringGrid*, const QString& value, int32_t c, int32_t r, TSearchAction a) {
    seen = QStringLiteral("%1@%2,%3").arg(value).arg(c).arg(r);
    seenAction = a;
  };
  grid.SearchFooterAction(QStringLiteral("abc"), 2, -1, saFindNext);
  EXPECT_EQ(seen, QStringLiteral("abc@2,-1"));
  EXPECT_EQ(seenAction, saFindNext);

  TSortStyle style = ssAutomatic;
  QString prefix, suffix;
  grid.GetColumnFormat(1, style, prefix, suffix);
  EXPECT_EQ(style, ssAutomatic);
  grid.OnGetFormat = [](TQrvStringGrid*, int32_t c, TSortStyle& s, QString& p, QString&) {
    if (c == 1) s = ssNumeric, p = QStringLiteral("$");
  };
  grid.GetColumnFormat(1, style, prefix, suffix);
  EXPECT_EQ(style, ssNumeric);
  EXPECT_EQ(prefix, QStringLiteral("$"));

  struct Listener : ITQrvStringGridSelect {
    void SelectedRow(int32_t, int32_t) override {}
  };
  auto first = std::make_shared<Listener>();
  auto second = std::make_shared<Listener>();
  grid.RegisterSelListener(first);
  grid.RegisterSelListener(second);
  EXPECT_EQ(grid.SelListener(), second.get());
  grid.UnRegisterSelListener(first);
  EXPECT_EQ(grid.SelListener(), nullptr) << "any argument drops the one listener";
}

TEST(GridOwnedObjects, SyncGridPartnerFollowsTheCurrentCell) {
  TQrvStringGrid a, b;
  b.SetColCount(3);
  a.SyncGrid().SetGrid(&b);
  b.SyncGrid().SetGrid(&a);
  a.SyncGrid().SetSelectionColumn(true);
  a.SyncGrid().SetSelectionRow(true);
  b.SyncGrid().SetSelectionRow(true);
  a.SetRow(6);
  EXPECT_EQ(b.Row(), 6);
  b.SetRow(3);  // the two follow each other and stop after one round
  EXPECT_EQ(a.Row(), 3);
  a.SetCol(2);
  EXPECT_EQ(b.Col(), 2);
  a.SetCol(4);  // b has no column 4: it stays where it is
  EXPECT_EQ(b.Col(), 2);
  EXPECT_EQ(a.Col(), 4);
}

TEST(GridOwnedObjects, LoadedTurnsAnAlwaysShownEditorIntoNavigation) {
  TQrvStringGrid grid;
  grid.SetOptions(grid.Options() | goAlwaysShowEditor);
  grid.Loaded();
  EXPECT_TRUE(grid.Navigation().AlwaysEdit());
  EXPECT_FALSE(grid.Options() & goAlwaysShowEditor);
}
