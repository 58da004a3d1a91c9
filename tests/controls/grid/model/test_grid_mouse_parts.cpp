// The mouse on a cell's own parts and on the selection kinds that need not touch, driven through the model's press,
// move and release with no widget: node glyphs, radio groups, cell and expand buttons, disjunct rows, columns and
// cells, hot fixed cells, the sizing hint, the fixed-cell editor and the filter button.
#include <gtest/gtest.h>

#include <set>

#include "GridPixels.h"
#include "GridRowFlags.h"
#include "GridTestHost.h"

namespace {

// 5 columns of 60 pixels, 8 rows of 20, one fixed row and column, cells "c:r".
struct MouseParts : ::testing::Test {
  MouseParts() : hosted(5, 8, 400, 300) {
    for (int32_t c = 0; c < 5; ++c) grid.SetColWidths(c, 60);
    for (int32_t r = 0; r < 8; ++r) grid.SetRowHeights(r, 20);
    Fill(grid);
    grid.SetOptions(grid.Options() | goEditing);
  }
  void Press(int32_t x, int32_t y, TShiftState shift = {}) {
    grid.GridMouseDown(TQrvStringGrid::gmbLeft, shift, x, y);
  }
  void Release(int32_t x, int32_t y, TShiftState shift = {}) {
    grid.GridMouseUp(TQrvStringGrid::gmbLeft, shift, x, y);
  }
  void Click(int32_t x, int32_t y, TShiftState shift = {}) {
    Press(x, y, shift);
    Release(x, y, shift);
  }
  TPoint Mid(int32_t c, int32_t r) {
    const TRect rect = grid.CellRect(c, r);
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
  }
  void ClickCell(int32_t c, int32_t r, TShiftState shift = {}) {
    const TPoint p = Mid(c, r);
    Click(p.X, p.Y, shift);
  }
  std::set<int32_t> FlaggedRows() { return ::FlaggedRows(grid); }
  THostedGrid<> hosted;
  TQrvStringGrid& grid = hosted.grid;
};

TEST_F(MouseParts, APressOnANodeGlyphTurnsTheNodeOverAndAskesFirst) {
  grid.AddNode(1, 4);
  grid.ContractNode(1);
  ASSERT_EQ(grid.RowCount(), 5);
  QStringList events;
  bool allowContract = true;
  grid.OnBeforeExpandNode = [&](TQrvStringGrid*, int32_t r, int32_t real, bool&) {
    events << QStringLiteral("before expand %1/%2").arg(r).arg(real);
  };
  grid.OnExpandNode = [&](TQrvStringGrid*, int32_t r, int32_t real) {
    events << QStringLiteral("expand %1/%2").arg(r).arg(real);
  };
  grid.OnBeforeContractNode = [&](TQrvStringGrid*, int32_t, int32_t, bool& allow) {
    events << QStringLiteral("before contract");
    allow = allowContract;
  };
  grid.OnContractNode = [&](TQrvStringGrid*, int32_t, int32_t) { events << QStringLiteral("contract"); };
  grid.OnClickCell = [&](TQrvStringGrid*, int32_t r, int32_t c) {
    events << QStringLiteral("click %1,%2").arg(r).arg(c);
  };
  const TRect cell = grid.CellRect(0, 1);
  const int32_t glyphX = cell.Left + grid.GetNodeIndent(1) + 8;
  const int32_t midY = (cell.Top + cell.Bottom) / 2;

  // Beside the glyph, the node stays as it is.
  Click(cell.Right - 3, midY);
  EXPECT_TRUE(grid.GetNodeState(1));
  EXPECT_FALSE(events.contains(QStringLiteral("expand 1/1")));

  events.clear();
  Click(glyphX, midY);
  EXPECT_FALSE(grid.GetNodeState(1));
  EXPECT_EQ(grid.RowCount(), 8);
  EXPECT_EQ(events, (QStringList{"click 1,0", "before expand 1/1", "expand 1/1"}));

  // A refused contraction leaves the rows shown and fires no contract event.
  events.clear();
  allowContract = false;
  Click(glyphX, midY);
  EXPECT_FALSE(grid.GetNodeState(1));
  EXPECT_EQ(grid.RowCount(), 8);
  EXPECT_EQ(events, (QStringList{"click 1,0", "before contract"}));
}

TEST_F(MouseParts, MoveRowOnNodeClickMakesTheNodeRowCurrent) {
  grid.AddNode(3, 2);
  grid.MouseActions().SetMoveRowOnNodeClick(true);
  ASSERT_NE(grid.Row(), 3);
  const TRect cell = grid.CellRect(0, 3);
  Click(cell.Left + grid.GetNodeIndent(3) + 8, (cell.Top + cell.Bottom) / 2);
  EXPECT_TRUE(grid.GetNodeState(3));
  EXPECT_EQ(grid.Row(), 3);
}

TEST_F(MouseParts, APressOnARadioGroupPicksTheItemUnderIt) {
  grid.SetRowHeights(2, 60);
  grid.SetColWidths(2, 200);
  // The items start 2 pixels into the cell shrunk by the offset less one; each is its 16-pixel radio and its text
  // wide.
  const int32_t in = grid.XYOffset.X - 1;
  const int32_t a = in + 2 + 16 + grid.MeasureCellText("a").cx;
  const int32_t bb = 16 + grid.MeasureCellText("bb").cx;
  const int32_t step = std::max(16, grid.MeasureCellText("gh").cy);
  struct Case {
    const char* name;
    bool horizontal;
    int32_t dx, dy;
    int32_t picked;  // -1: nothing picked
  };
  const Case cases[] = {
      {"first item", true, 1, 5, 0},
      {"last pixel of the first item", true, a - 1, 5, 0},
      {"first pixel of the second item", true, a, 5, 1},
      {"third item", true, a + bb + 1, 5, 2},
      {"right of the last item", true, a + bb + 190, 5, -1},
      {"vertical first", false, 30, 1, 0},
      {"vertical last pixel of the first", false, 30, in + 2 + step - 1, 0},
      {"vertical second", false, 30, in + 2 + step, 1},
      {"vertical below the items", false, 30, in + 2 + 3 * step, -1},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    grid.RemoveRadio(2, 2);
    QStringList* items = grid.CreateRadio(2, 2, k.horizontal ? 1 : 0, -1);
    *items << "a"
           << "bb"
           << "ccc";
    grid.SetCells(2, 2, QString());
    std::vector<std::array<int32_t, 3>> clicks;
    grid.OnRadioClick = [&](TQrvStringGrid*, int32_t c, int32_t r, int32_t i) { clicks.push_back({c, r, i}); };
    const TRect rect = grid.CellRect(2, 2);
    Click(rect.Left + k.dx, rect.Top + k.dy);
    int32_t idx = -2;
    grid.GetRadioIdx(2, 2, idx);
    if (k.picked < 0) {
      EXPECT_TRUE(clicks.empty());
      EXPECT_EQ(grid.Cells(2, 2), QString());
    } else {
      ASSERT_EQ(clicks.size(), 1u);
      EXPECT_EQ(clicks[0], (std::array<int32_t, 3>{2, 2, k.picked}));
      EXPECT_EQ(idx, k.picked);
      EXPECT_EQ(grid.Cells(2, 2), (*items)[k.picked]);
    }
  }
}

TEST_F(MouseParts, ARadioGroupOfAReadOnlyCellAnswersOnlyWhenAlwaysActive) {
  grid.SetRowHeights(2, 60);
  QStringList* items = grid.CreateRadio(2, 2, 0, 0);
  *items << "x"
         << "y";
  grid.OnCanEditCell = [](TQrvStringGrid*, int32_t, int32_t, bool& can) { can = false; };
  const TRect rect = grid.CellRect(2, 2);
  const int32_t secondY = rect.Top + grid.XYOffset.Y + 1 + std::max(16, grid.MeasureCellText("gh").cy) + 1;
  Click(rect.Left + 5, secondY);
  int32_t idx = -1;
  grid.GetRadioIdx(2, 2, idx);
  EXPECT_EQ(idx, 0);
  grid.ControlLook.RadioAlwaysActive = true;
  Click(rect.Left + 5, secondY);
  grid.GetRadioIdx(2, 2, idx);
  EXPECT_EQ(idx, 1);
}

TEST_F(MouseParts, ACellButtonClicksOnlyWhenPressAndReleaseAreOnIt) {
  grid.AddButton(2, 3, 30, 14, "Go", haLeft, vaTop);
  std::vector<TPoint> clicks;
  grid.OnButtonClick = [&](TQrvStringGrid*, int32_t c, int32_t r) { clicks.push_back({c, r}); };
  const TRect button = grid.GetCellButtonRect(2, 3);
  ASSERT_GT(button.Right, button.Left);
  const TPoint on{button.Left + 5, button.Top + 5};
  struct Case {
    const char* name;
    TPoint press, release;
    bool readOnly;
    size_t clicks;
  };
  const Case cases[] = {
      {"press and release on the button", on, on, false, 1},
      {"released on another cell", on, Mid(3, 5), false, 0},
      {"pressed beside the button",
       {button.Right + 10, button.Top + 5},
       {button.Right + 10, button.Top + 5},
       false,
       0},
      {"a read-only cell's button", on, on, true, 0},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    clicks.clear();
    grid.OnCanEditCell = [&](TQrvStringGrid*, int32_t, int32_t, bool& can) { can = !k.readOnly; };
    Press(k.press.X, k.press.Y);
    const bool onButton = k.press.X == on.X;
    EXPECT_EQ(grid.PushedCellButton(), (onButton ? TPoint{2, 3} : TPoint{-1, -1}));
    Release(k.release.X, k.release.Y);
    EXPECT_EQ(grid.PushedCellButton(), (TPoint{-1, -1}));
    EXPECT_EQ(clicks.size(), k.clicks);
    if (k.clicks) {
      EXPECT_EQ(clicks[0], (TPoint{2, 3}));
    }
    // The button is drawn up again after every release of an enabled button.
    if (!k.readOnly) {
      EXPECT_FALSE(grid.GetCellGraphic(2, 3)->CellBoolean());
    }
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Row(), 3);
  }
}

