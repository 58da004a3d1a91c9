#pragma once
// A table window's columns as data: one entry per column (column 0, the row number, included) with its header and
// hint text IDs, width, editor kind, cell colour, pick list and, for the tables kept in a file, the attribute it is
// stored under and the text a missing attribute loads. Applied once to the window's column grid; the windows then
// differ mostly in their tables.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "UEditorType.h"
#include "UQrvColumnGrid.h"
#include "UTypes.h"

struct TTable_Column {
  int32_t Header_Id = 0;  // text of the header cell; 0: none
  int32_t Hint_Id = 0;    // hint of the header cell; 0: none
  int32_t Width = 64;
  TEditorType Editor = edNormal;
  TColor Color = clWindow;
  QStringList Combo_Items;
  // The attribute of the window's file; null for a column that is not stored (the row number).
  const char* Attribute = nullptr;
  // What a row read from the file gets when the attribute is missing; none keeps the text of the erased row.
  std::optional<QString> Load_Default;
};
using TTable_Columns = std::vector<TTable_Column>;

// The check texts of every table's check-box columns.
inline const QString Check_Yes = QStringLiteral("Y");
inline const QString Check_No = QStringLiteral("N");

// Sets the grid's columns (count, widths, editors, colours, pick lists, check texts), its rows (one fixed header row
// and `data_rows`), the fixed row-number column and the look every table shares.
void Apply_Table_Columns(TQrvColumnGrid& grid, const TTable_Columns& columns, int32_t data_rows);
// Writes the header texts into the header row, makes the row tall enough for their wrapped lines, and refills
// `hints` (entry k-1 for column k) from the string table.
void Set_Table_Texts(TQrvColumnGrid& grid, const TTable_Columns& columns, QStringList& hints);
// The hint of a cell: entry k-1 of `hints` for the header cell of real column k >= 1, nothing for any other cell.
QString Header_Hint(const TQrvColumnGrid& grid, const QStringList& hints, int32_t row, int32_t col);
// Every data row blank: column 0 the row number, column 1 "Y" when it is an enable check box, the other columns
// (hidden ones too) empty.
void Erase_Table_Rows(TQrvColumnGrid& grid, bool enable_column);
// Binds the events every table window handles alike: header hints from `hints` (which must outlive the grid), a
// header double click sizing its column, Enter walking to the next cell.
void Bind_Table_Events(TQrvColumnGrid& grid, const QStringList* hints);
