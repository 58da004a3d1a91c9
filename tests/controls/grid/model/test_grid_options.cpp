#include <gtest/gtest.h>

#include <functional>

#include "UGridOptions.h"
#include "UStringGrid.h"

namespace {

// Plain grids standing for the owners and partners: the settings only keep and compare them.
TStringGrid* Fake_Grid(int n) {
  static TStringGrid grids[3];
  return &grids[n];
}

template <class T>
struct Counted {
  T object;
  int changes = 0;
  template <class... A>
  explicit Counted(A... args) : object(args...) {
    object.OnChange = [this](TGridPersistent* sender) {
      EXPECT_EQ(sender, &object);
      ++changes;
    };
  }
};

}  // namespace

TEST(SearchFooter, CreationValuesWithAndWithoutDesignTexts) {
  TSearchFooter design(nullptr, true);
  EXPECT_FALSE(design.Visible());
  EXPECT_EQ(design.Color(), 0xFFFFFFu);
  EXPECT_EQ(design.ColorTo(), 0xFF00000Fu);
  EXPECT_TRUE(design.AutoSearch());
  EXPECT_EQ(design.SearchColumn(), -1);
  EXPECT_EQ(design.SearchDirection(), sdTopBottom);
  EXPECT_TRUE(design.ShowClose() && design.ShowFindNext() && design.ShowFindPrev() && design.ShowHighLight() &&
              design.ShowMatchCase());
  EXPECT_FALSE(design.AlwaysHighLight() || design.AutoThemeAdapt() || design.SearchActiveColumnOnly() ||
               design.SearchMatchStart() || design.SearchFixedCells() || design.SearchHiddenRows());
  EXPECT_EQ(design.FindPrevCaption(), "Find &previous");
  EXPECT_EQ(design.FindNextCaption(), "Find &next");
  EXPECT_EQ(design.MatchCaseCaption(), "Match case");
  EXPECT_EQ(design.HighLightCaption(), "Highlight");
  EXPECT_EQ(design.HintClose(), "Close");
  EXPECT_EQ(design.HintFindNext(), "Find next occurrence");
  EXPECT_EQ(design.HintFindPrev(), "Find previous occurrence");
  EXPECT_EQ(design.HintHighlight(), "Highlight occurrences");

  TSearchFooter plain(nullptr, false);
  for (const QString& text :
       {plain.FindPrevCaption(), plain.FindNextCaption(), plain.MatchCaseCaption(), plain.HighLightCaption(),
        plain.HintClose(), plain.HintFindNext(), plain.HintFindPrev(), plain.HintHighlight(), plain.LastSearch()})
    EXPECT_TRUE(text.isEmpty());
}

