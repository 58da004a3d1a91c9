// The guard of event delivery: an exception that leaves an event handler is shown as a message and the event loop
// carries on; a widget's own guard catches it before the toolkit's delivery is unwound, the application object
// catches what reaches it from elsewhere (a timer here).
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <stdexcept>

#include "Exception.h"
#include "TDialogRecorder.h"
#include "UApplication.h"

namespace {

// A control whose key event hands the key to its std::function event, which may raise.
class TRaisingControl : public TGuarded<QWidget> {
 public:
  std::function<void(int)> OnKeyDown;
  int Keys = 0;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    ++Keys;
    if (OnKeyDown) OnKeyDown(event->key());
  }
};

// Runs the event loop until `done` holds or ten seconds pass.
bool Wait_For(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  return done();
}

}  // namespace

TEST(Application, TheTestsRunUnderTheGuardingApplicationObject) {
  EXPECT_NE(dynamic_cast<TApplication*>(QCoreApplication::instance()), nullptr);
}

TEST(Application, AnExceptionFromAKeyHandlerIsShownAndTheControlKeepsWorking) {
  TDialogRecorder dialogs;
  dialogs.Queue_Answer(mrOk);
  TRaisingControl control;
  control.OnKeyDown = [](int key) {
    if (key == Qt::Key_A) throw Exception(QStringLiteral("Invalid input value"));
  };
  control.show();
  QTest::keyClick(&control, Qt::Key_A);
  EXPECT_EQ(dialogs.Texts(), QStringList{QStringLiteral("Invalid input value.")});
  ASSERT_EQ(dialogs.Messages.size(), 1u);
  EXPECT_EQ(dialogs.Messages[0].Type, mtError);
  EXPECT_EQ(dialogs.Messages[0].Buttons, TMsgDlgButtons(mbOK));
  QTest::keyClick(&control, Qt::Key_B);
  EXPECT_EQ(control.Keys, 2);
  EXPECT_EQ(dialogs.Messages.size(), 1u);
}

TEST(Application, AnExceptionFromATimerIsShownAndLaterTimersStillRun) {
  TDialogRecorder dialogs;
  dialogs.Queue_Answer(mrOk);
  bool later = false;
  QTimer::singleShot(0, [] { throw std::runtime_error("Timer failed"); });
  QTimer::singleShot(20, [&later] { later = true; });
  EXPECT_TRUE(Wait_For([&] { return later; }));
  EXPECT_EQ(dialogs.Texts(), QStringList{QStringLiteral("Timer failed.")});
}

TEST(Application, TheFullStopRuleOfTheShownMessage) {
  struct Case {
    QString Raised, Shown;
  };
  const Case cases[] = {
      {QStringLiteral("Value out of range"), QStringLiteral("Value out of range.")},
      {QStringLiteral("Already ended."), QStringLiteral("Already ended.")},
      {QStringLiteral("Row 3 (of 5)"), QStringLiteral("Row 3 (of 5)")},
      {QStringLiteral("Stop!"), QStringLiteral("Stop!")},
      {QStringLiteral("Count: 7"), QStringLiteral("Count: 7.")},
      {QString(), QString()},
  };
  for (const Case& c : cases) {
    TDialogRecorder dialogs;
    dialogs.Queue_Answer(mrOk);
    EXPECT_FALSE(Run_Guarded([&] { throw Exception(c.Raised); }));
    EXPECT_EQ(dialogs.Texts(), QStringList{c.Shown}) << c.Raised.toStdString();
  }
  TDialogRecorder dialogs;
  dialogs.Queue_Answer(mrOk);
  EXPECT_TRUE(Run_Guarded([] {}));
  EXPECT_FALSE(Run_Guarded([] { throw 42; }));
  EXPECT_EQ(dialogs.Texts(), QStringList{QStringLiteral("An unknown error occurred.")});
}
