#pragma once
// OPC UA binary encoding: the built-in types the browsing client sends and receives. Every read is bounds-checked;
// a message that is short, inconsistent or nested too deeply raises EUaError and never reads past its end.
#include <QByteArray>
#include <cstdint>
#include <utility>

#include "Exception.h"

// Why a browse ended without variables, in the terms the user can act on; the message keeps the details.
enum class TUaFailure {
  None,                  // no failure: the browse ended as it should
  Bad_Address,           // not an opc.tcp address
  Unknown_Host,          // the host name does not resolve
  No_Server,             // the host refuses the connection: nothing listens at that port
  No_Answer,             // the host or the server did not answer in time
  Login_Refused,         // the server refused the identity: user name and password, certificate, anonymous
  Login_Not_Offered,     // the server offers no login of the kind asked
  Security_Not_Offered,  // the server offers no endpoint with the security mode and policy asked
  No_Policy,             // a security mode was asked without a policy
  Bad_Identity,          // the certificate or private key entered cannot be used
  Server_Certificate,    // the server's certificate or signature did not pass the checks
  Protocol,              // anything else: the server broke off or answered what the client cannot use
};

// A protocol failure: bad bytes, an error reply, a time limit passed, a service that returned a bad status.
class EUaError : public Exception {
 public:
  explicit EUaError(QString message, TUaFailure reason = TUaFailure::Protocol)
      : Exception(std::move(message)), FReason(reason) {}
  TUaFailure Reason() const { return FReason; }

 private:
  TUaFailure FReason;
};

struct TUaGuid {
  uint32_t Data1 = 0;
  uint16_t Data2 = 0;
  uint16_t Data3 = 0;
  uint8_t Data4[8] = {};
  bool operator==(const TUaGuid&) const = default;
};

// Bounds on what one message may make the client allocate or keep, whatever its announced sizes.
// Any array: no more elements than this, and no more than the bytes left can hold at the elements' smallest size.
constexpr int32_t Ua_Max_Array_Length = 65536;
// The protocol's longest string or byte-string node identifier; a longer one is refused.
constexpr qsizetype Ua_Max_Id_Bytes = 4096;
// Locales and localized texts are cut to this many bytes (at a character boundary): the device holds short texts.
constexpr qsizetype Ua_Max_Text_Bytes = 512;

// The identifier kinds keep the numbers the browse records use.
enum class TUaIdType : uint16_t { Numeric = 0, String = 3, Guid = 4, ByteString = 5 };

struct TUaNodeId {
  uint16_t Namespace = 0;
  TUaIdType Type = TUaIdType::Numeric;
  uint32_t Numeric = 0;
  QByteArray Text;  // the UTF-8 string or the opaque bytes
  TUaGuid Guid;

  static TUaNodeId Num(uint16_t ns, uint32_t id);
  static TUaNodeId Str(uint16_t ns, const QByteArray& text);
  static TUaNodeId Opaque(uint16_t ns, const QByteArray& bytes);
  static TUaNodeId Of_Guid(uint16_t ns, const TUaGuid& guid);
  bool Is_Null() const;
  bool Is_Ns0(uint32_t id) const { return Namespace == 0 && Type == TUaIdType::Numeric && Numeric == id; }
  // A compact byte form, equal exactly when the node ids are equal; used as a set and map key.
  QByteArray Key() const;
  bool operator==(const TUaNodeId&) const = default;
};

struct TUaExpandedNodeId {
  TUaNodeId NodeId;
  QByteArray NamespaceUri;  // null when absent
  uint32_t ServerIndex = 0;
  // Only a node of this server named by namespace index can be browsed further.
  bool Is_Local() const { return NamespaceUri.isNull() && ServerIndex == 0; }
};

struct TUaLocalizedText {
  QByteArray Locale;
  QByteArray Text;
};

struct TUaQualifiedName {
  uint16_t Namespace = 0;
  QByteArray Name;
};

