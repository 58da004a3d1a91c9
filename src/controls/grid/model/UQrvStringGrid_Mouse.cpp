// A mouse press and a double click on the grid: sizing starts, check boxes, links, the start of a possible drag,
// column and row moving, the cursor move with OnClickCell, and the double click's header-edge auto size.
#include <QUrl>

#include "UQrvStringGrid.h"
#include "UValueText.h"

namespace {
constexpr int32_t DblClickZone = 3;  // a double click this close to a header edge sizes the column to its contents
constexpr int32_t RatingStep = 9;    // the pixels of half a star of a rating cell
constexpr int32_t SpinZone = 18;     // the width, from a cell's right edge, that a drawn spin pair answers in
}  // namespace

void TQrvStringGrid::ResetPress() {
  FSelectionClick = false;
  FMoveCell = -1;
  FMoveTarget = -1;
  FMoveRefused = false;
  FMouseResize = false;
  FSizingIndex = -1;
  FDragColumn = false;
  FDragCell = {-1, -1};
}

void TQrvStringGrid::GridMouseDown(TGridMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  int32_t c = -1, r = -1;
  MouseToCell(x, y, c, r);
  if (button == gmbRight) {
    // The window's own handling of the right button reports the press first.
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
    PressRight(c, r, x, y, shift);
    return;
  }
  if (button != gmbLeft) return;
  FButtonDown = true;
  FPressShift = shift;
  FPressSelects = false;
  MouseDown = true;
  // The list-view header part under the mouse is drawn pressed now.
  if (FHotFixedCell.X >= 0) RepaintCell(FHotFixedCell.X, FHotFixedCell.Y);
  FDoOnClick = true;
  // An editor opened by this press steps once when the press hit a drawn spin pair; no later opening does.
  FSpinUpClick = FSpinDnClick = false;
  struct SpinPressEnd {
    TQrvStringGrid* Grid;
    ~SpinPressEnd() { Grid->FSpinUpClick = Grid->FSpinDnClick = false; }
  } spinPressEnd{this};
  FColMoveFlg = false;
  FColSizeFlg = false;
  // The release compares the selection with this one, whatever the press does to it.
  FPressSelection = Selection();
  FClickX = x;
  FClickY = y;
  FPressCol = c;
  FPressRow = r;
  ResetPress();
  FOldTopRow = TopRow();
  FOldKeepLeftCol = LeftCol();
  IncrSearchText.clear();
  FInteraction = TGridInteraction::None;
  FLButFlg = false;
  // A press handled as the platform grid would handle it reports itself to OnMouseDown; the grid's own parts of a
  // cell (nodes, buttons, links) take the press without it.
  const auto mouseDown = [&] {
    if (OnMouseDown) OnMouseDown(this, gmbLeft, shift, x, y);
  };
  if (PressOnResizeCorner(x, y)) {
    if (!(Options() & goEditing) && !MouseActions().RangeSelectAndEdit()) mouseDown();
    return;
  }
  // Range-select editing: leaving the selection by a press leaves editing, so the press selects first.
  if ((Options() & goEditing) && MouseActions().RangeSelectAndEdit() && c >= 0 && r >= 0) {
    const TGridRect sel = Selection();
    if (c < sel.Left || c > sel.Right || r < sel.Top || r > sel.Bottom)
      SetOptions(Options() & ~TGridOptions(goEditing));
  }
  bool allow = true;
  if (OnCanClickCell) OnCanClickCell(this, r, c, allow);
  if (!allow) {
    FButtonDown = false;
    return;
  }
  if (FCellSelectorMode) {
    CellSelectorClick(c, r);
    FButtonDown = false;
    return;
  }
  if (MouseActions().DisjunctCellSelect() && !(shift & ssCtrl) && c >= 0 && r >= 0 && !IsFixed(c, r)) {
    ClearSelectedCells();
    Invalidate();
  }
  if (PressOnSizingEdge(x, y, c, r)) {
    // A fixed column's (row's) edge is the grid's own sizing; a header edge sizes as the platform grid does.
    if (!FSizingFixed) mouseDown();
    return;
  }
  if (c < 0 || r < 0) {
    HideInplaceEditor();
    mouseDown();
    return;
  }
  const TPoint base = BaseCell(c, r);
  c = base.X;
  r = base.Y;
  // A press on a fixed cell ends editing whatever the press does next.
  if (r < FixedRows() || c < FixedCols()) HideInplaceEditor();
  PressFixedAsButton(c, r, x, y);
  const TRect cellRect = CellRect(c, r);
  if (ControlLook.SpinButtonsAlwaysVisible && HasSpinEdit(RealColIndex(c), r) && x >= cellRect.Right - SpinZone) {
    FSpinDnClick = y > (cellRect.Top + cellRect.Bottom) / 2;
    FSpinUpClick = !FSpinDnClick;
  }
  FLButFlg = MouseActions().CaretPositioning();
  // An editable rating cell takes the value under the press: half a star per 9 pixels from its left edge.
  const auto pressOnRating = [&] {
    const int32_t rc = RealColIndex(c);
    if (GetCellType(rc, r) != ctRating || !IsEditable(rc, r)) return false;
    HideInplaceEditor();
    double value = (x - CellRect(c, r).Left) / RatingStep / 2.0;
    if (RatingChange(rc, r, value)) {
      SetFloats(rc, r, value);
      RepaintCell(c, r);
    }
    return true;
  };
  if (PressOnNode(c, r, x, y) || PressOnRadioGroup(c, r, x, y) || pressOnRating() || PressOnCellButton(c, r, x, y))
    return;
  if (PressOnCheckBox(c, r, x, y)) return;
  // A link never lies on a control, so a press on one leaves the cell's controls alone.
  if (PressOnLink(c, r, x, y)) return;
  if (PressOnCellControl(c, r, x, y)) return;
  const bool fixedRow = r < FixedRows();
  const bool fixedCol = c < FixedCols();
  // In row-select mode KeepHorizScroll keeps the columns where they were, whatever cell the press makes current.
  const auto keepLeft = [this] {
    if ((Options() & goRowSelect) && Navigation().KeepHorizScroll()) SetLeftCol(FOldKeepLeftCol);
  };
  // A press that selects rows or columns by their fixed cells drags that selection, never the row or column.
  bool selected = false;
  if (fixedRow || fixedCol) {
    if (PressOnFixedDropDown(c, r, x)) return;
    selected = PressSelectsByFixedCell(c, r, shift);
    keepLeft();
    mouseDown();
    if (PressOpensFixedEditor(c, r, x, fceLeftClick)) return;
  }
  // A press on a selected cell may become a drag once the mouse moves; a header selecting columns is no handle.
  const TGridRect sel = Selection();
  const bool inSelection = c >= sel.Left && c <= sel.Right && r >= sel.Top && r <= sel.Bottom;
  const bool headerDrag = fixedRow && !fixedCol && DragDropSettings.OleColumnDragDrop;
  const bool headerSelects = fixedRow && (MouseActions().ColSelect() || MouseActions().AllSelect());
  if (DragDropSettings.OleDropSource && !(Options() & goEditing) && (inSelection || headerDrag) && !headerSelects &&
      !HasCheckBox(RealColIndex(c), r)) {
    FocusGrid();
    mouseDown();
    FSelectionClick = true;
    ClickCell(c, r);
    return;
  }
  if (!selected && fixedRow && !fixedCol && (Options() & goColMoving)) {
    FMoveCol = true;
    FMoveCell = c;
  } else if (!selected && fixedCol && !fixedRow && (Options() & goRowMoving)) {
    FMoveCol = false;
    FMoveCell = r;
  }
  const TRect pressed = CellRect(c, r);
  FMoveOfs = {x - pressed.Left, y - pressed.Top};
  if (!fixedRow && !fixedCol && !PressDisjunct(c, r, shift)) {
    FPressSelects = true;
    mouseDown();
    ClickCell(c, r);
    return;
  }
  if (!fixedRow && !fixedCol) {
    FocusGrid();
    const bool secondClick =
        sel.Left == c && sel.Right == c && sel.Top == r && sel.Bottom == r && Col() == c && Row() == r;
    const bool rangeEdit = MouseActions().RangeSelectAndEdit() && !MouseActions().EditOnDblClickOnly();
    const bool onCurrent = Col() == c && Row() == r;
    if (MouseActions().RangeSelectAndEdit() && !secondClick) {
      bool allowed = true;
      CanEditCell(RealColIndex(c), r, allowed);
      if (!allowed) SetOptions(Options() & ~TGridOptions(goEditing));
    }
    if (rangeEdit && (shift & ssShift) && !onCurrent) SetOptions(Options() & ~TGridOptions(goEditing));
    // The current cell pressed again opens its editor, as a spreadsheet does.
    if (rangeEdit && onCurrent && !(Options() & goEditing) && IsEditable(RealColIndex(c), r)) {
      SetOptions(Options() | goEditing);
      ShowInplaceEdit();
    } else if (secondClick && (Options() & goEditing)) {
      ShowInplaceEdit();
    } else {
      const bool extend = (shift & ssShift) && (Options() & goRangeSelect);
      HideInplaceEditor();
      // Only the row below the last whole row and the column right of the last whole column can be pressed while
      // partly shown: the cells scroll by whole rows and columns.
      const bool partialEdge = r == TopRow() + VisibleRowCount() || c == LeftCol() + VisibleColCount();
      MoveCurrent(c, r, !extend, true);
      FPressSelects = true;
      keepLeft();
      // A drag from a partly shown edge cell would scroll on at once; NoAutoRangeScroll makes that press a click.
      if ((Options() & goRangeSelect) && !(partialEdge && MouseActions().NoAutoRangeScroll()))
        FInteraction = TGridInteraction::Selecting;
      if (partialEdge && TopRow() != FOldTopRow && MouseActions().NoScrollOnPartialRow()) {
        // The row becomes current where it is shown; the press ends here as if released, so no drag follows.
        SetTopRow(FOldTopRow);
        GridMouseUp(gmbLeft, shift, x, y);
      }
    }
  }
  if (!fixedRow && !fixedCol) mouseDown();
  ClickCell(c, r);
  if (fixedRow || fixedCol) return;
  const int32_t rc = RealColIndex(c);
  bool canEdit = (Options() & goEditing) != 0;
  CanEditCell(rc, r, canEdit);
  // A combo cell that always shows its drop-down button opens its editor at the first press, even where editing
  // starts only on a double click.
  const bool dropDown = ControlLook.DropDownAlwaysVisible && HasComboBox(rc, r) && !IsControlCell(rc, r);
  const bool mayEdit = canEdit || (dropDown && MouseActions().EditOnDblClickOnly());
  const TRect rect = CellRect(c, r);
  if (mayEdit && (MouseActions().DirectEdit() || dropDown) && x > rect.Left + 3 && x < rect.Right - 3 && Col() == c &&
      Row() == r && !EditMode()) {
    if (dropDown) SetOptions(Options() | goEditing);
    ShowInplaceEdit();
  }
}

