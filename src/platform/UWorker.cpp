#include "UWorker.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

bool On_UI_Thread() {
  const QCoreApplication* app = QCoreApplication::instance();
  return app && QThread::currentThread() == app->thread();
}

bool Is_User_Input(const QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
      return true;
    // The close box of a window frame; the program's own close() calls are not spontaneous and pass.
    case QEvent::Close:
      return event->spontaneous();
    default:
      return false;
  }
}

// Drops the user's input for every object of the application while it exists. Dropped, not held back: input held
// back would act on the windows after the call, when what it was aimed at may have changed.
class TInputBlocker : public QObject {
 public:
  TInputBlocker() { QCoreApplication::instance()->installEventFilter(this); }
  ~TInputBlocker() override {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
  }
  TInputBlocker(const TInputBlocker&) = delete;
  TInputBlocker& operator=(const TInputBlocker&) = delete;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (!Is_User_Input(event)) return false;
    event->ignore();
    return true;
  }
};

// Shared by the waiting thread and the worker; whichever lets go last frees it.
struct TWaitState {
  std::mutex Lock;
  std::condition_variable Ended_Signal;
  bool Ended = false;
  // Cleared when the waiter gives up; from then on nothing may be posted to the application, which may be gone.
  bool Waiting = true;
};

// The lifetime token of an asynchronous call: a child of the caller's context, so it dies with it. The result is
// posted to the application and handed on only while the token lives.
class TWorkerRelay : public QObject {
 public:
  struct TLink {
    std::mutex Lock;
    // Cleared by the relay's destructor, under Lock, so the worker never posts for a relay that is gone.
    bool Alive = true;
    QPointer<TWorkerRelay> Relay;
  };

  TWorkerRelay(QObject* context, std::function<void()> deliver, TUserInput input)
      : QObject(context), FLink(std::make_shared<TLink>()), FDeliver(std::move(deliver)) {
    FLink->Relay = this;
    if (input == TUserInput::Refused) FBlocker = std::make_unique<TInputBlocker>();
  }
  ~TWorkerRelay() override {
    const std::lock_guard<std::mutex> guard(FLink->Lock);
    FLink->Alive = false;
  }
  TWorkerRelay(const TWorkerRelay&) = delete;
  TWorkerRelay& operator=(const TWorkerRelay&) = delete;

  std::shared_ptr<TLink> Link() const { return FLink; }

  // Ends the relay, then runs the delivery: whatever the delivery does (even destroying the context) no longer
  // reaches the relay, and the input is accepted again before it.
  static void Deliver(TWorkerRelay* relay) {
    const std::function<void()> deliver = std::move(relay->FDeliver);
    relay->setParent(nullptr);
    std::unique_ptr<TWorkerRelay> owned(relay);
    owned.reset();
    deliver();
  }

 private:
  std::shared_ptr<TLink> FLink;
  std::function<void()> FDeliver;
  std::unique_ptr<TInputBlocker> FBlocker;
};

void Run_Guarded(const std::function<void()>& job) {
  try {
    job();
  } catch (...) {
    // The callers' jobs keep their own outcome; nothing may escape a thread.
  }
}

}  // namespace

bool Wait_For_Worker(std::function<void()> job, const TWorkerOptions& options) {
  const bool ui = On_UI_Thread();
  auto state = std::make_shared<TWaitState>();
  QObject* const waker = ui ? QCoreApplication::instance() : nullptr;
  std::thread thread([state, waker, job = std::move(job)] {
    Run_Guarded(job);
    const std::lock_guard<std::mutex> guard(state->Lock);
    state->Ended = true;
    state->Ended_Signal.notify_all();
    // An empty call wakes the UI thread out of its wait for events.
    if (state->Waiting && waker)
      QMetaObject::invokeMethod(
          waker, [] {}, Qt::QueuedConnection);
  });

  const QDeadlineTimer deadline =
      options.Limit_Ms > 0 ? QDeadlineTimer(options.Limit_Ms) : QDeadlineTimer(QDeadlineTimer::Forever);
  bool ended = false;
  if (ui) {
    std::unique_ptr<TInputBlocker> blocker;
    if (options.Input == TUserInput::Refused) blocker = std::make_unique<TInputBlocker>();
    // Its only task is to wake the wait when the limit passes.
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    for (;;) {
      {
        const std::lock_guard<std::mutex> guard(state->Lock);
        if (state->Ended || deadline.hasExpired()) {
          ended = state->Ended;
          state->Waiting = false;
          break;
        }
      }
      if (options.Limit_Ms > 0 && !limit.isActive())
        limit.start(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
  } else {
    std::unique_lock<std::mutex> guard(state->Lock);
    const auto is_ended = [&state] { return state->Ended; };
    if (options.Limit_Ms > 0)
      state->Ended_Signal.wait_for(guard, std::chrono::milliseconds(options.Limit_Ms), is_ended);
    else
      state->Ended_Signal.wait(guard, is_ended);
    ended = state->Ended;
    state->Waiting = false;
  }
  if (ended)
    thread.join();
  else
    thread.detach();
  return ended;
}

void Start_Worker(QObject* context, std::function<void()> job, std::function<void()> deliver, TUserInput input) {
  // Owned by context, its Qt parent, until it delivers.
  auto* relay = new TWorkerRelay(context, std::move(deliver), input);
  std::thread([link = relay->Link(), job = std::move(job)] {
    Run_Guarded(job);
    const std::lock_guard<std::mutex> guard(link->Lock);
    // A living relay means a living context, and with it the application.
    if (link->Alive)
      QMetaObject::invokeMethod(
          QCoreApplication::instance(),
          [relay = link->Relay] {
            if (relay) TWorkerRelay::Deliver(relay);
          },
          Qt::QueuedConnection);
  }).detach();
}
