#include "UParBlock.h"

#include <QFileInfo>

#include "UBank_Source.h"
#include "UByteWriter.h"
#include "UGlobals.h"
#include "ULang.h"
#include "UOPC_UA_Image.h"
#include "UParGenChecks.h"
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

// Integer text of the element; `def` when it is missing or no integer.
int32_t Read_Int(const TParGenTexts& texts, TParGenField field, int32_t def) {
  int32_t value;
  return texts[field] && TryStrToInt(*texts[field], value) ? value : def;
}

bool Read_Flag(const TParGenTexts& texts, TParGenField field) {
  return texts[field] && *texts[field] == u"1";
}

// Elements `first` .. `first` + 3, each on its own: a missing or non-integer one takes its default octet.
void Read_Octets(const TParGenTexts& texts, TParGenField first, uint32_t offset, const TOctets& defaults) {
  for (uint32_t i = 0; i < 4; ++i)
    Par_Block[offset + i] = static_cast<uint8_t>(Read_Int(texts, TParGenField(first + i), defaults[i]));
}

void Read_Gateway(const TParGenTexts& texts, TParGenField first, TParGenField enable, uint32_t offset,
                  const TOctets& defaults) {
  Read_Octets(texts, first, offset, defaults);
  if (!Read_Flag(texts, enable)) Put_Octets(offset, No_Gateway);
}

QString Text_Of(const TParGenTexts& texts, TParGenField field) {
  return texts[field].value_or(QString());
}

QString Element_Name(TParGenField field) {
  return QStringLiteral("the element \"%1\"").arg(QString::fromLatin1(ParGen_Elements[field].Name));
}

// What the device would receive wrongly stops the compile, with the message the parameter window gives for the
// field (ranges) or one naming the element (texts); the window's own files never hold such values.
void Check_Device_Values(const TParGenTexts& texts) {
  if (const int32_t id = ParGen_First_Range_Error(texts)) Fail_In_File(Path_ParGen, Lang_Message(id, {}));
  Check_Device_Text(Path_ParGen, QStringView(Text_Of(texts, pfEth_Conn_Device_Name)).left(Device_Name_Chars),
                    Element_Name(pfEth_Conn_Device_Name));
  Check_Device_Text(Path_ParGen, Text_Of(texts, pfNTP_Server_URL), Element_Name(pfNTP_Server_URL));
}

void Read_Device_Name(const TParGenTexts& texts) {
  const QString name = Text_Of(texts, pfEth_Conn_Device_Name).left(Device_Name_Chars);
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
  // settings that the parameter window shows. Elements are found as the window finds them.
  const TParGenTexts texts = ParGen_Texts_From(xml.First_Element());
  Check_Device_Values(texts);

  Read_Device_Name(texts);
  uint16_t dhcp = 0;
  if (Read_Flag(texts, pfEth_Conn_DHCP_Cable)) dhcp |= 0x01;
  if (Read_Flag(texts, pfEth_Conn_DHCP_WiFi)) dhcp |= 0x02;
  Put_U16(Par_Block, DHCP_Flags, dhcp);
  if (Read_Flag(texts, pfEth_Conn_Enable_DNS)) {
    Read_Octets(texts, pfEth_Conn_Primary_DNS1, Primary_DNS, {8, 8, 8, 8});
    Read_Octets(texts, pfEth_Conn_Secondary_DNS1, Secondary_DNS, {8, 8, 4, 4});
  }
  Read_Octets(texts, pfOPC_UA_Client_IP1, Client_IP, {192, 168, 0, 10});
  Read_Octets(texts, pfOPC_UA_Client_SM1, Client_SM, {255, 255, 255, 255});
  Read_Gateway(texts, pfOPC_UA_Client_GAT1, pfOPC_UA_Client_EN_GAT, Client_GAT, {192, 168, 0, 1});
  OPC_UA_Main.ntp_address = Text_Of(texts, pfNTP_Server_URL);
  OPC_UA_Main.ntp_poll = static_cast<uint32_t>(Read_Int(texts, pfNTP_Poll_Time, 1000));
  Read_Octets(texts, pfModbus_TCP_Slave_IP1, Modbus_IP, {192, 168, 2, 5});
  Read_Octets(texts, pfModbus_TCP_Slave_SM1, Modbus_SM, {255, 255, 255, 0});
  Read_Gateway(texts, pfModbus_TCP_Slave_GAT1, pfModbus_TCP_Slave_EN_GAT, Modbus_GAT, {192, 192, 192, 192});
  const auto port = static_cast<uint16_t>(Read_Int(texts, pfModbus_TCP_Slave_Port, 502));
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
