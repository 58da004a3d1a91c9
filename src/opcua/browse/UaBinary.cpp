#include "UaBinary.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace {

// Nested Variants, DataValues and DiagnosticInfos could otherwise recurse without end inside one small message.
constexpr int Max_Nesting = 10;

enum : uint8_t {
  encTwoByte = 0,
  encFourByte = 1,
  encNumeric = 2,
  encString = 3,
  encGuid = 4,
  encByteString = 5,
  encServerIndexFlag = 0x40,
  encNamespaceUriFlag = 0x80
};

// The fewest bytes one encoded element of a built-in type takes (a null id, an empty string or structure).
qsizetype Smallest_Element_Size(uint8_t type) {
  static const uint8_t sizes[] = {1, 1, 1, 1, 2, 2, 4, 4, 8, 8, 4, 8, 4, 8, 16, 4, 4, 2, 2, 4, 6, 1, 3, 1, 1, 1};
  return type < std::size(sizes) ? sizes[type] : 1;
}

EUaError Bad(const char* what) {
  return EUaError(QStringLiteral("OPC UA decoding: %1").arg(QLatin1String(what)));
}

}  // namespace

// ---- node ids ----

TUaNodeId TUaNodeId::Num(uint16_t ns, uint32_t id) {
  TUaNodeId n;
  n.Namespace = ns;
  n.Numeric = id;
  return n;
}

TUaNodeId TUaNodeId::Str(uint16_t ns, const QByteArray& text) {
  TUaNodeId n;
  n.Namespace = ns;
  n.Type = TUaIdType::String;
  n.Text = text;
  return n;
}

TUaNodeId TUaNodeId::Opaque(uint16_t ns, const QByteArray& bytes) {
  TUaNodeId n = Str(ns, bytes);
  n.Type = TUaIdType::ByteString;
  return n;
}

TUaNodeId TUaNodeId::Of_Guid(uint16_t ns, const TUaGuid& guid) {
  TUaNodeId n;
  n.Namespace = ns;
  n.Type = TUaIdType::Guid;
  n.Guid = guid;
  return n;
}

bool TUaNodeId::Is_Null() const {
  if (Namespace != 0) return false;
  switch (Type) {
    case TUaIdType::Numeric:
      return Numeric == 0;
    case TUaIdType::Guid:
      return Guid == TUaGuid{};
    default:
      return Text.isEmpty();
  }
}

QByteArray TUaNodeId::Key() const {
  TUaWriter w;
  w.NodeId(*this);
  return w.Data();
}

// ---- writer ----

void TUaWriter::UInt16(uint16_t v) {
  Byte(uint8_t(v));
  Byte(uint8_t(v >> 8));
}

void TUaWriter::UInt32(uint32_t v) {
  for (int i = 0; i < 4; ++i) Byte(uint8_t(v >> (8 * i)));
}

void TUaWriter::UInt64(uint64_t v) {
  for (int i = 0; i < 8; ++i) Byte(uint8_t(v >> (8 * i)));
}

void TUaWriter::Double(double v) {
  UInt64(std::bit_cast<uint64_t>(v));
}

void TUaWriter::String(const QByteArray& v) {
  if (v.isNull()) {
    Int32(-1);
    return;
  }
  Int32(int32_t(v.size()));
  FData.append(v);
}

void TUaWriter::Guid(const TUaGuid& g) {
  UInt32(g.Data1);
  UInt16(g.Data2);
  UInt16(g.Data3);
  for (uint8_t b : g.Data4) Byte(b);
}

