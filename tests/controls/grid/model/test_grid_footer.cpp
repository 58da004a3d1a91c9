// The floating footer's settings and the totals it writes into the grid's last row.
#include <gtest/gtest.h>

#include "GridTestHost.h"

namespace {
// One fixed row, the data rows given in column 1, and the footer row last.
void Fill_Column(TQrvStringGrid& grid, const QStringList& values) {
  grid.SetColCount(3);
  grid.SetRowCount(static_cast<int32_t>(values.size()) + 2);
  grid.SetFixedRows(1);
  for (int32_t i = 0; i < values.size(); ++i) grid.SetCells(1, i + 1, values[i]);
  grid.FloatingFooter().SetVisible(true);
}
}  // namespace

TEST(GridFooter, EachCalculationWritesItsTotalIntoTheFooterRow) {
  const std::pair<TColumnCalcType, const char*> cases[] = {{acSUM, "20.00"},   {acAVG, "5.00"},  {acCOUNT, "4"},
                                                           {acMIN, "2.00"},    {acMAX, "10.00"}, {acDISTINCT, "3.00"},
                                                           {acSTDDEV, "3.46"}, {acNONE, "kept"}, {acSPREAD, "kept"}};
  for (const auto& [type, expected] : cases) {
    SCOPED_TRACE(static_cast<int>(type));
    TQrvStringGrid grid;
    Fill_Column(grid, {"2", "4", "4", "10"});
    grid.SetCells(1, 5, QStringLiteral("kept"));
    grid.FloatingFooter().SetColumnCalc(1, type);
    EXPECT_EQ(grid.Cells(1, 5), QString::fromLatin1(expected));
    EXPECT_EQ(grid.FloatingFooter().GetColumnCalc(1), type);
  }
}

TEST(GridFooter, CountOfTenRowsWithTheFooterLastIsNine) {
  TQrvStringGrid grid;
  Fill_Column(grid, {"1", "2", "3", "4", "5", "6", "7", "8", "9"});
  ASSERT_EQ(grid.RowCount(), 11);
  grid.FloatingFooter().SetColumnCalc(1, acCOUNT);
  EXPECT_EQ(grid.Cells(1, 10), QStringLiteral("9"));
}

TEST(GridFooter, HiddenRowsCountOnlyWhenAskedTo) {
  struct TCase {
    bool calculateHidden;
    const char* sum;
    const char* count;
  };
  // Rows hold 1, 2, 4, 8, 16; the rows with 2 and 4 are hidden.
  const TCase cases[] = {{true, "31.00", "5"}, {false, "25.00", "3"}};
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.calculateHidden);
    TQrvStringGrid grid;
    Fill_Column(grid, {"1", "2", "4", "8", "16"});
    grid.FloatingFooter().SetCalculateHiddenRows(k.calculateHidden);
    grid.HideRows(2, 3);
    grid.FloatingFooter().SetColumnCalc(1, acSUM);
    grid.FloatingFooter().SetColumnCalc(2, acCOUNT);
    const int32_t footer = grid.RowCount() - 1;
    EXPECT_EQ(grid.Cells(1, footer), QString::fromLatin1(k.sum));
    EXPECT_EQ(grid.Cells(2, footer), QString::fromLatin1(k.count));
  }
}

TEST(GridFooter, CustomTotalsComeFromTheGridsEventFirst) {
  TQrvStringGrid grid;
  Fill_Column(grid, {"1", "2"});
  std::vector<std::pair<int32_t, int32_t>> asked;
  grid.FloatingFooter().OnCalcFooter = [&](TQrvStringGrid*, int32_t c, int32_t r, QString& v) {
    asked.emplace_back(c, r);
    v = QStringLiteral("footer's");
  };
  grid.FloatingFooter().SetColumnCalc(1, acCUSTOM);
  EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("footer's"));
  EXPECT_EQ(asked, (std::vector<std::pair<int32_t, int32_t>>{{1, 3}}));
  grid.OnFooterCalc = [](TQrvStringGrid*, int32_t, int32_t, QString& v) { v = QStringLiteral("grid's"); };
  grid.CalculateFooter(-1);
  EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("grid's"));
}

TEST(GridFooter, NothingIsCalculatedUnlessTheFixedLastRowShowsWithCalculationOn) {
  struct TCase {
    const char* name;
    bool visible;
    TFooterStyle style;
    bool enabled;
  };
  const TCase cases[] = {{"hidden", false, fsFixedLastRow, true},
                         {"column preview", true, fsColumnPreview, true},
                         {"calculation off", true, fsFixedLastRow, false}};
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.name);
    TQrvStringGrid grid;
    Fill_Column(grid, {"3", "4"});
    grid.FloatingFooter().SetVisible(k.visible);
    grid.FloatingFooter().SetFooterStyle(k.style);
    grid.FloatingFooter().SetEnableCalculation(k.enabled);
    grid.FloatingFooter().SetColumnCalc(1, acSUM);
    EXPECT_EQ(grid.Cells(1, 3), QString());
  }
}

TEST(GridFooter, VisibilityAndStyleKeepTheFixedFooterAndHiddenLastRowInStep) {
  TQrvStringGrid grid;
  grid.SetRowCount(5);
  TFloatingFooter& footer = grid.FloatingFooter();
  EXPECT_EQ(grid.FixedFooters(), 0);
  footer.SetVisible(true);
  EXPECT_EQ(grid.FixedFooters(), 1);
  EXPECT_TRUE(grid.HideLastRow());
  // The preview style stops hiding the last row but keeps the fixed footer until Visible is set again.
  footer.SetFooterStyle(fsColumnPreview);
  EXPECT_FALSE(grid.HideLastRow());
  EXPECT_EQ(grid.FixedFooters(), 1);
  footer.SetVisible(true);
  EXPECT_EQ(grid.FixedFooters(), 0);
  footer.SetVisible(false);
  footer.SetFooterStyle(fsFixedLastRow);
  EXPECT_FALSE(grid.HideLastRow());
  grid.SetDefaultRowHeight(31);
  EXPECT_EQ(footer.Height(), 31);
}

TEST(GridFooter, TemplatesTakeCellsOfTheRow) {
  TQrvStringGrid grid;
  grid.SetColCount(5);
  grid.SetRowCount(3);
  grid.SetCells(0, 2, QStringLiteral("first"));
  grid.SetCells(3, 2, QStringLiteral("12"));
  const std::pair<const char*, const char*> cases[] = {{"Total: <#3> items", "Total: 12 items"},
                                                       {"<#0>", "first"},
                                                       {"a<#x>b", "ab"},
                                                       {"<#3><#0>", "12first"},
                                                       {"open <#3", "open <#3"},
                                                       {"", ""}};
  for (const auto& [templ, expected] : cases)
    EXPECT_EQ(ExpandFooterTemplate(grid, QString::fromLatin1(templ), 2), QString::fromLatin1(expected)) << templ;
}
