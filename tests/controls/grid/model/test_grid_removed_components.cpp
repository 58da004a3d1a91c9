// Objects a grid uses without owning them: once their owner destroys them the grid reads none and goes on
// working without them.
#include <gtest/gtest.h>

#include <QImage>
#include <memory>

#include "GridPixels.h"
#include "GridTestMenu.h"
#include "UQrvColumnGrid.h"
#include "UQrvStringGrid.h"
#include "URenderMarkup.h"

namespace {

TEST(GridRemovedComponents, AnImageListDestroyedIsForgotten) {
  TQrvStringGrid grid;
  SetUpSmallGrid(grid);
  auto list = std::make_unique<TMarkupImageList>(8, 6);
  QImage red(8, 6, QImage::Format_RGB32);
  red.fill(qRgb(0xE0, 0x10, 0x10));
  list->Add(red);
  grid.GridImages = list.get();
  grid.AddImageIdx(1, 1, 0, haLeft, vaTop);
  grid.SetCol(4);  // keep the cell out of the selection
  const auto redPixels = [&] {
    const QImage shot = PaintedShot(grid, 200, 100);
    return CountPixels(shot, grid.CellRect(1, 1), [](QRgb p) { return p == qRgb(0xE0, 0x10, 0x10); });
  };
  int32_t idx = -1;
  EXPECT_TRUE(grid.GetImageIdx(1, 1, idx));
  EXPECT_EQ(grid.CellImageSize(1, 1), (TSize{8, 6}));
  EXPECT_EQ(redPixels(), 8 * 6);
  list.reset();
  EXPECT_EQ(static_cast<TMarkupImageList*>(grid.GridImages), nullptr);
  EXPECT_FALSE(grid.GetImageIdx(1, 1, idx));
  EXPECT_EQ(grid.CellImageSize(1, 1), TSize{});
  EXPECT_EQ(redPixels(), 0) << "the cell shows no image any more";
}

TEST(GridRemovedComponents, ACellCheckerDestroyedIsForgotten) {
  TQrvStringGrid grid;
  auto checker = std::make_unique<TQrvStringGridCheck>();
  grid.CellChecker = checker.get();
  EXPECT_EQ(static_cast<TQrvStringGridCheck*>(grid.CellChecker), checker.get());
  checker.reset();
  EXPECT_EQ(static_cast<TQrvStringGridCheck*>(grid.CellChecker), nullptr);
  // A new one takes its place as before.
  TQrvStringGridCheck other;
  grid.CellChecker = &other;
  EXPECT_EQ(static_cast<TQrvStringGridCheck*>(grid.CellChecker), &other);
}

TEST(GridRemovedComponents, AColumnMenuDestroyedIsForgotten) {
  TQrvColumnGrid grid;
  grid.SetColCount(3);
  grid.SetRowCount(3);
  TGridColumnItem& column = *grid.Columns().Items(1);
  column.SetColumnPopupType(cpAllCellsLClick);
  auto menu = std::make_unique<TPopupMenu>();
  column.SetColumnPopup(menu.get());
  int offered = 0;
  grid.OnColumnPopup = [&](TQrvColumnGrid*, int32_t, int32_t, TPopupMenu*) { ++offered; };
  ASSERT_EQ(grid.ColumnPopupForClick(1, 1, true), menu.get());
  // A definition copied while the menu lived forgets it as well.
  TGridColumnItem copy;
  copy.Assign(column);
  ASSERT_EQ(copy.ColumnPopup(), menu.get());

  menu.reset();
  EXPECT_EQ(column.ColumnPopup(), nullptr);
  EXPECT_EQ(copy.ColumnPopup(), nullptr);
  EXPECT_EQ(grid.ColumnPopupForClick(1, 1, true), nullptr) << "nothing pops up from a menu that is gone";
  EXPECT_EQ(offered, 1) << "the event is not offered a menu that is gone";
}

}  // namespace
