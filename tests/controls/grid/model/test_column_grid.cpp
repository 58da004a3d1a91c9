// The column grid: definitions that follow the columns, cell questions answered from them, the column stream and
// the saved column order.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "GridTestHost.h"
#include "GridTestMenu.h"
#include "UFormat.h"
#include "UQrvColumnGrid.h"

namespace {

// A grid of four columns (one fixed) and five rows (one fixed) with named, typed definitions.
struct ColumnGridFixture : ::testing::Test {
  TQrvColumnGrid grid;
  void SetUp() override {
    grid.SetColCount(4);
    grid.SetRowCount(5);
    grid.SetFixedCols(1);
    grid.SetFixedRows(1);
  }
  TGridColumnItem& Col(int32_t i) { return *grid.Columns().Items(i); }
};

TEST(ColumnGrid, NewGridHasOneDefinitionPerColumnAndFollowsTheCount) {
  TQrvColumnGrid grid;
  EXPECT_EQ(grid.Columns().Count(), grid.ColCount());
  grid.SetColCount(7);
  EXPECT_EQ(grid.Columns().Count(), 7);
  grid.HideColumn(2);
  EXPECT_EQ(grid.Columns().Count(), 7) << "a hidden column keeps its definition";
  grid.SetColCount(3);
  EXPECT_EQ(grid.Columns().Count(), 3 + grid.NumHiddenColumns());
  const TQrvStringGrid& asPlainGrid = grid;
  EXPECT_EQ(asPlainGrid.GetVersionString(), QStringLiteral("3.1.3.1 Aug, 2012"));
  EXPECT_EQ(grid.Version(), QStringLiteral("3.1.3.1"));
}

TEST_F(ColumnGridFixture, ColumnsWriteCopiesTheDefinitionsAndTheCountFollows) {
  TQrvColumnGrid source;
  source.SetColCount(6);
  for (int32_t i = 0; i < 6; ++i) source.Columns().Items(i)->SetName(QStringLiteral("s%1").arg(i));
  grid.SetColumns(source.Columns());
  ASSERT_EQ(grid.Columns().Count(), 6);
  EXPECT_EQ(grid.ColCount(), 6);
  EXPECT_EQ(Col(5).Name(), QStringLiteral("s5"));
  EXPECT_NE(&Col(5), source.Columns().Items(5)) << "a copy, not the source's definitions";
}

TEST_F(ColumnGridFixture, InsertAndRemoveColumnsCarryTheirDefinitions) {
  for (int32_t i = 0; i < 4; ++i) Col(i).SetName(QStringLiteral("c%1").arg(i));
  grid.InsertCols(2, 2);
  ASSERT_EQ(grid.Columns().Count(), 6);
  EXPECT_EQ(Col(1).Name(), QStringLiteral("c1"));
  EXPECT_EQ(Col(2).Name(), QString()) << "inserted definitions start new, nothing copied";
  EXPECT_EQ(Col(4).Name(), QStringLiteral("c2"));
  grid.RemoveCols(1, 3);
  ASSERT_EQ(grid.Columns().Count(), 3);
  EXPECT_EQ(grid.ColCount(), 3);
  EXPECT_EQ(Col(1).Name(), QStringLiteral("c2"));
  EXPECT_EQ(Col(2).Name(), QStringLiteral("c3"));
}

TEST_F(ColumnGridFixture, MovingAColumnMovesItsDefinitionAndReportsRealIndexes) {
  Col(1).SetName(QStringLiteral("Speed"));
  Col(1).SetEditor(edComboList);
  Col(1).SetComboItems({QStringLiteral("a"), QStringLiteral("b")});
  Col(1).SetHeader(QStringLiteral("Speed"));
  grid.SetCells(1, 2, QStringLiteral("x"));
  std::pair<int32_t, int32_t> reported{-1, -1};
  grid.OnAfterColumnMoved = [&](TQrvColumnGrid*, int32_t from, int32_t to) { reported = {from, to}; };
  grid.MoveColumn(1, 3);
  EXPECT_EQ(reported, std::make_pair(1, 3));
  ASSERT_EQ(grid.Columns().Count(), 4);
  EXPECT_EQ(Col(3).Name(), QStringLiteral("Speed"));
  EXPECT_EQ(Col(3).Editor(), edComboList);
  EXPECT_EQ(Col(3).ComboItems().size(), 2);
  EXPECT_EQ(grid.Cells(3, 0), QStringLiteral("Speed"));
  EXPECT_EQ(grid.Cells(3, 2), QStringLiteral("x"));
  EXPECT_TRUE(grid.HasComboBox(3, 2));
  EXPECT_FALSE(grid.HasComboBox(1, 2));
}

TEST_F(ColumnGridFixture, HeaderListAndDefinitionHeadersFollowEachOther) {
  const QStringList three{QStringLiteral("No"), QStringLiteral("Speed"), QStringLiteral("Mode")};
  grid.SetColCount(3);
  grid.SetColumnHeaders(three);
  for (int32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(Col(i).Header(), three[i]) << i;
    EXPECT_EQ(grid.Cells(i, 0), three[i]) << i;
  }

  // A shorter list names only its own columns; the header row is written anew from the list.
  grid.SetColumnHeaders({QStringLiteral("Nr")});
  EXPECT_EQ(Col(0).Header(), QStringLiteral("Nr"));
  EXPECT_EQ(Col(1).Header(), QStringLiteral("Speed"));
  EXPECT_EQ(grid.Cells(1, 0), QString());

  // A definition's header rebuilds the grid's list from all definitions.
  Col(2).SetHeader(QStringLiteral("Unit"));
  EXPECT_EQ(grid.ColumnHeaders(),
            QStringList({QStringLiteral("Nr"), QStringLiteral("Speed"), QStringLiteral("Unit")}));
  EXPECT_EQ(grid.Cells(2, 0), QStringLiteral("Unit"));
}

TEST_F(ColumnGridFixture, EditabilityComesFromTheDefinitionsNotTheEditingOption) {
  ASSERT_FALSE(grid.Options() & goEditing);
  Col(2).SetReadOnly(true);
  Col(3).SetFixed(true);
  struct Case {
    int32_t c, r;
    bool editable;
  } cases[] = {{1, 1, true}, {2, 1, false}, {3, 1, false}, {0, 1, false}, {1, 0, false}};
  for (const Case& k : cases) {
    bool can = true;
    grid.CanEditCell(k.c, k.r, can);
    EXPECT_EQ(can, k.editable) << k.c << "," << k.r;
  }
  grid.SetReadOnly(1, 2, true);
  bool can = true;
  grid.CanEditCell(1, 2, can);
  EXPECT_FALSE(can) << "a cell's own read-only refuses";

  // The event receives the base cell of a merged block, row first.
  grid.MergeCells(1, 3, 2, 2);
  std::pair<int32_t, int32_t> asked{-1, -1};
  grid.OnCanEditCell = [&](TQrvStringGrid*, int32_t row, int32_t col, bool&) { asked = {row, col}; };
  grid.CanEditCell(2, 4, can);
  EXPECT_EQ(asked, std::make_pair(3, 1));
}

TEST_F(ColumnGridFixture, CheckTextsComeFromTheColumnEvenAgainstTheEvent) {
  Col(1).SetEditor(edDataCheckBox);
  Col(1).SetCheckTrue(QStringLiteral("Yes"));
  grid.OnGetCheckTrue = [](TQrvStringGrid*, int32_t, int32_t, QString& v) { v = QStringLiteral("other"); };
  QString value;
  grid.GetCheckTrue(1, 2, value);
  EXPECT_EQ(value, QStringLiteral("Yes"));
  grid.GetCheckTrue(1, 0, value);
  EXPECT_EQ(value, QStringLiteral("other")) << "the header row keeps the grid's answer";
  grid.GetCheckFalse(1, 2, value);
  EXPECT_EQ(value, QStringLiteral("N"));
  EXPECT_TRUE(grid.IsDataCheckBoxCell(1, 2));
  EXPECT_FALSE(grid.IsDataCheckBoxCell(1, 0));
  EXPECT_FALSE(grid.IsDataCheckBoxCell(2, 2));
}

TEST_F(ColumnGridFixture, ComboBoxOnlyForComboEditorsUnlessTheEventSaysOtherwise) {
  const TEditorType kinds[] = {edNormal, edComboEdit, edComboList, edSpinEdit, edDataCheckBox};
  for (TEditorType kind : kinds) {
    Col(1).SetEditor(kind);
    EXPECT_EQ(grid.HasComboBox(1, 2), kind == edComboEdit || kind == edComboList) << kind;
  }
  Col(1).SetEditor(edComboList);
  grid.OnHasComboBox = [](TQrvStringGrid*, int32_t, int32_t, bool& has) { has = !has; };
  EXPECT_FALSE(grid.HasComboBox(1, 2));
  EXPECT_TRUE(grid.HasComboBox(2, 2));
}

TEST_F(ColumnGridFixture, EditorAlignmentPasswordAndFixedFromTheColumn) {
  Col(2).SetEditor(edSpinEdit);
  Col(2).SetSpinMin(3);
  Col(2).SetSpinMax(9);
  Col(2).SetAlignment(taRightJustify);
  Col(2).SetHeaderAlignment(taCenter);
  Col(2).SetPassword(true);
  TEditorType editor = edNormal;
  grid.GetCellEditor(2, 2, editor);
  EXPECT_EQ(editor, edSpinEdit);
  EXPECT_EQ(grid.EditorSpinMin, 3);
  EXPECT_EQ(grid.EditorSpinMax, 9);
  TAlignment h = taLeftJustify;
  TVAlignment v{};
  grid.GetAlignment(2, 2, h, v);
  EXPECT_EQ(h, taRightJustify);
  grid.GetAlignment(2, 0, h, v);
  EXPECT_EQ(h, taCenter);
  bool password = false;
  grid.IsPasswordCell(2, 2, password);
  EXPECT_TRUE(password);
  Col(3).SetFixed(true);
  EXPECT_TRUE(grid.IsFixed(3, 2));
  EXPECT_FALSE(grid.IsFixed(2, 2));
}

TEST_F(ColumnGridFixture, LooksOfTheColumnWithTheCellsOwnColoursOnTop) {
  TFont body = Col(1).Font();
  body.Name = QStringLiteral("Body");
  Col(1).SetFont(body);
  TFont header = Col(1).HeaderFont();
  header.Name = QStringLiteral("Header");
  Col(1).SetHeaderFont(header);
  Col(1).SetColor(0x00AA00);
  Col(2).SetFixed(true);
  Col(1).SetBorders(cbTop | cbBottom);
  auto colour = [this](int32_t c, int32_t r, TFont& font) {
    TBrush brush;
    brush.Color = 0x111111;
    grid.GetCellColor(c, r, TGridDrawState(), brush, font);
    return brush.Color;
  };
  TFont font;
  EXPECT_EQ(colour(1, 2, font), TColor(0x00AA00));
  EXPECT_EQ(font.Name, QStringLiteral("Body"));
  EXPECT_EQ(colour(1, 0, font), TColor(0x111111)) << "the header row keeps its brush";
  EXPECT_EQ(font.Name, QStringLiteral("Header"));
  EXPECT_EQ(colour(2, 2, font), grid.FixedColor);
  grid.SetColors(1, 3, 0x0000FF);
  EXPECT_EQ(colour(1, 3, font), TColor(0x0000FF)) << "the cell's own colour wins";

  TPen pen;
  TCellBorders borders;
  grid.GetCellBorder(1, 2, pen, borders);
  EXPECT_EQ(borders, cbTop | cbBottom);
  EXPECT_EQ(pen, Col(1).BorderPen());
  borders = {};
  grid.GetCellBorder(1, 0, pen, borders);
  EXPECT_EQ(borders, TCellBorders()) << "header cells keep theirs";

  TBrush brush;
  TColor to = 0, mirror = 0, mirrorTo = 0;
  TAlignment h = taLeftJustify;
  TVAlignment v{};
  bool wrap = false;
  TCellGradientDirection dir{};
  Col(1).SetAlignment(taCenter);
  grid.GetDefaultCellProps(1, 2, font, brush, to, mirror, mirrorTo, h, v, wrap, dir);
  EXPECT_EQ(font.Name, QStringLiteral("Body"));
  EXPECT_EQ(brush.Color, TColor(0x00AA00));
  EXPECT_EQ(h, taCenter);
  EXPECT_EQ(to, clNone);
  grid.GetDefaultCellProps(1, 0, font, brush, to, mirror, mirrorTo, h, v, wrap, dir);
  EXPECT_EQ(brush.Color, clNone) << "fixed cells take no column colour";
}

TEST_F(ColumnGridFixture, RowBandsReplaceTheColumnColourOnlyWhenTheColumnShowsThemAndTheyAreActive) {
  Col(1).SetColor(0x00AA00);
  grid.VAlignment = vtaBottom;
  const struct {
    bool showBands, active;
    TColor cellColour, defaultColour;
  } cases[] = {{false, false, 0x00AA00, 0x00AA00},
               {true, false, 0x00AA00, 0x00AA00},
               {false, true, 0x00AA00, 0x00AA00},
               {true, true, 0x111111, clNone}};
  for (const auto& k : cases) {
    SCOPED_TRACE(testing::Message() << "bands shown " << k.showBands << ", active " << k.active);
    Col(1).SetShowBands(k.showBands);
    grid.Bands().SetActive(k.active);
    TBrush brush;
    brush.Color = 0x111111;  // what the grid's own colouring gave, bands included
    TFont font;
    grid.GetCellColor(1, 2, TGridDrawState(), brush, font);
    EXPECT_EQ(brush.Color, k.cellColour);

    TBrush props;
    TColor to = 0x123456, mirror = 0, mirrorTo = 0;
    TAlignment h = taLeftJustify;
    TVAlignment v = vtaTop;
    bool wrap = false;
    TCellGradientDirection dir{};
    grid.GetDefaultCellProps(1, 2, font, props, to, mirror, mirrorTo, h, v, wrap, dir);
    EXPECT_EQ(props.Color, k.defaultColour);
    EXPECT_EQ(to, clNone);
    EXPECT_EQ(v, vtaBottom) << "the grid's vertical alignment";
  }
}

TEST_F(ColumnGridFixture, PrintingTakesTheColumnsPrintColourAndFontUnderTheCellsOwn) {
  Col(1).SetPrintColor(0x00CCFF);
  Col(2).SetPrintColor(0x00CCFF);
  Col(2).SetFixed(true);
  TFont printFont;
  printFont.Name = QStringLiteral("Courier New");
  printFont.SetSize(14);
  Col(1).SetPrintFont(printFont);
  grid.FixedColor = 0x808080;
  const TColor given = 0x111111;  // what the grid's own colouring gave
  const struct {
    const char* name;
    int32_t c, r;
    bool bands;
    TColor brush;
  } cases[] = {{"normal cell", 1, 2, false, 0x00CCFF},
               {"fixed column of the table", 2, 2, false, 0x808080},
               {"header row", 1, 0, false, given},
               {"fixed column of the grid", 0, 2, false, given},
               {"printed row bands", 1, 2, true, given}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    Col(1).SetShowBands(k.bands);
    grid.Bands().SetActive(k.bands);
    grid.Bands().SetPrint(k.bands);
    TBrush brush;
    brush.Color = given;
    TFont font;
    grid.GetCellPrintColor(k.c, k.r, TGridDrawState(), brush, font);
    EXPECT_EQ(brush.Color, k.brush);
    EXPECT_EQ(font.Name, k.c == 1 && k.r > 0 ? QStringLiteral("Courier New") : TFont().Name);
  }
  // The cell's own colours and font parts are laid over the column's.
  TCellProperties* cell = grid.GetCellProperties(1, 3);
  cell->SetBrushColor(0x0000FF);
  cell->SetFontColor(0x00FF00);
  cell->SetFontName(QStringLiteral("Arial"));
  cell->SetFontSize(9);
  TBrush brush;
  TFont font;
  grid.GetCellPrintColor(1, 3, TGridDrawState(), brush, font);
  EXPECT_EQ(brush.Color, 0x0000FF);
  EXPECT_EQ(font.Color, 0x00FF00);
  EXPECT_EQ(font.Name, QStringLiteral("Arial"));
  EXPECT_EQ(font.Size(), 9);
  // Without a custom print font the caller's font stays.
  Col(1).SetPrintFontCustom(false);
  TFont plain;
  grid.GetCellPrintColor(1, 2, TGridDrawState(), brush, plain);
  EXPECT_EQ(plain, TFont());
}

TEST_F(ColumnGridFixture, VirtualCheckBoxIsTransparentExactlyInTheFlatControlStyle) {
  Col(2).SetEditor(edDataCheckBox);
  const std::pair<TControlStyle, bool> cases[] = {
      {csFlat, true}, {csTheme, false}, {csClassic, false}, {csFlat, true}};
  for (const auto& [style, transparent] : cases) {
    grid.ControlLook.ControlStyle = style;
    const TCellGraphic* box = grid.GetCellGraphic(2, 2);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->CellType(), ctVirtCheckBox);
    EXPECT_EQ(box->CellTransparent(), transparent) << style;
  }
}

