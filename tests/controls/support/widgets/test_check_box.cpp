#include <gtest/gtest.h>

#include <QImage>
#include <QMouseEvent>
#include <QtTest/QTest>

#include "../FakeThemeModule.h"
#include "RUzaVodedUzi.h"
#include "USysColors.h"

namespace {

QImage Paint(RUzaVodedUzi& box) {
  QImage image(box.width(), box.height(), QImage::Format_RGB32);
  image.fill(Qt::white);
  TCanvas canvas(&image);
  box.PaintBox(canvas);
  canvas.Release();
  return image;
}

class CheckBox : public ::testing::Test {
 protected:
  void SetUp() override {
    UseFakeTheme(false);
    Form.resize(200, 100);
  }
  void TearDown() override { DropFakeTheme(); }
  // A shown box with the focus, as a user's click would find it.
  void Focus(RUzaVodedUzi& box) {
    Form.show();
    box.show();
    box.setFocus();
  }
  QWidget Form;
};

TEST_F(CheckBox, Defaults) {
  RUzaVodedUzi box(&Form);
  EXPECT_EQ(box.size(), QSize(98, 20));
  EXPECT_EQ(box.Caption(), QStringLiteral("RUzaVodedUzi"));
  EXPECT_EQ(box.State(), RUzaVodedUzi::cbUnchecked);
  EXPECT_EQ(box.ButtonVertAlign(), RUzaVodedUzi::tlTop);
  EXPECT_FALSE(box.ReadOnly());
  EXPECT_FALSE(box.Transparent());
}

TEST_F(CheckBox, ToggleTable) {
  RUzaVodedUzi box(&Form);
  struct Case {
    RUzaVodedUzi::TCheckBoxState from, to;
    bool readOnly;
  } cases[] = {{RUzaVodedUzi::cbUnchecked, RUzaVodedUzi::cbChecked, false},
               {RUzaVodedUzi::cbChecked, RUzaVodedUzi::cbUnchecked, false},
               {RUzaVodedUzi::cbGrayed, RUzaVodedUzi::cbChecked, false},
               {RUzaVodedUzi::cbGrayed, RUzaVodedUzi::cbGrayed, true},
               {RUzaVodedUzi::cbChecked, RUzaVodedUzi::cbChecked, true}};
  for (const Case& c : cases) {
    box.SetReadOnly(false);
    box.SetState(c.from);
    box.SetReadOnly(c.readOnly);
    box.Toggle();
    EXPECT_EQ(box.State(), c.to) << c.from << " " << c.readOnly;
  }
  box.SetReadOnly(false);
  box.SetChecked(true);
  EXPECT_TRUE(box.Checked());
}

TEST_F(CheckBox, ClickTogglesOnlyWhenReleasedInside) {
  RUzaVodedUzi box(&Form);
  Focus(box);
  int clicks = 0;
  box.OnClick = [&](RUzaVodedUzi* sender) {
    ++clicks;
    EXPECT_FALSE(sender->ClicksDisabled());
  };
  QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(5, 8));
  EXPECT_TRUE(box.Down());
  QMouseEvent away(QEvent::MouseMove, QPointF(150, 8), box.mapToGlobal(QPointF(150, 8)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(&box, &away);
  EXPECT_FALSE(box.Down());
  QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(150, 8));
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(box.State(), RUzaVodedUzi::cbUnchecked);
  QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(98, 20));  // the edges count as inside
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(box.State(), RUzaVodedUzi::cbChecked);
  EXPECT_FALSE(box.Down());
  box.SetReadOnly(true);
  QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 8));
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(box.State(), RUzaVodedUzi::cbChecked);
}

TEST_F(CheckBox, SpaceTogglesOnReleaseAndReturnCanActAsTab) {
  RUzaVodedUzi box(&Form), next(&Form);
  Focus(box);
  next.show();
  int clicks = 0;
  box.OnClick = [&](RUzaVodedUzi*) { ++clicks; };
  QTest::keyPress(&box, Qt::Key_Space);
  EXPECT_TRUE(box.Down());
  EXPECT_EQ(box.State(), RUzaVodedUzi::cbUnchecked);
  QTest::keyRelease(&box, Qt::Key_Space);
  EXPECT_FALSE(box.Down());
  EXPECT_EQ(box.State(), RUzaVodedUzi::cbChecked);
  EXPECT_EQ(clicks, 1);
  box.SetReadOnly(true);
  QTest::keyClick(&box, Qt::Key_Space);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(box.State(), RUzaVodedUzi::cbChecked);
  box.SetReturnIsTab(true);
  QTest::keyClick(&box, Qt::Key_Return);
  EXPECT_EQ(Form.focusWidget(), &next);
}

