// The per-cell questions: each a default followed by the event the owner may assign.
#include "UQrvStringGrid.h"
#include "UValueText.h"

void TQrvStringGrid::QueryCanEditCell(int32_t aCol, int32_t aRow, bool& canEdit) {
  if (OnCanEditCell) OnCanEditCell(this, aRow, aCol, canEdit);
}

void TQrvStringGrid::ButtonClick(int32_t aCol, int32_t aRow) {
  if (OnButtonClick) OnButtonClick(this, aCol, aRow);
}

void TQrvStringGrid::ExpandClick(int32_t aCol, int32_t aRow, bool expanded) {
  if (OnExpandClick) OnExpandClick(this, aCol, aRow, expanded);
  SetRowHeights(aRow, GetExpandHeight(aCol, aRow, expanded));
}

void TQrvStringGrid::ComboCloseUp(int32_t aRow, int32_t aCol) {
  if (OnComboCloseUp) OnComboCloseUp(this, aRow, aCol);
}

void TQrvStringGrid::ComboDropDown(int32_t aRow, int32_t aCol) {
  if (OnComboDropDown) OnComboDropDown(this, aRow, aCol);
}

void TQrvStringGrid::GetCellCursor(int32_t aCol, int32_t aRow, int32_t x, int32_t y) {
  if (!OnGetCellCursor) return;
  TCursor cursor = FCursor;
  OnGetCellCursor(this, aCol, aRow, x, y, cursor);
  if (Host()) Host()->SetScreenCursor(cursor);
}

void TQrvStringGrid::GetCellHint(int32_t aCol, int32_t aRow, QString& hint, QString& wideHint) {
  if (OnGridHint) OnGridHint(this, aRow, aCol, hint);
  if (OnGridWideHint) OnGridWideHint(this, aRow, aCol, wideHint);
  if (!wideHint.isEmpty()) hint = EncodeWidePairs(wideHint);
}

void TQrvStringGrid::GetCellColor(int32_t aCol, int32_t aRow, TGridDrawState aState, TBrush& aBrush, TFont& aFont) {
  if (ActiveCellShow) {
    const int32_t d = DisplColIndex(aCol);
    const bool fixedColOfRow = aRow == Row() && FixedCols() == d + 1 && FixedCols() > 0;
    const bool fixedRowOfCol = d == Col() && FixedRows() == aRow + 1 && FixedRows() > 0;
    if (fixedColOfRow || fixedRowOfCol) {
      aFont = ActiveCellFont;
      aBrush.Color = ActiveCellColor;
    }
  }
  if (const TCellProperties* p = PropsOf(aCol, aRow)) {
    // Cells showing an image, a comment or nothing take their own background; a cell drawing a control keeps
    // the painter's brush.
    switch (GetCellType(aCol, aRow)) {
      case ctIcon:
      case ctNone:
      case ctImageList:
      case ctEmpty:
      case ctImages:
      case ctComment:
        if (p->BrushColor() != clNone) aBrush.Color = p->BrushColor();
        break;
      default:
        break;
    }
    if (p->FontColor() != clNone) aFont.Color = p->FontColor();
    if (p->FontStyle()) aFont.Style = p->FontStyle();
    if (p->FontSize() != 0) aFont.SetSize(p->FontSize());
    if (!p->FontName().isEmpty()) aFont.Name = p->FontName();
  }
  if (OnGetCellColor) OnGetCellColor(this, aRow, aCol, aState, aBrush, aFont);
}

void TQrvStringGrid::GetCellPrintColor(int32_t aCol, int32_t aRow, TGridDrawState aState, TBrush& aBrush,
                                       TFont& aFont) {
  if (OnGetCellPrintColor) OnGetCellPrintColor(this, aRow, aCol, aState, aBrush, aFont);
}

void TQrvStringGrid::GetCellBorder(int32_t aCol, int32_t aRow, TPen& aPen, TCellBorders& borders) {
  if (OnGetCellBorder) OnGetCellBorder(this, aRow, aCol, aPen, borders);
}

void TQrvStringGrid::GetCellPrintBorder(int32_t aCol, int32_t aRow, TPen& aPen, TCellBorders& borders) {
  if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, aRow, aCol, aPen, borders);
}

