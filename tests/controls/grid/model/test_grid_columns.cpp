// Column definitions and their collection, driven by a small stand-in grid that records what reaches it.
#include <gtest/gtest.h>

#include <QMap>
#include <QPair>
#include <algorithm>
#include <functional>
#include <numeric>
#include <vector>

#include "GridTestMenu.h"
#include "UGridColumns.h"

namespace {

class FakeGrid : public IGridColumnOwner {
 public:
  explicit FakeGrid(int32_t colCount = 3, int32_t hidden = 0) : FColCount(colCount), FHidden(hidden) {
    FGridFont.Name = QStringLiteral("Verdana");
    FGridFont.Height = -13;
    columns.FitToGrid();
  }

  TFont Font() const override { return FGridFont; }
  TColor Color() const override { return FGridColor; }
  int32_t ColCount() const override { return FColCount; }
  // As the column grid's own setter: the definitions follow the new count at once.
  void SetColCount(int32_t value) override {
    ++colCountWrites;
    FColCount = value;
    columns.FitToGrid();
  }
  int32_t FixedCols() const override { return fixedCols; }
  int32_t FixedRows() const override { return fixedRows; }
  int32_t NumHiddenColumns() const override { return FHidden; }
  bool IsLoading() const override { return loading; }
  bool ColMoving() const override { return colMoving; }
  std::optional<int32_t> AllColWidth(int32_t col) const override {
    if (col < 0 || col >= static_cast<int32_t>(widths.size())) return std::nullopt;
    return widths[static_cast<size_t>(col)];
  }
  void SetAllColWidth(int32_t col, int32_t width) override {
    if (col >= static_cast<int32_t>(widths.size())) widths.resize(static_cast<size_t>(col) + 1, 64);
    widths[static_cast<size_t>(col)] = width;
  }
  QString Cells(int32_t col, int32_t row) const override { return cells.value({col, row}); }
  void SetCells(int32_t col, int32_t row, const QString& value) override { cells[{col, row}] = value; }
  int32_t Ints(int32_t col, int32_t row) const override { return Cells(col, row).toInt(); }
  void SetInts(int32_t col, int32_t row, int32_t value) override { SetCells(col, row, QString::number(value)); }
  double Floats(int32_t col, int32_t row) const override { return Cells(col, row).toDouble(); }
  void SetFloats(int32_t col, int32_t row, double value) override { SetCells(col, row, QString::number(value)); }
  TDateTime Dates(int32_t col, int32_t row) const override { return Floats(col, row); }
  void SetDates(int32_t col, int32_t row, TDateTime value) override { SetFloats(col, row, value); }
  TDateTime Times(int32_t col, int32_t row) const override { return Floats(col, row); }
  void SetTimes(int32_t col, int32_t row, TDateTime value) override { SetFloats(col, row, value); }
  void DefinitionHeadersChanged(const QStringList& headers) override {
    ++headerWrites;
    columnHeaders = headers;
  }
  // The column grid's move carries the definition along; here it is moved directly.
  void MoveColumn(int32_t fromIndex, int32_t toIndex) override {
    moves.push_back({fromIndex, toIndex});
    columns.SetNoRecursiveUpdate(true);
    columns.Move(fromIndex, toIndex);
    columns.SetNoRecursiveUpdate(false);
  }
  void Repaint() override { ++repaints; }

  void ResetCounters() {
    repaints = 0;
    headerWrites = 0;
    colCountWrites = 0;
  }

