// Makes inputs of the browse fuzz target (UaBrowseInput.h) into a folder:
//   make_ua_browse_inputs seeds FOLDER        small conversations that reach every step of a browse (kept in
//                                             fuzz/corpus/ua_browse)
//   make_ua_browse_inputs reproducers FOLDER  the three hostile servers of the regression tests, 16 to 48 MiB each,
//                                             made at test time rather than kept
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstring>

#include "TTestCertificates.h"
#include "TUaFakeServer.h"
#include "UaBrowseInput.h"
#include "UaBrowseMessages.h"

namespace {

constexpr qsizetype MiB = 1 << 20;
const QByteArray Basic128Rsa15("http://opcfoundation.org/UA/SecurityPolicy#Basic128Rsa15");

bool Write(const QString& folder, const char* name, const TUaBrowseInput& input) {
  QFile file(folder + u'/' + QLatin1String(name));
  const QByteArray bytes = Ua_Write_Browse_Input(input);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Endpoints, a session and its activation, and the two reads of the server's operation limits.
std::vector<QByteArray> Session_Start(const QByteArray& certificate = {}) {
  return {UaFake::Endpoints(certificate), UaFake::Create_Session(QByteArray(32, 'n'), certificate),
          UaFake::Activate_Session(), UaFake::Read_Answer(1, UaFake::Unknown_Nodes(1)),
          UaFake::Read_Answer(1, UaFake::Unknown_Nodes(1))};
}

std::vector<QByteArray> Two_Variables() {
  using UaFake::TRef;
  const std::vector<std::vector<TRef>> objects = {
      {{TUaNodeId::Num(2, 1), "Speed"}, {TUaNodeId::Str(2, "Temp"), "Temp"}}};
  return {UaFake::Browse_Answer(UaId::BrowseResponse, objects), UaFake::Browse_Answer(UaId::BrowseResponse, {{}, {}}),
          UaFake::Read_Answer(8, UaFake::Variable_Attributes(8, "Value"))};
}

bool Seeds(const QString& folder) {
  TUaBrowseInput anonymous{false, Session_Start()};
  for (const QByteArray& answer : Two_Variables()) anonymous.Answers.push_back(answer);
  const TTestKey key = Generated_Rsa_Key(2048);
  TUaBrowseInput user{true, Session_Start(Certificate_For(key.get()))};
  for (const QByteArray& answer : Two_Variables()) user.Answers.push_back(answer);
  return Write(folder, "anonymous_two_variables", anonymous) && Write(folder, "user_login_two_variables", user);
}

bool Reproducers(const QString& folder) {
  const qsizetype room = 16 * MiB - 4096;  // below the client's largest message
  TUaBrowseInput empty_values{false, Session_Start()};
  empty_values.Answers.resize(3);  // the first Read is answered
  empty_values.Answers.push_back(UaFake::Read_Answer(int32_t(room), QByteArray(room, 0)));

  const TTestKey tiny = Public_Rsa_Key("C5A2F3B1D4E6F7A8B9C0D1E3");  // 96 bits
  const QByteArray certificate = Certificate_For(tiny.get());
  const TUaBrowseInput long_nonce{
      true,
      {UaFake::Endpoints(certificate, Basic128Rsa15), UaFake::Create_Session(QByteArray(room, 'n'), certificate)}};

  TUaBrowseInput long_ids{false, Session_Start()};
  int made = 0;
  for (int reply = 0; reply < 12; ++reply) {
    // The first Browse asks for the Objects folder alone, each later one for the four nodes found before.
    std::vector<std::vector<UaFake::TRef>> results(reply == 0 ? 1 : 4);
    for (int i = 0; i < 4; ++i) {
      const QByteArray number = QByteArray::number(++made);
      results[size_t(i) % results.size()].push_back(
          {TUaNodeId::Str(1, QByteArray(MiB - number.size(), 'i') + number), "v"});
    }
    long_ids.Answers.push_back(UaFake::Browse_Answer(UaId::BrowseResponse, results));
  }
  return Write(folder, "read_of_16_mib_empty_values", empty_values) &&
         Write(folder, "nonce_of_16_mib_and_96_bit_key", long_nonce) && Write(folder, "ids_of_1_mib", long_ids);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_ua_browse_inputs seeds|reproducers FOLDER\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(folder);
  const bool done = std::strcmp(argv[1], "seeds") == 0 ? Seeds(folder) : Reproducers(folder);
  if (!done) std::fprintf(stderr, "make_ua_browse_inputs: cannot write into %s\n", argv[2]);
  return done ? 0 : 1;
}