TEST_F(MouseParts, AnExpandButtonTogglesItsStateOnEachClick) {
  grid.AddExpand(2, 2, 50);
  std::vector<bool> states;
  grid.OnExpandClick = [&](TQrvStringGrid*, int32_t c, int32_t r, bool expanded) {
    EXPECT_EQ(c, 2);
    EXPECT_EQ(r, 2);
    states.push_back(expanded);
  };
  const TRect button = grid.ExpandButtonRect(2, 2);
  Click(button.Left + 3, button.Top + 3);
  EXPECT_EQ(grid.RowHeights(2), 50);
  Click(button.Left + 3, button.Top + 3);
  EXPECT_EQ(states, (std::vector<bool>{true, false}));
}

// Every pixel the painter draws of the button takes the click, the pixels around it do not; the grid lines of two
// widths move the drawn button, and the test must follow it.
TEST_F(MouseParts, AnExpandButtonTakesClicksOnEveryPixelItShows) {
  constexpr QRgb Background = qRgb(0x20, 0x40, 0x60);
  grid.SetColor(0x604020);
  grid.SetCells(2, 2, QString());  // the button alone in the cell
  grid.AddExpand(2, 2, 50);
  for (const int32_t lineWidth : {1, 3}) {
    SCOPED_TRACE(lineWidth);
    grid.SetCol(4);  // keep the cell out of the selection a click on its button puts it in
    grid.SetRow(6);
    grid.SetGridLineWidth(lineWidth);
    const QImage shot = PaintedShot(grid, 400, 300);
    const TRect cell = grid.CellRect(2, 2);
    const TRect inside{cell.Left, cell.Top, cell.Right - lineWidth, cell.Bottom - lineWidth};
    const TRect drawn = InkBounds(shot, inside, [&](QRgb p) { return p != Background; });
    ASSERT_EQ(drawn.Width(), 13);
    ASSERT_EQ(drawn.Height(), 13);
    const int32_t midX = (drawn.Left + drawn.Right) / 2, midY = (drawn.Top + drawn.Bottom) / 2;
    const struct {
      const char* where;
      TPoint at;
      bool hits;
    } cases[] = {
        {"left column", {drawn.Left, midY}, true},
        {"right column", {drawn.Right - 1, midY}, true},
        {"top row", {midX, drawn.Top}, true},
        {"bottom row", {midX, drawn.Bottom - 1}, true},
        {"bottom-left corner", {drawn.Left, drawn.Bottom - 1}, true},
        {"top-right corner", {drawn.Right - 1, drawn.Top}, true},
        {"left of it", {drawn.Left - 1, midY}, false},
        {"right of it", {drawn.Right, midY}, false},
        {"above it", {midX, drawn.Top - 1}, false},
        {"below it", {midX, drawn.Bottom}, false},
    };
    for (const auto& k : cases) {
      const bool was = grid.GetExpandState(2, 2);
      Click(k.at.X, k.at.Y);
      EXPECT_EQ(grid.GetExpandState(2, 2) != was, k.hits) << k.where;
    }
  }
}

