#include "UParGenFile.h"

#include <QFile>

#include "UXml.h"

namespace {
constexpr const char* Root_Name = "Par_Gen";

void Fill_Document(TXmlDocument& doc, const TParGenValues& values) {
  pugi::xml_node root = Xml_Append_Element(doc.Doc(), Root_Name);
  Xml_Append_Comment(doc.Doc(), ParGen_Version_Comment);
  for (int32_t i = 0; i < ParGen_Field_Count; ++i) Xml_Append_Text_Element(root, ParGen_Elements[i].Name, values[i]);
}

TParGenValues Values_From(pugi::xml_node root) {
  TParGenValues values = ParGen_Defaults();
  const TParGenTexts texts = ParGen_Texts_From(root);
  for (int32_t i = 0; i < ParGen_Field_Count; ++i) {
    if (!texts[i]) continue;
    values[i] = ParGen_Elements[i].Is_Flag ? QString::fromLatin1(*texts[i] == u"1" ? "1" : "0") : *texts[i];
  }
  return values;
}
}  // namespace

const std::array<TParGenElement, ParGen_Field_Count> ParGen_Elements = {{
    {"OPC_UA_Client_IP1", false, "192"},     {"OPC_UA_Client_IP2", false, "168"},
    {"OPC_UA_Client_IP3", false, "0"},       {"OPC_UA_Client_IP4", false, "5"},
    {"OPC_UA_Client_SM1", false, "255"},     {"OPC_UA_Client_SM2", false, "255"},
    {"OPC_UA_Client_SM3", false, "255"},     {"OPC_UA_Client_SM4", false, "0"},
    {"OPC_UA_Client_GAT1", false, "192"},    {"OPC_UA_Client_GAT2", false, "168"},
    {"OPC_UA_Client_GAT3", false, "0"},      {"OPC_UA_Client_GAT4", false, "1"},
    {"OPC_UA_Client_EN_GAT", true, "0"},     {"Eth_Conn_Device_Name", false, ""},
    {"Eth_Conn_DHCP_Cable", true, "0"},      {"Eth_Conn_DHCP_WiFi", true, "0"},
    {"Eth_Conn_Enable_DNS", true, "0"},      {"Eth_Conn_Primary_DNS1", false, "8"},
    {"Eth_Conn_Primary_DNS2", false, "8"},   {"Eth_Conn_Primary_DNS3", false, "8"},
    {"Eth_Conn_Primary_DNS4", false, "8"},   {"Eth_Conn_Secondary_DNS1", false, "8"},
    {"Eth_Conn_Secondary_DNS2", false, "8"}, {"Eth_Conn_Secondary_DNS3", false, "4"},
    {"Eth_Conn_Secondary_DNS4", false, "4"}, {"Modbus_TCP_Slave_IP1", false, "192"},
    {"Modbus_TCP_Slave_IP2", false, "168"},  {"Modbus_TCP_Slave_IP3", false, "0"},
    {"Modbus_TCP_Slave_IP4", false, "5"},    {"Modbus_TCP_Slave_SM1", false, "255"},
    {"Modbus_TCP_Slave_SM2", false, "255"},  {"Modbus_TCP_Slave_SM3", false, "255"},
    {"Modbus_TCP_Slave_SM4", false, "0"},    {"Modbus_TCP_Slave_GAT1", false, "192"},
    {"Modbus_TCP_Slave_GAT2", false, "168"}, {"Modbus_TCP_Slave_GAT3", false, "0"},
    {"Modbus_TCP_Slave_GAT4", false, "1"},   {"Modbus_TCP_Slave_EN_GAT", true, "0"},
    {"Modbus_TCP_Slave_Port", false, "502"}, {"NTP_Server_URL", false, "pool.ntp.org"},
    {"NTP_Poll_Time", false, "1000"},
}};

TParGenTexts ParGen_Texts_From(pugi::xml_node root) {
  TParGenTexts texts;
  for (int32_t i = 0; i < ParGen_Field_Count; ++i) {
    QString text;
    // An element that holds further elements has no single text: the reader's default applies.
    if (Xml_Element_Text(root.child(ParGen_Elements[i].Name), text)) texts[i] = text;
  }
  return texts;
}

TParGenValues ParGen_Defaults() {
  TParGenValues values;
  for (int32_t i = 0; i < ParGen_Field_Count; ++i) values[i] = QString::fromLatin1(ParGen_Elements[i].Default);
  return values;
}

namespace {
// Files written by hand may start with a declaration or a comment; the parameters are in the first element.
TParGenLoadResult Load_Root(const QByteArray& bytes, TXmlDocument& doc, pugi::xml_node& root) {
  if (!doc.Load_Bytes(bytes)) return TParGenLoadResult::Unreadable;
  root = doc.First_Element();
  return root ? TParGenLoadResult::Loaded : TParGenLoadResult::Unreadable;
}

TParGenLoadResult Read_File(const QString& path, QByteArray& bytes) {
  QFile file(path);
  if (!file.exists()) return TParGenLoadResult::Missing;
  if (!file.open(QIODevice::ReadOnly)) return TParGenLoadResult::Unreadable;
  bytes = file.readAll();
  return TParGenLoadResult::Loaded;
}
}  // namespace

TParGenLoadResult Load_ParGen(const QString& path, TParGenValues& values) {
  values = ParGen_Defaults();
  QByteArray bytes;
  const TParGenLoadResult read = Read_File(path, bytes);
  return read == TParGenLoadResult::Loaded ? Load_ParGen_Bytes(bytes, values) : read;
}

TParGenLoadResult Load_ParGen_Bytes(const QByteArray& bytes, TParGenValues& values) {
  values = ParGen_Defaults();
  TXmlDocument doc;
  pugi::xml_node root;
  const TParGenLoadResult result = Load_Root(bytes, doc, root);
  if (result == TParGenLoadResult::Loaded) values = Values_From(root);
  return result;
}

TParGenLoadResult Load_ParGen_Texts(const QString& path, const std::vector<const char*>& names,
                                    TParGenExtraTexts& texts) {
  texts.assign(names.size(), std::nullopt);
  QByteArray bytes;
  TParGenLoadResult result = Read_File(path, bytes);
  if (result != TParGenLoadResult::Loaded) return result;
  TXmlDocument doc;
  pugi::xml_node root;
  result = Load_Root(bytes, doc, root);
  if (result != TParGenLoadResult::Loaded) return result;
  for (size_t i = 0; i < names.size(); ++i) {
    QString text;
    if (Xml_Element_Text(root.child(names[i]), text)) texts[i] = text;
  }
  return result;
}

QByteArray ParGen_Bytes(const TParGenValues& values) {
  TXmlDocument doc;
  Fill_Document(doc, values);
  return doc.Save_Bytes();
}

bool Save_ParGen(const QString& path, const TParGenValues& values) {
  TXmlDocument doc;
  Fill_Document(doc, values);
  return doc.Save_File(path);
}
