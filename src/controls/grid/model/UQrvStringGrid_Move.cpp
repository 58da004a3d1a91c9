// Every move of the current cell passes the cell-selection check here: merged blocks redirect to their base
// cell, the tree column and disabled rows stay unreachable, the editing option follows the target cell, a running
// edit is validated, and what the move changes is repainted.
#include "UQrvStringGrid.h"

// The row and column notices first; the cell notice only for a move to another cell (closing an editor checks the
// current cell again without moving).
void TQrvStringGrid::CellChanging(int32_t aCol, int32_t aRow, bool& allow) {
  // The key-advance engine asked its own notices before it moves the cursor.
  if (FDisableChange) return;
  if (aRow != Row() && OnRowChanging) OnRowChanging(this, Row(), aRow, allow);
  if (aCol != Col() && OnColChanging) OnColChanging(this, Col(), aCol, allow);
  if ((aCol != Col() || aRow != Row()) && OnCellChanging) OnCellChanging(this, Row(), Col(), aRow, aCol, allow);
}

void TQrvStringGrid::RepaintActiveHeaders(int32_t aCol1, int32_t aRow1, int32_t aCol2, int32_t aRow2) {
  for (const TPoint cell : {TPoint{aCol1, aRow1}, TPoint{aCol2, aRow2}}) {
    if (FixedRows() > 0) RepaintCell(cell.X, FixedRows() - 1);
    if (FixedCols() > 0) RepaintCell(FixedCols() - 1, cell.Y);
  }
}

bool TQrvStringGrid::LastRowAboveSearchFooter() const {
  if (!SearchFooterShown() || TopRow() + VisibleRowCount() < RowCount() - 1) return false;
  // A last row starting right at the client's bottom has no rectangle: it is below the panel, not above it.
  const TRect last = PlatformCellRect(LeftCol(), RowCount() - 1);
  return !(last == TRect{}) && last.Bottom < Height() - SearchPanelHeight() + 2;
}

// Each step is checked for progress: a last row taller than the room above the panel would otherwise scroll forever.
void TQrvStringGrid::ScrollAboveSearchFooter() {
  if (!SearchFooterShown() || Height() <= DefaultRowHeight() + SearchPanelHeight()) return;
  while (PlatformCellRect(LeftCol(), RowCount() - 1).Bottom > Height() - SearchPanelHeight() + 2 &&
         Row() <= RowCount() - 1 && TopRow() < RowCount()) {
    const int32_t top = TopRow();
    SetTopRow(top + 1);
    if (TopRow() == top) break;
  }
}

bool TQrvStringGrid::KeepTargetClearOfFooters(int32_t aCol, int32_t aRow) {
  const int32_t searchBand = SearchFooterShown() ? SearchPanelHeight() + 2 : 0;
  TRect target = CellRect(aCol, aRow);
  if (FloatingFooterShown()) {
    const bool covered = Height() - FloatingFooterHeight() + 2 - searchBand < target.Bottom;
    if (FloatingFooterFixedLastRow()) {
      if (aRow >= TopRow() + VisibleRowCount()) SetTopRow(aRow + FixedRows() - VisibleRowCount());
      if (covered && aRow < RowCount() - 1) SetTopRow(TopRow() + 1);
      // The footer covers the last row: it never becomes current.
      if (aRow == RowCount() - 1) return false;
    } else {
      InvalidateFloatingFooter();
      if (covered && aRow < RowCount()) SetTopRow(TopRow() + 1);
    }
  }
  if (SearchFooterShown()) {
    while (Height() - SearchPanelHeight() + 2 < target.Bottom && aRow <= RowCount() - 1 &&
           TopRow() < RowCount() - 1) {
      const int32_t top = TopRow();
      SetTopRow(top + 1);
      if (TopRow() == top) break;
      target = CellRect(aCol, aRow);
    }
  }
  return true;
}

