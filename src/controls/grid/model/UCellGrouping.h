#pragma once
// The grouping settings the cell objects and the display text read.
#include <QString>

struct TCellGrouping {
  bool AutoCheckGroup = false;
  // A click on an expanded node row selects (or, with disjunct rows, flags) the node's rows.
  bool AutoSelectGroup = false;
  // A node's column-1 text shows its group count: " (n)", or n through GroupCountFormat when that is set.
  bool ShowGroupCount = false;
  QString GroupCountFormat;
};