TEST_F(MouseParts, DisjunctRowsFollowCtrlAndShiftClicks) {
  grid.MouseActions().SetDisjunctRowSelect(true);
  struct Step {
    int32_t row;
    TShiftState shift;
    std::set<int32_t> flagged;
  };
  const Step steps[] = {
      {2, {}, {2}},
      {4, ssCtrl, {2, 4}},
      {2, ssCtrl, {4}},  // a flagged row pressed with Ctrl is taken away
      {5, {}, {5}},      // a plain click starts again
      {7, ssShift, {5, 6, 7}},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.row);
    ClickCell(2, s.row, s.shift);
    EXPECT_EQ(FlaggedRows(), s.flagged);
  }
}

// The wheel moves the current row without marking it; leaving the grid marks the rows the selection then holds,
// once, and only in disjunct row mode and outside a blocked focus change.
TEST_F(MouseParts, LeavingTheGridMarksTheRowsOfAChangedSelection) {
  struct Case {
    const char* name;
    bool disjunct, blocked;
    bool marked;
  };
  const Case cases[] = {
      {"disjunct rows", true, false, true},
      {"plain selection", false, false, false},
      {"a blocked focus change", true, true, false},
  };
  // The stored marks themselves: outside disjunct mode the row query answers from the selection instead.
  auto marked = [&] {
    std::set<int32_t> rows;
    for (size_t r = 0; r < grid.RowSelectFlags().size(); ++r)
      if (grid.RowSelectFlags()[r]) rows.insert(int32_t(r));
    return rows;
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    grid.MouseActions().SetDisjunctRowSelect(k.disjunct);
    grid.ClearRowSelect();
    grid.SetRow(2);
    grid.MouseWheel(-120, {}, TPoint{5, 5});
    const int32_t moved = grid.Row();
    ASSERT_NE(moved, 2);
    ASSERT_EQ(marked(), std::set<int32_t>{});
    grid.SetBlockFocus(k.blocked);
    grid.GridExit();
    grid.SetBlockFocus(false);
    EXPECT_EQ(marked(), k.marked ? std::set<int32_t>{moved} : std::set<int32_t>{});
  }
  // The blocked exit left its change pending for the next real one; after that it is handled once: another exit
  // with no new change leaves the user's unmarking alone.
  grid.GridExit();
  EXPECT_FALSE(marked().empty());
  grid.ClearRowSelect();
  grid.GridExit();
  EXPECT_EQ(marked(), std::set<int32_t>{});
}

