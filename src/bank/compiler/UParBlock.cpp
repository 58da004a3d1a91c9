#include "UParBlock.h"

#include <QFileInfo>

#include "UBank_Source.h"
#include "UByteWriter.h"
#include "UGlobals.h"
#include "UOPC_UA_Image.h"
#include "UStrUtils.h"
#include "UXml.h"

namespace {
using TOctets = std::array<uint8_t, 4>;

constexpr uint32_t Modbus_IP = 40, Modbus_SM = 44, Modbus_GAT = 48, Modbus_Port = 54, Modbus_Port_Copy = 56;
constexpr uint32_t Client_IP = 388, Client_SM = 392, Client_GAT = 396;
constexpr uint32_t DHCP_Flags = 1256, Device_Name = 1300, Secondary_DNS = 1340, Primary_DNS = 1420;
constexpr uint32_t Device_Name_Chars = 31;
constexpr TOctets No_Gateway = {255, 255, 255, 255};

void Put_Octets(uint32_t offset, const TOctets& octets) {
  for (uint32_t i = 0; i < 4; ++i) Par_Block[offset + i] = octets[i];
}

// Integer text of the root's child element `name`; `def` when it is missing or no integer.
int32_t Read_Int(pugi::xml_node root, const char* name, int32_t def) {
  int32_t value;
  return TryStrToInt(Xml_Child_Text(root, name, QString()), value) ? value : def;
}

bool Read_Flag(pugi::xml_node root, const char* name) {
  return Xml_Child_Text(root, name, QString()) == u"1";
}

// Elements `prefix`1..4, each on its own: a missing or non-integer one takes its default octet.
void Read_Octets(pugi::xml_node root, const char* prefix, uint32_t offset, const TOctets& defaults) {
  for (uint32_t i = 0; i < 4; ++i) {
    const std::string name = prefix + std::to_string(i + 1);
    Par_Block[offset + i] = static_cast<uint8_t>(Read_Int(root, name.c_str(), defaults[i]));
  }
}

void Read_Gateway(pugi::xml_node root, const char* prefix, const char* enable, uint32_t offset,
                  const TOctets& defaults) {
  Read_Octets(root, prefix, offset, defaults);
  if (!Read_Flag(root, enable)) Put_Octets(offset, No_Gateway);
}

void Read_Device_Name(pugi::xml_node root) {
  const QString name = Xml_Child_Text(root, "Eth_Conn_Device_Name", QString()).left(Device_Name_Chars);
  for (qsizetype i = 0; i < name.size(); ++i) Par_Block[Device_Name + i] = Device_Char(name[i]);
}
}  // namespace

void Init_Par_Block() {
  Par_Block.fill(0);
  Put_U32(Par_Block, 0, 250000);
  Put_U32(Par_Block, 4, 250000);
  Put_U32(Par_Block, 12, 9600);
  Put_Octets(Modbus_IP, {192, 168, 2, 205});
  Put_Octets(Modbus_SM, {255, 255, 255, 0});
  Put_Octets(Modbus_GAT, No_Gateway);
  Put_U16(Par_Block, 52, 10000);
  Put_U16(Par_Block, Modbus_Port, 10001);
  Put_U16(Par_Block, Modbus_Port_Copy, 10001);
  for (uint32_t i = 436; i < 444; ++i) Par_Block[i] = 8;
}

void Compile_Model_Hook() {}

void Read_ParGen_XML() {
  if (!QFileInfo::exists(Path_ParGen)) return;
  TXmlDocument xml;
  Load_Bank_Source(xml, Path_ParGen);
  // The first element is the root whatever its name; a leading declaration or comment must not hide the
  // settings that the parameter window shows.
  const pugi::xml_node root = xml.First_Element();

  Read_Device_Name(root);
  uint16_t dhcp = 0;
  if (Read_Flag(root, "Eth_Conn_DHCP_Cable")) dhcp |= 0x01;
  if (Read_Flag(root, "Eth_Conn_DHCP_WiFi")) dhcp |= 0x02;
  Put_U16(Par_Block, DHCP_Flags, dhcp);
  if (Read_Flag(root, "Eth_Conn_Enable_DNS")) {
    Read_Octets(root, "Eth_Conn_Primary_DNS", Primary_DNS, {8, 8, 8, 8});
    Read_Octets(root, "Eth_Conn_Secondary_DNS", Secondary_DNS, {8, 8, 4, 4});
  }
  Read_Octets(root, "OPC_UA_Client_IP", Client_IP, {192, 168, 0, 10});
  Read_Octets(root, "OPC_UA_Client_SM", Client_SM, {255, 255, 255, 255});
  Read_Gateway(root, "OPC_UA_Client_GAT", "OPC_UA_Client_EN_GAT", Client_GAT, {192, 168, 0, 1});
  OPC_UA_Main.ntp_address = Xml_Child_Text(root, "NTP_Server_URL", QString());
  OPC_UA_Main.ntp_poll = static_cast<uint32_t>(Read_Int(root, "NTP_Poll_Time", 1000));
  Read_Octets(root, "Modbus_TCP_Slave_IP", Modbus_IP, {192, 168, 2, 5});
  Read_Octets(root, "Modbus_TCP_Slave_SM", Modbus_SM, {255, 255, 255, 0});
  Read_Gateway(root, "Modbus_TCP_Slave_GAT", "Modbus_TCP_Slave_EN_GAT", Modbus_GAT, {192, 192, 192, 192});
  const auto port = static_cast<uint16_t>(Read_Int(root, "Modbus_TCP_Slave_Port", 502));
  Put_U16(Par_Block, Modbus_Port, port);
  Put_U16(Par_Block, Modbus_Port_Copy, port);
}

uint32_t Store_Bank1(uint32_t position, std::span<uint8_t> image) {
  uint32_t sum = 0;
  for (uint32_t i = 0; i < Par_Block_Checksum_Offset; ++i) sum += Par_Block[i];
  Put_U32(Par_Block, Par_Block_Checksum_Offset, sum);
  TByteWriter writer(image, position, static_cast<uint32_t>(image.size() - 1));
  for (const uint8_t b : Par_Block) writer.U8(b);
  return writer.Position();
}
