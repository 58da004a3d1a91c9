#pragma once
// The cells stream: a rectangle of cells with their sizes, texts, per-cell properties and graphics, carried between
// grids in drags and on the clipboard. The reader takes plain bytes, checks the whole stream before the grid is
// touched, and refuses a stream whose lengths or counts do not fit its data.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "UGridStreamIO.h"
#include "UGridTypes.h"

class TQrvStringGrid;
class TCellProperties;

// The per-cell properties a stream carries; unset fields keep the target's values.
struct TCellStreamProps {
  std::vector<std::pair<QString, TStreamValue>> Values;  // by property name without the "CellProperties." prefix
};

// A cell graphic a stream carries: its fields by name (without the "CellGraphic." prefix) and, for radio groups
// and image lists, their texts.
struct TCellStreamGraphic {
  std::vector<std::pair<QString, TStreamValue>> Values;
  std::vector<QString> Strings;
};

struct TCellStreamCell {
  int32_t Col = 0;  // the cell's place in the source grid
  int32_t Row = 0;
  QString Text;
  std::optional<TCellStreamProps> Props;
  std::optional<TCellStreamGraphic> Graphic;
};

struct TCellStreamContent {
  int32_t ColCount = 0;
  int32_t RowCount = 0;
  std::vector<int32_t> ColWidths;
  std::vector<int32_t> RowHeights;
  bool FullGrid = false;
  int32_t ID = 0;
  std::vector<TCellStreamCell> Cells;  // row by row, left to right
};

// Writes the cells of the rectangle (clipped to the grid). sourceId names the grid the block came from.
QByteArray SaveRectToBinStream(const TQrvStringGrid& grid, const TGridRect& rect, int32_t sourceId = 0);
// No value when the bytes are not a whole, consistent cells stream.
std::optional<TCellStreamContent> ReadCellStream(const QByteArray& bytes);
// Places the cells so that the block's first cell lands on the point (a whole-grid block: the grid takes its
// counts and sizes and each cell lands at its source place plus the point). Cells that fall outside the grid are
// left out. False, with the grid untouched, when the stream is refused.
bool LoadAtPointFromBinStream(TQrvStringGrid& grid, const TPoint& point, const QByteArray& bytes);
// False, with the grid untouched, when a whole-grid block would reach outside the counts a grid can have.
bool ApplyCellStream(TQrvStringGrid& grid, const TPoint& point, const TCellStreamContent& content);
