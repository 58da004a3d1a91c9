#include "UOPC_UA_Image.h"

#include <array>
#include <tuple>

#include "UByteWriter.h"
#include "UOPCUA_Vocabulary.h"

using Bank::TOPC_UA_Main;
using Bank::TOPC_UA_Server;
using Bank::TOPC_UA_Var;

namespace {
constexpr uint16_t Id_Numeric = 0, Id_String = 3, Id_Guid = 4, Id_Byte_String = 5;

// The five texts of a server with their addresses, in pool order.
template <class TServer>
auto Server_Texts(TServer& s) {
  return std::array{std::tie(s.server_address, s.server_address_add), std::tie(s.username, s.username_add),
                    std::tie(s.password, s.password_add), std::tie(s.cert, s.cert_add),
                    std::tie(s.priv_key, s.priv_key_add)};
}

// The identifier a variable keeps in the pool (without terminator), or none.
const QString* Pool_Identifier(const TOPC_UA_Var& v) {
  if (v.identifierType == Id_String) return &v.Astring;
  if (v.identifierType == Id_Byte_String) return &v.byteString;
  return nullptr;
}

uint32_t Length(const QString& text) {
  return static_cast<uint32_t>(text.size());
}

// A non-empty text takes the next pool address and its terminator; an empty one shares the pool's first byte.
uint32_t Terminated_Text_Address(const QString& text, uint32_t& next, uint32_t empty) {
  if (text.isEmpty()) return empty;
  const uint32_t address = next;
  next += Length(text) + 1;
  return address;
}

uint64_t Variable_Count(const TOPC_UA_Main& main) {
  uint64_t count = 0;
  for (const TOPC_UA_Server& s : main.opcua_server) count += s.requests.size();
  return count;
}

void Write_Terminated(TByteWriter& w, const QString& text) {
  if (text.isEmpty()) return;
  w.Text(text);
  w.U8(0);
}

void Write_Identifier(TByteWriter& w, const TOPC_UA_Var& v) {
  switch (v.identifierType) {
    case Id_Numeric:
      w.U32(v.numeric);
      w.Zeros(12);
      break;
    case Id_String:
      w.U32(Length(v.Astring));
      w.U32(v.Astring_add);
      w.Zeros(8);
      break;
    case Id_Guid:
      w.U32(v.Guid.data1);
      w.U16(v.Guid.data2);
      w.U16(v.Guid.data3);
      for (const uint8_t b : v.Guid.data4) w.U8(b);
      break;
    case Id_Byte_String:
      w.U32(Length(v.byteString));
      w.U32(v.byteString_add);
      w.Zeros(8);
      break;
    default:
      w.Zeros(16);
  }
}

void Write_Var_Record(TByteWriter& w, const TOPC_UA_Var& v) {
  w.U16(v.namespaceIndex);
  w.U16(v.identifierType);
  Write_Identifier(w, v);
  w.U32(v.position);
  w.U32(v.time);
  w.U8(v.Atype);
  w.U8(v.is_read);
  w.U8(v.options);
  w.U8(v.StartBit);
  w.U16(v.Start);
  w.U16(v.Tot);
}

void Write_Server_Record(TByteWriter& w, const TOPC_UA_Server& s) {
  w.U32(s.server_address_add);
  w.U32(s.user_pass_auth_flag);
  w.U32(s.username_add);
  w.U32(s.password_add);
  w.U32(s.cert_add);
  w.U32(s.priv_key_add);
  w.U32(s.security_type);
  w.U32(s.security_policy);
  w.U32(s.num_requests);
  w.U32(s.requests_add);
}
}  // namespace

uint8_t Data_Type_Len(int32_t code) {
  // Boolean, Int8, UInt8, Int16, UInt16, Int32, UInt32, Int64, UInt64, Float, Double, String, DateTime, Guid,
  // ByteString.
  static constexpr uint8_t Lengths[] = {1, 1, 1, 2, 2, 4, 4, 8, 8, 4, 8, 0, 8, 16, 0};
  return code >= 0 && code < static_cast<int32_t>(std::size(Lengths)) ? Lengths[code] : 1;
}

