#pragma once
// The OPC UA client image, the content of bank2.bin: header, server records, variable records and a string pool.
// The image is built for one device load address; every reference inside it is an absolute device address.
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

#include "UOPC_UA_Records.h"

// The OPC UA window has a server class of the same name; the image's records keep to this namespace.
namespace Bank {

inline constexpr uint32_t Header_Size = 16;
inline constexpr uint32_t Server_Record_Size = 40;
inline constexpr uint32_t Var_Record_Size = 36;

// Bits of TOPC_UA_Var::options.
inline constexpr uint8_t Opt_On_Change = 0x01;
inline constexpr uint8_t Opt_On_CMD = 0x02;
inline constexpr uint8_t Opt_On_Timer = 0x04;
inline constexpr uint8_t Opt_Swap = 0x10;
inline constexpr uint8_t Opt_Swap_Word = 0x20;
inline constexpr uint8_t Opt_Swap_All = 0x40;

struct TOPC_UA_Var {
  uint16_t namespaceIndex = 0;
  uint16_t identifierType = 0;  // 0 numeric, 3 string, 4 GUID, 5 byte string
  uint32_t numeric = 0;
  QString Astring;
  uint32_t Astring_add = 0;
  TOPC_UA_Guid Guid;
  QString byteString;
  uint32_t byteString_add = 0;
  uint32_t position = 0;
  uint32_t time = 0;
  uint8_t Atype = 0;  // data type code 0..14
  uint8_t is_read = 0;
  uint8_t options = 0;
  uint8_t StartBit = 0;
  uint16_t Start = 0;
  uint16_t Tot = 0;
};

struct TOPC_UA_Server {
  QString server_address;
  uint32_t server_address_add = 0;
  uint32_t user_pass_auth_flag = 0;
  QString username;
  uint32_t username_add = 0;
  QString password;
  uint32_t password_add = 0;
  QString cert;
  uint32_t cert_add = 0;
  QString priv_key;
  uint32_t priv_key_add = 0;
  uint32_t security_type = 0;  // security mode code plus one: 1 none, 2 sign, 3 sign and encrypt
  uint32_t security_policy = 0;
  uint32_t num_requests = 0;
  std::vector<TOPC_UA_Var> requests;  // read variables, then write variables, each in file order
  uint32_t requests_add = 0;
};

struct TOPC_UA_Main {
  uint32_t server_number = 0;
  uint32_t ntp_poll = 1000;
  QString ntp_address;
  uint32_t ntp_address_add = 0;
  std::vector<TOPC_UA_Server> opcua_server;
  uint32_t opcua_server_add = 0;
};

}  // namespace Bank

// Rebuilt by every compile.
inline Bank::TOPC_UA_Main OPC_UA_Main;

inline constexpr int32_t Data_Type_String = 11;
inline constexpr int32_t Data_Type_Byte_String = 14;

// Byte length of one value of a data type code; string types 0, unknown codes 1.
uint8_t Data_Type_Len(int32_t code);
bool Is_String_Data_Type(int32_t code);
// The same for a data type word. The word goes through the vocabulary first, so the length always belongs to the
// type code the image stores (an unknown word is Int8, one byte).
uint8_t Var_Type_Len(const QString& type_name);
bool Is_String_Type(const QString& type_name);

// The record addresses and text addresses of `main` for the load address `load_address`.
void Assign_Bank2_Addresses(Bank::TOPC_UA_Main& main, uint32_t load_address);
// Bytes the image of `main` takes; 64 bits so that no configuration can wrap it.
uint64_t Bank2_Size(const Bank::TOPC_UA_Main& main);
// Writes the image of OPC_UA_Main into `image` from `position`, never past index `limit` (an Exception says when it
// would not fit); returns the position after its last byte.
uint32_t Store_Bank2(uint32_t position, std::span<uint8_t> image, uint32_t limit);