// Each write done twice with the value it already holds after the first: "always" writes tell the grid both
// times, "on change" writes once, plain stores never.
TEST(SearchFooter, WhichWritesTellTheGrid) {
  using Write = std::function<void(TSearchFooter&)>;
  struct Case {
    const char* name;
    Write write;
    int expected;
  };
  TFont font;
  font.Name = QStringLiteral("Arial");
  const Case cases[] = {
      {"Color", [](TSearchFooter& f) { f.SetColor(0x123456); }, 2},
      {"ColorTo", [](TSearchFooter& f) { f.SetColorTo(0x123456); }, 2},
      {"Font", [&](TSearchFooter& f) { f.SetFont(font); }, 2},
      {"AutoThemeAdapt", [](TSearchFooter& f) { f.SetAutoThemeAdapt(true); }, 2},
      {"FindPrevCaption", [](TSearchFooter& f) { f.SetFindPrevCaption("x"); }, 2},
      {"FindNextCaption", [](TSearchFooter& f) { f.SetFindNextCaption("x"); }, 2},
      {"MatchCaseCaption", [](TSearchFooter& f) { f.SetMatchCaseCaption("x"); }, 2},
      {"HighLightCaption", [](TSearchFooter& f) { f.SetHighLightCaption("x"); }, 2},
      {"HintClose", [](TSearchFooter& f) { f.SetHintClose("x"); }, 2},
      {"HintFindNext", [](TSearchFooter& f) { f.SetHintFindNext("x"); }, 2},
      {"HintFindPrev", [](TSearchFooter& f) { f.SetHintFindPrev("x"); }, 2},
      {"HintHighlight", [](TSearchFooter& f) { f.SetHintHighlight("x"); }, 2},
      {"ShowClose", [](TSearchFooter& f) { f.SetShowClose(false); }, 2},
      {"Visible", [](TSearchFooter& f) { f.SetVisible(true); }, 1},
      {"ShowFindNext", [](TSearchFooter& f) { f.SetShowFindNext(false); }, 1},
      {"ShowFindPrev", [](TSearchFooter& f) { f.SetShowFindPrev(false); }, 1},
      {"ShowHighLight", [](TSearchFooter& f) { f.SetShowHighLight(false); }, 1},
      {"ShowMatchCase", [](TSearchFooter& f) { f.SetShowMatchCase(false); }, 1},
      {"AlwaysHighLight", [](TSearchFooter& f) { f.SetAlwaysHighLight(true); }, 0},
      {"AutoSearch", [](TSearchFooter& f) { f.SetAutoSearch(false); }, 0},
      {"SearchColumn", [](TSearchFooter& f) { f.SetSearchColumn(3); }, 0},
      {"SearchActiveColumnOnly", [](TSearchFooter& f) { f.SetSearchActiveColumnOnly(true); }, 0},
      {"SearchMatchStart", [](TSearchFooter& f) { f.SetSearchMatchStart(true); }, 0},
      {"SearchFixedCells", [](TSearchFooter& f) { f.SetSearchFixedCells(true); }, 0},
      {"SearchHiddenRows", [](TSearchFooter& f) { f.SetSearchHiddenRows(true); }, 0},
      {"SearchDirection", [](TSearchFooter& f) { f.SetSearchDirection(sdLeftRight); }, 0},
      {"LastSearch", [](TSearchFooter& f) { f.SetLastSearch("abc"); }, 0},
  };
  for (const Case& c : cases) {
    Counted<TSearchFooter> footer(nullptr, true);
    c.write(footer.object);
    c.write(footer.object);
    EXPECT_EQ(footer.changes, c.expected) << c.name;
  }
}

TEST(SearchFooter, AssignCopiesTheLooksButNotTheSearchStateAndFiresNothing) {
  TSearchFooter source(nullptr, true);
  source.SetVisible(true);
  source.SetColor(0x010203);
  source.SetColorTo(0x040506);
  TFont font;
  font.Name = QStringLiteral("Verdana");
  font.Style = fsBold;
  source.SetFont(font);
  source.SetFindNextCaption("next");
  source.SetHintClose("shut");
  source.SetShowMatchCase(false);
  source.SetAlwaysHighLight(true);
  source.SetSearchColumn(4);
  source.SetSearchActiveColumnOnly(true);
  source.SetSearchMatchStart(true);
  source.SetSearchHiddenRows(true);
  source.SetSearchDirection(sdLeftRight);
  source.SetAutoSearch(false);
  source.SetAutoThemeAdapt(true);
  source.SetSearchFixedCells(true);
  source.SetLastSearch("needle");

  Counted<TSearchFooter> target(nullptr, false);
  target.object.Assign(&source);
  const TSearchFooter& t = target.object;
  EXPECT_EQ(target.changes, 0);
  EXPECT_TRUE(t.Visible());
  EXPECT_EQ(t.Color(), 0x010203u);
  EXPECT_EQ(t.ColorTo(), 0x040506u);
  EXPECT_EQ(t.Font().Name, "Verdana");
  EXPECT_EQ(t.Font().Style, TFontStyles(fsBold));
  EXPECT_EQ(t.FindNextCaption(), "next");
  EXPECT_EQ(t.FindPrevCaption(), "Find &previous");
  EXPECT_EQ(t.HintClose(), "shut");
  EXPECT_FALSE(t.ShowMatchCase());
  EXPECT_TRUE(t.AlwaysHighLight() && t.SearchActiveColumnOnly() && t.SearchMatchStart() && t.SearchHiddenRows());
  EXPECT_EQ(t.SearchColumn(), 4);
  EXPECT_EQ(t.SearchDirection(), sdLeftRight);
  // Kept from the target.
  EXPECT_TRUE(t.AutoSearch());
  EXPECT_FALSE(t.AutoThemeAdapt());
  EXPECT_FALSE(t.SearchFixedCells());
  EXPECT_TRUE(t.LastSearch().isEmpty());
}

