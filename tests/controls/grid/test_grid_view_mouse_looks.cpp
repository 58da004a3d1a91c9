// The mouse's looks in a shown grid view driven by real mouse events: a button cell lit while the mouse rests on it
// and dark again when the mouse leaves the grid, a header pressed in like a button until the release, and the
// cell-selector cursor.
#include <gtest/gtest.h>

#include <QTest>

#include "GridMouseFixture.h"
#include "UGridSelectCursors.h"

namespace {

struct TMouseLooksView : TGridMouseTest {
  QWidget* Port() { return View.viewport(); }
  QRgb At(QPoint p) { return Pixel(p.x(), p.y()); }
};

}  // namespace

TEST_F(TMouseLooksView, AButtonCellLightsUnderTheMouseAndGoesDarkWhenItLeaves) {
  TColorTones tones;
  tones.Background = {0x00C000, 0x004000, 0x000000};
  tones.Hover = {0xC0C000, 0x404000, 0x0000FF};
  tones.Selected = {0x0000C0, 0x000040, 0xFFFFFF};
  tones.Foreground = {0xD08040, 0x804020, 0xFFFFFF};
  Q().SetColorTones(tones);
  Q().SetOptions(Q().Options() | goEditing);
  Q().AddButton(2, 3, 30, 14, "Go", haLeft, vaTop);
  Shot();  // painted once, the button knows where it sits in its cell
  const TRect button = Q().GetCellButtonRect(2, 3);
  const QPoint on(button.Left + 3, button.Top + 3);
  ASSERT_EQ(At(on), Rgb(tones.Background.BrushColor));
  Move_Mouse(on.x(), on.y());
  EXPECT_EQ(At(on), Rgb(tones.Hover.BrushColor));
  Move_Mouse(button.Right + 4, on.y());
  EXPECT_EQ(At(on), Rgb(tones.Background.BrushColor)) << "the mouse beside the button in the same cell";
  Move_Mouse(on.x(), on.y());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(Port(), &leave);
  EXPECT_EQ(At(on), Rgb(tones.Background.BrushColor));
}

TEST_F(TMouseLooksView, AHeaderPressesInLikeAButtonUntilTheRelease) {
  Q().FixedAsButtons = true;
  const TRect cell = Q().CellRect(3, 0);
  const QPoint corner(cell.Left, cell.Top + 3);
  const QRgb resting = At(corner);
  Press(Middle_Of(3, 0));
  EXPECT_EQ(At(corner), Rgb(clBtnShadow));
  EXPECT_NE(At(corner), resting);
  Release(Middle_Of(3, 0));
  EXPECT_EQ(At(corner), resting);
}

TEST_F(TMouseLooksView, TheCellSelectorModeShowsItsCursorOverEveryCell) {
  const QCursor selector = Grid_Select_Cursor(TGridSelectCursor::Cell);
  // The hot spot is the middle of the cross, where the picked cell is.
  EXPECT_EQ(selector.hotSpot(), QPoint(selector.pixmap().width() / 2, selector.pixmap().height() / 2));
  Q().SetCellSelectorMode(true);
  for (const QPoint p : {Middle_Of(2, 3), Middle_Of(0, 4), Middle_Of(3, 0)}) {
    QTest::mouseMove(Port(), p);
    const QCursor shown = Port()->cursor();
    ASSERT_EQ(shown.shape(), Qt::BitmapCursor);
    EXPECT_EQ(shown.pixmap().toImage(), selector.pixmap().toImage());
  }
  Q().SetCellSelectorMode(false);
  QTest::mouseMove(Port(), Middle_Of(2, 4));
  EXPECT_NE(Port()->cursor().shape(), Qt::BitmapCursor);
}
