// Sizing to content, fitting the columns to the grid's width, running numbers and swapping.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "GridTestHost.h"
#include "UQrvColumnGrid.h"
#include "URenderMarkup.h"

namespace {

// Ten pixels per character and sixteen per line, whatever the font: widths in the tests are exact.
class FixedMeasurer : public IGridTextMeasurer {
 public:
  TSize TextSize(const TFont&, const QString& text) const override {
    TSize size;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
      size.cx = std::max(size.cx, static_cast<int32_t>(line.size()) * 10);
      size.cy += 16;
    }
    return size;
  }
};

void UseFixedMeasurer(TQrvStringGrid& grid) {
  grid.SetTextMeasurer(std::make_shared<FixedMeasurer>());
}

TEST(GridAutoSize, LimitRule) {
  struct Case {
    int32_t value, minimum, maximum, expected;
  } cases[] = {{12, 50, 50, 12}, {12, 0, 0, 12}, {12, 30, 0, 30}, {90, 30, 0, 90}, {90, 0, 60, 60}, {45, 30, 60, 45}};
  for (const Case& k : cases)
    EXPECT_EQ(LimitSize(k.value, k.minimum, k.maximum), k.expected)
        << k.value << " " << k.minimum << " " << k.maximum;
}

TEST(GridAutoSize, ColumnTakesItsWidestTextPlusOffsetsAndLines) {
  TQrvStringGrid grid;
  UseFixedMeasurer(grid);
  grid.SetGridLineWidth(1);
  grid.SetCells(1, 0, QStringLiteral("ab"));
  grid.SetCells(1, 3, QStringLiteral("abcd"));  // 40 pixels
  grid.AutoSizeCol(1);
  EXPECT_EQ(grid.ColWidths(1), 40 + 4 + 2 + 2);
  grid.AutoSizeCol(1, 5);
  EXPECT_EQ(grid.ColWidths(1), 48 + 5) << "padding comes on top";

  grid.MinColWidth = 60;
  grid.AutoSizeCol(1);
  EXPECT_EQ(grid.ColWidths(1), 60);
  grid.MinColWidth = 0;

  // Which rows are measured.
  grid.SetFixedRows(1);
  grid.SetFixedFooters(1);
  grid.SetCells(1, grid.RowCount() - 1, QStringLiteral("abcdefghij"));  // a footer of 100 pixels
  grid.ColumnSize().SetRows(arFixed);
  grid.AutoSizeCol(1);
  EXPECT_EQ(grid.ColWidths(1), 20 + 8);
  grid.ColumnSize().SetRows(arNormal);
  grid.AutoSizeCol(1);
  EXPECT_EQ(grid.ColWidths(1), 40 + 8);
  grid.ColumnSize().SetRows(arAll);
  grid.AutoSizeCol(1);
  EXPECT_EQ(grid.ColWidths(1), 100 + 8);

  grid.SizeGrowOnly = true;
  grid.SetCells(1, grid.RowCount() - 1, QString());
  grid.AutoSizeCol(1);
  EXPECT_EQ(grid.ColWidths(1), 108) << "grow-only never narrows";
}

TEST(GridAutoSize, ColumnGridClampsToTheColumnsAutomaticLimits) {
  TQrvColumnGrid grid;
  UseFixedMeasurer(grid);
  grid.SetCells(2, 1, QStringLiteral("abcdefghijklmnopqrst"));
  grid.Columns().Items(2)->SetAutoMaxSize(90);
  grid.AutoSizeCol(2);
  EXPECT_EQ(grid.ColWidths(2), 90);
  grid.Columns().Items(3)->SetAutoMinSize(70);
  grid.AutoSizeCol(3);
  EXPECT_EQ(grid.ColWidths(3), 70);
}

TEST(GridAutoSize, RowsGrowToTheirLinesAndAutoSizeCellsNeverLowersARow) {
  TQrvStringGrid grid;
  UseFixedMeasurer(grid);
  grid.SetGridLineWidth(1);
  grid.SetWordWrap(false);
  grid.Multilinecells = true;
  grid.SetCells(2, 2, QStringLiteral("a\rb\rc"));
  grid.AutoSizeRow(2);
  EXPECT_EQ(grid.RowHeights(2), 4 + 48 + 2);

  grid.SetRowHeights(3, 80);
  grid.SetCells(1, 3, QStringLiteral("x"));
  grid.AutoSizeCells(true, 0, 0);
  EXPECT_EQ(grid.RowHeights(3), 80);
  EXPECT_EQ(grid.RowHeights(2), 54);
  EXPECT_EQ(grid.ColWidths(2), 10 + 2);
}

