#pragma once
// The advanced string grid's events, one place for all of them, and what it asks of its window: the grid derives
// from this struct, so a handler is set as grid.OnX = ... and the grid's own code calls OnX as its member.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "UBalloonText.h"
#include "UBaseGrid.h"
#include "UCellNode.h"
#include "UEditorType.h"
#include "UGridAutoSize.h"
#include "UGridColumnTypes.h"
#include "UGridItem.h"
#include "UGridLists.h"
#include "UGridLooks.h"
#include "UGridOptions.h"
#include "UGridWindowRequests.h"

class TQrvStringGrid;
class TEditLink;
class TPopupMenu;

enum TSearchAction { saFindFirst, saFindPrevious, saFindNext };

struct TQrvStringGridEvents {
  enum TGridMouseButton { gmbLeft, gmbRight, gmbMiddle };
  // Events: the declared argument order of each, several with the row first.
  std::function<void(TQrvStringGrid*, int32_t, int32_t, bool&)> OnCanEditCell;      // ARow, ACol
  std::function<void(TQrvStringGrid*, int32_t, int32_t)> OnButtonClick;             // ACol, ARow
  std::function<void(TQrvStringGrid*, int32_t, int32_t, bool)> OnExpandClick;       // ACol, ARow
  std::function<void(TQrvStringGrid*, int32_t, int32_t)> OnComboCloseUp;            // ARow, ACol
  std::function<void(TQrvStringGrid*, int32_t, int32_t)> OnComboDropDown;           // ARow, ACol
  std::function<void(TQrvStringGrid*, int32_t, int32_t, QString&)> OnGridHint;      // ARow, ACol
  std::function<void(TQrvStringGrid*, int32_t, int32_t, QString&)> OnGridWideHint;  // ARow, ACol
  std::function<void(TQrvStringGrid*, int32_t, int32_t, TGridDrawState, TBrush&, TFont&)> OnGetCellColor;  // ARow
  std::function<void(TQrvStringGrid*, int32_t, int32_t, TGridDrawState, TBrush&, TFont&)> OnGetCellPrintColor;
  std::function<void(TQrvStringGrid*, int32_t, int32_t, TPen&, TCellBorders&)> OnGetCellBorder;       // ARow
  std::function<void(TQrvStringGrid*, int32_t, int32_t, TPen&, TCellBorders&)> OnGetCellPrintBorder;  // ARow
  std::function<void(TQrvStringGrid*, int32_t, int32_t, TAlignment&, TVAlignment&)> OnGetAlignment;   // ARow
  std::function<void(TQrvStringGrid*, int32_t, int32_t, TEditorType&)> OnGetEditorType;               // ACol
  std::function<void(TQrvStringGrid*, int32_t, int32_t, bool&)> OnIsFixedCell;                        // ARow
  std::function<void(TQrvStringGrid*, int32_t, int32_t, bool&)> OnIsPasswordCell;                     // ARow
  std::function<void(TQrvStringGrid*, int32_t, int32_t, bool&)> OnGetWordWrap;                        // ACol
  std::function<void(TQrvStringGrid*, int32_t, int32_t, bool&)> OnHasComboBox;                        // ACol
  std::function<void(TQrvStringGrid*, int32_t, int32_t, bool&)> OnHasSpinEdit;                        // ACol
  std::function<void(TQrvStringGrid*, int32_t, int32_t, QString&)> OnGetCheckTrue;                    // ACol
  std::function<void(TQrvStringGrid*, int32_t, int32_t, QString&)> OnGetCheckFalse;                   // ACol
  std::function<void(TQrvStringGrid*, int32_t, int32_t)> OnRowUpdate;  // OldRow, NewRow
  std::function<void(TQrvStringGrid*, const TRect&)> OnCellsChanged;
  std::function<void(TQrvStringGrid*, int32_t, QStringList&)> OnGetColumnFilter;  // Column, Filter
  std::function<void(TQrvStringGrid*)> OnResize;
  // ACol, ARow, var IsFloat, var FloatFormat: how a numeric cell is shown.
  std::function<void(TQrvStringGrid*, int32_t, int32_t, bool&, QString&)> OnGetFloatFormat;

  // ACol, ARow, X, Y (client point), var ACursor.
  std::function<void(TQrvStringGrid*, int32_t, int32_t, int32_t, int32_t, TCursor&)> OnGetCellCursor;

  std::function<void(TQrvStringGrid*, int32_t, int32_t, bool)> OnCheckBoxChange;          // ACol, ARow, State
  std::function<void(TQrvStringGrid*, int32_t, int32_t, double&, bool&)> OnRatingChange;  // ACol, ARow

