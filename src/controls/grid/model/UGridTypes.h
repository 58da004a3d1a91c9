#pragma once
// Value types the grid model shares with its widget, painting and data services.
#include <QFlags>
#include <cstdint>

#include "UCanvasTools.h"
#include "UTypes.h"

// Base of everything a cell's object slot can hold. The grid owns only its cell properties; anything else put in
// a slot belongs to whoever put it there.
class TObject {
 public:
  virtual ~TObject() = default;
};

enum TVAlignment { vtaTop, vtaCenter, vtaBottom };
// What the next press of the mouse does, chosen by where the mouse rests before it.
enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };
// The cursor the grid asks its window to show where the mouse rests.
enum TGridCursor {
  gcDefault,
  gcColumnSizing,
  gcRowSizing,
  gcLink,
  gcSelectionResize,
  gcDrag,
  gcNoDrop,
  gcSelectRows,
  gcSelectColumns,
  gcSelectAll,
  gcCellSelector
};
enum TCellGradientDirection { GradientVertical, GradientHorizontal };
enum TGridSelectionStyle { ssDefault, ssVista, ssWin7, ssOffice2007 };
enum TColumnCalcType { acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV };

enum THoverRowCell { hcNormal = 0x1, hcFixed = 0x2, hcSelected = 0x4 };
Q_DECLARE_FLAGS(THoverRowCells, THoverRowCell)
Q_DECLARE_OPERATORS_FOR_FLAGS(THoverRowCells)

enum TGridOption : uint32_t {
  goFixedVertLine = 1u << 0,
  goFixedHorzLine = 1u << 1,
  goVertLine = 1u << 2,
  goHorzLine = 1u << 3,
  goRangeSelect = 1u << 4,
  goDrawFocusSelected = 1u << 5,
  goRowSizing = 1u << 6,
  goColSizing = 1u << 7,
  goRowMoving = 1u << 8,
  goColMoving = 1u << 9,
  goEditing = 1u << 10,
  goTabs = 1u << 11,
  goRowSelect = 1u << 12,
  goAlwaysShowEditor = 1u << 13,
  goThumbTracking = 1u << 14,
  goFixedColClick = 1u << 15,
  goFixedRowClick = 1u << 16,
  goFixedHotTrack = 1u << 17,
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptions)

enum TGridDrawStateFlag {
  gdSelected = 0x1,
  gdFocused = 0x2,
  gdFixed = 0x4,
  gdRowSelected = 0x8,
  gdHotTrack = 0x10,
  gdPressed = 0x20
};
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

// A rectangle of cells, every edge inclusive.
struct TGridRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  bool operator==(const TGridRect&) const = default;
};

// The looks a cell starts from when its properties are created: font and brush as plain values.
struct TCellLooks {
  TFont Font;
  TBrush Brush;
};

// Screen cursors by the desktop's numbers: 0 the control's default, the standard shapes negative.
using TCursor = int32_t;
enum : TCursor {
  crDefault = 0,
  crArrow = -2,
  crCross = -3,
  crIBeam = -4,
  crSizeNESW = -6,
  crSizeNS = -7,
  crSizeNWSE = -8,
  crSizeWE = -9,
  crUpArrow = -10,
  crHourGlass = -11,
  crDrag = -12,
  crNoDrop = -13,
  crHSplit = -14,
  crVSplit = -15,
  crMultiDrag = -16,
  crSQLWait = -17,
  crNo = -18,
  crAppStart = -19,
  crHelp = -20,
  crHandPoint = -21,
  crSizeAll = -22
};

// The icon of a cell's balloon.
enum TBalloonIcon { biNone, biInfo, biWarning, biError };