// The cell type is the cell's own kind: the shared box a check-box column paints with is no object of the cell.
TEST_F(ColumnGridFixture, CellTypeOfACheckBoxColumnIsADataCheckBoxInItsNormalCellsOnly) {
  Col(2).SetEditor(edDataCheckBox);
  grid.SetFixedRightCols(1);
  grid.SetFixedFooters(1);
  grid.AddProgress(2, 3, clRed, clWhite);
  grid.AddMarker(1, 1, 0, 1);
  grid.AddMarker(2, 1, 0, 1);
  struct TCase {
    const char* Name;
    int32_t C, R;
    TCellType Expected;
  };
  const TCase cases[] = {
      {"normal cell", 2, 2, ctDataCheckBox},
      {"marked normal cell", 2, 1, ctDataCheckBox},
      {"fixed row", 2, 0, ctEmpty},
      {"footer row", 2, 4, ctEmpty},
      {"a cell's own graphic", 2, 3, ctProgress},
      {"a column of another kind", 1, 2, ctEmpty},
      {"another kind, marked", 1, 1, ctEmpty},
      {"a fixed right column", 3, 2, ctEmpty},
  };
  for (const TCase& k : cases) EXPECT_EQ(grid.GetCellType(k.C, k.R), k.Expected) << k.Name;
  // The plain grid's own answer for the same cell: nothing stored there.
  EXPECT_EQ(grid.TQrvStringGrid::GetCellType(2, 2), ctEmpty);
  Col(3).SetEditor(edDataCheckBox);
  EXPECT_EQ(grid.GetCellType(3, 2), ctEmpty) << "a fixed right column is no normal cell";
}

