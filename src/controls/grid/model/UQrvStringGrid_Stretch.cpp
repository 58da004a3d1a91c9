// Column stretching: one column takes whatever room the other columns leave in the grid's width.
#include "UGridError.h"
#include "UQrvStringGrid.h"

void TQrvStringGrid::StretchColumnWidth(int32_t index) {
  if (FDestroying || IsLoading()) return;
  if (index == -1) index = ColCount() - 1;
  if (index < 0 || index >= ColCount()) {
    // With no columns there is nothing to stretch, the last column included.
    if (ColCount() == 0 && index == -1) return;
    throw EQrvGridError(QStringLiteral("Stretch column index out of range"));
  }
  if (!ColumnSize().Stretch() || FStretching) return;
  FStretching = true;
  if (ColCount() == 1) {
    SetColWidths(0, std::max(0, Width()));
  } else {
    int64_t others = 0;
    for (int32_t c = 0; c < ColCount(); ++c)
      if (c != index) others += ColWidths(c);
    if (others < Width())
      SetColWidths(index, static_cast<int32_t>(Width() - others - 1));
    else if (LeftCol() == FixedCols())
      SetColWidths(index, DefaultColWidth());
  }
  FStretching = false;
}

// After the grid's width, its column count or a column's width changed. A stretch column the grid no longer has
// (the columns were cut down below it) is left alone rather than refused mid-change.
void TQrvStringGrid::RestretchColumn() {
  if (!ColumnSize().Stretch()) return;
  const int32_t index = ColumnSize().StretchColumn();
  if (index >= -1 && index < ColCount()) StretchColumnWidth(index);
}