TEST(GridOptions, AssignFromAnotherClassChangesNothing) {
  TBands bands;
  bands.SetActive(true);
  bands.SetPrimaryLength(7);
  TSearchFooter footer(nullptr, true);
  footer.SetColor(0x111111);
  TNavigation navigation;
  navigation.SetAlwaysEdit(true);
  TMouseActions mouse(nullptr);
  mouse.SetRowSelect(true);
  TSyncGrid sync(Fake_Grid(0));
  sync.SetGrid(Fake_Grid(1));
  TFocusHelper focus(nullptr);
  focus.SetEnabled(true);

  TGridPersistent* all[] = {&bands, &footer, &navigation, &mouse, &sync, &focus};
  for (TGridPersistent* target : all)
    for (TGridPersistent* source : all)
      if (source != target) target->Assign(source);
  EXPECT_TRUE(bands.Active());
  EXPECT_EQ(bands.PrimaryLength(), 7);
  EXPECT_EQ(footer.Color(), 0x111111u);
  EXPECT_TRUE(navigation.AlwaysEdit());
  EXPECT_TRUE(mouse.RowSelect());
  EXPECT_EQ(sync.Grid(), Fake_Grid(1));
  EXPECT_TRUE(focus.Enabled());

  TFocusHelper other(nullptr);
  other.Assign(&focus);
  EXPECT_TRUE(other.Enabled());
}

TEST(Navigation, CreationValuesEventsAndAdvanceAuto) {
  Counted<TNavigation> nav;
  TNavigation& n = nav.object;
  // The settings that start switched on; everything else starts off.
  EXPECT_TRUE(n.AdvanceOnEnterLoop() && n.AdvanceAutoEdit() && n.AdvanceSkipReadOnlyCells() && n.AllowCtrlEnter() &&
              n.AllowClipboardRowGrow() && n.AllowClipboardColGrow() && n.EditSelectAll() && n.ComboGetUpDown() &&
              n.CursorWalkAlwaysEdit() && n.LeftRightRowSelect() && n.CopyHTMLTagsToClipboard() &&
              n.SkipFixedCells() && n.SkipDisabledRows());
  EXPECT_FALSE(n.AllowInsertRow() || n.AllowDeleteRow() || n.AlwaysEdit() || n.AdvanceOnEnter() ||
               n.AdvanceInsert() || n.AdvanceAuto() || n.AllowClipboardShortCuts() || n.KeepScrollOnSort() ||
               n.TabToNextAtEnd() || n.CursorWalkEditor());
  EXPECT_EQ(n.AdvanceDirection(), adLeftRight);
  EXPECT_EQ(n.TabAdvanceDirection(), adLeftRight);
  EXPECT_EQ(n.InsertPosition(), pInsertBefore);
  EXPECT_EQ(n.ClipboardPasteAction(), paReplace);
  EXPECT_EQ(n.CursorAdvance(), caDefault);
  EXPECT_EQ(n.HomeEndKey(), heFirstLastColumn);

  n.SetAdvanceDirection(adLeftRight);
  n.SetAdvanceInsert(false);
  EXPECT_EQ(nav.changes, 0);
  n.SetAdvanceDirection(adTopBottom);
  n.SetAdvanceInsert(true);
  EXPECT_EQ(nav.changes, 2);

  n.SetAdvanceAuto(true);
  EXPECT_TRUE(n.AdvanceOnEnter());
  n.SetAdvanceOnEnter(false);
  n.SetAdvanceAuto(true);  // no change of value: AdvanceOnEnter stays off
  EXPECT_FALSE(n.AdvanceOnEnter());
  n.SetAdvanceAuto(false);
  EXPECT_FALSE(n.AdvanceOnEnter());
  n.SetAlwaysEdit(true);
  n.SetTabAdvanceDirection(adTopBottomInCol);
  EXPECT_EQ(nav.changes, 2);
}

