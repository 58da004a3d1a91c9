// Selections of rows, columns and single cells that need not touch: the press decides whether the clicked row
// (column) is being added or taken away, the release applies it to what the drag selected.
#include "UQrvStringGrid.h"

bool TQrvStringGrid::PressDisjunct(int32_t c, int32_t r, TShiftState shift) {
  FDeselectState = false;
  const TMouseActions& actions = MouseActions();
  const bool ctrl = (shift & ssCtrl) != 0;
  const bool normalRow = r >= FixedRows() && r < RowCount() - FixedFooters();
  if (actions.DisjunctRowSelect() && normalRow && (c != 0 || !actions.HotmailRowSelect())) {
    if (shift & ssShift) {
      // Shift stretches the selection from where it started to the pressed row; the release flags it.
      const TGridRect before = Selection();
      MoveCurrent(c, r, false, true);
      SetSelection(TGridRect{std::min(c, before.Left), std::min(r, before.Top), std::max(c, before.Left),
                             std::max(r, before.Top)});
      return false;
    }
    if (ctrl || actions.DisjunctRowSelectNoCtrl()) {
      FDeselectState = GetRowSelect(actions.RowSelectPersistent() ? RealRowIndex(r) : r);
    } else if (!(shift & ssAlt)) {
      ClearRowSelect();
      Invalidate();
    }
  }
  if (actions.DisjunctColSelect() && c >= FixedCols()) {
    if (ctrl) {
      FDeselectState = GetColSelect(c);
    } else {
      ClearColSelect();
      Invalidate();
    }
  }
  return true;
}

void TQrvStringGrid::ReleaseDisjunct(int32_t c, int32_t r, TShiftState shift) {
  const TMouseActions& actions = MouseActions();
  const TGridRect sel = Selection();
  if (actions.DisjunctRowSelect() && c >= 0 && r >= 0 && !(c == 0 && IsNode(r))) {
    const bool persistent = actions.RowSelectPersistent();
    if (c != 0 || !actions.HotmailRowSelect())
      for (int32_t row = std::max(sel.Top, FixedRows()); row <= sel.Bottom && row < RowCount(); ++row)
        SetRowSelect(persistent ? RealRowIndex(row) : row, true);
    if (r >= FixedRows() && FDeselectState) {
      SetRowSelect(persistent ? RealRowIndex(r) : r, false);
      FSelChange = false;
    }
    Invalidate();
  }
  if (actions.DisjunctColSelect() && c >= FixedCols() && r >= 0) {
    for (int32_t col = std::max(sel.Left, FixedCols()); col <= sel.Right && col < ColCount(); ++col)
      SetColSelect(col, true);
    if (FDeselectState) SetColSelect(c, false);
    Invalidate();
  }
  FDeselectState = false;
  if (!actions.DisjunctCellSelect() || c < 0 || r < 0) return;
  const TPoint base = BaseCell(c, r);
  if (IsFixed(base.X, base.Y)) {
    if (!(shift & ssCtrl)) {
      ClearSelectedCells();
      Invalidate();
    }
    return;
  }
  bool canSelect = true;
  if (OnSelectCell) OnSelectCell(this, base.X, base.Y, canSelect);
  if (!canSelect) return;
  if (shift & ssShift) {
    SetSelectedCells(c, r, true);
  } else if (shift & ssCtrl) {
    SetSelectedCells(base.X, base.Y, !GetSelectedCells(base.X, base.Y));
  } else {
    ClearSelectedCells();
    SetSelectedCells(base.X, base.Y, true);
  }
  // A dragged rectangle joins the list as a whole.
  if (sel.Left != sel.Right || sel.Top != sel.Bottom)
    for (int32_t row = sel.Top; row <= sel.Bottom; ++row)
      for (int32_t col = sel.Left; col <= sel.Right; ++col)
        if (!(col == base.X && row == base.Y)) SetSelectedCells(col, row, true);
  Invalidate();
}

void TQrvStringGrid::ReleaseSelectsGroup(int32_t c, int32_t r) {
  // The node column's glyph expands and contracts; a release beside it on an expanded node takes the group.
  if (!Grouping.AutoSelectGroup || c <= 0 || r < FixedRows() || !IsNode(r) || GetNodeState(r)) return;
  const int32_t last = std::min(r + GetNodeSpan(r) - 1, LastNormalRow());
  if (MouseActions().DisjunctRowSelect()) {
    const bool persistent = MouseActions().RowSelectPersistent();
    for (int32_t row = r + 1; row <= last; ++row) SetRowSelect(persistent ? RealRowIndex(row) : row, true);
    Invalidate();
    return;
  }
  SetSelection(TGridRect{FixedCols(), r, ColCount() - 1, std::max(r, last)});
}
