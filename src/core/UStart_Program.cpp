#include "UStart_Program.h"

#include <QElapsedTimer>
#include <QThread>

#include "UProcess.h"

namespace {

constexpr unsigned long Poll_Period_Ms = 10;
int64_t Limit_Ms = Start_Program_Default_Limit_Ms;

}  // namespace

void Set_Start_Program_Limit_Ms(int64_t limit_ms) {
  Limit_Ms = limit_ms > 0 ? limit_ms : Start_Program_Default_Limit_Ms;
}

bool Start_Program(const QString& NomeSW, const QString& Parameter, uint8_t tipo) {
  // A Linux program decides about its own windows; there is no show/hide request to pass on.
  static_cast<void>(tipo);
  TChildProcess process;
  if (!process.Start(NomeSW, Parameter)) return false;
  // A monotonic 64-bit clock: neither a wrap nor a change of the wall clock moves the limit.
  QElapsedTimer clock;
  clock.start();
  for (;;) {
    if (!process.Running()) {
      QThread::msleep(Poll_Period_Ms);
      return true;
    }
    if (clock.elapsed() >= Limit_Ms) return true;
    QThread::msleep(Poll_Period_Ms);
  }
}