TEST(Navigation, AssignCopiesAllButKeepScrollOnSort) {
  TNavigation source;
  source.SetAdvanceDirection(adTopBottom);
  source.SetTabAdvanceDirection(adLeftRightInRow);
  source.SetKeepScrollOnSort(true);
  source.SetCursorAdvance(caSnake);
  source.SetHomeEndKey(heFirstLastCell);
  source.SetSkipFixedCells(false);
  source.SetAllowDeleteRow(true);
  source.SetAdvanceAuto(true);

  Counted<TNavigation> target;
  target.object.Assign(&source);
  const TNavigation& t = target.object;
  EXPECT_EQ(target.changes, 0);
  EXPECT_EQ(t.AdvanceDirection(), adTopBottom);
  EXPECT_EQ(t.TabAdvanceDirection(), adLeftRightInRow);
  EXPECT_EQ(t.CursorAdvance(), caSnake);
  EXPECT_EQ(t.HomeEndKey(), heFirstLastCell);
  EXPECT_FALSE(t.SkipFixedCells());
  EXPECT_TRUE(t.AllowDeleteRow() && t.AdvanceAuto() && t.AdvanceOnEnter());
  EXPECT_FALSE(t.KeepScrollOnSort());
}

TEST(MouseActions, SideEffectsOfTheWritesThatHaveThem) {
  Counted<TMouseActions> mouse(nullptr);
  TMouseActions& m = mouse.object;
  int invalidates = 0, disables = 0;
  m.OnInvalidate = [&](TGridPersistent*) { ++invalidates; };
  m.OnDisableEdit = [&](TGridPersistent*) { ++disables; };
  EXPECT_TRUE(m.AutoSizeColOnDblClick() && m.PreciseNodeClick());
  EXPECT_FALSE(m.RowSelect() || m.DisjunctRowSelect() || m.CheckAllCheck() || m.HotmailRowSelect());
  EXPECT_EQ(m.WheelIncrement(), 0);
  EXPECT_EQ(m.WheelAction(), waMoveSelection);
  EXPECT_EQ(m.FixedRowsEdit(), fceNone);
  EXPECT_EQ(m.FixedColsEditor(), fceEdit);
  EXPECT_TRUE(m.FixedComboValues().isEmpty());

  m.SetHotmailRowSelect(false);
  EXPECT_EQ(invalidates, 1);
  EXPECT_FALSE(m.DisjunctRowSelect() || m.CheckAllCheck());
  m.SetHotmailRowSelect(true);
  EXPECT_EQ(invalidates, 2);
  EXPECT_TRUE(m.DisjunctRowSelect() && m.CheckAllCheck());

  m.SetEditOnDblClickOnly(false);
  EXPECT_EQ(disables, 0);
  m.SetEditOnDblClickOnly(true);
  m.SetEditOnDblClickOnly(true);
  EXPECT_EQ(disables, 2);

  m.SetWheelAction(waMoveSelection);
  EXPECT_EQ(mouse.changes, 0);
  m.SetWheelAction(waScroll);
  m.SetWheelAction(waScroll);
  EXPECT_EQ(mouse.changes, 1);
  m.SetRowSelect(true);
  m.SetWheelIncrement(3);
  EXPECT_EQ(mouse.changes, 1);
}

