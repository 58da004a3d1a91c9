#include "UTable_File.h"

#include <QFileInfo>

#include "UStrUtils.h"

namespace {
bool Blank_Text(pugi::xml_node node) {
  return node.type() == pugi::node_pcdata && Trim(Xml_To_QString(node.value())).isEmpty();
}
}  // namespace

void Load_Table_Rows(TQrvColumnGrid& grid, const TTable_Columns& columns, pugi::xml_node root,
                     const std::function<void(pugi::xml_node node, int32_t row)>& loaded) {
  int32_t row = 1;
  for (pugi::xml_node node = root.first_child(); node && row < grid.RowCount(); node = node.next_sibling()) {
    if (Blank_Text(node)) continue;
    const bool element = node.type() == pugi::node_element;
    for (int32_t c = 1; c < static_cast<int32_t>(columns.size()); ++c) {
      const TTable_Column& column = columns[c];
      if (!column.Attribute) continue;
      if (element && Xml_Has_Attr(node, column.Attribute))
        grid.SetCells(c, row, Xml_Attr(node, column.Attribute, QString()));
      else if (column.Load_Default)
        grid.SetCells(c, row, *column.Load_Default);
    }
    if (loaded) loaded(node, row);
    ++row;
  }
}

int32_t Used_Table_Rows(const TQrvColumnGrid& grid, int32_t key_column, bool exact) {
  if (key_column <= 0) return grid.RowCount() - 1;
  const auto blank = [&](int32_t row) {
    const QString key = grid.Cells(key_column, row);
    return exact ? key.isEmpty() : Trim(key).isEmpty();
  };
  int32_t used = 0;
  while (used + 1 < grid.RowCount() && !blank(used + 1)) ++used;
  return used;
}

void Save_Table_Rows(const TQrvColumnGrid& grid, const TTable_Columns& columns, pugi::xml_node root,
                     int32_t used_rows, const char* row_name) {
  for (int32_t r = 1; r <= used_rows; ++r) {
    const pugi::xml_node row = Xml_Append_Element(root, row_name);
    for (int32_t c = 1; c < static_cast<int32_t>(columns.size()); ++c)
      if (columns[c].Attribute) Xml_Set_Attr(row, columns[c].Attribute, grid.Cells(c, r));
  }
}

TTable_Read Read_Table_File(const QString& path, TXmlDocument& xml) {
  xml.Doc().reset();
  if (!QFileInfo::exists(path)) return TTable_Read::Missing;
  return xml.Load_File(path) ? TTable_Read::Loaded : TTable_Read::Unreadable;
}

pugi::xml_node Start_Table_Document(TXmlDocument& xml, const char* root, const char* version) {
  xml.Doc().reset();
  const pugi::xml_node node = Xml_Append_Element(xml.Doc(), root);
  Xml_Append_Comment(xml.Doc(), QStringLiteral("SW_VERSION = ") + QString::fromLatin1(version));
  return node;
}
