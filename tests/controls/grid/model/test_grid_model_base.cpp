// The cell store, cell properties, merged cells and display hooks of the base grid.
#include <gtest/gtest.h>

#include <vector>

#include "GridTestHost.h"
#include "UCellGraphic.h"
#include "UCellStore.h"
#include "UQrvStringGrid.h"

TEST(CellStore, UnwrittenCellsReadEmptyAndRowsMoveWhole) {
  TCellStore store;
  EXPECT_TRUE(store.Text(3, 7).isEmpty());
  EXPECT_EQ(store.Object(3, 7), nullptr);
  EXPECT_TRUE(store.Text(-1, 0).isEmpty());
  store.SetText(-1, 2, QStringLiteral("x"));  // refused, not written anywhere
  EXPECT_EQ(store.StoredRowCount(), 0);
  store.SetText(1, 2, QStringLiteral("b"));
  store.SetText(0, 0, QStringLiteral("a"));
  TObject marker;
  store.SetObject(4, 2, &marker);
  store.InsertRows(1, 2);
  EXPECT_EQ(store.Text(0, 0), QStringLiteral("a"));
  EXPECT_EQ(store.Text(1, 4), QStringLiteral("b"));
  EXPECT_EQ(store.Object(4, 4), &marker);
  store.RemoveRows(0, 2);
  EXPECT_EQ(store.Text(1, 2), QStringLiteral("b"));
  store.RemoveCols(0, 1);
  EXPECT_EQ(store.Text(0, 2), QStringLiteral("b"));
  EXPECT_EQ(store.Object(3, 2), &marker);
  store.RemoveRowList({0, 2});
  EXPECT_TRUE(store.Text(0, 2).isEmpty());
  EXPECT_EQ(store.Object(3, 1), nullptr);
}

namespace {
class TCountingGrid : public TQrvStringGrid {
 public:
  void CellChanged(int32_t c, int32_t r) override { Changed.push_back(TPoint{c, r}); }
  void GetDefaultCellProps(int32_t c, int32_t r, TFont& font, TBrush& brush, TColor& colorTo, TColor& mirror,
                           TColor& mirrorTo, TAlignment& h, TVAlignment& v, bool& wrap,
                           TCellGradientDirection& dir) override {
    TQrvStringGrid::GetDefaultCellProps(c, r, font, brush, colorTo, mirror, mirrorTo, h, v, wrap, dir);
    brush.Color = ColumnColor;
    h = taRightJustify;
  }
  std::vector<TPoint> Changed;
  TColor ColumnColor = clYellow;
};
}  // namespace

TEST(BaseGrid, CellChangedFiresOnlyForCellsWithProperties) {
  TCountingGrid grid;
  grid.SetCells(2, 2, QStringLiteral("a"));
  EXPECT_TRUE(grid.Changed.empty());
  grid.GetCellProperties(2, 2);
  grid.SetCells(2, 2, QStringLiteral("b"));
  grid.SetCells(2, 2, QStringLiteral("c"));
  ASSERT_EQ(grid.Changed.size(), 2u);
  EXPECT_EQ(grid.Changed[0], (TPoint{2, 2}));
}

TEST(BaseGrid, PropertiesSnapshotTheDefaultLooksAtFirstAccess) {
  TCountingGrid grid;
  grid.ColumnColor = clRed;
  TCellProperties* q = grid.GetCellProperties(2, 3);
  EXPECT_EQ(q->BrushColor(), clRed);
  EXPECT_EQ(q->Alignment(), taRightJustify);
  grid.ColumnColor = clBlue;
  EXPECT_EQ(grid.GetCellProperties(2, 3)->BrushColor(), clRed);
  EXPECT_EQ(q->OwnerCol(), 2);
  EXPECT_EQ(q->OwnerRow(), 3);
  EXPECT_EQ(q->CellSpanX(), -1);
  EXPECT_TRUE(q->IsBaseCell());
  TQrvStringGrid plain;
  EXPECT_EQ(plain.GetCellProperties(0, 0)->BrushColor(), clNone);  // fixed cells start without a brush colour
  EXPECT_EQ(plain.GetCellProperties(2, 2)->BrushColor(), clWindow);
  EXPECT_TRUE(plain.HasCellProps());
}