TEST(MouseActions, DisjunctModesExcludeOneAnotherOnlyWhileDesigning) {
  TMouseActions m(nullptr);
  m.SetDisjunctRowSelect(true);
  m.SetDisjunctColSelect(true);
  m.SetDisjunctCellSelect(true);
  EXPECT_TRUE(m.DisjunctRowSelect() && m.DisjunctColSelect() && m.DisjunctCellSelect());

  bool designing = true;
  m.OnIsDesigning = [&](TGridPersistent*, bool& is) { is = designing; };
  m.SetDisjunctColSelect(true);
  EXPECT_FALSE(m.DisjunctRowSelect());
  EXPECT_TRUE(m.DisjunctColSelect());
  EXPECT_FALSE(m.DisjunctCellSelect());
  m.SetDisjunctRowSelectDirect(true);  // the second name has no side effect
  EXPECT_TRUE(m.DisjunctRowSelect() && m.DisjunctColSelect());
  m.SetDisjunctCellSelect(false);  // clearing never clears the others
  EXPECT_TRUE(m.DisjunctRowSelect() && m.DisjunctColSelect());
  m.SetDisjunctRowSelect(true);
  EXPECT_TRUE(m.DisjunctRowSelectDirect());
  EXPECT_FALSE(m.DisjunctColSelect());
}

TEST(MouseActions, AssignLeavesOutTheFourExcludedSettings) {
  TMouseActions source(nullptr);
  source.SetHotmailRowSelect(true);  // also sets DisjunctRowSelect and CheckAllCheck, which are copied
  source.SetEditOnDblClickOnly(true);
  source.SetSizeFixedRow(true);
  source.SetSizeFixedCol(true);
  source.SetFixedComboValues({QStringLiteral("a"), QStringLiteral("b")});
  source.SetWheelAction(waScroll);
  source.SetWheelIncrement(5);
  source.SetFixedRowsEdit(fceRightClick);
  source.SetFixedColsEditor(fceComboList);
  source.SetPreciseNodeClick(false);

  Counted<TMouseActions> target(nullptr);
  int others = 0;
  target.object.OnInvalidate = [&](TGridPersistent*) { ++others; };
  target.object.OnDisableEdit = [&](TGridPersistent*) { ++others; };
  target.object.Assign(&source);
  const TMouseActions& t = target.object;
  EXPECT_EQ(target.changes + others, 0);
  EXPECT_FALSE(t.HotmailRowSelect());
  EXPECT_FALSE(t.EditOnDblClickOnly());
  EXPECT_FALSE(t.SizeFixedRow());
  EXPECT_TRUE(t.FixedComboValues().isEmpty());
  EXPECT_TRUE(t.DisjunctRowSelect() && t.CheckAllCheck() && t.SizeFixedCol());
  EXPECT_FALSE(t.PreciseNodeClick());
  EXPECT_EQ(t.WheelAction(), waScroll);
  EXPECT_EQ(t.WheelIncrement(), 5);
  EXPECT_EQ(t.FixedRowsEdit(), fceRightClick);
  EXPECT_EQ(t.FixedColsEditor(), fceComboList);
}