TEST_F(ColumnGridFixture, FloatFormatOfTheColumnShowsNumbersOnly) {
  Col(1).SetFloatFormat(QStringLiteral("%.2f"));
  const std::pair<const char*, const char*> cases[] = {{"3.14159", "3.14"}, {"abc", "abc"}, {"7", "7.00"}};
  for (const auto& [text, shown] : cases) {
    grid.SetCells(1, 2, QString::fromLatin1(text));
    EXPECT_EQ(grid.GetFormattedCell(1, 2), QString::fromLatin1(shown)) << text;
  }
  grid.SetCells(2, 2, QStringLiteral("3.14159"));
  EXPECT_EQ(grid.GetFormattedCell(2, 2), QStringLiteral("3.14159")) << "no column format: the text as it is";
  EXPECT_EQ(grid.GetFloatFormat(1), QStringLiteral("%.2f"));
  EXPECT_EQ(grid.GetFloatFormat(2), grid.FloatFormat);
}

TEST_F(ColumnGridFixture, SortFormatComesFromTheColumnThroughTheStringGridAndTheEventHasTheLastWord) {
  Col(2).SetSortStyle(ssNumeric);
  Col(2).SetSortPrefix(QStringLiteral("$"));
  Col(2).SetSortSuffix(QStringLiteral(" rpm"));
  // The sort asks through the string grid.
  TQrvStringGrid& asked = grid;
  auto format = [&asked](int32_t c) {
    TSortStyle style = ssAutomatic;
    QString prefix, suffix;
    asked.GetColumnFormat(c, style, prefix, suffix);
    return std::make_tuple(style, prefix, suffix);
  };
  EXPECT_EQ(format(2), std::make_tuple(ssNumeric, QStringLiteral("$"), QStringLiteral(" rpm")));
  EXPECT_EQ(format(1), std::make_tuple(ssAutomatic, QString(), QString()));
  EXPECT_EQ(format(9), std::make_tuple(ssAutomatic, QString(), QString())) << "a column without a definition";
  grid.OnGetFormat = [](TQrvStringGrid*, int32_t c, TSortStyle& style, QString&, QString& suffix) {
    if (c == 2) style = ssFinancial, suffix.clear();
  };
  EXPECT_EQ(format(2), std::make_tuple(ssFinancial, QStringLiteral("$"), QString()));
}

