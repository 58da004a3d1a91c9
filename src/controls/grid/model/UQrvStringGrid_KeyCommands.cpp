// Key presses and releases while the grid itself has the focus: Enter and F2 on editable and control cells, Space
// on check boxes, radio items and buttons, Home and End, node keys, sideways scrolling in row selection, fixed
// cells skipped, rows appended, inserted and deleted, the clipboard keys, select-all and moving selected rows. The
// cursor movement itself is the base grid's; the wraps after it are the key-advance engine's.
#include <QObject>
#include <algorithm>

#include "UQrvStringGrid.h"

namespace {
bool IsArrowOrPage(uint16_t key) {
  return key >= VK_PRIOR && key <= VK_DOWN;
}

TGridRect Ordered(TGridRect s) {
  if (s.Left > s.Right) std::swap(s.Left, s.Right);
  if (s.Top > s.Bottom) std::swap(s.Top, s.Bottom);
  return s;
}
}  // namespace

bool TQrvStringGrid::ControlCellKey(uint16_t key) {
  const int32_t rc = DisplayToRealCol(Col());
  const int32_t r = Row();
  bool allowed = (Options() & goEditing) || MouseActions().RangeSelectAndEdit();
  CanEditCell(rc, r, allowed);
  if (key == VK_SPACE && (HasCheckBox(rc, r) || HasDataCheckBox(rc, r) || IsDataCheckBoxCell(rc, r)) &&
      (allowed || ControlLook.CheckAlwaysActive)) {
    ToggleCheckBoxCell(rc, r, false);
    if (ShowModifiedEnabled()) {
      SetRowModified(r, true);
      RepaintCell(0, r);
    }
    bool state = false;
    // A column's data check box has no stored graphic: its state is its text.
    if (IsDataCheckBoxCell(rc, r))
      state = Cells(rc, r) == CheckTrueOf(rc, r);
    else
      GetCheckBoxState(rc, RealRowIndex(r), state);
    CheckBoxClick(rc, r, state);
  } else if (key == VK_SPACE && IsRadio(rc, r) && (allowed || ControlLook.RadioAlwaysActive)) {
    SelectNextRadioItem(rc, r, false);
    int32_t index = -1;
    GetRadioIdx(rc, r, index);
    if (OnRadioClick) OnRadioClick(this, rc, r, index);
  } else if (key == VK_SPACE && HasRadioButton(rc, r) && (allowed || ControlLook.RadioAlwaysActive)) {
    SetRadioButtonColumnIndex(rc, r);
    if (OnRadioButtonClick) OnRadioButtonClick(this, rc, r);
  } else if (BaseCellType(rc, r) == ctButton && allowed) {
    ButtonClick(rc, r);
  }
  RepaintCell(Col(), r);
  return false;
}