TEST(GridAutoSize, RowsByLinesWithProgressAndSizeToCells) {
  struct ExportRecorder : TQrvStringGrid {
    std::vector<std::pair<TGridExportState, int32_t>> Reports;
    void ExportNotification(TGridExportState state, int32_t row) override { Reports.emplace_back(state, row); }
  } grid;
  UseFixedMeasurer(grid);
  grid.SetRowCount(3);
  grid.SetFixedRows(1);
  grid.SetWordWrap(false);
  grid.SetCells(1, 2, QStringLiteral("a\rb\rc"));
  grid.AutoSizeRows(false, 4);
  EXPECT_EQ(grid.RowHeights(2), 4 + 3 * (16 + 2));
  EXPECT_EQ(grid.RowHeights(1), 4 + 1 * (16 + 2)) << "an empty row counts one line";
  const std::vector<std::pair<TGridExportState, int32_t>> expected = {
      {esExportStart, 1}, {esExportNextRow, 1}, {esExportNextRow, 2}, {esExportDone, -1}};
  EXPECT_EQ(grid.Reports, expected);

  grid.SetColCount(2);
  grid.SetColWidths(0, 30);
  grid.SetColWidths(1, 45);
  grid.SizeToCells();
  EXPECT_EQ(grid.Width(), 75);
  EXPECT_EQ(grid.Height(), grid.RowHeights(0) + grid.RowHeights(1) + grid.RowHeights(2));
  EXPECT_EQ(grid.ScrollBars, ssBoth);
}

TEST(GridAutoSize, DefaultMeasurerMeasuresRealText) {
  TQrvStringGrid grid;
  grid.SetCells(1, 1, QStringLiteral("A rather long text"));
  grid.AutoSizeCol(1);
  const int32_t wide = grid.ColWidths(1);
  grid.SetCells(1, 1, QStringLiteral("A"));
  grid.AutoSizeCol(1);
  EXPECT_GT(wide, grid.ColWidths(1));
  EXPECT_GT(grid.ColWidths(1), 8);
}

struct FitCase {
  const char* name;
  std::vector<int32_t> widths;
  int32_t gridWidth;
  int32_t fixedCols;
  bool doFixed;
  std::vector<int32_t> expected;
};

TEST(GridAutoFit, ColumnsFillTheGridWidth) {
  const FitCase cases[] = {
      {"two columns double", {50, 100}, 300, 0, false, {100, 200}},
      {"shrink", {200, 200}, 300, 0, false, {150, 150}},
      {"remainder to the widest", {10, 20, 30}, 100, 0, false, {17, 33, 50}},
      {"fixed column kept", {40, 50, 100}, 340, 1, false, {40, 100, 200}},
      {"fixed column stretched too", {40, 50, 100}, 380, 1, true, {80, 100, 200}},
      // The faults: columns without width, and a grid narrower than its fixed columns.
      {"no width to scale", {0, 0, 0}, 90, 0, false, {30, 30, 30}},
      {"narrower than the fixed columns", {200, 50, 50}, 100, 1, false, {200, 0, 0}},
  };
  for (const FitCase& k : cases) {
    TQrvStringGrid grid;
    grid.SetRowCount(2);
    grid.SetColCount(static_cast<int32_t>(k.widths.size()));
    grid.SetFixedCols(k.fixedCols);
    grid.SetOptions(grid.Options() & ~(goVertLine | goFixedVertLine));
    grid.BorderStyle = bsNone;
    grid.ScrollBars = ssNone;
    grid.SetBounds(0, 0, k.gridWidth, 200);
    for (size_t c = 0; c < k.widths.size(); ++c) grid.SetColWidths(static_cast<int32_t>(c), k.widths[c]);
    grid.AutoFitColumns(k.doFixed);
    std::vector<int32_t> got;
    for (int32_t c = 0; c < grid.ColCount(); ++c) got.push_back(grid.ColWidths(c));
    EXPECT_EQ(got, k.expected) << k.name;
  }
}