  // A colour or an image picked in a picker drop-down of the current cell.
  std::function<void(TQrvStringGrid*, int32_t, int32_t, TColor, const QString&)> OnColorSelect;  // ACol, ARow
  // ACol, ARow, ScrollPosition, ScrollMin, ScrollMax: a cell's own scroll bar moved its content.
  std::function<void(TQrvStringGrid*, int32_t, int32_t, int32_t, int32_t, int32_t)> OnScrollCell;
  std::function<void(TQrvStringGrid*, int32_t, int32_t, int32_t)> OnImageSelect;  // ACol, ARow, Index

  // OnUpdateColumnSize(Sender, ACol, var Size): the last word on a width sizing to content chose.
  std::function<void(TQrvStringGrid*, int32_t, int32_t&)> OnUpdateColumnSize;

  std::function<void(TQrvStringGrid*)> OnClick;
  // Button, Shift, X, Y (client point): a press and a release of a mouse button over the grid.
  std::function<void(TQrvStringGrid*, TGridMouseButton, TShiftState, int32_t, int32_t)> OnMouseDown, OnMouseUp;
  std::function<void(TQrvStringGrid*)> OnDblClick;
  std::function<void(TQrvStringGrid*, int32_t, int32_t, int32_t, int32_t)> OnSelectionChanged;  // L, T, R, B
  std::function<void(TQrvStringGrid*, int32_t)> OnAutoDeleteRow;                                // ARow
  std::function<void(TQrvStringGrid*)> OnFilterDone;
  std::function<void(TQrvStringGrid*, int32_t, int32_t, QString&)> OnSaveCell;  // ACol, ARow
  std::function<void(TQrvStringGrid*, int32_t, int32_t, QString&)> OnLoadCell;  // ACol, ARow
  std::function<void(TQrvStringGrid*, bool&)> OnCanAddRow;
  std::function<void(TQrvStringGrid*, int32_t, bool&)> OnCanInsertRow;  // ARow
  // The editor kind and pick list of a fixed cell about to be edited; the kind the handler chooses reaches the
  // caller.
  std::function<void(TQrvStringGrid*, int32_t, int32_t, TGridFixedCellEditor&, QStringList&)> OnFixedEdit;

  std::function<void(TQrvStringGrid*, int32_t, bool, bool&)> OnRowDisjunctSelect;  // ARow, AState, Allow
  std::function<void(TQrvStringGrid*, int32_t)> OnRowDisjunctSelected;             // ARow

  std::function<void(TQrvStringGrid*, int32_t, int32_t, int32_t, int32_t, bool&)>
      OnCellChanging;                                                           // OldRow, OldCol, NewRow, NewCol
  std::function<void(TQrvStringGrid*, int32_t, int32_t, bool&)> OnRowChanging;  // OldRow, NewRow
  std::function<void(TQrvStringGrid*, int32_t, int32_t, bool&)> OnColChanging;  // OldCol, NewCol

  std::function<void(TQrvStringGrid*, int32_t, int32_t, int32_t&, int32_t&, bool&)>
      OnAutoAdvance;                                                           // OldRow, OldCol, NewRow, NewCol
  std::function<void(TQrvStringGrid*, int32_t)> OnAutoAddRow;                  // ARow
  std::function<void(TQrvStringGrid*, int32_t)> OnAutoInsertCol;               // ACol
  std::function<void(TQrvStringGrid*, int32_t, int32_t, bool&)> OnSelectCell;  // ACol, ARow, CanSelect

  std::function<void(TQrvStringGrid*, uint16_t&, TShiftState)> OnKeyDown;
  std::function<void(TQrvStringGrid*, uint16_t&, TShiftState)> OnKeyUp;
  std::function<void(TQrvStringGrid*, QChar&)> OnKeyPress;
  std::function<void(TQrvStringGrid*, int32_t)> OnAutoInsertRow;                 // ARow
  std::function<void(TQrvStringGrid*, int32_t, bool&)> OnCanDeleteRow;           // ARow, CanDelete
  std::function<void(TQrvStringGrid*, int32_t, int32_t, int32_t)> OnRadioClick;  // ACol, ARow, AIdx

  std::function<void(TQrvStringGrid*, const QString&, int32_t, int32_t, TSearchAction)> OnSearchFooterAction;
  std::function<void(TQrvStringGrid*, int32_t, TSortStyle&, QString&, QString&)> OnGetFormat;  // ACol

