// The worker layer: calls run off the UI thread, the UI thread keeps processing events, input is dropped where
// asked, the limit gives up on a call, and asynchronous results arrive on the UI thread only while their context
// lives.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "UWorker.h"

namespace {

using namespace std::chrono_literals;

// Blocks its caller until Open(), or 20 s at most so a fault cannot hang the test.
struct TGate {
  std::atomic<bool> Opened{false};
  std::atomic<bool> Passed{false};
  void Open() { Opened = true; }
  bool Wait() {
    const auto end = std::chrono::steady_clock::now() + 20s;
    while (!Opened && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(1ms);
    Passed = true;
    return Opened;
  }
};

void Process_Until(const std::function<bool()>& done) {
  const auto end = std::chrono::steady_clock::now() + 20s;
  while (!done() && std::chrono::steady_clock::now() < end) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Records whether a close event reached it.
class TCloseProbe : public QLineEdit {
 public:
  bool Closed = false;

 protected:
  void closeEvent(QCloseEvent* event) override {
    Closed = true;
    QLineEdit::closeEvent(event);
  }
};

}  // namespace

TEST(Worker, TheCallRunsOnAnotherThreadAndItsResultOrErrorComesBack) {
  const Qt::HANDLE ui = QThread::currentThreadId();
  const Qt::HANDLE worker = Run_Off_UI_Thread([] { return QThread::currentThreadId(); });
  EXPECT_NE(worker, ui);

  try {
    Run_Off_UI_Thread([]() -> int { throw Exception(QStringLiteral("lookup failed")); });
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("lookup failed"));
  }

