// The ICMP echo layer: address reading, the packet and the checks that decide whether a packet answers our echo.
#include <gtest/gtest.h>

#include <netdb.h>
#include <sys/socket.h>

#include <QByteArray>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include <cerrno>
#include <vector>

#include "UPing.h"

namespace {
QByteArray Bytes(std::initializer_list<int> values) {
  QByteArray b;
  for (int v : values) b.append(static_cast<char>(v));
  return b;
}

// An IPv4 header of `words` 32-bit words (only the version/length byte matters to the reader).
QByteArray Ip_Header(int words) {
  QByteArray h(words * 4, '\0');
  h[0] = static_cast<char>(0x40 | words);
  return h;
}

QByteArray Icmp(int type, int code, uint16_t id, uint16_t seq, const QByteArray& data) {
  QByteArray p = Bytes({type, code, 0, 0, id >> 8, id & 0xFF, seq >> 8, seq & 0xFF});
  return p + data;
}
}  // namespace

TEST(IcmpTest, ChecksumOfKnownBytes) {
  // The worked example of the Internet checksum: the sum 0xDDF2 gives the checksum 0x220D.
  EXPECT_EQ(Icmp_Checksum(Bytes({0x00, 0x01, 0xF2, 0x03, 0xF4, 0xF5, 0xF6, 0xF7})), 0x220D);
  // An odd length pads the last byte with a zero on the right.
  EXPECT_EQ(Icmp_Checksum(Bytes({0x01})), 0xFEFF);
}

TEST(IcmpTest, EchoRequestCarriesTheDataInAnAreaOfThePacketSize) {
  const QByteArray data("192.168.2.205");
  const QByteArray p = Build_Echo_Request(0x1234, 7, data, 1024);
  ASSERT_EQ(p.size(), 8 + 1024);
  EXPECT_EQ(static_cast<uint8_t>(p[0]), 8);  // echo request
  EXPECT_EQ(p[1], 0);
  EXPECT_EQ(p.mid(4, 4), Bytes({0x12, 0x34, 0x00, 0x07}));
  EXPECT_EQ(p.mid(8, data.size()), data);
  EXPECT_EQ(p.mid(8 + data.size()), QByteArray(1024 - data.size(), '\0'));
  // A packet with a correct checksum sums to zero.
  EXPECT_EQ(Icmp_Checksum(p), 0);

  const QByteArray cut = Build_Echo_Request(1, 1, data, 4);
  EXPECT_EQ(cut.mid(8), QByteArray("192."));
}