  TFont FGridFont;
  TColor FGridColor = 0x00E0FFFF;
  int32_t FColCount;
  int32_t FHidden;
  int32_t fixedCols = 1;
  int32_t fixedRows = 1;
  bool loading = false;
  bool colMoving = false;
  std::vector<int32_t> widths;
  QMap<QPair<int32_t, int32_t>, QString> cells;
  QStringList columnHeaders;
  std::vector<std::pair<int32_t, int32_t>> moves;
  int repaints = 0;
  int headerWrites = 0;
  int colCountWrites = 0;
  // Last member: built after the grid's state it reads.
  TGridColumnCollection columns{this};
};

// Every field of a definition that Assign and AssignVisuals may copy, set to a value other than its default.
void FillEveryField(TGridColumnItem& c, TEditLink* link, TPopupMenu* menu) {
  c.SetWidth(77);
  c.SetAlignment(taCenter);
  c.SetHeader(QStringLiteral("Speed"));
  c.SetSortStyle(ssNumeric);
  c.SetSortPrefix(QStringLiteral("<"));
  c.SetSortSuffix(QStringLiteral(">"));
  c.SetEditMask(QStringLiteral("999"));
  c.SetEditLength(12);
  c.SetEditLink(link);
  TFont font;
  font.Name = QStringLiteral("Arial");
  font.Style = fsBold;
  c.SetFont(font);
  c.SetColor(clYellow);
  c.SetEditor(edComboList);
  c.SetFixed(true);
  c.SetReadOnly(true);
  c.SetComboItems({QStringLiteral("A"), QStringLiteral("B")});
  c.SetDropDownCount(4);
  c.SetSpinMin(-5);
  c.SetSpinMax(5);
  c.SetSpinStep(2);
  c.SetPassword(true);
  TFont printFont;
  printFont.Name = QStringLiteral("Courier");
  c.SetPrintFont(printFont);
  c.SetPrintColor(clAqua);
  c.SetBorders(cbTop | cbBottom);
  c.SetBorderPen(TPen{clRed, 3, psDot});
  c.SetPrintBorders(cbLeft);
  c.SetPrintBorderPen(TPen{clBlue, 2, psDash});
  c.SetTag(99);
  c.SetDefIdx(3);
  c.SetName(QStringLiteral("speed"));
  c.SetCheckFalse(QStringLiteral("0"));
  c.SetCheckTrue(QStringLiteral("1"));
  c.SetShowBands(true);
  c.SetFilter({QStringLiteral("Fast=>100")});
  c.SetMaxSize(300);
  c.SetMinSize(20);
  c.SetAutoMinSize(30);
  c.SetAutoMaxSize(200);
  c.SetColumnPopupType(cpAllCellsLClick);
  c.SetColumnPopup(menu);
  c.SetFilterCaseSensitive(true);
  c.SetFloatFormat(QStringLiteral("%.3f"));
  c.SetHeaderAlignment(taRightJustify);
  TFont headerFont;
  headerFont.Name = QStringLiteral("Segoe UI");
  c.SetHeaderFont(headerFont);
  c.SetPrintBorderCustom(false);
  c.SetPrintFontCustom(false);
}

TFont FontNamed(const QString& name) {
  TFont font;
  font.Name = name;
  return font;
}

// Stand-ins for the referenced objects; only the link's address matters to a definition, while the menu must be a
// live object because the definition watches it.
TEditLink* const someLink = reinterpret_cast<TEditLink*>(0x1000);
TPopupMenu someMenuObject;
TPopupMenu* const someMenu = &someMenuObject;

}  // namespace

