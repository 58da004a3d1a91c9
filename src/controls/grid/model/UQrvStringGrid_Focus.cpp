// The focus entering and leaving the grid, and the cursor the mouse shows over it.
#include "UQrvStringGrid.h"
#include "UValueText.h"

TQrvStringGrid::TGridCursor TQrvStringGrid::CursorAt(int32_t x, int32_t y) {
  if (FInteraction == TGridInteraction::Sizing) return FSizingCol ? gcColumnSizing : gcRowSizing;
  if (FMouseSelectMode == msResize || FMouseResize) return gcSelectionResize;
  if (const TGridMovePreview move = MovePreview(); move.Shown) return move.Refused ? gcNoDrop : gcDrag;
  if (FInteraction == TGridInteraction::None && FixedEdgeAt(true, x, y) >= 0) return gcColumnSizing;
  if (FInteraction == TGridInteraction::None && FixedEdgeAt(false, x, y) >= 0) return gcRowSizing;
  // While the button sizes, moves or drags something else, its own cursor stays.
  switch (FInteraction == TGridInteraction::None ? FMouseSelectMode : msNormal) {
    case msRow:
      return gcSelectRows;
    case msColumn:
      return gcSelectColumns;
    case msAll:
      return gcSelectAll;
    default:
      break;
  }
  if (FCellSelectorMode && FInteraction == TGridInteraction::None) return gcCellSelector;
  if (FInteraction == TGridInteraction::None && IsOnSizingEdge(x, y)) {
    int32_t c = -1, r = -1;
    MouseToCell(x, y, c, r);
    return r < FixedRows() && (Options() & goColSizing) ? gcColumnSizing : gcRowSizing;
  }
  int32_t c = -1, r = -1;
  MouseToCell(x, y, c, r);
  if (!CellLinkAt(c, r, x, y, false).isEmpty()) return gcLink;
  return gcDefault;
}

void TQrvStringGrid::SetCursor(TCursor value) {
  FCursor = FOldCursor = value;
  CMCursorChanged();
}

void TQrvStringGrid::GridEnter() {
  if (FBlockFocus) return;
  if (OnEnter) OnEnter(this);
  // The cell's own editing rule may have changed while the grid was away.
  if ((Options() & goEditing) || MouseActions().RangeSelectAndEdit()) UpdateEditMode();
  if (Col() >= 0 && Row() >= 0) RememberOldCellText(Col(), Row());
  if (Navigation().AlwaysEdit()) OpenEditorOnEnter();
}

void TQrvStringGrid::OpenEditorOnEnter() {
  const int32_t c = Col(), r = Row();
  if (c < FixedCols() || r < FixedRows() || EditMode() || FInteraction == TGridInteraction::Moving) return;
  const int32_t rc = RealColIndex(c);
  // A check box is switched, never typed into.
  if (HasCheckBox(rc, r) || IsControlCell(rc, r)) return;
  // A cell scrolled out of view is not edited where nobody sees it.
  if (c < LeftCol() || c >= LeftCol() + VisibleColCount() || r < TopRow() || r >= TopRow() + VisibleRowCount())
    return;
  bool canEdit = (Options() & goEditing) != 0;
  CanEditCell(rc, r, canEdit);
  if (!canEdit) return;
  TEditorType kind = DefaultEditor;
  GetCellEditor(rc, r, kind);
  const bool combo = HasComboBox(rc, r) && !MouseActions().DirectEdit() && !ControlLook.DropDownAlwaysVisible;
  if (kind == edNormal || combo) ShowInplaceEdit();
}

void TQrvStringGrid::GridExit() {
  if (FBlockFocus || FBlockKill) return;
  // A range dragged or shifted out in disjunct row mode becomes marked rows once the user leaves the grid, so it
  // outlives the next click that would replace the selection.
  if (FSelChange && MouseActions().DisjunctRowSelect()) SelectionToRowSelect(false);
  FSelChange = false;
  if (OnExit) OnExit(this);
}

void TQrvStringGrid::GridKillFocus() {
  if (FBlockKill) return;
  if (IsMergedCell(Col(), Row())) RepaintCell(Col(), Row());
  // A button of the cell's markup held down while the focus went elsewhere never sees its release.
  if (FCtrlDown) {
    FCtrlDown = false;
    RepaintCell(RealToDisplayCol(FCtrlXY.X), FCtrlXY.Y);
  }
}

bool TQrvStringGrid::HasCustomBorders() const {
  return static_cast<bool>(OnGetCellBorder);
}
