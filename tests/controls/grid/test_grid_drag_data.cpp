// The drag data a grid offers and the drops a grid takes: the formats present, the blocks they carry, which
// handler a drop reaches, and cells and columns carried between two grids.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QUrl>

#include "UCellStream.h"
#include "UGridDragData.h"
#include "UGridDragFormats.h"
#include "UGridDropTarget.h"
#include "UQrvStringGrid.h"

namespace {

// Remembers the handlers a drop reached, in their order.
class TRecordingTarget : public TASGDropTarget {
 public:
  QStringList Calls;

 protected:
  void DropText(const TPoint&, const QString& s) override { Calls.append("text:" + s); }
  void DropStream(const TPoint&, const QByteArray&) override { Calls.append("stream"); }
  void DropCol(const TPoint&, int32_t col) override { Calls.append("col:" + QString::number(col)); }
  void DropRTF(const TPoint&, const QString& s) override { Calls.append("rtf:" + s); }
  void DropFiles(const TPoint&, const QStringList& files) override { Calls.append("files:" + files.join(',')); }
  void DropURL(const TPoint&, const QString& s) override { Calls.append("url:" + s); }
};

class RtfAllowed {
 public:
  explicit RtfAllowed(bool value) { SetDropRtfAllowed(value); }
  ~RtfAllowed() { SetDropRtfAllowed(false); }
};

void FillSource(TQrvStringGrid& grid) {
  grid.SetColCount(5);
  grid.SetRowCount(5);
  grid.SetCells(1, 1, QStringLiteral("a"));
  grid.SetCells(2, 1, QStringLiteral("b"));
  grid.SetCells(1, 2, QStringLiteral("c"));
  grid.SetCells(2, 2, QStringLiteral("d"));
  grid.GetCellProperties(2, 2)->SetFontColor(clRed);
  grid.SetSelection({1, 1, 2, 2});
}

}  // namespace

TEST(GridDragData, FormatsOfTextCellAndColumnDrags) {
  TQrvStringGrid grid;
  FillSource(grid);
  {
    std::unique_ptr<TGridDragData> text(Grid_CellDragData(grid, {2, 1}, false));
    EXPECT_EQ(text->formats(), QStringList{QStringLiteral("text/plain")});
    EXPECT_EQ(text->text(), QStringLiteral("a\tb\nc\td\n"));
    EXPECT_FALSE(text->hasFormat(RtfMimeType()));
  }
  {
    const RtfAllowed rtf(true);
    std::unique_ptr<TGridDragData> cells(Grid_CellDragData(grid, {2, 1}, true));
    EXPECT_EQ(cells->formats(), (QStringList{QStringLiteral("text/plain"), RtfMimeType(), GridCellsMimeType()}));
    EXPECT_EQ(cells->data(RtfMimeType()), QByteArray("b\0", 2));
    const QByteArray block = cells->data(GridCellsMimeType());
    EXPECT_EQ(block, CellsBlock_Wrap(SaveRectToBinStream(grid, {1, 1, 2, 2})));
    EXPECT_FALSE(cells->hasFormat(ColumnMimeType()));
  }
  std::unique_ptr<TGridDragData> column(Grid_ColumnDragData(3));
  EXPECT_EQ(column->formats(), QStringList{ColumnMimeType()});
  EXPECT_EQ(column->data(ColumnMimeType()), QByteArray("\x03\x00\x00\x00", 4));
  // Its text is empty, so no text is offered.
  EXPECT_FALSE(column->hasText());
  EXPECT_TRUE(column->data(QStringLiteral("text/plain")).isEmpty());
}

