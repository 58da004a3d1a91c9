#include "UPing_Loop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

TPing_Pacing Real_Ping_Pacing() {
  TPing_Pacing pacing;
  pacing.Tick_Count = [] {
    static QElapsedTimer clock = [] {
      QElapsedTimer c;
      c.start();
      return c;
    }();
    return static_cast<uint32_t>(clock.elapsed());
  };
  pacing.Sleep = [](uint32_t ms) { QThread::msleep(ms); };
  pacing.Process_Events = [] { QCoreApplication::processEvents(); };
  return pacing;
}

bool Ping_Device(TIcmpClient& client, const QString& data, int32_t& ping_res, const TPing_Pacing& pacing) {
  ping_res = prNone;
  const uint32_t t0 = pacing.Tick_Count();
  int32_t good_replies = 0;
  do {
    const uint32_t t1 = pacing.Tick_Count();
    client.Ping(data);
    do {
      pacing.Sleep(Ping_Sleep_Ms);
      pacing.Process_Events();
    } while (ping_res == prNone && pacing.Tick_Count() - t1 <= Ping_Attempt_Wait_Ms);
    if (ping_res == prData && ++good_replies >= Ping_Good_Replies) break;
  } while (pacing.Tick_Count() - t0 <= Ping_Total_Ms);
  return ping_res == prData;
}
