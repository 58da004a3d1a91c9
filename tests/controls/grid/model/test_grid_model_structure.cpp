// Creation defaults, dimensions, the update lock, and row and column insertion, removal and moves.
#include <gtest/gtest.h>

#include "GridTestHost.h"
#include "UGridModule.h"
#include "UQrvStringGrid.h"
#include "USysColors.h"

TEST(GridLifecycle, DefaultsOfANewGrid) {
  TQrvStringGrid grid;
  EXPECT_EQ(grid.ColCount(), 5);
  EXPECT_EQ(grid.RowCount(), 10);
  EXPECT_EQ(grid.FixedRows(), 1);
  EXPECT_EQ(grid.FixedCols(), 1);
  EXPECT_EQ(grid.DefaultRowHeight(), 22);
  EXPECT_EQ(grid.FixedRowHeight(), 22);
  EXPECT_EQ(grid.CheckTrue, QStringLiteral("Y"));
  EXPECT_EQ(grid.CheckFalse, QStringLiteral("N"));
  EXPECT_EQ(grid.FloatFormat, QStringLiteral("%.2f"));
  EXPECT_EQ(grid.FilterDropDownClear, QStringLiteral("(All)"));
  EXPECT_EQ(grid.XMLEncoding, QStringLiteral("ISO-8859-1"));
  EXPECT_EQ(grid.PasswordChar, QLatin1Char('*'));
  EXPECT_EQ(grid.NumHiddenColumns(), 0);
  EXPECT_EQ(grid.NumHiddenRows(), 0);
  EXPECT_EQ(grid.Width(), 400);
  EXPECT_EQ(grid.Height(), 250);
  EXPECT_EQ(grid.GridLineWidth(), 1);
  EXPECT_EQ(grid.PlatformGridLineWidth(), 0);
  EXPECT_FALSE(grid.PlatformDefaultDrawing());
  EXPECT_EQ(grid.NormalRowCount(), 10);
  EXPECT_TRUE(grid.WordWrap());
  EXPECT_FALSE(grid.IsLoaded());
  grid.Loaded();
  EXPECT_TRUE(grid.IsLoaded());
  EXPECT_EQ(grid.MinColWidth, 10);
}

TEST(GridLifecycle, AssignCopiesTheVisibleColumnsOnly) {
  TQrvStringGrid source;
  Fill(source);
  source.SetColWidths(3, 77);
  source.HideColumn(1);
  TQrvStringGrid copy;
  copy.Assign(&source);
  copy.Assign(nullptr);  // any other source: nothing
  EXPECT_EQ(copy.ColCount(), 4);
  EXPECT_EQ(copy.NumHiddenColumns(), 0);
  EXPECT_EQ(copy.ColWidths(2), 77);
  EXPECT_EQ(copy.Cells(1, 2), Cell(2, 2));
}

TEST(GridLifecycle, LoadedCompletesAGridReadFromAForm) {
  TQrvStringGrid grid;
  grid.SetColumnHeaders({QStringLiteral("A"), QStringLiteral("Name")});
  grid.SetCells(1, 0, QStringLiteral("stale"));
  grid.SetCells(2, 3, QStringLiteral("a text far wider than a default column"));
  grid.SetColWidths(1, 99);
  const int32_t width = grid.ColWidths(2);
  grid.Loaded();
  EXPECT_EQ(grid.Cells(1, 0), QStringLiteral("Name"));
  EXPECT_EQ(grid.ColWidths(2), width);  // no AutoSize: widths stay
  EXPECT_EQ(grid.OrigColSizes().Count(), grid.ColCount());
  EXPECT_EQ(grid.OrigColSizes().GetInteger(1), 99);
  TQrvStringGrid sized;
  sized.SetCells(2, 3, QStringLiteral("a text far wider than a default column"));
  sized.AutoSize = true;
  sized.Loaded();
  EXPECT_GT(sized.ColWidths(2), width);
}

