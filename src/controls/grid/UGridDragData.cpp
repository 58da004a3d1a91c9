#include "UGridDragData.h"

#include <QUrl>

#include "UCellStream.h"
#include "UCodePage.h"
#include "UGridDragFormats.h"
#include "UQrvStringGrid.h"

namespace {

const QString PlainTextMime = QStringLiteral("text/plain");

}  // namespace

TGridDragData::TGridDragData(const QString& text, const QString& rtf, int32_t column,
                             std::optional<QByteArray> cellsStream)
    : FText(text), FRtf(rtf), FColumn(column), FCells(std::move(cellsStream)) {}

QStringList TGridDragData::formats() const {
  QStringList list;
  if (!FText.isEmpty()) {
    list.append(PlainTextMime);
    if (DropRtfAllowed()) list.append(RtfMimeType());
  }
  if (FColumn != -1) list.append(ColumnMimeType());
  if (FCells) list.append(GridCellsMimeType());
  return list;
}

bool TGridDragData::hasFormat(const QString& mimeType) const {
  return formats().contains(mimeType);
}

QVariant TGridDragData::retrieveData(const QString& mimeType, QMetaType type) const {
  if (!hasFormat(mimeType)) return {};
  if (mimeType == PlainTextMime) return FText;
  // Rich text travels in the ANSI code page with its terminating NUL, as other programs expect it.
  if (mimeType == RtfMimeType()) return Unicode_To_Ansi(FRtf) + QByteArray(1, '\0');
  if (mimeType == ColumnMimeType()) return ColumnBlock_Write(FColumn);
  if (mimeType == GridCellsMimeType()) return CellsBlock_Wrap(*FCells);
  return QMimeData::retrieveData(mimeType, type);
}

QString Grid_RectText(const TQrvStringGrid& grid, const TGridRect& rect) {
  QString text;
  for (int32_t r = std::max(rect.Top, 0); r <= std::min(rect.Bottom, grid.RowCount() - 1); ++r) {
    QStringList cells;
    for (int32_t c = std::max(rect.Left, 0); c <= std::min(rect.Right, grid.ColCount() - 1); ++c)
      cells.append(grid.Cells(c, r));
    text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
  }
  return text;
}

TGridDragData* Grid_CellDragData(const TQrvStringGrid& grid, const TPoint& cellUnderMouse, bool withCells,
                                 int32_t sourceId) {
  const TGridRect selection = grid.Selection();
  std::optional<QByteArray> cells;
  if (withCells) cells = SaveRectToBinStream(grid, selection, sourceId);
  return new TGridDragData(Grid_RectText(grid, selection), grid.Cells(cellUnderMouse.X, cellUnderMouse.Y), -1,
                           std::move(cells));
}

TGridDragData* Grid_ColumnDragData(int32_t column) {
  return new TGridDragData({}, {}, column, std::nullopt);
}

void Grid_FinishCellDrag(TQrvStringGrid& grid, const TGridRect& dragged, Qt::DropAction action, bool copyAlways,
                         bool removeRows) {
  if (action != Qt::MoveAction || copyAlways) return;
  if (removeRows)
    grid.RemoveRows(dragged.Top, dragged.Bottom - dragged.Top + 1);
  else
    grid.ClearRect(dragged.Left, dragged.Top, dragged.Right, dragged.Bottom);
}

// The toolkit also offers dropped links as text; only real text counts here.
bool TGridDropReader::HasText() const {
  return FData.hasFormat(PlainTextMime);
}

bool TGridDropReader::HasFile() const {
  for (const QUrl& url : FData.urls())
    if (url.isLocalFile()) return true;
  return false;
}

bool TGridDropReader::HasRTF() const {
  return FData.hasFormat(RtfMimeType());
}
bool TGridDropReader::HasCol() const {
  return FData.hasFormat(ColumnMimeType());
}

bool TGridDropReader::HasURL() const {
  if (FData.hasFormat(UrlMimeType())) return true;
  for (const QUrl& url : FData.urls())
    if (!url.isLocalFile()) return true;
  return false;
}

bool TGridDropReader::HasGridCells() const {
  return FData.hasFormat(GridCellsMimeType());
}

QString TGridDropReader::Text() const {
  return HasText() ? FData.text() : QString();
}

QString TGridDropReader::UrlText() const {
  if (HasText()) return FData.text();
  for (const QUrl& url : FData.urls())
    if (!url.isLocalFile()) return url.toString();
  return {};
}

QString TGridDropReader::RTF() const {
  // The rich text is NUL-terminated in some sources.
  const QByteArray bytes = FData.data(RtfMimeType());
  const qsizetype end = bytes.indexOf('\0');
  return Ansi_To_Unicode(end < 0 ? bytes : bytes.left(end));
}

std::optional<QByteArray> TGridDropReader::Stream() const {
  if (!HasGridCells()) return std::nullopt;
  return CellsBlock_Unwrap(FData.data(GridCellsMimeType()));
}

int32_t TGridDropReader::Col() const {
  return HasCol() ? ColumnBlock_Read(FData.data(ColumnMimeType())) : -1;
}

QStringList TGridDropReader::FileNames() const {
  QStringList names;
  for (const QUrl& url : FData.urls())
    if (url.isLocalFile()) names.append(url.toLocalFile());
  return names;
}
