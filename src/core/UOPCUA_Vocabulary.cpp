#include "UOPCUA_Vocabulary.h"

#include <array>

#include "UCodePage.h"

namespace {
const std::array<QString, 3> Auth_Words = {QStringLiteral("Anonymous"), QStringLiteral("Username and Password"),
                                           QStringLiteral("Certificate")};
const std::array<QString, 3> Sec_Type_Words = {QStringLiteral("None"), QStringLiteral("Sign"),
                                               QStringLiteral("Sign and Encrypt")};
const std::array<QString, 6> Sec_Policy_Words = {QStringLiteral("None"),
                                                 QStringLiteral("Basic 128 RSA 15"),
                                                 QStringLiteral("Basic 256"),
                                                 QStringLiteral("Basic 256 SHA 256"),
                                                 QStringLiteral("AES 128 SHA 256 RSA OAEP"),
                                                 QStringLiteral("AES 256 SHA 256 RSA PSS")};
const std::array<QString, 15> Data_Type_Words = {
    QStringLiteral("Boolean"),  QStringLiteral("Int8"),  QStringLiteral("UInt8"),     QStringLiteral("Int16"),
    QStringLiteral("UInt16"),   QStringLiteral("Int32"), QStringLiteral("UInt32"),    QStringLiteral("Int64"),
    QStringLiteral("UInt64"),   QStringLiteral("Float"), QStringLiteral("Double"),    QStringLiteral("String"),
    QStringLiteral("DateTime"), QStringLiteral("Guid"),  QStringLiteral("ByteString")};

struct TNode_Type_Word {
  int32_t code;
  QString word;
};
const std::array<TNode_Type_Word, 4> Node_Type_Words = {{{0, QStringLiteral("Numeric")},
                                                         {3, QStringLiteral("String")},
                                                         {4, QStringLiteral("Guid")},
                                                         {5, QStringLiteral("ByteString")}}};

// The word of `code`; codes past the table's end (and negative ones) take its last word.
template <size_t N>
QString Word_Or_Last(const std::array<QString, N>& words, int32_t code) {
  return code >= 0 && code < static_cast<int32_t>(N) ? words[code] : words[N - 1];
}

// Code of `text`; `fallback` when no word matches.
template <size_t N>
int32_t Code_Of(const std::array<QString, N>& words, const QString& text, Qt::CaseSensitivity cs, int32_t fallback) {
  for (size_t i = 0; i < N; ++i)
    if (words[i].compare(text, cs) == 0) return static_cast<int32_t>(i);
  return fallback;
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
  return Code_Of(Auth_Words, text, Qt::CaseSensitive, 2);
}
QString Sec_Type_To_Text(int32_t code) {
  return Word_Or_Last(Sec_Type_Words, code);
}
int32_t Text_To_Sec_Type(const QString& text) {
  return Code_Of(Sec_Type_Words, text, Qt::CaseSensitive, 2);
}
QString Sec_Policy_To_Text(int32_t code) {
  return Word_Or_Last(Sec_Policy_Words, code);
}
int32_t Text_To_Sec_Policy(const QString& text) {
  return Code_Of(Sec_Policy_Words, text, Qt::CaseSensitive, 5);
}

QString Node_Type_To_Text(int32_t code) {
  for (const auto& w : Node_Type_Words)
    if (w.code == code) return w.word;
  return QString();
}

int32_t Text_To_Node_Type(const QString& text) {
  for (const auto& w : Node_Type_Words)
    if (w.word.compare(text, Qt::CaseInsensitive) == 0) return w.code;
  return 0;
}

QString Data_Type_To_Text(int32_t code) {
  return code >= 0 && code < static_cast<int32_t>(Data_Type_Words.size()) ? Data_Type_Words[code] : QString();
}

int32_t Text_To_Data_Type(const QString& text) {
  return Code_Of(Data_Type_Words, text, Qt::CaseInsensitive, 1);
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
