#pragma once
// The advanced string grid's private working state. The grid derives from this struct privately: its members are
// the grid's own, reached by no one else.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "UBaseGrid.h"
#include "UCellNode.h"
#include "UEditorType.h"
#include "UGridAutoSize.h"
#include "UGridColumnTypes.h"
#include "UGridItem.h"
#include "UGridLists.h"
#include "UGridLooks.h"
#include "UGridOptions.h"
#include "UGridSearch.h"
#include "UGuardedRef.h"

#include "UVyxStyle.h"

class TEditLink;
class ITQrvStringGridSelect;
class TGridChangeNotifier;
class IGridEditors;
class IGridTextMeasurer;
class QListWidget;

struct TQrvStringGridState {
  int32_t FAECol = -1;
  int32_t FAERow = -1;
  int32_t FLastTabCol = -1;
  int32_t FLastTabRow = -1;
  bool FDisableChange = false;
  TPoint FLastKeyCell{-1, -1};
  TGridRect FMoveSelection;
  // The selection last painted while a range is dragged with SelectionRectangle.
  TGridRect FSizeSelection{-1, -1, -1, -1};
  TScrollBarAlways FScrollBarAlways = saNone;
  // The grid's width when the column widths were recorded (InitOrigColSizes); 0 none recorded.
  int32_t FOrigGridWidth = 0;
  QString FOwnClipboard;

  int32_t FNumHidden = 0;
  std::vector<std::unique_ptr<TGridItem>> FGridItems;
  int32_t FFilterLevel = 0;
  int32_t FUpdateCount = 0;
  int32_t FMaxRowCount = 0;
  int32_t FMaxColCount = 0;
  int32_t FFixedRowsMin = 0;
  int32_t FFixedColsMin = 0;
  bool FLoaded = false;
  bool FFixedRowAlways = false;
  bool FFixedColAlways = false;
  int32_t FFixedFooters = 0;
  int32_t FFixedRightCols = 0;
  int32_t FFixedRowHeight = 22;
  TAlignment FDefaultAlignment = taLeftJustify;
  bool FWordWrapEx = true;
  int32_t FOldRowSel = -1;
  bool FSelHidden = false;
  TGridRect FOldSelection;
  bool FNilObjects = false;
  bool FBlockCellChange = false;
  bool FEditChange = false;
  bool FEditDisable = false;
  bool FIntegralHeight = false;
  int32_t FHScrollHeight = 0;
  bool FSingleBorder = true;
  bool FWidening = false;
  std::vector<TGridChangeNotifier*> FNotifierList;

  // Typed cell access and derived text
  QStringList FColumnHeaders;
  QStringList FRowHeaders;
  bool FUseVCLStyles = false;
  // Selection model, row marks and repaint helpers (the stores are the owned lists below)
  bool FSelChange = false;
  // Moving the current cell and the editing switch
  bool FEditMode = false;
  TEditorType FEditControl = edNormal;
  QString FEditText;
  QString FCellCache;
  QString FOldCellText;
  int32_t FOldCol = -1;
  int32_t FOldRow = -1;

  std::shared_ptr<ITQrvStringGridSelect> FISelect;

  std::unique_ptr<TFocusHelper> FFocusHelper;
  bool FFocusFrameShown = false;
  std::unique_ptr<TSearchFooter> FSearchFooter;
  std::unique_ptr<TNavigation> FNavigation;
  std::unique_ptr<TBands> FBands;
  std::unique_ptr<TMouseActions> FMouseActions;
  std::unique_ptr<TIntList> FSortRowXRef, FUnSortRowXRef, FMergedColumns, FSelectedCells, FSelectedRows,
      FModifiedRows, FEnabledRows, FOrigColSizes, FIgnoreColumns, FColumnOrder;
  std::unique_ptr<TControlList> FControlList;
  std::unique_ptr<TSyncGrid> FSyncGrid;
  // This grid is following its sync partner (cursor, scroll position or a moved column or row): it passes nothing
  // back.
  bool FSyncedMove = false;