TEST_F(ColumnGridFixture, SizeLimitsAndLookUpByName) {
  Col(1).SetMinSize(30);
  Col(1).SetMaxSize(80);
  Col(2).SetAutoMaxSize(60);
  const std::tuple<int32_t, int32_t, int32_t> cases[] = {{1, 10, 30}, {1, 50, 50}, {1, 100, 80}, {3, 10, 10}};
  for (const auto& [c, in, out] : cases) {
    int32_t size = in;
    grid.UpdateColumnSize(c, size);
    EXPECT_EQ(size, out) << c << " " << in;
  }
  int32_t size = 200;
  grid.UpdateAutoColumnSize(2, size);
  EXPECT_EQ(size, 60);
  size = 200;
  grid.UpdateAutoColumnSize(7, size);
  EXPECT_EQ(size, 200) << "a column without a definition is not limited";

  Col(2).SetName(QStringLiteral("Speed"));
  EXPECT_EQ(grid.GetColumnByName(QStringLiteral("Speed")), &Col(2));
  EXPECT_EQ(grid.GetColumnByName(QStringLiteral("speed")), nullptr);
}

TEST_F(ColumnGridFixture, EditLimitsWidthsScaleAndForgottenReferences) {
  Col(2).SetEditLength(12);
  Col(2).SetEditMask(QStringLiteral("999"));
  grid.SetCol(2);
  EXPECT_EQ(grid.EditLimit(), 12);
  EXPECT_EQ(grid.EditMaskOf(2), QStringLiteral("999"));
  EXPECT_EQ(grid.EditMaskOf(0), QString()) << "fixed columns take no mask";
  Col(2).SetFixed(true);
  EXPECT_EQ(grid.EditLimit(), 0);

  grid.SetColWidths(3, 77);
  grid.ColWidthsChanged();
  EXPECT_EQ(Col(3).Width(), 77);

  TFont font = Col(1).Font();
  font.SetSize(10);
  Col(1).SetFont(font);
  grid.ChangeScale(3, 2);
  EXPECT_EQ(Col(1).Font().Size(), 15);

  auto* link = reinterpret_cast<TEditLink*>(&font);
  TPopupMenu popup;
  TPopupMenu* const menu = &popup;
  Col(1).SetEditLink(link);
  Col(3).SetEditLink(link);
  Col(2).SetColumnPopup(menu);
  grid.Notification(link);
  grid.Notification(menu);
  EXPECT_EQ(Col(1).EditLink(), nullptr);
  EXPECT_EQ(Col(3).EditLink(), nullptr);
  EXPECT_EQ(Col(2).ColumnPopup(), nullptr);
}

