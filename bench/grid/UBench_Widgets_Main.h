#pragma once
// The entry of a benchmark that builds widgets: an application object on the offscreen platform unless another is
// asked for, then the benchmarks.
#include <benchmark/benchmark.h>

#include <QApplication>

inline int Run_Widget_Benchmarks(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
