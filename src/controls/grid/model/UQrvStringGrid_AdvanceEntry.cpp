// The smallest form of the key-advance steps the editors call: the next cell in reading order (Enter, Tab) and a
// row added below the last one. The grid's full key-advance engine takes their place.
#include "UQrvStringGrid.h"

void TQrvStringGrid::AdvanceCell(int32_t aCol, int32_t aRow, bool openEditor, bool, bool forward, bool autoEdit,
                                 bool ignoreAdvanceOnEnter) {
  if (!ignoreAdvanceOnEnter && !Navigation().AdvanceOnEnter()) return;
  FStartEditChar = QChar();
  int32_t c = aCol + (forward ? 1 : -1);
  int32_t r = aRow;
  if (c >= ColCount()) {
    c = FixedCols();
    ++r;
  } else if (c < FixedCols()) {
    c = ColCount() - 1;
    --r;
  }
  if (r < FixedRows() || r >= RowCount() - FixedFooters()) return;
  MoveCurrent(c, r, true, true);
  if (openEditor && autoEdit && Navigation().AdvanceAutoEdit()) ShowInplaceEdit();
}

bool TQrvStringGrid::TabAdvance(bool backward) {
  const int32_t c = Col(), r = Row();
  AdvanceCell(c, r, false, false, !backward, false, true);
  return Col() != c || Row() != r;
}

void TQrvStringGrid::AutoAppendRow() {
  bool canAdd = true;
  CanAddRow(canAdd);
  if (canAdd) AddRow();
}
