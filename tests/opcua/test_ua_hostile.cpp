// A hostile server cannot exhaust the client's memory or time. Each browse runs in a child process, so that the
// growth of its peak resident size is its own and not the server's (which runs in the test process and makes its
// replies before the child starts): the replies are those that once took gigabytes or minutes.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <chrono>
#include <cstring>
#include <memory>

#include "OPC_UA_Search.h"
#include "TTestCertificates.h"
#include "TUaFakeServer.h"
#include "UaCrypto.h"

namespace {

constexpr qsizetype MiB = 1 << 20;
// Far above what a bounded client needs (the replies themselves and the sanitizer's quarantine of freed memory),
// far below what the unbounded one took.
constexpr int64_t Memory_Bound_MiB = 400;

int64_t Status_Kb(const char* field) {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith(field))
      return line.mid(qsizetype(std::strlen(field))).trimmed().split(' ').front().toLongLong();
  return -1;
}

struct TChildBrowse {
  int32_t Variables = -1;
  int64_t Growth_MiB = -1;
  int64_t Elapsed_Ms = -1;
  uint32_t Longest_Name = 0;
  uint32_t Longest_Id = 0;
  char Error[256] = {};  // why the browse ended early, when it did
};

// The browse of a child process against the server: what it found, how far its peak resident size rose, how long
// it took.
TChildBrowse Browse_In_Child(const TUaFakeServer::TAnswerer& answerer, const TUaBrowseLimits& limits,
                             bool user_login = false) {
  int url_pipe[2];
  int result_pipe[2];
  if (::pipe(url_pipe) != 0 || ::pipe(result_pipe) != 0) return {};
  const pid_t child = ::fork();
  if (child < 0) return {};
  if (child == 0) {
    char url[64] = {};
    if (::read(url_pipe[0], url, sizeof url - 1) <= 0) ::_exit(1);
    TChildBrowse out;
    QFile clear("/proc/self/clear_refs");  // "5" restarts the peak resident size from the present one
    if (clear.open(QIODevice::WriteOnly) && clear.write("5") == 1) {
      clear.close();
      const int64_t start_kb = Status_Kb("VmRSS:");
      const auto start = std::chrono::steady_clock::now();
      opcua_server_to_discover server;
      server.server_address = url;
      server.user_pass_auth_flag = user_login ? 1 : 0;
      server.username = "user";
      server.password = "secret";
      out.Variables = Ua_Client_Begin(server, limits);
      const QByteArray error = Ua_Last_Browse_Error().toUtf8();
      std::strncpy(out.Error, error.constData(), sizeof out.Error - 1);
      out.Elapsed_Ms =
          std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
      out.Growth_MiB = (Status_Kb("VmHWM:") - start_kb) / 1024;
      for (int32_t i = 0; i < out.Variables; ++i) {
        opcua_structure v;
        opcua_return_variable(&v, i);
        out.Longest_Name = std::max(out.Longest_Name, v.displayNameLength);
        out.Longest_Id = std::max(out.Longest_Id, v.stringLength);
      }
    }
    ::write(result_pipe[1], &out, sizeof out);
    ::_exit(0);  // nothing of the test process's own may run here
  }
  ::close(url_pipe[0]);
  ::close(result_pipe[1]);
  TChildBrowse out;
  {
    TUaFakeServer server(answerer);
    const QByteArray url = server.Url();
    ::write(url_pipe[1], url.constData(), size_t(url.size()));
    pollfd p{result_pipe[0], POLLIN, 0};
    if (::poll(&p, 1, 50000) > 0) ::read(result_pipe[0], &out, sizeof out);
  }
  ::close(url_pipe[1]);
  ::close(result_pipe[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return out;
}

TUaBrowseLimits Limits() {
  TUaBrowseLimits limits;
  limits.Step_Timeout_Ms = 5000;
  limits.Total_Timeout_Ms = 5000;
  return limits;
}

// For the cases in which the browse is meant to succeed: room for a slow, loaded machine, since what they prove
// is what is kept, not how quickly.
TUaBrowseLimits Roomy_Limits() {
  TUaBrowseLimits limits;
  limits.Step_Timeout_Ms = 15000;
  limits.Total_Timeout_Ms = 25000;
  return limits;
}

void Expect_Within_Limits(const TChildBrowse& got, const TUaBrowseLimits& limits, const char* name) {
  ASSERT_GE(got.Growth_MiB, 0) << name << ": the child reported nothing";
  EXPECT_LT(got.Growth_MiB, Memory_Bound_MiB) << name;
  // An upper bound only: the browse must end by its own overall limit, not minutes after.
  EXPECT_LT(got.Elapsed_Ms, limits.Total_Timeout_Ms + 5000) << name << " (" << got.Error << ")";
}

// A server whose address space grows by `per_reply` new variables with each of its first `replies` Browse answers,
// the ids made by id_of; Reads give each variable Int32, read and write, and read_name.
TUaFakeServer::TAnswerer Growing_Tree(int replies, int per_reply, std::function<TUaNodeId(int)> id_of,
                                      QByteArray browse_name, QByteArray read_name) {
  auto made = std::make_shared<int>(0);
  auto answered = std::make_shared<int>(0);
  return [=](const TUaFakeRequest& request) -> std::optional<QByteArray> {
    const int32_t count = request.Count();
    if (request.Type == UaId::ReadRequest) {
      return UaFake::Read_Answer(count, UaFake::Variable_Attributes(count, read_name));
    }
    if (request.Type != UaId::BrowseRequest || *answered >= replies) return std::nullopt;
    ++*answered;
    std::vector<std::vector<UaFake::TRef>> results(size_t(std::max(count, 1)));
    for (int i = 0; i < per_reply; ++i) results[size_t(i) % results.size()].push_back({id_of(++*made), browse_name});
    results.resize(size_t(count));
    return UaFake::Browse_Answer(UaId::BrowseResponse, results);
  };
}

// 16 MiB of empty data values once made 2.5 GB of decoded values before their count was compared with the request;
// a Browse answer of minimal references amplified the same way.
TEST(UaHostile, HugeCountsAreRefusedBeforeDecoding) {
  const qsizetype room = 16 * MiB - 4096;  // below the client's largest message
  const QByteArray empty_values = UaFake::Read_Answer(int32_t(room), QByteArray(room, 0));
  TUaWriter references;
  UaFake::Response_Start(references, UaId::BrowseResponse);
  references.Int32(1);
  references.UInt32(0);
  references.ByteString(QByteArray());
  const int32_t minimal = int32_t((room - 64) / 18);
  references.Int32(minimal);
  const QByteArray reference = QByteArray::fromHex(
      "0000"
      "01"
      "0000"
      "0000 00000000"
      "00"
      "02000000"
      "0000");
  references.Raw(reference.repeated(minimal));
  references.Array_Length(-1);

  struct TCase {
    const char* Name;
    uint32_t Request;
    QByteArray Answer;
  };
  const TCase cases[] = {
      {"16 MiB Read answer of empty values", UaId::ReadRequest, empty_values},
      {"16 MiB Browse answer of minimal references", UaId::BrowseRequest, references.Data()},
  };
  for (const TCase& c : cases) {
    auto answerer = [&c](const TUaFakeRequest& request) -> std::optional<QByteArray> {
      if (request.Type == c.Request) return c.Answer;
      return std::nullopt;
    };
    const TChildBrowse got = Browse_In_Child(answerer, Limits());
    EXPECT_EQ(got.Variables, 0) << c.Name;
    Expect_Within_Limits(got, Limits(), c.Name);
  }
}

// ---- the password's encryption ----

const QByteArray Basic128Rsa15("http://opcfoundation.org/UA/SecurityPolicy#Basic128Rsa15");

// A 16 MiB nonce and a 96-bit key once took one RSA operation per byte: minutes for one browse with a 5 s limit.
// Nonces above 64 bytes and keys below 1024 bits are refused before anything is encrypted.
TEST(UaHostile, PasswordEncryptionIsBounded) {
  const TTestKey tiny = Public_Rsa_Key("C5A2F3B1D4E6F7A8B9C0D1E3");  // 96 bits
  const TTestKey short_key = Generated_Rsa_Key(1023);
  const TTestKey least = Generated_Rsa_Key(1024);
  struct TCase {
    const char* Name;
    EVP_PKEY* Key;
    qsizetype Nonce;
    bool Activates;
  };
  const TCase cases[] = {
      {"16 MiB nonce, 96-bit key", tiny.get(), 16 * MiB - 4096, false},
      {"32-byte nonce, 96-bit key", tiny.get(), 32, false},
      {"32-byte nonce, 1023-bit key", short_key.get(), 32, false},
      {"65-byte nonce, 1024-bit key", least.get(), 65, false},
      {"64-byte nonce, 1024-bit key", least.get(), 64, true},
  };
  for (const TCase& c : cases) {
    const QByteArray certificate = Certificate_For(c.Key);
    const QByteArray endpoints = UaFake::Endpoints(certificate, Basic128Rsa15);
    const QByteArray session = UaFake::Create_Session(QByteArray(c.Nonce, 'n'), certificate);
    bool activated = false;
    auto answerer = [&](const TUaFakeRequest& request) -> std::optional<QByteArray> {
      if (request.Type == UaId::GetEndpointsRequest) return endpoints;
      if (request.Type == UaId::CreateSessionRequest) return session;
      if (request.Type == UaId::ActivateSessionRequest) activated = true;
      return std::nullopt;
    };
    // The one case that must get as far as the session has room for a loaded machine.
    const TUaBrowseLimits limits = c.Activates ? Roomy_Limits() : Limits();
    const TChildBrowse got = Browse_In_Child(answerer, limits, true);
    EXPECT_EQ(got.Variables, 0) << c.Name;
    EXPECT_EQ(activated, c.Activates) << c.Name << " (" << got.Error << ")";
    Expect_Within_Limits(got, limits, c.Name);
  }
}

// The deadline is looked at between the blocks of a long secret, whatever the key.
TEST(UaHostile, EncryptionStopsAtTheDeadline) {
  const TTestKey key = Generated_Rsa_Key(1024);
  const QByteArray certificate = Certificate_For(key.get());
  const QByteArray secret(4096, 's');
  EXPECT_THROW(Ua_Rsa_Encrypt(certificate, secret, TUaRsaPadding::Pkcs1, TUaClock::now()), EUaError);
  EXPECT_EQ(Ua_Rsa_Encrypt(certificate, secret, TUaRsaPadding::Pkcs1, Ua_Deadline_In(60000)).size(),
            (4096 + 116) / 117 * 128);
}

// So is it between the blocks of what comes to be decrypted, of which the server decides how many there are.
TEST(UaHostile, DecryptionStopsAtTheDeadline) {
  const TUaOwnCertificate own = Ua_Create_Self_Signed("urn:tarn:client", "client", 2048, 30);
  const TUaRsaPadding padding = TUaRsaPadding::Oaep_Sha1;
  const qsizetype plain_block = 256 - 42;
  const QByteArray secret(4000 * plain_block, 's');
  const QByteArray cipher = Ua_Rsa_Encrypt(own.Der, secret, padding);
  ASSERT_EQ(cipher.size(), 4000 * 256);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_THROW(Ua_Rsa_Decrypt(own.Key, cipher, padding, Ua_Deadline_In(50)), EUaError);
  // Each block is one private-key operation: all 4000 take seconds.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
  EXPECT_EQ(Ua_Rsa_Decrypt(own.Key, cipher.left(3 * 256), padding, Ua_Deadline_In(60000)),
            secret.left(3 * plain_block));
}

// ---- what the browse keeps ----

TUaNodeId Long_Id(int n, qsizetype bytes) {
  const QByteArray number = QByteArray::number(n);
  return TUaNodeId::Str(1, QByteArray(bytes - number.size(), 'i') + number);
}

// Twelve answers of 1 MiB ids once kept 805 MB; long names were kept whole and converted outside any deadline. Ids
// above the protocol's 4096 bytes are refused; names are kept to 512 bytes. The names need only be far above that:
// larger ones would prove nothing more and only make the browse slow on a loaded machine.
TEST(UaHostile, KeptTextsAreBounded) {
  struct TCase {
    const char* Name;
    qsizetype Id_Bytes;
    QByteArray Browse_Name;
    QByteArray Read_Name;
    int32_t Variables;
    uint32_t Longest_Name;
    TUaBrowseLimits Limits;
  };
  const TCase cases[] = {
      {"1 MiB ids", MiB, "v", "v", 0, 0, Limits()},
      {"names of 8 KiB", 8, QByteArray(8 * 1024, 'b'), QByteArray(8 * 1024, 'r'), 12 * 14,
       uint32_t(Ua_Max_Text_Bytes), Roomy_Limits()},
  };
  for (const TCase& c : cases) {
    const qsizetype id_bytes = c.Id_Bytes;
    const TChildBrowse got =
        Browse_In_Child(Growing_Tree(
                            12, 14, [id_bytes](int n) { return Long_Id(n, id_bytes); }, c.Browse_Name, c.Read_Name),
                        c.Limits);
    EXPECT_EQ(got.Variables, c.Variables) << c.Name << " (" << got.Error << ")";
    EXPECT_EQ(got.Longest_Name, c.Longest_Name) << c.Name;
    Expect_Within_Limits(got, c.Limits, c.Name);
  }
}

// The walk keeps ids and names up to its memory budget and ends there with the variables found so far.
TEST(UaHostile, TheWalkEndsAtItsMemoryBudget) {
  TUaBrowseLimits limits = Roomy_Limits();
  limits.Memory_Budget = 256 * 1024;
  const TChildBrowse got = Browse_In_Child(Growing_Tree(
                                               40, 16, [](int n) { return Long_Id(n, 4000); }, "v", "v"),
                                           limits);
  // Each node keeps its 4000-byte id twice (node and visited set): about 32 fit.
  EXPECT_GT(got.Variables, 0) << got.Error;
  EXPECT_LE(got.Variables, 32);
  EXPECT_EQ(got.Longest_Id, 4000u);
}

}  // namespace
