#include "UCANopen_Tables.h"

#include <algorithm>

#include "UStrUtils.h"

namespace {

std::vector<TPDO_Row> PDO_Rows(pugi::xml_node section) {
  std::vector<TPDO_Row> rows;
  for (pugi::xml_node row = section.first_child(); row && rows.size() < Max_PDO_Rows; row = row.next_sibling()) {
    if (row.type() != pugi::node_element) continue;
    TPDO_Row pdo;
    pdo.COB_ID = Export_Int(Xml_Attr(row, "COB-ID", QString()), 0);
    pdo.Dimension = Export_Int(Xml_Attr(row, "Dimension", QString()), 8);
    // A PDO maps at most eight bytes; anything else would make the file describe entries that cannot exist.
    if (pdo.Dimension < 0 || pdo.Dimension > 8) pdo.Dimension = 8;
    rows.push_back(pdo);
  }
  return rows;
}

void Add_Entry(TSDO_Index_List& list, int32_t index, int32_t sub, int32_t bytes, bool readonly) {
  const TSDO_Sub_Type entry{static_cast<uint8_t>(sub & 0xFF), static_cast<uint8_t>(bytes & 0xFF), readonly};
  const int32_t at = Find_SDO_Index(list, index & 0xFFFF);
  if (at < 0)
    list.push_back({static_cast<uint16_t>(index & 0xFFFF), {entry}});
  else
    list[at].Sub_Indexs.push_back(entry);
}

bool Read_SDO_Section(const QString& path, pugi::xml_node section, const char* name, bool readonly,
                      TSDO_Index_List& list, QString& error) {
  int row_number = 0;
  for (pugi::xml_node row = section.first_child(); row; row = row.next_sibling()) {
    if (row.type() != pugi::node_element) continue;
    ++row_number;
    int32_t values[3];
    const char* names[3] = {"Index", "SubIndex", "NByte"};
    for (int i = 0; i < 3; ++i) {
      if (!TryStrToInt(Xml_Attr(row, names[i], QString()), values[i])) {
        error = Unreadable_Input_Text(path, QStringLiteral("has no whole number in %1 of row %2 of %3")
                                                .arg(QLatin1String(names[i]))
                                                .arg(row_number)
                                                .arg(QLatin1String(name)));
        return false;
      }
    }
    Add_Entry(list, values[0], values[1], values[2], readonly);
  }
  return true;
}

}  // namespace

TInputLoad Read_PDO_List(const QString& path, TPDO_Table& table, QString& error) {
  table = {};
  TXmlDocument doc;
  pugi::xml_node root;
  const TInputLoad load = Load_Export_Input(path, doc, root, error);
  if (load != TInputLoad::Loaded) return load;
  table.Receive = PDO_Rows(root.child("Receive_PDO"));
  table.Transmit = PDO_Rows(root.child("Transmit_PDO"));
  return load;
}

TInputLoad Read_SDO_Server_List(const QString& path, TSDO_Index_List& list, QString& error) {
  list.clear();
  TXmlDocument doc;
  pugi::xml_node root;
  const TInputLoad load = Load_Export_Input(path, doc, root, error);
  if (load != TInputLoad::Loaded) return load;
  if (!Read_SDO_Section(path, root.child("SDO_Read"), "SDO_Read", true, list, error) ||
      !Read_SDO_Section(path, root.child("SDO_Write"), "SDO_Write", false, list, error)) {
    list.clear();
    return TInputLoad::Unreadable;
  }
  return load;
}

int32_t Find_SDO_Index(const TSDO_Index_List& list, int32_t index) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].Index == index) return static_cast<int32_t>(i);
  return -1;
}

void Sort_SDO_Sub_Indexs(TSDO_Index_List& list) {
  for (TSDO_Index& index : list)
    std::stable_sort(index.Sub_Indexs.begin(), index.Sub_Indexs.end(),
                     [](const TSDO_Sub_Type& a, const TSDO_Sub_Type& b) { return a.Sub < b.Sub; });
}