void TUaWriter::NodeId(const TUaNodeId& id) {
  switch (id.Type) {
    case TUaIdType::Numeric:
      if (id.Namespace == 0 && id.Numeric <= 0xFF) {
        Byte(encTwoByte);
        Byte(uint8_t(id.Numeric));
      } else if (id.Namespace <= 0xFF && id.Numeric <= 0xFFFF) {
        Byte(encFourByte);
        Byte(uint8_t(id.Namespace));
        UInt16(uint16_t(id.Numeric));
      } else {
        Byte(encNumeric);
        UInt16(id.Namespace);
        UInt32(id.Numeric);
      }
      return;
    case TUaIdType::String:
      Byte(encString);
      UInt16(id.Namespace);
      String(id.Text);
      return;
    case TUaIdType::Guid:
      Byte(encGuid);
      UInt16(id.Namespace);
      Guid(id.Guid);
      return;
    case TUaIdType::ByteString:
      Byte(encByteString);
      UInt16(id.Namespace);
      ByteString(id.Text);
      return;
  }
}

void TUaWriter::LocalizedText(const TUaLocalizedText& t) {
  uint8_t mask = (t.Locale.isNull() ? 0 : 0x01) | (t.Text.isNull() ? 0 : 0x02);
  Byte(mask);
  if (mask & 0x01) String(t.Locale);
  if (mask & 0x02) String(t.Text);
}

void TUaWriter::ExtensionObject(const TUaNodeId& type, const QByteArray& body) {
  NodeId(type);
  if (type.Is_Null() && body.isEmpty()) {
    Byte(0);
    return;
  }
  Byte(1);
  ByteString(body.isNull() ? QByteArray("") : body);
}

void TUaWriter::Patch_UInt32(qsizetype at, uint32_t v) {
  for (int i = 0; i < 4; ++i) FData[at + i] = char(uint8_t(v >> (8 * i)));
}

// ---- reader ----

void TUaReader::Need(qsizetype n) const {
  if (n < 0 || n > Remaining()) throw Bad("message ends early");
}

uint8_t TUaReader::Byte() {
  Need(1);
  return uint8_t(FData[FPos++]);
}

uint16_t TUaReader::UInt16() {
  Need(2);
  uint16_t v = uint16_t(uint8_t(FData[FPos]) | (uint8_t(FData[FPos + 1]) << 8));
  FPos += 2;
  return v;
}

uint32_t TUaReader::UInt32() {
  Need(4);
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= uint32_t(uint8_t(FData[FPos + i])) << (8 * i);
  FPos += 4;
  return v;
}

uint64_t TUaReader::UInt64() {
  Need(8);
  uint64_t v = 0;
  for (int i = 0; i < 8; ++i) v |= uint64_t(uint8_t(FData[FPos + i])) << (8 * i);
  FPos += 8;
  return v;
}

double TUaReader::Double() {
  return std::bit_cast<double>(UInt64());
}

QByteArray TUaReader::Bytes(qsizetype n) {
  Need(n);
  QByteArray out = n == 0 ? QByteArray("") : FData.mid(FPos, n);
  FPos += n;
  return out;
}

void TUaReader::Skip(qsizetype n) {
  Need(n);
  FPos += n;
}

QByteArray TUaReader::String() {
  int32_t n = Int32();
  if (n == -1) return QByteArray();
  if (n < 0) throw Bad("negative string length");
  return Bytes(n);
}

int32_t TUaReader::Array_Length(qsizetype min_element_size, int32_t max_count) {
  int32_t n = Int32();
  if (n == -1) return 0;
  // A count the bytes left cannot hold can only be a lie that would make us allocate or loop for nothing.
  if (n < 0 || n > max_count || qsizetype(n) * std::max<qsizetype>(1, min_element_size) > Remaining())
    throw Bad("bad array length");
  return n;
}

int32_t TUaReader::Array_Length_Exactly(int32_t expected, qsizetype min_element_size) {
  const int32_t n = Array_Length(min_element_size, std::numeric_limits<int32_t>::max());
  if (n != expected) throw EUaError(QStringLiteral("OPC UA server answered a different number of results"));
  return n;
}

TUaGuid TUaReader::Guid() {
  TUaGuid g;
  g.Data1 = UInt32();
  g.Data2 = UInt16();
  g.Data3 = UInt16();
  Need(8);
  for (uint8_t& b : g.Data4) b = Byte();
  return g;
}

