#pragma once
// Gradient fills and frames every look of the grid and its companion controls is made of. They set the canvas's
// pen and brush and leave them changed. Gradients are flat bands, never per pixel.
#include <cstdint>

#include "UCanvas.h"

// At most min(steps, extent - 1) + 1 bands from `from` to `to`; the last band has exactly `to` and covers the last
// pixel column (horizontal) or row. A clNone end gives a solid fill in the other colour; two give nothing.
void FillGradientBands(TCanvas& canvas, TColor from, TColor to, int32_t steps, TRect rect, bool horizontal);
// Two-part glass fill (first half color..colorTo, second half mirror..mirrorTo, 128 bands each) and a border.
void FillMirrorGradient(TCanvas& canvas, const TRect& rect, TColor color, TColor colorTo, TColor mirrorColor,
                        TColor mirrorColorTo, bool vertical, TColor borderColor, bool borderSidesOnly, bool fill);
// The grid button's face: `steps` unclipped bands, then an outline when the border colour is set.
void DrawButtonGradient(TCanvas& canvas, TColor from, TColor to, TColor borderColor, int32_t steps, const TRect& rect,
                        bool horizontal);
// A rounded tab or bar with a two-line bevel and a gradient body; kind 0..4 picks the ends drawn.
void DrawTabFrame(TCanvas& canvas, TColor from, TColor to, TColor mirrorFrom, TColor mirrorTo, TColor innerTopLine,
                  TColor innerBottomLine, TColor borderColor, TColor cornerColor, TColor backgroundColor,
                  const TRect& rect, int32_t kind);
void FillRectColor(TCanvas& canvas, const TRect& rect, TColor color);
// Exactly `steps` bands (0 counts as 1) over the rectangle less its last column (horizontal) or row, each band
// overlapping the next by one pixel; channels step by nearest(i * delta), halves to the even neighbour. The
// drop-downs' backgrounds, bars and faces, and the search footer, paint with it.
void DrawGradient(TCanvas& canvas, TColor from, TColor to, int32_t steps, TRect rect, bool horizontal);
