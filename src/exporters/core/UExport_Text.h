#pragma once
// What every description file shares: lines joined with CR LF (the last one too) in the file's encoding, the
// integer rule of the configuration files, upper-case hexadecimal, and the message for an input file that is not
// XML.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <pugixml.hpp>

#include "UXml.h"

// In the 8-bit (ANSI) code page, no byte-order mark; characters it cannot hold become "?".
QByteArray Ansi_Lines_Bytes(const QStringList& lines);
// In UTF-8 behind a byte-order mark.
QByteArray Utf8_Bom_Lines_Bytes(const QStringList& lines);

// The configuration files' integer rule; `def` when the text is absent or no whole number.
int32_t Export_Int(const std::optional<QString>& text, int32_t def);
int32_t Export_Int(const QString& text, int32_t def);

// At least `digits` upper-case hexadecimal digits (the 32-bit pattern for a negative value).
QString Hex_Upper(int64_t value, int digits);

enum class TInputLoad { Missing, Loaded, Unreadable };

// Loads one configuration file of the exports; the root is the document's first element. Unreadable leaves
// in `error` the message for the user (which file, and that nothing was written).
TInputLoad Load_Export_Input(const QString& path, TXmlDocument& doc, pugi::xml_node& root, QString& error);
QString Unreadable_Input_Text(const QString& path, const QString& reason = QString());