TEST(GridColumnItem, NewDefinitionDefaults) {
  FakeGrid grid(2);
  TGridColumnItem loose;
  TGridColumnItem* inGrid = grid.columns.Insert(0);

  const TGridColumnItem* const both[] = {&loose, inGrid};
  for (const TGridColumnItem* c : both) {
    SCOPED_TRACE(c == &loose ? "without collection" : "in a collection");
    EXPECT_EQ(c->Alignment(), taLeftJustify);
    EXPECT_TRUE(c->Header().isEmpty());
    EXPECT_EQ(c->SortStyle(), ssAutomatic);
    EXPECT_EQ(c->EditLength(), 0);
    EXPECT_EQ(c->EditLink(), nullptr);
    EXPECT_EQ(c->Editor(), edNormal);
    EXPECT_FALSE(c->Fixed());
    EXPECT_FALSE(c->ReadOnly());
    EXPECT_TRUE(c->ComboItems().isEmpty());
    EXPECT_EQ(c->DropDownCount(), 8);
    EXPECT_EQ(c->SpinMin(), 0);
    EXPECT_EQ(c->SpinMax(), 0);
    EXPECT_EQ(c->SpinStep(), 1);
    EXPECT_FALSE(c->Password());
    EXPECT_EQ(c->PrintColor(), 0xFFFFFFu);
    EXPECT_EQ(c->Borders(), TCellBorders());
    EXPECT_EQ(c->BorderPen().Width, 1);
    EXPECT_EQ(c->BorderPen().Color, 0xC0C0C0u);
    EXPECT_EQ(c->PrintBorders(), cbTop | cbLeft | cbRight | cbBottom);
    EXPECT_EQ(c->PrintBorderPen().Width, 1);
    EXPECT_EQ(c->PrintBorderPen().Color, 0u);
    EXPECT_EQ(c->Tag(), 0);
    EXPECT_EQ(c->DefIdx(), 0);
    EXPECT_TRUE(c->Name().isEmpty());
    EXPECT_EQ(c->CheckFalse(), QStringLiteral("N"));
    EXPECT_EQ(c->CheckTrue(), QStringLiteral("Y"));
    EXPECT_FALSE(c->ShowBands());
    EXPECT_TRUE(c->Filter().isEmpty());
    EXPECT_EQ(c->MaxSize(), 0);
    EXPECT_EQ(c->MinSize(), 0);
    EXPECT_EQ(c->AutoMinSize(), 0);
    EXPECT_EQ(c->AutoMaxSize(), 0);
    EXPECT_EQ(c->ColumnPopupType(), cpFixedCellsRClick);
    EXPECT_EQ(c->ColumnPopup(), nullptr);
    EXPECT_FALSE(c->FilterCaseSensitive());
    EXPECT_TRUE(c->FloatFormat().isEmpty());
    EXPECT_EQ(c->HeaderAlignment(), taLeftJustify);
    EXPECT_TRUE(c->PrintBorderCustom());
    EXPECT_TRUE(c->PrintFontCustom());
  }
  // Looks: a definition built in a grid starts from the grid's font and colour, a loose one from the defaults.
  EXPECT_EQ(loose.Font(), TFont());
  EXPECT_EQ(loose.HeaderFont(), TFont());
  EXPECT_EQ(loose.PrintFont(), TFont());
  EXPECT_EQ(loose.Color(), 0u);
  EXPECT_EQ(inGrid->Font(), grid.FGridFont);
  EXPECT_EQ(inGrid->HeaderFont(), grid.FGridFont);
  EXPECT_EQ(inGrid->PrintFont(), grid.FGridFont);
  EXPECT_EQ(inGrid->Color(), grid.FGridColor);
  // Width: 0 outside a collection, 50 until the grid's width table has an entry, then the table's value.
  EXPECT_EQ(loose.Width(), 0);
  EXPECT_EQ(inGrid->Width(), 50);
  grid.widths = {120};
  EXPECT_EQ(inGrid->Width(), 120);
}

TEST(GridColumnItem, EditorKindsKeepTheirStoredNumbers) {
  const struct {
    TEditorType kind;
    int number;
  } cases[] = {{edNormal, 0},         {edComboEdit, 2},   {edComboList, 3},         {edDataCheckBox, 10},
               {edCustom, 25},        {edNone, 27},       {edTrackbarDropDown, 30}, {edQrvGridDropDown, 38},
               {edPositiveFloat, 39}, {edMaskEditBtn, 42}};
  for (const auto& c : cases) EXPECT_EQ(static_cast<int>(c.kind), c.number);
  EXPECT_EQ(TEditorTypeCount, 43);
}

TEST(GridColumnItem, DisplayNames) {
  FakeGrid grid(3);
  grid.columns.Items(1)->SetName(QStringLiteral("Speed"));
  const struct {
    int index;
    QString expected;
  } cases[] = {{0, QStringLiteral("Column 0")}, {1, QStringLiteral("Col 1: Speed")}, {2, QStringLiteral("Column 2")}};
  for (const auto& c : cases) EXPECT_EQ(grid.columns.Items(c.index)->DisplayName(), c.expected);
}