TEST_F(ColumnGridFixture, ColumnPopupAnswersOnlyItsClickKindAndRows) {
  TPopupMenu popup;
  TPopupMenu* const menu = &popup;
  Col(1).SetColumnPopup(menu);
  struct Case {
    TColumnPopupType kind;
    int32_t row;
    bool left;
    bool shown;
  } cases[] = {{cpFixedCellsRClick, 0, false, true},  {cpFixedCellsRClick, 2, false, false},
               {cpFixedCellsRClick, 0, true, false},  {cpNormalCellsLClick, 2, true, true},
               {cpNormalCellsLClick, 0, true, false}, {cpAllCellsLClick, 0, true, true},
               {cpAllCellsLClick, 3, true, true},     {cpAllCellsRClick, 3, true, false}};
  for (const Case& k : cases) {
    Col(1).SetColumnPopupType(k.kind);
    EXPECT_EQ(grid.ColumnPopupForClick(1, k.row, k.left), k.shown ? menu : nullptr) << k.kind << " " << k.row;
  }
  int events = 0;
  grid.OnColumnPopup = [&](TQrvColumnGrid*, int32_t c, int32_t, TPopupMenu* m) {
    EXPECT_EQ(c, 1);
    EXPECT_EQ(m, menu);
    ++events;
  };
  Col(1).SetColumnPopupType(cpNormalCellsLClick);
  EXPECT_EQ(grid.ColumnPopupForClick(1, 0, true), nullptr);
  EXPECT_EQ(events, 1) << "the event fires for every click of the popup's button";
  EXPECT_EQ(grid.ColumnPopupForClick(2, 2, true), nullptr) << "a column without a menu";
}

