#include "UOPC_UA_Client_File.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <optional>

#include "ULang.h"
#include "UStrUtils.h"
#include "UXml.h"

namespace {
const QString One = QStringLiteral("1");
const QString Zero = QStringLiteral("0");
const QString Yes = QStringLiteral("Y");
const QString No = QStringLiteral("N");

// A fault that stops the reading; carries the phrase for TOPC_UA_Load_Result::Problem.
struct TRead_Fault {
  QString Problem;
};

// An element's place in messages: "server 2", "read variable 3 of server 2" (elements counted in file order).
QString Place(int server, const char* kind = nullptr, int number = 0) {
  const QString s = QStringLiteral("server %1").arg(server);
  return kind ? QStringLiteral("%1 %2 of %3").arg(QString::fromLatin1(kind)).arg(number).arg(s) : s;
}

QString Required(pugi::xml_node node, const char* name, const QString& place) {
  const pugi::xml_attribute a = node.attribute(name);
  if (!a) throw TRead_Fault{QStringLiteral("%1 has no attribute \"%2\"").arg(place, QString::fromLatin1(name))};
  return QString::fromUtf8(a.value());
}

QString Optional(pugi::xml_node node, const char* name, const QString& def) {
  const pugi::xml_attribute a = node.attribute(name);
  return a ? QString::fromUtf8(a.value()) : def;
}

bool Is_One(pugi::xml_node node, const char* name) {
  return std::strcmp(node.attribute(name).value(), "1") == 0;
}

pugi::xml_node Required_Child(pugi::xml_node parent, const char* name, const QString& where) {
  const pugi::xml_node child = parent.child(name);
  if (!child)
    throw TRead_Fault{QStringLiteral("the element \"%1\" is missing%2").arg(QString::fromLatin1(name), where)};
  return child;
}

std::unique_ptr<TOPC_UA_Variable> Read_Variable(pugi::xml_node node, const QString& place) {
  auto v = std::make_unique<TOPC_UA_Variable>();
  v->SetEnable(Is_One(node, "Enable"));
  v->SetSwap(Is_One(node, "Swap"));
  v->SetSwap_Word(Is_One(node, "Swap_Word"));
  v->SetSwap_All(Is_One(node, "Swap_All"));
  v->SetOnChange(Is_One(node, "OnChange") ? Yes : No);
  v->SetOnCMD(Is_One(node, "OnCMD") ? Yes : No);
  v->SetOnTimer(Is_One(node, "OnTimer") ? Yes : No);
  v->SetDispalyName(Required(node, "DisplayName", place));
  // The identifier is read by the node type, so the type goes first.
  v->SetNodeType(Required(node, "NodeType", place));
  v->SetNodeID(Required(node, "NodeID", place));
  v->SetVarType(Required(node, "VarType", place));
  const QString ns = Required(node, "NameSpaceIndex", place);
  int32_t value;
  if (!TryStrToInt(ns, value))
    throw TRead_Fault{
        QStringLiteral("the attribute \"NameSpaceIndex\" of %1 is not an integer (\"%2\")").arg(place, ns)};
  v->nameSpaceIndex = static_cast<uint16_t>(value);
  v->SetVarArray(Optional(node, "VarArray", QStringLiteral("Variable")));
  v->SetStart(Optional(node, "Start", Zero));
  v->SetLen(Optional(node, "Length", Zero));
  v->SetStartBit(Optional(node, "StartBit", Zero));
  v->SetTime(Required(node, "Time", place));
  v->SetPosition(Required(node, "Position", place));
  v->SetMnemonic(Required(node, "Mnemonic", place));
  return v;
}

void Read_Section(pugi::xml_node section, const char* kind, int server, TOPC_UA_Variable_List& list) {
  int number = 0;
  for (pugi::xml_node node = section.first_child(); node; node = node.next_sibling()) {
    if (node.type() != pugi::node_element) continue;
    list.push_back(Read_Variable(node, Place(server, kind, ++number)));
  }
}

std::unique_ptr<TOPC_UA_Server> Read_Server(pugi::xml_node node, int number) {
  const QString place = Place(number);
  auto s = std::make_unique<TOPC_UA_Server>();
  s->SetEnable(Is_One(node, "Enable"));
  s->SetServerAddress(Required(node, "ServerAddress", place));
  s->SetAuthorization(Required(node, "Authorization", place));
  s->SetUserName(Required(node, "UserName", place));
  s->SetPassword(Required(node, "Password", place));
  s->SetCertificate(Required(node, "Certificate", place));
  s->SetPrivateKey(Required(node, "PrivateKey", place));
  s->SetSecurityType(Required(node, "SecurityType", place));
  s->SetSecurityPolicy(Required(node, "SecurityPolicy", place));
  s->SetMnemonic(Required(node, "Mnemonic", place));
  const QString where = QStringLiteral(" in ") + place;
  const pugi::xml_node variables = Required_Child(node, "OPC_UA_Variables", where);
  const pugi::xml_node reads = Required_Child(variables, "OPC_UA_Read_Var", where);
  const pugi::xml_node writes = Required_Child(variables, "OPC_UA_Write_Var", where);
  Read_Section(reads, "read variable", number, s->Var_List_R);
  Read_Section(writes, "write variable", number, s->Var_List_W);
  return s;
}

TOPC_UA_Load_Result Read_Document(const TXmlDocument& xml, TOPC_UA_Server_List& servers) {
  try {
    const pugi::xml_node client = Required_Child(xml.Doc(), "OPC_UA_Client", QString());
    const pugi::xml_node list = Required_Child(client, "OPC_UA_Server_List", QString());
    int number = 0;
    for (pugi::xml_node node = list.first_child(); node; node = node.next_sibling()) {
      if (node.type() != pugi::node_element) continue;
      servers.push_back(Read_Server(node, ++number));
    }
  } catch (const TRead_Fault& fault) {
    return {false, fault.Problem};
  }
  return {};
}

const QString& Flag(bool on) {
  return on ? One : Zero;
}

const QString& Flag(const QString& yes_no) {
  return Flag(yes_no == Yes);
}

void Write_Variable(pugi::xml_node parent, const TOPC_UA_Variable& v, bool read) {
  const pugi::xml_node e = Xml_Append_Element(parent, "Variable");
  Xml_Set_Attr(e, "Enable", Flag(v.Enable()));
  Xml_Set_Attr(e, "DisplayName", v.DispalyName());
  Xml_Set_Attr(e, "NodeType", v.NodeType());
  Xml_Set_Attr(e, "NodeID", v.NodeID());
  Xml_Set_Attr(e, "VarType", v.VarType());
  Xml_Set_Attr(e, "NameSpaceIndex", QString::number(v.nameSpaceIndex));
  // Write variables have no array settings.
  Xml_Set_Attr(e, "VarArray", read ? v.VarArray() : QStringLiteral("Var"));
  Xml_Set_Attr(e, "Start", read ? v.Start() : Zero);
  Xml_Set_Attr(e, "Length", read ? v.Len() : Zero);
  Xml_Set_Attr(e, "OnChange", Flag(v.OnChange()));
  Xml_Set_Attr(e, "OnCMD", Flag(v.OnCMD()));
  Xml_Set_Attr(e, "OnTimer", Flag(v.OnTimer()));
  Xml_Set_Attr(e, "Time", v.Time());
  Xml_Set_Attr(e, "Position", v.Position());
  Xml_Set_Attr(e, "StartBit", v.StartBit());
  Xml_Set_Attr(e, "Swap", Flag(v.Swap()));
  Xml_Set_Attr(e, "Swap_Word", Flag(v.Swap_Word()));
  Xml_Set_Attr(e, "Swap_All", Flag(v.Swap_All()));
  Xml_Set_Attr(e, "Mnemonic", v.Mnemonic());
}

void Write_Server(pugi::xml_node list, const TOPC_UA_Server& s) {
  const pugi::xml_node e = Xml_Append_Element(list, "OPC_UA_Server");
  Xml_Set_Attr(e, "Enable", Flag(s.Enable()));
  Xml_Set_Attr(e, "ServerAddress", s.ServerAddress());
  Xml_Set_Attr(e, "Authorization", s.Authorization());
  Xml_Set_Attr(e, "UserName", s.UserName());
  Xml_Set_Attr(e, "Password", s.Password());
  Xml_Set_Attr(e, "Certificate", s.Certificate());
  Xml_Set_Attr(e, "PrivateKey", s.PrivateKey());
  Xml_Set_Attr(e, "SecurityType", s.SecurityType());
  Xml_Set_Attr(e, "SecurityPolicy", s.SecurityPolicy());
  Xml_Set_Attr(e, "Mnemonic", s.Mnemonic());
  const pugi::xml_node variables = Xml_Append_Element(e, "OPC_UA_Variables");
  const pugi::xml_node reads = Xml_Append_Element(variables, "OPC_UA_Read_Var");
  for (const auto& v : s.Var_List_R) Write_Variable(reads, *v, true);
  const pugi::xml_node writes = Xml_Append_Element(variables, "OPC_UA_Write_Var");
  for (const auto& v : s.Var_List_W) Write_Variable(writes, *v, false);
}

void Fill_Document(TXmlDocument& xml, const TOPC_UA_Server_List& servers) {
  xml.Doc().reset();
  const pugi::xml_node root = Xml_Append_Element(xml.Doc(), "OPC_UA_Client");
  const pugi::xml_node list = Xml_Append_Element(root, "OPC_UA_Server_List");
  for (const auto& s : servers) Write_Server(list, *s);
}
}  // namespace

