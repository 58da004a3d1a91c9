#pragma once
// Records exchanged with the OPC UA browsing library, and the GUID record of the OPC UA settings.
// Field order and integer widths are those of the library's records. Text fields are pointers to NUL-terminated
// 8-bit strings; they take the native pointer width, so the byte offsets of the records match the library's
// (56 and 32 bytes) only in a 32-bit build.
#include <cstdint>

struct TOPC_UA_Guid {
  uint32_t data1 = 0;
  uint16_t data2 = 0;
  uint16_t data3 = 0;
  uint8_t data4[8] = {};
};
static_assert(sizeof(TOPC_UA_Guid) == 16);

// One browsed variable. The texts belong to the browsing library and stay valid until the next browse.
struct opcua_structure {
  uint16_t nameSpaceIndex = 0;
  uint16_t identifierType = 0;  // 0 numeric, 3 string, 4 GUID, 5 byte string
  uint32_t numeric = 0;
  const char* stringname = nullptr;
  uint32_t stringLength = 0;
  uint32_t guide1 = 0;
  uint16_t guide2 = 0;
  uint16_t guide3 = 0;
  uint8_t guide4[8] = {};
  const char* byteString = nullptr;
  uint32_t byteStringLength = 0;
  const char* displayName = nullptr;
  uint32_t displayNameLength = 0;
  int32_t dataType = 0;     // data type code 0..14
  uint8_t accessLevel = 0;  // bit 0 readable, bit 1 writable; 0 counts as both
  uint8_t spare[3] = {};
};

// The server to browse. The caller owns the texts and keeps them alive during the browse.
struct opcua_server_to_discover {
  const char* server_address = nullptr;  // endpoint URL, opc.tcp://host:port[/path]
  int32_t user_pass_auth_flag = 0;       // 0 anonymous, 1 user name and password, 2 certificate
  const char* username = nullptr;
  const char* password = nullptr;
  const char* cert = nullptr;
  const char* priv_key = nullptr;
  int32_t security_type = 0;    // security mode 0 None, 1 Sign, 2 Sign and Encrypt
  int32_t security_policy = 0;  // security policy 0..5
};

static_assert(sizeof(void*) != 4 || sizeof(opcua_structure) == 56, "library record layout");
static_assert(sizeof(void*) != 4 || sizeof(opcua_server_to_discover) == 32, "library record layout");