TEST_F(ColumnGridFixture, FilterEntriesShowTheirTextBeforeTheEqualsSign) {
  Col(1).SetFilter({QStringLiteral("Big=>100"), QStringLiteral("Small")});
  EXPECT_TRUE(grid.GetColumnFilter(1));
  EXPECT_EQ(grid.FilterList, (QStringList{QStringLiteral("Big"), QStringLiteral("Small")}));
  EXPECT_FALSE(grid.GetColumnFilter(2));
}

TEST_F(ColumnGridFixture, ColumnStreamRoundTripKeepsEverySettingAndTheColumnCount) {
  Col(1).SetName(QStringLiteral("Speed"));
  Col(1).SetHeader(QStringLiteral("Speed [rpm]"));
  Col(1).SetEditor(edComboList);
  Col(1).SetComboItems({QStringLiteral("slow"), QStringLiteral("fast")});
  Col(2).SetReadOnly(true);
  Col(2).SetFloatFormat(QStringLiteral("%.3f"));
  TFont font = Col(3).Font();
  font.Name = QStringLiteral("Courier");
  font.Style = fsBold;
  Col(3).SetFont(font);
  Col(3).SetCheckTrue(QStringLiteral("on"));
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  grid.SaveColumnsToStream(buffer);

  TQrvColumnGrid other;
  other.SetColCount(2);
  buffer.seek(0);
  other.LoadColumnsFromStream(buffer);
  EXPECT_EQ(other.ColCount(), 2) << "the load leaves the column count";
  ASSERT_EQ(other.Columns().Count(), 4);
  const TGridColumnItem& speed = *other.Columns().Items(1);
  EXPECT_EQ(speed.Name(), QStringLiteral("Speed"));
  EXPECT_EQ(speed.Header(), QStringLiteral("Speed [rpm]"));
  EXPECT_EQ(speed.Editor(), edComboList);
  EXPECT_EQ(speed.ComboItems(), Col(1).ComboItems());
  EXPECT_TRUE(other.Columns().Items(2)->ReadOnly());
  EXPECT_EQ(other.Columns().Items(2)->FloatFormat(), QStringLiteral("%.3f"));
  EXPECT_EQ(other.Columns().Items(3)->Font(), font);
  EXPECT_EQ(other.Columns().Items(3)->CheckTrue(), QStringLiteral("on"));
}