TEST(GridLifecycle, LoadedAppliesTheVyxLookOverStoredColours) {
  TQrvStringGrid reference;
  reference.SetLook(glVyx);
  TQrvStringGrid grid;
  grid.SetLook(glVyx);
  grid.SelectionColor = 0x123456;
  grid.ActiveCellColor = 0x123456;
  grid.Loaded();
  EXPECT_EQ(grid.Look(), glVyx);
  EXPECT_EQ(grid.SelectionColor, reference.SelectionColor);
  EXPECT_EQ(grid.ActiveCellColor, reference.ActiveCellColor);
  EXPECT_NE(reference.SelectionColor, TColor(0x123456));
}

TEST(GridLifecycle, AssignCopiesTheListedSettings) {
  TQrvStringGrid source;
  source.AutoNumAlign = true;
  source.AutoSize = true;
  source.AutoFilterUpdate = false;
  source.InvalidEntryTitle = QStringLiteral("Title");
  source.InvalidEntryText = QStringLiteral("Text");
  source.InvalidEntryIcon = TQrvStringGrid::ieError;
  source.CellNode().Color = 0x112233;
  source.ColumnSize().SetStretchColumn(3);
  source.ColumnSize().SetSave(true);
  source.Grouping.AutoCheckGroup = true;
  source.SortSettings.Column = 2;
  source.DragDropSettings.OleDropTarget = true;
  source.ProgressAppearance.CompleteColor = 0x445566;
  source.SetScrollBarAlways(saBoth);
  source.SetColumnHeaders({QStringLiteral("h0"), QStringLiteral("h1")});
  TQrvStringGrid copy;
  copy.Assign(&source);
  EXPECT_TRUE(copy.AutoNumAlign);
  EXPECT_TRUE(copy.AutoSize);
  EXPECT_FALSE(copy.AutoFilterUpdate);
  EXPECT_EQ(copy.InvalidEntryTitle, QStringLiteral("Title"));
  EXPECT_EQ(copy.InvalidEntryText, QStringLiteral("Text"));
  EXPECT_EQ(copy.InvalidEntryIcon, TQrvStringGrid::ieError);
  EXPECT_EQ(copy.CellNode().Color, TColor(0x112233));
  EXPECT_EQ(copy.ColumnSize().StretchColumn(), 3);
  EXPECT_TRUE(copy.ColumnSize().Save());
  EXPECT_TRUE(copy.Grouping.AutoCheckGroup);
  EXPECT_EQ(copy.SortSettings.Column, 2);
  EXPECT_TRUE(copy.DragDropSettings.OleDropTarget);
  EXPECT_EQ(copy.ProgressAppearance.CompleteColor, TColor(0x445566));
  EXPECT_EQ(copy.ScrollBarAlways(), saBoth);
  EXPECT_EQ(copy.ColumnHeaders(), source.ColumnHeaders());
}

