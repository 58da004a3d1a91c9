// The combo box: picking items and the events that go with it, its colours through a focus spell (a combo made at
// run time included), the flat look while disabled, the button width's range, the label's places, and when it
// paints its own border and button.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "UQsgCombo.h"
#include "USysColors.h"

namespace {

class ComboTest : public ::testing::Test {
 protected:
  ComboTest() {
    Window.resize(400, 200);
    Combo = new TQsgComboBox(&Window);
    Combo->SetBounds(150, 80, 120, 22);
    Combo->addItems({"Anonymous", "Username and Password", "Certificate"});
    Other = new QLineEdit(&Window);
    Other->setGeometry(10, 160, 100, 22);
    Window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window));
    Window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
    Focus(Other);  // the combo, first in the tab order, would otherwise start focused
  }
  void Focus(QWidget* w) {
    w->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }
  QImage Grab() { return Combo->grab().toImage(); }
  TColor Pixel(const QImage& image, int x, int y) { return QColorToTColor(image.pixelColor(x, y)); }

  QWidget Window;
  TQsgComboBox* Combo = nullptr;
  QLineEdit* Other = nullptr;
};

TEST_F(ComboTest, SelectItemFindsTheExactTextOrChangesNothing) {
  Combo->SetItemIndex(0);
  Combo->SelectItem("Certificate");
  EXPECT_EQ(Combo->ItemIndex(), 2);
  Combo->SelectItem("certificate");  // the list's exact search ignores letter case
  EXPECT_EQ(Combo->ItemIndex(), 2);
  Combo->SelectItem("Cert");
  Combo->SelectItem("Kerberos");
  EXPECT_EQ(Combo->ItemIndex(), 2);
}

TEST_F(ComboTest, PickingFromTheListFiresSelectChangeAndDropUp) {
  QStringList events;
  Combo->SetStyle(csDropDownList);
  Combo->OnDropDown = [&](TQsgCustomCombo*) { events << "dropdown"; };
  Combo->OnSelect = [&](TQsgCustomCombo* c) { events << "select " + c->Text(); };
  Combo->OnChange = [&](TQsgCustomCombo*) { events << "change"; };
  Combo->OnDropUp = [&](TQsgCustomCombo*) { events << "dropup"; };
  Combo->SetItemIndex(0);  // from code: no event
  EXPECT_TRUE(events.isEmpty());
  Focus(Combo);
  Combo->showPopup();
  QApplication::processEvents();
  QAbstractItemView* view = Combo->view();
  const QModelIndex target = view->model()->index(1, 0);
  view->setCurrentIndex(target);
  QTest::keyClick(view, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(Combo->ItemIndex(), 1);
  EXPECT_EQ(events, QStringList({"dropdown", "dropup", "select Username and Password", "change"}));
}

TEST_F(ComboTest, TypingIntoAnEditableComboFiresChange) {
  int changes = 0;
  Combo->OnChange = [&](TQsgCustomCombo*) { ++changes; };
  Combo->SetText("Anon");  // from code: no event
  EXPECT_EQ(changes, 0);
  Focus(Combo);
  Combo->lineEdit()->selectAll();
  QTest::keyClicks(Combo->lineEdit(), "ab");
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(Combo->Text(), "ab");
}

TEST_F(ComboTest, FocusColourComesAndGoesBackToTheColour) {
  Combo->SetColor(clYellow);
  Combo->SetFocusColor(clAqua);
  int enters = 0, exits = 0;
  Combo->OnEnter = [&](TQsgCustomCombo*) { ++enters; };
  Combo->OnExit = [&](TQsgCustomCombo*) { ++exits; };
  Focus(Combo);
  EXPECT_EQ(Combo->Color(), clAqua);
  EXPECT_TRUE(Combo->HasFocus());
  Focus(Other);
  EXPECT_EQ(Combo->Color(), clYellow);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(exits, 1);
}

TEST_F(ComboTest, ComboMadeAtRunTimeTakesItsNormalColourFromItsColour) {
  // Never loaded from a form and never given Init: leaving must not paint it in a colour nobody chose.
  auto* combo = new TQsgComboBox(&Window);
  combo->setGeometry(150, 120, 100, 22);
  combo->show();
  combo->SetFocusColor(clAqua);
  EXPECT_EQ(combo->NormalColor(), clWindow);
  Focus(combo);
  Focus(Other);
  EXPECT_EQ(combo->Color(), clWindow);
  combo->SetColor(clLime);  // a cell's colour given by the grid
  Focus(combo);
  EXPECT_EQ(combo->Color(), clAqua);
  Focus(Other);
  EXPECT_EQ(combo->Color(), clLime);
}

TEST_F(ComboTest, FlatComboShowsItsParentWhileDisabled) {
  QPalette p = Window.palette();
  p.setColor(QPalette::Window, QColor(0x40, 0x80, 0xC0));
  Window.setPalette(p);
  Combo->SetFlatParentColor(false);
  Combo->SetFlat(true);
  Combo->SetColor(clYellow);
  Combo->SetEnabled(false);
  EXPECT_TRUE(Combo->ParentColor());
  EXPECT_EQ(Combo->Color(), RGB(0x40, 0x80, 0xC0));
  Combo->SetEnabled(true);
  EXPECT_FALSE(Combo->ParentColor());
  EXPECT_EQ(Combo->Color(), clYellow);
}

TEST_F(ComboTest, ButtonWidthOnlyFrom14To32) {
  EXPECT_EQ(Combo->ButtonWidth(), 19);
  for (int refused : {13, 33, 0, -5}) {
    Combo->SetButtonWidth(refused);
    EXPECT_EQ(Combo->ButtonWidth(), 19) << refused;
  }
  Combo->SetButtonWidth(14);
  EXPECT_EQ(Combo->ButtonWidth(), 14);
  Combo->SetButtonWidth(32);
  EXPECT_EQ(Combo->ButtonWidth(), 32);
}

TEST_F(ComboTest, LabelStandsInItsPlace) {
  EXPECT_EQ(Combo->ComboLabel(), nullptr);
  EXPECT_EQ(Combo->LabelCaption(), "");
  Combo->SetLabelCaption("Mode");
  QLabel* label = Combo->ComboLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->parentWidget(), &Window);
  const int tw = QFontMetrics(label->font()).horizontalAdvance("Mode");
  const int lw = label->width(), lh = label->height(), M = 4;
  const int L = 150, T = 80, W = 120, H = 22;
  struct TCase {
    TLabelPosition Position;
    QPoint At;
  } cases[] = {
      {lpLeftTop, {L - tw - M, T}},
      {lpLeftCenter, {L - tw - M, T + (H - lh) / 2}},
      {lpLeftBottom, {L - tw - M, T + H - lh}},
      {lpTopLeft, {L, T - lh - M}},
      {lpBottomLeft, {L, T + H + M}},
      {lpLeftTopLeft, {L - M, T}},
      {lpTopCenter, {L + (W - lw) / 2, T - lh - M}},
      {lpBottomCenter, {L + (W - lw) / 2, T + H + M}},
      {lpRightTop, {L + W + M, T}},
      {lpRightCenter, {L + W + M, T + (H - lh) / 2}},
      {lpRighBottom, {L + W + M, T + H - lh}},
  };
  for (const TCase& c : cases) {
    Combo->SetLabelPosition(c.Position);
    EXPECT_EQ(label->pos(), c.At) << int(c.Position);
  }
  // Moving the combo takes the label along; hiding it hides the label; disabling greys it.
  Combo->SetLabelPosition(lpLeftTop);
  Combo->SetBounds(160, 90, 120, 22);
  EXPECT_EQ(label->pos(), QPoint(160 - tw - M, 90));
  Combo->SetEnabled(false);
  EXPECT_FALSE(label->isEnabled());
  Combo->SetEnabled(true);
  Combo->SetVisible(false);
  EXPECT_TRUE(label->isHidden());
}

