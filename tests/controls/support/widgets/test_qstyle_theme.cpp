#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "UCanvas.h"
#include "ULayeredWindows.h"
#include "UQStyleThemeModule.h"
#include "UThemeBinding.h"

namespace {

class QStyleTheme : public ::testing::Test {
 protected:
  void SetUp() override { StartThemeSupport(); }
  void TearDown() override { StopThemeSupport(); }
};

int Changed_Pixels(const QImage& image, const QRect& area, QRgb background) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) != background;
  }
  return n;
}

TEST_F(QStyleTheme, BindsAllEntriesAndCountsAsAnActiveStandardStyle) {
  ASSERT_TRUE(QrvXPVS().Loaded());
  ASSERT_TRUE(ATXPVS().Loaded());
  for (TThemeProc entry : QrvXPVS().Entries()) EXPECT_NE(entry, nullptr);
  EXPECT_TRUE(QrvXPVS().IsThemeActive());
  EXPECT_EQ(QrvXPVS().CurrentColorScheme(), QStringLiteral("NormalColor"));
  StopThemeSupport();
  EXPECT_FALSE(QrvXPVS().Loaded());
  EXPECT_FALSE(QrvXPVS().IsThemeActive());
}

TEST_F(QStyleTheme, KnownClassesOpenAndUnknownOnesDoNot) {
  for (const char* name : {"button", "combobox", "spin", "header", "Progress", "nothing;BUTTON"}) {
    HTHEME theme = QrvXPVS().OpenThemeData(nullptr, QString::fromUtf8(name));
    EXPECT_NE(theme, nullptr) << name;
    QrvXPVS().CloseThemeData(theme);
  }
  EXPECT_EQ(QrvXPVS().OpenThemeData(nullptr, QStringLiteral("TQrvStringGrid")), nullptr);
}

TEST_F(QStyleTheme, PartsPaintInsideTheirRectangleOnly) {
  struct Case {
    const char* cls;
    int part, state;
  } cases[] = {{"button", 1, 1}, {"button", 1, 3}, {"button", 3, 5}, {"combobox", 1, 1},
               {"spin", 1, 1},   {"spin", 2, 4},   {"header", 1, 2}, {"progress", 1, 1}};
  const QRgb background = qRgb(1, 2, 3);
  for (const Case& c : cases) {
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(background);
    {
      TCanvas canvas(&image);
      EXPECT_TRUE(QrvXPVS().DrawPart(nullptr, QString::fromUtf8(c.cls), canvas, c.part, c.state, Rect(10, 8, 40, 30)))
          << c.cls << c.part;
    }
    EXPECT_GT(Changed_Pixels(image, QRect(10, 8, 30, 22), background), 0) << c.cls << c.part;
    EXPECT_EQ(Changed_Pixels(image, QRect(0, 0, 60, 7), background), 0) << c.cls << c.part;
    EXPECT_EQ(Changed_Pixels(image, QRect(41, 0, 19, 40), background), 0) << c.cls << c.part;
  }
}

TEST_F(QStyleTheme, TickedAndUntickedCheckBoxesDiffer) {
  auto draw = [](int state) {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    TCanvas canvas(&image);
    QrvXPVS().DrawPart(nullptr, QStringLiteral("button"), canvas, 3, state, Rect(2, 2, 16, 16));
    canvas.Release();
    return image;
  };
  EXPECT_NE(draw(1), draw(5));
  EXPECT_NE(draw(5), draw(9));
}

TEST_F(QStyleTheme, UndefinedPartsFail) {
  HTHEME theme = QrvXPVS().OpenThemeData(nullptr, QStringLiteral("spin"));
  QImage image(10, 10, QImage::Format_RGB32);
  TCanvas canvas(&image);
  EXPECT_NE(QrvXPVS().DrawThemeBackground(theme, canvas, 7, 1, Rect(0, 0, 5, 5)), S_OK);
  QrvXPVS().CloseThemeData(theme);
}

TEST_F(QStyleTheme, LayeredAlphaBecomesTheWindowsOpacity) {
  QWidget window;
  EXPECT_TRUE(CallSetLayeredWindowAttributes(&window, clNone, 128, LWA_ALPHA));
  EXPECT_NEAR(window.windowOpacity(), 128 / 255.0, 0.01);
}

}  // namespace
