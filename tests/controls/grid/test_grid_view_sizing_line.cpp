// The line that shows where a dragged column or row edge would end: dotted and inverted over the cells.
#include "GridMouseFixture.h"

namespace {

TEST_F(TGridMouseTest, TheSizingLineIsDottedAndInvertsTheCellsUnderIt) {
  Q().SetOptions(Q().Options() | goColSizing | goRowSizing);
  struct Case {
    QPoint press, to;
    bool column;
  };
  // Column 2 ends at 120, row 2 at 60.
  const Case cases[] = {{{119, 10}, {131, 10}, true}, {{10, 59}, {10, 71}, false}};
  for (const Case& c : cases) {
    Press(c.press);
    Drag_To(c.to);
    const QImage shot = Shot();
    int inverted = 0, untouched = 0;
    // Along the line over the normal cells, whose background is the window colour.
    for (int i = 45; i < 110; ++i) {
      const QPoint p = c.column ? QPoint(c.to.x(), i) : QPoint(i, c.to.y());
      if (c.column ? (p.y() % 20 == 19) : (p.x() % 40 == 39)) continue;  // grid lines
      const QRgb pixel = shot.pixel(p);
      if (pixel == (Rgb(clWindow) ^ 0x00FFFFFF)) ++inverted;
      if (pixel == Rgb(clWindow)) ++untouched;
    }
    EXPECT_GT(inverted, 10) << c.column;
    EXPECT_GT(untouched, 10) << c.column << ": dotted, not solid";
    Release(c.to);
  }
}

}  // namespace
