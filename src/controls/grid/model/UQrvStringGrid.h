#pragma once
// The advanced string grid's model: hidden columns (kept in the store, taken out of the display) and hidden rows
// (parked outside the store), real and display index mapping, row and column structure with the update lock,
// per-cell questions answered by a default and an event, accessors by real index and per-cell properties, and
// range operations. The class spans several sources, one concern each (UQrvStringGrid_*.cpp).
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "UBalloonSettings.h"
#include "UBalloonText.h"
#include "UBaseGrid.h"
#include "UCellGraphic.h"
#include "UCellNode.h"
#include "UColumnSize.h"
#include "UEditorType.h"
#include "UFloatingFooter.h"
#include "UGridAutoSize.h"
#include "UGridColumnTypes.h"
#include "UGridEditors.h"
#include "UGridItem.h"
#include "UGridLists.h"
#include "UGridLooks.h"
#include "UGridNotifications.h"
#include "UGridOptions.h"
#include "UGridRichEdit.h"
#include "UGridSearch.h"
#include "UGridWindowRequests.h"
#include "UQrvStringGridEvents.h"
#include "UQrvStringGridSettings.h"
#include "UQrvStringGridState.h"
#include "UShowModified.h"
#include "UVyxStyle.h"

class TQrvStringGrid;
class TEditLink;
class TMarkupImageList;
struct TMarkupOutputs;
struct TMarkupParams;

