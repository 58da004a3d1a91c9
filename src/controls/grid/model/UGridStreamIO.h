#pragma once
// The component records a block of cells travels in: a signature, a class name, an empty object name, then named
// properties each with a type byte and its value. The writer produces the records byte for byte; the reader takes
// plain bytes from any source (a drop, the clipboard) and refuses anything whose lengths do not fit its data.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "UTypes.h"

// Type bytes of the record values.
enum TStreamValueType : uint8_t {
  svNull = 0,
  svList = 1,
  svInt8 = 2,
  svInt16 = 3,
  svInt32 = 4,
  svExtended = 5,
  svString = 6,
  svIdent = 7,
  svFalse = 8,
  svTrue = 9,
  svBinary = 10,
  svSet = 11,
  svLString = 12,
  svNil = 13,
  svWString = 18,
  svUTF8String = 20,
};

// One property value as read. Identifiers (enumeration members, colour names) and set members stay names; lists
// keep their items; an extended value keeps its 10 raw bytes.
struct TStreamIdent {
  QString Name;
  bool operator==(const TStreamIdent&) const = default;
};
struct TStreamSet {
  QStringList Members;
  bool operator==(const TStreamSet&) const = default;
};
struct TStreamBinary {
  QByteArray Bytes;
  bool operator==(const TStreamBinary&) const = default;
};
struct TStreamNil {
  bool operator==(const TStreamNil&) const = default;
};
using TStreamValue =
    std::variant<int32_t, bool, QString, TStreamIdent, TStreamSet, TStreamBinary, TStreamNil, std::vector<QString>>;

struct TStreamRecord {
  QString ClassName;
  std::vector<std::pair<QString, TStreamValue>> Properties;
  // The value of a property, null when the record does not carry it.
  const TStreamValue* Find(const QString& name) const;
};

class TStreamRecordWriter {
 public:
  explicit TStreamRecordWriter(QByteArray& out) : FOut(out) {}
  void Begin(const QString& className);
  void Integer(const QString& name, int32_t value);
  void Boolean(const QString& name, bool value);
  // Not written when empty.
  void String(const QString& name, const QString& value);
  void Ident(const QString& name, const QString& member);
  void Set(const QString& name, const QStringList& members);
  // A colour by its name when it has one, else as an integer.
  void Color(const QString& name, TColor value);
  // A list of strings (an empty list is written too).
  void List(const QString& name, const QStringList& items);
  // A floating-point value as a 10-byte extended; not written when 0.
  void Extended(const QString& name, double value);
  void End();

 private:
  void Name(const QString& name);
  void ShortBytes(const QByteArray& bytes);
  void Int32(int32_t value);
  void StringValue(const QString& value);
  QByteArray& FOut;
};

// The 10 bytes of an extended value and back; no value for bytes that hold no finite double.
QByteArray DoubleToExtended(double value);
std::optional<double> ExtendedToDouble(const QByteArray& bytes);

// Reads the record that starts at pos and moves pos past it; no value when the bytes are not a whole record.
std::optional<TStreamRecord> ReadStreamRecord(const QByteArray& bytes, qsizetype& pos);

// The names colours are written by; a colour without a name is written as its number.
QString ColorToIdent(TColor color);
std::optional<TColor> IdentToColor(const QString& name);
