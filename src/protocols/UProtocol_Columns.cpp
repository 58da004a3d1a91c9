#include "UProtocol_Columns.h"

TTable_Column Number_Column(int32_t header_id, int32_t width) {
  TTable_Column column;
  column.Header_Id = header_id;
  column.Width = width;
  return column;
}

void Add_Run(TTable_Columns& columns, int32_t count, TTable_Column first, const char* const* attributes) {
  for (int32_t k = 0; k < count; ++k) {
    TTable_Column column = first;
    column.Header_Id = first.Header_Id + k;
    column.Hint_Id = first.Hint_Id + k;
    column.Attribute = attributes[k];
    columns.push_back(column);
  }
}
