#pragma once
// What the advanced grid asks of the window that shows it: the shared editor over an embedded control, the place of
// a column's filter list, and the application-wide style the grid reads its colours from.
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
