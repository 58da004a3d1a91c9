// The mouse moving over the grid with or without the button down: range selection, sizing, moving and the start
// of a drag out of the grid; and the mouse leaving it.
#include <QScopeGuard>

#include "UMarkupText.h"
#include "UQrvStringGrid.h"
#include "URenderMarkup.h"
#include "UValueText.h"

namespace {
constexpr int32_t DragThreshold = 3;  // a drag starts once the mouse left the press point by more than this

// The cell's text needs more room than the cell (display column c), measured as the cell paints it rather than
// as auto-sizing would grow it.
bool Larger_Than_Cell(TQrvStringGrid& grid, int32_t c, int32_t r) {
  const bool enhanced = grid.EnhTextSize;
  grid.EnhTextSize = false;
  const auto restore = qScopeGuard([&] { grid.EnhTextSize = enhanced; });
  const TSize size = grid.GetCellTextSize(grid.RealColIndex(c), r, true, false);
  return size.cx > grid.ColWidths(c) || size.cy > grid.RowHeights(r);
}
}  // namespace

void TQrvStringGrid::GridMouseMove(TShiftState shift, int32_t x, int32_t y) {
  int32_t c = -1, r = -1;
  MouseToCell(x, y, c, r);
  // A hint belongs to its cell: another cell under the mouse cancels it.
  if (FLastHintPos.X >= 0) {
    const TPoint base = c >= 0 && r >= 0 ? BaseCell(c, r) : TPoint{-1, -1};
    if (base.X != FLastHintPos.X || base.Y != FLastHintPos.Y) FLastHintPos = {-1, -1};
  }
  HoverFixed(c, r);
  SetHotFixedCell(c, r);
  HoverCellButton(c, r, x, y);
  HoverCellScrollBar(c, r);
  HoverLink(c, r, x, y);
  if (FLastBalloonPos.X >= 0) {
    const TPoint base = c >= 0 && r >= 0 ? BaseCell(RealColIndex(c), r) : TPoint{-1, -1};
    if (base.X < 0 || RealToDisplayCol(base.X) != FLastBalloonPos.X || base.Y != FLastBalloonPos.Y)
      FLastBalloonPos = {-1, -1};
  }
  const bool buttonDown = FButtonDown && (shift & ssLeft);
  // KeepHorizScroll: while the button is down the columns stay where the press found them, unless one is moved.
  const auto keepLeft = qScopeGuard([&] {
    if (buttonDown && Navigation().KeepHorizScroll() && !(FInteraction == TGridInteraction::Moving && FMoveCol))
      SetLeftCol(FOldKeepLeftCol);
  });
  // A drag from a cell with no editor open selects a range: range-select editing waits for the next press.
  if (buttonDown && MouseActions().RangeSelectAndEdit() && (Options() & goEditing) && !EditMode())
    SetOptions(Options() & ~TGridOptions(goEditing));
  const TGridRect before = Selection();
  if (buttonDown) {
    DragMouseSelection(x, y);
    RepaintSelectionBand(before);
  }
  DecideMouseSelectMode(x, y);
  if (!buttonDown) {
    if (HoverRow() && r != HoverRowIdx()) {
      SetHoverRowIdx(r);
      Invalidate();
    }
    return;
  }
  switch (FInteraction) {
    case TGridInteraction::Sizing:
      MoveSizing(x, y);
      return;
    case TGridInteraction::Moving:
      MoveTo(x, y);
      return;
    case TGridInteraction::Selecting:
      if (FMouseResize) {
        // The corner drags the selection's bottom-right; its top-left and the current cell stay.
        const TGridRect d = FDropSelection;
        if (c >= FixedCols() && r >= FixedRows())
          SetSelection(TGridRect{d.Left, d.Top, std::max(c, d.Left), std::max(r, d.Top)});
        RepaintSelectionBand(before);
        return;
      }
      // The release reports the changed selection once.
      if (c >= FixedCols() && r >= FixedRows() && (c != Col() || r != Row())) MoveCurrent(c, r, false, true);
      RepaintSelectionBand(before);
      return;
    default:
      break;
  }
  if (FMoveCell >= 0) {
    StartMoving(x, y);
    return;
  }
  if (!FSelectionClick || !DragDropSettings.OleDropSource) return;
  if (std::abs(x - FClickX) <= DragThreshold && std::abs(y - FClickY) <= DragThreshold) return;
  FSelectionClick = false;
  const int32_t pc = FPressCol, pr = FPressRow;
  const bool column = pr >= 0 && pr < FixedRows() && DragDropSettings.OleColumnDragDrop;
  bool allow = !(DragDropSettings.OleColumnsOnly && pr >= FixedRows());
  const TGridRect sel = Selection();
  const QString text = pc >= 0 && pr >= 0 ? Cells(RealColIndex(pc), pr) : QString();
  if (allow && OnOleDrag) OnOleDrag(this, pr, pc, text, allow);
  if (!allow) {
    FInteraction = TGridInteraction::Selecting;
    return;
  }
  // A list's column drag that never landed here is over: its column must not be taken for this drag's.
  FOleDragCol = -1;
  FDragColumn = column;
  FDragRect = column ? TGridRect{pc, FixedRows(), pc, RowCount() - 1} : sel;
  FDragCell = {pc, pr};
  if (OnOleDragStart) OnOleDragStart(this, pr, pc);
  FInteraction = TGridInteraction::Dragging;
}