TEST(GridLifecycle, ScrollBarsShownAlwaysAreDisabledWhileEverythingFits) {
  // 400 x 250 pixels: 10 rows of 22 and 5 columns fit; 30 rows and 12 columns do not.
  struct TBarHost : TRecordingHost {
    void SetScrollBarShown(bool vertical, bool always, bool enabled) override {
      (vertical ? Vert : Horz) = {always, enabled};
    }
    std::pair<bool, bool> Vert{false, false}, Horz{false, false};
  };
  struct Case {
    TScrollBarAlways always;
    int32_t rows, cols;
    std::pair<bool, bool> vert, horz;  // (shown always, enabled)
  };
  const std::vector<Case> cases = {
      {saNone, 10, 5, {false, true}, {false, true}},  {saNone, 30, 12, {false, true}, {false, true}},
      {saVert, 10, 5, {true, false}, {false, false}}, {saVert, 30, 5, {true, true}, {false, false}},
      {saHorz, 10, 12, {false, false}, {true, true}}, {saBoth, 10, 5, {true, false}, {true, false}},
      {saBoth, 30, 12, {true, true}, {true, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.always << " " << c.rows << "x" << c.cols);
    TBarHost host;
    TQrvStringGrid grid;
    grid.SetHost(&host);
    int resized = 0;
    grid.OnResize = [&](TQrvStringGrid*) { ++resized; };
    grid.SetScrollBarAlways(c.always);
    grid.SetColCount(c.cols);
    grid.SetRowCount(c.rows);
    EXPECT_EQ(host.Vert, c.vert);
    EXPECT_EQ(host.Horz, c.horz);
    host.Vert = host.Horz = {false, false};
    grid.Resize();
    EXPECT_EQ(resized, 1);
    EXPECT_EQ(host.Vert, c.vert);
    EXPECT_EQ(host.Horz, c.horz);
    // The option alone re-applies the bars at once, with no size or count change after it.
    grid.SetScrollBarAlways(saBoth);
    EXPECT_TRUE(host.Vert.first && host.Horz.first);
    grid.SetScrollBarAlways(c.always);
    EXPECT_EQ(host.Vert, c.vert);
    EXPECT_EQ(host.Horz, c.horz);
    grid.SetHost(nullptr);
  }
}

TEST(GridLifecycle, ComponentMessagesRepaintWhatTheyConcern) {
  struct TFooterGrid : TQrvStringGrid {
    bool FloatingFooterShown() const override { return Shown; }
    void InvalidateFloatingFooter() override { ++FooterRepaints; }
    bool Shown = false;
    int FooterRepaints = 0;
  };
  THostedGrid<TFooterGrid> hosted(5, 10, 400, 250);
  TFooterGrid& grid = hosted.grid;
  grid.FooterRepaints = 0;
  grid.SetColor(clRed);
  EXPECT_EQ(grid.FooterRepaints, 0);
  grid.Shown = true;
  grid.SetColor(clBlue);
  EXPECT_EQ(grid.FooterRepaints, 1);
  hosted.host.AllRepaints = 0;
  grid.CMEnabledChanged();
  EXPECT_EQ(hosted.host.AllRepaints, 1);
  // The hovered fixed cell is forgotten and repainted, only while hovering fixed cells is on.
  grid.HoverFixedCell = TPoint{2, 0};
  hosted.host.Rects.clear();
  grid.ResetFixedCellHighlight();
  EXPECT_EQ(grid.HoverFixedCell, (TPoint{2, 0}));
  EXPECT_TRUE(hosted.host.Rects.empty());
  grid.HoverFixedCells = hfAll;
  grid.ResetFixedCellHighlight();
  EXPECT_EQ(grid.HoverFixedCell, (TPoint{-1, -1}));
  ASSERT_EQ(hosted.host.Rects.size(), 1u);
  EXPECT_EQ(hosted.host.Rects[0].Left, grid.CellRect(2, 0).Left);
}

TEST(GridLifecycle, DialogCharactersRunTheSearchButtonTheyAccelerate) {
  struct TSearchGrid : TQrvStringGrid {
    bool SearchFooterShown() const override { return Shown; }
    void SearchFooterFindNext() override { Ran += "next "; }
    void SearchFooterFindPrevious() override { Ran += "previous "; }
    void SearchFooterHighlight() override { Ran += "highlight "; }
    bool Shown = true;
    std::string Ran;
  };
  struct Case {
    QChar key;
    bool shown;
    bool showNext;
    bool handled;
    std::string ran;
    // The buttons are enabled only while the search edit holds text.
    QString text = QStringLiteral("x");
  };
  const std::vector<Case> cases = {
      {u'n', true, true, true, "next "},     {u'N', true, true, true, "next "},
      {u'p', true, true, true, "previous "}, {u'h', true, true, true, "highlight "},
      {u'x', true, true, false, ""},         {u'&', true, true, false, ""},
      {u'n', false, true, false, ""},        {u'n', true, false, false, ""},
      {u'n', true, true, false, "", {}},     {u'h', true, true, false, "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.key.toLatin1() << c.shown << c.showNext << c.text.size());
    TSearchGrid grid;
    grid.Shown = c.shown;
    grid.SearchFooter().SetFindNextCaption(QStringLiteral("Find &next"));
    grid.SearchFooter().SetFindPrevCaption(QStringLiteral("Find &previous"));
    grid.SearchFooter().SetHighLightCaption(QStringLiteral("&&&Highlight"));
    grid.SearchFooter().SetShowFindNext(c.showNext);
    grid.SearchFooter().SetShowFindPrev(true);
    grid.SearchFooter().SetShowHighLight(true);
    grid.SearchFooterEditChange(c.text);
    EXPECT_EQ(grid.CMDialogChar(c.key), c.handled);
    EXPECT_EQ(grid.Ran, c.ran);
  }
}

TEST(GridLifecycle, VyxGradientSettersKeepPlainColours) {
  THostedGrid<> hosted(5, 10, 400, 250);
  TQrvStringGrid& grid = hosted.grid;
  hosted.host.AllRepaints = 0;
  grid.SetVyxGradientFrom(0x102030);
  grid.SetVyxGradientTo(clBtnFace);
  grid.SetVyxGradientMirrorFrom(clHighlight);
  grid.SetVyxGradientMirrorTo(clNone);
  EXPECT_EQ(grid.VyxGradient.From, TColor(0x102030));
  EXPECT_EQ(grid.VyxGradient.To, ColorToRGB(clBtnFace));
  EXPECT_NE(grid.VyxGradient.To, clBtnFace);
  EXPECT_EQ(grid.VyxGradient.MirrorFrom, ColorToRGB(clHighlight));
  EXPECT_EQ(grid.VyxGradient.MirrorTo, clNone);
  EXPECT_EQ(hosted.host.AllRepaints, 4);
}

TEST(GridLifecycle, DatePickerRelaysReportTheCurrentCell) {
  TQrvStringGrid grid;
  grid.MoveToCell(2, 3);
  ASSERT_EQ((TPoint{grid.Col(), grid.Row()}), (TPoint{2, 3}));
  std::vector<double> args;
  grid.OnDateTimeChange = [&](TQrvStringGrid*, int32_t c, int32_t r, double value) {
    args = {double(c), double(r), value};
  };
  grid.DateTimeChange(45000.5);
  EXPECT_EQ(args, (std::vector<double>{2, 3, 45000.5}));
  grid.OnDatePickerDropDown = [&](TQrvStringGrid*, int32_t r, int32_t c) { args = {double(r), double(c)}; };
  grid.DatePickerDropDown();
  EXPECT_EQ(args, (std::vector<double>{3, 2}));
  // A close-up ends the edit only with DirectDateClose.
  for (const bool direct : {false, true}) {
    grid.MouseActions().SetDirectDateClose(direct);
    grid.SetEditMode(true);
    args.clear();
    grid.OnDatePickerCloseUp = [&](TQrvStringGrid* g, int32_t r, int32_t c) {
      args = {double(r), double(c), double(g->EditMode())};
    };
    grid.DatePickerCloseUp();
    EXPECT_EQ(args, (std::vector<double>{3, 2, 1}));
    EXPECT_EQ(grid.EditMode(), !direct);
  }
}

TEST(GridLifecycle, IntegralHeightAndInvalidateMarker) {
  TQrvStringGrid grid;
  grid.SetIntegralHeight(true);
  grid.SetBounds(0, 0, 400, 100);
  EXPECT_EQ(grid.Height(), 92);
  TRecordingHost host;
  grid.SetHost(&host);
  host.AllRepaints = 0;
  grid.MarkEditChange();
  grid.Invalidate();
  EXPECT_EQ(host.AllRepaints, 0);
  grid.Invalidate();
  EXPECT_EQ(host.AllRepaints, 1);
  grid.SetHost(nullptr);
}

TEST(GridDimensions, FixedRowAlwaysKeepsTheWantedCount) {
  TQrvStringGrid grid;
  grid.SetFixedRowAlways(true);
  grid.SetFixedRows(1);
  grid.SetRowCount(1);
  EXPECT_EQ(grid.TStringGrid::FixedRows(), 0);
  EXPECT_EQ(grid.FixedRows(), 1);
  grid.SetRowCount(5);
  EXPECT_EQ(grid.TStringGrid::FixedRows(), 1);
  bool fixed = false;
  grid.IsFixedCell(3, 0, fixed);
  EXPECT_TRUE(fixed);
}

TEST(GridDimensions, NestedUpdateLockRepaintsOnceAtTheEnd) {
  TQrvStringGrid grid;
  TRecordingHost host;
  grid.SetHost(&host);
  grid.BeginUpdate();
  grid.BeginUpdate();
  host.AllRepaints = 0;
  grid.EndUpdate();
  EXPECT_FALSE(host.RedrawOn);
  EXPECT_EQ(host.AllRepaints, 0);
  grid.EndUpdate();
  EXPECT_TRUE(host.RedrawOn);
  EXPECT_EQ(host.AllRepaints, 1);
  host.Showing = false;
  grid.BeginUpdate();  // ignored while hidden
  EXPECT_FALSE(grid.LockUpdate());
  grid.SetHost(nullptr);
}

TEST(GridStructure, RemovingPastTheEndRemovesNothingAndCountsAreCut) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.RemoveRows(10, 1);
  EXPECT_EQ(grid.RowCount(), 10);
  EXPECT_EQ(grid.Cells(1, 9), Cell(1, 9));
  grid.RemoveRows(-1, 1);
  grid.RemoveRows(3, 0);
  EXPECT_EQ(grid.RowCount(), 10);
  grid.RemoveRows(8, 5);
  EXPECT_EQ(grid.RowCount(), 8);
  EXPECT_EQ(grid.Cells(1, 7), Cell(1, 7));
  grid.RemoveCols(3, 10);
  EXPECT_EQ(grid.ColCount(), 3);
  EXPECT_EQ(grid.Cells(2, 1), Cell(2, 1));
  grid.RemoveCols(7, 1);
  EXPECT_EQ(grid.ColCount(), 3);
}

TEST(GridStructure, RemoveRowsKeepsHeightsAndShiftsParkedRows) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.SetRowHeights(6, 33);
  grid.GetCellProperties(1, 3)->SetReadOnly(true);  // freed with its row
  grid.HideRow(8);
  grid.RemoveRows(2, 3);
  EXPECT_EQ(grid.RowCount(), 6);
  EXPECT_EQ(grid.Cells(1, 2), Cell(1, 5));
  EXPECT_EQ(grid.RowHeights(3), 33);
  EXPECT_TRUE(grid.IsHiddenRow(5));
  EXPECT_FALSE(grid.ReadOnly(1, 3));
  grid.UnHideRow(5);
  EXPECT_EQ(grid.Cells(1, 5), Cell(1, 8));
}

