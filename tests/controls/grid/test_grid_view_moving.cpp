// What the grid view shows while a column or row is moved by its fixed cell (the header drag button or the picture of
// the moved cells, the drop arrows, the drag cursors) and while the selection's resize corner is dragged.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>

#include "GridMouseFixture.h"
#include "UHeaderDragButton.h"

namespace {
// How many columns of the picture hold a pixel darker than mid grey (text), inside a one-pixel border.
int DarkColumns(const QImage& image) {
  int count = 0;
  for (int x = 1; x < image.width() - 1; ++x)
    for (int y = 1; y < image.height() - 1; ++y)
      if (qGray(image.pixel(x, y)) < 100) {
        ++count;
        break;
      }
  return count;
}
}  // namespace

class TGridMoveViewTest : public TGridMouseTest {
 protected:
  TGridMoveViewTest() {
    Q().SetOptions(Q().Options() | goColMoving | goRowMoving);
    for (int32_t c = 1; c < 6; ++c) Q().SetCells(c, 0, QStringLiteral("h%1").arg(c));
    for (int32_t r = 1; r < 8; ++r) Q().SetCells(0, r, QStringLiteral("r%1").arg(r));
  }
  QPoint Global(QPoint p) { return View.viewport()->mapToGlobal(p); }
  Qt::CursorShape Shape() { return View.viewport()->cursor().shape(); }
};

TEST_F(TGridMoveViewTest, AMovedColumnsHeaderFollowsTheMouseWithArrowsAtTheEdgeItWouldLandOn) {
  const QPoint press = Middle_Of(1, 0);
  const TRect pressed = Q().CellRect(1, 0);
  const QPoint offset(press.x() - pressed.Left, press.y() - pressed.Top);
  Press(press);
  EXPECT_EQ(View.MoveButton(), nullptr) << "nothing shows before the mouse moves";
  struct TStep {
    int32_t target;
    int32_t edge;  // x of the drop edge
  };
  const TStep steps[] = {{3, Q().CellRect(3, 0).Right}, {4, Q().CellRect(4, 0).Right}};
  for (const TStep& s : steps) {
    SCOPED_TRACE(s.target);
    const QPoint at = Middle_Of(s.target, 0) + QPoint(3, 5);
    Drag_To(at);
    THeaderDragButton* button = View.MoveButton();
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isVisible());
    EXPECT_EQ(button->Caption(), QStringLiteral("h1"));
    EXPECT_EQ(button->geometry(), QRect(Global(at - offset), QSize(40, 20)));
    TArrowWindow* down = View.MoveArrow(arrDown);
    TArrowWindow* up = View.MoveArrow(arrUp);
    ASSERT_TRUE(down && up);
    EXPECT_TRUE(down->isVisible() && up->isVisible());
    EXPECT_FALSE(View.MoveArrow(arrLeft)->isVisible());
    // The tips of both arrows touch the edge: the down arrow ends on the grid's top, the up arrow starts under the
    // header row.
    EXPECT_EQ(down->x() + 5, Global(QPoint(s.edge, 0)).x());
    EXPECT_EQ(down->geometry().bottom() + 1, Global(QPoint(0, 0)).y());
    EXPECT_EQ(up->x() + 5, Global(QPoint(s.edge, 0)).x());
    EXPECT_EQ(up->y(), Global(QPoint(0, 20)).y());
    EXPECT_EQ(Shape(), Qt::DragCopyCursor);
  }
  // Over the fixed column there is nowhere to land: the arrows go, the header stays with the mouse.
  Drag_To(Middle_Of(0, 0));
  EXPECT_TRUE(View.MoveButton()->isVisible());
  EXPECT_FALSE(View.MoveArrow(arrDown)->isVisible());
  Release(Middle_Of(4, 0) + QPoint(3, 5));
  EXPECT_FALSE(View.MoveButton()->isVisible());
  EXPECT_FALSE(View.MoveArrow(arrDown)->isVisible() || View.MoveArrow(arrUp)->isVisible());
  EXPECT_NE(Shape(), Qt::DragCopyCursor);
  EXPECT_EQ(Q().Cells(4, 0), QStringLiteral("h1"));
}

