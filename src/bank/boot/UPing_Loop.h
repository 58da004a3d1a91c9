#pragma once
// The update window's ping: echoes until the device answered twice or 5000 ms passed; the last attempt decides.
// It runs on the UI thread and lets the window process its pending events between short sleeps.
#include <QString>
#include <cstdint>
#include <functional>

#include "UPing.h"

// Replies seen so far: none yet, a reply with data, a reply without data (nothing came within the timeout).
enum TPing_Result : int32_t { prNone = 0, prData = 1, prNo_Data = 2 };

constexpr uint32_t Ping_Total_Ms = 5000;
constexpr uint32_t Ping_Attempt_Wait_Ms = 400;
constexpr uint32_t Ping_Sleep_Ms = 10;
constexpr int32_t Ping_Good_Replies = 2;

// The clock, the sleep and the event processing of the loop; tests put a simulated clock here.
struct TPing_Pacing {
  // A wrapping millisecond count: only differences of two readings are used.
  std::function<uint32_t()> Tick_Count;
  std::function<void(uint32_t ms)> Sleep;
  std::function<void()> Process_Events;
};

// The real clock, sleep and the UI thread's pending events.
TPing_Pacing Real_Ping_Pacing();

// Pings `client`'s host with `data` as described above. `ping_res` is the window's field that the client's reply
// event sets; it is set to prNone first and never reset between attempts. Returns true when it is prData after
// the last attempt. An error of the client propagates and leaves `ping_res` as it was.
bool Ping_Device(TIcmpClient& client, const QString& data, int32_t& ping_res, const TPing_Pacing& pacing);
