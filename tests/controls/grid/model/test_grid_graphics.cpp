// Cell graphics: one object per cell, the Add/Has/Get/Remove families, ownership, picture sizes.
#include <gtest/gtest.h>

#include <QBuffer>

#include "UColumnSize.h"
#include "UQrvStringGrid.h"
#include "URenderMarkup.h"

namespace {
struct GraphicFixture : ::testing::Test {
  void SetUp() override {
    grid.SetColCount(4);
    grid.SetRowCount(4);
  }
  TQrvStringGrid grid;
};

// Counts its own destruction, to see who frees it.
struct Tracked : TObject {
  explicit Tracked(int& n) : count(n) {}
  ~Tracked() override { ++count; }
  int& count;
};
}  // namespace

TEST_F(GraphicFixture, AnAddReplacesWhateverTheCellHeld) {
  grid.CreateBitmap(1, 1, false, haLeft, vaTop);
  EXPECT_TRUE(grid.HasBitmap(1, 1));
  QString comment;
  grid.SetComment(1, 1, "ignored");  // a bitmap cell takes no comment
  EXPECT_FALSE(grid.IsComment(1, 1, comment));
  grid.AddComment(1, 1, "note");
  EXPECT_FALSE(grid.HasBitmap(1, 1));
  EXPECT_TRUE(grid.IsComment(1, 1, comment));
  EXPECT_EQ(comment, "note");
  EXPECT_EQ(grid.GetCellType(1, 1), ctComment);
  EXPECT_EQ(grid.GetCellGraphic(1, 1)->CellIndex(), 0x0000FF);
  grid.SetComment(2, 2, "new");  // a plain cell gets one
  EXPECT_EQ(grid.GetComment(2, 2), "new");
  grid.RemoveAllComments();
  EXPECT_EQ(grid.GetCellType(1, 1), ctEmpty);
  EXPECT_EQ(grid.GetCellType(2, 2), ctEmpty);
}

TEST_F(GraphicFixture, CreatedObjectsAreFreedAndCallersObjectsKept) {
  TBitmap own;
  grid.AddBitmap(1, 1, &own, true, haLeft, vaTop);
  EXPECT_EQ(grid.GetBitmap(1, 1), &own);
  grid.RemoveBitmap(1, 1);  // the caller's bitmap survives (ASan would see a free of a stack object)
  int freed = 0;
  auto* outside = new Tracked(freed);
  grid.AddInterfacedCell(2, 2, outside);
  EXPECT_EQ(grid.GetInterfacedCell(2, 2), outside);
  grid.RemoveInterfacedCell(2, 2);
  EXPECT_EQ(freed, 0);
  delete outside;
  // Created objects go with the cell; LeakSanitizer reports any that stay.
  grid.CreatePicture(1, 2, false, Stretch, 0, haLeft, vaTop);
  grid.CreateIcon(1, 3, haLeft, vaTop);
  grid.CreateBitButton(2, 1, 20, 10, "b", haLeft, vaTop)->SetSize(4, 4);
  grid.AddMultiImage(3, 1, 0, haLeft, vaTop)->Add(3);
  grid.AddBalloon(3, 2, "t", "x", biInfo);
  grid.CreateFilePicture(3, 3, false, noStretch, 0, haLeft, vaTop);
  grid.CreatePicture(1, 2, false, Stretch, 0, haLeft, vaTop);  // replaces and frees the first
}

TEST_F(GraphicFixture, RemoveFamiliesMatchTheirKindOnly) {
  grid.AddButton(1, 1, 40, 20, "go", haLeft, vaTop);
  grid.RemoveBitButton(1, 1);
  EXPECT_TRUE(grid.HasButton(1, 1));
  EXPECT_EQ(grid.GetCellGraphic(1, 1)->CellIndex(), (20 << 16) | 40);
  grid.AddBitButton(2, 1, 10, 10, "bb", nullptr, haLeft, vaTop);
  grid.RemoveButton(2, 1);
  EXPECT_FALSE(grid.HasButton(2, 1));
  grid.SetButtonText(1, 1, "stop");
  EXPECT_EQ(grid.GetButtonText(1, 1), "stop");
  grid.RemoveAllButtons();
  EXPECT_FALSE(grid.HasButton(1, 1));
  EXPECT_EQ(grid.GetShapeColor(1, 1), clNone);
  grid.AddShape(1, 1, csCircle, 0x00FF00, 0, haLeft, vaTop);
  grid.SetShapeColor(1, 1, 0x123456);
  EXPECT_EQ(grid.GetShapeColor(1, 1), 0x123456u);
  EXPECT_FALSE(grid.RemoveCellGraphic(3, 3));
}

