// The balloon window: its shape around the texts, where its stem points, its colours, its timing, and the grid
// view making it, arming it over cells and popping it on leaving a cell; and the view's grid timer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

#include "UBalloonWindow.h"
#include "UGridView.h"
#include "UQrvStringGrid.h"
#include "USysColors.h"

namespace {

// Runs the event loop until the condition holds or the time is up; answers the condition.
bool Wait_For(const std::function<bool()>& done, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < ms) {
    QApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  return done();
}

void Run_For(int ms) {
  Wait_For([] { return false; }, ms);
}

QImage Grab(QWidget& w, const char* name) {
  const QImage image = w.grab().toImage();
  const QString folder = qEnvironmentVariable("TARN_GRID_HINT_GALLERY");
  if (!folder.isEmpty()) {
    QDir().mkpath(folder);
    image.scaled(image.size() * 3).save(QDir(folder).filePath(QString::fromLatin1(name) + "_x3.png"));
  }
  return image;
}

TCellBalloon Balloon(const QString& title, const QString& text, TBalloonIcon icon) {
  TCellBalloon b;
  b.Title = title;
  b.Text = text;
  b.Icon = icon;
  return b;
}

QPoint Screen_Middle() {
  return QGuiApplication::primaryScreen()->availableGeometry().center();
}

}  // namespace

TEST(BalloonWindow, TheStemPointsAtTheMouseAndTheBalloonGrowsWithItsTextUpToItsWidth) {
  TBalloonWindow w;
  const QPoint at = Screen_Middle();
  w.ShowBalloon(at, Balloon(QStringLiteral("Title"), QStringLiteral("short"), biInfo));
  ASSERT_TRUE(w.isVisible());
  EXPECT_EQ(w.Title(), QStringLiteral("Title"));
  EXPECT_EQ(w.Text(), QStringLiteral("short"));
  EXPECT_EQ(w.Icon(), biInfo);
  EXPECT_TRUE(w.StemOnTop());
  EXPECT_EQ(w.StemTip(), at);
  const QSize small = w.size();
  EXPECT_LT(small.width(), TBalloonWindow::MaxWidth);

  QString longText;
  for (int i = 0; i < 60; ++i) longText += QStringLiteral("word%1 ").arg(i);
  w.ShowBalloon(at, Balloon(QStringLiteral(" "), longText, biNone));
  EXPECT_LE(w.width(), TBalloonWindow::MaxWidth) << "a long text wraps at the balloon's width";
  EXPECT_GT(w.width(), TBalloonWindow::MaxWidth - 60);
  EXPECT_GT(w.height(), 3 * small.height());
  EXPECT_EQ(w.StemTip(), at);
  Grab(w, "balloon_long");

  // At the screen's bottom edge the balloon stands over the point; at its right edge it moves left.
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  const QPoint corner(area.right() - 3, area.bottom() - 3);
  w.ShowBalloon(corner, Balloon(QStringLiteral("Edge"), QStringLiteral("at the corner"), biWarning));
  EXPECT_FALSE(w.StemOnTop());
  EXPECT_LE(w.geometry().right(), area.right());
  EXPECT_LE(w.geometry().bottom(), area.bottom());
  EXPECT_EQ(w.StemTip().y(), corner.y());
  EXPECT_NEAR(w.StemTip().x(), corner.x(), 8) << "the stem stays near the point, inside the rounded corner";
}

