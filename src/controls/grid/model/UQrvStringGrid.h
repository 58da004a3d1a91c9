#pragma once
// The advanced string grid's model: hidden columns (kept in the store, taken out of the display) and hidden rows
// (parked outside the store), real and display index mapping, row and column structure with the update lock,
// per-cell questions answered by a default and an event, accessors by real index and per-cell properties, and
// range operations. The class spans several sources, one concern each (UQrvStringGrid_*.cpp).
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "UBaseGrid.h"
#include "UEditorType.h"
#include "UGridAutoSize.h"
#include "UGridColumnTypes.h"
#include "UGridItem.h"

class TQrvStringGrid;

// Told of every changed cell rectangle, in registration order, after OnCellsChanged.
class TGridChangeNotifier {
 public:
  virtual ~TGridChangeNotifier() = default;
  virtual void GridChanged(const TRect& r);
};

enum TFilterDropDownColumns { fdNormal, fdAll };

// Progress of an export or import, reported row by row to the grid's notification hooks.
enum TGridExportState { esExportStart, esExportNextRow, esExportDone };
enum TGridImportState { isImportStart, isImportNextRow, isImportDone };

// The cell border sides are shared with the column definitions.

class TQrvStringGrid : public TBaseGrid {
 public:
  static constexpr int32_t MaxHiddenMapCols = 512;
  using TBoolArray = std::array<bool, 513>;
  using TWidthArray = std::array<int16_t, 513>;

  TQrvStringGrid();
  ~TQrvStringGrid() override;

