#pragma once
// What column definitions need of the grid that owns them. The column grid implements it; the definitions hold
// only this interface, so they can be built and tested without a grid.
//
// Column indexes are real indexes (hidden columns included); rows are display rows, as in the grid's Cells.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "UCanvasTools.h"
#include "UDateTime.h"

class IGridColumnOwner {
 public:
  virtual ~IGridColumnOwner() = default;

  // The looks a definition built inside the grid starts from.
  virtual TFont Font() const = 0;
  virtual TColor Color() const = 0;

  // Visible columns; the write is the column grid's own, which also fits the definitions to the new count.
  virtual int32_t ColCount() const = 0;
  virtual void SetColCount(int32_t value) = 0;
  virtual int32_t FixedCols() const = 0;
  virtual int32_t FixedRows() const = 0;
  virtual int32_t NumHiddenColumns() const = 0;
  // True while the grid is being built from its stored form.
  virtual bool IsLoading() const = 0;
  // True while a column move rearranges the definitions.
  virtual bool ColMoving() const = 0;

  // The width table of all columns, hidden ones included; nullopt where the table has no entry yet.
  virtual std::optional<int32_t> AllColWidth(int32_t col) const = 0;
  virtual void SetAllColWidth(int32_t col, int32_t width) = 0;

  virtual QString Cells(int32_t col, int32_t row) const = 0;
  virtual void SetCells(int32_t col, int32_t row, const QString& value) = 0;
  // The grid's typed accessors; they raise the grid's conversion errors.
  virtual int32_t Ints(int32_t col, int32_t row) const = 0;
  virtual void SetInts(int32_t col, int32_t row, int32_t value) = 0;
  virtual double Floats(int32_t col, int32_t row) const = 0;
  virtual void SetFloats(int32_t col, int32_t row, double value) = 0;
  virtual TDateTime Dates(int32_t col, int32_t row) const = 0;
  virtual void SetDates(int32_t col, int32_t row, TDateTime value) = 0;
  virtual TDateTime Times(int32_t col, int32_t row) const = 0;
  virtual void SetTimes(int32_t col, int32_t row, TDateTime value) = 0;

  // The headers of all definitions in order, after one of them changed: the grid keeps them as its column header
  // list and writes them into row 0.
  virtual void DefinitionHeadersChanged(const QStringList& headers) = 0;
  // The grid's column move, which carries the definitions along.
  virtual void MoveColumn(int32_t fromIndex, int32_t toIndex) = 0;
  virtual void Repaint() = 0;
};