TEST(GridAutoFit, BorderScrollBarAndSingleColumn) {
  TQrvStringGrid grid;
  grid.SetRowCount(2);
  grid.SetColCount(2);
  grid.SetFixedCols(0);
  grid.SetOptions(grid.Options() & ~(goVertLine | goFixedVertLine));
  grid.SetBounds(0, 0, 300, 200);
  grid.SetScrollBarAlways(saVert);
  grid.SetColWidths(0, 50);
  grid.SetColWidths(1, 50);
  grid.AutoFitColumns(true);
  EXPECT_EQ(grid.ColWidths(0) + grid.ColWidths(1), 300 - 17 - 4);

  grid.SetColCount(1);
  grid.AutoFitColumns(true);
  EXPECT_EQ(grid.ColWidths(0), 300 - 17 - 5);
  grid.SetBounds(0, 0, 10, 200);
  grid.AutoFitColumns(true);
  EXPECT_EQ(grid.ColWidths(0), 0) << "never a negative width";
}

TEST(GridAutoNumber, ColumnAndRowNumbers) {
  TQrvStringGrid grid;
  grid.SetRowCount(6);
  grid.SetFixedRows(1);
  auto column = [&grid](int32_t c) {
    QStringList texts;
    for (int32_t r = 0; r < grid.RowCount(); ++r) texts << grid.Cells(c, r);
    return texts.join(QLatin1Char(','));
  };
  grid.AutoNumberCol(1);
  EXPECT_EQ(column(1), QStringLiteral(",1,2,3,4,5"));
  grid.AutoNumberDirection = sdDescending;
  grid.AutoNumberCol(2);
  EXPECT_EQ(column(2), QStringLiteral(",5,4,3,2,1"));
  grid.AutoNumberDirection = sdAscending;
  grid.AutoNumberStart = 2;
  grid.AutoNumberOffset = 10;
  grid.SetFixedFooters(1);
  grid.AutoNumberCol(3);
  EXPECT_EQ(column(3), QStringLiteral(",,,13,14,"));

  grid.SetColCount(4);
  grid.SetFixedCols(1);
  grid.AutoNumberStart = 0;
  grid.AutoNumberOffset = 0;
  grid.AutoNumberRow(0);
  EXPECT_EQ(grid.Cells(0, 0) + grid.Cells(1, 0) + grid.Cells(2, 0) + grid.Cells(3, 0), QStringLiteral("123"));
}

TEST(GridSwap, RowsAndColumnsExchangeTextsPropertiesAndSizes) {
  TQrvStringGrid grid;
  grid.SetRowCount(4);
  grid.SetColCount(3);
  for (int32_t r = 0; r < 4; ++r)
    for (int32_t c = 0; c < 3; ++c) grid.SetCells(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
  grid.SetColors(1, 1, 0x123456);
  grid.SetRowHeights(1, 30);
  grid.SetRowHeights(2, 40);
  grid.SwapRows(1, 2);
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(grid.Cells(0, 1), QStringLiteral("0:2"));
  EXPECT_EQ(grid.Cells(0, 2), QStringLiteral("0:1"));
  EXPECT_EQ(grid.Colors(1, 2), TColor(0x123456));
  EXPECT_EQ(grid.RowHeights(1), 40);
  EXPECT_EQ(grid.RowHeights(2), 30);

  grid.SetColWidths(0, 11);
  grid.SetColWidths(2, 33);
  grid.SwapColumns(0, 2);
  EXPECT_EQ(grid.ColCount(), 3);
  EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("2:0"));
  EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("0:3"));
  EXPECT_EQ(grid.ColWidths(0), 33);
  EXPECT_EQ(grid.ColWidths(2), 11);
  grid.SwapColumns(0, 9);
  EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("2:0")) << "a column outside the grid swaps nothing";
}

}  // namespace