TEST_F(GraphicFixture, MarkersShareTheFieldsOfTheKindTheyMeet) {
  grid.AddProgress(1, 1, 0x00FF00, 0xFFFFFF);
  const TCellGraphic* g = grid.GetCellGraphic(1, 1);
  EXPECT_EQ(g->CellErrFrom(), 0);
  EXPECT_EQ(g->CellErrLen(), 100);
  EXPECT_TRUE(grid.HasProgress(1, 1));
  grid.AddMarker(1, 1, 3, 4);
  EXPECT_EQ(g->CellErrLen(), 4);
  grid.RemoveMarker(1, 1);
  EXPECT_EQ(g->CellErrFrom(), 0);
  EXPECT_EQ(g->CellErrLen(), 0);
  EXPECT_EQ(grid.GetCellType(1, 1), ctProgress);
  grid.AddMarker(2, 2, 1, 2);
  int32_t pos = 0, len = 0;
  grid.GetMarker(2, 2, pos, len);
  EXPECT_EQ(pos, 1);
  EXPECT_EQ(len, 2);
  grid.RemoveAllMarkers();
  EXPECT_EQ(grid.GetCellGraphic(2, 2), nullptr);
}

TEST_F(GraphicFixture, BalloonOnARadioButtonIsAttached) {
  grid.AddRadioButton(1, 1, true);
  grid.AddBalloon(1, 1, "Title", "Text", biWarning);
  EXPECT_TRUE(grid.HasRadioButton(1, 1));
  EXPECT_FALSE(grid.HasBalloon(1, 1));
  QString title, text;
  TBalloonIcon icon = biNone;
  EXPECT_TRUE(grid.IsBalloon(1, 1, title, text, icon));
  EXPECT_EQ(title, "Title");
  EXPECT_EQ(text, "Text");
  EXPECT_EQ(icon, biWarning);
  grid.RemoveBalloon(1, 1);
  EXPECT_FALSE(grid.IsBalloon(1, 1, title, text, icon));
  EXPECT_TRUE(grid.HasRadioButton(1, 1));
  grid.AddBalloon(1, 1, "again", "x", biInfo);  // freed with the radio button
}

TEST_F(GraphicFixture, CreateCellGraphicKeepsAnEmptyCellEmpty) {
  int writes = 0;
  grid.OnCellsChanged = [&](TQrvStringGrid*, const TRect&) { ++writes; };
  grid.CreateCellGraphic(1, 1);
  EXPECT_TRUE(grid.Cells(1, 1).isEmpty());
  grid.AddDataImage(2, 2, 7, haLeft, vaTop);
  EXPECT_EQ(grid.Cells(2, 2), "7");
  EXPECT_TRUE(grid.HasDataImage(2, 2));
  EXPECT_TRUE(grid.IsDataDrivenCell(2, 2));
  grid.RemoveDataImage(2, 2);
  EXPECT_TRUE(grid.Cells(2, 2).isEmpty());
}

TEST_F(GraphicFixture, ExpandCellsToggleAndReportTheirHeights) {
  grid.SetRowHeights(1, 30);
  grid.AddExpand(1, 1, 90);
  EXPECT_FALSE(grid.GetExpandState(1, 1));
  EXPECT_TRUE(grid.ToggleExpand(1, 1));
  EXPECT_EQ(grid.GetExpandHeight(1, 1, true), 90);
  EXPECT_EQ(grid.GetExpandHeight(1, 1, false), 30);
  EXPECT_EQ(grid.GetExpandHeight(2, 2, true), grid.DefaultRowHeight());
}

