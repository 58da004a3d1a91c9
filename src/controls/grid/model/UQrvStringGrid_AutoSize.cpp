// Sizing columns and rows to their content, stretching the columns to the grid's width, running numbers and
// exchanging cells, columns and rows.
#include <QImage>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "UCanvas.h"
#include "UQrvStringGrid.h"

namespace {

// Cells break lines with a carriage return; text from elsewhere may bring line feeds.
const QRegularExpression LineBreak(QStringLiteral("\r\n|\r|\n"));

class TImageTextMeasurer : public IGridTextMeasurer {
 public:
  TImageTextMeasurer() : FImage(1, 1, QImage::Format_ARGB32_Premultiplied), FCanvas(&FImage) {}
  TSize TextSize(const TFont& font, const QString& text) const override {
    FCanvas.SetFont(font);
    TSize size;
    for (const QString& line : text.split(LineBreak)) {
      const TSize extent = FCanvas.TextExtent(line);
      size.cx = std::max(size.cx, extent.cx);
      size.cy += extent.cy;
    }
    return size;
  }

 private:
  QImage FImage;
  mutable TCanvas FCanvas;
};

// Halves to the even neighbour.
int32_t RoundEven(double value) {
  return static_cast<int32_t>(std::nearbyint(value));
}

}  // namespace

std::shared_ptr<IGridTextMeasurer> CreateImageTextMeasurer() {
  return std::make_shared<TImageTextMeasurer>();
}

int32_t LimitSize(int32_t value, int32_t minimum, int32_t maximum) {
  if (minimum == maximum) return value;
  if (minimum > 0 && value < minimum) value = minimum;
  if (maximum > 0 && value > maximum) value = maximum;
  return value;
}

const IGridTextMeasurer& TQrvStringGrid::TextMeasurer() {
  if (!FTextMeasurer) FTextMeasurer = CreateImageTextMeasurer();
  return *FTextMeasurer;
}

void TQrvStringGrid::UpdateColumnSize(int32_t aCol, int32_t& size) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, aCol, size);
}

void TQrvStringGrid::UpdateAutoColumnSize(int32_t aCol, int32_t& size) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, aCol, size);
}

TFont TQrvStringGrid::MeasureFont(int32_t c, int32_t r) {
  TFont font = r < FixedRows() || RealToDisplayCol(c) < FixedCols() ? FixedFont : Font();
  TBrush brush;
  GetCellColor(c, r, TGridDrawState(), brush, font);
  if (ZoomFactor != 0) font.SetSize(font.Size() + ZoomFactor);
  return font;
}

// The room a cell asks of its column: its object beside its text, and the buttons the header draws.
int32_t TQrvStringGrid::ContentWidth(int32_t aCol, int32_t rc, int32_t r) {
  const int32_t graphic = GetCellGraphicSize(rc, r).X;
  int32_t w = graphic + CalcCellTextSize(rc, aCol, r, false, false).cx;
  if (ControlLook.DropDownAlwaysVisible && HasComboBox(aCol, r)) w += 16;
  if (FilterDropDownAuto && r == FilterDropDownRow && GetColumnFilter(aCol)) w += 12;
  if (aCol == SortSettings.Column && IsSortIndicatorCell(aCol, r)) w += 10;
  // A control filling the cell sets the width alone.
  if (const TCellGraphic* g = GetCellGraphic(rc, r); g && g->CellHAlign() == haFull)
    w = graphic - 2 * GridLineWidth() - XYOffset.X - 2;
  return w;
}