TEST(IcmpTest, OnlyTheReplyToOurEchoCounts) {
  const uint16_t id = 0x4321;
  const uint16_t seq = 9;
  const QByteArray data(32, 'x');
  const QByteArray our_request = Icmp(8, 0, id, seq, data);
  // An error report quotes the IP header and the first 8 bytes of the datagram that failed: our own echo.
  const QByteArray quoted = Ip_Header(5) + our_request.left(8);
  struct Case {
    const char* what;
    QByteArray packet;
    bool with_ip_header;
    bool check_id;
    int32_t expected;
  };
  const Case cases[] = {
      {"reply, raw socket", Ip_Header(5) + Icmp(0, 0, id, seq, data), true, true, 40},
      {"reply behind IP options", Ip_Header(6) + Icmp(0, 0, id, seq, data), true, true, 40},
      {"reply, datagram socket", Icmp(0, 0, id, seq, data), false, false, 40},
      {"datagram socket: the kernel's identifier", Icmp(0, 0, 0x0101, seq, data), false, false, 40},
      {"our own request seen on loopback", Ip_Header(5) + our_request, true, true, 0},
      {"destination unreachable", Ip_Header(5) + Icmp(3, 1, 0, 0, quoted), true, true, 0},
      {"time exceeded", Ip_Header(5) + Icmp(11, 0, 0, 0, quoted), true, true, 0},
      {"unreachable without IP header", Icmp(3, 3, id, seq, quoted), false, false, 0},
      {"reply to another sequence", Ip_Header(5) + Icmp(0, 0, id, seq + 1, data), true, true, 0},
      {"reply to another program", Ip_Header(5) + Icmp(0, 0, id + 1, seq, data), true, true, 0},
      {"reply with a non-zero code", Icmp(0, 1, id, seq, data), false, false, 0},
      {"truncated header", Ip_Header(5) + Bytes({0, 0, 0}), true, true, 0},
      {"IP header longer than the packet", Ip_Header(15).left(20), true, true, 0},
      {"empty", QByteArray(), true, true, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Echo_Reply_Length(c.packet, c.with_ip_header, c.check_id, id, seq), c.expected) << c.what;
}

TEST(IcmpTest, AddressesAreReadAsDecimalAndNonsenseNeverReachesTheResolver) {
  struct Case {
    const char* host;
    uint32_t address;
  };
  const Case good[] = {
      {"192.168.2.205", 0xC0A802CD},   {"127.0.0.1", 0x7F000001},
      {"010.000.002.001", 0x0A000201},  // leading zeros are decimal, not octal
      {"255.255.255.255", 0xFFFFFFFF}, {"localhost", 0x7F000001},
  };
  for (const Case& c : good) EXPECT_EQ(Resolve_IPv4(QString::fromLatin1(c.host)), c.address) << c.host;

  const char* bad[] = {"",           "1.2.3.300",      "1.2.3",          "1.2.3.4.5", "1..3.4",
                       "0001.2.3.4", "192 .168.2.205", " 192.168.2.205", "a b",       "1.2.3.4\n"};
  for (const char* host : bad) EXPECT_THROW(Resolve_IPv4(QString::fromLatin1(host)), Exception) << host;
}

namespace {
std::atomic<bool> Lookup_Released{false};
std::atomic<bool> Lookup_Ended{false};

// Answers 10.1.2.3 for "answering", nothing for "unknown", and keeps "silent" waiting until released.
int Scripted_Resolver(const char* name, const char*, const addrinfo*, addrinfo** found) {
  const std::string host = name;
  if (host == "silent") {
    while (!Lookup_Released) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    Lookup_Ended = true;
    return EAI_AGAIN;
  }
  if (host != "answering") return EAI_NONAME;
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  return ::getaddrinfo("10.1.2.3", nullptr, &hints, found);
}
}  // namespace

// The name lookup is bounded: a resolver that never answers costs the limit, not the whole ping.
TEST(IcmpTest, TheNameLookupAnswersFailsOrGivesUpAtItsLimit) {
  Set_Ping_Name_Resolver(&Scripted_Resolver);
  Set_Ping_Name_Lookup_Limit_Ms(100);
  EXPECT_EQ(Resolve_IPv4(QStringLiteral("answering")), 0x0A010203u);
  EXPECT_THROW(Resolve_IPv4(QStringLiteral("unknown")), Exception);
  try {
    Resolve_IPv4(QStringLiteral("silent"));
    ADD_FAILURE() << "no error raised";
  } catch (const Exception& e) {
    EXPECT_TRUE(e.Message().contains(QStringLiteral("silent"))) << e.what();
  }
  EXPECT_FALSE(Lookup_Ended);
  Lookup_Released = true;
  while (!Lookup_Ended) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  Set_Ping_Name_Resolver(nullptr);
  Set_Ping_Name_Lookup_Limit_Ms(Default_Name_Lookup_Limit_Ms);
}

TEST(IcmpTest, AnUnresolvableHostRaisesBeforeAnySocketIsNeeded) {
  TEchoRequest request;
  request.Host = QStringLiteral("192.168.2.300");
  try {
    Icmp_Echo(request);
    FAIL() << "no error raised";
  } catch (const EPingUnavailable& e) {
    FAIL() << "reported as a socket problem: " << e.what();
  } catch (const Exception& e) {
    EXPECT_TRUE(e.Message().contains(QStringLiteral("192.168.2.300"))) << e.what();
  }
}

TEST(IcmpTest, LoopbackAnswers) {
  TEchoRequest request;
  request.Host = QStringLiteral("127.0.0.1");
  request.Data = "127.0.0.1";
  int32_t received = 0;
  try {
    received = Icmp_Echo(request);
  } catch (const EPingUnavailable& e) {
    GTEST_SKIP() << "this machine forbids both ICMP sockets: " << e.what();
  }
  // The reply echoes our 1024 data bytes behind its 8-byte header.
  EXPECT_EQ(received, 8 + 1024);
}

TEST(IcmpTest, ClientReportsTheReplyAndPassesItsSettings) {
  TIcmpClient client;
  client.SetHost(QStringLiteral("10.0.0.7"));
  std::vector<TEchoRequest> sent;
  client.SetEchoer([&](const TEchoRequest& r) {
    sent.push_back(r);
    return sent.size() == 1 ? 1032 : 0;
  });
  std::vector<int32_t> replies;
  client.OnReply = [&](int32_t bytes) { replies.push_back(bytes); };
  client.Ping(QStringLiteral("10.0.0.7"));
  client.Ping(QStringLiteral("10.0.0.7"));
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].Host, QStringLiteral("10.0.0.7"));
  EXPECT_EQ(sent[0].Data, QByteArray("10.0.0.7"));
  EXPECT_EQ(sent[0].Packet_Size, 1024);
  EXPECT_EQ(sent[0].Receive_Timeout_Ms, 400);
  EXPECT_EQ(replies, (std::vector<int32_t>{1032, 0}));

  client.SetEchoer([](const TEchoRequest&) -> int32_t { throw Exception(QStringLiteral("no route")); });
  EXPECT_THROW(client.Ping(QStringLiteral("x")), Exception);
  EXPECT_EQ(replies.size(), 2u) << "an error must not be reported as a reply";
}

