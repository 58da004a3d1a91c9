#pragma once
// Small value types a column definition carries: sort style, cell border sides and the popup trigger.
#include <QFlags>

// How the data services compare a column's cells when sorting.
enum TSortStyle {
  ssAutomatic,
  ssAlphabetic,
  ssNumeric,
  ssDate,
  ssAlphaNoCase,
  ssAlphaCase,
  ssShortDateEU,
  ssShortDateUS,
  ssCustom,
  ssFinancial,
  ssAnsiAlphaCase,
  ssAnsiAlphaNoCase,
  ssRaw,
  ssHTML,
  ssImages,
  ssCheckBox,
  ssDateTime,
  ssTime,
  ssAlphaNumeric,
  ssAlphaNumericNoCase,
};

// The sides of a cell that get a border line.
enum TCellBorder { cbTop = 0x1, cbLeft = 0x2, cbRight = 0x4, cbBottom = 0x8 };
Q_DECLARE_FLAGS(TCellBorders, TCellBorder)
Q_DECLARE_OPERATORS_FOR_FLAGS(TCellBorders)

// Which clicks open a column's popup menu.
enum TColumnPopupType {
  cpFixedCellsRClick,
  cpFixedCellsLClick,
  cpNormalCellsRClick,
  cpNormalCellsLClick,
  cpAllCellsRClick,
  cpAllCellsLClick,
};
