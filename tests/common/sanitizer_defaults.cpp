// The sanitizer settings of every test, built into the test programs themselves: a plain `ctest` in the test
// build then behaves like scripts/test, with no environment to remember. The runtimes read these before main;
// options given in ASAN_OPTIONS, UBSAN_OPTIONS or LSAN_OPTIONS still override them one by one.
#ifndef TARN_LSAN_SUPPRESSIONS
#error "TARN_LSAN_SUPPRESSIONS names the leak suppression file"
#endif

extern "C" {
// Any report ends the test with a failure.
__attribute__((used)) const char* __asan_default_options() {
  return "detect_leaks=1:halt_on_error=1";
}
__attribute__((used)) const char* __ubsan_default_options() {
  return "halt_on_error=1:print_stacktrace=1";
}
// Leaks that system libraries keep for the life of the process.
__attribute__((used)) const char* __lsan_default_options() {
  return "suppressions=" TARN_LSAN_SUPPRESSIONS;
}
}
