// The key-advance engine: which cell becomes current after Enter (AdvanceCell), Tab and Shift+Tab (TabAdvance), and
// after an arrow key ran off a row or column end (the wrap). The steps over refused cells are loops with a bound:
// a table where no cell takes the cursor ends the step on the cell it started from.
#include <algorithm>

#include "UQrvStringGrid.h"

namespace {
// More steps than the table has cells means every cell was refused at least once.
int32_t StepBound(const TQrvStringGrid& g) {
  return (g.ColCount() + 1) * (g.RowCount() + 1) + 1;
}
}  // namespace

int32_t TQrvStringGrid::FirstNavCol() const {
  return FixedCols() == 0 && FNumNodes > 0 ? 1 : FixedCols();
}

int32_t TQrvStringGrid::VisibleFixedRightCols() const {
  if (NumHiddenColumns() == 0) return FixedRightCols();
  int32_t visible = 0;
  const int32_t last = ColCount() + NumHiddenColumns() - 1;
  for (int32_t c = last; c > last - FixedRightCols() && c >= 0; --c)
    if (!IsHiddenColumn(c)) ++visible;
  return visible;
}

bool TQrvStringGrid::IsLastNormalRow() const {
  return Row() == LastNormalRow() || (FloatingFooterShown() && Row() == RowCount() - 2);
}

bool TQrvStringGrid::CanTabToCell(int32_t aCol, int32_t aRow) {
  bool can = EditingOn() ? IsEditable(DisplayToRealCol(aCol), aRow) : !IsFixed(DisplayToRealCol(aCol), aRow);
  if (OnSelectCell) OnSelectCell(this, aCol, aRow, can);
  return can;
}

int32_t TQrvStringGrid::FirstTabCol(int32_t aRow) {
  for (int32_t c = 0; c < ColCount(); ++c)
    if (CanTabToCell(c, aRow)) return c;
  return -1;
}

int32_t TQrvStringGrid::LastTabCol(int32_t aRow) {
  for (int32_t c = ColCount() - 1; c >= 0; --c)
    if (CanTabToCell(c, aRow)) return c;
  return -1;
}

void TQrvStringGrid::SimulateCellClick(int32_t aCol, int32_t aRow) {
  const TRect r = CellRect(aCol, aRow);
  const bool forceSel = FForceSel;
  FForceSel = true;
  const TMouseEventsHeld held(*this);
  GridMouseDown(gmbLeft, {}, r.Left + 2, r.Top + 2);
  GridMouseUp(gmbLeft, {}, r.Left + 2, r.Top + 2);
  FForceSel = forceSel;
}

bool TQrvStringGrid::AdvanceStep(int32_t& aCol, int32_t& aRow, bool forward) {
  TNavigation& nav = Navigation();
  const TAdvanceDirection dir = nav.AdvanceDirection();
  const int32_t spanX = CellSpan(DisplayToRealCol(aCol), aRow).X;
  const int32_t lastCol = ColCount() - 1 - FixedRightCols();
  if (!forward) {
    if (dir == adLeftRight) {
      if (aCol > FirstNavCol()) {
        --aCol;
      } else {
        aCol = lastCol;
        aRow = aRow == FixedRows() ? LastNormalRow() : aRow - 1;
      }
    } else if (dir == adTopBottom) {
      if (aRow > FixedRows()) {
        --aRow;
      } else {
        aRow = LastNormalRow();
        aCol = aCol == FirstNavCol() ? lastCol : aCol - 1;
      }
    }
    return true;
  }
  if (dir == adLeftRight || dir == adLeftRightInRow) {
    if (aCol + spanX < ColCount() - 1 - VisibleFixedRightCols()) {
      aCol += spanX + 1;
    } else if (dir == adLeftRightInRow) {
      if (nav.AdvanceOnEnterLoop()) aCol = FirstNavCol();
    } else if (aRow != LastNormalRow()) {
      ++aRow;
      aCol = FirstNavCol();
    } else if (nav.AdvanceInsert()) {
      bool canAdd = true;
      CanAddRow(canAdd);
      aCol = FirstNavCol();
      if (canAdd) {
        AddRow();
        ++aRow;
        if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FixedFooters() - 1);
        bool editable = false;
        for (int32_t c = FixedCols(); c < ColCount() && !editable; ++c)
          editable = IsEditable(DisplayToRealCol(c), aRow);
        if (!editable) return false;
      }
    } else if (nav.AdvanceOnEnterLoop()) {
      aRow = FixedRows();
      aCol = FirstNavCol();
    }
    return true;
  }
  if (aRow != LastNormalRow()) {
    ++aRow;
  } else if (dir == adTopBottomInCol) {
    aRow = FixedRows();
  } else {
    if (aCol != ColCount() - 1 - FixedRightCols()) {
      aRow = FixedRows();
      aCol = aCol + 1 >= ColCount() ? FirstNavCol() : aCol + 1;
    } else if (nav.AdvanceInsert()) {
      SetColCount(ColCount() + 1);
      aCol += spanX + 1;
      aRow = FixedRows();
      if (OnAutoInsertCol) OnAutoInsertCol(this, ColCount() - FixedRightCols() - 1);
    } else {
      aRow = FixedRows();
      aCol = FirstNavCol();
    }
    Invalidate();
  }
  return true;
}

