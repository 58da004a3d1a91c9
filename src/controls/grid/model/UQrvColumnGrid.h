#pragma once
// The grid of the table windows: an advanced string grid whose per-cell questions (looks, alignment, editor kind,
// editability, check texts, pick lists, size limits) are answered from one column definition per real column. The
// definitions follow every change of the columns; they can be written to and read from a stream, and the user's
// column order can be kept in an INI file.
#include <QIODevice>
#include <QString>
#include <functional>
#include <memory>

#include "UCellGraphic.h"
#include "UGridColumns.h"
#include "UQrvStringGrid.h"

// A column stream that cannot be read.
class EReadError : public Exception {
 public:
  using Exception::Exception;
};

class TQrvColumnGrid : public TQrvStringGrid, public IGridColumnOwner {
 public:
  TQrvColumnGrid();
  ~TQrvColumnGrid() override;

  TGridColumnCollection& Columns() { return *FColumnCollection; }
  const TGridColumnCollection& Columns() const { return *FColumnCollection; }
  // Copies the given definitions into the grid's own.
  void SetColumns(const TGridColumnCollection& value);
  bool AutoFilterDisplay = false;
  // OnAfterColumnMoved(Sender, FromIndex, ToIndex): real indexes taken before the move.
  std::function<void(TQrvColumnGrid*, int32_t, int32_t)> OnAfterColumnMoved;

  void Loaded();
  void SetColCount(int32_t value) override;
  // The first definition named exactly value (case counts); null when none is.
  TGridColumnItem* GetColumnByName(const QString& value) const;

  // Advanced-grid steps answered from the definitions.
  void GetDefaultCellProps(int32_t c, int32_t r, TFont& font, TBrush& brush, TColor& colorTo, TColor& mirrorColor,
                           TColor& mirrorColorTo, TAlignment& hAlign, TVAlignment& vAlign, bool& wordWrap,
                           TCellGradientDirection& gradientDir) override;
  // The column's float format applied to a numeric cell; other texts as they are.
  QString GetFormattedCell(int32_t c, int32_t r) override;
  QString GetFloatFormat(int32_t c) const;
  void GetFloatFormat(int32_t c, int32_t r, QString& format) override;
  // Clamp a width to the column's limits of a user resize and of automatic sizing.
  void UpdateColumnSize(int32_t c, int32_t& size) override;
  void UpdateAutoColumnSize(int32_t c, int32_t& size) override;
  void ColCountChanged() override;
  // The grid's header list, set as a whole, becomes the definitions' headers (row 0 is the string grid's to write).
  void ColumnHeadersChanged() override;
  void GetCellColor(int32_t aCol, int32_t aRow, TGridDrawState aState, TBrush& aBrush, TFont& aFont) override;
  void GetCellBorder(int32_t aCol, int32_t aRow, TPen& aPen, TCellBorders& borders) override;
  // Printing takes the column's print colour and, with PrintFontCustom, its print font under the cell's own font.
  void GetCellPrintColor(int32_t aCol, int32_t aRow, TGridDrawState aState, TBrush& aBrush, TFont& aFont) override;
  void GetCellPrintBorder(int32_t aCol, int32_t aRow, TPen& aPen, TCellBorders& borders) override;
  void GetAlignment(int32_t aCol, int32_t aRow, TAlignment& hAlign, TVAlignment& vAlign) override;
  void GetColumnFormat(int32_t c, TSortStyle& style, QString& prefix, QString& suffix) override;
  void GetCellEditor(int32_t aCol, int32_t aRow, TEditorType& aEditor) override;
  // What the in-place editor of the last GetCellEditor shows: the column's pick list and spin range.
  QStringList EditorComboItems;
  int32_t EditorDropDownCount = 8;
  int32_t EditorSpinMin = 0;
  int32_t EditorSpinMax = 0;
  int32_t EditorSpinStep = 1;
  TEditLink* EditorLink = nullptr;
  void IsFixedCell(int32_t aCol, int32_t aRow, bool& isFixed) override;
  void CanEditCell(int32_t aCol, int32_t aRow, bool& canEdit) override;
  void IsPasswordCell(int32_t aCol, int32_t aRow, bool& isPassword) override;
  bool HasComboBox(int32_t aCol, int32_t aRow) override;
  void GetCheckTrue(int32_t aCol, int32_t aRow, QString& value) override;
  void GetCheckFalse(int32_t aCol, int32_t aRow, QString& value) override;
  bool GetColumnFilter(int32_t column) override;
  // The cell type a check-box column gives its empty normal cells.
  bool IsDataCheckBoxCell(int32_t c, int32_t r) const override;
  TCellGraphic* SharedCellGraphic() const { return FCellGraphic.get(); }
  // A cell's own graphic, or for a normal cell of a data check-box column the shared virtual check box.
  TCellType GetCellType(int32_t c, int32_t r) override;
  TCellGraphic* GetCellGraphic(int32_t c, int32_t r) override;
  uint32_t GetVersionNr() const override { return 0x03010301; }
  QString GetVersionString() const override;
  void RemoveCols(int32_t colIndex, int32_t cCount) override;
  void InsertCols(int32_t colIndex, int32_t cCount) override;