  TSizeWhileTyping FSizeWhileTyping;
  std::vector<uint8_t> FRowSelect;
  std::vector<uint8_t> FColSelect;
  bool FUseEnabledRows = false;

  int32_t FNumNodes = 0;
  bool FForceSel = false;
  // End is moving the cursor: a right fixed column takes it then, as a read-only cell does.
  bool FEndOnFixedRight = false;

  std::shared_ptr<IGridTextMeasurer> FTextMeasurer;

  bool FModified = false;
  bool FEntered = false;
  bool FOldModifiedValue = false;

  IGridEditors* FEditors = nullptr;
  TEditLink* FEditLink = nullptr;
  QStringList FComboItems;
  QList<TObject*> FComboObjects;
  int32_t FComboIdx = -1;
  bool FEditing = false;
  bool FEditActive = false;
  bool FSpecialEditor = false;
  QChar FStartEditChar;
  // Set once a text editor has opened; from then on the cell follows each change in the editor in use.
  bool FShowEditProcess = false;
  // An editor is being opened: what it reports while it loads is the cell's own text, not an edit.
  bool FEditStart = false;
  bool FNoEditChange = false;
  bool FBlockKill = false;
  bool FBlockFocus = false;
  bool FLastValidation = true;
  bool FValidating = false;
  int32_t FMaxEditLength = 0;
  int32_t FMaxComboLength = 0;
  bool FGridModified = false;
  QString FNewCellText;
  QString FOldCellTextWide;

  TGridLook FLook = glXP;
  TQrvGridStyle FStyle = gsWindowsXP;
  TColorTones FTones;
  bool FTonesSet = false;
  bool FShowSelection = true;

  // The scroll position of the cell being painted; its content moves up by it.
  int32_t FCellScrollPos = 0;
  // The scroll-bar cell (real column, row) the window's live bar stands over; -1 for none.
  TPoint FScrollCell{-1, -1};

  bool FGridBlink = false;
  int32_t FTicks = 0;
  int32_t FIncrTicks = 0;
  uint32_t FLastVAlignFlag = 0;
  int32_t FLastHgHeight = 0;

  bool FButtonDown = false;
  bool FDoOnClick = false;
  // The modifiers of the last left press, and whether it went the platform grid's way of moving the cursor (the
  // release then reports the click).
  TShiftState FPressShift{};
  bool FPressSelects = false;
  bool FSelectionClick = false;
  bool FColMoveFlg = false;
  bool FColSizeFlg = false;
  bool FDblClk = false;
  int32_t FClickX = 0;
  int32_t FClickY = 0;
  int32_t FPressCol = -1;
  int32_t FPressRow = -1;
  // Where the view stood at the press: a press on a partly shown row may put the top row back, and KeepHorizScroll
  // puts the left column back while the button is down.
  int32_t FOldTopRow = 0;
  int32_t FOldKeepLeftCol = 0;
  TGridRect FPressSelection{};
  // A press with caret positioning on, and the point an editor it opened places its caret at ({-1, -1} none).
  bool FLButFlg = false;
  TPoint FCaretPress{-1, -1};
  bool FSizingCol = true;
  int32_t FSizingIndex = -1;
  int32_t FSizingStart = 0;
  int32_t FSizingStartSize = 0;
  int32_t FSizingPos = 0;
  // The sizing runs on a fixed column's (row's) edge, grabbed anywhere along the grid.
  bool FSizingFixed = false;
  bool FMoveCol = true;
  int32_t FMoveCell = -1;
  int32_t FMoveTarget = -1;
  bool FDragColumn = false;
  TGridRect FDragRect{};
  TPoint FDragCell{-1, -1};
  // A column being dragged from a list (real index, -1 none), the list item that names it, and the list.
  int32_t FOleDragCol = -1;
  int32_t FOleDragIndex = -1;
  TGuardedRef<QListWidget> FOleDragList;
  // What the next press does, chosen where the mouse rests; a cursor change not made by the grid (Invokedchange
  // clear) resets it.
  TMouseSelectMode FMouseSelectMode = msNormal;
  // The row (column) a selection by the fixed cells started from while the button is down, -1 otherwise.
  int32_t FMouseSelectStart = -1;
  bool Invokedchange = false;
  // A drag of the selection's resize corner runs; the selection when it started.
  bool FMouseResize = false;
  TGridRect FDropSelection{};
  // Moving columns and rows: the press inside the moved cell, the mouse now, and a target OnColumnMoving
  // (OnRowMoving) refused.
  TPoint FMoveOfs{0, 0};
  TPoint FMovePos{0, 0};
  bool FMoveRefused = false;
  // An enhanced move announced OnStartBlockFocus and owes OnEndBlockFocus when it ends.
  bool FMoveBlocksFocus = false;
  int32_t FSortTime = 0;
  TPoint FLastHintPos{-1, -1};
  // The markup link under the mouse and the cell (display column, row) holding it.
  QString FAnchor;
  TPoint FAnchorCell{-1, -1};
  // The link drawn underlined with URLUnderlineOnHover: its cell (display column, row) and its number in the cell.
  TPoint FHoverCell{-1, -1};
  int32_t FHoverLink = -1;
  // The hint of the link last under the mouse.
  QString FLastAnchorHint;
  TPoint FLastBalloonPos{-1, -1};
  bool FBalloonInit = false;
  TCursor FCursor = crDefault;
  TCursor FOldCursor = crDefault;

