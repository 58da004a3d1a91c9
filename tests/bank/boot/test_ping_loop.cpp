// The ping loop's stop rules and pacing, on a simulated clock so that no test waits for real seconds.
#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "UPing_Loop.h"

namespace {
// A device seen through the echo client: each attempt takes a scripted reply; a silent attempt uses up the whole
// receive timeout on the simulated clock, an answer comes after 1 ms.
class TSimulated_Device {
 public:
  explicit TSimulated_Device(uint32_t start_tick) : Now(start_tick) {
    Client.SetEchoer([this](const TEchoRequest& r) {
      ++Attempts;
      const int32_t bytes = Script.empty() ? 0 : Script.front();
      if (!Script.empty()) Script.pop_front();
      if (bytes < 0) throw Exception(QStringLiteral("echo cannot be sent"));
      Now += bytes > 0 ? 1 : static_cast<uint32_t>(r.Receive_Timeout_Ms);
      return bytes;
    });
    // As the window's reply event does.
    Client.OnReply = [this](int32_t bytes) { ping_res = bytes > 0 ? prData : prNo_Data; };
    Pacing.Tick_Count = [this] { return Now; };
    Pacing.Sleep = [this](uint32_t ms) {
      Now += ms;
      ++Sleeps;
    };
    Pacing.Process_Events = [this] { ++Event_Rounds; };
  }

  bool Ping() { return Ping_Device(Client, QStringLiteral("10.0.0.1"), ping_res, Pacing); }

  // Bytes per attempt: > 0 answer, 0 silence, -1 an echo error. Silence once the script runs out.
  std::deque<int32_t> Script;
  TIcmpClient Client;
  TPing_Pacing Pacing;
  uint32_t Now;
  int32_t ping_res = -1;
  int Attempts = 0;
  int Sleeps = 0;
  int Event_Rounds = 0;
};
}  // namespace

TEST(PingLoopTest, StopRulesAndTheLastAttemptDecides) {
  struct Case {
    const char* what;
    std::deque<int32_t> script;
    bool result;
    int32_t ping_res;
    int attempts;
  };
  // Silent attempts take 400 ms + one 10 ms sleep; the loop goes on while no more than 5000 ms have passed,
  // so silence gives 13 attempts (the 13th starts at 4920 ms).
  const Case cases[] = {
      {"answers at once", {1032, 1032}, true, prData, 2},
      {"silent", {}, false, prNo_Data, 13},
      {"answers once, then silent", {1032}, false, prNo_Data, 14},
      {"silent twice, then answers", {0, 0, 1032, 1032}, true, prData, 4},
      {"answers, silent, answers", {1032, 0, 1032}, true, prData, 3},
      {"silent 12 times, then answers twice", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1032, 1032}, true, prData, 14},
      {"silent 12 times, answers once, silent", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1032}, false, prNo_Data, 14},
  };
  for (const Case& c : cases) {
    for (uint32_t start : {1000u, 0xFFFFF000u}) {  // the second start wraps the 32-bit tick count
      TSimulated_Device device(start);
      device.Script = c.script;
      EXPECT_EQ(device.Ping(), c.result) << c.what << " from " << start;
      EXPECT_EQ(device.ping_res, c.ping_res) << c.what;
      EXPECT_EQ(device.Attempts, c.attempts) << c.what << " from " << start;
      // At least one sleep with the events processed follows every attempt.
      EXPECT_GE(device.Sleeps, device.Attempts) << c.what;
      EXPECT_EQ(device.Event_Rounds, device.Sleeps) << c.what;
    }
  }
}

TEST(PingLoopTest, EchoErrorEndsTheLoopAndKeepsTheLastReply) {
  TSimulated_Device device(0);
  device.Script = {0, 0, -1, 1032};
  EXPECT_THROW(device.Ping(), Exception);
  EXPECT_EQ(device.Attempts, 3);
  EXPECT_EQ(device.ping_res, prNo_Data);

  TSimulated_Device at_once(0);
  at_once.Script = {-1};
  EXPECT_THROW(at_once.Ping(), Exception);
  EXPECT_EQ(at_once.ping_res, prNone);
}

TEST(PingLoopTest, AReplyEventThatComesLateIsWaitedForUpToTheReceiveTimeout) {
  TSimulated_Device device(0);
  // The echo returns at once without its event; the event arrives while the loop processes events 50 ms later.
  std::vector<uint32_t> sent_at;
  device.Client.SetEchoer([&](const TEchoRequest&) {
    sent_at.push_back(device.Now);
    return 0;
  });
  device.Client.OnReply = nullptr;
  device.Pacing.Process_Events = [&] {
    if (device.Now >= 50) device.ping_res = prData;
  };
  EXPECT_TRUE(device.Ping());
  EXPECT_EQ(sent_at, (std::vector<uint32_t>{0, 50}));
}