TEST(BaseGrid, NewCellPropertiesTakeTheGridsLooksNotBuiltInOnes) {
  TQrvStringGrid grid;
  grid.SetColor(0x00FFFF);
  TFont font = grid.Font();
  font.Color = clRed;
  font.SetSize(13);
  grid.SetFont(font);
  // A control added to a cell is what creates its properties most often.
  grid.AddButton(2, 2, 20, 10, "Go", haLeft, vaTop);
  grid.AddCheckBox(3, 2, false, false);
  for (const int32_t c : {2, 3}) {
    const TCellProperties* p = grid.GetCellProperties(c, 2);
    EXPECT_EQ(p->BrushColor(), 0x00FFFF) << c;
    EXPECT_EQ(p->FontColor(), clRed) << c;
    EXPECT_EQ(p->FontSize(), 13) << c;
  }
}

TEST(BaseGrid, ObjectExKeepsEmptyCellsEmptyAndCreatesNothingOnRead) {
  TQrvStringGrid grid;
  EXPECT_EQ(grid.GetObjectEx(3, 3), 0u);
  EXPECT_FALSE(grid.HasCellProperties(3, 3));
  grid.SetObjectEx(3, 3, 42);
  EXPECT_EQ(grid.GetObjectEx(3, 3), 42u);
  EXPECT_TRUE(grid.Cells(3, 3).isEmpty());
  grid.SetCells(2, 2, QStringLiteral("keep"));
  grid.SetObjectEx(2, 2, 7);
  EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("keep"));
  EXPECT_FALSE(grid.HasCellProperties(9, 3));  // outside the grid: a plain cell
  EXPECT_FALSE(grid.HasCellProperties(2, 10));
}

TEST(BaseGrid, MergedBlockEncodingAndQueries) {
  TQrvStringGrid grid;
  grid.MergeCells(2, 1, 3, 2);
  const TCellProperties* base = grid.GetCellProperties(2, 1);
  EXPECT_EQ(base->CellSpanX(), 2);
  EXPECT_EQ(base->CellSpanY(), 1);
  EXPECT_TRUE(base->IsBaseCell());
  const TCellProperties* member = grid.GetCellProperties(4, 2);
  EXPECT_EQ(member->CellSpanX(), 2);
  EXPECT_EQ(member->CellSpanY(), 1);
  EXPECT_FALSE(member->IsBaseCell());
  EXPECT_EQ(grid.BaseCell(4, 2), (TPoint{2, 1}));
  EXPECT_EQ(grid.CellExt(3, 1), (TPoint{1, 1}));
  EXPECT_EQ(grid.CellSpan(3, 2), (TPoint{2, 1}));
  EXPECT_EQ(grid.FullCell(3, 2), (TGridRect{2, 1, 4, 2}));
  EXPECT_TRUE(grid.IsMergedNonBaseCell(3, 2));
  EXPECT_TRUE(grid.IsXMergedCell(4, 2));
  int32_t bc = 0, br = 0;
  EXPECT_FALSE(grid.FindBaseCell(4, 2, bc, br));
  EXPECT_EQ(bc, 2);
  EXPECT_EQ(br, 1);
  EXPECT_EQ(grid.MergeCount(), 1);
  // Any member reads and writes the base cell's text.
  grid.SetCells(4, 2, QStringLiteral("block"));
  EXPECT_EQ(grid.GetGridCell(2, 1), QStringLiteral("block"));
  EXPECT_EQ(grid.Cells(3, 1), QStringLiteral("block"));
  EXPECT_TRUE(grid.GetGridCell(4, 2).isEmpty());
  EXPECT_EQ(grid.MinRowSpan(1), 1);
  EXPECT_EQ(grid.MaxRowSpan(1), 1);
  grid.SplitCells(3, 2);
  EXPECT_FALSE(grid.IsMergedCell(2, 1));
  EXPECT_EQ(grid.BaseCell(4, 2), (TPoint{4, 2}));
  EXPECT_EQ(grid.MergeCount(), 0);
}

