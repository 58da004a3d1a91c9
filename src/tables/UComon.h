#pragma once
// The row operations every table window shares (the OPC UA window's variable tables and the protocol tables),
// and the two table events every window binds the same way. A table never changes its number of rows: these move
// cell contents between rows. Column 0 holds the row number and is never touched; the data columns are 1 ..
// ColCount + NumHiddenColumns - 1 by real index, so hidden columns move with their row.
#include <QChar>
#include <cstdint>

class TQrvColumnGrid;

// Moves every row below `row` up one; the last row becomes blank.
void Grid_Delete_Row(int32_t row, TQrvColumnGrid& grid);
// Moves `row` and every row below it down one (the last row's content is lost); `row` becomes blank, with "Y" in
// column 1 when `enable` is set (tables whose column 1 is an enable check box).
void Grid_Insert_Row(int32_t row, TQrvColumnGrid& grid, bool enable);
// A row holds data: a data column that is no check box (those always hold "Y" or "N") is not blank after trimming.
bool Grid_Row_Used(const TQrvColumnGrid& grid, int32_t row);
// Replaces the program-wide Row_Clipboard with the row's data cells.
void Grid_Copy_Row(TQrvColumnGrid& grid, int32_t row);
// Writes Row_Clipboard into the row: refused (message 1102) unless this window copied a row since it was shown
// (`copied`), refused (1101) when the clipboard holds another number of columns, and asked first (1100) when the
// row is in use. True when the row was written.
bool Grid_Paste_Row(TQrvColumnGrid& grid, int32_t row, bool copied);
// A row is in use when a data column other than a check box holds a text that is not blank.
bool Grid_Row_Used(const TQrvColumnGrid& grid, int32_t row);
// A double click on a header cell sizes its column to its content, when the program option asks for it.
void Grid_Auto_Size_Col(TQrvColumnGrid& grid, int32_t row, int32_t col);
// Enter walks to the next cell (then to the next row, and from the last cell back to the first) and is swallowed,
// when the program option asks for it; any other key, or Enter with the option off, is left alone.
void Grid_Enter_Next_Cell(TQrvColumnGrid& grid, QChar& key);

// The shared messages of the row operations.
inline constexpr int32_t Msg_Row_Used = 1100;
inline constexpr int32_t Msg_Row_Clipboard_Mismatch = 1101;
inline constexpr int32_t Msg_Row_Not_Copied = 1102;