  TPoint FCtrlXY{-1, -1};
  QString FCtrlID;
  QString FCtrlType;
  bool FCtrlEditing = false;
  bool FCtrlDown = false;
  // Where the pressed embedded button was pressed (client coordinates).
  TPoint FCtrlDownAt{-1, -1};
  // The fixed cell under the mouse, drawn hot (pressed while a button is down) in the list-view look.
  TPoint FHotFixedCell{-1, -1};
  // Panning, the search strip and finding, stretching, drag scrolling.
  bool FPanning = false;
  TPoint FPanOrigin{0, 0};
  // The scroll bars' kind and looks; FIsFlat: the window's flat bars are on. FScrollLock holds the proportional
  // updates back while a zoom resizes every cell.
  TGridScrollType FScrollType = ssNormal;
  TColor FScrollColor = clNone;
  int32_t FScrollWidth = 17;
  bool FScrollProportional = false;
  bool FIsFlat = false;
  bool FScrollLock = false;
  TSearchPanelState FSearchPanel;
  QString FSearchCache;
  bool FFindBusy = false;
  bool FStretching = false;
  uint8_t FDragScrollDirection = 0;
  bool FDragTimerRunning = false;
  // Presses on a cell's own parts.
  TPoint FPushedCellButton{-1, -1};
  // The button cell the mouse rests on, drawn hot; (-1, -1) none.
  TPoint FHoverButton{-1, -1};
  // A fixed cell drawn pressed while the button is down on it (FixedAsButtons), and its rectangle.
  bool FFixedCellPushed = false;
  TRect FPushedFixedCell{};
  // Presses pick cells for a formula or a cell reference instead of selecting them.
  bool FCellSelectorMode = false;
  // The press fell on the upper or lower half of a spin pair drawn in its cell; set for that press only.
  bool FSpinUpClick = false;
  bool FSpinDnClick = false;
  bool FDeselectState = false;
  int32_t FFilterCol = -1;
  // The header's drop-down button is held (its menu is open); the hot header cell stays when the mouse leaves.
  bool FDropDownDown = false;
  bool FNoMouseLeave = false;
  // Theme adaptation: on or off, and the office colour code last adapted to (-1 none yet).
  bool FAutoThemeAdapt = false;
  int32_t FLastThemeCode = -1;
};
