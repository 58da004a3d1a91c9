#pragma once
// Our own stand-in for the desktop's string grid: the cell store and the grid geometry (counts, fixed rows and
// columns, widths and heights, current cell, scroll position, selection, options), with no widget in it. The
// scrolling widget attaches through IGridHost and hands painting and input to the virtual steps of the
// descendants; everything else runs, and is tested, without a window.
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "UCellStore.h"
#include "UGridHost.h"
#include "UGridKeys.h"
#include "UGridTypes.h"

class TCanvas;

class TStringGrid {
 public:
  TStringGrid();
  virtual ~TStringGrid();
  TStringGrid(const TStringGrid&) = delete;
  TStringGrid& operator=(const TStringGrid&) = delete;

  void SetHost(IGridHost* host);
  // Repaints the whole grid when a window shows it.
  virtual void Invalidate();
  IGridHost* Host() const { return FHost; }
  // A window shows the grid.
  bool HandleAllocated() const { return FHost != nullptr; }
  // What another object keeps of the grid to reach it: it expires when the grid is destroyed.
  std::weak_ptr<TStringGrid* const> Lifetime() const { return FLifetime; }

  // Dimensions. The setters are virtual so that the advanced grid's rules run wherever a count changes.
  int32_t ColCount() const { return FColCount; }
  virtual void SetColCount(int32_t value);
  int32_t RowCount() const { return FRowCount; }
  virtual void SetRowCount(int32_t value);
  virtual int32_t FixedCols() const { return FFixedCols; }
  virtual void SetFixedCols(int32_t value);
  virtual int32_t FixedRows() const { return FFixedRows; }
  virtual void SetFixedRows(int32_t value);
  int32_t DefaultColWidth() const { return FDefaultColWidth; }
  void SetDefaultColWidth(int32_t value);
  virtual int32_t DefaultRowHeight() const { return FDefaultRowHeight; }
  virtual void SetDefaultRowHeight(int32_t value);
  int32_t ColWidths(int32_t c) const;
  void SetColWidths(int32_t c, int32_t value);
  int32_t RowHeights(int32_t r) const;
  void SetRowHeights(int32_t r, int32_t value);
  // The platform's own line width; the advanced grids keep it 0 and draw their lines themselves.
  int32_t PlatformGridLineWidth() const { return FPlatformLineWidth; }
  void SetPlatformGridLineWidth(int32_t value) { FPlatformLineWidth = value < 0 ? 0 : value; }
  bool PlatformDefaultDrawing() const { return FPlatformDefaultDrawing; }
  void SetPlatformDefaultDrawing(bool value) { FPlatformDefaultDrawing = value; }