namespace {

TEST(GridSwap, ColumnSwapCarriesTheSortColumnAndTheCellControls) {
  TQrvStringGrid grid;
  grid.SetRowCount(4);
  grid.SetColCount(4);
  QObject control1, control3;
  grid.SetCellControls(1, 2, &control1);
  grid.SetCellControls(3, 1, &control3);
  const struct { int32_t sortColumn, expected; } cases[] = {{1, 3}, {3, 1}, {2, 2}, {-1, -1}};
  for (const auto& k : cases) {
    grid.SortSettings.Column = k.sortColumn;
    grid.SwapColumns(1, 3);
    EXPECT_EQ(grid.SortSettings.Column, k.expected) << "sort column " << k.sortColumn;
    grid.SwapColumns(1, 3);
  }
  grid.SwapColumns(1, 3);
  EXPECT_EQ(grid.GetCellControls(3, 2), &control1);
  EXPECT_EQ(grid.GetCellControls(1, 1), &control3);
  EXPECT_EQ(grid.ControlList().GetControl(grid.ControlList().ControlIndex(3, 2))->Control, &control1);
  EXPECT_EQ(grid.ControlList().GetControl(grid.ControlList().ControlIndex(1, 1))->Control, &control3);
  EXPECT_EQ(grid.ControlList().ControlIndex(1, 2), -1);

  grid.SwapRows(1, 2);
  EXPECT_EQ(grid.GetCellControls(3, 1), &control1);
  EXPECT_EQ(grid.ControlList().GetControl(grid.ControlList().ControlIndex(3, 1))->Control, &control1);
  EXPECT_EQ(grid.ControlList().GetControl(grid.ControlList().ControlIndex(1, 2))->Control, &control3);
}

// Rows 1 and 2 of a four-column grid with a hidden column, distinct texts, colours and heights.
void FillSortGrid(TQrvStringGrid& grid) {
  grid.SetColCount(4);
  grid.SetRowCount(5);
  grid.SetFixedRows(1);
  Fill(grid);
  grid.SetColors(2, 1, 0x111111);
  grid.SetRowHeights(1, 30);
  grid.SetRowHeights(2, 40);
  grid.HideColumn(3);
  grid.InitSortXRef();
  grid.SortSettings.Column = 1;
}

TEST(GridSortSwap, WholeRowsOrTheSortColumnAlone) {
  const struct {
    const char* name;
    bool singleColumn;
    QString cell0, cell1, cell3;  // row 1 after the swap, columns 0, 1 and the hidden 3
    int32_t height1;
  } cases[] = {
      {"whole rows", false, QStringLiteral("0:2"), QStringLiteral("1:2"), QStringLiteral("3:2"), 40},
      {"sort column only", true, QStringLiteral("0:1"), QStringLiteral("1:2"), QStringLiteral("3:1"), 30},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    TQrvStringGrid grid;
    FillSortGrid(grid);
    grid.SortSettings.SingleColumn = k.singleColumn;
    grid.SortRow = 2;
    const int32_t swaps = grid.Swaps;
    grid.SortSwapRows(1, 2);
    EXPECT_EQ(grid.Swaps, swaps + 1);
    EXPECT_EQ(grid.SortRowXRef().GetInteger(1), 2);
    EXPECT_EQ(grid.SortRowXRef().GetInteger(2), 1);
    EXPECT_EQ(grid.Cells(0, 1), k.cell0);
    EXPECT_EQ(grid.Cells(1, 1), k.cell1);
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("1:1"));
    EXPECT_EQ(grid.Cells(3, 1), k.cell3);
    EXPECT_EQ(grid.Colors(2, k.singleColumn ? 1 : 2), TColor(0x111111)) << "objects go with their text";
    EXPECT_EQ(grid.RowHeights(1), k.height1);
    EXPECT_EQ(grid.SortRow, k.singleColumn ? 2 : 1);
  }
}

TEST(GridSortSwap, SelectionAndModifiedMarksFollowOnlyWhenAsked) {
  const struct {
    const char* name;
    bool moveRowOnSort, showModified, follow, modifiedFollows;
  } cases[] = {{"both follow", true, true, true, true}, {"neither follows", false, false, false, false}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    TQrvStringGrid grid;
    FillSortGrid(grid);
    grid.MouseActions().SetDisjunctRowSelect(true);
    grid.Navigation().SetMoveRowOnSort(k.moveRowOnSort);
    grid.SetShowModifiedEnabled(k.showModified);
    grid.SetRowSelect(1, true);
    grid.SetRowModified(1, true);
    grid.SortSwapRows(1, 2);
    EXPECT_EQ(grid.GetRowSelect(2), k.follow);
    EXPECT_EQ(grid.GetRowSelect(1), !k.follow);
    ASSERT_EQ(grid.SelectedRows().Count(), 1);
    EXPECT_EQ(grid.SelectedRows().GetInteger(0), k.follow ? 2 : 1) << "the list names the flagged row";
    EXPECT_EQ(grid.GetRowModified(2), k.modifiedFollows);
    EXPECT_EQ(grid.GetRowModified(1), !k.modifiedFollows);
  }
}

