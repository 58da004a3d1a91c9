#pragma once
// The UI string table: every caption, hint and message is read from it by ID.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <initializer_list>

constexpr int32_t Lang_Size = 3600;

inline QStringList Lang_Table;
// 0 until the table is first filled, then Lang_Size; bounds the IDs a language file may set.
inline int32_t Lang_Count = 0;

// Empties the table and fills it with the built-in English texts (" " where an ID has none).
void Load_Default_Strings();
// Overlays the table with the entries of one language file.
void Load_Language_File(const QString& path);
// Built-in texts, then LANGUAGE/<language>.lng, or LANGUAGE/English.lng when that file is missing. Returns the
// language whose texts are now in the table ("English" after the fall-back); the setting `Language` is the
// caller's to change.
QString Load_Language(const QString& language);
// Applies one line of a language file; exposed so the grammar can be tested line by line.
void Apply_Language_Line(const QString& line);
// Decodes a language file's bytes: UTF-8 / UTF-16 with a byte-order mark, the ANSI code page without one.
QString Decode_Language_Bytes(const QByteArray& bytes);
// The built-in English text of `id` (" " for an ID without one), whatever the table holds now.
QString English_Text(int32_t id);
// The text of `id` with its "%d" markers filled in order by `numbers`: our own substitution, so a template from a
// language file is never read as a format (a marker more is left as it stands, one less leaves numbers out). A
// message is never blank: while the table holds no text for `id` (not loaded yet), the built-in English one is used.
QString Lang_Message(int32_t id, std::initializer_list<int> numbers);
