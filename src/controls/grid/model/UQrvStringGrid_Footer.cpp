// The floating footer's part in the grid: whether it shows, and the per-column totals of the footer row.
#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>

#include "UQrvStringGrid.h"

bool TQrvStringGrid::FloatingFooterShown() const {
  return FFloatingFooter && FFloatingFooter->Visible();
}

bool TQrvStringGrid::FloatingFooterFixedLastRow() const {
  return FFloatingFooter && FFloatingFooter->FooterStyle() == fsFixedLastRow;
}

int32_t TQrvStringGrid::FloatingFooterHeight() const {
  return FloatingFooterShown() ? FFloatingFooter->Height() : 0;
}

// The strip is painted from the footer row, which the cells never show: it repaints on its own.
void TQrvStringGrid::LastRowChanged() {
  TBaseGrid::LastRowChanged();
  UpdateFooter();
}

void TQrvStringGrid::RecalcFooterColumn(int32_t aCol, int32_t /*aRow*/) {
  CalcFooter(aCol);
}

namespace {
double Sum(const std::vector<double>& v) {
  return std::accumulate(v.begin(), v.end(), 0.0);
}
double Avg(const std::vector<double>& v) {
  return v.empty() ? 0.0 : Sum(v) / static_cast<double>(v.size());
}
double Min(const std::vector<double>& v) {
  return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end());
}
double Max(const std::vector<double>& v) {
  return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end());
}
double Distinct(const std::vector<double>& v) {
  return static_cast<double>(std::set<double>(v.begin(), v.end()).size());
}
double StdDev(const std::vector<double>& v) {
  if (v.size() < 2) return 0.0;
  const double mean = Avg(v);
  double squares = 0.0;
  for (const double x : v) squares += (x - mean) * (x - mean);
  return std::sqrt(squares / static_cast<double>(v.size() - 1));
}
}  // namespace

std::vector<double> TQrvStringGrid::ColumnValues(int32_t aCol, const std::vector<int32_t>& realRows) const {
  std::vector<double> values;
  values.reserve(realRows.size());
  for (const int32_t r : realRows) values.push_back(GetAllFloats(aCol, r));
  return values;
}

std::vector<int32_t> TQrvStringGrid::RealRowRange(int32_t fromRow, int32_t toRow) {
  std::vector<int32_t> rows;
  for (int32_t r = std::max(fromRow, 0); r <= toRow; ++r) rows.push_back(r);
  return rows;
}

double TQrvStringGrid::ColumnSum(int32_t aCol, int32_t fromRow, int32_t toRow) const {
  return Sum(ColumnValues(aCol, RealRowRange(fromRow, toRow)));
}

double TQrvStringGrid::ColumnAvg(int32_t aCol, int32_t fromRow, int32_t toRow) const {
  return Avg(ColumnValues(aCol, RealRowRange(fromRow, toRow)));
}

double TQrvStringGrid::ColumnMin(int32_t aCol, int32_t fromRow, int32_t toRow) const {
  return Min(ColumnValues(aCol, RealRowRange(fromRow, toRow)));
}

double TQrvStringGrid::ColumnMax(int32_t aCol, int32_t fromRow, int32_t toRow) const {
  return Max(ColumnValues(aCol, RealRowRange(fromRow, toRow)));
}

double TQrvStringGrid::ColumnDistinct(int32_t aCol, int32_t fromRow, int32_t toRow) const {
  return Distinct(ColumnValues(aCol, RealRowRange(fromRow, toRow)));
}

double TQrvStringGrid::ColumnStdDev(int32_t aCol, int32_t fromRow, int32_t toRow) const {
  return StdDev(ColumnValues(aCol, RealRowRange(fromRow, toRow)));
}

void TQrvStringGrid::CalculateFooter(int32_t aCol) {
  const TFloatingFooter& footer = *FFloatingFooter;
  if (!footer.Visible() || footer.FooterStyle() != fsFixedLastRow || !footer.EnableCalculation()) return;
  const int32_t r = RowCount() - 1;
  if (r < FixedRows()) return;
  const int32_t h = footer.CalculateHiddenRows() ? NumHiddenRows() : 0;
  const int32_t first = aCol < 0 ? 0 : aCol;
  const int32_t last = aCol < 0 ? AllColCount() - 1 : aCol;
  // With hidden rows counted, every data row up to the footer's real row; otherwise the rows shown above it.
  std::vector<int32_t> rows;
  if (footer.CalculateHiddenRows()) {
    rows = RealRowRange(FixedRows(), r - 1 + h);
  } else {
    for (int32_t d = FixedRows(); d < r; ++d) rows.push_back(RealRowIndex(d));
  }
  for (int32_t c = first; c <= last; ++c) {
    const TColumnCalcType type = footer.GetColumnCalc(c);
    switch (type) {
      case acNONE:
      case acSPREAD:
        break;
      case acCOUNT:
        SetInts(c, r, r + h - FixedRows());
        break;
      case acCUSTOM: {
        QString value;
        if (OnFooterCalc)
          OnFooterCalc(this, c, r + h, value);
        else if (footer.OnCalcFooter)
          footer.OnCalcFooter(this, c, r + h, value);
        SetCells(c, r, value);
        break;
      }
      default: {
        const std::vector<double> v = ColumnValues(c, rows);
        double value = 0.0;
        if (type == acSUM) value = Sum(v);
        if (type == acAVG) value = Avg(v);
        if (type == acMIN) value = Min(v);
        if (type == acMAX) value = Max(v);
        if (type == acDISTINCT) value = Distinct(v);
        if (type == acSTDDEV) value = StdDev(v);
        SetFloats(c, r, value);
        break;
      }
    }
  }
}