TEST_F(TGridMoveViewTest, TheDropArrowsTakeTheGridsArrowColourBeforeAndDuringAMove) {
  // How many pixels of the arrow's picture hold the colour.
  auto painted = [](TArrowWindow* arrow, QRgb colour) {
    QImage image(arrow->size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    arrow->render(&image);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    return n;
  };
  const QRgb lime = qRgb(0, 255, 0), red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
  Q().ArrowColor = 0x0000FF;  // red, before any arrow exists
  Press(Middle_Of(1, 0));
  Drag_To(Middle_Of(3, 0) + QPoint(3, 5));
  for (const TArrowDirection d : {arrUp, arrDown, arrLeft, arrRight}) {
    SCOPED_TRACE(d);
    ASSERT_NE(View.MoveArrow(d), nullptr);
    EXPECT_EQ(View.MoveArrow(d)->Color(), TColor(0x0000FF));
    EXPECT_GT(painted(View.MoveArrow(d), red), 10);
    EXPECT_EQ(painted(View.MoveArrow(d), lime), 0);
  }
  Q().ArrowColor = 0xFF0000;  // blue, while the arrows exist
  for (const TArrowDirection d : {arrUp, arrDown, arrLeft, arrRight}) {
    SCOPED_TRACE(d);
    EXPECT_GT(painted(View.MoveArrow(d), blue), 10);
    EXPECT_EQ(painted(View.MoveArrow(d), red), 0);
  }
  EXPECT_EQ(Q().ArrowColor, TColor(0xFF0000));
  EXPECT_EQ(View.MoveArrow(arrUp)->Color(), Q().ArrowColor.Value());
  Release(Middle_Of(3, 0) + QPoint(3, 5));
}

TEST_F(TGridMoveViewTest, AMovedRowShowsItsFirstCellAndArrowsBesideTheFixedColumn) {
  Press(Middle_Of(0, 2));
  Drag_To(Middle_Of(0, 4));
  THeaderDragButton* button = View.MoveButton();
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Caption(), QStringLiteral("r2"));
  EXPECT_EQ(button->size(), QSize(40, 20));
  TArrowWindow* left = View.MoveArrow(arrLeft);
  TArrowWindow* right = View.MoveArrow(arrRight);
  ASSERT_TRUE(left->isVisible() && right->isVisible());
  EXPECT_FALSE(View.MoveArrow(arrUp)->isVisible());
  const int bottom = Q().CellRect(0, 4).Bottom;
  EXPECT_EQ(left->geometry().right() + 1, Global(QPoint(0, 0)).x());
  EXPECT_EQ(left->y() + 5, Global(QPoint(0, bottom)).y());
  EXPECT_EQ(right->x(), Global(QPoint(40, 0)).x());
  EXPECT_EQ(right->y() + 5, Global(QPoint(0, bottom)).y());
  Release(Middle_Of(0, 4));
  EXPECT_EQ(Q().Cells(0, 4), QStringLiteral("r2"));
  EXPECT_FALSE(left->isVisible() || right->isVisible());
}

TEST_F(TGridMoveViewTest, ARefusedTargetShowsTheNoDropCursorAndMovesNothing) {
  Q().OnColumnMoving = [](TQrvStringGrid*, int32_t c, bool& allow) { allow = c != 3; };
  Press(Middle_Of(1, 0));
  Drag_To(Middle_Of(3, 0));
  EXPECT_EQ(Shape(), Qt::ForbiddenCursor);
  Drag_To(Middle_Of(2, 0));
  EXPECT_EQ(Shape(), Qt::DragCopyCursor);
  Drag_To(Middle_Of(3, 0));
  Release(Middle_Of(3, 0));
  EXPECT_EQ(Q().Cells(1, 0), QStringLiteral("h1"));
  EXPECT_EQ(Q().Cells(3, 0), QStringLiteral("h3"));
}

TEST_F(TGridMoveViewTest, WithShowCellsAPictureOfTheColumnInViewFollowsAndGoesWithTheRelease) {
  Q().DragDropSettings.ShowCells = true;
  for (int32_t r = 1; r < 8; ++r) Q().SetCells(1, r, QStringLiteral("x%1").arg(r));
  Press(Middle_Of(1, 0));
  Drag_To(Middle_Of(3, 2));
  QWidget* form = View.MoveForm();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(View.MoveButton() == nullptr || !View.MoveButton()->isVisible());
  const TRect top = Q().CellRect(1, 0);
  EXPECT_EQ(form->pos(), Global(Middle_Of(3, 2) - QPoint(Middle_Of(1, 0).x() - top.Left, Middle_Of(1, 0).y())));
  // The header and the rows in view (the viewport is 120 pixels high), not the 8 rows of 20.
  EXPECT_EQ(form->width(), 41);
  EXPECT_GT(form->height(), 100);
  EXPECT_LE(form->height(), 121);
  // The picture is of the column's cells, see-through.
  const QImage picture = static_cast<QLabel*>(form)->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  EXPECT_GT(DarkColumns(picture), 0);
  EXPECT_EQ(qAlpha(picture.pixel(picture.width() / 2, picture.height() / 2)), 192);
  Release(Middle_Of(3, 2));
  EXPECT_EQ(View.MoveForm(), nullptr) << "the picture is freed with the move";
}

TEST_F(TGridMoveViewTest, TheHeaderDragButtonPaintsItsCaptionCentredAndMarkupAsMarkup) {
  THeaderDragButton button(Q(), &View);
  button.resize(120, 20);
  const QImage empty = button.grab().toImage();
  EXPECT_EQ(DarkColumns(empty), 0);
  EXPECT_EQ(empty.pixel(0, 10), Rgb(clWindowFrame)) << "the window's border";
  button.SetCaption(QStringLiteral("W"));
  const QImage one = button.grab().toImage();
  int first = -1, last = -1;
  for (int x = 1; x < one.width() - 1; ++x)
    for (int y = 1; y < one.height() - 1; ++y)
      if (qGray(one.pixel(x, y)) < 100) {
        if (first < 0) first = x;
        last = x;
      }
  ASSERT_GE(first, 0);
  EXPECT_LE(std::abs((first + last) / 2 - 60), 2) << "centred";
  // Markup is rendered, not shown as its tags; a text without a closing tag is plain text.
  button.SetCaption(QStringLiteral("<b>W</b>"));
  const int markup = DarkColumns(button.grab().toImage());
  button.SetCaption(QStringLiteral("<b>W"));
  const int plain = DarkColumns(button.grab().toImage());
  EXPECT_GT(markup, 0);
  EXPECT_GT(plain, markup);
}

