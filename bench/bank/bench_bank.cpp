// Compile time of the largest configuration the OPC UA image admits, beside the time of only parsing its two
// files, to show how much the compile adds to the XML parsing. Parsing is measured twice: through the XML layer
// every reader uses (the DOM parser after the well-formedness check, the checked load), and with the DOM parser
// alone; the compile is reported against both.
#include <benchmark/benchmark.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <string>

#include "UBanks.h"
#include "UGlobals.h"
#include "UOPC_UA_Image.h"
#include "UXml.h"

namespace {
constexpr int Servers = 16;

QString Server_Address(int i) {
  return QStringLiteral("opc.tcp://192.168.10.%1:4840").arg(i + 1);
}

void Set_Var(pugi::xml_node v, int n, bool read) {
  const QString attrs[][2] = {{"Enable", "1"},
                              {"DisplayName", QStringLiteral("Var%1").arg(n)},
                              {"NodeType", "Numeric"},
                              {"NodeID", QString::number(1000 + n)},
                              {"VarType", read ? "Int32" : "Float"},
                              {"NameSpaceIndex", "2"},
                              {"VarArray", read ? "Variable" : "Var"},
                              {"Start", "0"},
                              {"Length", "0"},
                              {"OnChange", read ? "0" : "1"},
                              {"OnCMD", "0"},
                              {"OnTimer", "0"},
                              {"Time", "100"},
                              {"Position", QString::number(n % 1500)},
                              {"StartBit", "0"},
                              {"Swap", "0"},
                              {"Swap_Word", "0"},
                              {"Swap_All", "0"},
                              {"Mnemonic", ""}};
  for (const auto& a : attrs) Xml_Set_Attr(v, a[0].toLatin1().constData(), a[1]);
}

const QString Ntp_Server = QStringLiteral("pool.ntp.org");

// Sixteen servers with every text filled, and as many numeric variables as the rest of the image holds.
int Write_Largest_Configuration() {
  TXmlDocument xml;
  pugi::xml_node list = Xml_Append_Element(Xml_Append_Element(xml.Doc(), "OPC_UA_Client"), "OPC_UA_Server_List");
  uint64_t fixed = Bank::Header_Size + 1 + Ntp_Server.size() + 1;
  std::vector<pugi::xml_node> sections;
  for (int i = 0; i < Servers; ++i) {
    pugi::xml_node s = Xml_Append_Element(list, "OPC_UA_Server");
    const QString texts[][2] = {{"Enable", "1"},
                                {"ServerAddress", Server_Address(i)},
                                {"Authorization", "Username and Password"},
                                {"UserName", "operator"},
                                {"Password", "secret"},
                                {"Certificate", ""},
                                {"PrivateKey", ""},
                                {"SecurityType", "None"},
                                {"SecurityPolicy", "None"},
                                {"Mnemonic", ""}};
    for (const auto& t : texts) Xml_Set_Attr(s, t[0].toLatin1().constData(), t[1]);
    fixed += Bank::Server_Record_Size + Server_Address(i).size() + 1 + 9 + 7;
    pugi::xml_node vars = Xml_Append_Element(s, "OPC_UA_Variables");
    sections.push_back(Xml_Append_Element(vars, "OPC_UA_Read_Var"));
    sections.push_back(Xml_Append_Element(vars, "OPC_UA_Write_Var"));
  }
  const int variables = static_cast<int>((Bank_Image_Size - fixed) / Bank::Var_Record_Size);
  for (int n = 0; n < variables; ++n) {
    const size_t section = n % sections.size();
    Set_Var(Xml_Append_Element(sections[section], "Variable"), n, section % 2 == 0);
  }
  xml.Save_File(Path_OPC_UA_Client);

  TXmlDocument par;
  pugi::xml_node root = Xml_Append_Element(par.Doc(), "Par_Gen");
  Xml_Append_Text_Element(root, "NTP_Server_URL", Ntp_Server);
  Xml_Append_Text_Element(root, "NTP_Poll_Time", "1000");
  par.Save_File(Path_ParGen);
  return variables;
}

constexpr const char* Expected_Images_Digest = "47dc1287d88fda611609d01ddfc2f136a0fe5d09f3a3b23224d2b5fbfd3e5a33";

// SHA-256 of bank1 followed by bank2, in hexadecimal; empty when the compile fails.
QByteArray Images_Digest() {
  if (!Compile_Banks().Success) return QByteArray();
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(QByteArrayView(reinterpret_cast<const char*>(Bank1_Image.data()), Bank1_Len));
  hash.addData(QByteArrayView(reinterpret_cast<const char*>(Bank2_Image.data()), Bank2_Len));
  return hash.result().toHex();
}

void BM_Compile_Banks(benchmark::State& state) {
  for (auto _ : state) {
    const TBank_Result r = Compile_Banks();
    if (!r.Success) state.SkipWithError(r.Error_Text.toUtf8().constData());
  }
  state.counters["bank2_bytes"] = Bank2_Len;
}
BENCHMARK(BM_Compile_Banks)->Unit(benchmark::kMillisecond);

void BM_Parse_Only(benchmark::State& state) {
  for (auto _ : state) {
    TXmlDocument par, client;
    benchmark::DoNotOptimize(par.Load_File(Path_ParGen));
    benchmark::DoNotOptimize(client.Load_File(Path_OPC_UA_Client));
  }
}
BENCHMARK(BM_Parse_Only)->Unit(benchmark::kMillisecond);

void BM_Parse_Only_Dom_Parser(benchmark::State& state) {
  for (auto _ : state) {
    for (const QString* path : {&Path_ParGen, &Path_OPC_UA_Client}) {
      QFile file(*path);
      file.open(QIODevice::ReadOnly);
      const QByteArray bytes = file.readAll();
      pugi::xml_document doc;
      benchmark::DoNotOptimize(doc.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()),
                                               pugi::parse_default | pugi::parse_declaration | pugi::parse_comments,
                                               pugi::encoding_utf8));
    }
  }
}
BENCHMARK(BM_Parse_Only_Dom_Parser)->Unit(benchmark::kMillisecond);
// The console report without colours, then the compile's processor time against each of the two parsing times.
class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  TRatioReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && !run.error_occurred)
        FTimes[run.benchmark_name()] = run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(runs);
  }
  void Print_Ratios() const {
    const auto compile = FTimes.find("BM_Compile_Banks");
    if (compile == FTimes.end()) return;
    for (const auto& [name, anchor] : {std::pair{"BM_Parse_Only_Dom_Parser", "the DOM parser alone"},
                                       std::pair{"BM_Parse_Only", "the checked load"}}) {
      const auto parse = FTimes.find(name);
      if (parse != FTimes.end() && parse->second > 0)
        std::printf("compile / %s: %.2fx\n", anchor, compile->second / parse->second);
    }
  }

 private:
  std::map<std::string, double> FTimes;
};
}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir dir;
  Path_Project = dir.path();
  Build_Topic_Paths();
  const int variables = Write_Largest_Configuration();
  std::printf("configuration: %d servers, %d variables\n", Servers, variables);
  // Speed must not change a byte: the images of this configuration as the compiler produced them before it was
  // tuned.
  const QByteArray digest = Images_Digest();
  if (digest != Expected_Images_Digest) {
    std::fprintf(stderr, "the images differ from the recorded ones (sha256 %s)\n", digest.constData());
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.Print_Ratios();
  benchmark::Shutdown();
  return 0;
}
