// The drop-down edit: its defaults, the popup's life cycle and placement, and the value a cancel brings back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTest>

#include "TPinnedFormat.h"
#include "UDropDownEditButton.h"
#include "UDropDownForm.h"
#include "UQrvCustomDropDown.h"

namespace {

// A drop-down with an inner control, shown in a window of its own.
struct TShownDropDown {
  TShownDropDown() {
    Window.resize(400, 200);
    DropDown = new TQrvCustomDropDown(&Window);
    DropDown->move(10, 10);
    Inner = new QWidget;
    Inner->resize(150, 100);
    DropDown->SetControl(Inner);
    Window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window));
    DropDown->setFocus();
  }
  // Puts the window's top-left corner at a screen point.
  void MoveWindowTo(QPoint p) {
    Window.move(p);
    QApplication::processEvents();
  }
  QWidget Window;
  TQrvCustomDropDown* DropDown;
  QWidget* Inner;
};

TEST(DropDown, DefaultsOfANewControl) {
  TQrvCustomDropDown d;
  EXPECT_EQ(d.width(), 200);
  EXPECT_EQ(d.height(), 21);
  EXPECT_EQ(d.Button()->width(), 17);
  EXPECT_EQ(d.Button()->geometry().right(), d.width() - 3);
  EXPECT_EQ(d.GetComponentStyle(), tsOffice2007Luna);
  EXPECT_EQ(d.DropDownColor(), 0xF3E5DAu);
  EXPECT_EQ(d.Version(), "1.2.1.4");
  EXPECT_EQ(d.SelectionColor, 0xD7FFFDu);
  EXPECT_EQ(d.DropDownBorderWidth(), 1);
  EXPECT_TRUE(d.DropDownSizeable());
  EXPECT_EQ(d.DropPosition(), dpAuto);
  EXPECT_FALSE(d.DroppedDown());
}

TEST(DropDown, ValueByEditTypeAndPrecision) {
  TPinnedFormat format;
  TQrvCustomDropDown d;
  d.Suffix = " kg";
  d.SetEditType(etFloat);
  d.SetPrecision(2);
  d.SetEditValue("3");
  EXPECT_EQ(d.text(), "3.00 kg");
  EXPECT_EQ(d.Text(), "3.00");
  d.SetFloatValue(1.5);
  EXPECT_EQ(d.Text(), "1.50");
  // Precision is not stored for a type that has none.
  d.SetEditType(etNumeric);
  d.SetPrecision(4);
  EXPECT_EQ(d.Precision(), 2);
  d.SetEditType(etMoney);
  d.SetFloatValue(1234567.5);
  EXPECT_EQ(d.Text(), "1,234,567.50");
  d.SetEditType(etHex);
  d.SetIntValue(255);
  EXPECT_EQ(d.Text(), "FF");
  EXPECT_EQ(d.GetFloatValue(), 255);
}

TEST(DropDown, OpeningAndClosingFireTheirEventsInOrder) {
  TShownDropDown s;
  QStringList events;
  auto& d = *s.DropDown;
  d.OnBeforeDropDown = [&](TQrvCustomDropDown*) { events << "before-drop-down"; };
  d.OnDropDown = [&](TQrvCustomDropDown* dd, bool&) {
    events << QString("drop-down visible=%1").arg(dd->DropDownForm()->isVisible());
  };
  d.OnBeforeDropUp = [&](TQrvCustomDropDown* dd) {
    events << QString("before-drop-up dropped=%1").arg(dd->DroppedDown());
  };
  d.OnDropUp = [&](TQrvCustomDropDown* dd, bool cancelled) {
    events << QString("drop-up cancelled=%1 dropped=%2 visible=%3")
                  .arg(cancelled)
                  .arg(dd->DroppedDown())
                  .arg(dd->DropDownForm()->isVisible());
  };
  d.ShowDropDown();
  EXPECT_TRUE(d.DroppedDown());
  EXPECT_TRUE(d.DropDownForm()->isVisible());
  EXPECT_TRUE(d.DropDownForm()->windowFlags() & Qt::Popup);
  EXPECT_EQ(s.Inner->parentWidget(), d.DropDownForm());
  d.HideDropDown(false);
  EXPECT_EQ(events, QStringList({"before-drop-down", "drop-down visible=0", "before-drop-up dropped=1",
                                 "drop-up cancelled=0 dropped=0 visible=0"}));
  // A refused opening shows nothing and leaves the drop-down closed.
  events.clear();
  d.OnDropDown = [&](TQrvCustomDropDown*, bool& accept) { accept = false; };
  d.ShowDropDown();
  EXPECT_FALSE(d.DroppedDown());
  EXPECT_FALSE(d.DropDownForm()->isVisible());
  EXPECT_EQ(events, QStringList({"before-drop-down"}));
}

