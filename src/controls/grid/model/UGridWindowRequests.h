#pragma once
// What the advanced grid asks of the window that shows it: the shared editor over an embedded control, the place of
// a column's filter list, the application-wide style the grid reads its colours from, and what a column move shows.
#include <QChar>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "UGridTypes.h"

// What the widget shows over an embedded control (client coordinates).
struct TGridCellControlEditor {
  QString Type;
  TRect Bounds;
  QString Value;
  QChar PasswordChar;
  QString Mask;
  int32_t MaxLength = 0;
  bool Combo = false;
  bool ComboEditable = true;
  QStringList Items;
  int32_t DropCount = 8;
};

// A column's filter list: where it opens and what it offers.
struct TGridFilterListPlace {
  TRect Bounds;  // client coordinates; the list chooses its own height
  QStringList Items;
};

// The active application-wide style: its name and the colours of the grid elements it draws (clNone where it gives
// none).
struct TGridAppStyle {
  QString Name;
  TColor CellFill = clNone, CellBorder = clNone, CellText = clNone;
  TColor FixedCellBorder = clNone, FixedCellText = clNone;
  TColor SelectedCellText = clNone;
};

// A column (row) being moved with EnhRowColMove (client coordinates): the picture of it that follows the mouse and
// the edge where it would land.
struct TGridMovePreview {
  bool Shown = false;
  bool Columns = true;
  QString Caption;       // the moved column's header text (the moved row's first cell)
  TRect Bounds;          // the mouse less the press offset, the moved header cell's size
  TGridRect Cells{};     // the moved column (row) as far as it is pictured
  bool Refused = false;  // OnColumnMoving (OnRowMoving) refused the target: the release moves nothing
  bool EdgeShown = false;
  TPoint EdgeFrom, EdgeTo;  // the drop edge across the fixed rows (columns)
};
