// What the controls paint of their own: the spin buttons' faces and arrows, the edit button's caption and the unit
// beside it. With TARN_EDITORS_GALLERY set to a folder, a picture of every control in a few states is written there
// to look at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QWidget>

#include "UQsgCombo.h"
#include "UQsgSpinEdit.h"
#include "UQsgUnitEditBtn.h"
#include "USysColors.h"

namespace {

TColor Pixel(const QImage& image, int x, int y) {
  return QColorToTColor(image.pixelColor(x, y));
}

bool Has_Color_In(const QImage& image, const QRect& area, TColor color) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (Pixel(image, x, y) == color) return true;
  return false;
}

void Save(QWidget& widget, const char* name) {
  const QString folder = qEnvironmentVariable("TARN_EDITORS_GALLERY");
  if (folder.isEmpty()) return;
  QDir().mkpath(folder);
  const QImage image = widget.grab().toImage();
  image.save(QDir(folder).filePath(QString::fromLatin1(name) + ".png"));
  // Three times as large, pixel for pixel, to see the edges.
  image.scaled(image.size() * 3).save(QDir(folder).filePath(QString::fromLatin1(name) + "_x3.png"));
}

class PaintTest : public ::testing::Test {
 protected:
  PaintTest() {
    Window.resize(420, 330);
    QPalette p = Window.palette();
    p.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    Window.setPalette(p);
    Window.setAutoFillBackground(true);
  }
  void Show() {
    Window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window));
  }
  QWidget Window;
};

TEST_F(PaintTest, ColouredSpinButtonsShowTheirFaceAndArrow) {
  auto* spin = new TQsgSpinEdit(&Window);
  spin->setGeometry(10, 10, 100, 24);
  spin->Button()->SetButtonColor(clYellow);
  spin->Button()->SetButtonColorHot(clAqua);
  spin->Button()->SetButtonColorDown(clLime);
  Show();
  TQrvTimerSpeedButton* up = spin->Button()->UpButton();
  QImage image = up->grab().toImage();
  EXPECT_EQ(Pixel(image, 1, 1), clYellow);
  // The up arrow: a black triangle (4, 4), (8, 4), (6, 2).
  EXPECT_EQ(Pixel(image, 6, 3), clBlack);
  QTest::mousePress(up, Qt::LeftButton, {}, up->rect().center());
  EXPECT_EQ(Pixel(up->grab().toImage(), 1, 1), clLime);
  QTest::mouseRelease(up, Qt::LeftButton, {}, up->rect().center());
  // The classic face shows the built-in glyph: black pixels in the middle.
  spin->Button()->SetButtonColor(clNone);
  image = up->grab().toImage();
  EXPECT_TRUE(Has_Color_In(image, QRect(3, 2, up->width() - 6, up->height() - 4), clBlack));
  EXPECT_NE(Pixel(image, 2, 2), clYellow);
}

TEST_F(PaintTest, UnitTextStandsBetweenValueAndButton) {
  auto* units = new TQsgUnitEditBtn(&Window);
  units->setGeometry(10, 10, 140, 24);
  units->SetUnits({"mm"});
  units->SetTextAndUnit("12.5mm");
  Show();
  QImage image = units->grab().toImage();
  const int right = units->width() - (units->Button()->width() + 3 + 2);
  EXPECT_TRUE(Has_Color_In(image, QRect(right - 20, 4, 20, 16), clBlack));
  units->SetUnitID("");
  image = units->grab().toImage();
  EXPECT_FALSE(Has_Color_In(image, QRect(right - 20, 4, 20, 16), clBlack));
}

TEST_F(PaintTest, Gallery) {
  int y = 10;
  const auto Label = [&](TQsgCustomCombo* combo, const char* caption) {
    combo->SetLabelCaption(caption);
    combo->SetLabelPosition(lpLeftCenter);
  };
  auto* plain = new TQsgComboBox(&Window);
  plain->SetBounds(120, y, 150, 22);
  plain->addItems({"Anonymous", "Certificate"});
  Label(plain, "Plain");
  auto* flat = new TQsgComboBox(&Window);
  flat->SetBounds(120, y += 30, 150, 22);
  flat->SetFlat(true);
  flat->SetFlatLineColor(clBlue);
  flat->addItem("Flat");
  Label(flat, "Flat");
  auto* coloured = new TQsgComboBox(&Window);
  coloured->SetBounds(120, y += 30, 150, 22);
  coloured->SetBorderColor(clNavy);
  coloured->SetButtonColor(RGB(0xC0, 0xD8, 0xF0));
  coloured->SetButtonBorderColor(clNavy);
  coloured->SetButtonTextColor(clNavy);
  coloured->SetIsWinXP(true);
  coloured->addItem("Coloured");
  Label(coloured, "Coloured");
  auto* disabled = new TQsgComboBox(&Window);
  disabled->SetBounds(120, y += 30, 150, 22);
  disabled->SetFlat(true);
  disabled->addItem("Disabled");
  disabled->SetEnabled(false);
  Label(disabled, "Disabled flat");

  auto* integer = new TQsgSpinEdit(&Window);
  integer->setGeometry(120, y += 34, 80, 24);
  integer->SetValue(42);
  auto* decimals = new TQsgSpinEdit(&Window);
  decimals->setGeometry(210, y, 80, 24);
  decimals->SetSpinType(sptFloat);
  decimals->SetPrecision(2);
  decimals->SetFloatValue(3.25);
  auto* time = new TQsgSpinEdit(&Window);
  time->setGeometry(300, y, 100, 24);
  time->SetSpinType(sptTime);
  time->SetTimeValue(0.5);
  auto* sideways = new TQsgSpinEdit(&Window);
  sideways->setGeometry(120, y += 30, 90, 24);
  sideways->SetDirection(spHorizontal);
  auto* colouredSpin = new TQsgSpinEdit(&Window);
  colouredSpin->setGeometry(220, y, 80, 24);
  colouredSpin->Button()->SetButtonColor(RGB(0xC0, 0xD8, 0xF0));

  auto* editBtn = new TQsgEditBtn(&Window);
  editBtn->setGeometry(120, y += 34, 150, 24);
  editBtn->SetText("C:/Projects");
  editBtn->SetButtonCaption("...");
  auto* unit = new TQsgUnitEditBtn(&Window);
  unit->setGeometry(120, y += 30, 150, 24);
  unit->SetUnits({"m", "mm"});
  unit->SetTextAndUnit("12.5mm");
  auto* flatBtn = new TQsgEditBtn(&Window);
  flatBtn->setGeometry(120, y += 30, 150, 24);
  flatBtn->Button()->SetFlat(true);
  flatBtn->SetButtonCaption("...");
  Show();
  coloured->setFocus();
  QApplication::processEvents();
  Save(Window, "editor_controls");
  QTest::mousePress(colouredSpin->Button()->UpButton(), Qt::LeftButton);
  Save(Window, "editor_controls_pressed");
  QTest::mouseRelease(colouredSpin->Button()->UpButton(), Qt::LeftButton);
  EXPECT_EQ(colouredSpin->Value(), 1);
  EXPECT_EQ(unit->TextAndUnit(), "12.5mm");
}

}  // namespace