TEST_F(MouseParts, DisjunctColumnsAndCellsFollowCtrlClicks) {
  grid.MouseActions().SetDisjunctColSelect(true);
  ClickCell(1, 2);
  ClickCell(3, 2, ssCtrl);
  EXPECT_TRUE(grid.GetColSelect(1));
  EXPECT_TRUE(grid.GetColSelect(3));
  ClickCell(1, 4, ssCtrl);
  EXPECT_FALSE(grid.GetColSelect(1));
  EXPECT_TRUE(grid.GetColSelect(3));
  grid.MouseActions().SetDisjunctColSelect(false);

  grid.MouseActions().SetDisjunctCellSelect(true);
  ClickCell(1, 1);
  ClickCell(2, 3, ssCtrl);
  EXPECT_TRUE(grid.GetSelectedCells(1, 1));
  EXPECT_TRUE(grid.GetSelectedCells(2, 3));
  ClickCell(1, 1, ssCtrl);
  EXPECT_FALSE(grid.GetSelectedCells(1, 1));
  EXPECT_TRUE(grid.GetSelectedCells(2, 3));
  ClickCell(3, 3);
  EXPECT_FALSE(grid.GetSelectedCells(2, 3));
  EXPECT_TRUE(grid.GetSelectedCells(3, 3));
  // OnSelectCell may keep a cell out of the list.
  grid.OnSelectCell = [](TQrvStringGrid*, int32_t c, int32_t, bool& can) { can = c != 4; };
  ClickCell(4, 4, ssCtrl);
  EXPECT_FALSE(grid.GetSelectedCells(4, 4));
}

