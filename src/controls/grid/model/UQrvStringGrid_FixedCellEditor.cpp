// Editing a fixed (header) cell in its own editor, opened by the press the mouse settings name; and the filter
// list a column offers from the button of the filter row.
#include "UGridEditors.h"
#include "UQrvStringGrid.h"

namespace {
constexpr int32_t FilterButtonBand = 16;  // the filter button sits in this band left of the cell's right edge
constexpr int32_t FilterButtonHeight = 19;
constexpr int32_t FilterListScrollRoom = 16;  // room for the list's scroll bar on each side of its text
}  // namespace

bool TQrvStringGrid::ShowFixedCellEditor(int32_t c, int32_t r) {
  IGridEditors* editors = Editors();
  if (!editors || !editors->StopFixedEditor()) return false;
  const int32_t rc = RealColIndex(c);
  bool canEdit = true;
  if (OnCanEditCell) OnCanEditCell(this, r, rc, canEdit);
  if (!canEdit) return false;
  TGridFixedCellEditor kind = c == 0 ? MouseActions().FixedColsEditor() : MouseActions().FixedRowsEditor();
  QStringList values = MouseActions().FixedComboValues();
  FixedEdit(rc, r, kind, values);
  TRect rect = CellRect(c, r);
  rect = {rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
  if (kind != fceEdit) rect = {rect.Left - 1, rect.Top - 1, rect.Right, rect.Bottom};
  return editors->ShowFixedEditor(kind, rc, r, rect, values);
}

bool TQrvStringGrid::PressOpensFixedEditor(int32_t c, int32_t r, int32_t x, TGridFixedCellEdit how) {
  const bool fixedRow = r < FixedRows();
  const bool fixedCol = c < FixedCols();
  const TMouseActions& actions = MouseActions();
  const bool rowEdit = fixedRow && actions.FixedRowsEdit() == how;
  const bool colEdit = !fixedRow && fixedCol && actions.FixedColsEdit() == how;
  if (!rowEdit && !colEdit) return false;
  // With sizing on, a press near an edge sizes rather than edits.
  if (how == fceLeftClick) {
    const TRect rect = CellRect(c, r);
    const bool sizing = rowEdit ? (Options() & goColSizing) != 0 : (Options() & goRowSizing) != 0;
    if (sizing && (x < rect.Left + 4 || x > rect.Right - 4)) return false;
  }
  ShowFixedCellEditor(c, r);
  return true;
}

bool TQrvStringGrid::ReleaseOnFilterButton(int32_t x, int32_t y) {
  int32_t c = -1, r = -1;
  MouseToCell(x, y, c, r);
  const int32_t wasOpen = FFilterCol;
  CloseFilterList();
  if (c < 0 || r != FilterDropDownRow) return false;
  const TRect rect = CellRect(c, r);
  const int32_t fromRight = rect.Right - x;
  if (fromRight <= 3 || fromRight >= FilterButtonBand || y - rect.Top >= FilterButtonHeight) return false;
  const int32_t rc = RealColIndex(c);
  // A second press on the open list's button only closes it.
  if (rc == wasOpen || !GetColumnFilter(rc)) return wasOpen >= 0;
  TFilterListPlace place;
  int32_t widest = 0;
  for (const QString& entry : FilterList) {
    const int32_t eq = entry.indexOf(QLatin1Char('='));
    place.Items << (eq >= 0 ? entry.left(eq) : entry);
    widest = std::max(widest, MeasureCellText(place.Items.back()).cx);
  }
  const int32_t width = widest + 8 + 2 * FilterListScrollRoom;
  int32_t left = rect.Right - FilterButtonBand;
  // A list that would leave the grid on the right is aligned to the column's right edge instead.
  if (left + width > Width()) left = std::max(0, rect.Right - width);
  place.Bounds = {left, rect.Top + FilterButtonBand, left + width, rect.Top + FilterButtonBand};
  FFilterCol = rc;
  if (ShowFilterList) ShowFilterList(rc, place);
  return true;
}

void TQrvStringGrid::CloseFilterList() {
  if (FFilterCol < 0) return;
  FFilterCol = -1;
  if (HideFilterList) HideFilterList();
}
