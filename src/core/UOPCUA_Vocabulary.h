#pragma once
// Codes of the OPC UA settings and the words that show and store them. The browsing library and the device image
// use the codes, OPC_UA_Client.xml and the windows the words. Every conversion has a fall-back, so a word from an
// edited file never stops a reader.
#include <QString>
#include <cstdint>
#include <string_view>

#include "UOPC_UA_Records.h"

// Authorization and security words are compared exactly; node type and data type words ignoring the case of ASCII
// letters (no other letter folds) and blanks around them. The Utf8_ forms read a file's bytes the same way.
QString Auth_To_Text(int32_t code);
int32_t Text_To_Auth(const QString& text);
QString Sec_Type_To_Text(int32_t code);
int32_t Text_To_Sec_Type(const QString& text);
QString Sec_Policy_To_Text(int32_t code);
int32_t Text_To_Sec_Policy(const QString& text);
QString Node_Type_To_Text(int32_t code);
int32_t Text_To_Node_Type(const QString& text);
QString Data_Type_To_Text(int32_t code);
int32_t Text_To_Data_Type(const QString& text);
int32_t Utf8_To_Auth(std::string_view text);
int32_t Utf8_To_Sec_Type(std::string_view text);
int32_t Utf8_To_Sec_Policy(std::string_view text);
int32_t Utf8_To_Node_Type(std::string_view text);
int32_t Utf8_To_Data_Type(std::string_view text);

// The node identifier of a browsed variable as the windows show and store it.
QString Node_ID_To_Text(const opcua_structure& variable);
// Reads XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX by fixed character positions. A text shorter than 35 characters gives
// the zero GUID and false.
bool Text_To_Guid(const QString& text, TOPC_UA_Guid& guid);