TEST(BaseGrid, ZeroSpanMergeAndPlainSplitOnlyCount) {
  TQrvStringGrid grid;
  grid.MergeCells(1, 1, 0, 2);
  EXPECT_EQ(grid.MergeCount(), 1);
  EXPECT_FALSE(grid.HasCellProperties(1, 1));
  grid.SplitCells(3, 3);
  EXPECT_TRUE(grid.HasCellProperties(3, 3));
  EXPECT_EQ(grid.MergeCount(), 0);
}

TEST(BaseGrid, ColumnSpansIdentical) {
  TQrvStringGrid grid;
  grid.MergeCells(1, 2, 2, 1);  // columns 1 and 2 share a block in row 2
  EXPECT_TRUE(grid.ColSpanIdentical(1, 2));
  grid.MergeCells(3, 4, 2, 1);  // a block in column 3 only (with 4): columns 2 and 3 differ in row 4
  EXPECT_FALSE(grid.ColSpanIdentical(2, 3));
  grid.SetRowCount(12);
  grid.MergeCells(1, 5, 1, 3);
  grid.MergeCells(3, 5, 1, 2);
  grid.MergeCells(3, 7, 1, 2);
  EXPECT_TRUE(grid.RowSpanIdentical(5, 6));
  EXPECT_FALSE(grid.RowSpanIdentical(6, 7));   // column 3 starts a new block in row 7
  EXPECT_FALSE(grid.RowSpanIdentical(9, 10));  // no merged column at all
}

TEST(BaseGrid, WideDisplayHookWorksOnDecodedText) {
  TQrvStringGrid grid;
  QString received;
  grid.OnGetDisplWideText = [&](TBaseGrid*, int32_t, int32_t, QString& value) {
    received = value;
    value += QStringLiteral("B");
  };
  QString stored = QStringLiteral("|\\");
  stored += QChar(0);
  stored += QChar(65);
  grid.SetCells(1, 1, stored);
  const QString shown = grid.Cells(1, 1);
  EXPECT_EQ(received, QStringLiteral("A"));
  QString expected = QStringLiteral("|\\");
  for (QChar ch : {QChar(0), QChar(65), QChar(0), QChar(66)}) expected += ch;
  EXPECT_EQ(shown, expected);
  grid.SetCells(2, 1, QStringLiteral("C"));
  EXPECT_TRUE(grid.Cells(2, 1).startsWith(QStringLiteral("|\\")));
}

TEST(BaseGrid, DisplayHookOnlyBelowNormalRowCount) {
  TQrvStringGrid grid;
  grid.OnGetDisplText = [](TBaseGrid*, int32_t, int32_t, QString& v) { v = v.toUpper(); };
  grid.SetCells(1, 2, QStringLiteral("abc"));
  EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("ABC"));
  grid.SetNormalRowCount(2);
  EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("abc"));
  EXPECT_EQ(grid.GetGridCell(1, 2), QStringLiteral("abc"));
}

// A plain cell, a cell that only has properties and every cell of a merged block each take their own path to the
// display hook; the hook must see the cell whose text is shown, and only once per read.
TEST(BaseGrid, DisplayHookSeesTheCellWhoseTextIsShown) {
  TQrvStringGrid grid;
  std::vector<TPoint> seen;
  grid.OnGetDisplText = [&](TBaseGrid*, int32_t c, int32_t r, QString& v) {
    seen.push_back({c, r});
    v += QStringLiteral("!");
  };
  grid.SetCells(1, 1, QStringLiteral("plain"));
  grid.SetCells(1, 2, QStringLiteral("props"));
  grid.GetCellProperties(1, 2)->SetBrushColor(0x00FF00);
  grid.MergeCells(2, 3, 2, 2);
  grid.SetCells(2, 3, QStringLiteral("block"));
  struct Case {
    TPoint cell, shownFrom;
    const char* text;
  };
  for (const Case& k :
       {Case{{1, 1}, {1, 1}, "plain!"}, Case{{1, 2}, {1, 2}, "props!"}, Case{{2, 3}, {2, 3}, "block!"},
        Case{{3, 4}, {2, 3}, "block!"}, Case{{3, 3}, {2, 3}, "block!"}, Case{{4, 4}, {4, 4}, "!"}}) {
    seen.clear();
    EXPECT_EQ(grid.Cells(k.cell.X, k.cell.Y), QString::fromLatin1(k.text)) << k.cell.X << "," << k.cell.Y;
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], k.shownFrom);
  }
}

