#pragma once
// A table kept in the window's own file: one element per row, each stored column an attribute of it, in the
// column order of the table. Loading fills the rows the file has and gives a missing attribute its column's load
// default; saving writes the used rows, each cell exactly as typed.
#include <QString>
#include <cstdint>
#include <functional>
#include <pugixml.hpp>

#include "UTable_Columns.h"
#include "UXml.h"

// Row k+1 from the k-th child node of `root`, for every child up to the table's last row; blank text between the
// elements (a file indented by hand or by another tool) is no row. A child that is not an element gets every
// column's load default. `loaded` runs after each row, for what a window reads its own way.
void Load_Table_Rows(TQrvColumnGrid& grid, const TTable_Columns& columns, pugi::xml_node root,
                     const std::function<void(pugi::xml_node node, int32_t row)>& loaded = {});
// The used rows: rows 1, 2, ... up to (not including) the first whose key cell is blank after trimming (or, with
// `exact`, holds no text at all); key column 0 makes every data row used.
int32_t Used_Table_Rows(const TQrvColumnGrid& grid, int32_t key_column, bool exact = false);
// Appends one element `row_name` per used row to `root`, with the stored columns as attributes.
void Save_Table_Rows(const TQrvColumnGrid& grid, const TTable_Columns& columns, pugi::xml_node root,
                     int32_t used_rows, const char* row_name = "row");

enum class TTable_Read { Missing, Loaded, Unreadable };
// Loads a table file; Unreadable (the reason in xml.Error()) leaves the document empty.
TTable_Read Read_Table_File(const QString& path, TXmlDocument& xml);
// Empties the document and gives it the root element and, after it, the comment "SW_VERSION = " + version;
// returns the root.
pugi::xml_node Start_Table_Document(TXmlDocument& xml, const char* root, const char* version);
