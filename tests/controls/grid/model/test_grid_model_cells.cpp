// Per-cell questions, per-cell property accessors and range operations.
#include <gtest/gtest.h>

#include "GridTestHost.h"
#include "UQrvStringGrid.h"

TEST(CellHooks, CheckTextsEditorsAndFixedCells) {
  TQrvStringGrid grid;
  QString value;
  grid.GetCheckTrue(1, 1, value);
  EXPECT_EQ(value, QStringLiteral("Y"));
  grid.GetCheckFalse(1, 1, value);
  EXPECT_EQ(value, QStringLiteral("N"));
  grid.CheckTrue = QStringLiteral("X");
  grid.GetCheckTrue(1, 1, value);
  EXPECT_EQ(value, QStringLiteral("X"));
  EXPECT_FALSE(grid.HasNoEditor(2, 1));
  grid.OnGetEditorType = [](TQrvStringGrid*, int32_t c, int32_t, TEditorType& e) {
    if (c == 2) e = edNone;
  };
  EXPECT_TRUE(grid.HasNoEditor(2, 1));
  EXPECT_FALSE(grid.HasNoEditor(3, 1));
  int fired = 0;
  grid.OnIsFixedCell = [&](TQrvStringGrid*, int32_t row, int32_t col, bool&) {
    ++fired;
    EXPECT_EQ(row, 5);
    EXPECT_EQ(col, 3);
  };
  bool fixed = false;
  grid.IsFixedCell(0, 5, fixed);
  EXPECT_TRUE(fixed);
  EXPECT_EQ(fired, 0);
  fixed = false;
  grid.IsFixedCell(3, 5, fixed);
  EXPECT_FALSE(fixed);
  EXPECT_EQ(fired, 1);
}

TEST(CellHooks, CanEditCellAsksWithTheBaseCell) {
  TQrvStringGrid grid;
  grid.SetOptions(grid.Options() | goEditing);
  bool canEdit = true;
  grid.CanEditCell(2, 2, canEdit);
  EXPECT_TRUE(canEdit);
  grid.SetReadOnly(2, 2, true);
  canEdit = true;
  grid.CanEditCell(2, 2, canEdit);
  EXPECT_FALSE(canEdit);
  grid.MergeCells(3, 3, 2, 2);
  TPoint asked{-1, -1};
  grid.OnCanEditCell = [&](TQrvStringGrid*, int32_t row, int32_t col, bool&) { asked = TPoint{col, row}; };
  canEdit = true;
  grid.CanEditCell(4, 4, canEdit);
  EXPECT_EQ(asked, (TPoint{3, 3}));
}

TEST(CellHooks, CellColorTakesThePerCellLooks) {
  TQrvStringGrid grid;
  grid.SetColors(2, 2, clRed);
  grid.SetFontColors(2, 2, clBlue);
  TBrush brush;
  TFont font;
  grid.GetCellColor(2, 2, TGridDrawState(), brush, font);
  EXPECT_EQ(brush.Color, clRed);
  EXPECT_EQ(font.Color, clBlue);
  QString hint, wide = QStringLiteral("A");
  grid.GetCellHint(1, 1, hint, wide);
  EXPECT_TRUE(hint.startsWith(QStringLiteral("|\\")));
}