TEST(DropDown, EscapeBringsBackTheValueThePopupOpenedWith) {
  TShownDropDown s;
  auto& d = *s.DropDown;
  d.SetEditValue("set by code");
  // The user's edit before the opening is what a cancel returns to, not the text set by code.
  d.setText("typed");
  d.ShowDropDown();
  d.setText("changed while open");
  bool cancelled = false;
  d.OnDropUp = [&](TQrvCustomDropDown*, bool c) { cancelled = c; };
  QTest::keyClick(&d, Qt::Key_Escape);
  EXPECT_FALSE(d.DroppedDown());
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(d.Text(), "typed");
  // Enter keeps what the popup left.
  d.ShowDropDown();
  d.setText("kept");
  QTest::keyClick(&d, Qt::Key_Return);
  EXPECT_EQ(d.Text(), "kept");
}

TEST(DropDown, KeysToggleThePopupAndAPopupKeyReachesTheEdit) {
  TShownDropDown s;
  auto& d = *s.DropDown;
  QTest::keyClick(&d, Qt::Key_Down, Qt::AltModifier);
  EXPECT_TRUE(d.DroppedDown());
  QTest::keyClick(&d, Qt::Key_F4);
  EXPECT_FALSE(d.DroppedDown());
  QTest::keyClick(&d, Qt::Key_F4);
  ASSERT_TRUE(d.DroppedDown());
  // A key pressed in the inner control is the edit's: Escape closes, cancelled.
  QTest::keyClick(s.Inner, Qt::Key_Escape);
  EXPECT_FALSE(d.DroppedDown());
}

TEST(DropDown, PlacementBelowAboveAndAtTheWorkAreasRightEdge) {
  TShownDropDown s;
  auto& d = *s.DropDown;
  const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  s.MoveWindowTo(QPoint(work.left() + 20, work.top() + 20));
  QPoint origin = d.mapToGlobal(QPoint(0, 0));
  d.ShowDropDown();
  EXPECT_EQ(d.DropDownForm()->geometry().topLeft(), QPoint(origin.x(), origin.y() + d.height() - 1));
  EXPECT_EQ(d.DropDownForm()->size(), QSize(150, 102));
  d.HideDropDown(false);

  // Near the bottom: above, ending where the drop-down starts; with dpDown, below regardless.
  s.MoveWindowTo(QPoint(work.left() + 20, screen.bottom() - 60));
  origin = d.mapToGlobal(QPoint(0, 0));
  d.ShowDropDown();
  EXPECT_EQ(d.DropDownForm()->geometry().top(), origin.y() - d.DropDownForm()->height());
  d.HideDropDown(false);
  d.SetDropPosition(dpDown);
  d.ShowDropDown();
  EXPECT_EQ(d.DropDownForm()->geometry().top(), origin.y() + d.height() - 1);
  d.HideDropDown(false);

  // Wider than the room to the right: shifted left to end at the work area's right edge.
  d.SetDropDownWidth(300);
  s.MoveWindowTo(QPoint(work.right() - 150, work.top() + 20));
  d.ShowDropDown();
  EXPECT_EQ(d.DropDownForm()->geometry().right(), work.right());
  d.HideDropDown(false);
}

TEST(DropDown, AUserSizeIsKeptUntilTheWidthIsSetAndNeverBelowTheMinimum) {
  TShownDropDown s;
  auto& d = *s.DropDown;
  d.ShowDropDown();
  d.DropDownForm()->resize(260, 180);
  d.HideDropDown(false);
  d.ShowDropDown();
  EXPECT_EQ(d.DropDownForm()->size(), QSize(260, 180));
  d.DropDownForm()->resize(10, 10);
  EXPECT_EQ(d.DropDownForm()->size(), QSize(80, 50));
  d.HideDropDown(false);
  d.SetDropDownWidth(120);
  d.ShowDropDown();
  EXPECT_EQ(d.DropDownForm()->width(), 120);
}

TEST(DropDown, APressOutsideClosesAndTheSameClickDoesNotReopen) {
  TShownDropDown s;
  auto& d = *s.DropDown;
  // Close to the counter's wrap: the guard must survive it.
  uint32_t now = 0xFFFFFF00u;
  Set_DropDown_Tick_Source([&] { return now; });
  bool cancelled = false;
  d.OnDropUp = [&](TQrvCustomDropDown*, bool c) { cancelled = c; };
  d.ShowDropDown();
  d.setText("open");
  // The platform hides a pop-up when a press lands outside it.
  d.DropDownForm()->hide();
  EXPECT_FALSE(d.DroppedDown());
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(d.DropDownForm()->DeActivateTime(), 0xFFFFFF00u);
  now += 100;
  d.ButtonClick();
  EXPECT_FALSE(d.DroppedDown());
  now += 200;  // wrapped past zero
  d.ButtonClick();
  EXPECT_TRUE(d.DroppedDown());
  d.HideDropDown(false);
  Set_DropDown_Tick_Source({});
}

TEST(DropDown, ADisabledOrReadOnlyDropDownDoesNotOpen) {
  TShownDropDown s;
  auto& d = *s.DropDown;
  d.setReadOnly(true);
  d.ShowDropDown();
  EXPECT_FALSE(d.DroppedDown());
  d.setReadOnly(false);
  d.setEnabled(false);
  d.ShowDropDown();
  EXPECT_FALSE(d.DroppedDown());
  EXPECT_FALSE(d.Button()->isEnabled());
}

}  // namespace