void TQrvStringGrid::GetAlignment(int32_t aCol, int32_t aRow, TAlignment& hAlign, TVAlignment& vAlign) {
  // Column 0 holds the row check boxes then.
  if (aCol == 0 && FMouseActions->HotmailRowSelect()) hAlign = taCenter;
  if (OnGetAlignment) OnGetAlignment(this, aRow, aCol, hAlign, vAlign);
}

void TQrvStringGrid::GetEditorType(int32_t aCol, int32_t aRow, TEditorType& aEditor) {
  if (OnGetEditorType) OnGetEditorType(this, aCol, aRow, aEditor);
}

void TQrvStringGrid::GetCellEditor(int32_t aCol, int32_t aRow, TEditorType& aEditor) {
  GetEditorType(aCol, aRow, aEditor);
}

bool TQrvStringGrid::HasNoEditor(int32_t aCol, int32_t aRow) {
  if (!OnGetEditorType) return false;
  TEditorType editor = edNormal;
  OnGetEditorType(this, aCol, aRow, editor);
  return editor == edNone;
}

void TQrvStringGrid::IsFixedCell(int32_t aCol, int32_t aRow, bool& isFixed) {
  isFixed = isFixed || (FFixedRowAlways && aRow <= FFixedRowsMin && RowCount() == FFixedRowsMin) ||
            (FFixedColAlways && aCol < FFixedColsMin && ColCount() == FFixedColsMin) || aCol < FixedCols() ||
            aRow < FixedRows();
  if (!isFixed && OnIsFixedCell) OnIsFixedCell(this, aRow, aCol, isFixed);
}

void TQrvStringGrid::CanEditCell(int32_t aCol, int32_t aRow, bool& canEdit) {
  int32_t bc = aCol, br = aRow;
  FindBaseCell(aCol, aRow, bc, br);
  if (const TCellProperties* p = PropsOf(bc, br); p && canEdit) {
    canEdit = !p->ReadOnly();
    if (!(Options() & goEditing) && !FEditDisable && !FMouseActions->RangeSelectAndEdit()) canEdit = false;
  }
  if (bc < TotalColCount())
    QueryCanEditCell(bc, br, canEdit);
  else
    canEdit = true;
}

void TQrvStringGrid::IsPasswordCell(int32_t aCol, int32_t aRow, bool& isPassword) {
  if (OnIsPasswordCell) OnIsPasswordCell(this, aRow, aCol, isPassword);
}

void TQrvStringGrid::GetCellWordWrap(int32_t aCol, int32_t aRow, bool& wordWrap) {
  if (OnGetWordWrap) OnGetWordWrap(this, aCol, aRow, wordWrap);
}

bool TQrvStringGrid::HasComboBox(int32_t aCol, int32_t aRow) {
  bool result = false;
  if (OnHasComboBox) {
    OnHasComboBox(this, aCol, aRow, result);
  } else if (ControlLook.DropDownAlwaysVisible) {
    TEditorType editor = DefaultEditor;
    GetCellEditor(aCol, aRow, editor);
    result = editor == edComboEdit || editor == edComboList;
  }
  return result;
}

bool TQrvStringGrid::HasSpinEdit(int32_t aCol, int32_t aRow) {
  if (aCol < FixedCols() || aRow < FixedRows()) return false;
  bool result = false;
  if (OnHasSpinEdit) {
    OnHasSpinEdit(this, aCol, aRow, result);
  } else if (ControlLook.SpinButtonsAlwaysVisible) {
    TEditorType editor = DefaultEditor;
    GetEditorType(aCol, aRow, editor);
    result =
        editor == edSpinEdit || editor == edFloatSpinEdit || editor == edTimeSpinEdit || editor == edDateSpinEdit;
  }
  return result;
}

void TQrvStringGrid::GetCheckTrue(int32_t aCol, int32_t aRow, QString& value) {
  value = CheckTrue;
  if (OnGetCheckTrue) OnGetCheckTrue(this, aCol, aRow, value);
}

void TQrvStringGrid::GetCheckFalse(int32_t aCol, int32_t aRow, QString& value) {
  value = CheckFalse;
  if (OnGetCheckFalse) OnGetCheckFalse(this, aCol, aRow, value);
}

