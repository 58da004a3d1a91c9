// What a click tells the grid's owner: OnMouseDown, OnClickCell, OnClick, OnMouseUp and OnDblClick in their order
// for the kinds of press, the combo cell that opens at the first press, and the press that was kept for a drag.
#include <gtest/gtest.h>

#include <QStringList>

#include "GridRowFlags.h"
#include "GridTestHost.h"

namespace {

// Records the special editors (combo and the like) the grid opens, as if the window had shown them.
struct TSpecialEditors : TRecordingEditors {
  bool ShowSpecialEditor(TEditorType kind, const TEditorPlace&) override {
    Special.push_back(kind);
    return true;
  }
  std::vector<TEditorType> Special;
};

// 5 columns of 60 pixels, 8 rows of 20, one fixed row and column, cells "c:r"; every event is logged.
struct MouseEvents : ::testing::Test {
  MouseEvents() : hosted(5, 8, 400, 300) {
    for (int32_t c = 0; c < 5; ++c) grid.SetColWidths(c, 60);
    for (int32_t r = 0; r < 8; ++r) grid.SetRowHeights(r, 20);
    Fill(grid);
    grid.SetEditors(&editors);
    grid.OnMouseDown = [this](TQrvStringGrid*, TQrvStringGrid::TGridMouseButton b, TShiftState s, int32_t x,
                              int32_t y) {
      log << QStringLiteral("down %1 %2 %3,%4").arg(b).arg(int(s)).arg(x).arg(y);
    };
    grid.OnMouseUp = [this](TQrvStringGrid*, TQrvStringGrid::TGridMouseButton b, TShiftState s, int32_t x,
                            int32_t y) { log << QStringLiteral("up %1 %2 %3,%4").arg(b).arg(int(s)).arg(x).arg(y); };
    grid.OnClick = [this](TQrvStringGrid*) { log << QStringLiteral("click"); };
    grid.OnClickCell = [this](TQrvStringGrid*, int32_t r, int32_t c) {
      log << QStringLiteral("cell %1,%2").arg(r).arg(c);
    };
    grid.OnDblClick = [this](TQrvStringGrid*) { log << QStringLiteral("dbl"); };
    grid.OnDblClickCell = [this](TQrvStringGrid*, int32_t r, int32_t c) {
      log << QStringLiteral("dblcell %1,%2").arg(r).arg(c);
    };
  }
  ~MouseEvents() override { grid.SetEditors(nullptr); }
  TPoint Mid(int32_t c, int32_t r) {
    const TRect rect = grid.CellRect(c, r);
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
  }
  void Press(TPoint p, TShiftState shift = {}) { grid.GridMouseDown(TQrvStringGrid::gmbLeft, shift, p.X, p.Y); }
  void Release(TPoint p, TShiftState shift = {}) { grid.GridMouseUp(TQrvStringGrid::gmbLeft, shift, p.X, p.Y); }
  void Click(TPoint p, TShiftState shift = {}) {
    Press(p, shift);
    Release(p, shift);
  }
  QString At(TPoint p) { return QStringLiteral("%1,%2").arg(p.X).arg(p.Y); }
  THostedGrid<> hosted;
  TQrvStringGrid& grid = hosted.grid;
  TSpecialEditors editors;
  QStringList log;
};

TEST_F(MouseEvents, APlainClickReportsPressCellClickAndReleaseInOrder) {
  struct Case {
    const char* name;
    TGridOptions options;
    int32_t c, r;
  };
  const Case cases[] = {
      {"another cell, range selection on", goRangeSelect, 3, 4},
      {"another cell, range selection off", TGridOptions{}, 3, 4},
      {"the current cell, no editing", TGridOptions{}, 1, 1},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    grid.SetOptions((grid.Options() & ~TGridOptions(goRangeSelect | goEditing)) | k.options);
    log.clear();
    const TPoint p = Mid(k.c, k.r);
    Click(p);
    EXPECT_EQ(log, (QStringList{"down 0 0 " + At(p), QStringLiteral("cell %1,%2").arg(k.r).arg(k.c), "click",
                                "up 0 0 " + At(p)}));
    EXPECT_EQ(grid.Col(), k.c);
    EXPECT_EQ(grid.Row(), k.r);
  }
  // A click on the header is one click too, and Shift reaches both ends.
  log.clear();
  const TPoint header = Mid(2, 0);
  Click(header, ssShift);
  EXPECT_EQ(log.count(QStringLiteral("click")), 1);
  EXPECT_EQ(log.first(), "down 0 1 " + At(header));
  EXPECT_EQ(log.last(), "up 0 1 " + At(header));
}

TEST_F(MouseEvents, TheCellsOwnPartsReportThePressTheirOwnWay) {
  // A check box toggles, then the press and the click are reported, both at the press.
  grid.SetOptions(grid.Options() | goEditing);
  grid.AddCheckBox(2, 3, false, false);
  grid.OnCheckBoxClick = [this](TQrvStringGrid*, int32_t, int32_t, bool) { log << QStringLiteral("check"); };
  const TRect box = grid.CellRect(2, 3);
  const TPoint inBox{box.Left + 8, (box.Top + box.Bottom) / 2};
  Press(inBox);
  EXPECT_EQ(log, (QStringList{"check", "down 0 0 " + At(inBox), "click"}));
  Release(inBox);
  EXPECT_EQ(log.last(), "up 0 0 " + At(inBox));

  // A cell button takes the press and its release for itself.
  log.clear();
  grid.AddButton(3, 4, 20, 16, QStringLiteral("b"), haRight, vaCenter);
  const TRect button = grid.GetCellButtonRect(3, 4);
  const TPoint onButton{(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2};
  Click(onButton);
  EXPECT_FALSE(log.join(' ').contains(QStringLiteral("down")));
  EXPECT_FALSE(log.join(' ').contains(QStringLiteral("up")));
  EXPECT_FALSE(log.contains(QStringLiteral("click")));
}

TEST_F(MouseEvents, ANodePressReportsItselfBeforeTheClickedCell) {
  grid.AddNode(2, 3);
  const TRect cell = grid.CellRect(0, 2);
  const TPoint glyph{cell.Left + grid.GetNodeIndent(2) + 8, (cell.Top + cell.Bottom) / 2};
  Press(glyph);
  EXPECT_EQ(log.join('|'), QStringList({"down 0 0 " + At(glyph), "cell 2,0"}).join('|'));
  // The node column of a row that is no node.
  log.clear();
  const TPoint plain = Mid(0, 1);
  Press(plain);
  EXPECT_EQ(log.join('|'), QStringList({"down 0 0 " + At(plain), "cell 1,0"}).join('|'));
}

TEST_F(MouseEvents, ADoubleClickIsReportedBeforeItsSecondPressButNotOnAButton) {
  const TPoint p = Mid(3, 4);
  Click(p);
  log.clear();
  grid.GridDblClick({}, p.X, p.Y);
  ASSERT_FALSE(log.isEmpty());
  EXPECT_EQ(log.first(), QStringLiteral("dbl"));
  EXPECT_EQ(log[1], "down 0 0 " + At(p));
  EXPECT_EQ(log.last(), QStringLiteral("dblcell 4,3"));

  // A header edge sizes its column and reports the double click, not the cell.
  grid.SetOptions(grid.Options() | goColSizing);
  log.clear();
  const TRect header = grid.CellRect(2, 0);
  grid.GridDblClick({}, header.Right - 1, (header.Top + header.Bottom) / 2);
  EXPECT_EQ(log, QStringList{"dbl"});

  grid.AddButton(3, 5, 20, 16, QStringLiteral("b"), haRight, vaCenter);
  const TRect button = grid.GetCellButtonRect(3, 5);
  log.clear();
  grid.GridDblClick({}, (button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2);
  EXPECT_FALSE(log.contains(QStringLiteral("dbl")));
}

TEST_F(MouseEvents, TheRightButtonReportsItsPressAndRelease) {
  const TPoint p = Mid(2, 2);
  grid.GridMouseDown(TQrvStringGrid::gmbRight, {}, p.X, p.Y);
  grid.GridMouseUp(TQrvStringGrid::gmbRight, {}, p.X, p.Y);
  EXPECT_EQ(log, (QStringList{"down 1 0 " + At(p), "up 1 0 " + At(p)}));
}

TEST_F(MouseEvents, AClickTheGridMakesItselfReachesNoMouseHandler) {
  grid.SimulateCellClick(3, 3);
  EXPECT_EQ(grid.Col(), 3);
  EXPECT_FALSE(log.join(' ').contains(QStringLiteral("down")));
  EXPECT_FALSE(log.join(' ').contains(QStringLiteral("up")));
  // The handlers are back afterwards.
  log.clear();
  Click(Mid(2, 2));
  EXPECT_TRUE(log.first().startsWith(QStringLiteral("down")));
  EXPECT_TRUE(log.last().startsWith(QStringLiteral("up")));
}

TEST_F(MouseEvents, AComboCellShowingItsButtonOpensAtTheFirstPress) {
  grid.OnGetEditorType = [](TQrvStringGrid*, int32_t c, int32_t, TEditorType& kind) {
    if (c == 3) kind = edComboList;
  };
  struct Case {
    const char* name;
    bool alwaysVisible, editing, dblClickOnly;
    int32_t c;
    bool opens;
  };
  const Case cases[] = {
      {"button shown", true, true, false, 3, true},
      {"button shown, editing starts on double click", true, false, true, 3, true},
      {"button shown, a plain text cell", true, true, false, 2, false},
      {"button drawn only while editing", false, true, false, 3, false},
  };
  // An editor opens only in a grid that has the keyboard.
  hosted.host.Focus = true;
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    grid.HideInplaceEditor();
    grid.MoveCurrent(1, 1, true, true);
    grid.ControlLook.DropDownAlwaysVisible = k.alwaysVisible;
    grid.MouseActions().SetEditOnDblClickOnly(k.dblClickOnly);
    grid.SetOptions(k.editing ? grid.Options() | goEditing : grid.Options() & ~TGridOptions(goEditing));
    editors.Special.clear();
    editors.Shown.clear();
    Click(Mid(k.c, 4));
    EXPECT_EQ(grid.Col(), k.c);
    EXPECT_EQ(grid.EditMode(), k.opens);
    EXPECT_EQ(editors.Shown.size() + editors.Special.size(), k.opens ? 1u : 0u);
  }
}

TEST_F(MouseEvents, AClickKeptForADragThatDidNotComeSetsTheFlaggedRows) {
  grid.MouseActions().SetDisjunctRowSelect(true);
  grid.DragDropSettings.OleDropSource = true;
  struct Case {
    const char* name;
    TShiftState shift;
    bool noCtrl;
    std::set<int32_t> flagged;
  };
  const Case cases[] = {
      {"plain click: the flags start afresh", {}, false, {3}},
      {"Ctrl flips the row alone", ssCtrl, false, {2}},
      {"flipping without Ctrl", {}, true, {2}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    grid.MouseActions().SetDisjunctRowSelectNoCtrl(k.noCtrl);
    grid.ClearRowSelect();
    grid.SetRowSelect(2, true);
    grid.SetRowSelect(3, true);
    grid.MoveCurrent(2, 3, true, true);
    log.clear();
    const TPoint p = Mid(2, 3);
    Click(p, k.shift);
    EXPECT_EQ(FlaggedRows(grid), k.flagged);
    EXPECT_EQ(log.last(), QStringLiteral("up 0 %1 ").arg(int(k.shift)) + At(p));
  }
}

}  // namespace

namespace {

TEST_F(MouseEvents, EnteringTheGridAppliesTheCurrentCellsEditingRule) {
  grid.SetOptions(grid.Options() | goEditing);
  grid.MoveCurrent(2, 2, true, true);
  // The rule changed while the grid was away: the current cell is no longer editable.
  grid.OnCanEditCell = [](TQrvStringGrid*, int32_t, int32_t, bool& canEdit) { canEdit = false; };
  grid.GridEnter();
  EXPECT_FALSE(grid.Options() & goEditing);
}

TEST_F(MouseEvents, LosingTheFocusReleasesAPressedCellButtonControl) {
  grid.SetOptions(grid.Options() | goEditing);
  grid.SetColWidths(2, 120);
  grid.SetCells(2, 3, QStringLiteral("<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"60\">"));
  QStringList clicked;
  grid.OnControlClick = [&](TQrvStringGrid*, int32_t, int32_t, const QString& id, const QString&, const QString&) {
    clicked << id;
  };
  const TRect cell = grid.CellRect(2, 3);
  Press({cell.Left + 10, (cell.Top + cell.Bottom) / 2});
  ASSERT_EQ(clicked, QStringList{"b"});
  hosted.host.Rects.clear();
  grid.GridKillFocus();
  const auto repainted = [&] {
    for (const TRect& r : hosted.host.Rects)
      if (r.Left <= cell.Left && r.Right >= cell.Right && r.Top <= cell.Top && r.Bottom >= cell.Bottom) return true;
    return false;
  };
  EXPECT_TRUE(repainted());
  // Released once: a second loss of the focus has nothing to repaint.
  hosted.host.Rects.clear();
  grid.GridKillFocus();
  EXPECT_FALSE(repainted());
}

TEST(CustomBorders, AskedExactlyWhenTheBorderEventIsSet) {
  TQrvStringGrid grid;
  const TBaseGrid& base = grid;
  EXPECT_FALSE(base.HasCustomBorders());
  grid.OnGetCellBorder = [](TQrvStringGrid*, int32_t, int32_t, TPen&, TCellBorders&) {};
  EXPECT_TRUE(base.HasCustomBorders());
}

}  // namespace
