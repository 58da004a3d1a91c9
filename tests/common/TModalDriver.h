#pragma once
// Acts on the next modal window as soon as it is shown, so a test can drive a window opened with ShowModal and
// see which window it was. A window that is still open a while after the act (the act forgot to close it, or the
// window refused) fails the test and is cancelled, so the test goes on instead of waiting for ever.
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

class TModalDriver {
 public:
  static constexpr int Default_Limit_Ms = 10000;

  explicit TModalDriver(std::function<void(QWidget*)> act, int limit_ms = Default_Limit_Ms);
  ~TModalDriver();
  TModalDriver(const TModalDriver&) = delete;
  TModalDriver& operator=(const TModalDriver&) = delete;

  QWidget* Shown = nullptr;

 private:
  // Notices the window's hiding even when the test shows it again before the driver looks.
  struct THide_Watch : QObject {
    bool Hidden = false;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Hide) Hidden = true;
      return false;
    }
  };

  void Poll();

  std::function<void(QWidget*)> FAct;
  int FLimit_Ms;
  QPointer<QWidget> FActed_On;
  THide_Watch FWatch;
  QElapsedTimer FSince_Act;
  QTimer FTimer;
};
