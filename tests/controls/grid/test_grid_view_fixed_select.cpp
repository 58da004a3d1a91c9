// Selecting by the fixed cells in a grid view driven by QTest mouse events: the cursor that tells what a press will
// select, a press on the top-left cell, a row header and a column header, and a drag down the row headers.
#include <gtest/gtest.h>

#include <vector>

#include <QTest>

#include "GridMouseFixture.h"
#include "UGridSelectCursors.h"

namespace {

struct TFixedSelectView : TGridMouseTest {
  TFixedSelectView() {
    Q().MouseActions().SetAllSelect(true);
    Q().MouseActions().SetRowSelect(true);
    Q().MouseActions().SetColSelect(true);
    Q().OnSelectionChanged = [this](TQrvStringGrid*, int32_t l, int32_t t, int32_t r, int32_t b) {
      Changes.push_back(TGridRect{l, t, r, b});
    };
  }
  QWidget* Port() { return View.viewport(); }
  void Rest_On(QPoint p) { QTest::mouseMove(Port(), p); }
  void Click_On(QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier) {
    Rest_On(p);
    QTest::mouseClick(Port(), Qt::LeftButton, m, p);
  }
  std::vector<TGridRect> Changes;
};

}  // namespace

TEST_F(TFixedSelectView, TheCursorTellsWhatAPressWillSelect) {
  Q().SetOptions(Q().Options() | goColSizing);
  const QCursor rows = Grid_Select_Cursor(TGridSelectCursor::Rows);
  const QCursor columns = Grid_Select_Cursor(TGridSelectCursor::Columns);
  const QCursor all = Grid_Select_Cursor(TGridSelectCursor::All);
  // Each arrow points into what it selects: its tip is the hot spot, right of, below, or right of and below the
  // picture's middle.
  const QPoint middle(rows.pixmap().width() / 2, rows.pixmap().height() / 2);
  EXPECT_GT(rows.hotSpot().x(), middle.x() + 4);
  EXPECT_NEAR(rows.hotSpot().y(), middle.y(), 1);
  EXPECT_NEAR(columns.hotSpot().x(), middle.x(), 1);
  EXPECT_GT(columns.hotSpot().y(), middle.y() + 4);
  EXPECT_GT(all.hotSpot().x(), middle.x() + 4);
  EXPECT_GT(all.hotSpot().y(), middle.y() + 4);

  struct Case {
    const char* name;
    QPoint at;
    const QCursor* cursor;  // null: the plain arrow
  };
  const Case cases[] = {{"row header", Middle_Of(0, 3), &rows},
                        {"column header", Middle_Of(2, 0), &columns},
                        {"top-left cell", Middle_Of(0, 0), &all},
                        {"normal cell", Middle_Of(2, 3), nullptr},
                        {"column header edge", {Q().CellRect(2, 0).Right - 1, 10}, nullptr},
                        {"row header again", Middle_Of(0, 4), &rows}};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    Rest_On(k.at);
    const QCursor shown = Port()->cursor();
    if (!k.cursor) {
      EXPECT_NE(shown.shape(), Qt::BitmapCursor);
      continue;
    }
    ASSERT_EQ(shown.shape(), Qt::BitmapCursor);
    EXPECT_EQ(shown.hotSpot(), k.cursor->hotSpot());
    EXPECT_EQ(shown.pixmap().toImage(), k.cursor->pixmap().toImage());
  }
  // The mouse leaving the grid forgets what the press would have selected.
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(Port(), &leave);
  EXPECT_EQ(Q().MouseSelectMode(), msNormal);
}

TEST_F(TFixedSelectView, ClicksOnTheFixedCellsSelectAndPaintRowsColumnsAndEverything) {
  const QRgb plain = Middle(3, 5);
  Click_On(Middle_Of(0, 3));
  EXPECT_EQ(Q().Selection(), (TGridRect{1, 3, 5, 3}));
  EXPECT_EQ(Q().Row(), 3);
  EXPECT_NE(Middle(3, 3), plain) << "the selected row is drawn selected";
  EXPECT_EQ(Middle(3, 3), Middle(4, 3));
  EXPECT_EQ(Middle(3, 4), plain);

  Click_On(Middle_Of(2, 0));
  EXPECT_EQ(Q().Selection(), (TGridRect{2, 1, 2, 7}));
  EXPECT_EQ(Middle(2, 4), Middle(2, 5));
  EXPECT_NE(Middle(2, 4), plain);
  EXPECT_EQ(Middle(3, 4), plain);

  // Shift stretches the columns from the old selection.
  Click_On(Middle_Of(3, 0), Qt::ShiftModifier);
  EXPECT_EQ(Q().Selection(), (TGridRect{2, 1, 3, 7}));

  Click_On(Middle_Of(0, 0));
  EXPECT_EQ(Q().Selection(), (TGridRect{1, 1, 5, 7}));
  EXPECT_EQ(Middle(4, 4), Middle(3, 5));
  EXPECT_NE(Middle(4, 4), plain);

  const std::vector<TGridRect> reported = {{1, 3, 5, 3}, {2, 1, 2, 7}, {2, 1, 3, 7}, {1, 1, 5, 7}};
  EXPECT_EQ(Changes, reported);
}

TEST_F(TFixedSelectView, ADragDownTheRowHeadersSelectsTheRowsItCrosses) {
  Rest_On(Middle_Of(0, 2));
  QTest::mousePress(Port(), Qt::LeftButton, Qt::NoModifier, Middle_Of(0, 2));
  QTest::mouseMove(Port(), Middle_Of(0, 3));
  QTest::mouseMove(Port(), Middle_Of(0, 4));
  EXPECT_EQ(Q().Selection(), (TGridRect{1, 2, 5, 4}));
  QTest::mouseRelease(Port(), Qt::LeftButton, Qt::NoModifier, Middle_Of(0, 4));
  EXPECT_EQ(Q().Selection(), (TGridRect{1, 2, 5, 4}));
  EXPECT_EQ(Changes, (std::vector<TGridRect>{{1, 2, 5, 4}}));
  // After the release moving the mouse selects nothing more.
  QTest::mouseMove(Port(), Middle_Of(0, 5));
  EXPECT_EQ(Q().Selection(), (TGridRect{1, 2, 5, 4}));
}

// The program's tables select a row from a click on its number with SelectRows: the row becomes the current one
// (the row buttons act on it), in the column the user was in, and the cells in view do not move.
TEST_F(TGridMouseTest, AClickOnARowNumberThatSelectsTheRowKeepsTheCellsInView) {
  Q().OnClickCell = [](TQrvStringGrid* sender, int32_t row, int32_t col) {
    if (col == 0 && row > 0) sender->SelectRows(row, 1);
  };
  for (const int32_t left : {1, 2}) {
    Q().SetLeftCol(left);
    Q().MoveCurrent(3, 2, true, false);
    Click(Middle_Of(0, 5));
    EXPECT_EQ(Q().LeftCol(), left);
    EXPECT_EQ(Q().TopRow(), 1);
    EXPECT_EQ(Q().Row(), 5) << left;
    EXPECT_EQ(Q().Col(), 3) << left;
    EXPECT_EQ(Q().Selection(), (TGridRect{1, 5, 5, 5})) << left;
  }
}