void TQrvStringGrid::SizeColumnToContent(int32_t aCol, bool growOnly) {
  if (aCol < 0 || aCol >= ColCount()) return;
  const int32_t rc = RealColIndex(aCol);
  int32_t first = 0, last = RowCount() - 1;
  if (ColumnSize().Rows() == arNormal) {
    first = FixedRows();
    last = RowCount() - FixedFooters() - 1;
  } else if (ColumnSize().Rows() == arFixed) {
    last = FixedRows() - 1;
  }
  int32_t widest = 0;
  for (int32_t r = first; r <= last; ++r)
    if (!IsXMergedCell(rc, r)) widest = std::max(widest, ContentWidth(aCol, rc, r));
  const int32_t offset = XYOffsetTopLeftOnly ? XYOffset.X : 2 * XYOffset.X;
  int32_t width = widest + offset + 2 * GridLineWidth() + 2;
  if (!growOnly || ColWidths(aCol) < width) {
    UpdateAutoColumnSize(rc, width);
    SetColWidths(aCol, std::max(0, LimitSize(width, MinColWidth, MaxColWidth)));
  }
}

// The height a cell asks of its row: its text and its object, a check box or radio button its default height.
int32_t TQrvStringGrid::ContentHeight(int32_t rc, int32_t r, int32_t extra) {
  if (IsMergedNonBaseCell(rc, r)) return 0;
  int32_t th = GetCellTextSize(rc, r, WordWrap(), false).cy;
  int32_t gh = MeasureCellContent(rc, r, extra).Y;
  const TCellGraphic* g = GetCellGraphic(rc, r);
  if (!g) return th;
  const TCellType type = g->CellType();
  if (type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRadioButton)
    return DefaultRowHeight();
  if (g->CellVAlign() == vaFull) gh = th > 0 ? 0 : DefaultRowHeight();
  return th + gh;
}

void TQrvStringGrid::SizeRowToContent(int32_t aRow, bool growOnly, int32_t extra) {
  if (aRow < 0 || aRow >= RowCount()) return;
  int32_t tallest = 0;
  for (int32_t c = 0; c < ColCount(); ++c) {
    const int32_t rc = RealColIndex(c);
    if (IsYMergedCell(rc, aRow) || IsIgnoredColumn(rc)) continue;
    tallest = std::max(tallest, ContentHeight(rc, aRow, extra));
  }
  int32_t height = (XYOffsetTopLeftOnly ? XYOffset.Y : 2 * XYOffset.Y) + tallest + 2 * GridLineWidth();
  if (XYOffsetTopLeftOnly) height += 2;
  if (!growOnly || RowHeights(aRow) < height)
    SetRowHeights(aRow, std::max(0, LimitSize(height, MinRowHeight, MaxRowHeight)));
}

void TQrvStringGrid::AutoSizeCol(int32_t aCol, int32_t padding) {
  SizeColumnToContent(aCol, SizeGrowOnly);
  if (padding != 0 && aCol >= 0 && aCol < ColCount())
    SetColWidths(aCol, std::max(0, LimitSize(ColWidths(aCol) + padding, MinColWidth, MaxColWidth)));
}

void TQrvStringGrid::AutoSizeColumns(bool doFixedCols, int32_t padding) {
  const int32_t first = doFixedCols ? 0 : FixedCols();
  const int32_t last = doFixedCols ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
  for (int32_t c = first; c <= last; ++c) AutoSizeCol(c, padding);
}

void TQrvStringGrid::AutoSizeRow(int32_t aRow, int32_t padding) {
  SizeRowToContent(aRow, SizeGrowOnly, padding);
  if (padding != 0 && aRow >= 0 && aRow < RowCount())
    SetRowHeights(aRow, std::max(0, LimitSize(RowHeights(aRow) + padding, MinRowHeight, MaxRowHeight)));
}

