#include "TModalDriver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>

TModalDriver::TModalDriver(std::function<void(QWidget*)> act, int limit_ms)
    : FAct(std::move(act)), FLimit_Ms(limit_ms) {
  FTimer.setInterval(5);
  QObject::connect(&FTimer, &QTimer::timeout, [this] { Poll(); });
  FTimer.start();
}

TModalDriver::~TModalDriver() {
  FTimer.stop();
  if (FActed_On) FActed_On->removeEventFilter(&FWatch);
}

void TModalDriver::Poll() {
  if (!Shown) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    Shown = modal;
    FActed_On = modal;
    modal->installEventFilter(&FWatch);
    FSince_Act.start();
    FAct(modal);
    return;
  }
  if (!FActed_On || FWatch.Hidden) {
    FTimer.stop();
    return;
  }
  if (FSince_Act.elapsed() < FLimit_Ms) return;
  FTimer.stop();
  ADD_FAILURE() << "the modal window " << FActed_On->metaObject()->className() << " was still open " << FLimit_Ms
                << " ms after the driver acted on it; cancelled";
  if (auto* dialog = qobject_cast<QDialog*>(FActed_On.data()))
    dialog->reject();
  else
    FActed_On->close();
}
