// Cell objects: check boxes, radio buttons and radio groups.
#include "Exception.h"
#include "UQrvGridUndoRedo.h"
#include "UQrvStringGrid.h"

namespace {
TCellVAlign ControlVAlign(TVAlignment value) {
  switch (value) {
    case vtaCenter:
      return vaCenter;
    case vtaBottom:
      return vaBottom;
    default:
      return vaTop;
  }
}
}  // namespace

QString TQrvStringGrid::CheckTrueOf(int32_t c, int32_t r) {
  QString value;
  GetCheckTrue(c, r, value);
  return value;
}

QString TQrvStringGrid::CheckFalseOf(int32_t c, int32_t r) {
  QString value;
  GetCheckFalse(c, r, value);
  return value;
}

bool TQrvStringGrid::AskCanEdit(int32_t c, int32_t r) {
  bool allow = true;
  CanEditCell(c, r, allow);
  return allow;
}

void TQrvStringGrid::CheckRangeOrRaise(int32_t c, int32_t r) const {
  if (c < 0 || r < 0 || c >= ColCount() + NumHiddenColumns() || r >= RowCount() + NumHiddenRows())
    throw Exception(QStringLiteral("Invalid cell"));
}

void TQrvStringGrid::AddCheckBox(int32_t c, int32_t r, bool state, bool data) {
  CheckRangeOrRaise(c, r);
  CreateCellGraphic(c, r)->SetCheckBox(state, data, haBeforeText, ControlVAlign(VAlignment));
  GetCellGraphic(c, r)->SetCellTransparent(true);
  if (!data) return;
  const QString text = Cells(c, r);
  if (text != CheckTrue && text != CheckFalse) SetCells(c, r, state ? CheckTrue : CheckFalse);
}

void TQrvStringGrid::AddCheckBox(int32_t c, int32_t r, TCheckBoxState state) {
  CheckRangeOrRaise(c, r);
  CreateCellGraphic(c, r)->SetCheckBox(state, haBeforeText, ControlVAlign(VAlignment));
  GetCellGraphic(c, r)->SetCellTransparent(true);
}

void TQrvStringGrid::AddCheckBoxColumn(int32_t c, bool defaultState, bool dataCheckBox) {
  for (int32_t r = MouseActions().CheckAllCheck() ? 0 : FixedRows(); r < RowCount(); ++r) {
    if (IsSummary(r)) continue;
    if (IsNode(r))
      AddCheckBox(c, r, cbUnchecked);
    else
      AddCheckBox(c, r, defaultState, dataCheckBox);
  }
}

void TQrvStringGrid::AddTriStateCheckBoxColumn(int32_t c, TCheckBoxState state) {
  for (int32_t r = MouseActions().CheckAllCheck() ? 0 : FixedRows(); r < RowCount(); ++r) AddCheckBox(c, r, state);
}

void TQrvStringGrid::RemoveCheckBox(int32_t c, int32_t r) {
  TCellGraphic* g = GetCellGraphic(c, r);
  if (!g) return;
  const TCellType type = g->CellType();
  if (type != ctCheckBox && type != ctDataCheckBox && type != ctRadioButton && type != ctTriStateCheckBox) return;
  g->FreeAttachedBalloon();
  RemoveCellGraphic(c, r);
}

void TQrvStringGrid::RemoveCheckBoxColumn(int32_t c) {
  for (int32_t r = MouseActions().CheckAllCheck() ? 0 : FixedRows(); r < RowCount(); ++r)
    if (HasCheckBox(c, r)) RemoveCheckBox(c, r);
}

bool TQrvStringGrid::HasCheckBox(int32_t c, int32_t r) {
  return IsCheckBoxType(BaseCellType(c, r));
}

bool TQrvStringGrid::HasDataCheckBox(int32_t c, int32_t r) {
  return IsDataCheckBoxType(BaseCellType(c, r));
}

bool TQrvStringGrid::GetCheckBoxState(int32_t c, int32_t r, bool& state) {
  const TCellGraphic* g = GraphicByRealRow(c, r);
  if (!g) return false;
  switch (g->CellType()) {
    case ctCheckBox:
      state = g->CellBoolean();
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
      state = GetCellsEx(c, r) == CheckTrueOf(c, r);
      return true;
    case ctRowCheckBox:
      state = GetRowSelect(r);
      return true;
    default:
      return false;
  }
}

