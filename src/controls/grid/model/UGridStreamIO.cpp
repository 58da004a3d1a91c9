#include "UGridStreamIO.h"

#include <cmath>

#include <array>

namespace {

const QByteArray Signature = QByteArrayLiteral("TPF0");

struct TColorName {
  TColor Color;
  const char* Name;
};

constexpr std::array<TColorName, 47> ColorNames{{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {0xC0DCC0, "clMoneyGreen"},
    {0xF0CAA6, "clSkyBlue"},
    {0xF0FBFF, "clCream"},
    {0xA4A0A0, "clMedGray"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
}};

void AppendLE32(QByteArray& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A cursor over the bytes that never reads past their end.
class TByteCursor {
 public:
  TByteCursor(const QByteArray& bytes, qsizetype pos) : FBytes(bytes), FPos(pos) {}
  qsizetype Pos() const { return FPos; }
  qsizetype Left() const { return FBytes.size() - FPos; }
  bool Byte(uint8_t& value) {
    if (Left() < 1) return false;
    value = static_cast<uint8_t>(FBytes[FPos++]);
    return true;
  }
  bool Take(int64_t count, QByteArray& value) {
    if (count < 0 || count > Left()) return false;
    value = FBytes.mid(FPos, static_cast<qsizetype>(count));
    FPos += static_cast<qsizetype>(count);
    return true;
  }
  bool LE(int bytes, uint32_t& value) {
    QByteArray raw;
    if (!Take(bytes, raw)) return false;
    value = 0;
    for (int i = 0; i < bytes; ++i) value |= static_cast<uint32_t>(static_cast<uint8_t>(raw[i])) << (8 * i);
    return true;
  }
  bool Short(QByteArray& value) {
    uint8_t length = 0;
    return Byte(length) && Take(length, value);
  }

 private:
  const QByteArray& FBytes;
  qsizetype FPos;
};

bool ReadString(TByteCursor& in, uint8_t type, QString& value) {
  QByteArray raw;
  uint32_t count = 0;
  switch (type) {
    case svString:
      if (!in.Short(raw)) return false;
      value = QString::fromLatin1(raw);
      return true;
    case svLString:
      if (!in.LE(4, count) || !in.Take(count, raw)) return false;
      value = QString::fromLatin1(raw);
      return true;
    case svUTF8String:
      if (!in.LE(4, count) || !in.Take(count, raw)) return false;
      value = QString::fromUtf8(raw);
      return true;
    case svWString:
      if (!in.LE(4, count) || !in.Take(int64_t{count} * 2, raw)) return false;
      value.resize(static_cast<qsizetype>(count));
      for (qsizetype i = 0; i < value.size(); ++i)
        value[i] = QChar(
            static_cast<char16_t>(static_cast<uint8_t>(raw[2 * i]) | (static_cast<uint8_t>(raw[2 * i + 1]) << 8)));
      return true;
    default:
      return false;
  }
}

bool ReadValue(TByteCursor& in, TStreamValue& value) {
  uint8_t type = 0;
  if (!in.Byte(type)) return false;
  uint32_t number = 0;
  QByteArray raw;
  switch (type) {
    case svInt8:
      if (!in.LE(1, number)) return false;
      value = static_cast<int32_t>(static_cast<int8_t>(number));
      return true;
    case svInt16:
      if (!in.LE(2, number)) return false;
      value = static_cast<int32_t>(static_cast<int16_t>(number));
      return true;
    case svInt32:
      if (!in.LE(4, number)) return false;
      value = static_cast<int32_t>(number);
      return true;
    case svFalse:
    case svTrue:
      value = type == svTrue;
      return true;
    case svIdent:
      if (!in.Short(raw)) return false;
      value = TStreamIdent{QString::fromLatin1(raw)};
      return true;
    case svNil:
      value = TStreamNil{};
      return true;
    case svExtended:
      if (!in.Take(10, raw)) return false;
      value = TStreamBinary{raw};
      return true;
    case svBinary:
      if (!in.LE(4, number) || !in.Take(number, raw)) return false;
      value = TStreamBinary{raw};
      return true;
    case svSet: {
      TStreamSet set;
      for (;;) {
        if (!in.Short(raw)) return false;
        if (raw.isEmpty()) break;
        set.Members.append(QString::fromLatin1(raw));
      }
      value = set;
      return true;
    }
    case svList: {
      std::vector<QString> items;
      for (;;) {
        uint8_t itemType = 0;
        if (!in.Byte(itemType)) return false;
        if (itemType == svNull) break;
        QString item;
        if (!ReadString(in, itemType, item)) return false;
        items.push_back(item);
      }
      value = std::move(items);
      return true;
    }
    default: {
      QString text;
      if (!ReadString(in, type, text)) return false;
      value = text;
      return true;
    }
  }
}

}  // namespace

const TStreamValue* TStreamRecord::Find(const QString& name) const {
  for (const auto& [propName, value] : Properties)
    if (propName == name) return &value;
  return nullptr;
}

void TStreamRecordWriter::Begin(const QString& className) {
  FOut.append(Signature);
  ShortBytes(className.toLatin1());
  ShortBytes({});
}

void TStreamRecordWriter::End() {
  FOut.append('\0');  // end of the properties
  FOut.append('\0');  // no child records
}

void TStreamRecordWriter::ShortBytes(const QByteArray& bytes) {
  const QByteArray cut = bytes.left(255);
  FOut.append(static_cast<char>(cut.size()));
  FOut.append(cut);
}

void TStreamRecordWriter::Name(const QString& name) {
  ShortBytes(name.toLatin1());
}

void TStreamRecordWriter::Int32(int32_t value) {
  if (value >= -128 && value <= 127) {
    FOut.append(static_cast<char>(svInt8));
    FOut.append(static_cast<char>(value));
  } else if (value >= -32768 && value <= 32767) {
    FOut.append(static_cast<char>(svInt16));
    FOut.append(static_cast<char>(value & 0xFF));
    FOut.append(static_cast<char>((value >> 8) & 0xFF));
  } else {
    FOut.append(static_cast<char>(svInt32));
    AppendLE32(FOut, static_cast<uint32_t>(value));
  }
}

void TStreamRecordWriter::Integer(const QString& name, int32_t value) {
  Name(name);
  Int32(value);
}

void TStreamRecordWriter::Boolean(const QString& name, bool value) {
  Name(name);
  FOut.append(static_cast<char>(value ? svTrue : svFalse));
}

void TStreamRecordWriter::String(const QString& name, const QString& value) {
  if (value.isEmpty()) return;
  Name(name);
  StringValue(value);
}

void TStreamRecordWriter::List(const QString& name, const QStringList& items) {
  Name(name);
  FOut.append(static_cast<char>(svList));
  for (const QString& item : items) {
    if (item.isEmpty()) {
      // An empty item still takes its place in the list.
      FOut.append(static_cast<char>(svString));
      FOut.append('\0');
    } else {
      StringValue(item);
    }
  }
  FOut.append(static_cast<char>(svNull));
}

void TStreamRecordWriter::Extended(const QString& name, double value) {
  if (value == 0.0) return;
  Name(name);
  FOut.append(static_cast<char>(svExtended));
  FOut.append(DoubleToExtended(value));
}

void TStreamRecordWriter::StringValue(const QString& value) {
  const QByteArray utf8 = value.toUtf8();
  if (utf8.size() >= 2 * value.size()) {
    FOut.append(static_cast<char>(svWString));
    AppendLE32(FOut, static_cast<uint32_t>(value.size()));
    for (const QChar ch : value) {
      FOut.append(static_cast<char>(ch.unicode() & 0xFF));
      FOut.append(static_cast<char>(ch.unicode() >> 8));
    }
  } else if (utf8.size() != value.size()) {
    // Some byte is 0x80 or above: any non-ASCII character makes the UTF-8 form longer than the text.
    FOut.append(static_cast<char>(svUTF8String));
    AppendLE32(FOut, static_cast<uint32_t>(utf8.size()));
    FOut.append(utf8);
  } else if (utf8.size() < 256) {
    FOut.append(static_cast<char>(svString));
    FOut.append(static_cast<char>(utf8.size()));
    FOut.append(utf8);
  } else {
    FOut.append(static_cast<char>(svLString));
    AppendLE32(FOut, static_cast<uint32_t>(utf8.size()));
    FOut.append(utf8);
  }
}

QByteArray DoubleToExtended(double value) {
  // 80-bit extended: 64-bit significand with its integer bit, 15-bit exponent biased by 16383, sign; little endian.
  QByteArray out(10, '\0');
  if (value == 0 || !std::isfinite(value)) return out;
  const bool negative = value < 0;
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(value), &exponent);  // in [0.5, 1)
  const auto mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64));
  const int biased = exponent - 1 + 16383;
  for (int i = 0; i < 8; ++i) out[i] = static_cast<char>((mantissa >> (8 * i)) & 0xFF);
  out[8] = static_cast<char>(biased & 0xFF);
  out[9] = static_cast<char>(((biased >> 8) & 0x7F) | (negative ? 0x80 : 0));
  return out;
}

