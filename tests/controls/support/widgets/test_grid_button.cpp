#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QMouseEvent>
#include <QtTest/QTest>

#include "../FakeThemeModule.h"
#include "DAdiZiduDizuvu.h"
#include "USysColors.h"

namespace {

QImage Paint(DAdiZiduDizuvu& b) {
  QImage image(b.width(), b.height(), QImage::Format_RGB32);
  image.fill(Qt::white);
  TCanvas canvas(&image);
  b.PaintButton(canvas);
  canvas.Release();
  return image;
}

TColor At(const QImage& image, int x, int y) {
  return QColorToTColor(QColor::fromRgb(image.pixel(x, y)));
}

void Move(DAdiZiduDizuvu& b, QPoint at, Qt::MouseButtons buttons) {
  QMouseEvent e(QEvent::MouseMove, at, b.mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(&b, &e);
}

TBitmap Test_Glyph() {
  // A blue square with a red dot on a fuchsia key (the bottom-left pixel).
  TBitmap glyph(8, 8);
  glyph.Canvas().Brush().Color = clFuchsia;
  glyph.Canvas().FillRect(Rect(0, 0, 8, 8));
  glyph.Canvas().Brush().Color = RGB(0, 0, 200);
  glyph.Canvas().FillRect(Rect(2, 2, 6, 6));
  glyph.Canvas().SetPixels(3, 3, RGB(200, 0, 0));
  return glyph;
}

class GridButton : public ::testing::Test {
 protected:
  void SetUp() override { UseFakeTheme(false); }
  void TearDown() override { DropFakeTheme(); }
  QWidget Panel;
};

TEST_F(GridButton, Defaults) {
  DAdiZiduDizuvu b(&Panel);
  EXPECT_EQ(b.geometry(), QRect(0, 0, 23, 22));
  EXPECT_EQ(b.Color(), clBtnFace);
  EXPECT_EQ(b.ColorDown(), TColor(0xD8D3D2));
  EXPECT_EQ(b.ColorHot(), TColor(0xCAC7C7));
  EXPECT_EQ(b.ColorChecked(), TColor(0x808080));
  EXPECT_TRUE(b.Flat());
  EXPECT_TRUE(b.Shaded());
  EXPECT_EQ(b.Spacing(), 4);
  EXPECT_EQ(b.Margin(), -1);
  EXPECT_EQ(b.Style(), tasButton);
  EXPECT_EQ(b.focusPolicy(), Qt::NoFocus);
  b.SetMargin(-5);
  EXPECT_EQ(b.Margin(), -1);
}

TEST_F(GridButton, DownRulesOutsideAGroup) {
  DAdiZiduDizuvu push(&Panel), check(&Panel);
  push.SetDown(true);
  EXPECT_FALSE(push.Down());
  check.SetStyle(tasCheck);
  check.SetDown(true);
  EXPECT_TRUE(check.Down());
  check.SetDown(false);
  EXPECT_FALSE(check.Down());
}

TEST_F(GridButton, GroupKeepsOneDownAndShareAllowAllUp) {
  DAdiZiduDizuvu a(&Panel), b(&Panel), other(&Panel);
  a.SetGroupIndex(1);
  b.SetGroupIndex(1);
  other.SetGroupIndex(2);
  other.SetDown(true);
  a.SetDown(true);
  EXPECT_EQ(a.State(), DAdiZiduDizuvu::bsExclusive);
  b.SetDown(true);
  EXPECT_FALSE(a.Down());
  EXPECT_EQ(a.State(), DAdiZiduDizuvu::bsUp);
  EXPECT_TRUE(b.Down());
  EXPECT_TRUE(other.Down());
  b.SetDown(false);  // AllowAllUp off: the down button stays down
  EXPECT_TRUE(b.Down());
  a.SetAllowAllUp(true);
  EXPECT_TRUE(b.AllowAllUp());
  EXPECT_FALSE(other.AllowAllUp());
  b.SetDown(false);
  EXPECT_FALSE(b.Down());
}

TEST_F(GridButton, ClickingTheDownButtonOfAGroupLeavesItDown) {
  DAdiZiduDizuvu a(&Panel), b(&Panel);
  a.SetGroupIndex(1);
  b.SetGroupIndex(1);
  int clicks = 0;
  a.OnClick = [&](DAdiZiduDizuvu*) { ++clicks; };
  QTest::mouseClick(&a, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(a.Down());
  QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(a.Down());
  EXPECT_TRUE(b.Down());
  QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(b.Down());
  EXPECT_EQ(b.State(), DAdiZiduDizuvu::bsExclusive);
  EXPECT_EQ(clicks, 1);
}

TEST_F(GridButton, ReleaseOutsideGivesNoClickAndCheckButtonsToggle) {
  DAdiZiduDizuvu b(&Panel);
  int clicks = 0;
  b.OnClick = [&](DAdiZiduDizuvu*) { ++clicks; };
  QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(b.State(), DAdiZiduDizuvu::bsDown);
  Move(b, QPoint(40, 5), Qt::LeftButton);
  EXPECT_EQ(b.State(), DAdiZiduDizuvu::bsUp);
  Move(b, QPoint(6, 6), Qt::LeftButton);
  EXPECT_EQ(b.State(), DAdiZiduDizuvu::bsDown);
  QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(40, 5));
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(b.State(), DAdiZiduDizuvu::bsUp);
  QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(b.Down());
  b.SetStyle(tasCheck);
  QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(b.Down());
  QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(b.Down());
  EXPECT_EQ(clicks, 3);
}

TEST_F(GridButton, DropDownPartFiresOnDropDownAndNoClick) {
  DAdiZiduDizuvu b(&Panel);
  b.resize(60, 22);
  b.SetDropDownButton(true);
  int clicks = 0, drops = 0;
  b.OnClick = [&](DAdiZiduDizuvu*) { ++clicks; };
  b.OnDropDown = [&](DAdiZiduDizuvu*) { ++drops; };
  QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(55, 10));
  EXPECT_EQ(drops, 1);
  EXPECT_EQ(clicks, 0);
  QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(20, 10));
  EXPECT_EQ(drops, 1);
  EXPECT_EQ(clicks, 1);
}

