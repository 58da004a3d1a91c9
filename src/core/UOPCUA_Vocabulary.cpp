#include "UOPCUA_Vocabulary.h"

#include <array>

#include "UCodePage.h"

namespace {
// The words are ASCII; they are compared against UTF-16 texts of the windows and UTF-8 texts of files alike.
const std::array<const char*, 3> Auth_Words = {"Anonymous", "Username and Password", "Certificate"};
const std::array<const char*, 3> Sec_Type_Words = {"None", "Sign", "Sign and Encrypt"};
const std::array<const char*, 6> Sec_Policy_Words = {"None",
                                                     "Basic 128 RSA 15",
                                                     "Basic 256",
                                                     "Basic 256 SHA 256",
                                                     "AES 128 SHA 256 RSA OAEP",
                                                     "AES 256 SHA 256 RSA PSS"};
const std::array<const char*, 15> Data_Type_Words = {"Boolean", "Int8",   "UInt8",    "Int16",  "UInt16",
                                                     "Int32",   "UInt32", "Int64",    "UInt64", "Float",
                                                     "Double",  "String", "DateTime", "Guid",   "ByteString"};
// Codes 1 and 2 are not used.
const std::array<const char*, 6> Node_Type_Words = {"Numeric", "", "", "String", "Guid", "ByteString"};

char32_t Ascii_Lower(char32_t c) {
  return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

// Characters of a text as code units (UTF-16 or UTF-8 bytes): both agree with the ASCII words on ASCII and can
// never match them elsewhere.
template <class TText>
bool Same_Word(const TText& text, const char* word, bool ignore_case) {
  size_t i = 0;
  for (const auto unit : text) {
    const auto c = static_cast<char32_t>(unit);
    const auto w = static_cast<char32_t>(static_cast<unsigned char>(word[i]));
    if (w == 0) return false;
    if (ignore_case ? Ascii_Lower(c) != Ascii_Lower(w) : c != w) return false;
    ++i;
  }
  return word[i] == 0;
}

// Blanks and control characters at both ends are no part of a word compared ignoring case.
std::u16string_view Trimmed(QStringView s) {
  std::u16string_view v(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<size_t>(s.size()));
  while (!v.empty() && v.front() <= 0x20) v.remove_prefix(1);
  while (!v.empty() && v.back() <= 0x20) v.remove_suffix(1);
  return v;
}
std::string_view Trimmed(std::string_view v) {
  while (!v.empty() && static_cast<unsigned char>(v.front()) <= 0x20) v.remove_prefix(1);
  while (!v.empty() && static_cast<unsigned char>(v.back()) <= 0x20) v.remove_suffix(1);
  return v;
}

// Code of `text`; `fallback` when no word matches. Words compared ignoring case are compared trimmed, with only
// ASCII letters folded, so that no other letter (long s, dotless i) can pass for one of them.
template <size_t N, class TText>
int32_t Code_Of(const std::array<const char*, N>& words, const TText& text, bool ignore_case, int32_t fallback) {
  for (size_t i = 0; i < N; ++i) {
    if (*words[i] == 0) continue;
    const bool same = ignore_case ? Same_Word(Trimmed(text), words[i], true) : Same_Word(text, words[i], false);
    if (same) return static_cast<int32_t>(i);
  }
  return fallback;
}

std::u16string_view View(const QString& s) {
  return std::u16string_view(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<size_t>(s.size()));
}

// The word of `code`; codes past the table's end (and negative ones) take its last word.
template <size_t N>
QString Word_Or_Last(const std::array<const char*, N>& words, int32_t code) {
  return QString::fromLatin1(code >= 0 && code < static_cast<int32_t>(N) ? words[code] : words[N - 1]);
}

QString Ansi_Text(const char* text) {
  return text ? Ansi_To_Unicode(QByteArray(text)) : QString();
}

QString Hex(uint32_t value, int digits) {
  return QStringLiteral("%1").arg(value, digits, 16, QChar(u'0')).toUpper();
}

// Hexadecimal digits only; anything else, or nothing, reads as 0.
uint32_t Hex_Group(const QString& text, qsizetype from, qsizetype count) {
  const QString group = text.mid(from, count);
  if (group.isEmpty()) return 0;
  uint32_t value = 0;
  for (const QChar c : group) {
    const int digit = QStringView(u"0123456789abcdef").indexOf(c.toLower());
    if (digit < 0) return 0;
    value = value * 16 + static_cast<uint32_t>(digit);
  }
  return value;
}
}  // namespace

QString Auth_To_Text(int32_t code) {
  return Word_Or_Last(Auth_Words, code);
}
int32_t Text_To_Auth(const QString& text) {
  return Code_Of(Auth_Words, View(text), false, 2);
}
int32_t Utf8_To_Auth(std::string_view text) {
  return Code_Of(Auth_Words, text, false, 2);
}
QString Sec_Type_To_Text(int32_t code) {
  return Word_Or_Last(Sec_Type_Words, code);
}
int32_t Text_To_Sec_Type(const QString& text) {
  return Code_Of(Sec_Type_Words, View(text), false, 2);
}
int32_t Utf8_To_Sec_Type(std::string_view text) {
  return Code_Of(Sec_Type_Words, text, false, 2);
}
QString Sec_Policy_To_Text(int32_t code) {
  return Word_Or_Last(Sec_Policy_Words, code);
}
int32_t Text_To_Sec_Policy(const QString& text) {
  return Code_Of(Sec_Policy_Words, View(text), false, 5);
}
int32_t Utf8_To_Sec_Policy(std::string_view text) {
  return Code_Of(Sec_Policy_Words, text, false, 5);
}

QString Node_Type_To_Text(int32_t code) {
  return code >= 0 && code < static_cast<int32_t>(Node_Type_Words.size()) ? QString::fromLatin1(Node_Type_Words[code])
                                                                          : QString();
}
int32_t Text_To_Node_Type(const QString& text) {
  return Code_Of(Node_Type_Words, View(text), true, 0);
}
int32_t Utf8_To_Node_Type(std::string_view text) {
  return Code_Of(Node_Type_Words, text, true, 0);
}

QString Data_Type_To_Text(int32_t code) {
  return code >= 0 && code < static_cast<int32_t>(Data_Type_Words.size()) ? QString::fromLatin1(Data_Type_Words[code])
                                                                          : QString();
}
int32_t Text_To_Data_Type(const QString& text) {
  return Code_Of(Data_Type_Words, View(text), true, 1);
}
int32_t Utf8_To_Data_Type(std::string_view text) {
  return Code_Of(Data_Type_Words, text, true, 1);
}

QString Node_ID_To_Text(const opcua_structure& v) {
  switch (v.identifierType) {
    case 0:
      return QString::number(v.numeric);
    case 3:
      return Ansi_Text(v.stringname);
    case 4: {
      QString text = Hex(v.guide1, 8) + u'-' + Hex(v.guide2, 4) + u'-' + Hex(v.guide3, 4) + u'-';
      for (int i = 0; i < 8; ++i) {
        if (i == 2) text += u'-';
        text += Hex(v.guide4[i], 2);
      }
      return text;
    }
    case 5:
      return Ansi_Text(v.byteString);
    default:
      return QString();
  }
}

bool Text_To_Guid(const QString& text, TOPC_UA_Guid& guid) {
  guid = TOPC_UA_Guid{};
  if (text.size() < 35) return false;
  // Zero-based starts of the groups; the dashes between them are skipped unread.
  guid.data1 = Hex_Group(text, 0, 8);
  guid.data2 = static_cast<uint16_t>(Hex_Group(text, 9, 4));
  guid.data3 = static_cast<uint16_t>(Hex_Group(text, 14, 4));
  guid.data4[0] = static_cast<uint8_t>(Hex_Group(text, 19, 2));
  guid.data4[1] = static_cast<uint8_t>(Hex_Group(text, 21, 2));
  for (int i = 2; i < 8; ++i) guid.data4[i] = static_cast<uint8_t>(Hex_Group(text, 24 + 2 * (i - 2), 2));
  return true;
}