void TQrvStringGrid::AutoSizeCells(bool doFixedCells, int32_t paddingX, int32_t paddingY) {
  const int32_t firstCol = doFixedCells ? 0 : FixedCols();
  const int32_t firstRow = doFixedCells ? 0 : FixedRows();
  BeginUpdate();
  for (int32_t c = firstCol; c < ColCount(); ++c) {
    int32_t width = SizeGrowOnly ? ColWidths(c) : 0;
    const int32_t rc = RealColIndex(c);
    for (int32_t r = firstRow; r < RowCount(); ++r) {
      const TSize text = GetCellTextSize(rc, r, false, false);
      const TPoint graphic = GetCellGraphicSize(rc, r);
      int32_t w = graphic.X + text.cx + paddingX + XYOffset.X;
      int32_t h = graphic.Y + text.cy + paddingY + XYOffset.Y;
      if (!IsXMergedCell(rc, r) && w > width) {
        w = LimitSize(w, MinColWidth, MaxColWidth);
        if (w > width) {
          SetColWidths(c, w);
          width = w;
        }
      }
      // Rows only ever grow here.
      if (!IsYMergedCell(rc, r) && h > RowHeights(r)) {
        h = LimitSize(h, MinRowHeight, MaxRowHeight);
        if (h > RowHeights(r)) SetRowHeights(r, h);
      }
    }
  }
  EndUpdate();
}

void TQrvStringGrid::AutoSizeRows(bool doFixedRows, int32_t padding) {
  if (RowCount() == 0) return;
  const int32_t first = doFixedRows ? 0 : FixedRows();
  ExportNotification(esExportStart, first);
  for (int32_t r = first; r < RowCount(); ++r) {
    ExportNotification(esExportNextRow, r);
    if (WordWrap()) {
      AutoSizeRow(r, padding);
    } else {
      int32_t lines = 0;
      for (int32_t c = 0; c < TotalColCount(); ++c) lines = std::max(lines, GetLinesInCell(c, r));
      SetRowHeightForLines(r, lines, padding);
    }
  }
  ExportNotification(esExportDone, -1);
}

void TQrvStringGrid::SetRowHeightForLines(int32_t aRow, int32_t lines, int32_t padding) {
  if (aRow < 0 || aRow >= RowCount()) return;
  const int32_t h =
      TextMeasurer()
          .TextSize(MeasureFont(RealColIndex(std::min(FixedCols(), ColCount() - 1)), aRow), QStringLiteral("gh"))
          .cy;
  SetRowHeights(aRow, std::max(0, LimitSize(padding + lines * (h + h / 8), MinRowHeight, MaxRowHeight)));
}

void TQrvStringGrid::SizeToCols() {
  int32_t sum = 0;
  for (int32_t c = 0; c < ColCount(); ++c) sum += ColWidths(c);
  SetBounds(Left(), Top(), sum, Height());
}

void TQrvStringGrid::SizeToRows() {
  int32_t sum = 0;
  for (int32_t r = 0; r < RowCount(); ++r) sum += RowHeights(r);
  SetBounds(Left(), Top(), Width(), sum);
}

void TQrvStringGrid::SizeToCells() {
  const TScrollStyle saved = ScrollBars;
  ScrollBars = ssNone;
  SizeToCols();
  SizeToRows();
  ScrollBars = saved;
}

