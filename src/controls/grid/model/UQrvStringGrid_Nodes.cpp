// Cell objects: tree nodes in column 0, their spans and levels, expanding and contracting.
#include "UQrvStringGrid.h"

void TQrvStringGrid::ChangeNodeLevels(int32_t displayRow, int32_t span, int32_t delta) {
  for (int32_t row = displayRow; row < displayRow + span && row < RowCount(); ++row) {
    TCellProperties* props = GetCellProperties(0, row);
    props->SetNodeLevel(props->NodeLevel() + delta);
  }
}

int32_t TQrvStringGrid::NextNodeRow(int32_t after) {
  for (int32_t row = after + 1; row < RowCount(); ++row)
    if (IsNode(row)) return row;
  return RowCount();
}

void TQrvStringGrid::AddNode(int32_t realRow, int32_t span) {
  const int32_t a = DisplRowIndex(realRow);
  if (a < 0 || a >= RowCount()) return;
  TCellGraphic* g = CreateCellGraphic(0, a);
  g->SetCellType(ctNode);
  g->SetCellAngle(a);
  g->SetCellBoolean(false);
  g->SetCellIndex(span);
  g->SetCellHAlign(haBeforeText);
  g->SetCellVAlign(vaCenter);
  g->SetCellErrFrom(0);
  g->SetCellVar(-1);
  ChangeNodeLevels(a, span, 1);
  if (FNumNodes == 0) RepaintCol(0);
  ++FNumNodes;
  if (Col() == 0 && ColCount() > 1) SetCol(1);
}

void TQrvStringGrid::RemoveNode(int32_t realRow) {
  const int32_t a = DisplRowIndex(realRow);
  if (!IsNode(a)) return;
  ExpandNode(realRow);
  ChangeNodeLevels(a, GetNodeSpan(a), -1);
  RemoveCellGraphic(0, a);
  FNumNodes = std::max(0, FNumNodes - 1);
}

void TQrvStringGrid::RemoveAllNodes() {
  for (int32_t row = 0; row < RowCount(); ++row)
    if (IsNode(row)) RemoveNode(RealRowIndex(row));
  Invalidate();
}

void TQrvStringGrid::ExpandNode(int32_t realRow) {
  if (CellNode().ExpandOne)
    for (int32_t row = FixedRows(); row < RowCount(); ++row)
      if (IsNode(row) && !GetNodeState(row) && RealRowIndex(row) != realRow) ContractNode(RealRowIndex(row));
  const int32_t a = DisplRowIndex(realRow);
  if (!IsNode(a) || !GetNodeState(a)) return;
  GetCellGraphic(0, a)->SetCellBoolean(false);
  const int32_t e = GetNodeSpan(a) == 0 ? NextNodeRow(a) : a + 1;
  const int32_t realEnd = e < RowCount() ? RealRowIndex(e) : TotalRowCount();
  const int32_t realStart = RealRowIndex(a);
  if (realEnd - realStart > 1) {
    const bool rowSelect = (Options() & goRowSelect) != 0;
    const int32_t oldRow = Row();
    const int32_t oldTop = TopRow();
    if (rowSelect) SetOptions(Options() & ~TGridOptions(goRowSelect));
    BeginUpdate();
    UnHideRows(realStart + 1, realEnd - 1);
    EndUpdate();
    if (rowSelect) {
      SetOptions(Options() | goRowSelect);
      SetRow(oldRow);
      SetTopRow(oldTop);
    }
  }
}

void TQrvStringGrid::ContractNode(int32_t realRow) {
  FForceSel = true;
  const int32_t a = DisplRowIndex(realRow);
  if (!IsNode(a) || GetNodeState(a)) {
    FForceSel = false;
    return;
  }
  GetCellGraphic(0, a)->SetCellBoolean(true);
  const int32_t first = a + 1;
  const int32_t span = GetNodeSpan(a);
  int32_t end = span > 0 ? a + span : NextNodeRow(a);
  end = std::min(end, RowCount());
  int32_t r = first;
  while (r < end) {
    if (IsNode(r) && GetNodeState(r)) {
      // A contracted nested node is already hidden below; it shows its rows again with its parent.
      const int32_t nestedSpan = GetNodeSpan(r);
      GetCellGraphic(0, r)->SetCellBoolean(false);
      HideRows(RealRowIndex(first), RealRowIndex(r));
      end -= (r - first + 1) + (nestedSpan - 1);
      r = first;
      continue;
    }
    ++r;
  }
  if (r > first) HideRows(RealRowIndex(first), RealRowIndex(r - 1));
  FForceSel = false;
}