void TQrvStringGrid::ClickCell(int32_t c, int32_t r) {
  if (FloatingFooterShown() && FloatingFooterFixedLastRow() && r == RowCount() - 1) return;
  if (OnClickCell) OnClickCell(this, r, c);
}

bool TQrvStringGrid::PressOnCheckBox(int32_t c, int32_t r, int32_t x, int32_t y) {
  const int32_t rc = RealColIndex(c);
  bool allowed = (Options() & goEditing) || MouseActions().RangeSelectAndEdit();
  CanEditCell(rc, r, allowed);
  const bool rowBox = c == 0 && HasRowCheckBox(rc, r);
  if (!allowed && !ControlLook.CheckAlwaysActive && !rowBox) return false;
  // A data check-box cell of a column toggles anywhere in the cell between its check texts.
  const bool textBox = IsDataCheckBoxCell(rc, r);
  const bool radio = !textBox && HasRadioButton(rc, r);
  if (!textBox && !HasCheckBox(rc, r) && !radio) return false;
  if (!textBox && !IsInCheckBox(rc, r, x, y)) return false;
  HideInplaceEditor();
  FocusGrid();
  bool state = false;
  if (textBox) {
    QString checkTrue = CheckTrue, checkFalse = CheckFalse;
    GetCheckTrue(rc, r, checkTrue);
    GetCheckFalse(rc, r, checkFalse);
    state = Cells(rc, r) != checkTrue;
    SetCells(rc, r, state ? checkTrue : checkFalse);
  } else if (radio) {
    SelectRadioButtonCell(rc, r, true);
    if (OnRadioButtonClick) OnRadioButtonClick(this, rc, r);
  } else {
    ToggleCheckBoxCell(rc, r, true);
    GetCheckBoxState(rc, r, state);
  }
  if (rowBox) state = PressOnRowCheckBox(r);
  if (ShowModifiedEnabled()) {
    SetRowModified(r, true);
    RepaintCell(0, r);
  }
  if (!Navigation().AlwaysEdit() && c >= FixedCols() && r >= FixedRows()) MoveCurrent(c, r, true, true);
  if (!radio) CheckBoxClick(rc, r, state);
  if (r < FixedRows() && MouseActions().CheckAllCheck() && !radio && !textBox && !rowBox) {
    for (int32_t row = FixedRows(); row < RowCount(); ++row)
      if (HasCheckBox(rc, row)) SetCheckBoxState(rc, row, state);
    Invalidate();
  }
  if (OnMouseDown) OnMouseDown(this, gmbLeft, FPressShift, FClickX, FClickY);
  Click();
  FDoOnClick = false;
  return true;
}

