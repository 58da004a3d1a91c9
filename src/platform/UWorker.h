#pragma once
// The one way to run a long call that the user waits on (a version request, a name lookup, the wait for another
// program, a server browse): the call runs on a thread of its own while the UI thread goes on painting and running
// its timers, and the result is handed over on the UI thread.
//
// Where the program is meant not to respond while the call runs, the user's input (keys, mouse, wheel, touch, a
// window's close box) is dropped for every window meanwhile; it is not queued for later. Called from any thread but
// the application's (or with no application), the wait is a plain one.
#include <QObject>
#include <QString>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

#include "Exception.h"

enum class TUserInput { Accepted, Refused };

struct TWorkerOptions {
  TUserInput Input = TUserInput::Refused;
  // 0: wait as long as the call takes. Otherwise the wait ends after this many milliseconds with EWorkerTimeout;
  // the call then finishes unobserved on its thread, so it must own everything it touches.
  int32_t Limit_Ms = 0;
};

// The call did not end within TWorkerOptions::Limit_Ms.
class EWorkerTimeout : public Exception {
 public:
  using Exception::Exception;
};

// Runs job on a new thread and waits for it as the options say. True when it ended, false when the limit passed.
bool Wait_For_Worker(std::function<void()> job, const TWorkerOptions& options);

// Runs job on a new thread and returns at once; deliver runs afterwards on the UI thread, unless context (an object
// of the UI thread, such as the window that asked) has been destroyed by then. With TUserInput::Refused the input
// is dropped until deliver runs or context is gone. Needs the application object.
void Start_Worker(QObject* context, std::function<void()> job, std::function<void()> deliver,
                  TUserInput input = TUserInput::Accepted);

// The outcome of a call: its value, or the exception it raised.
template <class R>
struct TWorkerOutcome {
  std::optional<std::conditional_t<std::is_void_v<R>, bool, R>> Value;
  std::exception_ptr Error;

  // The value, or the call's exception raised again.
  decltype(auto) Get() {
    if (Error) std::rethrow_exception(Error);
    if constexpr (!std::is_void_v<R>) return std::move(*Value);
  }
};

namespace worker_detail {
template <class R, class F>
void Run_Into(TWorkerOutcome<R>& outcome, F& call) {
  try {
    if constexpr (std::is_void_v<R>) {
      call();
      outcome.Value.emplace(true);
    } else {
      outcome.Value.emplace(call());
    }
  } catch (...) {
    outcome.Error = std::current_exception();
  }
}
}  // namespace worker_detail

// Runs call off the UI thread and returns its result (or raises its exception) on the caller's thread.
template <class F, class R = std::invoke_result_t<F&>>
R Run_Off_UI_Thread(F call, const TWorkerOptions& options = {}) {
  auto outcome = std::make_shared<TWorkerOutcome<R>>();
  const bool ended = Wait_For_Worker(
      [outcome, call = std::move(call)]() mutable { worker_detail::Run_Into(*outcome, call); }, options);
  if (!ended) throw EWorkerTimeout(QStringLiteral("The call did not end within %1 ms").arg(options.Limit_Ms));
  return outcome->Get();
}

// Runs call off the UI thread; on_done gets its outcome on context's thread (never when context is gone first).
template <class F, class R = std::invoke_result_t<F&>>
void Start_Off_UI_Thread(QObject* context, F call, std::function<void(TWorkerOutcome<R>&)> on_done,
                         TUserInput input = TUserInput::Accepted) {
  auto outcome = std::make_shared<TWorkerOutcome<R>>();
  Start_Worker(
      context, [outcome, call = std::move(call)]() mutable { worker_detail::Run_Into(*outcome, call); },
      [outcome, on_done = std::move(on_done)] { on_done(*outcome); }, input);
}