TEST(CellGraphic, AngleIsBroughtIntoRange) {
  TCellGraphic g;
  const std::pair<int32_t, int32_t> cases[] = {{-90, 270}, {720, 360}, {45, 45}, {-720, 0}};
  for (auto [in, out] : cases) {
    g.SetAngle(in);
    EXPECT_EQ(g.CellAngle(), out) << in;
    EXPECT_EQ(g.CellType(), ctRotated);
  }
}

TEST(CellGraphic, PictureSizeByStretchMode) {
  TPicture picture;
  QImage image(200, 100, QImage::Format_RGB32);
  image.fill(Qt::white);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  picture.ReadData(bytes);
  ASSERT_EQ(picture.Width(), 200);
  TCellGraphic g;
  const std::pair<TStretchMode, TPoint> cases[] = {{StretchWithAspectRatio, {100, 50}},
                                                   {ShrinkWithAspectRatio, {100, 50}},
                                                   {Stretch, {100, 100}},
                                                   {Shrink, {100, 100}},
                                                   {noStretch, {200, 100}}};
  for (auto [mode, size] : cases) {
    g.SetPicture(&picture, false, mode, 0, haLeft, vaTop);
    const TPoint p = g.GetPictureSize(100, 100, false);
    EXPECT_EQ(p.X, size.X) << mode;
    EXPECT_EQ(p.Y, size.Y) << mode;
  }
  g.SetPicture(&picture, false, Stretch, 10, haLeft, vaTop);
  EXPECT_EQ(g.GetPictureSize(100, 100, false).X, 90);
  g.SetPicture(nullptr, false, noStretch, 0, haLeft, vaTop);  // the picture stays the caller's
}

TEST_F(GraphicFixture, ContentSizeOfControlsAndGroups) {
  grid.AddCheckBox(1, 1, true, false);
  grid.SetCells(1, 1, "a long text beside the box");
  EXPECT_EQ(grid.MeasureCellContent(1, 1, 0), (TPoint{15, 15}));
  grid.AddRadioButton(1, 2, false);
  EXPECT_EQ(grid.GetCellGraphicSize(1, 2), (TPoint{10, 10}));
  const int32_t th = grid.MeasureCellText("gh").cy;
  ASSERT_GT(th, 0);
  *grid.CreateRadio(2, 1, 0, 0) << "one"
                                << "two"
                                << "three";
  const int32_t widest = grid.MeasureCellText("three").cx;
  EXPECT_EQ(grid.MeasureCellContent(2, 1, 0), (TPoint{12 + widest, 3 * std::max(16, th)}));
  EXPECT_EQ(grid.MeasureCellLayout(2, 1, 100, 100, 1.0), (TPoint{12 + widest, 3 * th}));
  grid.AddRating(3, 1, 5, 0, 0);  // full width is not applied to a rating
  EXPECT_EQ(grid.MeasureCellContent(3, 1, 0), (TPoint{90, 16}));
  EXPECT_EQ(grid.MeasureCellLayout(3, 1, 100, 100, 1.0), (TPoint{0, 0}));
  EXPECT_EQ(grid.MeasureCellContent(0, 3, 0), (TPoint{0, 0}));
}

TEST_F(GraphicFixture, ContentSizeOfButtonsFollowsTextAndAlignment) {
  grid.AddButton(1, 1, 40, 20, "Go", haLeft, vaTop);
  EXPECT_EQ(grid.MeasureCellContent(1, 1, 0), (TPoint{40, 20}));
  grid.SetCells(1, 1, "text");
  EXPECT_EQ(grid.MeasureCellContent(1, 1, 0), (TPoint{40, 0}));
  grid.AddButton(1, 2, 40, 20, "Go", haFull, vaTop);
  EXPECT_EQ(grid.MeasureCellContent(1, 2, 0).X, grid.MeasureCellText("Go").cx + 4);
  grid.AddButton(2, 2, 40, 20, "Go", haLeft, vaFull);
  EXPECT_EQ(grid.MeasureCellContent(2, 2, 0).Y, grid.RowHeights(2));
  EXPECT_EQ(grid.MeasureCellLayout(1, 1, 0, 0, 1.0), (TPoint{40, 20}));
}

