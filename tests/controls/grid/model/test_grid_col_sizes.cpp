// The user's column widths in an INI file or the per-user store: what is written, what is read back, what is refused.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUuid>
#include <functional>
#include <vector>

#include "TFailingDevice.h"
#include "UGridIniFile.h"
#include "UQrvStringGrid.h"

namespace {

const std::vector<int32_t> Saved = {30, 120, 0, 75, 64};

void Aim(TQrvStringGrid& grid, TColumnSizeLocation location, const QString& key, bool save) {
  grid.ColumnSize().SetLocation(location);
  grid.ColumnSize().SetKey(key);
  grid.ColumnSize().SetSection(QStringLiteral("Orders"));
  grid.ColumnSize().SetSave(save);
  grid.SetColCount(static_cast<int32_t>(Saved.size()));
}

std::vector<int32_t> Widths(const TQrvStringGrid& grid) {
  std::vector<int32_t> w;
  for (int32_t c = 0; c < grid.ColCount(); ++c) w.push_back(grid.ColWidths(c));
  return w;
}

QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class GridColSizes : public ::testing::Test {
 protected:
  void SetUp() override { QStandardPaths::setTestModeEnabled(true); }
  void TearDown() override {
    for (const QString& f : Cleanup) QFile::remove(f);
    QStandardPaths::setTestModeEnabled(false);
  }
  // A key of this test alone, so runs side by side never share a store file.
  QString UniqueKey() { return QStringLiteral("Software\\Tarn\\Grid ") + QUuid::createUuid().toString(QUuid::Id128); }
  std::vector<QString> Cleanup;
};

class DesigningGrid : public TQrvStringGrid {
 public:
  bool IsDesigning() const override { return true; }
};

}  // namespace

TEST_F(GridColSizes, WidthsSavedOnDestructionComeBackOnLoaded) {
  QTemporaryDir dir;
  for (const TColumnSizeLocation location : {clIniFile, clRegistry}) {
    const QString key = location == clIniFile ? dir.filePath(QStringLiteral("grid.ini")) : UniqueKey();
    {
      TQrvStringGrid grid;
      Aim(grid, location, key, true);
      for (int32_t c = 0; c < grid.ColCount(); ++c) grid.SetColWidths(c, Saved[static_cast<size_t>(c)]);
    }
    TQrvStringGrid probe;
    Aim(probe, location, key, false);
    const QString file = ColumnSizeStoreFile(probe.ColumnSize());
    Cleanup.push_back(file);
    if (location == clRegistry) {
      EXPECT_EQ(QFileInfo(file).absolutePath(),
                QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).absolutePath());
      EXPECT_FALSE(QFileInfo(file).fileName().contains(QLatin1Char('\\')));
    }
    const QSettings ini(file, QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("Orders/Col1")).toInt(), 120) << location;
    EXPECT_EQ(ini.value(QStringLiteral("Orders/Col4")).toInt(), 64) << location;

    TQrvStringGrid back;
    Aim(back, location, key, true);
    back.Loaded();
    EXPECT_EQ(Widths(back), Saved) << location;
  }
}

TEST_F(GridColSizes, SavingKeepsOtherSectionsAndAFailedWriteKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("layout.ini"));
  {
    QSettings ini(file, QSettings::IniFormat);
    ini.setValue(QStringLiteral("Other/Col0"), 999);
    ini.setValue(QStringLiteral("Orders/Col9"), 11);
  }
  TQrvStringGrid grid;
  Aim(grid, clIniFile, file, false);
  ASSERT_TRUE(grid.SaveColSizes());
  {
    const QSettings ini(file, QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("Other/Col0")).toInt(), 999);
    EXPECT_EQ(ini.value(QStringLiteral("Orders/Col9")).toInt(), 11);
    EXPECT_EQ(ini.value(QStringLiteral("Orders/Col0")).toInt(), grid.ColWidths(0));
  }
  const QByteArray before = Read(file);
  grid.SetColWidths(0, 333);
  {
    TFailing_Writes failing(QStringLiteral("layout.ini"), 3);
    EXPECT_FALSE(grid.SaveColSizes());
    EXPECT_EQ(failing.Failed, QStringList{file});
  }
  EXPECT_EQ(Read(file), before);
}

TEST_F(GridColSizes, LoadTakesOnlyPlainWidthsAndKeepsTheRest) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("widths.ini"));
  struct Case {
    QString stored;  // empty: no entry at all
    bool taken;
  };
  const std::vector<Case> cases = {
      {QStringLiteral("40"), true},     {QStringLiteral("0"), true},           {QString(), false},
      {QStringLiteral("abc"), false},   {QStringLiteral("-5"), false},         {QStringLiteral("12.5"), false},
      {QStringLiteral("40000"), false}, {QStringLiteral("99999999999"), false}};
  for (const Case& c : cases) {
    QFile::remove(file);
    if (!c.stored.isEmpty()) {
      QSettings ini(file, QSettings::IniFormat);
      ini.setValue(QStringLiteral("Orders/Col1"), c.stored);
    }
    TQrvStringGrid grid;
    Aim(grid, clIniFile, file, true);
    const std::vector<int32_t> before = Widths(grid);
    grid.LoadColSizes();
    std::vector<int32_t> expected = before;
    if (c.taken) expected[1] = c.stored.toInt();
    EXPECT_EQ(Widths(grid), expected) << c.stored.toStdString();
  }
}

TEST_F(GridColSizes, NothingIsStoredOrReadWithoutTheFlagAKeyOrASection) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("grid.ini"));
  {
    TQrvStringGrid grid;
    Aim(grid, clIniFile, file, false);
    grid.SetColWidths(0, 5);
  }
  EXPECT_FALSE(QFile::exists(file)) << "destroyed without the flag";

  {
    QSettings ini(file, QSettings::IniFormat);
    ini.setValue(QStringLiteral("Orders/Col0"), 7);
  }
  TQrvStringGrid unflagged;
  Aim(unflagged, clIniFile, file, false);
  const int32_t width = unflagged.ColWidths(0);
  unflagged.Loaded();
  EXPECT_EQ(unflagged.ColWidths(0), width) << "loaded without the flag";

  const QByteArray before = Read(file);
  const std::vector<std::function<void(TQrvStringGrid&)>> blanks = {
      [](TQrvStringGrid& g) { g.ColumnSize().SetKey(QString()); },
      [](TQrvStringGrid& g) { g.ColumnSize().SetKey(QStringLiteral("   ")); },
      [](TQrvStringGrid& g) { g.ColumnSize().SetSection(QString()); }};
  for (size_t i = 0; i < blanks.size(); ++i) {
    TQrvStringGrid grid;
    Aim(grid, clIniFile, file, true);
    blanks[i](grid);
    grid.SetColWidths(0, 5);
    EXPECT_FALSE(grid.SaveColSizes()) << i;
    grid.LoadColSizes();
    EXPECT_EQ(grid.ColWidths(0), 5) << i;
  }
  DesigningGrid designed;
  Aim(designed, clIniFile, file, true);
  designed.SetColWidths(0, 5);
  EXPECT_FALSE(designed.SaveColSizes());
  designed.LoadColSizes();
  EXPECT_EQ(designed.ColWidths(0), 5);
  EXPECT_EQ(Read(file), before);

  TQrvStringGrid missing;
  Aim(missing, clIniFile, dir.filePath(QStringLiteral("absent/none.ini")), true);
  const std::vector<int32_t> widths = Widths(missing);
  missing.Loaded();
  EXPECT_EQ(Widths(missing), widths);
}
