// The grid's notification hooks: row deletion as the owner sees it, the texts of saving and loading, the old text
// of an edit, selection and filter notices, and links shown in cell text.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "GridTestHost.h"
#include "UQrvColumnGrid.h"

namespace {

TEST(GridChanges, DeletingTheOnlyNormalRowEmptiesItUnlessFixedRowAlways) {
  for (bool fixedRowAlways : {false, true}) {
    TQrvStringGrid grid;
    grid.SetRowCount(2);
    grid.SetFixedRows(1);
    grid.SetFixedRowAlways(fixedRowAlways);
    grid.SetCells(1, 1, QStringLiteral("x"));
    std::vector<int32_t> deleted;
    grid.OnAutoDeleteRow = [&](TQrvStringGrid*, int32_t r) { deleted.push_back(r); };
    grid.RowDeleted(1);
    EXPECT_EQ(deleted, std::vector<int32_t>{1}) << fixedRowAlways;
    if (fixedRowAlways) {
      EXPECT_EQ(grid.RowCount(), 1);
    } else {
      EXPECT_EQ(grid.RowCount(), 2);
      EXPECT_EQ(grid.Cells(1, 1), QString());
    }
  }
  TQrvStringGrid grid;
  grid.SetRowCount(4);
  grid.SetFixedRows(1);
  grid.SetCells(0, 2, QStringLiteral("second"));
  grid.RowDeleted(1);
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.Cells(0, 1), QStringLiteral("second"));
  grid.RowInserted(1);
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(grid.Cells(0, 2), QStringLiteral("second"));
}

TEST(GridChanges, RowsInsertedAndDeletedInsideANodeWidenAndNarrowItsRange) {
  TQrvStringGrid grid;
  grid.SetRowCount(8);
  grid.SetFixedRows(1);
  grid.AddNode(1, 3);  // rows 1..3
  grid.SetCells(1, 1, QStringLiteral("Group"));
  grid.Grouping.ShowGroupCount = true;
  ASSERT_EQ(grid.Cells(1, 1), QStringLiteral("Group (2)"));
  const struct {
    const char* name;
    bool insert;
    int32_t row, span, subNodes, rowCount;
  } steps[] = {{"child inserted", true, 2, 4, 1, 9},
               {"row inserted below the node", true, 6, 4, 1, 10},
               {"child deleted", false, 2, 3, 0, 9},
               {"row deleted below the node", false, 6, 3, 0, 8}};
  for (const auto& k : steps) {
    SCOPED_TRACE(k.name);
    if (k.insert)
      grid.RowInserted(k.row);
    else
      grid.RowDeleted(k.row);
    EXPECT_EQ(grid.RowCount(), k.rowCount);
    EXPECT_EQ(grid.GetNodeSpan(1), k.span);
    EXPECT_EQ(grid.GetSubNodeCount(1), k.subNodes);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("Group (2)")) << "the group count stays the node's own";
  }
}

TEST(GridChanges, GroupCountShowsBesideTheNodesColumnOneTextOnly) {
  TQrvStringGrid grid;
  grid.SetRowCount(8);
  grid.SetFixedRows(1);
  grid.AddNode(1, 5);
  for (int32_t c = 0; c < grid.ColCount(); ++c) grid.SetCells(c, 1, QStringLiteral("n"));
  grid.SetCells(1, 2, QStringLiteral("child"));
  const struct {
    bool show;
    const char* format;
    int32_t c, r;
    const char* shown;
  } cases[] = {{true, "", 1, 1, "n (4)"}, {true, "[%d rows]", 1, 1, "n[4 rows]"},
               {true, "", 2, 1, "n"},     {true, "", 1, 2, "child"},
               {false, "", 1, 1, "n"},    {true, "%s", 1, 1, "n%s"}};
  for (const auto& k : cases) {
    grid.Grouping.ShowGroupCount = k.show;
    grid.Grouping.GroupCountFormat = QString::fromLatin1(k.format);
    EXPECT_EQ(grid.Cells(k.c, k.r), QString::fromLatin1(k.shown)) << k.format << " " << k.c << "," << k.r;
    EXPECT_EQ(grid.GetGridCell(k.c, k.r), k.r == 1 ? QStringLiteral("n") : QStringLiteral("child"));
  }
}