TEST_F(MouseParts, HotFixedCellsFollowTheMouseAndLeaveWithIt) {
  struct Case {
    THoverFixedCells mode;
    bool header, rowHeader, normal;
  };
  const Case cases[] = {{hfNone, false, false, false},
                        {hfAll, true, true, false},
                        {hfFixedRows, true, false, false},
                        {hfFixedColumns, false, true, false}};
  for (const Case& k : cases) {
    grid.HoverFixedCells = k.mode;
    EXPECT_EQ(grid.IsHoverFixedCell(2, 0), k.header);
    EXPECT_EQ(grid.IsHoverFixedCell(0, 3), k.rowHeader);
    EXPECT_EQ(grid.IsHoverFixedCell(2, 3), k.normal);
  }
  grid.HoverFixedCells = hfAll;
  const TPoint a = Mid(2, 0), b = Mid(3, 0);
  grid.GridMouseMove({}, a.X, a.Y);
  EXPECT_EQ(grid.HoverFixedCell, (TPoint{2, 0}));
  hosted.host.Rects.clear();
  grid.GridMouseMove({}, b.X, b.Y);
  EXPECT_EQ(grid.HoverFixedCell, (TPoint{3, 0}));
  // The cell left and the cell entered are both repainted.
  auto repainted = [&](int32_t c, int32_t r) { return hosted.host.Covered(grid.CellRect(c, r)); };
  EXPECT_TRUE(repainted(2, 0));
  EXPECT_TRUE(repainted(3, 0));
  grid.GridMouseLeave();
  EXPECT_EQ(grid.HoverFixedCell, (TPoint{-1, -1}));
}

TEST_F(MouseParts, TheSizingHintShowsTheSizeBeingSet) {
  grid.SetOptions(grid.Options() | goColSizing | goRowSizing);
  QString text;
  TPoint pos;
  const TRect header = grid.CellRect(2, 0);
  const int32_t midY = (header.Top + header.Bottom) / 2;
  Press(header.Right - 1, midY);
  grid.GridMouseMove(ssLeft, header.Right + 14, midY);
  EXPECT_FALSE(grid.SizingHint(text, pos));  // off unless asked for
  grid.HintShowSizing = true;
  grid.GridMouseMove(ssLeft, header.Right + 15, midY);
  ASSERT_TRUE(grid.SizingHint(text, pos));
  EXPECT_EQ(text, "cw=<b>76</b>");
  EXPECT_EQ(pos, (TPoint{header.Left, header.Top}));
  // Dragged far to the left, the hint never shows a negative width.
  grid.GridMouseMove(ssLeft, header.Left - 200, midY);
  ASSERT_TRUE(grid.SizingHint(text, pos));
  EXPECT_EQ(text, "cw=<b>0</b>");
  Release(header.Right + 15, midY);
  EXPECT_FALSE(grid.SizingHint(text, pos));
  EXPECT_EQ(grid.ColWidths(2), 76);

  const TRect rowHeader = grid.CellRect(0, 3);
  Press((rowHeader.Left + rowHeader.Right) / 2, rowHeader.Bottom - 1);
  grid.GridMouseMove(ssLeft, (rowHeader.Left + rowHeader.Right) / 2, rowHeader.Bottom + 9);
  ASSERT_TRUE(grid.SizingHint(text, pos));
  EXPECT_EQ(text, "rh=<b>30</b>");
  Release((rowHeader.Left + rowHeader.Right) / 2, rowHeader.Bottom + 9);
}