TEST(GridDropTarget, WhatEntersIsAcceptedByTheTargetsFlags) {
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"))});
  TRecordingTarget target;
  target.AcceptFiles = false;
  EXPECT_EQ(target.DragEnter(files, {}, false, deCopy | deMove), uint32_t{deNone});
  EXPECT_EQ(target.Drop(files, {}, false, deCopy | deMove), uint32_t{deNone});
  EXPECT_TRUE(target.Calls.isEmpty());

  TQrvStringGrid grid;
  FillSource(grid);
  std::unique_ptr<TGridDragData> cells(Grid_CellDragData(grid, {1, 1}, true));
  target.AcceptText = target.AcceptURLs = target.AcceptCols = false;
  EXPECT_EQ(target.DragEnter(*cells, {}, false, deCopy | deMove), uint32_t{deMove});
  EXPECT_EQ(target.DragOver({}, true, deCopy | deMove), uint32_t{deCopy});
  EXPECT_EQ(target.DropFormats(), TDropFormats(dfText) | dfGridCells);

  std::unique_ptr<TGridDragData> column(Grid_ColumnDragData(1));
  EXPECT_EQ(target.DragEnter(*column, {}, false, deCopy | deMove), uint32_t{deNone});
}

TEST(GridDropTarget, ADropReachesTheHandlersInTheirOrder) {
  TRecordingTarget target;
  target.AcceptCols = true;

  QMimeData columnAndText;
  columnAndText.setText(QStringLiteral("t"));
  columnAndText.setData(ColumnMimeType(), ColumnBlock_Write(4));
  target.DragEnter(columnAndText, {}, false, deCopy);
  EXPECT_EQ(target.Drop(columnAndText, {}, false, deCopy), uint32_t{deCopy});
  EXPECT_EQ(target.Calls, QStringList{QStringLiteral("col:4")});

  target.Calls.clear();
  QMimeData mixed;
  mixed.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt")), QUrl(QStringLiteral("https://example.org/"))});
  mixed.setText(QStringLiteral("words"));
  target.DragEnter(mixed, {}, false, deCopy | deMove);
  EXPECT_EQ(target.Drop(mixed, {}, false, deCopy | deMove), uint32_t{deMove});
  EXPECT_EQ(target.Calls, (QStringList{QStringLiteral("text:words"), QStringLiteral("files:/tmp/a.txt"),
                                       QStringLiteral("url:words")}));

  // A link alone is no text: the link handler gets the link itself.
  target.Calls.clear();
  QMimeData link;
  link.setUrls({QUrl(QStringLiteral("https://example.org/x"))});
  target.DragEnter(link, {}, false, deCopy);
  target.Drop(link, {}, false, deCopy);
  EXPECT_EQ(target.Calls, QStringList{QStringLiteral("url:https://example.org/x")});

  // Rich text wins over plain text only while it is allowed.
  QMimeData rich;
  rich.setText(QStringLiteral("plain"));
  rich.setData(RtfMimeType(), QByteArray("{\\rtf1 x}\0", 10));
  for (const bool allowed : {false, true}) {
    const RtfAllowed rtf(allowed);
    target.Calls.clear();
    target.DragEnter(rich, {}, false, deCopy);
    target.Drop(rich, {}, false, deCopy);
    EXPECT_EQ(target.Calls, QStringList{allowed ? QStringLiteral("rtf:{\\rtf1 x}") : QStringLiteral("text:plain")});
  }
}