TEST(GridChanges, FootersAreRecalculatedAfterBulkChanges) {
  const struct {
    const char* name;
    std::function<void(TQrvStringGrid&)> change;
  } cases[] = {{"cells changed",
                [](TQrvStringGrid& g) {
                  g.CellsChanged(TRect{0, 1, 2, 2});
                }},
               {"column count changed", [](TQrvStringGrid& g) { g.ColCountChanged(); }},
               {"rows cleared", [](TQrvStringGrid& g) { g.ClearRows(3, 1); }}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    TQrvStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(5);
    grid.SetFixedRows(1);
    grid.SetCells(1, 1, QStringLiteral("2"));
    grid.SetCells(1, 2, QStringLiteral("4"));
    grid.FloatingFooter().SetVisible(true);
    grid.FloatingFooter().SetColumnCalc(1, acSUM);
    ASSERT_EQ(grid.Cells(1, 4), QStringLiteral("6.00"));
    grid.SetGridCell(1, 1, QStringLiteral("10"));  // raw: no recalculation by itself
    ASSERT_EQ(grid.Cells(1, 4), QStringLiteral("6.00"));
    k.change(grid);
    EXPECT_EQ(grid.Cells(1, 4), QStringLiteral("14.00"));
  }
}

TEST(GridChanges, AnEmptyCheckBoxCellIsSavedAsItsCheckText) {
  TQrvStringGrid grid;
  grid.SetRowCount(6);
  grid.SetFixedRows(1);
  grid.AddCheckBox(1, 1, false, false);
  grid.AddCheckBox(1, 2, true, false);
  grid.AddCheckBox(1, 3, cbGrayed);
  grid.AddCheckBox(1, 4, cbChecked);
  grid.AddCheckBox(1, 5, true, false);
  grid.SetCells(1, 5, QStringLiteral("own"));
  grid.SetCells(2, 1, QString());
  const std::pair<int32_t, const char*> cases[] = {{1, "N"}, {2, "Y"}, {3, "N"}, {4, "Y"}, {5, "own"}};
  for (const auto& [row, saved] : cases) {
    QString value;
    grid.GetSaveCellText(1, row, value);
    EXPECT_EQ(value, QString::fromLatin1(saved)) << row;
  }
  QString plain = QStringLiteral("x");
  grid.GetSaveCellText(2, 1, plain);
  EXPECT_EQ(plain, QString()) << "an empty cell without a check box stays empty";

  // The state is read by real row: a hidden row above moves the box up on screen.
  grid.CheckTrue = QStringLiteral("on");
  grid.HideRow(1);
  QString value;
  grid.GetSaveCellText(1, 1, value);
  EXPECT_EQ(value, QStringLiteral("on"));
}

TEST(GridChanges, SelectionChangeRepaintsTheSelectionOnlyInTheFramedLooks) {
  const std::pair<TGridLook, bool> cases[] = {
      {glStandard, false}, {glXP, false}, {glVista, true}, {glWin7, true}, {glOffice2007, true}};
  for (const auto& [look, repaints] : cases) {
    THostedGrid<> hosted(5, 5, 400, 300);
    hosted.grid.SetLook(look);
    hosted.host.Rects.clear();
    hosted.host.AllRepaints = 0;
    int fired = 0;
    hosted.grid.OnSelectionChanged = [&](TQrvStringGrid*, int32_t, int32_t, int32_t, int32_t) { ++fired; };
    hosted.grid.SelectionChanged(1, 1, 2, 2);
    EXPECT_EQ(!hosted.host.Rects.empty() || hosted.host.AllRepaints > 0, repaints) << look;
    EXPECT_EQ(fired, 1);
    EXPECT_TRUE(hosted.grid.SelChange());
  }
}