TEST(CellHooks, CellColorTakesTheOwnBackgroundOnlyForImageAndCommentCells) {
  // Cells drawing a control (check box, button, progress...) keep the painter's brush; the font always follows.
  struct Case {
    const char* name;
    std::function<void(TQrvStringGrid&)> add;
    bool ownBackground;
  };
  const std::vector<Case> cases = {
      {"no graphic", [](TQrvStringGrid&) {}, true},
      {"comment", [](TQrvStringGrid& g) { g.AddComment(2, 2, QStringLiteral("note")); }, true},
      {"image index", [](TQrvStringGrid& g) { g.AddImageIdx(2, 2, 0, haLeft, vaTop); }, true},
      {"multi image", [](TQrvStringGrid& g) { g.AddMultiImage(2, 2, 0, haLeft, vaTop); }, true},
      {"check box", [](TQrvStringGrid& g) { g.AddCheckBox(2, 2, true, false); }, false},
      {"progress", [](TQrvStringGrid& g) { g.AddProgress(2, 2, clRed, clWhite); }, false},
      {"button", [](TQrvStringGrid& g) { g.AddButton(2, 2, 20, 20, QStringLiteral("b"), haLeft, vaTop); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TQrvStringGrid grid;
    c.add(grid);
    grid.SetColors(2, 2, clRed);
    grid.SetFontColors(2, 2, clBlue);
    TBrush brush;
    brush.Color = clYellow;
    TFont font;
    grid.GetCellColor(2, 2, TGridDrawState(), brush, font);
    EXPECT_EQ(brush.Color, c.ownBackground ? clRed : clYellow);
    EXPECT_EQ(font.Color, clBlue);
  }
}

TEST(CellHooks, CellCursorComesFromTheEventOnly) {
  THostedGrid<> hosted(5, 10, 400, 250);
  TQrvStringGrid& grid = hosted.grid;
  grid.SetCursor(crCross);
  grid.GetCellCursor(2, 3, 40, 50);
  EXPECT_TRUE(hosted.host.Cursors.empty());
  std::vector<int32_t> args;
  TCursor started = crDefault;
  grid.OnGetCellCursor = [&](TQrvStringGrid*, int32_t c, int32_t r, int32_t x, int32_t y, TCursor& cursor) {
    args = {c, r, x, y};
    started = cursor;
    if (c == 2) cursor = crHandPoint;
  };
  grid.GetCellCursor(2, 3, 40, 50);
  EXPECT_EQ(args, (std::vector<int32_t>{2, 3, 40, 50}));
  EXPECT_EQ(started, crCross);
  grid.GetCellCursor(1, 3, 10, 50);
  EXPECT_EQ(hosted.host.Cursors, (std::vector<int32_t>{crHandPoint, crCross}));
  EXPECT_EQ(grid.OldCursor(), crCross);
}

TEST(CellHooks, ExpandClickSizesTheRowAfterTheEvent) {
  TQrvStringGrid grid;
  grid.SetRowHeights(3, 20);
  grid.AddExpand(1, 3, 60);
  int32_t heightSeen = -1;
  grid.OnExpandClick = [&](TQrvStringGrid* g, int32_t, int32_t r, bool) { heightSeen = g->RowHeights(r); };
  grid.ExpandClick(1, 3, true);
  EXPECT_EQ(heightSeen, 20);
  EXPECT_EQ(grid.RowHeights(3), 60);
  grid.ExpandClick(1, 3, false);
  EXPECT_EQ(grid.RowHeights(3), 20);
}

TEST(CellHooks, DropDownAndSpinButtonsFollowTheEditorKindWhenAlwaysVisible) {
  struct Case {
    TEditorType editor;
    bool combo;
    bool spin;
  };
  const std::vector<Case> cases = {
      {edNormal, false, false},      {edComboEdit, true, false},     {edComboList, true, false},
      {edSpinEdit, false, true},     {edFloatSpinEdit, false, true}, {edTimeSpinEdit, false, true},
      {edDateSpinEdit, false, true}, {edDateEdit, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.editor));
    TQrvStringGrid grid;
    grid.DefaultEditor = c.editor;
    EXPECT_FALSE(grid.HasComboBox(2, 2));
    EXPECT_FALSE(grid.HasSpinEdit(2, 2));
    grid.ControlLook.DropDownAlwaysVisible = true;
    grid.ControlLook.SpinButtonsAlwaysVisible = true;
    EXPECT_EQ(grid.HasComboBox(2, 2), c.combo);
    EXPECT_EQ(grid.HasSpinEdit(2, 2), c.spin);
    EXPECT_FALSE(grid.HasSpinEdit(0, 2));
    EXPECT_FALSE(grid.HasSpinEdit(2, 0));
  }
  // The kind the editor event gives counts; an assigned question event decides alone.
  TQrvStringGrid grid;
  grid.ControlLook.DropDownAlwaysVisible = true;
  grid.OnGetEditorType = [](TQrvStringGrid*, int32_t c, int32_t, TEditorType& e) {
    if (c == 3) e = edComboList;
  };
  EXPECT_TRUE(grid.HasComboBox(3, 1));
  EXPECT_FALSE(grid.HasComboBox(2, 1));
  grid.OnHasComboBox = [](TQrvStringGrid*, int32_t, int32_t, bool&) {};
  EXPECT_FALSE(grid.HasComboBox(3, 1));
}

TEST(CellHooks, RangeSelectAndEditKeepsCellsEditableWithoutEditingOption) {
  struct Case {
    bool editing;
    bool rangeSelectAndEdit;
    bool expected;
  };
  for (const Case& c : std::vector<Case>{{false, false, false}, {false, true, true}, {true, false, true}}) {
    SCOPED_TRACE(testing::Message() << c.editing << c.rangeSelectAndEdit);
    TQrvStringGrid grid;
    grid.SetOptions(c.editing ? grid.Options() | goEditing : grid.Options() & ~TGridOptions(goEditing));
    grid.MouseActions().SetRangeSelectAndEdit(c.rangeSelectAndEdit);
    grid.SetColors(2, 2, clRed);
    bool canEdit = true;
    grid.CanEditCell(2, 2, canEdit);
    EXPECT_EQ(canEdit, c.expected);
  }
}

TEST(CellHooks, RowCheckBoxColumnIsCentred) {
  TQrvStringGrid grid;
  TAlignment h = taLeftJustify;
  TVAlignment v = vtaTop;
  grid.GetAlignment(0, 2, h, v);
  EXPECT_EQ(h, taLeftJustify);
  grid.MouseActions().SetHotmailRowSelect(true);
  grid.GetAlignment(0, 2, h, v);
  EXPECT_EQ(h, taCenter);
  h = taRightJustify;
  grid.GetAlignment(1, 2, h, v);
  EXPECT_EQ(h, taRightJustify);
}

TEST(CellHooks, NotifiersRegisterOnce) {
  struct Counter : TGridChangeNotifier {
    void GridChanged(const TRect&) override { ++Calls; }
    int Calls = 0;
  } counter;
  TQrvStringGrid grid;
  grid.RegisterNotifier(&counter);
  grid.RegisterNotifier(&counter);
  grid.ClearRows(2, 1);
  EXPECT_EQ(counter.Calls, 1);
  grid.UnRegisterNotifier(&counter);
  grid.ClearRows(2, 1);
  EXPECT_EQ(counter.Calls, 1);
}

TEST(CellAccess, RichTextCellsGoToTheEditByteForByteOtherCellsAsText) {
  struct TFakeRichEdit : IGridRichEdit {
    void LoadRich(const QByteArray& document) override { Loaded = "rich:" + document; }
    void LoadPlain(const QString& text) override { Loaded = "plain:" + text.toUtf8(); }
    QByteArray SaveRich() const override { return Saved; }
    QByteArray Loaded;
    QByteArray Saved;
  } edit;
  struct Case {
    QString cell;
    QByteArray loaded;
  };
  const std::vector<Case> cases = {
      {QStringLiteral("{\\rtf1 caf\\'e9}"), "rich:{\\rtf1 caf\\'e9}"},
      {QStringLiteral("{\\rtf1 \u00E9}"), "rich:{\\rtf1 \xE9}"},
      {QStringLiteral("\u03A9 plain"), "plain:\xCE\xA9 plain"},
      {QString(), "plain:"},
  };
  TQrvStringGrid grid;
  for (const Case& c : cases) {
    grid.SetCells(1, 1, c.cell);
    grid.CellToRich(1, 1, edit);
    EXPECT_EQ(edit.Loaded, c.loaded) << c.cell.toStdString();
  }
  // Each byte of the saved document is one character of the cell.
  edit.Saved = QByteArray("{\\rtf1 \xE9\x01}");
  grid.RichToCell(2, 2, edit);
  EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("{\\rtf1 \u00E9\x01}"));
}

