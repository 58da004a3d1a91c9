#include "UTable_File.h"

#include "UStrUtils.h"
#include "UXml.h"

void Load_Table_Rows(TQrvColumnGrid& grid, const TTable_Columns& columns, pugi::xml_node root) {
  int32_t row = 1;
  for (pugi::xml_node node = root.first_child(); node && row < grid.RowCount(); node = node.next_sibling(), ++row) {
    const bool element = node.type() == pugi::node_element;
    for (int32_t c = 1; c < static_cast<int32_t>(columns.size()); ++c) {
      const TTable_Column& column = columns[c];
      if (!column.Attribute) continue;
      if (element && Xml_Has_Attr(node, column.Attribute))
        grid.SetCells(c, row, Xml_Attr(node, column.Attribute, QString()));
      else if (column.Load_Default)
        grid.SetCells(c, row, *column.Load_Default);
    }
  }
}

int32_t Used_Table_Rows(const TQrvColumnGrid& grid, int32_t key_column) {
  int32_t used = 0;
  while (used + 1 < grid.RowCount() && !Trim(grid.Cells(key_column, used + 1)).isEmpty()) ++used;
  return used;
}

void Save_Table_Rows(const TQrvColumnGrid& grid, const TTable_Columns& columns, pugi::xml_node root,
                     int32_t used_rows) {
  for (int32_t r = 1; r <= used_rows; ++r) {
    const pugi::xml_node row = Xml_Append_Element(root, "row");
    for (int32_t c = 1; c < static_cast<int32_t>(columns.size()); ++c)
      if (columns[c].Attribute) Xml_Set_Attr(row, columns[c].Attribute, grid.Cells(c, r));
  }
}
