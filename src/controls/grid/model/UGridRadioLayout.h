#pragma once
// Where the items of a radio-group cell stand, relative to the cell's top-left corner. The painter and the click
// test both ask here, so that a click always picks the item drawn under the mouse.
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "UCellNode.h"

struct TRadioItemSpan {
  int32_t From = 0;  // where the radio starts; its text follows right after the radio
  int32_t To = 0;    // where the next item starts
};

// The picture, raised and themed radios are 16 pixels; the frame-control ones `RadioSize`.
inline int32_t RadioButtonSpacing(TControlStyle style, int32_t radioSize) {
  return style >= csWinXP ? 16 : radioSize;
}

// The items of a horizontal group: each radio `button` wide, followed by its text; the first 2 pixels in.
inline std::vector<TRadioItemSpan> HorizontalRadioSpans(const QStringList& items, int32_t button,
                                                        const std::function<int32_t(const QString&)>& textWidth) {
  std::vector<TRadioItemSpan> spans;
  int32_t x = 2;
  for (const QString& item : items) {
    const int32_t end = x + button + textWidth(item);
    spans.push_back({x, end});
    x = end;
  }
  return spans;
}

// The line height of a vertical group: the text height, at least 16 for the 16-pixel radio styles.
inline int32_t RadioLineHeight(int32_t textHeight, bool sixteenPixelStyle) {
  return std::max(textHeight, sixteenPixelStyle ? 16 : 0);
}

// The item a click at (dx, dy) picks, or -1 past the last item. A vertical group's items start 2 pixels down;
// the strip above the first item counts as the first item, as the strip left of it does horizontally.
inline int32_t RadioItemAt(const std::vector<TRadioItemSpan>& spans, int32_t dx) {
  for (size_t i = 0; i < spans.size(); ++i)
    if (dx < spans[i].To) return static_cast<int32_t>(i);
  return -1;
}
inline int32_t RadioLineAt(int32_t count, int32_t lineHeight, int32_t dy) {
  if (lineHeight <= 0) return -1;
  const int32_t line = std::max(0, dy - 2) / lineHeight;
  return line < count ? line : -1;
}
