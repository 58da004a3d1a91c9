#pragma once
// Settings of the grid's auto-sizing and fitting, and the text measurer it sizes with.
//
// Sizing to content needs text extents. The model measures through IGridTextMeasurer so that it runs without a
// window: the default measures on a canvas over an in-memory image (fonts resolved through the font
// substitutes, as every canvas does); the grid's widget may put its own measurer in, one that asks its screen.
#include <QString>
#include <cstdint>
#include <memory>

#include "UCanvasTools.h"
#include "UColumnSize.h"
#include "UTypes.h"

enum TSortDirection { sdAscending, sdDescending };
// The key that, held during a header click, adds a column to the sort indexes instead of replacing them.
enum TIndexSortKey { ikShift, ikCtrl };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };

class IGridTextMeasurer {
 public:
  virtual ~IGridTextMeasurer() = default;
  // Width of the widest line and height of all lines of text in the font (CR, LF or CR LF break lines).
  virtual TSize TextSize(const TFont& font, const QString& text) const = 0;
};

// The default measurer: a canvas over a small in-memory image.
std::shared_ptr<IGridTextMeasurer> CreateImageTextMeasurer();

// A value under size limits: unchanged when both limits are equal (0 and 0 = no limits); otherwise raised to a
// positive minimum and lowered to a positive maximum.
int32_t LimitSize(int32_t value, int32_t minimum, int32_t maximum);