bool TQrvStringGrid::GetCheckBoxState(int32_t c, int32_t r, TCheckBoxState& state) {
  const TCellGraphic* g = GraphicByRealRow(c, r);
  if (!g) return false;
  switch (g->CellType()) {
    case ctCheckBox:
      state = BoolToCheckBoxState(g->CellBoolean());
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
      state = BoolToCheckBoxState(GetCellsEx(c, r) == CheckTrueOf(c, r));
      return true;
    case ctRowCheckBox:
      state = BoolToCheckBoxState(GetRowSelect(r));
      return true;
    case ctTriStateCheckBox:
      state = g->CellCheckBoxState();
      return true;
    default:
      return false;
  }
}

bool TQrvStringGrid::IsChecked(int32_t c, int32_t r) {
  bool state = false;
  GetCheckBoxState(c, r, state);
  return state;
}

bool TQrvStringGrid::SetCheckBoxState(int32_t c, int32_t r, bool state) {
  TCellGraphic* g = GraphicByRealRow(c, r);
  if (!g) return false;
  switch (g->CellType()) {
    case ctCheckBox:
      g->SetCellBoolean(state);
      RepaintCell(c, DisplRowIndex(r));
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
      SetCellsEx(c, r, state ? CheckTrueOf(c, r) : CheckFalseOf(c, r));
      return true;
    case ctRowCheckBox:
      SetRowSelect(r, state);
      return true;
    default:
      return false;
  }
}

bool TQrvStringGrid::SetCheckBoxState(int32_t c, int32_t r, TCheckBoxState state) {
  TCellGraphic* g = GraphicByRealRow(c, r);
  if (!g || g->CellType() != ctTriStateCheckBox) return false;
  g->SetCellCheckBoxState(state);
  RepaintCell(c, DisplRowIndex(r));
  return true;
}

bool TQrvStringGrid::ToggleCheckBoxCell(int32_t c, int32_t r, bool fromUser) {
  TCellGraphic* g = GetCellGraphic(c, r);
  if (!g) return false;
  bool isNode = false;
  bool contracted = false;
  int32_t span = -1;
  if (Grouping.AutoCheckGroup) {
    if (IsNode(r)) {
      isNode = true;
      span = GetNodeSpan(r);
      contracted = GetNodeState(r);
    } else {
      span = GetNodeSpan(GetParentRow(r));
    }
  }
  const TCellType type = g->CellType();
  if (!IsCheckBoxType(type)) return false;
  if (fromUser && !ControlLook.CheckAlwaysActive && !AskCanEdit(c, r)) return false;

  const QString before = Cells(c, r);
  bool newState = false;
  if (type == ctCheckBox) {
    g->SetCellBoolean(!g->CellBoolean());
    newState = g->CellBoolean();
  } else if (type == ctTriStateCheckBox) {
    const TCheckBoxState s = g->CellCheckBoxState();
    if (isNode) {
      g->SetCellCheckBoxState(s == cbChecked ? cbUnchecked : cbChecked);
      newState = g->CellCheckBoxState() == cbChecked;
    } else {
      g->SetCellCheckBoxState(s == cbUnchecked ? cbGrayed : s == cbGrayed ? cbChecked : cbUnchecked);
      newState = false;
    }
  } else if (type == ctRowCheckBox) {
    newState = ToggleRowCheckBox(r);
  } else {
    const QString checkTrue = CheckTrueOf(c, r);
    newState = before != checkTrue;
    SetCells(c, r, newState ? checkTrue : CheckFalseOf(c, r));
  }
  RepaintCell(DisplColIndex(c), r);
  CheckBoxChange(c, r, newState);
  if (Grouping.AutoCheckGroup) CheckGroupAfterToggle(c, r, isNode, span, contracted, newState);

  // A row check box changes the selection, not the data: nothing to undo.
  TQrvGridUndoRedo* history = type == ctRowCheckBox ? nullptr : UndoRedo();
  if (history) {
    // A data check box records the texts it really swapped; a plain one the two check texts of its new state.
    if (IsDataCheckBoxType(type))
      history->RegisterChange(c, r, before, Cells(c, r));
    else if (g->CellBoolean())
      history->RegisterChange(c, r, CheckFalseOf(c, r), CheckTrueOf(c, r));
    else
      history->RegisterChange(c, r, CheckTrueOf(c, r), CheckFalseOf(c, r));
  }
  return true;
}