namespace {

QByteArray Identifier_Bytes(TUaReader& r) {
  const int32_t n = r.Int32();
  if (n == -1) return QByteArray();
  if (n < 0 || n > Ua_Max_Id_Bytes) throw Bad("bad node identifier length");
  return r.Bytes(n);
}

// A text cut to the bound without splitting a UTF-8 sequence; the rest is skipped without being copied.
QByteArray Bounded_Text(TUaReader& r) {
  const int32_t n = r.Int32();
  if (n == -1) return QByteArray();
  if (n < 0 || n > r.Remaining()) throw Bad("bad text length");
  if (n <= Ua_Max_Text_Bytes) return r.Bytes(n);
  QByteArray text = r.Bytes(Ua_Max_Text_Bytes + 1);
  r.Skip(n - Ua_Max_Text_Bytes - 1);
  qsizetype end = Ua_Max_Text_Bytes;
  while (end > 0 && (uint8_t(text[end]) & 0xC0) == 0x80) --end;
  text.truncate(end);
  return text;
}

TUaNodeId Read_Node_Id_Body(TUaReader& r, uint8_t encoding) {
  TUaNodeId id;
  switch (encoding) {
    case encTwoByte:
      id.Numeric = r.Byte();
      break;
    case encFourByte:
      id.Namespace = r.Byte();
      id.Numeric = r.UInt16();
      break;
    case encNumeric:
      id.Namespace = r.UInt16();
      id.Numeric = r.UInt32();
      break;
    case encString:
      id.Namespace = r.UInt16();
      id.Type = TUaIdType::String;
      id.Text = Identifier_Bytes(r);
      break;
    case encGuid:
      id.Namespace = r.UInt16();
      id.Type = TUaIdType::Guid;
      id.Guid = r.Guid();
      break;
    case encByteString:
      id.Namespace = r.UInt16();
      id.Type = TUaIdType::ByteString;
      id.Text = Identifier_Bytes(r);
      break;
    default:
      throw Bad("unknown node id encoding");
  }
  return id;
}

}  // namespace

TUaNodeId TUaReader::NodeId() {
  return Read_Node_Id_Body(*this, Byte());
}

TUaExpandedNodeId TUaReader::ExpandedNodeId() {
  uint8_t encoding = Byte();
  TUaExpandedNodeId out;
  out.NodeId = Read_Node_Id_Body(*this, encoding & 0x3F);
  if (encoding & encNamespaceUriFlag) {
    out.NamespaceUri = String();
    if (out.NamespaceUri.isNull()) out.NamespaceUri = QByteArray("");
  }
  if (encoding & encServerIndexFlag) out.ServerIndex = UInt32();
  return out;
}

TUaQualifiedName TUaReader::QualifiedName() {
  TUaQualifiedName q;
  q.Namespace = UInt16();
  q.Name = String();
  return q;
}

TUaLocalizedText TUaReader::LocalizedText() {
  uint8_t mask = Byte();
  if (mask & ~0x03) throw Bad("unknown localized text fields");
  TUaLocalizedText t;
  if (mask & 0x01) t.Locale = Bounded_Text(*this);
  if (mask & 0x02) t.Text = Bounded_Text(*this);
  return t;
}

void TUaReader::Skip_ExtensionObject() {
  NodeId();
  uint8_t encoding = Byte();
  if (encoding == 0) return;
  if (encoding > 2) throw Bad("unknown extension object encoding");
  int32_t n = Int32();
  if (n == -1) return;
  if (n < 0) throw Bad("negative extension object length");
  Skip(n);
}

void TUaReader::Skip_DiagnosticInfo() {
  Skip_DiagnosticInfo_At(0);
}

