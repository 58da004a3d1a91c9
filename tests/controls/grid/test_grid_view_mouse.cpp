// The advanced grid under the mouse in its view: clicks, check boxes, sizing by header edges, moving, click sort,
// double clicks and links.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include "GridMouseFixture.h"
#include "UQrvColumnGrid.h"
#include "model/GridTestHost.h"

namespace {
using TCellCall = std::tuple<int32_t, int32_t>;
using TCheckCall = std::tuple<int32_t, int32_t, bool>;

}  // namespace

TEST_F(TGridMouseTest, OneClickTogglesACheckBoxAndReportsColumnRowAndState) {
  struct TCase {
    const char* name;
    bool data;
    bool editing;
    bool toggles;
  };
  const TCase cases[] = {{"data check box", true, true, true},
                         {"plain check box", false, true, true},
                         {"data check box, editing off", true, false, false}};
  int32_t row = 2;
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.name);
    Q().SetOptions(k.editing ? Q().Options() | goEditing : Q().Options() & ~TGridOptions(goEditing));
    Q().AddCheckBox(2, row, false, k.data);
    std::vector<TCheckCall> checks;
    std::vector<TCellCall> clicks;
    int32_t onClick = 0;
    Q().OnCheckBoxClick = [&](TQrvStringGrid*, int32_t c, int32_t r, bool s) { checks.emplace_back(c, r, s); };
    Q().OnClickCell = [&](TQrvStringGrid*, int32_t r, int32_t c) { clicks.emplace_back(r, c); };
    Q().OnClick = [&](TQrvStringGrid*) { ++onClick; };
    Click(Middle_Of(2, row));
    bool state = false;
    Q().GetCheckBoxState(2, row, state);
    if (k.toggles) {
      EXPECT_EQ(checks, std::vector<TCheckCall>{TCheckCall(2, row, true)});
      EXPECT_TRUE(state);
      EXPECT_EQ(Q().Col(), 2);
      EXPECT_EQ(Q().Row(), row);
      EXPECT_TRUE(clicks.empty());
      EXPECT_EQ(onClick, 1);
      if (k.data) {
        EXPECT_EQ(Q().Cells(2, row), Q().CheckTrue);
      }
    } else {
      EXPECT_TRUE(checks.empty());
      EXPECT_FALSE(state);
      EXPECT_EQ(clicks, std::vector<TCellCall>{TCellCall(row, 2)});
    }
    ++row;
  }
}

TEST_F(TGridMouseTest, RowCheckBoxesSelectTheirRowsAndTheHeaderBoxSelectsAll) {
  Q().MouseActions().SetHotmailRowSelect(true);
  std::vector<TCheckCall> checks;
  Q().OnCheckBoxClick = [&](TQrvStringGrid*, int32_t c, int32_t r, bool s) { checks.emplace_back(c, r, s); };
  // Editing stays off: a row box answers whatever the cells allow.
  Click(Middle_Of(0, 3));
  EXPECT_TRUE(Q().GetRowSelect(3));
  EXPECT_EQ(Q().Row(), 3) << "a row just checked becomes the selection";
  Click(Middle_Of(0, 5));
  EXPECT_TRUE(Q().GetRowSelect(5));
  EXPECT_TRUE(Q().GetRowSelect(3)) << "rows are checked one by one, not instead of each other";
  Click(Middle_Of(0, 5));
  EXPECT_FALSE(Q().GetRowSelect(5));
  EXPECT_EQ(checks, (std::vector<TCheckCall>{{0, 3, true}, {0, 5, true}, {0, 5, false}}));

  checks.clear();
  Click(Middle_Of(0, 0));
  EXPECT_EQ(Q().SelectedRows().Count(), Q().RowCount() - Q().FixedRows());
  Click(Middle_Of(0, 0));
  EXPECT_EQ(Q().SelectedRows().Count(), 0);
  EXPECT_EQ(checks, (std::vector<TCheckCall>{{0, 0, true}, {0, 0, false}}));
}