  std::function<void(TQrvStringGrid*, int32_t, int32_t, TEditLink*)> OnGetEditorProp;  // ACol, ARow
  std::function<void(TQrvStringGrid*, int32_t, int32_t)> OnGetEditorPropInt;           // ARow, ACol
  std::function<void(TQrvStringGrid*)> OnEditingDone;
  std::function<void(TQrvStringGrid*, int32_t, int32_t)> OnEditCellDone;                          // ACol, ARow
  std::function<void(TQrvStringGrid*, int32_t, int32_t, QString&, bool&)> OnCellValidate;         // ACol, ARow
  std::function<void(TQrvStringGrid*, int32_t, int32_t, QString&, bool&)> OnCellValidateWide;     // ACol, ARow
  std::function<void(TQrvStringGrid*, int32_t, int32_t, const QString&)> OnEditChange;            // ACol, ARow
  std::function<void(TQrvStringGrid*, int32_t, int32_t, int32_t, const QString&)> OnComboChange;  // ACol, ARow
  std::function<void(TQrvStringGrid*, int32_t, int32_t, int32_t, const QString&, TObject*)> OnComboObjectChange;
  std::function<void(TQrvStringGrid*, int32_t, int32_t, bool)> OnCheckBoxClick;    // ACol, ARow, State
  std::function<void(TQrvStringGrid*, int32_t, int32_t, QString&)> OnGetEditMask;  // ACol, ARow
  // Clipboard events of the text editor: Sender is the editor.
  std::function<void(QObject*, bool&)> OnClipboardCopy;
  std::function<void(QObject*, bool&)> OnClipboardCut;
  std::function<void(QObject*, bool&)> OnClipboardPaste;
  std::function<void(QObject*, int32_t, int32_t, QString&, bool&)> OnClipboardBeforePasteCell;  // ACol, ARow
  std::function<void(QObject*, int32_t, int32_t, const QString&)> OnClipboardAfterPasteCell;    // ACol, ARow

  // The small editors' events: spin steps (UpDown true for up), the ellipsis button, a chosen unit.
  std::function<void(TQrvStringGrid*, int32_t, int32_t, int32_t, bool)> OnSpinClick;      // ACol, ARow, Value
  std::function<void(TQrvStringGrid*, int32_t, int32_t, double, bool)> OnFloatSpinClick;  // ACol, ARow, Value
  std::function<void(TQrvStringGrid*, int32_t, int32_t, double, bool)> OnDateSpinClick;   // ACol, ARow, Value
  std::function<void(TQrvStringGrid*, int32_t, int32_t, double, bool)> OnTimeSpinClick;   // ACol, ARow, Value
  std::function<void(TQrvStringGrid*, int32_t, int32_t, QString&)> OnEllipsClick;         // ACol, ARow, S
  std::function<void(TQrvStringGrid*, int32_t, int32_t, const QString&)> OnUnitChanged;   // ACol, ARow, NewUnit
  std::function<void(TQrvStringGrid*, const QString&, double&)> OnCustomStrToDate;        // Value, var ADate
  std::function<void(TQrvStringGrid*, int32_t)> OnClickSort;                              // ACol
  std::function<void(TQrvStringGrid*, int32_t, bool&)> OnCanShowFixedDropDown;            // ACol, var CanShow
  // ACol, ARow, var AMenu, var KeepFixedCellHighlighted: a press on a header's drop-down button.
  std::function<void(TQrvStringGrid*, int32_t, int32_t, TPopupMenu*&, bool&)> OnFixedDropDownClick;
  std::function<void(TQrvStringGrid*)> OnStartBlockFocus;
  std::function<void(TQrvStringGrid*)> OnEndBlockFocus;

  // ACol, ARow, ADateTime.
  std::function<void(TQrvStringGrid*, int32_t, int32_t, double)> OnDateTimeChange;
  // ARow, ACol.
  std::function<void(TQrvStringGrid*, int32_t, int32_t)> OnDatePickerCloseUp;
  std::function<void(TQrvStringGrid*, int32_t, int32_t)> OnDatePickerDropDown;

  std::function<void(TQrvStringGrid*, TCanvas&, int32_t, int32_t, TGridDrawState, const TRect&, bool)>
      OnCustomCellBkgDraw;  // ACol, ARow, State, Rect, Printing
  std::function<void(TQrvStringGrid*, TCanvas&, int32_t, int32_t, TGridDrawState, const TRect&, bool)>
      OnCustomCellDraw;
  std::function<void(TQrvStringGrid*, int32_t, int32_t, TPen&, TPen&, TPen&, TPen&)> OnGetCellBorderProp;  // ARow
  std::function<void(TQrvStringGrid*, int32_t, int32_t, const TRect&, TGridDrawState)> OnDrawCell;  // ACol, ARow
  std::function<void(TQrvStringGrid*, int32_t, int32_t, TColor&, TColor&, TColor&, TColor&,
                     TCellGradientDirection&)>
      OnGetCellGradient;  // ARow, ACol
  std::function<void(TQrvStringGrid*)> OnPainted;