TEST(CellProperties, GettersCreateNothingSettersCreate) {
  TQrvStringGrid grid;
  EXPECT_EQ(grid.Colors(2, 2), clNone);
  EXPECT_EQ(grid.FontSizes(2, 2), 0);
  EXPECT_EQ(grid.Alignments(2, 2), taLeftJustify);
  EXPECT_FALSE(grid.HasCellProperties(2, 2));
  grid.SetColors(2, 2, clRed);
  EXPECT_TRUE(grid.HasCellProperties(2, 2));
  EXPECT_EQ(grid.Colors(2, 2), clRed);
  EXPECT_TRUE(grid.WordWraps(3, 3));  // the one getter that creates
  EXPECT_TRUE(grid.HasCellProperties(3, 3));
}

TEST(CellProperties, ClearingARowColourKeepsEveryOtherSetting) {
  TQrvStringGrid grid;
  grid.SetColors(2, 4, clRed);
  grid.SetReadOnly(2, 4, true);
  grid.SetColorsTo(3, 4, clGreen);
  grid.SetFontStyles(3, 4, fsBold);
  grid.SetFontColors(1, 4, clBlue);
  grid.SetAlignments(1, 4, taCenter);
  grid.SetRowColor(4, clNone);
  grid.SetRowColorTo(4, clNone);
  grid.SetRowFontColor(4, clNone);
  EXPECT_EQ(grid.Colors(2, 4), clNone);
  EXPECT_TRUE(grid.ReadOnly(2, 4));
  EXPECT_EQ(grid.ColorsTo(3, 4), clNone);
  EXPECT_EQ(grid.FontStyles(3, 4), TFontStyles(fsBold));
  EXPECT_EQ(grid.FontColors(1, 4), clNone);
  EXPECT_EQ(grid.Alignments(1, 4), taCenter);
  EXPECT_FALSE(grid.HasCellProperties(4, 4));  // clearing creates nothing
  grid.SetRowColor(5, clYellow);
  for (int32_t c = 1; c < 5; ++c) EXPECT_EQ(grid.Colors(c, 5), clYellow);
  EXPECT_EQ(grid.Colors(0, 5), clNone);
}