TEST_F(GraphicFixture, PictureContentUsesTheCellLessItsOffsets) {
  grid.SetColWidths(1, 105);
  grid.SetRowHeights(1, 55);
  TPicture* picture = grid.CreatePicture(1, 1, false, Stretch, 0, haLeft, vaTop);
  (void)picture;
  EXPECT_EQ(grid.MeasureCellContent(1, 1, 0), (TPoint{105 - 4 - 1, 55 - 4 - 1}));
  EXPECT_EQ(grid.MeasureCellContent(1, 1, 3), (TPoint{100, 47}));
  EXPECT_EQ(grid.MeasureCellLayout(1, 1, 100, 50, 2.0), (TPoint{50, 25}));
}

TEST(CellGraphicSizes, ImageListKindsUseTheGridsImageSize) {
  TQrvStringGrid grid;
  grid.SetColCount(3);
  grid.AddImageIdx(1, 1, 0, haLeft, vaTop);
  EXPECT_EQ(grid.MeasureCellContent(1, 1, 0), (TPoint{0, 0})) << "no image list, no room";
  TMarkupImageList list(16, 12);
  grid.GridImages = &list;
  grid.AddImageIdx(1, 1, 0, haLeft, vaTop);
  EXPECT_EQ(grid.MeasureCellContent(1, 1, 0), (TPoint{16, 12}));
  grid.SetCells(1, 1, "text");  // an image left of the text takes no width of its own, nor height
  EXPECT_EQ(grid.MeasureCellContent(1, 1, 0), (TPoint{0, 0}));
  grid.AddImageIdx(1, 1, 0, haBeforeText, vaTop);
  EXPECT_EQ(grid.MeasureCellContent(1, 1, 0), (TPoint{16, 0}));
  TIntList* images = grid.AddMultiImage(2, 1, 0, haLeft, vaTop);
  images->Add(1);
  images->Add(2);
  EXPECT_EQ(grid.MeasureCellContent(2, 1, 0), (TPoint{32, 12}));
  grid.AddMultiImage(2, 2, 1, haLeft, vaTop)->Add(1);
  EXPECT_EQ(grid.MeasureCellLayout(2, 2, 0, 0, 1.0), (TPoint{16, 12}));
}

TEST_F(GraphicFixture, ScrollBarsImageKeysAndButtonRectangles) {
  grid.AddScrollBar(1, 1, false);
  EXPECT_EQ(grid.GetScrollProp(1, 1), (TScrollProp{0, 100}));
  grid.SetScrollPosition(1, 1, 30);
  grid.SetScrollProp(1, 1, {10, 200});
  EXPECT_EQ(grid.GetScrollPosition(1, 1), 30);
  EXPECT_EQ(grid.GetScrollProp(1, 1), (TScrollProp{10, 200}));
  EXPECT_FALSE(grid.HasAutoRangeScrollBar(1, 1));
  EXPECT_EQ(grid.GetScrollPosition(2, 2), -1);
  EXPECT_EQ(grid.GetScrollProp(2, 2), (TScrollProp{-1, -1}));

  TBitmap a, b;
  grid.AddBitmap(1, 2, &a, false, haLeft, vaTop);
  grid.AddBitmap(2, 2, &b, false, haLeft, vaTop);
  grid.AddImageIdx(3, 2, 5, haLeft, vaTop);
  EXPECT_NE(grid.GetCellImageKey(1, 2), grid.GetCellImageKey(2, 2));
  EXPECT_EQ(grid.GetCellImageKey(3, 2), 5);
  EXPECT_EQ(grid.GetCellImageKey(1, 1), -1);

  grid.AddButton(1, 3, 30, 12, "b", haLeft, vaTop);
  grid.GetCellGraphic(1, 3)->SetCellValue((4 << 16) | 6);  // painting stores the offset
  const TRect cell = grid.CellRect(1, 3);
  EXPECT_EQ(grid.GetCellButtonRect(1, 3), (TRect{cell.Left + 6, cell.Top + 4, cell.Left + 36, cell.Top + 16}));
  EXPECT_EQ(grid.GetCellButtonRect(2, 3), TRect{});
  grid.AddExpand(2, 3, 60);
  const TRect e = grid.CellRect(2, 3);
  grid.GetCellGraphic(2, 3)->SetCellValue((2 << 16) | 0xFFFD);  // drawn 3 pixels left of a narrow cell
  EXPECT_EQ(grid.ExpandButtonRect(2, 3), (TRect{e.Left - 3, e.Top + 2, e.Left + 10, e.Top + 15}));
  EXPECT_EQ(grid.ExpandButtonRect(1, 3), TRect{});
}