TEST(GridStructure, RemovingTheCurrentLastRowsMovesTheCurrentRow) {
  TQrvStringGrid grid;
  grid.SetFixedRowAlways(true);
  grid.SetFixedRows(1);
  grid.SetRow(9);
  grid.RemoveRows(7, 3);
  EXPECT_EQ(grid.RowCount(), 7);
  EXPECT_EQ(grid.Row(), 6);
  grid.RemoveRows(1, 6);
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_TRUE(grid.SelectionHidden());
}

TEST(GridStructure, InsertAndMoveRows) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.InsertRows(2, 2);
  EXPECT_EQ(grid.RowCount(), 12);
  EXPECT_TRUE(grid.Cells(1, 2).isEmpty());
  EXPECT_EQ(grid.Cells(1, 4), Cell(1, 2));
  EXPECT_EQ(grid.RowHeights(2), 22);
  grid.InsertRows(20, 1);  // past the end: refused
  EXPECT_EQ(grid.RowCount(), 12);
  grid.AddRow();
  EXPECT_EQ(grid.RowCount(), 13);
  grid.RemoveRows(2, 2);
  grid.RemoveRows(10, 1);
  grid.MoveRows(1, 5, 2);  // rows 1 and 2 go before old row 5
  EXPECT_EQ(grid.Cells(1, 1), Cell(1, 3));
  EXPECT_EQ(grid.Cells(1, 2), Cell(1, 4));
  EXPECT_EQ(grid.Cells(1, 3), Cell(1, 1));
  EXPECT_EQ(grid.Cells(1, 4), Cell(1, 2));
  EXPECT_EQ(grid.Cells(1, 5), Cell(1, 5));
  grid.MoveRows(5, 1, 1);
  EXPECT_EQ(grid.Cells(1, 1), Cell(1, 5));
}

