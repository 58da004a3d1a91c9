// The hooks the grid reports through at fixed moments: selection and filter notices, the texts of loading and
// saving, the old text an edit starts from, row additions the owner may refuse, and links shown in cell text.
#include <array>

#include "Exception.h"
#include "UFormat.h"
#include "UMarkupText.h"
#include "UQrvStringGrid.h"
#include "UValueText.h"

void TQrvStringGrid::FixedEdit(int32_t aCol, int32_t aRow, TGridFixedCellEditor& aEditor, QStringList& values) {
  if (OnFixedEdit) OnFixedEdit(this, aCol, aRow, aEditor, values);
}

void TQrvStringGrid::SelectionChanged(int32_t aLeft, int32_t aTop, int32_t aRight, int32_t aBottom) {
  // These looks draw the selection as one frame across its cells.
  if (FLook == glVista || FLook == glWin7 || FLook == glOffice2007) RepaintRect(Selection());
  FSelChange = true;
  if (OnSelectionChanged) OnSelectionChanged(this, aLeft, aTop, aRight, aBottom);
}

void TQrvStringGrid::FilterDone() {
  if (OnFilterDone) OnFilterDone(this);
}

void TQrvStringGrid::GetCellValueText(int32_t aCol, int32_t aRow, QString& value) {
  value = Cells(aCol, aRow);
}

QString TQrvStringGrid::GetFormattedCell(int32_t c, int32_t r) {
  const QString text = Cells(c, r);
  if (!OnGetFloatFormat || ClassifyNumberText(text) == ntNotNumber) return text;
  bool isFloat = true;
  QString format = FloatFormat;
  OnGetFloatFormat(this, c, r, isFloat, format);
  if (!isFloat || format.isEmpty()) return text;
  // A value that cannot be read keeps the stored text; Format itself never raises.
  try {
    if (format.contains(u'd')) return Format(format, {GetInts(c, r)});
    return Format(format, {GetFloats(c, r)});
  } catch (const Exception&) {
    return text;
  }
}

void TQrvStringGrid::GetSaveCellText(int32_t aCol, int32_t aRow, QString& value) {
  value = SaveVirtCells ? GetFormattedCell(aCol, aRow) : GetGridCell(aCol, aRow);
  // A plain or tri-state check box keeps its state outside the text: an empty cell is saved as its check text.
  if (value.isEmpty()) {
    const TCellType type = GetCellType(aCol, aRow);
    TCheckBoxState state = cbUnchecked;
    if ((type == ctCheckBox || type == ctTriStateCheckBox) && GetCheckBoxState(aCol, RealRowIndex(aRow), state))
      value = state == cbChecked ? CheckTrueOf(aCol, aRow) : CheckFalseOf(aCol, aRow);
  }
  switch (DetectCellTextKind(value, true)) {
    case ckMarkup:
      if (!SaveWithHTML) value = MarkupToPlainText(value);
      break;
    case ckRichText:
      // Rich text goes out on one line; without a rich-text editor the text is kept as it is otherwise.
      if (SaveWithRTF) value.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
      break;
    default:
      break;
  }
  if (OnSaveCell) OnSaveCell(this, aCol, aRow, value);
}

void TQrvStringGrid::GetLoadCellText(int32_t aCol, int32_t aRow, QString value) {
  if (OnLoadCell) OnLoadCell(this, aCol, aRow, value);
  SetGridCell(aCol, aRow, value);
}

void TQrvStringGrid::RememberOldCellText(int32_t aCol, int32_t aRow) {
  FOldCol = aCol;
  FOldRow = aRow;
  FOldCellText = GetGridCell(RealColIndex(aCol), aRow);
  FOldCellTextWide = FOldCellText;
  FOldModifiedValue = FModified;
}

void TQrvStringGrid::CanAddRow(bool& canAdd) {
  if (OnCanAddRow) OnCanAddRow(this, canAdd);
}

void TQrvStringGrid::CanInsertRow(int32_t aRow, bool& canInsert) {
  if (OnCanInsertRow) OnCanInsertRow(this, aRow, canInsert);
}

void TQrvStringGrid::GetDisplayText(int32_t c, int32_t r, QString& value) const {
  // Every read of a cell passes here: the usual grid, with none of the three set, leaves at once.
  if (OnGetDisplText) TBaseGrid::GetDisplayText(c, r, value);
  if (Grouping.ShowGroupCount && c == 1) AddGroupCount(c, r, value);
  if (!URLShowInText) return;
  // The first prefix of this order found in the text becomes the link; the later ones are not tried.
  static const std::array<QString, 7> prefixes = {
      QStringLiteral("HTTP://"), QStringLiteral("WWW."),    QStringLiteral("MAILTO:"), QStringLiteral("HTTPS://"),
      QStringLiteral("NNTP://"), QStringLiteral("FILE://"), QStringLiteral("FTP://")};
  for (const QString& prefix : prefixes) {
    QString linked;
    if (LinkifyUrl(value, prefix, linked)) {
      value = linked;
      return;
    }
  }
}

// Beside a node's column-1 text: the rows it had under it when it was added.
void TQrvStringGrid::AddGroupCount(int32_t c, int32_t r, QString& value) const {
  if (!Grouping.ShowGroupCount || c != 1) return;
  auto* grid = const_cast<TQrvStringGrid*>(this);
  if (!grid->IsNode(r)) return;
  const int32_t n = grid->GetNodeSpan(r) - grid->GetSubNodeCount(r) - 1;
  value +=
      Grouping.GroupCountFormat.isEmpty() ? QStringLiteral(" (%1)").arg(n) : Format(Grouping.GroupCountFormat, {n});
}

void TQrvStringGrid::Click() {
  if (OnClick) OnClick(this);
  FEntered = false;
  RememberOldCellText(Col(), Row());
}

void TQrvStringGrid::ApplyStyleColors() {
  FUseVCLStyles = false;
  if (!AppStyle || AppStyle->Name == QLatin1String("Windows")) return;
  const TGridAppStyle& style = *AppStyle;
  FUseVCLStyles = true;
  SetColor(style.CellFill);
  SetGridLineColor(style.CellBorder);
  SetGridFixedLineColor(style.FixedCellBorder);
  SetOptions(Options() & ~TGridOptions(goFixedVertLine | goFixedHorzLine));
  if (style.CellText != clNone) {
    TFont font = Font();
    font.Color = style.CellText;
    SetFont(font);
  }
  if (style.SelectedCellText != clNone) SelectionTextColor = style.SelectedCellText;
  if (style.FixedCellText != clNone) {
    TFont fixed = FixedFont;
    fixed.Color = style.FixedCellText;
    SetFixedFont(fixed);
  }
}
