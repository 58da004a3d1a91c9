// The search strip under the cells (its settings, its search as the user types, find next and previous, the
// highlight toggle, closing) and the incremental search of keys typed into the grid itself.
#include "UQrvStringGrid.h"

namespace {
constexpr TColor NotFoundColor = 0x0000FF;
constexpr char16_t chBack = 8;
}  // namespace

void TQrvStringGrid::UpdateSearchPanel() {
  if (IsLoading()) return;
  const TSearchFooter& footer = *FSearchFooter;
  TSearchPanelState& p = FSearchPanel;
  // Hiding the strip, or highlighting every hit, starts from cells without the marks of an earlier search.
  if ((p.HighlightDown && p.Visible && !footer.Visible()) || footer.AlwaysHighLight()) UnHilightInGrid(false);
  p.Color = footer.Color();
  p.ColorTo = footer.ColorTo();
  p.Visible = footer.Visible();
  p.Font = footer.Font();
  p.FindNext.Caption = footer.FindNextCaption();
  p.FindPrev.Caption = footer.FindPrevCaption();
  p.MatchCaseBox.Caption = footer.MatchCaseCaption();
  p.Highlight.Caption = footer.HighLightCaption();
  p.Close.Hint = footer.HintClose();
  p.FindNext.Hint = footer.HintFindNext();
  p.FindPrev.Hint = footer.HintFindPrev();
  p.Highlight.Hint = footer.HintHighlight();
  p.FlatButtons = ControlLook.ControlStyle == csFlat || footer.AutoThemeAdapt();
  const auto show = [](TSearchPanelItem& item, bool visible, int32_t height) {
    item.Visible = visible;
    item.Height = visible ? height : 0;
  };
  show(p.Highlight, footer.ShowHighLight(), 23);
  show(p.Close, footer.ShowClose(), 23);
  show(p.MatchCaseBox, footer.ShowMatchCase(), 18);
  show(p.FindPrev, footer.ShowFindPrev(), 23);
  show(p.FindNext, footer.ShowFindNext(), 23);
  p.MatchCaseBox.Left = footer.ShowHighLight() ? 425 : 330;
  p.Height = p.Visible ? 32 : 0;
  if (SearchPanelChanged) SearchPanelChanged();
  if (p.Visible) ScrollAboveSearchFooter();
}

TFindParams TQrvStringGrid::SearchPanelParams(TFindParams base) {
  const TSearchFooter& footer = *FSearchFooter;
  TFindParams params = base;
  if (FSearchPanel.HighlightDown) params |= fnIgnoreHTMLTags;
  if (FSearchPanel.MatchCase) params |= fnMatchCase;
  if (footer.SearchActiveColumnOnly()) params |= fnFindInCurrentCol;
  if (footer.SearchMatchStart()) params |= fnMatchStart;
  if (footer.SearchColumn() >= 0 && footer.SearchColumn() < ColCount()) {
    FindCol = footer.SearchColumn();
    params |= fnFindInPresetCol;
  }
  return params;
}

void TQrvStringGrid::SearchFooterEditChange(const QString& text) {
  TSearchPanelState& p = FSearchPanel;
  const TSearchFooter& footer = *FSearchFooter;
  p.Text = text;
  p.FindNext.Enabled = p.FindPrev.Enabled = p.Highlight.Enabled = !text.isEmpty();
  bool defaultSearch = true;
  if (OnSearchEditChange) OnSearchEditChange(this, text, defaultSearch);
  if (defaultSearch && footer.AutoSearch()) {
    TFindParams params = SearchPanelParams(fnAutoGoto);
    if (footer.SearchFixedCells()) params |= fnIncludeFixed;
    if (footer.SearchHiddenRows()) params |= fnIncludeHiddenRows;
    if (footer.SearchDirection() == sdLeftRight) params |= fnDirectionLeftRight;
    const bool column = params & fnFindInPresetCol;
    const bool marks = p.HighlightDown || footer.AlwaysHighLight();
    if (marks) column ? UnHilightInCol(false, FindCol) : UnHilightInGrid(false);
    if (!text.isEmpty()) {
      SearchCell = Find(TPoint{-1, -1}, text, params);
      SearchFooterAction(text, SearchCell.X, SearchCell.Y, saFindFirst);
      if (SearchCell.X < 0) {
        p.EditColor = NotFoundColor;
      } else {
        p.EditColor = clWindow;
        if (!(params & fnIncludeHiddenRows)) ScrollInView(SearchCell.X, SearchCell.Y);
        if (marks) column ? HilightInCol(false, p.MatchCase, FindCol, text) : HilightInGrid(false, p.MatchCase, text);
      }
    } else {
      p.EditColor = clWindow;
      if (p.HighlightDown) column ? UnHilightInCol(false, FindCol) : UnHilightInGrid(false);
    }
  }
  if (SearchPanelChanged) SearchPanelChanged();
}