TEST_F(GridButton, DoubleClickOnlyWhileDown) {
  DAdiZiduDizuvu b(&Panel);
  b.SetStyle(tasCheck);
  int doubles = 0;
  b.OnDblClick = [&](DAdiZiduDizuvu*) { ++doubles; };
  auto double_click = [&] {
    QMouseEvent e(QEvent::MouseButtonDblClick, QPointF(5, 5), b.mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&b, &e);
  };
  double_click();
  EXPECT_EQ(doubles, 0);
  b.SetDown(true);
  double_click();
  EXPECT_EQ(doubles, 1);
}

TEST_F(GridButton, LooksSetTheirColoursAndUnknownLooksChangeNothing) {
  DAdiZiduDizuvu b(&Panel);
  b.SetBorderColor(clRed);
  b.SetFlat(false);
  b.SetLook(7);
  EXPECT_EQ(b.Color(), clBtnFace);
  EXPECT_EQ(b.BorderColor(), clRed);
  EXPECT_FALSE(b.Flat());
  b.SetLook(3);
  EXPECT_EQ(b.Color(), TColor(0xCFF0EA));
  EXPECT_EQ(b.ColorTo(), TColor(0x8CC0B1));
  EXPECT_EQ(b.ColorHot(), TColor(0xCCF4FF));
  EXPECT_EQ(b.ColorCheckedTo(), TColor(5615103));
  EXPECT_EQ(b.BorderColor(), clNone);
  EXPECT_TRUE(b.Flat());
  b.SetLook(0);
  EXPECT_TRUE(b.Rounded());
  EXPECT_EQ(b.BorderDownColor(), TColor(0xAF987A));
  EXPECT_EQ(b.BorderHotColor(), TColor(0xC3CECE));
  b.SetLook(5);
  EXPECT_EQ(b.ColorHot(), clBtnFace);
  EXPECT_EQ(b.BorderDownColor(), clNone);
  EXPECT_FALSE(b.Rounded());
}

TEST_F(GridButton, ThemeAdaptationPicksTheLookOfTheColourScheme) {
  DAdiZiduDizuvu b(&Panel);
  b.SetAutoThemeAdapt(true);
  EXPECT_EQ(b.Color(), clBtnFace);  // no visual style: look 1
  EXPECT_EQ(b.ColorHot(), TColor(0xEED2C1));
  UseFakeTheme(true);
  struct Case {
    const char* scheme;
    TColor color;
  } cases[] = {
      {"NormalColor", 0xFDEADA}, {"HomeStead", 0xCFF0EA}, {"Metallic", 0xECE2E1}, {"Luna Metallic", clBtnFace}};
  for (const Case& c : cases) {
    TFakeTheme::Scheme = QString::fromUtf8(c.scheme);
    b.AdaptToTheme();
    EXPECT_EQ(b.Color(), c.color) << c.scheme;
  }
}

TEST_F(GridButton, FlatFacesForRestHoverPressAndChecked) {
  DAdiZiduDizuvu b(&Panel);
  b.resize(40, 22);
  b.SetShowCaption(false);
  b.SetColor(0x00AA00);
  b.SetColorHot(0xAA0000);
  b.SetColorDown(0x0000AA);
  b.SetColorChecked(0x555555);
  b.SetBorderHotColor(clBlack);
  EXPECT_EQ(At(Paint(b), 10, 10), TColor(0x00AA00));
  EXPECT_EQ(At(Paint(b), 0, 0), clWhite);  // shrunk by one without a down border
  b.MouseEnter();
  ASSERT_TRUE(b.MouseInControl());
  QImage hot = Paint(b);
  EXPECT_EQ(At(hot, 10, 10), TColor(0xAA0000));
  EXPECT_EQ(At(hot, 1, 1), clBlack);
  QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(At(Paint(b), 10, 10), TColor(0x0000AA));
  QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(5, 5));
  b.MouseLeave();
  b.SetStyle(tasCheck);
  b.SetDown(true);
  EXPECT_EQ(At(Paint(b), 10, 10), TColor(0x555555));
}

