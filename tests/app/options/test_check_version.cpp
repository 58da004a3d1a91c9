// The version query against a local server: what goes on the wire, and how each reply is read.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QList>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "TLocalHttpServer.h"
#include "UCheck_Version.h"

namespace {
// The production limits (10 s to connect, 30 s in all) hold for every answer a server gives, however loaded the
// machine; only the test of a silent server shortens them, since it must wait them out.
class VersionCheck : public ::testing::Test {
 protected:
  void SetUp() override { FOldLimits = Version_Check_Limits(); }
  void TearDown() override {
    Set_Version_Check_Limits(FOldLimits);
    Set_Version_Service_Origin(QString());
  }
  bool Ask(TLocalHttpServer& server) {
    Set_Version_Service_Origin(server.Origin());
    const bool newer = Query_Newer_Version();
    server.Wait();
    return newer;
  }

 private:
  THttpLimits FOldLimits;
};

QList<QByteArray> Header_Lines(const QByteArray& request) {
  QList<QByteArray> lines = request.split('\n');
  for (QByteArray& l : lines) l = l.trimmed();
  lines.removeAll(QByteArray());
  return lines;
}
}  // namespace

TEST_F(VersionCheck, SendsOneHttp10GetWithTheFixedHeaders) {
  TLocalHttpServer server(TLocalHttpServer::Reply(200, "VER. 1.009"));
  Ask(server);
  const QList<QByteArray> lines = Header_Lines(server.Request());
  ASSERT_FALSE(lines.isEmpty()) << server.Request().constData();
  EXPECT_EQ(lines[0], "GET /home/download/GetversionSW.asp?nomesw=SWTarn10 HTTP/1.0");
  EXPECT_TRUE(lines.contains("User-Agent: Mozilla/3.0 (compatible; Indy Library)"));
  EXPECT_TRUE(lines.contains("Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"));
  EXPECT_TRUE(lines.contains("Host: 127.0.0.1:" + QByteArray::number(server.Port())));
  for (const QByteArray& line : lines) {
    EXPECT_FALSE(line.toLower().startsWith("cookie")) << line.constData();
    EXPECT_FALSE(line.toLower().startsWith("proxy")) << line.constData();
  }
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const QByteArray& l) { return l.startsWith("Accept:"); }),
            1);
}

TEST_F(VersionCheck, IgnoresTheProxyOfTheEnvironment) {
  // A proxy that does not exist: the request only reaches our server if the client goes direct.
  const QByteArray old = qgetenv("http_proxy");
  qputenv("http_proxy", "http://127.0.0.1:9");
  TLocalHttpServer server(TLocalHttpServer::Reply(200, "VER. 1.010"));
  const bool newer = Ask(server);
  if (old.isNull())
    qunsetenv("http_proxy");
  else
    qputenv("http_proxy", old);
  EXPECT_TRUE(newer);
  EXPECT_TRUE(server.Request().startsWith("GET /home/"));
}

struct TReplyCase {
  const char* Name;
  QByteArray Response;
  bool Newer;
};

void PrintTo(const TReplyCase& c, std::ostream* os) {
  *os << c.Name;
}

class VersionReplies : public VersionCheck, public ::testing::WithParamInterface<TReplyCase> {};