TEST(BalloonWindow, ColoursTitleIconAndTransparency) {
  TBalloonWindow w;
  w.SetColors(clNone, clNone);
  EXPECT_EQ(w.BackgroundColor(), QToolTip::palette().color(QPalette::ToolTipBase));
  w.SetColors(0x0000FF, 0x00FFFF);  // red text on yellow
  w.ShowBalloon(Screen_Middle(), Balloon(QStringLiteral("Error"), QStringLiteral("text"), biError));
  const QImage shot = Grab(w, "balloon_colours");
  const int bodyTop = TBalloonWindow::StemHeight;
  // Inside the body, away from texts: the background colour.
  EXPECT_EQ(QColor(shot.pixel(w.width() - 4, w.height() - 4)), QColor(255, 255, 0));
  bool red = false, iconRed = false;
  for (int y = bodyTop; y < shot.height(); ++y)
    for (int x = 30; x < shot.width(); ++x)
      if (QColor(shot.pixel(x, y)) == QColor(255, 0, 0)) red = true;
  // The error icon's red disc left of the title.
  for (int y = bodyTop + 8; y < bodyTop + 24; ++y)
    for (int x = 8; x < 24; ++x)
      if (QColor(shot.pixel(x, y)).red() > 180 && QColor(shot.pixel(x, y)).green() < 80) iconRed = true;
  EXPECT_TRUE(red) << "the text is drawn in the text colour";
  EXPECT_TRUE(iconRed);
  // Outside the balloon's rounded shape nothing is painted.
  EXPECT_EQ(qAlpha(shot.pixel(0, 0)), 0);

  w.SetTransparency(0);
  EXPECT_DOUBLE_EQ(w.windowOpacity(), 1.0);
  w.SetTransparency(55);
  EXPECT_NEAR(w.windowOpacity(), 200 / 255.0, 0.01);
}

TEST(BalloonWindow, WaitsItsDelayAsksThenHidesAfterTheAutoHideDelay) {
  TBalloonWindow w;
  w.SetDelays(-1, -1, -1);
  const int wake = QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay);
  EXPECT_EQ(w.InitialDelay(), wake) << "-1 keeps the toolkit's timing";
  EXPECT_EQ(w.ReshowDelay(), wake / 5);
  EXPECT_EQ(w.AutoHideDelay(), wake * 10);

  w.SetDelays(60, 0, 150);
  int asked = 0;
  w.Arm(Screen_Middle(), [&](TCellBalloon& b) {
    ++asked;
    b = Balloon(QStringLiteral("T"), QStringLiteral("shown"), biInfo);
    return true;
  });
  EXPECT_TRUE(w.Armed());
  Run_For(20);
  EXPECT_FALSE(w.isVisible()) << "not before the initial delay";
  ASSERT_TRUE(Wait_For([&] { return w.isVisible(); }, 2000));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(w.Text(), QStringLiteral("shown"));
  EXPECT_TRUE(Wait_For([&] { return !w.isVisible(); }, 2000)) << "gone after the auto-hide delay";

  // A refused balloon shows nothing; a popped one is never asked for.
  w.SetDelays(0, 0, 1000);
  w.Arm(Screen_Middle(), [&](TCellBalloon&) {
    ++asked;
    return false;
  });
  Run_For(50);
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(w.isVisible());
  w.SetDelays(30, 30, 1000);
  w.Arm(Screen_Middle(), [&](TCellBalloon&) {
    ++asked;
    return true;
  });
  w.Pop();
  Run_For(80);
  EXPECT_EQ(asked, 2);
}