TEST(GridDropTarget, CellsDraggedBetweenTwoGrids) {
  TQrvStringGrid source;
  FillSource(source);
  TQrvStringGrid target;
  target.SetColCount(6);
  target.SetRowCount(6);
  TGridDropTarget drop(target);
  int dropped = 0;
  drop.OnOleDropped = [&] { ++dropped; };

  std::unique_ptr<TGridDragData> data(Grid_CellDragData(source, {1, 1}, true));
  ASSERT_EQ(drop.DragEnter(*data, {3, 4}, false, deCopy | deMove), uint32_t{deMove});
  EXPECT_EQ(drop.DragOver({-1, -1}, false, deCopy | deMove), uint32_t{deNone});  // no cell under the mouse
  EXPECT_EQ(drop.DragOver({3, 4}, false, deCopy | deMove), uint32_t{deMove});
  ASSERT_EQ(drop.Drop(*data, {3, 4}, false, deCopy | deMove), uint32_t{deMove});
  Grid_FinishCellDrag(source, source.Selection(), Qt::MoveAction, false, false);

  EXPECT_EQ(dropped, 1);
  EXPECT_EQ(target.Cells(3, 4), QStringLiteral("a"));
  EXPECT_EQ(target.Cells(4, 4), QStringLiteral("b"));
  EXPECT_EQ(target.Cells(3, 5), QStringLiteral("c"));
  EXPECT_EQ(target.Cells(4, 5), QStringLiteral("d"));
  ASSERT_NE(target.PropsOf(4, 5), nullptr);
  EXPECT_EQ(target.PropsOf(4, 5)->FontColor(), clRed);
  EXPECT_EQ(source.Cells(1, 1), QString());
  EXPECT_EQ(source.Cells(2, 2), QString());

  // Without the cells block the text fills the cells from the drop cell.
  TQrvStringGrid plain;
  TGridDropTarget plainDrop(plain);
  FillSource(source);
  std::unique_ptr<TGridDragData> text(Grid_CellDragData(source, {1, 1}, false));
  plainDrop.DragEnter(*text, {1, 1}, true, deCopy | deMove);
  EXPECT_EQ(plainDrop.Drop(*text, {1, 1}, true, deCopy | deMove), uint32_t{deCopy});
  EXPECT_EQ(plain.Cells(2, 2), QStringLiteral("d"));
  EXPECT_FALSE(plain.HasCellProperties(2, 2));
}

TEST(GridDropTarget, ABlockWhoseLengthDoesNotFitIsRefused) {
  TQrvStringGrid source;
  FillSource(source);
  QByteArray block = CellsBlock_Wrap(SaveRectToBinStream(source, {1, 1, 2, 2}));
  block.chop(1);
  QMimeData data;
  data.setData(GridCellsMimeType(), block);
  TQrvStringGrid target;
  target.SetCells(1, 1, QStringLiteral("kept"));
  TGridDropTarget drop(target);
  ASSERT_NE(drop.DragEnter(data, {1, 1}, false, deCopy), uint32_t{deNone});
  EXPECT_EQ(drop.Drop(data, {1, 1}, false, deCopy), uint32_t{deNone});
  EXPECT_EQ(target.Cells(1, 1), QStringLiteral("kept"));
}

TEST(GridDropTarget, AColumnDragReordersTheGridsColumns) {
  TQrvStringGrid grid;
  for (int32_t c = 0; c < grid.ColCount(); ++c) grid.SetCells(c, 0, QString::number(c));
  TGridDropTarget drop(grid);
  drop.AcceptCols = true;
  std::pair<int32_t, int32_t> moved{-1, -1};
  drop.OnOleDropCol = [&](int32_t from, int32_t to) { moved = {from, to}; };
  std::unique_ptr<TGridDragData> column(Grid_ColumnDragData(1));

  drop.DragEnter(*column, {3, 0}, false, deMove);
  drop.Drop(*column, {3, 0}, false, deMove);
  EXPECT_EQ(grid.Cells(1, 0), QStringLiteral("1"));  // reordering is off

  drop.ColumnReorder = true;
  drop.DragEnter(*column, {3, 0}, false, deMove);
  drop.Drop(*column, {3, 0}, false, deMove);
  EXPECT_EQ(moved, std::make_pair(1, 3));
  EXPECT_EQ(grid.Cells(3, 0), QStringLiteral("1"));
  EXPECT_EQ(grid.Cells(1, 0), QStringLiteral("2"));
}

