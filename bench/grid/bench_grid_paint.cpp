// Repainting a full 1280 x 1024 viewport of a 10-column grid with 100 and with 1,000,000 rows, beside a QTableView
// over a QStandardItemModel holding the same cells. Both are widgets without frame or scroll bars, scrolled to the
// middle and rendered offscreen into an image in the same run, so each paints the same cells through its own
// paint event. Each table is built once per case (outside the timing) and freed before the next, so only one large
// table lives at a time.
#include <benchmark/benchmark.h>

#include <QHeaderView>
#include <QImage>
#include <QStandardItemModel>
#include <QTableView>
#include <memory>

#include "UBench_Widgets_Main.h"
#include "UGridView.h"
#include "UQrvStringGrid.h"

namespace {
constexpr int32_t Cols = 10;
constexpr int32_t Width = 1280;
constexpr int32_t Height = 1024;
constexpr int32_t ColWidth = Width / Cols;
constexpr int32_t RowHeight = 24;

QString CellText(int32_t c, int32_t r) {
  return c == 0 ? QStringLiteral("Row %1").arg(r) : QString::number(r * 16 + c);
}

// The same look for both widgets: no frame, no scroll bars, the full viewport.
void Bare(QAbstractScrollArea& view) {
  view.setFrameShape(QFrame::NoFrame);
  view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view.resize(Width, Height);
}

// Renders the widget `state.iterations()` times, after one render that lays it out outside the timing.
void Render(benchmark::State& state, QWidget& view) {
  QImage image(Width, Height, QImage::Format_RGB32);
  view.render(&image);
  for (auto _ : state) {
    view.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}

// One header row and `rows` data rows, scrolled to the middle.
void PaintGrid(benchmark::State& state) {
  const auto rows = static_cast<int32_t>(state.range(0));
  auto owned = std::make_unique<TQrvStringGrid>();
  TQrvStringGrid& grid = *owned;
  TGridView view(std::move(owned));
  grid.SetColCount(Cols);
  grid.SetRowCount(rows + 1);
  grid.SetFixedCols(0);
  grid.SetDefaultColWidth(ColWidth);
  grid.SetDefaultRowHeight(RowHeight);
  Bare(view);
  for (int32_t c = 0; c < Cols; ++c) grid.SetCells(c, 0, QStringLiteral("Column %1").arg(c));
  for (int32_t r = 1; r <= rows; ++r)
    for (int32_t c = 0; c < Cols; ++c) grid.SetCells(c, r, CellText(c, r));
  grid.SetTopRow(std::max(1, std::min(rows / 2, grid.MaxTopRow())));
  if (grid.LeftCol() != 0) state.SkipWithError("the grid does not show its first column");
  Render(state, view);
}

void PaintTableView(benchmark::State& state) {
  const auto rows = static_cast<int32_t>(state.range(0));
  auto model = std::make_unique<QStandardItemModel>(rows, Cols);
  for (int32_t c = 0; c < Cols; ++c)
    model->setHorizontalHeaderItem(c, new QStandardItem(QStringLiteral("Column %1").arg(c)));
  for (int32_t r = 1; r <= rows; ++r)
    for (int32_t c = 0; c < Cols; ++c) model->setItem(r - 1, c, new QStandardItem(CellText(c, r)));
  QTableView view;
  view.setModel(model.get());
  view.verticalHeader()->hide();
  view.verticalHeader()->setDefaultSectionSize(RowHeight);
  view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view.horizontalHeader()->setDefaultSectionSize(ColWidth);
  view.horizontalHeader()->setFixedHeight(RowHeight);
  Bare(view);
  view.scrollTo(model->index(rows / 2, 0), QAbstractItemView::PositionAtTop);
  Render(state, view);
}
}  // namespace

BENCHMARK(PaintGrid)->Arg(100)->Arg(1000000)->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK(PaintTableView)->Arg(100)->Arg(1000000)->Iterations(100)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  return Run_Widget_Benchmarks(argc, argv);
}