TEST_F(TGridMoveViewTest, AColumnDraggedOutWithoutShowCellsCarriesItsHeaderButtonByTheBottomLeftCorner) {
  Q().DragDropSettings.OleDropSource = true;
  Q().DragDropSettings.OleColumnDragDrop = true;
  for (const bool showCells : {false, true}) {
    SCOPED_TRACE(showCells);
    Q().DragDropSettings.ShowCells = showCells;
    QPixmap seen;
    QPoint hotSpot(-1, -1);
    View.RunDrag = [&](QMimeData* data, Qt::DropActions) {
      delete data;
      seen = View.DragImage();
      hotSpot = View.DragHotSpot();
      return Qt::IgnoreAction;
    };
    Press(Middle_Of(2, 0));
    Drag_To(Middle_Of(2, 0) + QPoint(10, 0));
    Release(Middle_Of(2, 0) + QPoint(10, 0));
    ASSERT_FALSE(seen.isNull());
    if (showCells) {
      EXPECT_EQ(hotSpot, QPoint(0, 0));
      EXPECT_GT(seen.height(), 20) << "the column's cells";
      continue;
    }
    EXPECT_EQ(seen.size(), QSize(40, 20));
    EXPECT_EQ(hotSpot, QPoint(0, 19));
    EXPECT_EQ(View.MoveButton()->Caption(), QStringLiteral("h2"));
    EXPECT_GT(DarkColumns(seen.toImage()), 0);
  }
}

class TGridResizeViewTest : public TGridMoveViewTest {
 protected:
  TGridResizeViewTest() {
    Q().SetOptions(Q().Options() | goRangeSelect);
    Q().SelectionRectangle = true;
    Q().SelectionResizer = true;
    Q().SelectionRectangleColor = 0x0000FF;
    for (int32_t r = 1; r < 8; ++r)
      for (int32_t c = 1; c < 6; ++c) Q().SetCells(c, r, QStringLiteral("%1%2").arg(c).arg(r));
    Press(Middle_Of(1, 1));
    Drag_To(Middle_Of(2, 2));
    Release(Middle_Of(2, 2));
  }
  QPoint Corner(int32_t c, int32_t r) {
    const TRect rect = Q().CellRect(c, r);
    return {rect.Right - 2, rect.Bottom - 2};
  }
};

TEST_F(TGridResizeViewTest, TheCornerShowsTheResizeCursorAndDraggingItResizesTheSelectionAndItsHandle) {
  ASSERT_EQ(Q().Selection(), (TGridRect{1, 1, 2, 2}));
  // The handle is painted at the selection's last cell.
  EXPECT_EQ(Pixel(Corner(2, 2).x(), Corner(2, 2).y()), Rgb(0x0000FF));
  Move_Mouse(Middle_Of(2, 2).x(), Middle_Of(2, 2).y());
  EXPECT_NE(Shape(), Qt::SizeFDiagCursor);
  Move_Mouse(Corner(2, 2).x(), Corner(2, 2).y());
  EXPECT_EQ(Shape(), Qt::SizeFDiagCursor);
  EXPECT_EQ(Q().MouseSelectMode(), msResize) << "the grid's own cursor keeps the mode";
  QGuiApplication::clipboard()->setText(QString());
  const int32_t col = Q().Col(), row = Q().Row();
  Press(Corner(2, 2));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("11\t21\r\n12\t22"));
  Drag_To(Middle_Of(4, 4));
  EXPECT_EQ(Shape(), Qt::SizeFDiagCursor);
  Release(Middle_Of(4, 4));
  EXPECT_EQ(Q().Selection(), (TGridRect{1, 1, 4, 4}));
  EXPECT_EQ(Q().Col(), col);
  EXPECT_EQ(Q().Row(), row);
  EXPECT_EQ(Q().Cells(1, 1), QStringLiteral("11"));
  // The handle moved with the selection's last cell.
  EXPECT_EQ(Pixel(Corner(4, 4).x(), Corner(4, 4).y()), Rgb(0x0000FF));
  EXPECT_NE(Pixel(Corner(2, 2).x(), Corner(2, 2).y()), Rgb(0x0000FF));
}

TEST_F(TGridResizeViewTest, ACursorSetOnTheCellsByTheProgramEndsTheResizeMode) {
  Move_Mouse(Corner(2, 2).x(), Corner(2, 2).y());
  ASSERT_EQ(Q().MouseSelectMode(), msResize);
  View.viewport()->setCursor(Qt::IBeamCursor);
  EXPECT_EQ(Q().MouseSelectMode(), msNormal);
}
