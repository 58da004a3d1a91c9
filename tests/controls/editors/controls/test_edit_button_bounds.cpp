// Where the edit-with-button and the spin edit put their button: inside a single frame, one pixel off the text
// area's right and bottom edges; flush with the window's top without a frame.
#include <gtest/gtest.h>

#include "UEditorButtonHelpers.h"

namespace {

TEST(EditButtonBounds, InsideTheFrameOrFlushWithoutOne) {
  struct Case {
    bool singleBorder;
    TRect expected;
  };
  const Case cases[] = {
      {true, Rect(79, 2, 97, 21)},  // 100 - 18 - 5 + 2; 24 - 5 high
      {false, Rect(81, 0, 99, 23)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.singleBorder);
    const TRect r = Edit_Button_Bounds(100, 24, 18, c.singleBorder);
    EXPECT_EQ(r.Left, c.expected.Left);
    EXPECT_EQ(r.Top, c.expected.Top);
    EXPECT_EQ(r.Right, c.expected.Right);
    EXPECT_EQ(r.Bottom, c.expected.Bottom);
  }
}

}  // namespace
