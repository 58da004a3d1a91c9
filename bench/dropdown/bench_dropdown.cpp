// Opening a popup and painting it once: the drop-down's (an inner panel of 150 x 100 in a bordered gradient
// window) against the toolkit combo's list of the same height. Both close again after each round.
#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPainter>

#include "UDropDownForm.h"
#include "UQrvCustomDropDown.h"

namespace {

void BM_DropDown_OpenAndPaint(benchmark::State& state) {
  QWidget window;
  auto* d = new TQrvCustomDropDown(&window);
  auto* inner = new QWidget;
  inner->resize(150, 100);
  d->SetControl(inner);
  window.show();
  QImage image(200, 120, QImage::Format_RGB32);
  for (auto _ : state) {
    d->ShowDropDown();
    d->DropDownForm()->render(&image);
    d->HideDropDown(false);
  }
}

void BM_QComboBox_ShowPopupAndPaint(benchmark::State& state) {
  QWidget window;
  auto* combo = new QComboBox(&window);
  for (int i = 0; i < 5; ++i) combo->addItem(QStringLiteral("Item %1").arg(i));
  combo->setMaxVisibleItems(5);
  window.show();
  QImage image(200, 120, QImage::Format_RGB32);
  for (auto _ : state) {
    combo->showPopup();
    combo->view()->window()->render(&image);
    combo->hidePopup();
  }
}

}  // namespace

BENCHMARK(BM_DropDown_OpenAndPaint);
BENCHMARK(BM_QComboBox_ShowPopupAndPaint);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