TEST_F(ColumnGridFixture, AStreamThatIsNotAColumnStreamKeepsTheDefinitions) {
  Col(1).SetName(QStringLiteral("kept"));
  for (const char* bad : {"", "not json", "{\"Kind\":\"Other\",\"Items\":[]}", "{\"Kind\":\"TQrvColumnGridIO\"}",
                          "{\"Kind\":\"TQrvColumnGridIO\",\"Items\":[{},3]}"}) {
    QBuffer buffer;
    buffer.setData(QByteArray(bad));
    buffer.open(QIODevice::ReadOnly);
    EXPECT_THROW(grid.LoadColumnsFromStream(buffer), EReadError) << bad;
    ASSERT_EQ(grid.Columns().Count(), 4);
    EXPECT_EQ(Col(1).Name(), QStringLiteral("kept"));
  }
}

TEST(ColumnGridPositions, SavedOrderRestoresTheMovedColumnsInAFreshGrid) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("columns.ini"));
  {
    QFile other(path);
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("[Other]\nKeep=1\n");
  }
  auto makeGrid = [](TQrvColumnGrid& grid) {
    grid.SetColCount(3);
    grid.SetFixedCols(0);
    for (int32_t i = 0; i < 3; ++i) grid.Columns().Items(i)->SetName(QStringLiteral("n%1").arg(i));
    grid.Columns().SetOrganization();
  };
  TQrvColumnGrid grid;
  makeGrid(grid);
  grid.MoveColumn(0, 2);
  ASSERT_TRUE(grid.SaveColumnPositions(path, QStringLiteral("Grid")));
  {
    const QSettings ini(path, QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("Grid/CP0")).toInt(), 1);
    EXPECT_EQ(ini.value(QStringLiteral("Grid/CP1")).toInt(), 2);
    EXPECT_EQ(ini.value(QStringLiteral("Grid/CP2")).toInt(), 0);
    EXPECT_EQ(ini.value(QStringLiteral("Other/Keep")).toInt(), 1) << "other sections stay";
  }
  TQrvColumnGrid fresh;
  makeGrid(fresh);
  fresh.LoadColumnPositions(path, QStringLiteral("Grid"));
  EXPECT_EQ(fresh.Columns().Items(0)->Name(), QStringLiteral("n1"));
  EXPECT_EQ(fresh.Columns().Items(1)->Name(), QStringLiteral("n2"));
  EXPECT_EQ(fresh.Columns().Items(2)->Name(), QStringLiteral("n0"));
  EXPECT_EQ(fresh.Columns().Items(2)->DefIdx(), 0);

  // A missing, out-of-range or repeated entry changes nothing.
  for (const char* bad :
       {"[Grid]\nCP0=1\nCP1=2\n", "[Grid]\nCP0=1\nCP1=7\nCP2=0\n", "[Grid]\nCP0=1\nCP1=1\nCP2=0\n"}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bad);
    file.close();
    TQrvColumnGrid untouched;
    makeGrid(untouched);
    untouched.LoadColumnPositions(path, QStringLiteral("Grid"));
    EXPECT_EQ(untouched.Columns().Items(0)->Name(), QStringLiteral("n0")) << bad;
  }
  EXPECT_FALSE(grid.SaveColumnPositions(dir.filePath(QStringLiteral("missing/dir/x.ini")), QStringLiteral("G")));
}

}  // namespace