TEST(GridStructure, ColumnsWhileColumnsAreHidden) {
  TQrvStringGrid grid;
  Fill(grid);
  for (int32_t c = 0; c < 5; ++c) grid.SetColWidths(c, 10 + c);
  grid.HideColumn(3);     // shown: 0 1 2 4 with widths 10 11 12 14
  grid.InsertCols(1, 1);  // real 0 new 1 2 3 [hidden 4] 5
  EXPECT_EQ(grid.NumHiddenColumns(), 1);
  EXPECT_TRUE(grid.IsHiddenColumn(4));
  EXPECT_EQ(grid.ColCount(), 5);
  EXPECT_EQ(grid.Cells(4, 1), Cell(3, 1));
  EXPECT_EQ(grid.ColWidths(1), grid.DefaultColWidth());
  EXPECT_EQ(grid.ColWidths(4), 14);
  EXPECT_EQ(grid.RealColIndex(4), 5);
  grid.RemoveCols(4, 1);  // the hidden column itself
  EXPECT_EQ(grid.NumHiddenColumns(), 0);
  EXPECT_EQ(grid.ColCount(), 5);
  EXPECT_EQ(grid.Cells(4, 1), Cell(4, 1));
  EXPECT_EQ(grid.ColWidths(4), 14);
  grid.HideColumn(2);
  grid.RemoveCols(0, 2);  // two shown columns left of a hidden one
  EXPECT_EQ(grid.NumHiddenColumns(), 1);
  EXPECT_TRUE(grid.IsHiddenColumn(0));
  EXPECT_EQ(grid.ColCount(), 2);
  grid.UnHideColumnsAll();
  EXPECT_EQ(grid.Cells(0, 1), Cell(1, 1));
  EXPECT_EQ(grid.ColWidths(0), 11);
  EXPECT_EQ(grid.ColWidths(1), 12);
  EXPECT_EQ(grid.ColWidths(2), 14);
}

