#pragma once
// Who the advanced grid tells of what happens to it: the selection listener, the notifiers of changed cells, and
// the progress steps of an export or import.
#include <cstdint>

#include "UGridTypes.h"

// Listens to the grid's cell selection: told of the current column and each newly selected row.
class ITQrvStringGridSelect {
 public:
  virtual ~ITQrvStringGridSelect() = default;
  virtual void SelectedRow(int32_t aCol, int32_t aRow) = 0;
};

// Told of every changed cell rectangle, in registration order, after OnCellsChanged.
class TGridChangeNotifier {
 public:
  virtual ~TGridChangeNotifier() = default;
  virtual void GridChanged(const TRect& r);
};

// Progress of an export or import, reported row by row to the grid's notification hooks.
enum TGridExportState { esExportStart, esExportNextRow, esExportDone };
enum TGridImportState { isImportStart, isImportNextRow, isImportDone };