TEST(SyncGrid, TheOwnerIsNeverItsOwnPartner) {
  TSyncGrid sync(Fake_Grid(0));
  EXPECT_EQ(sync.Owner(), Fake_Grid(0));
  EXPECT_EQ(sync.Grid(), nullptr);
  EXPECT_FALSE(sync.ScrollHorizontal() || sync.ScrollVertical() || sync.SelectionRow() || sync.SelectionColumn() ||
               sync.MoveRow() || sync.MoveColumn());
  sync.SetGrid(Fake_Grid(1));
  sync.SetGrid(Fake_Grid(0));
  EXPECT_EQ(sync.Grid(), Fake_Grid(1));

  // Assign goes through the same write: a source naming this owner as partner keeps the current one.
  TSyncGrid source(Fake_Grid(2));
  source.SetGrid(Fake_Grid(0));
  source.SetScrollVertical(true);
  source.SetMoveColumn(true);
  sync.Assign(&source);
  EXPECT_EQ(sync.Grid(), Fake_Grid(1));
  EXPECT_TRUE(sync.ScrollVertical() && sync.MoveColumn());
  EXPECT_FALSE(sync.ScrollHorizontal());

  TSyncGrid third(Fake_Grid(1));
  third.Assign(&source);
  EXPECT_EQ(third.Grid(), Fake_Grid(0));
  third.SetGrid(nullptr);
  EXPECT_EQ(third.Grid(), nullptr);

  // A partner destroyed is forgotten, also by a copy taken while it lived.
  TSyncGrid copy(Fake_Grid(2));
  {
    TStringGrid partner;
    third.SetGrid(&partner);
    copy.Assign(&third);
    EXPECT_EQ(third.Grid(), &partner);
    EXPECT_EQ(copy.Grid(), &partner);
  }
  EXPECT_EQ(third.Grid(), nullptr);
  EXPECT_EQ(copy.Grid(), nullptr);
}

TEST(Bands, ColoursAndLengthsTellTheGridOnlyWhileActive) {
  Counted<TBands> bands;
  TBands& b = bands.object;
  EXPECT_FALSE(b.Active());
  EXPECT_EQ(b.PrimaryColor(), 0xFF000018u);
  EXPECT_EQ(b.SecondaryColor(), 0xFF000005u);
  EXPECT_EQ(b.PrimaryLength(), 1);
  EXPECT_EQ(b.SecondaryLength(), 1);
  EXPECT_EQ(b.TotalLength(), 2);
  EXPECT_FALSE(b.Print());

  b.SetPrimaryColor(clRed);
  b.SetSecondaryColor(clBlue);
  b.SetPrimaryLength(2);
  b.SetSecondaryLength(3);
  b.SetPrint(true);
  EXPECT_EQ(bands.changes, 0);
  EXPECT_EQ(b.TotalLength(), 5);

  b.SetActive(true);
  b.SetActive(true);
  EXPECT_EQ(bands.changes, 1);
  b.SetPrimaryColor(clRed);  // same value
  b.SetPrimaryLength(2);
  EXPECT_EQ(bands.changes, 1);
  b.SetPrimaryColor(clGreen);
  b.SetSecondaryColor(clLime);
  b.SetPrimaryLength(4);
  b.SetSecondaryLength(1);
  EXPECT_EQ(bands.changes, 5);
  EXPECT_EQ(b.TotalLength(), 5);
  b.SetPrint(false);
  b.SetActive(false);
  EXPECT_EQ(bands.changes, 6);
}

TEST(Bands, AssignCopiesEverySettingAndTheSum) {
  TBands source;
  source.SetPrimaryLength(2);
  source.SetSecondaryLength(3);
  source.SetPrimaryColor(clYellow);
  source.SetSecondaryColor(clAqua);
  source.SetPrint(true);
  source.SetActive(true);
  Counted<TBands> target;
  target.object.Assign(&source);
  const TBands& t = target.object;
  EXPECT_EQ(target.changes, 0);
  EXPECT_TRUE(t.Active() && t.Print());
  EXPECT_EQ(t.PrimaryColor(), clYellow);
  EXPECT_EQ(t.SecondaryColor(), clAqua);
  EXPECT_EQ(t.PrimaryLength(), 2);
  EXPECT_EQ(t.SecondaryLength(), 3);
  EXPECT_EQ(t.TotalLength(), 5);

  // Lengths whose sum leaves the integer range give the largest total, never a wrapped one.
  TBands huge;
  huge.SetPrimaryLength(INT32_MAX);
  huge.SetSecondaryLength(INT32_MAX);
  EXPECT_EQ(huge.TotalLength(), INT32_MAX);
}