void TQrvStringGrid::CheckGroupAfterToggle(int32_t c, int32_t r, bool isNode, int32_t span, bool contracted,
                                           bool newState) {
  if (isNode) {
    for (int32_t e = 1; e < span; ++e)
      SetCheckBoxState(c, contracted ? RealRowIndex(r) + e : RealRowIndex(r + e), newState);
    return;
  }
  const int32_t parent = GetParentRow(r);
  if (parent < 0) return;
  bool reference = false;
  GetCheckBoxState(c, RealRowIndex(parent + 1), reference);
  bool mixed = false;
  for (int32_t e = 1; e < span; ++e) {
    bool state = false;
    GetCheckBoxState(c, RealRowIndex(parent + e), state);
    mixed = mixed || state != reference;
  }
  SetCheckBoxState(c, RealRowIndex(parent), mixed ? cbGrayed : reference ? cbChecked : cbUnchecked);
}

void TQrvStringGrid::CheckBoxChange(int32_t aCol, int32_t aRow, bool state) {
  if (OnCheckBoxChange) OnCheckBoxChange(this, aCol, aRow, state);
}

bool TQrvStringGrid::ChangeCheckBoxState(int32_t c, int32_t r, bool state) {
  TCellGraphic* g = GraphicByRealRow(c, RealRowIndex(r));
  if (!g) return false;
  switch (g->CellType()) {
    case ctCheckBox:
      if (state != g->CellBoolean()) {
        g->SetCellBoolean(state);
        CheckBoxChange(c, r, state);
        RepaintCell(DisplColIndex(c), r);
      }
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      const bool was = Cells(c, r) == CheckTrueOf(c, r);
      SetCells(c, r, state ? CheckTrueOf(c, r) : CheckFalseOf(c, r));
      if (state != was) CheckBoxChange(c, r, state);
      return true;
    }
    case ctRowCheckBox:
      if (state != GetRowSelect(r)) {
        SetRowSelect(r, state);
        CheckBoxChange(c, r, state);
      }
      return true;
    default:
      return false;
  }
}