void TQrvStringGrid::AdvanceCell(int32_t aCol, int32_t aRow, bool openEditor, bool recursing, bool forward,
                                 bool autoEdit, bool ignoreAdvanceOnEnter) {
  TNavigation& nav = Navigation();
  if (!nav.AdvanceOnEnter() && !ignoreAdvanceOnEnter) return;
  if (MouseActions().RangeSelectAndEdit() && !(Options() & goEditing)) SetOptions(Options() | goEditing);
  if (!recursing) {
    FAECol = aCol;
    FAERow = aRow;
  }
  const int32_t startCol = aCol, startRow = aRow;
  FStartEditChar = QChar();
  // Read-only cells are stepped over; a step that makes no progress, or more steps than cells, means no cell of
  // the table takes the cursor, and the cursor stays.
  bool reached = false;
  for (int32_t steps = 0; steps < StepBound(*this); ++steps) {
    const int32_t fromCol = aCol, fromRow = aRow;
    if (!AdvanceStep(aCol, aRow, forward)) return;
    bool canEdit = true;
    CanEditCell(DisplayToRealCol(aCol), aRow, canEdit);
    if (canEdit || !nav.AdvanceSkipReadOnlyCells()) {
      reached = true;
      break;
    }
    if (aCol == fromCol && aRow == fromRow) break;
  }
  if (!reached) return;
  bool canEdit = true;
  CanEditCell(DisplayToRealCol(aCol), aRow, canEdit);
  if (canEdit) {
    bool allow = true;
    if (OnAutoAdvance) OnAutoAdvance(this, FAERow, FAECol, aRow, aCol, allow);
    if (allow && OnCellChanging) OnCellChanging(this, FAERow, FAECol, aRow, aCol, allow);
    FDisableChange = true;
    if (allow && aCol >= 0 && aRow >= 0 && aCol < ColCount() && aRow < RowCount())
      MoveCurrent(aCol, aRow, true, true);
    else
      SelectCell(startCol, startRow);
    FDisableChange = false;
  } else {
    MoveCurrent(aCol, aRow, true, true);
  }
  if (!openEditor) return;
  const bool control = IsControlCell(DisplayToRealCol(Col()), Row());
  if ((autoEdit && nav.AdvanceAutoEdit()) || control) {
    if (!IsEditable(DisplayToRealCol(Col()), Row())) return;
    // A control cell has no text editor (ShowInplaceEdit leaves it be): it is worked by the click below.
    ShowInplaceEdit();
    if (control && !IsControlCell(DisplayToRealCol(startCol), startRow)) ClickArrivedControl(startCol, startRow);
  }
  if (MouseActions().DisjunctRowSelect()) {
    ClearRowSelect();
    SetRowSelect(DisjunctSelectRow(Row()), true);
  }
}

// Coming from a typing cell, the control cell reached takes a click as if the user had pressed it: a check box
// toggles, a button is pressed.
void TQrvStringGrid::ClickArrivedControl(int32_t startCol, int32_t startRow) {
  const int32_t col = Col(), row = Row();
  FDisableChange = true;
  MoveCurrent(startCol, startRow, true, true);
  MoveCurrent(col, row, true, true);
  SimulateCellClick(Col(), Row());
  if (Navigation().AdvanceDirection() != adLeftRight) HideInplaceEdit();
  FDisableChange = false;
  bool allow = true;
  if (OnCellChanging) OnCellChanging(this, startRow, startCol, Row(), Col(), allow);
  TEditorType kind = DefaultEditor;
  GetCellEditor(DisplayToRealCol(startCol), startRow, kind);
  if (!IsTextEditorKind(kind) || kind == edValidChars) HideInplaceEdit();
}

