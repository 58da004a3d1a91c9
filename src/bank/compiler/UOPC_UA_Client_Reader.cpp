#include "UOPC_UA_Client_Reader.h"

#include <QFileInfo>

#include <array>
#include <cstring>
#include <optional>
#include <string>

#include "UBank_Source.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UOPCUA_Vocabulary.h"
#include "UOPC_UA_Image.h"
#include "UStrUtils.h"
#include "UXml.h"

using Bank::TOPC_UA_Server;
using Bank::TOPC_UA_Var;

namespace {
constexpr uint16_t Id_String = 3, Id_Guid = 4, Id_Byte_String = 5;
// The exchange area of the gateway holds 1500 bytes.
constexpr int32_t Highest_Position = 1499;
constexpr int32_t Highest_Start_Bit = 7;
constexpr int32_t Highest_Namespace_Index = 0xFFFF;

// Where an element stands, named only when a message needs it ("server 2", "read variable 1 of server 2");
// numbers count the elements of the file, enabled or not, as the OPC UA window numbers its rows.
struct TPlace {
  pugi::xml_node node;
  int server;
  const char* kind = nullptr;  // none for a server
  int number = 0;

  bool Is_Read() const { return kind && kind[0] == 'r'; }
  QString Name() const {
    const QString s = QStringLiteral("server %1").arg(server);
    return kind ? QStringLiteral("%1 %2 of %3").arg(QString::fromLatin1(kind)).arg(number).arg(s) : s;
  }
};

[[noreturn]] void Fail(const QString& problem) {
  Fail_In_File(Path_OPC_UA_Client, problem);
}

QString Utf8_Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Latin1(const char* name) {
  return QString::fromLatin1(name);
}

bool Is_One(const char* value) {
  return value && value[0] == '1' && value[1] == 0;
}

// The attributes the compiler reads, and the ones it passes over, in the order the window writes them: variables
// first, as they are by far the most.
enum TAttr {
  atEnable,
  atDisplayName,
  atNodeType,
  atNodeID,
  atVarType,
  atNameSpaceIndex,
  atVarArray,
  atStart,
  atLength,
  atOnChange,
  atOnCMD,
  atOnTimer,
  atTime,
  atPosition,
  atStartBit,
  atSwap,
  atSwap_Word,
  atSwap_All,
  atMnemonic,
  atServerAddress,
  atAuthorization,
  atUserName,
  atPassword,
  atCertificate,
  atPrivateKey,
  atSecurityType,
  atSecurityPolicy,
  Attr_Count
};
constexpr const char* Attr_Names[Attr_Count] = {
    "Enable",   "DisplayName", "NodeType",    "NodeID",     "VarType",      "NameSpaceIndex", "VarArray",
    "Start",    "Length",      "OnChange",    "OnCMD",      "OnTimer",      "Time",           "Position",
    "StartBit", "Swap",        "Swap_Word",   "Swap_All",   "Mnemonic",     "ServerAddress",  "Authorization",
    "UserName", "Password",    "Certificate", "PrivateKey", "SecurityType", "SecurityPolicy"};

// Attribute names are short: comparing them in place beats a library call.
inline bool Same_Name(const char* a, const char* b) {
  while (*a && *a == *b) ++a, ++b;
  return *a == *b;
}

// The attributes of one element, taken in one pass. A file in the window's order finds each name at the place
// after the previous one; any other order still works, at the price of a search.
class TAttributes {
 public:
  explicit TAttributes(const TPlace& place) : FPlace(place) {
    FValues.fill(nullptr);
    int next = 0;
    for (pugi::xml_attribute a = place.node.first_attribute(); a; a = a.next_attribute()) {
      const char* name = a.name();
      int slot = -1;
      if (next < Attr_Count && Same_Name(name, Attr_Names[next])) {
        slot = next;
      } else {
        for (int i = 0; i < Attr_Count; ++i)
          if (Same_Name(name, Attr_Names[i])) {
            slot = i;
            break;
          }
      }
      if (slot < 0) continue;
      FValues[slot] = a.value();
      next = slot + 1;
    }
  }

  const char* Find(TAttr attr) const { return FValues[attr]; }
  std::string_view Required(TAttr attr) const {
    const char* value = FValues[attr];
    if (!value) Fail(QStringLiteral("%1 has no attribute \"%2\"").arg(FPlace.Name(), Latin1(Attr_Names[attr])));
    return value;
  }
  // A text the device stores: refused when it holds a character the device cannot take.
  QString Required_Device_Text(TAttr attr) const {
    const std::string_view value = Required(attr);
    Check_Device_Text_Utf8(Path_OPC_UA_Client, value, Attribute_Name(attr));
    return Utf8_Text(value);
  }
  int32_t Required_Int(TAttr attr) const {
    const std::string_view text = Required(attr);
    int32_t value;
    if (!Try_Utf8_To_Int(text, value))
      Fail(QStringLiteral("the attribute \"%1\" of %2 is not an integer (\"%3\")")
               .arg(Latin1(Attr_Names[attr]), FPlace.Name(), Utf8_Text(text)));
    return value;
  }
  // Nothing when the attribute is missing or no integer.
  std::optional<int32_t> Optional_Int(TAttr attr) const {
    const char* text = FValues[attr];
    int32_t value;
    if (text && Try_Utf8_To_Int(text, value)) return value;
    return std::nullopt;
  }
  bool Is_On(TAttr attr) const { return Is_One(FValues[attr]); }
  QString Attribute_Name(TAttr attr) const {
    return QStringLiteral("the attribute \"%1\" of %2").arg(Latin1(Attr_Names[attr]), FPlace.Name());
  }

