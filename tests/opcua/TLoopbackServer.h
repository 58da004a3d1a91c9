#pragma once
// A scripted peer on 127.0.0.1 for the failure tests: it accepts one connection and plays its steps in order
// (take what the client sent, send bytes, or hold the connection open while taking what comes), then closes.
#include <QByteArray>
#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

struct TPeerStep {
  enum TKind { Receive, Send, Hold } Kind = Receive;
  QByteArray Bytes;  // Send
  int Ms = 0;        // Hold: until the client closes or this time has passed
};

class TLoopbackServer {
 public:
  explicit TLoopbackServer(std::vector<TPeerStep> script);
  ~TLoopbackServer();
  TLoopbackServer(const TLoopbackServer&) = delete;
  TLoopbackServer& operator=(const TLoopbackServer&) = delete;

  uint16_t Port() const { return FPort; }
  // Waits until the script has ended; then gives what the client sent, one entry per read, in order.
  const std::vector<QByteArray>& Received();

 private:
  void Run();

  std::vector<TPeerStep> FScript;
  int FListener = -1;
  uint16_t FPort = 0;
  std::vector<QByteArray> FReceived;
  std::atomic<bool> FStop{false};
  std::thread FThread;
};

// A socket bound to a free port of 127.0.0.1 (given in port), not yet listening.
int Bound_Loopback_Socket(uint16_t& port);
// A loopback port that nothing listens on (bound, then released).
uint16_t Closed_Loopback_Port();
// The address of the node-opcua test server whose state folder is `state` (tests/opcua/server/start-server.sh
// writes its port there once it listens); empty while none runs.
QByteArray Live_Server_Url(const char* state);