void TUaReader::Skip_DiagnosticInfo_At(int depth) {
  if (depth > Max_Nesting) throw Bad("diagnostic info nested too deeply");
  uint8_t mask = Byte();
  for (uint8_t bit : {0x01, 0x02, 0x04, 0x08})
    if (mask & bit) Skip(4);
  if (mask & 0x10) String();
  if (mask & 0x20) Skip(4);
  if (mask & 0x40) Skip_DiagnosticInfo_At(depth + 1);
}

TUaVariant TUaReader::Variant() {
  return Variant_At(0);
}

TUaDataValue TUaReader::DataValue() {
  return DataValue_At(0);
}

TUaDataValue TUaReader::DataValue_At(int depth) {
  if (depth > Max_Nesting) throw Bad("data value nested too deeply");
  uint8_t mask = Byte();
  if (mask & ~0x3F) throw Bad("unknown data value fields");
  TUaDataValue dv;
  if (mask & 0x01) {
    dv.Has_Value = true;
    dv.Value = Variant_At(depth + 1);
  }
  if (mask & 0x02) dv.Status = UInt32();
  if (mask & 0x04) Skip(8);
  if (mask & 0x10) Skip(2);
  if (mask & 0x08) Skip(8);
  if (mask & 0x20) Skip(2);
  return dv;
}

TUaVariant TUaReader::Variant_At(int depth) {
  if (depth > Max_Nesting) throw Bad("variant nested too deeply");
  uint8_t encoding = Byte();
  TUaVariant v;
  v.Type = encoding & 0x3F;
  if (v.Type > uaDiagnosticInfo) throw Bad("unknown variant type");
  v.Is_Array = (encoding & 0x80) != 0;
  if (!v.Is_Array) {
    if (encoding & 0x40) throw Bad("array dimensions without an array");
    if (v.Type != uaNull) Read_Variant_Element(v.Type, v, depth);
    return v;
  }
  int32_t n = Array_Length(Smallest_Element_Size(v.Type));
  TUaVariant scratch;
  for (int32_t i = 0; i < n; ++i) Read_Variant_Element(v.Type, scratch, depth);
  if (encoding & 0x40) {
    int32_t dims = Array_Length(4);
    Skip(qsizetype(dims) * 4);
  }
  return v;
}

void TUaReader::Read_Variant_Element(uint8_t type, TUaVariant& into, int depth) {
  switch (type) {
    case uaNull:
      throw Bad("null element in an array");
    case uaBoolean:
    case uaByte:
      into.Integer = Byte();
      return;
    case uaSByte:
      into.Integer = uint64_t(int64_t(int8_t(Byte())));
      return;
    case uaUInt16:
      into.Integer = UInt16();
      return;
    case uaInt16:
      into.Integer = uint64_t(int64_t(int16_t(UInt16())));
      return;
    case uaUInt32:
    case uaStatusCode:
      into.Integer = UInt32();
      return;
    case uaInt32:
      into.Integer = uint64_t(int64_t(Int32()));
      return;
    case uaInt64:
    case uaUInt64:
      into.Integer = UInt64();
      return;
    case uaFloat:
      Skip(4);
      return;
    case uaDouble:
    case uaDateTime:
      Skip(8);
      return;
    case uaGuid:
      Guid();
      return;
    case uaString:
    case uaByteString:
    case uaXmlElement:
      into.Bytes = String();
      return;
    case uaNodeId:
      into.NodeId = NodeId();
      return;
    case uaExpandedNodeId:
      into.NodeId = ExpandedNodeId().NodeId;
      return;
    case uaQualifiedName:
      QualifiedName();
      return;
    case uaLocalizedText:
      into.Text = LocalizedText();
      return;
    case uaExtensionObject:
      Skip_ExtensionObject();
      return;
    case uaDataValue:
      DataValue_At(depth + 1);
      return;
    case uaVariant:
      Variant_At(depth + 1);
      return;
    case uaDiagnosticInfo:
      Skip_DiagnosticInfo_At(depth + 1);
      return;
    default:
      throw Bad("unknown variant type");
  }
}
