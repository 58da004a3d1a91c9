#include <gtest/gtest.h>

#include <set>

#include "FakeThemeModule.h"
#include "UThemeBinding.h"

namespace {

class ThemeBinding : public ::testing::Test {
 protected:
  void TearDown() override { DropFakeTheme(); }
};

TEST_F(ThemeBinding, TableHoldsTheFortyFiveDistinctNamesInOrder) {
  std::set<std::string> names(ThemeEntryNames.begin(), ThemeEntryNames.end());
  EXPECT_EQ(names.size(), 45u);
  EXPECT_STREQ(ThemeEntryNames[0], "OpenThemeData");
  EXPECT_STREQ(ThemeEntryNames[34], "IsThemeActive");
  EXPECT_STREQ(ThemeEntryNames[41], "GetCurrentThemeName");
  EXPECT_STREQ(ThemeEntryNames[44], "EnableTheming");
}

TEST_F(ThemeBinding, MissingLibraryLeavesTheBindingUnloadedAndEveryCallerUnthemed) {
  UseFakeTheme(false);
  EXPECT_FALSE(QrvXPVS().Loaded());
  EXPECT_FALSE(QrvXPVS().IsThemeActive());
  EXPECT_EQ(QrvXPVS().OpenThemeData(nullptr, QStringLiteral("button")), nullptr);
  EXPECT_TRUE(QrvXPVS().CurrentColorScheme().isEmpty());
}

TEST_F(ThemeBinding, LoadingTwiceKeepsOneReferenceAndTheSameTable) {
  UseFakeTheme(true);
  ASSERT_TRUE(QrvXPVS().Loaded());
  const auto table = QrvXPVS().Entries();
  LoadThemeLibrary();
  EXPECT_EQ(TFakeTheme::Loads, 1);
  EXPECT_EQ(TFakeTheme::Alive, 1);
  EXPECT_EQ(QrvXPVS().Entries(), table);
  for (TThemeProc entry : table) EXPECT_NE(entry, nullptr);
}

TEST_F(ThemeBinding, ReleaseClearsTheFlagButKeepsTheAddresses) {
  UseFakeTheme(true);
  const auto table = QrvXPVS().Entries();
  FreeThemeLibrary();
  EXPECT_FALSE(QrvXPVS().Loaded());
  EXPECT_EQ(TFakeTheme::Alive, 0);
  EXPECT_EQ(QrvXPVS().Entries(), table);
  // Nothing calls through a released binding.
  EXPECT_FALSE(QrvXPVS().IsThemeActive());
}

TEST_F(ThemeBinding, TheTwoBindingsHoldIndependentReferences) {
  UseFakeTheme(true);
  ThemeApiLoad();
  EXPECT_EQ(TFakeTheme::Loads, 2);
  FreeThemeLibrary();
  EXPECT_EQ(TFakeTheme::Alive, 1);
  ASSERT_TRUE(ATXPVS().Loaded());
  EXPECT_TRUE(ATXPVS().IsThemeActive());
  EXPECT_EQ(ATXPVS().CurrentColorScheme(), QStringLiteral("NormalColor"));
  ThemeApiFree();
  EXPECT_EQ(TFakeTheme::Alive, 0);
}

TEST_F(ThemeBinding, MissingEntryIsAnAssertionNamingTheBindingAndStopsResolving) {
  UseFakeTheme(false);
  TFakeTheme::Missing = {"GetThemeInt"};
  SetThemeModuleProvider([] { return std::make_shared<TFakeThemeModule>(); });
  try {
    ThemeApiLoad();
    FAIL() << "no assertion";
  } catch (const EAssertionFailed& e) {
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Assertion failure")));
    EXPECT_TRUE(e.Message().contains(QStringLiteral("ATXPVS")));
    EXPECT_TRUE(e.Message().contains(QStringLiteral("line 19")));
  }
  EXPECT_NE(ATXPVS().Entry("GetThemeBool"), nullptr);
  EXPECT_EQ(ATXPVS().Entry("GetThemeInt"), nullptr);
  EXPECT_EQ(ATXPVS().Entry("GetThemeEnumValue"), nullptr);
}

TEST_F(ThemeBinding, DrawPartOpensDrawsAndClosesOnce) {
  UseFakeTheme(true);
  QImage image(20, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  TCanvas canvas(&image);
  EXPECT_TRUE(QrvXPVS().DrawPart(nullptr, QStringLiteral("button"), canvas, 3, 5, Rect(2, 2, 16, 16)));
  EXPECT_EQ(TFakeTheme::Calls, QStringList({"open button", "draw 3 5 (2,2,16,16)", "close"}));
  EXPECT_EQ(canvas.Pixels(2, 2), TFakeTheme::Marker);
}

}  // namespace
