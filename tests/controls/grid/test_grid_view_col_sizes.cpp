// A grid view reads the user's column widths back as it is built, when the grid is told to keep them.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "UGridView.h"
#include "UQrvStringGrid.h"

TEST(GridViewColSizes, CreatingTheViewReadsTheWidthsOnlyWhenTheyAreKept) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("grid.ini"));
  {
    QSettings ini(file, QSettings::IniFormat);
    ini.setValue(QStringLiteral("Main/Col2"), 90);
  }
  for (const bool save : {true, false}) {
    auto grid = std::make_unique<TQrvStringGrid>();
    grid->SetColCount(3);
    grid->SetColWidths(2, 33);
    grid->ColumnSize().SetLocation(clIniFile);
    grid->ColumnSize().SetKey(file);
    grid->ColumnSize().SetSection(QStringLiteral("Main"));
    grid->ColumnSize().SetSave(save);
    TGridView view(std::move(grid));
    EXPECT_EQ(view.AdvancedGrid()->ColWidths(2), save ? 90 : 33) << save;
  }
}