// Its events, plain settings and private working state are members of three structs it derives from.
class TQrvStringGrid : public TBaseGrid,
                       public TQrvStringGridEvents,
                       public TQrvStringGridSettings,
                       private TQrvStringGridState {
 public:
  static constexpr int32_t MaxHiddenMapCols = 512;
  using TBoolArray = std::array<bool, 513>;
  using TWidthArray = std::array<int16_t, 513>;

  TQrvStringGrid();
  ~TQrvStringGrid() override;

  void Loaded();
  bool IsLoaded() const { return FLoaded; }
  // Copies settings, dimensions, widths, heights and cells of another advanced grid; null does nothing.
  void Assign(const TQrvStringGrid* source);
  // The column widths under ColumnSize's Key and Section (nothing without both); false when they are not written.
  bool SaveColSizes();
  void LoadColSizes();
  void Invalidate() override;
  // Consumed by the next Invalidate: an edit change repaints through its own path.
  void MarkEditChange() { FEditChange = true; }
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
  // The floating footer shows the grid's colour too.
  void CMColorChanged() override;
  bool IntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool value);
  // The window's size changed: OnResize, a gradient background repainted whole, the scroll bars' rule.
  void Resize();
  // ScrollBarAlways keeps its bars shown, disabled while everything fits in their direction; the other bars show
  // only when needed (the window hides a bar whose direction fits). Runs after size and count changes.
  void UpdateScrollBarVisibility();
  TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
  void SetScrollBarAlways(TScrollBarAlways value);
  // Records the current column widths as the starting ones, with the width they were set for.
  void InitOrigColSizes();
  // ColumnSize.SynchWithGrid: the recorded widths scaled to the grid's width (recorded first at oldWidth).
  void SynchColWidths(int32_t oldWidth);
  // The horizontal scroll bar height and single-border flag the widget reports for integral height.
  void SetFrameMetrics(int32_t hScrollHeight, bool singleBorder);

  // Dimensions.
  void SetColCount(int32_t value) override;
  void SetRowCount(int32_t value) override;
  int32_t FixedCols() const override;
  void SetFixedCols(int32_t value) override;
  int32_t FixedRows() const override;
  void SetFixedRows(int32_t value) override;
  bool FixedRowAlways() const { return FFixedRowAlways; }
  void SetFixedRowAlways(bool value) { FFixedRowAlways = value; }
  bool FixedColAlways() const { return FFixedColAlways; }
  void SetFixedColAlways(bool value) { FFixedColAlways = value; }
  int32_t FixedFooters() const { return FFixedFooters; }
  void SetFixedFooters(int32_t value);
  int32_t FixedRightCols() const { return FFixedRightCols; }
  void SetFixedRightCols(int32_t value);
  void SetDefaultRowHeight(int32_t value) override;
  int32_t FixedRowHeight() const { return FFixedRowHeight; }
  void SetFixedRowHeight(int32_t value);
  int32_t FixedColWidth() const { return ColWidths(0); }
  void SetFixedColWidth(int32_t value);
  TAlignment DefaultAlignment() const { return FDefaultAlignment; }
  void SetDefaultAlignment(TAlignment value);
  void SetRow(int32_t value) override;
  void SetTopRow(int32_t value) override;
  bool WordWrap() const { return FWordWrapEx; }
  void SetWordWrap(bool value);
  int32_t MaxRowCount() const { return FMaxRowCount; }
  int32_t MaxColCount() const { return FMaxColCount; }

  // Update lock.
  void BeginUpdate();
  void EndUpdate();
  void StartUpdate() { ++FUpdateCount; }
  void ResetUpdate() { FUpdateCount = 0; }
  bool LockUpdate() const { return FUpdateCount != 0; }
  void SetLockUpdate(bool value) { value ? BeginUpdate() : EndUpdate(); }
  int32_t UpdateCount() const { return FUpdateCount; }

  // Selection parking and moves.
  void HideSelection();
  void UnHideSelection();
  bool SelectionHidden() const { return FSelHidden; }
  void ScrollInView(int32_t colIndex, int32_t rowIndex);

  // Hidden columns (real indexes).
  void HideColumn(int32_t colIndex) { HideColumns(colIndex, colIndex); }
  void HideColumns(int32_t fromCol, int32_t toCol);
  void UnHideColumn(int32_t colIndex) { UnHideColumns(colIndex, colIndex); }
  void UnHideColumns(int32_t fromCol, int32_t toCol);
  void UnHideColumnsAll();
  bool IsHiddenColumn(int32_t colIndex) const;
  int32_t NumHiddenColumns() const { return FNumHidden; }
  int32_t TotalColCount() const override { return ColCount() + FNumHidden; }
  int32_t AllColCount() const { return ColCount() + FNumHidden; }
  int32_t DisplColIndex(int32_t aCol) const override { return RealToDisplayCol(aCol); }
  int32_t RealColIndex(int32_t aCol) const { return DisplayToRealCol(aCol); }
  int32_t RealToDisplayCol(int32_t c) const;
  int32_t DisplayToRealCol(int32_t d) const;
  int32_t RealCol() const { return RealColIndex(Col()); }
  bool IsVisibleCol(int32_t c) const { return c >= 0 && c <= MaxHiddenMapCols ? FVisibleCol[c] : true; }
  void SetVisibleCol(int32_t c, bool value) {
    if (c >= 0 && c <= MaxHiddenMapCols) FVisibleCol[c] = value;
  }
  int32_t AllColWidths(int32_t i) const;
  void SetAllColWidths(int32_t i, int32_t value);

  // Hidden rows (real indexes unless said otherwise).
  void HideRow(int32_t rowIndex) { HideRows(rowIndex, rowIndex); }
  void HideRows(int32_t fromRow, int32_t toRow);
  void HideRowsEx(int32_t fromRow, int32_t toRow);
  // Display rows of the current level, ascending; one filter level.
  void HideRowList(const std::vector<int32_t>& rowList);
  void UnHideRow(int32_t rowIndex);
  void UnHideRows(int32_t fromRow, int32_t toRow);
  void UnHideRowsAll();
  void UnHideRowList();
  bool IsHiddenRow(int32_t rowIndex) const;
  int32_t NumHiddenRows() const { return static_cast<int32_t>(FGridItems.size()); }
  int32_t TotalRowCount() const { return RowCount() + NumHiddenRows(); }
  int32_t AllRowCount() const { return RowCount() + NumHiddenRows(); }
  int32_t RealRowIndex(int32_t aRow) const { return DisplayToRealRow(aRow); }
  int32_t DisplRowIndex(int32_t aRow) const { return RealToDisplayRow(aRow); }
  int32_t DisplayToRealRow(int32_t r) const;
  int32_t RealToDisplayRow(int32_t r) const;
  int32_t RealRow() const { return RealRowIndex(Row()); }
  std::vector<TParkedCell>* HiddenRowStrings(int32_t idx);
  const std::vector<std::unique_ptr<TGridItem>>& GridItems() const { return FGridItems; }
  int32_t FilterLevel() const { return FFilterLevel; }
  void SetFilterLevel(int32_t value) { FFilterLevel = value; }

  // Structure.
  void AddRow();
  void AddColumn() { InsertCols(ColCount(), 1); }
  void MoveRows(int32_t fromIndex, int32_t toIndex, int32_t count);
  void DeleteRowBlock(int32_t aRow, int32_t count);
  void InsertRowBlock(int32_t aRow, int32_t count);

  // Geometry queries.
  int32_t SaveStartCol() const;
  int32_t SaveStartRow() const;
  int32_t SaveEndCol() const;
  int32_t SaveEndRow() const;
  int32_t SaveColCount() const;
  int32_t SaveRowCount() const;
  bool IsOnSizingEdge(int32_t x, int32_t y) const;
  // The cell under a client point, (-1, -1) outside the cells.
  void MouseToCell(int32_t x, int32_t y, int32_t& aCol, int32_t& aRow) const;
  // The cell under a screen point; (-1, -1) outside the cells or while no window shows the grid.
  void ScreenToCell(const TPoint& pt, int32_t& aCol, int32_t& aRow) const;

  // Accessors by real column and real row.
  QString GetCellsEx(int32_t i, int32_t j) const;
  void SetCellsEx(int32_t i, int32_t j, const QString& value);
  QString GetGridCellsEx(int32_t i, int32_t j) const;
  void SetGridCellsEx(int32_t i, int32_t j, const QString& value);
  uintptr_t GetObjectsEx(int32_t i, int32_t j) const;
  void SetObjectsEx(int32_t i, int32_t j, uintptr_t value);
  TObject* GetGridObjectsEx(int32_t i, int32_t j) const;
  QString GetStrippedCell(int32_t c, int32_t r) const;
  int32_t GetLinesInCell(int32_t c, int32_t r) const;
  int32_t ColumnByHeader(const QString& value) const;

  // Per-cell property family (real column, display row).
  TColor Colors(int32_t c, int32_t r) const;
  void SetColors(int32_t c, int32_t r, TColor value);
  TColor ColorsTo(int32_t c, int32_t r) const;
  void SetColorsTo(int32_t c, int32_t r, TColor value);
  TCellGradientDirection GradientDir(int32_t c, int32_t r) const;
  void SetGradientDir(int32_t c, int32_t r, TCellGradientDirection value);
  bool ReadOnly(int32_t c, int32_t r) const;
  void SetReadOnly(int32_t c, int32_t r, bool value);
  bool WordWraps(int32_t c, int32_t r);
  void SetWordWraps(int32_t c, int32_t r, bool value);
  TColor FontColors(int32_t c, int32_t r) const;
  void SetFontColors(int32_t c, int32_t r, TColor value);
  TFontStyles FontStyles(int32_t c, int32_t r) const;
  void SetFontStyles(int32_t c, int32_t r, TFontStyles value);
  int32_t FontSizes(int32_t c, int32_t r) const;
  void SetFontSizes(int32_t c, int32_t r, int32_t value);
  QString FontNames(int32_t c, int32_t r) const;
  void SetFontNames(int32_t c, int32_t r, const QString& value);
  TAlignment Alignments(int32_t c, int32_t r) const;
  void SetAlignments(int32_t c, int32_t r, TAlignment value);
  TFont GetCellFont(int32_t c, int32_t r) const;
  void SetCellFont(int32_t c, int32_t r, const TFont& value);
  void SetRowColor(int32_t i, TColor color);
  void SetRowColorTo(int32_t i, TColor color);
  void SetRowFontColor(int32_t i, TColor color);
  void RepaintRow(int32_t r);
  void RepaintCol(int32_t c);

  // Range operations.
  void ClearRows(int32_t rowIndex, int32_t rCount);
  void ClearCols(int32_t colIndex, int32_t cCount);
  void ClearNormalRows(int32_t rowIndex, int32_t rCount);
  void ClearNormalCols(int32_t colIndex, int32_t cCount);
  void ClearNormalCells();
  void Clear();
  void ClearAll();
  void ClearSelection();
  void TrimColumn(int32_t aCol) { TrimRect(aCol, 0, aCol, RowCount() - 1); }
  void TrimRow(int32_t aRow) { TrimRect(0, aRow, ColCount() - 1, aRow); }
  void TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }
  void ColorRect(int32_t c1, int32_t r1, int32_t c2, int32_t r2, TColor color);
  void MergeColumnCells(int32_t colIndex, bool mainMerge);
  void MergeRowCells(int32_t rowIndex, bool mainMerge);
  void SplitColumnCells(int32_t colIndex);
  void SplitRowCells(int32_t rowIndex);
  void SplitAllCells();
  void MergeCols(int32_t colIndex1, int32_t colIndex2, const QString& separator);
  void RemoveDuplicates(int32_t aCol, bool doCase);
  bool IsCell(const QString& subStr, int32_t& aCol, int32_t& aRow) const;
  bool IsWideCell(int32_t aCol, int32_t aRow) const;

  // Cells as wide text (the same UTF-16 text here).
  QString GetWideCells(int32_t c, int32_t r) const { return Cells(c, r); }
  void SetWideCells(int32_t c, int32_t r, const QString& value) { SetCells(c, r, value); }
  QString GetWideCellsEx(int32_t i, int32_t j) const { return GetCellsEx(i, j); }
  void SetWideCellsEx(int32_t i, int32_t j, const QString& value) { SetCellsEx(i, j, value); }

  // Rich-text cells hold their document one byte per character; any other cell shows in the edit as plain text.
  void CellToRich(int32_t c, int32_t r, IGridRichEdit& richEdit) const;
  // Empty while the grid is being destroyed.
  QString RichToString(const IGridRichEdit& richEdit) const;
  void RichToCell(int32_t c, int32_t r, const IGridRichEdit& richEdit) { SetCells(c, r, RichToString(richEdit)); }

  // Listener and notifiers.
  void RegisterNotifier(TGridChangeNotifier* notifier);
  void UnRegisterNotifier(TGridChangeNotifier* notifier);

  // Virtual operations this grid introduces, in their order (those that ask the widget follow in their sections).
  // Writes the totals of the footer row; -1: every column, hidden ones included.
  virtual void CalculateFooter(int32_t aCol);
  virtual void ClickSort(int32_t aCol);
  virtual void F2Pressed() {}
  virtual void WriteCell(int32_t realCol, int32_t aRow, const QString& value);
  virtual void KeySelectionChanging(const TGridRect& /*newSelection*/) {}
  // Before the mouse selects everything, whole rows or whole columns by the fixed cells.
  virtual void MouseSelectionChanging(const TGridRect& /*newSelection*/) {}
  // In cell-selector mode a press picks a cell for whoever switched the mode on, and does nothing else.
  virtual void CellSelectorClick(int32_t /*aCol*/, int32_t /*aRow*/) {}
  bool CellSelectorMode() const { return FCellSelectorMode; }
  void SetCellSelectorMode(bool value) { FCellSelectorMode = value; }
  virtual QString GetCurrentCellText() const;
  virtual void SetCurrentCellText(const QString& value);
  virtual QString GetCurrentBaseCellText() const;
  virtual void SetCurrentBaseCellText(const QString& value);
  virtual void CancelCellEdit();
  virtual bool ToggleCheckBoxCell(int32_t c, int32_t r, bool fromUser);
  virtual bool SelectRadioButtonCell(int32_t c, int32_t r, bool fromUser);
  // The text a cell is saved and exported with when virtual cells are saved; the column grid formats numbers.
  virtual QString GetFormattedCell(int32_t c, int32_t r);
  virtual void GetFloatFormat(int32_t c, int32_t r, QString& format);
  virtual TCellType GetCellType(int32_t c, int32_t r);
  virtual TCellGraphic* GetCellGraphic(int32_t c, int32_t r);
  virtual TPoint GetCellGraphicSize(int32_t c, int32_t r) { return MeasureCellContent(c, r, 0); }
  virtual TPoint MeasureCellContent(int32_t c, int32_t r, int32_t extra);
  virtual TPoint MeasureCellLayout(int32_t c, int32_t r, int32_t cw, int32_t rh, double scale);
  virtual void GetEditorProp(int32_t realCol, int32_t aRow, TEditLink* link);
  virtual void CheckBoxClick(int32_t aCol, int32_t aRow, bool state);
  virtual void FixedEdit(int32_t aCol, int32_t aRow, TGridFixedCellEditor& aEditor, QStringList& values);
  virtual void SelectionChanged(int32_t aLeft, int32_t aTop, int32_t aRight, int32_t aBottom);
  // The in-place editor's text after a key-up: the caret's character index and the client point of the character
  // before it. Descendants react to typing here; the grid itself does nothing.
  virtual void EditTextChanged(const QString&, TPoint, int32_t) {}
  virtual void RowInserted(int32_t realRow);
  virtual void RowDeleted(int32_t realRow);
  virtual void FilterDone();
  virtual void UpdateColumnSize(int32_t aCol, int32_t& size);
  virtual void UpdateAutoColumnSize(int32_t aCol, int32_t& size);
  // The list was set: a descendant takes the entries over before they are written into row 0.
  virtual void ColumnHeadersChanged() {}
  // result := text, then OnEllipsClick for the current cell (real column) may change it.
  virtual void EllipsClick(const QString& text, QString& result);
  virtual void GetCellValueText(int32_t aCol, int32_t aRow, QString& value);
  virtual void GetSaveCellText(int32_t aCol, int32_t aRow, QString& value);
  virtual void GetLoadCellText(int32_t aCol, int32_t aRow, QString value);
  virtual void RecalcFooterColumn(int32_t aCol, int32_t aRow);
  virtual void RememberOldCellText(int32_t aCol, int32_t aRow);
  virtual void QueryCanEditCell(int32_t aCol, int32_t aRow, bool& canEdit);
  virtual void SearchFooterAction(const QString& value, int32_t aCol, int32_t aRow, TSearchAction action);
  virtual void ButtonClick(int32_t aCol, int32_t aRow);
  virtual void ExpandClick(int32_t aCol, int32_t aRow, bool expanded);
  virtual void ComboCloseUp(int32_t aRow, int32_t aCol);
  virtual void ComboDropDown(int32_t aRow, int32_t aCol);
  // With OnGetCellCursor: the cursor the event picks (starting from Cursor) is shown at once. x, y: client point.
  virtual void GetCellCursor(int32_t aCol, int32_t aRow, int32_t x, int32_t y);
  virtual void CellsChanged(const TRect& r);
  virtual void ColCountChanged();
  virtual void GetCellHint(int32_t aCol, int32_t aRow, QString& hint, QString& wideHint);
  virtual void GetCellColor(int32_t aCol, int32_t aRow, TGridDrawState aState, TBrush& aBrush, TFont& aFont);
  virtual void GetCellPrintColor(int32_t aCol, int32_t aRow, TGridDrawState aState, TBrush& aBrush, TFont& aFont);
  virtual void GetCellBorder(int32_t aCol, int32_t aRow, TPen& aPen, TCellBorders& borders);
  virtual void GetCellPrintBorder(int32_t aCol, int32_t aRow, TPen& aPen, TCellBorders& borders);
  virtual void GetAlignment(int32_t aCol, int32_t aRow, TAlignment& hAlign, TVAlignment& vAlign);
  virtual void GetColumnFormat(int32_t aCol, TSortStyle& aStyle, QString& aPrefix, QString& aSuffix);
  virtual void GetEditorType(int32_t aCol, int32_t aRow, TEditorType& aEditor);
  virtual void GetCellEditor(int32_t aCol, int32_t aRow, TEditorType& aEditor);
  virtual bool HasNoEditor(int32_t aCol, int32_t aRow);
  virtual void IsFixedCell(int32_t aCol, int32_t aRow, bool& isFixed);
  virtual void CanEditCell(int32_t aCol, int32_t aRow, bool& canEdit);
  virtual void IsPasswordCell(int32_t aCol, int32_t aRow, bool& isPassword);
  virtual void GetCellWordWrap(int32_t aCol, int32_t aRow, bool& wordWrap);
  virtual bool HasComboBox(int32_t aCol, int32_t aRow);
  virtual bool HasSpinEdit(int32_t aCol, int32_t aRow);
  virtual void GetCheckTrue(int32_t aCol, int32_t aRow, QString& value);
  virtual void GetCheckFalse(int32_t aCol, int32_t aRow, QString& value);
  virtual bool GetColumnFilter(int32_t column);
  virtual TGridRect GetUsedCells() const;
  virtual void RemoveRowBlock(int32_t aRow, int32_t count);
  virtual void CanAddRow(bool& canAdd);
  virtual void CanInsertRow(int32_t aRow, bool& canInsert);
  // One more row when a row is appended at the end (Down on the last row, the editor's commit of the last row).
  virtual void IncRowCount() { SetRowCount(RowCount() + 1); }
  // The edited text starts (true) or stops being a formula; the grid keeps no formulas.
  virtual void FormulaEditMode(bool) {}
  virtual void MouseActionsChanged() {}
  virtual bool IsDesigning() const { return false; }
  virtual void InvalidateGrid() { Invalidate(); }
  // Editing off for the whole grid (goEditing leaves the options).
  virtual void DisableEditing();
  // The in-place editor offers each key-down here first (InplaceKeyMessage), and again just before the key reaches
  // the edit control itself, where a key set to 0 is taken (InplaceKeyDown).
  virtual void InplaceKeyMessage(uint16_t, TShiftState) {}
  virtual void InplaceKeyDown(uint16_t&, TShiftState) {}
  virtual void NavigationChanged() {}
  virtual void GotoFirstRow() { SetRow(FixedRows()); }
  virtual void CheckBoxChange(int32_t aCol, int32_t aRow, bool state);
  virtual bool RatingChange(int32_t aCol, int32_t aRow, double& newRate);
  virtual void ColorSelect(TColor color, const QString& value);
  virtual void ImageSelect(int32_t index);
  virtual void CellChanging(int32_t aCol, int32_t aRow, bool& allow);
  virtual bool CanShowFixedDropDown(int32_t aCol);
  virtual void StartBlockFocus();
  virtual void EndBlockFocus();
  virtual void ExportNotification(TGridExportState, int32_t) {}
  virtual void ImportNotification(TGridImportState, int32_t) {}
  virtual void AssignCells(const TQrvStringGrid* source);
  virtual uint32_t GetVersionNr() const;
  virtual QString GetVersionString() const;  // The version number as text with its release month.
  virtual bool ValidateCell(const QString& value);
  virtual bool ValidateCellWide(const QString& value);
  virtual void RemoveRowsEx(int32_t rowIndex, int32_t rCount);
  virtual void RemoveRows(int32_t rowIndex, int32_t rCount);
  virtual void InsertRows(int32_t rowIndex, int32_t rCount, bool updateCellControls = true);
  virtual void RemoveCols(int32_t colIndex, int32_t cCount);
  virtual void InsertCols(int32_t colIndex, int32_t cCount);
  // The sort's row exchange: the cross-reference entries, then the sort column's cells alone (SingleColumn) or the
  // whole rows with their heights, selection flags (MoveRowOnSort) and modified marks; SortRow follows.
  virtual void SortSwapRows(int32_t aRow1, int32_t aRow2);
  virtual void ClearRect(int32_t aCol1, int32_t aRow1, int32_t aCol2, int32_t aRow2);
  virtual void TrimRect(int32_t aCol1, int32_t aRow1, int32_t aCol2, int32_t aRow2);
  virtual void SetStyle(TQrvGridStyle style);
  // Row sorts (_Sort.cpp): by SortSettings.Column, by the sort indexes, in the deepest expanded nodes (Group).
  virtual void QSort();
  virtual void QSortIndexed();
  virtual void QSortGroup();
  virtual void QSortGroupIndexed();
  virtual void QUnSort();
  virtual void CalcFooter(int32_t aCol) { CalculateFooter(aCol); }

  // Overrides of the base grid's hooks.
  bool IsFixed(int32_t c, int32_t r) const override;
  void GetDefaultCellProps(int32_t c, int32_t r, TFont& font, TBrush& brush, TColor& colorTo, TColor& mirrorColor,
                           TColor& mirrorColorTo, TAlignment& hAlign, TVAlignment& vAlign, bool& wordWrap,
                           TCellGradientDirection& gradientDir) override;

  // Cell objects: check boxes, radio buttons and groups, tree nodes, graphics
  TCellNode& CellNode() { return *FCellNode; }
  // Width of a cell's text, for a right-aligned check box (the widget measures the formatted content).
  virtual int32_t CheckBoxTextWidth(int32_t c, int32_t r);
  // Text extent in the grid's font; the widget measures on its own canvas.
  virtual TSize MeasureCellText(const QString& text);
  // A cell's image size ((0, 0) without a list) and the list it takes images from (the grid's unless overridden).
  virtual TMarkupImageList* GetCellImageList(int32_t /*c*/, int32_t /*r*/) { return GridImages; }
  TSize CellImageSize(int32_t c, int32_t r);
  bool GetImageIdx(int32_t c, int32_t r, int32_t& idx);
  void SetImageIdx(int32_t c, int32_t r, int32_t idx);
  int32_t GetNodeIndent(int32_t r) const override;
  bool HasNodes() const override { return FNumNodes > 0; }
  TCellGraphic* CreateCellGraphic(int32_t c, int32_t r);
  bool RemoveCellGraphic(int32_t c, int32_t r);
  bool RemoveCellGraphicOfType(int32_t c, int32_t r, TCellType type);
  // The type of the base cell of (c, r); ctEmpty for negative indexes.
  TCellType BaseCellType(int32_t c, int32_t r);
  bool IsControlCell(int32_t c, int32_t r);
  bool IsDataDrivenCell(int32_t c, int32_t r);
  // Check boxes.
  void AddCheckBox(int32_t c, int32_t r, bool state, bool data);
  void AddCheckBox(int32_t c, int32_t r, TCheckBoxState state);
  void AddCheckBoxColumn(int32_t c, bool defaultState, bool dataCheckBox);
  void AddTriStateCheckBoxColumn(int32_t c, TCheckBoxState state);
  void RemoveCheckBox(int32_t c, int32_t r);
  void RemoveCheckBoxColumn(int32_t c);
  bool HasCheckBox(int32_t c, int32_t r);
  bool HasDataCheckBox(int32_t c, int32_t r);
  bool GetCheckBoxState(int32_t c, int32_t r, bool& state);
  bool GetCheckBoxState(int32_t c, int32_t r, TCheckBoxState& state);
  bool IsChecked(int32_t c, int32_t r);
  bool SetCheckBoxState(int32_t c, int32_t r, bool state);
  bool SetCheckBoxState(int32_t c, int32_t r, TCheckBoxState state);
  bool ToggleCheckBox(int32_t c, int32_t r) { return ToggleCheckBoxCell(c, r, false); }
  bool ChangeCheckBoxState(int32_t c, int32_t r, bool state);
  void CheckAll(int32_t c);
  void UnCheckAll(int32_t c);
  static TCheckBoxState BoolToCheckBoxState(bool b) { return b ? cbChecked : cbUnchecked; }
  bool IsInCheckBox(int32_t c, int32_t r, int32_t x, int32_t y);
  // Radio buttons: one checked per column.
  void AddRadioButton(int32_t c, int32_t r, bool state);
  void RemoveRadioButton(int32_t c, int32_t r);
  bool HasRadioButton(int32_t c, int32_t r) { return BaseCellType(c, r) == ctRadioButton; }
  void AddRadioButtonColumn(int32_t c);
  void RemoveRadioButtonColumn(int32_t c);
  bool IsRadioButtonChecked(int32_t c, int32_t r);
  bool SetRadioButtonState(int32_t c, int32_t r, bool state);
  void SetRadioButtonColumnIndex(int32_t c, int32_t index);
  int32_t GetRadioButtonColumnIndex(int32_t c);
  // Radio groups: several items in one cell.
  void AddRadio(int32_t c, int32_t r, int32_t dirRadio, int32_t idxRadio, QStringList* sl);
  QStringList* CreateRadio(int32_t c, int32_t r, int32_t dirRadio, int32_t idxRadio);
  bool GetRadioIdx(int32_t c, int32_t r, int32_t& idxRadio);
  bool SetRadioIdx(int32_t c, int32_t r, int32_t idxRadio);
  QStringList* GetRadioStrings(int32_t c, int32_t r);
  bool IsRadio(int32_t c, int32_t r) { return BaseCellType(c, r) == ctRadio; }
  void RemoveRadio(int32_t c, int32_t r) { RemoveCellGraphicOfType(c, r, ctRadio); }
  void SelectNextRadioItem(int32_t c, int32_t r, bool fromUser);
  // Tree nodes (rows marked "real" take real indexes).
  void AddNode(int32_t realRow, int32_t span);
  void RemoveNode(int32_t realRow);
  void RemoveAllNodes();
  void ExpandNode(int32_t realRow);
  void ContractNode(int32_t realRow);
  void ExpandAll();
  void ContractAll();
  bool GetNodeState(int32_t r);
  void SetNodeState(int32_t r, bool value);
  int32_t GetNodeLevel(int32_t r);
  int32_t GetNodeSpan(int32_t r);
  void SetNodeSpan(int32_t r, int32_t span);
  void UpdateNodeSpan(int32_t r, int32_t delta);
  int32_t GetSubNodeCount(int32_t r);
  void UpdateSubNodeCount(int32_t r, int32_t delta);
  bool IsNode(int32_t r) { return r >= 0 && GetCellType(0, r) == ctNode; }
  bool IsSummary(int32_t r) { return r >= 0 && GetCellType(0, r) == ctSummary; }
  void MarkSummaryRow(int32_t realRow);
  int32_t GetParentRow(int32_t r);
  int32_t GetNodeSpanType(int32_t r);
  bool IsNodeClickArea(int32_t r, int32_t x);
  bool ForceSel() const { return FForceSel; }
  int32_t NumNodes() const { return FNumNodes; }
  // Row insertion and removal that keep spans and levels right.
  void InsertNormalRow(int32_t realRow);
  void RemoveNormalRow(int32_t r);
  void InsertChildRow(int32_t realRow, int32_t insertAt);
  void RemoveChildRow(int32_t realRow);
  // Graphics and other cell objects.
  void AddBitmap(int32_t c, int32_t r, TBitmap* bmp, bool transparent, TCellHAlign hal, TCellVAlign val);
  TBitmap* CreateBitmap(int32_t c, int32_t r, bool transparent, TCellHAlign hal, TCellVAlign val);
  void AddIcon(int32_t c, int32_t r, TIcon* icon, TCellHAlign hal, TCellVAlign val);
  TIcon* CreateIcon(int32_t c, int32_t r, TCellHAlign hal, TCellVAlign val);
  void AddImageIdx(int32_t c, int32_t r, int32_t idx, TCellHAlign hal, TCellVAlign val);
  void AddDataImage(int32_t c, int32_t r, int32_t idx, TCellHAlign hal, TCellVAlign val);
  TIntList* AddMultiImage(int32_t c, int32_t r, int32_t dir, TCellHAlign hal, TCellVAlign val);
  void AddPicture(int32_t c, int32_t r, TPicture* picture, bool transparent, TStretchMode mode, int32_t padding,
                  TCellHAlign hal, TCellVAlign val);
  TPicture* CreatePicture(int32_t c, int32_t r, bool transparent, TStretchMode mode, int32_t padding, TCellHAlign hal,
                          TCellVAlign val);
  void AddFilePicture(int32_t c, int32_t r, TFilePicture* picture, bool transparent, TStretchMode mode,
                      int32_t padding, TCellHAlign hal, TCellVAlign val);
  TFilePicture* CreateFilePicture(int32_t c, int32_t r, bool transparent, TStretchMode mode, int32_t padding,
                                  TCellHAlign hal, TCellVAlign val);
  void AddProgress(int32_t c, int32_t r, TColor fgColor, TColor bkColor);
  void AddProgressEx(int32_t c, int32_t r, TColor fgColor, TColor fgTextColor, TColor bkColor, TColor bkTextColor);
  void AddProgressFormatted(int32_t c, int32_t r, TColor fgColor, TColor fgTextColor, TColor bkColor,
                            TColor bkTextColor, const QString& fmt, int32_t min, int32_t max);
  void AddQrvProgress(int32_t c, int32_t r, int32_t min, int32_t max);
  void AddProgressPie(int32_t c, int32_t r, TColor color, int32_t value);
  void SetProgressPie(int32_t c, int32_t r, int32_t value);
  void AddRangeIndicator(int32_t c, int32_t r, int32_t range, TColor negColor, TColor posColor, bool showValue);
  void AddComment(int32_t c, int32_t r, const QString& comment);
  void AddColorComment(int32_t c, int32_t r, const QString& comment, TColor color);
  void AddButton(int32_t c, int32_t r, int32_t bw, int32_t bh, const QString& caption, TCellHAlign hal,
                 TCellVAlign val);
  void AddBitButton(int32_t c, int32_t r, int32_t bw, int32_t bh, const QString& caption, TBitmap* glyph,
                    TCellHAlign hal, TCellVAlign val);
  TBitmap* CreateBitButton(int32_t c, int32_t r, int32_t bw, int32_t bh, const QString& caption, TCellHAlign hal,
                           TCellVAlign val);
  void AddInterfacedCell(int32_t c, int32_t r, TObject* object);
  void AddScrollBar(int32_t c, int32_t r, bool autoRange);
  void AddBalloon(int32_t c, int32_t r, const QString& title, const QString& text, TBalloonIcon icon);
  void AddShape(int32_t c, int32_t r, TCellShape shape, TColor fillColor, TColor lineColor, TCellHAlign hal,
                TCellVAlign val);
  void AddRating(int32_t c, int32_t r, int32_t scale, TColor fillColor, TColor emptyColor);
  void AddExpand(int32_t c, int32_t r, int32_t expandedHeight);
  void AddMarker(int32_t c, int32_t r, int32_t errPos, int32_t errLen);
  void RemoveBitmap(int32_t c, int32_t r) { RemoveCellGraphicOfType(c, r, ctBitmap); }
  void RemoveIcon(int32_t c, int32_t r) { RemoveCellGraphicOfType(c, r, ctIcon); }
  void RemoveImageIdx(int32_t c, int32_t r) { RemoveCellGraphicOfType(c, r, ctImageList); }
  void RemoveMultiImage(int32_t c, int32_t r) { RemoveCellGraphicOfType(c, r, ctImages); }
  void RemovePicture(int32_t c, int32_t r) { RemoveCellGraphicOfType(c, r, ctPicture); }
  void RemoveFilePicture(int32_t c, int32_t r) { RemoveCellGraphicOfType(c, r, ctFilePicture); }
  void RemoveProgress(int32_t c, int32_t r) { RemoveCellGraphicOfType(c, r, ctProgress); }
  void RemoveQrvProgress(int32_t c, int32_t r) { RemoveCellGraphicOfType(c, r, ctXPProgress); }
  void RemoveProgressPie(int32_t c, int32_t r) { RemoveCellGraphicOfType(c, r, ctProgressPie); }
  void RemoveRangeIndicator(int32_t c, int32_t r) { RemoveCellGraphicOfType(c, r, ctRangeIndicator); }
  void RemoveComment(int32_t c, int32_t r) { RemoveCellGraphicOfType(c, r, ctComment); }
  void RemoveBitButton(int32_t c, int32_t r) { RemoveCellGraphicOfType(c, r, ctBitButton); }
  void RemoveInterfacedCell(int32_t c, int32_t r) { RemoveCellGraphicOfType(c, r, ctInterface); }
  void RemoveScrollBar(int32_t c, int32_t r) { RemoveCellGraphicOfType(c, r, ctScrollbar); }
  void RemoveShape(int32_t c, int32_t r) { RemoveCellGraphicOfType(c, r, ctShape); }
  void RemoveRating(int32_t c, int32_t r) { RemoveCellGraphicOfType(c, r, ctRating); }
  void RemoveExpand(int32_t c, int32_t r) { RemoveCellGraphicOfType(c, r, ctExpand); }
  void RemoveButton(int32_t c, int32_t r);
  void RemoveDataImage(int32_t c, int32_t r);
  void RemoveMarker(int32_t c, int32_t r);
  void RemoveBalloon(int32_t c, int32_t r);
  void RemoveAllComments();
  void RemoveAllButtons();
  void RemoveAllMarkers();
  bool HasBitmap(int32_t c, int32_t r) { return GetBitmap(c, r) != nullptr; }
  bool HasPicture(int32_t c, int32_t r) { return GetPicture(c, r) != nullptr; }
  TBitmap* GetBitmap(int32_t c, int32_t r);
  TPicture* GetPicture(int32_t c, int32_t r);
  TFilePicture* GetFilePicture(int32_t c, int32_t r);
  TObject* GetInterfacedCell(int32_t c, int32_t r);
  bool HasDataImage(int32_t c, int32_t r) { return BaseCellType(c, r) == ctDataImage; }
  TIntList* GetCellImages(int32_t c, int32_t r);
  bool HasProgress(int32_t c, int32_t r) { return BaseCellType(c, r) == ctProgress; }
  bool IsComment(int32_t c, int32_t r, QString& comment);
  QString GetComment(int32_t c, int32_t r);
  void SetComment(int32_t c, int32_t r, const QString& value);
  void SetShapeColor(int32_t c, int32_t r, TColor fillColor);
  TColor GetShapeColor(int32_t c, int32_t r);
  bool HasRating(int32_t c, int32_t r) { return BaseCellType(c, r) == ctRating; }
  bool HasScrollBar(int32_t c, int32_t r) { return BaseCellType(c, r) == ctScrollbar; }
  bool HasAutoRangeScrollBar(int32_t c, int32_t r);
  void SetScrollPosition(int32_t c, int32_t r, int32_t pos);
  int32_t GetScrollPosition(int32_t c, int32_t r);
  void SetScrollProp(int32_t c, int32_t r, TScrollProp prop);
  TScrollProp GetScrollProp(int32_t c, int32_t r);
  // The live bar the window shows over the scroll-bar cell under the mouse (_CellScrollBar.cpp): a step on it
  // moves the cell's content and answers the position it leaves.
  enum TCellScrollStep { csLineUp, csLineDown, csPageUp, csPageDown, csTrack };
  int32_t CellScrollBarStep(TCellScrollStep step, int32_t trackPos);
  virtual void ScrollCell(int32_t aCol, int32_t aRow, int32_t position, int32_t minimum, int32_t maximum);
  // Identifies a cell's image for sorting by image: the bitmap or icon object, or the image index; -1 otherwise.
  int64_t GetCellImageKey(int32_t c, int32_t r);
  // The cell's row (below a merged block: the block's last row) is the sort row; the sort or index mark at (x, y).
  bool IsSortIndicatorCell(int32_t c, int32_t r) const;
  void DrawSortIndicator(TCanvas& canvas, int32_t aCol, int32_t y, int32_t x);
  // c is a display column: the button's rectangle from the offset painting stored.
  TRect GetCellButtonRect(int32_t c, int32_t r);
  TRect ExpandButtonRect(int32_t c, int32_t r);
  bool HasButton(int32_t c, int32_t r);
  void PushButton(int32_t c, int32_t r, bool push);
  void SetButtonText(int32_t c, int32_t r, const QString& caption);
  QString GetButtonText(int32_t c, int32_t r);
  bool HasExpand(int32_t c, int32_t r) { return BaseCellType(c, r) == ctExpand; }
  bool ToggleExpand(int32_t c, int32_t r);
  bool GetExpandState(int32_t c, int32_t r);
  int32_t GetExpandHeight(int32_t c, int32_t r, bool expanded);
  void GetMarker(int32_t c, int32_t r, int32_t& errPos, int32_t& errLen);
  bool HasBalloon(int32_t c, int32_t r) { return BaseCellType(c, r) == ctBalloon; }
  bool IsBalloon(int32_t c, int32_t r, QString& title, QString& text, TBalloonIcon& icon);
  // Auto-sizing, fitting, auto-numbering and swapping.
  void SetTextMeasurer(std::shared_ptr<IGridTextMeasurer> measurer) { FTextMeasurer = std::move(measurer); }
  const IGridTextMeasurer& TextMeasurer();
  void SizeColumnToContent(int32_t aCol, bool growOnly);
  void SizeRowToContent(int32_t aRow, bool growOnly, int32_t extra = 0);
  // Widens column index (-1: the last) to the grid's width under ColumnSize.Stretch; past the end: EQrvGridError.
  void StretchColumnWidth(int32_t index);
  void StretchRightColumn() { StretchColumnWidth(ColCount() - 1); }
  // Every column-width change fits the stretch column again.
  void ColWidthsChanged() override;
  void AutoSizeCol(int32_t aCol, int32_t padding = 0);
  void AutoSizeColumns(bool doFixedCols, int32_t padding = 0);
  void AutoSizeRow(int32_t aRow, int32_t padding = 0);
  void AutoSizeCells(bool doFixedCells, int32_t paddingX, int32_t paddingY);
  void AutoSizeRows(bool doFixedRows, int32_t padding = 0);
  void SetRowHeightForLines(int32_t aRow, int32_t lines, int32_t padding);
  // The client size becomes the sum of the column widths, of the row heights, or both.
  void SizeToCols();
  void SizeToRows();
  void SizeToCells();
  void AutoFitColumns(bool doFixedCells);
  void AutoNumberCol(int32_t aCol);
  void AutoNumberRow(int32_t aRow);
  void SwapCells(const TPoint& fromCell, const TPoint& toCell);
  // Indexes of the cell store; the widths or heights, the sort column (columns) and the cell controls follow.
  void SwapColumns(int32_t aCol1, int32_t aCol2);
  void SwapRows(int32_t aRow1, int32_t aRow2);

  // Notification hooks and change handlers.
  void GetDisplayText(int32_t c, int32_t r, QString& value) const final;
  void AddGroupCount(int32_t c, int32_t r, QString& value) const;
  void Click();
  // The type of AppStyle, the active application-wide style.
  using TGridAppStyle = ::TGridAppStyle;
  // Takes the colours of an active style other than "Windows"; run when loaded and when the style changes.
  void ApplyStyleColors();
  bool UsesAppStyle() const override { return FUseVCLStyles; }
  bool SelChange() const { return FSelChange; }
  bool Modified() const { return FModified; }
  void SetModified(bool value) { FModified = value; }
  int32_t OldCol() const { return FOldCol; }
  int32_t OldRow() const { return FOldRow; }
  const QString& OldCellText() const { return FOldCellText; }
  bool OldModifiedValue() const { return FOldModifiedValue; }

 protected:
  // Display indexes: the real columns they show move, with their visibility and width entries and parked cells.
  void ColumnMoved(int32_t fromIndex, int32_t toIndex) override;
  void RowMoved(int32_t fromIndex, int32_t toIndex) override;
  void CurrentCellMoved() override;
  void TopLeftChanged() override;
  bool HasCustomBorders() const override;

 public:
  // Typed cell access and derived text: integers and numbers by real column and display row; the All forms by real
  // row with markup kept. A text that is not the asked type raises EQrvGridError; an empty text or "-" reads as 0.
  int32_t GetInts(int32_t c, int32_t r) const;
  void SetInts(int32_t c, int32_t r, int32_t value);
  int32_t GetAllInts(int32_t c, int32_t r) const;
  void SetAllInts(int32_t c, int32_t r, int32_t value);
  double GetFloats(int32_t c, int32_t r) const;
  void SetFloats(int32_t c, int32_t r, double value);
  double GetAllFloats(int32_t c, int32_t r) const;
  void SetAllFloats(int32_t c, int32_t r, double value);
  // Dates and times in the user's short date and long time formats; a text that is none raises EConvertError.
  double GetDates(int32_t c, int32_t r) const;
  void SetDates(int32_t c, int32_t r, double value);
  double GetTimes(int32_t c, int32_t r) const;
  void SetTimes(int32_t c, int32_t r, double value);
  // The VALUE of the markup control with that ID in the cell; empty when there is none.
  QString GetCtrlVal(int32_t c, int32_t r, const QString& id) const;
  void SetCtrlVal(int32_t c, int32_t r, const QString& id, const QString& value);
  QString Version() const;
  void SetVersion(const QString&) {}
  int32_t GetPrintColWidth(int32_t c) const;
  int32_t GetPrintColOffset(int32_t c) const;
  // Null is ignored.
  void SetLookupItems(const QStringList* value);
  void SetFixedFont(const TFont& value);
  const QStringList& ColumnHeaders() const { return FColumnHeaders; }
  void SetColumnHeaders(const QStringList& value);
  // Stores the list without writing row 0 and without telling anyone.
  void KeepColumnHeaders(const QStringList& value) { FColumnHeaders = value; }
  void ClearColumnHeaders();
  void ShowColumnHeaders();
  const QStringList& RowHeaders() const { return FRowHeaders; }
  void SetRowHeaders(const QStringList& value);
  void ClearRowHeaders();
  void ShowRowHeaders();

  // Selection model, row marks and repaint helpers; rows are display rows, or real rows with RowSelectPersistent.
  bool GetRowSelect(int32_t r) const;
  void SetRowSelect(int32_t r, bool value);
  void ClearRowSelect();
  void SelectRows(int32_t rowIndex, int32_t rCount);
  void UnSelectRows(int32_t rowIndex, int32_t rCount);
  void SelectionToRowSelect(bool all);
  // The index a row's disjunct selection flag is kept under: its real row while the flags survive hiding.
  int32_t DisjunctSelectRow(int32_t r) const;
  int32_t RowSelectCount() const;
  int32_t SelectedRowCount() const;
  int32_t GetSelectedRow(int32_t i) const;
  bool GetColSelect(int32_t c) const;
  void SetColSelect(int32_t c, bool value);
  void ClearColSelect();
  void SelectCols(int32_t colIndex, int32_t cCount);
  void UnSelectCols(int32_t colIndex, int32_t cCount);
  void SelectionToColSelect(bool all);
  int32_t ColSelectCount() const;
  int32_t SelectedColCount() const;
  // Rebuilds the cell list from the rectangle unless cells are selected one by one.
  int32_t SelectedCellsCount();
  // (column, row) of entry i; (-1, -1) past the list.
  TPoint GetSelectedCell(int32_t i) const;
  bool GetSelectedCells(int32_t c, int32_t r) const;
  void SetSelectedCells(int32_t c, int32_t r, bool value);
  void ClearSelectedCells();
  bool IsSelected(int32_t c, int32_t r) const;
  void SelectCells(int32_t fromCol, int32_t fromRow, int32_t toCol, int32_t toRow);
  void FocusCell(int32_t c, int32_t r) { SelectCells(c, r, c, r); }
  void SelectRange(int32_t fromCol, int32_t toCol, int32_t fromRow, int32_t toRow);
  // The selected cells as tab-separated lines (for dragging text out of the grid).
  QString SelectedText() const;
  bool GetRowModified(int32_t r) const;
  void SetRowModified(int32_t r, bool value);
  int32_t ModifiedRowCount() const;
  void ClearModifiedRows();
  bool GetRowEnabled(int32_t r) const;
  void SetRowEnabled(int32_t r, bool value);
  void GotoCell(int32_t c, int32_t r);
  // Focus to the grid, the cell made current, the in-place editor opened (the widget's hooks).
  void EditCell(int32_t c, int32_t r);
  void MoveToCell(int32_t c, int32_t r) { MoveCurrent(c, r, true, true); }
  // Nothing when a coordinate is negative; the whole grid when a corner lies out of view.
  void RepaintRect(const TGridRect& r);

  // Moving the current cell and the editing switch
  bool EditMode() const { return FEditMode; }
  TPoint TakeCaretPress() { return std::exchange(FCaretPress, TPoint{-1, -1}); }
  // The widget reports its in-place editor opening and closing.
  void SetEditMode(bool value) { FEditMode = value; }
  bool EditDisabled() const { return FEditDisable; }
  TEditorType EditControl() const { return FEditControl; }
  const QString& CellCache() const { return FCellCache; }
  const QString& EditText() const { return FEditText; }
  // Set while a node is contracted: every move is accepted at once.
  void SetForceSel(bool value) { FForceSel = value; }
  void RepaintActiveHeaders(int32_t aCol1, int32_t aRow1, int32_t aCol2, int32_t aRow2);
  // What only the widget can do or know: the defaults serve a grid without a window.
  virtual bool HasRowIndicator() const { return false; }
  // The key-advance engine (_KeyAdvance.cpp): the cell Enter, Tab and the arrows move on to, by Navigation; a step
  // over refused cells (even with no cell taking the cursor) ends where it started.
  void AdvanceCell(int32_t aCol, int32_t aRow, bool openEditor, bool recursing, bool forward, bool autoEdit,
                   bool ignoreAdvanceOnEnter);
  // False when the Tab was handed on to the next control of the window (TabToNextAtEnd).
  bool TabAdvance(bool backward);
  void AutoAppendRow();
  bool CanTabToCell(int32_t aCol, int32_t aRow);
  // The first (last) column of the row that takes a Tab; -1 for none.
  int32_t FirstTabCol(int32_t aRow);
  int32_t LastTabCol(int32_t aRow);
  int32_t FirstNavCol() const;
  TGridRect NormalCellsRect() const;  // what Ctrl+A and a press on the top-left cell select
  int32_t VisibleFixedRightCols() const;
  int32_t LastNormalRow() const { return RowCount() - FixedFooters() - 1; }
  bool IsLastNormalRow() const;
  // A left press and release 2 pixels inside the cell's top-left corner, the moves always accepted.
  void SimulateCellClick(int32_t aCol, int32_t aRow);
  // Keys while the grid has the focus (_CharInput.cpp, _KeyCommands.cpp): a key-down step, then a character step
  // for a key that types one; WMKeyDown answers whether the key was used (key 0 after KeyDown too).
  bool WMKeyDown(uint16_t& key, TShiftState shift);
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyUp(uint16_t& key, TShiftState shift);
  // True when the character was used.
  bool WMChar(QChar ch, TShiftState shift, bool keypadDecimal = false);
  void KeyPress(QChar& key) override;
  // The editor opens with the character as its first typed one.
  void ShowEditorChar(QChar ch);
  void CopySelectionToClipboard();
  void CutSelectionToClipboard();
  void PasteSelectionFromClipboard();

 private:
  // One Tab step; true when the cell it reached does not take the cursor and the step runs again.
  bool TabStep(bool backward, bool& handedOn);
  // The next cell of an Enter step from (aCol, aRow); false when the step ends without a cell to go to.
  bool AdvanceStep(int32_t& aCol, int32_t& aRow, bool forward);
  void ClickArrivedControl(int32_t startCol, int32_t startRow);
  // The arrow-key wrap and the disabled-row skip after the base navigation moved the cursor.
  void AfterArrowKey(uint16_t key);
  bool ControlCellKey(uint16_t key);
  bool HomeEndKey(uint16_t key, TShiftState shift);
  void InsertRowByKey();
  bool DeleteRowByKey();
  // Ctrl+Up and Ctrl+Down with CursorMoveRows: the selected rows, one or a block, move by step and stay selected.
  void MoveSelectedRows(int32_t step);
  // The grid's editing switch: the cell-selection check turns goEditing off on a read-only cell and remembers it.
  bool EditingOn() const { return (Options() & goEditing) || FEditDisable; }
  bool CellHoldsControlTag(int32_t realCol, int32_t aRow) const;
  void FireKeyDown(uint16_t& key, TShiftState shift);
  void FireKeyPress(QChar& key);

 public:
  virtual bool NormalEditFocused() const;
  // Opening and closing the in-place editor through the registered editors; a grid without them records the mode.
  virtual void ShowInplaceEditor();
  virtual void HideInplaceEditor();
  virtual void FocusGrid();
  virtual bool DropDownAlwaysVisible() const { return false; }
  // The footers are panels of the widget: it tells whether they show and how high they are.
  virtual bool SearchFooterShown() const { return FSearchPanel.Visible; }
  virtual int32_t SearchPanelHeight() const { return FSearchPanel.Height; }
  virtual bool FloatingFooterShown() const;
  // The floating footer covers the grid's last row instead of floating below the rows.
  virtual bool FloatingFooterFixedLastRow() const;
  virtual int32_t FloatingFooterHeight() const;
  // The strip is part of the grid's window: repainting the grid repaints it.
  virtual void InvalidateFloatingFooter() { Invalidate(); }
  bool LastRowAboveSearchFooter() const;
  void ScrollAboveSearchFooter();

 protected:
  bool SelectCell(int32_t c, int32_t r) override;

 private:
  std::unique_ptr<TGridItem> ParkRow(int32_t storeRow, int32_t realIndex);
  void RestoreRow(TGridItem& item, int32_t storeRow);
  int32_t ParkedBelow(int32_t realIndex) const;
  TGridItem* ParkedItem(int32_t realIndex) const;
  void RemoveRowsExImpl(int32_t rowIndex, int32_t rCount, bool shiftParked);
  // Frees every cell property the store holds in the columns and rows given, beyond the counts too.
  void FreeStoredProps(int32_t c1, int32_t c2, int32_t r1, int32_t r2);
  void ShiftParkedAbove(int32_t realIndex, int32_t by);
  void SetRowColorField(int32_t i, TColor color, void (TCellProperties::*setter)(TColor));

  TBoolArray FVisibleCol;
  TWidthArray FAllColWidths;

  // False when the target is the last row a fixed floating footer covers.
  bool KeepTargetClearOfFooters(int32_t aCol, int32_t aRow);

  // Owned option and list objects, the column order, and the per-row lists that follow the rows
 public:
  TSearchFooter& SearchFooter() { return *FSearchFooter; }
  TNavigation& Navigation() { return *FNavigation; }
  TMouseActions& MouseActions() { return *FMouseActions; }
  const TMouseActions& MouseActions() const { return *FMouseActions; }
  TSyncGrid& SyncGrid() { return *FSyncGrid; }
  // Column-size settings (auto-sizing reads from them which rows it measures) and the grow-while-typing switches.
  TColumnSize& ColumnSize() { return *FColumnSize; }
  const TColumnSize& ColumnSize() const { return *FColumnSize; }
  TSizeWhileTyping& SizeWhileTyping() { return FSizeWhileTyping; }
  TBands& Bands() { return *FBands; }
  TFocusHelper& FocusHelper() { return *FFocusHelper; }
  // The grid keeps its own object and takes over the given one's settings.
  void SetFocusHelper(const TFocusHelper* value) { FFocusHelper->Assign(value); }
  // The glow around the edited cell (FocusHelper): shown over a cell, moved to the current cell, hidden.
  void ShowFocusFrame(const TRect& cell);
  void PlaceFocusWindow();
  void HideFocusFrame();
  bool FocusFrameShown() const { return FFocusFrameShown; }
  static QImage FocusGlowPicture(int32_t cellWidth, int32_t cellHeight);
  TSortIndexList& SortIndexes() { return SortSettings.Indexes; }
  TIntList& MergedColumns() { return *FMergedColumns; }
  TIntList& IgnoreColumns() { return *FIgnoreColumns; }
  TIntList& SortRowXRef() { return *FSortRowXRef; }
  TIntList& UnSortRowXRef() { return *FUnSortRowXRef; }
  TIntList& SelectedCells() { return *FSelectedCells; }
  TIntList& SelectedRows() { return *FSelectedRows; }
  TIntList& ModifiedRows() { return *FModifiedRows; }
  TIntList& EnabledRows() { return *FEnabledRows; }
  TIntList& OrigColSizes() { return *FOrigColSizes; }
  TIntList& ColumnOrder() { return *FColumnOrder; }
  const TIntList& ColumnOrder() const { return *FColumnOrder; }
  TControlList& ControlList() { return *FControlList; }
  // Disjunct row and column selection flags (1 = selected), grown on demand by the selection model.
  std::vector<uint8_t>& RowSelectFlags() { return FRowSelect; }
  std::vector<uint8_t>& ColSelectFlags() { return FColSelect; }
  // Whether the modified-row list follows the rows, and whether rows can be disabled (first per-row enabling).
  // The modified-row marks; a new colour repaints the first column.
  TShowModified ShowModified{[this](TColor) { RepaintCol(0); }};
  void SetShowModified(const TShowModified& value) { ShowModified.Assign(value); }
  bool ShowModifiedEnabled() const { return ShowModified.Enabled; }
  void SetShowModifiedEnabled(bool value) { ShowModified.Enabled = value; }
  bool UseEnabledRows() const { return FUseEnabledRows; }
  void SetUseEnabledRows(bool value) { FUseEnabledRows = value; }

  void SplitAllColumnCells();
  void MergeAllColumnCells();
  bool IsIgnoredColumn(int32_t aCol) const { return FIgnoreColumns->HasValue(aCol); }

  // Column order: entry p is the first index of the column now at position p.
  void SetColumnOrder();
  int32_t ColumnPosition(int32_t aCol) const;
  int32_t ColumnAtPosition(int32_t aPos);
  // Moves the columns back to the order the list names. A list that is not an order of every column (a value
  // twice, one missing or out of range) changes nothing: such a list would move columns back and forth for ever.
  void ResetColumnOrder();
  // Display positions; the order list is filled first when empty and follows the move.
  void MoveColumn(int32_t fromIndex, int32_t toIndex);
  // Puts the columns in a stored order (entry p = first index of the column to show at position p, hidden
  // columns included) and keeps that order in the list. Anything but an order of every column is refused.
  bool ApplyColumnPositions(const std::vector<int32_t>& positions);
  bool IsColumnOrderPermutation(const std::vector<int32_t>& order) const;

  QString GetOriginalCells(int32_t c, int32_t r) const;
  void SetOriginalCells(int32_t c, int32_t r, const QString& value);
  QString GetUnSortedCell(int32_t c, int32_t r) const;
  void SetUnSortedCell(int32_t c, int32_t r, const QString& value);
  int32_t SortedRowIndex(int32_t aRow) const;
  int32_t UnSortedRowIndex(int32_t aRow) const;

  void RemoveSelectedRows();
  void RemoveUnSelectedRows();
  void RemoveSelectedCols();
  void RemoveUnSelectedCols();

  // Asks the cell-selection check for the current cell again, which switches editing for it.
  void UpdateEditMode() { SelectCell(Col(), Row()); }

  // Removes every normal row whose check box in checkBoxColumn is checked (removeChecked) or unchecked.
  void RemoveCheckedRows(int32_t checkBoxColumn, bool removeChecked);

  void HideSelectedRows();
  void HideUnSelectedRows();
  // The same answer as IsHiddenRow; the caller's cache, filled on first use, makes repeated questions cheap.
  bool IsHiddenRow(int32_t rowIndex, std::unique_ptr<TIntList>& listHidden) const;
  // Display rows; the cell controls follow the row.
  void MoveRow(int32_t fromIndex, int32_t toIndex);

  // Controls placed in cells (real column, display row; listed by real row); the window places and shows them.
  QObject* GetCellControls(int32_t c, int32_t r) const;
  void SetCellControls(int32_t c, int32_t r, QObject* control);
  // Asks the window to place the controls again (after rebuilding the list from the cells' properties).
  void CellControlsUpdate(bool rebuildList);
  TCellControlPlace CellControlPlace(const TControlItem& item) const;

  // The one selection listener, told of each newly selected row with the current column.
  void RegisterSelListener(std::shared_ptr<ITQrvStringGridSelect> listener) { FISelect = std::move(listener); }
  void UnRegisterSelListener(const std::shared_ptr<ITQrvStringGridSelect>&) { FISelect.reset(); }
  ITQrvStringGridSelect* SelListener() const { return FISelect.get(); }

  // Component messages: the window reports its enabling; an accelerator character is offered to the search panel's
  // buttons (find next, find previous, highlight), true when one took it.
  void CMEnabledChanged() { Invalidate(); }
  bool CMDialogChar(QChar key);
  // The hovered fixed cell is forgotten and repainted.
  void ResetFixedCellHighlight();
  // The search strip's actions (UQrvStringGrid_Search.cpp).
  virtual void SearchFooterFindNext();
  virtual void SearchFooterFindPrevious();
  virtual void SearchFooterHighlight();

  // Copies the search footer's settings into the search strip.
  virtual void UpdateSearchPanel();

  // Wheel, zoom, scroll hint (_Wheel.cpp); WheelScrollLines: the desktop's lines per notch (-1 a page).
  // One notch, delta < 0 toward the user: Ctrl zooms, otherwise the current row moves or the view scrolls.
  void MouseWheel(int32_t delta, TShiftState shift, TPoint mouse);
  // Columns and rows grow by x pixels and the font by x points, the sum kept within -10 .. 10.
  void Zoom(int32_t x);
  // The text beside a dragged scroll thumb that would bring column or row `index` to the left or top.
  QString ScrollHintText(bool vertical, int32_t index);
  virtual void WheelPanStep(int32_t, bool&) {}
  // Middle-button panning: started at a client point, each tick of its 10 ms timer moves one step toward the mouse
  // (more than 5 pixels away from the start) and answers the cursor to show (8000 .. 8008); any press or key ends it.
  bool Panning() const { return FPanning; }
  bool StartPanning(TPoint origin);
  int32_t PanTick(TPoint mouse);
  void EndPanning() { FPanning = false; }
  TPoint PanOrigin() const { return FPanOrigin; }
  // Scroll bars (UQrvStringGrid_ScrollBars.cpp): flat through the window's flat bars, owner-drawn with ssMetro.
  TGridScrollType ScrollType() const { return FScrollType; }
  void SetScrollType(TGridScrollType value);
  TColor ScrollColor() const { return FScrollColor; }
  void SetScrollColor(TColor value);
  int32_t ScrollWidth() const { return FScrollWidth; }
  void SetScrollWidth(int32_t value);
  bool ScrollProportional() const { return FScrollProportional; }
  void SetScrollProportional(bool value);
  void CreateWndScrollBars();
  void UpdateFlatScrollBars();
  void UpdateVertProportionalScroll();
  void UpdateHorzProportionalScroll();

  // Finding text (_Find.cpp): the next match after startCell ((-1, -1): from the start), (-1, -1) for none.
  TPoint Find(TPoint startCell, const QString& s, TFindParams params);
  TPoint FindFirst(const QString& s, TFindParams params);
  TPoint FindNext();
  // The first row from FixedRows whose key-column text, markup removed and upper-cased, starts with s (upper case).
  int32_t Search(const QString& s) const;
  bool FindBusy() const { return FFindBusy; }
  // A key typed into a grid that is not editing moves to the first row whose key text starts with the keys typed
  // so far; false when that search is off.
  bool IncrementalSearchKey(QChar key);
  // Found text wrapped in highlight tags and unwrapped again (columns and rows as the display shows them).
  void HilightInCell(bool doCase, int32_t aCol, int32_t aRow, const QString& hiText);
  void HilightInCol(bool doFixed, bool doCase, int32_t aCol, const QString& hiText);
  void HilightInGrid(bool doFixed, bool doCase, const QString& hiText);
  void UnHilightInCell(int32_t aCol, int32_t aRow);
  void UnHilightInCol(bool doFixed, int32_t aCol);
  void UnHilightInGrid(bool doFixed);
  // The search strip: what it shows, and the user's input to it.
  const TSearchPanelState& SearchPanel() const { return FSearchPanel; }
  void SearchFooterEditChange(const QString& text);
  void SearchFooterClose();
  void SetSearchPanelHighlight(bool down);
  void SetSearchPanelMatchCase(bool on) { FSearchPanel.MatchCase = on; }

 private:
  bool MatchFindCell(int32_t aCol, int32_t aRow) const;
  void HilightRange(int32_t c0, int32_t r0, int32_t c1, int32_t r1, bool doCase, const QString& hiText, bool on);
  TFindParams SearchPanelParams(TFindParams base);
  void SearchPanelScrollHit(bool before, bool twoRows);

  void CreateOwnedObjects();
  // The reactions of the settings that act when written.
  void WireLookSetters();
  void FreeOwnedObjects();
  void AssignOptionObjects(const TQrvStringGrid* source);
  // Loaded's part for the option objects: an always-shown editor becomes the navigation's own switch.
  void LoadedOptionObjects();
  // The partner grid follows this one: cursor, scroll position, a column or row moved from real `from` to real `to`.
  void FollowSyncGrid(TSyncFollow what, int32_t from = -1, int32_t to = -1);
  void MoveColumnOrderEntry(int32_t from, int32_t to);
  // Per-row lists on row insertion and removal.
  void InsertRowListEntries(int32_t aRow, int32_t count);
  void RemoveRowListEntries(int32_t rowIndex, int32_t count, bool modifiedAndEnabled);
  int32_t UnSortedPosition(int32_t r) const;
  bool RowFlagSet(int32_t displayRow) const;
  bool ColFlagSet(int32_t col) const;
  void MoveRowListEntries(int32_t fromIndex, int32_t toIndex, int32_t count);
  // Cell controls at real rows from fromRealRow on move by the given rows.
  void ShiftControlRows(int32_t fromRealRow, int32_t by);
  // Takes out of the list the controls of the real rows first .. last.
  void DropControlRows(int32_t first, int32_t last);
  void SwapControlPositions(int32_t TControlItem::*axis, int32_t first, int32_t second);

  std::unique_ptr<TColumnSize> FColumnSize = std::make_unique<TColumnSize>(this);

  // Cell objects: check boxes, radio buttons and groups, tree nodes, graphics
  TCellGraphic* BaseCellGraphic(int32_t c, int32_t r);
  // The graphic of a cell by real row, parked rows included; null when the cell holds none.
  TCellGraphic* GraphicByRealRow(int32_t c, int32_t realRow);
  QString CheckTrueOf(int32_t c, int32_t r);
  QString CheckFalseOf(int32_t c, int32_t r);
  bool AskCanEdit(int32_t c, int32_t r);
  void CheckRangeOrRaise(int32_t c, int32_t r) const;
  void CheckGroupAfterToggle(int32_t c, int32_t r, bool isNode, int32_t span, bool contracted, bool newState);
  void ChangeNodeLevels(int32_t displayRow, int32_t span, int32_t delta);
  int32_t NextNodeRow(int32_t after);
  TSize ObjectCellSize(int32_t c, int32_t r);
  TSize RadioGroupSize(const TCellGraphic& g, bool minimumItemHeight);
  TSize MultiImageSize(const TCellGraphic& g, int32_t c, int32_t r);
  void DrawCellImages(TCanvas& canvas, const TRect& at, const TCellGraphic& g, int32_t rc, int32_t r);
  // The row check boxes of column 0 (UQrvStringGrid_RowCheckBox.cpp): one shared graphic shows each row's
  // selection flag, and in the header whether all, some or none of the normal rows are selected.
  bool HasRowCheckBox(int32_t c, int32_t r);
  TCellGraphic* RowCheckBox(int32_t r);
  bool ToggleRowCheckBox(int32_t r);
  bool PressOnRowCheckBox(int32_t r);
  std::unique_ptr<TCellGraphic> FRowCheckBox = std::make_unique<TCellGraphic>();
  std::unique_ptr<TCellNode> FCellNode = std::make_unique<TCellNode>(this);
  // The font a cell is measured in: the fixed or the grid font, as the cell-colour hook leaves it.
  TFont MeasureFont(int32_t c, int32_t r);
  int32_t ContentWidth(int32_t aCol, int32_t rc, int32_t r);
  int32_t ContentHeight(int32_t rc, int32_t r, int32_t extra);
  void RestretchColumn();

  // In-place editor dispatch, the editors' entry points and cell validation (_Editing.cpp, _Validation.cpp)
 public:
  enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
  // The editor controls of this grid (not owned); without them no editor opens.
  void SetEditors(IGridEditors* editors) { FEditors = editors; }
  IGridEditors* Editors() const { return FEditors; }
  static bool IsTextEditorKind(TEditorType kind);
  bool CanEditShow();
  bool IsEditable(int32_t realCol, int32_t aRow);
  bool CellEditAllowed(int32_t realCol, int32_t aRow);
  void ShowSpecialEditor(int32_t aCol, int32_t aRow);
  void CommitSpecialEditor(int32_t aCol, int32_t aRow);
  void ShowInplaceEdit();
  void HideInplaceEdit();
  void DoneInplaceEdit(uint16_t key, TShiftState shift);
  void HideCellEdit() { CommitSpecialEditor(Col(), Row()); }
  void ShowCellEdit();
  void PostEditDone(int32_t realCol, int32_t aRow);
  // The posted end of an edit arrived: OnEditCellDone, and editing switched off again with EditOnDblClickOnly.
  void GridEditDone(int32_t realCol, int32_t aRow);
  void EditorChanged(const QString& text);  // the editor in use changed its text: the cell follows it
  bool EditorWantsTab() const;
  virtual int32_t GetEditLimit();
  bool QueryPasswordCell(int32_t realCol, int32_t aRow);
  // The platform grid's editor slot: show asks CanEditShow and opens the text editor, hide writes its text back.
  void ShowEditor() override;
  void HideEditor() override;
  bool EditorShowing() const override;
  // The edit text of a display column: the base cell, markup stripped unless EditWithTags; written to that cell.
  QString GetEditText(int32_t aCol, int32_t aRow) const;
  void SetEditText(int32_t aCol, int32_t aRow, const QString& value);
  QString GetEditMask(int32_t aCol, int32_t aRow);
  // Combo editor items (the pick list the combo editor shows).
  void ClearComboString();
  void AddComboString(const QString& s);
  void AddComboStringObject(const QString& s, TObject* object);
  bool RemoveComboString(const QString& s);
  bool SetComboSelectionString(const QString& s);
  void SetComboSelection(int32_t idx) { FComboIdx = idx; }
  int32_t GetComboCount() const { return static_cast<int32_t>(FComboItems.size()); }
  int32_t GetComboIndex(int32_t realCol, int32_t aRow);
  void SetComboIndex(int32_t realCol, int32_t aRow, int32_t value);
  const QStringList& ComboItems() const { return FComboItems; }
  TObject* ComboObject(int32_t i) const { return i >= 0 && i < FComboObjects.size() ? FComboObjects[i] : nullptr; }
  int32_t ComboIdx() const { return FComboIdx; }

  void SetEditControl(TEditorType value) { FEditControl = value; }
  bool Editing() const { return FEditing; }
  void SetEditing(bool value) { FEditing = value; }
  bool Validating() const { return FValidating; }
  void SetValidating(bool value) { FValidating = value; }
  bool EditActive() const { return FEditActive; }
  bool SpecialEditorOpen() const { return FSpecialEditor; }
  bool LastValidation() const { return FLastValidation; }
  void SetLastValidation(bool value) { FLastValidation = value; }
  bool BlockFocus() const { return FBlockFocus; }
  void SetBlockFocus(bool value) { FBlockFocus = value; }
  bool BlockKill() const { return FBlockKill; }
  bool NoEditChange() const { return FNoEditChange; }
  void SetNoEditChange(bool value) { FNoEditChange = value; }
  bool GridModified() const { return FGridModified; }
  QChar StartEditChar() const { return FStartEditChar; }
  void SetStartEditChar(QChar value) { FStartEditChar = value; }
  const QString& OriginalCellValue() const { return FCellCache; }
  const QString& NewCellText() const { return FNewCellText; }
  void SetOldCellText(const QString& value) { FOldCellText = value; }
  int32_t MaxEditLength() const { return FMaxEditLength; }
  void SetMaxEditLength(int32_t value) { FMaxEditLength = value; }
  int32_t MaxComboLength() const { return FMaxComboLength; }
  void SetMaxComboLength(int32_t value) { FMaxComboLength = value; }
  TEditLink* EditLink() const { return FEditLink; }
  void SetEditLink(TEditLink* value) { FEditLink = value; }

  TInvalidEntryIcon InvalidEntryIcon = ieWarning;
  // The date editors' relays for the current cell; a close-up ends the edit with DirectDateClose.
  void DateTimeChange(double value);
  void DatePickerCloseUp();
  void DatePickerDropDown();

 private:
  void ShowBalloonOnRefusal();
  // Painting: visual properties, looks, display text and measuring, cell graphics, the paint cycle
 public:
  TGridLook Look() const { return FLook; }
  void SetLook(TGridLook value);
  void SetComponentStyle(TVyxStyle style);
  void StyleDropDownEditors(TVyxStyle style);  // Each drop-down editor that exists (DropDownEditors).
  void SetColorTones(const TColorTones& tones);
  const TColorTones& ColorTones() const { return FTones; }
  bool ColorTonesSet() const { return FTonesSet; }
  void SetTheme(TXPColorScheme scheme);
  // The desktop's office colour code (_Theme.cpp): ThemeAdapt takes its style when the code is not the last one.
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool value);
  void ThemeAdapt();
  TQrvGridStyle GridStyle() const { return FStyle; }
  // True while the grid is read from its stored form (the look presets then leave the stored colours).
  virtual bool IsLoading() const { return false; }
  // The control look's fixed-gradient setters: they store and forward to the grid's own colours (From, To,
  // hover From/To/Border and down From/To/Border only when not clNone, the mirrors always).
  void SetFixedGradient(TColor from, TColor to);
  void SetFixedGradientMirror(TColor from, TColor to);
  void SetFixedGradientHover(const TFixedGradient& hover);
  void SetFixedGradientDown(const TFixedGradient& down);
  // The control look's colours back to their creation values (only the hover and down mirrors reach the grid).
  void InitControlLookColors();
  // Each keeps the colour's plain value (a system colour as it is now) and repaints the grid.
  void SetVyxGradientFrom(TColor value) { SetVyxColor(VyxGradient.From, value); }
  void SetVyxGradientTo(TColor value) { SetVyxColor(VyxGradient.To, value); }
  void SetVyxGradientMirrorFrom(TColor value) { SetVyxColor(VyxGradient.MirrorFrom, value); }
  void SetVyxGradientMirrorTo(TColor value) { SetVyxColor(VyxGradient.MirrorTo, value); }
  bool ShowSelection() const { return FShowSelection; }
  void SetShowSelection(bool value);
  void SetSelectionColorMixerFactor(int32_t value);
  // The mix of the selection colour into a cell colour by SelectionColorMixerFactor.
  TColor MixSelectionColor(TColor selection, TColor cell) const;
  bool BlinkPhase() const { return FGridBlink; }
  // The grid's part of a markup render of a cell: pictures, blink phase, link look, a pressed embedded button.
  void FillMarkupParams(int32_t rc, int32_t r, TMarkupParams& params);
  void SetHotFixedCell(int32_t c, int32_t r);  // the list-view header part under the mouse; -1 for none
  // Grid timer tick (500 ms): ends the incremental search after four quiet ticks, makes the hovered cell current
  // with Hovering (client point or null), repaints blinking cells; answers the cells repainted (display col, row).
  std::vector<TPoint> TimerTick(const TPoint* mouse = nullptr);
  // A key typed into the incremental search starts its quiet time again.
  void ResetIncrementalTicks() { FIncrTicks = 0; }
  int32_t TimerTicks() const { return FTicks; }
  // The vertical text flag of the last text cell painted (the in-place editor reads it).
  uint32_t LastVAlignFlag() const { return FLastVAlignFlag; }

  void GetVisualProperties(int32_t c, int32_t r, TGridDrawState& state, bool print, bool select, bool remap,
                           TBrush& brush, TColor& colorTo, TColor& mirrorColor, TColor& mirrorColorTo, TFont& font,
                           TAlignment& hAlign, TVAlignment& vAlign, bool& wordWrap,
                           TCellGradientDirection& gradientDir) override;
  // Font only: fixed or grid font, the cell's own font settings, then the cell-colour hook (real column rc).
  void GetFontProperties(int32_t c, int32_t rc, int32_t r, TGridDrawState& state, TFont& font, TBrush& brush,
                         bool remap);
  std::pair<TAlignment, TVAlignment> GetCellAlignment(int32_t c, int32_t r);
  bool IsFixedCellAt(int32_t realCol, int32_t displayCol, int32_t r) const;

  // Display text, measuring, rotated cells (real column).
  TSize GetCellTextSize(int32_t c, int32_t r, bool wrapToWidth, bool sortButton);
  TSize CalcCellTextSize(int32_t c, int32_t displayCol, int32_t r, bool wrapToWidth, bool sortButton);
  // The bounding box of text of the given extent turned by the angle, 12 pixels of room on each axis.
  static TSize RotatedTextSize(TSize text, int32_t angle);
  void AddRotated(int32_t c, int32_t r, int16_t angle, const QString& text);
  void SetRotated(int32_t c, int32_t r, int16_t angle);
  void RemoveRotated(int32_t c, int32_t r);
  bool IsRotated(int32_t c, int32_t r, int32_t& angle);

  // Cell graphics.
  void DrawCheckBox(TCanvas& canvas, const TRect& rect, bool checked, bool triStateGrayed, TControlStyle style,
                    bool enabled);
  void DrawRadioButton(TCanvas& canvas, const TRect& rect, bool on, TControlStyle style, bool enabled);
  void DrawCellGraphic(TCanvas& canvas, int32_t c, int32_t rc, int32_t r, TRect rect, TCellGraphic& graphic,
                       TGridDrawState state, int32_t textWidth, TAlignment textAlign);
  static int32_t LimitPercent(int32_t x) { return std::clamp(x, 0, 100); }

  // The paint cycle.
  void Paint(TCanvas& canvas, const TRect& area) override;
  void DrawGridCell(TCanvas& canvas, int32_t c, int32_t r, const TRect& rect, TGridDrawState state) override;
  void PaintEmptyAreaBackground(TCanvas& canvas);
  // The flat border over the window's whole canvas (none for some looks); FitCellsInGrid fills the outer ring.
  void PaintBorder(TCanvas& canvas, int32_t width, int32_t height, TColor parentColor = clNone);
  // Whether PaintBorder draws anything (the gradient looks, a single border in a colour, not Flat).
  bool PaintsBorder() const;
  void DrawColSizingLine(TCanvas& canvas, int32_t x);
  void DrawRowSizingLine(TCanvas& canvas, int32_t y);

 private:
  void ApplyStyleRow(const TGridStyleRow& row);
  void SetVyxColor(TColor& field, TColor value);
  void DrawFixedBackground(TCanvas& canvas, int32_t c, int32_t rc, int32_t r, TRect& rect, TColor colorTo,
                           TColor mirrorColor, TColor mirrorColorTo);
  void DrawFixedFrame(TCanvas& canvas, TRect rect);
  // Sort indicator cells (the sort column, the sort indexes) and the indicator's height for a vertical alignment.
  bool ShowsSortIndicator(int32_t c, int32_t rc, int32_t r) const;
  static int32_t SortIndicatorY(const TRect& rect, TVAlignment vAlign);
  void DrawCellText(TCanvas& canvas, int32_t c, int32_t rc, int32_t r, int32_t sr, TRect rect, TGridDrawState state,
                    const TCellGraphic* graphic, TSize graphicSize, bool textShown, TAlignment hAlign,
                    TVAlignment vAlign, bool wordWrap, TColor brushColor, TColor fontColor, int32_t& textWidth);
  bool PaintRichTextCell(int32_t c, int32_t r, const TRect& rect, TCanvas& canvas);  // false: does not read as one
  void DrawCellBorder(TCanvas& canvas, int32_t c, int32_t rc, int32_t r, TRect rect);
  void DrawRadioGroup(TCanvas& canvas, TRect rect, const TCellGraphic& graphic, int32_t rc, int32_t r, bool selected,
                      bool enabled);
  TSize CellGraphicSize(const TCellGraphic* graphic, int32_t rc, int32_t r, bool& textShown);
  void DrawTreeLines(TCanvas& canvas, int32_t r, const TRect& rect);
  // A cell's own vertical scroll bar (position, page and range as the cell keeps them).
  static void DrawCellScrollBar(TCanvas& canvas, const TRect& bar, int32_t position, int32_t page, int32_t range);
  static constexpr int32_t CellScrollBarWidth = 16;
  bool CellScrolls(int32_t c, int32_t r);
  TRect CellScrollBarRect(int32_t c, int32_t r) const;
  void HoverCellScrollBar(int32_t c, int32_t r);
  void PlaceCellScrollBar();
  void DropCellScrollBar();
  void DrawNodeButton(TCanvas& canvas, int32_t r, const TRect& rect, bool selected);
  // Mouse (_Mouse.cpp, _MouseUp.cpp, _MouseMove.cpp, _Sizing.cpp, _Sort.cpp): press, move, release, double click,
  // sizing, moving, click sort, drag start; client coordinates; Interaction() says what the button is doing.
 public:
  enum class TGridInteraction { None, Selecting, Sizing, Moving, Dragging };
  TGridInteraction Interaction() const { return FInteraction; }
  void GridMouseDown(TGridMouseButton button, TShiftState shift, int32_t x, int32_t y);
  void GridMouseMove(TShiftState shift, int32_t x, int32_t y);
  void GridMouseUp(TGridMouseButton button, TShiftState shift, int32_t x, int32_t y);
  // Takes the place of the second press of a double click.
  void GridDblClick(TShiftState shift, int32_t x, int32_t y);
  void GridMouseLeave();
  // Sizing: the column (or row) being sized and where its edge would land now (client coordinates).
  bool SizingColumns() const { return FSizingCol; }
  int32_t SizingIndex() const { return FSizingIndex; }
  int32_t SizingEdge() const { return FSizingPos; }
  // Moving: the column (or row) picked up and the one it would land on.
  int32_t MovingIndex() const { return FMoveCell; }
  int32_t MovingTarget() const { return FMoveTarget; }
  // What the window shows of a move with EnhRowColMove (_MovePreview.cpp); the selection's resize corner
  // (_SelectionResize.cpp): the next press's mode, which a cursor change the grid did not make resets.
  TGridMovePreview MovePreview() const;
  TMouseSelectMode MouseSelectMode() const { return FMouseSelectMode; }
  void CMCursorChanged();
  // A drag out of the grid: what is dragged. The widget runs the drag and reports its end with EndOleDrag.
  bool DraggingColumn() const { return FDragColumn; }
  TGridRect DraggedRect() const { return FDragRect; }
  TPoint DragCell() const { return FDragCell; }
  // effect: 0 none, 1 copy, 2 move; cancelled: the drag ended without a drop.
  void EndOleDrag(uint32_t effect, bool cancelled);
  // A hidden column dragged from a list box back onto the grid (how a drop lands: _OleColumnDrag.cpp).
  void OleColumnDragStart(int32_t ACol, int32_t AIndex, TGuardedRef<QListWidget> AList);
  int32_t OleDragCol() const { return FOleDragCol; }
  bool OleDropListColumn(int32_t toCol, const std::function<void(QListWidget*, int32_t)>& takeItem);
  // A link the desktop may open: a URL with a scheme other than "file" (so never a local program or path).
  static bool IsOpenableLink(const QString& link);
  // "cell://R<row>C<col>" (any case): true and the cell when the name parses.
  static bool ParseCellLink(const QString& link, int32_t& col, int32_t& row);
  // The hint of the cell under a client point, where it shows (client coordinates); false for none: a comment,
  // a link's hint, the cell's text (HintShowCells, HintShowLargeText; markup stripped unless HTMLHint); OnGridHint.
  bool PrepareCellHint(int32_t x, int32_t y, QString& hint, TPoint& pos);
  // The base cell whose hint shows; (-1, -1) none. Moving to another cell cancels it.
  TPoint LastHintPos() const { return FLastHintPos; }

  // Balloon tooltips (UQrvStringGrid_Balloon.cpp). Switching Enable creates or destroys the one balloon window.
  TBalloonSettings Balloon{[this] { BalloonEnableChanged(); }};
  void SetBalloon(const TBalloonSettings& value) { Balloon.Assign(value); }
  void BalloonEnableChanged();
  // Creates the balloon window once until BalloonDone; the window creates it too when Enable is on.
  void BalloonInit();
  void BalloonDone();
  bool BalloonWindowCreated() const { return FBalloonInit; }
  // The balloon of the cell under client point (x, y), remembered as the last balloon cell; false with balloons
  // off or no cell there.
  bool BalloonAt(int32_t x, int32_t y, TCellBalloon& balloon);
  // The cell of the balloon shown (display column, row); (-1, -1) none. Moving to another cell pops it.
  TPoint LastBalloonPos() const { return FLastBalloonPos; }

  void InitSortXRef();
  int32_t SortTime() const { return FSortTime; }

  // A cell whose text is its check box (its column's editor kind says so); the grid has none of its own.
  virtual bool IsDataCheckBoxCell(int32_t /*c*/, int32_t /*r*/) const { return false; }

  // Presses on a cell's own parts (_MouseCells.cpp): node glyphs, radio groups, cell and expand buttons; hot
  // fixed cells and the sizing hint; disjunct row, column and cell selections by the mouse (_MouseSelect.cpp); the
  // fixed-cell editor and the filter list of the filter row (_FixedCellEditor.cpp).
  // The cell whose button is held down; (-1, -1) none.
  TPoint PushedCellButton() const { return FPushedCellButton; }
  TPoint HoverButton() const { return FHoverButton; }
  // During a press on a cell's drawn spin pair: 1 on its upper half, -1 on its lower half; else 0.
  int32_t SpinPress() const { return FSpinUpClick ? 1 : (FSpinDnClick ? -1 : 0); }
  bool IsHoverFixedCell(int32_t c, int32_t r) const;
  // Picks the item of the radio group in (display c, r) under the offset (dx, dy) from the cell's top-left.
  void RadioGroupClick(int32_t c, int32_t r, int32_t dx, int32_t dy);
  // Opens the fixed-cell editor on (display c, r); false when refused or no window can show it.
  bool ShowFixedCellEditor(int32_t c, int32_t r);
  // While sizing with HintShowSizing: the hint's text and its place (client coordinates); false otherwise.
  bool SizingHint(QString& text, TPoint& pos) const;
  // The filter list of a column: the column whose list is open (-1 none). The widget shows and hides the list.
  int32_t FilterCol() const { return FFilterCol; }
  using TFilterListPlace = TGridFilterListPlace;
  void CloseFilterList();

 private:
  bool PressOnNode(int32_t c, int32_t r, int32_t x, int32_t y);
  bool PressOnRadioGroup(int32_t c, int32_t r, int32_t x, int32_t y);
  bool InCellButton(int32_t c, int32_t r, int32_t x, int32_t y);
  bool PressOnCellButton(int32_t c, int32_t r, int32_t x, int32_t y);
  bool ReleaseCellButton(int32_t x, int32_t y);
  void HoverFixed(int32_t c, int32_t r);
  void HoverCellButton(int32_t c, int32_t r, int32_t x, int32_t y);
  void PressFixedAsButton(int32_t c, int32_t r, int32_t x, int32_t y);
  void ReleaseFixedAsButton();
  // False when the press ended here (Shift extends a row selection).
  bool PressDisjunct(int32_t c, int32_t r, TShiftState shift);
  void ReleaseDisjunct(int32_t c, int32_t r, TShiftState shift);
  void ReleaseSelectsGroup(int32_t c, int32_t r);
  bool PressOpensFixedEditor(int32_t c, int32_t r, int32_t x, TGridFixedCellEdit how);
  // The drop-down button of a hovered fixed cell and a press on it (_FixedDropDown.cpp).
  bool ShowsFixedDropDown(int32_t c, int32_t r);
  bool PressOnFixedDropDown(int32_t c, int32_t r, int32_t x);
  bool ReleaseOnFilterButton(int32_t x, int32_t y);
  // The size the sizing edge gives now, within the grid's limits.
  int32_t SizingSize() const;

 public:
  // Scrolling while a drag hovers near the edges (_DragScroll.cpp). The widget runs one timer with the intervals the
  // calls answer: above 0 (re)start with it, 0 stop, -1 leave it as it runs.
  enum TDragScrollDirections : uint8_t { dsdUp = 1, dsdDown = 2, dsdLeft = 4, dsdRight = 8 };
  using TDragScrollDirection = uint8_t;
  // A drag entering or moving at (x, y), or leaving.
  int32_t DragScrollOver(int32_t x, int32_t y, bool leave);
  int32_t DragScrollTimer();
  TDragScrollDirection DragScrollDirection() const { return FDragScrollDirection; }

  // Focus and cursor (_Focus.cpp): the widget reports the focus entering and leaving and asks for the cursor.
  using TGridCursor = ::TGridCursor;
  using enum ::TGridCursor;
  TGridCursor CursorAt(int32_t x, int32_t y);
  void GridEnter();
  void GridExit();
  void GridKillFocus();
  // With AlwaysEdit: the focus entering the grid opens the editor on an editable, visible current cell.
  void OpenEditorOnEnter();
  // The control's cursor; setting it also makes it the one the grid returns to after hover cursors.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor value);
  TCursor OldCursor() const { return FOldCursor; }

 private:
  bool PressOnSizingEdge(int32_t x, int32_t y, int32_t c, int32_t r);
  int32_t FixedEdgeAt(bool columns, int32_t x, int32_t y) const;  // the fixed column (row) whose edge is at x (y)
  // OnColumnSize for the column left of x (in the fixed rows), or OnRowSize for the row above y (in the fixed
  // columns), may refuse the sizing the press would start.
  bool SizingAllowed(bool columns, int32_t x, int32_t y);
  void MoveSizing(int32_t x, int32_t y);
  void EndSizing(int32_t x, int32_t y);
  void StartMoving(int32_t x, int32_t y);
  void MoveTo(int32_t x, int32_t y);
  void EndMoving(int32_t x, int32_t y);
  void ArmSelectMode(int32_t x, int32_t y);
  bool PressOnResizeCorner(int32_t x, int32_t y);
  void EndSelectionResize();
  // The sort column and the current column stay on their data when a column moves.
  void FollowColumnMove(int32_t fromIndex, int32_t toIndex);
  bool PressOnCheckBox(int32_t c, int32_t r, int32_t x, int32_t y);
  bool PressOnLink(int32_t c, int32_t r, int32_t x, int32_t y);
  // The markup link under the mouse (none off cells): enter/exit, hover underline, hint (_MarkupLinks.cpp).
  void HoverLink(int32_t c, int32_t r, int32_t x, int32_t y);
  QString AnchorHintOf(const TPoint& cell, const QString& link, const QString& title);  // title or link; OnAnchorHint
  // The link under (x, y) in display cell (c, r): markup (hit filled) or, with URLShow, plain text (not markupOnly).
  QString CellLinkAt(int32_t c, int32_t r, int32_t x, int32_t y, bool markupOnly, TMarkupOutputs* hit = nullptr);
  void RunClickSort(int32_t c, int32_t x, int32_t y, TShiftState shift);
  void SortRows(int32_t first, int32_t last, const std::function<int32_t(int32_t, int32_t)>& compare);
  void ClickCell(int32_t c, int32_t r);
  void ResetPress();
  // Selecting by the fixed cells (_FixedSelect.cpp).
  void DecideMouseSelectMode(int32_t x, int32_t y);
  bool PressSelectsByFixedCell(int32_t c, int32_t r, TShiftState shift);
  void DragMouseSelection(int32_t x, int32_t y);
  void RepaintSelectionBand(const TGridRect& before);
  void SelectByMouse(const TGridRect& rect, int32_t c, int32_t r);
  bool OnNodeGlyph(int32_t c, int32_t r, int32_t x, int32_t y);
  void PressRight(int32_t c, int32_t r, int32_t x, int32_t y, TShiftState shift);  // _RightClick.cpp
  TGridInteraction FInteraction = TGridInteraction::None;

  // The floating footer and its calculations (_Footer.cpp).
 public:
  TFloatingFooter& FloatingFooter() { return *FFloatingFooter; }
  const TFloatingFooter& FloatingFooter() const { return *FFloatingFooter; }
  void UpdateFooter() { InvalidateFloatingFooter(); }
  void LastRowChanged() override;  // the footer row's figures changed: the strip shows them
  // The widget follows the footer's settings (its panel's height, visibility and hints).
  virtual void FloatingFooterChanged() {}
  // The footer strip's own painting and hit test (_FooterPaint.cpp), on the strip's canvas and coordinates.
  // The width the footer's cells span: the fixed columns and the columns from LeftCol on.
  int32_t FooterWidth() const;
  // The column under x in the strip; -1 past the last column.
  int32_t FooterColumnAt(int32_t x) const;
  // Paints the strip by the footer's style into `client`; answers the width painted.
  int32_t PaintFloatingFooter(TCanvas& canvas, const TRect& client);
  // A click on the strip: OnClick, then OnClickCell with the footer row and the column under x.
  void FooterClick(int32_t x);
  // Over the real rows fromRow .. toRow of a real column; a cell that is no number counts as 0.
  double ColumnSum(int32_t aCol, int32_t fromRow, int32_t toRow) const;
  double ColumnAvg(int32_t aCol, int32_t fromRow, int32_t toRow) const;
  double ColumnMin(int32_t aCol, int32_t fromRow, int32_t toRow) const;
  double ColumnMax(int32_t aCol, int32_t fromRow, int32_t toRow) const;
  double ColumnDistinct(int32_t aCol, int32_t fromRow, int32_t toRow) const;
  // The sample standard deviation; 0 for fewer than two rows.
  double ColumnStdDev(int32_t aCol, int32_t fromRow, int32_t toRow) const;

 private:
  std::vector<double> ColumnValues(int32_t aCol, const std::vector<int32_t>& realRows) const;
  static std::vector<int32_t> RealRowRange(int32_t fromRow, int32_t toRow);
  std::unique_ptr<TFloatingFooter> FFloatingFooter = std::make_unique<TFloatingFooter>(*this);

  // Controls embedded in markup cells as CONTROL tags (_EmbeddedControls.cpp): a press switches buttons, check
  // boxes and radio buttons in the cell text; edits, password and masked fields and combos are edited in one shared
  // control of the widget, whose value goes back into the tag's VALUE.
 public:
  using TCellControlEditor = TGridCellControlEditor;
  // Gives the cell's next editable control after afterId (empty: the first) the focus; false: none, grid focused.
  bool FocusNextCellControl(int32_t c, int32_t r, const QString& afterId);
  void StartCellControlEdit(const QString& text, const QString& type, int32_t c, int32_t r, const TRect& rect,
                            const QString& value, const QString& id);
  // The shared control was left with this value.
  void CellControlEditDone(const QString& value);
  void CellControlComboSelect(int32_t index, const QString& itemText);
  // Enter (tab false) or Tab in the shared control: the value goes back, then the grid takes the focus, or Tab moves
  // on (to the next cell with AdvanceAuto, else to the cell's next control).
  void CellControlKey(bool tab);
  bool CellControlEditing() const { return FCtrlEditing; }
  // The rectangle of the control with that ID in cell (real column c, row r); empty when the cell has none.
  TRect CellControlRect(int32_t c, int32_t r, const QString& id);

 private:
  // Hit test of the cell's markup (real column c) at a point; a preset HitControlID picks that control instead.
  void HitCellMarkup(int32_t c, int32_t r, int32_t x, int32_t y, TMarkupOutputs& out);
  // Hit test of the cell's markup at a point, or (with an ID) the control with that ID.
  bool HitCellControl(int32_t c, int32_t r, int32_t x, int32_t y, QString& id, QString& type, QString& value,
                      TRect& rect);
  bool PressOnCellControl(int32_t c, int32_t r, int32_t x, int32_t y);
};
