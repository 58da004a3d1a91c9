// A hidden column picked up from a list of columns and dropped on the grid comes back where it landed. The list
// drags Grid_ColumnDragData(ACol) for real column ACol, named by its item AIndex. The drop ends the list drag
// (OleDragCol -1); takeItem removes the item (never called once the list is gone) and the column shows again at
// display column toCol; false: nothing changed.
#include "UQrvStringGrid.h"

void TQrvStringGrid::OleColumnDragStart(int32_t ACol, int32_t AIndex, TGuardedRef<QListWidget> AList) {
  FOleDragCol = ACol;
  FOleDragIndex = AIndex;
  FOleDragList = AList;
}

bool TQrvStringGrid::OleDropListColumn(int32_t toCol, const std::function<void(QListWidget*, int32_t)>& takeItem) {
  const int32_t col = FOleDragCol;
  const int32_t index = FOleDragIndex;
  QListWidget* list = FOleDragList;
  // The drag is over whatever the drop does, so a later column drop is never taken for this one.
  OleColumnDragStart(-1, -1, nullptr);
  // The list may name a column the grid no longer has, and only a cell of the grid is a drop position.
  if (col < 0 || col >= AllColCount() || toCol < 0 || toCol >= ColCount()) return false;
  if (list && takeItem) takeItem(list, index);
  UnHideColumn(col);
  // The drop position was read with the column still hidden: the column takes it and what was there moves on.
  const int32_t from = DisplColIndex(col);
  if (from != toCol) MoveColumn(from, toCol);
  return true;
}