TEST_F(MouseParts, TheFixedCellEditorOpensOnThePressTheSettingsName) {
  TRecordingEditors editors;
  grid.SetEditors(&editors);
  grid.SetOptions(grid.Options() | goColSizing);
  const TPoint header = Mid(2, 0);
  const TRect rect = grid.CellRect(2, 0);
  struct Case {
    const char* name;
    TGridFixedCellEdit how;
    TQrvStringGrid::TGridMouseButton button;
    bool dbl;
    int32_t x;
    bool opens;
  };
  const Case cases[] = {
      {"left click", fceLeftClick, TQrvStringGrid::gmbLeft, false, header.X, true},
      {"left click on the sizing edge", fceLeftClick, TQrvStringGrid::gmbLeft, false, rect.Right - 2, false},
      {"right press on a left-click header", fceLeftClick, TQrvStringGrid::gmbRight, false, header.X, false},
      {"right press", fceRightClick, TQrvStringGrid::gmbRight, false, header.X, true},
      {"left press on a right-click header", fceRightClick, TQrvStringGrid::gmbLeft, false, header.X, false},
      {"double click", fceDblClick, TQrvStringGrid::gmbLeft, true, header.X, true},
      {"no editing", fceNone, TQrvStringGrid::gmbLeft, true, header.X, false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    editors.Opened.clear();
    grid.MouseActions().SetFixedRowsEdit(k.how);
    if (k.dbl) {
      grid.GridDblClick({}, k.x, header.Y);
    } else {
      grid.GridMouseDown(k.button, {}, k.x, header.Y);
    }
    grid.GridMouseUp(k.button, {}, k.x, header.Y);
    ASSERT_EQ(editors.Opened.size(), k.opens ? 1u : 0u);
    if (k.opens) {
      EXPECT_EQ(editors.Opened[0].Kind, fceEdit);
      EXPECT_EQ(editors.Opened[0].Col, 2);
      EXPECT_EQ(editors.Opened[0].Row, 0);
      EXPECT_EQ(editors.Opened[0].Rect, (TRect{rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1}));
    }
  }
  grid.SetEditors(nullptr);
}

TEST_F(MouseParts, TheFixedCellEditorTakesItsKindAndValuesFromOnFixedEditAndCanBeRefused) {
  TRecordingEditors editors;
  grid.SetEditors(&editors);
  grid.MouseActions().SetFixedRowsEdit(fceLeftClick);
  grid.MouseActions().SetFixedComboValues({"one", "two"});
  grid.OnFixedEdit = [](TQrvStringGrid*, int32_t, int32_t, TGridFixedCellEditor& kind, QStringList& values) {
    kind = fceComboList;
    values << "three";
  };
  const TPoint header = Mid(3, 0);
  Click(header.X, header.Y);
  ASSERT_EQ(editors.Opened.size(), 1u);
  EXPECT_EQ(editors.Opened[0].Kind, fceComboList);
  EXPECT_EQ(editors.Opened[0].Values, (QStringList{"one", "two", "three"}));
  const TRect rect = grid.CellRect(3, 0);
  EXPECT_EQ(editors.Opened[0].Rect, (TRect{rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1}));

  // An edit that validation keeps open, or a refusal of OnCanEditCell, opens nothing.
  editors.Opened.clear();
  editors.KeepOpen = true;
  Click(header.X, header.Y);
  editors.KeepOpen = false;
  grid.OnCanEditCell = [](TQrvStringGrid*, int32_t r, int32_t, bool& can) { can = r != 0; };
  Click(header.X, header.Y);
  EXPECT_TRUE(editors.Opened.empty());
  grid.SetEditors(nullptr);
}

TEST_F(MouseParts, TheFilterButtonOpensAndClosesTheColumnsList) {
  grid.FilterDropDownAuto = true;
  grid.SetCells(2, 3, "2:1");  // a repeated value is offered once
  int32_t shownFor = -1, hidden = 0;
  TQrvStringGrid::TFilterListPlace shown;
  grid.ShowFilterList = [&](int32_t c, const TQrvStringGrid::TFilterListPlace& place) {
    shownFor = c;
    shown = place;
  };
  grid.HideFilterList = [&] { ++hidden; };
  const TRect rect = grid.CellRect(2, 0);
  const int32_t y = rect.Top + 5;
  Click(rect.Right - 2, y);  // at the very edge: no button there
  EXPECT_EQ(shownFor, -1);
  Click(rect.Right - 10, y);
  EXPECT_EQ(shownFor, 2);
  EXPECT_EQ(grid.FilterCol(), 2);
  EXPECT_TRUE(shown.Items.contains("2:1"));
  EXPECT_TRUE(shown.Items.contains("2:7"));
  EXPECT_EQ(shown.Bounds.Top, rect.Top + 16);
  // The same button again closes the list; a release anywhere else closes it too.
  shownFor = -1;
  Click(rect.Right - 10, y);
  EXPECT_EQ(shownFor, -1);
  EXPECT_EQ(grid.FilterCol(), -1);
  EXPECT_EQ(hidden, 1);
  Click(rect.Right - 10, y);
  ClickCell(3, 4);
  EXPECT_EQ(grid.FilterCol(), -1);
  EXPECT_EQ(hidden, 2);
}

TEST_F(MouseParts, AlwaysEditOpensTheEditorWhenTheFocusEntersOnAVisibleEditableCell) {
  TRecordingEditors editors;
  grid.SetEditors(&editors);
  hosted.host.Focus = true;
  grid.Navigation().SetAlwaysEdit(true);
  struct Case {
    const char* name;
    int32_t col, row, top;
    bool opens;
  };
  grid.SetRowCount(60);
  grid.AddCheckBox(3, 3, false, false);
  grid.OnCanEditCell = [](TQrvStringGrid*, int32_t, int32_t c, bool& can) { can = can && c != 4; };
  const Case cases[] = {
      {"an editable cell in view", 2, 2, 1, true},
      {"a check box", 3, 3, 1, false},
      {"a read-only cell", 4, 2, 1, false},
      {"a cell scrolled out of view", 2, 2, 30, false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    editors.Shown.clear();
    grid.SetTopRow(1);
    grid.SetCol(k.col);
    grid.SetRow(k.row);
    grid.SetTopRow(k.top);
    grid.GridEnter();
    EXPECT_EQ(!editors.Shown.empty(), k.opens);
    grid.GridExit();
  }
  grid.Navigation().SetAlwaysEdit(false);
  editors.Shown.clear();
  grid.SetTopRow(1);
  grid.GridEnter();
  EXPECT_TRUE(editors.Shown.empty());
  grid.SetEditors(nullptr);
}

TEST_F(MouseParts, SizingOneColumnOrRowScalesAllOthersWhenAsked) {
  grid.SetOptions(grid.Options() | goColSizing | goRowSizing);
  grid.SetColWidths(3, 30);
  const TRect header = grid.CellRect(2, 0);
  // Off: only the sized column changes.
  Press(header.Right - 1, 10);
  grid.GridMouseMove(ssLeft, header.Right + 29, 10);
  Release(header.Right + 29, 10);
  EXPECT_EQ(grid.ColWidths(2), 90);
  EXPECT_EQ(grid.ColWidths(1), 60);
  grid.SetColWidths(2, 60);

  // On: from 60 to 90 widens every other normal column by half; the fixed column stays.
  grid.MouseActions().SetAllColumnSize(true);
  Press(header.Right - 1, 10);
  grid.GridMouseMove(ssLeft, header.Right + 29, 10);
  Release(header.Right + 29, 10);
  EXPECT_EQ(grid.ColWidths(2), 90);
  EXPECT_EQ(grid.ColWidths(1), 90);
  EXPECT_EQ(grid.ColWidths(3), 45);
  EXPECT_EQ(grid.ColWidths(4), 90);
  EXPECT_EQ(grid.ColWidths(0), 60);

  grid.MouseActions().SetAllRowSize(true);
  const TRect rowHeader = grid.CellRect(0, 2);
  Press(30, rowHeader.Bottom - 1);
  grid.GridMouseMove(ssLeft, 30, rowHeader.Bottom - 11);
  Release(30, rowHeader.Bottom - 11);
  EXPECT_EQ(grid.RowHeights(2), 10);
  EXPECT_EQ(grid.RowHeights(5), 10);
  EXPECT_EQ(grid.RowHeights(0), 20);
}

TEST_F(MouseParts, ADragNearAnEdgeScrollsAfterTheFirstDelayThenStepByStep) {
  // 5 columns of 60 in 400 x 300 do not scroll sideways; 40 rows do downwards.
  grid.SetRowCount(40);
  struct Case {
    const char* name;
    int32_t x, y;
    TQrvStringGrid::TDragScrollDirection direction;
  };
  const Case cases[] = {
      {"middle", 200, 150, 0},
      {"top margin", 200, 49, TQrvStringGrid::dsdUp},
      {"bottom margin", 200, 251, TQrvStringGrid::dsdDown},
      {"left margin", 49, 150, TQrvStringGrid::dsdLeft},
      {"bottom-right corner", 351, 251, TQrvStringGrid::dsdDown | TQrvStringGrid::dsdRight},
      {"just outside the top margin", 200, 50, 0},
  };
  grid.DragScrollOptions.Active = true;
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    const int32_t interval = grid.DragScrollOver(k.x, k.y, false);
    EXPECT_EQ(grid.DragScrollDirection(), k.direction);
    EXPECT_EQ(interval, k.direction ? 1000 : 0);
    grid.DragScrollOver(0, 0, true);
  }

  // Resting at the bottom: the steps go on at the repeat delay until the last row is in view.
  ASSERT_EQ(grid.TopRow(), 1);
  ASSERT_EQ(grid.DragScrollOver(200, 290, false), 1000);
  EXPECT_EQ(grid.DragScrollTimer(), 250);
  EXPECT_EQ(grid.TopRow(), 2);
  for (int i = 0; i < 60; ++i) grid.DragScrollTimer();
  EXPECT_EQ(grid.TopRow() + grid.VisibleRowCount(), 40);
  // At the top the first scrollable row is not passed.
  grid.DragScrollOver(200, 10, false);
  for (int i = 0; i < 60; ++i) grid.DragScrollTimer();
  EXPECT_EQ(grid.TopRow(), 1);

  // OnDragScroll may turn the step round or stop it.
  bool allow = false;
  grid.OnDragScroll = [&](TQrvStringGrid*, int32_t, int32_t, TQrvStringGrid::TDragScrollDirection& d, bool& can) {
    d = TQrvStringGrid::dsdDown;
    can = allow;
  };
  grid.DragScrollTimer();
  EXPECT_EQ(grid.TopRow(), 1);
  allow = true;
  grid.DragScrollTimer();
  EXPECT_EQ(grid.TopRow(), 2);

  // Leaving, or options switched off, stops the timer.
  EXPECT_EQ(grid.DragScrollOver(0, 0, true), 0);
  EXPECT_EQ(grid.DragScrollTimer(), 0);
  grid.DragScrollOver(200, 290, false);
  grid.DragScrollOptions.Active = false;
  EXPECT_EQ(grid.DragScrollTimer(), 0);
  EXPECT_EQ(grid.DragScrollOver(200, 290, false), 0);
}

}  // namespace

