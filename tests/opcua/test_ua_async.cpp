// The browse window's asynchronous call: the browse runs off the UI thread, its count arrives on the UI thread,
// the caller's texts may go away at once, and a second browse is refused while one runs.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <chrono>

#include "TLoopbackServer.h"
#include "UaBrowseAsync.h"

namespace {

void Process_Until(const std::function<bool()>& done) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!done() && std::chrono::steady_clock::now() < end) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

}  // namespace

TEST(UaBrowseAsync, TheCountArrivesOnTheUIThreadWhileTheWindowsGoOnAndASecondBrowseWaits) {
  // A peer that takes the Hello and then says nothing: the browse lasts until its step limit.
  TLoopbackServer peer({{TPeerStep::Receive, {}, 0}, {TPeerStep::Hold, {}, 5000}});
  QByteArray address = "opc.tcp://127.0.0.1:" + QByteArray::number(peer.Port());
  opcua_server_to_discover server;
  server.server_address = address.constData();
  TUaBrowseLimits limits;
  // Long enough for the Hello to go out on a loaded machine, short enough for a quick test.
  limits.Step_Timeout_Ms = 1000;
  limits.Total_Timeout_Ms = 5000;

  QObject window;
  int32_t count = -1;
  Qt::HANDLE delivered_on = nullptr;
  ASSERT_TRUE(Start_Browse(
      &window, server,
      [&](int32_t n) {
        count = n;
        delivered_on = QThread::currentThreadId();
      },
      TUserInput::Refused, limits));
  // The record's texts are the caller's: they may change as soon as the call has returned.
  address.fill('x');
  EXPECT_TRUE(Browse_Running());
  EXPECT_FALSE(Start_Browse(&window, server, [](int32_t) {}));

  bool ticked = false;
  QTimer::singleShot(0, [&ticked] { ticked = true; });
  Process_Until([&] { return count >= 0; });
  EXPECT_TRUE(ticked);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(delivered_on, QThread::currentThreadId());
  EXPECT_FALSE(Browse_Running());
  // The peer got the client's Hello, so the copied address was the one used.
  EXPECT_FALSE(peer.Received().empty());
}

TEST(UaBrowseAsync, AWindowGoneBeforeTheEndGetsNothingAndTheNextBrowseMayStart) {
  const QByteArray address = "opc.tcp://127.0.0.1:" + QByteArray::number(Closed_Loopback_Port());
  opcua_server_to_discover server;
  server.server_address = address.constData();
  bool called = false;
  {
    QObject window;
    ASSERT_TRUE(Start_Browse(&window, server, [&called](int32_t) { called = true; }));
  }
  Process_Until([] { return !Browse_Running(); });
  QCoreApplication::processEvents();
  EXPECT_FALSE(called);

  QObject window;
  int32_t count = -1;
  ASSERT_TRUE(Start_Browse(&window, server, [&count](int32_t n) { count = n; }));
  Process_Until([&] { return count >= 0; });
  EXPECT_EQ(count, 0);
}