TOPC_UA_Load_Result Read_OPC_UA_Client_Bytes(const QByteArray& bytes, TOPC_UA_Server_List& servers) {
  TXmlDocument xml;
  if (!xml.Load_Bytes(bytes)) return {false, QStringLiteral("the file %1").arg(xml.Error())};
  return Read_Document(xml, servers);
}

TOPC_UA_Load_Result Read_OPC_UA_Client_File(const QString& path, TOPC_UA_Server_List& servers) {
  if (!QFileInfo::exists(path)) return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {false, QStringLiteral("the file cannot be opened (%1)").arg(file.errorString())};
  return Read_OPC_UA_Client_Bytes(file.readAll(), servers);
}

QByteArray OPC_UA_Client_Bytes(const TOPC_UA_Server_List& servers) {
  TXmlDocument xml;
  Fill_Document(xml, servers);
  return xml.Save_Bytes();
}

bool Write_OPC_UA_Client_File(const QString& path, const TOPC_UA_Server_List& servers) {
  TXmlDocument xml;
  Fill_Document(xml, servers);
  return xml.Save_File(path);
}

QString OPC_UA_File_Unreadable_Message(const QString& path, const TOPC_UA_Load_Result& result) {
  return Lang_Table.value(Msg_OPC_UA_File_Unreadable) + u'\n' + path + u'\n' + result.Problem;
}

QString OPC_UA_File_Not_Written_Message(const QString& path) {
  return Lang_Table.value(Msg_OPC_UA_File_Not_Written) + u'\n' + path;
}
