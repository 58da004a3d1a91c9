// The advanced grid in its window: the background past the last cell is the grid's own when it has one, and a
// locked grid's window is not repainted until the lock ends.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "UGridView.h"
#include "UQrvStringGrid.h"

namespace {
struct TShownGrid {
  TShownGrid() : View(std::make_unique<TQrvStringGrid>()) {
    View.setFrameShape(QFrame::NoFrame);
    View.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    View.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid().SetColCount(3);
    Grid().SetRowCount(3);
    Grid().SetDefaultColWidth(40);
    Grid().SetDefaultRowHeight(20);
    View.resize(200, 120);
    View.show();
  }
  TQrvStringGrid& Grid() { return static_cast<TQrvStringGrid&>(View.Grid()); }
  QImage Shot() { return View.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
  TGridView View;
};
}  // namespace

TEST(GridViewBackground, EmptyAreaShowsTheGridsGradientOrItsColour) {
  TShownGrid s;
  s.Grid().SetColor(0x00FFFF);  // yellow
  const QImage plain = s.Shot();
  EXPECT_EQ(plain.pixel(180, 100), qRgb(255, 255, 0));
  s.Grid().BackGround.Display = bdGradientVert;
  s.Grid().BackGround.Color = 0x0000FF;
  s.Grid().BackGround.ColorTo = 0xFF0000;
  s.View.viewport()->update();
  const QImage shaded = s.Shot();
  // From red at the top to blue at the bottom, past the last column.
  EXPECT_GT(qRed(shaded.pixel(180, 5)), qBlue(shaded.pixel(180, 5)));
  EXPECT_GT(qBlue(shaded.pixel(180, 115)), qRed(shaded.pixel(180, 115)));
}

TEST(GridViewBackground, LockedGridRepaintsOnceTheLockEnds) {
  TShownGrid s;
  s.Grid().BeginUpdate();
  EXPECT_FALSE(s.View.viewport()->updatesEnabled());
  s.Grid().SetCells(1, 1, QStringLiteral("WWWW"));
  s.Grid().EndUpdate();
  EXPECT_TRUE(s.View.viewport()->updatesEnabled());
  const QImage shot = s.Shot();
  int dark = 0;
  for (int x = 41; x < 79; ++x)
    for (int y = 21; y < 39; ++y) dark += qGray(shot.pixel(x, y)) < 128;
  EXPECT_GT(dark, 10);
}