bool TQrvStringGrid::SelectCell(int32_t aCol, int32_t aRow) {
  if (FForceSel) {
    if (HasRowIndicator() && FixedCols() > 0) {
      RepaintCell(0, Row());
      RepaintCell(0, aRow);
    }
    return true;
  }
  if (!HandleAllocated()) return true;
  if (aCol < 0 || aRow < 0) return false;
  FEditText = Cells(aCol, aRow);
  if (!KeepTargetClearOfFooters(aCol, aRow)) return false;

  if (IsMergedNonBaseCell(aCol, aRow) && !(Options() & goRangeSelect)) {
    // The base cell is the block's top-left corner, never left of column 0 or above row 0.
    const TPoint base = BaseCell(aCol, aRow);
    if (base.X >= 0 && base.Y >= 0 && base.X < ColCount() && base.Y < RowCount()) {
      MoveCurrent(base.X, base.Y, true, true);
      RepaintCell(base.X, base.Y);
      if (FMouseActions->DirectEdit() || (ControlLook.DropDownAlwaysVisible && HasComboBox(aCol, aRow)))
        ShowInplaceEditor();
    }
    return false;
  }
  if (aCol == 0 && HasNodes() && !(Options() & goRowSelect)) return false;
  if (FUseEnabledRows && FNavigation->SkipDisabledRows() && !GetRowEnabled(aRow)) return false;

  const TGridRect oldSel = Selection();
  const int32_t oldCol = Col();
  const int32_t oldRow = Row();
  const int32_t rc = RealColIndex(aCol);
  QString text = Cells(rc, aRow);
  const bool normalFocused = NormalEditFocused();

  // Closing a running editor stores its text, so the target's text is read again afterwards.
  const auto closeRunningEdit = [&] {
    if (!FEditMode) return;
    HideInplaceEditor();
    text = Cells(rc, aRow);
  };
  // The option switch repaints through the edit path, not through a full repaint.
  const auto switchEditing = [this](TGridOptions options) {
    FEditChange = true;
    SetOptions(options);
    FEditChange = false;
  };

  if (IsControlCell(rc, aRow)) {
    bool allow = true;
    CanEditCell(rc, aRow, allow);
    if (!FEditDisable) FEditDisable = !allow && ((Options() & goEditing) || FMouseActions->RangeSelectAndEdit());
    if (!(Options() & goEditing) && !(Options() & goRowSelect) && allow) switchEditing(Options() | goEditing);
  } else {
    bool allow = (Options() & goEditing) || FEditDisable;
    CanEditCell(rc, aRow, allow);
    if (allow && FMouseActions->DirectEdit()) {
      FEditControl = DefaultEditor;
      if (HasNoEditor(rc, aRow)) allow = false;
    }
    if (FMouseActions->EditOnDblClickOnly()) allow = false;
    if (allow) {
      FEditDisable = false;
      if (!(Options() & goEditing)) {
        if (!FEditMode) RememberOldCellText(aCol, aRow);
        TGridOptions options = Options();
        if ((options & goRowSelect) && FMouseActions->RangeSelectAndEdit()) options &= ~TGridOptions(goRowSelect);
        switchEditing(options | goEditing);
      }
      closeRunningEdit();
    } else {
      closeRunningEdit();
      if (Options() & goEditing) {
        FEditMode = false;
        FEditDisable = true;
        switchEditing(Options() & ~TGridOptions(goEditing));
        HideInplaceEditor();
      }
    }
  }

  bool result = false;
  bool keepCache = false;
  if (!FEditMode || normalFocused) {
    bool ok = true;
    CellChanging(aCol, aRow, ok);
    const bool fixedRightByEnd = FEndOnFixedRight && aCol >= ColCount() - FixedRightCols();
    if ((fixedRightByEnd || !IsFixed(aCol, aRow)) && ok)
      result = TBaseGrid::SelectCell(aCol, aRow);
    else
      result = (ok && (Options() & goRowSelect)) || (FixedRowAlways() && RowCount() == FixedRows());
  } else {
    const QString current = GetCurrentCellText();
    result = current.startsWith(QLatin1String("|\\")) ? ValidateCellWide(current) : ValidateCell(current);
    bool ok = true;
    CellChanging(aCol, aRow, ok);
    if (!ok) result = false;
    if (result) result = TBaseGrid::SelectCell(aCol, aRow);
    keepCache = !result;
  }

  if (HasRowIndicator() && FixedCols() > 0) {
    RepaintCell(0, oldRow);
    RepaintCell(0, aRow);
  }
  if (FISelect) FISelect->SelectedRow(Col(), aRow);
  if (ActiveCellShow) {
    RepaintActiveHeaders(oldCol, oldRow, aCol, aRow);
    if (oldSel.Left != oldCol && oldSel.Top != oldRow) RepaintActiveHeaders(oldSel.Left, oldSel.Top, aCol, aRow);
  }
  if (ActiveRowShow()) {
    RepaintRow(aRow);
    RepaintRow(oldSel.Top);
  }
  if (SelectionRectangle) RepaintRect(Selection());
  // Reported only for a move that happens, so a refused move never reports a row that did not become current.
  if (result && aRow != FOldRowSel && OnRowUpdate) {
    OnRowUpdate(this, FOldRowSel, aRow);
    FOldRowSel = aRow;
  }
  if (HasCustomBorders())
    for (int32_t r = std::min(oldSel.Top, oldSel.Bottom); r <= std::max(oldSel.Top, oldSel.Bottom); ++r)
      RepaintRow(r);
  if (!keepCache) FCellCache = text;
  return result;
}