TEST(GridSortSwap, StoredTextsStayRawWhenTheDisplayDecoratesThem) {
  TQrvStringGrid grid;
  FillSortGrid(grid);
  grid.URLShowInText = true;
  grid.SetCells(1, 1, QStringLiteral("see www.example.org"));
  for (bool single : {false, true}) {
    grid.SortSettings.SingleColumn = single;
    grid.SortSwapRows(1, 2);
    EXPECT_EQ(grid.GetGridCell(1, 2), QStringLiteral("see www.example.org")) << single;
    grid.SortSwapRows(1, 2);
    EXPECT_EQ(grid.GetGridCell(1, 1), QStringLiteral("see www.example.org")) << single;
  }
}

// A grid of one fixed row and column, ten pixels per character: the widths below are exact. Every width is the
// widest content + 2 x 2 text offset + 2 x 1 grid line + 2 (that is, + 8).
struct TContentCase {
  const char* name;
  std::function<void(TQrvStringGrid&, TMarkupImageList&)> setup;
  int32_t width;
};

// A four-row grid with the fixed measurer and a 16 x 12 image list, set up by the case.
void PrepareContentGrid(TQrvStringGrid& grid, TMarkupImageList& images, const TContentCase& k) {
  UseFixedMeasurer(grid);
  grid.GridImages = &images;
  grid.SetRowCount(4);
  grid.SetGridLineWidth(1);
  k.setup(grid, images);
}

TEST(GridAutoSize, ColumnWidthAddsTheCellObjectsAndTheHeaderButtons) {
  const TContentCase cases[] = {
      {"text alone", [](TQrvStringGrid& g, TMarkupImageList&) { g.SetCells(1, 2, "abcd"); }, 40 + 8},
      {"check box beside its text",
       [](TQrvStringGrid& g, TMarkupImageList&) {
         g.AddCheckBox(1, 2, false, false);
         g.SetCells(1, 2, "ab");
       },
       15 + 20 + 8},
      {"data check box with its check text",
       [](TQrvStringGrid& g, TMarkupImageList&) { g.AddCheckBox(1, 2, true, true); }, 15 + 10 + 8},
      {"radio button", [](TQrvStringGrid& g, TMarkupImageList&) { g.AddRadioButton(1, 2, false); }, 10 + 8},
      {"progress pie and text",
       [](TQrvStringGrid& g, TMarkupImageList&) {
         g.AddProgressPie(1, 2, 0, 50);
         g.SetCells(1, 2, "ab");
       },
       20 + 20 + 8},
      {"image without text", [](TQrvStringGrid& g, TMarkupImageList&) { g.AddImageIdx(1, 2, 0, haLeft, vaTop); },
       16 + 8},
      {"image drawn over its text takes no width",
       [](TQrvStringGrid& g, TMarkupImageList&) {
         g.AddImageIdx(1, 2, 0, haLeft, vaTop);
         g.SetCells(1, 2, "abc");
       },
       30 + 8},
      {"image before its text",
       [](TQrvStringGrid& g, TMarkupImageList&) {
         g.AddImageIdx(1, 2, 0, haBeforeText, vaTop);
         g.SetCells(1, 2, "abc");
       },
       16 + 30 + 8},
      {"two images side by side",
       [](TQrvStringGrid& g, TMarkupImageList&) {
         TIntList* images = g.AddMultiImage(1, 2, 0, haLeft, vaTop);
         images->Add(0);
         images->Add(0);
       },
       32 + 8},
      {"drop-down button always shown",
       [](TQrvStringGrid& g, TMarkupImageList&) {
         g.ControlLook.DropDownAlwaysVisible = true;
         g.OnHasComboBox = [](TQrvStringGrid*, int32_t c, int32_t r, bool& has) { has = c == 1 && r == 2; };
         g.SetCells(1, 2, "ab");
         g.SetCells(1, 3, "ab");
       },
       20 + 16 + 8},
      {"drop-down button hidden until edited",
       [](TQrvStringGrid& g, TMarkupImageList&) {
         g.OnHasComboBox = [](TQrvStringGrid*, int32_t, int32_t, bool& has) { has = true; };
         g.SetCells(1, 2, "ab");
       },
       20 + 8},
      {"filter glyph on the filter row",
       [](TQrvStringGrid& g, TMarkupImageList&) {
         g.FilterDropDownAuto = true;
         g.SetCells(1, 0, "ab");
       },
       20 + 12 + 8},
      {"no filter glyph off the filter row",
       [](TQrvStringGrid& g, TMarkupImageList&) {
         g.FilterDropDownAuto = true;
         g.FilterDropDownRow = 1;
         g.SetCells(1, 0, "ab");
       },
       20 + 8},
      {"sort indicator of the sort column",
       [](TQrvStringGrid& g, TMarkupImageList&) {
         g.SortSettings.Show = true;
         g.SortSettings.Column = 1;
         g.SetCells(1, 0, "ab");
       },
       20 + 10 + 8},
      {"no sort indicator in another column",
       [](TQrvStringGrid& g, TMarkupImageList&) {
         g.SortSettings.Show = true;
         g.SortSettings.Column = 2;
         g.SetCells(1, 0, "ab");
       },
       20 + 8},
      {"a full-width control sets the width alone",
       [](TQrvStringGrid& g, TMarkupImageList&) {
         g.SetColWidths(1, 80);
         g.AddButton(1, 2, 30, 18, "", haFull, vaTop);
         g.SetCells(1, 2, "a rather long text");
       },
       80 - 2 - 2 - 2 + 8},
  };
  for (const TContentCase& k : cases) {
    SCOPED_TRACE(k.name);
    TQrvStringGrid grid;
    TMarkupImageList images(16, 12);
    PrepareContentGrid(grid, images, k);
    grid.AutoSizeCol(1);
    EXPECT_EQ(grid.ColWidths(1), k.width);
  }
}