TEST(GridDropTarget, AColumnDraggedFromAListLeavesTheListAndShowsAgain) {
  struct TCase {
    const char* name;
    int32_t index;     // the list item the drag names
    bool destroyList;  // the list is gone before the drop
    QStringList listAfter;
  };
  const TCase cases[] = {{"its item leaves the list", 0, false, {"c4"}},
                         {"an index the list no longer has leaves it alone", 5, false, {"c2", "c4"}},
                         {"a destroyed list is never reached", 0, true, {}}};
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.name);
    TQrvStringGrid grid;
    grid.SetColCount(6);
    for (int32_t c = 0; c < 6; ++c) grid.SetCells(c, 0, QStringLiteral("c%1").arg(c));
    grid.HideColumn(4);
    grid.HideColumn(2);
    auto list = std::make_unique<QListWidget>();
    list->addItems({QStringLiteral("c2"), QStringLiteral("c4")});
    grid.OleColumnDragStart(2, k.index, list.get());
    if (k.destroyList) list.reset();
    TGridDropTarget drop(grid);
    drop.AcceptCols = true;  // a list's column lands without reordering switched on
    std::pair<int32_t, int32_t> dropped{-1, -1};
    drop.OnOleDropCol = [&](int32_t from, int32_t to) { dropped = {from, to}; };
    std::unique_ptr<TGridDragData> column(Grid_ColumnDragData(2));

    ASSERT_NE(drop.DragEnter(*column, {3, 0}, false, deMove), uint32_t{deNone});
    drop.Drop(*column, {3, 0}, false, deMove);
    QStringList shown;
    for (int32_t d = 0; d < grid.ColCount(); ++d) shown.append(grid.Cells(grid.RealColIndex(d), 0));
    EXPECT_EQ(shown, (QStringList{"c0", "c1", "c3", "c2", "c5"}));
    EXPECT_TRUE(grid.IsHiddenColumn(4));
    EXPECT_EQ(dropped, std::make_pair(2, 3));
    EXPECT_EQ(grid.OleDragCol(), -1);
    if (list) {
      QStringList items;
      for (int i = 0; i < list->count(); ++i) items.append(list->item(i)->text());
      EXPECT_EQ(items, k.listAfter);
    }
  }
}

TEST(GridDropTarget, AColumnOtherThanTheListsIsNoListDrop) {
  TQrvStringGrid grid;
  grid.SetColCount(6);
  for (int32_t c = 0; c < 6; ++c) grid.SetCells(c, 0, QStringLiteral("c%1").arg(c));
  grid.HideColumn(2);
  QListWidget list;
  list.addItem(QStringLiteral("c2"));
  grid.OleColumnDragStart(2, 0, &list);
  TGridDropTarget drop(grid);
  drop.AcceptCols = true;
  std::unique_ptr<TGridDragData> column(Grid_ColumnDragData(1));
  drop.DragEnter(*column, {3, 0}, false, deMove);
  drop.Drop(*column, {3, 0}, false, deMove);
  EXPECT_TRUE(grid.IsHiddenColumn(2));
  EXPECT_EQ(list.count(), 1);
  EXPECT_EQ(grid.OleDragCol(), 2);  // the list's drag may still land
}

TEST(GridDropTarget, OneGridsRichTextSettingDecidesEveryGridsDrops) {
  QMimeData rich;
  rich.setText(QStringLiteral("plain"));
  rich.setData(RtfMimeType(), QByteArray("{\\rtf1 x}\0", 10));
  TQrvStringGrid setter;
  TQrvStringGrid target;
  TGridDropTarget drop(target);
  for (const bool allowed : {true, false}) {
    SCOPED_TRACE(allowed);
    setter.DragDropSettings.OleDropRTF = allowed;
    drop.DragEnter(rich, {1, 1}, false, deCopy);
    drop.Drop(rich, {1, 1}, false, deCopy);
    EXPECT_EQ(target.Cells(1, 1), allowed ? QStringLiteral("{\\rtf1 x}") : QStringLiteral("plain"));
  }
  // Only rich text to offer: refused once the setting is off.
  QMimeData onlyRich;
  onlyRich.setData(RtfMimeType(), QByteArray("{\\rtf1 y}\0", 10));
  EXPECT_EQ(drop.DragEnter(onlyRich, {1, 1}, false, deCopy), uint32_t{deNone});
  setter.DragDropSettings.OleDropRTF = true;
  EXPECT_EQ(drop.DragEnter(onlyRich, {1, 1}, false, deCopy), uint32_t{deCopy});
  SetDropRtfAllowed(false);
}
