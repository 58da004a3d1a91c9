#pragma once
// A table kept in the window's own file: one element per row, each stored column an attribute of it, in the
// column order of the table. Loading fills the rows the file has and gives a missing attribute its column's load
// default; saving writes the used rows, each cell exactly as typed.
#include <cstdint>
#include <pugixml.hpp>

#include "UTable_Columns.h"

// Row k+1 from the k-th child node of `root`, for every child up to the table's last row. A child that is not an
// element gets every column's load default.
void Load_Table_Rows(TQrvColumnGrid& grid, const TTable_Columns& columns, pugi::xml_node root);
// The used rows: rows 1, 2, ... up to (not including) the first whose key cell is blank after trimming.
int32_t Used_Table_Rows(const TQrvColumnGrid& grid, int32_t key_column);
// Appends one element "row" per used row to `root`, with the stored columns as attributes.
void Save_Table_Rows(const TQrvColumnGrid& grid, const TTable_Columns& columns, pugi::xml_node root,
                     int32_t used_rows);
