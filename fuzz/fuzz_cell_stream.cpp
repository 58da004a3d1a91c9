// A dropped cells block and a cells stream from any source: the block gives at most its own bytes, and whatever
// stream is accepted lands in a grid that then writes a block its own reader accepts again.
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
  const QByteArray again = SaveRectToBinStream(grid, {0, 0, grid.ColCount() - 1, grid.RowCount() - 1});
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