TEST(CellProperties, CurrentCellTextsFollowTheBaseCell) {
  TQrvStringGrid grid;
  grid.MergeCells(1, 1, 2, 1);
  grid.SetCells(1, 1, QStringLiteral("base"));
  grid.SetCol(2);
  grid.SetRow(1);
  EXPECT_EQ(grid.GetCurrentCellText(), QStringLiteral("base"));
  grid.SetCurrentBaseCellText(QStringLiteral("new"));
  EXPECT_EQ(grid.GetGridCell(1, 1), QStringLiteral("new"));
  EXPECT_EQ(grid.ColumnByHeader(QStringLiteral("Name")), -1);
  grid.SetCells(3, 0, QStringLiteral("Name"));
  EXPECT_EQ(grid.ColumnByHeader(QStringLiteral("Name")), 3);
}

TEST(CellRanges, WholeGridClearFreesPropertiesAndClearsTheFlag) {
  TQrvStringGrid grid;
  grid.SetColors(1, 1, clRed);
  grid.SetCells(2, 2, QStringLiteral("x"));
  grid.ClearRect(0, 0, 4, 9);
  EXPECT_FALSE(grid.HasCellProps());
  EXPECT_FALSE(grid.HasCellProperties(1, 1));
  EXPECT_TRUE(grid.Cells(2, 2).isEmpty());
  grid.SetColors(1, 1, clRed);
  grid.SetCells(1, 1, QStringLiteral("t"));
  grid.ClearTextOnly = true;
  grid.Clear();
  EXPECT_EQ(grid.Colors(1, 1), clRed);
  EXPECT_TRUE(grid.Cells(1, 1).isEmpty());
}

TEST(CellRanges, RowAndColumnClearsReachTheirCells) {
  TQrvStringGrid grid;
  grid.SetCells(4, 3, QStringLiteral("hidden"));
  grid.SetCells(2, 0, QStringLiteral("fixed"));
  grid.SetCells(2, 5, QStringLiteral("normal"));
  grid.HideColumn(4);
  grid.ClearRows(3, 1);
  EXPECT_TRUE(grid.Cells(4, 3).isEmpty());
  grid.ClearNormalCols(2, 1);
  EXPECT_EQ(grid.Cells(2, 0), QStringLiteral("fixed"));
  EXPECT_TRUE(grid.Cells(2, 5).isEmpty());
  grid.ClearCols(2, 1);
  EXPECT_TRUE(grid.Cells(2, 0).isEmpty());
}

TEST(CellRanges, MergeRunsOfEqualNeighbours) {
  TQrvStringGrid grid;
  grid.SetRowCount(7);
  const char* texts[] = {"A", "A", "B", "B", "B", "C"};
  for (int32_t i = 0; i < 6; ++i) grid.SetCells(1, i + 1, QString::fromLatin1(texts[i]));
  grid.MergeColumnCells(1, true);
  EXPECT_EQ(grid.CellSpan(1, 1), (TPoint{0, 1}));
  EXPECT_EQ(grid.CellSpan(1, 3), (TPoint{0, 2}));
  EXPECT_FALSE(grid.IsMergedCell(1, 6));
  grid.SetCells(1, 0, QStringLiteral("h"));
  for (int32_t c = 1; c <= 3; ++c) grid.SetCells(c, 0, c < 3 ? QStringLiteral("A") : QStringLiteral("B"));
  grid.SetColCount(4);
  grid.MergeRowCells(0, true);
  EXPECT_EQ(grid.CellSpan(1, 0), (TPoint{1, 0}));
  EXPECT_FALSE(grid.IsMergedCell(3, 0));
  grid.SplitColumnCells(1);
  EXPECT_FALSE(grid.IsMergedCell(1, 4));
  grid.SplitAllCells();
  EXPECT_FALSE(grid.IsMergedCell(1, 0));
}