  int calls = 0;
  Run_Off_UI_Thread([&calls] { ++calls; });
  EXPECT_EQ(calls, 1);
}

// The call waits for a timer of the UI thread: it can only end because the UI thread goes on with its events.
TEST(Worker, TheUIThreadKeepsProcessingEventsWhileItWaits) {
  TGate gate;
  QTimer::singleShot(0, [&gate] { gate.Open(); });
  EXPECT_TRUE(Run_Off_UI_Thread([&gate] { return gate.Wait(); }));
}

TEST(Worker, InputIsDroppedWhereRefusedAndDeliveredWhereAccepted) {
  struct TCase {
    TUserInput Input;
    QString Typed;
    bool Closed;
  };
  const TCase cases[] = {{TUserInput::Refused, QString(), false}, {TUserInput::Accepted, QStringLiteral("a"), true}};
  for (const TCase& c : cases) {
    TCloseProbe edit;
    TGate gate;
    QTimer::singleShot(0, [&] {
      QTest::keyClick(&edit, Qt::Key_A);
      // A close box of the window frame arrives as a spontaneous close event.
      QCloseEvent close;
      QSpontaneKeyEvent::setSpontaneous(&close);
      QCoreApplication::instance()->notify(&edit, &close);
      gate.Open();
    });
    TWorkerOptions options;
    options.Input = c.Input;
    Run_Off_UI_Thread([&gate] { gate.Wait(); }, options);
    QCoreApplication::processEvents();
    EXPECT_EQ(edit.text(), c.Typed);
    EXPECT_EQ(edit.Closed, c.Closed);
  }
  // Nothing of the refusal outlives the call.
  QLineEdit after;
  QTest::keyClick(&after, Qt::Key_B);
  EXPECT_EQ(after.text(), QStringLiteral("b"));
}

TEST(Worker, TheLimitGivesUpOnTheCallWhichThenEndsOnItsOwn) {
  auto gate = std::make_shared<TGate>();
  TWorkerOptions options;
  options.Limit_Ms = 50;
  EXPECT_THROW(Run_Off_UI_Thread([gate] { return gate->Wait(); }, options), EWorkerTimeout);
  EXPECT_FALSE(gate->Passed);
  gate->Open();
  const auto end = std::chrono::steady_clock::now() + 20s;
  while (!gate->Passed && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(1ms);
  EXPECT_TRUE(gate->Passed);
  // A call within its limit is not disturbed by it.
  options.Limit_Ms = 20000;
  EXPECT_EQ(Run_Off_UI_Thread([] { return 7; }, options), 7);
}

// Another thread than the application's waits plainly, with the limit still kept.
TEST(Worker, AnyOtherThreadWaitsWithoutAnEventLoop) {
  int value = 0;
  bool timed_out = false;
  auto gate = std::make_shared<TGate>();
  std::thread other([&] {
    value = Run_Off_UI_Thread([] { return 5; });
    TWorkerOptions options;
    options.Limit_Ms = 30;
    try {
      Run_Off_UI_Thread([gate] { gate->Wait(); }, options);
    } catch (const EWorkerTimeout&) {
      timed_out = true;
    }
  });
  other.join();
  gate->Open();
  EXPECT_EQ(value, 5);
  EXPECT_TRUE(timed_out);
  while (!gate->Passed) std::this_thread::sleep_for(1ms);
}

TEST(Worker, AnAsynchronousCallDeliversOnTheUIThread) {
  QObject context;
  bool delivered = false;
  Qt::HANDLE delivered_on = nullptr;
  int value = 0;
  Start_Off_UI_Thread(
      &context, [] { return 42; }, std::function<void(TWorkerOutcome<int>&)>([&](TWorkerOutcome<int>& outcome) {
        delivered = true;
        delivered_on = QThread::currentThreadId();
        value = outcome.Get();
      }));
  EXPECT_FALSE(delivered);
  Process_Until([&] { return delivered; });
  EXPECT_TRUE(delivered);
  EXPECT_EQ(delivered_on, QThread::currentThreadId());
  EXPECT_EQ(value, 42);
  // The relay that carried the result is gone with its delivery.
  EXPECT_TRUE(context.children().isEmpty());

  bool raised = false;
  Start_Off_UI_Thread(
      &context, []() -> int { throw Exception(QStringLiteral("no server")); },
      std::function<void(TWorkerOutcome<int>&)>([&](TWorkerOutcome<int>& outcome) {
        try {
          outcome.Get();
        } catch (const Exception& e) {
          raised = e.Message() == QStringLiteral("no server");
        }
        delivered = false;
      }));
  Process_Until([&] { return !delivered; });
  EXPECT_TRUE(raised);
}

TEST(Worker, RefusedInputLastsUntilTheAsynchronousResultArrives) {
  QObject context;
  QLineEdit edit;
  auto gate = std::make_shared<TGate>();
  bool delivered = false;
  Start_Off_UI_Thread(
      &context, [gate] { gate->Wait(); },
      std::function<void(TWorkerOutcome<void>&)>([&](auto&) { delivered = true; }), TUserInput::Refused);
  QTest::keyClick(&edit, Qt::Key_A);
  gate->Open();
  Process_Until([&] { return delivered; });
  QTest::keyClick(&edit, Qt::Key_B);
  EXPECT_EQ(edit.text(), QStringLiteral("b"));
}

TEST(Worker, AResultIsNotDeliveredOnceItsContextIsGone) {
  auto gate = std::make_shared<TGate>();
  bool delivered = false;
  QLineEdit edit;
  {
    QObject context;
    Start_Off_UI_Thread(
        &context, [gate] { gate->Wait(); },
        std::function<void(TWorkerOutcome<void>&)>([&delivered](auto&) { delivered = true; }), TUserInput::Refused);
  }
  gate->Open();
  while (!gate->Passed) std::this_thread::sleep_for(1ms);
  // Let a delivery that should not come have every chance to arrive.
  for (int i = 0; i < 20; ++i) {
    QCoreApplication::processEvents();
    std::this_thread::sleep_for(1ms);
  }
  EXPECT_FALSE(delivered);
  // The context took the input refusal with it.
  QTest::keyClick(&edit, Qt::Key_C);
  EXPECT_EQ(edit.text(), QStringLiteral("c"));
}