// Stretches or shrinks the columns to fill the grid's width. No columns, a range without width, or a grid
// narrower than the columns outside the range never divide by nothing nor leave a negative width.
void TQrvStringGrid::AutoFitColumns(bool doFixedCells) {
  if (ColCount() <= 0) return;
  const bool vertBar =
      ScrollBarAlways() == saVert || (ScrollBars != ssNone && VisibleRowCount() + FixedRows() < RowCount());
  const int32_t sb = vertBar ? VScrollBarWidth : 0;
  const int32_t bw = BorderStyle == bsSingle ? (Ctl3D ? 4 : 2) : 0;
  const int32_t first = doFixedCells ? 0 : FixedCols();
  const int32_t last = doFixedCells ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
  int32_t avail = Width();
  for (int32_t c = 0; c < ColCount(); ++c)
    if (c < first || c > last) avail -= ColWidths(c);
  int32_t lw = (Options() & goVertLine) ? GridLineWidth() * (ColCount() - FixedCols() - FixedRightCols()) : 0;
  if ((Options() & goFixedVertLine) && doFixedCells) lw += FixedCols() + FixedRightCols();

  if (ColCount() < 2) {
    SetColWidths(0, std::max(0, Width() - sb - 5));
    return;
  }
  if (last < first) return;
  const int32_t n = last - first + 1;
  int64_t sum = 0;
  for (int32_t c = first; c <= last; ++c) sum += ColWidths(c);
  const int32_t room = avail - sb - bw;
  if (sum == room) return;
  const int32_t target = std::max(0, room - lw);
  if (sum <= 0) {
    // Nothing to scale: the columns share the room.
    for (int32_t c = first; c <= last; ++c) SetColWidths(c, target / n);
  } else {
    const double ratio = static_cast<double>(target) / static_cast<double>(sum);
    int64_t total = 0;
    for (int32_t c = first; c <= last; ++c) total += RoundEven(ColWidths(c) * ratio);
    const double ratio2 = static_cast<double>(total) / static_cast<double>(sum);
    for (int32_t c = first; c <= last; ++c) SetColWidths(c, RoundEven(ColWidths(c) * ratio2));
  }
  int64_t newSum = 0;
  for (int32_t c = first; c <= last; ++c) newSum += ColWidths(c);
  int64_t rest = room - newSum;
  if (n >= 2 && rest > n) {
    for (int32_t c = first; c <= last; ++c) SetColWidths(c, ColWidths(c) + static_cast<int32_t>(rest / n));
    rest %= n;
  }
  int32_t widest = first;
  for (int32_t c = first + 1; c <= last; ++c)
    if (ColWidths(c) > ColWidths(widest)) widest = c;
  SetColWidths(widest, static_cast<int32_t>(std::max<int64_t>(0, ColWidths(widest) + rest)));
}

void TQrvStringGrid::AutoNumberCol(int32_t aCol) {
  if (RowCount() == 0) return;
  const int32_t lastRow = RowCount() - FixedFooters() - 1;
  for (int32_t i = FixedRows() + AutoNumberStart; i <= lastRow; ++i) {
    const int32_t row = AutoNumberDirection == sdAscending ? i : FixedRows() + lastRow - i;
    SetCells(aCol, row, QString::number(i - FixedRows() + 1 + AutoNumberOffset));
  }
}

void TQrvStringGrid::AutoNumberRow(int32_t aRow) {
  if (ColCount() == 0) return;
  const int32_t lastCol = ColCount() - FixedRightCols() - 1;
  for (int32_t i = FixedCols() + AutoNumberStart; i <= lastCol; ++i) {
    const int32_t col = AutoNumberDirection == sdAscending ? i : FixedCols() + lastCol - i;
    SetCells(RealColIndex(col), aRow, QString::number(i - FixedCols() + 1 + AutoNumberOffset));
  }
}

void TQrvStringGrid::SwapCells(const TPoint& fromCell, const TPoint& toCell) {
  const QString text = GetGridCell(fromCell.X, fromCell.Y);
  SetGridCell(fromCell.X, fromCell.Y, GetGridCell(toCell.X, toCell.Y));
  SetGridCell(toCell.X, toCell.Y, text);
  TObject* object = GetGridObject(fromCell.X, fromCell.Y);
  SetGridObject(fromCell.X, fromCell.Y, GetGridObject(toCell.X, toCell.Y));
  SetGridObject(toCell.X, toCell.Y, object);
}

// Cell controls record real columns and real rows; a swap exchanges the two positions in the list.
void TQrvStringGrid::SwapControlPositions(int32_t TControlItem::*axis, int32_t first, int32_t second) {
  for (int32_t i = 0; i < FControlList->Count(); ++i) {
    TControlItem* item = FControlList->GetControl(i);
    if (item->*axis == first)
      item->*axis = second;
    else if (item->*axis == second)
      item->*axis = first;
  }
}

