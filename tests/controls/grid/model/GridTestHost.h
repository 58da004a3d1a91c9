#pragma once
// A window stand-in that records what the grid asks of it.
#include <vector>

#include "UGridHost.h"

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
