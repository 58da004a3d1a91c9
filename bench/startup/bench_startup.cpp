// Process start to the first painted frame of the main window, against a bare Qt program showing one window with
// one label, one after the other in the same run. Each start is a new process on the X server of DISPLAY.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long Now_Ns() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Starts the program and returns the nanoseconds from before the start to the time it reports, -1 on failure.
long long Time_To_First_Paint(const std::string& program, const std::string& argument) {
  int out[2];
  if (pipe(out) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::vector<char*> argv = {const_cast<char*>(program.c_str())};
  if (!argument.empty()) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const long long start = Now_Ns();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return -1;
  }
  std::string text;
  char buffer[64];
  ssize_t got;
  while ((got = read(out[0], buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<size_t>(got));
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty()) return -1;
  return std::atoll(text.c_str()) - start;
}

std::string Program_Folder() {
  static const std::string folder = [] {
    char name[] = "/tmp/bench_startup.XXXXXX";
    return std::string(mkdtemp(name) ? name : "/tmp");
  }();
  return folder;
}

bool Have_Display(benchmark::State& state) {
  if (std::getenv("DISPLAY")) {
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    return true;
  }
  state.SkipWithError("no X server: run under xvfb-run");
  return false;
}

void BM_Start_Bare_Qt_Window(benchmark::State& state) {
  if (!Have_Display(state)) return;
  for (auto _ : state) {
    const long long ns = Time_To_First_Paint(STARTUP_BARE, std::string());
    if (ns < 0) return state.SkipWithError("the bare program did not report its first paint");
    state.SetIterationTime(static_cast<double>(ns) / 1e9);
  }
}

// Each iteration starts the bare program and then the program, so a load that comes and goes on the machine
// weighs on both alike; the time is the program's, "ratio" the program's total over the bare program's.
void BM_Start_Program(benchmark::State& state) {
  if (!Have_Display(state)) return;
  double bare_total = 0;
  double program_total = 0;
  for (auto _ : state) {
    const long long bare = Time_To_First_Paint(STARTUP_BARE, std::string());
    const long long program = Time_To_First_Paint(STARTUP_PROGRAM, Program_Folder());
    if (bare < 0 || program < 0) return state.SkipWithError("a program did not report its first paint");
    bare_total += static_cast<double>(bare);
    program_total += static_cast<double>(program);
    state.SetIterationTime(static_cast<double>(program) / 1e9);
  }
  state.counters["bare_ms"] = bare_total / 1e6 / static_cast<double>(state.iterations());
  state.counters["ratio"] = program_total / bare_total;
}

}  // namespace

BENCHMARK(BM_Start_Bare_Qt_Window)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_Start_Program)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK_MAIN();
