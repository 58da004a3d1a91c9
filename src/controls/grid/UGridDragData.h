#pragma once
// What a drag out of a grid carries and what a drop onto one reads, as the toolkit's drag data. A drag offers
// plain text, rich text (while rich text is allowed), a cells block and a column, each only when it has data; a
// drop is read through the same format names, whichever program the data came from.
//
// Entry points for the grid widget: on a drag start it builds the data with Grid_CellDragData or
// Grid_ColumnDragData, hands it to QDrag::exec(Qt::CopyAction | Qt::MoveAction) and, after the drag, calls
// Grid_FinishCellDrag with the action QDrag reported. Drops go through TGridDropTarget (UGridDropTarget.h).
#include <QMimeData>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "UGridTypes.h"

class TQrvStringGrid;

class TGridDragData : public QMimeData {
  Q_OBJECT
 public:
  // column: -1 when no column is dragged; cellsStream: none when the drag carries no cells.
  TGridDragData(const QString& text, const QString& rtf, int32_t column, std::optional<QByteArray> cellsStream);

  const QString& TextData() const { return FText; }
  const QString& RtfData() const { return FRtf; }
  int32_t ColumnIndex() const { return FColumn; }
  const std::optional<QByteArray>& CellsStream() const { return FCells; }

  QStringList formats() const override;
  bool hasFormat(const QString& mimeType) const override;

 protected:
  QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

 private:
  QString FText;
  QString FRtf;
  int32_t FColumn;
  std::optional<QByteArray> FCells;
};

// The text of the cells of a rectangle: cells joined by tabs, rows ended by line breaks.
QString Grid_RectText(const TQrvStringGrid& grid, const TGridRect& rect);
// A drag of the selection: its text, the text of the cell under the mouse as rich text and, with withCells (the
// grid's formatted clipboard), a cells block of the selection.
TGridDragData* Grid_CellDragData(const TQrvStringGrid& grid, const TPoint& cellUnderMouse, bool withCells,
                                 int32_t sourceId = 0);
TGridDragData* Grid_ColumnDragData(int32_t column);
// After a drag of cells that ended in a move: the dragged rows are removed (removeRows) or the cells cleared.
void Grid_FinishCellDrag(TQrvStringGrid& grid, const TGridRect& dragged, Qt::DropAction action, bool copyAlways,
                         bool removeRows);

// The formats of dropped data (from any source) and their contents; absent formats give empty results.
class TGridDropReader {
 public:
  explicit TGridDropReader(const QMimeData& data) : FData(data) {}
  bool HasText() const;
  bool HasFile() const;
  bool HasRTF() const;
  bool HasCol() const;
  bool HasURL() const;
  bool HasGridCells() const;
  QString Text() const;
  // The text of a dropped link: the data's text, else the first link that is not a local file.
  QString UrlText() const;
  QString RTF() const;
  // None when absent or when the block's announced length does not fit its data.
  std::optional<QByteArray> Stream() const;
  // -1 when absent.
  int32_t Col() const;
  QStringList FileNames() const;

 private:
  const QMimeData& FData;
};