TEST(GridColumnItem, AssignCopiesTheListedFieldsOnlyAndQuietly) {
  FakeGrid grid(3);
  TGridColumnItem source;
  FillEveryField(source, someLink, someMenu);
  grid.widths = {40, 41, 42};
  grid.ResetCounters();

  TGridColumnItem* target = grid.columns.Items(1);
  target->Assign(source);

  EXPECT_EQ(grid.repaints, 0);
  EXPECT_EQ(grid.headerWrites, 0);
  EXPECT_TRUE(grid.cells.isEmpty());
  // The width field takes the source's Width (0 for a loose definition); the grid's table stays.
  EXPECT_EQ(grid.widths, (std::vector<int32_t>{40, 41, 42}));
  TGridColumnItem loose;
  loose.Assign(*target);
  EXPECT_EQ(loose.Width(), 0);

  const TGridColumnItem& t = *target;
  EXPECT_EQ(t.Alignment(), taCenter);
  EXPECT_EQ(t.HeaderAlignment(), taRightJustify);
  EXPECT_EQ(t.BorderPen(), (TPen{clRed, 3, psDot}));
  EXPECT_EQ(t.Borders(), cbTop | cbBottom);
  EXPECT_EQ(t.CheckFalse(), QStringLiteral("0"));
  EXPECT_EQ(t.CheckTrue(), QStringLiteral("1"));
  EXPECT_EQ(t.Color(), clYellow);
  EXPECT_EQ(t.ComboItems(), QStringList({QStringLiteral("A"), QStringLiteral("B")}));
  EXPECT_EQ(t.DropDownCount(), 4);
  EXPECT_EQ(t.EditLength(), 12);
  EXPECT_EQ(t.EditLink(), someLink);
  EXPECT_EQ(t.EditMask(), QStringLiteral("999"));
  EXPECT_EQ(t.Editor(), edComboList);
  EXPECT_TRUE(t.Fixed());
  EXPECT_EQ(t.Font(), source.Font());
  EXPECT_EQ(t.HeaderFont(), source.HeaderFont());
  EXPECT_EQ(t.Header(), QStringLiteral("Speed"));
  EXPECT_EQ(t.Name(), QStringLiteral("speed"));
  EXPECT_TRUE(t.Password());
  EXPECT_EQ(t.PrintBorderPen(), (TPen{clBlue, 2, psDash}));
  EXPECT_EQ(t.PrintBorders(), TCellBorders(cbLeft));
  EXPECT_EQ(t.PrintColor(), clAqua);
  EXPECT_EQ(t.PrintFont(), source.PrintFont());
  EXPECT_TRUE(t.ReadOnly());
  EXPECT_EQ(t.SortPrefix(), QStringLiteral("<"));
  EXPECT_EQ(t.SortStyle(), ssNumeric);
  EXPECT_EQ(t.SortSuffix(), QStringLiteral(">"));
  EXPECT_EQ(t.SpinMax(), 5);
  EXPECT_EQ(t.SpinMin(), -5);
  EXPECT_EQ(t.SpinStep(), 2);
  EXPECT_EQ(t.ColumnPopup(), someMenu);
  EXPECT_EQ(t.Tag(), 99);
  EXPECT_TRUE(t.ShowBands());
  EXPECT_EQ(t.MinSize(), 20);
  EXPECT_EQ(t.MaxSize(), 300);
  EXPECT_EQ(t.AutoMinSize(), 30);
  EXPECT_EQ(t.AutoMaxSize(), 200);
  EXPECT_EQ(t.Filter(), QStringList(QStringLiteral("Fast=>100")));
  EXPECT_TRUE(t.FilterCaseSensitive());
  EXPECT_EQ(t.DefIdx(), 3);
  EXPECT_EQ(t.FloatFormat(), QStringLiteral("%.3f"));
  // Not copied.
  EXPECT_EQ(t.ColumnPopupType(), cpFixedCellsRClick);
  EXPECT_TRUE(t.PrintBorderCustom());
  EXPECT_TRUE(t.PrintFontCustom());
}

TEST(GridColumnItem, AssignFromAnotherKindOfItemDoesNothing) {
  struct OtherItem : TCollectionItem {
    OtherItem() : TCollectionItem(nullptr) {}
  } other;
  TGridColumnItem target;
  FillEveryField(target, someLink, someMenu);
  target.Assign(other);
  EXPECT_EQ(target.Header(), QStringLiteral("Speed"));
  EXPECT_EQ(target.Editor(), edComboList);
  EXPECT_EQ(target.CheckTrue(), QStringLiteral("1"));
}

TEST(GridColumnItem, AssignVisualsTakesTheGridsLooksAndLeavesIdentity) {
  FakeGrid grid(2);
  TGridColumnItem source;
  FillEveryField(source, someLink, someMenu);
  TGridColumnItem* target = grid.columns.Items(1);
  target->SetName(QStringLiteral("own"));
  target->SetTag(5);
  const TFont ownHeaderFont = target->HeaderFont();

  target->AssignVisuals(source);

  EXPECT_EQ(target->Color(), grid.FGridColor);
  EXPECT_EQ(target->Font(), grid.FGridFont);
  EXPECT_EQ(target->HeaderFont(), ownHeaderFont);
  EXPECT_TRUE(target->ComboItems().isEmpty());
  EXPECT_EQ(target->DropDownCount(), 8);
  EXPECT_TRUE(target->Header().isEmpty());
  EXPECT_EQ(target->Name(), QStringLiteral("own"));
  EXPECT_EQ(target->Tag(), 5);
  // The shared part is copied.
  EXPECT_EQ(target->Editor(), edComboList);
  EXPECT_EQ(target->CheckTrue(), QStringLiteral("1"));
  EXPECT_EQ(target->Alignment(), taCenter);
  EXPECT_EQ(target->PrintFont(), source.PrintFont());
  EXPECT_EQ(target->DefIdx(), 3);
}

