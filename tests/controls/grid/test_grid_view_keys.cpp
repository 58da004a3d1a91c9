// The advanced grid's keys through a real view: Tab and the arrow keys as the key-advance engine moves them,
// Space on data check boxes, Home and End, deleting and inserting rows, the clipboard keys, and what the view
// tells a dialog about the keys it keeps.
#include <QTest>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

#include "GridMouseFixture.h"
#include "UQrvColumnGrid.h"

namespace {

struct TStepCase {
  const char* Name;
  std::function<void(TQrvStringGrid&)> Setup;
  Qt::Key Key;
  Qt::KeyboardModifiers Modifiers;
  int32_t StartCol, StartRow, Col, Row;
};

class TGridKeysTest : public TGridMouseTest {
 protected:
  void Key(Qt::Key key, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(&View, key, m); }
  // Each case runs on a fresh grid state: editing and Tab on, every cell editable, nothing hidden.
  void Run(const TStepCase& k) {
    TQrvStringGrid& g = Q();
    g.OnCanEditCell = nullptr;
    g.OnIsFixedCell = nullptr;
    g.UnHideColumns(0, g.ColCount() + g.NumHiddenColumns() - 1);
    g.SetFixedRightCols(0);
    g.Navigation().SetCursorAdvance(caDefault);
    g.Navigation().SetTabToNextAtEnd(false);
    g.SetOptions(g.Options() | goEditing | goTabs);
    if (k.Setup) k.Setup(g);
    g.MoveToCell(k.StartCol, k.StartRow);
    ASSERT_EQ(g.Col(), k.StartCol) << k.Name;
    ASSERT_EQ(g.Row(), k.StartRow) << k.Name;
    Key(k.Key, k.Modifiers);
    EXPECT_EQ(g.Col(), k.Col) << k.Name;
    EXPECT_EQ(g.Row(), k.Row) << k.Name;
  }
  static std::function<void(TQrvStringGrid&)> ReadOnlyColumn(int32_t realCol) {
    return [realCol](TQrvStringGrid& g) {
      g.OnCanEditCell = [realCol](TQrvStringGrid*, int32_t, int32_t c, bool& can) { can = can && c != realCol; };
    };
  }
};

TEST_F(TGridKeysTest, TabStepsOverTheCellsThatTakeNoCursor) {
  const TStepCase cases[] = {
      {"next cell", nullptr, Qt::Key_Tab, Qt::NoModifier, 2, 1, 3, 1},
      {"a read-only cell is passed", ReadOnlyColumn(3), Qt::Key_Tab, Qt::NoModifier, 2, 1, 4, 1},
      {"a read-only run is passed",
       [](TQrvStringGrid& g) {
         g.OnCanEditCell = [](TQrvStringGrid*, int32_t, int32_t c, bool& can) { can = can && (c < 3 || c > 4); };
       },
       Qt::Key_Tab, Qt::NoModifier, 2, 1, 5, 1},
      {"a hidden column is not there", [](TQrvStringGrid& g) { g.HideColumn(3); }, Qt::Key_Tab, Qt::NoModifier, 2, 1,
       3, 1},
      {"row end to the next row", nullptr, Qt::Key_Tab, Qt::NoModifier, 5, 1, 1, 2},
      {"row end to the next row's first editable cell", ReadOnlyColumn(1), Qt::Key_Tab, Qt::NoModifier, 5, 1, 2, 2},
      {"a right fixed column is no tab stop", [](TQrvStringGrid& g) { g.SetFixedRightCols(1); }, Qt::Key_Tab,
       Qt::NoModifier, 4, 1, 1, 2},
      {"the last cell wraps to the first row", nullptr, Qt::Key_Tab, Qt::NoModifier, 5, 7, 1, 1},
      {"shift+tab to the cell before", nullptr, Qt::Key_Tab, Qt::ShiftModifier, 3, 2, 2, 2},
      {"shift+tab passes a read-only cell", ReadOnlyColumn(2), Qt::Key_Backtab, Qt::ShiftModifier, 3, 2, 1, 2},
      {"shift+tab at a row start to the row before", nullptr, Qt::Key_Tab, Qt::ShiftModifier, 1, 3, 5, 2},
      {"shift+tab at the first cell wraps to the last", nullptr, Qt::Key_Tab, Qt::ShiftModifier, 1, 1, 5, 7},
      {"no cell editable: the cursor stays",
       [](TQrvStringGrid& g) { g.OnCanEditCell = [](TQrvStringGrid*, int32_t, int32_t, bool& can) { can = false; }; },
       Qt::Key_Tab, Qt::NoModifier, 2, 1, 2, 1},
      {"no cell editable, backwards: the cursor stays",
       [](TQrvStringGrid& g) { g.OnCanEditCell = [](TQrvStringGrid*, int32_t, int32_t, bool& can) { can = false; }; },
       Qt::Key_Tab, Qt::ShiftModifier, 3, 4, 3, 4},
  };
  for (const TStepCase& k : cases) Run(k);
}

TEST_F(TGridKeysTest, TabLeavesTheGridAtTheEndOnlyWhenAsked) {
  TQrvStringGrid& g = Q();
  g.SetOptions(g.Options() | goEditing | goTabs);
  std::vector<bool> handedOn;
  g.TabToNextControl = [&](bool backward) { handedOn.push_back(backward); };
  g.MoveToCell(5, 7);
  EXPECT_TRUE(g.TabAdvance(false));
  EXPECT_TRUE(handedOn.empty());
  g.Navigation().SetTabToNextAtEnd(true);
  g.MoveToCell(5, 7);
  EXPECT_FALSE(g.TabAdvance(false));
  EXPECT_EQ(handedOn, std::vector<bool>{false});
  EXPECT_EQ(g.Col(), 1);
  EXPECT_EQ(g.Row(), 1);
  // Without goTabs the grid does not keep Tab: the window's focus chain has it.
  g.SetOptions(g.Options() & ~TGridOptions(goTabs));
  const QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  EXPECT_EQ(View.DialogCode(tab) & DLGC_WANTTAB, 0u);
  EXPECT_NE(View.DialogCode(tab) & DLGC_WANTARROWS, 0u);
  g.SetOptions(g.Options() | goTabs);
  EXPECT_NE(View.DialogCode(tab) & DLGC_WANTTAB, 0u);
  EXPECT_EQ(View.DialogCode(tab) & DLGC_WANTALLKEYS, 0u);
}

TEST_F(TGridKeysTest, ArrowsWrapSkipFixedCellsAndDisabledRows) {
  const auto advance = [](TCursorAdvance a) {
    return [a](TQrvStringGrid& g) { g.Navigation().SetCursorAdvance(a); };
  };
  const TStepCase cases[] = {
      {"right at the last column stays by default", nullptr, Qt::Key_Right, Qt::NoModifier, 5, 3, 5, 3},
      {"loop: right at the last column", advance(caLoop), Qt::Key_Right, Qt::NoModifier, 5, 3, 1, 3},
      {"snake: right at the last column", advance(caSnake), Qt::Key_Right, Qt::NoModifier, 5, 3, 1, 4},
      {"loop: left at the first column", advance(caLoop), Qt::Key_Left, Qt::NoModifier, 1, 3, 5, 3},
      {"snake: left at the first column", advance(caSnake), Qt::Key_Left, Qt::NoModifier, 1, 3, 5, 2},
      {"loop: down at the last row", advance(caLoop), Qt::Key_Down, Qt::NoModifier, 2, 7, 2, 1},
      {"snake: down at the last row", advance(caSnake), Qt::Key_Down, Qt::NoModifier, 2, 7, 3, 1},
      {"loop: up at the first row", advance(caLoop), Qt::Key_Up, Qt::NoModifier, 2, 1, 2, 7},
      {"snake: up at the first row", advance(caSnake), Qt::Key_Up, Qt::NoModifier, 2, 1, 1, 7},
      {"a fixed cell is jumped over",
       [](TQrvStringGrid& g) {
         g.OnIsFixedCell = [](TQrvStringGrid*, int32_t, int32_t c, bool& fixed) { fixed = fixed || c == 3; };
       },
       Qt::Key_Right, Qt::NoModifier, 2, 3, 4, 3},
      {"a disabled row is jumped over",
       [](TQrvStringGrid& g) {
         for (int32_t r = 0; r < g.RowCount(); ++r) g.SetRowEnabled(r, r != 3);
       },
       Qt::Key_Down, Qt::NoModifier, 2, 2, 2, 4},
  };
  for (const TStepCase& k : cases) Run(k);
}

TEST_F(TGridKeysTest, HomeGoesToTheFirstTabStopAndEndToTheLastColumn) {
  const TStepCase cases[] = {
      {"home", ReadOnlyColumn(1), Qt::Key_Home, Qt::NoModifier, 4, 3, 2, 3},
      {"end", nullptr, Qt::Key_End, Qt::NoModifier, 2, 3, 5, 3},
      {"end onto a right fixed column", [](TQrvStringGrid& g) { g.SetFixedRightCols(1); }, Qt::Key_End,
       Qt::NoModifier, 2, 3, 5, 3},
      {"end onto the last of two right fixed columns", [](TQrvStringGrid& g) { g.SetFixedRightCols(2); }, Qt::Key_End,
       Qt::NoModifier, 2, 3, 5, 3},
      {"ctrl+home", ReadOnlyColumn(1), Qt::Key_Home, Qt::ControlModifier, 4, 5, 2, 1},
  };
  for (const TStepCase& k : cases) Run(k);
}

TEST_F(TGridKeysTest, EnterStepsOverReadOnlyCellsAndEndsWhenNoneIsEditable) {
  TQrvStringGrid& g = Q();
  g.SetOptions(g.Options() | goEditing);
  std::vector<std::tuple<int32_t, int32_t, int32_t, int32_t>> advanced;
  g.OnAutoAdvance = [&](TQrvStringGrid*, int32_t oldRow, int32_t oldCol, int32_t& newRow, int32_t& newCol, bool&) {
    advanced.emplace_back(oldRow, oldCol, newRow, newCol);
  };
  g.OnCanEditCell = [](TQrvStringGrid*, int32_t, int32_t c, bool& can) { can = can && (c < 3 || c > 4); };
  g.MoveToCell(2, 1);
  g.AdvanceCell(2, 1, false, false, true, false, true);
  EXPECT_EQ(g.Col(), 5);
  EXPECT_EQ(advanced, (decltype(advanced){{1, 2, 1, 5}}));
  // With no editable cell the step ends where it started, with the wrap on and with it off.
  g.OnCanEditCell = [](TQrvStringGrid*, int32_t, int32_t, bool& can) { can = false; };
  for (const bool loop : {true, false}) {
    g.Navigation().SetAdvanceOnEnterLoop(loop);
    g.MoveToCell(4, 7);
    g.AdvanceCell(4, 7, false, false, true, false, true);
    EXPECT_EQ(g.Col(), 4) << loop;
    EXPECT_EQ(g.Row(), 7) << loop;
  }
}

TEST_F(TGridKeysTest, ArrowsAndSpaceKeepTheDisjunctRowAndColumnFlags) {
  TQrvStringGrid& g = Q();
  g.MouseActions().SetDisjunctRowSelect(true);
  g.MouseActions().SetDisjunctColSelect(true);
  g.SetOptions(g.Options() & ~TGridOptions(goEditing));  // Space types nothing
  g.MoveToCell(2, 2);
  const auto flags = [&] {
    std::vector<int32_t> rows, cols;
    for (int32_t r = 0; r < g.RowCount(); ++r)
      if (g.GetRowSelect(r)) rows.push_back(r);
    for (int32_t c = 0; c < g.ColCount(); ++c)
      if (g.GetColSelect(c)) cols.push_back(c);
    return std::make_pair(rows, cols);
  };
  using TFlags = std::pair<std::vector<int32_t>, std::vector<int32_t>>;
  Key(Qt::Key_Down);
  EXPECT_EQ(flags(), (TFlags{{3}, {2}}));
  Key(Qt::Key_Right);
  EXPECT_EQ(flags(), (TFlags{{3}, {3}}));
  Key(Qt::Key_Space);
  EXPECT_EQ(flags(), (TFlags{{}, {}})) << "Space takes the current row and column out";
  Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(flags(), (TFlags{{3, 4}, {3}}));
}

TEST_F(TGridKeysTest, RowKeysKeepTheColumnsInViewInRowSelection) {
  TQrvStringGrid& g = Q();
  g.SetColCount(12);
  for (int32_t c = 0; c < 12; ++c) g.SetColWidths(c, 40);
  g.SetOptions(g.Options() | goRowSelect);
  g.MoveToCell(1, 3);
  for (const bool keep : {true, false}) {
    g.Navigation().SetKeepHorizScroll(keep);
    g.SetLeftCol(4);
    Key(Qt::Key_Down);
    EXPECT_EQ(g.LeftCol(), keep ? 4 : 1) << keep;
  }
  EXPECT_EQ(g.Row(), 5);
}

TEST_F(TGridKeysTest, DeleteClearsTheOnlyRowAndRemovesOthers) {
  TQrvStringGrid& g = Q();
  g.Navigation().SetAllowDeleteRow(true);
  std::vector<int32_t> deleted;
  g.OnAutoDeleteRow = [&](TQrvStringGrid*, int32_t r) { deleted.push_back(r); };
  g.SetRowCount(3);
  g.SetCells(1, 1, QStringLiteral("first"));
  g.SetCells(1, 2, QStringLiteral("second"));
  g.MoveToCell(1, 1);
  bool allow = false;
  g.OnCanDeleteRow = [&](TQrvStringGrid*, int32_t, bool& can) { can = allow; };
  Key(Qt::Key_Delete);
  EXPECT_EQ(g.RowCount(), 3);
  EXPECT_TRUE(deleted.empty());
  allow = true;
  Key(Qt::Key_Delete);
  EXPECT_EQ(g.RowCount(), 2);
  EXPECT_EQ(g.Cells(1, 1), QStringLiteral("second"));
  Key(Qt::Key_Delete);
  EXPECT_EQ(g.RowCount(), 2);
  EXPECT_EQ(g.Cells(1, 1), QString());
  EXPECT_EQ(deleted, (std::vector<int32_t>{1, 1}));
  EXPECT_TRUE(g.GridModified());
}

TEST_F(TGridKeysTest, InsertAddsARowBeforeOrAfterTheCurrentOne) {
  TQrvStringGrid& g = Q();
  g.Navigation().SetAllowInsertRow(true);
  std::vector<int32_t> inserted;
  g.OnAutoInsertRow = [&](TQrvStringGrid*, int32_t r) { inserted.push_back(r); };
  g.SetCells(1, 3, QStringLiteral("three"));
  g.MoveToCell(1, 3);
  Key(Qt::Key_Insert);
  EXPECT_EQ(g.RowCount(), 9);
  EXPECT_EQ(g.Cells(1, 4), QStringLiteral("three"));
  EXPECT_EQ(g.Row(), 3);
  g.Navigation().SetInsertPosition(pInsertAfter);
  Key(Qt::Key_Insert);
  EXPECT_EQ(g.RowCount(), 10);
  EXPECT_EQ(g.Row(), 4);
  EXPECT_EQ(g.Cells(1, 5), QStringLiteral("three"));
  EXPECT_EQ(inserted, (std::vector<int32_t>{3, 4}));
}

TEST_F(TGridKeysTest, ClipboardKeysCopyCutAndPasteTheSelection) {
  TQrvStringGrid& g = Q();
  QString clipboard;
  g.ReadClipboard = [&] { return clipboard; };
  g.WriteClipboard = [&](const QString& text) { clipboard = text; };
  g.SetCells(1, 1, QStringLiteral("a"));
  g.SetCells(2, 1, QStringLiteral("b"));
  g.SetCells(1, 2, QStringLiteral("c"));
  g.SetCells(2, 2, QStringLiteral("d"));
  g.MoveToCell(1, 1);
  Key(Qt::Key_Right, Qt::ShiftModifier);
  Key(Qt::Key_Down, Qt::ShiftModifier);
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(clipboard.isEmpty()) << "off unless AllowClipboardShortCuts";
  g.Navigation().SetAllowClipboardShortCuts(true);
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard, QStringLiteral("a\tb\r\nc\td"));
  g.MoveToCell(3, 4);
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(g.Cells(3, 4), QStringLiteral("a"));
  EXPECT_EQ(g.Cells(4, 5), QStringLiteral("d"));
  bool allowCut = false;
  QObject* sender = nullptr;
  g.OnClipboardCut = [&](QObject* from, bool& allow) {
    sender = from;
    allow = allowCut;
  };
  g.MoveToCell(3, 4);
  Key(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(g.Cells(3, 4), QStringLiteral("a"));
  allowCut = true;
  Key(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(g.Cells(3, 4), QString());
  EXPECT_EQ(clipboard, QStringLiteral("a"));
  EXPECT_EQ(sender, static_cast<QObject*>(&View)) << "the grid's window is the sender";
}

TEST(GridViewKeys, KeysTypeTheCharactersTheGridExpects) {
  const struct {
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    QString Text;
    char16_t Char;
  } cases[] = {
      {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), 13},
      {Qt::Key_Enter, Qt::KeypadModifier, {}, 13},
      {Qt::Key_Return, Qt::ControlModifier, {}, 10},
      {Qt::Key_Escape, Qt::NoModifier, {}, 27},
      {Qt::Key_Backspace, Qt::NoModifier, {}, 8},
      {Qt::Key_Tab, Qt::NoModifier, {}, 9},
      {Qt::Key_C, Qt::ControlModifier, QStringLiteral("c"), 3},
      {Qt::Key_V, Qt::ControlModifier, {}, 22},
      {Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), u'a'},
      {Qt::Key_Left, Qt::NoModifier, {}, 0},
      {Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"), 0},
  };
  for (const auto& k : cases) {
    const QKeyEvent e(QEvent::KeyPress, k.Key, k.Modifiers, k.Text);
    EXPECT_EQ(TGridView::Key_Char(e).unicode(), k.Char) << k.Key;
  }
}

TEST(GridViewKeys, SpaceTogglesAnEditableDataCheckBox) {
  auto owned = std::make_unique<TQrvColumnGrid>();
  TQrvColumnGrid& grid = *owned;
  TGridView view(std::move(owned));
  grid.SetColCount(4);
  grid.SetRowCount(5);
  grid.SetOptions(grid.Options() | goEditing);
  grid.Columns().Items(2)->SetEditor(edDataCheckBox);
  grid.SetCells(2, 3, QStringLiteral("N"));
  view.resize(240, 140);
  view.show();
  std::vector<std::tuple<int32_t, int32_t, bool>> checks;
  grid.OnCheckBoxClick = [&](TQrvStringGrid*, int32_t c, int32_t r, bool s) { checks.emplace_back(c, r, s); };
  grid.MoveToCell(2, 3);
  for (const char* expected : {"Y", "N"}) {
    QTest::keyClick(&view, Qt::Key_Space);
    EXPECT_EQ(grid.Cells(2, 3), QString::fromLatin1(expected));
  }
  EXPECT_EQ(checks, (std::vector<std::tuple<int32_t, int32_t, bool>>{{2, 3, true}, {2, 3, false}}));
  EXPECT_FALSE(grid.EditMode());
  // A read-only one stays as it is and reports nothing.
  grid.OnCanEditCell = [](TQrvStringGrid*, int32_t, int32_t, bool& can) { can = false; };
  QTest::keyClick(&view, Qt::Key_Space);
  EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("N"));
  EXPECT_EQ(checks.size(), 2u);
}

}  // namespace