TEST(GridAutoSize, ACheckBoxColumnOfTheColumnGridMakesRoomForItsBoxes) {
  TQrvColumnGrid grid;
  UseFixedMeasurer(grid);
  grid.SetGridLineWidth(1);
  grid.Columns().Items(2)->SetEditor(edDataCheckBox);
  grid.SetCells(2, 1, "Y");
  grid.SetCells(2, 2, "N");
  grid.AutoSizeCol(2);
  EXPECT_EQ(grid.ColWidths(2), 15 + 10 + 8);
  grid.SetCells(2, 0, "On");  // the header is no check box: its text alone
  grid.AutoSizeCol(2);
  EXPECT_EQ(grid.ColWidths(2), 15 + 10 + 8);
  grid.SetCells(2, 0, "Active");
  grid.AutoSizeCol(2);
  EXPECT_EQ(grid.ColWidths(2), 60 + 8);
}

// Every height is the tallest content + 2 x 2 text offset + 2 x 1 grid line (that is, + 6); the default row
// height is 22.
TEST(GridAutoSize, RowHeightAddsTheCellObjectsAndCheckBoxesTakeTheDefaultHeight) {
  const TContentCase cases[] = {
      {"three lines of text", [](TQrvStringGrid& g, TMarkupImageList&) { g.SetCells(1, 2, "a\rb\rc"); }, 48 + 6},
      {"a check box whatever its text",
       [](TQrvStringGrid& g, TMarkupImageList&) {
         g.AddCheckBox(1, 2, false, false);
         g.SetCells(1, 2, "a\rb\rc");
       },
       22 + 6},
      {"a radio button whatever its text",
       [](TQrvStringGrid& g, TMarkupImageList&) {
         g.AddRadioButton(1, 2, false);
         g.SetCells(1, 2, "a\rb\rc\rd");
       },
       22 + 6},
      {"an image under its text",
       [](TQrvStringGrid& g, TMarkupImageList&) {
         g.AddImageIdx(1, 2, 0, haLeft, vaUnderText);
         g.SetCells(1, 2, "ab");
       },
       16 + 12 + 6},
      {"a full-height object beside text counts the text",
       [](TQrvStringGrid& g, TMarkupImageList&) {
         g.AddButton(1, 2, 20, 60, "", haLeft, vaFull);
         g.SetCells(1, 2, "ab");
       },
       16 + 6},
      {"a full-height object alone: an empty text still measures a line",
       [](TQrvStringGrid& g, TMarkupImageList&) { g.AddButton(1, 2, 20, 60, "", haLeft, vaFull); }, 16 + 6},
      {"an ignored column is not measured",
       [](TQrvStringGrid& g, TMarkupImageList&) {
         g.SetCells(2, 2, "a\rb\rc\rd\re");
         g.SetCells(1, 2, "a");
         g.IgnoreColumns().Add(2);
       },
       16 + 6},
  };
  for (const TContentCase& k : cases) {
    SCOPED_TRACE(k.name);
    TQrvStringGrid grid;
    TMarkupImageList images(16, 12);
    // Unwrapped text counts its lines; wrapped text is measured at the cell's width.
    grid.SetWordWrap(false);
    grid.Multilinecells = true;
    PrepareContentGrid(grid, images, k);
    grid.AutoSizeRow(2);
    EXPECT_EQ(grid.RowHeights(2), k.width);
  }
}