// The rectangle's lines sit on the selection's outer cells: when the selection grows or shrinks, the cells of both
// the old and the new extent are repainted so no line of the old edge stays behind.
void TQrvStringGrid::RepaintSelectionBand(const TGridRect& before) {
  const TGridRect now = Selection();
  const TGridRect old = FSizeSelection.Left >= 0 ? FSizeSelection : before;
  if (!SelectionRectangle || now == old) return;
  RepaintRect(TGridRect{std::min(old.Left, now.Left), std::min(old.Top, now.Top), std::max(old.Right, now.Right),
                        std::max(old.Bottom, now.Bottom)});
  FSizeSelection = FMoveSelection = now;
}

void TQrvStringGrid::EndOleDrag(uint32_t effect, bool cancelled) {
  FInteraction = TGridInteraction::None;
  FButtonDown = false;
  FDragColumn = false;
  FDragCell = {-1, -1};
  if (!cancelled && OnOleDragStop) OnOleDragStop(this, effect);
}

void TQrvStringGrid::SetHotFixedCell(int32_t c, int32_t r) {
  const bool fixedCell = c >= 0 && r >= 0 && (c < FixedCols() || r < FixedRows());
  const TPoint now = FLook == glListView && fixedCell ? TPoint{c, r} : TPoint{-1, -1};
  if (now == FHotFixedCell) return;
  const TPoint was = FHotFixedCell;
  FHotFixedCell = now;
  if (was.X >= 0) RepaintCell(was.X, was.Y);
  if (now.X >= 0) RepaintCell(now.X, now.Y);
}

void TQrvStringGrid::GridMouseLeave() {
  if (!FNoMouseLeave) ResetFixedCellHighlight();
  SetHotFixedCell(-1, -1);
  FMouseSelectMode = msNormal;
  HoverCellButton(-1, -1, -1, -1);
  // Leaving the grid leaves the link under the mouse too: its underline goes and its exit fires.
  HoverLink(-1, -1, -1, -1);
  if (HoverRow() && HoverRowIdx() != -1) {
    SetHoverRowIdx(-1);
    Invalidate();
  }
}

bool TQrvStringGrid::PrepareCellHint(int32_t x, int32_t y, QString& hint, TPoint& pos) {
  int32_t c = -1, r = -1;
  MouseToCell(x, y, c, r);
  hint.clear();
  if (c < 0 || r < 0) return false;
  const TPoint base = BaseCell(c, r);
  c = base.X;
  r = base.Y;
  FLastHintPos = base;
  const TRect rect = CellRect(c, r);
  const int32_t realCol = RealColIndex(c);
  // A comment's marker sits in the top-right corner: its text shows from there.
  QString comment;
  const bool commented = IsComment(realCol, r, comment);
  if (commented) {
    hint = comment;
    pos = {rect.Right, rect.Top};
  } else {
    pos = {x, rect.Bottom + 6};
  }
  TMarkupOutputs link;
  if (AnchorHint && !CellLinkAt(c, r, x, y, true, &link).isEmpty()) {
    hint = FLastAnchorHint = AnchorHintOf(base, link.HitHref, link.HitTitle);
    pos = {x + 8, y - 16};
  }
  const bool normal =
      c >= FixedCols() && r >= FixedRows() && c < ColCount() - FixedRightCols() && r < RowCount() - FixedFooters();
  const QString text = Cells(realCol, r);
  const auto shown = [&] {
    return HTMLHint || DetectCellTextKind(text, true) == ckWidePairs ? text : MarkupToPlainText(text);
  };
  if (HintShowCells && normal) {
    // Over the cell's top, at the cursor or at the comment's corner.
    pos = {commented ? rect.Right : x, rect.Top};
    hint = shown();
  }
  if (HintShowLargeText && Larger_Than_Cell(*this, c, r)) {
    if (HintShowLargeTextPos == hpCell) pos = {rect.Left, rect.Top};
    hint = shown();
  }
  const bool footerRow = FloatingFooterShown() && r == RowCount() - 1;
  if (!footerRow) {
    QString wide;
    GetCellHint(realCol, r, hint, wide);
  }
  if (hint.isEmpty()) FLastHintPos = {-1, -1};
  return !hint.isEmpty();
}
