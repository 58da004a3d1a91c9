// A right press: the fixed-cell editor named for it; with SelectOnRightClick the cell (and in disjunct row selection
// its row) is selected first, so a context menu acts on what was clicked; then OnRightClickCell; with URLEdit a
// link text opens in the editor instead of being followed.
#include "UQrvStringGrid.h"
#include "UValueText.h"

void TQrvStringGrid::PressRight(int32_t c, int32_t r, int32_t x, int32_t y, TShiftState shift) {
  if (c < 0 || r < 0) return;
  PressOpensFixedEditor(c, r, x, fceRightClick);
  const TMouseActions& actions = MouseActions();
  const bool normal = c >= FixedCols() && r >= FixedRows() && !IsFixed(RealColIndex(c), r);
  if (actions.SelectOnRightClick() && normal && !(actions.DisjunctCellSelect() && GetSelectedCells(c, r))) {
    const TPoint base = BaseCell(c, r);
    const int32_t left = LeftCol();
    // A plain left click would first clear every flagged row, so in disjunct row selection the rows are decided
    // below alone.
    if (!IsControlCell(RealColIndex(c), r)) {
      if (OnRightClickCell || actions.DisjunctRowSelect()) {
        MoveCurrent(base.X, base.Y, true, true);
      } else {
        GridMouseDown(gmbLeft, {}, x, y);
        GridMouseUp(gmbLeft, {}, x, y);
      }
    }
    if (IsSelected(c, r)) {
      bool canSelect = true;
      if (OnSelectCell) OnSelectCell(this, c, r, canSelect);
    } else {
      MoveCurrent(base.X, base.Y, true, true);
    }
    if (Navigation().KeepHorizScroll()) SetLeftCol(left);
    if (actions.DisjunctRowSelect()) {
      const int32_t row = actions.RowSelectPersistent() ? RealRowIndex(r) : r;
      // A menu on several flagged rows acts on all of them, so a press on one of them keeps the flags.
      if ((shift & ssCtrl) || actions.DisjunctRowSelectNoCtrl()) {
        SetRowSelect(row, !GetRowSelect(row));
      } else if (!(RowSelectCount() > 1 && GetRowSelect(row))) {
        ClearRowSelect();
        SetRowSelect(row, true);
      }
      Invalidate();
    }
  }
  if (OnRightClickCell) OnRightClickCell(this, r, c);
  if (URLShow && URLEdit && normal && LooksLikeUrl(Cells(RealColIndex(c), r))) {
    MoveCurrent(c, r, true, true);
    ShowInplaceEdit();
  }
}
