#pragma once
// Loading the configuration files the compiler reads (ParGen.xml, OPC_UA_Client.xml), and the refusals they share.
#include <QString>
#include <QStringView>
#include <cstdint>
#include <string_view>

#include "UXml.h"

// Loads the whole file at `path` into `xml`. A file that cannot be opened, or that is not well-formed XML (a
// document type declaration included), raises an Exception naming the file and which of the two went wrong, so the
// user knows whether to fix access or content.
void Load_Bank_Source(TXmlDocument& xml, const QString& path);

// Raises the Exception "Error in the file <path>: <problem>." that stops a compile.
[[noreturn]] void Fail_In_File(const QString& path, const QString& problem);

// The device stores one byte per character: a character above U+00FF would arrive altered, and one whose low byte
// is zero would cut the text short. Raises an Exception naming the file and `field` when `text` holds one.
void Check_Device_Text(const QString& path, QStringView text, const QString& field);
// The same for UTF-8 bytes; quick when every character fits, which is the usual case.
void Check_Device_Text_Utf8(const QString& path, std::string_view text, const QString& field);
