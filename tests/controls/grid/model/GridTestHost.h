#pragma once
// Test helpers: a window stand-in that records what the grid asks of it, and a filled grid.
#include <QString>
#include <vector>

#include "UGridHost.h"
#include "UQrvStringGrid.h"

class TRecordingHost : public IGridHost {
 public:
  void InvalidateAll() override { ++AllRepaints; }
  void InvalidateRect(const TRect& rect, bool) override { Rects.push_back(rect); }
  void SetRedraw(bool on) override { RedrawOn = on; }
  bool IsShowing() const override { return Showing; }
  void GeometryChanged() override {}

  int AllRepaints = 0;
  std::vector<TRect> Rects;
  bool RedrawOn = true;
  bool Showing = true;
};

// Every cell of the grid (hidden columns too) holds "column:row".
inline QString Cell(int32_t c, int32_t r) {
  return QStringLiteral("%1:%2").arg(c).arg(r);
}
inline void Fill(TQrvStringGrid& grid) {
  for (int32_t r = 0; r < grid.RowCount(); ++r)
    for (int32_t c = 0; c < grid.TotalColCount(); ++c) grid.SetCells(c, r, Cell(c, r));
}