std::optional<double> ExtendedToDouble(const QByteArray& bytes) {
  if (bytes.size() != 10) return std::nullopt;
  uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | static_cast<uint8_t>(bytes[i]);
  const int top = static_cast<uint8_t>(bytes[9]);
  const int biased = ((top & 0x7F) << 8) | static_cast<uint8_t>(bytes[8]);
  if (biased == 0 && mantissa == 0) return 0.0;
  // Infinities, NaNs and values beyond a double are no value a cell can hold.
  if (biased == 0x7FFF) return std::nullopt;
  const double magnitude = std::ldexp(static_cast<double>(mantissa), biased - 16383 - 63);
  if (!std::isfinite(magnitude)) return std::nullopt;
  return (top & 0x80) ? -magnitude : magnitude;
}

void TStreamRecordWriter::Ident(const QString& name, const QString& member) {
  Name(name);
  FOut.append(static_cast<char>(svIdent));
  ShortBytes(member.toLatin1());
}

void TStreamRecordWriter::Set(const QString& name, const QStringList& members) {
  Name(name);
  FOut.append(static_cast<char>(svSet));
  for (const QString& member : members) ShortBytes(member.toLatin1());
  FOut.append('\0');
}

void TStreamRecordWriter::Color(const QString& name, TColor value) {
  const QString ident = ColorToIdent(value);
  if (ident.isEmpty())
    Integer(name, static_cast<int32_t>(value));
  else
    Ident(name, ident);
}