void TQrvStringGrid::SearchPanelScrollHit(bool before, bool twoRows) {
  // A hit near the bottom edge is scrolled up a little, so that the rows after it show too.
  if (before && SearchCell.X >= 0) ScrollInView(SearchCell.X, SearchCell.Y);
  const bool footer = FloatingFooterShown();
  if (twoRows && Row() > TopRow() + VisibleRowCount() - (footer ? 2 : 3) &&
      RowCount() > VisibleRowCount() + FixedRows() + (footer ? 1 : 0))
    SetTopRow(std::min(TopRow() + 2, MaxTopRow()));
  if (!before && SearchCell.X >= 0) ScrollInView(SearchCell.X, SearchCell.Y);
}

void TQrvStringGrid::SearchFooterFindNext() {
  TSearchFooter& footer = *FSearchFooter;
  const QString text = FSearchPanel.Text;
  if (!footer.AutoSearch()) {
    if (text != footer.LastSearch()) SearchCell = TPoint{-1, -1};
    footer.SetLastSearch(text);
  }
  TFindParams params = SearchPanelParams(fnAutoGoto);
  if (footer.SearchDirection() == sdLeftRight) params |= fnDirectionLeftRight;
  SearchCell = Find(SearchCell, text, params);
  SearchPanelScrollHit(true, true);
  SearchFooterAction(text, SearchCell.X, SearchCell.Y, saFindNext);
  if (SearchPanelChanged) SearchPanelChanged();
}

void TQrvStringGrid::SearchFooterFindPrevious() {
  TSearchFooter& footer = *FSearchFooter;
  const QString text = FSearchPanel.Text;
  if (!footer.AutoSearch()) {
    if (text != footer.LastSearch()) SearchCell = TPoint{-1, -1};
    footer.SetLastSearch(text);
  }
  SearchCell = Find(SearchCell, text, SearchPanelParams(fnAutoGoto | fnBackward));
  SearchPanelScrollHit(false, true);
  SearchFooterAction(text, SearchCell.X, SearchCell.Y, saFindPrevious);
  if (SearchPanelChanged) SearchPanelChanged();
}

void TQrvStringGrid::SetSearchPanelHighlight(bool down) {
  FSearchPanel.HighlightDown = down;
  SearchFooterHighlight();
}

void TQrvStringGrid::SearchFooterHighlight() {
  const TSearchFooter& footer = *FSearchFooter;
  const bool column = footer.SearchColumn() >= 0 && footer.SearchColumn() < ColCount();
  if (FSearchPanel.HighlightDown) {
    if (column)
      HilightInCol(false, FSearchPanel.MatchCase, footer.SearchColumn(), FSearchPanel.Text);
    else
      HilightInGrid(false, FSearchPanel.MatchCase, FSearchPanel.Text);
  } else {
    column ? UnHilightInCol(false, footer.SearchColumn()) : UnHilightInGrid(false);
  }
  if (SearchPanelChanged) SearchPanelChanged();
}

void TQrvStringGrid::SearchFooterClose() {
  if (OnSearchFooterClose) OnSearchFooterClose(this);
  FSearchFooter->SetVisible(false);
}

bool TQrvStringGrid::IncrementalSearchKey(QChar key) {
  if ((Options() & goEditing) || !Navigation().AutoGotoWhenSorted()) return false;
  if (Navigation().AutoGotoIncremental()) {
    if (key.unicode() == chBack)
      IncrSearchText.chop(1);
    else
      IncrSearchText += key;
    ResetIncrementalTicks();
  } else {
    IncrSearchText = QString(key);
  }
  const int32_t found = Search(IncrSearchText.toUpper());
  if (found >= 0)
    SetRow(found);
  else
    IncrSearchText.clear();
  return true;
}