  std::function<void(TQrvStringGrid*, int32_t, int32_t, bool&)> OnCanClickCell;                 // ARow, ACol, Allow
  std::function<void(TQrvStringGrid*, int32_t, int32_t)> OnClickCell;                           // ARow, ACol
  std::function<void(TQrvStringGrid*, int32_t, int32_t)> OnDblClickCell;                        // ARow, ACol
  std::function<void(TQrvStringGrid*, int32_t, int32_t)> OnRightClickCell;                      // ARow, ACol
  std::function<void(TQrvStringGrid*, int32_t, int32_t, bool)> OnCheckBoxMouseUp;               // ACol, ARow, State
  std::function<void(TQrvStringGrid*, int32_t, int32_t)> OnRadioButtonClick;                    // ACol, ARow
  std::function<void(TQrvStringGrid*, int32_t, int32_t, const QString&, bool&)> OnAnchorClick;  // ARow, ACol
  std::function<void(TQrvStringGrid*, int32_t, int32_t, const QString&)> OnAnchorEnter;         // ARow, ACol, Anchor
  std::function<void(TQrvStringGrid*, int32_t, int32_t, const QString&)> OnAnchorExit;          // ARow, ACol, Anchor
  std::function<void(TQrvStringGrid*, int32_t, int32_t, QString&)> OnAnchorHint;                // ARow, ACol, Anchor
  std::function<void(TQrvStringGrid*, int32_t, int32_t)> OnColumnSizing;                        // ACol, ColumnSize
  std::function<void(TQrvStringGrid*, int32_t, int32_t)> OnRowSizing;                           // ARow, RowSize
  std::function<void(TQrvStringGrid*, int32_t)> OnEndColumnSize;                                // ACol
  std::function<void(TQrvStringGrid*, int32_t)> OnEndRowSize;                                   // ARow
  std::function<void(TQrvStringGrid*, int32_t, bool&)> OnColumnSize;                            // ACol, Allow
  std::function<void(TQrvStringGrid*, int32_t, bool&)> OnRowSize;                               // ARow, Allow
  std::function<void(TQrvStringGrid*, int32_t, bool&)> OnColumnMove;                            // ACol, Allow
  std::function<void(TQrvStringGrid*, int32_t, bool&)> OnRowMove;                               // ARow, Allow
  std::function<void(TQrvStringGrid*, int32_t, bool&)> OnColumnMoving;                          // ACol, Allow
  std::function<void(TQrvStringGrid*, int32_t, bool&)> OnRowMoving;                             // ARow, Allow
  std::function<void(TQrvStringGrid*, int32_t, int32_t)> OnRowMoved;                            // FromIndex, ToIndex
  std::function<void(TQrvStringGrid*, int32_t, bool&)> OnCanSort;                               // ACol, DoSort
  std::function<void(TQrvStringGrid*, int32_t, int32_t, const QString&, bool&)> OnOleDrag;      // ARow, ACol
  std::function<void(TQrvStringGrid*, int32_t, int32_t)> OnOleDragStart;                        // ARow, ACol
  std::function<void(TQrvStringGrid*, uint32_t)> OnOleDragStop;                                 // OLEEffect

  // OrigSelection, NewSelection: before the block copied at the resize corner is pasted into the new selection,
  // and after.
  std::function<void(TQrvStringGrid*, const TGridRect&, const TGridRect&)> OnSelectionResize, OnSelectionResized;

  std::function<void(TQrvStringGrid*)> OnEnter;
  std::function<void(TQrvStringGrid*)> OnExit;

  std::function<void(TQrvStringGrid*, int32_t, int32_t, QString&)> OnFooterCalc;  // ACol, ARow, Value

  std::function<void(TQrvStringGrid*, int32_t, TCanvas&, const TRect&)> OnFooterPaint;  // AColumn, Canvas, ARect
  // The footer strip's window exists (the view was made); the strip has its first height.
  std::function<void(TQrvStringGrid*)> OnCreatedFloatingFooter;