TEST(GridChanges, FixedEditHandsTheChosenEditorBack) {
  TQrvStringGrid grid;
  TGridFixedCellEditor editor = fceEdit;
  QStringList values;
  grid.FixedEdit(1, 0, editor, values);
  EXPECT_EQ(editor, fceEdit) << "without a handler the kind stays";
  grid.OnFixedEdit = [](TQrvStringGrid*, int32_t c, int32_t r, TGridFixedCellEditor& e, QStringList& v) {
    if (c == 1 && r == 0) e = fceComboList, v = {QStringLiteral("a"), QStringLiteral("b")};
  };
  grid.FixedEdit(1, 0, editor, values);
  EXPECT_EQ(editor, fceComboList);
  EXPECT_EQ(values, QStringList({QStringLiteral("a"), QStringLiteral("b")}));
}

TEST(GridChanges, ApplicationStyleColoursAreTakenOverUnlessTheStyleIsWindows) {
  TQrvStringGrid::TGridAppStyle dark;
  dark.Name = QStringLiteral("Carbon");
  dark.CellFill = 0x202020;
  dark.CellBorder = 0x404040;
  dark.FixedCellBorder = 0x505050;
  dark.CellText = 0xEEEEEE;
  dark.SelectedCellText = 0xFFFFFF;
  TQrvStringGrid::TGridAppStyle noTexts = dark;
  noTexts.CellText = noTexts.SelectedCellText = noTexts.FixedCellText = clNone;
  TQrvStringGrid::TGridAppStyle windows = dark;
  windows.Name = QStringLiteral("Windows");
  const struct {
    const char* name;
    std::optional<TQrvStringGrid::TGridAppStyle> style;
    bool taken, textsTaken;
  } cases[] = {{"no style", std::nullopt, false, false},
               {"the Windows style", windows, false, false},
               {"a style", dark, true, true},
               {"a style without text colours", noTexts, true, false}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    TQrvStringGrid grid;
    const TColor colour = grid.Color(), lines = grid.GridLineColor(), text = grid.Font().Color;
    const TColor selected = grid.SelectionTextColor, fixedText = grid.FixedFont.Color;
    const TGridOptions options = grid.Options();
    grid.AppStyle = k.style;
    grid.ApplyStyleColors();
    EXPECT_EQ(grid.UsesAppStyle(), k.taken);
    EXPECT_EQ(grid.Color(), k.taken ? TColor(0x202020) : colour);
    EXPECT_EQ(grid.GridLineColor(), k.taken ? TColor(0x404040) : lines);
    EXPECT_EQ(grid.GridFixedLineColor() == TColor(0x505050), k.taken);
    EXPECT_EQ(bool(grid.Options() & goFixedVertLine), !k.taken && (options & goFixedVertLine));
    EXPECT_EQ(bool(grid.Options() & goFixedHorzLine), !k.taken && (options & goFixedHorzLine));
    EXPECT_EQ(bool(grid.Options() & goVertLine), bool(options & goVertLine)) << "the normal lines stay";
    EXPECT_EQ(grid.Font().Color, k.textsTaken ? TColor(0xEEEEEE) : text);
    EXPECT_EQ(grid.SelectionTextColor, k.textsTaken ? TColor(0xFFFFFF) : selected);
    EXPECT_EQ(grid.FixedFont.Color, fixedText) << "the style gives no fixed text colour";
  }
}

TEST(GridChanges, SaveTextStripsMarkupUnlessKeptAndTheEventHasTheLastWord) {
  TQrvColumnGrid grid;
  grid.SetCells(1, 1, QStringLiteral("a<B>b</B>"));
  QString value;
  grid.SaveWithHTML = false;
  grid.GetSaveCellText(1, 1, value);
  EXPECT_EQ(value, QStringLiteral("ab"));
  grid.SaveWithHTML = true;
  grid.GetSaveCellText(1, 1, value);
  EXPECT_EQ(value, QStringLiteral("a<B>b</B>"));

  // Virtual cells save what the column shows; raw cells what is stored.
  grid.Columns().Items(2)->SetFloatFormat(QStringLiteral("%.1f"));
  grid.SetCells(2, 1, QStringLiteral("2.345"));
  grid.GetSaveCellText(2, 1, value);
  EXPECT_EQ(value, QStringLiteral("2.3"));
  grid.SaveVirtCells = false;
  grid.GetSaveCellText(2, 1, value);
  EXPECT_EQ(value, QStringLiteral("2.345"));

  grid.OnSaveCell = [](TQrvStringGrid*, int32_t c, int32_t r, QString& v) {
    v += QStringLiteral("@%1,%2").arg(c).arg(r);
  };
  grid.GetSaveCellText(2, 1, value);
  EXPECT_EQ(value, QStringLiteral("2.345@2,1"));
}

