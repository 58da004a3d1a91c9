// A hidden column dragged from a list and dropped on the grid, and the rich-text switch that one grid sets for all.
#include <gtest/gtest.h>

#include <QStringList>
#include <vector>

#include "UGridDragFormats.h"
#include "UQrvStringGrid.h"

namespace {

// Six columns with "c0".."c5" in the header row.
void Fill_Headers(TQrvStringGrid& grid) {
  grid.SetColCount(6);
  for (int32_t c = 0; c < 6; ++c) grid.SetCells(c, 0, QStringLiteral("c%1").arg(c));
}

// The header texts in the order the columns are shown.
QStringList Shown(const TQrvStringGrid& grid) {
  QStringList shown;
  for (int32_t d = 0; d < grid.ColCount(); ++d) shown.append(grid.Cells(grid.RealColIndex(d), 0));
  return shown;
}

class RtfSwitchReset {
 public:
  ~RtfSwitchReset() { SetDropRtfAllowed(false); }
};

}  // namespace

TEST(GridOleListColumn, TheDroppedColumnShowsAgainWhereItLands) {
  struct TCase {
    const char* name;
    std::vector<int32_t> hidden;  // real columns hidden before the drag; the first is dragged
    int32_t toCol;                // display position of the drop, read with the column hidden
    QStringList shown;
  };
  const TCase cases[] = {
      {"before the column dropped on", {2}, 1, {"c0", "c2", "c1", "c3", "c4", "c5"}},
      {"on its own place", {2}, 2, {"c0", "c1", "c2", "c3", "c4", "c5"}},
      {"further right", {2}, 3, {"c0", "c1", "c3", "c2", "c4", "c5"}},
      {"on the last column", {2}, 4, {"c0", "c1", "c3", "c4", "c2", "c5"}},
      {"past another hidden column", {4, 1}, 1, {"c0", "c4", "c2", "c3", "c5"}},
  };
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.name);
    TQrvStringGrid grid;
    Fill_Headers(grid);
    for (const int32_t c : k.hidden) grid.HideColumn(c);
    grid.OleColumnDragStart(k.hidden.front(), 0, nullptr);
    EXPECT_EQ(grid.OleDragCol(), k.hidden.front());
    int takes = 0;
    EXPECT_TRUE(grid.OleDropListColumn(k.toCol, [&](QListWidget*, int32_t) { ++takes; }));
    EXPECT_EQ(Shown(grid), k.shown);
    EXPECT_EQ(grid.NumHiddenColumns(), static_cast<int32_t>(k.hidden.size()) - 1);
    EXPECT_EQ(grid.OleDragCol(), -1);
    EXPECT_EQ(takes, 0);  // no list to take an item from
  }
}

TEST(GridOleListColumn, ADropThatCannotLandEndsTheDragAndChangesNothing) {
  struct TCase {
    const char* name;
    int32_t col;
    int32_t toCol;
  };
  const TCase cases[] = {{"a column the grid does not have", 9, 1},
                         {"a negative column", -5, 1},
                         {"no drop position", 2, -1},
                         {"a drop position past the shown columns", 2, 5}};
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.name);
    TQrvStringGrid grid;
    Fill_Headers(grid);
    grid.HideColumn(2);
    grid.OleColumnDragStart(k.col, 0, nullptr);
    EXPECT_FALSE(grid.OleDropListColumn(k.toCol, nullptr));
    EXPECT_EQ(Shown(grid), (QStringList{"c0", "c1", "c3", "c4", "c5"}));
    EXPECT_EQ(grid.OleDragCol(), -1);
  }
}

TEST(GridDragDropSettings, RichTextInDragsIsOneSwitchForEveryGrid) {
  const RtfSwitchReset reset;
  TQrvStringGrid first;
  TQrvStringGrid second;
  ASSERT_FALSE(DropRtfAllowed());
  first.DragDropSettings.OleDropRTF = true;
  EXPECT_TRUE(DropRtfAllowed());
  second.DragDropSettings.OleDropRTF = false;
  EXPECT_FALSE(DropRtfAllowed());
  // Each grid reads its own value, but writing it again still acts, since another grid may have changed the switch.
  EXPECT_TRUE(first.DragDropSettings.OleDropRTF);
  first.DragDropSettings.OleDropRTF = true;
  EXPECT_TRUE(DropRtfAllowed());
  // Taking another grid's settings writes the switch too.
  TQrvStringGrid third;
  third.Assign(&second);
  EXPECT_FALSE(third.DragDropSettings.OleDropRTF);
  EXPECT_FALSE(DropRtfAllowed());
}