bool TQrvStringGrid::HomeEndKey(uint16_t key, TShiftState shift) {
  const THomeEndAction action = Navigation().HomeEndKey();
  const bool ctrl = shift & ssCtrl;
  const bool rowSelect = Options() & goRowSelect;
  const bool onlyFixedRow = FixedRowAlways() && RowCount() == 1;
  const bool home = key == VK_HOME;
  const int32_t oldLeft = LeftCol();
  if (action == heFirstLastCell && !ctrl) {
    if (home)
      MoveCurrent(FixedCols(), FixedRows(), true, true);
    else
      MoveCurrent(ColCount() - 1, RowCount() - 1, true, true);
    MoveToBaseCell();
    return true;
  }
  if (action == heFirstLastRow && !ctrl) {
    if (onlyFixedRow) return false;
    const int32_t oldRow = Row();
    const int32_t target = home                                      ? FixedRows()
                           : FloatingFooterShown() && RowCount() > 2 ? RowCount() - 2
                                                                     : LastNormalRow();
    if (shift & ssShift) {
      SetRow(target);
      SetSelection(TGridRect{0, std::min(oldRow, target), ColCount() - 1, std::max(oldRow, target)});
      if (MouseActions().DisjunctRowSelect()) SelectionToRowSelect(false);
    } else {
      SetRow(target);
      if (MouseActions().DisjunctRowSelect()) {
        ClearRowSelect();
        SelectionToRowSelect(false);
      }
    }
    // The footer rows under the last normal row come into view with it.
    if (!home && (FixedFooters() > 0 || FloatingFooterShown())) SetTopRow(MaxTopRow());
    MoveToBaseCell();
    if (rowSelect && Navigation().KeepHorizScroll()) SetLeftCol(oldLeft);
    return true;
  }
  if (action != heFirstLastColumn) return false;
  if (home && ctrl) {
    SetRow(FixedRows());
    const int32_t c = FirstTabCol(Row());
    if (c >= 0) SetCol(c);
    MoveToBaseCell();
    SetLeftCol(FirstNavCol());
    return true;
  }
  if (ctrl || rowSelect) return false;
  if (onlyFixedRow) return false;
  if (shift & ssShift) {
    const int32_t to = home ? FixedCols() : ColCount() - FixedRightCols() - 1;
    SetSelection(TGridRect{std::min(Col(), to), Row(), std::max(Col(), to), Row()});
    return true;
  }
  if (home) {
    const int32_t c = FirstTabCol(Row());
    if (c >= 0) SetCol(c);
    MoveToBaseCell();
    SetLeftCol(FirstNavCol());
  } else {
    FEndOnFixedRight = true;
    SetCol(ColCount() - 1);
    FEndOnFixedRight = false;
    MoveToBaseCell();
    SetLeftCol(std::max(FixedCols(), MaxLeftCol()));
  }
  return true;
}

void TQrvStringGrid::InsertRowByKey() {
  bool canInsert = true;
  CanInsertRow(Row(), canInsert);
  if (!canInsert) return;
  int32_t at = Row();
  int32_t newRow = Row();
  if (Navigation().InsertPosition() == pInsertAfter) {
    if (FixedRowAlways() && RowCount() == FixedRows()) {
      newRow = 1;
    } else if (Row() < RowCount()) {
      at = Row() + 1;
      newRow = Row() + 1;
    }
  }
  // Rows hidden above the place, and the node around it, are counted in: the new row widens that node.
  const int32_t realAt = DisplayToRealRow(at);
  if (HasNodes() && at < RowCount())
    RowInserted(realAt);
  else
    InsertNormalRow(realAt);
  if (OnAutoInsertRow) OnAutoInsertRow(this, realAt);
  FGridModified = true;
  if (newRow < RowCount()) SetRow(newRow);
  CalcFooter(-1);
}

bool TQrvStringGrid::DeleteRowByKey() {
  if (RowCount() - FixedRows() - FixedFooters() < 1) return false;
  const int32_t realRow = RealRowIndex(Row());
  bool canDelete = true;
  if (OnCanDeleteRow) OnCanDeleteRow(this, realRow, canDelete);
  if (!canDelete) return true;
  RowDeleted(realRow);
  if (FloatingFooterShown() && Row() == RowCount() - 1 && RowCount() >= 2) SetRow(RowCount() - 2);
  RememberOldCellText(Col(), Row());
  FGridModified = true;
  CalcFooter(-1);
  return true;
}