bool TQrvStringGrid::IsOpenableLink(const QString& link) {
  const QUrl url(link.trimmed(), QUrl::StrictMode);
  if (!url.isValid() || url.isRelative()) return false;
  const QString scheme = url.scheme().toLower();
  // A one-letter scheme is a drive letter: a local path, as is anything under "file".
  return scheme.size() > 1 && scheme != QLatin1String("file");
}

bool TQrvStringGrid::ParseCellLink(const QString& link, int32_t& col, int32_t& row) {
  const int32_t at = link.indexOf(QLatin1String("cell://"), 0, Qt::CaseInsensitive);
  if (at < 0) return false;
  const QString name = link.mid(at + 7).toUpper();
  if (name.size() < 4 || !name.startsWith(QLatin1Char('R'))) return false;
  const int32_t cAt = name.indexOf(QLatin1Char('C'), 1);
  if (cAt < 0) return false;
  bool okRow = false, okCol = false;
  const int32_t r = name.mid(1, cAt - 1).toInt(&okRow);
  const int32_t c = name.mid(cAt + 1).toInt(&okCol);
  if (!okRow || !okCol) return false;
  col = c;
  row = r;
  return true;
}

bool TQrvStringGrid::PressOnLink(int32_t c, int32_t r, int32_t x, int32_t y) {
  const QString text = CellLinkAt(c, r, x, y, false);
  if (text.isEmpty()) return false;
  bool autoHandle = true;
  if (OnAnchorClick) OnAnchorClick(this, r, c, text, autoHandle);
  if (!autoHandle) return true;
  if (!text.contains(QLatin1String("cell://"), Qt::CaseInsensitive)) {
    if (OpenLink && IsOpenableLink(text)) OpenLink(text.trimmed());
    return true;
  }
  int32_t col = -1, row = -1;
  // A cell outside the grid names nothing.
  if (ParseCellLink(text, col, row) && col >= 0 && col < ColCount() && row >= 0 && row < RowCount()) {
    SetRow(row);
    SetCol(col);
    ScrollInView(col, row);
  }
  return true;
}

