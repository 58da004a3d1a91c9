// Drags out of one grid view and drops onto another (or the same one): the view starts the drag from the mouse,
// and the drop events reach the grid's drop target. The drag loop is replaced by one that delivers the drop events
// itself, since no platform drag runs offscreen.
#include <gtest/gtest.h>

#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QTest>
#include <memory>

#include "GridMouseFixture.h"
#include "UCellStream.h"
#include "UGridDragData.h"
#include "UGridDragFormats.h"

namespace {
// Enter, move and drop at a point of the view, as the platform's drag loop would; the action the drop took.
Qt::DropAction Deliver_Drop(TGridView& view, const QMimeData& data, QPoint at, Qt::KeyboardModifiers modifiers) {
  const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
  QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, modifiers);
  QApplication::sendEvent(view.viewport(), &enter);
  if (!enter.isAccepted()) return Qt::IgnoreAction;
  QDragMoveEvent move(at, actions, &data, Qt::LeftButton, modifiers);
  QApplication::sendEvent(view.viewport(), &move);
  QDropEvent drop(QPointF(at), actions, &data, Qt::LeftButton, modifiers);
  QApplication::sendEvent(view.viewport(), &drop);
  return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}
}  // namespace

class TGridDragTest : public TGridMouseTest {
 protected:
  TGridDragTest() : Target(std::make_unique<TQrvStringGrid>()) {
    Target.setFrameShape(QFrame::NoFrame);
    Target.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Target.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    T().SetColCount(6);
    T().SetRowCount(8);
    T().SetDefaultColWidth(40);
    T().SetDefaultRowHeight(20);
    T().SetRowHeights(0, 20);
    Target.resize(200, 120);
    Target.show();
    Q().DragDropSettings.OleDropSource = true;
    Q().OnOleDragStop = [this](TQrvStringGrid*, uint32_t effect) { Stops.push_back(effect); };
  }
  TQrvStringGrid& T() { return *Target.AdvancedGrid(); }
  // The drag loop of the source drops at `at` of `view` with the modifiers given.
  void Drop_On(TGridView& view, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    View.RunDrag = [&view, at, modifiers](QMimeData* data, Qt::DropActions) {
      const std::unique_ptr<QMimeData> owned(data);
      return Deliver_Drop(view, *owned, at, modifiers);
    };
  }
  void Fill_Source_Block() {
    Q().SetCells(1, 1, "a");
    Q().SetCells(2, 1, "b");
    Q().SetCells(1, 2, "c");
    Q().SetCells(2, 2, "d");
    Q().SetSelection(TGridRect{1, 1, 2, 2});
  }
  QStringList Block(TQrvStringGrid& g, int32_t c, int32_t r) {
    return {g.Cells(c, r), g.Cells(c + 1, r), g.Cells(c, r + 1), g.Cells(c + 1, r + 1)};
  }

  TGridView Target;
  std::vector<uint32_t> Stops;
};

TEST_F(TGridDragTest, CellsMoveOrCopyToAnotherGrid) {
  struct TCase {
    const char* name;
    Qt::KeyboardModifiers modifiers;
    QStringList sourceAfter;
    uint32_t effect;
  };
  const TCase cases[] = {{"move", Qt::NoModifier, {"", "", "", ""}, 2u},
                         {"copy with Ctrl", Qt::ControlModifier, {"a", "b", "c", "d"}, 1u}};
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.name);
    Stops.clear();
    T().ClearNormalCells();
    T().DragDropSettings.OleDropTarget = true;
    Fill_Source_Block();
    Drop_On(Target, Middle_Of(3, 4), k.modifiers);
    Press(Middle_Of(1, 1));
    // Within 3 pixels nothing starts.
    Drag_To(Middle_Of(1, 1) + QPoint(3, 3));
    EXPECT_EQ(T().Cells(3, 4), QString());
    Drag_To(Middle_Of(1, 1) + QPoint(10, 0));
    Release(Middle_Of(1, 1) + QPoint(10, 0));
    EXPECT_EQ(Block(T(), 3, 4), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(Block(Q(), 1, 1), k.sourceAfter);
    EXPECT_EQ(Stops, std::vector<uint32_t>{k.effect});
    EXPECT_EQ(Q().Interaction(), TQrvStringGrid::TGridInteraction::None);
  }
}