void TQrvStringGrid::CheckAll(int32_t c) {
  for (int32_t r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(c, r, true);
  if (NumHiddenColumns() > 0) RepaintCol(DisplColIndex(c));
}

void TQrvStringGrid::UnCheckAll(int32_t c) {
  for (int32_t r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(c, r, false);
}

bool TQrvStringGrid::IsInCheckBox(int32_t c, int32_t r, int32_t x, int32_t y) {
  const TCellType type = GetCellType(c, r);
  if (!IsCheckBoxType(type) && type != ctRadioButton) return false;
  if (!MouseActions().PreciseCheckBoxCheck()) return true;
  const TCellGraphic* g = GetCellGraphic(c, r);
  const TRect rect = CellRect(DisplColIndex(c), r);
  const int32_t s = ControlLook.CheckSize;
  int32_t top = rect.Top + 2;
  if (g && g->CellVAlign() == vaBottom)
    top = rect.Bottom - s - 2;
  else if (g && g->CellVAlign() == vaCenter)
    top = rect.Top + (rect.Bottom - rect.Top - s) / 2;
  TAlignment hAlign = Alignments(c, r);
  TVAlignment vAlign = vtaTop;
  GetAlignment(c, r, hAlign, vAlign);
  int32_t left = rect.Left + 2;
  if (hAlign == taRightJustify) {
    left = rect.Right - s - 2;
    if (!Cells(c, r).isEmpty()) left -= CheckBoxTextWidth(c, r);
  } else if (hAlign == taCenter) {
    left = rect.Left + (rect.Right - rect.Left - s) / 2;
  }
  return x >= left && x < left + s && y >= top && y < top + s;
}

// Radio buttons.

void TQrvStringGrid::AddRadioButton(int32_t c, int32_t r, bool state) {
  CheckRangeOrRaise(c, r);
  CreateCellGraphic(c, r)->SetRadioButton(state, haBeforeText, ControlVAlign(VAlignment));
  GetCellGraphic(c, r)->SetCellTransparent(true);
}

void TQrvStringGrid::RemoveRadioButton(int32_t c, int32_t r) {
  RemoveCellGraphicOfType(c, r, ctRadioButton);
}

void TQrvStringGrid::AddRadioButtonColumn(int32_t c) {
  for (int32_t r = FixedRows(); r < RowCount(); ++r) AddRadioButton(c, r, false);
}

void TQrvStringGrid::RemoveRadioButtonColumn(int32_t c) {
  for (int32_t r = FixedRows(); r < RowCount(); ++r)
    if (HasRadioButton(c, r)) RemoveRadioButton(c, r);
}

bool TQrvStringGrid::IsRadioButtonChecked(int32_t c, int32_t r) {
  const TCellGraphic* g = BaseCellGraphic(c, r);
  return g && g->CellType() == ctRadioButton && g->CellBoolean();
}

bool TQrvStringGrid::SetRadioButtonState(int32_t c, int32_t r, bool state) {
  TCellGraphic* g = BaseCellGraphic(c, r);
  if (!g || g->CellType() != ctRadioButton) return false;
  if (g->CellBoolean() != state) {
    g->SetCellBoolean(state);
    RepaintCell(DisplColIndex(c), r);
  }
  return true;
}

void TQrvStringGrid::SetRadioButtonColumnIndex(int32_t c, int32_t index) {
  for (int32_t r = FixedRows(); r < RowCount(); ++r) SetRadioButtonState(c, r, r == index);
}

int32_t TQrvStringGrid::GetRadioButtonColumnIndex(int32_t c) {
  for (int32_t r = FixedRows(); r < RowCount(); ++r)
    if (IsRadioButtonChecked(c, r)) return r;
  return -1;
}

bool TQrvStringGrid::SelectRadioButtonCell(int32_t c, int32_t r, bool fromUser) {
  TCellGraphic* g = GetCellGraphic(c, r);
  if (!g || g->CellType() != ctRadioButton) return false;
  if (fromUser && !ControlLook.CheckAlwaysActive && !AskCanEdit(c, r)) return false;
  if (!g->CellBoolean()) {
    g->SetCellBoolean(true);
    RepaintCell(DisplColIndex(c), r);
    for (int32_t i = 0; i < RowCount(); ++i) {
      TCellGraphic* other = i == r ? nullptr : GetCellGraphic(c, i);
      if (other && other->CellType() == ctRadioButton && other->CellBoolean()) {
        other->SetCellBoolean(false);
        RepaintCell(DisplColIndex(c), i);
      }
    }
  }
  return true;
}

// Radio groups.

void TQrvStringGrid::AddRadio(int32_t c, int32_t r, int32_t dirRadio, int32_t idxRadio, QStringList* sl) {
  TCellGraphic* g = CreateCellGraphic(c, r);
  g->SetCellType(ctRadio);
  g->SetCellBitmap(sl);
  g->SetCellAngle(sl ? static_cast<int32_t>(sl->size()) : 0);
  g->SetCellBoolean(dirRadio != 0);
  g->SetCellIndex(idxRadio);
}

QStringList* TQrvStringGrid::CreateRadio(int32_t c, int32_t r, int32_t dirRadio, int32_t idxRadio) {
  auto* list = new QStringList();
  AddRadio(c, r, dirRadio, idxRadio, list);
  GetCellGraphic(c, r)->SetCellCreated(true);
  return list;
}

bool TQrvStringGrid::GetRadioIdx(int32_t c, int32_t r, int32_t& idxRadio) {
  const TCellGraphic* g = GetCellGraphic(c, r);
  if (!g) return false;
  idxRadio = g->CellIndex();
  return g->CellType() == ctRadio;
}

bool TQrvStringGrid::SetRadioIdx(int32_t c, int32_t r, int32_t idxRadio) {
  TCellGraphic* g = GetCellGraphic(c, r);
  if (!g) return false;
  g->SetCellIndex(idxRadio);
  if (idxRadio == -1) SetCells(c, r, QString());
  RepaintCell(DisplColIndex(c), r);
  return g->CellType() == ctRadio;
}

QStringList* TQrvStringGrid::GetRadioStrings(int32_t c, int32_t r) {
  const TCellGraphic* g = BaseCellGraphic(c, r);
  return g && g->CellType() == ctRadio ? g->ObjectAs<QStringList>() : nullptr;
}

void TQrvStringGrid::SelectNextRadioItem(int32_t c, int32_t r, bool fromUser) {
  TCellGraphic* g = GetCellGraphic(c, r);
  if (!g || g->CellType() != ctRadio) return;
  if (fromUser && !ControlLook.RadioAlwaysActive && !AskCanEdit(c, r)) return;
  const QStringList* items = g->ObjectAs<QStringList>();
  const int32_t count = items ? static_cast<int32_t>(items->size()) : 0;
  if (count == 0) return;
  int32_t next = g->CellIndex() >= 0 ? g->CellIndex() + 1 : static_cast<int32_t>(items->indexOf(Cells(c, r))) + 1;
  if (next >= count) next = 0;
  if (g->CellIndex() >= -1) g->SetCellIndex(next);
  g->SetCellVar(next);
  SetCells(c, r, items->at(next));
}
