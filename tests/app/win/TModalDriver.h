#pragma once
// Acts on the next modal window as soon as it is shown, so a test can drive a window opened with ShowModal and
// see which window it was.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

class TModalDriver {
 public:
  // `act` runs once on the modal window; it must close it (or the test waits for ever).
  explicit TModalDriver(std::function<void(QWidget*)> act) : FAct(std::move(act)) {
    FTimer.setInterval(5);
    QObject::connect(&FTimer, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || !modal->isVisible()) return;
      FTimer.stop();
      Shown = modal;
      FAct(modal);
    });
    FTimer.start();
  }
  ~TModalDriver() { FTimer.stop(); }
  TModalDriver(const TModalDriver&) = delete;
  TModalDriver& operator=(const TModalDriver&) = delete;

  QWidget* Shown = nullptr;

 private:
  std::function<void(QWidget*)> FAct;
  QTimer FTimer;
};
