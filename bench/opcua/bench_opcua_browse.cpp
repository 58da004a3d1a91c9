// One browse of the whole address space of the server at TARN_BENCH_OPCUA_URL through the browsing calls, as the
// browse window makes it, with the bounds on nodes, variables, memory and time raised so that every variable is
// found. The argument is the batch size (nodes per Browse and reads per Read while the server announces no
// limit); 0 keeps the built-in ones. run-browse-bench.sh starts the server and the independent client.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <algorithm>

#include "OPC_UA_Search.h"

namespace {
void BM_Browse(benchmark::State& state) {
  const QByteArray url = qgetenv("TARN_BENCH_OPCUA_URL");
  if (url.isEmpty()) {
    state.SkipWithError("TARN_BENCH_OPCUA_URL is not set");
    return;
  }
  opcua_server_to_discover server;
  server.server_address = url.constData();
  TUaBrowseLimits limits;
  limits.Max_Nodes = limits.Max_Variables = 1 << 22;
  limits.Memory_Budget = qsizetype(1) << 31;
  limits.Total_Timeout_Ms = 1800000;
  if (state.range(0) > 0) limits.Browse_Batch = limits.Read_Batch = int(state.range(0));
  int32_t found = 0;
  for (auto _ : state) found = Ua_Client_Begin(server, limits);
  if (found == 0) state.SkipWithError(Ua_Last_Browse_Error().toUtf8().constData());
  state.counters["variables"] = found;
}
}  // namespace

BENCHMARK(BM_Browse)
    ->ArgName("batch")
    ->Arg(0)
    ->Arg(100)
    ->Iterations(1)
    ->Repetitions(3)
    ->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
