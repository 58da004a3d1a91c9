#include "URun_Without_Input.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <exception>
#include <thread>

void Run_Without_Input(QWidget* window, const std::function<void()>& blocking_call) {
  const QPointer<QWidget> focus = window->focusWidget();
  window->setEnabled(false);
  QEventLoop loop;
  std::exception_ptr error;
  std::thread worker([&] {
    try {
      blocking_call();
    } catch (...) {
      error = std::current_exception();
    }
    QMetaObject::invokeMethod(
        &loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
  });
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  worker.join();
  // Input held back during the call reaches the disabled window now and is
  // dropped there.
  QCoreApplication::processEvents();
  window->setEnabled(true);
  if (focus) focus->setFocus();
  if (error) std::rethrow_exception(error);
}