TEST_F(CheckBox, ThemedStateTable) {
  UseFakeTheme(true);
  RUzaVodedUzi box(&Form);
  struct Case {
    RUzaVodedUzi::TCheckBoxState state;
    bool enabled, down, hot;
    int want;
  } cases[] = {
      {RUzaVodedUzi::cbUnchecked, true, false, false, 1}, {RUzaVodedUzi::cbUnchecked, true, false, true, 2},
      {RUzaVodedUzi::cbUnchecked, true, true, true, 3},   {RUzaVodedUzi::cbUnchecked, false, true, true, 4},
      {RUzaVodedUzi::cbChecked, true, false, false, 5},   {RUzaVodedUzi::cbChecked, true, false, true, 6},
      {RUzaVodedUzi::cbChecked, true, true, false, 7},    {RUzaVodedUzi::cbChecked, false, false, false, 8},
      {RUzaVodedUzi::cbGrayed, true, false, false, 9},    {RUzaVodedUzi::cbGrayed, true, false, true, 10},
      {RUzaVodedUzi::cbGrayed, true, true, false, 11},    {RUzaVodedUzi::cbGrayed, false, false, true, 12},
  };
  for (const Case& c : cases) {
    box.SetState(c.state);
    box.setEnabled(c.enabled);
    box.SetDown(c.down);
    QEvent hover(c.hot ? QEvent::Enter : QEvent::Leave);
    if (c.hot) {
      QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
      QCoreApplication::sendEvent(&box, &enter);
    } else {
      QCoreApplication::sendEvent(&box, &hover);
    }
    TFakeTheme::Calls.clear();
    const QImage image = Paint(box);
    EXPECT_EQ(TFakeTheme::Calls,
              QStringList({"open button", QStringLiteral("draw 3 %1 (0,4,14,18)").arg(c.want), "close"}))
        << c.want;
    EXPECT_EQ(QColorToTColor(QColor::fromRgb(image.pixel(0, 4))), TFakeTheme::Marker);
  }
}

TEST_F(CheckBox, BoxPlacesThemedAndClassic) {
  RUzaVodedUzi box(&Form);
  box.resize(100, 30);
  struct Case {
    TAlignment alignment;
    RUzaVodedUzi::TTextLayout layout;
    TRect themed, classic;
  } cases[] = {
      {taLeftJustify, RUzaVodedUzi::tlTop, {0, 4, 14, 18}, {0, 4, 13, 17}},
      {taRightJustify, RUzaVodedUzi::tlCenter, {85, 9, 99, 23}, {87, 9, 100, 22}},
      {taLeftJustify, RUzaVodedUzi::tlBottom, {0, 16, 14, 30}, {0, 13, 13, 26}},
  };
  for (const Case& c : cases) {
    box.SetAlignment(c.alignment);
    box.SetButtonVertAlign(c.layout);
    UseFakeTheme(false);
    EXPECT_EQ(box.BoxRect(), c.classic);
    UseFakeTheme(true);
    EXPECT_EQ(box.BoxRect(), c.themed);
  }
}

TEST_F(CheckBox, ClassicBoxShowsTickGreyAndDisabledCaption) {
  RUzaVodedUzi box(&Form);
  box.SetColor(clWhite);
  box.SetChecked(true);
  QImage ticked = Paint(box);
  EXPECT_EQ(ticked.pixel(6, 13), QColor(0, 0, 0).rgb());  // the tick
  EXPECT_EQ(ticked.pixel(3, 7), QColor(255, 255, 255).rgb());
  box.SetState(RUzaVodedUzi::cbGrayed);
  const QImage grey = Paint(box);
  EXPECT_EQ(QColorToTColor(QColor::fromRgb(grey.pixel(3, 7))), ColorToRGB(clBtnFace));
  box.SetState(RUzaVodedUzi::cbUnchecked);
  box.setEnabled(false);
  const QImage disabled = Paint(box);
  int greyText = 0;
  for (int y = 0; y < disabled.height(); ++y) {
    for (int x = 15; x < disabled.width(); ++x) greyText += disabled.pixel(x, y) == qRgb(0x80, 0x80, 0x80);
  }
  EXPECT_GT(greyText, 0);
}

TEST_F(CheckBox, TransparentCacheIsDroppedByMovingOrResizing) {
  QPalette palette = Form.palette();
  palette.setColor(QPalette::Window, QColor(10, 20, 30));
  Form.setPalette(palette);
  Form.setAutoFillBackground(true);
  RUzaVodedUzi box(&Form);
  box.move(10, 10);
  box.SetTransparent(true);
  box.SetTransparentChaching(true);
  const QImage image = Paint(box);
  EXPECT_TRUE(box.BackgroundCached());
  EXPECT_EQ(image.pixel(50, 2), qRgb(10, 20, 30));
  box.SetBounds(20, 20, 98, 20);
  EXPECT_FALSE(box.BackgroundCached());
  Paint(box);
  EXPECT_TRUE(box.BackgroundCached());
  Form.show();
  box.show();
  box.resize(120, 20);
  EXPECT_FALSE(box.BackgroundCached());
}

TEST_F(CheckBox, AcceleratorTogglesAndTakesTheFocus) {
  RUzaVodedUzi box(&Form);
  box.SetCaption(QStringLiteral("&Match case"));
  Form.show();
  box.show();
  EXPECT_FALSE(box.DialogChar(QLatin1Char('x')));
  EXPECT_TRUE(box.DialogChar(QLatin1Char('m')));
  EXPECT_TRUE(box.Checked());
}

}  // namespace