TEST(GridChanges, LoadedTextPassesTheEventAndIsStoredRaw) {
  TQrvStringGrid grid;
  grid.MergeCells(1, 1, 2, 1);
  grid.OnLoadCell = [](TQrvStringGrid*, int32_t, int32_t, QString& v) { v = v.toUpper(); };
  grid.GetLoadCellText(2, 1, QStringLiteral("abc"));
  EXPECT_EQ(grid.GetGridCell(2, 1), QStringLiteral("ABC")) << "no merge redirection";
  EXPECT_EQ(grid.GetGridCell(1, 1), QString());
}

TEST(GridChanges, OldCellTextIsTakenByRealColumn) {
  TQrvStringGrid grid;
  grid.SetCells(3, 2, QStringLiteral("before"));
  grid.HideColumn(1);
  grid.SetModified(true);
  grid.RememberOldCellText(2, 2);  // display column 2 shows real column 3
  EXPECT_EQ(grid.OldCellText(), QStringLiteral("before"));
  EXPECT_EQ(grid.OldCol(), 2);
  EXPECT_EQ(grid.OldRow(), 2);
  EXPECT_TRUE(grid.OldModifiedValue());

  grid.SetCells(grid.RealColIndex(grid.Col()), grid.Row(), QStringLiteral("current"));
  int clicks = 0;
  grid.OnClick = [&](TQrvStringGrid*) { ++clicks; };
  grid.Click();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(grid.OldCellText(), QStringLiteral("current"));
}

TEST(GridChanges, NoticesReachTheirEvents) {
  TQrvStringGrid grid;
  std::vector<int32_t> rect;
  grid.OnSelectionChanged = [&](TQrvStringGrid*, int32_t l, int32_t t, int32_t r, int32_t b) { rect = {l, t, r, b}; };
  EXPECT_FALSE(grid.SelChange());
  grid.SelectionChanged(1, 2, 3, 4);
  EXPECT_TRUE(grid.SelChange());
  EXPECT_EQ(rect, (std::vector<int32_t>{1, 2, 3, 4}));

  int filtered = 0;
  grid.OnFilterDone = [&](TQrvStringGrid*) { ++filtered; };
  grid.FilterDone();
  EXPECT_EQ(filtered, 1);

  bool can = true;
  grid.OnCanAddRow = [](TQrvStringGrid*, bool& c) { c = false; };
  grid.CanAddRow(can);
  EXPECT_FALSE(can);
  can = true;
  grid.OnCanInsertRow = [](TQrvStringGrid*, int32_t r, bool& c) { c = r != 3; };
  grid.CanInsertRow(3, can);
  EXPECT_FALSE(can);
  grid.CanInsertRow(4, can);
  EXPECT_TRUE(can);
}

TEST(GridChanges, LinksShownInTextLeaveTheStoredTextAlone) {
  TQrvStringGrid grid;
  const QString stored = QStringLiteral("see www.example.org and ftp://files.example.org");
  grid.SetCells(1, 1, stored);
  EXPECT_EQ(grid.Cells(1, 1), stored) << "off by default";
  grid.URLShowInText = true;
  const QString shown = grid.Cells(1, 1);
  EXPECT_TRUE(shown.contains(QStringLiteral("<A href=")) || shown.contains(QStringLiteral("<a href=")))
      << shown.toStdString();
  EXPECT_TRUE(shown.contains(QStringLiteral("ftp://files.example.org")))
      << "only the first prefix of the order is linked";
  EXPECT_FALSE(shown.contains(QStringLiteral("\"ftp://"))) << shown.toStdString();
  EXPECT_EQ(grid.GetGridCell(1, 1), stored);
}

}  // namespace
