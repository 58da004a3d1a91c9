#pragma once
// The arithmetic of the grid's scroll bars, apart from any window: proportional thumbs (a bar whose 0 .. 127
// positions stand for pixels rather than cells) and the thin owner-drawn bars of the ssMetro scroll type.
#include <cstdint>
#include <vector>

class TQrvStringGrid;

// What a proportional update sets on a bar: range 0 .. Max with a thumb of Page (so the thumb moves over 0 .. 127),
// the thumb at Position; with KeepPosition the bar keeps the position it has.
struct TProportionalScroll {
  bool Set = false;
  int32_t Max = 0;
  int32_t Page = 0;
  int32_t Position = 0;
  bool KeepPosition = false;
};

// sizes: every column's width (or row's height), fixed: the leading fixed ones, first: LeftCol (TopRow), line: the
// grid line width, control: the grid's width (height). Rows also need to know whether they all fit already.
TProportionalScroll HorzProportionalScroll(const std::vector<int32_t>& sizes, int32_t fixed, int32_t first,
                                           int32_t line, int32_t control);
TProportionalScroll VertProportionalScroll(const std::vector<int32_t>& sizes, int32_t fixed, int32_t first,
                                           int32_t line, int32_t control, bool allFit);
// The column or row a proportional position (0 .. 127) brings to the left or top: spread over the cells that can
// come there, as the scroll hint counts them.
int32_t ProportionalCell(int32_t position, int32_t count, int32_t visible, int32_t fixed);

// The thumb of an owner-drawn bar `length` pixels long; Shown is false while everything fits.
struct TScrollThumb {
  bool Shown = false;
  int32_t Start = 0;
  int32_t Length = 0;
};
TScrollThumb ScrollControlThumb(const TQrvStringGrid& grid, bool vertical, int32_t length);
// A press at `pos` (along the bar): the row (column) to bring to the top (left), or -1 when it is on the thumb,
// which starts a drag.
int32_t ScrollControlPress(const TQrvStringGrid& grid, bool vertical, int32_t length, int32_t pos);
// The row (column) a thumb drag shows, begun at downPos with downFirst at the top (left), now at pos.
int32_t ScrollControlDrag(const TQrvStringGrid& grid, bool vertical, int32_t downPos, int32_t downFirst, int32_t pos);