TEST(GridColumnCollection, AddCopiesTheLooksOfTheColumnBeforeAndInsertDoesNot) {
  FakeGrid grid(3);
  grid.fixedRows = 0;
  TGridColumnItem* last = grid.columns.Items(2);
  last->SetEditor(edDataCheckBox);
  last->SetCheckTrue(QStringLiteral("on"));
  last->SetAlignment(taRightJustify);
  last->SetColor(clRed);
  last->SetHeader(QStringLiteral("Last"));

  TGridColumnItem* added = grid.columns.Add();
  EXPECT_EQ(added->Index(), 3);
  EXPECT_EQ(added->Editor(), edDataCheckBox);
  EXPECT_EQ(added->CheckTrue(), QStringLiteral("on"));
  EXPECT_EQ(added->Alignment(), taRightJustify);
  EXPECT_EQ(added->Color(), grid.FGridColor);
  EXPECT_TRUE(added->Header().isEmpty());

  TGridColumnItem* inserted = grid.columns.Insert(1);
  EXPECT_EQ(inserted->Index(), 1);
  EXPECT_EQ(inserted->Editor(), edNormal);
  EXPECT_EQ(inserted->CheckTrue(), QStringLiteral("Y"));
  EXPECT_EQ(grid.columns.Items(4), added);

  // Into an empty collection nothing is copied.
  TGridColumnCollection empty(&grid);
  EXPECT_EQ(empty.Add()->Editor(), edNormal);
}

TEST(GridColumnCollection, FollowsTheGridsColumnCountWithHiddenColumns) {
  FakeGrid grid(3, 1);
  ASSERT_EQ(grid.columns.Count(), 4);
  TGridColumnItem* last = grid.columns.Items(3);
  last->SetEditor(edComboList);
  last->SetCheckFalse(QStringLiteral("off"));
  last->SetAlignment(taCenter);
  last->SetSpinStep(7);
  last->SetColor(clRed);
  TFont bold = grid.FGridFont;
  bold.Style = fsBold;
  last->SetFont(bold);
  grid.widths = {10, 20, 30, 33};

  grid.SetColCount(5);

  ASSERT_EQ(grid.columns.Count(), 6);
  for (int i : {4, 5}) {
    SCOPED_TRACE(i);
    const TGridColumnItem* c = grid.columns.Items(i);
    EXPECT_EQ(c->Editor(), edComboList);
    EXPECT_EQ(c->CheckFalse(), QStringLiteral("off"));
    EXPECT_EQ(c->CheckTrue(), QStringLiteral("Y"));
    EXPECT_EQ(c->Alignment(), taCenter);
    EXPECT_EQ(c->SpinStep(), 7);
    EXPECT_EQ(c->Color(), grid.FGridColor);
    EXPECT_EQ(c->Font(), grid.FGridFont);
  }
  // The width field is copied from the column before (read from the grid's table), the table is not grown.
  EXPECT_EQ(grid.columns.Items(4)->Width(), 33);
  EXPECT_EQ(grid.widths.size(), 4u);

  grid.SetColCount(2);
  EXPECT_EQ(grid.columns.Count(), 3);
  EXPECT_EQ(grid.colCountWrites, 2);
}