  // Current cell, scroll position and selection (display indexes).
  virtual int32_t Col() const { return FCol; }
  virtual void SetCol(int32_t value);
  virtual int32_t Row() const { return FRow; }
  virtual void SetRow(int32_t value);
  int32_t LeftCol() const { return FLeftCol; }
  void SetLeftCol(int32_t value);
  virtual int32_t TopRow() const { return FTopRow; }
  virtual void SetTopRow(int32_t value);
  TGridRect Selection() const { return FSelection; }
  void SetSelection(const TGridRect& value);
  // Makes (c, r) current when SelectCell allows it; the anchor follows unless moveAnchor is off (range selection).
  void MoveCurrent(int32_t c, int32_t r, bool moveAnchor, bool show);
  int32_t VisibleColCount() const;
  int32_t VisibleRowCount() const;

  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& value) {
    FFont = value;
    Invalidate();
  }
  TColor Color() const { return FColor; }
  void SetColor(TColor value) {
    FColor = value;
    Invalidate();
    CMColorChanged();
  }
  // The colour changed (after the repaint of the grid).
  virtual void CMColorChanged() {}

  TGridOptions Options() const { return FOptions; }
  virtual void SetOptions(TGridOptions value);

  // Client size; the widget keeps it in step with its viewport.
  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  virtual void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
  int32_t Left() const { return FLeft; }
  int32_t Top() const { return FTop; }

  // Rectangle of a visible cell in client coordinates; an empty rectangle for a cell scrolled out of view.
  TRect PlatformCellRect(int32_t c, int32_t r) const;

  // Moves a row or column with its height or width; the moved-handlers move the cells.
  void MoveRow(int32_t fromIndex, int32_t toIndex);
  void MoveColumn(int32_t fromIndex, int32_t toIndex);

  // Painting and input steps the widget hands over; the descendants override them.
  // Draws every cell that is visible and meets `area` (client coordinates) through DrawCell, the fixed ones
  // included; the cost follows the visible cells, never the counts.
  virtual void Paint(TCanvas& canvas, const TRect& area);
  // Arrows, Home/End, Page Up/Down move the current cell (Shift extends a range selection); key 0 after the
  // step means the key was used. Ctrl+Home/End go to the first and last cell.
  virtual void KeyDown(uint16_t& key, TShiftState shift);
  // One wheel step: the current row moves one row down or up. True when the step was used.
  virtual bool DoMouseWheelDown(TShiftState shift);
  virtual bool DoMouseWheelUp(TShiftState shift);
  // The scroll position changed (LeftCol or TopRow).
  virtual void TopLeftChanged();
  // After a column's width changed (never while the grid is being built).
  virtual void ColWidthsChanged() {}
  // The cell under a client point, false outside every cell.
  bool MouseToCell(int32_t x, int32_t y, int32_t& c, int32_t& r) const;
  // The largest TopRow (LeftCol) that still fills the client area: the last scroll position.
  int32_t MaxTopRow() const;
  int32_t MaxLeftCol() const;
  // Moves the current cell through the Col/Row setters, so the descendants' rules run; `extend` grows a range
  // selection from its anchor instead.
  void FocusCell(int32_t c, int32_t r, bool extend);
  // The platform grid's editor slot: the advanced grid opens and closes its text editor here. Enter in the grid
  // (or handed on by its text editor) toggles the editor unless it is always shown.
  virtual void ShowEditor() {}
  virtual void HideEditor() {}
  virtual bool EditorShowing() const { return false; }
  virtual void KeyPress(QChar& key);
  // Whether the window showing the grid has the keyboard focus.
  bool Focused() const { return FHost && FHost->HasFocus(); }
  // Whether the window showing the grid takes input; a grid without a window counts as enabled.
  bool Enabled() const { return !FHost || FHost->IsEnabled(); }

 protected:
  // Draws one visible cell; here nothing (the base grid paints every cell itself).
  virtual void DrawCell(TCanvas& canvas, int32_t c, int32_t r, const TRect& rect, TGridDrawState state);
  // The drawing state of a cell the platform would pass: fixed, selected, focused.
  TGridDrawState PlatformDrawState(int32_t c, int32_t r) const;

 protected:
  // Asked before the current cell moves; false keeps it where it is.
  virtual bool SelectCell(int32_t c, int32_t r);
  // After the current cell moved, by any path.
  virtual void CurrentCellMoved() {}
  virtual void RowMoved(int32_t fromIndex, int32_t toIndex);
  virtual void ColumnMoved(int32_t fromIndex, int32_t toIndex);
  // Deletes one row: rows below move up with their cells and slots; the row's cells leave the store unfreed.
  void DeleteRow(int32_t r) { DeleteRows(r, 1); }
  // The same for a block of rows at once (the count is cut to the rows that exist).
  void DeleteRows(int32_t r, int32_t count);
  void InvalidatePlatformRect(const TRect& rect, bool erase);
  void NotifyGeometry();

  TCellStore& Store() { return FStore; }
  const TCellStore& Store() const { return FStore; }
  std::vector<int32_t>& RowHeightList() { return FRowHeights; }
  std::vector<int32_t>& ColWidthList() { return FColWidths; }

 private:
  void ClampCurrent();
  TCellStore FStore;
  std::shared_ptr<TStringGrid* const> FLifetime = std::make_shared<TStringGrid* const>(this);
  IGridHost* FHost = nullptr;
  int32_t FColCount = 5;
  int32_t FRowCount = 5;
  int32_t FFixedCols = 1;
  int32_t FFixedRows = 1;
  int32_t FDefaultColWidth = 64;
  int32_t FDefaultRowHeight = 24;
  int32_t FPlatformLineWidth = 1;
  bool FPlatformDefaultDrawing = true;
  std::vector<int32_t> FColWidths;
  std::vector<int32_t> FRowHeights;
  int32_t FCol = 1;
  int32_t FRow = 1;
  int32_t FLeftCol = 1;
  int32_t FTopRow = 1;
  TGridRect FSelection{1, 1, 1, 1};
  TGridOptions FOptions = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
  TFont FFont;
  TColor FColor = clWindow;
  int32_t FLeft = 0;
  int32_t FTop = 0;
  int32_t FWidth = 320;
  int32_t FHeight = 120;
};