std::optional<TStreamRecord> ReadStreamRecord(const QByteArray& bytes, qsizetype& pos) {
  TByteCursor in(bytes, pos);
  QByteArray raw;
  if (!in.Take(4, raw) || raw != Signature) return std::nullopt;
  TStreamRecord record;
  if (!in.Short(raw)) return std::nullopt;
  record.ClassName = QString::fromLatin1(raw);
  if (!in.Short(raw)) return std::nullopt;  // the object name, not used
  for (;;) {
    if (!in.Short(raw)) return std::nullopt;
    if (raw.isEmpty()) break;
    TStreamValue value;
    if (!ReadValue(in, value)) return std::nullopt;
    record.Properties.emplace_back(QString::fromLatin1(raw), std::move(value));
  }
  uint8_t children = 0;
  if (!in.Byte(children) || children != 0) return std::nullopt;
  pos = in.Pos();
  return record;
}

QString ColorToIdent(TColor color) {
  for (const TColorName& entry : ColorNames)
    if (entry.Color == color) return QString::fromLatin1(entry.Name);
  return {};
}

std::optional<TColor> IdentToColor(const QString& name) {
  for (const TColorName& entry : ColorNames)
    if (name == QLatin1String(entry.Name)) return entry.Color;
  return std::nullopt;
}