TEST_F(ComboTest, LabelTallerThanTheComboStandsAboveItsTop) {
  Combo->SetLabelCaption("Mode");
  QFont big = Combo->ComboLabel()->font();
  big.setPixelSize(40);
  Combo->SetParentFont(false);
  Combo->SetLabelFont(big);
  Combo->SetLabelPosition(lpRightCenter);
  QLabel* label = Combo->ComboLabel();
  ASSERT_GT(label->height(), 22);
  EXPECT_EQ(label->y(), 80 + (22 - label->height()) / 2);
  EXPECT_LT(label->y(), 80);
}

TEST_F(ComboTest, OwnBorderAndButtonOnlyWhenAColourOrFlatAsksForThem) {
  EXPECT_FALSE(Combo->Own_Painting());
  Combo->SetBorderColor(clRed);
  ASSERT_TRUE(Combo->Own_Painting());
  QImage image = Grab();
  EXPECT_EQ(Pixel(image, 0, 10), clRed);
  EXPECT_EQ(Pixel(image, 60, 0), clRed);
  EXPECT_EQ(Pixel(image, 119, 21), clRed);

  // The coloured button: face, border line and arrow.
  Combo->SetButtonColor(clLime);
  Combo->SetButtonBorderColor(clBlue);
  Combo->SetButtonTextColor(clBlack);
  Combo->SetIsWinXP(true);  // keeps the flat face away
  image = Grab();
  const int left = 120 - 19 + 2 + 1 + 1;  // the button area, one pixel in
  EXPECT_EQ(Pixel(image, left + 3, 4), clLime);
  EXPECT_EQ(Pixel(image, left, 10), clBlue);
  EXPECT_EQ(Pixel(image, left + 7, 2 + 8), clBlack);

  // The focus border colour takes over from the border colour while focused.
  Combo->SetButtonColor(clNone);
  Combo->SetFocusBorderColor(clFuchsia);
  Focus(Combo);
  EXPECT_EQ(Pixel(Grab(), 0, 10), clFuchsia);
  Focus(Other);
  EXPECT_EQ(Pixel(Grab(), 0, 10), clRed);

  // With the newer platform and no button colour, the platform alone paints.
  Combo->SetIsVista(true);
  EXPECT_FALSE(Combo->Own_Painting());
}

TEST_F(ComboTest, DropWidthWidensTheList) {
  Combo->SetDropWidth(300);
  Combo->showPopup();
  QApplication::processEvents();
  EXPECT_GE(Combo->view()->width(), 300);
  Combo->hidePopup();
}

}  // namespace