TEST(GridStructure, SaveRangeAndSizingEdge) {
  TQrvStringGrid grid;
  EXPECT_EQ(grid.SaveStartRow(), 0);
  grid.SaveFixedCells = false;
  grid.SetFixedFooters(1);
  EXPECT_EQ(grid.SaveStartRow(), 1);
  EXPECT_EQ(grid.SaveEndRow(), 8);
  EXPECT_EQ(grid.SaveRowCount(), 8);
  grid.SetOptions(grid.Options() | goColSizing);
  const int32_t edge = grid.ColWidths(0) + grid.ColWidths(1);
  EXPECT_TRUE(grid.IsOnSizingEdge(edge - 3, 5));
  EXPECT_FALSE(grid.IsOnSizingEdge(edge - 5, 5));
  EXPECT_EQ(grid.GetUsedCells(), (TGridRect{}));
  grid.SetCells(2, 3, QStringLiteral("a"));
  grid.SetCells(4, 1, QStringLiteral("b"));
  EXPECT_EQ(grid.GetUsedCells(), (TGridRect{2, 1, 4, 3}));
}

TEST(GridStructure, ScreenToCellGoesThroughTheWindowsClientOrigin) {
  // A window whose client area starts at screen point (100, 200).
  struct TOffsetHost : TRecordingHost {
    TPoint ScreenToClient(const TPoint& p) const override { return TPoint{p.X - 100, p.Y - 200}; }
  } host;
  TQrvStringGrid grid;
  int32_t c = 7, r = 7;
  grid.ScreenToCell(TPoint{105, 205}, c, r);
  EXPECT_EQ((TPoint{c, r}), (TPoint{-1, -1}));  // no window shows the grid
  grid.SetHost(&host);
  const int32_t x1 = 100 + grid.ColWidths(0) + 1, y2 = 200 + 2 * grid.DefaultRowHeight() + 1;
  struct Case {
    TPoint screen;
    TPoint cell;
  };
  const std::vector<Case> cases = {
      {{105, 205}, {0, 0}}, {{x1, 205}, {1, 0}}, {{x1, y2}, {1, 2}}, {{5, 5}, {-1, -1}}, {{99, 205}, {-1, -1}}};
  for (const Case& k : cases) {
    grid.ScreenToCell(k.screen, c, r);
    EXPECT_EQ((TPoint{c, r}), k.cell) << k.screen.X << "," << k.screen.Y;
  }
  grid.SetHost(nullptr);
}

