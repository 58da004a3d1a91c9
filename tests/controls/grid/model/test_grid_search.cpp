// Finding text in the cells, the incremental search of typed keys, and the search strip's actions and layout.
#include <gtest/gtest.h>

#include "GridTestHost.h"

namespace {
// One fixed row and column; the normal cells read (column, row):
//        1          2                3
//   1  xABCx      foo              bar
//   2  ""         abc              zz
//   3  abcd       q                ABC
//   4  w          <b>b</b>w        e
struct TFindGrid : THostedGrid<> {
  TFindGrid() : THostedGrid<>(4, 5, 400, 300) {
    const QStringList rows[] = {{"H0", "H1", "H2", "H3"},
                                {"1", "xABCx", "foo", "bar"},
                                {"2", "", "abc", "zz"},
                                {"3", "abcd", "q", "ABC"},
                                {"4", "w", "<b>b</b>w", "e"}};
    for (int32_t r = 0; r < 5; ++r)
      for (int32_t c = 0; c < 4; ++c) grid.SetCells(c, r, rows[r][c]);
  }
};

std::string Str(TPoint p) {
  return std::to_string(p.X) + "," + std::to_string(p.Y);
}
}  // namespace

TEST(GridFind, FindFirstHonoursEachParameter) {
  struct Case {
    const char* text;
    TFindParams params;
    int32_t findCol;
    TPoint hit;
  };
  const Case cases[] = {
      {"abc", 0, 0, {1, 1}},                                    // column by column, any case, anywhere
      {"abc", fnMatchCase, 0, {1, 3}},                          // xABCx no longer matches
      {"abc", fnMatchStart, 0, {1, 3}},                         // ABC must open the text
      {"abc", fnMatchFull, 0, {2, 2}},                          // the whole text
      {"abc", fnMatchStart | fnDirectionLeftRight, 0, {2, 2}},  // row 2 before row 3
      {"abc", fnBackward, 0, {3, 3}},                           // from the last cell back
      {"abc", fnFindInPresetCol, 2, {2, 2}},                    // column 2 only
      {"\"\"", 0, 0, {1, 2}},                                   // a pair of quotes finds empty cells
      {"", 0, 0, {-1, -1}},                                     // an empty text is found nowhere
      {"zzz", 0, 0, {-1, -1}},
      {"bw", 0, 0, {-1, -1}},  // the tags part b from w
      {"bw", fnIgnoreHTMLTags, 0, {2, 4}},
      {"h2", 0, 0, {-1, -1}},  // the header row is not searched
      {"h2", fnIncludeFixed, 0, {2, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.text << " params " << c.params);
    TFindGrid g;
    g.grid.FindCol = c.findCol;
    EXPECT_EQ(Str(g.grid.FindFirst(QString::fromUtf8(c.text), c.params)), Str(c.hit));
    EXPECT_EQ(g.grid.FindBusy(), c.hit.X >= 0);
  }
}

TEST(GridFind, FindNextWalksTheHitsThenStartsOverAndNeverWrapsInOneScan) {
  TFindGrid g;
  std::vector<std::string> hits;
  hits.push_back(Str(g.grid.FindFirst(QStringLiteral("abc"), 0)));
  for (int i = 0; i < 5; ++i) hits.push_back(Str(g.grid.FindNext()));
  EXPECT_EQ(hits, (std::vector<std::string>{"1,1", "1,3", "2,2", "3,3", "-1,-1", "1,1"}));
  // From the last cell of the range there is nothing left to scan.
  EXPECT_EQ(Str(g.grid.Find(TPoint{3, 4}, QStringLiteral("e"), 0)), "-1,-1");
  EXPECT_FALSE(g.grid.FindBusy());
  // Ignored columns are passed over row by row.
  g.grid.IgnoreColumns().Add(1);
  EXPECT_EQ(Str(g.grid.FindFirst(QStringLiteral("abc"), fnDirectionLeftRight)), "2,2");
}

TEST(GridFind, AHitBecomesTheCurrentCellOnlyWhenAsked) {
  TFindGrid g;
  g.grid.FindFirst(QStringLiteral("q"), 0);
  EXPECT_EQ(Str(TPoint{g.grid.Col(), g.grid.Row()}), "1,1");
  g.grid.FindFirst(QStringLiteral("q"), fnAutoGoto);
  EXPECT_EQ(Str(TPoint{g.grid.Col(), g.grid.Row()}), "2,3");
}

TEST(GridFind, SearchFindsTheFirstRowWhoseKeyTextStartsWithThePrefix) {
  TFindGrid g;
  struct Case {
    bool show;
    int32_t column;
    const char* prefix;
    int32_t row;
    bool indexShow = false;
    const char* indexes = "";
  };
  const Case cases[] = {
      {false, -1, "AB", 3},   // abcd; xABCx does not start with it
      {false, -1, "ab", -1},  // the caller passes upper case
      {false, -1, "X", 1},
      {false, -1, "", 1},
      {true, 2, "Q", 3},
      {true, 2, "BW", 4},  // markup removed
      {true, -1, "X", -1},
      // Shown sort indexes: the first index column, or the first normal column without indexes.
      {true, -1, "Q", 3, true, "u2;d1"},
      {true, 2, "X", 1, true},
      {false, 2, "X", 1, true, "u2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.prefix);
    g.grid.SortSettings.Show = c.show;
    g.grid.SortSettings.Column = c.column;
    g.grid.SortSettings.IndexShow = c.indexShow;
    g.grid.SortIndexes().LoadFromString(QString::fromUtf8(c.indexes));
    EXPECT_EQ(g.grid.Search(QString::fromUtf8(c.prefix)), c.row);
  }
}

TEST(GridFind, HighlightWrapsEachOccurrenceAndUnhighlightRestoresTheText) {
  THostedGrid<> g(3, 3, 300, 200);
  g.grid.SetCells(1, 1, QStringLiteral("abcB"));
  g.grid.SetCells(2, 1, QStringLiteral("x<y"));
  g.grid.SetCells(1, 0, QStringLiteral("b"));
  g.grid.HilightInCell(true, 2, 1, QStringLiteral("y"));
  EXPECT_EQ(g.grid.Cells(2, 1), QStringLiteral("x&lt;<hi>y</hi>"));
  g.grid.UnHilightInGrid(false);
  EXPECT_EQ(g.grid.Cells(2, 1), QStringLiteral("x<y"));
  g.grid.HilightInGrid(false, false, QStringLiteral("b"));
  EXPECT_EQ(g.grid.Cells(1, 1), QStringLiteral("a<hi>b</hi>c<hi>B</hi>"));
  EXPECT_EQ(g.grid.Cells(1, 0), QStringLiteral("b"));  // the fixed row is left alone
  g.grid.UnHilightInGrid(false);
  EXPECT_EQ(g.grid.Cells(1, 1), QStringLiteral("abcB"));
  EXPECT_EQ(g.grid.Cells(2, 1), QStringLiteral("x<y"));
  g.grid.HilightInCol(false, true, 1, QStringLiteral("b"));
  EXPECT_EQ(g.grid.Cells(1, 1), QStringLiteral("a<hi>b</hi>cB"));
}

namespace {
// Keys typed into a grid that does not edit, key column 1.
struct TTypingGrid : THostedGrid<> {
  TTypingGrid() : THostedGrid<>(2, 5, 300, 200) {
    const char* keys[] = {"apple", "banana", "abacus", "<b>Abba</b>"};
    for (int32_t r = 1; r < 5; ++r) grid.SetCells(1, r, QString::fromUtf8(keys[r - 1]));
    grid.SetOptions(grid.Options() & ~TGridOptions(goEditing));
    grid.Navigation().SetAutoGotoWhenSorted(true);
  }
  void Type(const QString& keys) {
    for (QChar k : keys) grid.WMChar(k, {}, false);
  }
};
}  // namespace

TEST(GridIncrementalSearch, TypedKeysMoveToTheRowTheyStart) {
  struct Case {
    bool incremental;
    const char* keys;
    int32_t row;
    const char* buffer;
  };
  const Case cases[] = {
      {true, "a", 1, "a"},     {true, "ab", 3, "ab"},
      {true, "abb", 4, "abb"}, {true, "abbx", 4, ""},  // no row starts so: the row stays, the buffer empties
      {true, "ab\b", 1, "a"},                          // Backspace takes the last key back
      {false, "ba", 1, "a"},                           // without the incremental switch each key searches alone
      {false, "b", 2, "b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TTypingGrid g;
    g.grid.Navigation().SetAutoGotoIncremental(c.incremental);
    g.Type(QString::fromUtf8(c.keys));
    EXPECT_EQ(g.grid.Row(), c.row);
    EXPECT_EQ(g.grid.IncrSearchText, QString::fromUtf8(c.buffer));
  }
}

TEST(GridIncrementalSearch, TheBufferEndsOnTheFourthQuietTickACursorKeyOrWhileEditing) {
  TTypingGrid g;
  g.grid.Navigation().SetAutoGotoIncremental(true);
  g.Type(QStringLiteral("ab"));
  for (int i = 0; i < 3; ++i) g.grid.TimerTick();
  EXPECT_EQ(g.grid.IncrSearchText, QStringLiteral("ab"));
  g.Type(QStringLiteral("b"));  // a key starts the quiet time again
  for (int i = 0; i < 3; ++i) g.grid.TimerTick();
  EXPECT_EQ(g.grid.IncrSearchText, QStringLiteral("abb"));
  g.grid.TimerTick();
  EXPECT_EQ(g.grid.IncrSearchText, QString());

  g.Type(QStringLiteral("ab"));
  uint16_t home = VK_HOME;
  g.grid.KeyUp(home, {});
  EXPECT_EQ(g.grid.IncrSearchText, QStringLiteral("ab"));
  uint16_t down = VK_DOWN;
  g.grid.KeyUp(down, {});
  EXPECT_EQ(g.grid.IncrSearchText, QString());

  // An editing grid types into its cells instead.
  g.grid.SetOptions(g.grid.Options() | goEditing);
  EXPECT_FALSE(g.grid.IncrementalSearchKey(QChar(u'b')));
  EXPECT_EQ(g.grid.IncrSearchText, QString());
}

namespace {
struct TPanelGrid : TFindGrid {
  TPanelGrid() {
    grid.SearchPanelChanged = [this] { ++Changes; };
    grid.OnSearchFooterAction = [this](TQrvStringGrid*, const QString& v, int32_t c, int32_t r, TSearchAction a) {
      Actions.push_back(v.toStdString() + " " + Str(TPoint{c, r}) + " " + std::to_string(a));
    };
  }
  int Changes = 0;
  std::vector<std::string> Actions;
};
}  // namespace

TEST(GridSearchPanel, LayoutFollowsTheShowSettings) {
  struct Case {
    bool visible, highlight, close, matchCase, prev, next;
    int32_t height, boxLeft;
  };
  const Case cases[] = {
      {true, true, true, true, true, true, 32, 425},
      {true, false, true, true, true, true, 32, 330},
      {false, true, true, true, true, true, 0, 425},
      {true, false, false, false, false, false, 32, 330},
  };
  for (const Case& c : cases) {
    TPanelGrid g;
    TSearchFooter& f = g.grid.SearchFooter();
    f.SetShowHighLight(c.highlight);
    f.SetShowClose(c.close);
    f.SetShowMatchCase(c.matchCase);
    f.SetShowFindPrev(c.prev);
    f.SetShowFindNext(c.next);
    f.SetVisible(c.visible);
    const TSearchPanelState& p = g.grid.SearchPanel();
    EXPECT_EQ(p.Height, c.height);
    EXPECT_EQ(g.grid.SearchFooterShown(), c.visible);
    EXPECT_EQ(p.MatchCaseBox.Left, c.boxLeft);
    EXPECT_EQ(p.Highlight.Height, c.highlight ? 23 : 0);
    EXPECT_EQ(p.Close.Height, c.close ? 23 : 0);
    EXPECT_EQ(p.MatchCaseBox.Height, c.matchCase ? 18 : 0);
    EXPECT_EQ(p.FindPrev.Height, c.prev ? 23 : 0);
    EXPECT_EQ(p.FindNext.Height, c.next ? 23 : 0);
    EXPECT_TRUE(p.Edit.Visible);
    EXPECT_GT(g.Changes, 0);
  }
}

TEST(GridSearchPanel, TheFooterSettingsReachTheStrip) {
  TPanelGrid g;
  TSearchFooter& f = g.grid.SearchFooter();
  f.SetFindNextCaption(QStringLiteral("Find &next"));
  f.SetFindPrevCaption(QStringLiteral("Find &previous"));
  f.SetHighLightCaption(QStringLiteral("Highlight"));
  f.SetMatchCaseCaption(QStringLiteral("Match case"));
  f.SetHintClose(QStringLiteral("Close"));
  f.SetHintFindNext(QStringLiteral("Find next occurrence"));
  f.SetColor(0x123456);
  const TSearchPanelState& p = g.grid.SearchPanel();
  EXPECT_EQ(p.FindNext.Caption, QStringLiteral("Find &next"));
  EXPECT_EQ(p.FindPrev.Caption, QStringLiteral("Find &previous"));
  EXPECT_EQ(p.Highlight.Caption, QStringLiteral("Highlight"));
  EXPECT_EQ(p.MatchCaseBox.Caption, QStringLiteral("Match case"));
  EXPECT_EQ(p.Close.Hint, QStringLiteral("Close"));
  EXPECT_EQ(p.FindNext.Hint, QStringLiteral("Find next occurrence"));
  EXPECT_EQ(p.Color, 0x123456u);
  g.grid.ControlLook.ControlStyle = csFlat;
  f.SetColor(0x123456);
  EXPECT_TRUE(g.grid.SearchPanel().FlatButtons);
}

TEST(GridSearchPanel, TypingSearchesAsTheUserTypes) {
  TPanelGrid g;
  const TSearchPanelState& p = g.grid.SearchPanel();
  EXPECT_FALSE(p.FindNext.Enabled);
  g.grid.SearchFooterEditChange(QStringLiteral("ab"));
  EXPECT_EQ(Str(TPoint{g.grid.Col(), g.grid.Row()}), "1,1");
  EXPECT_EQ(p.EditColor, clWindow);
  EXPECT_TRUE(p.FindNext.Enabled && p.FindPrev.Enabled && p.Highlight.Enabled);
  g.grid.SearchFooterEditChange(QStringLiteral("abq"));
  EXPECT_EQ(p.EditColor, 0x0000FFu);
  EXPECT_EQ(Str(TPoint{g.grid.Col(), g.grid.Row()}), "1,1");  // nothing found: the cell stays
  g.grid.SearchFooterEditChange(QString());
  EXPECT_EQ(p.EditColor, clWindow);
  EXPECT_FALSE(p.FindNext.Enabled || p.FindPrev.Enabled || p.Highlight.Enabled);
  EXPECT_EQ(g.Actions, (std::vector<std::string>{"ab 1,1 0", "abq -1,-1 0"}));

  // A handler may take the search over.
  g.grid.OnSearchEditChange = [](TQrvStringGrid*, const QString&, bool& search) { search = false; };
  g.grid.SearchFooterEditChange(QStringLiteral("q"));
  EXPECT_EQ(Str(TPoint{g.grid.Col(), g.grid.Row()}), "1,1");
}

TEST(GridSearchPanel, FindNextAndPreviousStepThroughTheHits) {
  TPanelGrid g;
  g.grid.SearchFooter().SetAutoSearch(false);
  g.grid.SearchFooterEditChange(QStringLiteral("abc"));
  EXPECT_EQ(g.grid.Row(), 1);  // without the automatic search typing moves nothing
  std::vector<std::string> cells;
  auto current = [&] { cells.push_back(Str(TPoint{g.grid.Col(), g.grid.Row()})); };
  g.grid.SearchFooterFindNext();
  current();
  g.grid.SearchFooterFindNext();
  current();
  g.grid.SearchFooterFindPrevious();
  current();
  // A changed text starts again from the top.
  g.grid.SearchFooterEditChange(QStringLiteral("ab"));
  g.grid.SearchFooterFindNext();
  current();
  EXPECT_EQ(cells, (std::vector<std::string>{"1,1", "1,3", "1,1", "1,1"}));
  EXPECT_EQ(g.Actions.back(), "ab 1,1 2");
  // Backwards always scans column by column, even when forwards goes row by row.
  g.grid.SearchFooter().SetSearchDirection(sdLeftRight);
  g.grid.SearchFooterEditChange(QStringLiteral("b"));
  g.grid.SearchFooterFindPrevious();
  EXPECT_EQ(Str(g.grid.SearchCell), "3,3");
}

TEST(GridSearchPanel, HighlightMarksTheHitsAndTheCloseButtonHidesTheStrip) {
  TPanelGrid g;
  g.grid.SearchFooter().SetVisible(true);
  g.grid.SearchFooterEditChange(QStringLiteral("ab"));
  g.grid.SetSearchPanelHighlight(true);
  EXPECT_EQ(g.grid.Cells(2, 2), QStringLiteral("<hi>ab</hi>c"));
  // Typing on keeps the marks in step with the text; the tags never stop a cell from being found.
  g.grid.SearchFooterEditChange(QStringLiteral("abc"));
  EXPECT_EQ(g.grid.Cells(2, 2), QStringLiteral("<hi>abc</hi>"));
  EXPECT_EQ(Str(g.grid.SearchCell), "1,1");
  g.grid.SetSearchPanelHighlight(false);
  EXPECT_EQ(g.grid.Cells(2, 2), QStringLiteral("abc"));
  g.grid.SetSearchPanelHighlight(true);
  bool closed = false;
  g.grid.OnSearchFooterClose = [&](TQrvStringGrid*) { closed = true; };
  g.grid.SearchFooterClose();
  EXPECT_TRUE(closed);
  EXPECT_FALSE(g.grid.SearchFooter().Visible());
  EXPECT_EQ(g.grid.SearchPanel().Height, 0);
  EXPECT_EQ(g.grid.Cells(2, 2), QStringLiteral("abc"));  // hiding the strip takes the marks away
}