  // The in-place editor's limits of the current column and of a cell.
  int32_t EditLimit() const;
  int32_t GetEditLimit() override;
  QString EditMaskOf(int32_t c) const;
  // After the user or code resized columns: the definitions take the shown widths.
  void ColWidthsChanged() override;
  // OnColumnPopup(Sender, ACol, ARow, PopupMenu): before a column's menu pops up.
  std::function<void(TQrvColumnGrid*, int32_t, int32_t, TPopupMenu*)> OnColumnPopup;
  // A click on cell (c, r) with the left or right button: the column's popup menu when its popup kind answers that
  // click (OnColumnPopup fires first), else null. The widget pops it up below the cell.
  TPopupMenu* ColumnPopupForClick(int32_t c, int32_t r, bool leftButton);
  // An edit link or popup menu going away: every definition referring to it forgets it.
  void Notification(const TEditLink* removed);
  void Notification(const TPopupMenu* removed);
  // Font sizes of the definitions follow a change of screen scale.
  void ChangeScale(int32_t m, int32_t d);

  // Column definitions as a stream; a stream that is not one raises EReadError and keeps the definitions.
  void SaveColumnsToStream(QIODevice& st) const;
  void LoadColumnsFromStream(QIODevice& st);
  // The user's column order in an INI file (key = the file's name), written atomically; false when it cannot be.
  bool SaveColumnPositions(const QString& key, const QString& section) const;
  void LoadColumnPositions(const QString& key, const QString& section);

  // IGridColumnOwner.
  TFont Font() const override { return TQrvStringGrid::Font(); }
  TColor Color() const override { return TQrvStringGrid::Color(); }
  int32_t ColCount() const override { return TQrvStringGrid::ColCount(); }
  int32_t FixedCols() const override { return TQrvStringGrid::FixedCols(); }
  int32_t FixedRows() const override { return TQrvStringGrid::FixedRows(); }
  int32_t NumHiddenColumns() const override { return TQrvStringGrid::NumHiddenColumns(); }
  bool IsLoading() const override { return FLoading; }
  bool ColMoving() const override { return FColMoving; }
  std::optional<int32_t> AllColWidth(int32_t col) const override;
  void SetAllColWidth(int32_t col, int32_t width) override;
  QString Cells(int32_t col, int32_t row) const override { return TQrvStringGrid::Cells(col, row); }
  void SetCells(int32_t col, int32_t row, const QString& value) override {
    TQrvStringGrid::SetCells(col, row, value);
  }
  int32_t Ints(int32_t col, int32_t row) const override;
  void SetInts(int32_t col, int32_t row, int32_t value) override;
  double Floats(int32_t col, int32_t row) const override;
  void SetFloats(int32_t col, int32_t row, double value) override;
  TDateTime Dates(int32_t col, int32_t row) const override;
  void SetDates(int32_t col, int32_t row, TDateTime value) override;
  TDateTime Times(int32_t col, int32_t row) const override;
  void SetTimes(int32_t col, int32_t row, TDateTime value) override;
  void DefinitionHeadersChanged(const QStringList& headers) override;
  void MoveColumn(int32_t fromIndex, int32_t toIndex) override { TQrvStringGrid::MoveColumn(fromIndex, toIndex); }
  void Repaint() override { Invalidate(); }

  // True while the grid is built from its stored form (definitions do not push their changes to the grid).
  void SetLoading(bool value) { FLoading = value; }

 protected:
  void ColumnMoved(int32_t fromIndex, int32_t toIndex) override;

 private:
  // The definition of a real column, null for a column without one.
  TGridColumnItem* Def(int32_t c) const;
  // Fits the definitions to the columns without their changes reaching the grid.
  void FitColumns();
  bool IsNormalCell(int32_t c, int32_t r) const;
  bool BandsShown(const TGridColumnItem& column);

  std::unique_ptr<TGridColumnCollection> FColumnCollection;
  std::unique_ptr<TGridColumnItem> FSaveCol;
  bool FColMoving = false;
  std::unique_ptr<TCellGraphic> FCellGraphic;
  bool FLoading = false;
  // Inside an insertion or removal of columns: the count setter leaves the definitions to the caller.
  bool FStructureChange = false;
};
