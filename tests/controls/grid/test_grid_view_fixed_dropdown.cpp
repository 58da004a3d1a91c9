// The drop-down button of a hovered header in a grid view: a press opens the header menu under the button, the
// button shows held while the menu is open, and a choice runs with the menu knowing its column.
#include <gtest/gtest.h>

#include <QAction>
#include <QTimer>

#include "GridMouseFixture.h"
#include "UPopupMenu.h"

TEST_F(TGridMouseTest, TheHeadersDropDownButtonOpensItsMenuBelowIt) {
  TPopupMenu menu;
  QAction* hide = menu.addAction(QStringLiteral("Hide column"));
  int32_t chosenFor = -1;
  QObject::connect(hide, &QAction::triggered, [&] { chosenFor = menu.Tag; });
  Q().HoverFixedCells = hfAll;
  Q().ControlLook.SetFixedDropDownButton(true);
  Q().FixedDropDownMenu = &menu;
  Q().VyxGradientHover = TFixedGradient{0x00FF00, 0x00FF00, 0x00FF00, 0x00FF00, clNone};
  Q().VyxGradientDown = TFixedGradient{0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, clNone};
  const TRect rect = Q().CellRect(3, 0);
  const QPoint button(rect.Right - 8, 10);

  bool shown = false;
  QPoint shownAt;
  QRgb heldButton = 0, heldRest = 0;
  QTimer::singleShot(0, &menu, [&] {
    shown = menu.isVisible();
    shownAt = menu.pos();
    const QImage shot = Shot();
    heldButton = shot.pixel(rect.Right - 4, 3);
    heldRest = shot.pixel(rect.Left + 8, 10);
    hide->trigger();
    menu.close();
  });
  Move_Mouse(button.x(), button.y());
  std::vector<int32_t> clicks;
  Q().OnClickCell = [&](TQrvStringGrid*, int32_t, int32_t c) { clicks.push_back(c); };
  Press(button);
  ASSERT_TRUE(shown) << "the menu runs inside the press";
  EXPECT_EQ(shownAt, View.viewport()->mapToGlobal(QPoint(rect.Right - 16, rect.Bottom)));
  EXPECT_EQ(heldButton, qRgb(0x00, 0x00, 0xFF)) << "the button held down";
  EXPECT_EQ(heldRest, qRgb(0x00, 0xFF, 0x00)) << "the rest of the header hot";
  EXPECT_EQ(chosenFor, 3);
  EXPECT_TRUE(clicks.empty());
  // Closed again, the header shows its button ready to press.
  EXPECT_EQ(Pixel(rect.Right - 4, 3), qRgb(0x00, 0xFF, 0x00));
  EXPECT_EQ(Pixel(rect.Left + 8, 10), qRgb(0x00, 0x00, 0xFF));
}
