#pragma once
// How a table window's grid looks: its font, row height, the fixed cells' weight, the current row and column
// marked in the fixed cells, and the row under the mouse. Two looks cover every table window.
#include <cstdint>

#include "UQrvColumnGrid.h"
#include "UTypes.h"

struct TTable_Look {
  const char* Font_Name = "Verdana";
  int32_t Row_Height = 22;
  // Header and row-number texts bold.
  bool Bold_Fixed = false;
  // The row under the mouse highlighted.
  bool Hover_Row = false;
  // The fixed cells of the current row and column: their colour (clNone keeps the grid's own) and bold text.
  TColor Current_Color = 0xEACAB6;
};

// Verdana, rows 22 pixels, the current cell marked on 0xEACAB6: the OPC UA variable tables and the CAN tables.
inline constexpr TTable_Look Verdana_Look{};
// The DMX table: the Verdana look with the hovered row.
inline constexpr TTable_Look Verdana_Hover_Look{"Verdana", 22, false, true, 0xEACAB6};
// Tahoma, rows 21 pixels, bold fixed texts and the hovered row: the CANopen, J1939 and NMEA 2000 tables.
inline constexpr TTable_Look Tahoma_Look{"Tahoma", 21, true, true, clNone};

void Apply_Table_Look(TQrvColumnGrid& grid, const TTable_Look& look);