TEST(GridAutoSize, AutoSizeCellsCountsTheCellObjects) {
  TQrvStringGrid grid;
  UseFixedMeasurer(grid);
  TMarkupImageList images(16, 12);
  grid.GridImages = &images;
  grid.SetRowCount(3);
  grid.SetDefaultRowHeight(10);
  grid.AddImageIdx(1, 1, 0, haLeft, vaTop);
  grid.AutoSizeCells(false, 0, 0);
  EXPECT_EQ(grid.ColWidths(1), 16 + 0 + 2);
  EXPECT_EQ(grid.RowHeights(1), 12 + 16 + 2);
}

TEST(GridStretch, TheStretchColumnTakesTheRoomTheOthersLeave) {
  TQrvStringGrid grid;
  grid.SetColCount(3);
  grid.SetBounds(0, 0, 400, 200);
  grid.SetColWidths(0, 50);
  grid.SetColWidths(1, 60);
  grid.SetColWidths(2, 30);
  grid.StretchColumnWidth(-1);
  EXPECT_EQ(grid.ColWidths(2), 30) << "nothing while stretching is off";

  grid.ColumnSize().SetStretch(true);  // stretches at once, the last column by default
  EXPECT_EQ(grid.ColWidths(2), 400 - 110 - 1);
  grid.SetBounds(0, 0, 300, 200);
  EXPECT_EQ(grid.ColWidths(2), 300 - 110 - 1) << "the grid's width changed";
  grid.ColumnSize().SetStretchColumn(1);
  grid.StretchColumnWidth(1);
  EXPECT_EQ(grid.ColWidths(1), 300 - 50 - 189 - 1);
  grid.SetColWidths(0, 70);
  EXPECT_EQ(grid.ColWidths(1), 300 - 70 - 189 - 1) << "another column's width changed";

  // Other columns wider than the grid: the stretch column falls back to the default width, never below zero.
  grid.SetColWidths(0, 500);
  EXPECT_EQ(grid.ColWidths(1), grid.DefaultColWidth());
  EXPECT_THROW(grid.StretchColumnWidth(3), EQrvGridError);
}

TEST(GridStretch, ASingleColumnTakesTheWholeWidthAndNeverGoesNegative) {
  TQrvStringGrid grid;
  grid.SetFixedCols(0);
  grid.SetColCount(1);
  grid.ColumnSize().SetStretch(true);
  grid.SetBounds(0, 0, 250, 100);
  EXPECT_EQ(grid.ColWidths(0), 250);
  grid.SetBounds(0, 0, 0, 100);
  EXPECT_EQ(grid.ColWidths(0), 0);
  EXPECT_THROW(grid.StretchColumnWidth(1), EQrvGridError);
  // A stretch column the grid lost is left alone when the width changes, not refused mid-change.
  grid.ColumnSize().SetStretchColumn(4);
  EXPECT_NO_THROW(grid.SetBounds(0, 0, 300, 100));
  EXPECT_EQ(grid.ColWidths(0), 0);
}

TEST(GridStretch, SynchWithGridScalesTheRecordedWidthsToEveryNewWidth) {
  struct Case {
    const char* name;
    bool normalOnly;
    std::vector<int32_t> at200, at600;
  };
  const Case cases[] = {
      {"every column", false, {20, 40, 60, 30, 50}, {60, 120, 180, 90, 150}},
      {"normal columns only", true, {40, 40, 60, 30, 50}, {40, 120, 180, 90, 150}},
  };
  for (const Case& c : cases) {
    TRecordingEditors editors;
    TRecordingHost host;
    host.Focus = true;
    TQrvStringGrid grid;
    grid.SetHost(&host);
    grid.SetColCount(5);
    grid.SetBounds(0, 0, 400, 200);
    const int32_t widths[] = {40, 80, 120, 60, 100};
    for (int32_t col = 0; col < 5; ++col) grid.SetColWidths(col, widths[col]);
    grid.SetEditors(&editors);
    grid.SetOptions(grid.Options() | goEditing);
    grid.SetCol(2);
    grid.SetRow(2);
    grid.ShowInplaceEdit();
    ASSERT_TRUE(grid.EditMode()) << c.name;
    grid.ColumnSize().SetSynchWithGrid(true);
    grid.ColumnSize().SetSynchNormalCellsOnly(c.normalOnly);
    grid.SetBounds(0, 0, 200, 200);
    EXPECT_FALSE(grid.EditMode()) << c.name << ": the editor goes with the old widths";
    for (int32_t col = 0; col < 5; ++col) EXPECT_EQ(grid.ColWidths(col), c.at200[col]) << c.name << " " << col;
    // From the recorded widths, not from the halved ones.
    grid.SetBounds(0, 0, 600, 200);
    for (int32_t col = 0; col < 5; ++col) EXPECT_EQ(grid.ColWidths(col), c.at600[col]) << c.name << " " << col;
    grid.SetEditors(nullptr);
    grid.SetHost(nullptr);
  }
}