TEST(GridModule, StartsOnceAndNamesItsRegistrations) {
  Grid_Module_Start();
  const int32_t message = GridModule().GridEditDoneMessage;
  Grid_Module_Start();
  EXPECT_EQ(GridModule().GridEditDoneMessage, message);
  EXPECT_NE(GridModule().GridEditDoneMessage, GridModule().DTPShiftFocusMessage);
  EXPECT_TRUE(GridModule().ComCtrlOk);
  EXPECT_EQ(GridCellsFormatName, QStringLiteral("TQrvStringGrid Cells"));
  EXPECT_EQ(GetFileVersionMS(QStringLiteral("/bin/sh")), -1);
  Grid_Module_Shutdown();
  Grid_Module_Shutdown();
  EXPECT_EQ(GridModule().StartCount, 0);
}

TEST(GridStructure, RemovingARowBlockKeepsParkedRowsInStep) {
  TQrvStringGrid grid;
  Fill(grid);
  grid.HideRow(7);
  grid.SetColors(1, 2, clRed);
  grid.RemoveRowBlock(2, 2);
  EXPECT_TRUE(grid.IsHiddenRow(5));
  EXPECT_EQ(grid.Cells(1, 2), Cell(1, 4));
  EXPECT_EQ(grid.Colors(1, 2), clNone);
  grid.HideRows(1, 1);
  grid.RemoveRowBlock(1, 1);  // display row 1 is real row 2
  EXPECT_TRUE(grid.IsHiddenRow(1));
  EXPECT_TRUE(grid.IsHiddenRow(4));
  grid.UnHideRowsAll();
  EXPECT_EQ(grid.Cells(1, 1), Cell(1, 1));
  EXPECT_EQ(grid.Cells(1, 4), Cell(1, 7));
  EXPECT_EQ(grid.RowCount(), 7);
}

TEST(GridDimensions, SelectionParkingAndScrollingIntoView) {
  TQrvStringGrid grid;
  grid.SetRowCount(100);
  grid.SetSelection(TGridRect{2, 3, 3, 4});
  grid.HideSelection();
  EXPECT_EQ(grid.Selection(), (TGridRect{5, 100, 5, 100}));
  grid.UnHideSelection();
  EXPECT_EQ(grid.Selection(), (TGridRect{2, 3, 3, 4}));
  grid.HideSelection();
  grid.SetRowCount(3);  // the parked rectangle no longer starts inside the grid
  grid.UnHideSelection();
  EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 1, 1}));
  grid.SetRowCount(100);
  const int32_t top = grid.TopRow();
  grid.ScrollInView(2, 3);  // already visible: nothing moves
  EXPECT_EQ(grid.TopRow(), top);
  grid.ScrollInView(2, 80);
  EXPECT_EQ(grid.Row(), 80);
  EXPECT_LE(grid.TopRow(), 80);
  EXPECT_GT(grid.TopRow() + grid.VisibleRowCount(), 80);
  grid.SetTopRow(0);  // above the fixed rows: refused
  EXPECT_GE(grid.TopRow(), 1);
}
