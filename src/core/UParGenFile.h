#pragma once
// ParGen.xml: the communication parameters of one configuration. The record holds one text per element, in the
// order the file lists them; flags are "1" or "0".
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <pugixml.hpp>
#include <vector>

enum TParGenField : int32_t {
  pfOPC_UA_Client_IP1,
  pfOPC_UA_Client_IP2,
  pfOPC_UA_Client_IP3,
  pfOPC_UA_Client_IP4,
  pfOPC_UA_Client_SM1,
  pfOPC_UA_Client_SM2,
  pfOPC_UA_Client_SM3,
  pfOPC_UA_Client_SM4,
  pfOPC_UA_Client_GAT1,
  pfOPC_UA_Client_GAT2,
  pfOPC_UA_Client_GAT3,
  pfOPC_UA_Client_GAT4,
  pfOPC_UA_Client_EN_GAT,
  pfEth_Conn_Device_Name,
  pfEth_Conn_DHCP_Cable,
  pfEth_Conn_DHCP_WiFi,
  pfEth_Conn_Enable_DNS,
  pfEth_Conn_Primary_DNS1,
  pfEth_Conn_Primary_DNS2,
  pfEth_Conn_Primary_DNS3,
  pfEth_Conn_Primary_DNS4,
  pfEth_Conn_Secondary_DNS1,
  pfEth_Conn_Secondary_DNS2,
  pfEth_Conn_Secondary_DNS3,
  pfEth_Conn_Secondary_DNS4,
  pfModbus_TCP_Slave_IP1,
  pfModbus_TCP_Slave_IP2,
  pfModbus_TCP_Slave_IP3,
  pfModbus_TCP_Slave_IP4,
  pfModbus_TCP_Slave_SM1,
  pfModbus_TCP_Slave_SM2,
  pfModbus_TCP_Slave_SM3,
  pfModbus_TCP_Slave_SM4,
  pfModbus_TCP_Slave_GAT1,
  pfModbus_TCP_Slave_GAT2,
  pfModbus_TCP_Slave_GAT3,
  pfModbus_TCP_Slave_GAT4,
  pfModbus_TCP_Slave_EN_GAT,
  pfModbus_TCP_Slave_Port,
  pfNTP_Server_URL,
  pfNTP_Poll_Time,
  ParGen_Field_Count
};

struct TParGenElement {
  const char* Name;
  bool Is_Flag;
  const char* Default;
};

extern const std::array<TParGenElement, ParGen_Field_Count> ParGen_Elements;

using TParGenValues = std::array<QString, ParGen_Field_Count>;
// The texts of the elements as the file holds them: none where an element is missing or holds elements.
using TParGenTexts = std::array<std::optional<QString>, ParGen_Field_Count>;

inline const QString ParGen_Version_Comment = QStringLiteral("SW_VERSION = 1.009");

TParGenValues ParGen_Defaults();
// Each element looked up by name among the children of `root`, on its own.
TParGenTexts ParGen_Texts_From(pugi::xml_node root);

enum class TParGenLoadResult { Missing, Loaded, Unreadable };

// Missing and Unreadable leave every value at its default; Loaded takes each element that is present and
// readable, the default for the others.
TParGenLoadResult Load_ParGen(const QString& path, TParGenValues& values);
TParGenLoadResult Load_ParGen_Bytes(const QByteArray& bytes, TParGenValues& values);

// Elements beyond the record (parameters of the other models, read by the device-description exports), each
// looked up by name like the record's own: none where an element is missing or holds elements. Missing and
// Unreadable leave every text empty.
using TParGenExtraTexts = std::vector<std::optional<QString>>;
TParGenLoadResult Load_ParGen_Texts(const QString& path, const std::vector<const char*>& names,
                                    TParGenExtraTexts& texts);

QByteArray ParGen_Bytes(const TParGenValues& values);
// False when the file could not be written; the earlier file is then untouched.
bool Save_ParGen(const QString& path, const TParGenValues& values);
