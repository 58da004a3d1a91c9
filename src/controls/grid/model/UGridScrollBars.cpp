#include "UGridScrollBars.h"

#include <algorithm>
#include <cmath>

#include "UQrvStringGrid.h"

namespace {
// The three pixel sums a proportional bar is made of, each cell counted with one grid line before it.
struct TSums {
  int64_t Fixed = 0;   // the fixed cells
  int64_t Total = 0;   // the others
  int64_t Before = 0;  // the others before the first one shown
};

TSums Sum(const std::vector<int32_t>& sizes, int32_t fixed, int32_t first, int32_t line) {
  TSums s{line, line, line};
  for (int32_t i = 0; i < static_cast<int32_t>(sizes.size()); ++i) {
    const int64_t pitch = int64_t{line} + sizes[i];
    if (i < fixed) {
      s.Fixed += pitch;
      continue;
    }
    s.Total += pitch;
    if (i < first) s.Before += pitch;
  }
  return s;
}

// The range and thumb for a visible share e (below 1) of the scrollable cells: 0 .. 127 positions in all.
TProportionalScroll Range(float e) {
  // A control narrower than its fixed cells shows none of the others.
  e = std::max(e, 0.0f);
  TProportionalScroll p;
  p.Set = true;
  p.Max = static_cast<int32_t>(std::trunc((e + 127.0f) / (1.0f - e)));
  p.Page = p.Max - 126;
  return p;
}

int32_t Position(const TSums& s, int32_t control) {
  return static_cast<int32_t>(
      std::trunc(static_cast<double>(s.Before) / static_cast<double>(s.Total - control) * 128));
}
}  // namespace

TProportionalScroll HorzProportionalScroll(const std::vector<int32_t>& sizes, int32_t fixed, int32_t first,
                                           int32_t line, int32_t control) {
  const TSums s = Sum(sizes, fixed, first, line);
  // Without scrollable pixels there is no share to show (and nothing to divide by).
  if (s.Total <= 0) return {};
  const float e = static_cast<float>(control - s.Fixed) / static_cast<float>(s.Total);
  if (e >= 0.9999f || s.Fixed + s.Total - control < 5) return {};
  TProportionalScroll p = Range(e);
  if (control < s.Total)
    p.Position = Position(s, control);
  else
    p.KeepPosition = true;
  return p;
}

TProportionalScroll VertProportionalScroll(const std::vector<int32_t>& sizes, int32_t fixed, int32_t first,
                                           int32_t line, int32_t control, bool allFit) {
  const TSums s = Sum(sizes, fixed, first, line);
  if (allFit || s.Total <= 0) return {};
  const float e = static_cast<float>(control - s.Fixed) / static_cast<float>(s.Total);
  if (e >= 0.9999f) return {};
  TProportionalScroll p = Range(e);
  p.Position = control < s.Total ? Position(s, control) : 127;
  return p;
}

int32_t ProportionalCell(int32_t position, int32_t count, int32_t visible, int32_t fixed) {
  // Rounded half away from zero, as a multiply-then-divide of the desktop rounds.
  const int64_t n = int64_t{position} * (count - visible - fixed);
  const int64_t q = (std::abs(n) * 2 + 127) / 254;
  return static_cast<int32_t>(n < 0 ? -q : q) + fixed;
}

namespace {
// The pieces of one direction of the grid an owner-drawn bar works with.
struct TAxis {
  int32_t Count, Fixed, Visible, First, Lead, Track;
};

TAxis Axis(const TQrvStringGrid& g, bool vertical, int32_t length) {
  TAxis a{};
  a.Count = vertical ? g.RowCount() : g.ColCount();
  a.Fixed = vertical ? g.FixedRows() : g.FixedCols();
  a.Visible = vertical ? g.VisibleRowCount() : g.VisibleColCount();
  a.First = vertical ? g.TopRow() : g.LeftCol();
  const int32_t trailing = vertical ? g.FixedFooters() : g.FixedRightCols();
  auto size = [&](int32_t i) { return vertical ? g.RowHeights(i) : g.ColWidths(i); };
  int32_t tail = 0;
  for (int32_t i = 0; i < a.Fixed; ++i) a.Lead += size(i);
  for (int32_t i = std::max(0, a.Count - trailing); i < a.Count; ++i) tail += size(i);
  a.Track = length - a.Lead - tail;
  return a;
}
}  // namespace

TScrollThumb ScrollControlThumb(const TQrvStringGrid& grid, bool vertical, int32_t length) {
  const TAxis a = Axis(grid, vertical, length);
  TScrollThumb t;
  t.Shown = a.Visible < a.Count - a.Fixed;
  t.Length =
      std::max<int32_t>(20, static_cast<int32_t>(std::lround(double(a.Track) * a.Visible / std::max(1, a.Count))));
  const int32_t scrollable = std::max(1, a.Count - a.Fixed);
  t.Start = a.Lead + static_cast<int32_t>(std::lround(double(a.Track) * (a.First - a.Fixed) / scrollable));
  if (t.Start + t.Length > length) t.Start = length - t.Length;
  return t;
}

int32_t ScrollControlPress(const TQrvStringGrid& grid, bool vertical, int32_t length, int32_t pos) {
  const TAxis a = Axis(grid, vertical, length);
  const TScrollThumb t = ScrollControlThumb(grid, vertical, length);
  if (pos < t.Start) return std::max(a.Fixed, a.First - a.Visible);
  if (pos > t.Start + t.Length) return std::min(a.First + a.Visible, a.Count - a.Visible);
  return -1;
}

int32_t ScrollControlDrag(const TQrvStringGrid& grid, bool vertical, int32_t downPos, int32_t downFirst,
                          int32_t pos) {
  const TAxis a = Axis(grid, vertical, 0);
  // The span a drag across the whole grid covers: its length less the first row (column).
  const int32_t span =
      (vertical ? grid.Height() : grid.Width()) - (vertical ? grid.RowHeights(0) : grid.ColWidths(0));
  if (span <= 0) return a.First;
  const int32_t moved = static_cast<int32_t>(std::lround(double(pos - downPos) / span * a.Count));
  return std::max(a.Fixed, std::min(moved + downFirst, a.Count - a.Visible));
}