TEST_F(TGridDragTest, IndicatorsAndNotesGoWithTheDraggedCells) {
  T().DragDropSettings.OleDropTarget = true;
  Q().Navigation().SetAllowFmtClipboard(true);
  Q().SetCells(1, 1, "a");
  Q().AddProgressPie(1, 1, clLime, 40);
  Q().AddQrvProgress(2, 1, 0, 10);
  Q().AddRangeIndicator(1, 2, 50, clRed, clGreen, false);
  Q().AddComment(2, 2, "Check wiring");
  Q().AddBalloon(1, 3, "Title", "Body", biError);
  Q().SetSelection(TGridRect{1, 1, 2, 3});
  Drop_On(Target, Middle_Of(3, 4), Qt::ControlModifier);
  Press(Middle_Of(1, 1));
  Drag_To(Middle_Of(1, 1) + QPoint(10, 0));
  Release(Middle_Of(1, 1) + QPoint(10, 0));

  EXPECT_EQ(T().Cells(3, 4), QStringLiteral("a"));
  EXPECT_EQ(T().GetCellType(3, 4), ctProgressPie);
  EXPECT_EQ(T().GetCellGraphic(3, 4)->CellAngle(), 40);
  EXPECT_EQ(T().GetCellType(4, 4), ctXPProgress);
  EXPECT_EQ(T().GetCellGraphic(4, 4)->CellErrLen(), 10);
  EXPECT_EQ(T().GetCellType(3, 5), ctRangeIndicator);
  EXPECT_EQ(T().GetCellGraphic(3, 5)->CellIndex(), 50);
  EXPECT_EQ(T().GetComment(4, 5), QStringLiteral("Check wiring"));
  EXPECT_TRUE(T().HasBalloon(3, 6));
  // A copy leaves the source's graphics where they were.
  EXPECT_EQ(Q().GetComment(2, 2), QStringLiteral("Check wiring"));
}

TEST_F(TGridDragTest, ATargetThatTakesNoDropsLeavesBothGridsAlone) {
  Fill_Source_Block();
  Drop_On(Target, Middle_Of(3, 4));
  Press(Middle_Of(1, 1));
  Drag_To(Middle_Of(1, 1) + QPoint(10, 0));
  Release(Middle_Of(1, 1) + QPoint(10, 0));
  EXPECT_EQ(Block(Q(), 1, 1), (QStringList{"a", "b", "c", "d"}));
  EXPECT_EQ(Block(T(), 3, 4), (QStringList{"", "", "", ""}));
  EXPECT_TRUE(Stops.empty());
}

TEST_F(TGridDragTest, AColumnDraggedByItsHeaderMovesWithinTheGrid) {
  Q().DragDropSettings.OleColumnDragDrop = true;
  Q().DragDropSettings.OleColumnReorder = true;
  Q().DragDropSettings.OleDropTarget = true;
  for (int32_t c = 1; c < 6; ++c) Q().SetCells(c, 0, QStringLiteral("h%1").arg(c));
  Drop_On(View, Middle_Of(4, 0));
  Press(Middle_Of(1, 0));
  Drag_To(Middle_Of(1, 0) + QPoint(10, 0));
  Release(Middle_Of(1, 0) + QPoint(10, 0));
  const QStringList expected = {"h2", "h3", "h4", "h1", "h5"};
  for (int32_t c = 1; c < 6; ++c) EXPECT_EQ(Q().Cells(c, 0), expected[c - 1]) << c;
}

// The header texts of the source grid in the order its columns are shown.
static QStringList Shown_Headers(const TQrvStringGrid& g) {
  QStringList shown;
  for (int32_t d = 1; d < g.ColCount(); ++d) shown.append(g.Cells(g.RealColIndex(d), 0));
  return shown;
}

TEST_F(TGridDragTest, AHiddenColumnDraggedFromAListLandsWhereItIsDropped) {
  Q().DragDropSettings.OleColumnDragDrop = true;
  Q().DragDropSettings.OleDropTarget = true;
  for (int32_t c = 1; c < 6; ++c) Q().SetCells(c, 0, QStringLiteral("h%1").arg(c));
  Q().HideColumn(4);
  QListWidget list;
  list.addItems({QStringLiteral("h4"), QStringLiteral("other")});
  Q().OleColumnDragStart(4, 0, &list);
  const std::unique_ptr<QMimeData> data(Grid_ColumnDragData(4));
  EXPECT_EQ(Deliver_Drop(View, *data, Middle_Of(2, 0), Qt::NoModifier), Qt::MoveAction);
  EXPECT_EQ(Shown_Headers(Q()), (QStringList{"h1", "h4", "h2", "h3", "h5"}));
  ASSERT_EQ(list.count(), 1);
  EXPECT_EQ(list.item(0)->text(), QStringLiteral("other"));
}