bool TQrvStringGrid::GetColumnFilter(int32_t column) {
  FilterList.clear();
  if (FilterDropDownAuto && (column >= FixedCols() || FilterDropDownColumns == fdAll)) {
    auto entry = [](const QString& text) {
      return text.contains(QLatin1Char(' ')) ? text + QStringLiteral("=\"") + text + QLatin1Char('"') : text;
    };
    QStringList values;
    for (int32_t r = FixedRows(); r <= RowCount() - FFixedFooters - 1; ++r)
      values << entry(Cells(column, r).trimmed());
    if (!FilterIncremental) {
      for (const auto& item : FGridItems)
        if (column >= 0 && static_cast<size_t>(column) < item->Items().size())
          values << entry(item->Items()[column].Text);
    }
    // A sorted list that ignores duplicates, compared without regard to case.
    values.sort(Qt::CaseInsensitive);
    for (const QString& value : values)
      if (FilterList.isEmpty() || FilterList.back().compare(value, Qt::CaseInsensitive) != 0) FilterList << value;
    if (!FilterDropDownClear.isEmpty()) FilterList.prepend(FilterDropDownClear);
  }
  if (OnGetColumnFilter) OnGetColumnFilter(this, column, FilterList);
  return !FilterList.isEmpty();
}

bool TQrvStringGrid::IsFixed(int32_t c, int32_t r) const {
  if (r >= RowCount() - FFixedFooters && FFixedFooters > 0) return true;
  const int32_t d = DisplColIndex(c);
  if (d >= ColCount() - FFixedRightCols && FFixedRightCols > 0) return true;
  bool fixed = false;
  const_cast<TQrvStringGrid*>(this)->IsFixedCell(c, r, fixed);
  return fixed;
}

void TQrvStringGrid::GetDefaultCellProps(int32_t c, int32_t r, TFont& font, TBrush& brush, TColor& colorTo,
                                         TColor& mirrorColor, TColor& mirrorColorTo, TAlignment& hAlign,
                                         TVAlignment& vAlign, bool& wordWrap, TCellGradientDirection& gradientDir) {
  TBaseGrid::GetDefaultCellProps(c, r, font, brush, colorTo, mirrorColor, mirrorColorTo, hAlign, vAlign, wordWrap,
                                 gradientDir);
  TGridDrawState state;
  GetVisualProperties(c, r, state, false, false, false, brush, colorTo, mirrorColor, mirrorColorTo, font, hAlign,
                      vAlign, wordWrap, gradientDir);
  if (IsFixed(c, r) || (state & gdSelected)) {
    brush.Color = clNone;
    colorTo = clNone;
  }
}

namespace {
// The character after a single '&' of a caption ("&&" is a plain ampersand), compared without case.
bool IsAccel(QChar key, const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] != u'&') return caption[i + 1].toUpper() == key.toUpper();
    ++i;
  }
  return false;
}
}  // namespace

bool TQrvStringGrid::CMDialogChar(QChar key) {
  if (!SearchFooterShown()) return false;
  const TSearchFooter& footer = *FSearchFooter;
  // Only a button the user could click answers its key: shown, and enabled while the edit holds text.
  const TSearchPanelState& panel = FSearchPanel;
  if (footer.ShowFindNext() && panel.FindNext.Enabled && IsAccel(key, footer.FindNextCaption())) {
    SearchFooterFindNext();
    return true;
  }
  if (footer.ShowFindPrev() && panel.FindPrev.Enabled && IsAccel(key, footer.FindPrevCaption())) {
    SearchFooterFindPrevious();
    return true;
  }
  if (footer.ShowHighLight() && panel.Highlight.Enabled && IsAccel(key, footer.HighLightCaption())) {
    // The highlight button is a toggle: its key switches it as a click would.
    SetSearchPanelHighlight(!panel.HighlightDown);
    return true;
  }
  return false;
}

void TQrvStringGrid::ResetFixedCellHighlight() {
  if (HoverFixedCells == hfNone || HoverFixedCell == TPoint{-1, -1}) return;
  const TPoint cell = HoverFixedCell;
  HoverFixedCell = TPoint{-1, -1};
  RepaintCell(cell.X, cell.Y);
}
