#include "UTable_Columns.h"

#include <algorithm>

#include "UComon.h"
#include "ULang.h"
#include "UTable_Look.h"

void Apply_Table_Columns(TQrvColumnGrid& grid, const TTable_Columns& columns, int32_t data_rows) {
  grid.SetColCount(static_cast<int32_t>(columns.size()));
  grid.SetRowCount(data_rows + 1);
  grid.SetFixedRows(1);
  grid.SetFixedCols(1);
  Apply_Table_Look(grid, Verdana_Look);
  for (int32_t c = 0; c < static_cast<int32_t>(columns.size()); ++c) {
    const TTable_Column& column = columns[c];
    TGridColumnItem& item = *grid.Columns().Items(c);
    item.SetWidth(column.Width);
    item.SetCheckTrue(Check_Yes);
    item.SetCheckFalse(Check_No);
    if (c == 0) continue;
    item.SetEditor(column.Editor);
    item.SetColor(column.Color);
    item.SetComboItems(column.Combo_Items);
    if (column.Editor == edDataCheckBox) item.SetAlignment(taCenter);
  }
}

void Set_Table_Texts(TQrvColumnGrid& grid, const TTable_Columns& columns, QStringList& hints) {
  hints.clear();
  for (int32_t c = 0; c < static_cast<int32_t>(columns.size()); ++c) {
    const TTable_Column& column = columns[c];
    if (column.Header_Id != 0) grid.SetCells(c, 0, Lang_Table.value(column.Header_Id));
    if (c > 0) hints.append(column.Hint_Id != 0 ? Lang_Table.value(column.Hint_Id) : QString());
  }
  // The column widths were made for a font the substitute only comes near, and a language may word a header
  // longer: the header row grows until each header's wrapped lines show, never below the other rows.
  grid.SizeRowToContent(0, false);
  grid.SetRowHeights(0, std::max(grid.DefaultRowHeight(), grid.RowHeights(0)));
}

QString Header_Hint(const TQrvColumnGrid&, const QStringList& hints, int32_t row, int32_t col) {
  if (row != 0 || col < 1 || col > hints.size()) return {};
  return hints[col - 1];
}

void Erase_Table_Rows(TQrvColumnGrid& grid, bool enable_column) {
  const int32_t end = grid.ColCount() + grid.NumHiddenColumns();
  grid.BeginUpdate();
  for (int32_t r = 1; r < grid.RowCount(); ++r) {
    grid.SetCells(0, r, QString::number(r));
    for (int32_t c = 1; c < end; ++c) grid.SetCells(c, r, c == 1 && enable_column ? Check_Yes : QString());
  }
  grid.EndUpdate();
}

void Bind_Table_Events(TQrvColumnGrid& grid, const QStringList* hints) {
  grid.OnGridHint = [hints](TQrvStringGrid* sender, int32_t row, int32_t col, QString& hint) {
    hint = Header_Hint(static_cast<TQrvColumnGrid&>(*sender), *hints, row, col);
  };
  grid.OnDblClickCell = [](TQrvStringGrid* sender, int32_t row, int32_t col) {
    Grid_Auto_Size_Col(static_cast<TQrvColumnGrid&>(*sender), row, col);
  };
  grid.OnKeyPress = [](TQrvStringGrid* sender, QChar& key) {
    Grid_Enter_Next_Cell(static_cast<TQrvColumnGrid&>(*sender), key);
  };
}