bool TQrvStringGrid::TabStep(bool backward, bool& handedOn) {
  TNavigation& nav = Navigation();
  const bool leftRight = nav.TabAdvanceDirection() == adLeftRight;
  const int32_t vfr = VisibleFixedRightCols();
  const int32_t lastNormal = LastNormalRow();
  bool atEnd = false;
  auto baseTabStop = [&](int32_t c, int32_t r) { return CanTabToCell(c, r) && IsBaseCell(DisplayToRealCol(c), r); };
  if (backward && !leftRight) {
    if (Row() > FixedRows()) {
      SetRow(Row() - 1);
    } else {
      const int32_t c = Col() <= FirstNavCol() ? ColCount() - vfr - 1 : Col() - 1;
      MoveCurrent(c, lastNormal, true, true);
    }
  } else if (backward) {
    if (Col() > FirstNavCol()) {
      int32_t b = 1;
      while (Col() - b >= FirstNavCol() && !baseTabStop(Col() - b, Row())) ++b;
      if (Col() - b >= FirstNavCol()) {
        SetCol(Col() - b);
      } else {
        const int32_t r = Row() > FixedRows() ? Row() - 1 : lastNormal;
        const int32_t c = LastTabCol(r);
        if (c >= 0) {
          MoveCurrent(c, r, true, true);
          if (r == lastNormal) ScrollInView(c, r);
        }
      }
      MoveToBaseCell();
    } else {
      int32_t b = 1;
      while (ColCount() - vfr - b >= FixedCols() && !CanTabToCell(ColCount() - vfr - b, Row())) ++b;
      const int32_t c = std::max(FirstNavCol(), ColCount() - vfr - b);
      MoveCurrent(c, Row() == FixedRows() ? lastNormal : Row() - 1, true, true);
    }
  } else if (!leftRight) {
    const int32_t spanY = CellSpan(DisplayToRealCol(Col()), Row()).Y;
    if (Row() + spanY + 1 < RowCount() - FixedFooters()) {
      SetRow(Row() + spanY + 1);
    } else {
      GotoFirstRow();
      if (Col() < ColCount() - vfr - 1) {
        SetCol(Col() + 1);
      } else {
        SetCol(FirstNavCol());
        atEnd = true;
      }
    }
  } else {
    const int32_t spanX = CellSpan(DisplayToRealCol(Col()), Row()).X;
    if (Col() + spanX + 1 < ColCount() - vfr) {
      int32_t c = 1;
      while (Col() + spanX + c < ColCount() - vfr && !CanTabToCell(Col() + spanX + c, Row())) ++c;
      if (Col() + spanX + c < ColCount() - vfr) {
        SetCol(Col() + spanX + c);
        if (!IsBaseCell(DisplayToRealCol(Col()), Row())) return true;
      } else {
        FForceSel = true;
        if (Row() != lastNormal) {
          const int32_t newCol = FirstTabCol(Row() + 1);
          bool allow = true;
          if (OnRowChanging) OnRowChanging(this, Row(), Row() + 1, allow);
          if (OnCellChanging) OnCellChanging(this, Row(), Col(), Row() + 1, newCol, allow);
          if (OnColChanging) OnColChanging(this, Col(), newCol, allow);
          if (allow) MoveCurrent(newCol < 0 ? FixedCols() : newCol, Row() + 1, true, true);
        } else {
          const int32_t newCol = FirstTabCol(FixedRows());
          if (newCol >= 0) MoveCurrent(newCol, FixedRows(), true, true);
          atEnd = true;
        }
        FForceSel = false;
      }
    } else if (Row() != lastNormal) {
      int32_t e = FirstNavCol();
      while (e < ColCount() && !baseTabStop(e, Row() + 1)) ++e;
      if (e < ColCount()) {
        FForceSel = true;
        MoveCurrent(e, Row() + 1, true, true);
        FForceSel = false;
      } else {
        int32_t g = Row() + 2;
        while (g <= lastNormal && FirstTabCol(g) < 0) ++g;
        if (g <= lastNormal) {
          MoveCurrent(FirstTabCol(g), g, true, true);
        } else {
          MoveCurrent(ColCount() - 1, RowCount() - 1, true, true);
          return true;
        }
      }
    } else {
      bool canAdd = !nav.TabToNextAtEnd() && nav.AdvanceInsert();
      if (canAdd) CanAddRow(canAdd);
      if (canAdd) {
        if (FloatingFooterShown()) {
          InsertRows(RowCount() - 1, 1);
          SetRow(RowCount() - 2);
        } else {
          SetRowCount(RowCount() + 1);
          SetRow(RowCount() - 1);
        }
        if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FixedFooters() - 1);
      } else {
        GotoFirstRow();
      }
      const int32_t c = FirstTabCol(Row());
      if (c >= 0) SetCol(c);
      atEnd = true;
    }
  }
  if (atEnd && nav.TabToNextAtEnd() && TabToNextControl) {
    TabToNextControl(backward);
    handedOn = true;
    return false;
  }
  return EditingOn() && !IsEditable(DisplayToRealCol(Col()), Row());
}

