// The grid's notification hooks: row deletion as the owner sees it, the texts of saving and loading, the old text
// of an edit, selection and filter notices, and links shown in cell text.
#include <gtest/gtest.h>

#include <vector>

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