TEST(CellRanges, DuplicatesJoinsTrimsAndSearches) {
  TQrvStringGrid grid;
  grid.SetRowCount(4);
  grid.SetCells(1, 1, QStringLiteral("x"));
  grid.SetCells(1, 2, QStringLiteral("X"));
  grid.SetCells(1, 3, QStringLiteral("y"));
  grid.RemoveDuplicates(1, true);
  EXPECT_EQ(grid.RowCount(), 4);
  grid.RemoveDuplicates(1, false);
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("y"));
  grid.SetCells(2, 1, QStringLiteral("b"));
  grid.MergeCols(1, 2, QStringLiteral(", "));
  EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("x, b"));
  EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("y,"));
  EXPECT_EQ(grid.ColCount(), 4);
  grid.SetCells(2, 2, QStringLiteral(" \tpad\x01 "));
  grid.TrimRow(2);
  EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("pad"));
  int32_t c = -1, r = -1;
  grid.SetCells(3, 1, QStringLiteral("abcd"));
  EXPECT_FALSE(grid.IsCell(QStringLiteral("abc"), c, r));
  EXPECT_TRUE(grid.IsCell(QStringLiteral("abcd"), c, r));
  EXPECT_EQ(c, 3);
  EXPECT_EQ(r, 1);
}

TEST(CellRanges, TrimTakesBlanksAndControlsAtTheEndsOnly) {
  struct Case {
    QString text;
    QString trimmed;
  };
  const std::vector<Case> cases = {
      {QStringLiteral(" \tpad\x01 "), QStringLiteral("pad")},
      {QStringLiteral("\x01 a"), QStringLiteral("a")},
      {QStringLiteral("a \x1f"), QStringLiteral("a")},
      {QStringLiteral("  inner \t space "), QStringLiteral("inner \t space")},
      // Beyond U+0020 nothing is a blank: a no-break space and DEL stay.
      {QStringLiteral("\u00A0a\u00A0"), QStringLiteral("\u00A0a\u00A0")},
      {QStringLiteral(" x\x7f"), QStringLiteral("x\x7f")},
      {QStringLiteral(" \r\n "), QString()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    TQrvStringGrid grid;
    grid.SetCells(2, 3, c.text);
    grid.TrimAll();
    EXPECT_EQ(grid.Cells(2, 3), c.trimmed);
  }
}

TEST(CellRanges, ClearSelectionClearsTheDisjunctRowsOrColumns) {
  // The selection: the rectangle (1, 2) - (2, 3), rows 2 and 4 picked one by one, or columns 1 and 3.
  enum TKind { Rectangle, Rows, Columns };
  for (const TKind kind : {Rectangle, Rows, Columns}) {
    SCOPED_TRACE(kind);
    TQrvStringGrid grid;
    grid.SetRowCount(6);
    Fill(grid);
    if (kind == Rectangle) grid.SelectCells(1, 2, 2, 3);
    grid.MouseActions().SetDisjunctRowSelect(kind == Rows);
    grid.MouseActions().SetDisjunctColSelect(kind == Columns);
    for (const int32_t i : {2, 4})
      if (kind == Rows) grid.SetRowSelect(i, true);
    for (const int32_t i : {1, 3})
      if (kind == Columns) grid.SetColSelect(i, true);
    grid.ClearSelection();
    for (int32_t r = 0; r < grid.RowCount(); ++r)
      for (int32_t c = 0; c < grid.ColCount(); ++c) {
        const bool cleared = kind == Rows      ? r == 2 || r == 4
                             : kind == Columns ? c == 1 || c == 3
                                               : c >= 1 && c <= 2 && r >= 2 && r <= 3;
        EXPECT_EQ(grid.Cells(c, r), cleared ? QString() : Cell(c, r)) << c << "," << r;
      }
  }
}

TEST(CellHooks, ColumnFilterValuesSortedOnceWithTheClearEntryFirst) {
  TQrvStringGrid grid;
  grid.SetRowCount(5);
  grid.FilterDropDownAuto = true;
  grid.SetCells(1, 1, QStringLiteral("b"));
  grid.SetCells(1, 2, QStringLiteral(" a "));
  grid.SetCells(1, 3, QStringLiteral("B"));
  grid.SetCells(1, 4, QStringLiteral("x y"));
  EXPECT_TRUE(grid.GetColumnFilter(1));
  EXPECT_EQ(grid.FilterList, (QStringList{QStringLiteral("(All)"), QStringLiteral("a"), QStringLiteral("b"),
                                          QStringLiteral("x y=\"x y\"")}));
  grid.FilterDropDownAuto = false;
  grid.OnGetColumnFilter = [](TQrvStringGrid*, int32_t, QStringList& list) { list << QStringLiteral("own"); };
  EXPECT_TRUE(grid.GetColumnFilter(1));
  EXPECT_EQ(grid.FilterList, QStringList{QStringLiteral("own")});
}
