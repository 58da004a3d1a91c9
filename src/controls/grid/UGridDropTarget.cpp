#include "UGridDropTarget.h"

#include <QListWidget>
#include <memory>

#include "UCellStream.h"
#include "UGridDragData.h"
#include "UGridDragFormats.h"
#include "UQrvStringGrid.h"

namespace {

TDropFormats FormatsOf(const TGridDropReader& reader) {
  TDropFormats formats;
  if (reader.HasText()) formats |= dfText;
  if (reader.HasFile()) formats |= dfFile;
  if (reader.HasRTF()) formats |= dfRTF;
  if (reader.HasCol()) formats |= dfCol;
  if (reader.HasURL()) formats |= dfURL;
  if (reader.HasGridCells()) formats |= dfGridCells;
  return formats;
}

}  // namespace

uint32_t TASGDropTarget::DragEnter(const QMimeData& data, const TPoint& /*pt*/, bool ctrlHeld, uint32_t allowed) {
  const TGridDropReader reader(data);
  FDropFormats = FormatsOf(reader);
  const TDropFormats f = FDropFormats;
  // A cells block is always taken.
  FOk = (f.testFlag(dfText) && AcceptText) || (f.testFlag(dfFile) && AcceptFiles) ||
        (f.testFlag(dfRTF) && DropRtfAllowed() && AcceptText) || (f.testFlag(dfCol) && AcceptCols) ||
        (f.testFlag(dfURL) && AcceptURLs) || f.testFlag(dfGridCells);
  const uint32_t effect = FOk ? DropEffectForKeys(ctrlHeld, allowed) : deNone;
  DragMouseEnter();
  return effect;
}

uint32_t TASGDropTarget::DragOver(const TPoint& pt, bool ctrlHeld, uint32_t allowed) {
  const uint32_t effect = FOk ? DropEffectForKeys(ctrlHeld, allowed) : deNone;
  bool allow = effect != deNone;
  DragMouseMove(pt, allow, FDropFormats);
  return allow ? effect : deNone;
}

void TASGDropTarget::DragLeave() {
  DragMouseLeave();
}

uint32_t TASGDropTarget::Drop(const QMimeData& data, const TPoint& pt, bool ctrlHeld, uint32_t allowed) {
  if (!FOk) return deNone;
  const TGridDropReader reader(data);
  if (reader.HasCol()) {
    DropCol(pt, reader.Col());
    return DropEffectForKeys(ctrlHeld, allowed);
  }
  if (reader.HasGridCells()) {
    const std::optional<QByteArray> stream = reader.Stream();
    // A block whose announced length does not fit its data is refused as a whole.
    if (!stream) return deNone;
    DropStream(pt, *stream);
  } else if (reader.HasRTF() && DropRtfAllowed()) {
    DropRTF(pt, reader.RTF());
  } else if (reader.HasText()) {
    DropText(pt, reader.Text());
  }
  if (reader.HasFile()) DropFiles(pt, reader.FileNames());
  if (reader.HasURL()) DropURL(pt, reader.UrlText());
  return DropEffectForKeys(ctrlHeld, allowed);
}

bool TGridDropTarget::CellInGrid(const TPoint& cell) const {
  return cell.X >= 0 && cell.Y >= 0 && cell.X < FGrid.ColCount() && cell.Y < FGrid.RowCount();
}

void TGridDropTarget::DropText(const TPoint& pt, const QString& s) {
  const TPoint cell = CellAt(pt);
  if (CellInGrid(cell)) Grid_PlaceText(FGrid, cell, s);
}

void TGridDropTarget::DropStream(const TPoint& pt, const QByteArray& ms) {
  const TPoint cell = CellAt(pt);
  if (!CellInGrid(cell) || !LoadAtPointFromBinStream(FGrid, cell, ms)) return;
  if (OnOleDropped) OnOleDropped();
}

void TGridDropTarget::DropCol(const TPoint& pt, int32_t col) {
  const TPoint cell = CellAt(pt);
  if (!CellInGrid(cell)) return;
  if (col != -1 && col == FGrid.OleDragCol()) {
    const auto takeItem = [](QListWidget* list, int32_t index) {
      if (index >= 0 && index < list->count()) std::unique_ptr<QListWidgetItem> gone(list->takeItem(index));
    };
    if (FGrid.OleDropListColumn(cell.X, takeItem) && OnOleDropCol) OnOleDropCol(col, cell.X);
    return;
  }
  if (!ColumnReorder || col < 0 || col >= FGrid.ColCount()) return;
  FGrid.MoveColumn(col, cell.X);
  if (OnOleDropCol) OnOleDropCol(col, cell.X);
}

void TGridDropTarget::DropRTF(const TPoint& pt, const QString& s) {
  const TPoint cell = CellAt(pt);
  if (CellInGrid(cell)) FGrid.SetCells(cell.X, cell.Y, s);
}

void TGridDropTarget::DropFiles(const TPoint& /*pt*/, const QStringList& files) {
  if (OnOleDropFiles) OnOleDropFiles(files);
}

void TGridDropTarget::DropURL(const TPoint& /*pt*/, const QString& s) {
  if (OnOleDropURL) OnOleDropURL(s);
}

void TGridDropTarget::DragMouseMove(const TPoint& pt, bool& allow, TDropFormats /*formats*/) {
  allow = allow && CellInGrid(CellAt(pt));
}

void Grid_PlaceText(TQrvStringGrid& grid, const TPoint& cell, const QString& text) {
  QString body = text;
  body.remove(QLatin1Char('\r'));
  if (body.endsWith(QLatin1Char('\n'))) body.chop(1);
  const QStringList lines = body.split(QLatin1Char('\n'));
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const int64_t r = int64_t{cell.Y} + i;
    if (r >= grid.RowCount()) break;
    const QStringList values = lines[i].split(QLatin1Char('\t'));
    for (qsizetype j = 0; j < values.size(); ++j) {
      const int64_t c = int64_t{cell.X} + j;
      if (c >= grid.ColCount()) break;
      grid.SetCells(static_cast<int32_t>(c), static_cast<int32_t>(r), values[j]);
    }
  }
}