TEST_F(TGridMouseTest, AClickMovesTheCursorAndASecondClickOpensTheEditor) {
  std::vector<TCellCall> clicks;
  Q().OnClickCell = [&](TQrvStringGrid*, int32_t r, int32_t c) { clicks.emplace_back(r, c); };
  auto editors = std::make_unique<TRecordingEditors>();
  TRecordingEditors& shown = *editors;
  View.SetEditors(std::move(editors));
  // The editor opens only in a grid that has the focus, as it has after a user's click in its window.
  View.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&View));
  View.setFocus(Qt::MouseFocusReason);
  Q().SetOptions(Q().Options() | goEditing);
  Click(Middle_Of(3, 4));
  EXPECT_EQ(clicks, std::vector<TCellCall>{TCellCall(4, 3)});
  EXPECT_EQ(Q().Col(), 3);
  EXPECT_EQ(Q().Row(), 4);
  EXPECT_TRUE(shown.Shown.empty());
  Click(Middle_Of(3, 4));
  EXPECT_EQ(shown.Shown, std::vector<TEditorType>{edNormal});
}

TEST_F(TGridMouseTest, AClickTheGridRefusesDoesNothing) {
  std::vector<TCellCall> clicks;
  Q().OnClickCell = [&](TQrvStringGrid*, int32_t r, int32_t c) { clicks.emplace_back(r, c); };
  Q().OnCanClickCell = [](TQrvStringGrid*, int32_t, int32_t, bool& allow) { allow = false; };
  Q().AddCheckBox(2, 2, false, true);
  Q().SetOptions(Q().Options() | goEditing);
  Click(Middle_Of(3, 4));
  Click(Middle_Of(2, 2));
  EXPECT_TRUE(clicks.empty());
  EXPECT_EQ(Q().Col(), 1);
  EXPECT_EQ(Q().Row(), 1);
  EXPECT_EQ(Q().Cells(2, 2), Q().CheckFalse);
}

TEST_F(TGridMouseTest, AHeaderEdgeIsGrabbedWithinThreePixelsNotFour) {
  Q().SetOptions(Q().Options() | goColSizing);
  // Column 2 ends at 120, where column 3 begins.
  struct TCase {
    int32_t dx;
    bool sizes;
  };
  const TCase cases[] = {{-3, true}, {-4, false}, {2, true}, {4, false}};
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.dx);
    Q().SetColWidths(2, 40);
    std::vector<TCellCall> clicks, sizing;
    std::vector<int32_t> ended;
    Q().OnClickCell = [&](TQrvStringGrid*, int32_t r, int32_t c) { clicks.emplace_back(r, c); };
    Q().OnColumnSizing = [&](TQrvStringGrid*, int32_t c, int32_t w) { sizing.emplace_back(c, w); };
    Q().OnEndColumnSize = [&](TQrvStringGrid*, int32_t c) { ended.push_back(c); };
    const int32_t x = 120 + k.dx;
    Press({x, 10});
    Drag_To({x + 15, 10});
    Release({x + 15, 10});
    if (k.sizes) {
      EXPECT_EQ(Q().ColWidths(2), 55);
      EXPECT_EQ(sizing, std::vector<TCellCall>{TCellCall(2, 55)});
      EXPECT_EQ(ended, std::vector<int32_t>{2});
      EXPECT_TRUE(clicks.empty());
    } else {
      EXPECT_EQ(Q().ColWidths(2), 40);
      EXPECT_TRUE(ended.empty());
      EXPECT_EQ(clicks.size(), 1u);
    }
  }
}