TEST(ColumnSize, DefaultsAssignAndTheStretchNotice) {
  TColumnSize size(nullptr);
  EXPECT_FALSE(size.Save());
  EXPECT_EQ(size.StretchColumn(), -1);
  EXPECT_EQ(size.Location(), clRegistry);
  EXPECT_EQ(size.Rows(), arAll);
  int stretched = 0;
  size.OnStretch = [&](TGridPersistent*) { ++stretched; };
  size.SetStretch(true);
  EXPECT_EQ(stretched, 1);
  TColumnSize copy(nullptr);
  size.SetKey("k");
  size.SetRows(arNormal);
  copy.Assign(&size);
  EXPECT_TRUE(copy.Stretch());
  EXPECT_EQ(copy.Key(), "k");
  EXPECT_EQ(copy.Rows(), arNormal);
  TMouseActions other(nullptr);
  copy.Assign(&other);  // another kind of settings: nothing
  EXPECT_EQ(copy.Key(), "k");
}

namespace {

TEST(GridGraphics, SortIndicatorCellsLieInTheSortRowAndBelowMergedHeaders) {
  const struct {
    const char* name;
    bool show;
    int32_t fixedRows, rowCount, sortRow;
    bool mergeHeader;  // cell (1, 0) spans rows 0 and 1
    int32_t c, r;
    bool expected;
  } cases[] = {
      {"the sort row", true, 1, 4, 0, false, 1, 0, true},
      {"a normal row", true, 1, 4, 0, false, 1, 1, false},
      {"indicators off", false, 1, 4, 0, false, 1, 0, false},
      {"a single normal row", true, 1, 2, 0, false, 1, 0, false},
      {"a merged header above the sort row", true, 2, 5, 1, true, 1, 0, true},
      {"a plain header above the sort row", true, 2, 5, 1, true, 2, 0, false},
      {"the sort row beside a merged header", true, 2, 5, 1, true, 2, 1, true},
  };
  for (const auto& k : cases) {
    TQrvStringGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(k.rowCount);
    grid.SetFixedRows(k.fixedRows);
    if (k.mergeHeader) grid.MergeCells(1, 0, 1, 2);
    grid.SortSettings.Show = k.show;
    grid.SortSettings.Row = k.sortRow;
    EXPECT_EQ(grid.IsSortIndicatorCell(k.c, k.r), k.expected) << k.name;
  }
}

TEST(GridGraphics, PickerHooksReportTheCurrentCell) {
  TQrvStringGrid grid;
  grid.SetColCount(5);
  grid.SetRowCount(5);
  grid.SetCol(3);
  grid.SetRow(2);
  grid.ColorSelect(0x00FF00, QStringLiteral("clLime"));  // no handler: nothing happens
  QString seen;
  grid.OnColorSelect = [&](TQrvStringGrid*, int32_t c, int32_t r, TColor color, const QString& value) {
    seen = QStringLiteral("%1,%2 %3 %4").arg(c).arg(r).arg(color, 6, 16, QLatin1Char('0')).arg(value);
  };
  grid.OnImageSelect = [&](TQrvStringGrid*, int32_t c, int32_t r, int32_t index) {
    seen = QStringLiteral("%1,%2 image %3").arg(c).arg(r).arg(index);
  };
  grid.ColorSelect(0x00FF00, QStringLiteral("clLime"));
  EXPECT_EQ(seen, QStringLiteral("3,2 00ff00 clLime"));
  grid.ImageSelect(7);
  EXPECT_EQ(seen, QStringLiteral("3,2 image 7"));
}

}  // namespace