void TQrvStringGrid::GridDblClick(TShiftState shift, int32_t x, int32_t y) {
  int32_t c = -1, r = -1;
  MouseToCell(x, y, c, r);
  const int32_t mouseRow = r;
  if (c < 0 && !FixedRowAlways() && y < RowHeights(0) * std::max(1, FixedRows())) {
    c = ColCount() - 1;
    r = 0;
  }
  if (c >= 0 && r >= 0 && r < FixedRows() && (Options() & goColSizing) && MouseActions().AutoSizeColOnDblClick()) {
    const TRect rect = CellRect(c, r);
    int32_t sized = -1;
    if (x - rect.Left < DblClickZone && c - 1 >= FixedCols())
      sized = c - 1;
    else if ((rect.Right - x < DblClickZone || x >= rect.Right) && c >= FixedCols())
      sized = c;
    if (sized >= 0) {
      FDblClk = true;
      bool allow = true;
      if (OnColumnSize) OnColumnSize(this, sized, allow);
      if (allow) {
        AutoSizeCol(sized);
        if (OnEndColumnSize) OnEndColumnSize(this, sized);
      }
      if (OnDblClick) OnDblClick(this);
      FButtonDown = true;
      FInteraction = TGridInteraction::None;
      return;
    }
  }
  // The double click is reported before its second press, unless it lands on a cell's button.
  if (!(c >= 0 && r >= 0 && InCellButton(c, r, x, y)) && OnDblClick) OnDblClick(this);
  // The second press runs as any press; a control cell or a cell button answers nothing more.
  GridMouseDown(gmbLeft, shift, x, y);
  if (c >= 0 && r >= 0 && (IsControlCell(RealColIndex(c), r) || PushedCellButton().X >= 0)) return;
  if (OnDblClickCell) OnDblClickCell(this, mouseRow < 0 ? -1 : r, c);
  if (MouseActions().EditOnDblClickOnly() && c >= FixedCols() && r >= FixedRows()) {
    bool canEdit = true;
    CanEditCell(RealColIndex(c), r, canEdit);
    if (canEdit) {
      SetOptions(Options() | goEditing);
      ShowInplaceEdit();
    }
  } else if (MouseActions().RangeSelectAndEdit() && c >= FixedCols() && r >= FixedRows() &&
             IsEditable(RealColIndex(c), r)) {
    SetOptions(Options() | goEditing);
    // The press that opens the editor, unless the double click's own press already did.
    const TRect rect = CellRect(BaseCell(c, r).X, BaseCell(c, r).Y);
    if (!EditMode()) GridMouseDown(gmbLeft, {}, rect.Left + 4, rect.Top + 4);
  }
  if (c >= 0 && r >= 0 && (r < FixedRows() || c < FixedCols())) PressOpensFixedEditor(c, r, x, fceDblClick);
}