// The definitions' typed accessors read and write as the string grid does: hex and markup texts, an empty cell
// as zero, and floats written in the column's own format.
TEST_F(ColumnGridFixture, DefinitionTypedAccessReadsAndWritesLikeTheStringGrid) {
  struct Case {
    QString text;
    int32_t value;
  };
  const Case cases[] = {{"$1F", 31}, {"<b>12</b>", 12}, {"", 0}, {"-7", -7}};
  for (const Case& k : cases) {
    grid.SetCells(2, 1, k.text);
    EXPECT_EQ(Col(2).Ints(1), grid.GetInts(2, 1)) << k.text.toStdString();
    EXPECT_EQ(Col(2).Ints(1), k.value) << k.text.toStdString();
  }
  Col(2).SetFloatFormat(QStringLiteral("%.3f"));
  Col(2).SetFloats(2, 2.5);
  EXPECT_TRUE(grid.Cells(2, 2).endsWith(QStringLiteral("500"))) << grid.Cells(2, 2).toStdString();
  EXPECT_DOUBLE_EQ(Col(2).Floats(2), 2.5);
  Col(3).SetFloats(2, 2.5);
  EXPECT_EQ(grid.Cells(3, 2), Format(grid.FloatFormat, {2.5}));
}

TEST(ColumnGrid, AUserSizingStaysInsideTheColumnsLimits) {
  THostedGrid<TQrvColumnGrid> hosted(4, 5, 400, 200);
  TQrvColumnGrid& grid = hosted.grid;
  for (int32_t c = 0; c < 4; ++c) grid.SetColWidths(c, 60);
  grid.SetOptions(grid.Options() | goColSizing);
  grid.Columns().Items(1)->SetMinSize(40);
  grid.Columns().Items(1)->SetMaxSize(80);
  const int32_t edge = grid.CellRect(1, 0).Right - 1;
  for (const auto& [drag, width] : {std::pair{50, 80}, std::pair{-40, 40}, std::pair{10, 70}}) {
    grid.SetColWidths(1, 60);
    grid.GridMouseDown(TQrvStringGrid::gmbLeft, {}, edge, 10);
    grid.GridMouseMove(ssLeft, edge + drag, 10);
    grid.GridMouseUp(TQrvStringGrid::gmbLeft, {}, edge + drag, 10);
    EXPECT_EQ(grid.ColWidths(1), width) << drag;
  }
}
