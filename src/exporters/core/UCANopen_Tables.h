#pragma once
// What the EDS file needs of the CANopen tables: the PDO rows of PDO_CANopen.xml and the object entries of
// SDO_Server_CANopen.xml.
#include <QString>
#include <cstdint>
#include <vector>

#include "UExport_Text.h"

struct TPDO_Row {
  int32_t COB_ID = 0;
  int32_t Dimension = 8;
};

// The table holds at most this many PDOs of each direction.
constexpr int Max_PDO_Rows = 30;

struct TPDO_Table {
  std::vector<TPDO_Row> Receive;
  std::vector<TPDO_Row> Transmit;
};

// A missing file or section gives no PDOs; rows beyond the table's 30 are left out. COB-ID 0 and Dimension 8
// where an attribute is missing or no whole number; a Dimension outside 0..8 counts as 8.
TInputLoad Read_PDO_List(const QString& path, TPDO_Table& table, QString& error);

struct TSDO_Sub_Type {
  uint8_t Sub = 0;
  uint8_t Quantity = 0;
  bool Readonly = false;
};

struct TSDO_Index {
  uint16_t Index = 0;
  std::vector<TSDO_Sub_Type> Sub_Indexs;  // never empty
};

using TSDO_Index_List = std::vector<TSDO_Index>;

// Indexes in the order of their first row (read rows before write rows); equal sub-indexes are kept. A row whose
// Index, SubIndex or NByte is missing or no whole number makes the file Unreadable, with the row named in `error`.
TInputLoad Read_SDO_Server_List(const QString& path, TSDO_Index_List& list, QString& error);
// Position of the first entry with `index`, or -1.
int32_t Find_SDO_Index(const TSDO_Index_List& list, int32_t index);
// Each index's entries by sub-index; entries with equal sub-indexes keep their order.
void Sort_SDO_Sub_Indexs(TSDO_Index_List& list);