  // Lifecycle.
  void Loaded();
  bool IsLoaded() const { return FLoaded; }
  // Copies settings, dimensions, widths, heights and cells of another advanced grid; null does nothing.
  void Assign(const TQrvStringGrid* source);
  void Invalidate() override;
  // Consumed by the next Invalidate: an edit change repaints through its own path.
  void MarkEditChange() { FEditChange = true; }
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
  bool IntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool value);
  // The horizontal scroll bar height and single-border flag the widget reports for integral height.
  void SetFrameMetrics(int32_t hScrollHeight, bool singleBorder) {
    FHScrollHeight = hScrollHeight;
    FSingleBorder = singleBorder;
  }

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
  void SetCol(int32_t value) override;
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

  // Listener and notifiers.
  void RegisterNotifier(TGridChangeNotifier* notifier);
  void UnRegisterNotifier(TGridChangeNotifier* notifier);

  // Settings of the model.
  QString CheckTrue = QStringLiteral("Y");
  QString CheckFalse = QStringLiteral("N");
  QString FloatFormat = QStringLiteral("%.2f");
  QChar PasswordChar = QLatin1Char('*');
  QChar Delimiter = QChar(0);
  bool JavaCSV = false;
  QString XMLEncoding = QStringLiteral("ISO-8859-1");
  QString FilterDropDownClear = QStringLiteral("(All)");
  bool FilterDropDownAuto = false;
  TFilterDropDownColumns FilterDropDownColumns = fdNormal;
  // The values the filter drop-down of a column offers (GetColumnFilter fills it).
  QStringList FilterList;
  TEditorType DefaultEditor = edNormal;
  bool ClearTextOnly = false;
  bool SaveHiddenCells = false;
  bool SaveFixedCells = true;
  bool SaveFixedRows = false;
  bool SaveFixedCols = false;
  bool SaveVirtCells = true;
  bool SaveWithHTML = true;
  bool EditWithTags = false;
  bool ActiveCellShow = false;
  TColor ActiveCellColor = 0x808080;
  TColor ActiveCellColorTo = clNone;
  TFont ActiveCellFont;
  TFont FixedFont;
  TColor DisabledFontColor = 0xC0C0C0;
  bool UseDisabledFont = true;
  TPoint XYOffset{2, 2};
  TColor HintColor = clInfoBk;
  TColor HighlightColor = clHighlight;
  TColor HighlightTextColor = clHighlightText;
  TColor SelectionColor = 0xEACAB6;
  TColor SelectionColorTo = clNone;
  TColor SelectionMirrorColor = clNone;
  TColor SelectionMirrorColorTo = clNone;
  TColor SelectionTextColor = 0;
  TColor URLColor = 0xFF0000;
  TColor BorderColor = 0xB99D7F;
  int32_t MinRowHeight = 0;
  int32_t MaxRowHeight = 0;
  int32_t MinColWidth = 0;
  int32_t MaxColWidth = 0;
  int32_t GroupColumn = -1;
  bool EnableWheel = true;
  bool EnableHTML = true;
  bool QuoteEmptyCells = true;
  bool AlwaysQuotes = false;
  bool ShowNullDates = true;
  bool FilterIncremental = false;
  bool AutoFilterUpdate = true;
  bool ShowDesignHelper = true;
  bool EnhRowColMove = true;
  bool FitCellsInGrid = true;
  bool FilterNormalCellsOnly = true;
  int32_t SelectionColorMixerFactor = 50;
  QString IncrSearchText;
  int32_t ZoomFactor = 0;

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

  // Virtual operations this grid introduces, in their order.
  virtual QString GetCurrentCellText() const;
  virtual void SetCurrentCellText(const QString& value);
  virtual QString GetCurrentBaseCellText() const;
  virtual void SetCurrentBaseCellText(const QString& value);
  virtual void RowInserted(int32_t r);
  virtual void RowDeleted(int32_t r);
  virtual void QueryCanEditCell(int32_t aCol, int32_t aRow, bool& canEdit);
  virtual void ButtonClick(int32_t aCol, int32_t aRow);
  virtual void ExpandClick(int32_t aCol, int32_t aRow, bool expanded);
  virtual void ComboCloseUp(int32_t aRow, int32_t aCol);
  virtual void ComboDropDown(int32_t aRow, int32_t aCol);
  virtual void CellsChanged(const TRect& r);
  virtual void ColCountChanged();
  virtual void GetCellHint(int32_t aCol, int32_t aRow, QString& hint, QString& wideHint);
  virtual void GetCellColor(int32_t aCol, int32_t aRow, TGridDrawState aState, TBrush& aBrush, TFont& aFont);
  virtual void GetCellPrintColor(int32_t aCol, int32_t aRow, TGridDrawState aState, TBrush& aBrush, TFont& aFont);
  virtual void GetCellBorder(int32_t aCol, int32_t aRow, TPen& aPen, TCellBorders& borders);
  virtual void GetCellPrintBorder(int32_t aCol, int32_t aRow, TPen& aPen, TCellBorders& borders);
  virtual void GetAlignment(int32_t aCol, int32_t aRow, TAlignment& hAlign, TVAlignment& vAlign);
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
  virtual void AssignCells(const TQrvStringGrid* source);
  virtual void RemoveRowsEx(int32_t rowIndex, int32_t rCount);
  virtual void RemoveRows(int32_t rowIndex, int32_t rCount);
  virtual void InsertRows(int32_t rowIndex, int32_t rCount, bool updateCellControls = true);
  virtual void RemoveCols(int32_t colIndex, int32_t cCount);
  virtual void InsertCols(int32_t colIndex, int32_t cCount);
  virtual void ClearRect(int32_t aCol1, int32_t aRow1, int32_t aCol2, int32_t aRow2);
  virtual void TrimRect(int32_t aCol1, int32_t aRow1, int32_t aCol2, int32_t aRow2);

  // Overrides of the base grid's hooks.
  bool IsFixed(int32_t c, int32_t r) const override;
  void GetDefaultCellProps(int32_t c, int32_t r, TFont& font, TBrush& brush, TColor& colorTo, TColor& mirrorColor,
                           TColor& mirrorColorTo, TAlignment& hAlign, TVAlignment& vAlign, bool& wordWrap,
                           TCellGradientDirection& gradientDir) override;

  // Auto-sizing, fitting, auto-numbering and swapping.
  bool SizeGrowOnly = false;
  bool XYOffsetTopLeftOnly = false;
  TAutoSizeRows ColumnSizeRows = arAll;
  int32_t AutoNumberStart = 0;
  int32_t AutoNumberOffset = 0;
  TSortDirection AutoNumberDirection = sdAscending;
  TScrollStyle ScrollBars = ssBoth;
  TScrollBarAlways ScrollBarAlways = saNone;
  TBorderStyle BorderStyle = bsSingle;
  bool Ctl3D = true;
  // The system's vertical scroll bar width; the widget reports its own.
  int32_t VScrollBarWidth = 17;
  // OnUpdateColumnSize(Sender, ACol, var Size): the last word on a width sizing to content chose.
  std::function<void(TQrvStringGrid*, int32_t, int32_t&)> OnUpdateColumnSize;
  void SetTextMeasurer(std::shared_ptr<IGridTextMeasurer> measurer) { FTextMeasurer = std::move(measurer); }
  const IGridTextMeasurer& TextMeasurer();
  virtual void UpdateColumnSize(int32_t aCol, int32_t& size);
  virtual void UpdateAutoColumnSize(int32_t aCol, int32_t& size);
  void SizeColumnToContent(int32_t aCol, bool growOnly);
  void SizeRowToContent(int32_t aRow, bool growOnly);
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
  void SwapColumns(int32_t aCol1, int32_t aCol2);
  void SwapRows(int32_t aRow1, int32_t aRow2);

  // Notification hooks and change handlers.
  bool URLShowInText = false;
  bool SaveWithRTF = false;
  std::function<void(TQrvStringGrid*)> OnClick;
  std::function<void(TQrvStringGrid*, int32_t, int32_t, int32_t, int32_t)> OnSelectionChanged;  // L, T, R, B
  std::function<void(TQrvStringGrid*, int32_t)> OnAutoDeleteRow;                                // ARow
  std::function<void(TQrvStringGrid*)> OnFilterDone;
  std::function<void(TQrvStringGrid*, int32_t, int32_t, QString&)> OnSaveCell;  // ACol, ARow
  std::function<void(TQrvStringGrid*, int32_t, int32_t, QString&)> OnLoadCell;  // ACol, ARow
  std::function<void(TQrvStringGrid*, bool&)> OnCanAddRow;
  std::function<void(TQrvStringGrid*, int32_t, bool&)> OnCanInsertRow;  // ARow
  virtual void SelectionChanged(int32_t aLeft, int32_t aTop, int32_t aRight, int32_t aBottom);
  virtual void EditTextChanged() {}
  virtual void FilterDone();
  virtual void GetCellValueText(int32_t aCol, int32_t aRow, QString& value);
  virtual void GetSaveCellText(int32_t aCol, int32_t aRow, QString& value);
  virtual void GetLoadCellText(int32_t aCol, int32_t aRow, QString value);
  virtual void RememberOldCellText(int32_t aCol, int32_t aRow);
  virtual void CanAddRow(bool& canAdd);
  virtual void CanInsertRow(int32_t aRow, bool& canInsert);
  virtual void ExportNotification(TGridExportState, int32_t) {}
  virtual void ImportNotification(TGridImportState, int32_t) {}
  // The text a cell is saved and exported with when virtual cells are saved; the column grid formats numbers.
  virtual QString GetFormattedCell(int32_t c, int32_t r);
  void GetDisplayText(int32_t c, int32_t r, QString& value) const override;
  void Click();
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
  // Auto-sizing, fitting, auto-numbering and swapping.
  std::shared_ptr<IGridTextMeasurer> FTextMeasurer;
  // The font a cell is measured in: the fixed or the grid font, as the cell-colour hook leaves it.
  TFont MeasureFont(int32_t c, int32_t r);
  // Notification hooks and change handlers.
  bool FSelChange = false;
  bool FModified = false;
  bool FEntered = false;
  int32_t FOldCol = -1;
  int32_t FOldRow = -1;
  QString FOldCellText;
  bool FOldModifiedValue = false;
};
