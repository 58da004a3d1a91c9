#include "UOPC_UA_Client_Reader.h"

#include <QFileInfo>

#include <optional>

#include "Exception.h"
#include "UBank_Source.h"
#include "UGlobals.h"
#include "UOPCUA_Vocabulary.h"
#include "UOPC_UA_Image.h"
#include "UStrUtils.h"
#include "UXml.h"

using Bank::TOPC_UA_Server;
using Bank::TOPC_UA_Var;

namespace {
// One element of the file and where it stands, named only when a message needs it ("server 2",
// "read variable 1 of server 2"); numbers count the elements of the file, enabled or not.
struct TPlace {
  pugi::xml_node node;
  int server;
  const char* kind = nullptr;  // none for a server
  int number = 0;

  QString Name() const {
    const QString s = QStringLiteral("server %1").arg(server);
    return kind ? QStringLiteral("%1 %2 of %3").arg(QString::fromLatin1(kind)).arg(number).arg(s) : s;
  }
};

[[noreturn]] void Fail(const QString& problem) {
  throw Exception(QStringLiteral("Error in the file %1: %2.").arg(Path_OPC_UA_Client, problem));
}

bool Is_Enabled(pugi::xml_node node) {
  return Xml_Attr(node, "Enable", QString()) == u"1";
}
bool Is_On(pugi::xml_node node, const char* name) {
  return Xml_Attr(node, name, QString()) == u"1";
}

pugi::xml_node Required_Child(pugi::xml_node parent, const char* name, const QString& where) {
  const pugi::xml_node child = parent.child(name);
  if (!child) Fail(QStringLiteral("the element \"%1\" is missing%2").arg(QString::fromLatin1(name), where));
  return child;
}

QString Required_Attr(const TPlace& p, const char* name) {
  const pugi::xml_attribute attr = p.node.attribute(name);
  if (!attr) Fail(QStringLiteral("%1 has no attribute \"%2\"").arg(p.Name(), QString::fromLatin1(name)));
  return Xml_To_QString(attr.value());
}

int32_t Required_Int(const TPlace& p, const char* name) {
  const QString text = Required_Attr(p, name);
  int32_t value;
  if (!TryStrToInt(text, value))
    Fail(QStringLiteral("the attribute \"%1\" of %2 is not an integer (\"%3\")")
             .arg(QString::fromLatin1(name), p.Name(), text));
  return value;
}

// Start and Tot are 16-bit byte counts in the variable record: a count outside 0..65535 would reach the device
// wrapped, reading other bytes than the ones configured, so it stops the compile instead.
uint16_t Record_Bytes(const TPlace& p, const char* name, int32_t value, uint32_t unit) {
  const QString attr = QString::fromLatin1(name);
  if (value < 0)
    Fail(QStringLiteral("the attribute \"%1\" of %2 is negative (\"%3\")").arg(attr, p.Name()).arg(value));
  const uint64_t bytes = static_cast<uint64_t>(value) * unit;
  if (bytes > 0xFFFF)
    Fail(QStringLiteral("the attribute \"%1\" of %2 (\"%3\") comes to %4 bytes; the device takes at most 65535")
             .arg(attr, p.Name())
             .arg(value)
             .arg(bytes));
  return static_cast<uint16_t>(bytes);
}

// An optional integer attribute: nothing when it is missing or no integer.
std::optional<int32_t> Optional_Int(pugi::xml_node node, const char* name) {
  int32_t value;
  if (TryStrToInt(Xml_Attr(node, name, QString()), value)) return value;
  return std::nullopt;
}

// A numeric node identifier is unsigned 32-bit; the window stores values up to 4294967295.
uint32_t Numeric_Identifier(const QString& text) {
  int32_t value;
  if (TryStrToInt(text, value)) return static_cast<uint32_t>(value);
  bool ok = false;
  const qulonglong wide = Trim(text).toULongLong(&ok, 10);
  return ok && wide <= 0xFFFFFFFFull ? static_cast<uint32_t>(wide) : 0;
}

uint8_t Swap_Options(pugi::xml_node node) {
  uint8_t options = 0;
  if (Is_On(node, "Swap")) options |= Bank::Opt_Swap;
  if (Is_On(node, "Swap_Word")) options |= Bank::Opt_Swap_Word;
  if (Is_On(node, "Swap_All")) options |= Bank::Opt_Swap_All;
  return options;
}

// What read and write variables share: identifier, position, type, start bit.
TOPC_UA_Var Read_Common(const TPlace& p) {
  TOPC_UA_Var v;
  v.namespaceIndex = static_cast<uint16_t>(Required_Int(p, "NameSpaceIndex"));
  v.identifierType = static_cast<uint16_t>(Text_To_Node_Type(Required_Attr(p, "NodeType")));
  const QString id = Required_Attr(p, "NodeID");
  v.numeric = Numeric_Identifier(id);
  v.Astring = id;
  v.byteString = id;
  Text_To_Guid(id, v.Guid);
  v.position = static_cast<uint32_t>(Required_Int(p, "Position"));
  v.Atype = static_cast<uint8_t>(Text_To_Data_Type(Required_Attr(p, "VarType")));
  v.StartBit = static_cast<uint8_t>(Optional_Int(p.node, "StartBit").value_or(0));
  return v;
}

TOPC_UA_Var Read_Variable(const TPlace& p) {
  TOPC_UA_Var v = Read_Common(p);
  v.time = static_cast<uint32_t>(Required_Int(p, "Time"));
  v.is_read = 1;
  v.options = Bank::Opt_On_Timer | Swap_Options(p.node);
  const QString type = Required_Attr(p, "VarType");
  const uint8_t len = Var_Type_Len(type);
  v.Start = 0;
  v.Tot = len;
  const std::optional<int32_t> start = Optional_Int(p.node, "Start");
  const std::optional<int32_t> length = Optional_Int(p.node, "Length");
  if (!start || !length) return v;
  // Array bounds count elements, string bounds bytes.
  const bool array = Xml_Attr(p.node, "VarArray", QString()) == u"Array";
  if (!array && !Is_String_Type(type)) return v;
  const uint32_t unit = array ? len : 1;
  v.Start = Record_Bytes(p, "Start", *start, unit);
  v.Tot = Record_Bytes(p, "Length", *length, unit);
  return v;
}

TOPC_UA_Var Write_Variable(const TPlace& p) {
  TOPC_UA_Var v = Read_Common(p);
  v.time = static_cast<uint32_t>(StrToIntDef(Required_Attr(p, "Time"), 0));
  v.is_read = 0;
  v.options = Swap_Options(p.node);
  if (Is_On(p.node, "OnChange")) v.options |= Bank::Opt_On_Change;
  if (Is_On(p.node, "OnCMD")) v.options |= Bank::Opt_On_CMD;
  if (Is_On(p.node, "OnTimer")) v.options |= Bank::Opt_On_Timer;
  return v;
}

// The enabled variables of one section, in file order; `kind` names them in messages.
void Read_Section(pugi::xml_node section, const char* kind, int server, TOPC_UA_Var (*read)(const TPlace&),
                  std::vector<TOPC_UA_Var>& out) {
  int number = 0;
  for (const pugi::xml_node node : section.children()) {
    if (node.type() == pugi::node_element) ++number;
    if (Is_Enabled(node)) out.push_back(read({node, server, kind, number}));
  }
}

TOPC_UA_Server Read_Server(const TPlace& p) {
  TOPC_UA_Server s;
  s.server_address = Required_Attr(p, "ServerAddress");
  s.username = Required_Attr(p, "UserName");
  s.password = Required_Attr(p, "Password");
  s.cert = Required_Attr(p, "Certificate");
  s.priv_key = Required_Attr(p, "PrivateKey");
  s.user_pass_auth_flag = static_cast<uint32_t>(Text_To_Auth(Required_Attr(p, "Authorization")));
  s.security_type = static_cast<uint32_t>(Text_To_Sec_Type(Required_Attr(p, "SecurityType")) + 1);
  s.security_policy = static_cast<uint32_t>(Text_To_Sec_Policy(Required_Attr(p, "SecurityPolicy")));
  const QString where = QStringLiteral(" in ") + p.Name();
  const pugi::xml_node variables = Required_Child(p.node, "OPC_UA_Variables", where);
  const pugi::xml_node reads = Required_Child(variables, "OPC_UA_Read_Var", where);
  const pugi::xml_node writes = Required_Child(variables, "OPC_UA_Write_Var", where);
  Read_Section(reads, "read variable", p.server, Read_Variable, s.requests);
  Read_Section(writes, "write variable", p.server, Write_Variable, s.requests);
  return s;
}

std::vector<TOPC_UA_Server> Read_Servers() {
  TXmlDocument xml;
  Load_Bank_Source(xml, Path_OPC_UA_Client);
  const pugi::xml_node client = Required_Child(xml.Doc(), "OPC_UA_Client", QString());
  const pugi::xml_node list = Required_Child(client, "OPC_UA_Server_List", QString());
  std::vector<TOPC_UA_Server> servers;
  int number = 0;
  for (const pugi::xml_node node : list.children()) {
    if (node.type() == pugi::node_element) ++number;
    if (Is_Enabled(node)) servers.push_back(Read_Server({node, number}));
  }
  return servers;
}
}  // namespace

void Read_OPC_UA_Client_XML(uint32_t load_address) {
  // A configuration that never saved its OPC UA settings has no servers, whatever an earlier compile read.
  std::vector<TOPC_UA_Server> servers;
  if (QFileInfo::exists(Path_OPC_UA_Client)) servers = Read_Servers();
  OPC_UA_Main.opcua_server = std::move(servers);
  Assign_Bank2_Addresses(OPC_UA_Main, load_address);
}