TEST_P(VersionReplies, ReportANewerVersionOnlyForANewerNumber) {
  TLocalHttpServer server(GetParam().Response);
  EXPECT_EQ(Ask(server), GetParam().Newer);
  EXPECT_FALSE(server.Request().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, VersionReplies,
    ::testing::Values(
        TReplyCase{"Newer", TLocalHttpServer::Reply(200, "VER. 1.010"), true},
        TReplyCase{"NewerLowerCaseWithBlanks", TLocalHttpServer::Reply(200, "ver. 1.010 \r\n"), true},
        TReplyCase{"NewerWithoutPrefix", TLocalHttpServer::Reply(200, "X 2.000"), true},
        TReplyCase{"Equal", TLocalHttpServer::Reply(200, "VER. 1.009"), false},
        TReplyCase{"Older", TLocalHttpServer::Reply(200, "VER. 0.900"), false},
        TReplyCase{"NoKnownVersion", TLocalHttpServer::Reply(200, "VER. 0.000"), false},
        TReplyCase{"Malformed", TLocalHttpServer::Reply(200, "VER. 2.1"), false},
        TReplyCase{"HexDigits", TLocalHttpServer::Reply(200, "VER. $.FFF"), false},
        TReplyCase{"HtmlPage",
                   TLocalHttpServer::Reply(200, "<!DOCTYPE html><html><title>Server Error</title></html>"), false},
        TReplyCase{"Empty", TLocalHttpServer::Reply(200, ""), false},
        TReplyCase{"ErrorStatus", TLocalHttpServer::Reply(404, "VER. 9.999"), false},
        TReplyCase{"Redirection", TLocalHttpServer::Reply(302, "VER. 9.999"), false},
        TReplyCase{"BrokenTransfer", "HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nVER. 9.999", false}),
    [](const ::testing::TestParamInfo<TReplyCase>& info) { return std::string(info.param.Name); });

TEST_F(VersionCheck, NoAnswerWithinTheLimitCountsAsNoNewerVersion) {
  THttpLimits limits;
  limits.Total_Timeout_Ms = 400;
  Set_Version_Check_Limits(limits);
  TLocalHttpServer server(QByteArray(), TLocalHttpServer::TMode::Silent);
  EXPECT_FALSE(Ask(server));
  EXPECT_TRUE(server.Request().startsWith("GET /home/"));
}

TEST_F(VersionCheck, NothingListeningCountsAsNoNewerVersion) {
  quint16 port;
  {
    TLocalHttpServer closed(TLocalHttpServer::Reply(200, "VER. 9.999"));
    port = closed.Port();
    Set_Version_Service_Origin(closed.Origin());
    EXPECT_TRUE(Query_Newer_Version());  // the one connection it serves
  }
  Set_Version_Service_Origin(QStringLiteral("http://127.0.0.1:%1").arg(port));
  EXPECT_FALSE(Query_Newer_Version());
}

TEST(ConvVersion, ReadsOneDigitAPointAndThreeDigitsAfterTheFirstBlank) {
  const struct {
    const char* Text;
    int32_t Value;
  } cases[] = {
      {"VER. 1.010", 1010},
      {"1.009", 1009},
      {"VER. 2.1", -1},
      {"VER. 10.01", -1},
      {"VER. 1.0105", 1010},
      {"VER.  1.011 ", 1011},
      {"VER. a.bcd", -1},
      {"", -1},
      {"VER. ", -1},
      {"A B 1.010", -1},
      // Only decimal digits: no hex prefix, no sign.
      {"VER. $.FFF", -1},
      {"VER. x.FFF", -1},
      {"VER. -.123", -1},
      {"VER. 1x010", 1010},
  };
  for (const auto& c : cases) EXPECT_EQ(Conv_Version_Text(QString::fromLatin1(c.Text)), c.Value) << c.Text;
}

TEST(VersionUrls, AllUseTheMakersHostWithTheFixedPaths) {
  EXPECT_EQ(Version_Service_Url(), "http://" + Maker_Host + "/home/download/GetversionSW.asp?nomesw=SWTarn10");
  EXPECT_EQ(Download_Page_Url(), "http://" + Maker_Host + "/Home/download/download.asp#HDTarn10");
  EXPECT_EQ(Home_Page_Url(), "http://" + Maker_Host + "/HOME/default.asp?frompg=SWTarn10");
  EXPECT_TRUE(Maker_Host.endsWith(QStringLiteral(".invalid")));
}

// The request runs off the UI thread: while the service keeps silent, the UI thread goes on with its timers, and
// the user's input is dropped rather than acted on. The limit is short, but far above what the UI thread needs to
// reach its timer.
TEST_F(VersionCheck, WhileTheRequestRunsTheWindowsGoOnButTakeNoInput) {
  THttpLimits limits;
  limits.Total_Timeout_Ms = 1000;
  Set_Version_Check_Limits(limits);
  TLocalHttpServer server(QByteArray(), TLocalHttpServer::TMode::Silent);
  QLineEdit edit;
  bool ticked = false;
  QTimer::singleShot(0, [&] {
    ticked = true;
    QTest::keyClick(&edit, Qt::Key_A);
  });
  EXPECT_FALSE(Ask(server));
  EXPECT_TRUE(ticked);
  EXPECT_TRUE(edit.text().isEmpty());
  QTest::keyClick(&edit, Qt::Key_B);
  EXPECT_EQ(edit.text(), QStringLiteral("b"));
}
