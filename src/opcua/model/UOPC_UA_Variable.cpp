#include "UOPC_UA_Variable.h"

#include <cstring>

#include "UOPCUA_Vocabulary.h"
#include "UStrUtils.h"

namespace {
constexpr uint16_t Id_Numeric = 0, Id_String = 3, Id_Guid = 4, Id_Byte_String = 5;
constexpr int32_t Type_Boolean = 0, Type_Int8 = 1, Last_Type = 14;

// Hexadecimal digits only (up to 16); anything else, or nothing, reads as 0. The caller cuts the value to its field.
uint64_t Hex_Value(QStringView text) {
  if (text.isEmpty() || text.size() > 16) return 0;
  uint64_t value = 0;
  for (const QChar c : text) {
    const int digit = QStringView(u"0123456789abcdef").indexOf(c.toLower());
    if (digit < 0) return 0;
    value = value * 16 + static_cast<uint64_t>(digit);
  }
  return value;
}

// The next dash-separated group of a GUID text: up to the first "-" (the rest goes on after it), or all of it.
uint64_t Take_Group(QString& rest) {
  const qsizetype dash = rest.indexOf(u'-');
  if (dash < 0) {
    const uint64_t value = Hex_Value(rest);
    rest.clear();
    return value;
  }
  const uint64_t value = Hex_Value(QStringView(rest).left(dash));
  rest.remove(0, dash + 1);
  return value;
}

bool Is_Int8_Word(const QString& text) {
  const QString t = Trim(text);
  return t.size() == 4 && (t[0] == u'i' || t[0] == u'I') && (t[1] == u'n' || t[1] == u'N') &&
         (t[2] == u't' || t[2] == u'T') && t[3] == u'8';
}
}  // namespace

QString TOPC_UA_Variable::NodeType() const {
  return Node_Type_To_Text(identifierType);
}

void TOPC_UA_Variable::SetNodeType(const QString& text) {
  identifierType = static_cast<uint16_t>(Text_To_Node_Type(text));
}

QString TOPC_UA_Variable::NodeID() const {
  switch (identifierType) {
    case Id_String:
      return stringname;
    case Id_Byte_String:
      return byteString;
    case Id_Numeric:
    case Id_Guid: {
      opcua_structure record;
      record.identifierType = identifierType;
      record.numeric = numeric;
      record.guide1 = guide1;
      record.guide2 = guide2;
      record.guide3 = guide3;
      std::memcpy(record.guide4, guide4, sizeof guide4);
      return Node_ID_To_Text(record);
    }
    default:
      return QString();
  }
}

void TOPC_UA_Variable::SetNodeID(const QString& text) {
  switch (identifierType) {
    case Id_Numeric: {
      // Anything but a whole number within 0..4294967295 is 0.
      TIntegerText parts;
      numeric = Read_Integer_Text(text, parts) && !parts.Negative ? static_cast<uint32_t>(parts.Magnitude) : 0;
      break;
    }
    case Id_String:
      stringname = text;
      break;
    case Id_Byte_String:
      byteString = text;
      break;
    case Id_Guid: {
      // Lenient: groups up to a dash, then two digits a byte; what is missing reads as 0.
      QString rest = Trim(text);
      guide1 = static_cast<uint32_t>(Take_Group(rest));
      guide2 = static_cast<uint16_t>(Take_Group(rest));
      guide3 = static_cast<uint16_t>(Take_Group(rest));
      for (int i = 0; i < 8; ++i) {
        if (rest.size() < 3) {
          guide4[i] = static_cast<uint8_t>(Hex_Value(rest));
          rest.clear();
          continue;
        }
        guide4[i] = static_cast<uint8_t>(Hex_Value(QStringView(rest).left(2)));
        // The dash between the fourth and the fifth group follows the second byte.
        rest.remove(0, i == 1 ? 3 : 2);
      }
      break;
    }
    default:
      break;
  }
}

QString TOPC_UA_Variable::VarType() const {
  return dataType > Type_Boolean && dataType <= Last_Type ? Data_Type_To_Text(dataType)
                                                          : Data_Type_To_Text(Type_Boolean);
}

void TOPC_UA_Variable::SetVarType(const QString& text) {
  const int32_t code = Text_To_Data_Type(text);
  // The vocabulary falls back on Int8; a word the window does not know is Boolean here.
  dataType = code == Type_Int8 && !Is_Int8_Word(text) ? Type_Boolean : code;
}