void TQrvStringGrid::SwapColumns(int32_t aCol1, int32_t aCol2) {
  const int32_t total = TotalColCount();
  if (aCol1 == aCol2 || aCol1 < 0 || aCol2 < 0 || aCol1 >= total || aCol2 >= total) return;
  for (int32_t r = 0; r < RowCount(); ++r) SwapCells({aCol1, r}, {aCol2, r});
  const int32_t width1 = AllColWidths(aCol1);
  SetAllColWidths(aCol1, AllColWidths(aCol2));
  SetAllColWidths(aCol2, width1);
  if (SortSettings.Column == aCol1)
    SortSettings.Column = aCol2;
  else if (SortSettings.Column == aCol2)
    SortSettings.Column = aCol1;
  SwapControlPositions(&TControlItem::X, aCol1, aCol2);
  CellControlsUpdate(false);
  Invalidate();
}

void TQrvStringGrid::SwapRows(int32_t aRow1, int32_t aRow2) {
  if (aRow1 == aRow2 || aRow1 < 0 || aRow2 < 0 || aRow1 >= RowCount() || aRow2 >= RowCount()) return;
  for (int32_t c = 0; c < TotalColCount(); ++c) SwapCells({c, aRow1}, {c, aRow2});
  const int32_t height1 = RowHeights(aRow1);
  SetRowHeights(aRow1, RowHeights(aRow2));
  SetRowHeights(aRow2, height1);
  SwapControlPositions(&TControlItem::Y, RealRowIndex(aRow1), RealRowIndex(aRow2));
  CellControlsUpdate(false);
  Invalidate();
}

void TQrvStringGrid::SortSwapRows(int32_t aRow1, int32_t aRow2) {
  ++Swaps;
  TIntList& xref = *FSortRowXRef;
  if (aRow1 >= 0 && aRow2 >= 0 && aRow1 < xref.Count() && aRow2 < xref.Count()) {
    const int32_t entry1 = xref.GetInteger(aRow1);
    xref.SetInteger(aRow1, xref.GetInteger(aRow2));
    xref.SetInteger(aRow2, entry1);
  }
  if (aRow1 == aRow2 || aRow1 < 0 || aRow2 < 0 || aRow1 >= RowCount() || aRow2 >= RowCount()) return;
  // Raw texts: a text read through the display hooks (a linked URL, a group count) must never be stored back.
  if (SortSettings.SingleColumn) {
    if (SortSettings.Column >= 0 && SortSettings.Column < ColCount()) {
      const int32_t rc = RealColIndex(SortSettings.Column);
      SwapCells({rc, aRow1}, {rc, aRow2});
    }
    return;
  }
  for (int32_t c = 0; c < TotalColCount(); ++c) SwapCells({c, aRow1}, {c, aRow2});
  if (const int32_t height1 = RowHeights(aRow1); height1 != RowHeights(aRow2)) {
    SetRowHeights(aRow1, RowHeights(aRow2));
    SetRowHeights(aRow2, height1);
  }
  if (MouseActions().DisjunctRowSelect() && Navigation().MoveRowOnSort()) {
    const int32_t real1 = RealRowIndex(aRow1), real2 = RealRowIndex(aRow2);
    const size_t needed = static_cast<size_t>(std::max(real1, real2)) + 1;
    if (FRowSelect.size() < needed) FRowSelect.resize(needed, 0);
    std::swap(FRowSelect[static_cast<size_t>(real1)], FRowSelect[static_cast<size_t>(real2)]);
    // The list of selected rows names rows too: it follows, so it keeps naming the rows whose flags are set.
    for (int32_t i = 0; i < FSelectedRows->Count(); ++i) {
      const int32_t row = FSelectedRows->GetInteger(i);
      if (row == real1 || row == real2) FSelectedRows->SetInteger(i, row == real1 ? real2 : real1);
    }
  }
  if (ShowModifiedEnabled()) {
    const bool modified1 = GetRowModified(aRow1);
    SetRowModified(aRow1, GetRowModified(aRow2));
    SetRowModified(aRow2, modified1);
  }
  if (SortRow == aRow1)
    SortRow = aRow2;
  else if (SortRow == aRow2)
    SortRow = aRow1;
}
