#pragma once
// Drops onto a grid. The base target decides from the dropped data's formats whether a drop can be taken and
// which one handler takes it; the grid's target puts cells, text and columns into its grid.
//
// Entry points for the grid widget: dragEnterEvent -> DragEnter, dragMoveEvent -> DragOver, dragLeaveEvent ->
// DragLeave, dropEvent -> Drop, each with the event's position, Ctrl state and possible actions; an answer of
// deNone ignores the event, else the widget accepts it with the returned action (deCopy: Qt::CopyAction, deMove:
// Qt::MoveAction). The grid widget sets CellAt to turn its positions into cells.
#include <QFlags>
#include <QMimeData>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "UGridTypes.h"

class TQrvStringGrid;

enum TDropFormat { dfText = 0x1, dfFile = 0x2, dfCol = 0x4, dfRTF = 0x8, dfURL = 0x10, dfGridCells = 0x20 };
Q_DECLARE_FLAGS(TDropFormats, TDropFormat)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDropFormats)

class TASGDropTarget {
 public:
  virtual ~TASGDropTarget() = default;

  bool AcceptText = true;
  bool AcceptFiles = true;
  bool AcceptCols = false;
  bool AcceptURLs = true;
  // The data that entered last can be taken, and the formats it carried.
  bool Ok() const { return FOk; }
  TDropFormats DropFormats() const { return FDropFormats; }

  // Each answers the drop effect (TGridDropEffect bits).
  uint32_t DragEnter(const QMimeData& data, const TPoint& pt, bool ctrlHeld, uint32_t allowed);
  uint32_t DragOver(const TPoint& pt, bool ctrlHeld, uint32_t allowed);
  void DragLeave();
  uint32_t Drop(const QMimeData& data, const TPoint& pt, bool ctrlHeld, uint32_t allowed);

 protected:
  virtual void DropText(const TPoint& /*pt*/, const QString& /*s*/) {}
  virtual void DropStream(const TPoint& /*pt*/, const QByteArray& /*ms*/) {}
  virtual void DropCol(const TPoint& /*pt*/, int32_t /*col*/) {}
  virtual void DropRTF(const TPoint& /*pt*/, const QString& /*s*/) {}
  virtual void DropFiles(const TPoint& /*pt*/, const QStringList& /*files*/) {}
  virtual void DropURL(const TPoint& /*pt*/, const QString& /*s*/) {}
  virtual void DragMouseMove(const TPoint& /*pt*/, bool& /*allow*/, TDropFormats /*formats*/) {}
  virtual void DragMouseEnter() {}
  virtual void DragMouseLeave() {}

 private:
  bool FOk = false;
  TDropFormats FDropFormats;
};

// The grid's own target: a cells block lands with its first cell on the cell under the point, text fills the
// cells from there (tabs to the right, line breaks down), rich text goes into that one cell, a column dragged from
// a list (OleColumnDragStart) leaves the list and shows again there, and any other column of this grid moves to
// the column under the point when reordering is on.
class TGridDropTarget : public TASGDropTarget {
 public:
  explicit TGridDropTarget(TQrvStringGrid& grid) : FGrid(grid) {}

  // Turns a drop point into a cell; {-1, -1} when no cell is under it. By default the point is the cell.
  std::function<TPoint(const TPoint&)> CellAt = [](const TPoint& pt) { return pt; };
  bool ColumnReorder = false;
  std::function<void()> OnOleDropped;
  std::function<void(int32_t fromCol, int32_t toCol)> OnOleDropCol;
  std::function<void(const QStringList&)> OnOleDropFiles;
  std::function<void(const QString&)> OnOleDropURL;

 protected:
  void DropText(const TPoint& pt, const QString& s) override;
  void DropStream(const TPoint& pt, const QByteArray& ms) override;
  void DropCol(const TPoint& pt, int32_t col) override;
  void DropRTF(const TPoint& pt, const QString& s) override;
  void DropFiles(const TPoint& pt, const QStringList& files) override;
  void DropURL(const TPoint& pt, const QString& s) override;
  void DragMouseMove(const TPoint& pt, bool& allow, TDropFormats formats) override;

 private:
  bool CellInGrid(const TPoint& cell) const;
  TQrvStringGrid& FGrid;
};

// Fills cells from the cell on: tab-separated values to the right, lines down; what falls outside is left out.
void Grid_PlaceText(TQrvStringGrid& grid, const TPoint& cell, const QString& text);