bool Is_String_Data_Type(int32_t code) {
  return code == Data_Type_String || code == Data_Type_Byte_String;
}

uint8_t Var_Type_Len(const QString& type_name) {
  return Data_Type_Len(Text_To_Data_Type(type_name));
}

bool Is_String_Type(const QString& type_name) {
  return Is_String_Data_Type(Text_To_Data_Type(type_name));
}

void Assign_Bank2_Addresses(TOPC_UA_Main& main, uint32_t load_address) {
  const auto servers = static_cast<uint32_t>(main.opcua_server.size());
  main.server_number = servers;
  main.opcua_server_add = load_address + Bank::Header_Size;
  uint32_t record = main.opcua_server_add + Bank::Server_Record_Size * servers;
  for (TOPC_UA_Server& s : main.opcua_server) {
    s.num_requests = static_cast<uint32_t>(s.requests.size());
    s.requests_add = record;
    record += Bank::Var_Record_Size * s.num_requests;
  }

  const uint32_t empty = record;  // the pool's leading zero byte
  uint32_t next = empty + 1;
  main.ntp_address_add = Terminated_Text_Address(main.ntp_address, next, empty);
  for (TOPC_UA_Server& s : main.opcua_server)
    for (auto [text, address] : Server_Texts(s)) address = Terminated_Text_Address(text, next, empty);
  for (TOPC_UA_Server& s : main.opcua_server)
    for (TOPC_UA_Var& v : s.requests) {
      const QString* id = Pool_Identifier(v);
      if (!id) continue;
      // Identifiers carry their length, not a terminator; an empty one still needs an address inside the image,
      // and the shared empty text is one (placed last, the next address would lie past the image's end).
      const uint32_t address = id->isEmpty() ? empty : next;
      next += Length(*id);
      if (v.identifierType == Id_String) v.Astring_add = address;
      if (v.identifierType == Id_Byte_String) v.byteString_add = address;
    }
}

uint64_t Bank2_Size(const TOPC_UA_Main& main) {
  uint64_t size = Bank::Header_Size + uint64_t(Bank::Server_Record_Size) * main.opcua_server.size() +
                  uint64_t(Bank::Var_Record_Size) * Variable_Count(main) + 1;
  const auto terminated = [](const QString& text) -> uint64_t { return text.isEmpty() ? 0 : text.size() + 1; };
  size += terminated(main.ntp_address);
  for (const TOPC_UA_Server& s : main.opcua_server) {
    for (const auto& [text, address] : Server_Texts(s)) size += terminated(text);
    for (const TOPC_UA_Var& v : s.requests)
      if (const QString* id = Pool_Identifier(v)) size += id->size();
  }
  return size;
}

uint32_t Store_Bank2(uint32_t position, std::span<uint8_t> image, uint32_t limit) {
  const TOPC_UA_Main& main = OPC_UA_Main;
  TByteWriter w(image, position, limit);
  w.U32(main.server_number);
  w.U32(main.ntp_poll);
  w.U32(main.ntp_address_add);
  w.U32(main.opcua_server_add);
  for (const TOPC_UA_Server& s : main.opcua_server) Write_Server_Record(w, s);
  for (const TOPC_UA_Server& s : main.opcua_server)
    for (const TOPC_UA_Var& v : s.requests) Write_Var_Record(w, v);

  w.U8(0);
  Write_Terminated(w, main.ntp_address);
  for (const TOPC_UA_Server& s : main.opcua_server)
    for (const auto& [text, address] : Server_Texts(s)) Write_Terminated(w, text);
  for (const TOPC_UA_Server& s : main.opcua_server)
    for (const TOPC_UA_Var& v : s.requests)
      if (const QString* id = Pool_Identifier(v)) w.Text(*id);
  return w.Position();
}