bool TQrvStringGrid::WMKeyDown(uint16_t& key, TShiftState shift) {
  FMoveSelection = Selection();
  const int32_t rc = DisplayToRealCol(Col());
  const bool ctrl = shift & ssCtrl;
  const bool shifted = shift & ssShift;
  const bool alt = shift & ssAlt;
  // The base navigation uses up the key code; the steps after it go by the key pressed.
  const uint16_t pressed = key;
  const int32_t oldLeft = LeftCol();
  // In row selection the columns stay where they are while the rows move.
  const bool keepHoriz = (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN) &&
                         (Options() & goRowSelect) && LeftCol() != FixedCols() && Navigation().KeepHorizScroll();
  const bool enterOrF2 = key == VK_RETURN || key == VK_F2;
  const auto swallow = [&] {
    FireKeyDown(key, shift);
    key = 0;
    return true;
  };

  if (Navigation().MoveScrollOnly() &&
      (key == VK_PRIOR || key == VK_NEXT || key == VK_END || key == VK_HOME || key == VK_UP || key == VK_DOWN)) {
    const int32_t page = VisibleRowCount();
    const int32_t last = std::max(FixedRows(), RowCount() - page);
    int32_t top = TopRow();
    if (key == VK_PRIOR) top = top - page < FixedRows() ? FixedRows() : top - page;
    if (key == VK_NEXT && top + page < RowCount()) top = std::min(last, top + page);
    if (key == VK_END) top = last;
    if (key == VK_HOME) top = FixedRows();
    if (key == VK_UP) top = std::max(FixedRows(), top - 1);
    if (key == VK_DOWN) top = std::min(last, top + 1);
    SetTopRow(top);
    key = 0;
    return true;
  }
  if (MouseActions().EditOnDblClickOnly() && enterOrF2 && !(Options() & goEditing) && CellEditAllowed(rc, Row()))
    SetOptions(Options() | goEditing);
  if (MouseActions().RangeSelectAndEdit() && !(Options() & goEditing) && enterOrF2) {
    if (!CellEditAllowed(rc, Row())) return swallow();
    SetOptions(Options() | goEditing);
    ShowInplaceEdit();
  }
  if (ctrl && key == 'F' && SearchFooterShown() && FocusSearchEdit) FocusSearchEdit();
  if (enterOrF2) {
    if ((Options() & goEditing) && !IsEditable(rc, Row())) return swallow();
    if (CellHoldsControlTag(rc, Row())) return true;
  }
  const bool preview = FormKeyPreview && FormKeyPreview();
  // The platform's key-down stage: the previewing form first, then OnKeyDown.
  const auto platformKeyDown = [&] {
    if (preview && FormKeyDown) FormKeyDown(key, shift);
    if (key != 0) FireKeyDown(key, shift);
  };
  // A form that previews keys sees an Enter the grid has no use for; otherwise it ends here.
  if (key == VK_RETURN && !IsEditable(rc, Row())) {
    if (!preview) return swallow();
    platformKeyDown();
    return key == 0;
  }
  if ((key == VK_RETURN || key == VK_SPACE) && IsControlCell(rc, Row())) ControlCellKey(key);

  if ((key == VK_HOME || key == VK_END) && HomeEndKey(key, shift)) {
    FireKeyDown(key, shift);
    key = 0;
    return true;
  }
  if ((key == VK_RIGHT || key == VK_LEFT) && IsNode(Row()) && IsMergedCell(Col(), Row())) {
    if (key == VK_RIGHT)
      ExpandNode(RealRowIndex(Row()));
    else
      ContractNode(RealRowIndex(Row()));
  }
  if ((Options() & goRowSelect) && !IsNode(Row()) && ColCount() > VisibleColCount() &&
      (key == VK_LEFT || key == VK_RIGHT)) {
    const auto scroll = [&] {
      if (key == VK_LEFT && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
      if (key == VK_RIGHT && LeftCol() < MaxLeftCol()) SetLeftCol(LeftCol() + 1);
    };
    if (Navigation().LeftRightRowSelect()) {
      if (ctrl) scroll();
    } else {
      scroll();
      FireKeyDown(key, shift);
      key = 0;
      return true;
    }
  }
  if (key == VK_TAB && (Options() & goTabs)) {
    TabAdvance(shifted);
    const TGridRect now = Selection();
    if (!(now == FMoveSelection)) SelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
    key = 0;
    return true;
  }
  if (Navigation().SkipFixedCells()) {
    const auto fixedAt = [&](int32_t c, int32_t r) { return IsFixed(DisplayToRealCol(c), r); };
    int32_t c = Col(), r = Row();
    bool moved = false;
    if (key == VK_LEFT && Col() > FixedCols() && fixedAt(Col() - 1, Row())) {
      while (c > FixedCols() && fixedAt(c - 1, r)) --c;
      moved = c > FixedCols() && --c >= FixedCols();
    } else if (key == VK_RIGHT && Col() < ColCount() - FixedRightCols() - 1 && fixedAt(Col() + 1, Row())) {
      while (c < ColCount() - FixedRightCols() - 1 && fixedAt(c + 1, r)) ++c;
      moved = c < ColCount() - FixedRightCols() - 1 && ++c < ColCount();
    } else if (key == VK_UP && Row() > FixedRows() && fixedAt(Col(), Row() - 1)) {
      while (r > FixedRows() && fixedAt(c, r - 1)) --r;
      moved = r > FixedRows() && --r >= FixedRows();
    } else if (key == VK_DOWN && Row() < LastNormalRow() && fixedAt(Col(), Row() + 1)) {
      while (r < LastNormalRow() && fixedAt(c, r + 1)) ++r;
      moved = r < LastNormalRow() && ++r <= LastNormalRow();
    }
    if (moved) {
      MoveCurrent(c, r, true, true);
      FireKeyDown(key, shift);
      key = 0;
      return true;
    }
  }
  if (key == VK_DOWN && Navigation().AppendOnArrowDown() && IsLastNormalRow()) AutoAppendRow();

  if (keepHoriz) BeginUpdate();
  platformKeyDown();
  const bool stopped = key == 0;
  if (!stopped) KeyDown(key, shift);
  if (keepHoriz) {
    SetLeftCol(oldLeft);
    EndUpdate();
  }
  if (stopped) return true;
  bool used = key == 0;

  if (Navigation().AllowClipboardShortCuts()) {
    const auto ask = [this](const std::function<void(QObject*, bool&)>& event) {
      bool allow = true;
      // The window showing the grid stands for it as the sender.
      if (event) event(dynamic_cast<QObject*>(Host()), allow);
      return allow;
    };
    if ((ctrl && pressed == 'X') || (shifted && pressed == VK_DELETE)) {
      if (ask(OnClipboardCut)) CutSelectionToClipboard();
      return true;
    }
    if ((ctrl && pressed == 'V') || (shifted && pressed == VK_INSERT)) {
      if (ask(OnClipboardPaste)) PasteSelectionFromClipboard();
      return true;
    }
    if (ctrl && (pressed == 'C' || pressed == VK_INSERT)) {
      if (ask(OnClipboardCopy)) CopySelectionToClipboard();
      return true;
    }
  }
  if (pressed == VK_INSERT && Navigation().AllowInsertRow() && !ctrl && !shifted && !alt) {
    InsertRowByKey();
    return true;
  }
  if (ctrl && pressed == 'A' && (Options() & (goRowSelect | goRangeSelect))) {
    const TGridRect all = NormalCellsRect();
    if (MouseActions().DisjunctRowSelect()) SelectRows(FixedRows(), LastNormalRow() - FixedRows() + 1);
    KeySelectionChanging(all);
    SetSelection(all);
    // The click on the last cell anchors the range there; it leaves the whole table selected.
    MoveCurrent(all.Right, all.Bottom, true, true);
    SimulateCellClick(all.Right, all.Bottom);
    MoveCurrent(all.Right, all.Bottom, true, true);
    SetSelection(all);
    used = true;
  } else {
    const bool rows = MouseActions().DisjunctRowSelect(), cols = MouseActions().DisjunctColSelect();
    const int32_t selRow = DisjunctSelectRow(Row());
    if (IsArrowOrPage(pressed)) {
      if (rows) {
        if (!shifted && !ctrl) ClearRowSelect();
        if (shifted) SelectionToRowSelect(true);
        if (!shifted) SetRowSelect(selRow, true);
      }
      if (cols) {
        if (!shifted && !ctrl) ClearColSelect();
        if (shifted) SelectionToColSelect(true);
        if (!shifted) SetColSelect(Col(), true);
      }
    }
    if (pressed == VK_SPACE && rows) SetRowSelect(selRow, !GetRowSelect(selRow));
    if (pressed == VK_SPACE && cols) SetColSelect(Col(), !GetColSelect(Col()));
    if (pressed == VK_DELETE && Navigation().AllowDeleteRow() && !alt) used = DeleteRowByKey() || used;
    if (enterOrF2) {
      RememberOldCellText(Col(), Row());
      if (CellHoldsControlTag(DisplayToRealCol(Col()), Row())) FocusNextCellControl(Col(), Row(), QString());
      if (pressed == VK_F2) F2Pressed();
    }
  }
  const TGridRect now = Selection();
  if (!(now == FMoveSelection)) {
    SelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
    FMoveSelection = now;
  }
  return used;
}

void TQrvStringGrid::FireKeyDown(uint16_t& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TQrvStringGrid::KeyDown(uint16_t& key, TShiftState shift) {
  FLastKeyCell = TPoint{Col(), Row()};
  const uint16_t pressed = key;
  // The selected rows move instead of the cursor, so the selection is the one the key found.
  if (Navigation().CursorMoveRows() && (shift & ssCtrl) && (pressed == VK_DOWN || pressed == VK_UP)) {
    MoveSelectedRows(pressed == VK_DOWN ? 1 : -1);
    key = 0;
  }
  TBaseGrid::KeyDown(key, shift);
  if (pressed == VK_LEFT || pressed == VK_RIGHT || pressed == VK_UP || pressed == VK_DOWN) AfterArrowKey(pressed);
}

void TQrvStringGrid::MoveSelectedRows(int32_t step) {
  const TGridRect s = Ordered(Selection());
  if (step > 0 ? s.Bottom >= RowCount() - 1 : s.Top <= FixedRows()) return;
  if (s.Top == s.Bottom) {
    MoveRow(s.Top, s.Top + step);
    SetRow(s.Top + step);
    return;
  }
  MoveRows(s.Top, s.Top + step, s.Bottom - s.Top + 1);
  // The current cell stays inside the block it belongs to.
  MoveCurrent(Col(), Row() + step, true, true);
  SetSelection(TGridRect{FixedCols(), s.Top + step, ColCount() - 1, s.Bottom + step});
}

void TQrvStringGrid::KeyUp(uint16_t& key, TShiftState shift) {
  // A cursor key ends the incremental search; Home alone does not.
  if ((IsArrowOrPage(key) && key != VK_HOME) || key == VK_INSERT || key == VK_DELETE) IncrSearchText.clear();
  const TGridRect before = Ordered(Selection());
  if (OnKeyUp) OnKeyUp(this, key, shift);
  const bool arrow = key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
  const bool tab = key == VK_TAB && (Options() & goTabs);
  if (Navigation().AlwaysEdit() && (arrow || tab) && !IsControlCell(DisplayToRealCol(Col()), Row()) && !FEditMode)
    ShowInplaceEdit();
  const TGridRect now = Selection();
  if (!(now == FMoveSelection) && (arrow || key == VK_TAB)) {
    SelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
    FMoveSelection = now;
  }
  if (!MouseActions().DisjunctCellSelect() || (Options() & goEditing)) return;
  if (shift & ssShift) {
    for (int32_t r = before.Top; r <= before.Bottom; ++r)
      for (int32_t c = before.Left; c <= before.Right; ++c) SetSelectedCells(c, r, false);
    const TGridRect s = Ordered(now);
    for (int32_t r = s.Top; r <= s.Bottom; ++r)
      for (int32_t c = s.Left; c <= s.Right; ++c)
        if (c != Col() || r != Row()) SetSelectedCells(c, r, true);
  }
  if (key == VK_SPACE) {
    const TPoint base = BaseCell(Col(), Row());
    if (IsFixed(base.X, base.Y)) return;
    bool allow = true;
    if (OnSelectCell) OnSelectCell(this, base.X, base.Y, allow);
    if (!allow) return;
    if (shift & ssCtrl) {
      SetSelectedCells(base.X, base.Y, !GetSelectedCells(base.X, base.Y));
    } else {
      // Only the list starts again: the range selected with the keys stays and joins it below.
      FSelectedCells->Clear();
      SetSelectedCells(base.X, base.Y, true);
    }
    const TGridRect s = Ordered(Selection());
    if (s.Left != s.Right || s.Top != s.Bottom)
      for (int32_t r = s.Top; r <= s.Bottom; ++r)
        for (int32_t c = s.Left; c <= s.Right; ++c)
          if (c != base.X || r != base.Y) SetSelectedCells(c, r, true);
    Invalidate();
  }
}