void TQrvStringGrid::ExpandAll() {
  BeginUpdate();
  for (int32_t real = FixedRows(); real < TotalRowCount(); ++real) {
    const int32_t row = DisplRowIndex(real);
    if (row >= 0 && IsNode(row)) {
      GetCellGraphic(0, row)->SetCellBoolean(true);
      ExpandNode(real);
    }
  }
  EndUpdate();
}

void TQrvStringGrid::ContractAll() {
  BeginUpdate();
  ExpandAll();
  std::vector<int32_t> rows;
  int32_t row = FixedRows();
  while (row < RowCount()) {
    if (!IsNode(row)) {
      ++row;
      continue;
    }
    const int32_t span = GetNodeSpan(row);
    GetCellGraphic(0, row)->SetCellBoolean(true);
    for (int32_t e = 1; e < span && row + e < RowCount(); ++e) rows.push_back(row + e);
    row += std::max(span, 1);
  }
  if (!rows.empty()) HideRowList(rows);
  EndUpdate();
}

bool TQrvStringGrid::GetNodeState(int32_t r) {
  const TCellGraphic* g = IsNode(r) ? GetCellGraphic(0, r) : nullptr;
  return g && g->CellBoolean();
}

void TQrvStringGrid::SetNodeState(int32_t r, bool value) {
  if (!IsNode(r) || GetNodeState(r) == value) return;
  value ? ContractNode(RealRowIndex(r)) : ExpandNode(RealRowIndex(r));
}

int32_t TQrvStringGrid::GetNodeLevel(int32_t r) {
  if (!IsNode(r)) return -1;
  const TCellProperties* props = PropsOf(0, r);
  return props ? props->NodeLevel() : 0;
}

int32_t TQrvStringGrid::GetNodeSpan(int32_t r) {
  return IsNode(r) ? GetCellGraphic(0, r)->CellIndex() : -1;
}

void TQrvStringGrid::SetNodeSpan(int32_t r, int32_t span) {
  if (IsNode(r)) GetCellGraphic(0, r)->SetCellIndex(span);
}

void TQrvStringGrid::UpdateNodeSpan(int32_t r, int32_t delta) {
  if (IsNode(r)) SetNodeSpan(r, GetNodeSpan(r) + delta);
}

int32_t TQrvStringGrid::GetSubNodeCount(int32_t r) {
  return IsNode(r) ? GetCellGraphic(0, r)->CellErrFrom() : 0;
}

void TQrvStringGrid::UpdateSubNodeCount(int32_t r, int32_t delta) {
  if (TCellGraphic* g = IsNode(r) ? GetCellGraphic(0, r) : nullptr) g->SetCellErrFrom(g->CellErrFrom() + delta);
}

void TQrvStringGrid::MarkSummaryRow(int32_t realRow) {
  const int32_t a = DisplRowIndex(realRow);
  if (a >= 0 && a < RowCount()) CreateCellGraphic(0, a)->SetCellType(ctSummary);
}

int32_t TQrvStringGrid::GetParentRow(int32_t r) {
  if (!HasNodes()) return -1;
  int32_t level = 65535;
  int32_t result = -1;
  if (IsNode(r)) {
    level = GetNodeLevel(r);
    result = r;
  }
  int32_t hidden = 0;
  for (int32_t row = r; row >= FixedRows(); --row) {
    if (!IsNode(row) || GetNodeLevel(row) >= level) continue;
    if (GetNodeState(row)) hidden += GetNodeSpan(row) - 1;
    if (r < row + GetNodeSpan(row) - hidden) return row;
  }
  return result;
}

int32_t TQrvStringGrid::GetNodeSpanType(int32_t r) {
  if (IsNode(r)) return 0;
  if (r < RowCount() - FixedFooters() - 1) {
    const TCellProperties* next = PropsOf(0, r + 1);
    const TCellProperties* self = PropsOf(0, r);
    if (next && next->NodeLevel() >= (self ? self->NodeLevel() : 0)) return 2;
  }
  return 1;
}

int32_t TQrvStringGrid::GetNodeIndent(int32_t r) const {
  if (FNumNodes <= 0 || r < 0) return 0;
  const TCellProperties* props = PropsOf(0, r);
  return props ? props->NodeLevel() * FCellNode->NodeIndent() : 0;
}

