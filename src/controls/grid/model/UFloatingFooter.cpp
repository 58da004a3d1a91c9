#include "UFloatingFooter.h"

#include "UQrvStringGrid.h"

TFloatingFooter::TFloatingFooter(TQrvStringGrid& grid) : FGrid(grid), FHeight(grid.DefaultRowHeight()) {}

void TFloatingFooter::Assign(const TGridPersistent* source) {
  const auto* other = dynamic_cast<const TFloatingFooter*>(source);
  if (!other) return;
  FCalculateHiddenRows = other->FCalculateHiddenRows;
  FColor = other->FColor;
  FColumn = other->FColumn;
  FCustomTemplate = other->FCustomTemplate;
  FFooterStyle = other->FFooterStyle;
  SetVisible(other->FVisible);
  SetShowHint(other->FShowHint);
}

void TFloatingFooter::SetVisible(bool value) {
  FVisible = value;
  const bool lastRow = value && FFooterStyle == fsFixedLastRow;
  FGrid.SetFixedFooters(lastRow ? 1 : 0);
  FGrid.SetHideLastRow(lastRow);
  FGrid.FloatingFooterChanged();
  FGrid.Invalidate();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle value) {
  FFooterStyle = value;
  // The fixed-footer count stays until Visible is set again.
  FGrid.SetHideLastRow(value == fsFixedLastRow && FVisible);
  FGrid.FloatingFooterChanged();
  FGrid.Invalidate();
  Invalidate();
}

void TFloatingFooter::SetColumn(int32_t value) {
  if (value == FColumn) return;
  FColumn = value;
  Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const QString& value) {
  if (value == FCustomTemplate) return;
  FCustomTemplate = value;
  Invalidate();
}

void TFloatingFooter::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  Invalidate();
}

void TFloatingFooter::SetBorderColor(TColor value) {
  if (value == FBorderColor) return;
  FBorderColor = value;
  Invalidate();
}

void TFloatingFooter::SetShowHint(bool value) {
  FShowHint = value;
  FGrid.FloatingFooterChanged();
}

void TFloatingFooter::SetHeight(int32_t value) {
  FHeight = value;
  if (value > 0) FGrid.FloatingFooterChanged();
}

void TFloatingFooter::Invalidate() {
  FGrid.InvalidateFloatingFooter();
}

TColumnCalcType TFloatingFooter::GetColumnCalc(int32_t c) const {
  const int32_t r = FGrid.RowCount() - 1;
  if (r < 0 || !FGrid.HasCellProperties(c, r)) return acNONE;
  return FGrid.GetCellProperties(c, r)->CalcType();
}

void TFloatingFooter::SetColumnCalc(int32_t c, TColumnCalcType value) {
  const int32_t r = FGrid.RowCount() - 1;
  if (r < 0 || c < 0) return;
  FGrid.GetCellProperties(c, r)->SetCalcType(value);
  FGrid.RecalcFooterColumn(c, r);
}

QString ExpandFooterTemplate(const TQrvStringGrid& grid, const QString& templ, int32_t row) {
  QString result;
  int32_t from = 0;
  while (from < templ.size()) {
    const int32_t open = templ.indexOf(QLatin1String("<#"), from);
    if (open < 0) break;
    const int32_t close = templ.indexOf(QLatin1Char('>'), open + 2);
    if (close < 0) break;
    result += templ.mid(from, open - from);
    bool ok = false;
    const int32_t col = templ.mid(open + 2, close - open - 2).toInt(&ok);
    if (ok && col >= 0) result += grid.Cells(col, row);
    from = close + 1;
  }
  return result + templ.mid(from);
}