TEST(BaseGrid, WritingAMergedCellRepaintsTheWholeBlock) {
  TQrvStringGrid grid;
  TRecordingHost host;
  grid.SetHost(&host);
  grid.MergeCells(1, 1, 2, 2);
  host.Rects.clear();
  grid.SetCells(2, 2, QStringLiteral("x"));
  ASSERT_FALSE(host.Rects.empty());
  const TRect r = host.Rects.back();
  EXPECT_EQ(r.Width(), grid.ColWidths(1) + grid.ColWidths(2));
  EXPECT_EQ(r.Height(), grid.RowHeights(1) + grid.RowHeights(2));
  grid.SetHost(nullptr);
}

TEST(BaseGrid, GraphicsOfTheGridsOwnClassGoWithTheProperties) {
  TObject foreign;
  {
    TQrvStringGrid grid;
    grid.SetGraphicObjectEx(1, 1, new TCellGraphic);
    grid.SetGraphicObjectEx(2, 2, &foreign);  // not owned: must survive
    grid.SetGridObject(3, 3, &foreign);       // a raw slot value is never freed by the grid
    grid.SetRowCount(50);
    grid.GetCellProperties(1, 45);
    grid.SetRowCount(10);  // the properties beyond the count go with the grid too
  }
  SUCCEED();  // the sanitizers report a leak or a wrong free
}

// Left and Up inside a merged block step to the cell before the block and never past column 0 or row 0.
// The plain base grid lets the current cell rest on any member of a block; Left and Up from such a member step to
// the cell just before the block, never past column 0 or row 0.
TEST(BaseGrid, LeftAndUpFromANonBaseMemberLandJustBeforeTheBlock) {
  const struct {
    TPoint base, span, current;
    uint16_t key;
    TPoint expected;
  } cases[] = {
      {{1, 2}, {3, 1}, {3, 2}, VK_LEFT, {0, 2}},  // block at column 1: column 0
      {{1, 2}, {3, 1}, {2, 2}, VK_LEFT, {0, 2}},
      {{2, 1}, {1, 3}, {2, 3}, VK_UP, {2, 0}},  // block at row 1: row 0
      {{2, 1}, {2, 2}, {3, 2}, VK_UP, {3, 0}},
      {{2, 2}, {3, 1}, {4, 2}, VK_LEFT, {1, 2}},  // further in: the column before the block
      {{2, 2}, {1, 3}, {2, 4}, VK_UP, {2, 1}},
      {{1, 1}, {2, 2}, {2, 2}, VK_LEFT, {0, 2}},  // both ways from the far corner: the row or column stays
      {{1, 1}, {2, 2}, {2, 2}, VK_UP, {2, 0}},
  };
  for (const auto& k : cases) {
    TBaseGrid grid;
    grid.SetColCount(7);
    grid.SetRowCount(7);
    grid.SetFixedCols(0);
    grid.SetFixedRows(0);
    grid.MergeCells(k.base.X, k.base.Y, k.span.X, k.span.Y);
    grid.SetCol(k.current.X);
    grid.SetRow(k.current.Y);
    ASSERT_EQ(grid.Col(), k.current.X);
    ASSERT_EQ(grid.Row(), k.current.Y);
    uint16_t key = k.key;
    grid.KeyDown(key, TShiftState{});
    EXPECT_EQ(grid.Col(), k.expected.X) << "from " << k.current.X << "," << k.current.Y << " key " << k.key;
    EXPECT_EQ(grid.Row(), k.expected.Y) << "from " << k.current.X << "," << k.current.Y << " key " << k.key;
  }
}