// The built-in type numbers a Variant carries.
enum TUaBuiltIn : uint8_t {
  uaNull = 0,
  uaBoolean = 1,
  uaSByte = 2,
  uaByte = 3,
  uaInt16 = 4,
  uaUInt16 = 5,
  uaInt32 = 6,
  uaUInt32 = 7,
  uaInt64 = 8,
  uaUInt64 = 9,
  uaFloat = 10,
  uaDouble = 11,
  uaString = 12,
  uaDateTime = 13,
  uaGuid = 14,
  uaByteString = 15,
  uaXmlElement = 16,
  uaNodeId = 17,
  uaExpandedNodeId = 18,
  uaStatusCode = 19,
  uaQualifiedName = 20,
  uaLocalizedText = 21,
  uaExtensionObject = 22,
  uaDataValue = 23,
  uaVariant = 24,
  uaDiagnosticInfo = 25
};

// A decoded Variant. Scalars of the kinds the browse needs keep their value; everything else is read and skipped.
struct TUaVariant {
  uint8_t Type = uaNull;
  bool Is_Array = false;
  uint64_t Integer = 0;  // Boolean, the integer types and StatusCode
  TUaNodeId NodeId;
  TUaLocalizedText Text;
  QByteArray Bytes;  // String, ByteString, XmlElement
};

struct TUaDataValue {
  bool Has_Value = false;
  TUaVariant Value;
  uint32_t Status = 0;
};

inline bool Ua_Is_Bad(uint32_t status) {
  return (status & 0x80000000u) != 0;
}

class TUaWriter {
 public:
  void Byte(uint8_t v) { FData.append(char(v)); }
  void Boolean(bool v) { Byte(v ? 1 : 0); }
  void UInt16(uint16_t v);
  void UInt32(uint32_t v);
  void Int32(int32_t v) { UInt32(uint32_t(v)); }
  void UInt64(uint64_t v);
  void Int64(int64_t v) { UInt64(uint64_t(v)); }
  void Double(double v);
  // A null QByteArray is written as the null string (length -1).
  void String(const QByteArray& v);
  void ByteString(const QByteArray& v) { String(v); }
  void DateTime(int64_t ticks) { Int64(ticks); }
  void Guid(const TUaGuid& g);
  void NodeId(const TUaNodeId& id);
  void LocalizedText(const TUaLocalizedText& t);
  // An ExtensionObject whose body is already encoded; a null type id with an empty body writes "no body".
  void ExtensionObject(const TUaNodeId& type, const QByteArray& body);
  void Raw(const QByteArray& bytes) { FData.append(bytes); }
  void Array_Length(qsizetype n) { Int32(int32_t(n)); }
  void Patch_UInt32(qsizetype at, uint32_t v);

  qsizetype Size() const { return FData.size(); }
  const QByteArray& Data() const { return FData; }

 private:
  QByteArray FData;
};

class TUaReader {
 public:
  explicit TUaReader(QByteArray data) : FData(std::move(data)) {}

  uint8_t Byte();
  bool Boolean() { return Byte() != 0; }
  uint16_t UInt16();
  uint32_t UInt32();
  int32_t Int32() { return int32_t(UInt32()); }
  uint64_t UInt64();
  int64_t Int64() { return int64_t(UInt64()); }
  double Double();
  QByteArray String();
  QByteArray ByteString() { return String(); }
  int64_t DateTime() { return Int64(); }
  TUaGuid Guid();
  TUaNodeId NodeId();
  TUaExpandedNodeId ExpandedNodeId();
  TUaQualifiedName QualifiedName();
  TUaLocalizedText LocalizedText();
  TUaVariant Variant();
  TUaDataValue DataValue();
  void Skip_ExtensionObject();
  void Skip_DiagnosticInfo();
  // An array length: -1 (null) gives 0. A count above max_count, or one that the remaining bytes cannot hold at
  // min_element_size bytes per element, raises EUaError before any element is read.
  int32_t Array_Length(qsizetype min_element_size = 1, int32_t max_count = Ua_Max_Array_Length);
  // The array that answers a request of `expected` elements: any other count raises EUaError before an element is
  // decoded.
  int32_t Array_Length_Exactly(int32_t expected, qsizetype min_element_size);
  QByteArray Bytes(qsizetype n);
  void Skip(qsizetype n);

  qsizetype Position() const { return FPos; }
  qsizetype Remaining() const { return FData.size() - FPos; }

 private:
  void Need(qsizetype n) const;
  TUaVariant Variant_At(int depth);
  TUaDataValue DataValue_At(int depth);
  void Skip_DiagnosticInfo_At(int depth);
  void Read_Variant_Element(uint8_t type, TUaVariant& into, int depth);

  QByteArray FData;
  qsizetype FPos = 0;
};
