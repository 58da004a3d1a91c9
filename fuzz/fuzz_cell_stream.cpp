// A dropped cells block and a cells stream from any source: the block gives at most its own bytes, and whatever
// stream is accepted lands in a grid that then writes a block its own reader accepts again.
#include <algorithm>

#include "FuzzSupport.h"
#include "UCellStream.h"
#include "UGridDragFormats.h"
#include "UQrvStringGrid.h"

namespace {

void LoadAndWriteAgain(const QByteArray& stream) {
  const auto content = ReadCellStream(stream);
  if (!content) return;
  TQrvStringGrid grid;
  grid.SetColCount(8);
  grid.SetRowCount(8);
  ApplyCellStream(grid, {1, 1}, *content);
  // A whole-grid block may have made the grid large; the top-left part is enough to write again.
  const QByteArray again =
      SaveRectToBinStream(grid, {0, 0, std::min(grid.ColCount() - 1, 40), std::min(grid.RowCount() - 1, 40)});
  Fuzz_Require(ReadCellStream(again).has_value());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = Fuzz_Bytes(data, size);
  LoadAndWriteAgain(bytes);
  if (const auto stream = CellsBlock_Unwrap(bytes)) {
    Fuzz_Require(stream->size() + 8 <= bytes.size());
    LoadAndWriteAgain(*stream);
  }
  return 0;
}