TEST_F(MouseParts, APressOnARatingCellSetsHalfAStarPerNinePixels) {
  grid.SetColWidths(2, 100);
  grid.AddRating(2, 3, 5, clYellow, clGray);
  struct Case {
    const char* name;
    int32_t dx;     // from the cell's left edge
    double answer;  // OnRatingChange's value; -1 leaves it
    bool allow;     // OnRatingChange's answer
    bool editing;   // goEditing
    double stored;  // the cell's value afterwards; -1: left as it was
  };
  const Case cases[] = {
      {"left of the first half star", 8, -1, true, true, 0},
      {"first half star", 9, -1, true, true, 0.5},
      {"one star", 20, -1, true, true, 1},
      {"two and a half stars", 45, -1, true, true, 2.5},
      {"the handler changes the value", 45, 4, true, true, 4},
      {"the handler refuses", 45, -1, false, true, -1},
      {"a cell that is not edited", 45, -1, true, false, -1},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    grid.SetOptions(k.editing ? grid.Options() | goEditing : grid.Options() & ~TGridOptions(goEditing));
    grid.SetCells(2, 3, QStringLiteral("start"));
    std::vector<double> offered;
    grid.OnRatingChange = [&](TQrvStringGrid*, int32_t c, int32_t r, double& value, bool& allow) {
      EXPECT_EQ(c, 2);
      EXPECT_EQ(r, 3);
      offered.push_back(value);
      if (k.answer >= 0) value = k.answer;
      allow = k.allow;
    };
    const TRect rect = grid.CellRect(2, 3);
    Click(rect.Left + k.dx, (rect.Top + rect.Bottom) / 2);
    if (k.stored < 0)
      EXPECT_EQ(grid.Cells(2, 3), "start");
    else
      EXPECT_DOUBLE_EQ(grid.GetFloats(2, 3), k.stored);
    EXPECT_EQ(offered.size(), k.editing ? 1u : 0u);
  }
}
