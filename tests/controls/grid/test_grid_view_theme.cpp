// The desktop's palette changing under a grid view: a grid with AutoThemeAdapt takes the style of the new office
// colour code through the shared theme notifier; one without keeps its colours.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QPalette>
#include <QTemporaryDir>
#include <QThread>

#include "GridViewFixture.h"
#include "QrvStyleIF.h"
#include "UQStyleThemeModule.h"
#include "UQrvStringGrid.h"
#include "URegistry.h"

namespace {
bool Settles(const std::function<bool()>& done) {
  QDeadlineTimer deadline(5000);
  while (!done() && !deadline.hasExpired()) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  return done();
}
}  // namespace

TEST(GridViewTheme, ADesktopPaletteChangeReachesAnAdaptingGrid) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  SetRegistryFile(folder.filePath(QStringLiteral("registry.ini")));
  SetDesktopStyleProvider(DesktopPaletteStyle);
  const QPalette before = QApplication::palette();
  QPalette light = before;
  light.setColor(QPalette::Window, QColor(0xEF, 0xEF, 0xEF));
  light.setColor(QPalette::Highlight, QColor(0x30, 0x8C, 0xC6));
  QApplication::setPalette(light);
  {
    TGridView adapting(std::make_unique<TQrvStringGrid>()), plain(std::make_unique<TQrvStringGrid>());
    TQrvStringGrid& grid = *adapting.AdvancedGrid();
    TQrvStringGrid& other = *plain.AdvancedGrid();
    grid.SetAutoThemeAdapt(true);
    EXPECT_EQ(grid.GridStyle(), gsOffice2010Blue);
    const TQrvGridStyle otherStyle = other.GridStyle();

    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x2D, 0x2D, 0x2D));
    QApplication::setPalette(dark);
    EXPECT_TRUE(Settles([&] { return grid.GridStyle() == gsOffice2010Black; }));
    EXPECT_EQ(other.GridStyle(), otherStyle);

    QPalette grey = light;
    grey.setColor(QPalette::Highlight, QColor(0xA0, 0xA0, 0xA0));
    QApplication::setPalette(grey);
    EXPECT_TRUE(Settles([&] { return grid.GridStyle() == gsOffice2010Silver; }));

    // Switched off, the grid no longer follows.
    grid.SetAutoThemeAdapt(false);
    QApplication::setPalette(dark);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(grid.GridStyle(), gsOffice2010Silver);
  }
  QApplication::setPalette(before);
  SetDesktopStyleProvider(nullptr);
  SetRegistryFile(QString());
}
