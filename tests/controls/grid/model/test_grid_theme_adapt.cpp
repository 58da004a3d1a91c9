// Following the desktop's office colour code: the style each code gives, adapting only when the code changes, and
// the AutoThemeAdapt switch with the window's watch of theme changes.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <vector>

#include "GridTestHost.h"
#include "QrvStyleIF.h"
#include "URegistry.h"

namespace {
// No office suite (a registry of its own) and a desktop answering the code the test sets.
class TThemeDesktop : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Folder.isValid());
    SetRegistryFile(Folder.filePath(QStringLiteral("registry.ini")));
    SetDesktopStyleProvider([this] { return Code; });
  }
  void TearDown() override {
    SetDesktopStyleProvider(nullptr);
    SetRegistryFile(QString());
  }
  QTemporaryDir Folder;
  int32_t Code = 7;
};

class TWatchHost : public TRecordingHost {
 public:
  void WatchThemeChanges(bool on) override { Watch.push_back(on); }
  std::vector<bool> Watch;
};
}  // namespace

TEST_F(TThemeDesktop, EachOfficeCodeGivesItsStyle) {
  struct TCase {
    int32_t code;
    TQrvGridStyle style;
    TColor gradientFrom;  // the header colour that style's row sets
  };
  const TCase cases[] = {{0, gsOffice2003Blue, 0xFCE1CB},     {1, gsOffice2003Silver, 0xECE2E1},
                         {2, gsOffice2003Olive, 0xCFF0EA},    {3, gsOffice2003Classic, 0xFFFFFF},
                         {4, gsOffice2007Luna, 0xFBF9F6},     {5, gsOffice2007Silver, 0xF3F3F1},
                         {6, gsOffice2007Obsidian, 0xF7F7F7}, {7, gsOffice2010Blue, 0xF5E7DA},
                         {8, gsOffice2010Silver, 0xE8E3DF},   {9, gsOffice2010Black, 0x6A6A6A}};
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.code);
    Code = k.code;
    TQrvStringGrid grid;
    grid.ThemeAdapt();
    EXPECT_EQ(grid.GridStyle(), k.style);
    EXPECT_EQ(grid.VyxGradient.From, k.gradientFrom);
  }
}

TEST_F(TThemeDesktop, TheGridAdaptsOnlyWhenTheCodeChanges) {
  TQrvStringGrid grid;
  grid.ThemeAdapt();
  ASSERT_EQ(grid.GridStyle(), gsOffice2010Blue);
  // The application's own colour survives a report of the same scheme.
  grid.SelectionColor = 0x123456;
  grid.ThemeAdapt();
  EXPECT_EQ(grid.SelectionColor, 0x123456u);
  Code = 9;
  grid.ThemeAdapt();
  EXPECT_EQ(grid.GridStyle(), gsOffice2010Black);
  EXPECT_EQ(grid.SelectionColor, 0xFFDBB7u);
  // Back to an earlier scheme is a change too.
  Code = 7;
  grid.ThemeAdapt();
  EXPECT_EQ(grid.GridStyle(), gsOffice2010Blue);
}

TEST_F(TThemeDesktop, TheOfficeSuitesSchemeComesBeforeTheDesktops) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(OfficeCommonKey12, true));
  registry.WriteInteger(QStringLiteral("Theme"), 2);
  registry.CloseKey();
  TQrvStringGrid grid;
  grid.ThemeAdapt();
  EXPECT_EQ(grid.GridStyle(), gsOffice2007Silver);
}

TEST_F(TThemeDesktop, AutoThemeAdaptAdaptsAtOnceAndHasTheWindowWatch) {
  TQrvStringGrid grid;
  TWatchHost host;
  grid.SetHost(&host);
  Code = 8;
  grid.SetAutoThemeAdapt(true);
  EXPECT_EQ(grid.GridStyle(), gsOffice2010Silver);
  EXPECT_TRUE(grid.SearchFooter().AutoThemeAdapt());
  grid.SetAutoThemeAdapt(true);
  EXPECT_EQ(host.Watch, std::vector<bool>{true}) << "only a change reaches the window";
  grid.SetAutoThemeAdapt(false);
  EXPECT_EQ(host.Watch, (std::vector<bool>{true, false}));
  EXPECT_FALSE(grid.SearchFooter().AutoThemeAdapt());
  grid.SetHost(nullptr);
}
