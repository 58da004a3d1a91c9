#pragma once
// The rows a grid has flagged in its disjunct row selection.
#include <set>

#include "UQrvStringGrid.h"

inline std::set<int32_t> FlaggedRows(const TQrvStringGrid& grid) {
  std::set<int32_t> rows;
  for (int32_t r = 0; r < grid.RowCount(); ++r)
    if (grid.GetRowSelect(r)) rows.insert(r);
  return rows;
}
