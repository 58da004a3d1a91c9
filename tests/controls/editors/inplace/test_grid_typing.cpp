// Typing into a grid that has the focus: a character opens the cell's editor with it, Enter commits and, with
// AdvanceOnEnter, moves on as the key-advance engine says; Escape and Backspace.
#include <tuple>

#include "GridEditorFixture.h"

namespace {

TEST(GridTyping, ACharacterOpensTheEditorWithItAndEnterCommits) {
  TEditedGrid g;
  std::vector<QChar> pressed;
  g.Grid->OnKeyPress = [&](TQrvStringGrid*, QChar& key) { pressed.push_back(key); };
  g.Grid->SetCells(1, 1, QStringLiteral("old"));
  g.Grid->MoveToCell(1, 1);
  g.Type(QStringLiteral("x"));
  QApplication::processEvents();
  ASSERT_TRUE(g.Edit()->isVisible());
  ASSERT_FALSE(pressed.empty());
  EXPECT_EQ(pressed.front(), QLatin1Char('x'));
  g.Type(QStringLiteral("yz"));
  EXPECT_EQ(g.Edit()->text(), QStringLiteral("xyz"));
  g.Key(Qt::Key_Return);
  EXPECT_FALSE(g.Edit()->isVisible());
  EXPECT_EQ(g.Grid->Cells(1, 1), QStringLiteral("xyz"));
  EXPECT_EQ(g.Grid->Col(), 1);
  EXPECT_EQ(g.Grid->Row(), 1);
}

TEST(GridTyping, AKeyPressHandlerChangesTheStartingCharacter) {
  TEditedGrid g;
  g.Grid->OnKeyPress = [](TQrvStringGrid*, QChar& key) {
    if (key == QLatin1Char('a')) key = QLatin1Char('b');
  };
  g.Grid->MoveToCell(2, 2);
  g.Type(QStringLiteral("a"));
  QApplication::processEvents();
  ASSERT_TRUE(g.Edit()->isVisible());
  EXPECT_EQ(g.Edit()->text(), QStringLiteral("b"));
}

TEST(GridTyping, BackspaceOpensAnEmptiedEditorAndEscapeRestoresTheCell) {
  TEditedGrid g;
  g.Grid->SetCells(1, 2, QStringLiteral("keep"));
  g.Grid->MoveToCell(1, 2);
  g.Key(Qt::Key_Backspace);
  QApplication::processEvents();
  ASSERT_TRUE(g.Edit()->isVisible());
  EXPECT_EQ(g.Edit()->text(), QString());
  g.Key(Qt::Key_Escape);
  EXPECT_FALSE(g.Edit()->isVisible());
  EXPECT_EQ(g.Grid->Cells(1, 2), QStringLiteral("keep"));
}

TEST(GridTyping, NoEditorOpensOnAReadOnlyCellOrOneWithEmbeddedControls) {
  TEditedGrid g;
  g.Grid->OnCanEditCell = [](TQrvStringGrid*, int32_t, int32_t c, bool& can) { can = can && c != 2; };
  g.Grid->SetCells(3, 1, QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"v\">"));
  int pressed = 0;
  g.Grid->OnKeyPress = [&](TQrvStringGrid*, QChar&) { ++pressed; };
  for (const int32_t c : {2, 3}) {
    g.Grid->MoveToCell(c, 1);
    g.Type(QStringLiteral("q"));
    QApplication::processEvents();
    EXPECT_FALSE(g.Edit()->isVisible()) << c;
  }
  EXPECT_EQ(g.Grid->Cells(2, 1), QString());
  // The cell with a CONTROL tag never hears of the key.
  EXPECT_EQ(pressed, 1);
}

struct TEnterCase {
  const char* Name;
  TAdvanceDirection Direction;
  bool Loop;
  bool Insert;
  int32_t StartCol, StartRow, Col, Row, RowCount;
};

// 4 columns, 6 rows, one fixed row and column; real column 2 is read-only.
TEST(GridTyping, EnterAdvancesAsTheNavigationSays) {
  const TEnterCase cases[] = {
      {"next cell, the read-only one passed", adLeftRight, true, false, 1, 1, 3, 1, 6},
      {"row end to the next row", adLeftRight, true, false, 3, 2, 1, 3, 6},
      {"the last cell wraps", adLeftRight, true, false, 3, 5, 1, 1, 6},
      {"the last cell stays without the wrap", adLeftRight, false, false, 3, 5, 3, 5, 6},
      {"the last cell appends a row", adLeftRight, true, true, 3, 5, 1, 6, 7},
      {"in the row: back to its first cell", adLeftRightInRow, true, false, 3, 4, 1, 4, 6},
      {"in the row: stays without the wrap", adLeftRightInRow, false, false, 3, 4, 3, 4, 6},
      {"down", adTopBottom, true, false, 3, 2, 3, 3, 6},
      {"the column's end to the next column's top", adTopBottom, true, false, 1, 5, 3, 1, 6},
      {"in the column: back to its top, wrap or not", adTopBottomInCol, false, false, 3, 5, 3, 1, 6},
  };
  for (const TEnterCase& k : cases) {
    TEditedGrid g;
    TQrvStringGrid& grid = *g.Grid;
    grid.OnCanEditCell = [](TQrvStringGrid*, int32_t, int32_t c, bool& can) { can = can && c != 2; };
    grid.Navigation().SetAdvanceOnEnter(true);
    grid.Navigation().SetAdvanceDirection(k.Direction);
    grid.Navigation().SetAdvanceOnEnterLoop(k.Loop);
    grid.Navigation().SetAdvanceInsert(k.Insert);
    std::vector<std::pair<int32_t, int32_t>> oldCells;
    grid.OnAutoAdvance = [&](TQrvStringGrid*, int32_t oldRow, int32_t oldCol, int32_t&, int32_t&, bool&) {
      oldCells.emplace_back(oldCol, oldRow);
    };
    grid.MoveToCell(k.StartCol, k.StartRow);
    g.Type(QStringLiteral("v"));
    QApplication::processEvents();
    ASSERT_TRUE(g.Edit()->isVisible()) << k.Name;
    g.Key(Qt::Key_Return);
    EXPECT_EQ(grid.Cells(k.StartCol, k.StartRow), QStringLiteral("v")) << k.Name;
    EXPECT_EQ(grid.Col(), k.Col) << k.Name;
    EXPECT_EQ(grid.Row(), k.Row) << k.Name;
    EXPECT_EQ(grid.RowCount(), k.RowCount) << k.Name;
    if (k.Col != k.StartCol || k.Row != k.StartRow) {
      EXPECT_EQ(oldCells, (std::vector<std::pair<int32_t, int32_t>>{{k.StartCol, k.StartRow}})) << k.Name;
      // The editor opens again on the cell reached.
      EXPECT_TRUE(g.Edit()->isVisible()) << k.Name;
    }
  }
}

}  // namespace