bool TQrvStringGrid::IsNodeClickArea(int32_t r, int32_t x) {
  if (!MouseActions().PreciseNodeClick()) return true;
  const int32_t level = GetNodeLevel(r);
  const int32_t indent = CellNode().NodeIndent();
  int32_t g = 4;
  int32_t m = 4;
  switch (CellNode().NodeType()) {
    case cn3D:
      g = 6;
      m = 0;
      break;
    case cnGlyph:
      g = CellNode().ExpandGlyph().Width() / 2;
      m = CellNode().ExpandGlyph().Empty() ? 0 : 2;
      break;
    case cnLeaf:
      g = 8;
      m = 2;
      break;
    default:
      break;
  }
  return m + (level - 1) * indent < x && x < g + level * indent;
}

void TQrvStringGrid::InsertNormalRow(int32_t realRow) {
  const int32_t at = DisplRowIndex(realRow);
  const int32_t shownAt = RealRowIndex(at);
  InsertRows(at, 1);
  // The display row lies past the hidden rows at the place: those from realRow on follow the new row as well.
  for (auto& item : FGridItems)
    if (item->Idx() >= realRow && item->Idx() < shownAt) item->SetIdx(item->Idx() + 1);
  for (int32_t i = 0; i < FControlList->Count(); ++i) {
    TControlItem* control = FControlList->GetControl(i);
    if (control->Y >= realRow && control->Y < shownAt) ++control->Y;
  }
}

void TQrvStringGrid::RemoveNormalRow(int32_t r) {
  // RemoveRows keeps the largest row count in step itself.
  RemoveRows(r, 1);
}

void TQrvStringGrid::InsertChildRow(int32_t realRow, int32_t insertAt) {
  int32_t d = DisplRowIndex(realRow);
  int32_t p = GetParentRow(d);
  if (p != -1 && GetNodeState(p)) {
    // A row put under a contracted node would show alone: the node opens first.
    ExpandNode(RealRowIndex(p));
    d = DisplRowIndex(realRow);
    p = GetParentRow(d);
  }
  int32_t level = 0;
  if (p != -1) {
    UpdateNodeSpan(p, 1);
    UpdateSubNodeCount(p, 1);
    level = GetNodeLevel(p);
    const int32_t parentLevel = level;
    for (int32_t q = p - 1; q >= FixedRows() && level > 1; --q) {
      if (!IsNode(q) || GetNodeLevel(q) >= level) continue;
      UpdateNodeSpan(q, 1);
      UpdateSubNodeCount(q, 1);
      level = GetNodeLevel(q);
    }
    level = parentLevel;
  }
  const bool underNodeRow = IsNode(d) && insertAt == 0;
  const int32_t at = underNodeRow ? d + 1 : d + insertAt;
  InsertRows(at, 1);
  if (underNodeRow) {
    for (int32_t c = 0; c < TotalColCount(); ++c) {
      SetGridCell(c, at, GetGridCell(c, d));
      SetGridCell(c, d, QString());
      if (c == 0) continue;
      TObject* object = GetGridObject(c, d);
      SetGridObject(c, d, nullptr);
      SetGridObject(c, at, object);
      if (auto* props = dynamic_cast<TCellProperties*>(object)) props->SetOwner(c, at);
    }
  }
  if (p != -1) GetCellProperties(0, at)->SetNodeLevel(level);
}

void TQrvStringGrid::RemoveChildRow(int32_t realRow) {
  const int32_t d = DisplRowIndex(realRow);
  if (d < 0 || d >= RowCount()) return;
  int32_t p = GetParentRow(d);
  if (p != -1) {
    const int32_t lvl = GetNodeLevel(p);
    auto shrink = [this](int32_t node) {
      if (GetNodeSpan(node) > 1) {
        UpdateNodeSpan(node, -1);
        UpdateSubNodeCount(node, -1);
      }
    };
    shrink(p);
    while (true) {
      if (GetNodeState(p) && p != d) ExpandNode(RealRowIndex(p));
      if (GetNodeLevel(p) <= 1) break;
      p = GetParentRow(p);
      if (p == -1 || GetNodeLevel(p) >= lvl) break;
      shrink(p);
    }
  }
  if (IsNode(d)) FNumNodes = std::max(0, FNumNodes - 1);
  RemoveRowBlock(d, 1);
  FMaxRowCount = std::max(RowCount(), FMaxRowCount - 1);
}