TEST_F(GridButton, GradientFaceRunsTopToBottom) {
  DAdiZiduDizuvu b(&Panel);
  b.resize(40, 22);
  b.SetLook(2);
  const QImage face = Paint(b);
  EXPECT_EQ(At(face, 20, 0), TColor(0xFDEADA));
  EXPECT_NE(At(face, 20, 19), TColor(0xFDEADA));
}

TEST_F(GridButton, DisabledButtonShowsTheAutomaticGreyGlyphAndAnEngravedCaption) {
  DAdiZiduDizuvu b(&Panel);
  b.resize(80, 22);
  b.SetGlyph(Test_Glyph());
  ASSERT_FALSE(b.GlyphDisabled().Empty());
  const int blueGrey = (0 + 0 + 200) / 3 / 2 + 96, redGrey = (200 + 0 + 0) / 3 / 2 + 96;
  EXPECT_EQ(b.GlyphDisabled().Pixel(4, 4), RGB(blueGrey, blueGrey, blueGrey));
  EXPECT_EQ(b.GlyphDisabled().Pixel(3, 3), RGB(redGrey, redGrey, redGrey));
  EXPECT_EQ(b.GlyphShade().Pixel(4, 4), clGray);
  EXPECT_EQ(b.GlyphShade().Pixel(0, 7), clFuchsia);
  b.SetCaption(QStringLiteral("Find"));
  b.SetEnabled(false);
  const QImage face = Paint(b);
  int grey = 0, shadow = 0, highlight = 0;
  for (int y = 2; y < face.height() - 2; ++y) {
    for (int x = 2; x < face.width() - 2; ++x) {
      const TColor c = At(face, x, y);
      grey += c == RGB(blueGrey, blueGrey, blueGrey);
      shadow += c == ColorToRGB(clBtnShadow);
      highlight += c == ColorToRGB(clBtnHighlight);
    }
  }
  EXPECT_GT(grey, 0);
  EXPECT_GT(shadow, 0);
  EXPECT_GT(highlight, 0);
  EXPECT_EQ(b.State(), DAdiZiduDizuvu::bsDisabled);
}

TEST_F(GridButton, HoverLiftsTheGlyphAndDrawsItsShadow) {
  DAdiZiduDizuvu b(&Panel);
  b.resize(80, 22);
  b.SetGlyph(Test_Glyph());
  b.SetCaption(QStringLiteral("Go"));
  b.SetColorHot(clWhite);
  b.SetColor(clWhite);
  const QImage rest = Paint(b);
  b.MouseEnter();
  const QImage hover = Paint(b);
  auto first_blue = [](const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) == qRgb(0, 0, 200)) return QPoint(x, y);
      }
    }
    return QPoint(-1, -1);
  };
  const QPoint a = first_blue(rest), h = first_blue(hover);
  ASSERT_NE(a, QPoint(-1, -1));
  EXPECT_EQ(h, a - QPoint(1, 1));
  // The shadow lies two pixels right and down of the lifted glyph, where the glyph is not.
  EXPECT_EQ(At(hover, h.x() + 5, h.y() + 5), clGray);
}

TEST_F(GridButton, AcceleratorAndActionLink) {
  DAdiZiduDizuvu b(&Panel);
  QAction action(QStringLiteral("&Find"));
  int triggered = 0;
  QObject::connect(&action, &QAction::triggered, [&] { ++triggered; });
  b.SetAction(&action);
  EXPECT_EQ(b.Caption(), QStringLiteral("&Find"));
  Panel.show();
  b.show();
  EXPECT_TRUE(b.DialogChar(QLatin1Char('f')));
  EXPECT_FALSE(b.DialogChar(QLatin1Char('x')));
  EXPECT_EQ(triggered, 1);
  action.setText(QStringLiteral("&Search"));
  EXPECT_EQ(b.Caption(), QStringLiteral("&Search"));
  b.SetCaption(QStringLiteral("Own"));
  action.setText(QStringLiteral("Other"));
  EXPECT_EQ(b.Caption(), QStringLiteral("Own"));
  // A group button with AllowAllUp follows the action's checked state.
  action.setCheckable(true);
  b.SetGroupIndex(3);
  b.SetAllowAllUp(true);
  action.setChecked(true);
  EXPECT_TRUE(b.Down());
  int clicks = 0;
  b.OnClick = [&](DAdiZiduDizuvu*) { ++clicks; };
  b.Click();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(triggered, 1);
}

}  // namespace
