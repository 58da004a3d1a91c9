#include "TBankFixture.h"

#include <QDir>
#include <QFile>

#include "TTestData.h"
#include "UBanks.h"
#include "UGlobals.h"
#include "ULang.h"

namespace {
const TChanges Server_Attrs = {{"Enable", "1"},
                               {"ServerAddress", "opc.tcp://plc01:4840"},
                               {"Authorization", "Anonymous"},
                               {"UserName", ""},
                               {"Password", ""},
                               {"Certificate", ""},
                               {"PrivateKey", ""},
                               {"SecurityType", "None"},
                               {"SecurityPolicy", "None"},
                               {"Mnemonic", ""}};

const TChanges Var_Attrs = {
    {"Enable", "1"},      {"DisplayName", "v"},    {"NodeType", "Numeric"},  {"NodeID", "1234"},
    {"VarType", "Int16"}, {"NameSpaceIndex", "2"}, {"VarArray", "Variable"}, {"Start", "0"},
    {"Length", "0"},      {"OnChange", "0"},       {"OnCMD", "0"},           {"OnTimer", "0"},
    {"Time", "100"},      {"Position", "10"},      {"StartBit", "0"},        {"Swap", "0"},
    {"Swap_Word", "0"},   {"Swap_All", "0"},       {"Mnemonic", ""}};

void Apply(pugi::xml_node node, const TChanges& changes) {
  for (const auto& [name, value] : changes) {
    if (value)
      Xml_Set_Attr(node, name.c_str(), *value);
    else
      node.remove_attribute(name.c_str());
  }
}

pugi::xml_node Add_Variable(pugi::xml_node section, const TChanges& defaults, const TChanges& changes) {
  pugi::xml_node v = Xml_Append_Element(section, "Variable");
  Apply(v, defaults);
  Apply(v, changes);
  return v;
}
}  // namespace

TOpcUaFile::TOpcUaFile() {
  FList = Xml_Append_Element(Xml_Append_Element(FXml.Doc(), "OPC_UA_Client"), "OPC_UA_Server_List");
}

int TOpcUaFile::Add_Server(const TChanges& changes) {
  pugi::xml_node s = Xml_Append_Element(FList, "OPC_UA_Server");
  Apply(s, Server_Attrs);
  Apply(s, changes);
  pugi::xml_node vars = Xml_Append_Element(s, "OPC_UA_Variables");
  Xml_Append_Element(vars, "OPC_UA_Read_Var");
  Xml_Append_Element(vars, "OPC_UA_Write_Var");
  FServers.push_back(s);
  return static_cast<int>(FServers.size()) - 1;
}

void TOpcUaFile::Add_Read(int server, const TChanges& changes) {
  Add_Variable(FServers.at(server).child("OPC_UA_Variables").child("OPC_UA_Read_Var"), Var_Attrs, changes);
}

void TOpcUaFile::Add_Write(int server, const TChanges& changes) {
  TChanges defaults = Var_Attrs;
  for (auto& [name, value] : defaults)
    if (name == "VarArray") value = "Var";
  Add_Variable(FServers.at(server).child("OPC_UA_Variables").child("OPC_UA_Write_Var"), defaults, changes);
}

void TOpcUaFile::Save(const QString& path) const {
  ASSERT_TRUE(FXml.Save_File(path));
}

void Write_ParGen(const QString& path, const std::vector<std::pair<std::string, QString>>& elements) {
  TXmlDocument xml;
  pugi::xml_node root = Xml_Append_Element(xml.Doc(), "Par_Gen");
  for (const auto& [name, text] : elements) Xml_Append_Text_Element(root, name.c_str(), text);
  Xml_Append_Comment(xml.Doc(), QStringLiteral("SW_VERSION = 1.009"));
  ASSERT_TRUE(xml.Save_File(path));
}

TBytes& TBytes::U8(uint8_t v) {
  FBytes.append(static_cast<char>(v));
  return *this;
}

TBytes& TBytes::U16(uint16_t v) {
  return U8(v & 0xFF).U8(v >> 8);
}

TBytes& TBytes::U32(uint32_t v) {
  return U16(v & 0xFFFF).U16(v >> 16);
}

TBytes& TBytes::Zeros(int count) {
  FBytes.append(count, '\0');
  return *this;
}

TBytes& TBytes::Text(const char* latin1, bool terminated) {
  FBytes.append(latin1);
  if (terminated) U8(0);
  return *this;
}

BankTest::BankTest() {
  // Refusals quote the windows' messages from the string table.
  Load_Default_Strings();
  Path_Project = Folder.File(QStringLiteral("PROJECTS/Test"));
  QDir().mkpath(Path_Project);
  Build_Topic_Paths();
}

BankTest::~BankTest() {
  Path_Project.clear();
  Build_Topic_Paths();
}

void BankTest::Copy_Data(const QString& name, const QString& target) const {
  QFile::remove(target);
  ASSERT_TRUE(QFile::copy(Test_Data(QStringLiteral("bank/") + name), target)) << name.toStdString();
}

QString BankTest::Bank_Path(const char* name) const {
  return Path_Project + QStringLiteral("/bin/") + QString::fromLatin1(name);
}

QByteArray BankTest::Read_Bank(const char* name) const {
  QFile f(Bank_Path(name));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void BankTest::Compile() {
  const TBank_Result r = Compile_Banks();
  ASSERT_TRUE(r.Success) << r.Error_Text.toStdString();
}

QByteArray BankTest::Compile_And_Write() {
  Compile();
  const TBank_Result w = Write_Banks();
  EXPECT_TRUE(w.Success) << w.Error_Text.toStdString();
  return Read_Bank("bank2.bin");
}