namespace {
// Closes or opens each way of sending an echo and records the order in which they were tried.
class EchoMeansTest : public ::testing::Test {
 protected:
  ~EchoMeansTest() override { Set_Echo_Means({}); }

  // `datagram` and `raw`: the descriptor the opener gives, or an errno value (as a negative number) it fails with.
  void Install(int datagram, int raw, std::function<TPing_Program_Run()> program) {
    TEchoMeans means;
    means.Open_Socket = [this, datagram, raw](int type) {
      Tried.push_back(type == SOCK_DGRAM ? "datagram" : "raw");
      const int result = type == SOCK_DGRAM ? datagram : raw;
      if (result >= 0) return result;
      errno = -result;
      return -1;
    };
    means.Run_Ping_Program = [this, program](const QStringList& arguments, int32_t limit_ms) {
      Tried.push_back("program");
      Arguments = arguments;
      Limit_Ms = limit_ms;
      return program();
    };
    Set_Echo_Means(means);
  }
  static TEchoRequest Loopback() {
    TEchoRequest request;
    request.Host = QStringLiteral("127.0.0.1");
    request.Data = "127.0.0.1";
    return request;
  }
  static TPing_Program_Run Ran(int exit_code, const char* output) {
    TPing_Program_Run run;
    run.Started = true;
    run.Exit_Code = exit_code;
    run.Output = output;
    return run;
  }

  std::vector<std::string> Tried;
  QStringList Arguments;
  int32_t Limit_Ms = 0;
};

// A socket that opens but cannot carry an IPv4 echo: the send fails, which shows that an opened way is the one used.
int Socket_That_Cannot_Send() {
  return ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
}

const char* const Reply_Output =
    "PING 127.0.0.1 (127.0.0.1) 1024(1052) bytes of data.\n"
    "1032 bytes from 127.0.0.1: icmp_seq=1 ttl=64 time=0.040 ms\n\n"
    "--- 127.0.0.1 ping statistics ---\n1 packets transmitted, 1 received, 0% packet loss, time 0ms\n";
}  // namespace

TEST_F(EchoMeansTest, TheFirstWayThatOpensIsTheOneUsed) {
  using Ways = std::vector<std::string>;
  const auto never = [] { return TPing_Program_Run(); };
  Install(Socket_That_Cannot_Send(), -EPERM, never);
  EXPECT_THROW(
      {
        try {
          Icmp_Echo(Loopback());
        } catch (const EPingUnavailable&) {
          ADD_FAILURE() << "an opened socket is not a missing permission";
        }
      },
      Exception);
  EXPECT_EQ(Tried, (Ways{"datagram"}));

  Tried.clear();
  Install(-EACCES, Socket_That_Cannot_Send(), never);
  EXPECT_THROW(Icmp_Echo(Loopback()), Exception);
  EXPECT_EQ(Tried, (Ways{"datagram", "raw"}));

  Tried.clear();
  Install(-EACCES, -EPERM, [] { return Ran(0, Reply_Output); });
  EXPECT_EQ(Icmp_Echo(Loopback()), 1032);
  EXPECT_EQ(Tried, (Ways{"datagram", "raw", "program"}));

  // A host that cannot be resolved opens nothing.
  Tried.clear();
  TEchoRequest bad = Loopback();
  bad.Host = QStringLiteral("127.0.0.300");
  EXPECT_THROW(Icmp_Echo(bad), Exception);
  EXPECT_TRUE(Tried.empty());
}

