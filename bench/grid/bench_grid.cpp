// 100,000 data rows of 10 columns: filling, reading, inserting and removing 1,000 rows in the middle, hiding and
// showing a column, and heap bytes per filled cell, each beside QStandardItemModel doing the same (hiding a column
// beside a QTableView over it, where a Qt program hides one).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QStandardItemModel>
#include <QTableView>
#include <memory>

#include "UBench_Widgets_Main.h"
#include "UQrvStringGrid.h"

namespace {
constexpr int32_t Rows = 100001;  // one fixed row and 100,000 data rows
constexpr int32_t Cols = 10;
constexpr int32_t Middle = 50000;
constexpr int32_t Block = 1000;

QString CellText(int32_t c, int32_t r) {
  return QString::number(r * 16 + c);
}

size_t HeapInUse() {
  return mallinfo2().uordblks;
}

std::unique_ptr<TQrvStringGrid> FilledGrid() {
  auto grid = std::make_unique<TQrvStringGrid>();
  grid->SetColCount(Cols);
  grid->SetRowCount(Rows);
  for (int32_t r = 0; r < Rows; ++r)
    for (int32_t c = 0; c < Cols; ++c) grid->SetCells(c, r, CellText(c, r));
  return grid;
}

std::unique_ptr<QStandardItemModel> FilledModel() {
  auto model = std::make_unique<QStandardItemModel>(Rows, Cols);
  for (int32_t r = 0; r < Rows; ++r)
    for (int32_t c = 0; c < Cols; ++c) model->setItem(r, c, new QStandardItem(CellText(c, r)));
  return model;
}

void BM_Fill_Grid(benchmark::State& state) {
  for (auto _ : state) {
    auto grid = FilledGrid();
    benchmark::DoNotOptimize(grid.get());
    state.PauseTiming();
    grid.reset();
    state.ResumeTiming();
  }
}

void BM_Fill_QStandardItemModel(benchmark::State& state) {
  for (auto _ : state) {
    auto model = FilledModel();
    benchmark::DoNotOptimize(model.get());
    state.PauseTiming();
    model.reset();
    state.ResumeTiming();
  }
}

void BM_Read_Grid(benchmark::State& state) {
  auto grid = FilledGrid();
  for (auto _ : state) {
    qsizetype total = 0;
    for (int32_t r = 0; r < Rows; ++r)
      for (int32_t c = 0; c < Cols; ++c) total += grid->Cells(c, r).size();
    benchmark::DoNotOptimize(total);
  }
}

void BM_Read_QStandardItemModel(benchmark::State& state) {
  auto model = FilledModel();
  for (auto _ : state) {
    qsizetype total = 0;
    for (int32_t r = 0; r < Rows; ++r)
      for (int32_t c = 0; c < Cols; ++c) total += model->item(r, c)->text().size();
    benchmark::DoNotOptimize(total);
  }
}

void BM_InsertRemoveRows_Grid(benchmark::State& state) {
  auto grid = FilledGrid();
  for (auto _ : state) {
    grid->InsertRows(Middle, Block);
    grid->RemoveRows(Middle, Block);
  }
}

void BM_InsertRemoveRows_QStandardItemModel(benchmark::State& state) {
  auto model = FilledModel();
  for (auto _ : state) {
    model->insertRows(Middle, Block);
    model->removeRows(Middle, Block);
  }
}

void BM_HideShowColumn_Grid(benchmark::State& state) {
  auto grid = FilledGrid();
  for (auto _ : state) {
    grid->HideColumn(5);
    grid->UnHideColumn(5);
  }
}

// The item model has no hidden columns of its own: its view hides them.
void BM_HideShowColumn_QTableView(benchmark::State& state) {
  auto model = FilledModel();
  QTableView view;
  view.setModel(model.get());
  for (auto _ : state) {
    view.setColumnHidden(5, true);
    view.setColumnHidden(5, false);
  }
}

void BM_BytesPerCell_Grid(benchmark::State& state) {
  for (auto _ : state) {
    const size_t before = HeapInUse();
    auto grid = FilledGrid();
    state.counters["bytes_per_cell"] = double(HeapInUse() - before) / (double(Rows) * Cols);
    state.PauseTiming();
    grid.reset();
    state.ResumeTiming();
  }
}

void BM_BytesPerCell_QStandardItemModel(benchmark::State& state) {
  for (auto _ : state) {
    const size_t before = HeapInUse();
    auto model = FilledModel();
    state.counters["bytes_per_cell"] = double(HeapInUse() - before) / (double(Rows) * Cols);
    state.PauseTiming();
    model.reset();
    state.ResumeTiming();
  }
}
}  // namespace

BENCHMARK(BM_Fill_Grid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fill_QStandardItemModel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read_Grid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read_QStandardItemModel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertRemoveRows_Grid)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InsertRemoveRows_QStandardItemModel)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HideShowColumn_Grid)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HideShowColumn_QTableView)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BytesPerCell_Grid)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BytesPerCell_QStandardItemModel)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  return Run_Widget_Benchmarks(argc, argv);
}