 private:
  const TPlace& FPlace;
  std::array<const char*, Attr_Count> FValues;
};

// Refusal naming the attribute, its row and the value as the file holds it, with the OPC UA window's message for
// the same field of the same row as the reason.
[[noreturn]] void Fail_As_Window(const TPlace& p, const TAttributes& a, TAttr attr, int32_t id) {
  const char* value = a.Find(attr);
  Fail(QStringLiteral("%1 is \"%2\": %3")
           .arg(a.Attribute_Name(attr), Utf8_Text(value ? value : ""),
                Lang_Message(id, {p.server, p.number, Highest_Position})));
}

bool Is_Enabled(pugi::xml_node node) {
  // The window writes Enable first.
  const pugi::xml_attribute first = node.first_attribute();
  if (first && std::strcmp(first.name(), "Enable") == 0) return Is_One(first.value());
  return Is_One(node.attribute("Enable").value());
}

pugi::xml_node Required_Child(pugi::xml_node parent, const char* name, const QString& where) {
  const pugi::xml_node child = parent.child(name);
  if (!child) Fail(QStringLiteral("the element \"%1\" is missing%2").arg(Latin1(name), where));
  return child;
}

// A numeric node identifier is unsigned 32-bit; the window stores decimal values up to 4294967295.
uint32_t Numeric_Identifier(std::string_view text) {
  TIntegerText parts;
  if (!Read_Integer_Text(text, parts)) return 0;
  int32_t value;
  if (Integer_Value(parts, value)) return static_cast<uint32_t>(value);
  return parts.Negative ? 0 : static_cast<uint32_t>(parts.Magnitude);
}

// Start and Tot are 16-bit byte counts in the variable record: a negative count is refused as the window refuses
// it, one over 65535 bytes because it would reach the device wrapped, reading other bytes than the ones configured.
uint16_t Record_Bytes(const TPlace& p, const TAttributes& a, TAttr attr, int32_t value, uint32_t unit,
                      int32_t negative_message) {
  if (value < 0) Fail_As_Window(p, a, attr, negative_message);
  const uint64_t bytes = static_cast<uint64_t>(value) * unit;
  if (bytes > 0xFFFF)
    Fail(QStringLiteral("the attribute \"%1\" of %2 (\"%3\") comes to %4 bytes; the device takes at most 65535")
             .arg(Latin1(Attr_Names[attr]), p.Name())
             .arg(value)
             .arg(bytes));
  return static_cast<uint16_t>(bytes);
}

// The identifier, type and namespace, in the order the window writes them: NodeType, NodeID, VarType,
// NameSpaceIndex. Returns the data type code.
int32_t Read_Identifier(const TPlace& p, const TAttributes& a, TOPC_UA_Var& v) {
  v.identifierType = static_cast<uint16_t>(Utf8_To_Node_Type(a.Required(atNodeType)));
  const std::string_view id = a.Required(atNodeID);
  v.numeric = Numeric_Identifier(id);
  if (v.identifierType == Id_String || v.identifierType == Id_Byte_String) {
    Check_Device_Text_Utf8(Path_OPC_UA_Client, id, a.Attribute_Name(atNodeID));
    v.Astring = Utf8_Text(id);
    v.byteString = v.Astring;
  } else if (v.identifierType == Id_Guid) {
    Text_To_Guid(Utf8_Text(id), v.Guid);
  }
  const int32_t type = Utf8_To_Data_Type(a.Required(atVarType));
  v.Atype = static_cast<uint8_t>(type);
  const int32_t ns = a.Required_Int(atNameSpaceIndex);
  if (ns < 0 || ns > Highest_Namespace_Index)
    Fail(QStringLiteral("the attribute \"NameSpaceIndex\" of %1 is %2; a namespace index lies between 0 and %3")
             .arg(p.Name())
             .arg(ns)
             .arg(Highest_Namespace_Index));
  v.namespaceIndex = static_cast<uint16_t>(ns);
  return type;
}

// Position, StartBit and the swap bits, which read and write variables share.
void Read_Position_And_Swaps(const TPlace& p, const TAttributes& a, TOPC_UA_Var& v) {
  const int32_t position = a.Required_Int(atPosition);
  if (position < 0 || position > Highest_Position) Fail_As_Window(p, a, atPosition, p.Is_Read() ? 1300 : 1304);
  v.position = static_cast<uint32_t>(position);
  const std::optional<int32_t> start_bit = a.Optional_Int(atStartBit);
  if (start_bit && (*start_bit < 0 || *start_bit > Highest_Start_Bit))
    Fail_As_Window(p, a, atStartBit, p.Is_Read() ? 1334 : 1336);
  v.StartBit = static_cast<uint8_t>(start_bit.value_or(0));
  if (a.Is_On(atSwap)) v.options |= Bank::Opt_Swap;
  if (a.Is_On(atSwap_Word)) v.options |= Bank::Opt_Swap_Word;
  if (a.Is_On(atSwap_All)) v.options |= Bank::Opt_Swap_All;
}

TOPC_UA_Var Read_Variable(const TPlace& p) {
  const TAttributes a(p);
  TOPC_UA_Var v;
  const int32_t type = Read_Identifier(p, a, v);
  const uint8_t len = Data_Type_Len(type);
  // Array bounds count elements, string bounds bytes.
  const char* var_array = a.Find(atVarArray);
  const bool array = var_array && std::strcmp(var_array, "Array") == 0;
  const std::optional<int32_t> start = a.Optional_Int(atStart);
  const std::optional<int32_t> length = a.Optional_Int(atLength);
  v.Start = 0;
  v.Tot = len;
  if (start && length && (array || Is_String_Data_Type(type))) {
    const uint32_t unit = array ? len : 1;
    v.Start = Record_Bytes(p, a, atStart, *start, unit, array ? 1323 : 1320);
    v.Tot = Record_Bytes(p, a, atLength, *length, unit, array ? 1324 : 1321);
  }
  const int32_t time = a.Required_Int(atTime);
  if (time < 1) Fail_As_Window(p, a, atTime, 1298);
  v.time = static_cast<uint32_t>(time);
  v.is_read = 1;
  v.options = Bank::Opt_On_Timer;
  Read_Position_And_Swaps(p, a, v);
  return v;
}

TOPC_UA_Var Write_Variable(const TPlace& p) {
  const TAttributes a(p);
  TOPC_UA_Var v;
  Read_Identifier(p, a, v);
  if (a.Is_On(atOnChange)) v.options |= Bank::Opt_On_Change;
  if (a.Is_On(atOnCMD)) v.options |= Bank::Opt_On_CMD;
  const bool on_timer = a.Is_On(atOnTimer);
  if (on_timer) v.options |= Bank::Opt_On_Timer;
  const std::string_view time_text = a.Required(atTime);
  int32_t time = 0;
  if (!Try_Utf8_To_Int(time_text, time)) time = 0;
  // The time matters only to a variable written on a timer; there it must be a positive number of milliseconds.
  if (on_timer && time < 1) Fail_As_Window(p, a, atTime, Trim(Utf8_Text(time_text)).isEmpty() ? 1301 : 1302);
  v.time = static_cast<uint32_t>(time);
  v.is_read = 0;
  Read_Position_And_Swaps(p, a, v);
  return v;
}

// The enabled variables of one section, in file order; `kind` names them in messages.
void Read_Section(pugi::xml_node section, const char* kind, int server, TOPC_UA_Var (*read)(const TPlace&),
                  std::vector<TOPC_UA_Var>& out) {
  int number = 0;
  for (pugi::xml_node node = section.first_child(); node; node = node.next_sibling()) {
    if (node.type() != pugi::node_element) continue;
    ++number;
    if (Is_Enabled(node)) out.push_back(read({node, server, kind, number}));
  }
}

size_t Count_Enabled(pugi::xml_node section) {
  size_t count = 0;
  for (pugi::xml_node node = section.first_child(); node; node = node.next_sibling())
    if (node.type() == pugi::node_element && Is_Enabled(node)) ++count;
  return count;
}

TOPC_UA_Server Read_Server(const TPlace& p) {
  const TAttributes a(p);
  TOPC_UA_Server s;
  s.server_address = a.Required_Device_Text(atServerAddress);
  s.user_pass_auth_flag = static_cast<uint32_t>(Utf8_To_Auth(a.Required(atAuthorization)));
  s.username = a.Required_Device_Text(atUserName);
  s.password = a.Required_Device_Text(atPassword);
  s.cert = a.Required_Device_Text(atCertificate);
  s.priv_key = a.Required_Device_Text(atPrivateKey);
  s.security_type = static_cast<uint32_t>(Utf8_To_Sec_Type(a.Required(atSecurityType)) + 1);
  s.security_policy = static_cast<uint32_t>(Utf8_To_Sec_Policy(a.Required(atSecurityPolicy)));
  const QString where = QStringLiteral(" in ") + p.Name();
  const pugi::xml_node variables = Required_Child(p.node, "OPC_UA_Variables", where);
  const pugi::xml_node reads = Required_Child(variables, "OPC_UA_Read_Var", where);
  const pugi::xml_node writes = Required_Child(variables, "OPC_UA_Write_Var", where);
  s.requests.reserve(Count_Enabled(reads) + Count_Enabled(writes));
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
  for (pugi::xml_node node = list.first_child(); node; node = node.next_sibling()) {
    if (node.type() != pugi::node_element) continue;
    ++number;
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