  std::function<void(TQrvStringGrid*, int32_t, int32_t, const QString&, const QString&, const QString&)>
      OnControlClick;  // ARow, ACol, CtrlID, CtrlType, CtrlVal
  std::function<void(TQrvStringGrid*, int32_t, int32_t, const QString&, const QString&, const QString&)>
      OnControlEditDone;  // ARow, ACol, CtrlID, CtrlType, CtrlVal
  std::function<void(TQrvStringGrid*, int32_t, int32_t, const QString&, const QString&, const QString&, QStringList&,
                     bool&, int32_t&)>
      OnControlComboList;  // ARow, ACol, CtrlID, CtrlType, CtrlVal, Values, Edit, DropCount
  std::function<void(TQrvStringGrid*, int32_t, int32_t, int32_t, const QString&, const QString&)>
      OnControlComboSelect;  // ARow, ACol, ItemIndex, CtrlID, CtrlValue
  // The wheel, the scroll hint, the search strip, balloons, and presses on nodes and radio groups.
  std::function<void(TQrvStringGrid*, int32_t, QString&)> OnScrollHint;  // ARow (the row or column shown)
  std::function<void(TQrvStringGrid*, TShiftState, TPoint, bool&)> OnMouseWheelDown, OnMouseWheelUp;
  std::function<void(TQrvStringGrid*, const QString&, bool&)> OnSearchEditChange;  // Value, DefaultSearch
  std::function<void(TQrvStringGrid*)> OnSearchFooterClose;
  TCellBalloonEvent OnCellBalloon;
  std::function<void(TQrvStringGrid*, int32_t, int32_t, bool&)> OnBeforeExpandNode;    // ARow, ARowReal, Allow
  std::function<void(TQrvStringGrid*, int32_t, int32_t, bool&)> OnBeforeContractNode;  // ARow, ARowReal, Allow
  std::function<void(TQrvStringGrid*, int32_t, int32_t)> OnExpandNode;                 // ARow, ARowReal
  std::function<void(TQrvStringGrid*, int32_t, int32_t)> OnContractNode;               // ARow, ARowReal
  std::function<void(TQrvStringGrid*, int32_t, int32_t, int32_t)> OnRadioMouseUp;      // ACol, ARow, AIdx
  // Scrolling while a drag hovers near the edges (DragScrollDir: the grid's TDragScrollDirections flags).
  std::function<void(TQrvStringGrid*, int32_t, int32_t, uint8_t&, bool&)>
      OnDragScroll;  // TopRow, LeftCol, DragScrollDir, CanScroll

  // What the grid asks of its window, set by the window; unset, the grid does without.
  // The window hands a Tab on to its next (or previous) control; unset, the Tab stays in the grid.
  std::function<void(bool backward)> TabToNextControl;
  // The clipboard as the window reaches it; unset, the grid keeps its own text.
  std::function<QString()> ReadClipboard;
  std::function<void(const QString&)> WriteClipboard;
  // The window redraws the search strip after a change.
  std::function<void()> SearchPanelChanged;
  // Gives the strip's edit the keyboard (Ctrl+F while the strip shows).
  std::function<void()> FocusSearchEdit;
  // The key preview of the form holding the grid: whether it is on, and the form's turn at a key-down, before the
  // grid's OnKeyDown (the form sets the key to 0 when it took it).
  std::function<bool()> FormKeyPreview;
  std::function<void(uint16_t& key, TShiftState shift)> FormKeyDown;
  // Opens a link of a cell through the desktop's handler for links; without one nothing opens.
  std::function<void(const QString&)> OpenLink;
  // The window's side of the balloon window (set by the window; unset, none is made).
  std::function<void()> CreateBalloonWindow;
  std::function<void()> DestroyBalloonWindow;
  // The filter list of a column, shown and hidden by the window.
  std::function<void(int32_t column, const TGridFilterListPlace& place)> ShowFilterList;
  std::function<void()> HideFilterList;
  // The shared control of the markup cells' embedded controls: shown by the window, and the running edit ended
  // (the window calls CellControlEditDone with its value).
  std::function<void(const TGridCellControlEditor&)> ShowCellControl;
  std::function<void()> FinishCellControl;
};

// Holds a grid's OnMouseDown and OnMouseUp back while it lives: a press the grid makes itself is nobody's mouse.
class TMouseEventsHeld {
 public:
  explicit TMouseEventsHeld(TQrvStringGridEvents& events)
      : FEvents(events),
        FDown(std::exchange(events.OnMouseDown, nullptr)),
        FUp(std::exchange(events.OnMouseUp, nullptr)) {}
  ~TMouseEventsHeld() {
    FEvents.OnMouseDown = std::move(FDown);
    FEvents.OnMouseUp = std::move(FUp);
  }
  TMouseEventsHeld(const TMouseEventsHeld&) = delete;
  TMouseEventsHeld& operator=(const TMouseEventsHeld&) = delete;

 private:
  TQrvStringGridEvents& FEvents;
  decltype(TQrvStringGridEvents::OnMouseDown) FDown, FUp;
};