bool TQrvStringGrid::TabAdvance(bool backward) {
  if (OnKeyDown) {
    uint16_t key = VK_TAB;
    OnKeyDown(this, key, backward ? TShiftState(ssShift) : TShiftState());
    if (key != VK_TAB) return true;
  }
  if (Col() == FLastTabCol && Row() == FLastTabRow) return true;
  FLastTabCol = Col();
  FLastTabRow = Row();
  const int32_t startCol = Col(), startRow = Row();
  bool handedOn = false;
  bool again = true;
  for (int32_t steps = 0; again && steps < StepBound(*this); ++steps) again = TabStep(backward, handedOn);
  // No cell of the table takes a Tab: the cursor goes back where the step started.
  if (again) MoveCurrent(startCol, startRow, true, true);
  if (!handedOn && !again && Navigation().AdvanceAutoEdit() && !IsControlCell(DisplayToRealCol(Col()), Row()))
    SimulateCellClick(Col(), Row());
  FLastTabCol = -1;
  FLastTabRow = -1;
  if (Navigation().AlwaysEdit()) FocusGrid();
  return !handedOn;
}

void TQrvStringGrid::AfterArrowKey(uint16_t key) {
  const TCursorAdvance advance = Navigation().CursorAdvance();
  const bool snake = advance == caSnake;
  if (advance != caDefault) {
    const int32_t lastCol = ColCount() - FixedRightCols() - 1;
    if (key == VK_LEFT && FLastKeyCell.X == FixedCols()) {
      MoveCurrent(lastCol, snake && Row() > FixedRows() ? Row() - 1 : Row(), true, true);
    } else if (key == VK_UP && FLastKeyCell.Y == FixedRows()) {
      MoveCurrent(snake && Col() > FixedCols() ? Col() - 1 : Col(), LastNormalRow(), true, true);
    } else if (key == VK_RIGHT && FLastKeyCell.X == ColCount() - 1) {
      MoveCurrent(FixedCols(), snake && Row() < LastNormalRow() ? Row() + 1 : Row(), true, true);
    } else if (key == VK_DOWN && FLastKeyCell.Y == RowCount() - 1) {
      MoveCurrent(snake && Col() < lastCol ? Col() + 1 : Col(), FixedRows(), true, true);
    }
  }
  if (UseEnabledRows() && Navigation().SkipDisabledRows() && Row() == FLastKeyCell.Y) {
    if (key == VK_UP) {
      int32_t r = Row() - 1;
      while (r >= FixedRows() && !GetRowEnabled(r)) --r;
      if (r >= FixedRows()) SetRow(r);
    } else if (key == VK_DOWN) {
      int32_t r = Row() + 1;
      while (r < RowCount() && !GetRowEnabled(r)) ++r;
      if (r < RowCount()) SetRow(r);
    }
  }
}

void TQrvStringGrid::AutoAppendRow() {
  bool canAdd = true;
  CanAddRow(canAdd);
  if (!canAdd) return;
  if (FloatingFooterShown()) {
    QStringList kept;
    for (int32_t c = 0; c < ColCount() + NumHiddenColumns(); ++c) kept << Cells(c, RowCount() - 1);
    IncRowCount();
    ClearRows(RowCount() - 2, 1);
    for (int32_t c = 0; c < kept.size(); ++c) SetCells(c, RowCount() - 1, kept[c]);
  } else {
    IncRowCount();
    ClearRows(RowCount() - 1, 1);
  }
  if (FloatingFooterShown() || FixedFooters() > 0) SetRow(Row() + 1);
  if (FloatingFooterShown()) CalcFooter(-1);
  if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FixedFooters() - 1);
}
