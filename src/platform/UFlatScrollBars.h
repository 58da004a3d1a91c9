#pragma once
// Flat scroll bars: the window's own two bars drawn flat, with a chosen background colour and thickness. The
// desktop this program was made for offered them as a library service that a window switches on and off; here the
// window that shows the bars provides them (platform/widgets/UFlatScrollBar.h), and a window without them answers
// none, which leaves its bars as they are.
#include <cstdint>

// How a flat bar is drawn: the window's usual bar, flat with a raised part under the mouse, or flat throughout.
enum TFlatScrollStyle : int32_t { fssRegular = 0, fssEncarta = 1, fssFlat = 2 };

// The properties one call sets (the values are the ones the grid's settings pass).
enum TFlatScrollProp : uint32_t {
  fspVertWidth = 0x8,    // thickness of the vertical bar, pixels
  fspHorzHeight = 0x4,   // thickness of the horizontal bar, pixels
  fspVertColor = 0x40,   // background of the vertical bar, a TColor
  fspHorzColor = 0x80,   // background of the horizontal bar, a TColor
  fspVertStyle = 0x100,  // a TFlatScrollStyle
  fspHorzStyle = 0x200,
};

class IFlatScrollBars {
 public:
  virtual ~IFlatScrollBars() = default;
  // Switches the flat bars on; false when they cannot be had.
  virtual bool Initialize() = 0;
  // Back to the window's usual bars.
  virtual void Uninitialize() = 0;
  virtual bool Active() const = 0;
  // Sets one property while the flat bars are on (nothing otherwise); `redraw` repaints the bar at once.
  virtual void SetProp(TFlatScrollProp prop, int32_t value, bool redraw) = 0;
  // Shows or hides one bar while the flat bars are on.
  virtual void Show(bool vertical, bool show) = 0;
};