TEST_F(TGridMouseTest, OnColumnSizeAndOnRowSizeMayRefuseTheSizing) {
  Q().SetOptions(Q().Options() | goColSizing | goRowSizing);
  std::vector<int32_t> askedCols, askedRows;
  Q().OnColumnSize = [&](TQrvStringGrid*, int32_t c, bool& allow) {
    askedCols.push_back(c);
    allow = c != 2;
  };
  Q().OnRowSize = [&](TQrvStringGrid*, int32_t r, bool& allow) {
    askedRows.push_back(r);
    allow = r != 3;
  };
  // The right edges of columns 1 and 2 in the fixed row, the bottom edges of rows 2 and 3 in the fixed column.
  struct Case {
    QPoint at;
    bool sizing;
  };
  const Case cases[] = {{{78, 10}, true}, {{118, 10}, false}, {{20, 58}, true}, {{20, 78}, false}};
  for (const Case& c : cases) {
    Press(c.at);
    EXPECT_EQ(Q().Interaction() == TQrvStringGrid::TGridInteraction::Sizing, c.sizing) << c.at.x() << "," << c.at.y();
    Release(c.at);
  }
  EXPECT_EQ(askedCols, (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(askedRows, (std::vector<int32_t>{2, 3}));
}

TEST_F(TGridMouseTest, ABarShownAlwaysIsDisabledWhileTheRowsFitAndGivesBackItsPolicy) {
  QScrollBar* bar = View.verticalScrollBar();
  Q().SetScrollBarAlways(saVert);
  Q().SetRowCount(3);
  EXPECT_EQ(View.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_TRUE(bar->isVisible());
  EXPECT_FALSE(bar->isEnabled());
  Q().SetRowCount(30);
  EXPECT_TRUE(bar->isEnabled());
  EXPECT_EQ(View.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  Q().SetScrollBarAlways(saNone);
  Q().SetRowCount(3);
  EXPECT_EQ(View.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_FALSE(bar->isVisible());
}

TEST_F(TGridMouseTest, SizingNeverLeavesANegativeOrAMissingColumn) {
  Q().SetOptions(Q().Options() | goColSizing);
  // The left edge of the first column has no column before it.
  Press({1, 10});
  EXPECT_NE(Q().Interaction(), TQrvStringGrid::TGridInteraction::Sizing);
  Drag_To({30, 10});
  Release({30, 10});
  for (int32_t c = 0; c < Q().ColCount(); ++c) EXPECT_EQ(Q().ColWidths(c), 40) << c;
  // Dragged far past its left edge, the column ends at no width rather than a negative one.
  Press({118, 10});
  Drag_To({5, 10});
  Release({5, 10});
  EXPECT_EQ(Q().ColWidths(2), 0);
  // Let go beyond the grid's right border, the edge stays where it was.
  Q().SetColWidths(2, 40);
  Press({118, 10});
  Drag_To({260, 10});
  Release({260, 10});
  EXPECT_EQ(Q().ColWidths(2), 40);
}

TEST_F(TGridMouseTest, ARowEdgeInTheFixedColumnSizesTheRow) {
  Q().SetOptions(Q().Options() | goRowSizing);
  std::vector<int32_t> ended;
  Q().OnEndRowSize = [&](TQrvStringGrid*, int32_t r) { ended.push_back(r); };
  // Row 2 ends at 60.
  Press({20, 58});
  Drag_To({20, 70});
  Release({20, 70});
  EXPECT_EQ(Q().RowHeights(2), 32);
  EXPECT_EQ(ended, std::vector<int32_t>{2});
}

TEST_F(TGridMouseTest, ColumnsAndRowsMoveByTheirFixedCells) {
  Q().SetOptions(Q().Options() | goColMoving | goRowMoving);
  for (int32_t c = 1; c < 6; ++c) Q().SetCells(c, 0, QStringLiteral("h%1").arg(c));
  for (int32_t r = 1; r < 8; ++r) Q().SetCells(0, r, QStringLiteral("r%1").arg(r));
  // A press that stays within 3 pixels moves nothing.
  Press(Middle_Of(1, 0));
  Drag_To(Middle_Of(1, 0) + QPoint(3, 0));
  Release(Middle_Of(1, 0) + QPoint(3, 0));
  EXPECT_EQ(Q().Cells(1, 0), QStringLiteral("h1"));
  Press(Middle_Of(1, 0));
  Drag_To(Middle_Of(2, 0));
  Drag_To(Middle_Of(4, 0));
  EXPECT_EQ(Q().MovingTarget(), 4);
  Release(Middle_Of(4, 0));
  const QStringList expected = {"h2", "h3", "h4", "h1", "h5"};
  for (int32_t c = 1; c < 6; ++c) EXPECT_EQ(Q().Cells(c, 0), expected[c - 1]) << c;

  std::vector<TCellCall> moved;
  Q().OnRowMoved = [&](TQrvStringGrid*, int32_t from, int32_t to) { moved.emplace_back(from, to); };
  Press(Middle_Of(0, 2));
  Drag_To(Middle_Of(0, 5));
  Release(Middle_Of(0, 5));
  EXPECT_EQ(moved, std::vector<TCellCall>{TCellCall(2, 5)});
  EXPECT_EQ(Q().Cells(0, 5), QStringLiteral("r2"));
  EXPECT_EQ(Q().Cells(0, 2), QStringLiteral("r3"));
}

TEST_F(TGridMouseTest, AMovedColumnKeepsTheSortColumnAndTheCursorOnTheirData) {
  Q().SetOptions(Q().Options() | goColMoving);
  for (int32_t c = 1; c < 6; ++c) Q().SetCells(c, 0, QStringLiteral("h%1").arg(c));
  struct TCase {
    int32_t from, to, cursor, sortColumn;
  };
  // The cursor and the sort column each sit on one header; after the move they sit on the same header.
  const TCase cases[] = {{1, 4, 1, 3}, {4, 2, 3, 4}, {2, 5, 5, 1}};
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.from * 10 + k.to);
    Q().SetCol(k.cursor);
    Q().SortSettings.Column = k.sortColumn;
    const QString cursorHeader = Q().Cells(k.cursor, 0), sortHeader = Q().Cells(k.sortColumn, 0);
    const QString moved = Q().Cells(k.from, 0);
    Press(Middle_Of(k.from, 0));
    Drag_To(Middle_Of(k.to, 0));
    Release(Middle_Of(k.to, 0));
    EXPECT_EQ(Q().Cells(k.to, 0), moved);
    EXPECT_EQ(Q().Cells(Q().Col(), 0), cursorHeader);
    EXPECT_EQ(Q().Cells(Q().SortSettings.Column, 0), sortHeader);
  }
}

TEST_F(TGridMouseTest, ClicksOnTheSortRowSortUpDownThenRestore) {
  Q().SetRowCount(6);
  const QStringList start = {"pear", "10", "apple", "9", "Fig"};
  for (int32_t i = 0; i < start.size(); ++i) {
    Q().SetCells(1, i + 1, start[i]);
    Q().SetCells(2, i + 1, QString::number(i));
  }
  Q().SortSettings.Show = true;
  Q().SortSettings.UndoSort = true;
  std::vector<int32_t> sorted;
  Q().OnClickSort = [&](TQrvStringGrid*, int32_t c) { sorted.push_back(c); };
  auto column = [&](int32_t c) {
    QStringList texts;
    for (int32_t r = 1; r < Q().RowCount(); ++r) texts << Q().Cells(c, r);
    return texts;
  };
  const QStringList steps[] = {{"9", "10", "apple", "Fig", "pear"}, {"pear", "Fig", "apple", "10", "9"}, start};
  for (const QStringList& expected : steps) {
    Click(Middle_Of(1, 0));
    EXPECT_EQ(column(1), expected);
  }
  // The other columns travel with their rows.
  EXPECT_EQ(column(2), (QStringList{"0", "1", "2", "3", "4"}));
  EXPECT_EQ(sorted, (std::vector<int32_t>{1, 1, -1}));
  // Press on the sort row, release on a data row: no sort.
  Press(Middle_Of(1, 0));
  Release(Middle_Of(1, 2));
  EXPECT_EQ(column(1), start);
}

TEST_F(TGridMouseTest, TwoRowsOrFewerAreNeverClickSorted) {
  Q().SetRowCount(2);
  Q().SetCells(1, 1, QStringLiteral("b"));
  Q().SortSettings.Show = true;
  int32_t sorts = 0;
  Q().OnClickSort = [&](TQrvStringGrid*, int32_t) { ++sorts; };
  Click(Middle_Of(1, 0));
  EXPECT_EQ(sorts, 0);
  EXPECT_EQ(Q().SortSettings.Column, -1);
}

TEST_F(TGridMouseTest, DoubleClickOnAHeaderEdgeSizesTheColumnAndDoesNotSort) {
  Q().SetOptions(Q().Options() | goColSizing);
  Q().SortSettings.Show = true;
  Q().SetCells(2, 3, QStringLiteral("a cell text far wider than forty pixels"));
  Q().SetCells(2, 4, QStringLiteral("z"));
  std::vector<TCellCall> dbl;
  std::vector<int32_t> ended, sorted;
  Q().OnDblClickCell = [&](TQrvStringGrid*, int32_t r, int32_t c) { dbl.emplace_back(r, c); };
  Q().OnEndColumnSize = [&](TQrvStringGrid*, int32_t c) { ended.push_back(c); };
  Q().OnClickSort = [&](TQrvStringGrid*, int32_t c) { sorted.push_back(c); };
  Double_Click({118, 10});
  EXPECT_GT(Q().ColWidths(2), 100);
  EXPECT_TRUE(dbl.empty());
  EXPECT_FALSE(ended.empty());
  EXPECT_TRUE(sorted.empty());
  EXPECT_EQ(Q().Cells(2, 3), QStringLiteral("a cell text far wider than forty pixels"));
}

TEST_F(TGridMouseTest, DoubleClickOnAHeaderEdgeSizesTheShownColumnBehindAHiddenOne) {
  Q().SetOptions(Q().Options() | goColSizing);
  Q().SetCells(2, 3, QStringLiteral("a cell text far wider than forty pixels"));
  Q().HideColumn(1);  // real column 2 is shown second
  const int32_t third = Q().ColWidths(2);
  Double_Click({78, 10});
  EXPECT_GT(Q().ColWidths(1), 100);
  EXPECT_EQ(Q().ColWidths(2), third);
}

TEST_F(TGridMouseTest, DoubleClickAwayFromEdgesReachesOnDblClickCell) {
  Q().SetOptions(Q().Options() | goColSizing);
  std::vector<TCellCall> dbl;
  Q().OnDblClickCell = [&](TQrvStringGrid*, int32_t r, int32_t c) { dbl.emplace_back(r, c); };
  Double_Click(Middle_Of(3, 0));
  Double_Click(Middle_Of(2, 5));
  EXPECT_EQ(dbl, (std::vector<TCellCall>{{0, 3}, {5, 2}}));
  EXPECT_EQ(Q().ColWidths(3), 40);
}

TEST_F(TGridMouseTest, LinksOpenThroughTheDesktopOrNameACellOfTheGrid) {
  Q().URLShow = true;
  struct TCase {
    QString text;
    QStringList opened;
    int32_t col, row;
  };
  const TCase cases[] = {{"http://example.org/a", {"http://example.org/a"}, 1, 1},
                         {"mailto:someone@example.org", {"mailto:someone@example.org"}, 1, 1},
                         {"file:///bin/sh", {}, 1, 1},
                         {"cell://R5C2", {}, 2, 5},
                         {"cell://r6c4", {}, 4, 6},
                         {"cell://R50C2", {}, 1, 1},
                         {"cell://X1", {}, 1, 1}};
  for (const TCase& k : cases) {
    SCOPED_TRACE(k.text.toStdString());
    Opened.clear();
    Q().SetCol(1);
    Q().SetRow(1);
    Q().SetCells(3, 3, k.text);
    Click(Middle_Of(3, 3));
    EXPECT_EQ(Opened, k.opened);
    EXPECT_EQ(Q().Col(), k.col);
    EXPECT_EQ(Q().Row(), k.row);
  }
}

TEST(GridLinks, OnlyLinksWithASchemeOtherThanFilesAreOpened) {
  const std::pair<const char*, bool> cases[] = {{"http://example.org", true},
                                                {"https://example.org/x?y=1", true},
                                                {"mailto:a@example.org", true},
                                                {"file:///usr/bin/xterm", false},
                                                {"FILE:///c:/windows/calc.exe", false},
                                                {"C:/Windows/System32/calc.exe", false},
                                                {"/usr/bin/xterm", false},
                                                {"notepad.exe", false},
                                                {"", false}};
  for (const auto& [link, openable] : cases)
    EXPECT_EQ(TQrvStringGrid::IsOpenableLink(QString::fromLatin1(link)), openable) << link;
}

TEST_F(TGridMouseTest, TheReleaseReportsTheSelectionChangedSinceThePress) {
  std::vector<TGridRect> reports;
  Q().OnSelectionChanged = [&](TQrvStringGrid*, int32_t l, int32_t t, int32_t r, int32_t b) {
    reports.push_back(TGridRect{l, t, r, b});
  };
  // A release whose press this grid never saw reports nothing.
  Release(Middle_Of(4, 4));
  EXPECT_TRUE(reports.empty());
  Q().SetOptions(Q().Options() | goRangeSelect);
  Press(Middle_Of(2, 2));
  Drag_To(Middle_Of(3, 4));
  Release(Middle_Of(3, 4));
  EXPECT_EQ(reports, (std::vector<TGridRect>{TGridRect{2, 2, 3, 4}}));
  // A click that leaves the selection as it was reports nothing more.
  reports.clear();
  Q().SetOptions(Q().Options() & ~TGridOptions(goRangeSelect));
  Click(Middle_Of(1, 1));
  Click(Middle_Of(1, 1));
  EXPECT_EQ(reports.size(), 1u);
}

TEST_F(TGridMouseTest, TheCursorShowsEdgesAndLinksAndTheDraggedEdgeIsDrawn) {
  Q().SetOptions(Q().Options() | goColSizing);
  Q().URLShow = true;
  Q().SetCells(2, 3, QStringLiteral("http://example.org"));
  const std::pair<QPoint, Qt::CursorShape> cases[] = {
      {{118, 10}, Qt::SplitHCursor}, {{100, 10}, Qt::ArrowCursor}, {Middle_Of(2, 3), Qt::PointingHandCursor}};
  for (const auto& [at, shape] : cases) {
    Move_Mouse(at.x(), at.y());
    EXPECT_EQ(View.viewport()->cursor().shape(), shape) << at.x() << "," << at.y();
  }
  const QRgb before = Pixel(135, 50);
  Press({118, 10});
  Drag_To({135, 10});
  EXPECT_EQ(Pixel(135, 50), qRgb(0, 0, 0));
  Release({135, 10});
  EXPECT_EQ(Pixel(135, 50), before);
  EXPECT_NE(before, qRgb(0, 0, 0));
}

TEST_F(TGridMouseTest, TheControlsCursorShowsAndOnGetCellCursorPicksPerCell) {
  Q().SetCursor(crCross);
  Q().OnGetCellCursor = [](TQrvStringGrid*, int32_t c, int32_t, int32_t, int32_t, TCursor& cursor) {
    if (c == 3) cursor = crHandPoint;
    if (c == 4) cursor = crIBeam;
  };
  const std::pair<QPoint, Qt::CursorShape> cases[] = {{Middle_Of(2, 3), Qt::CrossCursor},
                                                      {Middle_Of(3, 3), Qt::PointingHandCursor},
                                                      {Middle_Of(4, 2), Qt::IBeamCursor},
                                                      {Middle_Of(2, 2), Qt::CrossCursor}};
  for (const auto& [at, shape] : cases) {
    Move_Mouse(at.x(), at.y());
    EXPECT_EQ(View.viewport()->cursor().shape(), shape) << at.x() << "," << at.y();
  }
}

TEST(GridViewFocus, EnterAndExitFireOncePerFocusChangeAndNeverWhileTheGridMovesTheFocus) {
  QWidget window;
  auto* view = new TGridView(std::make_unique<TQrvStringGrid>(), &window);
  auto* other = new QLineEdit(&window);
  view->setGeometry(0, 0, 200, 100);
  other->setGeometry(0, 120, 100, 22);
  window.resize(220, 160);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  auto focus = [](QWidget* w) {
    w->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  };
  focus(other);
  int enters = 0, exits = 0;
  TQrvStringGrid& grid = *view->AdvancedGrid();
  grid.OnEnter = [&](TQrvStringGrid*) { ++enters; };
  grid.OnExit = [&](TQrvStringGrid*) { ++exits; };
  focus(view);
  focus(other);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(exits, 1);
  grid.SetBlockFocus(true);
  focus(view);
  focus(other);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(exits, 1);
}

TEST_F(TGridMouseTest, HintsStartFromTheCellTextAndOnGridHintDecides) {
  Q().HintShowCells = true;
  Q().SetCells(2, 3, QStringLiteral("<b>bold</b> text"));
  Q().SetCells(3, 3, QStringLiteral("other"));
  Q().SetCells(1, 4, QStringLiteral("<5"));
  Q().SetCells(4, 5, QStringLiteral("cleared by the event"));
  Q().OnGridHint = [](TQrvStringGrid*, int32_t r, int32_t c, QString& hint) {
    if (r == 0) hint = QStringLiteral("Header %1").arg(c);
    if (r == 5) hint.clear();
  };
  auto ask = [&](QPoint at) {
    QHelpEvent help(QEvent::ToolTip, at, View.viewport()->mapToGlobal(at));
    QApplication::sendEvent(View.viewport(), &help);
    return View.ShownHint();
  };
  const std::pair<QPoint, QString> cases[] = {
      {Middle_Of(2, 0), "Header 2"}, {Middle_Of(2, 3), "bold text"}, {Middle_Of(1, 4), "<5"}};
  for (const auto& [at, expected] : cases) EXPECT_EQ(ask(at), expected) << at.x() << "," << at.y();
  // A hint the event empties shows none.
  ask(Middle_Of(4, 5));
  EXPECT_EQ(Q().LastHintPos().X, -1);
  ask(Middle_Of(2, 3));
  EXPECT_EQ(Q().LastHintPos().X, 2);
  // Another cell under the mouse ends the hint; the same cell keeps it.
  Move_Mouse(Middle_Of(2, 3).x() + 5, Middle_Of(2, 3).y());
  EXPECT_EQ(Q().LastHintPos().X, 2);
  Move_Mouse(Middle_Of(3, 3).x(), Middle_Of(3, 3).y());
  EXPECT_EQ(Q().LastHintPos().X, -1);
}

TEST(GridViewColumnCheckBox, OneClickTogglesADataCheckBoxColumnsText) {
  auto owned = std::make_unique<TQrvColumnGrid>();
  TQrvColumnGrid& grid = *owned;
  TGridView view(std::move(owned));
  view.setFrameShape(QFrame::NoFrame);
  grid.SetColCount(4);
  grid.SetRowCount(5);
  grid.SetDefaultColWidth(40);
  grid.SetDefaultRowHeight(20);
  grid.SetOptions(grid.Options() | goEditing);
  grid.Columns().Items(2)->SetEditor(edDataCheckBox);
  grid.SetCells(2, 3, QStringLiteral("N"));
  view.resize(200, 120);
  view.show();
  std::vector<TCheckCall> checks;
  int32_t clicks = 0;
  grid.OnCheckBoxClick = [&](TQrvStringGrid*, int32_t c, int32_t r, bool s) { checks.emplace_back(c, r, s); };
  grid.OnClickCell = [&](TQrvStringGrid*, int32_t, int32_t) { ++clicks; };
  const TRect rect = grid.CellRect(2, 3);
  const QPoint at(rect.Left + 3, rect.Bottom - 3);
  for (const char* expected : {"Y", "N"}) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), view.viewport()->mapToGlobal(QPointF(at)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), view.viewport()->mapToGlobal(QPointF(at)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &release);
    EXPECT_EQ(grid.Cells(2, 3), QString::fromLatin1(expected));
  }
  EXPECT_EQ(checks, (std::vector<TCheckCall>{TCheckCall(2, 3, true), TCheckCall(2, 3, false)}));
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(grid.Row(), 3);
  EXPECT_FALSE(grid.EditMode());
}

TEST_F(TGridMouseTest, TheSizingHintFollowsTheDraggedEdgeAndGoesWithTheRelease) {
  Q().SetOptions(Q().Options() | goColSizing);
  Q().HintShowSizing = true;
  // Column 2 ends at 120.
  Press({119, 10});
  Drag_To({129, 10});
  EXPECT_EQ(View.ShownHint(), "cw=<b>50</b>");
  Drag_To({134, 10});
  EXPECT_EQ(View.ShownHint(), "cw=<b>55</b>");
  Release({134, 10});
  EXPECT_EQ(View.ShownHint(), "");
  EXPECT_EQ(Q().ColWidths(2), 55);
}

TEST_F(TGridMouseTest, TheFilterButtonOpensTheColumnsListAndEscapeClosesIt) {
  Q().FilterDropDownAuto = true;
  for (int32_t r = 1; r < 8; ++r) Q().SetCells(2, r, r % 2 ? "odd" : "even");
  auto list = [this]() -> QListWidget* {
    for (QListWidget* w : View.viewport()->findChildren<QListWidget*>())
      if (w->isVisible()) return w;
    return nullptr;
  };
  // Column 2 spans 80 .. 120 in the header.
  Click({118, 5});
  EXPECT_EQ(list(), nullptr) << "the column's very edge holds no button";
  Click({110, 5});
  QListWidget* shown = list();
  ASSERT_NE(shown, nullptr);
  QStringList items;
  for (int i = 0; i < shown->count(); ++i) items << shown->item(i)->text();
  EXPECT_TRUE(items.contains("odd"));
  EXPECT_TRUE(items.contains("even"));
  EXPECT_EQ(shown->y(), 16);
  EXPECT_EQ(Q().FilterCol(), 2);
  QTest::keyClick(shown, Qt::Key_Escape);
  EXPECT_EQ(list(), nullptr);
  EXPECT_EQ(Q().FilterCol(), -1);
}