namespace {
struct TBalloonView {
  TBalloonView() : View(std::make_unique<TQrvStringGrid>()) {
    View.setFrameShape(QFrame::NoFrame);
    View.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    View.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid().SetColCount(4);
    Grid().SetRowCount(4);
    Grid().SetDefaultColWidth(50);
    Grid().SetDefaultRowHeight(20);
    View.resize(200, 80);
    View.show();
  }
  TQrvStringGrid& Grid() { return static_cast<TQrvStringGrid&>(View.Grid()); }
  void Move(int x, int y) {
    QMouseEvent move(QEvent::MouseMove, QPointF(x, y), View.viewport()->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(View.viewport(), &move);
  }
  int Balloon_Windows() {
    int n = 0;
    for (QObject* child : View.children()) n += dynamic_cast<TBalloonWindow*>(child) != nullptr;
    return n;
  }
  TGridView View;
};
}  // namespace

TEST(GridViewBalloon, OneWindowWhileEnabledShownOverACellAndPoppedInTheNext) {
  TBalloonView s;
  TQrvStringGrid& g = s.Grid();
  g.SetCells(1, 1, QStringLiteral("first cell"));
  g.SetCells(2, 1, QStringLiteral("second cell"));
  EXPECT_EQ(s.View.BalloonWindow(), nullptr);
  g.Balloon.InitialDelay = 10;
  g.Balloon.ReshowDelay = 10;
  g.Balloon.AutoHideDelay = 5000;
  g.Balloon.BackgroundColor = 0xE0FFFF;
  g.Balloon.SetEnable(true);
  g.Balloon.SetEnable(false);
  g.Balloon.SetEnable(true);
  Run_For(10);  // a dropped window goes with the next turn of the loop
  ASSERT_NE(s.View.BalloonWindow(), nullptr);
  EXPECT_EQ(s.Balloon_Windows(), 1);
  TBalloonWindow& w = *s.View.BalloonWindow();

  s.Move(70, 30);  // cell (1, 1)
  ASSERT_TRUE(Wait_For([&] { return w.isVisible(); }, 2000));
  EXPECT_EQ(w.Text(), QStringLiteral("first cell"));
  EXPECT_EQ(w.StemTip(), s.View.viewport()->mapToGlobal(QPoint(70, 30)));
  EXPECT_EQ(w.BackgroundColor(), TColorToQColor(0xE0FFFF));
  EXPECT_EQ(g.LastBalloonPos().X, 1);
  s.Move(80, 35);  // same cell: it stays
  EXPECT_TRUE(w.isVisible());
  s.Move(120, 30);  // cell (2, 1): popped, then the next one comes
  EXPECT_FALSE(w.isVisible());
  ASSERT_TRUE(Wait_For([&] { return w.isVisible(); }, 2000));
  EXPECT_EQ(w.Text(), QStringLiteral("second cell"));

  g.Balloon.SetEnable(false);
  Run_For(10);
  EXPECT_EQ(s.View.BalloonWindow(), nullptr);
  EXPECT_EQ(s.Balloon_Windows(), 0);
}

TEST(GridViewBalloon, ABalloonThatHidItselfComesBackOnlyInAnotherCell) {
  TBalloonView s;
  TQrvStringGrid& g = s.Grid();
  g.SetCells(1, 1, QStringLiteral("cell"));
  g.Balloon.InitialDelay = 10;
  g.Balloon.ReshowDelay = 10;
  g.Balloon.AutoHideDelay = 60;
  g.Balloon.SetEnable(true);
  TBalloonWindow& w = *s.View.BalloonWindow();
  s.Move(70, 30);
  ASSERT_TRUE(Wait_For([&] { return w.isVisible(); }, 2000));
  ASSERT_TRUE(Wait_For([&] { return !w.isVisible(); }, 2000));
  s.Move(75, 32);
  Run_For(80);
  EXPECT_FALSE(w.isVisible());
  s.Move(120, 30);
  EXPECT_TRUE(Wait_For([&] { return w.isVisible(); }, 2000));
}

TEST(GridViewTimer, BlinkingCellsAreRepaintedEveryHalfSecond) {
  TBalloonView s;
  TQrvStringGrid& g = s.Grid();
  EXPECT_TRUE(s.View.GridTimer().isActive());
  EXPECT_EQ(s.View.GridTimer().interval(), 500);
  g.EnableHTML = true;
  g.SetCells(2, 2, QStringLiteral("<BLINK>on</BLINK>"));
  struct TPaints : QObject {
    QRegion Painted;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) Painted += static_cast<QPaintEvent*>(e)->region();
      return false;
    }
  } paints;
  const int ticks = g.TimerTicks();
  Run_For(50);
  s.View.viewport()->installEventFilter(&paints);
  g.EnableBlink = true;
  ASSERT_TRUE(Wait_For([&] { return g.TimerTicks() > ticks + 1; }, 3000));
  Run_For(20);
  const TRect cell = g.CellRect(2, 2);
  EXPECT_TRUE(paints.Painted.contains(QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2)));
  EXPECT_FALSE(paints.Painted.contains(QPoint(25, 50))) << "cells without a blink tag are left alone";
}