TEST(GridStretch, ABarKeptForTheColumnsLeavesThemOnResize) {
  const std::pair<TScrollBarAlways, bool> cases[] = {
      {saNone, true}, {saVert, true}, {saHorz, false}, {saBoth, false}};
  for (const auto& [always, stretches] : cases) {
    TQrvStringGrid grid;
    grid.SetColCount(3);
    grid.SetBounds(0, 0, 400, 200);
    grid.SetColWidths(0, 50);
    grid.SetColWidths(1, 60);
    grid.ColumnSize().SetStretch(true);
    ASSERT_EQ(grid.ColWidths(2), 400 - 110 - 1);
    grid.SetScrollBarAlways(always);
    grid.SetBounds(0, 0, 300, 200);
    EXPECT_EQ(grid.ColWidths(2), stretches ? 300 - 110 - 1 : 400 - 110 - 1) << int(always);
  }
}

}  // namespace

TEST(GridAutoSize, ContentIsMeasuredAsTheCellShowsIt) {
  struct TCase {
    const char* Name;
    std::function<void(TQrvStringGrid&)> Fill;
    int32_t Width, Height;  // the text's size as shown (10 pixels a character, 16 a line)
  } cases[] = {
      {"only the first line without multi-line cells", [](auto& g) { g.SetCells(1, 1, "a\rbb\rccc"); }, 10, 16},
      {"every line with multi-line cells",
       [](auto& g) {
         g.Multilinecells = true;
         g.SetCells(1, 1, "a\rbb\rccc");
       },
       30, 48},
      {"a cell turned a quarter lies on its side", [](auto& g) { g.AddRotated(1, 1, 90, "abcdef"); }, 16 + 12,
       60 + 12},
      {"a link shown without its scheme",
       [](auto& g) {
         g.URLShow = true;
         g.SetCells(1, 1, "http://abc");
       },
       30, 16},
      {"a link shown whole",
       [](auto& g) {
         g.URLShow = true;
         g.URLFull = true;
         g.SetCells(1, 1, "http://abc");
       },
       100, 16},
  };
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.Name);
    TQrvStringGrid grid;
    UseFixedMeasurer(grid);
    grid.SetGridLineWidth(1);
    grid.SetWordWrap(false);
    k.Fill(grid);
    grid.AutoSizeCol(1);
    EXPECT_EQ(grid.ColWidths(1), k.Width + 4 + 2 + 2);
    grid.AutoSizeRow(1);
    EXPECT_EQ(grid.RowHeights(1), k.Height + 4 + 2);
    grid.SetColWidths(1, 1);
    grid.SetRowHeights(1, 1);
    grid.AutoSizeCells(false, 0, 0);
    EXPECT_EQ(grid.ColWidths(1), k.Width + 2);
    EXPECT_EQ(grid.RowHeights(1), k.Height + 2);
  }
}

TEST(GridAutoSize, AMarkupHeaderIsMeasuredWithoutItsTags) {
  TQrvStringGrid grid;
  grid.SetCells(1, 0, QStringLiteral("<u>Header</u>"));
  grid.SetCells(2, 0, QStringLiteral("Header"));
  grid.SetCells(3, 0, QStringLiteral("<u>Header</u>"));
  grid.AutoSizeColumns(true, 0);
  const int32_t markup = grid.ColWidths(1), plain = grid.ColWidths(2);
  grid.EnableHTML = false;
  grid.AutoSizeCol(3);
  EXPECT_NEAR(markup, plain, 3) << "the tags take no room";
  EXPECT_GT(grid.ColWidths(3), plain + 20) << "as plain text the tags are shown and measured";
}
