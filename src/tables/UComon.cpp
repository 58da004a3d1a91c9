#include "UComon.h"

#include "UDialogs.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UQrvColumnGrid.h"
#include "UStrUtils.h"

namespace {
// One past the last data column, by real index.
int32_t Column_End(const TQrvColumnGrid& grid) {
  return grid.ColCount() + grid.NumHiddenColumns();
}

void Copy_Row(TQrvColumnGrid& grid, int32_t from, int32_t to) {
  for (int32_t c = 1; c < Column_End(grid); ++c) grid.SetCells(c, to, grid.Cells(c, from));
}

void Blank_Row(TQrvColumnGrid& grid, int32_t row) {
  for (int32_t c = 1; c < Column_End(grid); ++c) grid.SetCells(c, row, QString());
}
}  // namespace

// Check-box columns always hold "Y" or "N", so only the other columns tell whether a row is in use.
bool Grid_Row_Used(const TQrvColumnGrid& grid, int32_t row) {
  for (int32_t c = 1; c < Column_End(grid); ++c) {
    const TGridColumnItem* column = grid.Columns().Items(c);
    if (column && column->Editor() == edDataCheckBox) continue;
    if (!Trim(grid.Cells(c, row)).isEmpty()) return true;
  }
  return false;
}

void Grid_Delete_Row(int32_t row, TQrvColumnGrid& grid) {
  const int32_t last = grid.RowCount() - 1;
  for (int32_t r = row; r < last; ++r) Copy_Row(grid, r + 1, r);
  Blank_Row(grid, last);
}

void Grid_Insert_Row(int32_t row, TQrvColumnGrid& grid, bool enable) {
  for (int32_t r = grid.RowCount() - 2; r >= row; --r) Copy_Row(grid, r, r + 1);
  Blank_Row(grid, row);
  if (enable) grid.SetCells(1, row, QStringLiteral("Y"));
}

void Grid_Copy_Row(TQrvColumnGrid& grid, int32_t row) {
  Row_Clipboard.clear();
  for (int32_t c = 1; c < Column_End(grid); ++c) Row_Clipboard.append(grid.Cells(c, row));
}

bool Grid_Paste_Row(TQrvColumnGrid& grid, int32_t row, bool copied) {
  // The clipboard outlives the window; a row copied on an earlier visit or in another window is not this one's.
  if (!copied) {
    MessageDlg(Lang_Table.value(Msg_Row_Not_Copied), mtError, mbOK);
    return false;
  }
  if (Row_Clipboard.size() != Column_End(grid) - 1) {
    MessageDlg(Lang_Table.value(Msg_Row_Clipboard_Mismatch), mtError, mbOK);
    return false;
  }
  if (Grid_Row_Used(grid, row) && MessageDlg(Lang_Table.value(Msg_Row_Used), mtConfirmation, mbYes | mbNo) != mrYes)
    return false;
  for (int32_t c = 1; c < Column_End(grid); ++c) grid.SetCells(c, row, Row_Clipboard[c - 1]);
  return true;
}

void Grid_Auto_Size_Col(TQrvColumnGrid& grid, int32_t row, int32_t col) {
  if (Double_Click_Auto_Size && row == 0) grid.AutoSizeCol(col, 0);
}

void Grid_Enter_Next_Cell(TQrvColumnGrid& grid, QChar& key) {
  if (!enable_jump_field_tables || key != QChar(13)) return;
  key = QChar(0);
  if (grid.Col() <= 0 || grid.Row() <= 0) return;
  // An open editor has its text written before the cursor leaves its cell.
  if (grid.EditMode()) grid.HideInplaceEdit();
  if (grid.Col() < grid.ColCount() - 1) {
    grid.SetCol(grid.Col() + 1);
    return;
  }
  grid.SetCol(1);
  grid.SetRow(grid.Row() < grid.RowCount() - 1 ? grid.Row() + 1 : 1);
}
