// Column stretching: one column takes whatever room the other columns leave in the grid's width; and columns that
// keep their share of the width as the grid's size changes.
#include <algorithm>

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

// The columns keep their share of the width they were recorded for: always scaled from the recorded widths, so
// many small size changes do not add up their rounding.
void TQrvStringGrid::SynchColWidths(int32_t oldWidth) {
  if (FOrigGridWidth <= 0 || FOrigColSizes->Count() == 0) {
    if (oldWidth <= 0) return;
    InitOrigColSizes();
    FOrigGridWidth = oldWidth;
  }
  HideInplaceEdit();
  const bool normalOnly = ColumnSize().SynchNormalCellsOnly();
  const int32_t first = normalOnly ? FixedCols() : 0;
  const int32_t last = std::min(normalOnly ? ColCount() - FixedRightCols() : ColCount(), FOrigColSizes->Count());
  for (int32_t c = first; c < last; ++c)
    SetColWidths(c, static_cast<int32_t>(int64_t(FOrigColSizes->GetInteger(c)) * Width() / FOrigGridWidth));
}
