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

TEST(GridViewBackground, TheFlatBorderIsDrawnOverTheWindowsFrame) {
  QWidget parent;
  QPalette palette = parent.palette();
  palette.setColor(QPalette::Window, QColor(0, 255, 0));
  parent.setPalette(palette);
  auto* view = new TGridView(std::make_unique<TQrvStringGrid>(), &parent);
  auto& grid = static_cast<TQrvStringGrid&>(view->Grid());
  view->setGeometry(0, 0, 120, 80);
  parent.resize(140, 100);
  parent.show();
  const TGridView plain;  // a base grid draws no border: the style's frame
  grid.SetLook(glXP);
  ASSERT_GE(view->frameWidth(), 2) << "the border's inner ring lies on the frame";
  grid.BorderColor = 0x0000FF;  // red
  const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0);
  QImage shot = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shot.pixel(60, 1), red);
  EXPECT_EQ(shot.pixel(1, 40), red);
  EXPECT_EQ(shot.pixel(118, 40), red);
  EXPECT_EQ(shot.pixel(60, 78), red);
  EXPECT_EQ(shot.pixel(60, 0), green) << "the outermost ring takes the parent's colour";
  EXPECT_EQ(shot.pixel(119, 79), green);

  grid.SetLook(glStandard);
  grid.BorderColor = 0x0000FF;
  shot = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_NE(shot.pixel(60, 1), red);
  EXPECT_EQ(view->frameWidth(), plain.frameWidth()) << "without a border of its own the frame is the window's again";
}