TEST_F(TGridDragTest, AListsColumnDragThatNeverLandedIsNotTakenForAHeaderDrag) {
  Q().DragDropSettings.OleColumnDragDrop = true;
  Q().DragDropSettings.OleColumnReorder = true;
  Q().DragDropSettings.OleDropTarget = true;
  for (int32_t c = 1; c < 6; ++c) Q().SetCells(c, 0, QStringLiteral("h%1").arg(c));
  Q().HideColumn(4);
  QListWidget list;
  list.addItem(QStringLiteral("h4"));
  // The list's drag of real column 4 was given up outside the grid.
  Q().OleColumnDragStart(4, 0, &list);
  // Display column 4 (h5) is dragged by its header: its drag carries the same number.
  Drop_On(View, Middle_Of(1, 0));
  Press(Middle_Of(4, 0));
  Drag_To(Middle_Of(4, 0) + QPoint(10, 0));
  Release(Middle_Of(4, 0) + QPoint(10, 0));
  EXPECT_EQ(Shown_Headers(Q()), (QStringList{"h5", "h1", "h2", "h3"}));
  // The move renumbers the real columns; h4 stays hidden wherever it now is.
  EXPECT_EQ(Q().NumHiddenColumns(), 1);
  EXPECT_EQ(list.count(), 1);
}

TEST_F(TGridDragTest, ABlockWhoseAnnouncedLengthDoesNotFitIsRefusedAtTheView) {
  T().DragDropSettings.OleDropTarget = true;
  Fill_Source_Block();
  const QByteArray stream = SaveRectToBinStream(Q(), TGridRect{1, 1, 2, 2});
  QByteArray block = CellsBlock_Wrap(stream);
  // The length field claims one byte more than the block carries.
  const int32_t announced = static_cast<int32_t>(stream.size()) + 1;
  for (int i = 0; i < 4; ++i) block[i] = static_cast<char>((announced >> (8 * i)) & 0xFF);
  QMimeData data;
  data.setData(GridCellsMimeType(), block);
  EXPECT_EQ(Deliver_Drop(Target, data, Middle_Of(3, 4), Qt::NoModifier), Qt::IgnoreAction);
  EXPECT_EQ(Block(T(), 3, 4), (QStringList{"", "", "", ""}));
  // The same block with its true length lands.
  QMimeData good;
  good.setData(GridCellsMimeType(), CellsBlock_Wrap(stream));
  EXPECT_NE(Deliver_Drop(Target, good, Middle_Of(3, 4), Qt::NoModifier), Qt::IgnoreAction);
  EXPECT_EQ(Block(T(), 3, 4), (QStringList{"a", "b", "c", "d"}));
}

TEST_F(TGridDragTest, ADragRestingNearTheBottomScrollsTheTargetUntilItLeaves) {
  T().SetRowCount(40);
  T().DragScrollOptions.Active = true;
  T().DragScrollOptions.Delays.InitialDelay = 30;
  T().DragScrollOptions.Delays.RepeatDelay = 10;
  T().DragScrollOptions.Margins.BottomMargin = 20;
  QMimeData data;
  data.setText("x");
  // The target takes no drops, yet the drag near its bottom edge scrolls it.
  const QPoint bottom(100, 110);
  QDragEnterEvent enter(bottom, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(Target.viewport(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  EXPECT_EQ(enter.dropAction(), Qt::IgnoreAction);
  ASSERT_EQ(T().TopRow(), 1);
  QTest::qWait(15);
  EXPECT_EQ(T().TopRow(), 1) << "nothing moves before the first delay";
  QTRY_VERIFY_WITH_TIMEOUT(T().TopRow() >= 3, 2000);
  QDragLeaveEvent leave;
  QApplication::sendEvent(Target.viewport(), &leave);
  const int32_t left = T().TopRow();
  QTest::qWait(60);
  EXPECT_EQ(T().TopRow(), left);
}

TEST_F(TGridDragTest, ShowCellsGivesTheDragASeeThroughPictureOfTheCellsInView) {
  for (const bool show : {false, true}) {
    SCOPED_TRACE(show);
    Q().DragDropSettings.ShowCells = show;
    Fill_Source_Block();
    QPixmap seen;
    View.RunDrag = [&](QMimeData* data, Qt::DropActions) {
      delete data;
      seen = View.DragImage();
      return Qt::IgnoreAction;
    };
    Press(Middle_Of(1, 1));
    Drag_To(Middle_Of(1, 1) + QPoint(10, 0));
    Release(Middle_Of(1, 1) + QPoint(10, 0));
    EXPECT_TRUE(View.DragImage().isNull()) << "the picture goes with the drag";
    if (!show) {
      EXPECT_TRUE(seen.isNull());
      continue;
    }
    const TRect first = Q().CellRect(1, 1), last = Q().CellRect(2, 2);
    ASSERT_FALSE(seen.isNull());
    EXPECT_EQ(seen.size(), QSize(last.Right - first.Left + 1, last.Bottom - first.Top + 1));
    const QImage image = seen.toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 192);
  }
}
