#pragma once
// What the XML layer refuses before the DOM parser sees a file. The DOM parser is lenient (it keeps undefined
// entities as text, takes duplicate attributes, a second top-level element or text around the root), so a damaged
// configuration file (garbage in front, two files run together) would otherwise be read as if it were sound.
#include <QByteArray>
#include <QString>
#include <string_view>

// The document as UTF-8: a UTF-8 or UTF-16 byte-order mark decides, then UTF-16 recognised by its first
// characters, then the encoding named in the XML declaration (UTF-8 when none; ISO-8859-1, US-ASCII and
// Windows-1252 are converted). False, with the reason in `problem`, for an encoding this reader does not know or
// bytes that do not fit the encoding. `utf8` is left empty when the bytes are already UTF-8 without a mark: read
// them as they are.
bool Xml_Decode_To_Utf8(const QByteArray& bytes, QByteArray& utf8, QString& problem);

enum class TXmlVerdict { Well_Formed, Not_Well_Formed, Has_Doctype };

// Well_Formed when `utf8` is a well-formed XML 1.0 document without a document type declaration: valid characters
// only, one root element with nothing but comments, processing instructions and blanks around it, matching tags,
// unique attribute names, only the five predefined entities and valid character references, no "]]>" in text, no "--"
// inside comments, the XML declaration only at the very start. Otherwise `problem` says what and where; a document
// type declaration is told apart, since configuration files never carry one (and entity expansion has no place in
// them).
TXmlVerdict Xml_Check_Well_Formed(std::string_view utf8, QString& problem);