TEST(BaseGrid, LeftAndUpFromAMergedBlockStayInsideTheGrid) {
  struct TCase {
    TPoint block;
    uint16_t key;
    TPoint expected;
  };
  const TCase cases[] = {
      {{0, 0}, VK_LEFT, {0, 0}}, {{0, 0}, VK_UP, {0, 0}},   {{0, 2}, VK_LEFT, {0, 2}}, {{0, 2}, VK_UP, {0, 1}},
      {{2, 0}, VK_UP, {2, 0}},   {{2, 0}, VK_LEFT, {1, 0}}, {{2, 2}, VK_LEFT, {1, 2}}, {{2, 2}, VK_UP, {2, 1}},
  };
  for (const TCase& test : cases) {
    TQrvStringGrid grid;
    grid.SetColCount(6);
    grid.SetRowCount(6);
    grid.SetFixedCols(0);
    grid.SetFixedRows(0);
    grid.MergeCells(test.block.X, test.block.Y, 2, 2);
    grid.SetCol(test.block.X);
    grid.SetRow(test.block.Y);
    uint16_t key = test.key;
    grid.KeyDown(key, TShiftState{});
    EXPECT_EQ(grid.Col(), test.expected.X) << test.block.X << "," << test.block.Y << " key " << test.key;
    EXPECT_EQ(grid.Row(), test.expected.Y) << test.block.X << "," << test.block.Y << " key " << test.key;
  }
}

// The base grid alone, starting on a member of a block that is not its base cell.
TEST(BaseGrid, LeftAndUpFromInsideABlockNextToColumnOrRowZero) {
  struct TCase {
    TPoint block, start;
    uint16_t key;
    TPoint expected;
  };
  const TCase cases[] = {
      {{1, 1}, {2, 2}, VK_LEFT, {0, 2}}, {{1, 1}, {2, 2}, VK_UP, {2, 0}}, {{0, 1}, {1, 2}, VK_LEFT, {0, 1}},
      {{1, 0}, {2, 1}, VK_UP, {1, 0}},   {{1, 1}, {1, 2}, VK_UP, {1, 0}}, {{1, 1}, {2, 1}, VK_LEFT, {0, 1}},
  };
  for (const TCase& test : cases) {
    SCOPED_TRACE(testing::Message() << "block " << test.block.X << "," << test.block.Y << " from " << test.start.X
                                    << "," << test.start.Y << " key " << test.key);
    TBaseGrid grid;
    grid.SetColCount(5);
    grid.SetRowCount(5);
    grid.SetFixedCols(0);
    grid.SetFixedRows(0);
    grid.MergeCells(test.block.X, test.block.Y, 2, 2);
    grid.SetCol(test.start.X);
    grid.SetRow(test.start.Y);
    ASSERT_EQ(grid.Col(), test.start.X);
    ASSERT_EQ(grid.Row(), test.start.Y);
    uint16_t key = test.key;
    grid.KeyDown(key, TShiftState{});
    EXPECT_EQ(grid.Col(), test.expected.X);
    EXPECT_EQ(grid.Row(), test.expected.Y);
  }
}

// The first scrollable column (row) is the left (top) one shown while the view is not scrolled, whatever the fixed
// count becomes; a scrolled view keeps its place unless it would start among the fixed ones.
TEST(BaseGrid, FixedCountChangesKeepTheFirstScrollableCellInView) {
  const struct {
    const char* what;
    int32_t scrolled_to;  // left column and top row before the change; 1 is the unscrolled view of one fixed
    int32_t fixed;
    int32_t expected;
  } cases[] = {
      {"unscrolled, no fixed left", 1, 0, 0},
      {"unscrolled, three fixed", 1, 3, 3},
      {"scrolled, no fixed left", 4, 0, 4},
      {"scrolled past fewer fixed", 4, 2, 4},
      {"scrolled, more fixed than the scroll", 4, 6, 6},
  };
  for (const auto& k : cases) {
    TQrvStringGrid grid;
    grid.SetColCount(10);
    grid.SetRowCount(10);
    grid.SetLeftCol(k.scrolled_to);
    grid.SetTopRow(k.scrolled_to);
    ASSERT_EQ(grid.LeftCol(), k.scrolled_to) << k.what;
    grid.SetFixedCols(k.fixed);
    grid.SetFixedRows(k.fixed);
    EXPECT_EQ(grid.LeftCol(), k.expected) << k.what;
    EXPECT_EQ(grid.TopRow(), k.expected) << k.what;
  }
}
