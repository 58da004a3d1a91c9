#pragma once
// The cursors of middle-button panning, by the numbers the grid names them: 8000 is the origin mark (the mouse rests
// near where panning started), 8001 .. 8008 add an arrow toward where the view moves: down, left, right, up,
// up-right, up-left, down-right, down-left. The hot spot is the mark's middle.
#include <QCursor>
#include <cstdint>

constexpr int32_t crPanOrigin = 8000;
constexpr int32_t crPanLast = 8008;

inline bool Is_Pan_Cursor(int32_t id) {
  return id >= crPanOrigin && id <= crPanLast;
}

// Any number outside 8000 .. 8008 gives the origin mark.
QCursor Grid_Pan_Cursor(int32_t id);