TEST_F(EchoMeansTest, ThePingProgramGetsTheSizeTimeoutDataAndResolvedAddress) {
  Install(-EACCES, -EPERM, [] { return Ran(0, Reply_Output); });
  TEchoRequest request = Loopback();
  request.Host = QStringLiteral("localhost");
  request.Data = "192.168.200.201 and more";
  EXPECT_EQ(Icmp_Echo(request), 1032);
  // The 16 bytes of the pattern are the start of the data; the program is never handed a name to look up.
  EXPECT_EQ(Arguments, (QStringList{"-n", "-c", "1", "-s", "1024", "-W", "0.400", "-p",
                                    QString::fromLatin1(QByteArray("192.168.200.201 ").toHex()), "127.0.0.1"}));
  EXPECT_GT(Limit_Ms, 400);

  request.Packet_Size = 56;
  request.Receive_Timeout_Ms = 0;
  request.Data.clear();
  Icmp_Echo(request);
  EXPECT_EQ(Arguments, (QStringList{"-n", "-c", "1", "-s", "56", "-W", "0.001", "127.0.0.1"}));
}

TEST_F(EchoMeansTest, WhatThePingProgramReportsDecidesTheAnswer) {
  struct Case {
    const char* what;
    TPing_Program_Run run;
    int32_t expected;  // -1: EPingUnavailable, -2: another error
  };
  TPing_Program_Run stopped;
  stopped.Started = true;
  const Case cases[] = {
      {"reply", Ran(0, Reply_Output), 1032},
      {"no reply within the timeout",
       Ran(1,
           "PING 10.0.0.9 (10.0.0.9) 1024(1052) bytes of data.\n\n1 packets "
           "transmitted, 0 received, 100% packet loss, time 0ms\n"),
       0},
      {"unreachable report", Ran(1, "From 10.0.0.1 icmp_seq=1 Destination Host Unreachable\n"), 0},
      {"stopped at its limit", stopped, 0},
      {"not installed", TPing_Program_Run(), -1},
      {"program without privilege", Ran(2, "ping: socktype: SOCK_RAW\nping: socket: Operation not permitted\n"), -1},
      {"no route", Ran(2, "ping: connect: Network is unreachable\n"), -2},
  };
  for (const Case& c : cases) {
    Install(-EACCES, -EPERM, [&c] { return c.run; });
    try {
      EXPECT_EQ(Icmp_Echo(Loopback()), c.expected) << c.what;
    } catch (const EPingUnavailable& e) {
      EXPECT_EQ(c.expected, -1) << c.what << ": " << e.what();
      // The cause of each way, for the user to act on.
      EXPECT_TRUE(e.Message().contains(QStringLiteral("Permission denied"))) << e.what();
      EXPECT_TRUE(e.Message().contains(QStringLiteral("Operation not permitted"))) << e.what();
      EXPECT_TRUE(e.Message().contains(QStringLiteral("ping program"))) << e.what();
    } catch (const Exception& e) {
      EXPECT_EQ(c.expected, -2) << c.what << ": " << e.what();
      EXPECT_TRUE(e.Message().contains(QStringLiteral("Network is unreachable"))) << e.what();
    }
  }
}

TEST_F(EchoMeansTest, TheSystemPingProgramAnswersForLoopback) {
  // Both sockets closed as for an ordinary user on a machine that allows neither: the real program answers.
  TEchoMeans means;
  means.Open_Socket = [this](int) {
    Tried.push_back("socket");
    errno = EACCES;
    return -1;
  };
  Set_Echo_Means(means);
  EXPECT_EQ(Icmp_Echo(Loopback()), 8 + 1024);
  EXPECT_EQ(Tried.size(), 2u);
}