TEST(GridColumnCollection, AddingDefinitionsRaisesTheColumnCount) {
  struct Case {
    const char* name;
    int32_t fixedCols;
    bool loading;
    bool bracket;
    bool noRecursive;
    int32_t expectedColCount;
    bool repaints;
  };
  const Case cases[] = {
      {"loaded grid", 1, false, false, false, 4, true},
      {"definitions not beyond the fixed columns", 4, false, false, false, 3, true},
      {"grid being loaded", 1, true, false, false, 3, false},
      {"inside an update bracket", 1, false, true, false, 3, false},
      {"recursion guard set", 1, false, false, true, 3, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeGrid grid(3);
    grid.fixedCols = c.fixedCols;
    grid.loading = c.loading;
    grid.columns.SetNoRecursiveUpdate(c.noRecursive);
    grid.ResetCounters();
    if (c.bracket) grid.columns.BeginUpdate();
    grid.columns.Add();
    EXPECT_EQ(grid.ColCount(), c.expectedColCount);
    EXPECT_EQ(grid.columns.Count(), 4);
    EXPECT_EQ(grid.repaints > 0, c.repaints);
    if (c.bracket) {
      // Closing the bracket delivers the held-back change.
      grid.columns.EndUpdate();
      EXPECT_EQ(grid.ColCount(), 4);
    }
  }
}

TEST(GridColumnCollection, DeletingADefinitionLowersTheColumnCount) {
  FakeGrid grid(4);
  grid.columns.Delete(1);
  EXPECT_EQ(grid.ColCount(), 3);
  EXPECT_EQ(grid.columns.Count(), 3);
  EXPECT_THROW(grid.columns.Delete(3), EListError);
  EXPECT_THROW(grid.columns.Items(-1), EListError);
}

TEST(GridColumnItem, HeaderWritesTheHeaderRowAndRebuildsColumnHeaders) {
  FakeGrid grid(4);
  grid.columns.Items(0)->SetHeader(QStringLiteral("No"));
  grid.columns.Items(2)->SetHeader(QStringLiteral("Speed"));
  EXPECT_EQ(grid.Cells(2, 0), QStringLiteral("Speed"));
  EXPECT_EQ(grid.columnHeaders, QStringList({QStringLiteral("No"), QString(), QStringLiteral("Speed"), QString()}));

  // Without a header row, or while a column move rearranges the definitions, row 0 is left alone; the list is
  // rebuilt all the same.
  const struct {
    const char* name;
    int32_t fixedRows;
    bool colMoving;
  } cases[] = {{"no fixed rows", 0, false}, {"column move", 1, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeGrid other(3);
    other.fixedRows = c.fixedRows;
    other.colMoving = c.colMoving;
    other.columns.Items(1)->SetHeader(QStringLiteral("Mode"));
    EXPECT_TRUE(other.cells.isEmpty());
    EXPECT_EQ(other.columnHeaders, QStringList({QString(), QStringLiteral("Mode"), QString()}));
  }
}

TEST(GridColumnCollection, EmptyHeadersTakeTheHeaderRowTextAtTheNextChange) {
  FakeGrid grid(3);
  grid.columns.Items(2)->SetHeader(QStringLiteral("Own"));
  // Text that reached the header row by another way than the definitions.
  grid.cells[{1, 0}] = QStringLiteral("Speed");
  grid.cells[{2, 0}] = QStringLiteral("Shown");
  EXPECT_TRUE(grid.columns.Items(1)->Header().isEmpty());

  grid.columns.Items(0)->SetColor(clRed);

  EXPECT_EQ(grid.columns.Items(1)->Header(), QStringLiteral("Speed"));
  EXPECT_EQ(grid.columns.Items(2)->Header(), QStringLiteral("Own"));
  EXPECT_EQ(grid.columnHeaders, QStringList({QString(), QStringLiteral("Speed"), QStringLiteral("Own")}));
}

TEST(GridColumnItem, EditorChangesRepaintOnlyAroundTheDataCheckBox) {
  const struct {
    TEditorType from;
    TEditorType to;
    int repaints;
  } cases[] = {{edNormal, edComboList, 0},
               {edNormal, edDataCheckBox, 1},
               {edDataCheckBox, edComboEdit, 1},
               {edDataCheckBox, edDataCheckBox, 0},
               {edComboList, edComboList, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.from) * 100 + static_cast<int>(c.to));
    FakeGrid grid(2);
    TGridColumnItem* column = grid.columns.Items(1);
    column->SetEditor(c.from);
    grid.ResetCounters();
    column->SetEditor(c.to);
    EXPECT_EQ(column->Editor(), c.to);
    EXPECT_EQ(grid.repaints, c.repaints);
    EXPECT_EQ(grid.headerWrites, 0);
  }
}

// What reaches the grid when a property is written: the collection's change handling (which rebuilds the header
// list and repaints), a repaint alone, or nothing.
TEST(GridColumnItem, WritesReachTheGridAsTheirPropertyNeeds) {
  enum Reach { Nothing, RepaintOnly, CollectionChange, ChangeAndRepaint };
  const struct {
    const char* name;
    std::function<void(TGridColumnItem&)> write;
    Reach reach;
  } cases[] = {
      {"Font", [](TGridColumnItem& c) { c.SetFont(FontNamed(QStringLiteral("Arial"))); }, CollectionChange},
      {"Color", [](TGridColumnItem& c) { c.SetColor(clRed); }, CollectionChange},
      {"ShowBands", [](TGridColumnItem& c) { c.SetShowBands(true); }, CollectionChange},
      {"Fixed", [](TGridColumnItem& c) { c.SetFixed(true); }, CollectionChange},
      {"Password", [](TGridColumnItem& c) { c.SetPassword(true); }, CollectionChange},
      {"Borders", [](TGridColumnItem& c) { c.SetBorders(cbLeft); }, CollectionChange},
      {"BorderPen",
       [](TGridColumnItem& c) {
         c.SetBorderPen(TPen{clRed, 2});
       },
       CollectionChange},
      {"HeaderFont", [](TGridColumnItem& c) { c.SetHeaderFont(FontNamed(QStringLiteral("Arial"))); },
       ChangeAndRepaint},
      {"Alignment", [](TGridColumnItem& c) { c.SetAlignment(taCenter); }, RepaintOnly},
      {"HeaderAlignment", [](TGridColumnItem& c) { c.SetHeaderAlignment(taCenter); }, RepaintOnly},
      {"FloatFormat", [](TGridColumnItem& c) { c.SetFloatFormat(QStringLiteral("%.1f")); }, RepaintOnly},
      {"Filter", [](TGridColumnItem& c) { c.SetFilter({QStringLiteral("x")}); }, RepaintOnly},
      {"ComboItems", [](TGridColumnItem& c) { c.SetComboItems({QStringLiteral("x")}); }, Nothing},
      {"PrintFont", [](TGridColumnItem& c) { c.SetPrintFont(FontNamed(QStringLiteral("Arial"))); }, Nothing},
      {"PrintBorderPen", [](TGridColumnItem& c) { c.SetPrintBorderPen(TPen{clRed}); }, Nothing},
      {"ReadOnly", [](TGridColumnItem& c) { c.SetReadOnly(true); }, Nothing},
      {"EditLength", [](TGridColumnItem& c) { c.SetEditLength(4); }, Nothing},
      {"CheckTrue", [](TGridColumnItem& c) { c.SetCheckTrue(QStringLiteral("J")); }, Nothing},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeGrid grid(3);
    grid.ResetCounters();
    c.write(*grid.columns.Items(1));
    const bool change = c.reach == CollectionChange || c.reach == ChangeAndRepaint;
    EXPECT_EQ(grid.headerWrites, change ? 1 : 0);
    EXPECT_EQ(grid.repaints, c.reach == Nothing ? 0 : c.reach == ChangeAndRepaint ? 2 : 1);
  }
}

TEST(GridColumnItem, PensAndFontsAreCopiedIntoTheColumn) {
  FakeGrid grid(2);
  TGridColumnItem* column = grid.columns.Items(1);
  auto pen = std::make_unique<TPen>(TPen{0x123456, 3, psDashDot});
  column->SetBorderPen(*pen);
  pen->Color = clRed;
  pen.reset();
  EXPECT_EQ(column->BorderPen(), (TPen{0x123456, 3, psDashDot}));

  // A font from another resolution keeps its size in points.
  TFont printerFont;
  printerFont.PixelsPerInch = 600;
  printerFont.SetSize(10);
  column->SetFont(printerFont);
  EXPECT_EQ(column->Font().Size(), 10);
  EXPECT_EQ(column->Font().PixelsPerInch, grid.FGridFont.PixelsPerInch);
}

TEST(GridColumnItem, WidthAndCellsGoThroughTheGrid) {
  FakeGrid grid(3);
  grid.widths = {64, 64, 64};
  TGridColumnItem* column = grid.columns.Items(2);
  column->SetWidth(90);
  EXPECT_EQ(grid.widths[2], 90);
  EXPECT_EQ(column->Width(), 90);

  column->SetRows(1, QStringLiteral("abc"));
  column->SetInts(2, -7);
  column->SetFloats(3, 2.5);
  EXPECT_EQ(grid.Cells(2, 1), QStringLiteral("abc"));
  EXPECT_EQ(column->Rows(1), QStringLiteral("abc"));
  EXPECT_EQ(column->Ints(2), -7);
  EXPECT_DOUBLE_EQ(column->Floats(3), 2.5);
  column->SetDates(4, 45000.0);
  EXPECT_DOUBLE_EQ(column->Dates(4), 45000.0);

  // A loose definition has no cells.
  TGridColumnItem loose;
  loose.SetRows(1, QStringLiteral("lost"));
  loose.SetWidth(80);
  EXPECT_TRUE(loose.Rows(1).isEmpty());
  EXPECT_EQ(loose.Ints(1), 0);
  EXPECT_EQ(loose.Width(), 0);
}

TEST(GridColumnCollection, SetItemsAndCollectionAssignCopyDefinitions) {
  FakeGrid grid(3);
  TGridColumnItem source;
  FillEveryField(source, someLink, someMenu);
  grid.columns.SetItems(1, source);
  EXPECT_EQ(grid.columns.Items(1)->Name(), QStringLiteral("speed"));

  TGridColumnCollection copy(nullptr);
  copy.Assign(grid.columns);
  ASSERT_EQ(copy.Count(), 3);
  EXPECT_EQ(copy.Items(1)->Name(), QStringLiteral("speed"));
  EXPECT_EQ(copy.Items(1)->Editor(), edComboList);
  EXPECT_EQ(copy.Items(0)->Editor(), edNormal);
  EXPECT_EQ(copy.Items(1)->Collection(), &copy);
}

TEST(GridColumnCollection, OrganizationRestoresEveryPermutation) {
  std::vector<int32_t> order(5);
  std::iota(order.begin(), order.end(), 0);
  do {
    FakeGrid grid(5);
    grid.fixedCols = 0;
    grid.columns.SetOrganization();
    for (int32_t i = 0; i < 5; ++i) grid.columns.Items(i)->SetName(QString::number(i));
    // Shuffle the columns into `order`: the definition with DefIdx order[p] stands at position p.
    for (int32_t p = 0; p < 5; ++p) {
      for (int32_t j = p; j < 5; ++j)
        if (grid.columns.Items(j)->DefIdx() == order[static_cast<size_t>(p)]) grid.columns.Move(j, p);
    }
    grid.columns.ResetOrganization();
    for (int32_t i = 0; i < 5; ++i) ASSERT_EQ(grid.columns.Items(i)->DefIdx(), i);
    ASSERT_EQ(grid.columns.Items(4)->Name(), QStringLiteral("4"));
  } while (std::next_permutation(order.begin(), order.end()));
}

TEST(GridColumnCollection, OrganizationFitsTheGridFirst) {
  FakeGrid grid(2, 1);
  grid.FColCount = 4;
  grid.columns.SetOrganization();
  ASSERT_EQ(grid.columns.Count(), 5);
  for (int32_t i = 0; i < 5; ++i) EXPECT_EQ(grid.columns.Items(i)->DefIdx(), i);
  EXPECT_EQ(grid.colCountWrites, 0);
}

TEST(GridColumnCollection, ResetOrganizationIgnoresPositionsThatAreNoPermutation) {
  const std::vector<std::vector<int32_t>> cases = {{1, 1, 0}, {0, 2, 3}, {-1, 0, 1}};
  for (const auto& defIdx : cases) {
    FakeGrid grid(3);
    for (int32_t i = 0; i < 3; ++i) grid.columns.Items(i)->SetDefIdx(defIdx[static_cast<size_t>(i)]);
    grid.columns.ResetOrganization();
    EXPECT_TRUE(grid.moves.empty());
  }
}

TEST(GridColumnCollection, IndexFollowsMovesAndDeletes) {
  FakeGrid grid(4);
  TGridColumnItem* third = grid.columns.Items(2);
  third->SetIndex(0);
  EXPECT_EQ(third->Index(), 0);
  EXPECT_EQ(grid.columns.IndexOf(third), 0);
  grid.columns.Delete(0);
  EXPECT_EQ(grid.columns.Count(), 3);
  TGridColumnItem loose;
  EXPECT_EQ(loose.Index(), -1);
  EXPECT_EQ(loose.DisplayName(), QStringLiteral("Column -1"));
}
